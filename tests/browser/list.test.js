// Headings become option groups; the browser must place every entry under the right one and show
// the preselected entry, or without one the first entry, at load, and go nowhere then. Texts
// reach the visitor as typed: letters beyond ASCII, quotes, ampersands and angle brackets.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {MenuList, Settle, ShownEntry} from './support/browser.js';
import {UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

// The list as the browser parsed it: entries as "text -> address" (with " *" when preselected),
// groups as their label followed by their entries.
function ListShape(frame) {
    return MenuList(frame).evaluate((select) => {
        const entry = (o) => `${o.textContent} -> ${o.value}${o.defaultSelected ? ' *' : ''}`;
        return [...select.children].map(
            (child) => child.tagName === 'OPTGROUP'
                           ? [child.getAttribute('label'), ...[...child.children].map(entry)]
                           : entry(child));
    });
}

const kMenus = {
    // Entries before the first heading stand alone; consecutive and last headings keep groups.
    'groups': {
        shown: 'About us',
        shape: [
            'Welcome -> dest/welcome.html',
            ['Products', 'Widgets -> dest/widgets.html', 'Gadgets -> dest/gadgets.html'],
            ['Company'],
            ['Team', 'About us -> dest/about.html *', 'Press -> nolink'],
            ['Archive'],
        ],
    },
    // A menu that opens with a heading has no entry outside a group.
    'heading-first': {
        shown: 'Apples',
        shape: [
            ['Fruit', 'Apples -> dest/apples.html', 'Pears -> dest/pears.html'],
            ['Vegetables', 'Leeks -> dest/leeks.html'],
        ],
    },
};

test('headings group the entries below them', async (t) => {
    for (const [name, {shown, shape}] of Object.entries(kMenus)) {
        await t.test(name, async () => {
            const visit = await Visit(name);
            assert.deepEqual(await ListShape(visit.menuFrame), shape);
            assert.equal(await ShownEntry(visit.menuFrame), shown);
            await Settle();
            assert.deepEqual(visit.Destinations(), [], 'loading the page went to an entry');
        });
    }
});

// The group labels, entry texts and button text in the order of the form.
function ShownTexts(frame) {
    return frame.locator('form').evaluate(
        (form) => [...form.querySelectorAll('optgroup, option, input')].map(
            (e) => e.tagName === 'OPTGROUP' ? e.label : e.textContent || e.value));
}

test('texts show as typed, from the site and opened as a file', async (t) => {
    for (const from of ['site', 'file']) {
        await t.test(from, async () => {
            const visit = await Visit('text', {from});
            assert.deepEqual(await ShownTexts(visit.menuFrame), [
                'Spezialitäten & Co', 'Café Zürich', 'Smørrebrød – 5 €', 'Say "cheese"',
                'a < b > c', 'Los, weiter »'
            ]);
        });
    }
});
