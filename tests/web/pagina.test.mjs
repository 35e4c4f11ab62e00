// The page in Debian's headless Chromium, driven by the keyboard as a user
// would: the sample worksheet typed and computed (the report as tarvo-reken
// prints it) and saved (the bytes of the build's voorbeeld.tvo), the
// commands of the core's table on their buttons and keys, the catalogue kept,
// refused and lost, saving that says "opgeslagen" only for a written file,
// and the page's own logic each side of its limits. Every page opens in a
// browser context of its own, with stand-ins for the file pickers.
//   TARVO_WEB_MAP=build/web node --test tests/web/pagina.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { LeesDownload } from './opzet.mjs';

const bron = resolve(fileURLToPath(import.meta.url), '../../..');
const map = resolve(process.env.TARVO_WEB_MAP ?? join(bron, 'build/web'));
const tijdelijk = mkdtempSync(join(tmpdir(), 'tarvo-pagina-'));

// key<TAB>text lines: a field number, toelichting0..3, wegdek, rail, zone, aftrek.
const voorbeeld = Object.fromEntries(
  readFileSync(join(bron, 'data/voorbeeld.txt'), 'utf8')
    .split(/\r?\n/)
    .filter((r) => r && !r.startsWith('#'))
    .map((r) => r.split('\t')),
);
const kVoorbeeldNaam = 'Café De Hoek, Dorpsstraat 12, 1e verdieping - Dorpsstraat, wegvak Kerkplein - Molenweg.tvo';

// The check's refusals: each case starts from the sample and types into the named fields.
const kWeigeringen = [
  { naam: 'geen_waarneemhoogte', velden: { 32: '0' }, melding: 'geen waarneemhoogte ingevuld', focus: 32 },
  { naam: 'wegdek_boven_waarneempunt', velden: { 32: '3', 33: '3,01' }, melding: 'wegdek hoger dan waarneemhoogte', focus: 33 },
  { naam: 'geen_afstand', velden: { 32: '5', 33: '0', 36: '0' }, melding: 'geen afstand ingevuld', focus: 36 },
];
// A number beyond its field's range is taken at the bound, and the status line says so.
const kBegrenzingen = [
  { veld: 39, getypt: '180', toont: '127', status: 'Zichthoek begrensd tot 127' },
  { veld: 34, getypt: '1,5', toont: '1,00', status: 'Bodemfactor B begrensd tot 1,00' },
];

// 1000 vehicles a day, 6.5/3/1 % an hour, shares 1/90/5/4 %: the counts of
// the light row's day and the heavy row's night, and the hourly intensities
// light day..night, medium evening, heavy day, motorcycles night.
const kOmrekening = {
  verdeling: ['1000', '6,5', '3', '1', '1', '1', '1', '90', '90', '90', '5', '5', '5', '4', '4', '4'],
  aantallen: { 3: '702,00', 11: '3,20' },
  velden: { 2: '58,50', 3: '27,00', 4: '9,00', 7: '1,50', 10: '2,60', 16: '0,10' },
};

// The deduction of art. 110g for Lden 52.5 dB at 80 km/h: 4 dB up to the day before 1 July 2018, 2 dB from it.
const kDatumVelden = { 2: '1000', 3: '300', 4: '100', 5: '80', 36: '100' };
const kDatums = [
  { datum: '2018-06-30T23:30:00', regel: 'inclusief 4 dB aftrek art. 110g Wgh' },
  { datum: '2018-07-01T00:30:00', regel: 'inclusief 2 dB aftrek art. 110g Wgh' },
];

// Enter and the arrows run through the fields as a ring, past derived and locked ones.
const kRing = [
  { van: 'veld0', toets: 'ArrowUp', naar: 'toelichting3' },
  { van: 'toelichting3', toets: 'ArrowDown', naar: 'veld0' },
  { van: 'toelichting3', toets: 'Enter', naar: 'veld0' },
  { van: 'veld0', toets: 'ArrowDown', naar: 'veld1' },
  { van: 'veld25', toets: 'Enter', naar: 'veld32' },
  { van: 'veld32', toets: 'ArrowUp', naar: 'veld25' },
  { van: 'veld25', toets: 'Tab', naar: 'veld32' },
  { van: 'veld4', toets: 'Enter', naar: 'veld6', zone: true },
  { van: 'veld6', toets: 'ArrowUp', naar: 'veld4', zone: true },
];

// Where the worksheet's grid puts its controls, as the main window does.
const kRaster = {
  veld0: '2 / span 5', veld2: '2 / span 1', veld4: '4 / span 1', kop5: '5 / span 1', veld5: '6 / span 1',
  veld32: '2 / span 1', label36: '3 / span 3', veld36: '6 / span 1', wegdekLijst: '2 / span 5', tramKnop: '5 / span 2',
};
// The sample with blanks before its second remark line: only an edited line loses them.
const kBlanks = readFileSync(join(map, 'voorbeeld.tvo'));
kBlanks.write('  tweede'.padEnd(60), 452, 'latin1');

const kMelding = {
  geenEigen:
    'Deze browser bewaart geen eigen wegdekkenlijst: de pagina rekent met de meegeleverde. Heeft u een eigen ' +
    'Wegdekken_2012.dat, open die dan.',
  onleesbaar: (reden) =>
    `De eigen wegdekkenlijst die deze browser bewaarde, is onleesbaar (${reden}) en verwijderd; de pagina rekent met ` +
    'de meegeleverde lijst.',
  vol:
    'De browser kon de wegdekkenlijst niet bewaren (de opslag van de browser is vol): ze geldt alleen zolang deze ' +
    'pagina open is. Sla haar op als wegdekkenbestand om haar te houden.',
  volMaarBestand:
    'De browser kon de wegdekkenlijst niet bewaren (de opslag van de browser is vol); ze staat wel in lijst.dat: ' +
    'open dat bestand bij een volgend bezoek.',
  geweigerd: (naam, reden) =>
    `Bestand ${naam} is beschadigd of geen wegdekkenbestand (${reden}); er zijn geen wegdekken ingelezen.`,
};

