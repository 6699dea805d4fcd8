// One browser and one local site for the tests of a file; every visit exports a project of
// projects/ with the real quorvane executable into a folder of the site of its own.
import assert from 'node:assert/strict';
import {execFile} from 'node:child_process';
import {copyFile, mkdir, readFile, writeFile} from 'node:fs/promises';
import path from 'node:path';
import {after, afterEach, before} from 'node:test';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {promisify} from 'node:util';

import {LaunchChromium, OpenVisitor} from './browser.js';
import {StartSite} from './site.js';

export const kFramesetPage = 'quorvane_preview_frameset.html';
export const kSecondFramePage = 'quorvane_preview_frame2.html';
const kPages = {
    preview: 'quorvane_preview.html',
    file: 'menu-code.html'
};
// The image the projects name for a graphic button; it is put beside the pages.
const kButtonImage = 'go-button.png';
const kHere = path.dirname(fileURLToPath(import.meta.url));
const kRun = promisify(execFile);

// The project file with some keys set otherwise ({Target: '2'}); each key must be there once.
function WithKeys(text, keys) {
    for (const [key, value] of Object.entries(keys)) {
        const line = new RegExp(`^${key}=.*$`, 'gm');
        assert.equal(text.match(line)?.length, 1, `the project holds no single key "${key}"`);
        text = text.replace(line, `${key}=${value}`);
    }
    return text;
}

// Runs the quorvane executable; a failure says what it was asked and what it answered.
export async function Quorvane(...args) {
    try {
        await kRun(process.env.QUORVANE_EXE, args);
    } catch (error) {
        throw new Error(`quorvane ${args.join(' ')} failed (exit ${error.code}): ${error.stderr}`);
    }
}

// Writes the project into `folder` and exports it for the target "preview" or "file".
async function Export(folder, name, keys, target) {
    await mkdir(folder, {recursive: true});
    const text =
        WithKeys(await readFile(path.join(kHere, `../projects/${name}.qvn`), 'utf8'), keys);
    const projectPath = path.join(folder, 'menu.qvn');
    await writeFile(projectPath, text);
    await copyFile(path.join(kHere, '..', kButtonImage), path.join(folder, kButtonImage));
    await Quorvane('--export-code', projectPath, '--target', target, '--output',
                   path.join(folder, kPages[target]));
    return target === 'preview' && /^Target=2$/m.test(text);
}

export function UseBrowser() {
    const shared = {};
    before(async () => {
        shared.site = await StartSite();
        shared.browser = await LaunchChromium();
    });
    after(async () => {
        await shared.browser?.close();
        await shared.site?.Close();
    });
    let cases = 0;
    let contexts = [];
    afterEach(async () => {
        await Promise.all(contexts.map((context) => context.close()));
        contexts = [];
    });

    // Exports projects/<name>.qvn with `keys` set otherwise and opens a visitor on it, through
    // the site or (`from` "file") as local files, the way the program opens its preview. The page
    // loaded is the frameset for links into another frame, otherwise the exported page itself.
    async function Visit(name, {keys = {}, target = 'preview', from = 'site'} = {}) {
        const folderName = `case${++cases}`;
        const folder = path.join(shared.site.root, folderName);
        const framed = await Export(folder, name, keys, target);
        const PathOf = (relative) => `/${folderName}/${relative}`;
        const UrlOf = from === 'file'
                          ? (relative) => pathToFileURL(path.join(folder, relative)).href
                          : (relative) => shared.site.origin + PathOf(relative);
        const startUrl = UrlOf(framed ? kFramesetPage : kPages[target]);
        const visitor = await Visit.Open(startUrl);
        return {
            ...visitor,
            folder,
            startUrl,
            pageUrl: UrlOf(kPages[target]),
            menuFrame: framed ? visitor.page.frame({name: 'main'}) : visitor.page.mainFrame(),
            // Where a path written relative to the exported page lies, on the site or on disk.
            PathOf,
            UrlOf,
            // The requests the site has had below the case's "dest/".
            Destinations: () => shared.site.requests.filter((p) => p.startsWith(PathOf('dest/'))),
        };
    }

    // A visitor on any page of the site (`Visit.Site()`), closed after the test as the others.
    Visit.Open = async (url) => {
        const visitor = await OpenVisitor(shared.browser, shared.site);
        contexts.push(visitor.context);
        await visitor.page.goto(url);
        return visitor;
    };
    Visit.Site = () => shared.site;
    return Visit;
}

// The preview's advertisement script is the only request that leaves for the web, and it fails.
export function AssertOnlyAdvertRefused(visit) {
    assert.ok(visit.refused.length > 0, 'the preview asked for no advertisement');
    for (const url of visit.refused) {
        assert.match(url, /^https:\/\/[^/]+\/468x60ad\.js$/);
    }
}
