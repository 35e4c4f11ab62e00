// What every part of the page shares: a modal box with one or two buttons,
// the status line and the notice under the toolbar, the toolbar's commands
// by name, and the user's files: chosen, read, written or downloaded.

// A message box; resolves with true for OK or Ja. Escape answers as the last
// button; a question may name it otherwise ("Annuleren") and make it the
// default, as where yes would be a claim.
export function ToonMelding(tekst, titel, { vraag = false, nee = 'Nee', standaardNee = false } = {}) {
  const venster = document.getElementById('melding');
  document.getElementById('meldingTitel').textContent = titel;
  document.getElementById('meldingTekst').textContent = tekst;
  const ja = document.getElementById('meldingJa');
  const neeKnop = document.getElementById('meldingNee');
  ja.textContent = vraag ? 'Ja' : 'OK';
  neeKnop.textContent = nee;
  neeKnop.hidden = !vraag;
  return new Promise((klaar) => {
    const sluit = (antwoord) => {
      venster.removeEventListener('close', bijSluiten);
      ja.onclick = neeKnop.onclick = null;
      if (venster.open) venster.close();
      klaar(antwoord);
    };
    // A close event still queued from the box's last showing finds it open again: not ours.
    const bijSluiten = () => venster.open || sluit(false);
    ja.onclick = () => sluit(true);
    neeKnop.onclick = () => sluit(false);
    venster.addEventListener('close', bijSluiten);
    venster.showModal();
    (vraag && standaardNee ? neeKnop : ja).focus();
  });
}

// The status line below the page; screen readers hear it.
export function ZetStatus(tekst) {
  document.getElementById('statusTekst').textContent = tekst;
}

// A notice that stays under the toolbar until it is taken away: what went
// wrong with keeping the user's data, with the buttons that set it right.
// knoppen: [{tekst, bij}].
export function ZetBericht(tekst, knoppen = []) {
  document.getElementById('berichtTekst').textContent = tekst;
  document.getElementById('berichtKnoppen').replaceChildren(
    ...knoppen.map(({ tekst: t, bij }) => Maak('button', { type: 'button', tekst: t, onclick: bij })),
  );
  document.getElementById('bericht').hidden = false;
}

export function WisBericht() {
  document.getElementById('bericht').hidden = true;
}

// A sentence of the core's with its {name}s filled in.
export function Zin(sjabloon, waarden = {}) {
  return sjabloon.replace(/\{(\w+)\}/g, (geheel, naam) => waarden[naam] ?? geheel);
}

// ---- commands

// The control of command `naam`: knopOpenen for openen.
// The core's page sentences filled in, and the reason a browser's error gives.
export function Zinnen(tabel) {
  return {
    T: (sleutel, waarden) => Zin(tabel.teksten[sleutel], waarden),
    Reden: (fout) => tabel.redenen[fout?.name] ?? tabel.redenen.standaard,
  };
}

// One kind of file's sentences: 'opgeslagen' is T's `${soort}Opgeslagen`.
export const ZinnenVan = (T, soort) => (sleutel, waarden) => T(`${soort}${sleutel[0].toUpperCase()}${sleutel.slice(1)}`, waarden);

export const KnopId = (naam) => `knop${naam[0].toUpperCase()}${naam.slice(1)}`;

// The toolbar: a button per command of the core's table that the page has.
export function BouwWerkbalk(balk, opdrachten) {
  balk.replaceChildren(
    ...opdrachten
      .filter((o) => !o.nietInPagina)
      .map((o) => {
        const knop = Maak('button', { type: 'button', id: KnopId(o.naam), tekst: o.knop, title: o.titel });
        if (o.toets) knop.setAttribute('aria-keyshortcuts', o.aria);
        return knop;
      }),
  );
}

// Registers what command `naam` does: its button and its key run it.
// Every part of the page registers its own; a later registration wins.
export function Opdracht(naam, uitvoeren) {
  const knop = document.getElementById(KnopId(naam));
  if (!knop) throw new Error(`Opdracht ${naam} heeft geen knop`);
  knop.onclick = () => {
    document.body.dataset.opdracht = naam;
    return uitvoeren();
  };
}

// A stand-in for a command no part has registered yet.
export function Voorlopig(naam, uitvoeren) {
  if (!document.getElementById(KnopId(naam)).onclick) Opdracht(naam, uitvoeren);
}

