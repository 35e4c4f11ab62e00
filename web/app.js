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
import { MagWeg } from './vakken.js';
import {
  BewaarEerlijk,
  BouwWerkbalk,
  KiesBestand,
  Opdracht,
  ToetsNaam,
  ToonMelding,
  Voorlopig,
  VoerUit,
  ZetStatus,
  Zinnen,
} from './meldingen.js';

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
const { T, Reden } = Zinnen(tabel);
BouwWerkbalk(document.getElementById('werkbalk'), tabel.opdrachten);
const decimaalKeuze = document.getElementById('decimaal');
decimaalKeuze.value = TaalDecimaal();
// Today's date decides the 110g deduction; a page may stay open past midnight.
const Instellen = () => kern.ZetInstellingen(decimaalKeuze.value, new Date());
Instellen();
decimaalKeuze.addEventListener('change', Instellen);

let helpTekst = tabel.help.ontbreekt;
// The worksheet's file: its name, and where the page may write it again.
let bestand = { naam: '', handle: null };
let gewijzigd = false;  // changes no file holds yet
const ToonBestand = () => {
  document.getElementById('bestandNaam').textContent = bestand.naam || T('geenBestand');
  document.getElementById('bestandStaat').textContent = gewijzigd ? T('gewijzigdMerk') : '';
};
const Wijzig = () => {
  gewijzigd = true;
  ToonBestand();
  MarkeerVerouderd();
};
const Bewaard = (nieuw) => {
  bestand = nieuw;
  gewijzigd = false;
  ToonBestand();
};
const ZetHelp = (tekst) => {
  helpTekst = tekst;
  document.getElementById('helpRegel').textContent = tekst;
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
  const { letmaal, lden, lnight } = r.labels;
  ZetStatus(r.begrensd || T('berekend', { letmaal: letmaal.trim(), lden: lden.trim(), lnight: lnight.trim() }));
  return true;
}

// Before work would be lost: a changed worksheet is offered for saving
// first; Annuleren, Escape and a save that did not happen keep the work.
const RekenbladMagWeg = async (titel) => !gewijzigd || MagWeg({ tekst: T('eerstOpslaan'), titel, T, bewaar: Opslaan });

function Leeg() {
  werkblad.Toon(kern.LeegWerkblad().werkblad);
  WisResultaten();
  Bewaard({ naam: '', handle: null });
  werkblad.Focus(0);
}

async function Reset() {
  if (!(await RekenbladMagWeg(T('titelReset')))) return;
  Leeg();
  ZetStatus(T('leeg'));
}

async function Openen() {
  if (!(await RekenbladMagWeg(T('titelOpenen')))) return;
  let gekozen;
  try {
    gekozen = await KiesBestand(tabel.soorten.rekenblad, tabel.maxima.rekenblad);
  } catch (fout) {
    await ToonMelding(T('leesFout', { reden: Reden(fout) }), T('titelOpenen'));
    return;
  }
  if (!gekozen) return;
  const r = kern.LeesRekenblad(gekozen.bytes);
  if (r.fout) {
    await ToonMelding(T('bestandFout', { naam: gekozen.naam, reden: r.fout }), T('titelOpenen'));
    return;
  }
  werkblad.Toon(r.werkblad);
  WisResultaten();
  // A road surface put in place of one the catalogue lacks is a change no file has.
  Bewaard({ naam: gekozen.naam, handle: gekozen.handle ?? null });
  if (r.gewijzigd) Wijzig();
  for (const m of r.meldingen) await ToonMelding(m, T('titelOpenen'));
  ZetStatus(T('geopend', { naam: gekozen.naam }));
  werkblad.Focus(0);
}

// The name the worksheet is saved under: its file's, or one from its point and road.
const Voorstel = () => bestand.naam || kern.RekenbladNaam();

// Saved to the worksheet's own file, or where the user says (always for
// "Opslaan als…"); said only once written. The file holds what the check
// takes over; a refused check saves nothing.
async function Opslaan({ als = false } = {}) {
  ZetWerkblad();
  const r = kern.SchrijfRekenblad();
  if (!(await ToonControle(r))) return false;
  const geschreven = await BewaarEerlijk({
    soort: tabel.soorten.rekenblad, naam: Voorstel(), bytes: r.bytes, handle: als ? null : bestand.handle, zin: T, reden: Reden,
  });
  if (geschreven) Bewaard(geschreven);
  return geschreven !== null;
}

