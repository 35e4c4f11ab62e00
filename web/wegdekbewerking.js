// The road-surface editor, "Correctiefactoren wegdekken" as the window
// shows it: the list with the entries that get 1 dB art. 3.5 in bold, the
// chosen entry's description and coefficients, add, change and delete, a
// table imported or rows pasted from a spreadsheet (Ctrl+V in the list),
// the table exported, and F9 for the protected shipped entries. Every
// command is one call to the core, which answers with its refusal or
// question as data; a changed catalogue goes to neem() to be kept.

import { BiedAan, KiesBestanden, Maak, Markeer, ToonMelding, ZetStatus } from './meldingen.js';
import { Filter, Ring } from './vakken.js';

export function MaakWegdekBewerking(kern, tabel, { neem }) {
  const venster = document.getElementById('wegdekBewerking');
  const lijst = document.getElementById('wegdekBewerkLijst');
  const velden = [...Array(7).keys()].map((k) => document.getElementById(`wegdekVeld${k}`));
  const knop = (naam) => document.getElementById(`wegdek${naam}`);
  const lijstBediening = [lijst, knop('Toevoegen'), knop('Wijzigen'), knop('Wissen'), knop('Importeren'), knop('Exporteren')];
  let teksten = null;  // the captions, once
  let bewerking = null;  // null in the list, 0 adding, else the position being changed

  const Positie = () => lijst.selectedIndex + 1;
  const ToonLijst = (a) => {
    const kies = lijst.selectedIndex;
    lijst.replaceChildren(
      ...a.regels.map((r) =>
        Maak('option', {
          tekst: r.meegeleverd ? `${r.naam} ${teksten.meegeleverd}` : r.naam,
          class: r.vet ? 'vet' : '',
          ...(r.vet ? { title: teksten.legendaUitleg } : {}),
        }),
      ),
    );
    lijst.selectedIndex = Math.min(kies, a.regels.length - 1);
    document.getElementById('wegdekAantal').textContent = a.aantal;
    document.getElementById('wegdekBewerkKop').textContent = a.titel;
  };
  const ToonGekozen = async () => {
    const g = kern.WegdekGekozen(Positie());
    if (g.fout) {
      await ToonMelding(g.fout, tabel.titelWaarschuwing);
      return;
    }
    g.velden.forEach((t, k) => {
      velden[k].value = t;
      Markeer(velden[k], '');
    });
  };
  const Vergrendel = (vast) => {
    for (const e of lijstBediening) e.disabled = !vast;
    for (const e of velden) e.disabled = vast;
    for (const e of venster.querySelectorAll('.bewerken')) e.hidden = vast;
    document.getElementById('wegdekWeergave').textContent =
      vast || bewerking === 0 ? teksten.lijstweergave : teksten.bewerkweergave;
  };
  const NaarLijst = () => {
    bewerking = null;
    Vergrendel(true);
    lijst.focus();
  };

  // A step's message: a refusal or notice told, a question asked (true for Ja).
  const Zeg = (a) => {
    if (a.stap === 'Gedaan' || !a.melding) return Promise.resolve(false);
    if (a.stap !== 'Vraag') return ToonMelding(a.melding, a.titel);
    return ToonMelding(a.melding, a.titel, { vraag: true, ...(a.annuleren ? { nee: 'Annuleren', standaardNee: true } : {}) });
  };
  // The step, once more answered Ja when it asks and the user agrees; then the list it leaves.
  const Voer = async (stap) => {
    let a = stap(false);
    if (a.stap === 'Vraag') {
      if (!(await Zeg(a))) return null;
      a = stap(true);
    }
    if (a.stap !== 'Gedaan') {
      await Zeg(a);
      return null;
    }
    ToonLijst(a);
    if (a.gewijzigd) neem(a);
    if (a.kies > 0) lijst.selectedIndex = a.kies - 1;
    return a;
  };
  const NaWijziging = async (a) => {
    if (!a) return;
    if (lijst.selectedIndex >= 0) await ToonGekozen();
    else velden.forEach((v) => (v.value = ''));
    NaarLijst();
    if (a.art35) await ToonMelding(a.art35, tabel.titelWaarschuwing);
    lijst.focus();
  };

  const Begin = async (positie) => {
    const a = kern.WegdekBegin(positie);
    if (a.stap !== 'Gedaan') {
      await Zeg(a);
      return;
    }
    bewerking = positie;
    Vergrendel(false);
    if (positie === 0) velden.forEach((v) => (v.value = ''));
    velden[0].focus();
  };
  const Bevestig = async () => {
    const a = kern.WegdekBevestig(bewerking, velden.map((v) => v.value));
    for (const { veld, tekst } of a.teksten) {
      velden[veld].value = tekst;
      Markeer(velden[veld], '');
    }
    if (a.stap !== 'Gedaan') {
      if (a.uitleg) Markeer(velden[a.veld], a.uitleg);
      else await Zeg(a);
      velden[a.veld]?.focus();
      return;
    }
    await NaWijziging(await Voer(() => a));
  };

  knop('Toevoegen').onclick = () => Begin(0);
  knop('Wijzigen').onclick = () => Begin(Positie());
  knop('Wissen').onclick = async () => NaWijziging(await Voer((ja) => kern.WegdekWis(Positie(), ja)));
  knop('Importeren').onclick = async () => {
    const [bestand] = await KiesBestanden('.csv,.txt');
    if (!bestand) return;
    const a = await Voer((ja) => kern.WegdekImporteer(bestand.bytes, bestand.naam, ja));
    if (a) ZetStatus(`Wegdekken ingelezen uit ${bestand.naam}.`);
    await NaWijziging(a);
  };
  knop('Exporteren').onclick = () => BiedAan(kern.ExporteerWegdekken(), 'wegdekken.csv', 'text/csv');
  knop('Ok').onclick = Bevestig;
  knop('Annuleren').onclick = async () => {
    if (lijst.selectedIndex >= 0) await ToonGekozen();
    NaarLijst();
  };
  knop('Sluit').onclick = () => venster.close();
  lijst.addEventListener('change', ToonGekozen);
  lijst.addEventListener('paste', async (ev) => {
    ev.preventDefault();
    const rijen = ev.clipboardData?.getData('text/plain') ?? '';
    await NaWijziging(await Voer((ja) => kern.WegdekPlak(rijen, ja)));
  });
  // F9 lifts the protection of the shipped entries, or puts it back.
  venster.addEventListener('keydown', (ev) => {
    if (ev.key !== 'F9') return;
    ev.preventDefault();
    ToonLijst(kern.WegdekBescherming());
  });
  // Escape empties a field, as in the window, and leaves the editor open.
  velden.forEach((v, k) => {
    v.addEventListener('keydown', (ev) => {
      if (ev.key !== 'Escape') return;
      ev.preventDefault();
      v.value = '';
    });
    if (k === 0) return;
    v.addEventListener('change', () => {
      if (v.disabled) return;
      const w = kern.WegdekVeld(v.value);
      if (w.geldig) v.value = w.tekst;
      Markeer(v, w.geldig ? '' : w.uitleg);
    });
  });
  Ring(velden);

  const Bouw = (a) => {
    teksten = a.bijschrift;
    document.getElementById('wegdekOmschrijvingBijschrift').textContent = teksten.omschrijving;
    document.getElementById('wegdekCorrectieBijschrift').textContent = teksten.correctie;
    teksten.klassen.forEach((k, i) => {
      document.getElementById(`wegdekKlasse${i}`).textContent = k;
      teksten.symbolen.forEach((s, j) => {
        const bijschrift = document.getElementById(`wegdekSymbool${1 + 2 * i + j}`);
        bijschrift.textContent = s;
        bijschrift.title = velden[1 + 2 * i + j].title = teksten.uitleg[j];
        velden[1 + 2 * i + j].setAttribute('aria-label', `${k} ${s}`);
      });
    });
    lijst.title = teksten.lijst;
    knop('Importeren').title = teksten.importeren;
    knop('Exporteren').title = teksten.exporteren;
    const legenda = document.getElementById('wegdekLegenda');
    legenda.textContent = teksten.legenda;
    legenda.title = teksten.legendaUitleg;
    velden.slice(1).forEach((v) => Filter(v, teksten.getalTekens));
  };

  return async () => {
    const a = kern.WegdekEditor();
    if (!teksten) Bouw(a);
    ToonLijst(a);
    if (lijst.selectedIndex < 0 && a.regels.length) lijst.selectedIndex = 0;
    bewerking = null;
    Vergrendel(true);
    venster.showModal();
    if (lijst.selectedIndex >= 0) await ToonGekozen();
    lijst.focus();
  };
}
