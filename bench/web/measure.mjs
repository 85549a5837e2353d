// Figures of the web edition in headless Chromium, measured on this machine (not a test):
// the page's weight, the time from navigation to the settings window drawn, and a whole
// battle's phase deviation and CPU.   node bench/web/measure.mjs build/web [ENEMIES]
import { spawnSync } from 'node:child_process';
import { readFileSync, readdirSync, statSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const tests = path.join(here, '../../tests/web');
const { closeChromium, launchChromium } = await import(path.join(tests, 'chromium.mjs'));
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

// Navigation to the settings window drawn: a fresh browser each time (nothing cached), and
// reloads in one browser (cached).
const drawn = async tab => {
  await tab.goto(server.url, { waitUntil: 'domcontentloaded' });
  await tab.waitForSelector('aria/Hero Health[role="textbox"]');
  return tab.evaluate(() => new Promise(resolve => requestAnimationFrame(() => resolve(performance.now()))));
};
const cold = [];
for (let i = 0; i < 5; ++i) {
  const browser = await launchChromium();
  cold.push(await drawn(await browser.newPage()));
  await closeChromium(browser);
}
const browser = await launchChromium();
const tab = await browser.newPage();
const warm = [];
for (let i = 0; i < 10; ++i) warm.push(await drawn(tab));
console.log(`Navigation to the settings window drawn: ${median(cold).toFixed(0)} ms median of 5 fresh browsers ` +
            `(worst ${Math.max(...cold).toFixed(0)} ms), ${median(warm).toFixed(0)} ms median of 10 reloads`);

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
