// The road-surface editor, "Correctiefactoren wegdekken" as the window
// shows it: the list with the entries that get 1 dB art. 3.5 in bold, the
// chosen entry's description and coefficients, add, change and delete, a
// table imported or rows pasted from a spreadsheet (Ctrl+V in the list),
// the table exported, and F9 for the protected shipped entries. Every
// command is one call to the core, which answers with its refusal or
// question as data; a changed catalogue goes to neem() to be kept.

import { BiedAan, KiesBestanden, Maak, Markeer, ToonMelding, ZetStatus } from './meldingen.js';
import { Filter, Ring } from './vakken.js';

// A step's message: a refusal or notice told, a question asked (true for Ja).
function Zeg(a) {
  if (a.stap === 'Gedaan' || !a.melding) return Promise.resolve(false);
  if (a.stap !== 'Vraag') return ToonMelding(a.melding, a.titel);
  return ToonMelding(a.melding, a.titel, { vraag: true, ...(a.annuleren ? { nee: 'Annuleren', standaardNee: true } : {}) });
}

// The editor's controls and what it keeps between commands.
function Bediening(kern, tabel, neem, bestand) {
  const knop = (naam) => document.getElementById(`wegdek${naam}`);
  const lijst = document.getElementById('wegdekBewerkLijst');
  return {
    kern, tabel, neem, bestand, knop, lijst,
    venster: document.getElementById('wegdekBewerking'),
    velden: [...Array(7).keys()].map((k) => document.getElementById(`wegdekVeld${k}`)),
    lijstBediening: [lijst, ...['Toevoegen', 'Wijzigen', 'Wissen', 'Importeren', 'Exporteren'].map(knop)],
    teksten: null,  // the captions, once
    bewerking: null,  // null in the list, 0 adding, else the position being changed
    Positie: () => lijst.selectedIndex + 1,
  };
}

function ToonLijst(e, a) {
  const kies = e.lijst.selectedIndex;
  e.lijst.replaceChildren(
    ...a.regels.map((r) =>
      Maak('option', {
        tekst: r.meegeleverd ? `${r.naam} ${e.teksten.meegeleverd}` : r.naam,
        class: r.vet ? 'vet' : '',
        ...(r.vet ? { title: e.teksten.legendaUitleg } : {}),
      }),
    ),
  );
  e.lijst.selectedIndex = Math.min(kies, a.regels.length - 1);
  document.getElementById('wegdekAantal').textContent = a.aantal;
  document.getElementById('wegdekBewerkKop').textContent = a.kop;
}

async function ToonGekozen(e) {
  const g = e.kern.WegdekGekozen(e.Positie());
  if (g.fout) {
    await ToonMelding(g.fout, e.tabel.titelWaarschuwing);
    return;
  }
  g.velden.forEach((t, k) => {
    e.velden[k].value = t;
    Markeer(e.velden[k], '');
  });
}

// The list and its buttons, or the fields with OK and Annuleren.
function Vergrendel(e, vast) {
  if (vast) e.bewerking = null;
  for (const b of e.lijstBediening) b.disabled = !vast;
  for (const v of e.velden) v.disabled = vast;
  for (const b of e.venster.querySelectorAll('.bewerken')) b.hidden = vast;
  document.getElementById('wegdekWeergave').textContent =
    vast || e.bewerking === 0 ? e.teksten.lijstweergave : e.teksten.bewerkweergave;
}

// The step, once more answered Ja when it asks and the user agrees; then
// the list it leaves, the entry it chose and what it warns of.
async function Voer(e, stap) {
  let a = stap(false);
  if (a.stap === 'Vraag') {
    if (!(await Zeg(a))) return null;
    a = stap(true);
  }
  if (a.stap !== 'Gedaan') {
    await Zeg(a);
    return null;
  }
  ToonLijst(e, a);
  // A change the browser or the list's file could not keep says so itself.
  const bewaard = !a.gewijzigd || (await e.neem(a));
  if (a.kies > 0) e.lijst.selectedIndex = a.kies - 1;
  if (e.lijst.selectedIndex >= 0) await ToonGekozen(e);
  else e.velden.forEach((v) => (v.value = ''));
  Vergrendel(e, true);
  e.lijst.focus();
  if (a.art35) await ToonMelding(a.art35, e.tabel.titelWaarschuwing);
  return bewaard ? a : null;
}

async function Begin(e, positie) {
  const a = e.kern.WegdekBegin(positie);
  if (a.stap !== 'Gedaan') {
    await Zeg(a);
    return;
  }
  e.bewerking = positie;
  Vergrendel(e, false);
  if (positie === 0) e.velden.forEach((v) => (v.value = ''));
  e.velden[0].focus();
}

// OK: the fields show what the check made of them; a refused one takes the
// focus, red with its reason when it is no number.
async function Bevestig(e) {
  const a = e.kern.WegdekBevestig(e.bewerking, e.velden.map((v) => v.value));
  for (const { veld, tekst } of a.teksten) {
    e.velden[veld].value = tekst;
    Markeer(e.velden[veld], '');
  }
  if (a.stap === 'Gedaan') {
    await Voer(e, () => a);
    return;
  }
  if (a.uitleg) Markeer(e.velden[a.veld], a.uitleg);
  else await Zeg(a);
  e.velden[a.veld]?.focus();
}

