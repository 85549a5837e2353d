// A worker of the page's odds (OddsPanel.js). The page hands it the engine's WebAssembly
// (odds-worker.wasm), compiled once for all its workers, and then runs of blocks of battles; it
// fights each run's blocks and answers their counts added up, and how long they took, by which
// the page sizes the next run. A block's dice come from the seed and the block's number alone,
// so whichever worker fights a block, its counts are the same.
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
      numbers = engine.duelmark_setting_numbers();
      blockBattles = engine.duelmark_block_battles();
      return;
    }
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
