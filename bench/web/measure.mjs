// Figures of the web edition in headless Chromium, measured on this machine (not a test):
// the page's weight, how soon it shows its first window in its own fonts, and a whole
// battle's phase deviation and CPU.   node bench/web/measure.mjs build/web [ENEMIES]
// (0 Enemies: the loading alone, without a battle)
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const tests = path.join(here, '../../tests/web');
const { closeChromium, launchChromium, PredefinedNetworkConditions } = await import(path.join(tests, 'chromium.mjs'));
const { serve } = await import(path.join(tests, 'static-server.mjs'));
const { battleTimers } = await import(path.join(tests, 'battle-timers.mjs'));
const [site, enemies = '2'] = process.argv.slice(2);

// The page's weight: every file, fonts apart.
const files = dir => readdirSync(dir, { withFileTypes: true })
  .flatMap(entry => entry.isDirectory() ? files(path.join(dir, entry.name)) : [path.join(dir, entry.name)]);
const sizes = files(site).map(file => [path.relative(site, file), statSync(file).size]);
const kib = bytes => `${(bytes / 1024).toFixed(1)} KiB`;
const sum = list => list.reduce((total, [, size]) => total + size, 0);
const fonts = sizes.filter(([name]) => name.startsWith('fonts/'));
const page = sizes.filter(([name]) => !name.startsWith('fonts/'));
console.log('Page files (fonts apart):');
for (const [name, size] of page) console.log(`  ${name.padEnd(28)} ${kib(size)}`);
console.log(`  total ${kib(sum(page))} (${sum(page)} bytes); fonts and their licences ${kib(sum(fonts))}`);

const server = await serve(site);
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Loading the page, in a fresh browser (nothing cached) and on reload (cached, asked again),
// each the median of 5: the time from navigation to the first window drawn, to the fonts it
// is drawn in being ready, and the bytes that came over the network. With and without Chromium's
// throttling of a modest phone, and with the two font families installed or not (a
// fontconfig that holds only DejaVu, as most phones, Windows and macOS lack them).
const fontFolder = mkdtempSync(path.join(os.tmpdir(), 'duelmark-fonts-'));
const dejavuOnly = path.join(fontFolder, 'fonts.conf');
writeFileSync(dejavuOnly, '<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n' +
              '<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir></fontconfig>\n');
const fontSetups = [['installed', {}], ['without', { FONTCONFIG_FILE: dejavuOnly }]];
const throttles = [['none', {}], ['CPU 4x', { cpu: 4 }], ['Fast 3G', { network: 'Fast 3G' }],
                   ['Fast 3G + CPU 4x', { cpu: 4, network: 'Fast 3G' }]];
const runs = 5;

// Noted by the page itself: the frame that first shows a window, and the last font loaded.
function noteLoading() {
  window.loading = {};
  document.fonts.addEventListener('loadingdone', () => { window.loading.fonts = performance.now(); });
  new MutationObserver((changes, observer) => {
    if (!document.querySelector('.window:not([hidden])')) return;
    observer.disconnect();
    requestAnimationFrame(() => { window.loading.drawn = performance.now(); });
  }).observe(document, { subtree: true, childList: true, attributes: true });
}

async function load(tab, { cpu = 1, network }) {
  const cdp = await tab.createCDPSession();
  await cdp.send('Network.enable');
  let bytes = 0;
  // What came over the network: a data: address (the WebAssembly, inlined) did not.
  const overNetwork = new Set();
  cdp.on('Network.requestWillBeSent', event => {
    if (/^https?:/.test(event.request.url)) overNetwork.add(event.requestId);
  });
  cdp.on('Network.loadingFinished', event => {
    if (overNetwork.has(event.requestId)) bytes += event.encodedDataLength;
  });
  await tab.emulateCPUThrottling(cpu);
  await tab.emulateNetworkConditions(network ? PredefinedNetworkConditions[network] : null);
  await tab.goto(server.url, { waitUntil: 'domcontentloaded' });
  await tab.waitForFunction(() => window.loading.drawn, { timeout: 60_000 });
  // The fonts that the window asked for, once its text has been laid out.
  const { drawn, fonts } = await tab.evaluate(async () => {
    await new Promise(resolve => requestAnimationFrame(() => requestAnimationFrame(resolve)));
    await document.fonts.ready;
    return { drawn: window.loading.drawn, fonts: Math.max(window.loading.drawn, window.loading.fonts ?? 0) };
  });
  await tab.waitForNetworkIdle({ idleTime: 500 });
  await cdp.detach();
  return { drawn, fonts, bytes };
}

