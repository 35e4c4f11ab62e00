// Measurements of the browser version (scripts/web-meting.sh runs this):
// how long the page takes to be ready to type when opened from disk, how
// long a calculation with its report takes on the page and in the core
// alone, and how large the folder is. Limits: 1 s, 10 ms and 1.5 MB.
//   node bench/web_meting.mjs WEBMAP WEBBOUW
import { createRequire } from 'node:module';
import { mkdtempSync, readdirSync, readFileSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { MaakKern } from '../web/kern.js';

const bron = resolve(fileURLToPath(import.meta.url), '../..');
const [map, bouw] = process.argv.slice(2).map((p) => resolve(p));
const vraag = createRequire(join(bron, 'tests/web/package.json'));
const puppeteer = vraag('puppeteer-core');
const kLaadKeer = 15;
const kRekenKeer = 200;

const Mediaan = (x) => [...x].sort((a, b) => a - b)[Math.floor(x.length / 2)];
const Ms = (x) => `${x.toFixed(2).replace('.', ',')} ms`;

// The sample worksheet's texts, typed into the Reset's.
const voorbeeld = readFileSync(join(bron, 'data/voorbeeld.txt'), 'utf8')
  .split(/\r?\n/)
  .filter((r) => r && !r.startsWith('#'))
  .map((r) => r.split('\t'));

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: [
    '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--lang=nl-NL',
    `--user-data-dir=${mkdtempSync(join(tmpdir(), 'tarvo-meting-'))}`,
  ],
});
const laden = [];
let page;
for (let i = 0; i < kLaadKeer; i++) {
  page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 720 });
  await page.goto(`file://${join(map, 'index.html')}`);
  await page.waitForSelector('body[data-klaar="ja"]');
  laden.push(await page.evaluate(() => performance.getEntriesByName('tarvo-klaar')[0].startTime));
  if (i < kLaadKeer - 1) await page.close();
}

// On the page: the button pressed until the report stands in the panel.
await page.evaluate((velden) => {
  for (const [sleutel, tekst] of velden) {
    const e = document.getElementById(/^\d+$/.test(sleutel) ? `veld${sleutel}` : sleutel);
    if (e) e.value = tekst;
  }
  document.getElementById('aftrek').checked = true;
}, voorbeeld);
const opPagina = await page.evaluate(async (keer) => {
  const knop = document.getElementById('berekenKnop');
  const rapport = document.getElementById('rapport');
  const tijden = [];
  for (let i = 0; i < keer; i++) {
    rapport.textContent = '';
    const klaar = new Promise((k) => new MutationObserver((_, w) => (w.disconnect(), k())).observe(rapport, { childList: true }));
    const t0 = performance.now();
    knop.click();
    await klaar;
    tijden.push(performance.now() - t0);
  }
  return tijden;
}, 50);
await browser.close();

// The core alone, under Node: the check, the calculation, every term and the report.
const fabriek = createRequire(import.meta.url)(join(bouw, 'web/tarvo_kern.js'));
const kern = await MaakKern(fabriek, readFileSync(join(bouw, 'web/tarvo_kern.wasm')));
kern.ZetInstellingen(',', new Date());
kern.LaadCatalogus(readFileSync(join(map, 'Wegdekken_2012.dat')), 'Wegdekken_2012.dat');
const w = kern.LeegWerkblad().werkblad;
for (const [sleutel, tekst] of voorbeeld) if (/^\d+$/.test(sleutel)) w.velden[Number(sleutel)] = tekst;
w.aftrek = true;
kern.ZetWerkblad(w);
kern.Bereken();
const t0 = performance.now();
for (let i = 0; i < kRekenKeer; i++) {
  kern.ZetWerkblad(w);
  if (!kern.Bereken().rapport) throw new Error('geen rapport');
}
const inKern = (performance.now() - t0) / kRekenKeer;

const bestanden = readdirSync(map).map((naam) => [naam, statSync(join(map, naam)).size]);
const totaal = bestanden.reduce((n, [, grootte]) => n + grootte, 0);
const regels = [
  ['Klaar om te typen na openen van schijf (mediaan, max.)', `${Ms(Mediaan(laden))}, ${Ms(Math.max(...laden))}`, '< 1000 ms'],
  ['Berekening met rapport op de pagina (mediaan, max.)', `${Ms(Mediaan(opPagina))}, ${Ms(Math.max(...opPagina))}`, '< 10 ms'],
  ['Berekening met rapport in de kern (gemiddeld)', Ms(inKern), ''],
  ...bestanden.map(([naam, grootte]) => [`  ${naam}`, `${(grootte / 1024).toFixed(1).replace('.', ',')} kB`, '']),
  ['Map build/web in totaal', `${(totaal / 1024).toFixed(0)} kB`, '< 1536 kB'],
];
for (const [wat, waarde, grens] of regels) console.log(`${wat.padEnd(58)} ${waarde.padStart(22)}  ${grens}`);
const teLang = Mediaan(laden) >= 1000 || Mediaan(opPagina) >= 10 || totaal >= 1.5 * 1024 * 1024;
process.exit(teLang ? 1 : 0);
