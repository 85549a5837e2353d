// A fresh visit in each engine, as the server sees it (not a test): every file that each
// browser fetched with a fresh profile, from the navigation until its service worker has stored
// the site and the network is quiet, the bytes of every answer, and each file fetched more than
// once. WebKit is GNOME Web (Epiphany) with a profile of its own on an X server of its own: the
// WebDriver's browser keeps no HTTP cache, which a user's browser does. Each browser finds DejaVu
// alone among the system's fonts, as most visitors' systems lack the page's two families: the
// faces that the page shows are fetched. Given a language, the page is asked for it in its
// address (?lang=de).
//   node bench/web/fresh-visit.mjs build/web [LANGUAGE]
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const tests = path.join(path.dirname(fileURLToPath(import.meta.url)), '../../tests/web');
const { launchChromium, closeChromium } = await import(path.join(tests, 'chromium.mjs'));
const { serve } = await import(path.join(tests, 'static-server.mjs'));
const { default: puppeteer } = await import(path.join(tests, 'node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'));
const [site, language] = process.argv.slice(2);
const address = server => `${server.url}/${language ? `?lang=${language}` : ''}`;
const fontFolder = mkdtempSync(path.join(os.tmpdir(), 'duelmark-fonts-'));
const fonts = { FONTCONFIG_FILE: path.join(fontFolder, 'fonts.conf') };
writeFileSync(fonts.FONTCONFIG_FILE, '<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n' +
              '<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir></fontconfig>\n');
const quietFor = 3000;

// Resolves once the server has answered nothing for quietFor after the service worker's
// files (the last one it stores) or after a minute.
async function quiet(server) {
  const deadline = Date.now() + 60_000;
  for (let seen = -1, since = Date.now(); Date.now() < deadline; await new Promise(r => setTimeout(r, 200))) {
    if (server.answered.length !== seen) [seen, since] = [server.answered.length, Date.now()];
    const stored = server.answered.some(answer => answer.file === '/service-worker.js');
    if (stored && Date.now() - since > quietFor) return;
  }
}

async function puppeteerVisit(launch, close, server) {
  const browser = await launch();
  try {
    const tab = await browser.newPage();
    await tab.goto(address(server));
    await tab.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    await quiet(server);
  } finally {
    await close(browser);
  }
}

async function epiphanyVisit(server) {
  const profile = mkdtempSync(path.join(os.tmpdir(), 'duelmark-epiphany-'));
  // Its web process needs a session bus, and a sandbox that a container may not allow.
  const browser = spawn('dbus-run-session', ['--', 'xvfb-run', '-a', 'epiphany', `--profile=${profile}`, address(server)],
                        { detached: true, stdio: 'ignore',
                          env: { ...process.env, ...fonts, WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS: '1' } });
  const ended = once(browser, 'exit');
  try {
    await quiet(server);
  } finally {
    try {
      process.kill(-browser.pid, 'SIGTERM');
      await ended;
    } catch {}  // it has ended
    // Ended by a signal, it may still be saving its session there a moment later.
    for (let tries = 1; ; ++tries) {
      try {
        rmSync(profile, { recursive: true, force: true });
        break;
      } catch (error) {
        if (tries === 20) throw error;
        await new Promise(resolve => setTimeout(resolve, 250));
      }
    }
  }
}

const firefox = () => puppeteer.launch({ product: 'firefox', protocol: 'webDriverBiDi', headless: true,
                                         executablePath: '/usr/bin/firefox-esr', env: { ...process.env, ...fonts } });
const engines = [
  ['Chromium', server => puppeteerVisit(() => launchChromium(fonts), closeChromium, server)],
  ['Firefox', server => puppeteerVisit(firefox, browser => browser.close(), server)],
  ['WebKit (GNOME Web)', epiphanyVisit],
];
for (const [engine, visit] of engines) {
  const server = await serve(site);
  await visit(server);
  server.close();
  const bytes = server.answered.reduce((sum, answer) => sum + answer.bytes, 0);
  const counts = new Map();
  for (const { file, status } of server.answered) if (status === 200) counts.set(file, (counts.get(file) ?? 0) + 1);
  const twice = [...counts].filter(([, count]) => count > 1).map(([file, count]) => `${file} ×${count}`);
  const revalidated = server.answered.filter(answer => answer.status === 304).length;
  console.log(`${engine.padEnd(19)} ${(bytes / 1000).toFixed(1).padStart(6)} KB in ${server.answered.length} answers ` +
              `(${revalidated} unchanged); fetched more than once: ${twice.join(', ') || 'none'}`);
}
rmSync(fontFolder, { recursive: true, force: true });
