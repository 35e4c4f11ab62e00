// Which keys Chromium lets the page have: real key presses (xdotool) into a
// Chromium with a window (under Xvfb), for every key of the commands table
// and the three the browser keeps. Per key: did the page hear it, did it
// prevent the browser's default, and did the browser act anyway (a tab
// opened or closed, the page reloaded). Headless Chromium cannot show this:
// keys sent through the DevTools protocol never reach the browser's own shortcuts.
//   xvfb-run -a node scripts/web-toetsen.mjs build/web
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const bron = resolve(fileURLToPath(import.meta.url), '../..');
const puppeteer = createRequire(join(bron, 'tests/web/package.json'))('puppeteer-core');
const adres = `file://${resolve(process.argv[2] ?? 'build/web', 'index.html')}`;
const Wacht = (ms) => new Promise((klaar) => setTimeout(klaar, ms));

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: false,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', `--user-data-dir=${mkdtempSync(join(tmpdir(), 'tarvo-toetsen-'))}`],
});
let page = (await browser.pages())[0];
async function Laad() {
  await page.goto(adres);
  await page.waitForSelector('body[data-klaar="ja"]');
  // Only the keys count here: the commands themselves would open the browser's own boxes.
  await page.evaluate(() => {
    for (const knop of document.querySelectorAll('#werkbalk button')) knop.onclick = () => {};
    window.__gehoord = [];
    window.addEventListener('keydown', (ev) => window.__gehoord.push([ev.key, ev.defaultPrevented]));
    window.__merk = true;  // gone after a reload
  });
}
await Laad();
const opdrachten = await page.evaluate(() =>
  [...document.querySelectorAll('#werkbalk button')].map((k) => [k.id, k.getAttribute('aria-keyshortcuts')]),
);
const toetsen = [...opdrachten.map(([, aria]) => aria.replace('Control', 'Ctrl')), 'Ctrl+T', 'Ctrl+N', 'Ctrl+W'];
const venster = execFileSync('xdotool', ['search', '--onlyvisible', '--class', 'chromium']).toString().trim().split('\n').pop();

// Keys reach the page once it had a click; before that they go astray.
execFileSync('xdotool', ['windowfocus', '--sync', venster]);
execFileSync('xdotool', ['mousemove', '--window', venster, '400', '300', 'click', '1']);
await Wacht(500);
console.log('toets           gehoord  voorkomen  browser');
for (const toets of toetsen) {
  const tabs = (await browser.pages()).length;
  execFileSync('xdotool', ['windowfocus', '--sync', venster]);
  const xdotool = toets.split('+').map((d) => (d.length === 1 || d === 'Ctrl' || d === 'Shift' ? d.toLowerCase() : d));
  execFileSync('xdotool', ['key', xdotool.join('+')]);
  await Wacht(700);
  const nu = await browser.pages();
  const staat = await page.evaluate(() => [window.__merk === true, window.__gehoord.splice(0)]).catch(() => [false, []]);
  const laatste = staat[1].filter(([k]) => !['Control', 'Shift', 'Alt', 'Escape'].includes(k)).pop();
  const gedaan = [nu.length !== tabs ? `tabs ${tabs} -> ${nu.length}` : '', staat[0] ? '' : 'pagina weg of herladen']
    .filter(Boolean).join(', ');
  console.log(`${toets.padEnd(16)}${laatste ? 'ja' : 'nee'}      ${laatste?.[1] ? 'ja' : 'nee'}        ${gedaan || '-'}`);
  for (const p of nu) if (p !== page) await p.close().catch(() => {});
  // Close whatever the command opened; start again where the browser took the page.
  for (let i = 0; i < 3; i++) execFileSync('xdotool', ['key', 'Escape']);
  if (!staat[0] && toets !== toetsen.at(-1)) {
    page = (await browser.pages())[0] ?? (await browser.newPage());
    await Laad();
  }
}
await browser.close().catch(() => {});
