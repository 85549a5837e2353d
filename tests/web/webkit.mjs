// WebKit, the engine of Safari and of every browser on an iPhone, as WebKitGTK's MiniBrowser on
// an X server of the test's own (Xvfb), driven over W3C WebDriver by WebKitWebDriver: the few
// commands the web tests need, as HTTP requests with node's fetch. Every process started here
// is ended by close().
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import net from 'node:net';

const elementKey = 'element-6066-11e4-a52e-4f735466cecf';

// A program of the test's in a process group of its own, ended with the whole group: the
// driver's holds the browser and its web processes, which may outlive a driver that has failed.
function start(program, args, options = {}) {
  const child = spawn(program, args, { detached: true, stdio: ['ignore', 'ignore', 'inherit'], ...options });
  const exited = once(child, 'exit');
  child.end = async () => {
    try {
      process.kill(-child.pid, 'SIGTERM');
    } catch {
      return;  // the group has gone
    }
    if (child.exitCode === null && child.signalCode === null) await exited;
  };
  return child;
}

// A free display, which Xvfb names once it listens there; its screen holds both views tested.
async function startXvfb() {
  const xvfb = start('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x844x24', '-nolisten', 'tcp'],
                     { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });  // it says which displays it found taken
  let named = '';
  for await (const chunk of xvfb.stdio[3]) {
    named += chunk;
    if (named.endsWith('\n')) return { xvfb, display: `:${named.trim()}` };
  }
  throw new Error('Xvfb named no display');
}

const freePort = () => new Promise(resolve => {
  const probe = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

export async function launchWebKit() {
  const { xvfb, display } = await startXvfb();
  let driver;
  try {
    const port = await freePort();
    driver = start('WebKitWebDriver', [`--port=${port}`], { env: { ...process.env, DISPLAY: display } });
    const base = `http://127.0.0.1:${port}`;
    const request = async (method, path, body) => {
      const response = await fetch(`${base}${path}`, { method, body: body && JSON.stringify(body) });
      const { value } = await response.json();
      if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
      return value;
    };
    for (let ready = false; !ready; await new Promise(r => setTimeout(r, 50))) {
      if (driver.exitCode !== null) throw new Error(`WebKitWebDriver exited with ${driver.exitCode}`);
      ready = await request('GET', '/status').then(status => status.ready, () => false);
    }
    // Without a window manager, --full-screen only takes the toolbar away: the view is then the
    // whole window, which can be as narrow as a phone (the toolbar keeps it 447 pixels wide).
    // Navigating returns as the page starts to load, so that the test can reach it early, and
    // finding an element waits for it to come.
    const { sessionId } = await request('POST', '/session', {
      capabilities: { alwaysMatch: { pageLoadStrategy: 'none', timeouts: { implicit: 20_000 },
                                     'webkitgtk:browserOptions': { args: ['--automation', '--full-screen'] } } },
    });
    const command = (method, path, body) => request(method, `/session/${sessionId}${path}`, body);
    const asElement = value => value[elementKey];
    const keyboard = actions => command('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
    const browser = {
      navigate: url => command('POST', '/url', { url }),
      // The script's body, run as a function of args; a promise it returns is awaited.
      run: (script, ...args) => command('POST', '/execute/sync', { script, args }),
      find: async xpath => asElement(await command('POST', '/element', { using: 'xpath', value: xpath })),
      click: element => command('POST', `/element/${element}/click`, {}),
      // Keys typed where the focus is, one after another.
      type: text => keyboard([...text].flatMap(value => [{ type: 'keyDown', value }, { type: 'keyUp', value }])),
      // Keys pressed together and let go in reverse ('\uE009', 'a' is Control+A): WebKit's send
      // keys to an element drops keys typed after a modifier.
      press: (...keys) => keyboard([...keys.map(value => ({ type: 'keyDown', value })),
                                    ...[...keys].reverse().map(value => ({ type: 'keyUp', value }))]),
      resize: (width, height) => command('POST', '/window/rect', { width, height }),
      // Polls the script until it returns something true, which is returned.
      async until(what, script, { timeout = 20_000, args = [] } = {}) {
        for (const deadline = Date.now() + timeout; ; await new Promise(r => setTimeout(r, 20))) {
          const value = await browser.run(script, ...args);
          if (value) return value;
          if (Date.now() > deadline) throw new Error(`Not within ${timeout / 1000} s: ${what}`);
        }
      },
      async close() {
        try {
          await command('DELETE', '');
        } finally {
          await driver.end();
          await xvfb.end();
        }
      },
    };
    return browser;
  } catch (error) {
    await driver?.end();
    await xvfb.end();
    throw error;
  }
}
