// Writes a WebAssembly file as a script that holds it in base64, for pages opened from a disk.
//   node wasm-to-script.mjs IN.wasm OUT.js
import { readFileSync, writeFileSync } from 'node:fs';

const [input, output] = process.argv.slice(2);
writeFileSync(output, `var duelmarkWasm = '${readFileSync(input).toString('base64')}';\n`);
