// Texts reach the visitor as typed: letters beyond ASCII, quotes and angle brackets.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {MenuList, ShownEntry} from './support/browser.js';
import {UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

function ShownTexts(frame) {
    return frame.locator('form').evaluate(
        (form) => ({
            groups: [...form.querySelectorAll('optgroup')].map((g) => g.label),
            entries: [...form.querySelectorAll('option')].map((o) => o.textContent),
            button: form.querySelector('input').value,
        }));
}

test('letters beyond ASCII show as typed, from the site and opened as a file', async (t) => {
    const project = {
        items: [
            {text: 'Spezialitäten', heading: true},
            {text: 'Café Zürich', url: 'dest/cafe.html', selected: true},
            {text: 'Smørrebrød – 5 €', url: 'dest/smor.html'},
        ],
        menu: {navigate: 'button'},
        button: {text: 'Los, weiter »'},
    };
    for (const from of ['site', 'file']) {
        await t.test(from, async () => {
            const visit = await Visit(project, {from});
            assert.equal(await ShownEntry(visit.menuFrame), 'Café Zürich');
            assert.deepEqual(await ShownTexts(visit.menuFrame), {
                groups: ['Spezialitäten'],
                entries: ['Café Zürich', 'Smørrebrød – 5 €'],
                button: 'Los, weiter »',
            });
        });
    }
});

test('quotes and angle brackets in texts and addresses are written unchanged', async () => {
    const visit = await Visit({
        items: [
            {text: 'Tom & "Jerry"', heading: true},
            {text: 'Say "cheese"', url: 'dest/say.html?q="cheese"'},
            {text: 'a < b > c', url: 'dest/cmp.html?x=<1>'},
            {text: "It's <b>bold</b>", url: "dest/it's.html"},
        ],
        menu: {navigate: 'button'},
        button: {text: 'Say "go" <now>'},
    });
    const lines = visit.source.split('\r\n');
    const expected = [
        '<OPTGROUP LABEL="Tom & "Jerry"">',
        `<OPTION value="dest/say.html?q="cheese"" style="background-color='';color=''">Say "cheese"</OPTION>`,
        `<OPTION value="dest/cmp.html?x=<1>" style="background-color='';color=''">a < b > c</OPTION>`,
        `<OPTION value="dest/it's.html" style="background-color='';color=''">It's <b>bold</b></OPTION>`,
    ];
    for (const line of expected) {
        assert.ok(lines.includes(line), `the page lacks the line ${line}`);
    }
    assert.ok(lines.some(
        (line) => line.startsWith('<input type="submit" value="Say "go" <now>" style=')));
    // Texts that hold no markup survive the browser's reading too.
    const entries = await MenuList(visit.menuFrame)
                        .evaluate((select) => [...select.options].map((o) => o.textContent));
    assert.deepEqual(entries.slice(0, 2), ['Say "cheese"', 'a < b > c']);
});
