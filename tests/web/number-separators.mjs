// The separators that the page takes from the browser's languages: a language a browser may
// report from its system's locale, or none at all, never throws; it falls back to "." and ",".
//   node number-separators.mjs PAGE_JS
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';

let library;
new Function('mergeInto', 'LibraryManager', readFileSync(process.argv[2], 'utf8'))(
  (_, functions) => { library = functions; }, { library: {} });
const separatorsOf = library.$numberSeparators;

const cases = [
  [['C'], '.', ','],
  [[''], '.', ','],
  [[], '.', ','],
  [[undefined], '.', ','],
  [['en_US.UTF-8'], '.', ','],
  [['de-DE'], ',', '.'],
  [['de'], ',', '.'],
  [['C', 'de_DE.UTF-8@euro'], ',', '.'],  // the first language that names one
];
for (const [languages, decimal, group] of cases) {
  assert.deepEqual(separatorsOf(languages), { decimal, group }, JSON.stringify(languages));
}
console.log(`${cases.length} lists of languages read`);
