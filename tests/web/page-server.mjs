// Serves a folder on 127.0.0.1 as a static web server would, with the types
// browsers want for the page's files and nothing outside the folder.
import { createReadStream, statSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join, normalize } from "node:path";

const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
                ".data": "application/octet-stream" };

// Resolves to { url, close } once listening; port 0 takes any free port.
export async function servePage(folder, port = 0) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname)).replace(/^(\.\.[/\\])+/, "");
    const file = join(folder, path === "/" ? "index.html" : path);
    let size = -1;
    try { size = statSync(file).isFile() ? statSync(file).size : -1; } catch { /* answered below */ }
    if (size < 0) { response.writeHead(404).end(); return; }
    response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream", "Content-Length": size });
    createReadStream(file).pipe(response);
  });
  await new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(port, "127.0.0.1", resolve);
  });
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}