export function VoerUit(naam) {
  const knop = document.getElementById(KnopId(naam));
  if (!knop?.onclick) throw new Error(`Opdracht ${naam} doet niets`);
  knop.click();
}

// A key as the core's table writes it: "Ctrl+Shift+P", "Shift+F1", "F9".
export function ToetsNaam(ev) {
  const toets = ev.key.length === 1 ? ev.key.toUpperCase() : ev.key;
  const delen = [ev.ctrlKey || ev.metaKey ? 'Ctrl' : '', ev.shiftKey ? 'Shift' : '', ev.altKey ? 'Alt' : '', toets];
  return delen.filter(Boolean).join('+');
}

// ---- files

// The browser's file pickers (File System Access, in Chrome and Edge), or
// the stand-in a test puts in their place before the page loads.
const Kiezer = () => window.__tarvoKiezer ?? window;
export const KanSchrijven = () => typeof Kiezer().showSaveFilePicker === 'function';
const Typen = (soort) => [{ description: soort.beschrijving, accept: { [soort.type]: [soort.extensie] } }];
const Plek = (soort) => ({ id: `tarvo-${soort.extensie.slice(1)}`, startIn: 'documents', types: Typen(soort) });

// The picker's answer; null when the user cancelled.
async function Gekozen(vraag) {
  try {
    return await vraag();
  } catch (fout) {
    if (fout?.name === 'AbortError') return null;
    throw fout;
  }
}

// A file's first `maximum` + 1 bytes: a larger one is no file of ours, and
// the core says so without the page holding all of it.
async function Bytes(bestand, maximum) {
  return new Uint8Array(await (maximum === undefined ? bestand : bestand.slice(0, maximum + 1)).arrayBuffer());
}

async function Toestemming(handle, mode) {
  if (!handle.queryPermission || (await handle.queryPermission({ mode })) === 'granted') return;
  if ((await handle.requestPermission({ mode })) !== 'granted') throw new DOMException(mode, 'NotAllowedError');
}

export async function LeesHandle(handle, maximum) {
  await Toestemming(handle, 'read');
  const bestand = await handle.getFile();
  return { naam: bestand.name, bytes: await Bytes(bestand, maximum), handle };
}

// A file the user chooses to open: {naam, bytes, handle}; null on cancel.
// The handle, where the browser gives one, writes the same file again.
export async function KiesBestand(soort, maximum) {
  if (typeof Kiezer().showOpenFilePicker !== 'function') {
    const [bestand] = await KiesBestanden(soort.extensie, { maximum });
    return bestand ?? null;
  }
  const gekozen = await Gekozen(() => Kiezer().showOpenFilePicker(Plek(soort)));
  return gekozen ? LeesHandle(gekozen[0], maximum) : null;
}

// Where the user wants a new file; null on cancel.
export const KiesBewaarplek = (soort, naam) =>
  Gekozen(() => Kiezer().showSaveFilePicker({ ...Plek(soort), suggestedName: naam }));

// Writes the whole file; throws when it did not get there.
export async function SchrijfHandle(handle, bytes) {
  await Toestemming(handle, 'readwrite');
  const schrijver = await handle.createWritable();
  try {
    await schrijver.write(bytes);
    await schrijver.close();
  } catch (fout) {
    await schrijver.abort().catch(() => {});
    throw fout;
  }
}

// A new file: written where the user says, or offered as a download where
// the browser writes no files. {naam, handle}, handle null for a download;
// null on cancel; throws when the write failed.
async function BewaarBestand(soort, naam, bytes) {
  if (!KanSchrijven()) {
    BiedAan(bytes, naam, soort.type);
    return { naam, handle: null };
  }
  const handle = await KiesBewaarplek(soort, naam);
  if (!handle) return null;
  await SchrijfHandle(handle, bytes);
  return { naam: handle.name, handle };
}

