// Every text of the page fits its control, in English, German, French and a pseudo-language
// (accented and 40 % longer), laid out by Chromium in the page's own fonts: the settings window
// and its help panel, the battle window at a move and at its countdown, and the report. Each
// text's lines must lie within its control's box (a label or a button) or, for a label that
// grows with its text, within its window. The pseudo-language stands in the site's German
// catalogue, in a copy of the site: it shows where room runs short, and need not fit: it only
// has to show that no text bypasses the catalogue. Prints each window's tightest fit.
//   node text-fit.mjs SITE_DIR PO_DIR PSEUDO_MO
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { closeChromium, launchChromium } from './chromium.mjs';
import { serve } from './static-server.mjs';

const [site, poFolder, pseudoMo] = process.argv.slice(2);

// A catalogue's single texts, source to translation, enough to find the controls by their words.
function translations(file) {
  const texts = new Map();
  for (const [, source, translation] of readFileSync(file, 'utf8').matchAll(/^msgid "(.*)"\nmsgstr "(.*)"$/gm))
    texts.set(JSON.parse(`"${source}"`), JSON.parse(`"${translation}"`));
  return texts;
}
const format = (text, values) => text.replace(/\{(\w+)\}/g, (whole, name) => values[name] ?? whole);

// The pseudo-language in place of German, in a copy of the site.
const copy = mkdtempSync(path.join(os.tmpdir(), 'duelmark-fit-'));
cpSync(site, copy, { recursive: true });
writeFileSync(path.join(copy, 'locale/de.mo'), readFileSync(pseudoMo));
writeFileSync(path.join(copy, 'locale/de.js'), `var duelmarkCatalogue = '${readFileSync(pseudoMo).toString('base64')}';\n`);
const pseudoPo = pseudoMo.replace(/\.mo$/, '.po');
const languages = [
  ['English', 'en', new Map(), site], ['German', 'de', translations(path.join(poFolder, 'de.po')), site],
  ['French', 'fr', translations(path.join(poFolder, 'fr.po')), site], ['Pseudo', 'de', translations(pseudoPo), copy],
];

// Each visible text of the shown windows: what it needs against what it has, as a share.
function measure() {
  const fits = [];
  for (const window of document.querySelectorAll('.window:not([hidden])')) {
    const name = window.querySelector('.title').textContent;
    for (const element of window.querySelectorAll('.label, .button, .frame-caption')) {
      if (!element.textContent.trim() || !element.getClientRects().length) continue;
      const style = getComputedStyle(element);
      if (style.visibility === 'hidden') continue;
      const range = document.createRange();
      range.selectNodeContents(element);
      const text = range.getBoundingClientRect();
      const grows = element.classList.contains('auto-size') || element.classList.contains('frame-caption');
      const box = (grows ? element.closest('.client, .frame') : element).getBoundingClientRect();
      // How tight: the text's lines against the box (blanks that hang at a line's end count
      // here). Whether it fits: the box scrolls by nothing across, which those blanks do not
      // make it, and the last line ends within it.
      const share = Math.max((text.right - box.left) / box.width, (text.bottom - box.top) / box.height);
      const inside = text.bottom <= box.bottom + 1 &&
                   (grows ? text.right <= box.right + 1 : element.scrollWidth <= element.clientWidth);
      fits.push({ window: name, text: element.textContent, share, fits: inside, needs: text.width, has: box.width });
    }
  }
  return fits;
}

const server = await serve(copy);
const original = await serve(site);
const browser = await launchChromium();
const failures = [];
try {
  for (const [name, code, texts, folder] of languages) {
    const T = text => texts.get(text) || text;
    const page = await browser.newPage();
    await page.setBypassServiceWorker(true);
    await page.setViewport({ width: 1280, height: 720 });
    await page.goto(`${folder === copy ? server.url : original.url}/?lang=${code}`);
    const tightest = new Map();
    const note = async () => {
      for (const fit of await page.evaluate(measure)) {
        if (name === 'Pseudo') {
          if (/[A-Za-z]/.test(fit.text) && !/[~\u00c0-\u017f]/.test(fit.text)) failures.push(`${name}: "${fit.text}" bypasses the catalogue`);
        } else if (!fit.fits) {
          failures.push(`${name}, ${fit.window}: "${fit.text}" needs ${fit.needs.toFixed(0)} of ${fit.has.toFixed(0)} pixels`);
        }
        if (!(tightest.get(fit.window)?.share >= fit.share)) tightest.set(fit.window, fit);
      }
    };
    const button = async text => page.waitForSelector(`xpath/.//button[normalize-space()="${T(text)}"]`);

    await page.waitForSelector('.window:not([hidden])');
    await note();
    await (await button('Help')).click();
    await new Promise(resolve => setTimeout(resolve, 1500));  // the panel slides up
    await note();
    await (await button('Close')).click();
    await new Promise(resolve => setTimeout(resolve, 1500));  // and slides away
    // One Enemy of 1 hit point: a battle of one move.
    const enemyHealth = format(T('{side} {statistic}'), { side: T('Enemy'), statistic: T('Health') });
    const box = await page.waitForSelector(`input[aria-label="${enemyHealth}"]`);
    await box.click({ clickCount: 3 });
    await box.type('1');
    await (await button('Start Battle')).click();
    await page.waitForSelector(`xpath/.//*[@class="title" and text()="${T("Kelmar: Tarrin's Adventure")}"]`);
    await note();
    await (await button('Press this button to start the simulator.')).click();
    await new Promise(resolve => setTimeout(resolve, 1500));  // the move's message is up
    await note();
    await page.waitForFunction(over => document.body.textContent.includes(over), { timeout: 30_000 },
                               T('The Battle is Over.'));
    await note();
    await page.waitForSelector(`xpath/.//*[@class="title" and text()="${T('End of Battle')}"]`, { timeout: 30_000 });
    await note();
    for (const [window, fit] of tightest) {
      console.log(`${name.padEnd(8)} ${window.padEnd(28)} ${(fit.share * 100).toFixed(0).padStart(3)} %  ` +
                  `"${fit.text}": ${fit.needs.toFixed(0)} of ${fit.has.toFixed(0)} pixels`);
    }
    await page.close();
  }
} finally {
  await closeChromium(browser);
  server.close();
  original.close();
  rmSync(copy, { recursive: true, force: true });
}
assert.deepEqual(failures, [], 'texts that do not fit');
