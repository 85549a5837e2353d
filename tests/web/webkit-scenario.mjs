// A user in WebKit (WebKitGTK's MiniBrowser, over WebDriver): types a bad value and reads the
// refusal, corrects it, chooses two Enemies of 1 hit point in the page's list box, starts and
// watches the whole battle in real time, closes the report by its close box and reads that the
// program has ended. Each window lies in the view and fills it, on a laptop's view (1280×720) and
// a phone's (390×844); the trace that ?trace writes tells the battle tick by tick, on schedule;
// the page reports no error and no breach of its Content-Security-Policy, its scripts and styles
// at work. Opened from a disk, the page shows its first window under the same policy, which
// refuses a script written into it. Prints how soon the first window came and how long the
// battle took.
//   node webkit-scenario.mjs SITE_DIR
import assert from 'node:assert/strict';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { battleTimers } from './battle-timers.mjs';
import { serve } from './static-server.mjs';
import { launchWebKit } from './webkit.mjs';

const views = [['phone', 390, 844], ['laptop', 1280, 720]];
const onShow = '.window:not([hidden]):not(.leaving)';  // a window closed leaves the page a moment later
const server = await serve(process.argv[2]);
const figures = [];
let browser;

// WebKitGTK's WebDriver has no console log: the page's errors and its trace are recorded by the
// page itself, from the first moment the test can reach it (before the program starts, mostly),
// and so is the frame that first shows a window, unless one is there already.
const recorder = `
  if (!window.recorded) {
    window.recorded = { problems: [], trace: [], drawn: null };
    const shown = () => document.querySelector('.window:not([hidden])');
    if (!shown()) {
      new MutationObserver((changes, observer) => {
        if (!shown()) return;
        observer.disconnect();
        requestAnimationFrame(() => { recorded.drawn = performance.now(); });
      }).observe(document, { subtree: true, childList: true, attributes: true });
    }
    addEventListener('error', event => recorded.problems.push(event.message));
    document.addEventListener('securitypolicyviolation', event => recorded.problems.push(
      \`Content-Security-Policy: \${event.effectiveDirective} refused \${event.blockedURI || 'a text'}\`));
    addEventListener('unhandledrejection', event => recorded.problems.push(\`Unhandled: \${event.reason}\`));
    for (const [level, into] of [['log', 'trace'], ['error', 'problems']]) {
      const write = console[level];
      console[level] = (...parts) => {
        recorded[into].push(parts.join(' '));
        write.apply(console, parts);
      };
    }
  }`;

// The window on show (or the message box) lies in the view and the page has no scroll, in each
// view; a window fills the side of the view that limits it, all but a small margin.
async function assertFits(selector, what) {
  const fit = [];
  for (const [view, width, height] of views) {
    await browser.resize(width, height);
    // The page fits its windows again at the resize event, which comes before the next frame.
    const { scroll, inside, fills } = await browser.until(`the view at ${width}×${height}`, `
      const [selector, width, height] = arguments, view = document.documentElement;
      if (view.clientWidth !== width || view.clientHeight !== height) return null;
      return new Promise(resolve => requestAnimationFrame(() => {
        const { left, top, right, bottom, width, height } = document.querySelector(selector).getBoundingClientRect();
        resolve({ scroll: [view.scrollWidth - view.clientWidth, view.scrollHeight - view.clientHeight],
                  inside: left >= 0 && top >= 0 && right <= view.clientWidth && bottom <= view.clientHeight,
                  fills: Math.max(width / view.clientWidth, height / view.clientHeight) });
      }));`, { args: [selector, width, height] });
    assert.deepEqual(scroll, [0, 0], `${what} on a ${view}: the page scrolls by ${scroll}`);
    assert.ok(inside, `${what} lies in a ${view}'s view`);
    const share = `${(fills * 100).toFixed(0)} %`;
    if (selector !== 'dialog[open]') assert.ok(fills >= 0.8, `${what} fills ${share} of a ${view}'s view`);
    fit.push(`${width}×${height} (${share})`);
  }
  figures.push(`${what} in the view at ${fit.join(' and ')}`);
}

