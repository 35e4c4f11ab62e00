// The level-distance diagram as SVG: Lden without the deduction per metre,
// the worksheet's own point, the line of a target level with the distance
// where Lden after the deduction meets it, and the point under the pointer;
// the distance axis linear or logarithmic, as in the window.

const kSvg = 'http://www.w3.org/2000/svg';
const kBreed = 760;
const kHoog = 400;
const kMarge = { links: 64, rechts: 24, boven: 16, onder: 52 };

export function Svg(soort, eigenschappen = {}, tekst = '') {
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

// The distance axis: where a distance stands, which distance stands at x,
// and its ticks. The logarithmic one runs from 1 m to the diagram's distance,
// at least 10 m, with a labelled tick at each power of ten and a tick
// between them at each whole multiple.
export function AfstandAs(s, log) {
  const bx = kMarge.links;
  const ex = kBreed - kMarge.rechts;
  if (!log) {
    const stap = Stap(s);
    const streepjes = [];
    for (let d = 0; d <= s; d += stap) streepjes.push({ afstand: d, label: String(d) });
    return { bx, ex, X: (d) => bx + ((ex - bx) * d) / s, Afstand: (x) => ((x - bx) / (ex - bx)) * s, streepjes, van: 0 };
  }
  const decaden = Math.log10(Math.max(s, 10));
  const streepjes = [];
  for (let macht = 1; macht <= Math.max(s, 10); macht *= 10) {
    streepjes.push({ afstand: macht, label: String(macht) });
    for (let k = 2; k <= 9 && k * macht <= Math.max(s, 10); k++) streepjes.push({ afstand: k * macht, label: '' });
  }
  return {
    bx,
    ex,
    X: (d) => bx + ((ex - bx) * Math.log10(d)) / decaden,
    Afstand: (x) => 10 ** (((x - bx) / (ex - bx)) * decaden),
    streepjes,
    van: 1,
  };
}

const kBoven = kMarge.boven;
const kOnder = kHoog - kMarge.onder;

// The level axis: where a level stands.
function NiveauY(ymin, ymax) {
  return (l) => kOnder - ((kOnder - kBoven) * (l - ymin)) / (ymax - ymin || 1);
}

// diagram: the core's answer; doel: the target's answer or null; teksten: the
// axis captions; log: the distance axis; muis: the pointer's point or null.
export function TekenDiagram(svg, diagram, doel, teksten, { log = false, muis = null } = {}) {
  const { s, ymin, ymax, delingen, lden } = diagram;
  const as = AfstandAs(s, log);
  const { bx, ex, X } = as;
  const Y = NiveauY(ymin, ymax);
  svg.setAttribute('viewBox', `0 0 ${kBreed} ${kHoog}`);
  svg.replaceChildren(Svg('title', { id: 'diagramTitel' }, teksten.titel));

  const raster = Svg('g', { class: 'raster' });
  for (let i = 0; i <= delingen; i++) {
    const l = ymin + ((ymax - ymin) * i) / (delingen || 1);
    raster.append(Svg('line', { x1: bx, x2: ex, y1: Y(l), y2: Y(l) }));
    raster.append(Svg('text', { x: bx - 8, y: Y(l) + 4, 'text-anchor': 'end' }, String(l)));
  }
  for (const { afstand, label } of as.streepjes) {
    raster.append(Svg('line', { x1: X(afstand), x2: X(afstand), y1: kBoven, y2: kOnder, class: label ? 'hoofd' : 'tussen' }));
    if (label) raster.append(Svg('text', { x: X(afstand), y: kOnder + 18, 'text-anchor': 'middle' }, label));
  }
  raster.append(Svg('text', { x: (bx + ex) / 2, y: kHoog - 10, 'text-anchor': 'middle', class: 'as' }, teksten.asAfstand));
  raster.append(
    Svg('text', { x: 16, y: (kBoven + kOnder) / 2, 'text-anchor': 'middle', class: 'as', transform: `rotate(-90 16 ${(kBoven + kOnder) / 2})` },
      teksten.asNiveau),
  );
  svg.append(raster, Svg('rect', { x: bx, y: kBoven, width: ex - bx, height: kOnder - kBoven, class: 'rand' }));

  const punten = lden.map((l, i) => `${X(i + 1).toFixed(2)},${Y(Math.max(ymin, Math.min(ymax, l))).toFixed(2)}`);
  svg.append(Svg('polyline', { points: punten.join(' '), class: 'lijn' }));

  const Merk = (d, l, tekst, klasse) => {
    if (d > s || d < as.van || l < ymin || l > ymax) return;
    svg.append(Svg('circle', { cx: X(d), cy: Y(l), r: klasse === 'muis' ? 4 : 5, class: klasse }));
    const rechts = X(d) > (bx + ex) / 2;
    svg.append(Svg('text', { x: X(d) + (rechts ? -8 : 8), y: Y(l) - 8, 'text-anchor': rechts ? 'end' : 'start', class: klasse }, tekst));
  };
  Merk(diagram.eigen.afstand, diagram.eigen.lden, diagram.eigen.label, 'rekenpunt');
  if (doel && doel.lijn >= ymin && doel.lijn <= ymax) {
    svg.append(Svg('line', { x1: bx, x2: ex, y1: Y(doel.lijn), y2: Y(doel.lijn), class: 'doel' }));
    // Left of the crossing a falling line runs above the target, right of it
    // below: the text goes under the target's left end when it fits before
    // the crossing, else over its right end, as in the window.
    const tekst = Svg('text', { class: 'doel' }, doel.lijnTekst);
    svg.append(tekst);
    const snijX = doel.gevonden && doel.afstand <= s ? X(doel.afstand) : ex;
    const links = snijX - bx >= tekst.getComputedTextLength() + 12;
    for (const [naam, waarde] of Object.entries(links ? { x: bx + 4, y: Y(doel.lijn) + 14, 'text-anchor': 'start' } : { x: ex - 4, y: Y(doel.lijn) - 6, 'text-anchor': 'end' })) {
      tekst.setAttribute(naam, waarde);
    }
    if (doel.gevonden) Merk(doel.afstand, doel.lden, doel.afstandTekst, 'snijpunt');
  }
  if (muis) Merk(muis.afstand, muis.lden, muis.label, 'muis');
}

// The distance under a point of the picture (in its own units), or null outside the plot area.
export function AfstandOp(diagram, log, x, y) {
  const as = AfstandAs(diagram.s, log);
  if (x < as.bx || x > as.ex || y < kBoven || y > kOnder) return null;
  return Math.min(Math.max(as.Afstand(x), as.van), diagram.s);
}

// The picture as a file of its own: the page's rules for it inside, so that it looks the same elsewhere.
export function LosseSvg(svg) {
  const kopie = svg.cloneNode(true);
  kopie.setAttribute('xmlns', kSvg);
  kopie.setAttribute('width', kBreed);
  kopie.setAttribute('height', kHoog);
  const stijl = getComputedStyle(svg);
  kopie.setAttribute('style', `font: ${stijl.font}; background: #fff`);
  const regels = [];
  for (const blad of document.styleSheets) {
    for (const regel of blad.cssRules) {
      if (regel.selectorText?.startsWith(`#${svg.id} `)) regels.push(regel.cssText.replaceAll(`#${svg.id} `, ''));
    }
  }
  kopie.prepend(Svg('style', {}, regels.join('\n')));
  kopie.prepend(Svg('rect', { width: kBreed, height: kHoog, fill: '#fff' }));
  return new XMLSerializer().serializeToString(kopie);
}

// The picture as PNG bytes, at twice its size for print.
export async function PngVan(svgTekst) {
  const url = URL.createObjectURL(new Blob([svgTekst], { type: 'image/svg+xml' }));
  try {
    const beeld = new Image();
    beeld.src = url;
    await beeld.decode();
    const doek = document.createElement('canvas');
    doek.width = kBreed * 2;
    doek.height = kHoog * 2;
    doek.getContext('2d').drawImage(beeld, 0, 0, doek.width, doek.height);
    const blob = await new Promise((klaar) => doek.toBlob(klaar, 'image/png'));
    return new Uint8Array(await blob.arrayBuffer());
  } finally {
    URL.revokeObjectURL(url);
  }
}
