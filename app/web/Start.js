// The page's first steps: async, so as not to hold up the parsing, and here long before the
// program's script. Opened from a disk, a page may fetch none of this.
(() => {
  // Traced (?trace), the page also writes each breach of its Content-Security-Policy.
  if (new URLSearchParams(location.search).has('trace')) {
    document.addEventListener('securitypolicyviolation', event =>
      console.error(`Content-Security-Policy: ${event.effectiveDirective} refused ${event.blockedURI || 'a text'}`));
  }
  if (!/^https?:$/.test(location.protocol)) return;
  // The WebAssembly and the first window's fonts, at once; unless the program's script ran
  // first (both from a cache) and asked for its WebAssembly itself, or the page has begun to load
  // a face already (its heading asks for the bold one as it is first laid out): WebKit fetches a
  // face again for a preload that comes after.
  const weight = value => ({ normal: '400', bold: '700' })[value] ?? value;
  const loading = (family, bold) => [...document.fonts].some(face =>
    face.family.replace(/"/g, '') === family && weight(face.weight) === weight(bold) && face.status !== 'unloaded');
  const early = [['fonts/LiberationSans-Regular.woff2', 'font', 'Liberation Sans', 'normal'],
                 ['fonts/LiberationSans-Bold.woff2', 'font', 'Liberation Sans', 'bold'],
                 ['fonts/ComicNeue-Bold.woff2', 'font', 'Comic Neue', 'bold']]
    .filter(([, , family, weight]) => !loading(family, weight));
  if (typeof Module === 'undefined') early.unshift(['duelmark.wasm', 'fetch']);
  const link = (rel, href, as) => document.head.append(Object.assign(document.createElement('link'),
    as ? { rel, href, as, crossOrigin: '' } : { rel, href }));
  for (const [file, kind] of early) link('preload', file, kind);
  link('manifest', 'manifest.webmanifest');
  if (!('serviceWorker' in navigator)) return;
  // The worker that keeps the files, registered once the page has loaded. A new build's worker
  // waits until a reload cuts nothing short: this page tells it so while the program (Page.js)
  // has had no input yet or has ended. Taken over, the page reloads, unless it has ended:
  // "Start again" then starts the new build.
  const program = () => document.documentElement.dataset.program;
  let registration;
  const tell = () => registration?.waiting?.postMessage({ mayTakeOver: program() !== 'acted' });
  addEventListener('duelmark-program', tell);
  navigator.serviceWorker.addEventListener('controllerchange', () => program() === 'ended' || location.reload());
  addEventListener('load', () => navigator.serviceWorker.register('service-worker.js').then(found => {
    registration = found;
    const watch = worker => worker?.addEventListener('statechange', () => worker.state === 'installed' && tell());
    watch(registration.installing);
    registration.addEventListener('updatefound', () => watch(registration.installing));
    tell();
  }));
})();
