// What the dialogs' boxes share: the arrow keys through them, the
// characters they take, and captions with the key letter of the window.

import { Maak, SelecteerBijBinnenkomst } from './meldingen.js';

// Arrow keys through a dialog's boxes, as the worksheet's ring: Enter and Down forward, Up back.
export function Ring(vakken) {
  vakken.forEach((e, i) => {
    SelecteerBijBinnenkomst(e);
    e.addEventListener('keydown', (ev) => {
      if (ev.key !== 'Enter' && ev.key !== 'ArrowDown' && ev.key !== 'ArrowUp') return;
      ev.preventDefault();
      vakken[(i + (ev.key === 'ArrowUp' ? vakken.length - 1 : 1)) % vakken.length].focus();
    });
  });
}

// Typed characters outside `tekens` are refused, as in the worksheet.
export function Filter(e, tekens) {
  e.addEventListener('beforeinput', (ev) => {
    if (ev.inputType !== 'insertText' || ev.data === null) return;
    const goed = [...ev.data].every((c) => tekens.includes(c));
    if (!goed) ev.preventDefault();
    e.classList.toggle('ongeldig', !goed);
  });
}

// A caption with '&' before its key letter: the letter underlined and the
// box reached by Alt and that letter, as in the window.
export function ZetBijschrift(label, tekst, doel) {
  const i = tekst.indexOf('&');
  if (i < 0 || i + 1 >= tekst.length) {
    label.textContent = tekst;
    return;
  }
  label.replaceChildren(tekst.slice(0, i), Maak('u', { tekst: tekst[i + 1] }), tekst.slice(i + 2));
  doel.accessKey = tekst[i + 1].toLowerCase();
}

// The same within one dialog only: an access key is the document's, and the
// page's dialogs share one document, so the last to claim a letter would
// take it from every other. Alt and the letter then reach `doel` while its
// dialog `venster` has the focus; a button is pressed.
export function ZetDialoogBijschrift(venster, label, tekst, doel) {
  ZetBijschrift(label, tekst, doel);
  if (!doel.accessKey) return;
  doel.dataset.alt = doel.accessKey;
  doel.removeAttribute('accesskey');
  if (venster.dataset.alt) return;
  venster.dataset.alt = 'ja';
  venster.addEventListener('keydown', (ev) => {
    if (!ev.altKey || ev.ctrlKey || ev.metaKey) return;
    // By the key, not the character: Option with a letter types another one on a Mac.
    const letter = ev.code.startsWith('Key') ? ev.code.slice(3).toLowerCase() : ev.key.toLowerCase();
    const e = venster.querySelector(`[data-alt="${letter}"]`);
    if (!e || e.disabled) return;
    ev.preventDefault();
    e.focus();
    if (e.tagName === 'BUTTON') e.click();
  });
}

// Changes no file holds, before they would go: resolves 'ja' (save them
// first), 'nee' (let them go) or 'annuleren' (keep them; also Escape).
// `knoppen` the captions of the three buttons, with their access keys.
function VraagOpslaan(tekst, titel, knoppen) {
  const venster = document.getElementById('opslaanVraag');
  document.getElementById('opslaanVraagTitel').textContent = titel;
  document.getElementById('opslaanVraagTekst').textContent = tekst;
  const antwoorden = ['ja', 'nee', 'annuleren'];
  const knop = antwoorden.map((a) => document.getElementById(`opslaan${a[0].toUpperCase()}${a.slice(1)}`));
  knop.forEach((k, i) => ZetDialoogBijschrift(venster, k, knoppen[i], k));
  return new Promise((klaar) => {
    const sluit = (antwoord) => {
      venster.removeEventListener('close', bijSluiten);
      for (const k of knop) k.onclick = null;
      if (venster.open) venster.close();
      klaar(antwoord);
    };
    // A close event still queued from the box's last showing finds it open again: not ours.
    const bijSluiten = () => venster.open || sluit('annuleren');
    knop.forEach((k, i) => (k.onclick = () => sluit(antwoorden[i])));
    venster.addEventListener('close', bijSluiten);
    venster.showModal();
    knop[0].focus();
  });
}

// Before changes no file holds would go: true once they may, saved first
// (Ja, and `bewaar()` says whether it was) or let go (Nee); Annuleren keeps them.
export async function MagWeg({ tekst, titel, T, bewaar }) {
  const antwoord = await VraagOpslaan(tekst, titel, [T('knopJa'), T('knopNee'), T('knopAnnuleren')]);
  return antwoord === 'ja' ? bewaar() : antwoord === 'nee';
}