// A catalogue file: a 16-bit count, per surface 30 characters and six doubles, two names of 40.
function Catalogus(namen, lengte) {
  const b = Buffer.alloc(lengte ?? 82 + 78 * namen.length, 0);
  b.writeInt16LE(namen.length, 0);
  namen.forEach((n, i) => b.write(n.padEnd(30), 2 + 78 * i, 'latin1'));
  b.write(' '.repeat(80), 2 + 78 * namen.length, 'latin1');
  return [...b];
}
const kTweeWegdekken = Catalogus(['referentiewegdek (DAB)', 'Eigen deklaag']);
const WegdekTabel = (regel) => [...Buffer.from(`\ufeffomschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\r\n${regel}\r\n`)];
const kTabel = WegdekTabel('2L ZOAB;-4,2;-1,3;-2,1;1,7;-1,4;0,9');

// A stored value the core cannot take: removed, and the page starts with the shipped list and says why.
const kBewaard = [
  { naam: 'procent', waarde: '%', reden: 'het is geen wegdekkenbestand', meegeleverdGekozen: true },
  { naam: 'json', waarde: '{"wegdekken":[]}', reden: 'het is geen wegdekkenbestand' },
  { naam: 'leeg', waarde: '', reden: 'het bestand is korter dan 2 bytes' },
  { naam: 'nullen', waarde: Buffer.alloc(82).toString('base64'), reden: 'het bestand bevat geen wegdekken' },
  { naam: 'te_kort', waarde: 'AAAA', reden: 'het bestand telt 3 bytes, 0 wegdekken vragen er 82' },
];
// A catalogue opened: refused without a surface or beyond 82 + 78 x 50 bytes and the 4096 of the read margin.
const kCatalogi = [
  { naam: 'nul.dat', bytes: Array(82).fill(0), reden: 'het bestand bevat geen wegdekken' },
  { naam: 'groot.dat', grootte: 100e6, reden: 'het bestand is groter dan 8078 bytes' },
  { naam: 'rand.dat', bytes: Catalogus(['referentiewegdek (DAB)', 'Eigen deklaag'], 8079), reden: 'het bestand is groter dan 8078 bytes' },
  { naam: 'lijst.dat', bytes: Catalogus(['referentiewegdek (DAB)', 'Eigen deklaag'], 8078), lijst: 2 },
];
// Each change of the user's list with a full browser storage: the failure stays, the success line never comes.
// The list opened from a file is still in that file.
const kVolleOpslag = [
  { naam: 'import', knop: 'wegdekImport', antwoord: { naam: 'wegdekken.csv', bytes: kTabel }, lijst: 2, melding: 'vol',
    herkomst: 'Uw eigen wegdekkenlijst, alleen zolang deze pagina open is (2 wegdekken).' },
  { naam: 'openen', knop: 'wegdekOpenen', antwoord: { naam: 'lijst.dat', bytes: kTweeWegdekken }, lijst: 2, melding: 'volMaarBestand',
    herkomst: 'Uw eigen wegdekkenlijst uit lijst.dat, alleen in dat bestand bewaard (2 wegdekken).' },
  { naam: 'gebruiker', knop: 'gebruikerZet', lijst: 1, melding: 'vol',
    herkomst: 'Uw eigen wegdekkenlijst, alleen zolang deze pagina open is (1 wegdek).' },
];

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: [
    '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--lang=nl-NL', '--accept-lang=nl-NL',
    `--user-data-dir=${join(tijdelijk, 'profiel')}`,
  ],
});

// Stands in for the File System Access pickers: the next answer is
// window.__tarvoAntwoord ({naam, bytes, grootte, fout, toestemming: what the
// user answers when asked for access}); none is a cancel.
// What the page asked stays in __tarvoGevraagd, what it wrote in
// __tarvoGeschreven; the file named in __tarvoWeigert takes no more writes.
function NepKiezer() {
  const Bestand = (a) => {
    if (!a.grootte) return new File([new Uint8Array(a.bytes ?? [])], a.naam);
    // A file far too large: only a slice of it may be read.
    return { name: a.naam, size: a.grootte, slice: (b, e) => new Blob([new Uint8Array(e - b)]), arrayBuffer: () => Promise.reject(new Error('heel gelezen')) };
  };
  const Handle = (a) => ({
    name: a.naam,
    kind: 'file',
    queryPermission: async () => (a.toestemming ? 'prompt' : 'granted'),
    requestPermission: async () => a.toestemming,
    getFile: async () => Bestand(a),
    createWritable: async () => {
      if (a.fout) throw new DOMException(a.fout, a.fout);
      if (window.__tarvoWeigert === a.naam) throw new DOMException('', 'NoModificationAllowedError');
      const delen = [];
      return { write: async (b) => delen.push(...b), close: async () => (window.__tarvoGeschreven[a.naam] = delen), abort: async () => {} };
    },
  });
  const Kies = async (vraag) => {
    window.__tarvoGevraagd = vraag;
    const a = window.__tarvoAntwoord;
    window.__tarvoAntwoord = null;
    if (!a) throw new DOMException('geannuleerd', 'AbortError');
    return Handle({ naam: vraag.suggestedName, ...a });
  };
  window.__tarvoGeschreven = {};
  window.__tarvoKiezer = { showOpenFilePicker: async (v) => [await Kies(v)], showSaveFilePicker: Kies };
}

// The clock stands still and the browser speaks the language the page's address asks for, if any.
function Proefomgeving() {
  const vraag = new URLSearchParams(location.search);
  const taal = vraag.get('taal');
  if (taal) Object.defineProperty(navigator, 'language', { get: () => taal });
  const tijd = vraag.get('datum');
  if (!tijd) return;
  const Echt = Date;
  const vast = new Echt(tijd).getTime();
  globalThis.Date = class extends Echt {
    constructor(...a) { super(...(a.length ? a : [vast])); }
    static now() { return vast; }
  };
}

