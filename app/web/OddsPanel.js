// The odds of the values in the settings window, asked for by a button in a corner of the page
// and shown in a panel above it. The program fights the battles a slice at a time, each slice a
// task of its own of a few milliseconds, so that the page, a battle being watched and the user's
// input go on between them. A MessageChannel hands over to the next slice at once, where a timer
// would wait 4 ms each time.
(() => {
  const battles = 100000;
  const sliceMilliseconds = 6;
  const odds = document.querySelector('.odds');
  const button = document.getElementById('odds-button');
  const panel = document.getElementById('odds-panel');
  const announcer = document.getElementById('odds-announcer');
  const part = name => panel.querySelector(`[data-odds-${name}]`);
  const [working, note, figures] = ['working', 'note', 'figures'].map(part);
  const progress = working.querySelector('progress');
  const nextSlice = new MessageChannel();
  let request = 0;  // the request whose slices are due: a closed panel or a new request ends it
  let slice;  // battles, as many as take about sliceMilliseconds here for this setting
  const closedWords = 'The settings window has gone: the odds are for its values, before a battle starts.';

  const ask = (name, value) => JSON.parse(UTF8ToString(Module['_duelmark_odds_' + name](value)));

  // The words go to the live region once, when the answer is complete: never the progress.
  function show(shown, words) {
    for (const each of [working, note, figures]) each.hidden = each !== shown;
    if (words) announcer.textContent = words;
  }

  // As the command line writes a share: in percent, to two places, a half rounded up.
  function percent(share) {
    const hundredths = Math.round(100 * share * 100);
    return `${Math.floor(hundredths / 100)}.${String(hundredths % 100).padStart(2, '0')} %`;
  }
  const lengths = range => range.open ? `${range.fromMoves}+` :
    range.fromMoves === range.toMoves ? `${range.fromMoves}` : `${range.fromMoves}-${range.toMoves}`;

  function showAnswer(answer) {
    if ('refused' in answer) {
      note.textContent = answer.refused;
      return show(note, answer.refused.replace(/\n/g, ' '));
    }
    if (answer.closed) {
      note.textContent = closedWords;
      return show(note, closedWords);
    }
    // The sentences are the command line's own; the chart is drawn from the counts.
    const [setting, wins, moves] = answer.text.split('\n');
    part('wins').textContent = wins;
    part('moves').textContent = moves;
    part('setting').textContent = setting.replace(/:$/, '.');
    const most = Math.max(1, ...answer.histogram.map(range => range.battles));
    part('rows').replaceChildren(...answer.histogram.map(range => {
      const row = document.createElement('tr');
      row.innerHTML = '<th scope="row"></th><td><span class="odds-share"></span><span class="odds-bar"></span></td>';
      row.cells[0].textContent = lengths(range);
      row.querySelector('.odds-share').textContent = percent(range.battles / answer.battles);
      row.querySelector('.odds-bar').style.setProperty('--share', range.battles / most);
      return row;
    }));
    show(figures, `${wins} ${moves}`);
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

  function open() {
    button.setAttribute('aria-expanded', 'true');
    panel.hidden = false;
    const answer = ask('begin', battles);
    if ('refused' in answer || answer.closed) return showAnswer(answer);
    progress.max = battles;
    progress.value = 0;
    // A battle of another setting may cost many times more: the first slice is a small one.
    slice = 100;
    show(working);
    nextSlice.port2.postMessage(++request);
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
  // The button is of use once the program runs.
  addOnPostRun(() => { odds.hidden = false; });
})();
