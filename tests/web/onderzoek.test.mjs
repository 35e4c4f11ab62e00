// The study and the cumulation's heights on the page, by the keyboard: every
// cell and file against tarvo-reken (the sums per height against --cumulatie
// of the worksheets at that height), every sentence against the page's core.
//   TARVO_WEB_MAP=build/web node --test tests/web/onderzoek.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';
import { bron, map, natief, tijdelijk, PaginaKern, StartPagina, Werkblad } from './opzet.mjs';

const kDatum = '2026-03-02';
const [kFout, kVoorbeeld] = ['onderzoek_fout.csv', 'onderzoek.csv'].map((n) => join(bron, 'tests/app/invoer', n));
const Tabel = (pad) => readFileSync(join(bron, pad), 'utf8').split(/\r?\n/).filter((r) => r && !r.startsWith('#')).map((r) => r.split('\t'));
// The worksheets, by field, and the heights typed in the cumulation.
const kWegen = Object.fromEntries(Tabel('tests/web/gevallen/cumulatie.tsv').filter((r) => r[0] === 'rekenblad').map(([, naam, ...v]) => [naam, Object.fromEntries(v.map((d) => d.split('=')))]));
const kHoogten = Tabel('tests/web/gevallen/cumulatie.tsv').filter((r) => r[0] !== 'rekenblad').map(([naam, hoogten, wegen, neemt]) => ({ naam, hoogten, wegen: wegen.split(' '), neemt: neemt === 'ja' }));

const kern = await PaginaKern();
kern.ZetInstellingen(',', new Date(`${kDatum}T12:00:00`));
const Bestand = (velden, naam) => Werkblad(kern, { velden }, naam);
const huidig = Bestand({ ...Object.fromEntries(Tabel('data/voorbeeld.txt').filter((r) => /^\d+$/.test(r[0]))), 0: 'Dorpsstraat 14', 1: 'Schoolstraat' }, 'huidig.tvo');
// tarvo-reken in the sheet's folder, so the annex names it as the page does; 3 is a study with refused rows.
function Natief(...args) {
  const [programma, ...voor] = natief ? [natief] : ['node', join(map, 'tarvo-reken.js')];
  const blad = args.find((a) => a.endsWith('.csv'));
  const alles = [...voor, ...args.map((a) => (a === blad ? basename(a) : a)), '--wegdekken', join(map, 'Wegdekken_2012.dat'), '--datum', kDatum, '--decimaal', ','];
  try {
    return execFileSync(programma, alles, { encoding: 'utf8', cwd: blad ? dirname(blad) : tijdelijk, stdio: 'pipe' });
  } catch (e) {
    return e.status === 3 ? e.stdout : assert.fail(e.stderr);
  }
}
const Velden = (regel) => [...regel.matchAll(/(?:^|;)("(?:[^"]|"")*"|[^;]*)/g)].map(([, v]) => v.replace(/^"(.*)"$/, '$1').replaceAll('""', '"').replace(/^'/, ''));
const kKlasse = [['voldoet', 'Voldoet'], ['hogere waarde', 'HogereWaarde'], ['hoger dan', 'BovenMaximum']];

// What the study's tabs show: per point its name, maximum, headings, rows and the roads not computed.
const Punten = (page) => page.$$eval('#onderzoekBladen [role=tabpanel]', (bladen) => bladen.map((b) => ({
  naam: document.getElementById(b.getAttribute('aria-labelledby')).textContent, getoond: !b.hidden, maximum: b.querySelector('.maximum').textContent,
  wegen: [...b.querySelectorAll('thead th')].slice(1, -1).map((th) => th.textContent), meldingen: b.querySelector('.meldingen')?.textContent.split('\n') ?? [],
  rijen: [...b.querySelectorAll('tbody tr')].map((tr) => [...tr.cells].map((c) => ({ tekst: c.textContent, klasse: c.className }))),
})));

