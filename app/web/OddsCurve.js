// The odds panel's curve of one statistic (OddsPanel.js loads it as the panel first opens): the
// Hero's chance for each value of one statistic from the settings window's values, drawn and
// listed as the command line's `--vary` draws and lists it. Each point is worked out exactly
// where the battle reaches at most maxStates states, else from sampledBattles battles of the
// panel's seed. The points go to the panel's workers, a few in each one's hand; a page without
// workers (opened from a disk) runs their engine itself, a slice of a few milliseconds at a
// time. The picture and the words are the program's own (CurvePlot.cpp, CurveText.cpp), written
// by the workers' engine, so that a visit that never asks for a curve never fetches them; the
// form's words are the page's, each looked up in the page's language (duelmarkText).
function duelmarkOddsCurve(odds) {
  const maxStates = 200000;
  const sampledBattles = 20000;
  const pointsInHand = 2;
  const sliceMilliseconds = 6;
  const mostPoints = 1000;
  // The statistics in the table's order (kStatistics), as the settings window names them (their
  // words, and how they join, are the catalogue's texts of engine/Statistics.cpp), and the number
  // of Enemies; each with its option's name and its bounds.
  const sides = [['Hero', 'hero'], ['Enemy', 'enemy']];
  const names = [['Health', 'health'], ['Attack', 'attack'], ['Defence', 'defence'], ['Magic', 'magic'],
                 ['Magic Def.', 'magic-def'], ['Health', 'health'], ['Attack', 'attack'],
                 ['Suicide Attack', 'suicide-attack'], ['Defence', 'defence'], ['Magic Def.', 'magic-def']];
  const statistics = [{ index: -1, name: duelmarkText('Number of Enemies'), option: 'enemies', lowest: 1, highest: 5 },
    ...names.map(([name, option], index) => {
      const [side, sideOption] = sides[index < 5 ? 0 : 1];
      return { index, name: duelmarkText('{side} {statistic}', { side: duelmarkText(side), statistic: duelmarkText(name) }),
               option: `${sideOption}-${option}`, lowest: -32768, highest: 32767 };
    })];
  // A text of the form's markup, as text.
  const html = text => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;');

  const form = document.createElement('form');
  form.className = 'odds-curve';
  form.noValidate = true;
  form.setAttribute('aria-labelledby', 'odds-curve-title');
  form.innerHTML = `<h3 id="odds-curve-title">${html(duelmarkText('A curve of one statistic'))}</h3>
    <div class="odds-curve-fields">
      <label class="odds-curve-statistic">${html(duelmarkText('Statistic'))} <select name="statistic"></select></label>
      <label>${html(duelmarkText('From'))} <input name="from" inputmode="numeric" autocomplete="off" value="20"></label>
      <label>${html(duelmarkText('To'))} <input name="to" inputmode="numeric" autocomplete="off" value="200"></label>
      <label>${html(duelmarkText('Step'))} <input name="step" inputmode="numeric" autocomplete="off" value="1"></label>
      <label>${html(duelmarkText('Target (%)'))} <input name="target" inputmode="decimal" autocomplete="off" value="50"></label>
    </div>
    <button type="submit" class="button">${html(duelmarkText('Draw the curve'))}</button>
    <label class="odds-working" hidden>${html(duelmarkText('Working out the points…'))} <progress></progress></label>
    <p id="odds-curve-note" hidden></p>
    <div hidden>
      <div data-curve-picture></div>
      <p data-curve-crossings></p>
      <p class="odds-setting" data-curve-method></p>
      <div class="odds-curve-numbers" tabindex="0" role="region" aria-label="${html(duelmarkText("The curve's numbers"))}">
        <table><caption></caption><thead><tr><th scope="col"></th><th scope="col">${html(duelmarkText('Hero wins'))}</th>
          <th scope="col">${html(duelmarkText('95 % interval'))}</th><th scope="col">${html(duelmarkText('Moves'))}</th></tr></thead><tbody></tbody></table>
      </div>
    </div>`;
  const fields = form.elements;
  fields.statistic.append(...statistics.map(statistic =>
    new Option(statistic.name, statistic.option, false, statistic.option === 'hero-health')));
  const working = form.querySelector('.odds-working');
  const progress = working.querySelector('progress');
  const note = form.querySelector('#odds-curve-note');
  const drawn = note.nextElementSibling;
  const part = name => form.querySelector(`[data-curve-${name}]`);
  odds.panel.querySelector('.odds-body').append(form);

  let job;  // the curve being worked out: its request, setting, values and the figures so far
  let drawings = 0;
  let engine;  // without workers: a promise of the workers' engine, run here

  function show(shown) {
    for (const each of [working, note, drawn]) each.hidden = each !== shown;
  }

  function refuse(words, field) {
    for (const each of form.querySelectorAll('[aria-invalid]')) each.removeAttribute('aria-invalid');
    note.textContent = words;
    show(note);
    odds.announce(words.replace(/\n/g, ' '));
    if (field) {
      field.setAttribute('aria-invalid', 'true');
      field.setAttribute('aria-describedby', note.id);
      field.focus();
    }
  }

  // The range as the command line's --vary takes it, and the target as its --target.
  function read() {
    const statistic = statistics[fields.statistic.selectedIndex];
    const whole = field => (/^-?\d+$/.test(field.value) ? Number(field.value) : NaN);
    const [from, to, step] = [fields.from, fields.to, fields.step].map(whole);
    const bounds = { lowest: statistic.lowest, highest: statistic.highest };
    if (!(from >= statistic.lowest && from <= statistic.highest))
      return [duelmarkText('"From" must be a whole number from {lowest} to {highest}.', bounds), fields.from];
    if (!(to >= statistic.lowest && to <= statistic.highest))
      return [duelmarkText('"To" must be a whole number from {lowest} to {highest}.', bounds), fields.to];
    if (from > to) return [duelmarkText('"To" must not be below "From": the range goes up.'), fields.to];
    const longestStep = Math.min(statistic.highest - statistic.lowest, 32767);
    if (!(step >= 1 && step <= longestStep))
      return [duelmarkText('"Step" must be a whole number from 1 to {highest}.', { highest: longestStep }), fields.step];
    if (Math.floor((to - from) / step) + 1 > mostPoints) {
      return [duelmarkTextN('A curve has at most {count} values: take a larger "Step".',
                            'A curve has at most {count} values: take a larger "Step".', mostPoints, { count: mostPoints }),
              fields.step];
    }
    const percent = /^-?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$/.test(fields.target.value) ? Number(fields.target.value) : NaN;
    if (!(percent >= 0 && percent <= 100))
      return [duelmarkText('"Target" must be a percentage from 0 to 100, as 50 or 62.5.'), fields.target];
    return { statistic, from, to, step, target: percent / 100 };
  }

  form.addEventListener('submit', event => {
    event.preventDefault();
    const range = read();
    if (Array.isArray(range)) return refuse(...range);
    for (const each of form.querySelectorAll('[aria-invalid]')) each.removeAttribute('aria-invalid');
    const setting = odds.setting();
    if ('refused' in setting) return refuse(setting.refused);
    if (setting.closed) return refuse(odds.closedWords());
    const values = [];
    for (let value = range.from; value <= range.to; value += range.step) values.push(value);
    const place = range.statistic.index + 1;
    job = { ...range, drawing: ++drawings, request: odds.request(), numbers: setting.numbers, seed: setting.seed,
            values, points: values.map(value => setting.numbers.map((number, i) => (i === place ? value : number))),
            figures: [], next: 0, done: 0 };
    progress.max = values.length;
    progress.value = 0;
    show(working);
    const mine = job;
    odds.workers().then(all => mine === job && (all.length ? inWorkers(all) : here()));
  });

  const current = () => job && job.request === odds.request();

  function handOut(worker) {
    if (!current() || job.next >= job.values.length) return;
    ++worker.points;
    const index = job.next++;
    worker.thread.postMessage({ point: { job: job.drawing, index, numbers: job.points[index], maxStates,
                                         battles: sampledBattles, seed: job.seed } });
  }

  // A point to each worker in turn, so that a curve of a few slow points is shared out evenly.
  function inWorkers(all) {
    job.workers = all;
    for (const worker of all) worker.points = worker.points || 0;
    for (let round = 1; round <= pointsInHand; ++round) {
      for (const worker of all) if (worker.points < round) handOut(worker);
    }
  }

  odds.received = (worker, data) => {
    if (data.curve !== undefined) return current() && data.job === job.drawing && finish(data.curve);
    --worker.points;
    if (!current() || data.job !== job.drawing) return handOut(worker);
    pointDone(data.index, data.figures);
    if (job.done === job.values.length) {
      worker.thread.postMessage({ curve: { job: job.drawing, ...curveOf(job) } });
    } else {
      handOut(worker);
    }
  };

  // A worker failed, and with it all: the curve is worked out here, from its first point.
  odds.gaveUp = () => {
    if (!current() || !job.workers) return;
    Object.assign(job, { workers: undefined, figures: [], next: 0, done: 0 });
    here();
  };

  function pointDone(index, figures) {
    job.figures[index] = figures;
    progress.value = ++job.done;
  }

  // What duelmark_curve_words takes: each point's value and its figures from the method on.
  function curveOf({ numbers, statistic, from, to, step, target, values, figures }) {
    return { numbers, statistic: statistic.index, from, to, step, target,
             points: values.flatMap((value, i) => [value, figures[i][0], ...figures[i].slice(2)]) };
  }

  // Without workers: their engine, on the page's own thread. Opened from a disk, the page may
  // not fetch it, and takes it from a script.
  function loadEngine() {
    const bytes = location.protocol === 'file:'
      ? new Promise((resolve, reject) => {
        const script = Object.assign(document.createElement('script'), { src: 'odds-worker-wasm.js' });
        script.onload = () => resolve(Uint8Array.from(atob(duelmarkOddsWasm), c => c.charCodeAt(0)));
        script.onerror = reject;
        document.head.append(script);
      })
      : fetch('odds-worker.wasm').then(response => response.arrayBuffer());
    const system = new Proxy({}, { get: () => () => { throw new Error('The engine ended on a run-time error.'); } });
    return bytes.then(wasm => WebAssembly.instantiate(wasm, {
      env: { emscripten_notify_memory_growth() {} },
      wasi_snapshot_preview1: system,
    })).then(({ instance }) => {
      const exports = instance.exports;
      exports._initialize();
      // The words in the page's language, as odds-worker.js hands the catalogue to the engine.
      const catalogue = odds.catalogue();
      if (catalogue) {
        new Uint8Array(exports.memory.buffer, exports.duelmark_catalogue_room(catalogue.length), catalogue.length).set(catalogue);
        exports.duelmark_use_catalogue();
      }
      return { exports, numbers: exports.duelmark_setting_numbers(), blockBattles: exports.duelmark_block_battles() };
    });
  }

  const nextSlice = new MessageChannel();
  function here() {
    if (!engine) engine = loadEngine();
    const mine = job;
    engine.then(loaded => {
      mine.engine = loaded;
      nextSlice.port2.postMessage(mine.drawing);
    }, () => refuse(duelmarkText('The curve could not be worked out: its engine did not load.')));
  }

  // Each slice works on the points in turn, a few milliseconds at a time: a point's exact odds in
  // one step, a sampled point's battles a block at a time.
  nextSlice.port1.onmessage = ({ data: drawing }) => {
    if (!current() || job.drawing !== drawing) return;
    const { exports, numbers, blockBattles } = job.engine;
    const started = performance.now();
    while (job.done < job.values.length && performance.now() - started < sliceMilliseconds) {
      const index = job.done;
      new Int32Array(exports.memory.buffer, numbers, job.numbers.length).set(job.points[index]);
      if (job.block === undefined) {
        const figures = exports.duelmark_point_exact(numbers, maxStates);
        if (figures) pointDone(index, Array.from(new Float64Array(exports.memory.buffer, figures, 6)));
        else job.block = 0;
        continue;
      }
      const count = Math.min(blockBattles, sampledBattles - job.block * blockBattles);
      exports.duelmark_point_fight(numbers, job.seed, job.block, count);
      if (++job.block * blockBattles < sampledBattles) continue;
      job.block = undefined;
      pointDone(index, Array.from(new Float64Array(exports.memory.buffer, exports.duelmark_point_sampled(job.seed), 6)));
    }
    if (job.done < job.values.length) return nextSlice.port2.postMessage(drawing);
    const { numbers: setting, statistic, from, to, step, target, points } = curveOf(job);
    new Int32Array(exports.memory.buffer, numbers, setting.length).set(setting);
    const room = exports.duelmark_curve_points(points.length / 6);  // before the view: it may grow the memory
    new Float64Array(exports.memory.buffer, room, points.length).set(points);
    const text = exports.duelmark_curve_words(numbers, statistic, from, to, step, target);
    finish(new TextDecoder().decode(new Uint8Array(exports.memory.buffer, text, exports.duelmark_answer_length())));
  };

  // The picture, scaled to the panel's width; the table of its numbers; and the crossings, said
  // once, now that the curve is complete.
  function finish(text) {
    const answer = JSON.parse(text);
    const picture = part('picture');
    picture.innerHTML = answer.svg.replace(/^<\?xml[^>]*>\s*/, '');
    const svg = picture.firstElementChild;
    svg.removeAttribute('width');
    svg.removeAttribute('height');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', svg.querySelector('title').textContent);
    const sampled = job.figures.filter(figures => figures[0] !== 0).length;
    const states = Math.max(...job.figures.map(figures => figures[1]));
    // In English "states" and "values" whatever the count.
    part('method').textContent = sampled === 0
      ? duelmarkTextN('Each value worked out exactly, over at most {states} states.',
                      'Each value worked out exactly, over at most {states} states.', states, { states })
      : duelmarkTextN('Worked out exactly where a battle reaches at most {most} states; {sampled} of the {count} values ' +
                      'sampled from {battles} battles each, seed {seed}.',
                      'Worked out exactly where a battle reaches at most {most} states; {sampled} of the {count} values ' +
                      'sampled from {battles} battles each, seed {seed}.', job.values.length,
                      { most: maxStates, sampled, count: job.values.length, battles: sampledBattles, seed: job.seed });
    form.querySelector('caption').textContent = duelmarkText("The Hero's chance as {statistic} goes from {from} to {to}",
      { statistic: job.statistic.name, from: job.from, to: job.values[job.values.length - 1] });
    form.querySelector('thead th').textContent = job.statistic.name;
    const body = form.querySelector('tbody');
    body.replaceChildren(...answer.rows.map(cells => {
      const row = document.createElement('tr');
      row.innerHTML = '<th scope="row"></th><td></td><td></td><td></td>';
      cells.forEach((words, i) => { row.cells[i].textContent = words; });
      return row;
    }));
    part('crossings').textContent = answer.crossings.join('\n');
    odds.panel.classList.add('odds-wide');
    show(drawn);
    odds.announce(answer.crossings.join(' '));
    job = undefined;
  }
}
