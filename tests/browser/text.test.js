// Texts reach the visitor as typed: letters beyond ASCII, quotes, ampersands and angle brackets.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {ShownEntry} from './support/browser.js';
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

test('texts show as typed, from the site and opened as a file', async (t) => {
    for (const from of ['site', 'file']) {
        await t.test(from, async () => {
            const visit = await Visit('text', {from});
            assert.equal(await ShownEntry(visit.menuFrame), 'Café Zürich');
            assert.deepEqual(await ShownTexts(visit.menuFrame), {
                groups: ['Spezialitäten & Co'],
                entries: ['Café Zürich', 'Smørrebrød – 5 €', 'Say "cheese"', 'a < b > c'],
                button: 'Los, weiter »',
            });
        });
    }
});
