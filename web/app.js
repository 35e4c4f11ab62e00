// The page: the worksheet, its commands and keys, and the tools, over the
// WebAssembly core that the page carries inside itself.

import { MaakKern } from './kern.js';
import { BouwWerkblad } from './werkblad.js';
import { MarkeerVerouderd, ResultatenActueel, ToonResultaten, WisResultaten } from './resultaten.js';
import { MaakWegdekken } from './wegdekken.js';
import { KiesRail, MaakOmrekenVenster } from './gereedschap.js';
import { MaakCumulatieVenster } from './cumulatie.js';
import { MaakDiagramVenster } from './diagramvenster.js';
import { MaakToetsing } from './toetsing.js';
import { MaakDosisEffect } from './dosiseffect.js';
import { MaakWegdekBewerking } from './wegdekbewerking.js';
import { MaakBijlage } from './bijlage.js';
import { MaakOnderzoek } from './onderzoek.js';
import { BiedAan, KiesBestanden, ToonMelding, ZetStatus } from './meldingen.js';

// The decimal sign of the browser's language; a comma where it names none.
function TaalDecimaal() {
  const deel = new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((d) => d.type === 'decimal');
  return deel?.value === '.' ? '.' : ',';
}

const wasm = Uint8Array.from(atob(document.getElementById('kernWasm').textContent.trim()), (c) => c.charCodeAt(0));
const kern = await MaakKern(globalThis.TarvoKern, wasm).catch((fout) => {
  ZetStatus(`De rekenkern kon in deze browser niet worden gestart (${fout}).`);
  throw fout;
});
const tabel = kern.Tabel();
const decimaalKeuze = document.getElementById('decimaal');
decimaalKeuze.value = TaalDecimaal();
// Today's date decides the 110g deduction; a page may stay open past midnight.
const Instellen = () => kern.ZetInstellingen(decimaalKeuze.value, new Date());
Instellen();
decimaalKeuze.addEventListener('change', Instellen);

let helpTekst = tabel.help.ontbreekt;
let bestandNaam = '';
let gewijzigd = false;  // changes no file holds yet
const Wijzig = () => {
  gewijzigd = true;
  MarkeerVerouderd();
};
const ZetHelp = (tekst) => {
  helpTekst = tekst;
  document.getElementById('helpRegel').textContent = tekst;
};
const ToonBestand = () => {
  document.getElementById('bestandNaam').textContent = bestandNaam || 'Geen bestand';
};

const werkblad = BouwWerkblad(kern, tabel, document.getElementById('werkblad'), {
  bijHelp: ZetHelp,
  bijWijziging: Wijzig,
});
const wegdekken = MaakWegdekken(kern, tabel, {
  bijWijziging: (lijst) => werkblad.VulWegdekken(lijst, werkblad.Teksten().wegdek),
});
werkblad.VulWegdekken(wegdekken.Lijst(), 1);
const ZetWerkblad = () => kern.ZetWerkblad(werkblad.Teksten());

// What the check left in the fields, and why it refused: a text that is no
// number marks its field as leaving it does, a warning comes in a message box.
async function ToonControle(r) {
  werkblad.ToonWeergave(r.weergave, r.weigering?.uitleg);
  const w = r.weigering;
  if (!w) return true;
  if (w.soort === 'Waarschuwing') await ToonMelding(w.melding, w.titel);
  else ZetStatus(w.melding);
  werkblad.Focus(w.veld);
  return false;
}


async function Bereken() {
  Instellen();
  ZetWerkblad();
  const r = kern.Bereken();
  werkblad.ZetAfgeleid(r.afgeleid);
  if (!(await ToonControle(r))) return false;
  if (r.fout) {
    await ToonMelding(r.fout, tabel.titelWaarschuwing);
    return false;
  }
  ToonResultaten(r, tabel.periodes);
  document.getElementById('afdrukRapport').textContent = r.rapport;
  // As in the window: the status line names the numbers the check clamped.
  ZetStatus(r.begrensd || `Berekend: Letmaal ${r.labels.letmaal.trim()}, Lden ${r.labels.lden.trim()}, Lnight ${r.labels.lnight.trim()}.`);
  return true;
}

