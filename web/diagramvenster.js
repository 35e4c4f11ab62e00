// The level-distance diagram in its window: the largest distance asked, the
// target level with the distance where it is met, the distance axis linear
// or logarithmic, the level under the pointer (or the arrow keys) computed
// by the core, and the rows as CSV, the picture as PNG or SVG.

import { BiedAan, Markeer, ToonMelding } from './meldingen.js';
import { AfstandAs, AfstandOp, LosseSvg, PngVan, TekenDiagram } from './diagram.js';
import { Filter, Ring, ZetBijschrift } from './vakken.js';

// The pointer's keys move it a hundredth of the axis; Home and End to its ends.
const kMuisStappen = 100;

// zetWerkblad hands the fields to the core; toonControle shows a refused check on them.
export function MaakDiagramVenster(kern, tabel, { zetWerkblad, toonControle }) {
  const venster = document.getElementById('diagramVenster');
  const afstand = document.getElementById('diagramAfstand');
  const doelVak = document.getElementById('diagramDoel');
  const log = document.getElementById('diagramLog');
  const svg = document.getElementById('diagram');
  const muisTekst = document.getElementById('diagramMuis');
  const t = tabel.diagram;
  let diagram = null;  // the last drawing, with the text of the distance it was drawn for
  let doel = null;
  let muis = null;
  let muisX = null;  // the pointer's place on the axis, in the picture's units
  document.getElementById('diagramVraag').textContent = t.vraag;
  document.getElementById('diagramKop').textContent = t.titel;
  ZetBijschrift(document.getElementById('diagramDoelBijschrift'), t.doelBijschrift, doelVak);
  document.getElementById('diagramAsBijschrift').textContent = t.afstandsas;
  ZetBijschrift(document.getElementById('diagramLineairBijschrift'), t.lineair, document.getElementById('diagramLineair'));
  ZetBijschrift(document.getElementById('diagramLogBijschrift'), t.logaritmisch, log);
  Filter(afstand, tabel.getalTekens);
  Filter(doelVak, tabel.getalTekens);
  Ring([afstand, doelVak]);

  const Teken = () => TekenDiagram(svg, diagram, doel, t, { log: log.checked, muis });
  const ToonMuis = (x) => {
    muisX = x;
    const d = x === null ? null : AfstandOp(diagram, log.checked, x, (svg.viewBox.baseVal.height || 400) / 2);
    muis = d === null ? null : kern.DiagramPunt(d);
    muisTekst.textContent = muis ? muis.tekst : diagram.muisUitleg;
    Teken();
  };
  const Doel = () => {
    if (!diagram) return;
    const d = kern.AfstandVoor(doelVak.value);
    Markeer(doelVak, d.fout ?? '');
    document.getElementById('diagramDoelTekst').textContent = d.fout ?? d.tekst;
    doel = d.fout ? null : d;
    Teken();
  };
  // The diagram of the distance the box shows; false when there is none to show.
  const Bereken = async () => {
    zetWerkblad();
    const gevraagd = afstand.value;
    const r = kern.Diagram(gevraagd);
    if (r.fout && !r.weergave) {
      await ToonMelding(r.fout, t.titel);
      afstand.focus();
      return false;
    }
    if (r.weigering || r.melding) {
      venster.close();
      await toonControle(r);
      if (r.melding) await ToonMelding(r.melding, t.titel);
      return false;
    }
    diagram = { ...r, gevraagd };
    muis = null;
    muisTekst.textContent = r.muisUitleg;
    document.getElementById('diagramEigen').textContent = r.eigen.tekst;
    Doel();
    return true;
  };
  // An export holds what the box asks for, drawn first when it was not yet.
  const Actueel = async () => (diagram && diagram.gevraagd === afstand.value) || Bereken();

  document.getElementById('diagramTeken').onclick = Bereken;
  afstand.addEventListener('keydown', (ev) => ev.key === 'Enter' && Bereken());
  afstand.addEventListener('change', () => venster.open && Bereken());
  doelVak.addEventListener('change', Doel);
  doelVak.addEventListener('keydown', (ev) => ev.key === 'Enter' && Doel());
  for (const knop of [log, document.getElementById('diagramLineair')]) {
    knop.addEventListener('change', () => diagram && ToonMuis(null));
  }
  const Plek = (ev) => {
    const p = new DOMPoint(ev.clientX, ev.clientY).matrixTransform(svg.getScreenCTM().inverse());
    return AfstandOp(diagram, log.checked, p.x, p.y) === null ? null : p.x;
  };
  svg.addEventListener('pointermove', (ev) => diagram && ToonMuis(Plek(ev)));
  svg.addEventListener('pointerleave', () => diagram && ToonMuis(null));
  svg.addEventListener('blur', () => diagram && ToonMuis(null));
  svg.addEventListener('keydown', (ev) => {
    if (!diagram || !['ArrowLeft', 'ArrowRight', 'Home', 'End'].includes(ev.key)) return;
    ev.preventDefault();
    const { bx, ex } = AfstandAs(diagram.s, log.checked);
    const stap = (ex - bx) / kMuisStappen;
    const x = muisX ?? bx;
    const nieuw = { ArrowLeft: x - stap, ArrowRight: x + stap, Home: bx, End: ex }[ev.key];
    ToonMuis(Math.min(Math.max(nieuw, bx), ex));
  });
  document.getElementById('diagramCsv').onclick = async () => {
    if (await Actueel()) BiedAan(diagram.csv, 'diagram.csv', 'text/csv');
  };
  document.getElementById('diagramSvg').onclick = async () => {
    if (await Actueel()) BiedAan(new TextEncoder().encode(LosseSvg(svg)), 'diagram.svg', 'image/svg+xml');
  };
  document.getElementById('diagramPng').onclick = async () => {
    if (await Actueel()) BiedAan(await PngVan(LosseSvg(svg)), 'diagram.png', 'image/png');
  };
  document.getElementById('diagramSluit').onclick = () => venster.close();

  return async () => {
    if (!afstand.value) afstand.value = t.standaard;
    if (!doelVak.value) doelVak.value = String(t.doelStandaard);
    venster.showModal();
    await Bereken();
    if (venster.open) afstand.focus();
  };
}
