// A user in Chromium, on a laptop with a mouse and keyboard and on a phone with taps alone:
// opens the help panel and closes it (by keyboard), types a bad value and reads the refusal, corrects it, chooses two Enemies with little health,
// starts, watches the whole battle in real time (the page stalled once, as a throttled
// background tab is), reads the report, starts again and closes the window. The trace that
// ?trace sends to the console must tell the same battle, tick by tick, and the page's live
// region must have said each move once. Every window must fill the view without a scroll; the
// phone is turned and back, and the battle window fits again each time. On the laptop, axe-core
// finds nothing to fault in any of the six states the page goes through, and the page's own
// colours contrast enough. The laptop's path is walked again with the page opened from a disk.
// Served and from a disk, the page breaches its Content-Security-Policy nowhere, and the policy
// refuses a script written into it. The page speaks the language that its address asks for
// (?lang=de), else the browser's (fr-FR), else English: its settings window and a refusal say
// what the catalogue (assets/po) says.
//   node browser-scenario.mjs SITE_DIR [SCREENSHOT_DIR]
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { assertNoViolations, assertOwnColoursContrast, judgedStates } from './axe.mjs';
import { battleTimers } from './battle-timers.mjs';
import { closeChromium, launchChromium, reportPolicyViolations } from './chromium.mjs';
import { serve } from './static-server.mjs';

