// A static file server on the loopback interface, for loading the page over HTTP as a web server would serve it.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { join, normalize } from 'node:path';

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.svg': 'image/svg+xml' };

// Serves the folder's files; records each path asked for.
export async function serveFolder(folder) {
  const asked = [];
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    asked.push(path);
    try {
      const body = await readFile(join(folder, path));
      const type = TYPES[path.slice(path.lastIndexOf('.'))] || 'application/octet-stream';
      response.writeHead(200, { 'content-type': type });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}`,
    asked,
    // The browser keeps its connection open; closing waits for none.
    close: () => new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();
    }),
  };
}
