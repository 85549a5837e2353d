// A user in Chromium: opens the help panel and closes it, types a bad value and reads the
// refusal, corrects it, chooses two Enemies with little health, starts, watches the whole
// battle in real time (the page stalled once, as a throttled background tab is), reads the
// report, starts again and closes the window. The trace that ?trace sends to the console must
// tell the same battle, tick by tick, and the page's live region must have said each move once.
// axe-core finds nothing to fault in any of the six states the page goes through, and the
// page's own colours contrast enough.
//   node browser-scenario.mjs SITE_DIR [SCREENSHOT_DIR]
import assert from 'node:assert/strict';
import path from 'node:path';
import { assertNoViolations, assertOwnColoursContrast, judgedStates } from './axe.mjs';
import { battleTimers } from './battle-timers.mjs';
import { closeChromium, launchChromium } from './chromium.mjs';
import { serve } from './static-server.mjs';

const [site, screenshots] = process.argv.slice(2);
const server = await serve(site);
const browser = await launchChromium();
// The window on show, title bar and all, for the README.
const shoot = async (page, name) =>
  screenshots && (await page.$('.window:not([hidden])')).screenshot({ path: path.join(screenshots, `${name}.png`) });

// The page's own errors, shown also when a later step fails for their sake.
const problems = [];
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 720, height: 640 });
  const trace = [];
  page.on('console', message => {
    if (/^\d+\.\d{3} /.test(message.text())) trace.push(message.text());
    else if (message.type() === 'error') problems.push(message.text());
  });
  page.on('pageerror', error => problems.push(error.message));
  await page.goto(`${server.url}/?trace`);

  // A bad value is refused in a modal message that names the field; OK leads back to it.
  const enemyHealth = await page.waitForSelector('aria/Enemy Health[role="textbox"]');
  await page.evaluate(() => {
    const region = document.getElementById('announcer');
    window.heard = [];
    new MutationObserver(() => region.textContent && window.heard.push(region.textContent))
      .observe(region, { childList: true, characterData: true, subtree: true });
  });
  await shoot(page, 'settings-window');
  await assertNoViolations(page, 'settings');
  const lowestContrast = await assertOwnColoursContrast(page);

  // The help panel covers fifteen controls: out of the keyboard's reach and hidden from screen
  // readers while it is up, the focus on its Close button; closed, the focus is back on Help.
  const help = await page.waitForSelector('aria/Help[role="button"]');
  await help.focus();
  await page.keyboard.press('Enter');
  const controls = '.client input, .client button, .client [role=listbox]';
  await page.waitForFunction(selector => document.activeElement.textContent === 'Close' &&
    [...document.querySelectorAll(selector)].filter(control => control.closest('[inert]')).length === 15, {}, controls);
  const reachable = await page.evaluate(selector => [...document.querySelectorAll(selector)]
    .filter(control => !control.closest('[inert], [hidden]') && !control.disabled).map(control => control.textContent), controls);
  assert.deepEqual(reachable, ['Close'], 'Tab reaches only what the help panel shows');
  await assertNoViolations(page, 'help open');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.activeElement.textContent === 'Help' && !document.querySelector('.client [inert]'));

  await enemyHealth.click({ clickCount: 3 });
  await page.keyboard.type('lots');
  await (await page.waitForSelector('aria/Start Battle[role="button"]')).click();
  const message = await page.waitForSelector('dialog[open]');
  assert.equal(await message.evaluate(d => d.getAttribute('aria-modal')), 'true');
  await assertNoViolations(page, 'refusal');
  assert.equal(await message.$eval('[data-message-text]', p => p.textContent),
               'Enemy "Health" must be a number from -32768 to 32767.\n' +
               'A fraction, written with ".", is rounded to the nearest whole number.');
  await page.keyboard.press('Enter');
  await page.waitForSelector('dialog[open]', { hidden: true });
  await page.waitForFunction(() => document.activeElement.tagName === 'INPUT');  // after the dialog's close event
  const focused = await page.evaluate(() => {
    const box = document.activeElement;
    return [box.getAttribute('aria-label'), box.value.slice(box.selectionStart, box.selectionEnd)];
  });
  assert.deepEqual(focused, ['Enemy Health', 'lots'], 'the refused box has the focus, its text selected');

  // Corrected: Enemies of 1 hit point, two of them.
  await page.keyboard.type('1');
  await (await page.waitForSelector('aria/Number of Enemies (1-5)[role="listbox"]')).focus();
  await page.keyboard.press('ArrowDown');
  await (await page.waitForSelector('aria/Start Battle[role="button"]')).click();
  const start = await page.waitForSelector('aria/Press this button to start the simulator.[role="button"]');
  await page.waitForFunction(() => !document.querySelector('[aria-label="Enemy Health"]'));  // the settings window has gone
  assert.ok(await page.$('aria/turn arrow over Hero[role="image"]'), 'the pictures say what they show');
  await assertNoViolations(page, 'battle');
  await start.click();
  const started = Date.now();
  // Start disables itself: the focus goes to the battle window, not to nothing.
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-labelledby') &&
                                         document.activeElement.textContent.includes('Kelmar')), true);

  // Mid-move, the page stalls for 1.5 s, as a background tab that the browser throttles.
  await page.waitForFunction(() => document.querySelectorAll('img:not([hidden])').length > 0);
  const ticks = name => trace.filter(line => line.endsWith(`.${name}_Timer`)).length;
  while (ticks('tmrHeroAttack') + ticks('tmrCure') + ticks('tmrEnemyAttack') < 10) await new Promise(r => setTimeout(r, 20));
  await shoot(page, 'battle-move');
  await page.evaluate(() => { const until = performance.now() + 1500; while (performance.now() < until); });

  // The report, as a dialog read in full.
  const report = await page.waitForSelector('aria/End of Battle[role="dialog"]', { timeout: 120_000 });
  const watched = (Date.now() - started) / 1000;
  await shoot(page, 'end-window');
  await assertNoViolations(page, 'end');
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
  for (let i = 1; i < trace.length; ++i) assert.ok(time(trace[i]) >= time(trace[i - 1]), `in order: ${trace[i]}`);
  // On schedule despite the stall: the battle lasts what its ticks add up to, in real time.
  const at = suffix => time(trace.find(line => line.endsWith(suffix)));
  const lasted = at('frmEnd.Show') - at('frmBattle.cmdStart_Click');
  const scheduled = Object.entries(battleTimers).reduce((sum, [timer, { interval }]) => sum + interval * ticks(timer), 0);
  assert.ok(Math.abs(lasted - scheduled) < 0.02 * scheduled, `lasted ${lasted} s for ${scheduled} s of ticks`);
  assert.ok(Math.abs(watched - lasted) < 1, `watched ${watched} s, traced ${lasted} s`);

  // Escape closes the report, the program ends, and the page offers to start again.
  await page.keyboard.press('Escape');
  const again = await page.waitForSelector('aria/Start again[role="button"]');
  assert.ok(await page.$eval('#ended', notice => !notice.hidden));
  assert.ok(trace.at(-1).endsWith(' End'));
  await assertNoViolations(page, 'ended');
  await again.click();
  // The settings window's close box ends the program, as a desktop's title bar does.
  await page.waitForSelector('aria/Hero Health[role="textbox"]');
  await (await page.waitForSelector('aria/Close[role="button"]')).click();
  await page.waitForSelector('aria/Start again[role="button"]');
  assert.deepEqual(problems, []);
  console.log(`A battle of ${count(total)} moves watched in ${watched.toFixed(1)} s, ${trace.length} trace lines.`);
  console.log(`axe-core: 0 violations in ${judgedStates.join(', ')}; the page's own colours at ${lowestContrast.toFixed(2)}:1 or more.`);
} finally {
  if (problems.length) console.error(`The page reported: ${problems.join(' | ')}`);
  await closeChromium(browser);
  server.close();
}
