<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ChangeOptionsCommand</name>
    <message>
        <source>Change Menu Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Target of Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Frame Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Button Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Button Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Button Graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Graphic Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Graphic Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Alt Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeStyleCommand</name>
    <message>
        <source>Change Menu Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Button Style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB. Files of up to %2 MB can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a bookmarks file, sitemap, web page or list of addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is a damaged or incomplete gzip file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 unpacks to more than %2 MB. Sitemaps of up to %2 MB can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 declares entities. Such files are not read, to keep this computer safe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not well-formed XML (line %2), so it cannot be read as a sitemap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is nested more than %2 levels deep, so it cannot be read as a sitemap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a sitemap: it holds &lt;%2&gt;, not &lt;urlset&gt; or &lt;sitemapindex&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The base address %1 is not a complete address such as https://example.com/.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not lie in the base folder %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No links that can be imported were found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is nested more than %2 levels deep; what lies deeper was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 links were read; the rest of the source was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder holds more than %1 files and folders; only the first %1 were looked at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sitemap %1 named in the index was not found beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sitemap index %1 names another index, %2; indexes inside indexes are not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 link to a script was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links to scripts were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 link to embedded data was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links to embedded data were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 link to a page of the browser was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links to pages of the browser were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 link to a file on this computer was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links to files on this computer were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 link without an address was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links without an address were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 link to a place on the same page was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links to places on the same page were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 address that could not be read was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 addresses that could not be read were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>Type the words visitors see for this entry of the menu. Press Add or Enter to put the entry at the end of the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the address of the page this entry leads to, such as products.html or https://www.example.com/. You can also drag a link from your web browser onto this box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes this entry the one the menu shows when the page loads. A menu has only one such entry; Quorvane asks before moving the choice to another entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes this entry a group heading: a bold label that visitors cannot choose. The entries added after it are grouped under it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds an entry that leads nowhere, such as &quot;Choose a page&quot; or a line of dashes. Choosing it in the menu does nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this checked to give the entry the menu&apos;s own colours. Clear it to choose a background and text colour for this entry alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry&apos;s background colour: # and six hexadecimal digits for red, green and blue, such as #FFFF00 for yellow. The button beside the box lets you pick the colour instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the entry&apos;s background colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry&apos;s text colour: # and six hexadecimal digits for red, green and blue, such as #000080 for dark blue. The button beside the box lets you pick the colour instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the entry&apos;s text colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the entry typed above to the end of the menu. It is available once the entry has a text and a link, or is a group heading or not linked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces the entry selected in the list with the one typed above. Use Edit first to bring an entry back into these boxes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entries of your menu, in the order visitors will see them. Drag an entry to move it, double-click it or press Enter to edit it, or right-click it for the list&apos;s commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected entry one place up in the menu; Ctrl+Up does the same in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected entry one place down in the menu; Ctrl+Down does the same in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brings the selected entry back into the Item Properties boxes, so you can change it and press Update. F2 or Enter in the list does the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the selected entry from the menu, after asking you; the Delete key does the same in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds entries from links you already have: browser bookmarks, a sitemap, a site folder, a web page or pasted addresses. You can also drop such a file or folder on the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings of the whole menu and of its submit button, on two tabs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name that identifies this menu in your page&apos;s code: letters, digits and underscores, starting with a letter or an underscore. Each menu on a page needs a name of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visitors choose an entry and then press the button beside the menu to go to its page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visitors go to an entry&apos;s page as soon as they choose it, so the menu needs no button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the linked pages open: in the same window, in a new window, or in another frame of your frameset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the frame that shows the linked pages, exactly as your frameset names it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the menu lines up with the top, the middle or the bottom of its button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Advanced Menu Options, where you choose the menu&apos;s colours, font and width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses an ordinary button that shows the text typed below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses a picture of your own as the button. Type the picture&apos;s address below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words on the button, such as Go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Advanced Button Options, where you choose the button&apos;s colours, border, font and size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address of the button&apos;s picture, such as images/go.gif.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of the button picture in pixels. Leave it empty to use the picture&apos;s own width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the button picture in pixels. Leave it empty to use the picture&apos;s own height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A few words that stand in for the picture while it loads, and for visitors who cannot see it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Brindlecote web site, where you find free button pictures to use as a graphic button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a web site that offers ready-made designs for your pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts a new, empty menu. Quorvane asks first if the current menu has unsaved changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a menu project you saved earlier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes back your last change to the menu, one step at a time (Ctrl+Z). The menu entry names the change it takes back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes again the change you last took back (Ctrl+Shift+Z).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the menu as a project file (.qvn), so you can change it again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the menu&apos;s code, ready to copy: one piece for the head of your page and one for the place where the menu should appear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the menu&apos;s code in an .html file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the menu working in your web browser, so you can try its links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the contents of Quorvane&apos;s help in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes the pointer to a question mark: click any control to learn what it does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows Quorvane&apos;s version and the maker&apos;s addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this checked to let the visitor&apos;s browser colour the menu. Clear it to use the text and background colours below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the menu&apos;s text: # and six hexadecimal digits for red, green and blue. Press Select to pick the colour instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the colour of the menu&apos;s text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu&apos;s background colour: # and six hexadecimal digits for red, green and blue. Press Select to pick the colour instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the menu&apos;s background colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The font of the menu&apos;s entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the menu&apos;s text in pixels. Choose a size or type your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underlines the menu&apos;s entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the menu&apos;s entries in italics.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How heavy the menu&apos;s letters are, from 100 (lighter) to 900 (bolder). 400 is normal and 700 is bold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this checked to let the browser make the menu as wide as its longest entry. Clear it to give the menu a width of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu&apos;s width in pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this checked to let the visitor&apos;s browser draw the button in its usual colours. Clear it to use the colours below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws the button without a border. Clear it to give the button borders in the colours below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the button&apos;s text: # and six hexadecimal digits for red, green and blue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the colour of the button&apos;s text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the button&apos;s face: # and six hexadecimal digits for red, green and blue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the button&apos;s face colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the button&apos;s top border.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the top border&apos;s colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the button&apos;s left border. It follows the top border while the two are synchronised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the left border&apos;s colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the button&apos;s right border.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the right border&apos;s colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the button&apos;s bottom border. It follows the right border while the two are synchronised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the bottom border&apos;s colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the left border the same colour as the top border, for a raised or sunken look.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the bottom border the same colour as the right border, for a raised or sunken look.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The font of the button&apos;s text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the button&apos;s text in pixels. Choose a size or type your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underlines the button&apos;s text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the button&apos;s text in italics.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How heavy the button&apos;s letters are, from 100 (lighter) to 900 (bolder). 400 is normal and 700 is bold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this checked to let the browser size the button to its text. Clear it to give the button a width and height of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The button&apos;s width in pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The button&apos;s height in pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thickness of the button&apos;s borders in pixels. Borders show only when the button uses colours of your own and No Border is clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imports the links of a file: a browser&apos;s bookmarks file, a sitemap (.xml or .xml.gz), a web page or a text file of addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to import from. Press Read Links after typing its path, or choose it with Browse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the file to import from and reads its links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imports every web page of a folder of your site, with the page&apos;s title as its text. Subfolders become headings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site folder to import from. Press Read Links after typing its path, or choose it with Browse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the site folder to import from and reads its pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imports the links typed or pasted into the box beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste links here, one a line: an address alone, or a text followed by a tab or | and the address. Then press Read Links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address that relative addresses are resolved against, such as https://example.com/; for a site folder, the address the folder is published at. Leave it empty to keep addresses relative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a site folder: a folder that holds it, which its addresses are made relative to. Leave it empty to make them relative to the site folder itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the folder that a site folder&apos;s addresses start from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the chosen file, folder or pasted text again, with the base address and folder given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The links found, under their headings. Untick what you do not want, and double-click a text or an address to change it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the ticked links after the last entry of the menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the ticked links after the entry selected in the list of the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the first added entry the one the menu shows when the page loads. It is offered while no entry of the menu is preselected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the ticked links to the menu, with their headings, and closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window without adding anything to the menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps your changes and closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and undoes the changes made since it opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets everything in this window back to Quorvane&apos;s defaults. OK keeps them, Cancel undoes them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>auxwindows</name>
    <message>
        <source>That the qvntips.txt file was not found? <byte value="xd"/>
