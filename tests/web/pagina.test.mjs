// The page in Debian's headless Chromium, driven by the keyboard as a user
// would: the sample worksheet typed and computed (the report as tarvo-reken
// prints it), saved (the bytes of the build's voorbeeld.tvo), a road-surface
// table imported, the check's refusals, and no request after loading.
//   TARVO_WEB_MAP=build/web node --test tests/web/pagina.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

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

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: [
    '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--lang=nl-NL', '--accept-lang=nl-NL',
    `--user-data-dir=${join(tijdelijk, 'profiel')}`,
  ],
});
const page = await browser.newPage();
const fouten = [];
page.on('pageerror', (e) => fouten.push(e.message));
// Every request: while loading only the page itself, after it none at all.
const verzoeken = { laden: [], daarna: [] };
let geladen = false;
page.on('request', (r) => verzoeken[geladen ? 'daarna' : 'laden'].push(r.url()));
const cdp = await page.createCDPSession();
await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: tijdelijk });
await page.setViewport({ width: 1280, height: 720 });
await page.goto(`file://${join(map, 'index.html')}`);
await page.waitForSelector('body[data-klaar="ja"]');
geladen = true;

const Actief = () => page.evaluate(() => document.activeElement?.id);
const Waarde = (k) => page.$eval(`#veld${k}`, (e) => e.value);
async function Typ(tekst) {
  await page.keyboard.type(tekst);
}
async function VeldInvullen(k, tekst) {
  await page.focus(`#veld${k}`);
  await Typ(tekst);
  await page.keyboard.press('Tab');
}
async function Wacht(voorwaarde, ...args) {
  await page.waitForFunction(voorwaarde, { timeout: 5000 }, ...args);
}
async function Download(naam) {
  const pad = join(tijdelijk, naam);
  for (let i = 0; i < 100 && !existsSync(pad); i++) await new Promise((klaar) => setTimeout(klaar, 50));
  return readFileSync(pad);
}

