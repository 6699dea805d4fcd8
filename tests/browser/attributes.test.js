// The style text of the list, its entries and the button reaches the DOM as the program wrote
// it. Browsers ignore this old property syntax, so the attribute text is what is compared.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {MenuList} from './support/browser.js';
import {kButtonImage} from './support/exporter.js';
import {UseBrowser} from './support/fixture.js';

const Visit = UseBrowser();

const kItems = [
    {text: 'Plain', url: 'dest/plain.html'},
    {text: 'Warm', url: 'dest/warm.html', colors: ['#FFF2CC', '#7F6000']},
];

const kButtonColors = ['#FFFFFF', '#006600', '#00CC00', '#11DD11', '#003300', '#004400'];

function Attributes(locator, names) {
    return locator.evaluate((element, wanted) =>
                                Object.fromEntries(wanted.map((n) => [n, element.getAttribute(n)])),
                            names);
}

function EntryStyles(frame) {
    return MenuList(frame).evaluate(
        (select) => [...select.options].map((o) => o.getAttribute('style')));
}

test('menu colours, item colours and a bordered standard button are written as given', async () => {
    const visit = await Visit({
        items: kItems,
        menu: {navigate: 'button', align: 'Bottom', menuName: 'StyleMenu'},
        menuStyle: {
            useSystemColors: 0,
            textColor: '#1F3864',
            backColor: '#DEEAF6',
            fontSize: '14',
            fontWeight: '700',
            italic: 1,
            underline: 1,
            width: '',
        },
        button: {kind: 'standard', text: 'Go there'},
        buttonStyle: {
            useSystemColors: 0,
            noBorder: 0,
            colors: kButtonColors,
            borderThickness: '3',
            width: '60',
            height: '24',
            fontName: 'DejaVu Serif',
            fontSize: '12',
            fontWeight: '600',
            italic: 1,
        },
    });
    const frame = visit.menuFrame;
    assert.deepEqual(await Attributes(frame.locator('form'), ['name', 'action', 'method']), {
        name: 'StyleMenu',
        action: 'javascript:gothere(document.StyleMenu);',
        method: 'post',
    });
    assert.deepEqual(await Attributes(MenuList(frame), ['style', 'onchange']), {
        style:
            "font-size='14px'; font-family='DejaVu Sans'; font-weight=700; font-style='Italic'; " +
                "text-decoration='Underline'; width=; background-color='#DEEAF6'; color='#1F3864'",
        onchange: null,
    });
    assert.deepEqual(
        await EntryStyles(frame),
        ["background-color='';color=''", "background-color='#FFF2CC';color='#7F6000'"]);
    assert.equal(await frame.locator('form td:has(select)').getAttribute('valign'), 'Bottom');
    assert.deepEqual(await Attributes(frame.locator('form input'), ['type', 'value', 'style']), {
        type: 'submit',
        value: 'Go there',
        style: "font-size='12px'; font-family='DejaVu Serif'; font-style='Italic'; " +
                   "text-decoration='None'; width=60; height=24; font-weight=600; " +
                   "background-color='#006600'; color='#FFFFFF'; border-top-color='#00CC00'; " +
                   "border-left-color='#11DD11'; border-right-color='#003300'; " +
                   "border-bottom-color='#004400'; border-style='Solid';border-width=3",
    });
});

test('system colours leave colours to the browser; "No Border" drops only the border', async () => {
    const system = await Visit({
        items: kItems,
        menu: {navigate: 'button', menuName: 'SystemMenu'},
        menuStyle: {useSystemColors: 1, textColor: '#123456', backColor: '#654321', width: '200'},
        // The button's own border choice does not matter while it uses the system colours.
        buttonStyle: {useSystemColors: 1, noBorder: 0, colors: kButtonColors, borderThickness: '3'},
    });
    assert.equal(
        await MenuList(system.menuFrame).getAttribute('style'),
        "font-size='13px'; font-family='DejaVu Sans'; font-weight=500; font-style='Normal'; " +
            "text-decoration='None'; width=200");
    assert.deepEqual(
        await EntryStyles(system.menuFrame),
        ["background-color='';color=''", "background-color='#FFF2CC';color='#7F6000'"]);
    assert.equal(await system.menuFrame.locator('form input').getAttribute('style'),
                 "font-size='13px'; font-family='DejaVu Sans'; font-style='Normal'; " +
                     "text-decoration='None'; width=; height=; font-weight=500");

    const borderless = await Visit({
        items: kItems,
        menu: {navigate: 'button'},
        buttonStyle: {useSystemColors: 0, noBorder: 1, colors: kButtonColors, underline: 1},
    });
    assert.equal(await borderless.menuFrame.locator('form input').getAttribute('style'),
                 "font-size='13px'; font-family='DejaVu Sans'; font-style='Normal'; " +
                     "text-decoration='Underline'; width=; height=; font-weight=500; " +
                     "background-color='#006600'; color='#FFFFFF'");
});

test('a graphic button shows its image; size and alternative text appear only as given',
     async () => {
         const sized = await Visit({
             items: kItems,
             menu: {navigate: 'button'},
             button: {
                 kind: 'graphic',
                 imageUrl: kButtonImage,
                 imageWidth: '96',
                 imageHeight: '48',
                 altText: 'Go to the page'
             },
         });
         const sizedButton = sized.menuFrame.locator('form input');
         assert.deepEqual(
             await Attributes(sizedButton,
                              ['type', 'src', 'width', 'height', 'alt', 'border', 'value']),
             {
                 type: 'image',
                 src: kButtonImage,
                 width: '96',
                 height: '48',
                 alt: 'Go to the page',
                 border: '0',
                 value: 'Submit'
             });
         assert.deepEqual(await sizedButton.boundingBox().then((b) => [b.width, b.height]),
                          [96, 48]);

         // Without a size the image's own 48 by 24 pixels show: the image came from the site.
         const natural = await Visit({
             items: kItems,
             menu: {navigate: 'button'},
             button: {kind: 'graphic', imageUrl: kButtonImage},
         });
         const naturalButton = natural.menuFrame.locator('form input');
         assert.deepEqual(await Attributes(naturalButton, ['width', 'height', 'alt']),
                          {width: null, height: null, alt: ''});
         assert.deepEqual(await naturalButton.boundingBox().then((b) => [b.width, b.height]),
                          [48, 24]);
         assert.ok(natural.Requests().includes(natural.PathOf(kButtonImage)));

         // Navigating on change writes neither button nor table, whatever the button holds.
         const onChange = await Visit({
             items: kItems,
             menu: {navigate: 'change', menuName: 'ChangeMenu'},
             button: {kind: 'graphic', imageUrl: kButtonImage},
         });
         const form = onChange.menuFrame.locator('form');
         assert.equal(await form.locator('input, table').count(), 0);
         assert.equal(await MenuList(onChange.menuFrame).getAttribute('onchange'),
                      'gothere(document.ChangeMenu);');
     });