// Each computed cell is tarvo-reken's road at that point and height, left to right; the rest not computed.
function VergelijkMetNatief(punten, pad) {
  const regels = Natief('--onderzoek', pad).trim().split('\n').slice(1).map(Velden);
  const core = kern.Onderzoek(readFileSync(pad));
  assert.deepEqual(punten.map((p) => p.naam), [...new Set(regels.map((r) => r[0]))]);
  punten.forEach((p, i) => {
    const eigen = regels.filter((r) => r[0] === p.naam);
    assert.deepEqual(p.meldingen, eigen.filter((r) => r[1] === '').map((r) => r[9]), p.naam);
    assert.ok(p.maximum.includes(core.punten[i].maximum || 'niet getoetst'), p.maximum);
    for (const [hoogte, ...cellen] of p.rijen) {
      const hier = eigen.filter((r) => r[1] && `${r[1]} m` === hoogte.tekst);
      const som = hier.pop();
      assert.equal(cellen.pop().tekst, som[3] ? `${som[3]} dB` : 'niet berekend', `${p.naam} ${hoogte.tekst}`);
      const berekend = cellen.map((c, k) => [p.wegen[k], c]).filter(([, c]) => c.tekst !== 'niet berekend');
      assert.deepEqual(berekend.map(([weg, c]) => [weg, c.tekst, c.klasse]),
        hier.map((r) => [r[2], `${r[7]} dB${r[8] ? `\n${r[8]}` : ''}`, kKlasse.find(([w]) => r[8].startsWith(w))?.[1] ?? '']));
    }
  });
  return core;
}

