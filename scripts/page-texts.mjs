// The texts that the page's HTML marks for translation, as a gettext template on the standard
// output: of each element marked with data-translate, its "text" (the first in it, without the
// blanks around it) or the attributes named, as PageLanguage.js translates them.
//   node page-texts.mjs FILE.html...
import { readFileSync } from 'node:fs';

const entities = { amp: '&', lt: '<', gt: '>', quot: '"' };
const decoded = text => text.replace(/&(amp|lt|gt|quot);/g, (_, name) => entities[name]);
const quoted = text => `"${text.replace(/[\\"]/g, '\\$&').replace(/\n/g, '\\n')}"`;

const references = new Map();  // each text, once, with every place that shows it
for (const file of process.argv.slice(2)) {
  const html = readFileSync(file, 'utf8');
  for (const marked of html.matchAll(/<[a-z][a-z0-9]*([^>]*?)\sdata-translate="([^"]*)"([^>]*)>([^<]*)/g)) {
    const [, before, what, after, text] = marked;
    const line = html.slice(0, marked.index).split('\n').length;
    for (const name of what.split(' ')) {
      const source = decoded(name === 'text' ? text.trim() : (before + after).match(new RegExp(`\\s${name}="([^"]*)"`))[1]);
      references.set(source, [...(references.get(source) ?? []), `${file}:${line}`]);
    }
  }
}
console.log(['msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n',
             ...[...references].map(([source, places]) => `#: ${places.join(' ')}\nmsgid ${quoted(source)}\nmsgstr ""\n`)]
  .join('\n'));
