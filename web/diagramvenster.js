// The level-distance diagram in its window: the largest distance asked, the
// target level with the distance where it is met, the distance axis linear
// or logarithmic, the level under the pointer (or the arrow keys) computed
// by the core, and the rows as CSV, the picture as PNG or SVG.

import { BiedAan, Markeer, ToonMelding } from './meldingen.js';
import { AfstandAs, AfstandOp, LosseSvg, PngVan, TekenDiagram } from './diagram.js';
import { Filter, Ring, ZetBijschrift } from './vakken.js';

// The pointer's keys move it a hundredth of the axis; Home and End to its ends.
const kMuisStappen = 100;

// The window's controls and the drawing it shows.
function DiagramBediening(kern, tabel, zetWerkblad, toonControle) {
  return {
    kern, zetWerkblad, toonControle,
    t: tabel.diagram,
    venster: document.getElementById('diagramVenster'),
    afstand: document.getElementById('diagramAfstand'),
    doelVak: document.getElementById('diagramDoel'),
    log: document.getElementById('diagramLog'),
    svg: document.getElementById('diagram'),
    muisTekst: document.getElementById('diagramMuis'),
    diagram: null,  // the last drawing, with the text of the distance it was drawn for
    doel: null,
    muis: null,
    muisX: null,  // the pointer's place on the axis, in the picture's units
  };
}

const TekenOpnieuw = (e) => TekenDiagram(e.svg, e.diagram, e.doel, e.t, { log: e.log.checked, muis: e.muis });

// The level at the pointer's place x, or the hint where it points at nothing (null).
function ToonMuis(e, x) {
  e.muisX = x;
  const d = x === null ? null : AfstandOp(e.diagram, e.log.checked, x, (e.svg.viewBox.baseVal.height || 400) / 2);
  e.muis = d === null ? null : e.kern.DiagramPunt(d);
  e.muisTekst.textContent = e.muis ? e.muis.tekst : e.diagram.muisUitleg;
  TekenOpnieuw(e);
}

function ToonDoel(e) {
  if (!e.diagram) return;
  const d = e.kern.AfstandVoor(e.doelVak.value);
  Markeer(e.doelVak, d.fout ?? '');
  document.getElementById('diagramDoelTekst').textContent = d.fout ?? d.tekst;
  e.doel = d.fout ? null : d;
  TekenOpnieuw(e);
}

// The diagram of the distance the box shows; false when there is none to show.
async function TekenGevraagd(e) {
  e.zetWerkblad();
  const gevraagd = e.afstand.value;
  const r = e.kern.Diagram(gevraagd);
  if (r.fout && !r.weergave) {
    await ToonMelding(r.fout, e.t.titel);
    e.afstand.focus();
    return false;
  }
  if (r.weigering || r.melding) {
    e.venster.close();
    await e.toonControle(r);
    if (r.melding) await ToonMelding(r.melding, e.t.titel);
    return false;
  }
  e.diagram = { ...r, gevraagd };
  e.muis = null;
  e.muisTekst.textContent = r.muisUitleg;
  document.getElementById('diagramEigen').textContent = r.eigen.tekst;
  ToonDoel(e);
  return true;
}

// The pointer over the picture, or moved by the keys while it has the focus.
function VerbindMuis(e) {
  const Plek = (ev) => {
    const p = new DOMPoint(ev.clientX, ev.clientY).matrixTransform(e.svg.getScreenCTM().inverse());
    return AfstandOp(e.diagram, e.log.checked, p.x, p.y) === null ? null : p.x;
  };
  e.svg.addEventListener('pointermove', (ev) => e.diagram && ToonMuis(e, Plek(ev)));
  e.svg.addEventListener('pointerleave', () => e.diagram && ToonMuis(e, null));
  e.svg.addEventListener('blur', () => e.diagram && ToonMuis(e, null));
  e.svg.addEventListener('keydown', (ev) => {
    if (!e.diagram || !['ArrowLeft', 'ArrowRight', 'Home', 'End'].includes(ev.key)) return;
    ev.preventDefault();
    const { bx, ex } = AfstandAs(e.diagram.s, e.log.checked);
    const stap = (ex - bx) / kMuisStappen;
    const x = e.muisX ?? bx;
    const nieuw = { ArrowLeft: x - stap, ArrowRight: x + stap, Home: bx, End: ex }[ev.key];
    ToonMuis(e, Math.min(Math.max(nieuw, bx), ex));
  });
  for (const knop of [e.log, document.getElementById('diagramLineair')]) {
    knop.addEventListener('change', () => e.diagram && ToonMuis(e, null));
  }
}

// An export holds what the box asks for, drawn first when it was not yet.
function VerbindOpslaan(e) {
  const Actueel = async () => (e.diagram && e.diagram.gevraagd === e.afstand.value) || TekenGevraagd(e);
  const Bied = (id, maak, naam, soort) => {
    document.getElementById(id).onclick = async () => {
      if (await Actueel()) BiedAan(await maak(), naam, soort);
    };
  };
  Bied('diagramCsv', () => e.diagram.csv, 'diagram.csv', 'text/csv');
  Bied('diagramSvg', () => new TextEncoder().encode(LosseSvg(e.svg)), 'diagram.svg', 'image/svg+xml');
  Bied('diagramPng', () => PngVan(LosseSvg(e.svg)), 'diagram.png', 'image/png');
}

// zetWerkblad hands the fields to the core; toonControle shows a refused check on them.
export function MaakDiagramVenster(kern, tabel, { zetWerkblad, toonControle }) {
  const e = DiagramBediening(kern, tabel, zetWerkblad, toonControle);
  const { t, afstand, doelVak } = e;
  document.getElementById('diagramVraag').textContent = t.vraag;
  document.getElementById('diagramKop').textContent = t.titel;
  ZetBijschrift(document.getElementById('diagramDoelBijschrift'), t.doelBijschrift, doelVak);
  document.getElementById('diagramAsBijschrift').textContent = t.afstandsas;
  ZetBijschrift(document.getElementById('diagramLineairBijschrift'), t.lineair, document.getElementById('diagramLineair'));
  ZetBijschrift(document.getElementById('diagramLogBijschrift'), t.logaritmisch, e.log);
  Filter(afstand, tabel.getalTekens);
  Filter(doelVak, tabel.getalTekens);
  Ring([afstand, doelVak]);
  document.getElementById('diagramTeken').onclick = () => TekenGevraagd(e);
  afstand.addEventListener('keydown', (ev) => ev.key === 'Enter' && TekenGevraagd(e));
  afstand.addEventListener('change', () => e.venster.open && TekenGevraagd(e));
  doelVak.addEventListener('change', () => ToonDoel(e));
  doelVak.addEventListener('keydown', (ev) => ev.key === 'Enter' && ToonDoel(e));
  VerbindMuis(e);
  VerbindOpslaan(e);
  document.getElementById('diagramSluit').onclick = () => e.venster.close();

  return async () => {
    if (!afstand.value) afstand.value = t.standaard;
    if (!doelVak.value) doelVak.value = String(t.doelStandaard);
    e.venster.showModal();
    await TekenGevraagd(e);
    if (e.venster.open) afstand.focus();
  };
}
