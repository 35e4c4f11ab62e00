// The results panel: the three levels after the deduction, the deduction's
// line, the rating, the share of annoyed residents, every term per period,
// and the report as the program prints it.

import { Maak } from './meldingen.js';

export function ToonResultaten(r, periodes) {
  document.getElementById('letmaal').textContent = r.labels.letmaal;
  document.getElementById('lden').textContent = r.labels.lden;
  document.getElementById('lnight').textContent = r.labels.lnight;
  document.getElementById('aftrekRegel').textContent = r.labels.aftrek;
  document.getElementById('art35Regel').textContent = r.art35;
  document.getElementById('kwaliteit').textContent = r.kwaliteit;
  document.getElementById('gehinderden').textContent = r.dosisEffect.zin;

  const kop = Maak(
    'tr',
    {},
    Maak('th', { scope: 'col', tekst: 'term' }),
    Maak('th', { scope: 'col', tekst: 'omschrijving' }),
    ...periodes.map((p) => Maak('th', { scope: 'col', class: 'getal', tekst: p })),
    Maak('th', { scope: 'col', tekst: 'eenheid' }),
  );
  const rijen = r.perPeriode.map((t) =>
    Maak(
      'tr',
      {},
      Maak('th', { scope: 'row', tekst: t.symbool }),
      Maak('td', { tekst: t.omschrijving }),
      ...t.waarden.map((w) => Maak('td', { class: 'getal', tekst: w })),
      Maak('td', { tekst: t.eenheid }),
    ),
  );
  const enkel = r.enkel.map((t) =>
    Maak(
      'tr',
      {},
      Maak('th', { scope: 'row', tekst: t.symbool }),
      Maak('td', { tekst: t.omschrijving }),
      Maak('td', { class: 'getal', colSpan: 3, tekst: t.waarde }),
      Maak('td', { tekst: t.eenheid }),
    ),
  );
  document
    .getElementById('termen')
    .replaceChildren(
      Maak('caption', { tekst: 'Alle termen van de berekening' }),
      Maak('thead', {}, kop),
      Maak('tbody', {}, ...rijen),
      Maak('tbody', { class: 'enkel' }, ...enkel),
    );
  document.getElementById('rapport').textContent = r.rapport;
  document.getElementById('uitkomsten').classList.remove('leeg', 'verouderd');
}

export function WisResultaten() {
  for (const id of ['letmaal', 'lden', 'lnight', 'aftrekRegel', 'art35Regel', 'kwaliteit', 'gehinderden', 'rapport']) {
    document.getElementById(id).textContent = '';
  }
  document.getElementById('termen').replaceChildren();
  document.getElementById('uitkomsten').classList.add('leeg');
}

// The input changed after the calculation: the results no longer belong to it.
export function MarkeerVerouderd() {
  const paneel = document.getElementById('uitkomsten');
  if (!paneel.classList.contains('leeg')) paneel.classList.add('verouderd');
}

export function ResultatenActueel() {
  const paneel = document.getElementById('uitkomsten');
  return !paneel.classList.contains('leeg') && !paneel.classList.contains('verouderd');
}