const viewports = [
  { name: 'laptop', width: 1280, height: 720 },
  { name: 'phone', width: 360, height: 640, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
];
const [site, screenshots] = process.argv.slice(2);
const server = await serve(site);
const browser = await launchChromium();
// What the user sees, for the README.
const shoot = async (page, viewport, name) =>
  screenshots && (await page.screenshot({ path: path.join(screenshots, `web-${viewport.name}-${name}.png`) }));

// The window on show (or the message box) lies in the view, and the page has no scroll; a
// window fills the side of the view that limits it, all but a small margin.
async function assertFits(page, selector, what) {
  // A resized view is fitted again at its resize event, which comes before the next frame.
  await page.evaluate(() => new Promise(resolve => requestAnimationFrame(resolve)));
  const { scroll, inside, fills } = await page.$eval(selector, box => {
    const view = document.documentElement, { left, top, right, bottom, width, height } = box.getBoundingClientRect();
    return { scroll: [view.scrollWidth - view.clientWidth, view.scrollHeight - view.clientHeight],
             inside: left >= 0 && top >= 0 && right <= view.clientWidth && bottom <= view.clientHeight,
             fills: Math.max(width / view.clientWidth, height / view.clientHeight) };
  });
  assert.deepEqual(scroll, [0, 0], `${what}: the page scrolls by ${scroll}`);
  assert.ok(inside, `${what} lies in the view`);
  if (selector !== 'dialog[open]') assert.ok(fills >= 0.8, `${what} fills ${(fills * 100).toFixed(0)} % of the view`);
}

// A script that something wrote into the page (as an injection would) is refused, and the page
// hears of it; nothing of the script runs. The browser's word and the page's are set aside.
async function assertInjectedScriptRefused(page) {
  const before = problems.length;
  const refusal = await page.evaluate(() => new Promise(resolve => {
    document.addEventListener('securitypolicyviolation', event =>
      resolve([event.effectiveDirective, event.blockedURI, window.injected ?? 'not run']), { once: true });
    const script = document.createElement('script');
    script.textContent = 'window.injected = "run";';
    document.body.append(script);
  }));
  assert.deepEqual(refusal, ['script-src-elem', 'inline', 'not run'], 'an injected script is refused');
  await new Promise(resolve => setTimeout(resolve, 300));
  const reported = problems.splice(before);
  assert.ok(reported.length > 0 && reported.every(text => /Content.Security.Policy/i.test(text)), reported.join(' | '));
}

async function play(viewport, fromDisk = false) {
  const touch = viewport.hasTouch;
  // The rules engine judges what the keyboard user meets, on the laptop, served.
  const judge = async state => touch || fromDisk || (await assertNoViolations(page, state));
  const press = handle => touch ? handle.tap() : handle.click();
  const page = await browser.newPage();
  await reportPolicyViolations(page);
  await page.setViewport(viewport);
  const trace = [];
  page.on('console', message => {
    if (/^\d+\.\d{3} /.test(message.text())) trace.push(message.text());
    else if (message.type() === 'error') problems.push(message.text());
  });
  page.on('pageerror', error => problems.push(error.message));
  await page.goto(`${fromDisk ? pathToFileURL(path.resolve(site, 'index.html')).href : server.url + '/'}?trace`);
  const settings = '.window:not([hidden])';

  // A bad value is refused in a modal message that names the field; OK leads back to it.
  const enemyHealth = await page.waitForSelector('aria/Enemy Health[role="textbox"]');
  await page.evaluate(() => {
    const region = document.getElementById('announcer');
    window.heard = [];
    new MutationObserver(() => region.textContent && window.heard.push(region.textContent))
      .observe(region, { childList: true, characterData: true, subtree: true });
  });
  await assertFits(page, settings, 'the settings window');
  fromDisk || (await shoot(page, viewport, 'settings-window'));
  await judge('settings');
  if (!touch) {
    await assertInjectedScriptRefused(page);
    if (!fromDisk) lowestContrast = await assertOwnColoursContrast(page);
    // The help panel covers fifteen controls: out of the keyboard's reach and hidden from screen
    // readers while it is up, the focus on its Close button; closed, the focus is back on Help.
    await (await page.waitForSelector('aria/Help[role="button"]')).focus();
    await page.keyboard.press('Enter');
    const controls = '.client input, .client button, .client [role=listbox]';
    await page.waitForFunction(selector => document.activeElement.textContent === 'Close' &&
      [...document.querySelectorAll(selector)].filter(control => control.closest('[inert]')).length === 15, {}, controls);
    const reachable = await page.evaluate(selector => [...document.querySelectorAll(selector)]
      .filter(control => !control.closest('[inert], [hidden]') && !control.disabled).map(control => control.textContent), controls);
    assert.deepEqual(reachable, ['Close'], 'Tab reaches only what the help panel shows');
    await judge('help open');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.activeElement.textContent === 'Help' && !document.querySelector('.client [inert]'));
  }
  // On a phone the tap leaves the caret after the value, and the typing is added to it.
  await (touch ? enemyHealth.tap() : enemyHealth.click({ clickCount: 3 }));
  await page.keyboard.type('lots');
  const refused = await enemyHealth.evaluate(box => box.value);
  await press(await page.waitForSelector('aria/Start Battle[role="button"]'));
  const message = await page.waitForSelector('dialog[open]');
  assert.equal(await message.evaluate(d => d.getAttribute('aria-modal')), 'true');
  await judge('refusal');
  assert.equal(await message.$eval('[data-message-text]', p => p.textContent),
               'Enemy "Health" must be a number from -32768 to 32767.\n' +
               'A fraction, written with ".", is rounded to the nearest whole number.');
  await assertFits(page, 'dialog[open]', 'the message box');
  await (touch ? press(await message.$('button')) : page.keyboard.press('Enter'));
  await page.waitForSelector('dialog[open]', { hidden: true });
  await page.waitForFunction(() => document.activeElement.tagName === 'INPUT');  // after the dialog's close event
  const focused = await page.evaluate(() => {
    const box = document.activeElement;
    return [box.getAttribute('aria-label'), box.value.slice(box.selectionStart, box.selectionEnd)];
  });
  assert.deepEqual(focused, ['Enemy Health', refused], 'the refused box has the focus, its text selected');

  // Corrected: Enemies of 1 hit point, two of them.
  await page.keyboard.type('1');
  const list = await page.waitForSelector('aria/Number of Enemies (1-5)[role="listbox"]');
  if (touch) {
    await (await list.$('[role=option]:nth-child(2)')).tap();
  } else {
    await list.focus();
    await page.keyboard.press('ArrowDown');
  }
  await press(await page.waitForSelector('aria/Start Battle[role="button"]'));
  const start = await page.waitForSelector('aria/Press this button to start the simulator.[role="button"]');
  await page.waitForFunction(() => !document.querySelector('[aria-label="Enemy Health"]'));  // the settings window has gone
  assert.ok(await page.$('aria/turn arrow over Hero[role="image"]'), 'the pictures say what they show');
  await assertFits(page, '.window:not([hidden])', 'the battle window');
  if (touch) {
    // Turned to landscape, where the height limits the battle window, and back.
    await page.setViewport({ ...viewport, width: viewport.height, height: viewport.width, isLandscape: true });
    await assertFits(page, '.window:not([hidden])', 'the battle window, turned');
    await page.setViewport(viewport);
    await assertFits(page, '.window:not([hidden])', 'the battle window, turned back');
  }
  await judge('battle');
  await press(start);
  const started = Date.now();
  // Start disables itself: the focus goes to the battle window's caption, not to nothing, nor to
  // the whole window, which a screen reader would read again.
  assert.equal(await page.evaluate(() => document.activeElement.closest('[role=dialog]') !== null &&
                                         document.activeElement.textContent), "Kelmar: Tarrin's Adventure");

  // Mid-move, the page stalls for 1.5 s, as a background tab that the browser throttles.
  await page.waitForFunction(() => document.querySelectorAll('img:not([hidden])').length > 0);
  const ticks = name => trace.filter(line => line.endsWith(`.${name}_Timer`)).length;
  while (ticks('tmrHeroAttack') + ticks('tmrCure') + ticks('tmrEnemyAttack') < 10) await new Promise(r => setTimeout(r, 20));
  fromDisk || (await shoot(page, viewport, 'battle-move'));
  await page.evaluate(() => { const until = performance.now() + 1500; while (performance.now() < until); });

  // The report, as a dialog read in full.
  const report = await page.waitForSelector('aria/End of Battle[role="dialog"]', { timeout: 120_000 });
  const watched = (Date.now() - started) / 1000;
  await assertFits(page, '.window:not([hidden])', 'the report');
  fromDisk || (await shoot(page, viewport, 'end-window'));
  await judge('end');
  assert.equal(await report.evaluate(d => d.tabIndex), 0, 'Tab reaches the report');
  const reportText = await report.evaluate(d => d.querySelector('.client').innerText);
  const [result, total, hero, enemy] = reportText.split('\n').filter(line => line.trim());
  assert.match(result, /^The (Hero has defeated all Enemies|Enemies have defeated the Hero)\.$/);
  const count = line => Number(line.match(/= (-?\d+)$/)[1]);
  assert.equal(count(total), count(hero) + count(enemy));

  // The trace tells the same battle: every move animated in all of its ticks.
  const moveTicks = battleTimers.tmrHeroAttack.ticks;
  assert.equal(ticks('tmrHeroAttack') + ticks('tmrCure'), moveTicks * count(hero), 'every Hero move in full');
  assert.equal(ticks('tmrEnemyAttack'), moveTicks * count(enemy), 'every Enemy move in full');
  assert.ok(trace.includes(trace.find(l => l.endsWith(`frmEnd.lblTotal.Caption="${total}"`))), 'the report is traced');
  // Heard once each: every move with the message on the screen, then the closing countdown.
  const heard = await page.evaluate(() => window.heard);
  const shown = trace.map(line => line.match(/ frmBattle\.lblInfo\.Caption="(.*)"$/)).filter(Boolean).map(m => m[1])
    .filter(text => !text.startsWith('The Battle is Over.'));
  assert.equal(heard.length, count(total) + 1, `heard: ${heard.join(' | ')}`);
  shown.forEach((text, move) => assert.ok(heard[move].startsWith(`${text} `), `heard "${heard[move]}" for "${text}"`));
  assert.equal(heard.at(-1), 'The Battle is Over. End in 5 seconds.');
  const time = line => Number(line.split(' ')[0]);
  for (let i = 1; i < trace.length; ++i) assert.ok(time(trace[i]) >= time(trace[i - 1]), `in order: ${trace[i - 1]}, then ${trace[i]}`);
  // On schedule despite the stall: the battle lasts what its ticks add up to, in real time.
  const at = suffix => time(trace.find(line => line.endsWith(suffix)));
  const lasted = at('frmEnd.Show') - at('frmBattle.cmdStart_Click');
  const scheduled = Object.entries(battleTimers).reduce((sum, [timer, { interval }]) => sum + interval * ticks(timer), 0);
  assert.ok(Math.abs(lasted - scheduled) < 0.02 * scheduled, `lasted ${lasted} s for ${scheduled} s of ticks`);
  assert.ok(Math.abs(watched - lasted) < 1, `watched ${watched} s, traced ${lasted} s`);

  // Escape (or the report's close box) closes the report, the program ends, and the page
  // offers to start again.
  await (touch ? press(await report.waitForSelector('aria/Close[role="button"]')) : page.keyboard.press('Escape'));
  const again = await page.waitForSelector('aria/Start again[role="button"]');
  assert.ok(await page.$eval('#ended', notice => !notice.hidden));
  assert.ok(trace.at(-1).endsWith(' End'));
  await judge('ended');
  await press(again);
  // The settings window's close box ends the program, as a desktop's title bar does.
  await page.waitForSelector('aria/Hero Health[role="textbox"]');
  await assertFits(page, settings, 'the settings window, started again');
  await press(await page.waitForSelector('aria/Close[role="button"]'));
  await page.waitForSelector('aria/Start again[role="button"]');
  assert.deepEqual(problems, []);
  console.log(`${viewport.name}${fromDisk ? ', from a disk' : ''}: a battle of ${count(total)} moves watched in ${watched.toFixed(1)} s, ` +
              `${trace.length} trace lines.`);
  await page.close();
}

