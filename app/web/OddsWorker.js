// A worker of the page's odds (OddsPanel.js). The page hands it the engine's WebAssembly
// (odds-worker.wasm), compiled once for all its workers, and then runs of blocks of battles; it
// fights each run's blocks and answers their counts added up, and how long they took, by which
// the page sizes the next run. A block's dice come from the seed and the block's number alone,
// so whichever worker fights a block, its counts are the same. It also works out a curve's
// points, one at a time, and writes the finished curve's picture and words.
let engine;
let numbers;  // where the engine takes the setting's numbers from
let blockBattles;

// The engine calls the system only to end the program on a run-time error, which its rules
// never reach: the page then fights the battles itself.
const system = new Proxy({}, { get: () => () => { throw new Error('The engine ended on a run-time error.'); } });

onmessage = ({ data }) => {
  try {
    if (data.module) {
      engine = new WebAssembly.Instance(data.module, {
        env: { emscripten_notify_memory_growth() {} },
        wasi_snapshot_preview1: system,
      }).exports;
      engine._initialize();
      useCatalogue(engine, data.catalogue);
      numbers = engine.duelmark_setting_numbers();
      blockBattles = engine.duelmark_block_battles();
      return;
    }
    if (data.point) return postMessage(workOutPoint(data.point));
    if (data.curve) return postMessage({ job: data.curve.job, curve: curveWords(data.curve) });
    // The run's battles fill its blocks from the first; only the last block of all may be short.
    const started = performance.now();
    const { request, first, count, seed } = data;
    new Int32Array(engine.memory.buffer, numbers, data.numbers.length).set(data.numbers);
    let heroWins = 0;
    const battlesOfLength = [];
    for (let block = first, left = count; left > 0; ++block, left -= blockBattles) {
      const counts = engine.duelmark_fight_block(numbers, seed, block, Math.min(left, blockBattles));
      const [wins, lengths] = new Uint32Array(engine.memory.buffer, counts, 2);
      heroWins += wins;
      new Uint32Array(engine.memory.buffer, counts + 8, lengths).forEach((battles, moves) => {
        battlesOfLength[moves] = (battlesOfLength[moves] || 0) + battles;
      });
    }
    postMessage({ request, count, heroWins, battlesOfLength, milliseconds: performance.now() - started });
  } catch (error) {
    postMessage({ failed: String(error) });
  }
};

// The curve's words in the page's language: its catalogue's bytes (a .mo file) handed to the
// engine, or none in English. OddsCurve.js does the same where the page runs the engine itself.
function useCatalogue(exports, catalogue) {
  if (!catalogue) return;
  new Uint8Array(exports.memory.buffer, exports.duelmark_catalogue_room(catalogue.length), catalogue.length).set(catalogue);
  exports.duelmark_use_catalogue();
}

// A point of a curve: exactly, where the battle's states are few enough, else from the battles
// of the seed; answered as the six numbers of duelmark_point_exact.
function workOutPoint({ job, index, numbers: setting, maxStates, battles, seed }) {
  new Int32Array(engine.memory.buffer, numbers, setting.length).set(setting);
  let figures = engine.duelmark_point_exact(numbers, maxStates);
  if (!figures) {
    for (let block = 0; block * blockBattles < battles; ++block)
      engine.duelmark_point_fight(numbers, seed, block, Math.min(blockBattles, battles - block * blockBattles));
    figures = engine.duelmark_point_sampled(seed);
  }
  return { job, index, figures: Array.from(new Float64Array(engine.memory.buffer, figures, 6)) };
}

// The curve's picture and words (duelmark_curve_words), from its points' figures.
function curveWords(curve) {
  new Int32Array(engine.memory.buffer, numbers, curve.numbers.length).set(curve.numbers);
  // The room first: making it may grow the memory, and a view taken before would be of none.
  const room = engine.duelmark_curve_points(curve.points.length / 6);
  new Float64Array(engine.memory.buffer, room, curve.points.length).set(curve.points);
  const text = engine.duelmark_curve_words(numbers, curve.statistic, curve.from, curve.to, curve.step, curve.target);
  return new TextDecoder().decode(new Uint8Array(engine.memory.buffer, text, engine.duelmark_answer_length()));
}
