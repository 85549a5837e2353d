// The page's side of its language (PageLanguage.h): the reader's wishes, the chosen catalogue
// fetched, and the page's own texts looked up in it by the program, so that the page, its
// scripts and the windows speak one language with one plural rule.
mergeInto(LibraryManager.library, {
  // The chosen catalogue's bytes, which the odds' engine is handed too; null in English.
  $pageLanguage: null,
  $pageLanguage__postset: 'pageLanguage = {catalogue: null};',

  web_language_wishes: function() {
    const asked = new URLSearchParams(location.search).get('lang');
    const wishes = [asked, ...(navigator.languages || [navigator.language])].filter(Boolean).join('\n');
    const length = lengthBytesUTF8(wishes) + 1;
    const pointer = _malloc(length);
    stringToUTF8(wishes, pointer, length);
    return pointer;
  },

  // Served, the catalogue is locale/LANGUAGE.mo. Opened from a disk, where a page may not fetch
  // its files but may load scripts, it comes in base64 in locale/LANGUAGE.js.
  web_fetch_catalogue__deps: ['$pageLanguage'],
  web_fetch_catalogue: function(language) {
    const name = UTF8ToString(language);
    const bytes = location.protocol === 'file:'
      ? new Promise((resolve, reject) => {
        const script = Object.assign(document.createElement('script'), { src: `locale/${name}.js` });
        script.onload = () => resolve(Uint8Array.from(atob(duelmarkCatalogue), c => c.charCodeAt(0)));
        script.onerror = reject;
        document.head.append(script);
      })
      : fetch(`locale/${name}.mo`).then(response => {
        if (!response.ok) throw new Error(`locale/${name}.mo: ${response.status}`);
        return response.arrayBuffer();
      }).then(buffer => new Uint8Array(buffer));
    bytes.then(catalogue => {
      pageLanguage.catalogue = catalogue;
      const pointer = _malloc(catalogue.length);
      HEAPU8.set(catalogue, pointer);
      try {
        Module['_web_catalogue_arrived'](pointer, catalogue.length);
      } finally {
        _free(pointer);
      }
    }, () => Module['_web_catalogue_arrived'](0, 0));
  },

  // The source text in the page's language, each "{name}" in it replaced by values[name]; of a
  // text that counts, the form for count. Marked for `make pot` by these two names.
  $duelmarkText__deps: ['$duelmarkTextN'],
  $duelmarkText: function(source, values) { return duelmarkTextN(source, '', 1, values); },
  $duelmarkTextN__deps: ['$withText'],
  $duelmarkTextN: function(singular, plural, count, values) {
    const parts = [singular, plural, ...Object.entries(values || {}).flat()].map(String).join('\x1f');
    let text;
    withText(parts, pointer => { text = UTF8ToString(Module['_web_text'](pointer, count)); });
    return text;
  },

  // The texts that index.html marks with data-translate: "text", the element's own text (the
  // first text in it, without the blanks around it), or the names of attributes to translate.
  // scripts/page-texts.mjs gathers them for the catalogues the same way.
  $translateMarked__deps: ['$duelmarkText'],
  $translateMarked: function(root) {
    for (const element of root.querySelectorAll('[data-translate]')) {
      for (const what of element.dataset.translate.split(' ')) {
        if (what !== 'text') {
          element.setAttribute(what, duelmarkText(element.getAttribute(what)));
          continue;
        }
        const node = [...element.childNodes].find(child => child.nodeType === Node.TEXT_NODE && child.data.trim());
        node.data = node.data.replace(/^(\s*)([^]*?)(\s*)$/, (_, before, text, after) => before + duelmarkText(text) + after);
      }
    }
  },

  web_speak_language__deps: ['$translateMarked', '$duelmarkTextN'],
  web_speak_language: function(tag) {
    document.documentElement.lang = UTF8ToString(tag);
    translateMarked(document);
  },
});
