// The tools beside the worksheet, each in a modal window: the tram's rail
// construction and the traffic-count conversion.

import { Maak, Markeer, ToonMelding, ZetStatus } from './meldingen.js';
import { Filter, Ring } from './vakken.js';

export function KiesRail(tabel, huidig) {
  const venster = document.getElementById('tramVenster');
  const keuze = document.getElementById('railKeuze');
  const knoppen = tabel.rail.map((naam, i) =>
    Maak('input', { type: 'radio', name: 'rail', id: `rail${i}`, value: String(i), checked: i === huidig }),
  );
  keuze.replaceChildren(
    keuze.querySelector('legend'),
    ...knoppen.map((k, i) => Maak('label', { class: 'schakelaar' }, k, ` ${tabel.rail[i]}`)),
  );
  return new Promise((klaar) => {
    const ok = document.getElementById('tramOk');
    const sluit = () => {
      venster.removeEventListener('close', bijSluiten);
      if (venster.open) venster.close();
      const gekozen = knoppen.findIndex((k) => k.checked);
      klaar(gekozen < 0 ? huidig : gekozen);
    };
    // A close event still queued from the box's last showing finds it open again: not ours.
    const bijSluiten = () => venster.open || sluit();
    ok.onclick = sluit;
    knoppen.forEach((k) => k.addEventListener('dblclick', sluit));
    venster.addEventListener('close', bijSluiten);
    venster.showModal();
    (knoppen[huidig] ?? knoppen[0]).focus();
  });
}

// The distribution (a daily count, hourly percentages, vehicle shares) into
// counts per period, and the counts into the worksheet's hourly intensities.
export function MaakOmrekenVenster(kern, tabel, { decimaal, bijToepassen }) {
  const venster = document.getElementById('omrekenVenster');
  const hint = document.getElementById('omrekenHint');
  const { omreken } = tabel;
  const Raster = (id, rijen, eigen, soort, eerste) =>
    MaakOmrekenRaster(document.getElementById(id), { kern, tabel, hint, rijen, eigen, soort, eerste });
  const verd = Raster('verdeling', omreken.verdeling, omreken.verdelingVakken, 0, true);
  const aantal = Raster('aantallen', omreken.aantallen, omreken.aantallenVakken, 1, false);
  Ring(verd);
  Ring(aantal);
  document.getElementById('omrekenKnop').onclick = () => RekenOm(kern, tabel, verd, aantal);
  document.getElementById('toepasKnop').onclick = () => PasToe(kern, venster, aantal, bijToepassen);
  document.getElementById('omrekenSluit').onclick = () => venster.close();
  LeegOmreken(omreken, verd, aantal, decimaal());
  return () => {
    venster.showModal();
    verd[0].focus();
  };
}

// One grid of the conversion: a caption per row, a heading per period and a
// field per period (the distribution's first row has one wide field). Gives
// the fields in the order the core numbers them.
function MaakOmrekenRaster(raster, { kern, tabel, hint, rijen, eigen, soort, eerste }) {
  const vakken = [];
  let r = 1;
  const Zet = (e, rij, kolom, breedte = 1) => {
    e.style.gridRow = String(rij);
    e.style.gridColumn = `${kolom} / span ${breedte}`;
    raster.append(e);
  };
  const Vak = (rij, id, labelledby) => {
    const e = OmrekenVak(kern, { id, labelledby, soort, index: vakken.length, tekens: eigen[vakken.length].tekens });
    e.addEventListener('focus', () => {
      hint.textContent = rijen[rij].hint;
    });
    vakken.push(e);
    return e;
  };
  const start = eerste ? 1 : 0;
  if (eerste) {
    Zet(Maak('span', { id: `${raster.id}Rij0`, tekst: rijen[0].bijschrift }), r, 1);
    Zet(Vak(0, `${raster.id}0`, `${raster.id}Rij0`), r++, 2, 3);
  }
  tabel.periodes.forEach((p, i) => Zet(Maak('span', { id: `${raster.id}Kop${i}`, class: 'kolomkop', tekst: p }), r, 2 + i));
  r++;
  for (let rij = start; rij < rijen.length; rij++, r++) {
    Zet(Maak('span', { id: `${raster.id}Rij${rij}`, class: 'rijkop', tekst: rijen[rij].bijschrift }), r, 1);
    for (let p = 0; p < 3; p++) {
      Zet(Vak(rij, `${raster.id}${vakken.length}`, `${raster.id}Rij${rij} ${raster.id}Kop${p}`), r, 2 + p);
    }
  }
  return vakken;
}

// A field of the conversion, checked by the core when it is left.
function OmrekenVak(kern, { id, labelledby, soort, index, tekens }) {
  const e = Maak('input', { type: 'text', id, class: 'veld getal', autocomplete: 'off', inputMode: 'decimal' });
  e.setAttribute('aria-labelledby', labelledby);
  e.addEventListener('blur', () => {
    const v = kern.ValideerOmreken(soort, index, e.value);
    if (v.geldig) e.value = v.tekst;
    Markeer(e, v.geldig ? '' : v.uitleg);
  });
  Filter(e, tekens);
  return e;
}

function LeegOmreken(omreken, verd, aantal, decimaal) {
  const nul = (patroon) => (patroon === '#0' ? '0' : `0${decimaal}00`);
  verd.forEach((e, i) => (e.value = nul(omreken.verdelingVakken[i].patroon)));
  aantal.forEach((e, i) => (e.value = nul(omreken.aantallenVakken[i].patroon)));
  [...verd, ...aantal].forEach((e) => Markeer(e, ''));
}

// The distribution into counts; a refusal or a warning keeps the counts as they were.
async function RekenOm(kern, tabel, verd, aantal) {
  const r = kern.Omreken(verd.map((e) => e.value));
  if (r.ongeldig !== undefined) {
    Markeer(verd[r.ongeldig], r.uitleg);
    verd[r.ongeldig].focus();
    return;
  }
  r.teksten.forEach((t, i) => (verd[i].value = t));
  if (r.melding) {
    await ToonMelding(r.melding, tabel.titelWaarschuwing);
    verd[r.focus].focus();
    return;
  }
  for (const { vak, tekst } of r.aantallen) aantal[vak].value = tekst;
  aantal[0].focus();
}

function PasToe(kern, venster, aantal, bijToepassen) {
  const r = kern.Toepassen(aantal.map((e) => e.value));
  if (r.ongeldig !== undefined) {
    Markeer(aantal[r.ongeldig], r.uitleg);
    aantal[r.ongeldig].focus();
    return;
  }
  bijToepassen(r.velden);
  ZetStatus('De intensiteiten zijn in het rekenblad gezet (groen).');
  venster.close();
}
