// Messages: a modal box with one or two buttons, the status line, and files
// handed to the user to save.

// A message box; resolves with true for OK or Ja. Escape answers as the last
// button; a question may name it otherwise ("Annuleren") and make it the default.
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
    const bijSluiten = () => sluit(false);
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
export function KiesBestanden(accept, { meer = false } = {}) {
  return new Promise((klaar) => {
    const kiezer = document.createElement('input');
    kiezer.type = 'file';
    kiezer.accept = accept;
    kiezer.multiple = meer;
    kiezer.hidden = true;
    kiezer.addEventListener('change', async () => {
      const gekozen = [];
      for (const f of kiezer.files) gekozen.push({ naam: f.name, bytes: new Uint8Array(await f.arrayBuffer()) });
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