try {
  browser = await launchWebKit();
  await browser.resize(1280, 720);
  const address = `${server.url}/?trace`;
  await browser.navigate(address);
  const found = await browser.until('the settings window', `
    if (location.href !== arguments[0]) return null;
    ${recorder}
    return document.querySelector('[aria-label="Enemy Health"]') && performance.now();`,
  { timeout: 30_000, args: [address] });
  await assertFits(onShow, 'the settings window');
  // Each file that the page asked for came once (a preload that came after the page's own
  // request for it fetched it again): counted up to its service worker, whose own requests this
  // browser sends to the server anew, as under WebDriver it keeps no HTTP cache.
  for (const deadline = Date.now() + 20_000; !server.answered.some(answer => answer.file === '/service-worker.js');
    await new Promise(resolve => setTimeout(resolve, 50))) {
    assert.ok(Date.now() < deadline, 'the page registers its service worker');
  }
  const fetched = server.answered.map(answer => answer.file);
  const beforeWorker = fetched.slice(0, fetched.indexOf('/service-worker.js'));
  assert.deepEqual(beforeWorker.filter((file, index) => beforeWorker.indexOf(file) !== index), [],
                   'files that the page fetched twice');

  // A bad value is refused in a modal message; OK leads back to the box, its text selected.
  await browser.click(await browser.find('//input[@aria-label="Enemy Health"]'));
  await browser.press('\uE009', 'a');
  await browser.type('lots');
  const startBattle = await browser.find('//button[normalize-space()="Start Battle"]');
  await browser.click(startBattle);
  const message = await browser.until('the refusal', `
    const box = document.querySelector('dialog[open]');
    return box && [box.getAttribute('aria-modal'), box.querySelector('[data-message-text]').textContent];`);
  assert.deepEqual(message, ['true', 'Enemy "Health" must be a number from -32768 to 32767.\n' +
                                     'A fraction, written with ".", is rounded to the nearest whole number.']);
  await assertFits('dialog[open]', 'the message box');
  await browser.click(await browser.find('//dialog[@open]//button[normalize-space()="OK"]'));
  const focused = await browser.until('the focus back after the refusal', `
    const box = document.activeElement;
    return !document.querySelector('dialog[open]') && box.tagName === 'INPUT' &&
           [box.getAttribute('aria-label'), box.value.slice(box.selectionStart, box.selectionEnd)];`);
  assert.deepEqual(focused, ['Enemy Health', 'lots'], 'the refused box has the focus, its text selected');

  // Corrected: Enemies of 1 hit point, two of them, chosen by a click in the list.
  await browser.type('1');
  await browser.click(await browser.find('//*[@role="listbox"][@aria-label="Number of Enemies (1-5)"]' +
                                         '/*[@role="option"][normalize-space()="2"]'));
  await browser.until('2 chosen', `
    return document.querySelector('[role=listbox] [aria-selected=true]').textContent === '2';`);
  await browser.click(startBattle);
  const start = await browser.find('//button[normalize-space()="Press this button to start the simulator."]');
  await browser.until('the settings window gone', `return !document.querySelector('[aria-label="Enemy Health"]');`);
  await assertFits(onShow, 'the battle window');

  await browser.click(start);
  const started = Date.now();
  await browser.until('the report', `
    return [...document.querySelectorAll('.window .title')].some(title => title.textContent === 'End of Battle');`,
  { timeout: 150_000 });
  const watched = (Date.now() - started) / 1000;
  await assertFits(onShow, 'the report');
  // Its labels one by one: WebKit's innerText puts no line between positioned blocks.
  const [result, total, hero, enemy] = await browser.run(`
    return [...document.querySelector(arguments[0]).querySelectorAll('.client > .label')]
      .map(label => label.textContent);`, onShow);
  assert.match(result, /^The (Hero has defeated all Enemies|Enemies have defeated the Hero)\.$/);
  const count = line => Number(line.match(/= (-?\d+)$/)[1]);
  assert.equal(count(total), count(hero) + count(enemy));

  // The trace tells the same battle, every move in all of its ticks, on schedule.
  const trace = (await browser.run('return recorded.trace;')).filter(line => /^\d+\.\d{3} /.test(line));
  const ticks = name => trace.filter(line => line.endsWith(`.${name}_Timer`)).length;
  const moveTicks = battleTimers.tmrHeroAttack.ticks;
  assert.equal(ticks('tmrHeroAttack') + ticks('tmrCure'), moveTicks * count(hero), 'every Hero move in full');
  assert.equal(ticks('tmrEnemyAttack'), moveTicks * count(enemy), 'every Enemy move in full');
  const time = line => Number(line.split(' ')[0]);
  const at = suffix => time(trace.find(line => line.endsWith(suffix)));
  const lasted = at('frmEnd.Show') - at('frmBattle.cmdStart_Click');
  const scheduled = Object.entries(battleTimers).reduce((sum, [timer, { interval }]) => sum + interval * ticks(timer), 0);
  assert.ok(Math.abs(lasted - scheduled) < 0.02 * scheduled, `lasted ${lasted} s for ${scheduled} s of ticks`);
  assert.ok(Math.abs(watched - lasted) < 1, `watched ${watched} s, traced ${lasted} s`);

  // The report's close box ends the program, and the page says so.
  await browser.click(await browser.find('//section[.//*[@class="title"]="End of Battle"]//button[@aria-label="Close"]'));
  const ended = await browser.until('the ended notice', `
    const notice = document.getElementById('ended');
    return !notice.hidden && notice.querySelector('p').textContent;`);
  assert.equal(ended, 'Duelmark has ended.');
  assert.ok((await browser.run('return recorded.trace.at(-1);')).endsWith(' End'));
  assert.deepEqual(await browser.run('return recorded.problems;'), []);
  // What the recorder came too late to hear: the page's first script ran (served, it asks for the
  // manifest) and its whole style applies (the odds' rules stand at the end of page.css).
  assert.deepEqual(await browser.run(`return [!!document.querySelector('link[rel=manifest]'),
    getComputedStyle(document.querySelector('.odds-button')).position];`), [true, 'fixed']);

  const drawn = await browser.run('return recorded.drawn;');

  // Opened from a disk: the first window, in the page's style, and an injected script refused.
  const fromDisk = pathToFileURL(path.resolve(process.argv[2], 'index.html')).href;
  await browser.navigate(fromDisk);
  await browser.until('the settings window, from a disk', `
    if (location.href !== arguments[0]) return null;
    ${recorder}
    return document.querySelector('[aria-label="Enemy Health"]') &&
           getComputedStyle(document.querySelector('.odds-button')).position === 'fixed';`,
  { timeout: 30_000, args: [fromDisk] });
  const refusal = await browser.run(`return new Promise(resolve => {
    document.addEventListener('securitypolicyviolation', event =>
      resolve([event.effectiveDirective, window.injected ?? 'not run']), { once: true });
    const script = document.createElement('script');
    script.textContent = 'window.injected = "run";';
    document.body.append(script);
  });`);
  assert.deepEqual(refusal, ['script-src-elem', 'not run'], 'an injected script is refused');
  const fromDiskProblems = await browser.run('return recorded.problems;');
  assert.equal(fromDiskProblems.length, 1, fromDiskProblems.join(' | '));
  assert.match(fromDiskProblems[0], /^Content-Security-Policy: script-src-elem refused/);
  await browser.run('recorded.problems.length = 0;');

  console.log(drawn ? `The first window drawn ${drawn.toFixed(0)} ms after the navigation began.`
                    : `The first window there ${found.toFixed(0)} ms after the navigation began, ` +
                      'before the test could look.');
  console.log(`A battle of ${count(total)} moves: ${lasted.toFixed(2)} s in the trace for ${scheduled.toFixed(2)} s of ` +
              `ticks, watched in ${watched.toFixed(1)} s.`);
  console.log('Each window in the view, without a scroll (the share of the side that limits it):');
  figures.forEach(line => console.log(`  ${line}`));
} finally {
  const problems = await browser?.run('return window.recorded?.problems;').catch(() => null);
  if (problems?.length) console.error(`The page reported: ${problems.join(' | ')}`);
  await browser?.close();
  server.close();
}
