// Builds the page folder: index.html with the style, the WebAssembly core
// (its wasm inside the script), the shipped catalogue and the page's modules
// all inline, because a page opened from disk may load nothing beside it.
//   node bouw.mjs KERN.js KERN.wasm Wegdekken_2012.dat UITMAP
// The wasm goes in as base64 and reaches the core as bytes: a data: address
// would be fetched, and the page fetches nothing.
// The modules are joined into one module in the order of their imports; a
// top-level name may therefore be declared in one module only.
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const hier = dirname(fileURLToPath(import.meta.url));
const [kernPad, wasmPad, wegdekkenPad, uitMap] = process.argv.slice(2);
if (!uitMap) {
  console.error('gebruik: node bouw.mjs KERN.js KERN.wasm Wegdekken_2012.dat UITMAP');
  process.exit(2);
}
const Fout = (tekst) => {
  console.error(`bouw.mjs: ${tekst}`);
  process.exit(1);
};

const kImport = /^import\s*\{([^}]*)\}\s*from\s*'\.\/([\w.-]+\.js)';\s*$/gm;
const kExport = /^export\s+(?=(?:async\s+)?function\s|const\s|let\s|class\s)/gm;
const kNaam = /^(?:export\s+)?(?:(?:async\s+)?function\s*\*?\s*(\w+)|(?:const|let|class)\s+(\w+))/gm;

const modules = new Map();  // in the order the code must run: a module after those it imports
const bezig = new Set();
function Lees(naam) {
  if (modules.has(naam)) return;
  if (bezig.has(naam)) Fout(`${naam} importeert zichzelf via een ander`);
  bezig.add(naam);
  const bron = readFileSync(join(hier, naam), 'utf8');
  if (/^export\s+(default|\{)/m.test(bron)) Fout(`${naam}: alleen 'export function/const/let/class' wordt samengevoegd`);
  const imports = [...bron.matchAll(kImport)].map((m) => ({ namen: m[1].split(',').map((n) => n.trim()).filter(Boolean), van: m[2] }));
  for (const i of imports) Lees(i.van);
  const namen = [...bron.matchAll(kNaam)].map((m) => m[1] ?? m[2]);
  const exports = [...bron.matchAll(/^export\s+(?:(?:async\s+)?function\s*(\w+)|(?:const|let|class)\s+(\w+))/gm)].map((m) => m[1] ?? m[2]);
  for (const i of imports) {
    for (const n of i.namen) {
      if (n.includes(' as ')) Fout(`${naam}: 'as' in een import wordt niet samengevoegd`);
      if (!modules.get(i.van)?.exports.includes(n)) Fout(`${naam}: ${i.van} exporteert ${n} niet`);
    }
  }
  modules.set(naam, { bron, namen, exports });
}
Lees('app.js');

const gezien = new Map();
let code = '';
for (const [naam, { bron, namen }] of modules) {
  for (const n of namen) {
    if (gezien.has(n)) Fout(`${n} staat in ${gezien.get(n)} en in ${naam}`);
    gezien.set(n, naam);
  }
  code += `// ---- ${naam}\n${bron.replace(kImport, '').replace(kExport, '')}\n`;
}

const kern = readFileSync(kernPad, 'utf8');
for (const [naam, tekst] of [['kern', kern], ['code', code]]) {
  if (/<\/script/i.test(tekst)) Fout(`${naam} bevat '</script'`);
}
const vervang = {
  '/*@STIJL@*/': readFileSync(join(hier, 'stijl.css'), 'utf8'),
  '/*@KERN@*/': kern,
  '/*@WASM@*/': readFileSync(wasmPad).toString('base64'),
  '/*@WEGDEKKEN@*/': readFileSync(wegdekkenPad).toString('base64'),
  '/*@CODE@*/': code,
};
let pagina = readFileSync(join(hier, 'index.html'), 'utf8');
for (const [plek, inhoud] of Object.entries(vervang)) {
  if (!pagina.includes(plek)) Fout(`index.html mist ${plek}`);
  pagina = pagina.replace(plek, () => inhoud);
}
mkdirSync(uitMap, { recursive: true });
writeFileSync(join(uitMap, 'index.html'), pagina);