// Before work would be lost: a changed worksheet is offered for saving first.
async function MagWeg(titel) {
  if (!gewijzigd) return true;
  if (await ToonMelding('Wilt u het rekenblad eerst opslaan?', titel, { vraag: true })) return Opslaan();
  return true;
}

function Leeg() {
  werkblad.Toon(kern.LeegWerkblad().werkblad);
  WisResultaten();
  bestandNaam = '';
  gewijzigd = false;
  ToonBestand();
  werkblad.Focus(0);
}

async function Reset() {
  if (!(await MagWeg('Reset rekenblad'))) return;
  Leeg();
  ZetStatus('Leeg rekenblad.');
}

async function Openen() {
  if (!(await MagWeg('Rekenblad openen'))) return;
  const [bestand] = await KiesBestanden('.tvo');
  if (!bestand) return;
  const r = kern.LeesRekenblad(bestand.bytes);
  if (r.fout) {
    await ToonMelding(`Bestand ${bestand.naam}: ${r.fout}`, 'Rekenblad openen');
    return;
  }
  werkblad.Toon(r.werkblad);
  WisResultaten();
  bestandNaam = bestand.naam;
  // A road surface put in place of one the catalogue lacks is a change no file has.
  gewijzigd = r.gewijzigd;
  ToonBestand();
  for (const m of r.meldingen) await ToonMelding(m, 'Rekenblad openen');
  ZetStatus(`Rekenblad ${bestand.naam} geopend.`);
  werkblad.Focus(0);
}

// The file holds what the check takes over; a refused check saves nothing.
async function Opslaan() {
  ZetWerkblad();
  const r = kern.SchrijfRekenblad();
  if (!(await ToonControle(r))) return false;
  bestandNaam ||= 'rekenblad.tvo';
  BiedAan(r.bytes, bestandNaam);
  gewijzigd = false;
  ToonBestand();
  ZetStatus(`Rekenblad opgeslagen als ${bestandNaam}.`);
  return true;
}

async function Afdrukken() {
  if (!ResultatenActueel() && !(await Bereken())) return;
  window.print();
}

const Help = () => ToonMelding(helpTekst, 'Toelichting bij invoer');

const diagram = MaakDiagramVenster(kern, tabel, { zetWerkblad: ZetWerkblad, toonControle: ToonControle });
const omrekenen = MaakOmrekenVenster(kern, tabel, {
  decimaal: () => decimaalKeuze.value,
  bijToepassen: (velden) => {
    werkblad.ZetOmgerekend(velden);
    Wijzig();
  },
});
const cumulatie = MaakCumulatieVenster(kern, tabel, {
  zetWerkblad: ZetWerkblad,
  naamHuidig: () => bestandNaam || 'huidig rekenblad',
});

const opdrachten = {
  knopOpenen: Openen,
  knopOpslaan: Opslaan,
  knopReset: Reset,
  knopAfdrukken: Afdrukken,
  knopDiagram: diagram,
  knopOmrekenen: omrekenen,
  knopCumulatie: cumulatie,
  knopWegdekken: wegdekken.Toon,
  knopHelp: Help,
  berekenKnop: Bereken,
};
for (const [id, opdracht] of Object.entries(opdrachten)) document.getElementById(id).addEventListener('click', opdracht);
document.getElementById('berekenKnop').addEventListener('focus', () => ZetHelp(tabel.help.berekening));
werkblad.tramKnop.addEventListener('click', async () => {
  const rail = await KiesRail(tabel, werkblad.Rail());
  if (rail !== werkblad.Rail()) Wijzig();
  werkblad.ZetRail(rail);
  werkblad.tramKnop.focus();
});

