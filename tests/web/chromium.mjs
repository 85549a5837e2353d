// The system's Chromium, headless, as the web tests and measurements drive it: a fresh profile
// for each browser, removed when it closes, and nothing fetched in the background. Variables in
// env are added to the browser's environment (FONTCONFIG_FILE, say, for the fonts it finds).
import { mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

// The throttling of slow phones' networks, by name ('Fast 3G').
export { PredefinedNetworkConditions } from 'puppeteer-core';

const profiles = new WeakMap();

export async function launchChromium(env = {}) {
  const profile = mkdtempSync(path.join(os.tmpdir(), 'duelmark-chromium-'));
  try {
    const browser = await puppeteer.launch({
      executablePath: '/usr/bin/chromium',
      userDataDir: profile,
      env: { ...process.env, ...env },
      args: ['--no-sandbox', '--headless=new', '--disable-gpu', '--no-first-run', '--disable-background-networking',
             '--disable-component-update', '--disable-sync'],
    });
    profiles.set(browser, profile);
    return browser;
  } catch (error) {
    rmSync(profile, { recursive: true, force: true });
    throw error;
  }
}

// Every breach of the page's Content-Security-Policy, as the page hears of it, becomes an error
// in its console, where the tests collect errors: in every document the tab shows from now on.
export async function reportPolicyViolations(page) {
  await page.evaluateOnNewDocument(() => document.addEventListener('securitypolicyviolation', event =>
    console.error(`Content-Security-Policy: ${event.effectiveDirective} refused ${event.blockedURI || 'a text'}`)));
}

export async function closeChromium(browser) {
  try {
    await browser.close();
  } finally {
    rmSync(profiles.get(browser), { recursive: true, force: true });
  }
}
