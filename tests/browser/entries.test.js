// Entries that lead nowhere, and the entry a menu shows when the page loads.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {
    ChooseEntry,
    FrameAt,
    MenuList,
    PressMenuButton,
    Settle,
    ShownEntry
} from './support/browser.js';
import {kFramesetPage, kSecondFramePage} from './support/exporter.js';
import {UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

async function Choose(visit, text, navigate) {
    await ChooseEntry(visit.menuFrame, text);
    if (navigate === 'button') {
        await PressMenuButton(visit.menuFrame);
    }
}

async function AssertWentNowhere(visit, target, what) {
    await Settle();
    assert.deepEqual(visit.Destinations(), [], `${what} reached the site`);
    assert.equal(visit.context.pages().length, 1, `${what} opened a window`);
    assert.equal(visit.page.url(), target === 'frame' ? visit.UrlOf(kFramesetPage) : visit.pageUrl);
    if (target === 'frame') {
        assert.equal(visit.page.frame({name: 'content'}).url(), visit.UrlOf(kSecondFramePage));
    }
}

// Chooses "Next" and waits for it where the menu sends its links.
async function AssertNextArrives(visit, target, navigate) {
    const url = visit.UrlOf('dest/next.html');
    const opened = target === 'new' && visit.context.waitForEvent('page');
    await Choose(visit, 'Next', navigate);
    if (target === 'same') {
        await visit.page.waitForURL(url);
    } else if (target === 'new') {
        assert.equal((await opened).url(), url);
    } else {
        await FrameAt(visit.page, 'content', url);
    }
}

test('not-linked and "nolink" entries go nowhere; a linked neighbour does', async (t) => {
    const items = [
        {text: 'Start', url: 'dest/start.html', selected: true},
        // An address left behind on an entry marked not linked must not be used.
        {text: 'Coming soon', url: 'dest/ghost.html', linked: 'No'},
        {text: 'Typed nolink', url: 'nolink'},
        {text: 'Next', url: 'dest/next.html'},
    ];
    for (const target of ['same', 'new', 'frame']) {
        for (const navigate of ['change', 'button']) {
            await t.test(`${target} window, navigating on ${navigate}`, async () => {
                const visit = await Visit({items, menu: {navigate, target, frameName: 'content'}});
                await Choose(visit, 'Coming soon', navigate);
                await AssertWentNowhere(visit, target, 'the not-linked entry');
                await Choose(visit, 'Typed nolink', navigate);
                await AssertWentNowhere(visit, target, 'the "nolink" entry');
                await AssertNextArrives(visit, target, navigate);
                assert.deepEqual(visit.Destinations(), [visit.PathOf('dest/next.html')]);
            });
        }
    }
});

test('the preselected entry is the one shown at load, and loading goes nowhere', async () => {
    const framed = await Visit({
        items: [
            {text: 'Products', heading: true},
            {text: 'Widgets', url: 'dest/widgets.html'},
            {text: 'Services', heading: true},
            {text: 'Repairs', url: 'dest/repairs.html'},
            {text: 'Gadgets', url: 'dest/gadgets.html', selected: true},
        ],
        menu: {navigate: 'change', target: 'frame', frameName: 'content'},
    });
    assert.equal(await ShownEntry(framed.menuFrame), 'Gadgets');
    await AssertWentNowhere(framed, 'frame', 'loading the page');
    const preselected = await MenuList(framed.menuFrame)
                            .evaluate((select) => [...select.options]
                                                      .filter((o) => o.defaultSelected)
                                                      .map((o) => o.text));
    assert.deepEqual(preselected, ['Gadgets']);

    const notLinked = await Visit({
        items: [
            {text: 'Home', url: 'dest/home.html'},
            {text: 'Pick a page', linked: 'No', selected: true},
            {text: 'News', url: 'dest/news.html'},
        ],
        menu: {navigate: 'change'},
    });
    assert.equal(await ShownEntry(notLinked.menuFrame), 'Pick a page');
    await AssertWentNowhere(notLinked, 'same', 'loading the page');

    // Without a preselected entry the browser shows the first entry, below the first heading.
    const none = await Visit({
        items: [
            {text: 'Fruit', heading: true},
            {text: 'Apples', url: 'dest/apples.html'},
            {text: 'Pears', url: 'dest/pears.html'},
        ],
        menu: {navigate: 'change'},
    });
    assert.equal(await ShownEntry(none.menuFrame), 'Apples');
    await AssertWentNowhere(none, 'same', 'loading the page');
});