// A page in a browser context of its own; kiezer false: a browser without
// the pickers, which writes no files but downloads. Opnieuw() clears the
// site's data and loads the page again. The page before it is closed.
let vorige = null;  // one page at a time: a page in the background gets fewer frames
async function Open({ kiezer = true, downloads = 'allow' } = {}) {
  await vorige?.close();
  const context = (vorige = await browser.createBrowserContext());
  const page = await context.newPage();
  const cdp = await page.createCDPSession();
  const p = { page, fouten: [], dialogen: [], verzoeken: [] };
  p.Opnieuw = async () => {
    await cdp.send('Storage.clearDataForOrigin', { origin: 'file://', storageTypes: 'all' });
    await Herlaad(page);
  };
  page.on('pageerror', (e) => p.fouten.push(e.message));
  page.on('dialog', (d) => (p.dialogen.push(d.type()), d.accept()));
  page.on('request', (r) => p.verzoeken.push(r.url()));
  await page.evaluateOnNewDocument(kiezer ? NepKiezer : () => (window.__tarvoKiezer = {}));
  await page.evaluateOnNewDocument(Proefomgeving);
  await cdp.send('Browser.setDownloadBehavior', { behavior: downloads, downloadPath: tijdelijk, browserContextId: context.id });
  await page.setViewport({ width: 1280, height: 720 });
  await page.goto(`file://${join(map, 'index.html')}`);
  await page.waitForSelector('body[data-klaar="ja"]');
  return p;
}
// Loads the page again, with `vraag` as its address's query, without its
// question about unsaved work; waits for the new one to be ready.
async function Herlaad(page, vraag = '') {
  await page.evaluate(() => {
    delete document.body.dataset.klaar;
    window.addEventListener('beforeunload', (ev) => ev.stopImmediatePropagation(), { capture: true });
  });
  await page.goto(`file://${join(map, 'index.html')}${vraag}`);
  await page.waitForSelector('body[data-klaar="ja"]');
}

const Actief = (page) => page.evaluate(() => document.activeElement?.id);
const Waarde = (page, k) => page.$eval(`#veld${k}`, (e) => e.value);
const Tekst = (page, id) => page.$eval(`#${id}`, (e) => e.textContent);
const Wacht = (page, voorwaarde, ...args) => page.waitForFunction(voorwaarde, { timeout: 15000, polling: 50 }, ...args);
// The text of element `id` once it is `tekst`; what it is otherwise.
async function WachtOp(page, id, tekst) {
  await Wacht(page, (i, t) => document.getElementById(i).textContent === t, id, tekst).catch(() => {});
  assert.equal(await Tekst(page, id), tekst);
}
const Antwoord = (page, a) => page.evaluate((a) => (window.__tarvoAntwoord = a), a);
const Geschreven = async (page, naam) => {
  await Wacht(page, (n) => window.__tarvoGeschreven[n], naam);
  return Buffer.from(await page.evaluate((n) => window.__tarvoGeschreven[n], naam));
};
const Gevraagd = (page) => page.evaluate(() => window.__tarvoGevraagd?.suggestedName ?? null);
// The notice under the toolbar once it shows; none after the page had time to show one.
async function Bericht(page) {
  await Wacht(page, () => !document.getElementById('bericht').hidden);
  return Tekst(page, 'berichtTekst');
}
async function GeenBericht(page) {
  await new Promise((klaar) => setTimeout(klaar, 100));
  assert.ok(await page.$eval('#bericht', (e) => e.hidden));
}
const Lijst = (page) => page.$eval('#wegdekLijst', (e) => e.options.length);
async function Toets(page, naam) {
  const delen = naam.split('+');
  const toets = delen.pop();
  const houd = delen.map((d) => (d === 'Ctrl' ? 'Control' : d));
  for (const d of houd) await page.keyboard.down(d);
  // A letter comes as a small one unless Shift is held, as from a real keyboard.
  await page.keyboard.press(toets.length > 1 || houd.includes('Shift') ? toets : toets.toLowerCase());
  for (const d of houd.reverse()) await page.keyboard.up(d);
}
async function VeldInvullen(page, k, tekst) {
  await page.focus(`#veld${k}`);
  await page.keyboard.type(tekst);
  await page.keyboard.press('Tab');
}
// The message box's text once it is open; closed with `toets` (Enter: its focused button).
async function Melding(page, toets = 'Enter') {
  await Wacht(page, () => document.getElementById('melding').open);
  const tekst = await Tekst(page, 'meldingTekst');
  await page.keyboard.press(toets);
  await Wacht(page, () => !document.getElementById('melding').open);
  return tekst;
}
// The question before changes would go: its title, text and the button
// with the focus, answered with the keys `toetsen`.
async function Vraag(page, toetsen) {
  await Wacht(page, () => document.getElementById('opslaanVraag').open);
  const gezien = await page.evaluate(() => ['opslaanVraagTitel', 'opslaanVraagTekst'].map((id) => document.getElementById(id).textContent).concat(document.activeElement.id));
  for (const toets of toetsen) await Toets(page, toets);
  await Wacht(page, () => !document.getElementById('opslaanVraag').open);
  return gezien;
}
// The list's own box, from the editor (F4) as a user reaches it.
async function LijstVak(page) {
  await page.click('#knopWegdekken');
  await Wacht(page, () => document.getElementById('wegdekBewerking').open);
  await page.click('#wegdekBestand');
  await Wacht(page, () => document.getElementById('wegdekVenster').open);
}
// Escape until no box has come up for a while: a command may open one after another.
async function SluitVensters(page) {
  for (let rustig = 0; rustig < 3; ) {
    await new Promise((klaar) => setTimeout(klaar, 30));
    if (!(await page.$('dialog[open]'))) rustig++;
    else (rustig = 0), await page.keyboard.press('Escape');
  }
}
const Download = (naam) => LeesDownload(join(tijdelijk, naam));
// The core's table, from the core inside the page.
const Tabel = (page) =>
  page.evaluate(async () => {
    const wasm = Uint8Array.from(atob(document.getElementById('kernWasm').textContent.trim()), (c) => c.charCodeAt(0));
    const m = await globalThis.TarvoKern({ wasmBinary: wasm });
    return JSON.parse(m.UTF8ToString(m._WebTabel()));
  });
// Fills the browser's storage until it takes no more.
const VulOpslag = (page) =>
  page.evaluate(() => {
    for (const grootte of [2 ** 20, 2 ** 14, 2 ** 10, 2 ** 6, 1]) {
      try { for (let i = 0; ; i++) localStorage.setItem(`vul${grootte}.${i}`, 'x'.repeat(grootte)); } catch { /* full at this size */ }
    }
  });