test('the study: refusals and the example as tarvo-reken words them, the worksheet added, saved, asked before changes go', async () => {
  const p = await StartPagina({ datum: kDatum });
  const { page } = p;
  const Knop = async (id) => (await page.focus(`#onderzoek${id}`), page.keyboard.press('Enter'));
  const Open = async (pad) => (await Promise.all([page.waitForFileChooser(), Knop('Openen')]))[0].accept([pad]);
  const Nieuw = async (toets) => (await Knop('Nieuw'), await p.Wacht(() => document.getElementById('opslaanVraag').open), p.Toets(toets));
  // A download counts as saved once the user says it arrived: asked with Nee first, answered Ja.
  const Bevestig = async (naam) => {
    await p.Wacht(() => document.getElementById('melding').open);
    assert.deepEqual([await p.Actief(), await p.Tekst('#meldingTekst')], ['meldingNee', kern.Tabel().teksten.onderzoekDownloadVraag.replace('{naam}', naam)]);
    await page.click('#meldingJa');
  };
  await p.Toets('Ctrl+Shift+O');
  await Knop('Huidig');
  assert.equal((await p.Melding()).tekst, kern.OnderzoekVoegToe(new Uint8Array(), false).fout);
  for (const pad of [kFout, kVoorbeeld]) {
    await Open(pad);
    await p.Wacht((n) => document.getElementById('onderzoekKop').textContent.endsWith(n), basename(pad));
    assert.equal(await p.Tekst('#onderzoekSamenvatting'), VergelijkMetNatief(await Punten(page), pad).samenvatting);
  }
  if (process.env.TARVO_SCHERMEN) await page.screenshot({ path: join(process.env.TARVO_SCHERMEN, 'onderzoek.png') });
  // Unchanged, the sheet as read; its outcome and annex as tarvo-reken writes them, for a spreadsheet.
  for (const [knop, naam, verwacht] of [['Opslaan', 'onderzoek.csv', readFileSync(kVoorbeeld, 'utf8')],
    ['Csv', 'onderzoek-uitkomsten.csv', Natief('--onderzoek', kVoorbeeld)], ['BijlageCsv', 'onderzoek-bijlage.csv', Natief('--onderzoek', kVoorbeeld, '--bijlage')]]) {
    await Knop(knop);
    assert.equal((await p.Download(naam)).toString('utf8'), knop === 'Opslaan' ? verwacht : `\ufeff${verwacht.replaceAll('\n', '\r\n')}`, naam);
    if (knop === 'Opslaan') await Bevestig(naam);
  }
  await page.evaluate(() => (window.print = () => {}));
  await Knop('Afdrukken');
  await page.pdf({ path: join(tijdelijk, 'onderzoek.pdf'), preferCSSPageSize: true });
  const koppen = execFileSync('pdftotext', ['-layout', join(tijdelijk, 'onderzoek.pdf'), '-'], { encoding: 'utf8' }).split('\n').filter((r) => r.trim().startsWith('Bijlage'));
  assert.ok(koppen.length > 1 && koppen.every((r, i) => r.trim().replace(/\s{2,}/, '|') === `Bijlage invoergegevens en rekenresultaten – onderzoek.csv|blad ${i + 1} van ${koppen.length}`));

  // The worksheet on the page: into a new sheet, with a byte-order mark, then refused the second time.
  await page.keyboard.press('Escape');
  await p.Typ(huidig);
  await p.Toets('Ctrl+Shift+O');
  await Knop('Nieuw');
  await Knop('Huidig');
  const blad = (kern.ZetWerkblad(huidig), kern.OnderzoekVoegToe(new Uint8Array(), true).blad);
  await Knop('Huidig');
  assert.equal((await p.Melding()).tekst, kern.OnderzoekVoegToe(blad, true).fout);
  // Not confirmed: still changed, and the next question offers it again.
  await Knop('Opslaan');
  assert.deepEqual(await p.Download('onderzoek.csv'), Buffer.from(blad));
  assert.equal((await p.Melding('Escape')).knop, 'Nee');
  assert.equal(await p.Tekst('#onderzoekKop'), 'Onderzoek – onderzoek.csv *');
  assert.ok(Buffer.from(blad).toString().startsWith('\ufeffwaarneempunt;weg;'));
  // Into the example beside its point's roads, that tab shown, the unconfirmed sheet let go with Nee;
  // the sheet then as tarvo-reken reads it.
  const NeeDan = async () => (await Knop('Openen'), await p.Wacht(() => document.getElementById('opslaanVraag').open), p.Toets('Alt+n'));
  (await Promise.all([page.waitForFileChooser(), NeeDan()]))[0].accept([kVoorbeeld]);
  await p.Wacht(() => document.querySelectorAll('#onderzoekPunten [role=tab]').length === 3);
  await Knop('Huidig');
  const punten = await Punten(page);
  assert.deepEqual([punten.map((q) => q.getoond), punten[2].wegen, await p.Tekst('#onderzoekKop')],
    [[false, false, true], ['N201', 'Kerkweg', 'Spoorlaan; tram', 'Schoolstraat'], 'Onderzoek – onderzoek.csv *']);
  // At 200 % from here on.
  await page.setViewport({ width: 640, height: 360, deviceScaleFactor: 2 });
  if (process.env.TARVO_SCHERMEN) await page.screenshot({ path: join(process.env.TARVO_SCHERMEN, 'onderzoek-200.png') });
  // Escape keeps the changes, Ja saves them first, Nee lets them go.
  await Nieuw('Escape');
  assert.equal((await Punten(page)).length, 3);
  await Nieuw('Enter');
  writeFileSync(join(tijdelijk, 'nieuw.csv'), await p.Download('onderzoek.csv'));
  await Bevestig('onderzoek.csv');
  VergelijkMetNatief(punten, join(tijdelijk, 'nieuw.csv'));
  assert.equal((await Punten(page)).length, 0);
  await Knop('Huidig');
  await Nieuw('Alt+n');
  assert.deepEqual([(await Punten(page)).length, await p.Tekst('#onderzoekKop')], [0, 'Onderzoek – onderzoek.csv']);
  assert.deepEqual(p.fouten, []);
});

