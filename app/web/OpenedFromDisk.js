// Served over http(s), the page fetches duelmark.wasm and compiles it while it streams in.
// Opened from a disk (file://), a page may not fetch its files but may load scripts: there the
// WebAssembly comes inlined in a script of its own, duelmark-wasm.js.
if (location.protocol === 'file:') {
  Module['instantiateWasm'] = (imports, receiveInstance) => {
    const script = document.createElement('script');
    script.src = 'duelmark-wasm.js';
    script.onload = () => {
      const bytes = Uint8Array.from(atob(duelmarkWasm), c => c.charCodeAt(0));
      WebAssembly.instantiate(bytes, imports).then(({ instance, module }) => receiveInstance(instance, module));
    };
    document.head.append(script);
    return {};
  };
}
