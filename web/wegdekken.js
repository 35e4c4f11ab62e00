// The road-surface catalogue: the one shipped inside the page, or the
// user's own. The browser keeps the user's own on this computer
// (localStorage, the bytes of a Wegdekken_2012.dat); where it writes files
// (Chrome, Edge) the list also lives in a file of the user's choosing,
// remembered between visits (IndexedDB), so that clearing the browser's data
// loses nothing. Opening such a file, importing a table and setting the
// user name change the user's own list; a failure to keep it stays on the page.

import {
  Exporteer,
  KiesBestand,
  LeesHandle,
  Maak,
  SchrijfHandle,
  ToonMelding,
  WisBericht,
  ZetBericht,
  ZetStatus,
  Zinnen,
} from './meldingen.js';

const kSleutel = 'tarvo.wegdekken';
// The user chose the shipped list: no offer to open an own one at the start.
const kMeegeleverdGekozen = 'tarvo.wegdekken.meegeleverd';
const kCatalogusNaam = 'Wegdekken_2012.dat';

function NaarBase64(bytes) {
  let s = '';
  for (const b of bytes) s += String.fromCharCode(b);
  return btoa(s);
}

// localStorage may be refused as a whole (a policy, a private window); only a write says so.
function Opslag(actie, sleutel, waarde) {
  try {
    return localStorage[actie](sleutel, waarde);
  } catch (fout) {
    if (actie === 'setItem') throw fout;
    return null;
  }
}

// The remembered file of the user's list (a FileSystemFileHandle), in
// IndexedDB; null when there is none or the browser keeps none.
function Onthouden(actie, handle) {
  return new Promise((klaar, fout) => {
    const open = indexedDB.open('tarvo', 1);
    open.onupgradeneeded = () => open.result.createObjectStore('bestanden');
    open.onerror = () => fout(open.error);
    open.onsuccess = () => {
      const db = open.result;
      try {
        const t = db.transaction('bestanden', actie === 'get' ? 'readonly' : 'readwrite');
        const winkel = t.objectStore('bestanden');
        const vraag = actie === 'put' ? winkel.put(handle, kSleutel) : winkel[actie](kSleutel);
        t.oncomplete = () => klaar(vraag.result ?? null);
        t.onerror = t.onabort = () => fout(t.error);
      } catch (e) {
        fout(e);  // a handle the browser cannot keep
      } finally {
        db.close();
      }
    };
  }).catch(() => null);
}

// Where the list comes from and where it is kept, as the window says it.
function LijstHerkomst(l) {
  const waarden = { aantal: l.catalogus.aantal, naam: l.handle?.name };
  if (!l.eigen) return l.T('herkomstMeegeleverd', waarden);
  if (l.handle) return l.T(l.inBrowser ? 'herkomstBestand' : 'herkomstAlleenBestand', waarden);
  return l.T(l.inBrowser ? 'herkomstEigen' : 'herkomstTijdelijk', waarden);
}

function ToonLijstVenster(l) {
  document.getElementById('wegdekHerkomst').textContent = LijstHerkomst(l);
  const { lijst, meegeleverd } = l.catalogus;
  document
    .getElementById('wegdekOverzicht')
    .replaceChildren(...lijst.map((naam, i) => Maak('li', { tekst: naam + (i < meegeleverd ? ' (meegeleverd)' : '') })));
  document.getElementById('gebruiker').value = l.catalogus.gebruiker;
}

function ZetLijst(l, antwoord) {
  l.catalogus = antwoord.catalogus;
  l.bijWijziging(l.catalogus.lijst);
  if (l.venster.open) ToonLijstVenster(l);
}