// A text as the catalogue of the language has it (English: as written), its "{name}"s filled in.
function translated(language, source, values = {}) {
  const po = language ? readFileSync(new URL(`../../assets/po/${language}.po`, import.meta.url), 'utf8') : '';
  const entry = po.split('\n\n').find(text => text.includes(`\nmsgid ${JSON.stringify(source)}\n`));
  const text = entry ? JSON.parse(entry.match(/\nmsgstr (".*")/)[1]) || source : source;
  return text.replace(/\{(\w+)\}/g, (name, key) => values[key] ?? name);
}

// The settings window in the language, and of German a refusal too (the browser's numbers English).
async function speaks(query, languages, language) {
  const page = await browser.newPage();
  await reportPolicyViolations(page);
  page.on('pageerror', error => problems.push(error.message));
  await page.evaluateOnNewDocument(list => Object.defineProperty(navigator, 'languages', { get: () => list }), languages);
  await page.goto(`${server.url}/${query}`);
  const tr = (source, values) => translated(language, source, values);
  const health = await page.waitForSelector(`aria/${tr('{side} {statistic}', { side: tr('Enemy'), statistic: tr('Health') })}[role="textbox"]`);
  assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, document.querySelector('.window .title').textContent]),
                   [language ?? 'en', tr('Battle Settings')], `${query} ${languages}`);
  if (language === 'de') {
    await health.click({ clickCount: 3 });
    await page.keyboard.type('lots');
    await (await page.waitForSelector(`aria/${tr('Start Battle')}[role="button"]`)).click();
    const name = tr('{side} "{statistic}"', { side: tr('Enemy'), statistic: tr('Health') });
    assert.equal(await (await page.waitForSelector('dialog[open] [data-message-text]')).evaluate(p => p.textContent),
                 `${tr('{name} must be a number from {lowest} to {highest}.', { name, lowest: -32768, highest: 32767 })}\n` +
                 tr('A fraction, written with "{separator}", is rounded to the nearest whole number.', { separator: '.' }));
  }
  await page.close();
}

// The page's own errors, shown also when a later step fails for their sake.
const problems = [];
let lowestContrast;
try {
  for (const viewport of viewports) await play(viewport);
  await play(viewports[0], true);
  await speaks('?lang=de', ['en-US'], 'de');
  await speaks('', ['fr-FR', 'en-US'], 'fr');
  await speaks('', ['tlh', 'en-US'], undefined);
  console.log('The page speaks German asked in its address, French asked by the browser, else English.');
  console.log(`axe-core: 0 violations in ${judgedStates.join(', ')}; the page's own colours at ${lowestContrast.toFixed(2)}:1 or more.`);
} finally {
  if (problems.length) console.error(`The page reported: ${problems.join(' | ')}`);
  await closeChromium(browser);
  server.close();
}
