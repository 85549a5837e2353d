// Writes a file (a WebAssembly, a catalogue) as a script that holds it in base64, for pages
// opened from a disk, which may load scripts but not fetch files. The script names it
// duelmarkWasm, or the name given.
//   node file-to-script.mjs IN OUT.js [NAME]
import { readFileSync, writeFileSync } from 'node:fs';

const [input, output, name = 'duelmarkWasm'] = process.argv.slice(2);
writeFileSync(output, `var ${name} = '${readFileSync(input).toString('base64')}';\n`);
