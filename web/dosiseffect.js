// The dose-effect relation of the last calculation as the window shows it:
// the share of annoyed residents as three bars with their whole percentages
// over them, the chart's title and its source below; outside the band of the
// relation only the core's notice.

import { Svg } from './diagram.js';

const kStaafBreed = 480;
const kStaafHoog = 320;
const kStaafMarge = { links: 48, rechts: 16, boven: 44, onder: 36 };
const kSchaal = 100;  // percent
const kStreepjes = 10;
const kStaafDeel = 0.6;  // of each category's width

// d: the core's dosisEffect answer.
export function TekenDosisEffect(svg, d) {
  const bx = kStaafMarge.links;
  const ex = kStaafBreed - kStaafMarge.rechts;
  const by = kStaafMarge.boven;
  const ey = kStaafHoog - kStaafMarge.onder;
  const Y = (v) => ey - ((ey - by) * v) / kSchaal;
  const breedte = (ex - bx) / d.kolommen.length;
  svg.setAttribute('viewBox', `0 0 ${kStaafBreed} ${kStaafHoog}`);
  svg.replaceChildren(
    Svg('title', {}, d.grafiekTitel),
    Svg('text', { x: kStaafBreed / 2, y: 24, 'text-anchor': 'middle', class: 'titel' }, d.grafiekTitel),
  );
  for (let i = 0; i <= kStreepjes; i++) {
    const v = (kSchaal * i) / kStreepjes;
    svg.append(Svg('line', { x1: bx, x2: ex, y1: Y(v), y2: Y(v), class: 'raster' }));
    svg.append(Svg('text', { x: bx - 6, y: Y(v) + 4, 'text-anchor': 'end' }, String(v)));
  }
  svg.append(Svg('rect', { x: bx, y: by, width: ex - bx, height: ey - by, class: 'rand' }));
  d.kolommen.forEach((kolom, i) => {
    const midden = bx + breedte * (i + 0.5);
    const w = Math.max(0, Math.min(kSchaal, d.waarden[i]));
    svg.append(Svg('rect', { x: midden - (breedte * kStaafDeel) / 2, y: Y(w), width: breedte * kStaafDeel, height: ey - Y(w), class: 'staaf' }));
    svg.append(Svg('text', { x: midden, y: Y(w) - 4, 'text-anchor': 'middle', class: 'label' }, d.labels[i]));
    svg.append(Svg('text', { x: midden, y: ey + 18, 'text-anchor': 'middle' }, kolom));
  });
}

// laatste(): the last calculation's answer, after a calculation when the results are not current; null when refused.
export function MaakDosisEffect({ laatste }) {
  const venster = document.getElementById('dosisVenster');
  document.getElementById('dosisSluit').onclick = () => venster.close();
  return async () => {
    const r = await laatste();
    if (!r) return;
    const d = r.dosisEffect;
    document.getElementById('dosisKop').textContent = d.titel;
    const svg = document.getElementById('dosisGrafiek');
    svg.toggleAttribute('hidden', !d.binnenBand);  // an SVG element has no hidden property
    document.getElementById('dosisVoetnoot').textContent = d.binnenBand ? d.voetnoot : '';
    document.getElementById('dosisMelding').textContent = d.binnenBand ? '' : d.melding;
    if (d.binnenBand) TekenDosisEffect(svg, d);
    venster.showModal();
    document.getElementById('dosisSluit').focus();
  };
}
