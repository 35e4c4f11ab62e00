// The study (akoestisch onderzoek) as the window "Onderzoek" shows it: a
// sheet opened or begun anew, the worksheet on the page added as a road, a
// tab per observation point with the heights down and the roads across, and
// the sheet, its outcome and its annex saved. The sheet's bytes stay here as
// they were read, so an unchanged sheet is saved byte for byte; the study
// stays while the page is open.

import { BewaarEerlijk, BiedAan, KiesBestand, Maak, ToonMelding, Zinnen, ZinnenVan } from './meldingen.js';
import { MagWeg, ZetDialoogBijschrift } from './vakken.js';

// A road's cell: its geluidsbelasting over its outcome in words, coloured by the outcome.
function OnderzoekCel(c, bijschrift, T) {
  if (!c.berekend) return Maak('td', { class: 'niet', tekst: T('onderzoekNietBerekend'), title: T('onderzoekZieMeldingen') });
  return Maak('td', { class: c.toetsing ? c.uitkomst : '', title: bijschrift.cel },
    Maak('strong', { tekst: `${c.geluidsbelasting} dB` }), c.toetsing ? `\n${c.toetsing}` : null);
}

// The heights down, the roads across as typed, the cumulation last.
function PuntTabel(p, bijschrift, T) {
  const kop = Maak('tr', {}, Maak('th', { scope: 'col', tekst: 'hoogte' }),
    ...p.wegen.map((w) => Maak('th', { scope: 'col', tekst: w, title: bijschrift.cel })),
    Maak('th', { scope: 'col', class: 'getal', tekst: `${bijschrift.cumulatiefNaam} Lden (dB)`, title: bijschrift.cumulatief }));
  const rijen = p.hoogten.map((h, r) => {
    const som = p.cumulatief[r];
    return Maak('tr', {}, Maak('th', { scope: 'row', class: 'getal', tekst: h }),
      ...p.cellen[r].map((c) => OnderzoekCel(c, bijschrift, T)),
      Maak('td', { class: 'getal', tekst: som ? `${som} dB` : T('onderzoekNietBerekend'), title: som ? bijschrift.cumulatief : T('onderzoekNietElkeWeg') }));
  });
  return Maak('table', { class: 'termen onderzoektabel' }, Maak('thead', {}, kop), Maak('tbody', {}, ...rijen));
}

// A tab per point and its page: the maximum, the table, the roads not computed.
function PuntBlad(p, i, bijschrift, T) {
  const blad = Maak('div', { role: 'tabpanel', id: `onderzoekBlad${i}`, 'aria-labelledby': `onderzoekTab${i}`, class: 'onderzoekblad' },
    Maak('p', { class: 'maximum', tekst: p.maximumZin }),
    Maak('div', { class: 'tabelvak', tabindex: '0', role: 'region', 'aria-label': p.naam }, PuntTabel(p, bijschrift, T)),
    p.meldingen.length ? Maak('p', { class: 'meldingen', tekst: p.meldingen.join('\n') }) : null);
  const tab = Maak('button', { type: 'button', role: 'tab', id: `onderzoekTab${i}`, 'aria-controls': blad.id, tekst: p.naam });
  return { tab, blad };
}

// The tabs, the point shown before kept when it is still there (`getoond`, its name).
function ToonPunten(a, getoond, T) {
  const delen = a.punten.map((p, i) => PuntBlad(p, i, a.bijschrift, T));
  document.getElementById('onderzoekPunten').replaceChildren(...delen.map((d) => d.tab));
  document.getElementById('onderzoekBladen').replaceChildren(...delen.map((d) => d.blad));
  const Kies = (k, focus = false) => delen.forEach((d, i) => {
    d.tab.setAttribute('aria-selected', String(i === k));
    d.tab.tabIndex = i === k ? 0 : -1;
    d.blad.hidden = i !== k;
    if (i === k && focus) d.tab.focus();
  });
  delen.forEach((d, i) => {
    d.tab.onclick = () => Kies(i);
    // The arrows, Home and End go through the tabs, as in the window.
    d.tab.onkeydown = (ev) => {
      const naar = { ArrowRight: i + 1, ArrowLeft: i - 1 + delen.length, Home: 0, End: delen.length - 1 }[ev.key];
      if (naar === undefined) return;
      ev.preventDefault();
      Kies(naar % delen.length, true);
    };
  });
  Kies(Math.max(0, a.punten.findIndex((p) => p.naam === getoond)));
}

// The study and the buttons that depend on it, the point shown kept when it
// is still there (`getoond`, its name; none: the tab selected now).
function ToonOnderzoek(o, knop, getoond, T) {
  const a = o.antwoord;
  document.getElementById('onderzoekKop').textContent = `${T('onderzoekTitel')} – ${o.Naam()}${o.gewijzigd ? ' *' : ''}`;
  document.getElementById('onderzoekUitleg').textContent = a.uitleg;
  ToonPunten(a, getoond ?? document.querySelector('#onderzoekPunten [aria-selected="true"]')?.textContent, T);
  document.getElementById('onderzoekSamenvatting').textContent = o.blad.length ? a.fout || a.samenvatting : T('onderzoekLeeg');
  knop.Opslaan.disabled = o.blad.length === 0;
  for (const k of [knop.Csv, knop.BijlageCsv, knop.Afdrukken]) k.disabled = a.punten.length === 0;
}