async function Afdrukken() {
  if (!ResultatenActueel() && !(await Bereken())) return;
  window.print();
}

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
  naamHuidig: () => bestand.naam || T('huidigRekenblad'),
});

Opdracht('openen', Openen);
Opdracht('opslaan', () => Opslaan());
Opdracht('opslaanAls', () => Opslaan({ als: true }));
Opdracht('reset', Reset);
Opdracht('invullen', () => werkblad.Focus(0));
Opdracht('berekenen', Bereken);
// The browser's print dialog shows the page as it will be printed.
Opdracht('afdrukken', Afdrukken);
Opdracht('voorbeeld', Afdrukken);
Opdracht('help', () => ToonMelding(helpTekst, T('titelHelp')));
Opdracht('info', () => ToonMelding(T('info', { wegdekken: wegdekken.Herkomst() }), T('titelInfo')));
// The editor is the window's F4; the list's file, the shipped list and the
// user name are the page's own, reached from it and by F6.
Opdracht('wegdekken', MaakWegdekBewerking(kern, tabel, { neem: (antwoord) => wegdekken.Neem(antwoord), bestand: wegdekken.Toon }));
Opdracht('gebruiker', wegdekken.ToonGebruiker);
// The day and the decimal sign as the worksheet's calculation takes them.
Opdracht('toetsing', MaakToetsing(kern, tabel, {
  zetWerkblad: () => (Instellen(), ZetWerkblad()),
  naam: () => bestand.naam,
  bijlage: MaakBijlage(kern, tabel),
}));
Opdracht('dosisEffect', MaakDosisEffect({
  laatste: async () => ((ResultatenActueel() || (await Bereken())) ? kern.Bereken() : null),
}));
Opdracht('diagram', diagram);
Opdracht('omrekenen', omrekenen);
Opdracht('cumulatie', cumulatie);
Opdracht('onderzoek', MaakOnderzoek(kern, tabel, {
  zetWerkblad: () => (Instellen(), ZetWerkblad()),
  ingevuld: () => gewijzigd || bestand.naam !== '',
  maakBijlage: (vraag, bijlageBestand) => MaakBijlage(kern, tabel, { vraag, bestand: bijlageBestand }),
}));
document.getElementById('berekenKnop').addEventListener('click', Bereken);
document.getElementById('berekenKnop').addEventListener('focus', () => ZetHelp(tabel.help.berekening));
werkblad.tramKnop.addEventListener('click', async () => {
  const rail = await KiesRail(tabel, werkblad.Rail());
  if (rail !== werkblad.Rail()) Wijzig();
  werkblad.ZetRail(rail);
  werkblad.tramKnop.focus();
});

// The window's keys, and the page's own where the browser keeps the
// window's for itself. Taken from the browser also while a box is open, so
// that F5 never reloads the page; the command runs when none is.
const toetsen = new Map(tabel.opdrachten.filter((o) => !o.nietInPagina && o.toets).map((o) => [o.toets, o.naam]));
document.addEventListener('keydown', (ev) => {
  const naam = toetsen.get(ToetsNaam(ev));
  if (!naam) return;
  ev.preventDefault();
  if (document.querySelector('dialog[open]')) return;
  // The field being left shows its check first, as when leaving it by hand.
  document.activeElement?.dispatchEvent(new FocusEvent('blur'));
  VoerUit(naam);
});
// Also when the browser's own menu prints: the report of the last calculation, or why there is none.
window.addEventListener('beforeprint', () => {
  const datum = new Date().toLocaleDateString('nl-NL', { day: 'numeric', month: 'long', year: 'numeric' });
  document.getElementById('afdrukVoet').textContent = T('afdrukVoet', { datum });
  if (!ResultatenActueel()) {
    document.getElementById('afdrukRapport').textContent = T('geenBerekening');
  }
});

// Closing the page with changes no file holds: the browser asks first.
window.addEventListener('beforeunload', (ev) => {
  if (gewijzigd) ev.preventDefault();
});

// Commands other parts of the page will register: until then they say so.
for (const o of tabel.opdrachten.filter((o) => !o.nietInPagina)) {
  Voorlopig(o.naam, () => ZetStatus(T('nogNiet', { opdracht: o.tekst })));
}

Leeg();
ZetStatus(T('klaar'));
document.body.dataset.klaar = 'ja';
performance.mark('tarvo-klaar');
