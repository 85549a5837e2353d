// The characters that the catalogues' translations use beyond the ranges given, as a CSS
// unicode-range ("U+00C4,U+00DF,U+00E0-00E2"), or nothing: the page's fonts carry them in a face
// of their own, which only a page that shows one of them fetches. The header's translation
// (translators' names) is no text of the page.
//   node catalogue-characters.mjs RANGES CATALOGUE.po...
import { readFileSync } from 'node:fs';

const [ranges, ...catalogues] = process.argv.slice(2);
const hex = text => parseInt(text, 16);
const given = ranges.split(',').map(range => range.replace(/^U\+/, '').split('-').map(hex));
const isGiven = code => given.some(([first, last = first]) => code >= first && code <= last);

const used = new Set();
for (const catalogue of catalogues) {
  let part, msgid = '', msgstr = '';
  const entryEnds = () => {
    if (msgid) for (const character of msgstr) used.add(character.codePointAt(0));
    msgid = msgstr = '';
  };
  for (const line of readFileSync(catalogue, 'utf8').split('\n')) {
    if (line.startsWith('#')) continue;  // comments, and texts no longer used
    const keyword = line.match(/^(msgctxt|msgid_plural|msgid|msgstr)/)?.[1];
    if (keyword === 'msgctxt' || (keyword === 'msgid' && part !== 'msgctxt')) entryEnds();
    if (keyword) part = keyword;
    const quoted = line.match(/"(.*)"\s*$/);
    if (!quoted) continue;
    const text = JSON.parse(`"${quoted[1]}"`);
    if (part === 'msgid') msgid += text;
    if (part === 'msgstr') msgstr += text;
  }
  entryEnds();
}

const codes = [...used].filter(code => !isGiven(code)).sort((a, b) => a - b);
const runs = [];
for (const code of codes) {
  if (runs.length && runs.at(-1)[1] === code - 1) runs.at(-1)[1] = code;
  else runs.push([code, code]);
}
const name = code => code.toString(16).toUpperCase().padStart(4, '0');
console.log(runs.map(([first, last]) => `U+${name(first)}${last > first ? `-${name(last)}` : ''}`).join(','));