test('the cumulation at the heights typed: per height the sums of tarvo-reken --cumulatie there, a refused list said and not saved', async () => {
  const bestanden = Object.fromEntries(Object.entries(kWegen).map(([naam, velden]) => [naam, Bestand(velden, `${naam}.tvo`)]));
  const p = await StartPagina({ datum: kDatum });
  const { page } = p;
  // Per block its rows' cells under the columns they span, the buttons left out.
  const Blokken = () => page.$$eval('#cumulatieTabel tbody', (ts) => ts.map((t) => [...t.rows].map((r) => [...r.cells].slice(0, -1).flatMap((c) => [c.textContent, ...Array(c.colSpan - 1).fill('')]))));
  const Druk = async (kiezer) => (await page.focus(kiezer), page.keyboard.press('Enter'));
  const Hoogte = (h) => Number(h.replace(',', '.')).toFixed(2).replace('.', ',');
  await page.keyboard.press('F7');
  await p.Toets('Alt+o');
  assert.equal(await p.Actief(), 'cumulatieHoogten');
  for (const g of kHoogten) {
    const lijst = (await Blokken())[0].slice(0, -1).map((r) => r[0].replace('.tvo', ''));
    for (const n of lijst.filter((n) => !g.wegen.includes(n))) await Druk(`#cumulatieTabel button[aria-label="${n}.tvo verwijderen"]`);
    const nieuw = g.wegen.filter((n) => !lijst.includes(n)).map((n) => bestanden[n].pad);
    if (nieuw.length) (await Promise.all([page.waitForFileChooser(), Druk('#cumulatieToevoegen')]))[0].accept(nieuw);
    await p.Vul('#cumulatieHoogten', g.hoogten);
    kern.CumulatieLeeg();
    for (const n of g.wegen) kern.CumulatieVoegToe(`${n}.tvo`, readFileSync(bestanden[n].pad));
    const core = kern.CumulatieHoogten(g.hoogten);
    const blokken = await Blokken();
    assert.deepEqual([await p.Tekst('#cumulatieWaarschuwing'), await page.$eval('#cumulatieCsv', (k) => k.disabled)], [core.waarschuwing, !g.neemt], g.naam);
    // Per height each worksheet computed there, as tarvo-reken computes it standing at that height.
    const hoogten = g.neemt && g.hoogten ? g.hoogten.split(';').map((h) => h.trim()) : [null];
    assert.equal(blokken.length, hoogten.length);
    hoogten.forEach((h, i) => {
      const namen = g.wegen.map((n) => (h ? Bestand({ ...kWegen[n], 32: h }, `${n}-${h}.tvo`).pad : bestanden[n].pad));
      const som = Natief('--cumulatie', ...namen).trim().split('\n').map((r) => r.split(';'));
      assert.deepEqual(blokken[i].map((r) => [r[0], ...r.slice(4)]), som.map(([naam, ...l], k) => [k < g.wegen.length ? `${g.wegen[k]}.tvo` : naam, ...l]), g.naam);
      assert.deepEqual(blokken[i].map((r) => r[3]), [...g.wegen.map((n) => Hoogte(h ?? kWegen[n][32])), h ? Hoogte(h) : '']);
    });
    if (!g.neemt) continue;
    await Druk('#cumulatieCsv');
    const csv = (await p.Download('cumulatie.csv')).toString('utf8');
    assert.equal(csv, `\ufeff${Buffer.from(core.csv).toString('utf8').replace(/^\ufeff/, '')}`);
    // With heights a column of them after the road.
    if (g.hoogten) assert.deepEqual(csv.trim().split('\r\n').slice(1).map(Velden), blokken.flat().map((r) => (r[0] === 'cumulatief' ? [r[0], '', '', ...r.slice(3)] : r)));
  }
  for (const schaal of process.env.TARVO_SCHERMEN ? [1, 2] : []) {
    await p.Vul('#cumulatieHoogten', '2; 4,5; 7,5');
    await page.setViewport({ width: 1280 / schaal, height: 720 / schaal, deviceScaleFactor: schaal });
    await page.screenshot({ path: join(process.env.TARVO_SCHERMEN, `cumulatie-hoogten-${schaal}.png`) });
  }
  assert.deepEqual(p.fouten, []);
});