// The name a sheet is saved under: always a .csv, so no worksheet is overwritten.
const AlsCsv = (naam) => (/\.csv$/i.test(naam) ? naam : `${naam}.csv`);
const ZonderCsv = (naam) => naam.replace(/\.csv$/i, '');

// The sheet's file: begun anew, opened, saved where the user says (said
// only once written); changes no file holds are offered for saving before
// they would go. `reken` computes the sheet held.
function OnderzoekBestand(o, { reken, toon, tabel }) {
  const { T, Reden } = Zinnen(tabel);
  const Bewaar = async () => {
    const geschreven = await BewaarEerlijk({
      soort: tabel.soorten.onderzoek, naam: AlsCsv(o.Naam()), bytes: o.blad, zin: ZinnenVan(T, 'onderzoek'), reden: Reden,
    });
    if (!geschreven) return false;
    Object.assign(o, { naam: geschreven.naam, gewijzigd: false });
    toon();
    return true;
  };
  const OnderzoekMagWeg = async (titel) => !o.gewijzigd || MagWeg({ tekst: T('onderzoekEerstOpslaan'), titel, T, bewaar: Bewaar });
  return {
    Bewaar,
    Nieuw: async () => {
      if (!(await OnderzoekMagWeg(T('onderzoekTitelNieuw')))) return;
      Object.assign(o, { blad: new Uint8Array(), naam: '', gewijzigd: false, antwoord: reken(new Uint8Array()) });
      toon();
    },
    // A sheet refused as a whole leaves the study as it was.
    Open: async () => {
      if (!(await OnderzoekMagWeg(T('onderzoekTitelOpenen')))) return;
      let bestand;
      try {
        bestand = await KiesBestand(tabel.soorten.onderzoek);
      } catch (fout) {
        await ToonMelding(T('leesFout', { reden: Reden(fout) }), T('onderzoekTitel'));
        return;
      }
      if (!bestand) return;
      const a = reken(bestand.bytes);
      if (a.fout) {
        await ToonMelding(T('onderzoekBestandFout', { naam: bestand.naam, reden: a.fout }), T('onderzoekTitel'));
        return;
      }
      Object.assign(o, { blad: bestand.bytes, naam: bestand.naam, gewijzigd: false, antwoord: a });
      toon();
    },
  };
}

// zetWerkblad hands the page's fields and settings to the core; ingevuld()
// says whether the worksheet was filled in or opened; maakBijlage(vraag,
// bestand) saves and prints an annex the way the test's is.
export function MaakOnderzoek(kern, tabel, { zetWerkblad, ingevuld, maakBijlage }) {
  const { T } = Zinnen(tabel);
  const venster = document.getElementById('onderzoekVenster');
  const knop = Object.fromEntries(['Nieuw', 'Openen', 'Opslaan', 'Huidig', 'Csv', 'BijlageCsv', 'Afdrukken', 'Sluit']
    .map((n) => [n, document.getElementById(`onderzoek${n}`)]));
  const o = { blad: new Uint8Array(), naam: '', gewijzigd: false, antwoord: null };
  o.Naam = () => o.naam || 'onderzoek.csv';
  const reken = (blad) => (zetWerkblad(), kern.Onderzoek(blad));
  const toon = (getoond) => ToonOnderzoek(o, knop, getoond, T);
  const bestand = OnderzoekBestand(o, { reken, toon, tabel });
  const bijlage = maakBijlage(() => (zetWerkblad(), kern.OnderzoekBijlage(o.blad, o.Naam())), () => `${ZonderCsv(o.Naam())}-bijlage.csv`);
  const VoegHuidigToe = async () => {
    zetWerkblad();
    const r = kern.OnderzoekVoegToe(o.blad, ingevuld());
    if (r.fout !== undefined) {
      await ToonMelding(r.fout, T('onderzoekTitel'));
      return;
    }
    Object.assign(o, { blad: r.blad, gewijzigd: true, antwoord: reken(r.blad) });
    toon(r.punt);  // where the road went
  };
  const Uitkomsten = () => BiedAan(o.antwoord.csv, `${ZonderCsv(o.Naam())}-uitkomsten.csv`, 'text/csv');
  const doen = {
    Nieuw: bestand.Nieuw, Openen: bestand.Open, Opslaan: bestand.Bewaar, Huidig: VoegHuidigToe, Csv: Uitkomsten,
    BijlageCsv: () => bijlage.BewaarCsv(), Afdrukken: () => bijlage.DrukAf(), Sluit: () => venster.close(),
  };
  for (const [naam, doe] of Object.entries(doen)) {
    ZetDialoogBijschrift(venster, knop[naam], T(`onderzoekKnop${naam}`), knop[naam]);
    knop[naam].onclick = doe;
  }
  // Closing the page with changes no file holds: the browser asks first.
  window.addEventListener('beforeunload', (ev) => {
    if (o.gewijzigd) ev.preventDefault();
  });
  return () => {
    o.antwoord = reken(o.blad);
    toon();
    venster.showModal();
    (document.querySelector('#onderzoekPunten [aria-selected="true"]') ?? knop.Openen).focus();
  };
}