test('the page', async (t) => {
  const { page, fouten, verzoeken } = await Open();

  await t.test('starts in field 0 with the shipped road surface, and offers to open an own list', async () => {
    assert.equal(await Actief(page), 'veld0');
    assert.equal(await page.$eval('#decimaal', (e) => e.value), ',');
    assert.equal(await Lijst(page), 1);
    assert.equal(await Tekst(page, 'berichtTekst'), kMelding.geenEigen);
    assert.deepEqual(await page.$$eval('#berichtKnoppen button', (k) => k.map((e) => e.textContent)), ['Wegdekkenbestand openen…', 'Sluiten']);
    assert.deepEqual([await Tekst(page, 'bestandNaam'), await Tekst(page, 'bestandStaat')], ['Geen bestand', '']);
  });

  await t.test('types the sample through the keyboard and computes the report with F9', async () => {
    // Enter runs through fields 0..25 and 32..39; the derived ones are passed.
    for (const k of [...Array(26).keys(), ...Array.from({ length: 8 }, (_, i) => 32 + i)]) {
      assert.equal(await Actief(page), `veld${k}`);
      if (voorbeeld[k] !== undefined) await page.keyboard.type(voorbeeld[k]);
      if (k === 39) break;
      await page.keyboard.press('Enter');
    }
    assert.equal(await Tekst(page, 'bestandStaat'), 'gewijzigd, niet opgeslagen');
    // From the viewing angle, Tab reaches the list and the switches before the remark lines.
    await page.keyboard.press('Tab');
    assert.equal(await Actief(page), 'wegdekLijst');
    for (let i = 1; i < Number(voorbeeld.wegdek); i++) await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Tab');
    if (voorbeeld.zone === '1') await page.keyboard.press('Space');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    if (voorbeeld.aftrek === '1') await page.keyboard.press('Space');
    await page.keyboard.press('Tab');
    for (let i = 0; i < 4; i++) {
      assert.equal(await Actief(page), `toelichting${i}`);
      await page.keyboard.type(voorbeeld[`toelichting${i}`] ?? '');
      await page.keyboard.press('Enter');
    }
    assert.equal(await Actief(page), 'veld0');
    await page.keyboard.press('F9');
    await Wacht(page, () => document.getElementById('rapport').textContent !== '');
    const verwacht = readFileSync(join(bron, 'tests/web/verwacht/voorbeeld_rapport.txt'), 'latin1');
    const rapport = await Tekst(page, 'rapport');
    assert.equal(Buffer.from(`${rapport}\r\n`, 'utf8').toString('latin1'), verwacht);
    assert.equal(await Tekst(page, 'kwaliteit'), 'Matig');
    assert.deepEqual(await page.$$eval('.niveaus dd', (d) => d.map((e) => e.textContent)), [' 60,6 dB(A)', ' 60,4 dB', ' 50,6 dB']);
    assert.equal(await Tekst(page, 'statusTekst'), 'Berekend: Letmaal 60,6 dB(A), Lden 60,4 dB, Lnight 50,6 dB.');
    assert.equal(await Tekst(page, 'aftrekRegel'), 'inclusief 5 dB aftrek art. 110g Wgh');
    assert.equal(await Waarde(page, 26), '1079,00');
    assert.equal(await page.$$eval('#termen tbody tr', (r) => r.length), 19 + 15);
  });

  await t.test('saves under the name of point and road, then to the same file, and elsewhere on Ctrl+Shift+S', async () => {
    await Antwoord(page, {});
    await Toets(page, 'Ctrl+S');
    assert.deepEqual(await Geschreven(page, kVoorbeeldNaam), readFileSync(join(map, 'voorbeeld.tvo')));
    assert.equal(await Gevraagd(page), kVoorbeeldNaam);
    assert.equal(await Tekst(page, 'statusTekst'), `Rekenblad opgeslagen als ${kVoorbeeldNaam}.`);
    assert.deepEqual([await Tekst(page, 'bestandNaam'), await Tekst(page, 'bestandStaat')], [kVoorbeeldNaam, '']);
    // A change, and Ctrl+S writes the same file without asking.
    await VeldInvullen(page, 38, '5');
    assert.equal(await Tekst(page, 'bestandStaat'), 'gewijzigd, niet opgeslagen');
    await page.evaluate(() => (window.__tarvoGevraagd = null, window.__tarvoGeschreven = {}));
    await Toets(page, 'Ctrl+S');
    await Geschreven(page, kVoorbeeldNaam);
    assert.deepEqual([await Gevraagd(page), await Tekst(page, 'bestandStaat')], [null, '']);
    await Antwoord(page, { naam: 'ander.tvo' });
    await Toets(page, 'Ctrl+Shift+S');
    await Geschreven(page, 'ander.tvo');
    assert.equal(await Gevraagd(page), kVoorbeeldNaam);
    assert.equal(await Tekst(page, 'statusTekst'), 'Rekenblad opgeslagen als ander.tvo.');
    await Toets(page, 'Ctrl+Shift+S');
    await WachtOp(page, 'statusTekst', 'Rekenblad niet opgeslagen.');
    assert.equal(await Gevraagd(page), 'ander.tvo');
    await VeldInvullen(page, 38, '0');
  });

  await t.test('imports a road-surface table into the list and the browser\'s own catalogue', async () => {
    await LijstVak(page);
    assert.equal(await Tekst(page, 'wegdekHerkomst'), 'De meegeleverde wegdekkenlijst (1 wegdek).');
    await Antwoord(page, { naam: 'wegdekken.csv', bytes: kTabel });
    await page.click('#wegdekImport');
    await Wacht(page, () => document.getElementById('wegdekLijst').options.length === 2);
    assert.deepEqual(await page.$$eval('#wegdekOverzicht li', (l) => l.map((e) => e.textContent)), ['referentiewegdek (DAB) (meegeleverd)', '2L ZOAB']);
    assert.equal(await Tekst(page, 'wegdekHerkomst'), 'Uw eigen wegdekkenlijst, bewaard in deze browser (2 wegdekken).');
    assert.equal(await Tekst(page, 'statusTekst'), '1 wegdek toegevoegd en 0 vervangen uit wegdekken.csv.');
    assert.ok(await page.evaluate(() => localStorage.getItem('tarvo.wegdekken')));
    assert.ok(await page.$eval('#bericht', (e) => e.hidden));
    assert.equal(await page.$eval('#wegdekLijst', (e) => e.value), '1');
    // The same description with other numbers: one question, then replaced.
    await Antwoord(page, { naam: 'nieuw.csv', bytes: WegdekTabel('2L ZOAB;-5;-1,3;-2,1;1,7;-1,4;0,9') });
    await page.click('#wegdekImport');
    assert.equal(await Melding(page), '1 wegdek met dezelfde omschrijving vervangen?');
    await WachtOp(page, 'statusTekst', '0 wegdekken toegevoegd en 1 vervangen uit nieuw.csv.');
  });

  await t.test('keeps the list in a file of the user\'s, and writes every change there too', async () => {
    await Antwoord(page, {});
    await page.click('#wegdekExport');
    assert.match((await Geschreven(page, 'wegdekken.csv')).toString(), /^\ufeffomschrijving;DL_lv/);
    assert.equal(await Tekst(page, 'statusTekst'), 'Wegdekkentabel opgeslagen als wegdekken.csv.');
    await Antwoord(page, {});
    await page.click('#wegdekOpslaan');
    await Geschreven(page, 'Wegdekken_2012.dat');
    await WachtOp(page, 'wegdekHerkomst', 'Uw eigen wegdekkenlijst uit Wegdekken_2012.dat, bewaard in deze browser en in dat bestand (2 wegdekken).');
    await page.$eval('#gebruiker', (e) => (e.value = 'Ir. Proef'));
    await page.click('#gebruikerZet');
    await WachtOp(page, 'statusTekst', 'Gebruikersnaam ingesteld.');
    const bestand = await Geschreven(page, 'Wegdekken_2012.dat');
    assert.equal(bestand.toString('latin1', 2 + 78 * 2, 2 + 78 * 2 + 40).trimEnd(), 'Ir. Proef');
    // The file refuses the next change: said, and said until a change reaches it again.
    await page.evaluate(() => (window.__tarvoWeigert = 'Wegdekken_2012.dat'));
    await page.click('#gebruikerZet');
    const zin = 'De wegdekkenlijst is niet in Wegdekken_2012.dat opgeslagen (het bestand mag niet worden gewijzigd); wel in deze browser.';
    await WachtOp(page, 'berichtTekst', zin);
    assert.equal(await Tekst(page, 'statusTekst'), zin);
    await page.evaluate(() => (window.__tarvoWeigert = null));
    await page.click('#gebruikerZet');
    await Wacht(page, () => document.getElementById('bericht').hidden);
    await SluitVensters(page);  // the list's box, then the editor it came from
  });

  for (const geval of kWeigeringen) {
    await t.test(`warns and moves the focus: ${geval.naam}`, async () => {
      for (const [k, tekst] of Object.entries(geval.velden)) await VeldInvullen(page, k, tekst);
      await page.keyboard.press('F9');
      await Wacht(page, () => document.getElementById('melding').open);
      assert.equal(await Tekst(page, 'meldingTitel'), 'Waarschuwing');
      assert.equal(await Melding(page), geval.melding);
      assert.equal(await Actief(page), `veld${geval.focus}`);
    });
  }

  for (const geval of kBegrenzingen) {
    await t.test(`takes ${geval.getypt} in field ${geval.veld} at its bound and says so`, async () => {
      await VeldInvullen(page, geval.veld, geval.getypt);
      assert.equal(await Waarde(page, geval.veld), geval.toont);
      assert.equal(await Tekst(page, 'statusTekst'), geval.status);
    });
  }

  await t.test('converts a daily count into counts and those into the worksheet\'s intensities', async () => {
    await Toets(page, 'F5');
    await Wacht(page, () => document.getElementById('omrekenVenster').open);
    assert.deepEqual(await page.$$eval('#verdeling0, #verdeling1, #aantallen0', (v) => v.map((e) => e.value)), ['0', '0,00', '0,00']);
    await page.keyboard.press('ArrowUp');
    assert.equal(await Actief(page), 'verdeling15');
    await page.keyboard.press('ArrowDown');
    assert.equal(await Actief(page), 'verdeling0');
    for (const [i, tekst] of kOmrekening.verdeling.entries()) {
      await page.$eval(`#verdeling${i}`, (e) => e.select());
      await page.focus(`#verdeling${i}`);
      await page.keyboard.type(tekst);
    }
    await page.click('#omrekenKnop');
    for (const [vak, tekst] of Object.entries(kOmrekening.aantallen)) {
      assert.equal(await page.$eval(`#aantallen${vak}`, (e) => e.value), tekst);
    }
    await page.click('#toepasKnop');
    await Wacht(page, () => !document.getElementById('omrekenVenster').open);
    for (const [k, tekst] of Object.entries(kOmrekening.velden)) assert.equal(await Waarde(page, k), tekst);
  });

  await t.test('takes the conversion\'s colour from a converted field the check refuses', async () => {
    assert.ok(await page.$eval('#veld2', (e) => e.classList.contains('omgerekend')));
    await page.$eval('#veld2', (e) => (e.focus(), (e.value = '5a')));
    await page.keyboard.press('F9');
    await Wacht(page, () => document.getElementById('veld2').classList.contains('ongeldig'));
    assert.equal(await page.$eval('#veld2', (e) => e.classList.contains('omgerekend')), false);
    await page.$eval('#veld2', (e) => (e.value = '58,50'));
  });

  await t.test('marks a pasted text that is no number and keeps the calculation back', async () => {
    await page.$eval('#veld36', (e) => (e.focus(), (e.value = '12a')));
    await page.keyboard.press('F9');
    await Wacht(page, () => document.getElementById('veld36').classList.contains('ongeldig'));
    assert.equal(await Actief(page), 'veld36');
    assert.deepEqual(await page.$eval('#veld36', (e) => [e.title, e.ariaInvalid]), ['Voer geldig getal in', 'true']);
    assert.equal(await Tekst(page, 'statusTekst'), "Berekening niet uitgevoerd: 'horizontale afstand (m)' is geen getal.");
  });

  await t.test('loaded nothing beside itself, made no request after and raised no error', async () => {
    assert.deepEqual(verzoeken, [`file://${join(map, 'index.html')}`]);
    assert.deepEqual(fouten, []);
  });
});