<byte value="xd"/>
Create a text file named qvntips.txt using NotePad with 1 tip per line. Then place it in the same directory as the application. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codeoutput</name>
    <message>
        <source>HTML File (*.html)|*.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Code to File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No private folder for the preview could be made in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::AboutDialog</name>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find more great software from Brindlecote at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::ButtonStyleDialog</name>
    <message>
        <source>Advanced Button Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default System Button Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Top and Left Border Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Right and Bottom Border Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constrain Button Dimensions Proportionally to Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border Thickness:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::FontOptions</name>
    <message>
        <source>Font Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Weight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::GeneratedCodeDialog</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated Menu Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Javascript Function Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy and paste this code into the head section of your page (anywhere between the &lt;HEAD&gt; and &lt;/HEAD&gt; tags).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy and paste this code into the body section of your page (anywhere between the &lt;BODY&gt; and &lt;/BODY&gt; tags) wherever you want the menu to appear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: If you are placing more than one menu on the same page, you only need one occurence of the Javascript Function Code in the &quot;Head&quot; section of your page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::ImportDialog</name>
    <message>
        <source>Import Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site f&amp;older:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasted &amp;text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One link a line: an address, or a text and a tab or | before the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://example.com/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base fol&amp;der:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brow&amp;se...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base &amp;address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Links from a Site Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading links...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Links found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append at the &amp;end of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert after the selected row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preselect the first entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to &amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmarks, Sitemaps, Web Pages and Lists of Addresses|*.html;*.htm;*.xhtml;*.xml;*.gz;*.txt|All Files|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Links from a File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pasted text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file or a site folder, or paste links, and then press Read Links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links ticked: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::ImportTreeModel</name>
    <message>
        <source>Same address as above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::LoadingWindow</name>
    <message>
        <source>Loading. Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::MenuStyleDialog</name>
    <message>
        <source>Advanced Menu Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default System Menu Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constrain Width Proportionally to Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::NoticeDialog</name>
    <message>
        <source>Show this message again in the future.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::StyleDialog</name>
    <message>
        <source>Color Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TellFriendsDialog</name>
    <message>
        <source>Tell your friends about Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your friends&apos; email addresses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s email address %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TipOfTheDayDialog</name>
    <message>
        <source>Quorvane Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>document::ItemListModel</name>
    <message>
        <source>Item Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linked?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainwindow::CommandActions</name>
    <message>
        <source>&amp;New Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new menu project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Saved Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load saved menu project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Links...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import links from bookmarks, a sitemap, a site folder or a page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current menu project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Code to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate menu code and copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Code to &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate menu code and save to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview Menu in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview menu in browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open help file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Context Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show context help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell &amp;Friends about Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other Software from Brindlecote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected item up one position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected item down one position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit text and link url of selected item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemCommands</name>
    <message>
        <source>Add Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Item Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Item Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemEditor</name>
    <message>
        <source>Item Properties:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not linked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemListPanel</name>
    <message>
        <source>Currently Added Menu Items:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainwindow::MainWindow</name>
    <message>
        <source>Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Button Graphics from Brindlecote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Professionally Designed Web Site Templates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainwindow::OptionsPanel</name>
    <message>
        <source>Global Menu Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Button Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Must be unique for each menu on page.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate on Button Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate on Item Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target of Links:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align to Button:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL of Button Graphic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt Text:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainwindow::ProjectFileCommands</name>
    <message>
        <source>Quorvane - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Menu Project as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Menu Project...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have chosen to use a different frame as the target of your links but you have not specified the name of the frame. You must enter a frame name or choose another target for the links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have chosen to use a graphical submit button style but have not specified a URL for the graphic. Please specify a URL for the button graphic in the space provided.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must specify a name for the menu to be used in the code. This uniquely identifies this menu in case more than one menu is to be placed on the same page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Name must not contain any spaces or special characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Name must begin with a letter or an underscore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid Quorvane Project file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;. The file is either corrupt, not a valid Quorvane project file, or no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before closing? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before creating a new project? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before loading another project? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This menu project uses a font that is not installed on your system. The default font will be used instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help page could not be found. Quorvane looked for it here:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have already designated &quot;%1&quot; as the selected item in the menu. Do you wish to change it to this one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane could not perform this operation due to the following error:

