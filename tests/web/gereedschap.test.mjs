// The page's tools, driven by the keyboard in headless Chromium: the test
// against the limits, the diagram's lines, axes, pointer and exports, the
// dose-effect chart, the road-surface editor, the cumulation at 200 % and
// a consultant's study from daily totals to the printed annex. Every number
// the page shows is held against tarvo-reken; every text and mark against
// the page's own core under Node, which words them.
//   TARVO_WEB_MAP=build/web node --test tests/web/gereedschap.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { bron, tijdelijk, PaginaKern, Reken, StartPagina, Werkblad } from './opzet.mjs';
import { AfstandAs } from '../../web/diagram.js';
import { Groepen } from '../../web/bijlage.js';

const kDatum = '2026-03-02';
const voorbeeldRegels = readFileSync(join(bron, 'data/voorbeeld.txt'), 'utf8').split(/\r?\n/).filter((r) => r && !r.startsWith('#'));
const voorbeeld = Object.fromEntries(voorbeeldRegels.map((r) => r.split('\t')));
const kWerkbladen = {
  voorbeeld: {
    velden: Object.fromEntries(Object.entries(voorbeeld).filter(([k]) => /^\d+$/.test(k))),
    toelichting: [0, 1, 2, 3].map((i) => voorbeeld[`toelichting${i}`] ?? ''),
    aftrek: true,
  },
  // 80 km/h with a rounded Lden of 56 at 4,5 m: before 1 July 2018 3 dB deduction, after it 2 dB.
  snelweg: { velden: { 2: '600', 3: '150', 4: '60', 5: '80', 10: '40', 13: '80', 32: '4,5', 36: '80' }, aftrek: true },
  stil: { velden: { 2: '2', 5: '30', 32: '1,5', 36: '10' } },
};

// The test's choices, the outcome per height in words and, where the
// search meets the limit at its first distance, the contour's words by its place.
const kBoven53 = 'hoger dan de maximale ontheffingswaarde van 53 dB (art. 83 lid 1 Wgh)';
const kToetsingen = [
  { naam: 'drie_hoogten_buitenstedelijk', werkblad: 'voorbeeld', hoogten: '1,5; 4,5; 7,5', situatie: 0, toets: '48;53', uitkomst: [kBoven53, kBoven53, kBoven53] },
  { naam: 'nog_niet_geprojecteerd_63', werkblad: 'voorbeeld', hoogten: '4,5', situatie: 2, toets: '48;63', uitkomst: ['hogere waarde nodig, ten hoogste 63 dB mogelijk (art. 83 lid 2 Wgh)'] },
  { naam: 'eigen_maximum_op_de_grens', werkblad: 'voorbeeld', hoogten: '4,5', situatie: 9, maximum: '60', grenzen: '55; 70', toets: '48;60;55;70', uitkomst: ['hogere waarde nodig, ten hoogste 60 dB mogelijk (zelf gekozen)'], contour: { 3: 'nergens boven 70 dB' } },
  { naam: 'eigen_maximum_eronder', werkblad: 'voorbeeld', hoogten: '4,5', situatie: 9, maximum: '59', grenzen: '', toets: '48;59', uitkomst: ['hoger dan de maximale ontheffingswaarde van 59 dB (zelf gekozen)'] },
  { naam: 'stil_voldoet', werkblad: 'stil', hoogten: '1,5', situatie: 0, toets: '48;53', uitkomst: ['voldoet aan de voorkeursgrenswaarde van 48 dB (art. 82 lid 1 Wgh)'], contour: { 0: 'nergens boven 48 dB', 1: 'nergens boven 53 dB' } },
];
// The day the page hands the core decides the deduction of a fast road.
const kDagen = [
  { datum: '2018-06-30', aftrek: '3', uitkomst: 'hogere waarde nodig, ten hoogste 53 dB mogelijk (art. 83 lid 1 Wgh)' },
  { datum: '2018-07-01', aftrek: '2', uitkomst: kBoven53 },
];
// A typed own maximum is held between the preferred limit and 150.
const kMaxima = [['47', '48'], ['48', '48'], ['150', '150'], ['151', '150']];

// The distance axis: a tick each so many metres, about ten; logarithmic the powers of ten labelled.
const kLineair = [[100, 10], [101, 20], [200, 20], [201, 25], [250, 25], [251, 50], [500, 50], [501, 100], [1000, 100]];
const kLogaritmisch = [[100, ['1', '10', '100'], 16], [999, ['1', '10', '100'], 24], [1000, ['1', '10', '100', '1000'], 24]];
// Columns side by side while they fit, then evened out where that fits too.
const kGroepen = [
  { naam: 'precies_passend', naam_: 100, kolom: [100, 100, 100], breedte: 400, groepen: [[0, 3]] },
  { naam: 'een_te_breed', naam_: 100, kolom: [100, 100, 100], breedte: 399, groepen: [[0, 2], [2, 3]] },
  { naam: 'gelijk_verdeeld', naam_: 100, kolom: [100, 100, 100, 100], breedte: 400, groepen: [[0, 2], [2, 4]] },
  { naam: 'gelijk_past_niet', naam_: 100, kolom: [100, 100, 100, 250], breedte: 400, groepen: [[0, 3], [3, 4]] },
];