test('every command of the core\'s table has a button in the toolbar and its key', async (t) => {
  const { page, fouten } = await Open();
  const opdrachten = (await Tabel(page)).opdrachten;
  const inPagina = opdrachten.filter((o) => !o.nietInPagina);
  await page.evaluate(() => {
    window.__voorkomen = [];
    window.addEventListener('keydown', (ev) => window.__voorkomen.push(ev.defaultPrevented));
  });
  const Voorkomen = () => page.evaluate(() => window.__voorkomen.pop());

  await t.test('Tab runs through the toolbar, a button per command in the table\'s order, named with its key', async () => {
    await page.focus('#werkbalk button');
    const gezien = [];
    while (await page.evaluate(() => document.activeElement.closest('#werkbalk'))) {
      gezien.push(await page.evaluate(() => [document.activeElement.id, document.activeElement.title]));
      await page.keyboard.press('Tab');
    }
    const knop = (o) => `knop${o.naam[0].toUpperCase()}${o.naam.slice(1)}`;
    assert.deepEqual(gezien, inPagina.map((o) => [knop(o), `${o.titel}`]));
    for (const o of inPagina) assert.ok(o.titel.endsWith(` (${o.toets})`), o.naam);
    assert.equal(inPagina.find((o) => o.naam === 'toetsing').toets, 'Ctrl+Shift+E');
    assert.deepEqual(opdrachten.filter((o) => o.nietInPagina).map((o) => o.naam), ['afsluiten', 'rekenmachine']);
  });

  for (const o of inPagina) {
    await t.test(`${o.toets} runs ${o.naam}, and the browser does nothing with it`, async () => {
      await page.focus('#veld0');
      await page.evaluate(() => (document.body.dataset.opdracht = document.getElementById('statusTekst').textContent = ''));
      await Toets(page, o.toets);
      await Wacht(page, (n) => document.body.dataset.opdracht === n, o.naam);
      assert.equal(await Voorkomen(), true);
      await SluitVensters(page);
      // A command no part of the page has built yet says so.
      const status = await Tekst(page, 'statusTekst');
      if (status.includes('nog niet')) assert.equal(status, `"${o.tekst}" is nog niet beschikbaar in de browserversie.`);
    });
  }

  await t.test('keys of no command stay the browser\'s; with a box open a command key runs nothing', async () => {
    await Toets(page, 'Meta+O');
    await Wacht(page, () => document.body.dataset.opdracht === 'openen');
    assert.equal(await Voorkomen(), true);
    for (const toets of ['F3', 'F8', 'Ctrl+Q', 'Shift+F9', 'Ctrl+Alt+S']) {
      await page.focus('#veld0');
      await Toets(page, toets);
      assert.equal(await Voorkomen(), false, toets);
    }
    await Toets(page, 'F1');
    await Wacht(page, () => document.getElementById('melding').open);
    await page.evaluate(() => (document.body.dataset.opdracht = ''));
    await Toets(page, 'F5');
    assert.equal(await Voorkomen(), true);
    assert.equal(await page.evaluate(() => document.body.dataset.opdracht), '');
    await SluitVensters(page);
    assert.deepEqual(fouten, []);
  });
});

