// Writes one of the page's own files as the site serves it: the sources' comments and
// indentation, which are for their readers, left out, and nothing else changed. Each input is
// joined to the last (page.css is the backend's style and the page's own).
//   node served.mjs OUTPUT INPUT...      (a .js, .css or .html OUTPUT)
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

export function served(text, kind) {
  const lines = kind === '.css' ? text.replace(/\/\*[\s\S]*?\*\//g, '')
    : kind === '.html' ? text.replace(/<!--[\s\S]*?-->/g, '') : text;
  // A script keeps its indentation, which may stand inside a text that spans lines.
  const kept = lines.split('\n').filter(line => line.trim() && !(kind === '.js' && /^\s*\/\//.test(line)));
  return kept.map(line => (kind === '.js' ? line : line.trim())).join('\n') + '\n';
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [output, ...inputs] = process.argv.slice(2);
  writeFileSync(output, served(inputs.map(input => readFileSync(input, 'utf8')).join('\n'), path.extname(output)));
}
