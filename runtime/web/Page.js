// The page's side of the web backend: elements made, changed and removed by number at the
// C++ side's request, and the user's input handed back to it. It knows no window of the
// program; the page (index.html) provides the desktop with the words of the windows' close
// boxes, the message dialog, the live region and the notice shown when the program has ended.
mergeInto(LibraryManager.library, {
  // The elements by number, the next tick, and the scale of the window on show.
  $page: null,
  $page__postset: 'page = {elements: new Map(), tickTimer: null, windowScale: 1};',

  // Hands a text to an exported C++ function as a UTF-8 string it may read during the call.
  $withText: function(text, call) {
    const length = lengthBytesUTF8(text) + 1;
    const pointer = _malloc(length);
    stringToUTF8(text, pointer, length);
    try {
      call(pointer);
    } finally {
      _free(pointer);
    }
  },

  $focusNow: function(element, selectAll) {
    element.focus();
    if (selectAll && element.select) element.select();
  },

  web_create__deps: ['$page'],
  web_create: function(id, parentId, tag) {
    const element = document.createElement(UTF8ToString(tag));
    const parent = parentId ? page.elements.get(parentId) : document.getElementById('desktop');
    parent.appendChild(element);
    page.elements.set(id, element);
  },

  web_remove__deps: ['$page'],
  web_remove: function(id) {
    const element = page.elements.get(id);
    if (!element) return;
    page.elements.forEach((other, key) => {
      if (other === element || element.contains(other)) page.elements.delete(key);
    });
    if (!element.classList.contains('window')) return element.remove();
    // A window goes from sight at once, and from the accessibility tree a moment later: a
    // screen reader that still holds the focus in it would otherwise lose its place, and take
    // the focus now in a new window for one it is in already, without naming that window.
    element.classList.add('leaving');
    setTimeout(() => element.remove(), 1000);
  },

  web_set_attribute__deps: ['$page'],
  web_set_attribute: function(id, name, value) {
    page.elements.get(id).setAttribute(UTF8ToString(name), UTF8ToString(value));
  },

  web_remove_attribute__deps: ['$page'],
  web_remove_attribute: function(id, name) { page.elements.get(id).removeAttribute(UTF8ToString(name)); },

  web_set_style__deps: ['$page'],
  web_set_style: function(id, property, value) {
    page.elements.get(id).style.setProperty(UTF8ToString(property), UTF8ToString(value));
  },

  web_set_text__deps: ['$page'],
  web_set_text: function(id, text) { page.elements.get(id).textContent = UTF8ToString(text); },

  web_set_value__deps: ['$page'],
  web_set_value: function(id, value) {
    const element = page.elements.get(id);
    const text = UTF8ToString(value);
    if (element.value !== text) element.value = text;
  },

  // A list box's choices, one of which is chosen and active.
  web_add_option__deps: ['$page'],
  web_add_option: function(id, text) {
    const list = page.elements.get(id);
    const option = document.createElement('div');
    option.setAttribute('role', 'option');
    option.setAttribute('aria-selected', 'false');
    option.id = 'option-' + id + '-' + list.children.length;
    option.className = 'list-option';
    option.textContent = UTF8ToString(text);
    list.appendChild(option);
  },

  web_set_selected__deps: ['$page'],
  web_set_selected: function(id, index) {
    const list = page.elements.get(id);
    list.querySelectorAll('[role=option]').forEach((option, at) => {
      option.setAttribute('aria-selected', at === index ? 'true' : 'false');
      if (at === index) list.setAttribute('aria-activedescendant', option.id);
    });
  },

  web_set_disabled__deps: ['$page'],
  web_set_disabled: function(id, disabled) { page.elements.get(id).disabled = !!disabled; },

  // Clicks, typing, choices and the focus the user moves are handed to the C++ side by element
  // number.
  web_listen__deps: ['$page', '$withText'],
  web_listen: function(id) {
    const element = page.elements.get(id);
    element.addEventListener('focus', () => Module['_web_focused'](id));
    switch (element.tagName) {
      case 'BUTTON':
        element.addEventListener('click', () => Module['_web_clicked'](id));
        // What Enter does on a button is the runtime's to say, not the browser's.
        element.addEventListener('keydown', event => {
          if (event.key === 'Enter' && !event.repeat) {
            event.preventDefault();
            Module['_web_enter'](id);
          }
        });
        break;
      case 'INPUT':
        element.addEventListener('input', () => withText(element.value, p => Module['_web_edited'](id, p)));
        break;
      case 'DIV': {
        // A list box: the arrow keys, Home and End choose, as does a click on a choice.
        const options = () => Array.from(element.querySelectorAll('[role=option]'));
        const choose = option => option && withText(option.textContent, p => Module['_web_edited'](id, p));
        element.addEventListener('keydown', event => {
          const all = options();
          const at = all.findIndex(option => option.getAttribute('aria-selected') === 'true');
          const to = {ArrowUp: at - 1, ArrowDown: at + 1, Home: 0, End: all.length - 1}[event.key];
          if (to === undefined) return;
          event.preventDefault();
          choose(all[to]);
        });
        element.addEventListener('click', event => choose(event.target.closest('[role=option]')));
        break;
      }
    }
  },

  // Escape on a panel, which the C++ side uses or leaves to the browser.
  web_listen_escape__deps: ['$page'],
  web_listen_escape: function(id) {
    page.elements.get(id).addEventListener('keydown', event => {
      if (event.key === 'Escape' && !event.defaultPrevented && Module['_web_escape'](id)) event.preventDefault();
    });
  },

  web_name_close_box__deps: ['$page'],
  web_name_close_box: function(id) {
    page.elements.get(id).setAttribute('aria-label', document.getElementById('desktop').dataset.closeBoxLabel);
  },

  // A panel's title bar moves the panel, as a desktop's does, within the view.
  web_make_draggable__deps: ['$page', '$placeInView'],
  web_make_draggable: function(handleId, panelId) {
    const handle = page.elements.get(handleId);
    const panel = page.elements.get(panelId);
    handle.addEventListener('pointerdown', event => {
      if (event.button !== 0 || event.target.closest('button')) return;
      const startX = event.clientX - panel.offsetLeft, startY = event.clientY - panel.offsetTop;
      handle.setPointerCapture(event.pointerId);
      const {width, height} = panel.getBoundingClientRect();
      const move = e => placeInView(panel, e.clientX - startX, e.clientY - startY, width, height);
      handle.addEventListener('pointermove', move);
      handle.addEventListener('pointerup', () => handle.removeEventListener('pointermove', move), {once: true});
    });
  },

  // The scale at which a box of this designed size fills the view, less a margin: down to fit a
  // phone, up without a cap to fill a large screen. Where a whole number of screen pixels per
  // design pixel lies within a tenth below that, it is taken, so that every pixel of a picture
  // is drawn the same size.
  $scaleToFit: function(width, height) {
    const view = document.documentElement, margin = 8;
    const fit = Math.min((view.clientWidth - 2 * margin) / width, (view.clientHeight - 2 * margin) / height);
    const whole = Math.floor(fit * devicePixelRatio) / devicePixelRatio;
    return whole >= 0.9 * fit ? whole : fit;
  },

  // Stands a panel of the size shown with its top left corner at (left, top), or as near as
  // keeps it all in view, on whole screen pixels.
  $placeInView: function(panel, left, top, width, height) {
    const view = document.documentElement;
    const snap = (place, room) => Math.round(Math.max(0, Math.min(place, room)) * devicePixelRatio) / devicePixelRatio;
    panel.style.left = snap(left, view.clientWidth - width) + 'px';
    panel.style.top = snap(top, view.clientHeight - height) + 'px';
  },

  // A window, scaled as a whole to the view and standing in its middle; the message box at the
  // scale of the window it stands over, or smaller if the view asks for it.
  $fitToView__deps: ['$page', '$scaleToFit', '$placeInView'],
  $fitToView: function(panel) {
    if (!panel.isConnected) {
      page.fitted.delete(panel);
      page.resized.unobserve(panel);
      return;
    }
    if (panel.hidden) return;
    const scale = scaleToFit(panel.offsetWidth, panel.offsetHeight), view = document.documentElement;
    const width = panel.offsetWidth * scale, height = panel.offsetHeight * scale;
    panel.style.transform = `scale(${scale})`;
    placeInView(panel, (view.clientWidth - width) / 2, (view.clientHeight - height) / 2, width, height);
    page.windowScale = scale;
  },
  $fitMessage__deps: ['$page', '$scaleToFit'],
  $fitMessage: function() {
    const dialog = document.getElementById('message');
    if (!dialog.open) return;
    const scale = Math.min(page.windowScale, scaleToFit(dialog.offsetWidth, dialog.offsetHeight));
    dialog.style.transform = `translate(-50%, -50%) scale(${scale})`;  // centred, as its style stands it
  },

  // A new panel is fitted to the view, and again whenever the view or the panel changes size:
  // a phone turned, a browser resized, a window grown.
  web_fit_to_view__deps: ['$page', '$fitToView', '$fitMessage'],
  web_fit_to_view: function(id) {
    if (!page.fitted) {
      page.fitted = new Set();
      page.resized = new ResizeObserver(entries => entries.forEach(entry => fitToView(entry.target)));
      addEventListener('resize', () => {
        page.fitted.forEach(fitToView);
        fitMessage();
      });
    }
    const panel = page.elements.get(id);
    page.fitted.add(panel);
    page.resized.observe(panel);
    fitToView(panel);
  },

  web_focus__deps: ['$page', '$focusNow'],
  web_focus: function(id, selectAll) {
    const element = page.elements.get(id);
    if (element) focusNow(element, selectAll);
  },

  // The message box: a dialog named by its title and described by its message, which a screen
  // reader reads once as the focus enters it on its OK button; the C++ side learns when the
  // user has closed it, and the program goes on from there. It is modal by its own means: a
  // browser's modal dialog takes the page behind it out of the accessibility tree at once, the
  // control just pressed with it, and Orca then moves to OK in silence.
  web_show_message__deps: ['$fitMessage'],
  web_show_message: function(text) {
    const dialog = document.getElementById('message');
    const shade = document.getElementById('message-shade');
    const ok = dialog.querySelector('[data-message-ok]');
    dialog.querySelector('[data-message-text]').textContent = UTF8ToString(text);
    if (!dialog.dataset.listening) {
      dialog.dataset.listening = 'yes';
      ok.addEventListener('click', () => dialog.close());
      dialog.addEventListener('keydown', event => {
        if (event.key === 'Escape') dialog.close();
        if (event.key === 'Tab' || event.key === 'Escape') event.preventDefault();  // OK is its only stop
      });
      // The focus stays in the box while it is open.
      document.addEventListener('focusin', event => {
        if (dialog.open && !dialog.contains(event.target)) ok.focus();
      });
      dialog.addEventListener('close', () => {
        shade.hidden = true;
        Module['_web_message_closed']();
      });
    }
    shade.hidden = false;
    dialog.show();
    fitMessage();
    ok.focus();
  },

  web_announce: function(text) {
    const region = document.getElementById('announcer');
    const words = UTF8ToString(text);
    // The same words twice in a row are still news: clear first, so the region changes.
    region.textContent = '';
    setTimeout(() => { region.textContent = words; }, 0);
  },

  web_schedule_tick__deps: ['$page'],
  web_schedule_tick: function(milliseconds) {
    clearTimeout(page.tickTimer);
    page.tickTimer = milliseconds < 0 ? null : setTimeout(() => Module['_web_tick'](), milliseconds);
  },

  // What the program is at, for the page's own scripts (start.js, whose new build waits for it,
  // and the odds' button, of use once it has started): set on the document, and told by an
  // event. Ended is for good.
  $programIs: function(state) {
    const root = document.documentElement;
    if (root.dataset.program === 'ended') return;
    root.dataset.program = state;
    dispatchEvent(new Event('duelmark-program'));
  },

  web_started__deps: ['$programIs'],
  web_started: function() { programIs('started'); },

  web_user_acted__deps: ['$programIs'],
  web_user_acted: function() { programIs('acted'); },

  web_ended__deps: ['$page', '$programIs'],
  web_ended: function() {
    programIs('ended');
    clearTimeout(page.tickTimer);
    const notice = document.getElementById('ended');
    notice.hidden = false;
    const again = notice.querySelector('button');
    if (again) {
      again.addEventListener('click', () => location.reload(), {once: true});
      // A moment later: Orca 48 takes a focus that moved while it was still handling the key
      // that ended the program (Escape) for one it has already told, and says nothing.
      setTimeout(() => again.focus(), 100);
    }
  },

  web_trace: function(line) { console.log(UTF8ToString(line)); },

  web_page_asks_for: function(name) { return new URLSearchParams(location.search).has(UTF8ToString(name)) ? 1 : 0; },

  // The decimal and group separators of the first of the browser's languages that names one.
  // A browser may report its system's locale as it stands ("en_US.UTF-8") or one that is no
  // language at all ("C", ""): the former is read as the language it names, the latter passed
  // over, and with none left the separators are "." and ",".
  $numberSeparators: function(languages) {
    for (const language of languages) {
      const tag = String(language || '').split(/[.@]/)[0].replace(/_/g, '-');
      if (!tag) continue;
      try {
        const parts = new Intl.NumberFormat(tag).formatToParts(12345.5);
        const text = type => (parts.find(p => p.type === type) || {value: ''}).value;
        return {decimal: text('decimal'), group: text('group')};
      } catch (notALanguage) {
        continue;  // "C", say, which a browser may take from its system
      }
    }
    return {decimal: '.', group: ','};
  },

  // The decimal and group separators of the browser's languages, as UTF-8 texts.
  web_number_separators__deps: ['$numberSeparators'],
  web_number_separators: function(decimal, group, size) {
    const separators = numberSeparators(navigator.languages || [navigator.language]);
    stringToUTF8(separators.decimal, decimal, size);
    stringToUTF8(separators.group, group, size);
  },
});
