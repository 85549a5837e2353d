// A static web server for the page's folder, as any web host serves it: with each file's time
// of change, so that a browser asks again with If-Modified-Since and keeps what it has. It notes
// every answer (the file, its status and the bytes of its body), so that a test sees what a
// visit fetched.
import http from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import path from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm', '.css': 'text/css',
  '.png': 'image/png', '.woff2': 'font/woff2', '.copyright': 'text/plain; charset=utf-8',
};

export function serve(root) {
  const answered = [];
  const server = http.createServer(async (request, response) => {
    const wanted = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = path.join(root, path.normalize(wanted.endsWith('/') ? `${wanted}index.html` : wanted));
    try {
      const changed = new Date((await stat(file)).mtime.toUTCString());
      const since = Date.parse(request.headers['if-modified-since'] ?? '');
      if (since >= changed.getTime()) {
        answered.push({ file: wanted, status: 304, bytes: 0 });
        response.writeHead(304);
        response.end();
        return;
      }
      const body = await readFile(file);
      answered.push({ file: wanted, status: 200, bytes: body.length });
      response.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'application/octet-stream',
                                'last-modified': changed.toUTCString() });
      response.end(body);
    } catch {
      answered.push({ file: wanted, status: 404, bytes: 0 });
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => {
    resolve({ url: `http://127.0.0.1:${server.address().port}`, answered, close: () => server.close() });
  }));
}
