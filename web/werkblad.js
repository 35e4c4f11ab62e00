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

export function BouwWerkblad(kern, tabel, raster, { bijHelp, bijWijziging }) {
  const velden = tabel.velden;
  const invoer = [];
  const toelichting = [];
  const snelheden = [];
  let bewaard = [];  // the speeds' texts while the 30 km zone holds them at 30
  let rail = 0;
  let rij = 1;

  const Zet = (element, r, kolom, breedte = 1) => {
    element.style.gridRow = String(r);
    element.style.gridColumn = `${kolom} / span ${breedte}`;
    raster.append(element);
    return element;
  };
  const Label = (id, tekst, r, kolom, breedte = 1, extra = {}) =>
    Zet(Maak('label', { id, tekst, ...extra }), r, kolom, breedte);
  const Kop = (id, tekst, r, kolom, klasse) => Zet(Maak('span', { id, tekst, class: klasse }), r, kolom);

  const Veld = (v) => {
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
    invoer[v.index] = e;
    return e;
  };

  // Names.
  for (const v of velden.filter((v) => v.plaats === 'Naam')) {
    Label(`label${v.index}`, v.bijschrift, rij, 1, 1, { for: `veld${v.index}` });
    Zet(Veld(v), rij++, 2, kKolommen - 1);
  }

  // The traffic rows and the derived rows: a row per caption, a column per period or the speed.
  tabel.periodes.forEach((p, i) => Kop(`kolom-${p}`, p, rij, kKolomPeriode + i, 'kolomkop'));
  rij++;
  const Rijen = (plaats) => {
    const groepen = new Map();
    for (const v of velden.filter((v) => v.plaats === plaats)) {
      if (!groepen.has(v.bijschrift)) groepen.set(v.bijschrift, []);
      groepen.get(v.bijschrift).push(v);
    }
    for (const [bijschrift, groep] of groepen) {
      const rijId = `rij${groep[0].index}`;
      Kop(rijId, bijschrift, rij, 1, 'rijkop');
      for (const v of groep) {
        const periode = tabel.periodes.indexOf(v.kolom);
        const e = Veld(v);
        if (periode >= 0) {
          e.setAttribute('aria-labelledby', `${rijId} kolom-${v.kolom}`);
          Zet(e, rij, kKolomPeriode + periode);
        } else {
          Kop(`kop${v.index}`, v.kolom, rij, kKolomSnelheidKop, 'snelheidkop');
          e.setAttribute('aria-labelledby', `${rijId} kop${v.index}`);
          Zet(e, rij, kKolomSnelheid);
          snelheden.push(v.index);
        }
      }
      rij++;
    }
  };
  Rijen('Verkeer');
  Rijen('Afgeleid');

  // Geometry: the left column under the day, the right one under the speeds;
  // in the page's order all of the left first, as Tab runs.
  const geometrie = rij;
  for (const [plaats, labelKolom, labelBreedte, veldKolom] of [
    ['GeometrieLinks', 1, 1, kKolomPeriode],
    ['GeometrieRechts', kKolomPeriode + 1, 3, kKolomSnelheid],
  ]) {
    velden
      .filter((v) => v.plaats === plaats)
      .forEach((v, i) => {
        Label(`label${v.index}`, v.bijschrift, geometrie + i, labelKolom, labelBreedte, {
          for: `veld${v.index}`,
          class: labelKolom > 1 ? 'rechtslabel' : '',
        });
        Zet(Veld(v), geometrie + i, veldKolom);
      });
  }
  rij = geometrie + velden.filter((v) => v.plaats === 'GeometrieLinks').length;

  // Road surface, the switches and the tram's rail construction.
  Label('wegdekLabel', tabel.bijschrift.wegdek, rij, 1, 1, { for: 'wegdekLijst' });
  const wegdekLijst = Zet(Maak('select', { id: 'wegdekLijst' }), rij++, 2, kKolommen - 1);
  const zone = Maak('input', { type: 'checkbox', id: 'zone' });
  Zet(Maak('label', { class: 'schakelaar' }, zone, ` ${tabel.bijschrift.zone}`), rij, 2, 3);
  const tramKnop = Zet(Maak('button', { type: 'button', id: 'tramKnop', tekst: tabel.bijschrift.rail }), rij++, 5, 2);
  const aftrek = Maak('input', { type: 'checkbox', id: 'aftrek' });
  Zet(Maak('label', { class: 'schakelaar' }, aftrek, ` ${tabel.bijschrift.aftrek}`), rij++, 2, kKolommen - 1);

  // The remark lines.
  Kop('toelichtingKop', tabel.bijschrift.toelichting, rij, 1, 'rijkop');
  for (let i = 0; i < tabel.aantalToelichtingen; i++) {
    const t = Maak('input', {
      type: 'text',
      id: `toelichting${i}`,
      class: 'veld toelichting',
      maxLength: tabel.toelichtingLengte,
      autocomplete: 'off',
      'aria-label': `Toelichting, regel ${i + 1}`,
      'aria-describedby': 'helpRegel',
    });
    toelichting.push(t);
    Zet(t, rij++, 2, kKolommen - 1);
  }
  // Which remark lines the user edited: only those lose their outer blanks.
  let bewerkt = toelichting.map(() => false);

  // ---- behaviour

  const ring = [...velden.filter((v) => v.soort !== 'Afgeleid').map((v) => invoer[v.index]), ...toelichting];
  const inRing = new Set(ring);
  const Volgende = (van, stap) => {
    let i = ring.indexOf(van);
    for (let n = 1; n < ring.length; n++) {
      i = (i + stap + ring.length) % ring.length;
      if (!ring[i].disabled) return ring[i];
    }
    return van;
  };
  // A field the check looked at no longer shows the conversion's colour.
  const MarkeerVeld = (e, uitleg) => {
    e.classList.remove('omgerekend');
    Markeer(e, uitleg);
  };

  const Volg = (e, help, { tekens = '', k = -1 } = {}) => {
    e.addEventListener('focus', () => bijHelp(help));
    SelecteerBijBinnenkomst(e);
    e.addEventListener('keydown', (ev) => {
      if (ev.altKey || ev.ctrlKey || ev.metaKey) return;
      if (ev.key === 'Enter' || ev.key === 'ArrowDown' || ev.key === 'ArrowUp') {
        ev.preventDefault();
        Volgende(e, ev.key === 'ArrowUp' ? -1 : 1).focus();
      } else if (ev.key === 'Escape') {
        ev.preventDefault();
        e.value = '';
        MarkeerVeld(e, null);
        bijWijziging();
      }
    });
    // Typed characters outside the field's set are refused and turn it red;
    // an accepted one turns it back. Pasting is checked when the field is left.
    if (tekens) {
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
    e.addEventListener('input', bijWijziging);
    if (k < 0 || velden[k].soort !== 'Getal') return;
    e.addEventListener('blur', (ev) => {
      if (e.disabled) return;
      const v = kern.Valideer(k, e.value);
      if (v.geldig) {
        if (e.value !== v.tekst) e.value = v.tekst;
        MarkeerVeld(e, null);
        // A number beyond the field's range was taken at its bound: the user is told which.
        if (v.begrensd) ZetStatus(v.begrensd);
        return;
      }
      MarkeerVeld(e, v.uitleg);
      // As in the window, the field keeps the focus while it holds no number.
      if (inRing.has(ev.relatedTarget)) setTimeout(() => e.focus());
    });
  };
  for (const v of velden.filter((v) => v.soort !== 'Afgeleid')) Volg(invoer[v.index], v.help, { tekens: v.tekens, k: v.index });
  toelichting.forEach((t, i) => {
    Volg(t, tabel.help.geenInfo);
    t.addEventListener('input', () => (bewerkt[i] = true));
    // A full line takes no more text: the status line says why.
    t.addEventListener('beforeinput', (ev) => {
      if (ev.inputType.startsWith('insert') && t.value.length >= t.maxLength && t.selectionStart === t.selectionEnd) {
        ZetStatus(tabel.toelichtingVol);
      }
    });
    t.addEventListener('blur', () => {
      if (bewerkt[i]) t.value = kern.VerlaatToelichting(t.value);
    });
  });
  for (const [e, help] of [
    [wegdekLijst, tabel.help.wegdek],
    [zone, tabel.help.zone],
    [tramKnop, tabel.help.geenInfo],
    [aftrek, tabel.help.aftrek],
  ]) {
    e.addEventListener('focus', () => bijHelp(help));
    e.addEventListener('change', bijWijziging);
  }

  // The 30 km zone: the speeds show 30 and are locked; their own texts come back after.
  const ZetZone = (aan) => {
    zone.checked = aan;
    for (const k of snelheden) {
      const e = invoer[k];
      if (aan && !e.disabled) bewaard[k] = e.value;
      if (aan) e.value = tabel.zoneSnelheid;
      else if (e.disabled && bewaard[k] !== undefined) e.value = bewaard[k];
      e.disabled = aan;
      MarkeerVeld(e, null);
    }
  };
  zone.addEventListener('change', () => ZetZone(zone.checked));

  return {
    invoer,
    tramKnop,
    // The worksheet's texts as the core reads them.
    Teksten: () => ({
      velden: invoer.map((e) => e.value),
      toelichting: toelichting.map((t) => t.value),
      bewerkt: [...bewerkt],
      wegdek: wegdekLijst.selectedIndex + 1,
      zone: zone.checked,
      aftrek: aftrek.checked,
      rail,
    }),
    Rail: () => rail,
    ZetRail: (r) => {
      rail = r;
    },
    Toon(w) {
      bewaard = [];
      w.velden.forEach((t, k) => {
        invoer[k].value = t;
        invoer[k].disabled = false;
        MarkeerVeld(invoer[k], null);
      });
      w.toelichting.forEach((t, i) => {
        toelichting[i].value = t;
      });
      bewerkt = toelichting.map(() => false);
      wegdekLijst.selectedIndex = Math.min(Math.max(w.wegdek, 1), wegdekLijst.options.length) - 1;
      aftrek.checked = w.aftrek;
      rail = w.rail;
      ZetZone(w.zone);
    },
    // What the core's check says the fields show.
    ToonWeergave(weergave, uitleg) {
      weergave.tekst.forEach((t, k) => {
        if (t !== null && !invoer[k].disabled) invoer[k].value = t;
        if (weergave.staat[k] === 'Geldig') MarkeerVeld(invoer[k], null);
        if (weergave.staat[k] === 'Ongeldig') MarkeerVeld(invoer[k], uitleg);
      });
    },
    ZetAfgeleid(lijst) {
      for (const { veld, tekst } of lijst) invoer[veld].value = tekst;
    },
    // Texts the traffic-count conversion wrote, shown green until changed.
    ZetOmgerekend(lijst) {
      for (const { veld, tekst } of lijst) {
        MarkeerVeld(invoer[veld], null);
        invoer[veld].value = tekst;
        invoer[veld].classList.add('omgerekend');
      }
    },
    VulWegdekken(lijst, keuze) {
      wegdekLijst.replaceChildren(...lijst.map((naam, i) => Maak('option', { value: String(i + 1), tekst: naam })));
      wegdekLijst.selectedIndex = lijst.length ? Math.min(Math.max(keuze, 1), lijst.length) - 1 : -1;
    },
    Focus(k) {
      invoer[k].focus();
    },
  };
}
