// What the page tests share: the page in Debian's headless Chromium driven
// by the keyboard, the page's own core under Node (to make worksheet files
// and to ask what the page must show), and tarvo-reken, natively when a
// build has it, else over the WebAssembly core.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import vm from 'node:vm';
import { after } from 'node:test';
import puppeteer from 'puppeteer-core';
import { MaakKern } from '../../web/kern.js';

export const bron = resolve(fileURLToPath(import.meta.url), '../../..');
export const map = resolve(process.env.TARVO_WEB_MAP ?? join(bron, 'build/web'));
export const tijdelijk = mkdtempSync(join(tmpdir(), 'tarvo-gereedschap-'));

// The core of the page itself: its factory and its wasm, both inside index.html.
export async function PaginaKern() {
  const html = readFileSync(join(map, 'index.html'), 'utf8');
  // Without `process` it takes itself for no Node program and leaves the process's handlers alone.
  const fabriek = vm.runInThisContext(`(function (process) {\n${html.match(/<script>\n([\s\S]*?)\n<\/script>/)[1]}\nreturn TarvoKern; })`,
    { filename: 'tarvo_kern.js' });
  const wasm = Buffer.from(html.match(/id="kernWasm">([^<]*)</)[1], 'base64');
  const kern = await MaakKern(fabriek(undefined), wasm);
  kern.LaadCatalogus(readFileSync(join(map, 'Wegdekken_2012.dat')), 'Wegdekken_2012.dat');
  return kern;
}

// A worksheet: field texts over the Reset's, the deduction's box; saved as `naam` by the core.
export function Werkblad(kern, { velden = {}, toelichting = [], aftrek = false }, naam) {
  const w = kern.LeegWerkblad().werkblad;
  Object.assign(w.velden, velden);
  toelichting.forEach((t, i) => (w.toelichting[i] = t));
  kern.ZetWerkblad({ ...w, aftrek });
  const pad = join(tijdelijk, naam);
  writeFileSync(pad, kern.SchrijfRekenblad().bytes);
  return { ...w, velden: w.velden, aftrek, pad };
}

// tarvo-reken's standard output; TARVO_REKEN names a native build's program.
const kNatief = [process.env.TARVO_REKEN && resolve(process.env.TARVO_REKEN), ...['h', 'release', 'test'].map((b) => join(bron, `build/${b}/app/tarvo-reken`))];
export const natief = kNatief.find((p) => p && existsSync(p));
export function Reken(...args) {
  const [programma, ...voor] = natief ? [natief] : ['node', join(map, 'tarvo-reken.js')];
  return execFileSync(programma, [...voor, ...args, '--wegdekken', join(map, 'Wegdekken_2012.dat')], { encoding: 'utf8' });
}

// Every browser closes when the tests end, also after a test that failed half-way.
const browsers = [];
after(() => Promise.all(browsers.map((b) => b.close())));

// The page opened from disk; `datum` ('JJJJ-MM-DD') is the day the page's clock says.
// A download's bytes once Chromium has finished it: the file there, with
// no partial file beside it, and its size the same twice in a row (Chromium
// may show the name before the bytes).
export async function LeesDownload(pad) {
  const Wacht = () => new Promise((klaar) => setTimeout(klaar, 50));
  let vorige = -1;
  for (let i = 0; i < 200; i++) {
    const grootte = existsSync(pad) && !existsSync(`${pad}.crdownload`) ? statSync(pad).size : -1;
    if (grootte > 0 && grootte === vorige) return readFileSync(pad);
    vorige = grootte;
    await Wacht();
  }
  return readFileSync(pad);
}

export async function StartPagina({ schaal = 1, datum = null } = {}) {
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--lang=nl-NL', '--accept-lang=nl-NL',
      `--user-data-dir=${mkdtempSync(join(tijdelijk, 'profiel-'))}`],
  });
  browsers.push(browser);
  const page = await browser.newPage();
  const fouten = [];
  page.on('pageerror', (e) => fouten.push(e.message));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: tijdelijk });
  // A browser without Chrome's file pickers: files chosen with <input type=file>, saved as downloads.
  await page.evaluateOnNewDocument(() => (window.__tarvoKiezer = {}));
  if (datum) {
    await page.evaluateOnNewDocument((ms) => {
      const Echt = Date;
      globalThis.Date = class extends Echt {
        constructor(...a) { super(...(a.length ? a : [ms])); }
        static now() { return ms; }
      };
    }, new Date(`${datum}T12:00:00`).getTime());
  }
  await page.setViewport({ width: 1280 / schaal, height: 720 / schaal, deviceScaleFactor: schaal });
  await page.goto(`file://${join(map, 'index.html')}`);
  await page.waitForSelector('body[data-klaar="ja"]');

  const p = {
    browser, page, fouten,
    Actief: () => page.evaluate(() => document.activeElement?.id),
    Tekst: (kiezer) => page.$eval(kiezer, (e) => e.textContent),
    Wacht: (voorwaarde, ...args) => page.waitForFunction(voorwaarde, { timeout: 5000 }, ...args),
    // "Ctrl+Shift+E", "F9", "Tab" …
    async Toets(combinatie, keer = 1) {
      const delen = combinatie.split('+');
      const toets = delen.pop();
      const namen = { Ctrl: 'Control' };
      for (let i = 0; i < keer; i++) {
        for (const d of delen) await page.keyboard.down(namen[d] ?? d);
        // An access key answers to the character Alt was pressed with.
        await page.keyboard.press(toets, delen.includes('Alt') ? { text: toets } : {});
        for (const d of delen.reverse()) await page.keyboard.up(namen[d] ?? d);
        delen.reverse();
      }
    },
    // A box's whole text replaced by what is typed, then left with Tab.
    async Vul(kiezer, tekst) {
      await page.focus(kiezer);
      await p.Toets('Ctrl+A');
      await (tekst ? page.keyboard.type(tekst) : page.keyboard.press('Delete'));
      await page.keyboard.press('Tab');
    },
    // Every field of the worksheet typed, the deduction's box set with Space.
    async Typ(w) {
      for (const [k, tekst] of w.velden.entries()) {
        if (await page.$eval(`#veld${k}`, (e) => !e.readOnly)) await p.Vul(`#veld${k}`, tekst);
      }
      if ((await page.$eval('#aftrek', (e) => e.checked)) !== w.aftrek) {
        await page.focus('#aftrek');
        await page.keyboard.press('Space');
      }
    },
    async Download(naam) {
      const pad = join(tijdelijk, naam);
      const bytes = await LeesDownload(pad);
      execFileSync('rm', [pad]);
      return bytes;
    },
    // What the dialog `melding` says, answered with `toets`.
    async Melding(toets = 'Enter') {
      await p.Wacht(() => document.getElementById('melding').open);
      const m = await page.evaluate(() => ({
        titel: document.getElementById('meldingTitel').textContent,
        tekst: document.getElementById('meldingTekst').textContent,
        knop: document.activeElement.textContent,
      }));
      await page.keyboard.press(toets);
      await p.Wacht(() => !document.getElementById('melding').open);
      return m;
    },
  };
  return p;
}
