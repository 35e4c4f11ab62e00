// The cumulation of several roads at one point, as the window "Cumulatie"
// shows it: worksheets added from files or from the page and removed again,
// at their own heights or at the heights typed, a table per height with its
// bold sum, and the table saved as CSV.

import { BiedAan, KiesBestanden, Maak, ToonMelding } from './meldingen.js';
import { ZetDialoogBijschrift } from './vakken.js';

const kCumulatieKolommen = ['rekenblad', 'waarneempunt', 'weg', 'hoogte (m)', 'Lden (dB)', 'Lnight (dB)', ''];

// A worksheet's row, with the button that takes it out at every height.
function BronRij(b, verwijder) {
  const knop = Maak('button', { type: 'button', tekst: 'Verwijderen', 'aria-label': `${b.naam} verwijderen`, onclick: verwijder });
  return Maak(
    'tr',
    {},
    Maak('th', { scope: 'row', tekst: b.naam }),
    ...[b.waarneempunt, b.weg].map((t) => Maak('td', { tekst: t })),
    ...[b.hoogte, b.lden, b.lnight].map((t) => Maak('td', { class: 'getal', tekst: t })),
    Maak('td', {}, knop),
  );
}

// The sum of a table, bold; with heights it names its height.
function TotaalRij(tabel, totaal, aantal) {
  return Maak(
    'tr',
    { class: 'totaal' },
    Maak('th', { scope: 'row', tekst: tabel.cumulatie.cumulatief }),
    Maak('td', { colSpan: 2, tekst: `${aantal} rekenblad(en)` }),
    ...[totaal.hoogte, totaal.lden, totaal.lnight].map((t) => Maak('td', { class: 'getal', tekst: t })),
    Maak('td'),
  );
}

// The core's tables, one after the other: a row per worksheet, then the sum.
function ToonCumulatie(tabel, stand, verwijder) {
  const kop = Maak('tr', {}, ...kCumulatieKolommen.map((t) => Maak('th', { scope: 'col', tekst: t, class: t.startsWith('L') ? 'getal' : '' })));
  const blokken = stand.tabellen.map((t) =>
    Maak('tbody', {}, ...t.bronnen.map((b, i) => BronRij(b, () => verwijder(i))), TotaalRij(tabel, t.totaal, t.bronnen.length)),
  );
  document.getElementById('cumulatieTabel').replaceChildren(Maak('thead', {}, kop), ...blokken);
  document.getElementById('cumulatieWaarschuwing').textContent = stand.waarschuwing;
  document.getElementById('cumulatieCsv').disabled = stand.csv.length === 0;
}

export function MaakCumulatieVenster(kern, tabel, { zetWerkblad, naamHuidig }) {
  const venster = document.getElementById('cumulatieVenster');
  const hoogten = document.getElementById('cumulatieHoogten');
  let stand = kern.Cumulatie();
  document.getElementById('cumulatieKop').textContent = `${tabel.cumulatie.titel} (${tabel.cumulatie.zonderAftrek})`;
  ZetDialoogBijschrift(venster, document.getElementById('cumulatieHoogtenBijschrift'), 'H&oogten (m):', hoogten);
  hoogten.title = `${stand.hoogtenUitleg}; leeg: elk rekenblad op zijn eigen hoogte`;
  const Toon = () =>
    ToonCumulatie(tabel, stand, (i) => {
      stand = kern.CumulatieVerwijder(i);
      Toon();
      document.getElementById('cumulatieToevoegen').focus();
    });
  const Antwoord = async (r) => {
    if (r.fout) {
      await ToonMelding(r.fout, tabel.cumulatie.titel);
      return;
    }
    stand = r;
    Toon();
  };
  hoogten.addEventListener('input', () => Antwoord(kern.CumulatieHoogten(hoogten.value)));
  document.getElementById('cumulatieToevoegen').onclick = async () => {
    for (const { naam, bytes } of await KiesBestanden('.tvo', { meer: true })) {
      await Antwoord(kern.CumulatieVoegToe(naam, bytes));
    }
  };
  document.getElementById('cumulatieHuidig').onclick = async () => {
    zetWerkblad();
    await Antwoord(kern.CumulatieHuidig(naamHuidig()));
  };
  document.getElementById('cumulatieLeeg').onclick = () => Antwoord(kern.CumulatieLeeg());
  document.getElementById('cumulatieCsv').onclick = () => BiedAan(stand.csv, 'cumulatie.csv', 'text/csv');
  document.getElementById('cumulatieSluit').onclick = () => venster.close();
  return () => {
    stand = kern.Cumulatie();
    hoogten.value = stand.hoogten;
    Toon();
    venster.showModal();
    document.getElementById('cumulatieToevoegen').focus();
  };
}
