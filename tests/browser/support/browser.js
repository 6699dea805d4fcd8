// Headless Chromium driven as a visitor of the page would drive the menu.
import {chromium} from 'playwright-core';

// launch() gives every run a fresh profile of its own.
export function LaunchChromium() {
    return chromium.launch({
        executablePath: '/usr/bin/chromium',
        headless: true,
        args: [
            '--no-sandbox', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run'
        ],
        // The popup blocker stays on: a new window must open from the visitor's own choice.
        ignoreDefaultArgs: ['--disable-popup-blocking'],
    });
}

// A fresh context that reaches only the local site and local files; every other request fails
// as an unreachable host would. `refused` lists those requests, `errors` the page script errors.
export async function OpenVisitor(browser, site) {
    const context = await browser.newContext();
    const refused = [];
    await context.route('**/*', (route) => {
        const url = route.request().url();
        if (url.startsWith(`${site.origin}/`) || url.startsWith('file:')) {
            return route.continue();
        }
        refused.push(url);
        return route.abort('internetdisconnected');
    });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    return {context, page, refused, errors};
}

export function MenuList(frame) { return frame.locator('select[name="selectsite"]'); }

// Opens the list from the keyboard, moves to the entry and takes it with Enter: one change,
// made by the visitor, whatever lies between the shown entry and the chosen one.
export async function ChooseEntry(frame, text) {
    const list = MenuList(frame);
    const shown = await list.evaluate((select) => select.selectedIndex);
    const wanted = await list.evaluate(
        (select, label) => [...select.options].findIndex((o) => o.text === label), text);
    if (wanted < 0) {
        throw new Error(`the menu has no entry "${text}"`);
    }
    const keyboard = frame.page().keyboard;
    await list.focus();
    await keyboard.press('Alt+ArrowDown');
    for (let step = 0; step < Math.abs(wanted - shown); ++step) {
        await keyboard.press(wanted > shown ? 'ArrowDown' : 'ArrowUp');
    }
    await keyboard.press('Enter');
}

export function PressMenuButton(frame) {
    return frame.locator('form input[type="submit"], form input[type="image"]').click();
}

export async function ShownEntry(frame) {
    return MenuList(frame).evaluate((select) => select.options[select.selectedIndex].text);
}

// Long enough for a navigation started by a choice to reach the site.
export function Settle() { return new Promise((resolve) => setTimeout(resolve, 400)); }
