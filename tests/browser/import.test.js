// A menu imported from a site folder on the command line leads to the imported pages.
import assert from 'node:assert/strict';
import {mkdir, writeFile} from 'node:fs/promises';
import path from 'node:path';
import {test} from 'node:test';

import {ChooseEntry, MenuList, PressMenuButton} from './support/browser.js';
import {RunQuorvane} from './support/exporter.js';
import {UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

const kPages = {
    'index.html': 'Welcome',
    'about us.html': 'About us',
    'products/widgets.html': 'Widgets',
};

// Writes the pages of a small site into `folder` and imports the folder beside them.
async function ImportSite(folder) {
    for (const [file, title] of Object.entries(kPages)) {
        await mkdir(path.dirname(path.join(folder, file)), {recursive: true});
        await writeFile(path.join(folder, file), `<!DOCTYPE html><title>${title}</title>`);
    }
    const project = path.join(folder, 'imported.qvn');
    await RunQuorvane(['--import', folder, '--output', project]);
    return project;
}

test('an imported site folder navigates to its pages', async () => {
    const visit = await Visit(ImportSite);
    const entries = await MenuList(visit.menuFrame)
                        .evaluate((select) => [...select.options].map((o) => o.text));
    assert.deepEqual(entries, ['Welcome', 'About us', 'Widgets']);
    for (const [file, title] of [['about us.html', 'About us'],
                                 ['products/widgets.html', 'Widgets']]) {
        await visit.page.goto(visit.pageUrl);
        await ChooseEntry(visit.menuFrame, title);
        await PressMenuButton(visit.menuFrame);
        await visit.page.waitForURL(visit.UrlOf(encodeURI(file)));
        assert.equal(await visit.page.title(), title);
    }
    assert.deepEqual(visit.errors, []);
});
