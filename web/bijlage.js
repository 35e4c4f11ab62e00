// "Bijlage invoergegevens en rekenresultaten" of the last test: the table as
// a CSV file, and on A4 as the window prints it, transposed: a row per
// quantity, a column per height, as many columns side by side as a page
// holds at 8 pt with at least 2 cm each, further pages as needed; landscape
// only where portrait cannot hold every column. The browser's print dialog
// prints it, or saves it as PDF.

import { Exporteer, Maak, ToonMelding, Zinnen, ZinnenVan } from './meldingen.js';

const kMmPx = 96 / 25.4;
const kPapierBreedte = { staand: 210, liggend: 297 };  // mm across
const kPapierMarge = 10;  // mm left and right
const kMinKolom = 20 * kMmPx;  // a value column's least width
const kMaxWoord = 25 * kMmPx;  // a longer word may break where its column is narrower
const kMaxNaam = 80 * kMmPx;  // the labels' column at most; a longer label breaks

// A text for a CSS string.
const CssTekst = (t) => `"${t.replace(/[\\"]/g, '\\$&').replace(/\n/g, '\\A ')}"`;

// The annex's table for the columns `kolommen` of `a`, the core's answer.
function Tabel(a, kolommen) {
  const kop = Maak('tr', {}, Maak('th', { scope: 'col', tekst: a.naamKop }), ...kolommen.map((k) => Maak('th', { scope: 'col', class: 'getal', tekst: a.koppen[k] })));
  const rijen = a.namen.map((naam, i) =>
    Maak('tr', {}, Maak('th', { scope: 'row', tekst: naam }),
      ...kolommen.map((k) => Maak('td', { class: a.kolommen[k][i].getal ? 'getal' : '', tekst: a.kolommen[k][i].tekst }))),
  );
  return Maak('table', { class: 'bijlagetabel' }, Maak('thead', {}, kop), Maak('tbody', {}, ...rijen));
}

// The widths the page's browser gives the quantities' column and each value column at least.
function Maten(houder, a) {
  const proef = Tabel(a, a.koppen.map((_, k) => k));
  proef.classList.add('meten');
  houder.replaceChildren(proef);
  const koppen = [...proef.querySelectorAll('thead th')].map((th) => th.getBoundingClientRect().width);
  houder.replaceChildren();
  return { naam: Math.min(koppen[0], kMaxNaam), kolom: koppen.slice(1).map((b) => Math.max(kMinKolom, Math.min(b, kMaxWoord))) };
}

// Columns side by side while they fit across, in as few groups as may be;
// then as many groups of equal size when those fit, so the last is no lone column.
export function Groepen(maten, breedte) {
  const past = (van, tot) => maten.naam + maten.kolom.slice(van, tot).reduce((s, b) => s + b, 0) <= breedte;
  const groepen = [];
  for (let k = 0; k < maten.kolom.length; k++) {
    const laatste = groepen.at(-1);
    if (laatste && past(laatste[0], k + 1)) laatste[1] = k + 1;
    else groepen.push([k, k + 1]);
  }
  const per = Math.ceil(maten.kolom.length / Math.max(groepen.length, 1));
  const gelijk = [];
  for (let van = 0; van < maten.kolom.length; van += per) gelijk.push([van, Math.min(van + per, maten.kolom.length)]);
  return gelijk.length === groepen.length && gelijk.every(([van, tot]) => past(van, tot)) ? gelijk : groepen;
}

// vraag: the core's annex (that of the last test unless said); bestand(): the name it is saved under.
export function MaakBijlage(kern, tabel, { vraag = () => kern.Bijlage(), bestand = () => 'bijlage.csv' } = {}) {
  const houder = document.getElementById('bijlageAfdruk');
  const stijl = document.getElementById('bijlageStijl');

  // The pages in the print stylesheet's place; the orientation it takes.
  const Zet = (a) => {
    const maten = Maten(houder, a);
    let richting = 'staand';
    let groepen = Groepen(maten, (kPapierBreedte.staand - 2 * kPapierMarge) * kMmPx);
    if (groepen.length > 1) {
      richting = 'liggend';
      groepen = Groepen(maten, (kPapierBreedte.liggend - 2 * kPapierMarge) * kMmPx);
    }
    houder.replaceChildren(
      ...groepen.map(([van, tot]) => Maak('section', { class: 'bijlageblad' }, Tabel(a, [...Array(tot - van).keys()].map((i) => van + i)))),
    );
    stijl.textContent =
      `@page bijlage { size: A4 ${richting === 'staand' ? 'portrait' : 'landscape'}; margin: 16mm ${kPapierMarge}mm 10mm; ` +
      `@top-left { content: ${CssTekst(a.kop)}; } ` +
      `@top-right { content: ${CssTekst(a.blad[0])} counter(page) ${CssTekst(a.blad[1])} counter(pages); } }`;
    document.body.dataset.afdruk = 'bijlage';
    return richting;
  };
  // Printing anything else afterwards prints it again.
  window.addEventListener('afterprint', () => {
    delete document.body.dataset.afdruk;
    stijl.textContent = '';
  });

  // The annex; its refusal said when there is none.
  const Antwoord = async () => {
    const a = vraag();
    if (a.fout !== undefined) {
      await ToonMelding(a.fout, tabel.titelWaarschuwing);
      return null;
    }
    return a;
  };
  return {
    // The sentence that says where it went: written, or offered as a
    // download (never "opgeslagen" for that); nothing when it was not.
    BewaarCsv: async () => {
      const a = await Antwoord();
      if (!a) return null;
      const { T, Reden } = Zinnen(tabel);
      const r = await Exporteer({
        soort: tabel.soorten.bijlage, naam: bestand(), bytes: a.csv, zin: ZinnenVan(T, 'bijlage'), reden: Reden, titel: tabel.titelWaarschuwing,
      });
      return r?.tekst ?? null;
    },
    DrukAf: async () => {
      const a = await Antwoord();
      if (!a) return;
      Zet(a);
      window.print();
    },
  };
}
