// The WebAssembly core behind one object: texts in, JSON out, and the
// bytes of a file where a question makes one. Every rule stays in the core;
// this only carries the questions and the answers.

const kCodeer = new TextEncoder();

// fabriek: the Emscripten module's factory; wasm: its WebAssembly bytes.
export async function MaakKern(fabriek, wasm) {
  const m = await fabriek({ wasmBinary: wasm });
  const verbinding = Verbinding(m);
  return {
    ...WerkbladVragen(m, verbinding),
    ...CatalogusVragen(m, verbinding),
    ...GereedschapVragen(m, verbinding),
    ...CumulatieVragen(m, verbinding),
    ...OnderzoekVragen(m, verbinding),
  };
}

// How the page talks to the core: a question's texts in, an answer (JSON)
// and a file's bytes out.
function Verbinding(m) {
  // A question's texts (strings, or bytes of a file) as the core reads them:
  // per text a 32-bit little-endian length, then its UTF-8 bytes.
  function Vraag(teksten) {
    const delen = teksten.map((t) => (typeof t === 'string' ? kCodeer.encode(t) : t));
    const lengte = delen.reduce((n, d) => n + 4 + d.length, 0);
    const begin = m._WebVraag(lengte);
    const geheugen = m.HEAPU8;  // read after the call: the memory may have grown
    const lezer = new DataView(geheugen.buffer);
    let i = begin;
    for (const d of delen) {
      lezer.setUint32(i, d.length, true);
      geheugen.set(d, i + 4);
      i += 4 + d.length;
    }
  }
  const Antwoord = (p) => JSON.parse(m.UTF8ToString(p));
  const Bytes = () => {
    const p = m._WebBytes();
    return m.HEAPU8.slice(p, p + m._WebBytesLengte());
  };
  const Met = (teksten, roep) => {
    Vraag(teksten);
    return roep();
  };
  return { Met, Antwoord, Bytes };
}

// The worksheet: the fields' table, checking, calculating, reading and writing.
function WerkbladVragen(m, { Met, Antwoord, Bytes }) {
  return {
    Tabel: () => Antwoord(m._WebTabel()),
    // decimaal ',' or '.'; datum a Date: the day decides the 110g deduction.
    ZetInstellingen: (decimaal, datum) =>
      m._WebZetInstellingen(decimaal.charCodeAt(0), datum.getFullYear(), datum.getMonth() + 1, datum.getDate()),
    LeegWerkblad: () => Antwoord(m._WebLeegWerkblad()),
    Valideer: (k, tekst) => Met([tekst], () => Antwoord(m._WebValideer(k))),
    VerlaatToelichting: (tekst) => Met([tekst], () => Antwoord(m._WebVerlaatToelichting()).tekst),
    // w: {velden[40], toelichting[4], bewerkt[4], wegdek, zone, aftrek, rail}
    ZetWerkblad: (w) =>
      Met([...w.velden, ...w.toelichting], () =>
        m._WebZetWerkblad(w.wegdek, w.zone ? 1 : 0, w.aftrek ? 1 : 0, w.rail,
          (w.bewerkt ?? []).reduce((masker, b, i) => masker | (b ? 1 << i : 0), 0))),
    Bereken: () => Antwoord(m._WebBereken()),
    LeesRekenblad: (bytes) => Met([bytes], () => Antwoord(m._WebLeesRekenblad())),
    // The file name proposed for the worksheet last handed over.
    RekenbladNaam: () => Antwoord(m._WebRekenbladNaam()).naam,
    SchrijfRekenblad: () => {
      const a = Antwoord(m._WebSchrijfRekenblad());
      return { ...a, bytes: a.weigering ? null : Bytes() };
    },
  };
}

// The road-surface catalogue and the user's name in it: the catalogue's
// bytes come with the answer, for the browser to keep.
function CatalogusVragen(m, { Met, Antwoord, Bytes }) {
  // A catalogue taken: its list, and its file's bytes to keep.
  const MetBytes = (a) => (a.fout ? a : { ...a, bytes: Bytes() });
  return {
    LaadCatalogus: (bytes, naam) => Met([bytes, naam], () => MetBytes(Antwoord(m._WebLaadCatalogus()))),
    // The base64 text the browser kept.
    LaadBewaard: (tekst) => Met([tekst], () => MetBytes(Antwoord(m._WebLaadBewaard()))),
    Catalogus: () => ({ ...Antwoord(m._WebCatalogus()), bytes: Bytes() }),
    // bytes: the table file's.
    PlanImport: (bytes, naam) => Met([bytes, naam], () => Antwoord(m._WebPlanImport())),
    VoerImportUit: () => ({ ...Antwoord(m._WebVoerImportUit()), bytes: Bytes() }),
    ExporteerWegdekken: () => (m._WebExporteerWegdekken(), Bytes()),
    ZetGebruiker: (naam) => Met([naam], () => ({ ...Antwoord(m._WebZetGebruiker()), bytes: Bytes() })),
  };
}

