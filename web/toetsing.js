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
  const rijen = antwoord.rijen.map((rij) =>
    Maak(
      'tr',
      { class: rij.uitkomst },
      ...rij.cellen.map((c, i) =>
        Maak('td', { class: i === antwoord.toetsKolom ? 'toets' : 'getal', tekst: c.tekst, ...(c.uitleg ? { title: c.uitleg } : {}) }),
      ),
    ),
  );
  tabelElement.replaceChildren(Maak('thead', {}, kop), Maak('tbody', {}, ...rijen));
}

// zetWerkblad hands the fields to the core; naam() the file the worksheet came from ('' for none).
export function MaakToetsing(kern, tabel, { zetWerkblad, naam, bijlage }) {
  const venster = document.getElementById('toetsingVenster');
  const hoogten = document.getElementById('toetsHoogten');
  const situatie = document.getElementById('toetsSituatie');
  const maximum = document.getElementById('toetsMaximum');
  const grenzen = document.getElementById('toetsGrenzen');
  const melding = document.getElementById('toetsMelding');
  let laatste = null;
  Filter(maximum, tabel.cijferTekens);

  const Toon = (a) => {
    laatste = a;
    document.getElementById('toetsingKop').textContent = a.titel;
    situatie.value = String(a.situatie);
    maximum.value = String(a.eigenMaximum);
    maximum.disabled = !a.eigenMaximumAan;
    Markeer(maximum, a.maximumUitleg ?? '');
    melding.textContent = a.melding;
    ToonTabel(document.getElementById('toetsTabel'), a);
    for (const id of ['toetsCsv', 'toetsAfdrukken']) document.getElementById(id).disabled = a.melding !== '';
  };
  const Reken = () =>
    Toon(kern.Toetsing({ situatie: Number(situatie.value), hoogten: hoogten.value, grenzen: grenzen.value, maximum: maximum.value }));

  let gebouwd = false;
  const Bouw = (a) => {
    gebouwd = true;
    ZetBijschrift(document.getElementById('toetsHoogtenBijschrift'), a.bijschrift.hoogten, hoogten);
    ZetBijschrift(document.getElementById('toetsSituatieBijschrift'), a.bijschrift.situatie, situatie);
    ZetBijschrift(document.getElementById('toetsMaximumBijschrift'), a.bijschrift.maximum, maximum);
    ZetBijschrift(document.getElementById('toetsGrenzenBijschrift'), a.bijschrift.grenzen, grenzen);
    hoogten.title = a.hoogtenUitleg;
    grenzen.title = a.grenzenUitleg;
    situatie.replaceChildren(...a.situaties.map((s, i) => Maak('option', { value: String(i), tekst: s, title: s })));
    situatie.title = situatie.selectedOptions[0]?.textContent ?? '';
    maximum.setAttribute('aria-valuemin', a.maximumVan);
    maximum.setAttribute('aria-valuemax', a.maximumTot);
  };

  hoogten.addEventListener('input', Reken);
  grenzen.addEventListener('input', Reken);
  situatie.addEventListener('change', () => {
    Reken();
    situatie.title = situatie.selectedOptions[0]?.textContent ?? '';
  });
  // The own maximum counts when it is left or Enter is pressed, not at each digit.
  maximum.addEventListener('change', Reken);
  maximum.addEventListener('keydown', (ev) => {
    if (ev.key === 'Enter') {
      ev.preventDefault();
      Reken();
    }
  });
  document.getElementById('toetsCsv').onclick = () => laatste && bijlage.BewaarCsv();
  document.getElementById('toetsAfdrukken').onclick = () => laatste && bijlage.DrukAf();
  document.getElementById('toetsSluit').onclick = () => venster.close();

  return () => {
    zetWerkblad();
    const a = kern.ToetsingOpen(naam());
    if (!gebouwd) Bouw(a);
    hoogten.value = a.hoogten;
    grenzen.value = a.grenzen;
    Toon(a);
    venster.showModal();
    hoogten.focus();
  };
}
