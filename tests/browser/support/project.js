// Writes .qvn project files from a short description, the way the program saves them.
import {writeFile} from 'node:fs/promises';

const kHeader = 'Quorvane Project File (Do not edit manually)';
const kNavigate = {
    button: '0',
    change: '1'
};
const kAlign = {
    Top: '0',
    Middle: '1',
    Bottom: '2'
};
const kTarget = {
    same: '0',
    new: '1',
    frame: '2'
};
const kButtonKind = {
    standard: '0',
    graphic: '1'
};

const kFontDefaults = {
    fontName: 'DejaVu Sans',
    fontSize: '13',
    fontWeight: '500',
    underline: 0,
    italic: 0,
};

const kMenuStyle = {
    textColor: '#000000',
    backColor: '#FFFFFF',
    useSystemColors: 1,
    ...kFontDefaults,
    width: '',
    constrainWidth: 1,
};

const kButtonStyle = {
    colors: ['#000000', '#F0F0F0', '#FFFFFF', '#FFFFFF', '#A0A0A0', '#A0A0A0'],
    syncTopLeft: 1,
    syncRightBottom: 1,
    noBorder: 1,
    useSystemColors: 1,
    ...kFontDefaults,
    height: '',
    width: '',
    borderThickness: '',
    constrainSize: 1,
};

// An item is {text, url, linked, selected, heading, colors: [back, text]}; `linked` defaults to
// "Yes" for an entry with an address and to "No" otherwise.
function ItemLines(items) {
    const sections = {Items: [`icount=${items.length}`], URLS: [], Linked: [], ItemColors: []};
    let selected = 0;
    let headingSeen = false;
    items.forEach((item, index) => {
        const n = index + 1;
        const heading = item.heading === true;
        // Entries below a heading carry the indent marker, as the item list holds them.
        const text = !heading && headingSeen ? `   ${item.text}` : item.text;
        headingSeen ||= heading;
        const linked = item.linked ?? (!heading && item.url !== undefined ? 'Yes' : 'No');
        const [back, fore] = item.colors ?? ['Default', 'Default'];
        sections.Items.push(`Item ${n}=${text}`);
        sections.URLS.push(`URL ${n}=${item.url ?? ''}`);
        sections.Linked.push(`${n}=${linked}`);
        sections.ItemColors.push(`Backcolor ${n}=${back}`, `Textcolor ${n}=${fore}`,
                                 `IsHeading ${n}=${heading ? 'Yes' : 'No'}`);
        if (item.selected) {
            selected = n;
        }
    });
    const order = items.length === 0 ? ['Items'] : ['Items', 'URLS', 'Linked', 'ItemColors'];
    const lines = [];
    for (const name of order) {
        // The program writes the selected entry before the colours only when it is the first.
        if (name === 'ItemColors' && selected === 1) {
            lines.push('[Selected]', 'SelectedItem=1');
        }
        lines.push(`[${name}]`, ...sections[name]);
    }
    if (selected > 1) {
        lines.push('[Selected]', `SelectedItem=${selected}`);
    }
    return lines;
}

function MenuLines(menu) {
    return [
        '[Menu Options]',
        `Navigate=${kNavigate[menu.navigate ?? 'change']}`,
        `Align to Button=${kAlign[menu.align ?? 'Middle']}`,
        `Target=${kTarget[menu.target ?? 'same']}`,
        `Frame Name=${menu.frameName ?? ''}`,
        `Menu Name=${menu.menuName ?? 'MyMenu'}`,
    ];
}

// The font keys both style sections hold, in the same order.
function FontLines(s) {
    return [
        `Font=${s.fontName}`,
        `Font Size=${s.fontSize}`,
        `Font Weight=${s.fontWeight}`,
        `Underline=${s.underline}`,
        `Italics=${s.italic}`,
    ];
}

function MenuStyleLines(overrides) {
    const s = {...kMenuStyle, ...overrides};
    return [
        '[Adv Menu Opts]',
        `Text Color=${s.textColor}`,
        `BG Color=${s.backColor}`,
        `System Menu Colors=${s.useSystemColors}`,
        ...FontLines(s),
        `Width=${s.width}`,
        `Constrain Width=${s.constrainWidth}`,
    ];
}

function ButtonLines(button) {
    return [
        '[Button Options]',
        `Button Type=${kButtonKind[button.kind ?? 'standard']}`,
        `Button Text=${button.text ?? 'Go'}`,
        `Button Graphic URL=${button.imageUrl ?? ''}`,
        `Button Graphic Wdth=${button.imageWidth ?? ''}`,
        `Button Graphic Ht=${button.imageHeight ?? ''}`,
        `Alt Text=${button.altText ?? ''}`,
    ];
}

function ButtonStyleLines(overrides) {
    const s = {...kButtonStyle, ...overrides};
    return [
        '[Adv Button Opts]',
        ...s.colors.map((color, index) => `Color ${index}=${color}`),
        `Synch Left and Top=${s.syncTopLeft}`,
        `Synch Right and Bottom=${s.syncRightBottom}`,
        `Border=${s.noBorder}`,
        `System Button Colors=${s.useSystemColors}`,
        ...FontLines(s),
        `Height=${s.height}`,
        `Width=${s.width}`,
        `Border Thickness=${s.borderThickness}`,
        `Constrain Button Size=${s.constrainSize}`,
    ];
}

// The text of a project file: {items, menu, menuStyle, button, buttonStyle}, all but the items
// optional.
export function ProjectText(project) {
    const lines = [
        kHeader,
        ...ItemLines(project.items),
        ...MenuLines(project.menu ?? {}),
        ...MenuStyleLines(project.menuStyle),
        ...ButtonLines(project.button ?? {}),
        ...ButtonStyleLines(project.buttonStyle),
    ];
    return lines.map((line) => `${line}\r\n`).join('');
}

export async function WriteProject(path, project) {
    await writeFile(path, ProjectText(project), 'utf8');
}
