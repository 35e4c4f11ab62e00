// The level-distance diagram as SVG: Lden without the deduction per metre,
// the worksheet's own point, and the line of a target level with the
// distance where Lden after the deduction meets it.

const kSvg = 'http://www.w3.org/2000/svg';
const kBreed = 760;
const kHoog = 400;
const kMarge = { links: 64, rechts: 24, boven: 16, onder: 52 };

function Svg(soort, eigenschappen = {}, tekst = '') {
  const e = document.createElementNS(kSvg, soort);
  for (const [naam, waarde] of Object.entries(eigenschappen)) e.setAttribute(naam, String(waarde));
  if (tekst) e.textContent = tekst;
  return e;
}

// Whole metres per tick so that about ten ticks fit.
function Stap(s) {
  for (const stap of [10, 20, 25, 50, 100, 200, 250]) if (s / stap <= 10) return stap;
  return 500;
}

// diagram: the core's answer; doel: the target's answer or null; teksten: the axis captions.
export function TekenDiagram(svg, diagram, doel, teksten) {
  const { s, ymin, ymax, delingen, lden } = diagram;
  const bx = kMarge.links;
  const ex = kBreed - kMarge.rechts;
  const by = kMarge.boven;
  const ey = kHoog - kMarge.onder;
  const X = (d) => bx + ((ex - bx) * d) / s;
  const Y = (l) => ey - ((ey - by) * (l - ymin)) / (ymax - ymin || 1);
  svg.setAttribute('viewBox', `0 0 ${kBreed} ${kHoog}`);
  svg.replaceChildren(Svg('title', { id: 'diagramTitel' }, teksten.titel));

  const raster = Svg('g', { class: 'raster' });
  for (let i = 0; i <= delingen; i++) {
    const l = ymin + ((ymax - ymin) * i) / (delingen || 1);
    raster.append(Svg('line', { x1: bx, x2: ex, y1: Y(l), y2: Y(l) }));
    raster.append(Svg('text', { x: bx - 8, y: Y(l) + 4, 'text-anchor': 'end' }, String(l)));
  }
  const stap = Stap(s);
  for (let d = 0; d <= s; d += stap) {
    raster.append(Svg('line', { x1: X(d), x2: X(d), y1: by, y2: ey }));
    raster.append(Svg('text', { x: X(d), y: ey + 18, 'text-anchor': 'middle' }, String(d)));
  }
  raster.append(Svg('text', { x: (bx + ex) / 2, y: kHoog - 10, 'text-anchor': 'middle', class: 'as' }, teksten.asAfstand));
  raster.append(
    Svg('text', { x: 16, y: (by + ey) / 2, 'text-anchor': 'middle', class: 'as', transform: `rotate(-90 16 ${(by + ey) / 2})` },
      teksten.asNiveau),
  );
  svg.append(raster, Svg('rect', { x: bx, y: by, width: ex - bx, height: ey - by, class: 'rand' }));

  const punten = lden.map((l, i) => `${X(i + 1).toFixed(2)},${Y(Math.max(ymin, Math.min(ymax, l))).toFixed(2)}`);
  svg.append(Svg('polyline', { points: punten.join(' '), class: 'lijn' }));

  const Merk = (d, l, tekst, klasse) => {
    if (d > s || l < ymin || l > ymax) return;
    svg.append(Svg('circle', { cx: X(d), cy: Y(l), r: 5, class: klasse }));
    const rechts = X(d) > (bx + ex) / 2;
    svg.append(Svg('text', { x: X(d) + (rechts ? -8 : 8), y: Y(l) - 8, 'text-anchor': rechts ? 'end' : 'start', class: klasse }, tekst));
  };
  Merk(diagram.eigen.afstand, diagram.eigen.lden, diagram.eigen.label, 'rekenpunt');
  if (doel && doel.lijn >= ymin && doel.lijn <= ymax) {
    svg.append(Svg('line', { x1: bx, x2: ex, y1: Y(doel.lijn), y2: Y(doel.lijn), class: 'doel' }));
    svg.append(Svg('text', { x: ex - 6, y: Y(doel.lijn) - 6, 'text-anchor': 'end', class: 'doel' }, doel.lijnTekst));
    if (doel.gevonden) Merk(doel.afstand, doel.lden, doel.afstandTekst, 'snijpunt');
  }
}