test('the page', async (t) => {
  await t.test('starts in field 0 and shows the shipped road surface', async () => {
    assert.equal(await Actief(), 'veld0');
    assert.equal(await page.$eval('#decimaal', (e) => e.value), ',');
    assert.equal(await page.$eval('#wegdekLijst', (e) => e.options.length), 1);
  });

  await t.test('types the sample through the keyboard and computes the report with F9', async () => {
    // Enter runs through fields 0..25 and 32..39; the derived ones are passed.
    for (const k of [...Array(26).keys(), ...Array.from({ length: 8 }, (_, i) => 32 + i)]) {
      assert.equal(await Actief(), `veld${k}`);
      if (voorbeeld[k] !== undefined) await Typ(voorbeeld[k]);
      if (k === 39) break;
      await page.keyboard.press('Enter');
    }
    // From the viewing angle, Tab reaches the list and the switches before the remark lines.
    await page.keyboard.press('Tab');
    assert.equal(await Actief(), 'wegdekLijst');
    for (let i = 1; i < Number(voorbeeld.wegdek); i++) await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Tab');
    if (voorbeeld.zone === '1') await page.keyboard.press('Space');
    await page.keyboard.press('Tab');
    if (voorbeeld.rail === '1') {
      await page.keyboard.press('Enter');
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Tab');
      await page.keyboard.press('Enter');
    }
    await page.keyboard.press('Tab');
    if (voorbeeld.aftrek === '1') await page.keyboard.press('Space');
    await page.keyboard.press('Tab');
    for (let i = 0; i < 4; i++) {
      assert.equal(await Actief(), `toelichting${i}`);
      await Typ(voorbeeld[`toelichting${i}`] ?? '');
      await page.keyboard.press('Enter');
    }
    assert.equal(await Actief(), 'veld0');
    await page.keyboard.press('F9');
    await Wacht(() => document.getElementById('rapport').textContent !== '');
    const verwacht = readFileSync(join(bron, 'tests/web/verwacht/voorbeeld_rapport.txt'), 'latin1');
    const rapport = await page.$eval('#rapport', (e) => e.textContent);
    assert.equal(Buffer.from(`${rapport}\r\n`, 'utf8').toString('latin1'), verwacht);
    assert.equal(await page.$eval('#kwaliteit', (e) => e.textContent), 'Matig');
    assert.match(await page.$eval('#aftrekRegel', (e) => e.textContent), /^inclusief 5 dB aftrek art\. 110g Wgh$/);
    assert.equal(await Waarde(26), '1079,00');
  });

  await t.test('saves the bytes of the build\'s voorbeeld.tvo with Ctrl+S', async () => {
    await page.keyboard.down('Control');
    await page.keyboard.press('s');
    await page.keyboard.up('Control');
    assert.deepEqual(await Download('rekenblad.tvo'), readFileSync(join(map, 'voorbeeld.tvo')));
  });

  await t.test('imports a road-surface table into the list and the browser\'s own catalogue', async () => {
    const csv = join(tijdelijk, 'wegdekken.csv');
    writeFileSync(csv, '\ufeffomschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\r\n2L ZOAB;-4,2;-1,3;-2,1;1,7;-1,4;0,9\r\n');
    await page.click('#knopWegdekken');
    const [kiezer] = await Promise.all([page.waitForFileChooser(), page.click('#wegdekImport')]);
    await kiezer.accept([csv]);
    await Wacht(() => document.getElementById('wegdekLijst').options.length === 2);
    assert.equal(await page.$eval('#wegdekLijst', (e) => e.options[1].textContent), '2L ZOAB');
    assert.ok(await page.evaluate(() => localStorage.getItem('tarvo.wegdekken')));
    await page.keyboard.press('Escape');
    await Wacht(() => !document.querySelector('dialog[open]'));
  });

  for (const geval of kWeigeringen) {
    await t.test(`warns and moves the focus: ${geval.naam}`, async () => {
      for (const [k, tekst] of Object.entries(geval.velden)) await VeldInvullen(k, tekst);
      await page.keyboard.press('F9');
      await Wacht(() => document.getElementById('melding').open);
      assert.equal(await page.$eval('#meldingTitel', (e) => e.textContent), 'Waarschuwing');
      assert.equal(await page.$eval('#meldingTekst', (e) => e.textContent), geval.melding);
      await page.keyboard.press('Enter');
      await Wacht(() => !document.getElementById('melding').open);
      assert.equal(await Actief(), `veld${geval.focus}`);
    });
  }

  for (const geval of kBegrenzingen) {
    await t.test(`takes ${geval.getypt} in field ${geval.veld} at its bound and says so`, async () => {
      await VeldInvullen(geval.veld, geval.getypt);
      assert.equal(await Waarde(geval.veld), geval.toont);
      assert.equal(await page.$eval('#statusTekst', (e) => e.textContent), geval.status);
    });
  }

  await t.test('converts a daily count into counts and those into the worksheet\'s intensities', async () => {
    await page.click('#knopOmrekenen');
    await Wacht(() => document.getElementById('omrekenVenster').open);
    for (const [i, tekst] of kOmrekening.verdeling.entries()) {
      await page.$eval(`#verdeling${i}`, (e) => e.select());
      await page.focus(`#verdeling${i}`);
      await Typ(tekst);
    }
    await page.click('#omrekenKnop');
    for (const [vak, tekst] of Object.entries(kOmrekening.aantallen)) {
      assert.equal(await page.$eval(`#aantallen${vak}`, (e) => e.value), tekst);
    }
    await page.click('#toepasKnop');
    await Wacht(() => !document.getElementById('omrekenVenster').open);
    for (const [k, tekst] of Object.entries(kOmrekening.velden)) assert.equal(await Waarde(k), tekst);
  });

  await t.test('takes the conversion\'s colour from a converted field the check refuses', async () => {
    assert.ok(await page.$eval('#veld2', (e) => e.classList.contains('omgerekend')));
    await page.$eval('#veld2', (e) => {
      e.focus();
      e.value = '5a';
    });
    await page.keyboard.press('F9');
    await Wacht(() => document.getElementById('veld2').classList.contains('ongeldig'));
    assert.equal(await page.$eval('#veld2', (e) => e.classList.contains('omgerekend')), false);
    await page.$eval('#veld2', (e) => {
      e.value = '58,50';
    });
  });

  await t.test('marks a pasted text that is no number and keeps the calculation back', async () => {
    await page.$eval('#veld36', (e) => {
      e.focus();
      e.value = '12a';
    });
    await page.keyboard.press('F9');
    await Wacht(() => document.getElementById('veld36').classList.contains('ongeldig'));
    assert.equal(await Actief(), 'veld36');
    assert.equal(await page.$eval('#veld36', (e) => e.title), 'Voer geldig getal in');
    assert.equal(
      await page.$eval('#statusTekst', (e) => e.textContent),
      "Berekening niet uitgevoerd: 'horizontale afstand (m)' is geen getal.",
    );
  });

  await t.test('loaded nothing beside itself, made no request after and raised no error', async () => {
    assert.deepEqual(verzoeken.laden, [`file://${join(map, 'index.html')}`]);
    assert.deepEqual(verzoeken.daarna, []);
    assert.deepEqual(fouten, []);
  });
});

test.after(() => browser.close());