const loads = [];
for (const [fontName, env] of fontSetups) {
  for (const [throttleName, throttle] of throttles) {
    const fresh = [];
    for (let i = 0; i < runs; ++i) {
      const browser = await launchChromium(env);
      const tab = await browser.newPage();
      await tab.evaluateOnNewDocument(noteLoading);
      fresh.push(await load(tab, throttle));
      await closeChromium(browser);
    }
    const browser = await launchChromium(env);
    const tab = await browser.newPage();
    await tab.evaluateOnNewDocument(noteLoading);
    await load(tab, {});
    const reload = [];
    for (let i = 0; i < runs; ++i) reload.push(await load(tab, throttle));
    await closeChromium(browser);
    loads.push({ fontName, throttleName, fresh, reload });
  }
}
const cell = (list, key, unit) => `${median(list.map(run => run[key])).toFixed(0)}${unit}`.padStart(8);
const kb = list => `${(median(list.map(run => run.bytes)) / 1000).toFixed(0)} KB`.padStart(8);
console.log(`Loading, median of ${runs}: first window drawn, own fonts ready, bytes over the network`);
console.log('  families   throttling          |   fresh: drawn   fonts    bytes |  reload: drawn   fonts    bytes');
for (const { fontName, throttleName, fresh, reload } of loads) {
  console.log(`  ${fontName.padEnd(10)} ${throttleName.padEnd(19)} | ${cell(fresh, 'drawn', ' ms').padStart(14)}` +
              ` ${cell(fresh, 'fonts', ' ms')} ${kb(fresh)} | ${cell(reload, 'drawn', ' ms').padStart(14)}` +
              ` ${cell(reload, 'fonts', ' ms')} ${kb(reload)}`);
}
rmSync(fontFolder, { recursive: true });
if (Number(enemies) === 0) {
  server.close();
  process.exit(0);
}
const browser = await launchChromium();
const tab = await browser.newPage();

// A whole battle with the default statistics, traced: how long each phase lasted against
// its ticks. Then one untraced, as users watch it, for the CPU it takes.
async function battle(query) {
  const trace = [];
  const listen = message => trace.push(message.text());
  tab.on('console', listen);
  await tab.goto(`${server.url}/${query}`);
  const list = await tab.waitForSelector('aria/Number of Enemies (1-5)[role="listbox"]');
  await (await list.waitForSelector(`[role="option"]:nth-child(${enemies})`)).click();
  await (await tab.waitForSelector('aria/Start Battle[role="button"]')).click();
  await (await tab.waitForSelector('aria/Press this button to start the simulator.[role="button"]')).click();
  const before = await tab.metrics();
  const cpuBefore = browserCpuSeconds(browser.process().pid);
  const started = Date.now();
  // Polled once a second: an accessibility query each frame would cost more than the battle.
  await tab.waitForFunction(() => [...document.querySelectorAll('.window .title')].some(t => t.textContent === 'End of Battle'),
                            { polling: 1000, timeout: 30 * 60_000 });
  const seconds = (Date.now() - started) / 1000;
  const after = await tab.metrics();
  tab.off('console', listen);
  return { trace, seconds, mainThread: after.TaskDuration - before.TaskDuration,
           browserCpu: browserCpuSeconds(browser.process().pid) - cpuBefore };
}

const traced = await battle('?trace');
const lines = traced.trace.map(line => line.match(/^(\d+\.\d{3}) (.*)$/)).filter(Boolean)
  .map(([, t, what]) => [Number(t), what]);
let worst = 0, phases = 0;
for (const [timer, { interval, ticks }] of Object.entries(battleTimers)) {
  let begun = null, count = 0;
  for (const [time, what] of lines) {
    if (what === `frmBattle.${timer}.Enabled=True`) [begun, count] = [time, 0];
    if (begun !== null && what === `frmBattle.${timer}_Timer` && ++count === ticks) {
      const scheduled = interval * ticks;
      worst = Math.max(worst, Math.abs(time - begun - scheduled) / scheduled);
      ++phases;
      begun = null;
    }
  }
}
console.log(`A battle against ${enemies} Enemies: ${traced.seconds.toFixed(1)} s, ${phases} phases, ` +
            `worst phase deviation ${(worst * 100).toFixed(2)} %`);
for (const [name, run] of [['traced to the console', traced], ['untraced', await battle('')]]) {
  console.log(`CPU during a battle ${name}: page main thread ${run.mainThread.toFixed(2)} s ` +
              `(${(run.mainThread / run.seconds * 100).toFixed(1)} %), whole browser ${run.browserCpu.toFixed(2)} s ` +
              `(${(run.browserCpu / run.seconds * 100).toFixed(1)} % of one core) in ${run.seconds.toFixed(1)} s`);
}
await closeChromium(browser);
server.close();

// User and system time of the browser and all its processes so far, from /proc.
function browserCpuSeconds(root) {
  const pids = [root];
  for (let i = 0; i < pids.length; ++i) {
    const children = spawnSync('ps', ['-o', 'pid=', '--ppid', String(pids[i])]).stdout.toString();
    pids.push(...children.split(/\s+/).filter(Boolean).map(Number));
  }
  const ticksPerSecond = 100;
  return pids.reduce((total, pid) => {
    try {
      const fields = readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
      return total + (Number(fields[11]) + Number(fields[12])) / ticksPerSecond;
    } catch {
      return total;  // gone meanwhile
    }
  }, 0);
}
