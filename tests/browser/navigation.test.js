// Choosing an entry sends the visitor to its address, in the window the menu was made for.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {ChooseEntry, FrameAt, PressMenuButton, Settle} from './support/browser.js';
import {kButtonImage, kFramesetPage, kSecondFramePage} from './support/exporter.js';
import {AssertOnlyAdvertRefused, UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

// The chosen entry sits in a group, two steps below the shown one, with a linked entry between.
const kItems = [
    {text: 'Choose a page', linked: 'No', selected: true},
    {text: 'Products', heading: true},
    {text: 'Widgets', url: 'dest/widgets.html'},
    {text: 'Gadgets', url: 'dest/gadgets.html'},
];

const kWays = {
    'on item change': {navigate: 'change'},
    'on a standard button': {navigate: 'button', button: {kind: 'standard', text: 'Go'}},
    'on a graphic button': {navigate: 'button', button: {kind: 'graphic', imageUrl: kButtonImage}},
};

function MenuProject(target, way) {
    return {
        items: kItems,
        menu: {navigate: way.navigate, target, frameName: 'content', menuName: 'NavMenu'},
        button: way.button,
    };
}

// Chooses "Gadgets"; with a button, proves that the choice alone goes nowhere, then presses it.
async function ChooseGadgets(visit, way) {
    await ChooseEntry(visit.menuFrame, 'Gadgets');
    if (way.navigate === 'button') {
        await Settle();
        assert.deepEqual(visit.Destinations(), [], 'choosing alone must wait for the button');
        await PressMenuButton(visit.menuFrame);
    }
}

test('same window: the chosen page replaces the menu page', async (t) => {
    for (const [name, way] of Object.entries(kWays)) {
        await t.test(name, async () => {
            const visit = await Visit(MenuProject('same', way));
            await ChooseGadgets(visit, way);
            await visit.page.waitForURL(visit.UrlOf('dest/gadgets.html'));
            assert.equal(await visit.page.title(), visit.PathOf('dest/gadgets.html'));
            assert.deepEqual(visit.Destinations(), [visit.PathOf('dest/gadgets.html')]);
            assert.equal(visit.context.pages().length, 1);
            assert.deepEqual(visit.errors, []);
            AssertOnlyAdvertRefused(visit);
        });
    }
});

test('new window: the chosen page opens in a window of its own, the menu stays', async (t) => {
    for (const [name, way] of Object.entries(kWays)) {
        await t.test(name, async () => {
            const visit = await Visit(MenuProject('new', way));
            const opened = visit.context.waitForEvent('page');
            await ChooseGadgets(visit, way);
            const popup = await opened;
            await popup.waitForLoadState();
            assert.equal(popup.url(), visit.UrlOf('dest/gadgets.html'));
            assert.equal(await popup.title(), visit.PathOf('dest/gadgets.html'));
            assert.equal(visit.page.url(), visit.pageUrl);
            assert.equal(visit.context.pages().length, 2);
            assert.deepEqual(visit.errors, []);
        });
    }
});

test('different frame: the chosen page loads in the named lower frame', async (t) => {
    for (const [name, way] of Object.entries(kWays)) {
        await t.test(name, async () => {
            const visit = await Visit(MenuProject('frame', way));
            assert.equal(visit.page.frame({name: 'content'}).url(), visit.UrlOf(kSecondFramePage));
            await ChooseGadgets(visit, way);
            const lower = await FrameAt(visit.page, 'content', visit.UrlOf('dest/gadgets.html'));
            assert.equal(await lower.title(), visit.PathOf('dest/gadgets.html'));
            assert.equal(visit.menuFrame.url(), visit.pageUrl);
            assert.equal(visit.page.url(), visit.UrlOf(kFramesetPage));
            assert.equal(visit.context.pages().length, 1);
            assert.deepEqual(visit.errors, []);
        });
    }
});

test('the saved code file works as a page without the preview around it', async () => {
    const visit = await Visit(MenuProject('same', kWays['on a standard button']), {target: 'file'});
    assert.match(visit.source, /^<HEAD>\r\n/);
    await ChooseGadgets(visit, kWays['on a standard button']);
    await visit.page.waitForURL(visit.UrlOf('dest/gadgets.html'));
    assert.deepEqual(visit.refused, [], 'the code file loads nothing from outside');
    assert.deepEqual(visit.errors, []);
});
