// The page's accessibility as axe-core, the usual rules engine, judges it, and the contrast of
// the colours that the page's own style chooses, which axe cannot judge on a gradient.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

// Evaluated as the browser's tools evaluate a script: the page's policy refuses a script tag of
// the test's own.
const axeScript = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
export const judgedStates = [];

// Every rule axe knows, on what the page shows now; a failure names the state and each fault.
export async function assertNoViolations(page, state) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(axeScript);
  const violations = await page.evaluate(async () =>
    (await axe.run(document, { resultTypes: ['violations'] })).violations.map(v =>
      `${v.id} (${v.impact}): ${v.nodes.map(n => n.target.join(' ')).join(', ')}`));
  assert.deepEqual(violations, [], `axe-core in the state "${state}"`);
  judgedStates.push(state);
}

// The page's own colours: text on its background and on every stop of a gradient, the focus
// rings on the faces they stand on, and the ended notice on the page, each at 4.5:1 or better.
export async function assertOwnColoursContrast(page) {
  const pairs = await page.evaluate(() => {
    const luminance = colour => {
      const [r, g, b] = colour.match(/\d+(\.\d+)?/g).slice(0, 3).map(Number).map(c => c / 255)
        .map(c => (c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4));
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const ratio = (a, b) => {
      const [high, low] = [luminance(a), luminance(b)].sort((x, y) => y - x);
      return (high + 0.05) / (low + 0.05);
    };
    const stops = image => image.match(/rgba?\([^)]*\)/g) ?? [];
    const rules = [...document.styleSheets].flatMap(sheet => [...sheet.cssRules]).filter(rule => rule.style);
    const titleBar = getComputedStyle(document.querySelector('.title-bar')).backgroundImage;
    const pairs = [];
    for (const rule of rules) {
      const { style, selectorText } = rule;
      const probe = document.createElement('div');
      document.body.append(probe);
      const resolved = property => { probe.style.color = style.getPropertyValue(property); return getComputedStyle(probe).color; };
      if (style.backgroundImage.includes('gradient') && style.color) {
        probe.style.backgroundImage = style.backgroundImage;
        for (const stop of stops(getComputedStyle(probe).backgroundImage)) {
          pairs.push([`${selectorText}: text on ${stop}`, ratio(resolved('color'), stop)]);
        }
      }
      // A disabled control's text is exempt, as the contrast guidelines say.
      const plain = style.backgroundColor && !/initial|transparent/.test(style.backgroundColor) &&
                    !style.backgroundImage.includes('gradient');
      if (plain && style.color && !selectorText.includes(':disabled')) {
        probe.style.backgroundColor = style.backgroundColor;
        pairs.push([`${selectorText}: text`, ratio(resolved('color'), getComputedStyle(probe).backgroundColor)]);
      }
      if (style.outlineColor && selectorText.includes(':focus')) {
        // The close box's ring stands on the title bar, the others on a window's faces.
        const faces = selectorText.includes('close-box') ? stops(titleBar) : ['rgb(255, 255, 255)', 'rgb(239, 239, 239)'];
        for (const face of faces) {
          pairs.push([`${selectorText}: ring on ${face}`, ratio(resolved('outline-color'), face)]);
        }
      }
      probe.remove();
    }
    const notice = document.getElementById('ended');
    pairs.push(['the ended notice', ratio(getComputedStyle(notice).color, getComputedStyle(document.body).backgroundColor)]);
    return pairs;
  });
  assert.ok(pairs.length > 5, 'the page\'s colours are found');
  for (const [what, contrast] of pairs) assert.ok(contrast >= 4.5, `${what}: ${contrast.toFixed(2)}:1`);
  return Math.min(...pairs.map(([, contrast]) => contrast));
}
