// Serves a preview page from a local site, chooses an entry in Chromium as a visitor would and
// checks where the menu goes. Arguments: the page file, the entry, the path it must reach, and
// "button" or "change" for how the menu navigates. Fails with the reason.
import {copyFile} from 'node:fs/promises';
import path from 'node:path';

import * as visitor from '../browser/support/browser.js';
import {StartSite} from '../browser/support/site.js';

const [pageFile, entry, destination, navigate] = process.argv.slice(2);
const site = await StartSite();
const browser = await visitor.LaunchChromium();
try {
    await copyFile(pageFile, path.join(site.root, 'menu.html'));
    const visit = await visitor.OpenVisitor(browser, site);
    await visit.page.goto(site.UrlOf('menu.html'));
    const menu = visit.page.mainFrame();
    await visitor.ChooseEntry(menu, entry);
    if (navigate === 'button') {
        await visitor.Settle();
        if (visit.page.url() !== site.UrlOf('menu.html')) {
            throw new Error(`choosing alone went to ${visit.page.url()}`);
        }
        await visitor.PressMenuButton(menu);
    }
    await visit.page.waitForURL(site.UrlOf(destination), {timeout: 10000});
    const reached = [await visit.page.title(), ...visit.errors].join('; ');
    if (reached !== `/${destination}`) {
        throw new Error(`reached "${reached}": the page's title, then any script errors`);
    }
} finally {
    await browser.close();
    await site.Close();
}