// The changed list, written to the user's file and kept by the browser.
// True when both took it; otherwise the notice says what failed, until a later change is kept.
async function NeemLijst(l, antwoord, { nieuwHandle = null } = {}) {
  ZetLijst(l, antwoord);
  l.eigen = true;
  const fouten = [];
  let inBestand = Boolean(nieuwHandle);
  if (nieuwHandle) {
    l.handle = nieuwHandle;
    await Onthouden('put', l.handle);
  } else if (l.handle) {
    try {
      await SchrijfHandle(l.handle, antwoord.bytes);
      inBestand = true;
    } catch (fout) {
      fouten.push(l.T('bestandNietBewaard', { naam: l.handle.name, reden: l.Reden(fout) }));
    }
  }
  try {
    Opslag('setItem', kSleutel, NaarBase64(antwoord.bytes));
    Opslag('removeItem', kMeegeleverdGekozen);
    l.inBrowser = true;
    navigator.storage?.persist?.().catch(() => {});
  } catch (fout) {
    l.inBrowser = false;
    fouten.push(l.T(inBestand ? 'nietBewaardInBestand' : 'nietBewaard', { reden: l.Reden(fout), naam: l.handle?.name }));
  }
  if (l.venster.open) ToonLijstVenster(l);
  if (fouten.length === 0) {
    WisBericht();
    return true;
  }
  const zin = fouten.join(' ');
  ZetBericht(zin, [{ tekst: document.getElementById('wegdekOpslaan').textContent, bij: () => BewaarLijstAlsBestand(l) }]);
  ZetStatus(zin);
  return false;
}

// The user's file of the list: the remembered one, or one the user chooses.
async function OpenLijst(l, bekend = null) {
  let gekozen;
  try {
    const maximum = l.tabel.maxima.catalogus;
    gekozen = bekend ? await LeesHandle(bekend, maximum) : await KiesBestand(l.tabel.soorten.catalogus, maximum);
  } catch (fout) {
    await ToonMelding(l.T('leesFout', { reden: l.Reden(fout) }), l.T('titelWegdekken'));
    return;
  }
  if (!gekozen) return;
  const r = l.kern.LaadCatalogus(gekozen.bytes, gekozen.naam);
  if (r.fout) {
    await ToonMelding(r.fout, l.T('titelWegdekken'));
    return;
  }
  if (await NeemLijst(l, r, { nieuwHandle: gekozen.handle })) ZetStatus(l.T('lijstGeopend', { naam: gekozen.naam }));
}

// Saved where the user says, or offered as a download; {naam, handle} or null.
function BewaarWegdekBestand(l, soort, naam, bytes, opgeslagen, aangeboden) {
  const zin = (sleutel, waarden) => l.T({ opgeslagen, aangeboden, schrijfFout: 'bestandFout' }[sleutel], waarden);
  return Exporteer({ soort, naam, bytes, zin, reden: l.Reden, titel: l.T('titelWegdekken') });
}

// A file written becomes the list's file: every change goes there too.
async function BewaarLijstAlsBestand(l) {
  const bytes = l.kern.Catalogus().bytes;
  const r = await BewaarWegdekBestand(l, l.tabel.soorten.catalogus, kCatalogusNaam, bytes, 'lijstOpgeslagen', 'lijstAangeboden');
  if (r?.handle && (await NeemLijst(l, l.kern.Catalogus(), { nieuwHandle: r.handle }))) {
    ZetStatus(l.T('lijstOpgeslagen', { naam: r.naam }));
  }
}

async function ImporteerTabel(l) {
  let bestand;
  try {
    bestand = await KiesBestand(l.tabel.soorten.tabel, l.tabel.maxima.tabel);
  } catch (fout) {
    await ToonMelding(l.T('leesFout', { reden: l.Reden(fout) }), l.T('titelImport'));
    return;
  }
  if (!bestand) return;
  const plan = l.kern.PlanImport(bestand.bytes, bestand.naam);
  if (plan.fout || plan.melding) {
    await ToonMelding(plan.fout ?? plan.melding, plan.fout ? l.tabel.titelWaarschuwing : l.T('titelImport'));
    return;
  }
  if (plan.vraag && !(await ToonMelding(plan.vraag, l.T('titelImport'), { vraag: true }))) return;
  const r = l.kern.VoerImportUit();
  if (await NeemLijst(l, r)) ZetStatus(plan.gelukt);
  if (r.waarschuwing) await ToonMelding(r.waarschuwing, l.tabel.titelWaarschuwing);
}

async function ZetLijstTerug(l) {
  if (!(await ToonMelding(l.T('terugzetVraag'), l.T('titelWegdekken'), { vraag: true }))) return;
  Opslag('removeItem', kSleutel);
  try {
    Opslag('setItem', kMeegeleverdGekozen, '1');
  } catch {
    // the offer to open an own list comes back at the next visit
  }
  await Onthouden('delete');
  l.handle = null;
  l.eigen = l.inBrowser = false;
  ZetLijst(l, l.kern.LaadCatalogus(l.meegeleverd, kCatalogusNaam));
  WisBericht();
  ZetStatus(l.T('teruggezet'));
}

