// Serves a preview page from a local site, chooses an entry in Chromium as a visitor would and
// checks where the menu goes. Arguments: the page file, the entry, the path it must reach, and
// "button" or "change" for how the menu navigates. Exits 1 with the reason on failure.
import {copyFile} from 'node:fs/promises';
import path from 'node:path';

import {
    ChooseEntry,
    LaunchChromium,
    OpenVisitor,
    PressMenuButton,
    Settle,
} from '../browser/support/browser.js';
import {StartSite} from '../browser/support/site.js';

const [pageFile, entry, destination, navigate] = process.argv.slice(2);
const site = await StartSite();
const browser = await LaunchChromium();
let failure = '';
try {
    await copyFile(pageFile, path.join(site.root, 'menu.html'));
    const visit = await OpenVisitor(browser, site);
    await visit.page.goto(site.UrlOf('menu.html'));
    const menu = visit.page.mainFrame();
    await ChooseEntry(menu, entry);
    if (navigate === 'button') {
        await Settle();
        if (visit.page.url() !== site.UrlOf('menu.html')) {
            throw new Error(`choosing alone went to ${visit.page.url()}`);
        }
        await PressMenuButton(menu);
    }
    await visit.page.waitForURL(site.UrlOf(destination), {timeout: 10000});
    const title = await visit.page.title();
    if (title !== `/${destination}`) {
        throw new Error(`reached a page titled "${title}"`);
    }
    if (visit.errors.length > 0) {
        throw new Error(`script errors: ${visit.errors.join('; ')}`);
    }
} catch (error) {
    failure = error.message;
} finally {
    await browser.close();
    await site.Close();
}
if (failure) {
    console.error(failure);
    process.exit(1);
}