&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid color value or click &quot;Select&quot; to choose a color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid color value.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview</name>
    <message>
        <source>The live preview is switched off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No live preview: Qt WebEngine is not fully installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No live preview as root unless QTWEBENGINE_DISABLE_SANDBOX=1 is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No live preview: this system allows its sandbox no user namespaces (QTWEBENGINE_DISABLE_SANDBOX=1 runs it without).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PreviewDock</name>
    <message>
        <source>Live Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the menu as it will look, beside the list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PreviewPage</name>
    <message>
        <source>Would open %1 in a new window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would open %1 in the same window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would open %1 in the frame «%2»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes nowhere: the entry has no link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page would show the message &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PreviewPane</name>
    <message>
        <source>Preview note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an entry of the menu to see where it would go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the entry would go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add entries to the list to see the menu here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preview::PreviewView</name>
    <message>
        <source>Menu preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview&apos;s page stopped; it starts again with the next change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No private folder for the preview could be made in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>style</name>
    <message>
        <source>Important Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced properties (colors, font, etc.) for menus and buttons will only show up if the menu is viewed in Microsoft Internet Explorer. Netscape always uses one default font and style for Javascript menu elements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing this value has no effect when &quot;Use Default User System Button Colors&quot; is checked. A border is only displayed if you are using non-default colors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will restore all values in this dialog to the program default settings. All current settings will be lost. Do you wish to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::ColorRow</name>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
