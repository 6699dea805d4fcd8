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

constexpr WhatsThisEntry kEntries[] = {
    // The item editor.
    {"Form1", "itemtexttext",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Type the words visitors see for this entry of the menu. Press Add or Enter to put the "
         "entry "
         "at the end of the list.")},
    {"Form1", "linktext",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Type the address of the page this entry leads to, such as products.html or "
                       "https://www.example.com/. You can also drag a link from your web browser "
                       "onto this box.")},
    {"Form1", "chksel",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Makes this entry the one the menu shows when the page loads. A menu has only one such "
         "entry; Quorvane asks before moving the choice to another entry.")},
    {"Form1", "grheadchk",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Makes this entry a group heading: a bold label that visitors cannot choose. The entries "
         "added after it are grouped under it.")},
    {"Form1", "notlinkchk",
     QT_TRANSLATE_NOOP("WhatsThis", "Adds an entry that leads nowhere, such as \"Choose a page\" "
                                    "or a line of dashes. Choosing "
                                    "it in the menu does nothing.")},
    {"Form1", "chkdefitmclr",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Leave this checked to give the entry the menu's own colours. Clear it to choose a "
         "background and text colour for this entry alone.")},
    {"Form1", "txtclr0",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The entry's background colour: # and six hexadecimal digits for red, green and blue, "
         "such "
         "as #FFFF00 for yellow. The button beside the box lets you pick the colour instead.")},
    {"Form1", "cmdclr0",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Opens the colour picker to choose the entry's background colour.")},
    {"Form1", "txtclr1",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The entry's text colour: # and six hexadecimal digits for red, green and blue, such as "
         "#000080 for dark blue. The button beside the box lets you pick the colour instead.")},
    {"Form1", "cmdclr1",
     QT_TRANSLATE_NOOP("WhatsThis", "Opens the colour picker to choose the entry's text colour.")},
    {"Form1", "additemcmd",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Adds the entry typed above to the end of the menu. It is available once the entry has a "
         "text and a link, or is a group heading or not linked.")},
    {"Form1", "cmdup",
     QT_TRANSLATE_NOOP("WhatsThis", "Replaces the entry selected in the list with the one typed "
                                    "above. Use Edit first to bring "
                                    "an entry back into these boxes.")},

    // The item list and its toolbar.
    {"Form1", "lv",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The entries of your menu, in the order visitors will see them. Drag an entry to move it, "
         "double-click it or press Enter to edit it, or right-click it for the list's commands.")},
    {"Form1", "movup",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Moves the selected entry one place up in the menu; Ctrl+Up does the same in the list.")},
    {"Form1", "movdn",
     QT_TRANSLATE_NOOP("WhatsThis", "Moves the selected entry one place down in the menu; "
                                    "Ctrl+Down does the same in the list.")},
    {"Form1", "edit",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Brings the selected entry back into the Item Properties boxes, so you can change it and "
         "press Update. F2 or Enter in the list does the same.")},
    {"Form1", "delete",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Removes the selected entry from the menu, after asking you; the Delete key does the same "
         "in the list.")},
    {"Form1", "import",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Adds entries from links you already have: browser bookmarks, a sitemap, a site folder, a "
         "web page or pasted addresses. You can also drop such a file or folder on the list.")},

    // The options panel.
    {"Form1", "SSTab1",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "The settings of the whole menu and of its submit button, on two tabs.")},
    {"Form1", "txtmnm",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The name that identifies this menu in your page's code: letters, digits and underscores, "
         "starting with a letter or an underscore. Each menu on a page needs a name of its own.")},
    {"Form1", "menubehavopt0",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Visitors choose an entry and then press the button beside the menu to go to its page.")},
    {"Form1", "menubehavopt1",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Visitors go to an entry's page as soon as they choose it, so the menu needs no button.")},
    {"Form1", "targetcombo",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Where the linked pages open: in the same window, in a new window, or in another frame of "
         "your frameset.")},
    {"Form1", "txtfrm",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The name of the frame that shows the linked pages, exactly as your frameset names it.")},
    {"Form1", "cmbbttnaln",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Whether the menu lines up with the top, the middle or the bottom of its button.")},
    {"Form1", "cmdAdvMnu",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Opens Advanced Menu Options, where you choose the menu's colours, font and width.")},
    {"Form1", "buttonpropopt0",
     QT_TRANSLATE_NOOP("WhatsThis", "Uses an ordinary button that shows the text typed below.")},
    {"Form1", "buttonpropopt1",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Uses a picture of your own as the button. Type the picture's address below.")},
    {"Form1", "buttontxttxt",
     QT_TRANSLATE_NOOP("WhatsThis", "The words on the button, such as Go.")},
    {"Form1", "cmdBttnAdv",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Opens Advanced Button Options, where you choose the button's colours, border, font and "
         "size.")},
    {"Form1", "buttngrurl",
     QT_TRANSLATE_NOOP("WhatsThis", "The address of the button's picture, such as images/go.gif.")},
    {"Form1", "txtw",
     QT_TRANSLATE_NOOP("WhatsThis", "The width of the button picture in pixels. Leave it empty to "
                                    "use the picture's own width.")},
    {"Form1", "txth",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The height of the button picture in pixels. Leave it empty to use the picture's own "
         "height.")},
    {"Form1", "txtalt",
     QT_TRANSLATE_NOOP("WhatsThis", "A few words that stand in for the picture while it loads, and "
                                    "for visitors who cannot see "
                                    "it.")},

    // The main window's links and its toolbar.
    {"Form1", "Command1",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Opens the Brindlecote web site, where you find free button pictures to use as a graphic "
         "button.")},
    {"Form1", "Command2",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Opens a web site that offers ready-made designs for your pages.")},
    {"Form1", "newproj",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Starts a new, empty menu. Quorvane asks first if the current menu has unsaved changes.")},
    {"Form1", "loadproj",
     QT_TRANSLATE_NOOP("WhatsThis", "Opens a menu project you saved earlier.")},
    {"Form1", "undo",
     QT_TRANSLATE_NOOP("WhatsThis", "Takes back your last change to the menu, one step at a time "
                                    "(Ctrl+Z). The menu entry names "
                                    "the change it takes back.")},
    {"Form1", "redo",
     QT_TRANSLATE_NOOP("WhatsThis", "Makes again the change you last took back (Ctrl+Shift+Z).")},
    {"Form1", "saveproj",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Saves the menu as a project file (.qvn), so you can change it again later.")},
    {"Form1", "savecodeclip",
     QT_TRANSLATE_NOOP("WhatsThis", "Shows the menu's code, ready to copy: one piece for the head "
                                    "of your page and one for the "
                                    "place where the menu should appear.")},
    {"Form1", "savecodefile",
     QT_TRANSLATE_NOOP("WhatsThis", "Saves the menu's code in an .html file.")},
    {"Form1", "preview",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Shows the menu working in your web browser, so you can try its links.")},
    {"Form1", "help",
     QT_TRANSLATE_NOOP("WhatsThis", "Opens the contents of Quorvane's help in your web browser.")},
    {"Form1", "wthis",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Changes the pointer to a question mark: click any control to learn what it does.")},
    {"Form1", "about",
     QT_TRANSLATE_NOOP("WhatsThis", "Shows Quorvane's version and the maker's addresses.")},

    // Advanced Menu Options.
    {"frmAdvMnuOp", "chkmnusysclr",
     QT_TRANSLATE_NOOP("WhatsThis", "Leave this checked to let the visitor's browser colour the "
                                    "menu. Clear it to use the text "
                                    "and background colours below.")},
    {"frmAdvMnuOp", "txtclr0",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The colour of the menu's text: # and six hexadecimal digits for red, green and blue. "
         "Press Select to pick the colour instead.")},
    {"frmAdvMnuOp", "cmdclr0",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Opens the colour picker to choose the colour of the menu's text.")},
    {"frmAdvMnuOp", "txtclr1",
     QT_TRANSLATE_NOOP("WhatsThis", "The menu's background colour: # and six hexadecimal digits "
                                    "for red, green and blue. Press "
                                    "Select to pick the colour instead.")},
    {"frmAdvMnuOp", "cmdclr1",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Opens the colour picker to choose the menu's background colour.")},
    {"frmAdvMnuOp", "combofont", QT_TRANSLATE_NOOP("WhatsThis", "The font of the menu's entries.")},
    {"frmAdvMnuOp", "combofontsize",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "The size of the menu's text in pixels. Choose a size or type your own.")},
    {"frmAdvMnuOp", "chkmnufntU", QT_TRANSLATE_NOOP("WhatsThis", "Underlines the menu's entries.")},
    {"frmAdvMnuOp", "chkmnufntI",
     QT_TRANSLATE_NOOP("WhatsThis", "Shows the menu's entries in italics.")},
    {"frmAdvMnuOp", "Slider1",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "How heavy the menu's letters are, from 100 (lighter) to 900 (bolder). 400 is normal and "
         "700 is bold.")},
    {"frmAdvMnuOp", "chkconstmnuwdth",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Leave this checked to let the browser make the menu as wide as its longest entry. Clear "
         "it to give the menu a width of your own.")},
    {"frmAdvMnuOp", "txtMW", QT_TRANSLATE_NOOP("WhatsThis", "The menu's width in pixels.")},

    // Advanced Button Options.
    {"FrmAdvBttnOp", "chksysbttnclr",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Leave this checked to let the visitor's browser draw the button in its usual colours. "
         "Clear it to use the colours below.")},
    {"FrmAdvBttnOp", "nbchk",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Draws the button without a border. Clear it to give the button borders in the colours "
         "below.")},
    {"FrmAdvBttnOp", "txtclr0",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The colour of the button's text: # and six hexadecimal digits for red, green and blue.")},
    {"FrmAdvBttnOp", "cmdclr0",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Opens the colour picker to choose the colour of the button's text.")},
    {"FrmAdvBttnOp", "txtclr1",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The colour of the button's face: # and six hexadecimal digits for red, green and blue.")},
    {"FrmAdvBttnOp", "cmdclr1",
     QT_TRANSLATE_NOOP("WhatsThis", "Opens the colour picker to choose the button's face colour.")},
    {"FrmAdvBttnOp", "txtclr2",
     QT_TRANSLATE_NOOP("WhatsThis", "The colour of the button's top border.")},
    {"FrmAdvBttnOp", "cmdclr2",
     QT_TRANSLATE_NOOP("WhatsThis", "Opens the colour picker to choose the top border's colour.")},
    {"FrmAdvBttnOp", "txtclr3",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The colour of the button's left border. It follows the top border while the two are "
         "synchronised.")},
    {"FrmAdvBttnOp", "cmdclr3",
     QT_TRANSLATE_NOOP("WhatsThis", "Opens the colour picker to choose the left border's colour.")},
    {"FrmAdvBttnOp", "txtclr4",
     QT_TRANSLATE_NOOP("WhatsThis", "The colour of the button's right border.")},
    {"FrmAdvBttnOp", "cmdclr4",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Opens the colour picker to choose the right border's colour.")},
    {"FrmAdvBttnOp", "txtclr5",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The colour of the button's bottom border. It follows the right border while the two are "
         "synchronised.")},
    {"FrmAdvBttnOp", "cmdclr5",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Opens the colour picker to choose the bottom border's colour.")},
    {"FrmAdvBttnOp", "Check1",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Keeps the left border the same colour as the top border, for a raised or sunken look.")},
    {"FrmAdvBttnOp", "Check2",
     QT_TRANSLATE_NOOP("WhatsThis", "Keeps the bottom border the same colour as the right border, "
                                    "for a raised or sunken look.")},
    {"FrmAdvBttnOp", "combofont", QT_TRANSLATE_NOOP("WhatsThis", "The font of the button's text.")},
    {"FrmAdvBttnOp", "combofontsize",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "The size of the button's text in pixels. Choose a size or type your own.")},
    {"FrmAdvBttnOp", "chkbttnfntUL",
     QT_TRANSLATE_NOOP("WhatsThis", "Underlines the button's text.")},
    {"FrmAdvBttnOp", "chkbttnfntIT",
     QT_TRANSLATE_NOOP("WhatsThis", "Shows the button's text in italics.")},
    {"FrmAdvBttnOp", "Slider1",
     QT_TRANSLATE_NOOP("WhatsThis", "How heavy the button's letters are, from 100 (lighter) to 900 "
                                    "(bolder). 400 is normal and "
                                    "700 is bold.")},
    {"FrmAdvBttnOp", "chkconstbttnsz",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Leave this checked to let the browser size the button to its text. Clear it to give the "
         "button a width and height of your own.")},
    {"FrmAdvBttnOp", "txtBW", QT_TRANSLATE_NOOP("WhatsThis", "The button's width in pixels.")},
    {"FrmAdvBttnOp", "txtBH", QT_TRANSLATE_NOOP("WhatsThis", "The button's height in pixels.")},
    {"FrmAdvBttnOp", "txtBT",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The thickness of the button's borders in pixels. Borders show only when the button uses "
         "colours of your own and No Border is clear.")},

    // Import Links.
    {"frmImport", "optFile",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Imports the links of a file: a browser's bookmarks file, a sitemap (.xml or .xml.gz), a "
         "web page or a text file of addresses.")},
    {"frmImport", "txtFile",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The file to import from. Press Read Links after typing its path, or choose it with "
         "Browse.")},
    {"frmImport", "cmdFile",
     QT_TRANSLATE_NOOP("WhatsThis", "Chooses the file to import from and reads its links.")},
    {"frmImport", "optFolder",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Imports every web page of a folder of your site, with the page's title as its text. "
         "Subfolders become headings.")},
    {"frmImport", "txtFolder",
     QT_TRANSLATE_NOOP("WhatsThis", "The site folder to import from. Press Read Links after typing "
                                    "its path, or choose it with "
                                    "Browse.")},
    {"frmImport", "cmdFolder",
     QT_TRANSLATE_NOOP("WhatsThis", "Chooses the site folder to import from and reads its pages.")},
    {"frmImport", "optText",
     QT_TRANSLATE_NOOP("WhatsThis", "Imports the links typed or pasted into the box beside it.")},
    {"frmImport", "txtPaste",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Paste links here, one a line: an address alone, or a text followed by a tab or | and the "
         "address. Then press Read Links.")},
    {"frmImport", "txtBase",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The address that relative addresses are resolved against, such as https://example.com/; "
         "for a site folder, the address the folder is published at. Leave it empty to keep "
         "addresses relative.")},
    {"frmImport", "txtBaseFolder",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "For a site folder: a folder that holds it, which its addresses are made relative to. "
         "Leave it empty to make them relative to the site folder itself.")},
    {"frmImport", "cmdBaseFolder",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Chooses the folder that a site folder's addresses start from.")},
    {"frmImport", "cmdRead",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Reads the chosen file, folder or pasted text again, with the base address and folder "
         "given.")},
    {"frmImport", "tvLinks",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "The links found, under their headings. Untick what you do not want, and double-click a "
         "text or an address to change it.")},
    {"frmImport", "optAppend",
     QT_TRANSLATE_NOOP("WhatsThis", "Adds the ticked links after the last entry of the menu.")},
    {"frmImport", "optInsert",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Adds the ticked links after the entry selected in the list of the main window.")},
    {"frmImport", "chkPreselect",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Makes the first added entry the one the menu shows when the page loads. It is offered "
         "while no entry of the menu is preselected.")},
    {"frmImport", "cmdAdd",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Adds the ticked links to the menu, with their headings, and closes the window.")},
    {"frmImport", "cmdCancel",
     QT_TRANSLATE_NOOP("WhatsThis", "Closes the window without adding anything to the menu.")},

    // The buttons both style windows share.
    {"", "Command8", QT_TRANSLATE_NOOP("WhatsThis", "Keeps your changes and closes the window.")},
    {"", "Command9",
     QT_TRANSLATE_NOOP("WhatsThis",
                       "Closes the window and undoes the changes made since it opened.")},
    {"", "cmdrestdef",
     QT_TRANSLATE_NOOP(
         "WhatsThis",
         "Sets everything in this window back to Quorvane's defaults. OK keeps them, Cancel undoes "
         "them.")},
};

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
