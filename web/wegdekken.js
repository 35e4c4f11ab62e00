// The road-surface catalogue: the one shipped inside the page, or the
// user's own, kept by the browser on this computer (localStorage) as the
// bytes of a Wegdekken_2012.dat file. Opening such a file, importing a table
// and setting the user name all change the user's own catalogue.

import { BiedAan, KiesBestanden, ToonMelding, Maak, ZetStatus } from './meldingen.js';

const kSleutel = 'tarvo.wegdekken';

function NaarBase64(bytes) {
  let s = '';
  for (const b of bytes) s += String.fromCharCode(b);
  return btoa(s);
}

function UitBase64(tekst) {
  const s = atob(tekst.trim());
  return Uint8Array.from(s, (c) => c.charCodeAt(0));
}

function Bewaar(bytes) {
  try {
    localStorage.setItem(kSleutel, NaarBase64(bytes));
    return true;
  } catch {
    return false;  // storage refused (private window, policy): the catalogue holds for this visit
  }
}

function Bewaard() {
  try {
    return localStorage.getItem(kSleutel);
  } catch {
    return null;
  }
}

// bijWijziging(lijst) refreshes the worksheet's road-surface list.
export function MaakWegdekken(kern, tabel, { bijWijziging }) {
  const meegeleverd = UitBase64(document.getElementById('meegeleverdeWegdekken').textContent);
  const venster = document.getElementById('wegdekVenster');
  let eigen = false;
  let catalogus = null;

  const Toon = () => {
    const n = catalogus.lijst.length;
    const aantal = `${n} ${n === 1 ? 'wegdek' : 'wegdekken'}`;
    document.getElementById('wegdekHerkomst').textContent = eigen
      ? `Uw eigen wegdekkenlijst, bewaard in deze browser (${aantal}).`
      : `De meegeleverde wegdekkenlijst (${aantal}).`;
    document
      .getElementById('wegdekOverzicht')
      .replaceChildren(
        ...catalogus.lijst.map((naam, i) =>
          Maak('li', { tekst: naam + (i < catalogus.meegeleverd ? ' (meegeleverd)' : '') }),
        ),
      );
    document.getElementById('gebruiker').value = catalogus.gebruiker;
  };
  const Neem = (antwoord, { bewaar = true } = {}) => {
    catalogus = antwoord.catalogus;
    if (bewaar) {
      eigen = true;
      if (!Bewaar(antwoord.bytes)) ZetStatus('De browser bewaart geen gegevens: de wegdekkenlijst geldt alleen zolang de pagina open is.');
    }
    bijWijziging(catalogus.lijst);
    if (venster.open) Toon();
  };

  // The user's own catalogue when the browser kept one that the core takes.
  const opgeslagen = Bewaard();
  const eigenAntwoord = opgeslagen ? kern.LaadCatalogus(UitBase64(opgeslagen)) : null;
  if (eigenAntwoord && !eigenAntwoord.fout) {
    eigen = true;
    catalogus = eigenAntwoord.catalogus;
  } else {
    catalogus = kern.LaadCatalogus(meegeleverd).catalogus;
  }

  document.getElementById('wegdekBron').textContent =
    `Wegdekcorrecties volgens de wegdektypering van ${tabel.wegdekSite.naam}: ${tabel.wegdekSite.adres}. ` +
    `Een tabel heeft de kolommen ${tabel.wegdekKolommen.join(';')} met een kopregel, gescheiden door ‘;’.`;

  document.getElementById('wegdekOpenen').onclick = async () => {
    const [bestand] = await KiesBestanden('.dat');
    if (!bestand) return;
    const r = kern.LaadCatalogus(bestand.bytes);
    if (r.fout) {
      await ToonMelding(`Bestand ${bestand.naam}: ${r.fout}`, 'Wegdekkenbestand openen');
      return;
    }
    Neem(kern.Catalogus());
    ZetStatus(`Wegdekkenlijst ${bestand.naam} geopend.`);
  };
  document.getElementById('wegdekImport').onclick = async () => {
    const [bestand] = await KiesBestanden('.csv,.txt');
    if (!bestand) return;
    if (bestand.bytes.length > 1 << 20) {
      await ToonMelding(`Wegdekkentabel ${bestand.naam} is groter dan 1 MB en dus geen wegdekkentabel; er is niets ingelezen.`, 'Importeren');
      return;
    }
    const plan = kern.PlanImport(new TextDecoder('utf-8').decode(bestand.bytes), bestand.naam);
    if (plan.fout || plan.melding) {
      await ToonMelding(plan.fout ?? plan.melding, plan.fout ? tabel.titelWaarschuwing : 'Importeren');
      return;
    }
    if (plan.vervangen > 0) {
      const aantal = (n) => `${n} ${n === 1 ? 'wegdek' : 'wegdekken'}`;
      const vraag = `${plan.toevoegen > 0 ? `${aantal(plan.toevoegen)} toevoegen en ` : ''}${aantal(plan.vervangen)} met dezelfde omschrijving vervangen?`;
      if (!(await ToonMelding(vraag, 'Importeren', { vraag: true }))) return;
    }
    Neem(kern.VoerImportUit());
    ZetStatus(`${plan.toevoegen} wegdek(ken) toegevoegd en ${plan.vervangen} vervangen uit ${bestand.naam}.`);
  };
  document.getElementById('wegdekExport').onclick = () =>
    BiedAan(kern.ExporteerWegdekken(), 'wegdekken.csv', 'text/csv');
  document.getElementById('wegdekOpslaan').onclick = () => BiedAan(kern.Catalogus().bytes, 'Wegdekken_2012.dat');
  document.getElementById('wegdekTerug').onclick = async () => {
    if (!(await ToonMelding('De meegeleverde wegdekkenlijst terugzetten? Uw eigen lijst in deze browser vervalt.', 'Wegdekkenlijst', { vraag: true }))) return;
    try {
      localStorage.removeItem(kSleutel);
    } catch {
      // nothing kept, nothing to remove
    }
    eigen = false;
    Neem(kern.LaadCatalogus(meegeleverd), { bewaar: false });
  };
  document.getElementById('gebruikerZet').onclick = () => {
    Neem(kern.ZetGebruiker(document.getElementById('gebruiker').value));
    ZetStatus('Gebruikersnaam ingesteld.');
  };
  document.getElementById('wegdekSluit').onclick = () => venster.close();

  return {
    Lijst: () => catalogus.lijst,
    Neem,
    Toon: () => {
      Toon();
      venster.showModal();
      document.getElementById('wegdekOpenen').focus();
    },
  };
}
