// Writes the page's service worker into the built site: the worker's template with every file
// that the page may ask for, each with its SHA-256, and a version made of them all, which names
// the worker's cache. Left out are the worker itself, duelmark-wasm.js, odds-worker-wasm.js and
// the catalogues' scripts (only a page opened from a disk loads them) and the fonts' licences,
// which the page never asks for. The odds' workers and their engine, and the curve's part of the
// panel, are stored when the page first asks for them, not with the rest: a visit that never asks
// for the odds does not fetch them, and without them the page fights the odds itself. So are a
// language's catalogue and the fonts' supplements, which a page in English never asks for.
//   node service-worker.mjs TEMPLATE SITE_DIR
import { createHash } from 'node:crypto';
import { existsSync, readFileSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { served } from './served.mjs';
import path from 'node:path';

const [template, site] = process.argv.slice(2);
const worker = path.join(site, 'service-worker.js');
const left = new Set(['service-worker.js', 'duelmark-wasm.js', 'odds-worker-wasm.js']);
const files = readdirSync(site, { recursive: true })
  .filter(file => statSync(path.join(site, file)).isFile())
  .map(file => file.split(path.sep).join('/'))
  .filter(file => !left.has(file) && !file.endsWith('.copyright') && !/^locale\/.*\.js$/.test(file))
  .sort();
const odds = new Set(['odds-worker.js', 'odds-worker.wasm', 'odds-curve.js', 'odds-curve.css']);
const isOnDemand = file => odds.has(file) || /^locale\/.*\.mo$/.test(file) || file.endsWith('-Supplement.woff2');
const integrity = list => Object.fromEntries(list.map(file =>
  [file, `sha256-${createHash('sha256').update(readFileSync(path.join(site, file))).digest('base64')}`]));
const stored = integrity(files.filter(file => !isOnDemand(file)));
const asked = integrity(files.filter(isOnDemand));
const version = createHash('sha256').update(JSON.stringify([stored, asked])).digest('hex').slice(0, 16);
const text = served(readFileSync(template, 'utf8')
  .replace('@DUELMARK_SITE_FILES@', JSON.stringify(stored))
  .replace('@DUELMARK_SITE_FILES_ON_DEMAND@', JSON.stringify(asked))
  .replace('@DUELMARK_SITE_VERSION@', version), '.js');
// Unchanged, the worker keeps its time, and a server its answer "not modified".
if (!existsSync(worker) || readFileSync(worker, 'utf8') !== text) writeFileSync(worker, text);
