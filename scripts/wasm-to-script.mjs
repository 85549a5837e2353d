// Writes a WebAssembly file as a script that holds it in base64, for pages opened from a disk.
// The script names it duelmarkWasm, or the name given.
//   node wasm-to-script.mjs IN.wasm OUT.js [NAME]
import { readFileSync, writeFileSync } from 'node:fs';

const [input, output, name = 'duelmarkWasm'] = process.argv.slice(2);
writeFileSync(output, `var ${name} = '${readFileSync(input).toString('base64')}';\n`);
