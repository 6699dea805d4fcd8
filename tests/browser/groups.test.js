// Headings become option groups; the browser must place every entry under the right one.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {MenuList} from './support/browser.js';
import {UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

// The list as the browser parsed it: entries as "text -> address", groups with their entries.
function ListShape(frame) {
    return MenuList(frame).evaluate((select) => {
        const entry = (option) => `${option.textContent} -> ${option.value}`;
        return [...select.children].map(
            (child) =>
                child.tagName === 'OPTGROUP'
                    ? {group: child.getAttribute('label'), entries: [...child.children].map(entry)}
                    : entry(child));
    });
}

test(
    'entries before the first heading stand alone; consecutive and last headings keep their groups',
    async () => {
        const visit = await Visit({
            items: [
                {text: 'Welcome', url: 'dest/welcome.html'},
                {text: 'Products', heading: true},
                {text: 'Widgets', url: 'dest/widgets.html'},
                {text: 'Gadgets', url: 'dest/gadgets.html'},
                {text: 'Company', heading: true},
                {text: 'Team', heading: true},
                {text: 'About us', url: 'dest/about.html'},
                {text: 'Press', linked: 'No'},
                {text: 'Archive', heading: true},
            ],
        });
        assert.deepEqual(await ListShape(visit.menuFrame), [
            'Welcome -> dest/welcome.html',
            {
                group: 'Products',
                entries: ['Widgets -> dest/widgets.html', 'Gadgets -> dest/gadgets.html']
            },
            {group: 'Company', entries: []},
            {group: 'Team', entries: ['About us -> dest/about.html', 'Press -> nolink']},
            {group: 'Archive', entries: []},
        ]);
    });

test('a menu that opens with a heading has no entry outside a group', async () => {
    const visit = await Visit({
        items: [
            {text: 'Fruit', heading: true},
            {text: 'Apples', url: 'dest/apples.html', colors: ['#FFEEEE', '#990000']},
            {text: 'Pears', url: 'dest/pears.html'},
            {text: 'Vegetables', heading: true, colors: ['#003366', '#FFFFFF']},
            {text: 'Leeks', url: 'dest/leeks.html'},
        ],
        menu: {navigate: 'button'},
    });
    assert.deepEqual(await ListShape(visit.menuFrame), [
        {group: 'Fruit', entries: ['Apples -> dest/apples.html', 'Pears -> dest/pears.html']},
        {group: 'Vegetables', entries: ['Leeks -> dest/leeks.html']},
    ]);
    // The group lines carry no colours of their own; the entries keep theirs.
    const groupStyles = await MenuList(visit.menuFrame)
                            .evaluate((select) => [...select.querySelectorAll('optgroup')].map(
                                          (g) => g.getAttribute('style')));
    assert.deepEqual(groupStyles, [null, null]);
    const appleStyle = await MenuList(visit.menuFrame)
                           .evaluate((select) => select.options[0].getAttribute('style'));
    assert.equal(appleStyle, "background-color='#FFEEEE';color='#990000'");
});