test('the user\'s catalogue', async (t) => {
  const p = await Open();
  const { page, fouten } = p;
  for (const geval of kBewaard) {
    await t.test(`an unreadable stored list is removed and said: ${geval.naam}`, async () => {
      await page.evaluate((g) => {
        localStorage.setItem('tarvo.wegdekken', g.waarde);
        if (g.meegeleverdGekozen) localStorage.setItem('tarvo.wegdekken.meegeleverd', '1');
      }, geval);
      await Herlaad(page);
      assert.equal(await Lijst(page), 1);
      assert.equal(await page.evaluate(() => localStorage.getItem('tarvo.wegdekken')), null);
      assert.equal(await Bericht(page), `${kMelding.onleesbaar(geval.reden)} ${kMelding.geenEigen}`);
      await Toets(page, 'F1');
      assert.equal(await Melding(page), 'Het punt waarvoor het geluidsniveau moet worden bepaald; als deze bepaling dient ter vaststelling van de geluidsbelasting van een gevel dan ligt dit punt in het betreffende gevelvlak.');
      assert.deepEqual(fouten, []);
    });
  }

  await t.test('"Sluiten" on the offer keeps the shipped list without asking again', async () => {
    await p.Opnieuw();
    await Bericht(page);
    await page.click('#berichtKnoppen button:last-child');
    await Herlaad(page);
    await GeenBericht(page);
  });

  await t.test('a stored list the core takes is the user\'s own, without a notice', async () => {
    await page.evaluate((w) => localStorage.setItem('tarvo.wegdekken', w), Buffer.from(kTweeWegdekken).toString('base64'));
    await Herlaad(page);
    assert.equal(await Lijst(page), 2);
    await GeenBericht(page);
  });

  for (const geval of kCatalogi) {
    await t.test(`opening ${geval.naam}: ${geval.reden ?? 'taken'}`, async () => {
      await p.Opnieuw();
      await LijstVak(page);
      await Antwoord(page, { naam: geval.naam, bytes: geval.bytes, grootte: geval.grootte });
      await page.click('#wegdekOpenen');
      if (geval.reden) {
        assert.equal(await Melding(page), kMelding.geweigerd(geval.naam, geval.reden));
        assert.equal(await page.evaluate(() => localStorage.getItem('tarvo.wegdekken')), null);
      } else {
        await WachtOp(page, 'statusTekst', `Wegdekkenlijst ${geval.naam} geopend.`);
      }
      assert.equal(await Lijst(page), geval.lijst ?? 1);
    });
  }

  for (const geval of kVolleOpslag) {
    await t.test(`a full storage stays said after ${geval.naam}, and the change is gone after a reload`, async () => {
      await p.Opnieuw();
      await VulOpslag(page);
      await LijstVak(page);
      await Antwoord(page, geval.antwoord);
      await page.click(`#${geval.knop}`);
      await WachtOp(page, 'berichtTekst', kMelding[geval.melding]);
      assert.equal(await Tekst(page, 'statusTekst'), kMelding[geval.melding]);
      assert.equal(await Lijst(page), geval.lijst);
      assert.equal(await Tekst(page, 'wegdekHerkomst'), geval.herkomst);
      await Herlaad(page);
      assert.equal(await Lijst(page), 1);
    });
  }

  await t.test('cleared site data: the page says the own list is not there and opens it again', async () => {
    await p.Opnieuw();
    await LijstVak(page);
    await Antwoord(page, { naam: 'wegdekken.csv', bytes: kTabel });
    await page.click('#wegdekImport');
    await Wacht(page, () => document.getElementById('wegdekLijst').options.length === 2);
    await p.Opnieuw();
    assert.equal(await Lijst(page), 1);
    assert.equal(await Bericht(page), kMelding.geenEigen);
    await Antwoord(page, { naam: 'Wegdekken_2012.dat', bytes: kTweeWegdekken });
    await page.click('#berichtKnoppen button');
    await WachtOp(page, 'statusTekst', 'Wegdekkenlijst Wegdekken_2012.dat geopend.');
    assert.equal(await Lijst(page), 2);
    assert.ok(await page.$eval('#bericht', (e) => e.hidden));
    // The shipped list put back is kept without asking again, until the site's data is cleared.
    await page.select('#wegdekLijst', '2');
    await LijstVak(page);
    await page.click('#wegdekTerug');
    await Melding(page);
    await WachtOp(page, 'statusTekst', 'De meegeleverde wegdekkenlijst is teruggezet.');
    assert.equal(await page.$eval('#wegdekLijst', (e) => e.value), '1');
    await page.keyboard.press('Escape');
    await Herlaad(page);
    assert.equal(await Lijst(page), 1);
    await GeenBericht(page);
  });
});

