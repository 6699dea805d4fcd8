// A local web site: the exported pages from a folder, and for every other path a small page
// whose title is that path, so a test sees where a menu went.
import {mkdtemp, readFile, rm} from 'node:fs/promises';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

const kTypes = {
    '.html': 'text/html; charset=utf-8',
    '.png': 'image/png'
};

function EscapeHtml(text) {
    return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

async function Answer(root, request, response) {
    const urlPath = decodeURIComponent(new URL(request.url, 'http://site').pathname);
    const file = path.join(root, urlPath);
    if (file.startsWith(root + path.sep)) {
        try {
            const body = await readFile(file);
            const type = kTypes[path.extname(file)] ?? 'application/octet-stream';
            response.writeHead(200, {'content-type': type});
            response.end(body);
            return;
        } catch {
            // Not an exported file: answer with the page that names the path.
        }
    }
    response.writeHead(200, {'content-type': 'text/html; charset=utf-8'});
    response.end(`<!DOCTYPE html><title>${EscapeHtml(urlPath)}</title><p>Reached</p>`);
}

// Resolves to {root, origin, requests, UrlOf(relative), Close()}; `requests` lists every path
// asked for, in order.
export async function StartSite() {
    const root = await mkdtemp(path.join(os.tmpdir(), 'quorvane-browser-'));
    const requests = [];
    const server = http.createServer((request, response) => {
        requests.push(new URL(request.url, 'http://site').pathname);
        Answer(root, request, response).catch((error) => {
            response.writeHead(500);
            response.end(String(error));
        });
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const origin = `http://127.0.0.1:${server.address().port}`;
    return {
        root,
        origin,
        requests,
        UrlOf: (relative) => `${origin}/${relative}`,
        Close: async () => {
            server.closeAllConnections();
            await new Promise((resolve) => server.close(resolve));
            await rm(root, {recursive: true, force: true});
        },
    };
}
