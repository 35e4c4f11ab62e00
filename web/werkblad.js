// The worksheet as the main window lays it out, built from the core's field
// table: the traffic grid with its periods and speeds, the derived rows, the
// geometry in two columns, the road surface and the switches, the remark
// lines. The fields guard their keys, run as a ring on Enter and the arrows,
// and show the core's check when they are left.

import { Maak, Markeer, SelecteerBijBinnenkomst, ZetStatus } from './meldingen.js';

// Grid columns: caption, the three periods, the speed caption, the speed.
const kKolomPeriode = 2;
const kKolomSnelheidKop = 5;
const kKolomSnelheid = 6;
const kKolommen = 6;

// ---- layout

function Zet(w, element, r, kolom, breedte = 1) {
  element.style.gridRow = String(r);
  element.style.gridColumn = `${kolom} / span ${breedte}`;
  w.raster.append(element);
  return element;
}
const Label = (w, id, tekst, r, kolom, breedte = 1, extra = {}) =>
  Zet(w, Maak('label', { id, tekst, ...extra }), r, kolom, breedte);
const Kop = (w, id, tekst, r, kolom, klasse) => Zet(w, Maak('span', { id, tekst, class: klasse }), r, kolom);

function Veld(w, v) {
  const e = Maak('input', {
    type: 'text',
    id: `veld${v.index}`,
    class: v.soort === 'Afgeleid' ? 'veld afgeleid' : v.soort === 'Getal' ? 'veld getal' : 'veld',
    autocomplete: 'off',
    spellcheck: false,
    'aria-describedby': 'helpRegel',
  });
  if (v.soort === 'Afgeleid') {
    e.readOnly = true;
    e.tabIndex = -1;
  }
  if (v.soort === 'Getal') e.inputMode = 'decimal';
  w.invoer[v.index] = e;
  return e;
}

function BouwNamen(w) {
  for (const v of w.velden.filter((v) => v.plaats === 'Naam')) {
    Label(w, `label${v.index}`, v.bijschrift, w.rij, 1, 1, { for: `veld${v.index}` });
    Zet(w, Veld(w, v), w.rij++, 2, kKolommen - 1);
  }
}

// A row per caption, a column per period or the speed.
function BouwRijen(w, plaats) {
  const groepen = new Map();
  for (const v of w.velden.filter((v) => v.plaats === plaats)) {
    if (!groepen.has(v.bijschrift)) groepen.set(v.bijschrift, []);
    groepen.get(v.bijschrift).push(v);
  }
  for (const [bijschrift, groep] of groepen) {
    const rijId = `rij${groep[0].index}`;
    Kop(w, rijId, bijschrift, w.rij, 1, 'rijkop');
    for (const v of groep) {
      const periode = w.tabel.periodes.indexOf(v.kolom);
      const e = Veld(w, v);
      if (periode >= 0) {
        e.setAttribute('aria-labelledby', `${rijId} kolom-${v.kolom}`);
        Zet(w, e, w.rij, kKolomPeriode + periode);
      } else {
        Kop(w, `kop${v.index}`, v.kolom, w.rij, kKolomSnelheidKop, 'snelheidkop');
        e.setAttribute('aria-labelledby', `${rijId} kop${v.index}`);
        Zet(w, e, w.rij, kKolomSnelheid);
        w.snelheden.push(v.index);
      }
    }
    w.rij++;
  }
}

// The left column under the day, the right one under the speeds; in the
// page's order all of the left first, as Tab runs.
function BouwGeometrie(w) {
  const geometrie = w.rij;
  for (const [plaats, labelKolom, labelBreedte, veldKolom] of [
    ['GeometrieLinks', 1, 1, kKolomPeriode],
    ['GeometrieRechts', kKolomPeriode + 1, 3, kKolomSnelheid],
  ]) {
    w.velden
      .filter((v) => v.plaats === plaats)
      .forEach((v, i) => {
        Label(w, `label${v.index}`, v.bijschrift, geometrie + i, labelKolom, labelBreedte, {
          for: `veld${v.index}`,
          class: labelKolom > 1 ? 'rechtslabel' : '',
        });
        Zet(w, Veld(w, v), geometrie + i, veldKolom);
      });
  }
  w.rij = geometrie + w.velden.filter((v) => v.plaats === 'GeometrieLinks').length;
}

// Road surface, the switches and the tram's rail construction.
function BouwSchakelaars(w) {
  const b = w.tabel.bijschrift;
  Label(w, 'wegdekLabel', b.wegdek, w.rij, 1, 1, { for: 'wegdekLijst' });
  w.wegdekLijst = Zet(w, Maak('select', { id: 'wegdekLijst' }), w.rij++, 2, kKolommen - 1);
  w.zone = Maak('input', { type: 'checkbox', id: 'zone' });
  Zet(w, Maak('label', { class: 'schakelaar' }, w.zone, ` ${b.zone}`), w.rij, 2, 3);
  w.tramKnop = Zet(w, Maak('button', { type: 'button', id: 'tramKnop', tekst: b.rail }), w.rij++, 5, 2);
  w.aftrek = Maak('input', { type: 'checkbox', id: 'aftrek' });
  Zet(w, Maak('label', { class: 'schakelaar' }, w.aftrek, ` ${b.aftrek}`), w.rij++, 2, kKolommen - 1);
}