// The cumulation: every step answers with the tables and the CSV file in csv.
function CumulatieVragen(m, { Met, Antwoord, Bytes }) {
  return {
    Cumulatie: () => ({ ...Antwoord(m._WebCumulatie()), csv: Bytes() }),
    CumulatieLeeg: () => ({ ...Antwoord(m._WebCumulatieLeeg()), csv: Bytes() }),
    CumulatieVerwijder: (i) => ({ ...Antwoord(m._WebCumulatieVerwijder(i)), csv: Bytes() }),
    CumulatieVoegToe: (naam, bytes) => Met([naam, bytes], () => ({ ...Antwoord(m._WebCumulatieVoegToe()), csv: Bytes() })),
    CumulatieHuidig: (naam) => Met([naam], () => ({ ...Antwoord(m._WebCumulatieHuidig()), csv: Bytes() })),
    // The heights typed; blank: each worksheet at its own.
    CumulatieHoogten: (hoogten) => Met([hoogten], () => ({ ...Antwoord(m._WebCumulatieHoogten()), csv: Bytes() })),
  };
}

// The study: its sheet's bytes go with every question, the page keeps them.
function OnderzoekVragen(m, { Met, Antwoord, Bytes }) {
  return {
    // The tables, and the study's outcome as a CSV file in csv.
    Onderzoek: (blad) => Met([blad], () => ({ ...Antwoord(m._WebOnderzoek()), csv: Bytes() })),
    // The worksheet on the page as a road: the new sheet in blad.
    OnderzoekVoegToe: (blad, ingevuld) => Met([blad], () => {
      const a = Antwoord(m._WebOnderzoekVoegToe(ingevuld ? 1 : 0));
      return a.fout === undefined ? { ...a, blad: Bytes() } : a;
    }),
    // The annex as the test's: its paper form, and the file in csv.
    OnderzoekBijlage: (blad, naam) => Met([blad, naam], () => ({ ...Antwoord(m._WebOnderzoekBijlage()), csv: Bytes() })),
  };
}

// The questions of the tools beside the worksheet.
function GereedschapVragen(m, { Met, Antwoord, Bytes }) {
  return {
    Diagram: (antwoord) => Met([antwoord], () => ({ ...Antwoord(m._WebDiagram()), csv: Bytes() })),
    AfstandVoor: (doel) => Met([doel], () => Antwoord(m._WebAfstandVoor())),
    DiagramPunt: (x) => Antwoord(m._WebDiagramPunt(x)),
    ValideerOmreken: (soort, vak, tekst) => Met([tekst], () => Antwoord(m._WebValideerOmreken(soort, vak))),
    Omreken: (teksten) => Met(teksten, () => Antwoord(m._WebOmreken())),
    Toepassen: (teksten) => Met(teksten, () => Antwoord(m._WebToepassen())),
    // The test against the limits: naam '' for a worksheet that is no file.
    ToetsingOpen: (naam) => Met([naam], () => Antwoord(m._WebToetsingOpen())),
    Toetsing: ({ situatie, hoogten, grenzen, maximum }) =>
      Met([hoogten, grenzen, maximum], () => Antwoord(m._WebToetsing(situatie))),
    // The annex of the last test: its paper form, and the file in csv.
    Bijlage: () => ({ ...Antwoord(m._WebBijlage()), csv: Bytes() }),
    // The road-surface editor: every step answers with the list and the catalogue's bytes.
    WegdekEditor: () => ({ ...Antwoord(m._WebWegdekEditor()), bytes: Bytes() }),
    WegdekBescherming: () => ({ ...Antwoord(m._WebWegdekBescherming()), bytes: Bytes() }),
    WegdekGekozen: (positie) => Antwoord(m._WebWegdekGekozen(positie)),
    WegdekBegin: (positie) => ({ ...Antwoord(m._WebWegdekBegin(positie)), bytes: Bytes() }),
    WegdekBevestig: (positie, teksten) =>
      Met(teksten, () => ({ ...Antwoord(m._WebWegdekBevestig(positie)), bytes: Bytes() })),
    WegdekWis: (positie, ja) => ({ ...Antwoord(m._WebWegdekWis(positie, ja ? 1 : 0)), bytes: Bytes() }),
    WegdekImporteer: (bytes, naam, ja) =>
      Met([bytes, naam], () => ({ ...Antwoord(m._WebWegdekOver(0, ja ? 1 : 0)), bytes: Bytes() })),
    WegdekPlak: (rijen, ja) => Met([rijen], () => ({ ...Antwoord(m._WebWegdekOver(1, ja ? 1 : 0)), bytes: Bytes() })),
    WegdekVeld: (tekst) => Met([tekst], () => Antwoord(m._WebWegdekVeld())),
  };
}
