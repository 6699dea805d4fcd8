// The program opens its preview as local files, where every file is an origin of its own.
import assert from 'node:assert/strict';
import {mkdir, writeFile} from 'node:fs/promises';
import path from 'node:path';
import {test} from 'node:test';

import {ChooseEntry, FrameAt} from './support/browser.js';
import {kSecondFramePage} from './support/exporter.js';
import {AssertOnlyAdvertRefused, UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

const kItems = [
    {text: 'Home', url: 'dest/home.html', selected: true},
    {text: 'News', url: 'dest/news.html'},
];

async function WriteDestination(visit, name) {
    await mkdir(path.join(visit.folder, 'dest'), {recursive: true});
    await writeFile(path.join(visit.folder, 'dest', name), `<title>${name}</title>`);
}

test('opened from files, the frameset still sends the chosen page into the named frame',
     async () => {
         const visit = await Visit({items: kItems, menu: {target: 'frame', frameName: 'lower'}},
                                   {from: 'file'});
         await WriteDestination(visit, 'news.html');
         assert.equal(visit.page.frame({name: 'lower'}).url(), visit.UrlOf(kSecondFramePage));
         await ChooseEntry(visit.menuFrame, 'News');
         const lower = await FrameAt(visit.page, 'lower', visit.UrlOf('dest/news.html'));
         assert.equal(await lower.title(), 'news.html');
         assert.equal(visit.menuFrame.url(), visit.pageUrl);
         // The window-maximising load function cannot reach the frameset's window from a file of
         // another origin; that error is expected, and no other.
         for (const message of visit.errors) {
             assert.match(message, /cross-origin|Blocked a frame/);
         }
     });

test('opened from a file, the menu page sends the visitor on without a script error', async () => {
    const visit = await Visit({items: kItems, menu: {target: 'same'}}, {from: 'file'});
    await WriteDestination(visit, 'news.html');
    await ChooseEntry(visit.menuFrame, 'News');
    await visit.page.waitForURL(visit.UrlOf('dest/news.html'));
    assert.equal(await visit.page.title(), 'news.html');
    assert.deepEqual(visit.errors, []);
    AssertOnlyAdvertRefused(visit);
});