test('saving says "opgeslagen" only for a file written', async (t) => {
  await t.test('downloads refused: offered, asked, never "opgeslagen", and a reload asks first', async () => {
    const { page, dialogen } = await Open({ kiezer: false, downloads: 'deny' });
    await VeldInvullen(page, 1, 'N201');
    await Toets(page, 'Ctrl+S');
    await Wacht(page, () => document.getElementById('melding').open);
    assert.equal(await Actief(page), 'meldingNee');
    assert.equal(await Melding(page), 'Het rekenblad is aangeboden als download: N201.tvo. Staat het bestand nu op uw computer?');
    assert.equal(await Tekst(page, 'statusTekst'), 'Rekenblad aangeboden als download: N201.tvo. Het telt als niet bewaard tot u bevestigt dat het bestand op uw computer staat.');
    assert.equal(await Tekst(page, 'bestandStaat'), 'gewijzigd, niet opgeslagen');
    await page.reload();
    await page.waitForSelector('body[data-klaar="ja"]');
    assert.deepEqual(dialogen, ['beforeunload']);
  });

  await t.test('downloaded under the name of point and road, saved once the user says so', async () => {
    const { page } = await Open({ kiezer: false });
    await VeldInvullen(page, 0, 'Dorpsstraat 12/14');
    await VeldInvullen(page, 1, 'N201');
    await Toets(page, 'Ctrl+S');
    assert.ok((await Download('Dorpsstraat 12-14 - N201.tvo')).length > 0);
    await Wacht(page, () => document.getElementById('melding').open);
    await page.click('#meldingJa');
    assert.equal(await Tekst(page, 'statusTekst'), 'Rekenblad aangeboden als download: Dorpsstraat 12-14 - N201.tvo; volgens u staat het op uw computer.');
    assert.deepEqual([await Tekst(page, 'bestandNaam'), await Tekst(page, 'bestandStaat')], ['Dorpsstraat 12-14 - N201.tvo', '']);
    await LijstVak(page);
    await page.click('#wegdekOpslaan');
    assert.equal(await Tekst(page, 'statusTekst'), 'Wegdekkenlijst aangeboden als download: Wegdekken_2012.dat.');
  });

  await t.test('a write refused or a picker cancelled keeps the work marked, and Reset keeps it too', async () => {
    const { page } = await Open();
    await VeldInvullen(page, 0, 'Kerkplein');
    await Antwoord(page, { fout: 'NoModificationAllowedError' });
    await Toets(page, 'Ctrl+S');
    assert.equal(await Melding(page), 'Rekenblad Kerkplein.tvo is niet opgeslagen: het bestand mag niet worden gewijzigd.');
    assert.equal(await Tekst(page, 'bestandStaat'), 'gewijzigd, niet opgeslagen');
    await Antwoord(page, { toestemming: 'denied' });
    await Toets(page, 'Ctrl+S');
    assert.equal(await Melding(page), 'Rekenblad Kerkplein.tvo is niet opgeslagen: de browser of de gebruiker staat het niet toe.');
    await Toets(page, 'Ctrl+S');
    await WachtOp(page, 'statusTekst', 'Rekenblad niet opgeslagen.');
    await page.evaluate(() => (document.getElementById('statusTekst').textContent = ''));
    // Ja saves first (here not written: kept), Annuleren and Escape keep it, Nee lets it go.
    for (const [toets, status, waarde] of [[['Enter'], 'Rekenblad niet opgeslagen.', 'Kerkplein'], [['Escape'], '', 'Kerkplein'],
      [['Tab', 'Tab', 'Enter'], '', 'Kerkplein'], [['Alt+n'], 'Leeg rekenblad.', '']]) {
      await page.evaluate(() => (document.getElementById('statusTekst').textContent = ''));
      await Toets(page, 'Ctrl+R');
      assert.deepEqual(await Vraag(page, toets), ['Reset rekenblad', 'Wilt u het rekenblad eerst opslaan?', 'opslaanJa'], toets);
      await WachtOp(page, 'statusTekst', status);
      assert.deepEqual([await Waarde(page, 0), await Tekst(page, 'bestandStaat')], [waarde, waarde ? 'gewijzigd, niet opgeslagen' : ''], toets);
    }
  });
});

