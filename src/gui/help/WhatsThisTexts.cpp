#include "help/WhatsThisTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolButton>

namespace help {
namespace {

struct WhatsThisEntry {
    const char* window; // empty: the control of that name in any window
    const char* control;
    const char* text;
};

#define WT(window, control, text)                                                                  \
    { window, control, QT_TRANSLATE_NOOP("WhatsThis", text) }

constexpr WhatsThisEntry kEntries[] = {
    // The item editor.
    WT("Form1", "itemtexttext",
       "Type the words visitors see for this entry of the menu. Press Add or Enter to put the "
       "entry "
       "at the end of the list."),
    WT("Form1", "linktext",
       "Type the address of the page this entry leads to, such as products.html or "
       "https://www.example.com/. You can also drag a link from your web browser onto this box."),
    WT("Form1", "chksel",
       "Makes this entry the one the menu shows when the page loads. A menu has only one such "
       "entry; Quorvane asks before moving the choice to another entry."),
    WT("Form1", "grheadchk",
       "Makes this entry a group heading: a bold label that visitors cannot choose. The entries "
       "added after it are grouped under it."),
    WT("Form1", "notlinkchk",
       "Adds an entry that leads nowhere, such as \"Choose a page\" or a line of dashes. Choosing "
       "it in the menu does nothing."),
    WT("Form1", "chkdefitmclr",
       "Leave this checked to give the entry the menu's own colours. Clear it to choose a "
       "background and text colour for this entry alone."),
    WT("Form1", "txtclr0",
       "The entry's background colour: # and six hexadecimal digits for red, green and blue, such "
       "as #FFFF00 for yellow. The button beside the box lets you pick the colour instead."),
    WT("Form1", "cmdclr0", "Opens the colour picker to choose the entry's background colour."),
    WT("Form1", "txtclr1",
       "The entry's text colour: # and six hexadecimal digits for red, green and blue, such as "
       "#000080 for dark blue. The button beside the box lets you pick the colour instead."),
    WT("Form1", "cmdclr1", "Opens the colour picker to choose the entry's text colour."),
    WT("Form1", "additemcmd",
       "Adds the entry typed above to the end of the menu. It is available once the entry has a "
       "text and a link, or is a group heading or not linked."),
    WT("Form1", "cmdup",
       "Replaces the entry selected in the list with the one typed above. Use Edit first to bring "
       "an entry back into these boxes."),

    // The item list and its toolbar.
    WT("Form1", "lv",
       "The entries of your menu, in the order visitors will see them. Drag an entry to move it, "
       "double-click it or press Enter to edit it, or right-click it for the list's commands."),
    WT("Form1", "movup",
       "Moves the selected entry one place up in the menu; Ctrl+Up does the same in the list."),
    WT("Form1", "movdn",
       "Moves the selected entry one place down in the menu; Ctrl+Down does the same in the list."),
    WT("Form1", "edit",
       "Brings the selected entry back into the Item Properties boxes, so you can change it and "
       "press Update. F2 or Enter in the list does the same."),
    WT("Form1", "delete",
       "Removes the selected entry from the menu, after asking you; the Delete key does the same "
       "in the list."),
    WT("Form1", "import",
       "Adds entries from links you already have: browser bookmarks, a sitemap, a site folder, a "
       "web page or pasted addresses. You can also drop such a file or folder on the list."),

    // The options panel.
    WT("Form1", "SSTab1", "The settings of the whole menu and of its submit button, on two tabs."),
    WT("Form1", "txtmnm",
       "The name that identifies this menu in your page's code: letters, digits and underscores, "
       "starting with a letter or an underscore. Each menu on a page needs a name of its own."),
    WT("Form1", "menubehavopt0",
       "Visitors choose an entry and then press the button beside the menu to go to its page."),
    WT("Form1", "menubehavopt1",
       "Visitors go to an entry's page as soon as they choose it, so the menu needs no button."),
    WT("Form1", "targetcombo",
       "Where the linked pages open: in the same window, in a new window, or in another frame of "
       "your frameset."),
    WT("Form1", "txtfrm",
       "The name of the frame that shows the linked pages, exactly as your frameset names it."),
    WT("Form1", "cmbbttnaln",
       "Whether the menu lines up with the top, the middle or the bottom of its button."),
    WT("Form1", "cmdAdvMnu",
       "Opens Advanced Menu Options, where you choose the menu's colours, font and width."),
    WT("Form1", "buttonpropopt0", "Uses an ordinary button that shows the text typed below."),
    WT("Form1", "buttonpropopt1",
       "Uses a picture of your own as the button. Type the picture's address below."),
    WT("Form1", "buttontxttxt", "The words on the button, such as Go."),
    WT("Form1", "cmdBttnAdv",
       "Opens Advanced Button Options, where you choose the button's colours, border, font and "
       "size."),
    WT("Form1", "buttngrurl", "The address of the button's picture, such as images/go.gif."),
    WT("Form1", "txtw",
       "The width of the button picture in pixels. Leave it empty to use the picture's own width."),
    WT("Form1", "txth",
       "The height of the button picture in pixels. Leave it empty to use the picture's own "
       "height."),
    WT("Form1", "txtalt",
       "A few words that stand in for the picture while it loads, and for visitors who cannot see "
       "it."),

    // The main window's links and its toolbar.
    WT("Form1", "Command1",
       "Opens the Brindlecote web site, where you find free button pictures to use as a graphic "
       "button."),
    WT("Form1", "Command2", "Opens a web site that offers ready-made designs for your pages."),
    WT("Form1", "newproj",
       "Starts a new, empty menu. Quorvane asks first if the current menu has unsaved changes."),
    WT("Form1", "loadproj", "Opens a menu project you saved earlier."),
    WT("Form1", "undo",
       "Takes back your last change to the menu, one step at a time (Ctrl+Z). The menu entry names "
       "the change it takes back."),
    WT("Form1", "redo", "Makes again the change you last took back (Ctrl+Shift+Z)."),
    WT("Form1", "saveproj",
       "Saves the menu as a project file (.qvn), so you can change it again later."),
    WT("Form1", "savecodeclip",
       "Shows the menu's code, ready to copy: one piece for the head of your page and one for the "
       "place where the menu should appear."),
    WT("Form1", "savecodefile", "Saves the menu's code in an .html file."),
    WT("Form1", "preview", "Shows the menu working in your web browser, so you can try its links."),
    WT("Form1", "help", "Opens the contents of Quorvane's help in your web browser."),
    WT("Form1", "wthis",
       "Changes the pointer to a question mark: click any control to learn what it does."),
    WT("Form1", "about", "Shows Quorvane's version and the maker's addresses."),

    // Advanced Menu Options.
    WT("frmAdvMnuOp", "chkmnusysclr",
       "Leave this checked to let the visitor's browser colour the menu. Clear it to use the text "
       "and background colours below."),
    WT("frmAdvMnuOp", "txtclr0",
       "The colour of the menu's text: # and six hexadecimal digits for red, green and blue. "
       "Press Select to pick the colour instead."),
    WT("frmAdvMnuOp", "cmdclr0",
       "Opens the colour picker to choose the colour of the menu's text."),
    WT("frmAdvMnuOp", "txtclr1",
       "The menu's background colour: # and six hexadecimal digits for red, green and blue. Press "
       "Select to pick the colour instead."),
    WT("frmAdvMnuOp", "cmdclr1", "Opens the colour picker to choose the menu's background colour."),
    WT("frmAdvMnuOp", "combofont", "The font of the menu's entries."),
    WT("frmAdvMnuOp", "combofontsize",
       "The size of the menu's text in pixels. Choose a size or type your own."),
    WT("frmAdvMnuOp", "chkmnufntU", "Underlines the menu's entries."),
    WT("frmAdvMnuOp", "chkmnufntI", "Shows the menu's entries in italics."),
    WT("frmAdvMnuOp", "Slider1",
       "How heavy the menu's letters are, from 100 (lighter) to 900 (bolder). 400 is normal and "
       "700 is bold."),
    WT("frmAdvMnuOp", "chkconstmnuwdth",
       "Leave this checked to let the browser make the menu as wide as its longest entry. Clear "
       "it to give the menu a width of your own."),
    WT("frmAdvMnuOp", "txtMW", "The menu's width in pixels."),

    // Advanced Button Options.
    WT("FrmAdvBttnOp", "chksysbttnclr",
       "Leave this checked to let the visitor's browser draw the button in its usual colours. "
       "Clear it to use the colours below."),
    WT("FrmAdvBttnOp", "nbchk",
       "Draws the button without a border. Clear it to give the button borders in the colours "
       "below."),
    WT("FrmAdvBttnOp", "txtclr0",
       "The colour of the button's text: # and six hexadecimal digits for red, green and blue."),
    WT("FrmAdvBttnOp", "cmdclr0",
       "Opens the colour picker to choose the colour of the button's text."),
    WT("FrmAdvBttnOp", "txtclr1",
       "The colour of the button's face: # and six hexadecimal digits for red, green and blue."),
    WT("FrmAdvBttnOp", "cmdclr1", "Opens the colour picker to choose the button's face colour."),
    WT("FrmAdvBttnOp", "txtclr2", "The colour of the button's top border."),
    WT("FrmAdvBttnOp", "cmdclr2", "Opens the colour picker to choose the top border's colour."),
    WT("FrmAdvBttnOp", "txtclr3",
       "The colour of the button's left border. It follows the top border while the two are "
       "synchronised."),
    WT("FrmAdvBttnOp", "cmdclr3", "Opens the colour picker to choose the left border's colour."),
    WT("FrmAdvBttnOp", "txtclr4", "The colour of the button's right border."),
    WT("FrmAdvBttnOp", "cmdclr4", "Opens the colour picker to choose the right border's colour."),
    WT("FrmAdvBttnOp", "txtclr5",
       "The colour of the button's bottom border. It follows the right border while the two are "
       "synchronised."),
    WT("FrmAdvBttnOp", "cmdclr5", "Opens the colour picker to choose the bottom border's colour."),
    WT("FrmAdvBttnOp", "Check1",
       "Keeps the left border the same colour as the top border, for a raised or sunken look."),
    WT("FrmAdvBttnOp", "Check2",
       "Keeps the bottom border the same colour as the right border, for a raised or sunken look."),
    WT("FrmAdvBttnOp", "combofont", "The font of the button's text."),
    WT("FrmAdvBttnOp", "combofontsize",
       "The size of the button's text in pixels. Choose a size or type your own."),
    WT("FrmAdvBttnOp", "chkbttnfntUL", "Underlines the button's text."),
    WT("FrmAdvBttnOp", "chkbttnfntIT", "Shows the button's text in italics."),
    WT("FrmAdvBttnOp", "Slider1",
       "How heavy the button's letters are, from 100 (lighter) to 900 (bolder). 400 is normal and "
       "700 is bold."),
    WT("FrmAdvBttnOp", "chkconstbttnsz",
       "Leave this checked to let the browser size the button to its text. Clear it to give the "
       "button a width and height of your own."),
    WT("FrmAdvBttnOp", "txtBW", "The button's width in pixels."),
    WT("FrmAdvBttnOp", "txtBH", "The button's height in pixels."),
    WT("FrmAdvBttnOp", "txtBT",
       "The thickness of the button's borders in pixels. Borders show only when the button uses "
       "colours of your own and No Border is clear."),

    // Import Links.
    WT("frmImport", "optFile",
       "Imports the links of a file: a browser's bookmarks file, a sitemap (.xml or .xml.gz), a "
       "web page or a text file of addresses."),
    WT("frmImport", "txtFile",
       "The file to import from. Press Read Links after typing its path, or choose it with "
       "Browse."),
    WT("frmImport", "cmdFile", "Chooses the file to import from and reads its links."),
    WT("frmImport", "optFolder",
       "Imports every web page of a folder of your site, with the page's title as its text. "
       "Subfolders become headings."),
    WT("frmImport", "txtFolder",
       "The site folder to import from. Press Read Links after typing its path, or choose it with "
       "Browse."),
    WT("frmImport", "cmdFolder", "Chooses the site folder to import from and reads its pages."),
    WT("frmImport", "optText", "Imports the links typed or pasted into the box beside it."),
    WT("frmImport", "txtPaste",
       "Paste links here, one a line: an address alone, or a text followed by a tab or | and the "
       "address. Then press Read Links."),
    WT("frmImport", "txtBase",
       "The address that relative addresses are resolved against, such as https://example.com/; "
       "for a site folder, the address the folder is published at. Leave it empty to keep "
       "addresses relative."),
    WT("frmImport", "txtBaseFolder",
       "For a site folder: a folder that holds it, which its addresses are made relative to. "
       "Leave it empty to make them relative to the site folder itself."),
    WT("frmImport", "cmdBaseFolder",
       "Chooses the folder that a site folder's addresses start from."),
    WT("frmImport", "cmdRead",
       "Reads the chosen file, folder or pasted text again, with the base address and folder "
       "given."),
    WT("frmImport", "tvLinks",
       "The links found, under their headings. Untick what you do not want, and double-click a "
       "text or an address to change it."),
    WT("frmImport", "optAppend", "Adds the ticked links after the last entry of the menu."),
    WT("frmImport", "optInsert",
       "Adds the ticked links after the entry selected in the list of the main window."),
    WT("frmImport", "chkPreselect",
       "Makes the first added entry the one the menu shows when the page loads. It is offered "
       "while no entry of the menu is preselected."),
    WT("frmImport", "cmdAdd",
       "Adds the ticked links to the menu, with their headings, and closes the window."),
    WT("frmImport", "cmdCancel", "Closes the window without adding anything to the menu."),

    // The buttons both style windows share.
    WT("", "Command8", "Keeps your changes and closes the window."),
    WT("", "Command9", "Closes the window and undoes the changes made since it opened."),
    WT("", "cmdrestdef",
       "Sets everything in this window back to Quorvane's defaults. OK keeps them, Cancel undoes "
       "them."),
};

#undef WT

QString TextFor(const QWidget* window, const QString& control) {
    if (window == nullptr || control.isEmpty()) {
        return {};
    }
    const QByteArray windowName = window->objectName().toUtf8();
    const char* generic = nullptr;
    for (const WhatsThisEntry& entry : kEntries) {
        if (control != QLatin1String(entry.control)) {
            continue;
        }
        if (windowName == entry.window) {
            return QCoreApplication::translate("WhatsThis", entry.text);
        }
        if (*entry.window == '\0') {
            generic = entry.text;
        }
    }
    return generic != nullptr ? QCoreApplication::translate("WhatsThis", generic) : QString();
}

} // namespace

void ApplyWhatsThis(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        const QString text = TextFor(widget->window(), widget->objectName());
        if (text.isEmpty()) {
            continue;
        }
        // A tool button shows what its action holds, so the text goes to the action.
        auto* button = qobject_cast<QToolButton*>(widget);
        if (button != nullptr && button->defaultAction() != nullptr) {
            button->defaultAction()->setWhatsThis(text);
        } else if (widget->whatsThis().isEmpty()) {
            widget->setWhatsThis(text);
        }
    }
}

} // namespace help
