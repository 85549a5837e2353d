// The odds of the values in the settings window, asked for by a button in a corner of the page
// and shown in a panel above it. The battles are fought in blocks by workers, up to one per core
// (odds-worker.js, with the engine alone as its WebAssembly), so that the page, a battle being
// watched and the user's input never wait for them; the page adds up the blocks' counts and the
// program turns them into the figures and their words. A block's dice come from the seed and the
// block's number alone: the figures are those of the command line for the same seed, however
// many workers fought. A page that may not have workers (opened from a disk, where a worker's
// script may not be loaded) fights the battles itself, a slice at a time, each slice a task of
// its own of a few milliseconds; a MessageChannel hands over to the next slice at once, where a
// timer would wait 4 ms each time. A curve of one statistic is the panel's too: its part
// (odds-curve.js and its style, odds-curve.css) is loaded as the panel first opens, so that a
// visit that never asks for the odds does not fetch it; it hands its points to the same workers.
(() => {
  const battles = 100000;
  // A worker is handed runs of blocks, each run as many as take it about runMilliseconds: a
  // message costs the page a task, and a block of a quick setting takes a fraction of a
  // millisecond. Its next run waits in its hand while the page adds up the last.
  const runMilliseconds = 8;
  const runsInHand = 2;
  const sliceMilliseconds = 6;
  const odds = document.querySelector('.odds');
  const button = document.getElementById('odds-button');
  const panel = document.getElementById('odds-panel');
  const announcer = document.getElementById('odds-announcer');
  const part = name => panel.querySelector(`[data-odds-${name}]`);
  const [working, note, figures] = ['working', 'note', 'figures'].map(part);
  const progress = working.querySelector('progress');
  const nextSlice = new MessageChannel();
  let request = 0;  // the request being answered: a closed panel or a new request ends it
  let slice;  // battles, as many as take about sliceMilliseconds here for this setting
  let workers;  // a promise of the workers, made at the first request; of none where a page has none
  let workersFailed = false;  // for good: the page fights the odds itself from then on
  let job;  // the request that the workers fight: its setting, the next block and the counts so far
  const closedWords = () => duelmarkText('The settings window has gone: the odds are for its values, before a battle starts.');
  // What the curve's part is given of the panel: its workers, its live region, its requests, and
  // the page's catalogue for the workers' engine where the page runs it itself.
  const curve = {
    panel, closedWords,
    catalogue: () => pageLanguage.catalogue,
    announce: words => { announcer.textContent = words; },
    setting: () => ask('setting'),
    request: () => request,
    workers: () => makeAllWorkers().then(all => (workersFailed ? [] : all)),
  };

  const answerOf = text => JSON.parse(UTF8ToString(text));
  const ask = (name, ...values) => answerOf(Module['_duelmark_odds_' + name](...values));

  // The words go to the live region once, when the answer is complete: never the progress.
  function show(shown, words) {
    for (const each of [working, note, figures]) each.hidden = each !== shown;
    if (words) announcer.textContent = words;
  }

  // The words are the program's, each number rounded as the command line rounds it; the bars
  // are drawn from the counts.
  function showAnswer(answer) {
    if ('refused' in answer) {
      note.textContent = answer.refused;
      return show(note, answer.refused.replace(/\n/g, ' '));
    }
    if (answer.closed) {
      note.textContent = closedWords();
      return show(note, closedWords());
    }
    const words = answer.words;
    part('wins').textContent = words.wins;
    part('moves').textContent = words.moves;
    part('setting').textContent = words.setting.replace(/\s*:$/, '.');
    const most = Math.max(1, ...answer.histogram.map(range => range.battles));
    part('rows').replaceChildren(...answer.histogram.map((range, i) => {
      const row = document.createElement('tr');
      row.innerHTML = '<th scope="row"></th><td><span class="odds-share"></span><span class="odds-bar"></span></td>';
      row.cells[0].textContent = words.histogram[i].lengths;
      row.querySelector('.odds-share').textContent = words.histogram[i].share;
      row.querySelector('.odds-bar').style.setProperty('--share', range.battles / most);
      return row;
    }));
    show(figures, `${words.wins} ${words.moves}`);
  }

  // Without workers: the slices, here.
  function fightHere(asked) {
    Module._duelmark_odds_fight_here(battles);
    // A battle of another setting may cost many times more: the first slice is a small one.
    slice = 100;
    nextSlice.port2.postMessage(asked);
  }

  nextSlice.port1.onmessage = ({ data: asked }) => {
    if (asked !== request) return;
    const started = performance.now();
    const answer = ask('fight', slice);
    const took = performance.now() - started;
    slice = Math.max(1, Math.min(2 * slice, Math.round(slice * sliceMilliseconds / Math.max(took, 0.1))));
    if (!('fought' in answer)) return showAnswer(answer);
    progress.value = answer.fought;
    nextSlice.port2.postMessage(asked);
  };

  // The workers' engine is compiled once, while it streams in, and handed to each of them. A
  // server that names it other than application/wasm gets it compiled from its bytes.
  function compileEngine() {
    return fetch('odds-worker.wasm').then(response => {
      if (!response.ok) throw new Error(`odds-worker.wasm: ${response.status}`);
      return WebAssembly.compileStreaming(response.clone()).catch(() => response.arrayBuffer().then(WebAssembly.compile));
    });
  }

  // The workers start while their engine compiles. Without a network, a page that has never
  // asked for the odds before has neither, and fights them itself; so does a page whose browser
  // refuses it workers.
  function makeWorkers() {
    if (location.protocol === 'file:' || typeof Worker !== 'function') return Promise.resolve([]);
    try {
      const cores = Math.max(1, navigator.hardwareConcurrency || 1);
      const all = Array.from({ length: cores }, () => {
        const worker = { thread: new Worker('odds-worker.js'), inHand: 0, blocks: 1 };
        worker.thread.onmessage = ({ data }) => received(worker, data);
        worker.thread.onerror = event => {
          event.preventDefault();
          giveUpWorkers();
        };
        return worker;
      });
      return compileEngine().then(module => {
        for (const worker of all) worker.thread.postMessage({ module, catalogue: pageLanguage.catalogue });
        return all;
      }).catch(() => {
        giveUpWorkers();
        return all;
      });
    } catch {
      return Promise.resolve([]);
    }
  }

  // In a task of their own: starting them and the page's first fetch take milliseconds that the
  // press need not add to its own.
  function makeAllWorkers() {
    if (!workers) workers = new Promise(resolve => setTimeout(() => resolve(makeWorkers())));
    return workers;
  }

  // A worker that fails takes them all: the page fights the battles of the request itself, from
  // the first, with the same seed.
  function giveUpWorkers() {
    if (workersFailed) return;
    workersFailed = true;
    if (curve.gaveUp) curve.gaveUp();
    workers.then(all => all.forEach(worker => worker.thread.terminate()));
    if (job && job.asked === request) fightHere(job.asked);
    job = undefined;
  }

  // The next run of blocks, from the first not yet handed out.
  function handOut(worker) {
    if (!job || job.asked !== request || job.next * job.blockBattles >= battles) return false;
    const first = job.next;
    job.next = Math.min(first + worker.blocks, Math.ceil(battles / job.blockBattles));
    ++worker.inHand;
    worker.thread.postMessage({ request: job.asked, numbers: job.numbers, seed: job.seed, first,
                                count: Math.min(job.next * job.blockBattles, battles) - first * job.blockBattles });
    return true;
  }

  function received(worker, data) {
    if (data.failed) return giveUpWorkers();
    if ('job' in data) return curve.received(worker, data);
    --worker.inHand;
    if (job && data.request === job.asked && job.asked === request) {
      const blocks = Math.ceil(data.count / job.blockBattles);
      worker.blocks = Math.max(1, Math.min(2 * blocks, Math.round(blocks * runMilliseconds / Math.max(data.milliseconds, 0.1))));
      job.fought += data.count;
      job.heroWins += data.heroWins;
      data.battlesOfLength.forEach((count, moves) => { job.battlesOfLength[moves] = (job.battlesOfLength[moves] || 0) + count; });
      progress.value = job.fought;
      if (job.fought === battles) {
        job.battlesOfLength.forEach((count, moves) => count && Module._duelmark_odds_lasted(moves, count));
        const answer = ask('summary', job.fought, job.heroWins);
        job = undefined;
        return showAnswer(answer);
      }
    }
    handOut(worker);
  }

  function open() {
    button.setAttribute('aria-expanded', 'true');
    panel.hidden = false;
    if (!curve.received) {
      curve.received = () => {};
      // The curve's form and its style, shown once both have come, so that the form is never
      // seen unstyled.
      const arrived = element => new Promise(resolve => {
        element.onload = element.onerror = resolve;
        document.head.append(element);
      });
      Promise.all([arrived(Object.assign(document.createElement('link'), { rel: 'stylesheet', href: 'odds-curve.css' })),
                   arrived(Object.assign(document.createElement('script'), { src: 'odds-curve.js' }))])
        .then(() => typeof duelmarkOddsCurve === 'function' && duelmarkOddsCurve(curve));
    }
    const answer = ask('begin', battles);
    if ('refused' in answer || answer.closed) return showAnswer(answer);
    progress.max = battles;
    progress.value = 0;
    show(working);
    const asked = ++request;
    makeAllWorkers().then(all => {
      if (asked !== request) return;
      if (workersFailed || all.length === 0) return fightHere(asked);
      job = { asked, numbers: answer.numbers, seed: answer.seed, blockBattles: answer.block, next: 0,
              fought: 0, heroWins: 0, battlesOfLength: [] };
      // A setting of another request may cost many times more: each worker starts with a block.
      for (const worker of all) worker.blocks = 1;
      for (const worker of all) while (worker.inHand < runsInHand && handOut(worker));
    });
  }

  // The live region is emptied as the panel closes, so that the next answer is news even when
  // its words are the same.
  function close() {
    ++request;
    panel.hidden = true;
    button.setAttribute('aria-expanded', 'false');
    announcer.textContent = '';
  }

  button.addEventListener('click', () => (panel.hidden ? open() : close()));
  panel.querySelector('.close-box').addEventListener('click', () => {
    close();
    button.focus();
  });
  odds.addEventListener('keydown', event => {
    if (event.key !== 'Escape' || panel.hidden) return;
    event.preventDefault();
    close();
    button.focus();
  });
  // The button is of use once the program runs, in its language: the first news of the program
  // is its start.
  addEventListener('duelmark-program', () => { odds.hidden = false; }, { once: true });
})();
