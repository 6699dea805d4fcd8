// A menu imported from a site folder on the command line leads to the imported pages.
import assert from 'node:assert/strict';
import {mkdir, writeFile} from 'node:fs/promises';
import path from 'node:path';
import {test} from 'node:test';

import {ChooseEntry, MenuList, PressMenuButton} from './support/browser.js';
import {Quorvane, UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();
const kPages = {
    'index.html': 'Welcome',
    'about us.html': 'About us',
    'products/widgets.html': 'Widgets',
};

test('an imported site folder navigates to its pages', async () => {
    // The pages go into a folder of the site, and the menu's preview beside them.
    const site = Visit.Site();
    const folder = path.join(site.root, 'imported');
    for (const [file, title] of Object.entries(kPages)) {
        await mkdir(path.dirname(path.join(folder, file)), {recursive: true});
        await writeFile(path.join(folder, file), `<!DOCTYPE html><title>${title}</title>`);
    }
    const project = path.join(folder, 'imported.qvn');
    await Quorvane('--import', folder, '--output', project);
    await Quorvane('--export-code', project, '--target', 'preview', '--output',
                   path.join(folder, 'quorvane_preview.html'));
    const menu = site.UrlOf('imported/quorvane_preview.html');
    const {page, errors} = await Visit.Open(menu);
    const entries =
        await MenuList(page).evaluate((select) => [...select.options].map((o) => o.text));
    assert.deepEqual(entries, Object.values(kPages));
    for (const [file, title] of Object.entries(kPages).slice(1)) {
        await page.goto(menu);
        await ChooseEntry(page.mainFrame(), title);
        await PressMenuButton(page.mainFrame());
        await page.waitForURL(site.UrlOf(`imported/${encodeURI(file)}`));
        assert.equal(await page.title(), title);
    }
    assert.deepEqual(errors, []);
});
