// The files of tarvo-reken's distance and cumulation transcript
// (tests/app/verwacht/afstand_cumulatie.txt): a catalogue of two road
// surfaces and worksheets typed into the Reset's texts and saved by the
// WebAssembly core, as the native test makes them with the native core.
//   node maak_werkbladen.mjs WEBBOUW MAP
import { createRequire } from 'node:module';
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { MaakKern } from '../../web/kern.js';

const [bouw, map] = process.argv.slice(2);
const fabriek = createRequire(import.meta.url)(join(bouw, 'web/tarvo_kern.js'));
const kern = await MaakKern(fabriek, readFileSync(join(bouw, 'web/tarvo_kern.wasm')));
kern.ZetInstellingen('.', new Date(2024, 2, 1));
mkdirSync(map, { recursive: true });

// Road surface 2 with every coefficient its own, so that a wrong index shows.
const wegdekken = [
  ['referentiewegdek (DAB)', [0, 0, 0, 0, 0, 0]],
  ['dunne deklaag B', [-2.7, 4.5, -0.45, 2.25, -3.3, -2.05]],
];
const catalogus = Buffer.alloc(2 + 78 * wegdekken.length + 80, ' ');
catalogus.writeInt16LE(wegdekken.length, 0);
wegdekken.forEach(([naam, c], i) => {
  catalogus.write(naam.padEnd(30), 2 + 78 * i, 'latin1');
  c.forEach((x, k) => catalogus.writeDoubleLE(x, 2 + 78 * i + 30 + 8 * k));
});
writeFileSync(join(map, 'Wegdekken_2012.dat'), catalogus);

function Bewaar(naam, velden, { aftrek = false, wegdek = 0 } = {}) {
  const w = kern.LeegWerkblad().werkblad;
  for (const [k, tekst] of Object.entries(velden)) w.velden[k] = tekst;
  kern.ZetWerkblad({ ...w, aftrek, wegdek: wegdek || w.wegdek });
  const r = kern.SchrijfRekenblad();
  if (r.weigering) throw new Error(`${naam}: ${r.weigering.regel}`);
  writeFileSync(join(map, naam), r.bytes);
  return r.bytes;
}

const weg1 = Bewaar('weg1.tvo', {
  0: 'Dorpsstraat 12', 1: 'N201', 2: '1100', 3: '320', 4: '85', 5: '80', 6: '60', 7: '14', 8: '4', 9: '70',
  10: '40', 11: '9', 12: '3', 13: '80', 32: '5', 33: '0.3', 34: '0.5', 35: '0.2', 36: '20', 37: '90',
}, { aftrek: true, wegdek: 2 });
Bewaar('weg2.tvo', {
  0: 'Dorpsstraat 12', 1: 'Spoorlaan; tram', 2: '300', 3: '80', 4: '20', 5: '50', 14: '10', 15: '4', 17: '60',
  22: '12', 23: '8', 24: '2', 25: '40', 32: '4', 34: '1', 36: '35', 38: '60', 39: '90',
});
Bewaar('stil.tvo', { 2: '2', 5: '30', 32: '1.5', 36: '10' });
// The check refuses a horizontal distance of 0, so that file is weg1 with its distance (at 374) set to 0.
const geenAfstand = Buffer.from(weg1);
geenAfstand.writeDoubleLE(0, 374);
writeFileSync(join(map, 'geenafstand.tvo'), geenAfstand);
writeFileSync(join(map, 'blad.txt'), weg1);