function BouwToelichting(w) {
  Kop(w, 'toelichtingKop', w.tabel.bijschrift.toelichting, w.rij, 1, 'rijkop');
  for (let i = 0; i < w.tabel.aantalToelichtingen; i++) {
    const t = Maak('input', {
      type: 'text',
      id: `toelichting${i}`,
      class: 'veld toelichting',
      maxLength: w.tabel.toelichtingLengte,
      autocomplete: 'off',
      'aria-label': `Toelichting, regel ${i + 1}`,
      'aria-describedby': 'helpRegel',
    });
    w.toelichting.push(t);
    Zet(w, t, w.rij++, 2, kKolommen - 1);
  }
  // Which remark lines the user edited: only those lose their outer blanks.
  w.bewerkt = w.toelichting.map(() => false);
}

// ---- behaviour

// A field the check looked at no longer shows the conversion's colour.
function MarkeerVeld(e, uitleg) {
  e.classList.remove('omgerekend');
  Markeer(e, uitleg);
}

function Volgende(w, van, stap) {
  let i = w.ring.indexOf(van);
  for (let n = 1; n < w.ring.length; n++) {
    i = (i + stap + w.ring.length) % w.ring.length;
    if (!w.ring[i].disabled) return w.ring[i];
  }
  return van;
}

// Enter and the arrows walk the ring; Escape empties the field.
function VolgToetsen(w, e) {
  e.addEventListener('keydown', (ev) => {
    if (ev.altKey || ev.ctrlKey || ev.metaKey) return;
    if (ev.key === 'Enter' || ev.key === 'ArrowDown' || ev.key === 'ArrowUp') {
      ev.preventDefault();
      Volgende(w, e, ev.key === 'ArrowUp' ? -1 : 1).focus();
    } else if (ev.key === 'Escape') {
      ev.preventDefault();
      e.value = '';
      MarkeerVeld(e, null);
      w.bijWijziging();
    }
  });
}

// Typed characters outside the field's set are refused and turn it red; an
// accepted one turns it back. Pasting is checked when the field is left.
function VolgTekens(e, tekens) {
  e.addEventListener('beforeinput', (ev) => {
    if (ev.inputType !== 'insertText' || ev.data === null) return;
    if ([...ev.data].every((c) => tekens.includes(c))) {
      MarkeerVeld(e, null);
    } else {
      ev.preventDefault();
      e.classList.add('ongeldig');
    }
  });
}

function VolgControle(w, e, k) {
  e.addEventListener('blur', (ev) => {
    if (e.disabled) return;
    const v = w.kern.Valideer(k, e.value);
    if (v.geldig) {
      if (e.value !== v.tekst) e.value = v.tekst;
      MarkeerVeld(e, null);
      // A number beyond the field's range was taken at its bound: the user is told which.
      if (v.begrensd) ZetStatus(v.begrensd);
      return;
    }
    MarkeerVeld(e, v.uitleg);
    // As in the window, the field keeps the focus while it holds no number.
    if (w.inRing.has(ev.relatedTarget)) setTimeout(() => e.focus());
  });
}

function Volg(w, e, help, { tekens = '', k = -1 } = {}) {
  e.addEventListener('focus', () => w.bijHelp(help));
  SelecteerBijBinnenkomst(e);
  VolgToetsen(w, e);
  if (tekens) VolgTekens(e, tekens);
  e.addEventListener('input', w.bijWijziging);
  if (k >= 0 && w.velden[k].soort === 'Getal') VolgControle(w, e, k);
}

function VolgToelichting(w) {
  w.toelichting.forEach((t, i) => {
    Volg(w, t, w.tabel.help.geenInfo);
    t.addEventListener('input', () => (w.bewerkt[i] = true));
    // A full line takes no more text: the status line says why.
    t.addEventListener('beforeinput', (ev) => {
      if (ev.inputType.startsWith('insert') && t.value.length >= t.maxLength && t.selectionStart === t.selectionEnd) {
        ZetStatus(w.tabel.toelichtingVol);
      }
    });
    t.addEventListener('blur', () => {
      if (w.bewerkt[i]) t.value = w.kern.VerlaatToelichting(t.value);
    });
  });
}

// The 30 km zone: the speeds show 30 and are locked; their own texts come back after.
function ZetZone(w, aan) {
  w.zone.checked = aan;
  for (const k of w.snelheden) {
    const e = w.invoer[k];
    if (aan && !e.disabled) w.bewaard[k] = e.value;
    if (aan) e.value = w.tabel.zoneSnelheid;
    else if (e.disabled && w.bewaard[k] !== undefined) e.value = w.bewaard[k];
    e.disabled = aan;
    MarkeerVeld(e, null);
  }
}

