// Choosing an entry sends the visitor to its address, in the window the menu was made for;
// entries that are not linked or lead to "nolink" go nowhere, and neither does loading the page.
import assert from 'node:assert/strict';
import {mkdir, writeFile} from 'node:fs/promises';
import path from 'node:path';
import {test} from 'node:test';

import {ChooseEntry, PressMenuButton, Settle, ShownEntry} from './support/browser.js';
import {AssertOnlyAdvertRefused, kSecondFramePage, UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

// The link targets in the order of the project file's values.
const kTargets = ['same', 'new', 'frame'];
const kWays = {
    change: {'Navigate': '1'},
    button: {'Navigate': '0', 'Button Type': '0'},
    graphic: {'Navigate': '0', 'Button Type': '1'},
};

// [link target, how the menu navigates, how it is visited]
const kCases = [
    ...kTargets.flatMap((target) => Object.keys(kWays).map((way) => [target, way, {}])),
    // The saved code file works as a page without the preview around it.
    ['same', 'button', {target: 'file'}],
    // The program opens its preview as local files, where every file is an origin of its own.
    ['same', 'change', {from: 'file'}],
    ['frame', 'button', {from: 'file'}],
];

async function AssertStayed(visit, target, what) {
    await Settle();
    assert.deepEqual(visit.Destinations(), [], `${what} reached the site`);
    assert.equal(visit.context.pages().length, 1, `${what} opened a window`);
    assert.equal(visit.page.url(), visit.startUrl, `${what} left the page`);
    assert.equal(visit.menuFrame.url(), visit.pageUrl, `${what} left the menu`);
    if (target === 'frame') {
        assert.equal(visit.page.frame({name: 'content'}).url(), visit.UrlOf(kSecondFramePage));
    }
}

test('entries lead where the menu sends its links, or nowhere', async (t) => {
    for (const [target, way, options] of kCases) {
        await t.test(`${target} window, ${way}, ${JSON.stringify(options)}`, async () => {
            const visit = await Visit(
                'navigation',
                {...options, keys: {Target: String(kTargets.indexOf(target)), ...kWays[way]}});
            const gadgets = 'dest/gadgets.html';
            // On disk for the visits from files; the site answers every other path by itself.
            await mkdir(path.join(visit.folder, 'dest'));
            await writeFile(path.join(visit.folder, gadgets),
                            `<title>${visit.PathOf(gadgets)}</title>`);
            assert.equal(await ShownEntry(visit.menuFrame), 'Pick a page');
            if (way === 'graphic') {
                const box = await visit.menuFrame.locator('form input').boundingBox();
                assert.deepEqual([box.width, box.height], [48, 24], 'the image is not shown');
            }
            await AssertStayed(visit, target, 'loading the page');
            for (const entry of ['Coming soon', 'Typed nolink']) {
                await ChooseEntry(visit.menuFrame, entry);
                if (way !== 'change') {
                    await PressMenuButton(visit.menuFrame);
                }
                await AssertStayed(visit, target, `the entry "${entry}"`);
            }
            const opened = target === 'new' && visit.context.waitForEvent('page');
            await ChooseEntry(visit.menuFrame, 'Gadgets');
            if (way !== 'change') {
                await AssertStayed(visit, target, 'choosing without the button');
                await PressMenuButton(visit.menuFrame);
            }
            const arrived = target === 'new'     ? await opened
                            : target === 'frame' ? visit.page.frame({name: 'content'})
                                                 : visit.page;
            await arrived.waitForURL(visit.UrlOf(gadgets));
            assert.equal(await arrived.title(), visit.PathOf(gadgets));
            assert.equal(visit.context.pages().length, target === 'new' ? 2 : 1);
            if (target !== 'same') {
                assert.equal(visit.page.url(), visit.startUrl);
                assert.equal(visit.menuFrame.url(), visit.pageUrl);
            }
            assert.deepEqual(visit.Destinations(),
                             options.from === 'file' ? [] : [visit.PathOf(gadgets)]);
            // From files, the window-maximising load function cannot reach the frameset's window,
            // a page of another origin; that error is expected, and no other.
            const crossOrigin = options.from === 'file' && target === 'frame';
            assert.deepEqual(
                visit.errors.filter((m) => !crossOrigin || !/cross-origin|Blocked a frame/.test(m)),
                []);
            if (options.target === 'file') {
                assert.deepEqual(visit.refused, [], 'the code file loads nothing from outside');
            } else {
                AssertOnlyAdvertRefused(visit);
            }
        });
    }
});
