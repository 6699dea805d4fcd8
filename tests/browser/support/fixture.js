// One browser and one local site for the tests of a file; one folder of the site per case.
import assert from 'node:assert/strict';
import {readFile} from 'node:fs/promises';
import path from 'node:path';
import {after, afterEach, before} from 'node:test';
import {pathToFileURL} from 'node:url';

import {LaunchChromium, OpenVisitor} from './browser.js';
import {ExportProject, kFramesetPage} from './exporter.js';
import {StartSite} from './site.js';

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

    // Exports the project into a new folder of the site and opens a visitor on it, through the
    // site or (`from` "file") as local files, the way the program opens its preview. The page
    // loaded is the frameset for links into another frame, otherwise the exported page itself.
    async function Visit(project, {target = 'preview', from = 'site'} = {}) {
        const name = `case${++cases}`;
        const folder = path.join(shared.site.root, name);
        const output = await ExportProject(folder, project, target);
        const PathOf = (relative) => `/${name}/${relative}`;
        const UrlOf = from === 'file'
                          ? (relative) => pathToFileURL(path.join(folder, relative)).href
                          : (relative) => shared.site.origin + PathOf(relative);
        const framed = target === 'preview' && project.menu?.target === 'frame';
        const visitor = await OpenVisitor(shared.browser, shared.site);
        contexts.push(visitor.context);
        await visitor.page.goto(UrlOf(framed ? kFramesetPage : path.basename(output)));
        const Requests = () => shared.site.requests.filter((p) => p.startsWith(PathOf('')));
        return {
            ...visitor,
            folder,
            pageUrl: UrlOf(path.basename(output)),
            menuFrame: framed ? visitor.page.frame({name: 'main'}) : visitor.page.mainFrame(),
            source: await readFile(output, 'utf8'),
            // Where a path written relative to the exported page lies, on the site or on disk.
            PathOf,
            UrlOf,
            // The requests the site has had below the case's folder, and below its "dest/".
            Requests,
            Destinations: () => Requests().filter((p) => p.startsWith(PathOf('dest/'))),
        };
    }

    return Visit;
}

// The preview's advertisement script is the only request that leaves for the web, and it fails.
export function AssertOnlyAdvertRefused(visit) {
    assert.ok(visit.refused.length > 0, 'the preview asked for no advertisement');
    for (const url of visit.refused) {
        assert.match(url, /^https:\/\/[^/]+\/468x60ad\.js$/);
    }
}