// At the start: the user's own list when the browser kept one the core
// takes. One it cannot take is removed; without one the page says so and
// offers to open the user's file, unless the user chose the shipped list.
function BeginLijst(l) {
  const bewaard = Opslag('getItem', kSleutel);
  const r = bewaard === null ? null : l.kern.LaadBewaard(bewaard);
  if (r && !r.fout) {
    l.eigen = l.inBrowser = true;
    l.catalogus = r.catalogus;
    Onthouden('get').then((h) => (l.handle = h));
    navigator.storage?.persist?.().catch(() => {});
    return;
  }
  if (r?.fout) Opslag('removeItem', kSleutel);
  l.catalogus = l.kern.LaadCatalogus(l.meegeleverd, kCatalogusNaam).catalogus;
  Onthouden('get').then((h) => {
    l.handle = h;
    if (!r?.fout && !h && Opslag('getItem', kMeegeleverdGekozen)) return;
    const zin = [r?.fout, h ? l.T('eigenWeg', { naam: h.name }) : l.T('geenEigen')].filter(Boolean).join(' ');
    const open = { tekst: h ? l.T('openOpnieuwKnop', { naam: h.name }) : l.T('openKnop'), bij: () => OpenLijst(l, h) };
    const sluit = { tekst: l.T('sluitKnop'), bij: () => (Opslag('setItem', kMeegeleverdGekozen, '1'), WisBericht()) };
    ZetBericht(zin, [open, sluit]);
  });
}

// bijWijziging(lijst) refreshes the worksheet's road-surface list.
export function MaakWegdekken(kern, tabel, { bijWijziging }) {
  const bron = document.getElementById('meegeleverdeWegdekken').textContent.trim();
  const l = {
    kern,
    tabel,
    bijWijziging,
    ...Zinnen(tabel),
    meegeleverd: Uint8Array.from(atob(bron), (c) => c.charCodeAt(0)),
    venster: document.getElementById('wegdekVenster'),
    catalogus: null,
    eigen: false,  // the user's own list, not the shipped one
    inBrowser: false,  // kept by the browser
    handle: null,  // the user's file of the list
  };
  BeginLijst(l);

  const { naam, adres } = tabel.wegdekSite;
  document.getElementById('wegdekBron').textContent = l.T('wegdekBron', { naam, adres, kolommen: tabel.wegdekKolommen.join(';') });
  const knoppen = {
    wegdekOpenen: () => OpenLijst(l),
    wegdekImport: () => ImporteerTabel(l),
    wegdekExport: () =>
      BewaarWegdekBestand(l, tabel.soorten.tabel, 'wegdekken.csv', kern.ExporteerWegdekken(), 'tabelOpgeslagen', 'tabelAangeboden'),
    wegdekOpslaan: () => BewaarLijstAlsBestand(l),
    wegdekTerug: () => ZetLijstTerug(l),
    gebruikerZet: async () => {
      if (await NeemLijst(l, kern.ZetGebruiker(document.getElementById('gebruiker').value))) {
        ZetStatus(l.T('gebruikerGezet'));
      }
    },
    wegdekSluit: () => l.venster.close(),
  };
  for (const [id, bij] of Object.entries(knoppen)) document.getElementById(id).onclick = bij;

  // Resolves when the box is closed again.
  const Toon = (focus) => {
    ToonLijstVenster(l);
    l.venster.showModal();
    document.getElementById(focus).focus();
    // A close event still queued from the box's last showing finds it open again: not ours.
    return new Promise((klaar) => {
      const bijSluiten = () => {
        if (l.venster.open) return;
        l.venster.removeEventListener('close', bijSluiten);
        klaar();
      };
      l.venster.addEventListener('close', bijSluiten);
    });
  };
  return {
    Lijst: () => l.catalogus.lijst,
    Herkomst: () => LijstHerkomst(l),
    Toon: () => Toon('wegdekOpenen'),
    ToonGebruiker: () => Toon('gebruiker'),
    // A list the editor changed; true when the browser and the list's file keep it.
    Neem: (antwoord) => NeemLijst(l, antwoord),
  };
}