test('the page\'s own logic, each side of its limits', async (t) => {
  const { page } = await Open();
  for (const geval of kDatums) {
    await t.test(`hands the core the day: ${geval.datum}`, async () => {
      await Herlaad(page, `?datum=${geval.datum}`);
      for (const [k, tekst] of Object.entries(kDatumVelden)) await VeldInvullen(page, k, tekst);
      await page.click('#aftrek');
      await Toets(page, 'F9');
      await WachtOp(page, 'aftrekRegel', geval.regel);
    });
  }

  await t.test('takes the decimal sign of the browser\'s language', async () => {
    await Herlaad(page, `?datum=${kDatums[1].datum}&taal=en-US`);
    assert.deepEqual([await page.$eval('#decimaal', (e) => e.value), await Waarde(page, 2)], ['.', '0.00']);
  });

  await t.test('lays the worksheet out as the window: columns, and the geometry in two', async () => {
    const raster = await page.evaluate((ids) => ids.map((id) => document.getElementById(id).style.gridColumn), Object.keys(kRaster));
    assert.deepEqual(raster, Object.values(kRaster));
    const Rij = (id) => page.$eval(`#${id}`, (e) => Number(e.style.gridRow));
    assert.deepEqual([await Rij('veld36'), await Rij('veld39'), await Rij('veld2')], [await Rij('veld32'), await Rij('veld35'), (await Rij('kolom-dag')) + 1]);
  });

  for (const geval of kRing) {
    await t.test(`${geval.toets} from ${geval.van} goes to ${geval.naar}${geval.zone ? ' in a 30 km zone' : ''}`, async () => {
      if ((await page.$eval('#zone', (e) => e.checked)) !== Boolean(geval.zone)) await page.click('#zone');
      await page.focus(`#${geval.van}`);
      await page.keyboard.press(geval.toets);
      assert.equal(await Actief(page), geval.naar);
    });
  }

  await t.test('the 30 km zone shows 30 and locks the speeds; off, their own texts come back', async () => {
    if (await page.$eval('#zone', (e) => e.checked)) await page.click('#zone');
    await VeldInvullen(page, 5, '80');
    await page.click('#zone');
    assert.deepEqual(await page.$eval('#veld5', (e) => [e.value, e.disabled]), ['30', true]);
    await page.click('#zone');
    assert.deepEqual(await page.$eval('#veld5', (e) => [e.value, e.disabled]), ['80', false]);
  });

  await t.test('Escape empties a field; a refused key turns it red, an accepted one back', async () => {
    await page.focus('#veld2');
    const Veld2 = () => page.$eval('#veld2', (e) => [e.value, e.classList.contains('ongeldig')]);
    await page.keyboard.type('12x');
    assert.deepEqual(await Veld2(), ['12', true]);
    await page.keyboard.type('3');
    assert.deepEqual(await Veld2(), ['123', false]);
    await page.keyboard.press('Escape');
    assert.equal(await Waarde(page, 2), '');
  });

  for (const [keuze, naam] of [[1, 'Rail in (asfalt)beton'], [0, 'Rail in ballastbed']]) {
    await t.test(`the tram's rail construction ${keuze} reaches the report: ${naam}`, async () => {
      await VeldInvullen(page, 22, '10');
      await page.click('#tramKnop');
      await Wacht(page, () => document.getElementById('tramVenster').open);
      assert.equal(await Actief(page), `rail${1 - keuze}`);
      await page.keyboard.press(keuze ? 'ArrowDown' : 'ArrowUp');
      await page.click('#tramOk');
      await page.evaluate(() => (document.getElementById('rapport').textContent = ''));
      await Toets(page, 'F9');
      await Wacht(page, () => document.getElementById('rapport').textContent.includes('railconstructie'));
      assert.match(await Tekst(page, 'rapport'), new RegExp(`railconstructie trambaan +: ${naam.replace(/[()]/g, '\\$&')}\\r?\\n`));
      await SluitVensters(page);
    });
  }

  await t.test('a full remark line says so; the results go stale on a change', async () => {
    const tabel = await Tabel(page);
    await page.focus('#toelichting1');
    await page.keyboard.type('x'.repeat(tabel.toelichtingLengte));
    await page.evaluate(() => (document.getElementById('statusTekst').textContent = ''));
    await page.keyboard.type('y');
    assert.equal(await Tekst(page, 'statusTekst'), tabel.toelichtingVol);
    assert.equal(await page.$eval('#toelichting1', (e) => e.value.length), tabel.toelichtingLengte);
    await VeldInvullen(page, 3, '1');
    assert.ok(await page.$eval('#uitkomsten', (e) => e.classList.contains('verouderd')));
  });

  await t.test('a box shown again in the same moment it closed stays open for its own answer', async () => {
    // OK on one box, and at once a command that shows the next: the first close must not answer the second.
    await page.click('#knopInfo');
    await Wacht(page, () => document.getElementById('melding').open);
    await page.evaluate(() => (document.getElementById('meldingJa').click(), document.getElementById('knopHelp').click()));
    await new Promise((klaar) => setTimeout(klaar, 200));
    assert.deepEqual(await page.evaluate(() => [document.getElementById('melding').open, document.getElementById('meldingTitel').textContent]),
      [true, (await Tabel(page)).teksten.titelHelp]);
    await Melding(page);
  });

  await t.test('prints current results; stale ones are computed first, and the print says when', async () => {
    await page.evaluate(() => {
      window.__gedrukt = 0;
      window.print = () => window.__gedrukt++;
      window.dispatchEvent(new Event('beforeprint'));
      document.getElementById('statusTekst').textContent = '';
    });
    assert.equal(await Tekst(page, 'afdrukRapport'), 'Geen actuele berekening: druk eerst op F9.');
    assert.equal(await Tekst(page, 'afdrukVoet'), 'Tarvo, browserversie. Afgedrukt op 1 juli 2018.');
    for (const berekend of [true, false]) {
      await Toets(page, 'Ctrl+P');
      assert.equal((await Tekst(page, 'statusTekst')).startsWith('Berekend'), berekend);
      await page.evaluate(() => (document.getElementById('statusTekst').textContent = ''));
    }
    assert.equal(await page.evaluate(() => window.__gedrukt), 2);
  });

  await t.test('an opened worksheet saved to its own file keeps the blanks of a remark line not edited', async () => {
    await Herlaad(page);
    await page.focus('#veld3');
    await page.keyboard.type('1');
    assert.ok(await page.$eval('#uitkomsten', (e) => e.classList.contains('leeg') && !e.classList.contains('verouderd')));
    await Antwoord(page, { naam: 'blanks.tvo', bytes: [...kBlanks] });
    await Toets(page, 'Ctrl+O');
    await Vraag(page, ['Alt+n']);
    await WachtOp(page, 'bestandNaam', 'blanks.tvo');
    await page.focus('#toelichting0');
    await page.keyboard.type('x');
    await page.keyboard.press('Tab');
    await Toets(page, 'Ctrl+S');
    const verwacht = Buffer.from(kBlanks);
    verwacht.write('x'.padEnd(60), 392, 'latin1');
    assert.deepEqual(await Geschreven(page, 'blanks.tvo'), verwacht);
    // A road surface the list lacks is replaced, said, and a change no file holds.
    verwacht.writeInt16LE(5, 390);
    await Antwoord(page, { naam: 'vijf.tvo', bytes: [...verwacht] });
    await Toets(page, 'Ctrl+O');
    await Melding(page);
    await WachtOp(page, 'bestandStaat', 'gewijzigd, niet opgeslagen');
    assert.equal(await Tekst(page, 'bestandNaam'), 'vijf.tvo');
  });
});

test.after(() => browser.close());