function VerbindKnoppen(e) {
  const { kern, knop } = e;
  knop('Toevoegen').onclick = () => Begin(e, 0);
  knop('Wijzigen').onclick = () => Begin(e, e.Positie());
  knop('Wissen').onclick = () => Voer(e, (ja) => kern.WegdekWis(e.Positie(), ja));
  knop('Importeren').onclick = async () => {
    const [bestand] = await KiesBestanden('.csv,.txt');
    if (bestand && (await Voer(e, (ja) => kern.WegdekImporteer(bestand.bytes, bestand.naam, ja)))) {
      ZetStatus(`Wegdekken ingelezen uit ${bestand.naam}.`);
    }
  };
  knop('Exporteren').onclick = () => BiedAan(kern.ExporteerWegdekken(), 'wegdekken.csv', 'text/csv');
  knop('Ok').onclick = () => Bevestig(e);
  knop('Annuleren').onclick = async () => {
    if (e.lijst.selectedIndex >= 0) await ToonGekozen(e);
    Vergrendel(e, true);
    e.lijst.focus();
  };
  knop('BewerkSluit').onclick = () => e.venster.close();
  // Another list opened or put back there is the list here too.
  knop('Bestand').onclick = async () => {
    await e.bestand();
    ToonLijst(e, kern.WegdekEditor());
    if (e.lijst.selectedIndex < 0 && e.lijst.options.length) e.lijst.selectedIndex = 0;
    if (e.lijst.selectedIndex >= 0) await ToonGekozen(e);
    Vergrendel(e, true);
    e.lijst.focus();
  };
  e.lijst.addEventListener('change', () => ToonGekozen(e));
  e.lijst.addEventListener('paste', (ev) => {
    ev.preventDefault();
    const rijen = ev.clipboardData?.getData('text/plain') ?? '';
    Voer(e, (ja) => kern.WegdekPlak(rijen, ja));
  });
  // F9 lifts the protection of the shipped entries, or puts it back.
  e.venster.addEventListener('keydown', (ev) => {
    if (ev.key !== 'F9') return;
    ev.preventDefault();
    ToonLijst(e, kern.WegdekBescherming());
  });
}

// Escape empties a field, as in the window, and leaves the editor open; a
// coefficient left shows what the catalogue will hold.
function VerbindVelden(e) {
  e.velden.forEach((v, k) => {
    v.addEventListener('keydown', (ev) => {
      if (ev.key !== 'Escape') return;
      ev.preventDefault();
      v.value = '';
    });
    if (k === 0) return;
    v.addEventListener('change', () => {
      if (v.disabled) return;
      const w = e.kern.WegdekVeld(v.value);
      if (w.geldig) v.value = w.tekst;
      Markeer(v, w.geldig ? '' : w.uitleg);
    });
  });
  Ring(e.velden);
}

function Bouw(e, teksten) {
  e.teksten = teksten;
  document.getElementById('wegdekOmschrijvingBijschrift').textContent = teksten.omschrijving;
  document.getElementById('wegdekCorrectieBijschrift').textContent = teksten.correctie;
  teksten.klassen.forEach((klasse, i) => {
    document.getElementById(`wegdekKlasse${i}`).textContent = klasse;
    teksten.symbolen.forEach((s, j) => {
      const veld = e.velden[1 + 2 * i + j];
      const bijschrift = document.getElementById(`wegdekSymbool${1 + 2 * i + j}`);
      bijschrift.textContent = s;
      bijschrift.title = veld.title = teksten.uitleg[j];
      veld.setAttribute('aria-label', `${klasse} ${s}`);
    });
  });
  e.lijst.title = teksten.lijst;
  e.knop('Importeren').title = teksten.importeren;
  e.knop('Exporteren').title = teksten.exporteren;
  const legenda = document.getElementById('wegdekLegenda');
  legenda.textContent = teksten.legenda;
  legenda.title = teksten.legendaUitleg;
  e.velden.slice(1).forEach((v) => Filter(v, teksten.getalTekens));
}

// bestand() opens the list's own file, the shipped list and the user name.
export function MaakWegdekBewerking(kern, tabel, { neem, bestand }) {
  const e = Bediening(kern, tabel, neem, bestand);
  VerbindKnoppen(e);
  VerbindVelden(e);
  return async () => {
    const a = kern.WegdekEditor();
    if (!e.teksten) Bouw(e, a.bijschrift);
    ToonLijst(e, a);
    if (e.lijst.selectedIndex < 0 && a.regels.length) e.lijst.selectedIndex = 0;
    Vergrendel(e, true);
    e.venster.showModal();
    if (e.lijst.selectedIndex >= 0) await ToonGekozen(e);
    e.lijst.focus();
  };
}