// The road-surface table imported in the editor, the list after it and which entries are bold.
const kTabel = 'omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\r\n1L ZOAB;-4,2;-1,3;-2,1;1,7;-1,4;0,9\r\nZOAB;-3;0;0;0;0;0\r\noppervlaktebewerking;1;0;0;0;0;0\r\nEigen;0,5;1,5;2,5;3,5;4,5;5,5\r\n';
const kLijst = ['referentiewegdek (DAB) (meegeleverd)', '1L ZOAB', 'ZOAB', 'oppervlaktebewerking', 'Eigen'];
const kVet = [false, true, false, true, false];

const kern = await PaginaKern();
kern.ZetInstellingen(',', new Date(`${kDatum}T12:00:00`));
const bestanden = Object.fromEntries(Object.entries(kWerkbladen).map(([naam, w]) => [naam, Werkblad(kern, w, `${naam}.tvo`)]));
const Regels = (uit) => uit.trim().split('\n').map((r) => r.split(';'));
const Attributen = (page, kiezer) =>
  page.$$eval(kiezer, (es) => es.map((e) => ({ ...Object.fromEntries([...e.attributes].map((a) => [a.name, Number.isNaN(Number(a.value)) ? a.value : Number(a.value)])), tekst: e.textContent })));

test('the pure parts of the page: the distance axis and the annex\'s columns per page', () => {
  for (const [s, stap] of kLineair) {
    const as = AfstandAs(s, false);
    assert.deepEqual(as.streepjes.map((t) => t.afstand), [...Array(Math.floor(s / stap) + 1).keys()].map((i) => i * stap), `lineair ${s}`);
    assert.deepEqual([as.X(0), as.X(s)], [as.bx, as.ex]);
  }
  for (const [s, labels, tussen] of kLogaritmisch) {
    const as = AfstandAs(s, true);
    assert.deepEqual(as.streepjes.filter((t) => t.label).map((t) => t.label), labels, `log ${s}`);
    assert.equal(as.streepjes.filter((t) => !t.label).length, tussen);
    assert.deepEqual([as.X(1), as.X(Math.max(s, 10))].map(Math.round), [as.bx, as.ex]);
    for (const d of [1, 10, s]) assert.ok(Math.abs(as.Afstand(as.X(d)) - d) < 1e-9);
  }
  assert.deepEqual(AfstandAs(5, true).streepjes.at(-1), { afstand: 10, label: '10' });
  for (const g of kGroepen) assert.deepEqual(Groepen({ naam: g.naam_, kolom: g.kolom }, g.breedte), g.groepen, g.naam);
});