// ---- gereedschap: the tools' commands, by the names of the command table.
const gereedschap = {
  // The day and the decimal sign as the worksheet's calculation takes them.
  toetsing: MaakToetsing(kern, tabel, {
    zetWerkblad: () => (Instellen(), ZetWerkblad()),
    naam: () => bestandNaam,
    bijlage: MaakBijlage(kern, tabel),
  }),
  dosisEffect: MaakDosisEffect({
    laatste: async () => ((ResultatenActueel() || (await Bereken())) ? kern.Bereken() : null),
  }),
  wegdekken: MaakWegdekBewerking(kern, tabel, { neem: (antwoord) => wegdekken.Neem(antwoord) }),
  diagram,
  cumulatie,
  omrekenen,
  onderzoek: MaakOnderzoek(kern, {
    zetWerkblad: () => (Instellen(), ZetWerkblad()),
    ingevuld: () => gewijzigd || bestandNaam !== '',
    maakBijlage: (vraag, bestand) => MaakBijlage(kern, tabel, { vraag, bestand }),
  }),
};
// Until the toolbar and the keys are made from the command table: these
// commands' buttons, and their keys as the table gives them.
for (const [id, naam] of [['knopToetsing', 'toetsing'], ['knopDosisEffect', 'dosisEffect'], ['knopWegdekBewerking', 'wegdekken'], ['knopOnderzoek', 'onderzoek']]) {
  document.getElementById(id).addEventListener('click', () => gereedschap[naam]());
}
const gereedschapToetsen = new Map(
  kern.Opdrachten().filter((o) => o.naam in gereedschap && o.toets).map((o) => [o.toets, o.naam]),
);
document.addEventListener('keydown', (ev) => {
  if (document.querySelector('dialog[open]')) return;
  const delen = [ev.ctrlKey && 'Ctrl', ev.shiftKey && 'Shift', ev.altKey && 'Alt', ev.key.length === 1 ? ev.key.toUpperCase() : ev.key];
  const naam = gereedschapToetsen.get(delen.filter(Boolean).join('+'));
  if (!naam) return;
  ev.preventDefault();
  document.activeElement?.dispatchEvent(new FocusEvent('blur'));
  gereedschap[naam]();
});
// ---- end of gereedschap

// The window's keys: F9 calculates, F1 explains the field, Ctrl+O, Ctrl+S and Ctrl+P.
document.addEventListener('keydown', (ev) => {
  if (document.querySelector('dialog[open]')) return;
  const toets = ev.ctrlKey || ev.metaKey ? `Ctrl+${ev.key.toLowerCase()}` : ev.key;
  const opdracht = { F9: Bereken, F1: Help, 'Ctrl+o': Openen, 'Ctrl+s': Opslaan, 'Ctrl+p': Afdrukken }[toets];
  if (!opdracht) return;
  ev.preventDefault();
  // The field being left shows its check first, as when leaving it by hand.
  document.activeElement?.dispatchEvent(new FocusEvent('blur'));
  opdracht();
});
// Also when the browser's own menu prints: the report of the last calculation, or why there is none.
window.addEventListener('beforeprint', () => {
  const datum = new Date().toLocaleDateString('nl-NL', { day: 'numeric', month: 'long', year: 'numeric' });
  document.getElementById('afdrukVoet').textContent = `Tarvo, browserversie. Afgedrukt op ${datum}.`;
  if (!ResultatenActueel()) {
    document.getElementById('afdrukRapport').textContent = 'Geen actuele berekening: druk eerst op F9.';
  }
});

// Closing the page with changes no file holds: the browser asks first.
window.addEventListener('beforeunload', (ev) => {
  if (gewijzigd) ev.preventDefault();
});

Leeg();
ZetStatus('Klaar. Vul het rekenblad in; F9 rekent.');
document.body.dataset.klaar = 'ja';
performance.mark('tarvo-klaar');