function VolgAlles(w) {
  w.ring = [...w.velden.filter((v) => v.soort !== 'Afgeleid').map((v) => w.invoer[v.index]), ...w.toelichting];
  w.inRing = new Set(w.ring);
  for (const v of w.velden.filter((v) => v.soort !== 'Afgeleid')) {
    Volg(w, w.invoer[v.index], v.help, { tekens: v.tekens, k: v.index });
  }
  VolgToelichting(w);
  const { help } = w.tabel;
  for (const [e, tekst] of [
    [w.wegdekLijst, help.wegdek],
    [w.zone, help.zone],
    [w.tramKnop, help.geenInfo],
    [w.aftrek, help.aftrek],
  ]) {
    e.addEventListener('focus', () => w.bijHelp(tekst));
    e.addEventListener('change', w.bijWijziging);
  }
  w.zone.addEventListener('change', () => ZetZone(w, w.zone.checked));
}

// ---- what the page asks of it

// The worksheet's texts as the core reads them.
const Teksten = (w) => ({
  velden: w.invoer.map((e) => e.value),
  toelichting: w.toelichting.map((t) => t.value),
  bewerkt: [...w.bewerkt],
  wegdek: w.wegdekLijst.selectedIndex + 1,
  zone: w.zone.checked,
  aftrek: w.aftrek.checked,
  rail: w.rail,
});

function Toon(w, blad) {
  w.bewaard = [];
  blad.velden.forEach((t, k) => {
    w.invoer[k].value = t;
    w.invoer[k].disabled = false;
    MarkeerVeld(w.invoer[k], null);
  });
  blad.toelichting.forEach((t, i) => {
    w.toelichting[i].value = t;
  });
  w.bewerkt = w.toelichting.map(() => false);
  w.wegdekLijst.selectedIndex = Math.min(Math.max(blad.wegdek, 1), w.wegdekLijst.options.length) - 1;
  w.aftrek.checked = blad.aftrek;
  w.rail = blad.rail;
  ZetZone(w, blad.zone);
}

// What the core's check says the fields show.
function ToonWeergave(w, weergave, uitleg) {
  weergave.tekst.forEach((t, k) => {
    if (t !== null && !w.invoer[k].disabled) w.invoer[k].value = t;
    if (weergave.staat[k] === 'Geldig') MarkeerVeld(w.invoer[k], null);
    if (weergave.staat[k] === 'Ongeldig') MarkeerVeld(w.invoer[k], uitleg);
  });
}

// Texts the traffic-count conversion wrote, shown green until changed.
function ZetOmgerekend(w, lijst) {
  for (const { veld, tekst } of lijst) {
    MarkeerVeld(w.invoer[veld], null);
    w.invoer[veld].value = tekst;
    w.invoer[veld].classList.add('omgerekend');
  }
}

function VulWegdekken(w, lijst, keuze) {
  w.wegdekLijst.replaceChildren(...lijst.map((naam, i) => Maak('option', { value: String(i + 1), tekst: naam })));
  w.wegdekLijst.selectedIndex = lijst.length ? Math.min(Math.max(keuze, 1), lijst.length) - 1 : -1;
}

export function BouwWerkblad(kern, tabel, raster, { bijHelp, bijWijziging }) {
  const w = {
    kern, tabel, raster, bijHelp, bijWijziging,
    velden: tabel.velden,
    invoer: [],
    toelichting: [],
    snelheden: [],
    bewaard: [],  // the speeds' texts while the 30 km zone holds them at 30
    bewerkt: [],
    rail: 0,
    rij: 1,
  };
  BouwNamen(w);
  tabel.periodes.forEach((p, i) => Kop(w, `kolom-${p}`, p, w.rij, kKolomPeriode + i, 'kolomkop'));
  w.rij++;
  BouwRijen(w, 'Verkeer');
  BouwRijen(w, 'Afgeleid');
  BouwGeometrie(w);
  BouwSchakelaars(w);
  BouwToelichting(w);
  VolgAlles(w);
  return {
    invoer: w.invoer,
    tramKnop: w.tramKnop,
    Teksten: () => Teksten(w),
    Rail: () => w.rail,
    ZetRail: (r) => (w.rail = r),
    Toon: (blad) => Toon(w, blad),
    ToonWeergave: (weergave, uitleg) => ToonWeergave(w, weergave, uitleg),
    ZetAfgeleid: (lijst) => lijst.forEach(({ veld, tekst }) => (w.invoer[veld].value = tekst)),
    ZetOmgerekend: (lijst) => ZetOmgerekend(w, lijst),
    VulWegdekken: (lijst, keuze) => VulWegdekken(w, lijst, keuze),
    Focus: (k) => w.invoer[k].focus(),
  };
}