test('the tools on the page', async (t) => {
  const p = await StartPagina({ datum: kDatum });
  const { page } = p;
  let getypt = null;
  const Typ = async (naam) => {
    if (getypt !== naam) await p.Typ(bestanden[naam]);
    getypt = naam;
  };
  // The test's table as the page shows it: headings by line with their hints, cells with their alignment.
  const Tabel = () =>
    page.evaluate(() => ({
      koppen: [...document.querySelectorAll('#toetsTabel th')].map((th) => ({ regels: th.innerText.split('\n'), uitleg: th.title })),
      rijen: [...document.querySelectorAll('#toetsTabel tbody tr')].map((tr) => [...tr.cells].map((c) => ({ tekst: c.textContent, rechts: c.classList.contains('getal'), uitleg: c.title }))),
      // The outcome cells: their class beside 'toets', their colour on screen and on paper.
      uitkomsten: [...document.querySelectorAll('#toetsTabel td.toets')].map((c) => [
        [...c.classList].filter((k) => k !== 'toets').join(' '), getComputedStyle(c).backgroundColor, getComputedStyle(c).printColorAdjust]),
      melding: document.getElementById('toetsMelding').textContent,
      uit: ['toetsCsv', 'toetsAfdrukken'].map((id) => document.getElementById(id).disabled),
      maximum: document.getElementById('toetsMaximum'),
    }));
  const OpenToetsing = async () => {
    await p.Toets('Ctrl+Shift+E');
    await p.Wacht(() => document.getElementById('toetsingVenster').open);
  };
  const KiesSituatie = async (i) => {
    await page.focus('#toetsSituatie');
    await p.Toets('ArrowUp', 10);
    await p.Toets('ArrowDown', i);
  };

  const kleuren = new Map();  // an outcome's class: the colours its cells had
  for (const g of kToetsingen) {
    await t.test(`tests against the limits: ${g.naam}`, async () => {
      await Typ(g.werkblad);
      await OpenToetsing();
      await KiesSituatie(g.situatie);
      if (g.maximum) await p.Vul('#toetsMaximum', g.maximum);
      await p.Vul('#toetsGrenzen', g.grenzen ?? '');
      await p.Vul('#toetsHoogten', g.hoogten);
      const tabel = await Tabel();
      const natief = Regels(Reken(bestanden[g.werkblad].pad, '--hoogten', g.hoogten, '--toets', g.toets, '--datum', kDatum, '--decimaal', ','));
      kern.ZetWerkblad(bestanden[g.werkblad]);
      kern.ToetsingOpen('');
      const a = kern.Toetsing({ situatie: g.situatie, hoogten: g.hoogten, grenzen: g.grenzen ?? '', maximum: g.maximum ?? '63' });
      assert.deepEqual(tabel.koppen, a.kolommen.map((k) => ({ regels: k.kop.split('\n'), uitleg: k.uitleg })));
      assert.equal(tabel.rijen.length, natief.length);
      tabel.rijen.forEach((rij, r) => {
        const contour = natief[r].slice(6).map((c, i) => g.contour?.[i] ?? c);
        assert.deepEqual(rij.map((c) => c.tekst), [...natief[r].slice(0, 6), g.uitkomst[r], ...contour]);
        assert.deepEqual(rij.map((c) => c.rechts), rij.map((_, i) => i !== a.toetsKolom));
        assert.deepEqual(rij.map((c) => c.uitleg), a.rijen[r].cellen.map((c) => c.uitleg));
      });
      assert.deepEqual(tabel.uitkomsten.map(([klasse]) => klasse), a.rijen.map((r) => r.uitkomst));
      for (const [klasse, ...kleur] of tabel.uitkomsten) kleuren.set(klasse, [...(kleuren.get(klasse) ?? []), kleur.join(' ')]);
      assert.deepEqual([tabel.melding, tabel.uit, await p.Tekst('#toetsingKop')], ['', [false, false], a.titel]);
      await page.keyboard.press('Escape');
    });
  }

  await t.test('colours each outcome of the test its own way, as the study\'s cells, also on paper', async () => {
    const studie = await page.evaluate((klassen) => {
      const tabel = document.body.appendChild(document.createElement('table'));
      tabel.className = 'onderzoektabel';
      const kleur = klassen.map((k) => {
        const c = tabel.insertRow().insertCell();
        c.className = k;
        return `${getComputedStyle(c).backgroundColor} ${getComputedStyle(c).printColorAdjust}`;
      });
      tabel.remove();
      return kleur;
    }, [...kleuren.keys()]);
    assert.deepEqual([...kleuren.keys()].sort(), ['BovenMaximum', 'HogereWaarde', 'Voldoet']);
    const eigen = [...kleuren].map(([klasse, gezien]) => {
      assert.equal(new Set(gezien).size, 1, klasse);
      assert.match(gezien[0], /^rgb\(\d+, \d+, \d+\) exact$/, klasse);
      assert.notEqual(gezien[0], 'rgb(255, 255, 255) exact', klasse);
      return gezien[0];
    });
    assert.equal(new Set(eigen).size, eigen.length);
    assert.deepEqual(studie, eigen);
  });

  await t.test('offers the situations of art. 83, the own maximum only for "zelf kiezen", held within its range', async () => {
    await OpenToetsing();
    const opties = await page.$$eval('#toetsSituatie option', (os) => os.map((o) => o.textContent));
    assert.deepEqual(opties, kern.ToetsingOpen('').situaties);
    for (const [i, aan] of [[opties.length - 2, false], [opties.length - 1, true], [0, false]]) {
      await KiesSituatie(i);
      assert.equal(await page.$eval('#toetsMaximum', (e) => e.disabled), !aan, `situatie ${i}`);
    }
    await KiesSituatie(opties.length - 1);
    for (const [getypt, getoond] of kMaxima) {
      await p.Vul('#toetsMaximum', getypt);
      assert.equal(await page.$eval('#toetsMaximum', (e) => e.value), getoond);
      assert.equal((await Tabel()).koppen.at(-1).regels[0], `afstand ${getoond}`);
    }
    await page.keyboard.press('Escape');
  });

  await t.test('says why a height is refused, with an empty table and no annex, and reaches its boxes by Alt', async () => {
    await OpenToetsing();
    await p.Vul('#toetsHoogten', '0');
    let tabel = await Tabel();
    assert.deepEqual([tabel.melding, tabel.rijen.length, tabel.uit], ["Hoogte '0' is geen waarneemhoogte: die is groter dan 0 m.", 0, [true, true]]);
    await p.Vul('#toetsHoogten', '0,01');
    tabel = await Tabel();
    assert.deepEqual([tabel.melding, tabel.rijen.length, tabel.uit], ['', 1, [false, false]]);
    for (const [letter, id] of [['g', 'toetsGrenzen'], ['h', 'toetsHoogten'], ['s', 'toetsSituatie']]) {
      await p.Toets(`Alt+${letter}`);
      assert.equal(await p.Actief(), id);
    }
    await page.keyboard.press('Escape');
  });

  await t.test('draws the diagram\'s target line at the target plus the deduction, through the crossing, and only within the chart', async () => {
    await Typ('voorbeeld');
    await p.Toets('Ctrl+Shift+G');
    await p.Wacht(() => document.querySelector('#diagram polyline'));
    const [ymin, ymax] = Regels(Reken(bestanden.voorbeeld.pad, '--diagram', '500', '--datum', kDatum)).at(-1).map(Number);
    const niveaus = (await Attributen(page, '#diagram .raster line')).filter((l) => l.y1 === l.y2);
    const labels = (await Attributen(page, '#diagram .raster text[text-anchor="end"]')).map((e) => Number(e.tekst));
    const Y = (l) => {
      const i = labels.findIndex((w, n) => w <= l && l <= labels[n + 1]);
      return niveaus[i].y1 + ((niveaus[i + 1].y1 - niveaus[i].y1) * (l - labels[i])) / (labels[i + 1] - labels[i]);
    };
    kern.ZetWerkblad(bestanden.voorbeeld);
    kern.Diagram('500');
    for (const [doel, getekend] of [['48', true], [`${ymax - 5}`, true], [`${ymax - 5 + 0.01}`, false], [`${ymin - 5}`, true], [`${ymin - 5 - 0.01}`, false]]) {
      await p.Vul('#diagramDoel', doel.replace('.', ','));
      const lijn = await Attributen(page, '#diagram line.doel');
      assert.equal(lijn.length, getekend ? 1 : 0, `doel ${doel}`);
      if (!getekend) continue;
      const d = kern.AfstandVoor(doel.replace('.', ','));
      assert.ok(Math.abs(lijn[0].y1 - Y(d.lijn)) < 0.01, `lijn ${lijn[0].y1} op ${d.lijn} dB`);
      assert.equal((await Attributen(page, '#diagram text.doel'))[0].tekst, d.lijnTekst);
      const snijpunt = await Attributen(page, '#diagram circle.snijpunt');
      if (doel === '48') assert.ok(Math.abs(snijpunt[0].cy - lijn[0].y1) < 0.5);
    }
    const punten = (await page.$eval('#diagram polyline', (e) => e.getAttribute('points'))).split(' ').map((q) => q.split(',').map(Number));
    const natief = Regels(Reken(bestanden.voorbeeld.pad, '--diagram', '500', '--datum', kDatum)).slice(0, -1);
    assert.equal(punten.length, natief.length);
    for (const i of [0, 14, 99, 499]) assert.ok(Math.abs(punten[i][1] - Y(Number(natief[i][1]))) < 0.02, `punt ${i + 1} m`);
    // Row i at i + 1 m, on the axis's ticks; the worksheet's own point at its 15 m.
    const x = Object.fromEntries((await Attributen(page, '#diagram .raster text[text-anchor="middle"]:not(.as)')).map((e) => [e.tekst, e.x]));
    assert.deepEqual([punten[99][0], punten[499][0]], [x['100'], x['500']]);
    const [eigen] = await Attributen(page, '#diagram circle.rekenpunt');
    assert.ok(Math.abs(eigen.cx - (x['0'] + ((x['50'] - x['0']) * 15) / 50)) < 0.01 && Math.abs(eigen.cy - Y(Number(natief[14][1]))) < 0.02);
  });

  await t.test('puts the distance axis in decades on the logarithmic choice and reads the level under the keyboard\'s pointer', async () => {
    await p.Vul('#diagramDoel', '48');
    await p.Vul('#diagramAfstand', '100');
    kern.Diagram('100');
    await page.focus('#diagramLog');
    await page.keyboard.press('Space');
    const streepjes = await Attributen(page, '#diagram .raster text[text-anchor="middle"]:not(.as)');
    assert.deepEqual(streepjes.map((s) => s.tekst), ['1', '10', '100']);
    assert.equal((await Attributen(page, '#diagram .raster line.tussen')).length, 16);
    // The target is met beyond 100 m: said below the chart, no crossing in it.
    assert.deepEqual([(await Attributen(page, '#diagram circle.snijpunt')).length, await p.Tekst('#diagramDoelTekst')], [0, kern.AfstandVoor('48').tekst]);
    const [rand] = await Attributen(page, '#diagram rect.rand');
    assert.deepEqual([streepjes[0].x, streepjes[2].x], [rand.x, rand.x + rand.width]);
    assert.ok(Math.abs(2 * streepjes[1].x - streepjes[0].x - streepjes[2].x) < 1e-6);
    await page.keyboard.press('Tab');
    for (const [toets, keer, afstand, x] of [['Home', 1, 1, streepjes[0].x], ['ArrowRight', 50, 10, streepjes[1].x], ['End', 1, 100, streepjes[2].x], ['ArrowLeft', 50, 10, streepjes[1].x]]) {
      await p.Toets(toets, keer);
      assert.equal(await p.Tekst('#diagramMuis'), kern.DiagramPunt(afstand).tekst, `${toets} ${afstand} m`);
      assert.ok(Math.abs((await Attributen(page, '#diagram circle.muis'))[0].cx - x) < 1e-6);
    }
    await page.focus('#diagramLineair');
    assert.equal(await p.Tekst('#diagramMuis'), kern.Diagram('100').muisUitleg);
    await page.keyboard.press('Space');
    await page.keyboard.press('Tab');
    await p.Toets('Home');
    await p.Toets('ArrowRight', 50);
    assert.equal(await p.Tekst('#diagramMuis'), kern.DiagramPunt(50).tekst);
  });

  await t.test('exports the distance the box shows as CSV, and the chart as SVG and PNG', async () => {
    await page.focus('#diagramAfstand');
    await p.Toets('Ctrl+A');
    await page.keyboard.type('200');
    await page.focus('#diagramCsv');
    await page.keyboard.press('Enter');
    // With a byte-order mark, for a spreadsheet's accents.
    const bestand = (await p.Download('diagram.csv')).toString('utf8');
    assert.ok(bestand.startsWith('\ufeffafstand'));
    const csv = bestand.trim().split('\r\n').slice(1).map((r) => r.split(';')[1]);
    assert.deepEqual(csv, Regels(Reken(bestanden.voorbeeld.pad, '--diagram', '200', '--datum', kDatum, '--decimaal', ',')).slice(0, -1).map((r) => r[1]));
    await page.focus('#diagramSvg');
    await page.keyboard.press('Enter');
    const svg = (await p.Download('diagram.svg')).toString('utf8');
    assert.ok(svg.includes(`points="${await page.$eval('#diagram polyline', (e) => e.getAttribute('points'))}"`));
    assert.match(svg, /<style>[^<]*\.lijn \{[^}]*stroke/);
    await page.focus('#diagramPng');
    await page.keyboard.press('Enter');
    const png = await p.Download('diagram.png');
    assert.deepEqual([png.subarray(1, 4).toString(), png.readUInt32BE(16), png.readUInt32BE(20)], ['PNG', 1520, 800]);
    await page.keyboard.press('Escape');
  });

  for (const [naam, binnen] of [['stil', false], ['voorbeeld', true]]) {
    await t.test(`shows the dose-effect relation ${binnen ? 'as bars' : 'as the notice outside its band'}: ${naam}`, async () => {
      await Typ(naam);
      // Without a calculation since the typing, the command makes one first.
      if (!binnen) await page.keyboard.press('F9');
      await p.Toets('Ctrl+Shift+D');
      await p.Wacht(() => document.getElementById('dosisVenster').open);
      kern.ZetWerkblad(bestanden[naam]);
      const d = kern.Bereken().dosisEffect;
      assert.deepEqual(
        await page.evaluate(() => ['dosisKop', 'dosisMelding', 'dosisVoetnoot'].map((id) => document.getElementById(id).textContent).concat(getComputedStyle(document.getElementById('dosisGrafiek')).display === 'none')),
        [d.titel, binnen ? '' : d.melding, binnen ? d.voetnoot : '', !binnen]);
      if (binnen) {
        const staven = await Attributen(page, '#dosisGrafiek rect.staaf');
        const [rand] = await Attributen(page, '#dosisGrafiek rect.rand');
        staven.forEach((s, i) => assert.ok(Math.abs(s.height / rand.height - d.waarden[i] / 100) < 1e-9 && s.y + s.height === rand.y + rand.height));
        const labels = await Attributen(page, '#dosisGrafiek text.label');
        assert.deepEqual(labels.map((e) => [e.tekst, e.x]), staven.map((s, i) => [d.labels[i], s.x + s.width / 2]));
        const teksten = (await Attributen(page, '#dosisGrafiek text:not(.label)')).map((e) => e.tekst);
        assert.deepEqual(teksten, [d.grafiekTitel, ...[...Array(11).keys()].map((i) => String(10 * i)), ...d.kolommen]);
      }
      await page.keyboard.press('Escape');
    });
  }

  await t.test('edits the road surfaces: bold for 1 dB art. 3.5, the shipped one marked and protected until F9, the warning on a near-miss name', async () => {
    const csv = join(tijdelijk, 'wegdekken.csv');
    writeFileSync(csv, kTabel);
    await page.keyboard.press('F4');
    await p.Wacht(() => document.getElementById('wegdekBewerking').open);
    const [kiezer] = await Promise.all([page.waitForFileChooser(), page.focus('#wegdekImporteren').then(() => page.keyboard.press('Enter'))]);
    await kiezer.accept([csv]);
    const waarschuwing = await p.Melding();
    assert.equal(waarschuwing.titel, 'Waarschuwing');
    assert.ok(waarschuwing.tekst.endsWith('\n  "ZOAB" lijkt op "1L ZOAB"'));
    const Lijst = () => page.$$eval('#wegdekBewerkLijst option', (os) => os.map((o) => [o.textContent, getComputedStyle(o).fontWeight === '700']));
    assert.deepEqual(await Lijst(), kLijst.map((n, i) => [n, kVet[i]]));
    assert.equal(await page.$$eval('#wegdekLijst option', (os) => os.length), kLijst.length);
    const Velden = () => page.$$eval('.wegdekvelden input', (es) => es.map((e) => e.value));
    const Stand = () => page.evaluate(() => [document.getElementById('wegdekWeergave').textContent, document.getElementById('wegdekVeld0').disabled,
      document.getElementById('wegdekOk').offsetParent === null, document.getElementById('wegdekToevoegen').disabled]);
    assert.equal(await p.Actief(), 'wegdekBewerkLijst');
    assert.deepEqual(await Velden(), ['Eigen', '0,50', '1,50', '2,50', '3,50', '4,50', '5,50']);
    assert.deepEqual(await Stand(), ['Lijstweergave', true, true, false]);

    await p.Toets('Home');
    await page.focus('#wegdekWijzigen');
    await page.keyboard.press('Enter');
    assert.deepEqual(await p.Melding(), { titel: 'Waarschuwing', tekst: 'Meegeleverde wegdektypen kunnen niet worden gewijzigd (F9).', knop: 'OK' });
    await page.keyboard.press('F9');
    assert.equal(await p.Tekst('#wegdekBewerkKop'), '[EDIT-mode meegeleverde wegdektypen]');
    await page.focus('#wegdekWijzigen');
    await page.keyboard.press('Enter');
    assert.deepEqual([await p.Actief(), ...(await Stand())], ['wegdekVeld0', 'Edit-mode', false, false, true]);
    await p.Vul('#wegdekVeld1', '2,345');
    await p.Vul('#wegdekVeld2', '1-2');
    assert.deepEqual(await page.$$eval('#wegdekVeld1, #wegdekVeld2', (es) => es.map((e) => [e.value, e.title])), [['2,35', ''], ['1-2', 'Voer geldig getal in']]);
    await page.keyboard.press('Escape');
    const leeg = () => [document.activeElement.id, document.activeElement.value, document.getElementById('wegdekBewerking').open];
    assert.deepEqual(await page.evaluate(leeg), ['wegdekVeld3', '', true]);
    await page.focus('#wegdekAnnuleren');
    await page.keyboard.press('Enter');
    await page.keyboard.press('F9');
    assert.equal(await p.Tekst('#wegdekBewerkKop'), 'Correctiefactoren wegdekken ');
    assert.deepEqual(await Stand(), ['Lijstweergave', true, true, false]);

    // The third entry deleted: asked first, Annuleren the default; Ja at the second time.
    await page.focus('#wegdekBewerkLijst');
    await p.Toets('Home');
    await p.Toets('ArrowDown', 2);
    await page.focus('#wegdekWissen');
    await page.keyboard.press('Enter');
    // The catalogue the page keeps, asked of the core for the question it must show.
    kern.LaadCatalogus(new Uint8Array(await page.evaluate(() => [...atob(localStorage.getItem('tarvo.wegdekken'))].map((c) => c.charCodeAt(0)))), 'Wegdekken_2012.dat');
    const vraag = await p.Melding();
    assert.deepEqual(vraag, { titel: 'Wegdek wissen', tekst: kern.WegdekWis(3, false).melding, knop: 'Annuleren' });
    assert.ok(vraag.tekst.includes('plaats 4 wordt 3: oppervlaktebewerking'));
    assert.equal((await Lijst()).length, 5);
    await page.keyboard.press('Enter');
    await p.Wacht(() => document.getElementById('melding').open);
    await p.Toets('Shift+Tab');
    await p.Melding();
    assert.deepEqual((await Lijst()).map(([n]) => n), kLijst.filter((n) => n !== 'ZOAB'));
    assert.deepEqual(await Velden(), ['1L ZOAB', '-4,20', '-1,30', '-2,10', '1,70', '-1,40', '0,90']);

    // Added with a description left empty first, then pasted rows from a spreadsheet.
    await page.focus('#wegdekToevoegen');
    await page.keyboard.press('Enter');
    await page.focus('#wegdekOk');
    await page.keyboard.press('Enter');
    assert.equal((await p.Melding()).tekst, 'Omschrijving wegdek niet ingevuld');
    assert.equal(await p.Actief(), 'wegdekVeld0');
    for (const [k, tekst] of ['Dunne deklaag', '-1', '2', '-3', '4'].entries()) await p.Vul(`#wegdekVeld${k}`, tekst);
    await page.focus('#wegdekOk');
    await page.keyboard.press('Enter');
    assert.deepEqual((await Lijst()).at(-1), ['Dunne deklaag', false]);
    assert.deepEqual(await Velden(), ['Dunne deklaag', '-1,00', '2,00', '-3,00', '4,00', '0,00', '0,00']);
    await page.focus('#wegdekBewerkLijst');
    await page.evaluate(() => {
      const dt = new DataTransfer();
      dt.setData('text/plain', '2L ZOAB\t-5\t0\t0\t0\t0\t0\r\n');
      document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: dt, bubbles: true }));
    });
    await p.Wacht(() => document.getElementById('wegdekBewerkLijst').options.length === 6);
    assert.deepEqual((await Lijst()).at(-1), ['2L ZOAB', true]);
    assert.equal(await p.Tekst('#wegdekAantal'), '6 wegdekken in lijst');
    await page.keyboard.press('Escape');
  });

  await t.test('raised no error', () => assert.deepEqual(p.fouten, []));
});

