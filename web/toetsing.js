// The test against the limits of the Wet geluidhinder: heights, the
// situation of art. 83 or a maximum of one's own, extra limits, and the
// table the core words, as the window "Toetsing" shows it. A change computes
// at once; the choices stay while the page is open.

import { Maak, Markeer } from './meldingen.js';
import { Filter, ZetBijschrift } from './vakken.js';

// The core's table: each heading's lines, each cell's text, and where a text could mislead, why.
export function ToonTabel(tabelElement, antwoord) {
  const kop = Maak(
    'tr',
    {},
    ...antwoord.kolommen.map((k, i) => {
      const regels = k.kop.split('\n');
      const th = Maak('th', { scope: 'col', class: i === antwoord.toetsKolom ? 'toets' : 'getal' });
      regels.forEach((r, n) => th.append(...(n ? [Maak('br'), r] : [r])));
      if (k.uitleg) th.title = k.uitleg;
      return th;
    }),
  );
  // The outcome in words coloured by the outcome, as a road's cell in the study.
  const rijen = antwoord.rijen.map((rij) =>
    Maak(
      'tr',
      {},
      ...rij.cellen.map((c, i) =>
        Maak('td', {
          class: i === antwoord.toetsKolom ? `toets ${rij.uitkomst}` : 'getal',
          tekst: c.tekst,
          ...(c.uitleg ? { title: c.uitleg } : {}),
        }),
      ),
    ),
  );
  tabelElement.replaceChildren(Maak('thead', {}, kop), Maak('tbody', {}, ...rijen));
}

// The choices' boxes by the core's captions, the situations as it words them.
function BouwToetsing(v, a) {
  const Bijschrift = (id, tekst, doel) => ZetBijschrift(document.getElementById(id), tekst, doel);
  Bijschrift('toetsHoogtenBijschrift', a.bijschrift.hoogten, v.hoogten);
  Bijschrift('toetsSituatieBijschrift', a.bijschrift.situatie, v.situatie);
  Bijschrift('toetsMaximumBijschrift', a.bijschrift.maximum, v.maximum);
  Bijschrift('toetsGrenzenBijschrift', a.bijschrift.grenzen, v.grenzen);
  v.hoogten.title = a.hoogtenUitleg;
  v.grenzen.title = a.grenzenUitleg;
  v.situatie.replaceChildren(...a.situaties.map((s, i) => Maak('option', { value: String(i), tekst: s, title: s })));
  v.maximum.setAttribute('aria-valuemin', a.maximumVan);
  v.maximum.setAttribute('aria-valuemax', a.maximumTot);
}

// The core's answer: the choices it holds, the table or why there is none.
function ToonToetsing(v, a) {
  document.getElementById('toetsingKop').textContent = a.titel;
  v.situatie.value = String(a.situatie);
  v.situatie.title = v.situatie.selectedOptions[0]?.textContent ?? '';
  v.maximum.value = String(a.eigenMaximum);
  v.maximum.disabled = !a.eigenMaximumAan;
  Markeer(v.maximum, a.maximumUitleg ?? '');
  v.melding.textContent = a.melding;
  ToonTabel(document.getElementById('toetsTabel'), a);
  for (const id of ['toetsCsv', 'toetsAfdrukken']) document.getElementById(id).disabled = a.melding !== '';
}

// zetWerkblad hands the fields to the core; naam() the file the worksheet
// came from ('' for none); bijlage saves and prints the annex.
export function MaakToetsing(kern, tabel, { zetWerkblad, naam, bijlage }) {
  const venster = document.getElementById('toetsingVenster');
  const v = Object.fromEntries(['hoogten', 'situatie', 'maximum', 'grenzen', 'melding'].map((n) =>
    [n, document.getElementById(`toets${n[0].toUpperCase()}${n.slice(1)}`)]));
  let gebouwd = false;
  Filter(v.maximum, tabel.cijferTekens);
  const Reken = () => ToonToetsing(v, kern.Toetsing({
    situatie: Number(v.situatie.value), hoogten: v.hoogten.value, grenzen: v.grenzen.value, maximum: v.maximum.value,
  }));
  v.hoogten.addEventListener('input', Reken);
  v.grenzen.addEventListener('input', Reken);
  v.situatie.addEventListener('change', Reken);
  // The own maximum counts when it is left or Enter is pressed, not at each digit.
  v.maximum.addEventListener('change', Reken);
  v.maximum.addEventListener('keydown', (ev) => {
    if (ev.key !== 'Enter') return;
    ev.preventDefault();
    Reken();
  });
  document.getElementById('toetsCsv').onclick = async () => {
    const opgeslagen = await bijlage.BewaarCsv();
    if (opgeslagen) v.melding.textContent = opgeslagen;
  };
  document.getElementById('toetsAfdrukken').onclick = () => bijlage.DrukAf();
  document.getElementById('toetsSluit').onclick = () => venster.close();

  return () => {
    zetWerkblad();
    const a = kern.ToetsingOpen(naam());
    if (!gebouwd) BouwToetsing(v, a);
    gebouwd = true;
    v.hoogten.value = a.hoogten;
    v.grenzen.value = a.grenzen;
    ToonToetsing(v, a);
    venster.showModal();
    v.hoogten.focus();
  };
}