// Saved only when the file is written: to `handle`, or where the user says.
// A browser that writes no files gets a download, which counts as saved only
// when the user says so. `zin(sleutel, waarden)` words it for the kind of
// file (opgeslagen, nietOpgeslagen, schrijfFout, aangeboden, downloadVraag,
// downloadBevestigd, titelOpslaan); `reden(fout)` the browser's error.
// Resolves with {naam, handle} (handle null for a download), or null when
// no file holds it.
export async function BewaarEerlijk({ soort, naam, bytes, handle = null, zin, reden }) {
  if (!KanSchrijven()) {
    BiedAan(bytes, naam, soort.type);
    ZetStatus(zin('aangeboden', { naam }));
    const vraag = { vraag: true, standaardNee: true };
    if (!(await ToonMelding(zin('downloadVraag', { naam }), zin('titelOpslaan'), vraag))) return null;
    ZetStatus(zin('downloadBevestigd', { naam }));
    return { naam, handle: null };
  }
  try {
    handle ??= await KiesBewaarplek(soort, naam);
    if (!handle) {
      ZetStatus(zin('nietOpgeslagen'));
      return null;
    }
    await SchrijfHandle(handle, bytes);
  } catch (fout) {
    const tekst = zin('schrijfFout', { naam: handle?.name ?? naam, reden: reden(fout) });
    ZetStatus(tekst);
    await ToonMelding(tekst, zin('titelOpslaan'));
    return null;
  }
  ZetStatus(zin('opgeslagen', { naam: handle.name }));
  return { naam: handle.name, handle };
}

// A file the user keeps beside the work: written where the user says, or
// offered as a download, and said which (zin 'opgeslagen' or 'aangeboden');
// a failed write said in a box titled `titel` (zin 'schrijfFout').
// {naam, handle, tekst}; null when nothing went.
export async function Exporteer({ soort, naam, bytes, zin, reden, titel }) {
  let r;
  try {
    r = await BewaarBestand(soort, naam, bytes);
  } catch (fout) {
    const tekst = zin('schrijfFout', { naam, reden: reden(fout) });
    ZetStatus(tekst);
    await ToonMelding(tekst, titel);
    return null;
  }
  if (!r) return null;
  const tekst = zin(r.handle ? 'opgeslagen' : 'aangeboden', { naam: r.naam });
  ZetStatus(tekst);
  return { ...r, tekst };
}

// A file for the user: the browser saves it in its download folder or asks where.
export function BiedAan(bytes, naam, type = 'application/octet-stream') {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = naam;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// Lets the user choose files; resolves with [{naam, bytes}], empty on cancel.
export function KiesBestanden(accept, { meer = false, maximum } = {}) {
  return new Promise((klaar) => {
    const kiezer = document.createElement('input');
    kiezer.type = 'file';
    kiezer.accept = accept;
    kiezer.multiple = meer;
    kiezer.hidden = true;
    kiezer.addEventListener('change', async () => {
      const gekozen = [];
      for (const f of kiezer.files) gekozen.push({ naam: f.name, bytes: await Bytes(f, maximum) });
      kiezer.remove();
      klaar(gekozen);
    });
    kiezer.addEventListener('cancel', () => {
      kiezer.remove();
      klaar([]);
    });
    document.body.append(kiezer);
    kiezer.click();
  });
}

// ---- controls

// A box entered selects its whole text, as the window's fields do: at once
// for the keyboard, and again after the click that placed the cursor.
export function SelecteerBijBinnenkomst(e) {
  let geklikt = false;
  e.addEventListener('focus', () => {
    e.select();
    geklikt = true;
    setTimeout(() => (geklikt = false), 500);
  });
  e.addEventListener('mouseup', (ev) => {
    if (!geklikt) return;
    geklikt = false;
    ev.preventDefault();
    e.select();
  });
}

// An element with attributes and children, for the page's small builders.
export function Maak(soort, eigenschappen = {}, ...kinderen) {
  const e = document.createElement(soort);
  for (const [naam, waarde] of Object.entries(eigenschappen)) {
    if (naam === 'class') e.className = waarde;
    else if (naam === 'tekst') e.textContent = waarde;
    else if (naam.startsWith('on')) e.addEventListener(naam.slice(2), waarde);
    else if (naam in e && typeof waarde !== 'string') e[naam] = waarde;
    else e.setAttribute(naam, waarde);
  }
  e.append(...kinderen.filter((k) => k !== null && k !== undefined));
  return e;
}

// A field shown valid or invalid, its reason as tool tip and for screen readers.
export function Markeer(e, uitleg) {
  e.classList.toggle('ongeldig', Boolean(uitleg));
  if (uitleg) {
    e.title = uitleg;
    e.setAttribute('aria-invalid', 'true');
  } else {
    e.removeAttribute('title');
    e.removeAttribute('aria-invalid');
  }
}