for (const dag of kDagen) {
  test(`hands the core the page's day: ${dag.datum}`, async () => {
    const p = await StartPagina({ datum: dag.datum });
    await p.Typ(bestanden.snelweg);
    await p.Toets('Ctrl+Shift+E');
    await p.Wacht(() => document.querySelectorAll('#toetsTabel tbody tr').length === 1);
    const cellen = await p.page.$$eval('#toetsTabel tbody td', (ts) => ts.map((c) => c.textContent));
    const natief = Regels(Reken(bestanden.snelweg.pad, '--hoogten', '4,5', '--toets', '48;53', '--datum', dag.datum, '--decimaal', ','))[0];
    assert.deepEqual(cellen, [...natief.slice(0, 6), dag.uitkomst, ...natief.slice(6)]);
    assert.equal(cellen[3], dag.aftrek);
    });
}

test('keeps the cumulation\'s button column inside its window at 200 %', async () => {
  const p = await StartPagina({ schaal: 2, datum: kDatum });
  await p.Typ(bestanden.voorbeeld);
  await p.page.keyboard.press('F7');
  await p.page.focus('#cumulatieHuidig');
  await p.page.keyboard.press('Enter');
  await p.Wacht(() => document.querySelector('#cumulatieTabel tbody button'));
  const [knop, venster, breed] = await p.page.evaluate(() => [
    document.querySelector('#cumulatieTabel tbody button').getBoundingClientRect().right,
    document.getElementById('cumulatieVenster').getBoundingClientRect().right,
    innerWidth]);
  assert.ok(knop <= venster && venster <= breed, `knop ${knop}, venster ${venster}, scherm ${breed}`);
  if (process.env.TARVO_SCHERMEN) await p.page.screenshot({ path: join(process.env.TARVO_SCHERMEN, 'cumulatie-200.png') });
});

