// A user in Chromium installs the page as an app, plays a whole battle without a network, and
// gets a new build with one reload, and another that arrives in a battle once the battle is
// over. Chromium finds nothing that keeps the page from being installed; the first visit's
// service worker stores the site; offline, a reload plays a battle to the end window, every file
// from the worker and none missing. Then the site is built again with a change (on a copy of the
// folder, the worker written again by the build's own step): one reload shows the new build,
// from its cache alone, the old cache gone. Built again while a battle is on, the next build is
// stored and waits: the battle plays to its end window under the build it began with, no reload
// cutting it short; once the program has ended, the new build takes over, and "Start again"
// starts it.
//   node offline-scenario.mjs SITE_DIR
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { closeChromium, launchChromium, reportPolicyViolations } from './chromium.mjs';
import { serve } from './static-server.mjs';

const source = path.join(path.dirname(fileURLToPath(import.meta.url)), '../..');
const folder = mkdtempSync(path.join(os.tmpdir(), 'duelmark-site-'));
const site = path.join(folder, 'site');
cpSync(process.argv[2], site, { recursive: true });
const server = await serve(site);
const browser = await launchChromium();
const page = await browser.newPage();
await reportPolicyViolations(page);
const problems = [];
page.on('console', message => message.type() === 'error' && problems.push(message.text()));
page.on('pageerror', error => problems.push(error.message));

// The cache that the worker of the build in the folder stores its files in, and their number.
const built = () => {
  const worker = readFileSync(path.join(site, 'service-worker.js'), 'utf8');
  return { version: worker.match(/const cacheName = `\$\{registration\.scope\} (\w+)`/)[1],
           files: Object.keys(JSON.parse(worker.match(/const files = (\{[^}]*\})/)[1])).length };
};
const storedCaches = () => page.evaluate(async () => Promise.all((await caches.keys()).map(async name =>
  [name.split(' ').at(-1), (await (await caches.open(name)).keys()).length])));
// A new build, with two files changed: the page's title and a mark in its style.
const rebuild = (title, mark) => {
  const index = path.join(site, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace(/<title>[^<]*<\/title>/, `<title>${title}</title>`));
  appendFileSync(path.join(site, 'page.css'), `:root { --build: ${mark}; }\n`);
  execFileSync(process.execPath, [path.join(source, 'scripts/service-worker.mjs'),
                                  path.join(source, 'app/web/ServiceWorker.js.in'), site]);
  return built();
};
const shows = (title, mark) => page.waitForFunction((title, mark) => document.title === title &&
  getComputedStyle(document.documentElement).getPropertyValue('--build').trim() === mark, { timeout: 30_000 }, title, mark);
const waitingBuild = () => page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).waiting !== null);
// A battle of one Enemy per Health point against the Hero, begun.
const beginBattle = async enemies => {
  const health = await page.waitForSelector('aria/Enemy Health[role="textbox"]');
  await health.click({ clickCount: 3 });
  await page.keyboard.type('1');
  const list = await page.waitForSelector('aria/Number of Enemies (1-5)[role="listbox"]');
  await list.focus();
  for (let enemy = 1; enemy < enemies; ++enemy) await page.keyboard.press('ArrowDown');
  await (await page.waitForSelector('aria/Start Battle[role="button"]')).click();
  await (await page.waitForSelector('aria/Press this button to start the simulator.[role="button"]')).click();
};

try {
  // The first visit: installable, and once its worker is ready the whole site is stored.
  await page.goto(server.url);
  await page.waitForSelector('aria/Hero Health[role="textbox"]');
  await page.evaluate(() => navigator.serviceWorker.ready);
  const cdp = await page.target().createCDPSession();
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  assert.deepEqual((await cdp.send('Page.getAppManifest')).errors, [], 'the manifest is read without a fault');
  const first = built();
  assert.deepEqual(await storedCaches(), [[first.version, first.files]]);

  // Offline, a reload plays a whole battle: one Enemy with 1 Health, in real time.
  await page.setOfflineMode(true);
  const served = new Set(), failed = [];
  const note = response => response.fromServiceWorker() ? served.add(response.url()) : failed.push(response.url());
  page.on('response', note);
  page.on('requestfailed', request => failed.push(request.url()));
  await page.reload();
  await beginBattle(1);
  const started = Date.now();
  await page.waitForSelector('aria/End of Battle[role="dialog"]', { timeout: 120_000 });
  const battle = (Date.now() - started) / 1000;
  page.off('response', note);
  assert.deepEqual(failed, [], 'offline, every file the page asks for comes from the worker');
  await page.setOfflineMode(false);

  // A new build: at the settings window, untouched, it takes over at once.
  const second = rebuild('Duelmark, rebuilt', 'rebuilt');
  assert.notEqual(second.version, first.version);
  let loads = 0;
  page.on('load', () => ++loads);
  const reloaded = Date.now();
  await page.reload();
  await shows('Duelmark, rebuilt', 'rebuilt');
  const update = (Date.now() - reloaded) / 1000;
  const loadsForUpdate = loads;
  await page.waitForSelector('aria/Hero Health[role="textbox"]');
  assert.deepEqual(await storedCaches(), [[second.version, second.files]], 'the new build alone is stored');

  // Another build arrives in a battle (the browser looks for one now and then; here the test
  // asks it to): it is stored whole, and waits.
  await beginBattle(3);
  const third = rebuild('Duelmark, rebuilt again', 'again');
  await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
  await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration()).waiting !== null,
                             { polling: 100, timeout: 30_000 });
  assert.equal(await page.$('aria/End of Battle[role="dialog"]'), null, 'the new build came in the battle');
  assert.deepEqual(await storedCaches(), [[second.version, second.files], [third.version, third.files]]);
  // The battle plays to its end window, under the build it began with.
  await page.waitForSelector('aria/End of Battle[role="dialog"]', { timeout: 120_000 });
  assert.equal(loads, loadsForUpdate, 'no reload cut the battle short');
  assert.equal(await page.title(), 'Duelmark, rebuilt');
  assert.ok(await waitingBuild(), 'at the end window, the new build still waits');
  // The report closed, the program has ended: the new build takes over, its build before's
  // cache goes, and the page still says that the program has ended, until "Start again".
  await page.keyboard.press('Escape');
  const again = await page.waitForSelector('aria/Start again[role="button"]');
  await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration()).waiting === null &&
                             (await caches.keys()).length === 1, { polling: 100, timeout: 30_000 });
  assert.deepEqual(await storedCaches(), [[third.version, third.files]], 'the new build alone is stored');
  assert.equal(loads, loadsForUpdate, 'the ended page stays');
  assert.ok(await page.$eval('#ended', notice => !notice.hidden));
  await again.click();
  await shows('Duelmark, rebuilt again', 'again');
  await page.waitForSelector('aria/Hero Health[role="textbox"]');
  assert.deepEqual(problems, []);
  console.log(`Installable; ${first.files} files stored at the first visit. Offline: ${served.size} files from the ` +
              `worker, a battle watched to its end window in ${battle.toFixed(1)} s. A new build shown ` +
              `${update.toFixed(1)} s after one reload (${loadsForUpdate} loads of the page), only its cache left. ` +
              'Another, arrived in a battle, waited for the battle\'s end and took over as the program ended.');
} finally {
  if (problems.length) console.error(`The page reported: ${problems.join(' | ')}`);
  await closeChromium(browser);
  server.close();
  rmSync(folder, { recursive: true, force: true });
}