// A study as a consultant makes it: daily totals turned into the worksheet's
// intensities (F5), the rest typed, F9, three heights tested against 48 and
// 63 dB, the annex saved and printed to PDF; every number against tarvo-reken.
const kStudie = {
  namen: { 0: 'Woning Kerkstraat 4', 1: 'Kerkstraat, wegvak Markt - Stationsweg' },
  // The daily count, its share an hour by day, evening and night, the shares of mr, lv, mv, zv per period.
  etmaal: ['16000', '6,5', '3', '1', '1', '1', '1', '90', '90', '90', '5', '5', '5', '4', '4', '4'],
  velden: { 5: '50', 9: '50', 13: '50', 17: '50', 32: '5', 34: '0,5', 35: '0,2', 36: '20', 37: '80', 39: '127' },
  hoogten: '1,5; 4,5; 7,5',
  veleHoogten: '1,5; 2; 2,5; 3; 4,5; 6; 7,5; 9; 10,5; 12; 13,5; 15',
  uitkomst: 'hogere waarde nodig, ten hoogste 63 dB mogelijk (zelf gekozen)',
};

test('a study from daily totals to the printed annex, by the keyboard', async () => {
  const p = await StartPagina({ datum: kDatum });
  const { page } = p;
  for (const [k, tekst] of Object.entries(kStudie.namen)) await p.Vul(`#veld${k}`, tekst);
  await page.keyboard.press('F5');
  await p.Wacht(() => document.activeElement.id === 'verdeling0');
  for (const tekst of kStudie.etmaal) {
    await page.keyboard.type(tekst);
    await page.keyboard.press('Enter');
  }
  for (const knop of ['#omrekenKnop', '#toepasKnop']) {
    await page.focus(knop);
    await page.keyboard.press('Enter');
  }
  for (const [k, tekst] of Object.entries(kStudie.velden)) await p.Vul(`#veld${k}`, tekst);
  await page.focus('#aftrek');
  await page.keyboard.press('Space');
  await page.keyboard.press('F9');
  await p.Wacht(() => document.getElementById('rapport').textContent !== '');
  const w = Werkblad(kern, { velden: await page.$$eval('[id^=veld]', (es) => Object.fromEntries(es.map((e) => [e.id.slice(4), e.value]))), aftrek: true }, 'studie.tvo');
  assert.equal(await p.Tekst('#rapport'), (() => (kern.ZetWerkblad(w), kern.Bereken().rapport))());

  await p.Toets('Ctrl+Shift+E');
  await p.Wacht(() => document.getElementById('toetsingVenster').open);
  await p.Vul('#toetsHoogten', kStudie.hoogten);
  await page.focus('#toetsSituatie');
  await p.Toets('End');
  await p.Vul('#toetsMaximum', '63');
  const rijen = await page.$$eval('#toetsTabel tbody tr', (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
  const opties = ['--hoogten', kStudie.hoogten, '--toets', '48;63', '--datum', kDatum, '--decimaal', ','];
  const natief = Regels(Reken(w.pad, ...opties));
  assert.deepEqual(rijen, natief.map((r) => [...r.slice(0, 6), kStudie.uitkomst, ...r.slice(6)]));

  const bijlage = Regels(Reken('--bijlage', w.pad, ...opties));
  await page.focus('#toetsCsv');
  await page.keyboard.press('Enter');
  const csv = (await p.Download('bijlage.csv')).toString('utf8');
  assert.ok(csv.startsWith('\ufeff') && csv.endsWith('\r\n'));
  assert.deepEqual(Regels(csv.slice(1).replaceAll('\r\n', '\n')).map((r) => r.slice(1)), bijlage.map((r) => r.slice(1)));
  // A download is offered, never said to be saved.
  const aangeboden = kern.Tabel().teksten.bijlageAangeboden.replace('{naam}', 'bijlage.csv');
  assert.deepEqual([await p.Tekst('#statusTekst'), await p.Tekst('#toetsMelding')], [aangeboden, aangeboden]);

  // The browser's print dialog stands aside for page.pdf(), which prints what the print stylesheet shows.
  await page.evaluate(() => (window.print = () => {}));
  await page.focus('#toetsAfdrukken');
  await page.keyboard.press('Enter');
  const pdf = join(tijdelijk, 'bijlage.pdf');
  await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
  const bladen = Number(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }).match(/Pages:\s+(\d+)/)[1]);
  const tekst = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' }).split('\n').map((r) => r.trim());
  assert.deepEqual(tekst.filter((r) => r.startsWith('Bijlage')).map((r) => r.replace(/\s{2,}/, '|')),
    [...Array(bladen).keys()].map((i) => `Bijlage invoergegevens en rekenresultaten – huidig rekenblad|blad ${i + 1} van ${bladen}`));
  // Each number of the annex on the line of its quantity's label (or the label's first part), a column per height.
  const getallen = bijlage[1].map((label, k) => [label, ...bijlage.slice(2).map((r) => r[k])]).filter((r) => r.slice(1).every((v) => /^-?\d+(,\d+)?$/.test(v)));
  assert.ok(getallen.length > 100);
  for (const [label, ...waarden] of getallen) {
    const achter = ` ${waarden.join(' ')}`;
    const regels = tekst.map((r) => r.replace(/\s+/g, ' ')).filter((r) => r.endsWith(achter));
    assert.ok(regels.some((r) => r.length > achter.length && label.startsWith(r.slice(0, -achter.length))), `${label}${achter}`);
  }
  assert.equal(tekst.filter((r) => r.split(/\s{2,}/).join('|') === 'grootheid|hoogte 1,50 m|hoogte 4,50 m|hoogte 7,50 m').length, bladen);
  // Numbers to the right, texts to the left.
  assert.ok(await page.$$eval('#bijlageAfdruk td', (ts) => ts.every((t) => t.classList.contains('getal') === /^-?\d+(,\d+)?$/.test(t.textContent))));
  if (process.env.TARVO_SCHERMEN) execFileSync('pdftoppm', ['-png', '-r', '60', pdf, join(process.env.TARVO_SCHERMEN, 'bijlage')]);
  // Portrait while every height fits across it, landscape for more.
  const Formaat = () => execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }).match(/Page size:\s+([\d.]+) x ([\d.]+)/).slice(1).map(Math.round);
  assert.deepEqual(Formaat(), [595, 842]);
  await p.Vul('#toetsHoogten', kStudie.veleHoogten);
  await page.focus('#toetsAfdrukken');
  await page.keyboard.press('Enter');
  await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
  // Twelve heights beside the labels take two groups, evened out.
  const groepen = await page.$$eval('.bijlageblad', (bs) => bs.map((b) => b.querySelectorAll('thead th').length - 1));
  assert.deepEqual([Formaat(), groepen], [[842, 595], [6, 6]]);
  // Printed once: the browser's own print afterwards prints the report again.
  await page.pdf({ path: pdf });
  assert.match(execFileSync('pdftotext', [pdf, '-'], { encoding: 'utf8' }), /^\s*REKENBLAD WEGVERKEERSLAWAAI/);
  assert.deepEqual(p.fouten, []);
});
