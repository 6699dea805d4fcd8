<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ChangeOptionsCommand</name>
    <message>
        <source>Change Menu Name</source>
        <translation>Menünamen ändern</translation>
    </message>
    <message>
        <source>Change Navigation</source>
        <translation>Navigation ändern</translation>
    </message>
    <message>
        <source>Change Target of Links</source>
        <translation>Linkziel ändern</translation>
    </message>
    <message>
        <source>Change Frame Name</source>
        <translation>Frame-Namen ändern</translation>
    </message>
    <message>
        <source>Change Alignment</source>
        <translation>Ausrichtung ändern</translation>
    </message>
    <message>
        <source>Change Button Kind</source>
        <translation>Schaltflächenart ändern</translation>
    </message>
    <message>
        <source>Change Button Text</source>
        <translation>Schaltflächentext ändern</translation>
    </message>
    <message>
        <source>Change Button Graphic</source>
        <translation>Schaltflächengrafik ändern</translation>
    </message>
    <message>
        <source>Change Graphic Width</source>
        <translation>Grafikbreite ändern</translation>
    </message>
    <message>
        <source>Change Graphic Height</source>
        <translation>Grafikhöhe ändern</translation>
    </message>
    <message>
        <source>Change Alt Text</source>
        <translation>Alt-Text ändern</translation>
    </message>
</context>
<context>
    <name>ChangeStyleCommand</name>
    <message>
        <source>Change Menu Style</source>
        <translation>Menüstil ändern</translation>
    </message>
    <message>
        <source>Change Button Style</source>
        <translation>Schaltflächenstil ändern</translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The folder %1 could not be read.</source>
        <translation>Der Ordner %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>Die Datei %1 ist leer.</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB. Files of up to %2 MB can be imported.</source>
        <translation>Die Datei %1 ist größer als %2 MB. Importiert werden können Dateien bis %2 MB.</translation>
    </message>
    <message>
        <source>The file %1 is not a bookmarks file, sitemap, web page or list of addresses.</source>
        <translation>Die Datei %1 ist weder eine Lesezeichendatei noch eine Sitemap, eine Webseite oder eine Adressliste.</translation>
    </message>
    <message>
        <source>The file %1 is a damaged or incomplete gzip file.</source>
        <translation>Die Datei %1 ist eine beschädigte oder unvollständige gzip-Datei.</translation>
    </message>
    <message>
        <source>The file %1 unpacks to more than %2 MB. Sitemaps of up to %2 MB can be imported.</source>
        <translation>Die Datei %1 ist entpackt größer als %2 MB. Importiert werden können Sitemaps bis %2 MB.</translation>
    </message>
    <message>
        <source>The file %1 declares entities. Such files are not read, to keep this computer safe.</source>
        <translation>Die Datei %1 deklariert Entitäten. Solche Dateien werden zum Schutz dieses Computers nicht gelesen.</translation>
    </message>
    <message>
        <source>The file %1 is not well-formed XML (line %2), so it cannot be read as a sitemap.</source>
        <translation>Die Datei %1 ist kein wohlgeformtes XML (Zeile %2) und kann daher nicht als Sitemap gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is nested more than %2 levels deep, so it cannot be read as a sitemap.</source>
        <translation>Die Datei %1 ist mehr als %2 Ebenen tief verschachtelt und kann daher nicht als Sitemap gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is not a sitemap: it holds &lt;%2&gt;, not &lt;urlset&gt; or &lt;sitemapindex&gt;.</source>
        <translation>Die Datei %1 ist keine Sitemap, denn sie enthält &lt;%2&gt; statt &lt;urlset&gt; oder &lt;sitemapindex&gt;.</translation>
    </message>
    <message>
        <source>The base address %1 is not a complete address such as https://example.com/.</source>
        <translation>Die Basisadresse %1 ist keine vollständige Adresse wie https://example.com/.</translation>
    </message>
    <message>
        <source>The folder %1 does not lie in the base folder %2.</source>
        <translation>Der Ordner %1 liegt nicht im Basisordner %2.</translation>
    </message>
    <message>
        <source>No links that can be imported were found in %1.</source>
        <translation>In %1 wurden keine Links gefunden, die sich importieren lassen.</translation>
    </message>
    <message>
        <source>The file %1 is nested more than %2 levels deep; what lies deeper was not read.</source>
        <translation>Die Datei %1 ist mehr als %2 Ebenen tief verschachtelt; was tiefer liegt, wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>Only the first %1 links were read; the rest of the source was left out.</source>
        <translation>Nur die ersten %1 Links wurden gelesen; der Rest der Quelle wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The folder holds more than %1 files and folders; only the first %1 were looked at.</source>
        <translation>Der Ordner enthält mehr als %1 Dateien und Ordner; nur die ersten %1 wurden berücksichtigt.</translation>
    </message>
    <message>
        <source>The sitemap %1 named in the index was not found beside it.</source>
        <translation>Die im Index genannte Sitemap %1 liegt nicht im selben Ordner wie der Index.</translation>
    </message>
    <message>
        <source>The sitemap index %1 names another index, %2; indexes inside indexes are not read.</source>
        <translation>Der Sitemap-Index %1 nennt einen weiteren Index, %2; Indizes in Indizes werden nicht gelesen.</translation>
    </message>
    <message>
        <source>1 link to a script was skipped.</source>
        <translation>1 Link zu einem Skript wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 links to scripts were skipped.</source>
        <translation>%1 Links zu Skripten wurden übersprungen.</translation>
    </message>
    <message>
        <source>1 link to embedded data was skipped.</source>
        <translation>1 Link zu eingebetteten Daten wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 links to embedded data were skipped.</source>
        <translation>%1 Links zu eingebetteten Daten wurden übersprungen.</translation>
    </message>
    <message>
        <source>1 link to a page of the browser was skipped.</source>
        <translation>1 Link zu einer browserinternen Seite wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 links to pages of the browser were skipped.</source>
        <translation>%1 Links zu browserinternen Seiten wurden übersprungen.</translation>
    </message>
    <message>
        <source>1 link to a file on this computer was skipped.</source>
        <translation>1 Link zu einer Datei auf diesem Computer wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 links to files on this computer were skipped.</source>
        <translation>%1 Links zu Dateien auf diesem Computer wurden übersprungen.</translation>
    </message>
    <message>
        <source>1 link without an address was skipped.</source>
        <translation>1 Link ohne Adresse wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 links without an address were skipped.</source>
        <translation>%1 Links ohne Adresse wurden übersprungen.</translation>
    </message>
    <message>
        <source>1 link to a place on the same page was skipped.</source>
        <translation>1 Link zu einer Stelle auf derselben Seite wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 links to places on the same page were skipped.</source>
        <translation>%1 Links zu Stellen auf derselben Seite wurden übersprungen.</translation>
    </message>
    <message>
        <source>1 address that could not be read was skipped.</source>
        <translation>1 unlesbare Adresse wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 addresses that could not be read were skipped.</source>
        <translation>%1 unlesbare Adressen wurden übersprungen.</translation>
    </message>
    <message>
        <source>No links that can be imported were found in the pasted text.</source>
        <translation>Im eingefügten Text wurden keine Links gefunden, die sich importieren lassen.</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>Type the words visitors see for this entry of the menu. Press Add or Enter to put the entry at the end of the list.</source>
        <translation>Geben Sie den Text ein, den Besucher für diesen Eintrag im Menü sehen. Mit „Hinzufügen“ oder der Eingabetaste kommt der Eintrag ans Ende der Liste.</translation>
    </message>
    <message>
        <source>Type the address of the page this entry leads to, such as products.html or https://www.example.com/. You can also drag a link from your web browser onto this box.</source>
        <translation>Geben Sie die Adresse der Seite ein, zu der dieser Eintrag führt, etwa produkte.html oder https://www.example.com/. Sie können auch einen Link aus Ihrem Webbrowser auf dieses Feld ziehen.</translation>
    </message>
    <message>
        <source>Makes this entry the one the menu shows when the page loads. A menu has only one such entry; Quorvane asks before moving the choice to another entry.</source>
        <translation>Macht diesen Eintrag zu dem, den das Menü beim Laden der Seite zeigt. Ein Menü hat nur einen solchen Eintrag; bevor diese Wahl auf einen anderen Eintrag übergeht, fragt Quorvane nach.</translation>
    </message>
    <message>
        <source>Makes this entry a group heading: a bold label that visitors cannot choose. The entries added after it are grouped under it.</source>
        <translation>Macht diesen Eintrag zur Gruppenüberschrift: einer fetten Beschriftung, die Besucher nicht auswählen können. Die danach hinzugefügten Einträge werden darunter gruppiert.</translation>
    </message>
    <message>
        <source>Adds an entry that leads nowhere, such as &quot;Choose a page&quot; or a line of dashes. Choosing it in the menu does nothing.</source>
        <translation>Fügt einen Eintrag hinzu, der nirgendwohin führt, etwa „Seite wählen“ oder eine Linie aus Strichen. Wählt man ihn im Menü, geschieht nichts.</translation>
    </message>
    <message>
        <source>Leave this checked to give the entry the menu&apos;s own colours. Clear it to choose a background and text colour for this entry alone.</source>
        <translation>Lassen Sie das Häkchen gesetzt, damit der Eintrag die Farben des Menüs erhält. Entfernen Sie es, um Hintergrund- und Textfarbe nur für diesen Eintrag zu wählen.</translation>
    </message>
    <message>
        <source>The entry&apos;s background colour: # and six hexadecimal digits for red, green and blue, such as #FFFF00 for yellow. The button beside the box lets you pick the colour instead.</source>
        <translation>Die Hintergrundfarbe des Eintrags: # und sechs Hexadezimalziffern für Rot, Grün und Blau, etwa #FFFF00 für Gelb. Mit der Schaltfläche neben dem Feld können Sie die Farbe stattdessen aussuchen.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the entry&apos;s background colour.</source>
        <translation>Öffnet die Farbauswahl für die Hintergrundfarbe des Eintrags.</translation>
    </message>
    <message>
        <source>The entry&apos;s text colour: # and six hexadecimal digits for red, green and blue, such as #000080 for dark blue. The button beside the box lets you pick the colour instead.</source>
        <translation>Die Textfarbe des Eintrags: # und sechs Hexadezimalziffern für Rot, Grün und Blau, etwa #000080 für Dunkelblau. Mit der Schaltfläche neben dem Feld können Sie die Farbe stattdessen aussuchen.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the entry&apos;s text colour.</source>
        <translation>Öffnet die Farbauswahl für die Textfarbe des Eintrags.</translation>
    </message>
    <message>
        <source>Adds the entry typed above to the end of the menu. It is available once the entry has a text and a link, or is a group heading or not linked.</source>
        <translation>Fügt den oben eingegebenen Eintrag am Ende des Menüs hinzu. Das geht, sobald der Eintrag einen Text und einen Link hat oder wenn er eine Gruppenüberschrift oder ohne Link ist.</translation>
    </message>
    <message>
        <source>Replaces the entry selected in the list with the one typed above. Use Edit first to bring an entry back into these boxes.</source>
        <translation>Ersetzt den in der Liste ausgewählten Eintrag durch den oben eingegebenen. Holen Sie einen Eintrag zuerst mit „Bearbeiten“ in diese Felder zurück.</translation>
    </message>
    <message>
        <source>The entries of your menu, in the order visitors will see them. Drag an entry to move it, double-click it or press Enter to edit it, or right-click it for the list&apos;s commands.</source>
        <translation>Die Einträge Ihres Menüs in der Reihenfolge, in der Besucher sie sehen. Ziehen Sie einen Eintrag, um ihn zu verschieben; doppelklicken Sie darauf oder drücken Sie die Eingabetaste, um ihn zu bearbeiten; ein Rechtsklick zeigt die Befehle der Liste.</translation>
    </message>
    <message>
        <source>Moves the selected entry one place up in the menu; Ctrl+Up does the same in the list.</source>
        <translation>Verschiebt den ausgewählten Eintrag im Menü um eine Stelle nach oben; in der Liste geht das auch mit Strg+Pfeil nach oben.</translation>
    </message>
    <message>
        <source>Moves the selected entry one place down in the menu; Ctrl+Down does the same in the list.</source>
        <translation>Verschiebt den ausgewählten Eintrag im Menü um eine Stelle nach unten; in der Liste geht das auch mit Strg+Pfeil nach unten.</translation>
    </message>
    <message>
        <source>Brings the selected entry back into the Item Properties boxes, so you can change it and press Update. F2 or Enter in the list does the same.</source>
        <translation>Holt den ausgewählten Eintrag zurück in die Felder unter „Eintragseigenschaften“, damit Sie ihn ändern und auf „Übernehmen“ klicken können. F2 oder die Eingabetaste in der Liste bewirken dasselbe.</translation>
    </message>
    <message>
        <source>Removes the selected entry from the menu, after asking you; the Delete key does the same in the list.</source>
        <translation>Entfernt den ausgewählten Eintrag nach einer Rückfrage aus dem Menü; in der Liste bewirkt die Entf-Taste dasselbe.</translation>
    </message>
    <message>
        <source>Adds entries from links you already have: browser bookmarks, a sitemap, a site folder, a web page or pasted addresses. You can also drop such a file or folder on the list.</source>
        <translation>Fügt Einträge aus Links hinzu, die Sie schon haben: aus Lesezeichen des Browsers, einer Sitemap, einem Website-Ordner, einer Webseite oder eingefügten Adressen. Sie können eine solche Datei oder einen solchen Ordner auch auf der Liste ablegen.</translation>
    </message>
    <message>
        <source>The settings of the whole menu and of its submit button, on two tabs.</source>
        <translation>Die Einstellungen des ganzen Menüs und seiner Schaltfläche, auf zwei Registerkarten.</translation>
    </message>
    <message>
        <source>The name that identifies this menu in your page&apos;s code: letters, digits and underscores, starting with a letter or an underscore. Each menu on a page needs a name of its own.</source>
        <translation>Der Name, unter dem dieses Menü im Code Ihrer Seite geführt wird: Buchstaben (ohne Umlaute und ß), Ziffern und Unterstriche, am Anfang ein Buchstabe oder ein Unterstrich. Jedes Menü auf einer Seite braucht einen eigenen Namen.</translation>
    </message>
    <message>
        <source>Visitors choose an entry and then press the button beside the menu to go to its page.</source>
        <translation>Besucher wählen einen Eintrag und klicken dann auf die Schaltfläche neben dem Menü, um zu seiner Seite zu gelangen.</translation>
    </message>
    <message>
        <source>Visitors go to an entry&apos;s page as soon as they choose it, so the menu needs no button.</source>
        <translation>Besucher gelangen zur Seite eines Eintrags, sobald sie ihn wählen; das Menü braucht daher keine Schaltfläche.</translation>
    </message>
    <message>
        <source>Where the linked pages open: in the same window, in a new window, or in another frame of your frameset.</source>
        <translation>Wo die verlinkten Seiten geöffnet werden: im selben Fenster, in einem neuen Fenster oder in einem anderen Frame Ihres Framesets.</translation>
    </message>
    <message>
        <source>The name of the frame that shows the linked pages, exactly as your frameset names it.</source>
        <translation>Der Name des Frames, in dem die verlinkten Seiten erscheinen, genau so, wie er in Ihrem Frameset heißt.</translation>
    </message>
    <message>
        <source>Whether the menu lines up with the top, the middle or the bottom of its button.</source>
        <translation>Ob das Menü oben, mittig oder unten an seiner Schaltfläche ausgerichtet ist.</translation>
    </message>
    <message>
        <source>Opens Advanced Menu Options, where you choose the menu&apos;s colours, font and width.</source>
        <translation>Öffnet „Erweiterte Menüoptionen“, wo Sie Farben, Schrift und Breite des Menüs wählen.</translation>
    </message>
    <message>
        <source>Uses an ordinary button that shows the text typed below.</source>
        <translation>Verwendet eine gewöhnliche Schaltfläche mit dem unten eingegebenen Text.</translation>
    </message>
    <message>
        <source>Uses a picture of your own as the button. Type the picture&apos;s address below.</source>
        <translation>Verwendet ein eigenes Bild als Schaltfläche. Geben Sie unten die Adresse des Bildes ein.</translation>
    </message>
    <message>
        <source>The words on the button, such as Go.</source>
        <translation>Der Text auf der Schaltfläche, etwa „Los“.</translation>
    </message>
    <message>
        <source>Opens Advanced Button Options, where you choose the button&apos;s colours, border, font and size.</source>
        <translation>Öffnet „Erweiterte Schaltflächenoptionen“, wo Sie Farben, Rahmen, Schrift und Größe der Schaltfläche wählen.</translation>
    </message>
    <message>
        <source>The address of the button&apos;s picture, such as images/go.gif.</source>
        <translation>Die Adresse des Schaltflächenbildes, etwa bilder/los.gif.</translation>
    </message>
    <message>
        <source>The width of the button picture in pixels. Leave it empty to use the picture&apos;s own width.</source>
        <translation>Die Breite des Schaltflächenbildes in Pixeln. Lassen Sie das Feld leer, um die Originalbreite des Bildes zu verwenden.</translation>
    </message>
    <message>
        <source>The height of the button picture in pixels. Leave it empty to use the picture&apos;s own height.</source>
        <translation>Die Höhe des Schaltflächenbildes in Pixeln. Lassen Sie das Feld leer, um die Originalhöhe des Bildes zu verwenden.</translation>
    </message>
    <message>
        <source>A few words that stand in for the picture while it loads, and for visitors who cannot see it.</source>
        <translation>Ein paar Worte, die an Stelle des Bildes erscheinen, solange es lädt, und für Besucher, die es nicht sehen können.</translation>
    </message>
    <message>
        <source>Opens the Brindlecote web site, where you find free button pictures to use as a graphic button.</source>
        <translation>Öffnet die Website von Brindlecote mit kostenlosen Bildern, die Sie als grafische Schaltfläche verwenden können.</translation>
    </message>
    <message>
        <source>Opens a web site that offers ready-made designs for your pages.</source>
        <translation>Öffnet eine Website mit fertigen Designs für Ihre Seiten.</translation>
    </message>
    <message>
        <source>Starts a new, empty menu. Quorvane asks first if the current menu has unsaved changes.</source>
        <translation>Beginnt ein neues, leeres Menü. Hat das aktuelle Menü ungespeicherte Änderungen, fragt Quorvane zuerst nach.</translation>
    </message>
    <message>
        <source>Opens a menu project you saved earlier.</source>
        <translation>Öffnet ein Menüprojekt, das Sie früher gespeichert haben.</translation>
    </message>
    <message>
        <source>Takes back your last change to the menu, one step at a time (Ctrl+Z). The menu entry names the change it takes back.</source>
        <translation>Nimmt Ihre letzte Änderung am Menü zurück, Schritt für Schritt (Strg+Z). Der Befehl im Menü „Bearbeiten“ nennt die Änderung, die er zurücknimmt.</translation>
    </message>
    <message>
        <source>Makes again the change you last took back (Ctrl+Shift+Z).</source>
        <translation>Stellt die zuletzt zurückgenommene Änderung wieder her (Strg+Umschalt+Z).</translation>
    </message>
    <message>
        <source>Saves the menu as a project file (.qvn), so you can change it again later.</source>
        <translation>Speichert das Menü als Projektdatei (.qvn), damit Sie es später wieder ändern können.</translation>
    </message>
    <message>
        <source>Shows the menu&apos;s code, ready to copy: one piece for the head of your page and one for the place where the menu should appear.</source>
        <translation>Zeigt den Code des Menüs zum Kopieren: einen Teil für den Kopfbereich (Head) Ihrer Seite und einen für die Stelle, an der das Menü erscheinen soll.</translation>
    </message>
    <message>
        <source>Saves the menu&apos;s code in an .html file.</source>
        <translation>Speichert den Code des Menüs in einer .html-Datei.</translation>
    </message>
    <message>
        <source>Shows the menu working in your web browser, so you can try its links.</source>
        <translation>Zeigt das Menü in Aktion in Ihrem Webbrowser, damit Sie seine Links ausprobieren können.</translation>
    </message>
    <message>
        <source>Opens the contents of Quorvane&apos;s help in your web browser.</source>
        <translation>Öffnet das Inhaltsverzeichnis der Quorvane-Hilfe in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>Changes the pointer to a question mark: click any control to learn what it does.</source>
        <translation>Verwandelt den Mauszeiger in ein Fragezeichen: Klicken Sie auf ein beliebiges Bedienelement, um zu erfahren, wozu es dient.</translation>
    </message>
    <message>
        <source>Shows Quorvane&apos;s version and the maker&apos;s addresses.</source>
        <translation>Zeigt die Version von Quorvane und die Adressen des Herstellers.</translation>
    </message>
    <message>
        <source>Leave this checked to let the visitor&apos;s browser colour the menu. Clear it to use the text and background colours below.</source>
        <translation>Lassen Sie das Häkchen gesetzt, damit der Browser des Besuchers die Farben des Menüs bestimmt. Entfernen Sie es, um die Text- und Hintergrundfarbe darunter zu verwenden.</translation>
    </message>
    <message>
        <source>The colour of the menu&apos;s text: # and six hexadecimal digits for red, green and blue. Press Select to pick the colour instead.</source>
        <translation>Die Textfarbe des Menüs: # und sechs Hexadezimalziffern für Rot, Grün und Blau. Mit „Auswählen“ können Sie die Farbe stattdessen aussuchen.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the colour of the menu&apos;s text.</source>
        <translation>Öffnet die Farbauswahl für die Textfarbe des Menüs.</translation>
    </message>
    <message>
        <source>The menu&apos;s background colour: # and six hexadecimal digits for red, green and blue. Press Select to pick the colour instead.</source>
        <translation>Die Hintergrundfarbe des Menüs: # und sechs Hexadezimalziffern für Rot, Grün und Blau. Mit „Auswählen“ können Sie die Farbe stattdessen aussuchen.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the menu&apos;s background colour.</source>
        <translation>Öffnet die Farbauswahl für die Hintergrundfarbe des Menüs.</translation>
    </message>
    <message>
        <source>The font of the menu&apos;s entries.</source>
        <translation>Die Schriftart der Menüeinträge.</translation>
    </message>
    <message>
        <source>The size of the menu&apos;s text in pixels. Choose a size or type your own.</source>
        <translation>Die Schriftgröße des Menüs in Pixeln. Wählen Sie eine Größe oder geben Sie eine eigene ein.</translation>
    </message>
    <message>
        <source>Underlines the menu&apos;s entries.</source>
        <translation>Unterstreicht die Einträge des Menüs.</translation>
    </message>
    <message>
        <source>Shows the menu&apos;s entries in italics.</source>
        <translation>Zeigt die Einträge des Menüs kursiv.</translation>
    </message>
    <message>
        <source>How heavy the menu&apos;s letters are, from 100 (lighter) to 900 (bolder). 400 is normal and 700 is bold.</source>
        <translation>Wie kräftig die Schrift des Menüs ist, von 100 (dünner) bis 900 (kräftiger). 400 ist normal, 700 fett.</translation>
    </message>
    <message>
        <source>Leave this checked to let the browser make the menu as wide as its longest entry. Clear it to give the menu a width of your own.</source>
        <translation>Lassen Sie das Häkchen gesetzt, damit der Browser das Menü so breit macht wie seinen längsten Eintrag. Entfernen Sie es, um dem Menü eine eigene Breite zu geben.</translation>
    </message>
    <message>
        <source>The menu&apos;s width in pixels.</source>
        <translation>Die Breite des Menüs in Pixeln.</translation>
    </message>
    <message>
        <source>Leave this checked to let the visitor&apos;s browser draw the button in its usual colours. Clear it to use the colours below.</source>
        <translation>Lassen Sie das Häkchen gesetzt, damit der Browser des Besuchers die Schaltfläche in seinen üblichen Farben zeichnet. Entfernen Sie es, um die Farben darunter zu verwenden.</translation>
    </message>
    <message>
        <source>Draws the button without a border. Clear it to give the button borders in the colours below.</source>
        <translation>Zeichnet die Schaltfläche ohne Rahmen. Entfernen Sie das Häkchen, um der Schaltfläche Rahmen in den Farben darunter zu geben.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s text: # and six hexadecimal digits for red, green and blue.</source>
        <translation>Die Textfarbe der Schaltfläche: # und sechs Hexadezimalziffern für Rot, Grün und Blau.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the colour of the button&apos;s text.</source>
        <translation>Öffnet die Farbauswahl für die Textfarbe der Schaltfläche.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s face: # and six hexadecimal digits for red, green and blue.</source>
        <translation>Die Flächenfarbe der Schaltfläche: # und sechs Hexadezimalziffern für Rot, Grün und Blau.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the button&apos;s face colour.</source>
        <translation>Öffnet die Farbauswahl für die Flächenfarbe der Schaltfläche.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s top border.</source>
        <translation>Die Farbe des oberen Rahmens der Schaltfläche.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the top border&apos;s colour.</source>
        <translation>Öffnet die Farbauswahl für die Farbe des oberen Rahmens.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s left border. It follows the top border while the two are synchronised.</source>
        <translation>Die Farbe des linken Rahmens der Schaltfläche. Sie folgt dem oberen Rahmen, solange beide gleich gefärbt werden.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the left border&apos;s colour.</source>
        <translation>Öffnet die Farbauswahl für die Farbe des linken Rahmens.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s right border.</source>
        <translation>Die Farbe des rechten Rahmens der Schaltfläche.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the right border&apos;s colour.</source>
        <translation>Öffnet die Farbauswahl für die Farbe des rechten Rahmens.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s bottom border. It follows the right border while the two are synchronised.</source>
        <translation>Die Farbe des unteren Rahmens der Schaltfläche. Sie folgt dem rechten Rahmen, solange beide gleich gefärbt werden.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the bottom border&apos;s colour.</source>
        <translation>Öffnet die Farbauswahl für die Farbe des unteren Rahmens.</translation>
    </message>
    <message>
        <source>Keeps the left border the same colour as the top border, for a raised or sunken look.</source>
        <translation>Gibt dem linken Rahmen dieselbe Farbe wie dem oberen, für eine erhabene oder vertiefte Wirkung.</translation>
    </message>
    <message>
        <source>Keeps the bottom border the same colour as the right border, for a raised or sunken look.</source>
        <translation>Gibt dem unteren Rahmen dieselbe Farbe wie dem rechten, für eine erhabene oder vertiefte Wirkung.</translation>
    </message>
    <message>
        <source>The font of the button&apos;s text.</source>
        <translation>Die Schriftart des Schaltflächentextes.</translation>
    </message>
    <message>
        <source>The size of the button&apos;s text in pixels. Choose a size or type your own.</source>
        <translation>Die Schriftgröße der Schaltfläche in Pixeln. Wählen Sie eine Größe oder geben Sie eine eigene ein.</translation>
    </message>
    <message>
        <source>Underlines the button&apos;s text.</source>
        <translation>Unterstreicht den Text der Schaltfläche.</translation>
    </message>
    <message>
        <source>Shows the button&apos;s text in italics.</source>
        <translation>Zeigt den Text der Schaltfläche kursiv.</translation>
    </message>
    <message>
        <source>How heavy the button&apos;s letters are, from 100 (lighter) to 900 (bolder). 400 is normal and 700 is bold.</source>
        <translation>Wie kräftig die Schrift der Schaltfläche ist, von 100 (dünner) bis 900 (kräftiger). 400 ist normal, 700 fett.</translation>
    </message>
    <message>
        <source>Leave this checked to let the browser size the button to its text. Clear it to give the button a width and height of your own.</source>
        <translation>Lassen Sie das Häkchen gesetzt, damit der Browser die Schaltfläche so groß macht wie ihren Text. Entfernen Sie es, um der Schaltfläche eine eigene Breite und Höhe zu geben.</translation>
    </message>
    <message>
        <source>The button&apos;s width in pixels.</source>
        <translation>Die Breite der Schaltfläche in Pixeln.</translation>
    </message>
    <message>
        <source>The button&apos;s height in pixels.</source>
        <translation>Die Höhe der Schaltfläche in Pixeln.</translation>
    </message>
    <message>
        <source>The thickness of the button&apos;s borders in pixels. Borders show only when the button uses colours of your own and No Border is clear.</source>
        <translation>Die Stärke der Rahmen der Schaltfläche in Pixeln. Rahmen erscheinen nur, wenn die Schaltfläche eigene Farben verwendet und „Kein Rahmen“ nicht angekreuzt ist.</translation>
    </message>
    <message>
        <source>Imports the links of a file: a browser&apos;s bookmarks file, a sitemap (.xml or .xml.gz), a web page or a text file of addresses.</source>
        <translation>Importiert die Links einer Datei: der Lesezeichendatei eines Browsers, einer Sitemap (.xml oder .xml.gz), einer Webseite oder einer Textdatei mit Adressen.</translation>
    </message>
    <message>
        <source>The file to import from. Press Read Links after typing its path, or choose it with Browse.</source>
        <translation>Die Datei, aus der importiert wird. Klicken Sie nach Eingabe des Pfads auf „Links einlesen“ oder wählen Sie die Datei mit „Durchsuchen“ aus.</translation>
    </message>
    <message>
        <source>Chooses the file to import from and reads its links.</source>
        <translation>Wählt die Datei, aus der importiert wird, und liest ihre Links ein.</translation>
    </message>
    <message>
        <source>Imports every web page of a folder of your site, with the page&apos;s title as its text. Subfolders become headings.</source>
        <translation>Importiert jede Webseite aus einem Ordner Ihrer Website, mit dem Titel der Seite als Text. Unterordner werden zu Überschriften.</translation>
    </message>
    <message>
        <source>The site folder to import from. Press Read Links after typing its path, or choose it with Browse.</source>
        <translation>Der Website-Ordner, aus dem importiert wird. Klicken Sie nach Eingabe des Pfads auf „Links einlesen“ oder wählen Sie den Ordner mit „Durchsuchen“ aus.</translation>
    </message>
    <message>
        <source>Chooses the site folder to import from and reads its pages.</source>
        <translation>Wählt den Website-Ordner, aus dem importiert wird, und liest seine Seiten ein.</translation>
    </message>
    <message>
        <source>Imports the links typed or pasted into the box beside it.</source>
        <translation>Importiert die Links, die in das Feld daneben eingegeben oder eingefügt wurden.</translation>
    </message>
    <message>
        <source>Paste links here, one a line: an address alone, or a text followed by a tab or | and the address. Then press Read Links.</source>
        <translation>Fügen Sie hier Links ein, einen pro Zeile: nur eine Adresse oder ein Text, gefolgt von einem Tabulator oder | und der Adresse. Klicken Sie dann auf „Links einlesen“.</translation>
    </message>
    <message>
        <source>The address that relative addresses are resolved against, such as https://example.com/; for a site folder, the address the folder is published at. Leave it empty to keep addresses relative.</source>
        <translation>Die Adresse, auf die sich relative Adressen beziehen, etwa https://example.com/; bei einem Website-Ordner die Adresse, unter der der Ordner veröffentlicht ist. Lassen Sie das Feld leer, damit Adressen relativ bleiben.</translation>
    </message>
    <message>
        <source>For a site folder: a folder that holds it, which its addresses are made relative to. Leave it empty to make them relative to the site folder itself.</source>
        <translation>Für einen Website-Ordner: ein Ordner, der ihn enthält und auf den sich seine Adressen beziehen. Lassen Sie das Feld leer, damit sie sich auf den Website-Ordner selbst beziehen.</translation>
    </message>
    <message>
        <source>Chooses the folder that a site folder&apos;s addresses start from.</source>
        <translation>Wählt den Ordner, auf den sich die Adressen eines Website-Ordners beziehen.</translation>
    </message>
    <message>
        <source>Reads the chosen file, folder or pasted text again, with the base address and folder given.</source>
        <translation>Liest die gewählte Datei, den Ordner oder den eingefügten Text erneut ein, mit der angegebenen Basisadresse und dem Basisordner.</translation>
    </message>
    <message>
        <source>The links found, under their headings. Untick what you do not want, and double-click a text or an address to change it.</source>
        <translation>Die gefundenen Links unter ihren Überschriften. Entfernen Sie das Häkchen bei allem, was Sie nicht möchten, und doppelklicken Sie auf einen Text oder eine Adresse, um sie zu ändern.</translation>
    </message>
    <message>
        <source>Adds the ticked links after the last entry of the menu.</source>
        <translation>Fügt die angekreuzten Links nach dem letzten Eintrag des Menüs ein.</translation>
    </message>
    <message>
        <source>Adds the ticked links after the entry selected in the list of the main window.</source>
        <translation>Fügt die angekreuzten Links nach dem Eintrag ein, der in der Liste des Hauptfensters ausgewählt ist.</translation>
    </message>
    <message>
        <source>Makes the first added entry the one the menu shows when the page loads. It is offered while no entry of the menu is preselected.</source>
        <translation>Macht den ersten hinzugefügten Eintrag zu dem, den das Menü beim Laden der Seite zeigt. Das ist möglich, solange kein Eintrag des Menüs vorausgewählt ist.</translation>
    </message>
    <message>
        <source>Adds the ticked links to the menu, with their headings, and closes the window.</source>
        <translation>Fügt die angekreuzten Links samt ihren Überschriften dem Menü hinzu und schließt das Fenster.</translation>
    </message>
    <message>
        <source>Closes the window without adding anything to the menu.</source>
        <translation>Schließt das Fenster, ohne dem Menü etwas hinzuzufügen.</translation>
    </message>
    <message>
        <source>Keeps your changes and closes the window.</source>
        <translation>Behält Ihre Änderungen bei und schließt das Fenster.</translation>
    </message>
    <message>
        <source>Closes the window and undoes the changes made since it opened.</source>
        <translation>Schließt das Fenster und macht die Änderungen rückgängig, die seit dem Öffnen vorgenommen wurden.</translation>
    </message>
    <message>
        <source>Sets everything in this window back to Quorvane&apos;s defaults. OK keeps them, Cancel undoes them.</source>
        <translation>Setzt alles in diesem Fenster auf die Standardwerte von Quorvane zurück. „OK“ behält sie bei, „Abbrechen“ macht das rückgängig.</translation>
    </message>
</context>
<context>
    <name>auxwindows</name>
    <message>
        <source>That the qvntips.txt file was not found? <byte value="xd"/>
<byte value="xd"/>
Create a text file named qvntips.txt using NotePad with 1 tip per line. Then place it in the same directory as the application. </source>
        <translation>Dass die Datei qvntips.txt nicht gefunden wurde? <byte value="xd"/>
<byte value="xd"/>
Legen Sie mit einem Texteditor eine Textdatei namens qvntips.txt an, mit einem Tipp pro Zeile, und speichern Sie sie im selben Ordner wie das Programm. </translation>
    </message>
</context>
<context>
    <name>codeoutput</name>
    <message>
        <source>HTML File (*.html)|*.html</source>
        <translation>HTML-Datei (*.html)|*.html</translation>
    </message>
    <message>
        <source>Save Code to File...</source>
        <translation>Code in Datei speichern...</translation>
    </message>
    <message>
        <source>No private folder for the preview could be made in %1</source>
        <translation>In %1 konnte kein privater Ordner für die Vorschau angelegt werden</translation>
    </message>
</context>
<context>
    <name>dialogs::AboutDialog</name>
    <message>
        <source>About...</source>
        <translation>Über Quorvane</translation>
    </message>
    <message>
        <source>Quorvane</source>
        <translation>Quorvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Find more great software from Brindlecote at:</source>
        <translation>Weitere großartige Software von Brindlecote finden Sie unter:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
</context>
<context>
    <name>dialogs::ButtonStyleDialog</name>
    <message>
        <source>Advanced Button Options</source>
        <translation>Erweiterte Schaltflächenoptionen</translation>
    </message>
    <message>
        <source>Use Default System Button Colors</source>
        <translation>Standardfarben des Systems verwenden</translation>
    </message>
    <message>
        <source>No Border</source>
        <translation>Kein Rahmen</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Fläche:</translation>
    </message>
    <message>
        <source>Top Border:</source>
        <translation>Rahmen oben:</translation>
    </message>
    <message>
        <source>Left Border:</source>
        <translation>Rahmen links:</translation>
    </message>
    <message>
        <source>Right Border:</source>
        <translation>Rahmen rechts:</translation>
    </message>
    <message>
        <source>Bottom Border:</source>
        <translation>Rahmen unten:</translation>
    </message>
    <message>
        <source>Sync Top and Left Border Colors</source>
        <translation>Rahmen oben und links gleich färben</translation>
    </message>
    <message>
        <source>Sync Right and Bottom Border Colors</source>
        <translation>Rahmen rechts und unten gleich färben</translation>
    </message>
    <message>
        <source>Constrain Button Dimensions Proportionally to Font Size</source>
        <translation>Größe der Schaltfläche an Schriftgröße anpassen</translation>
    </message>
    <message>
        <source>Button Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Button Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Border Thickness:</source>
        <translation>Rahmenstärke:</translation>
    </message>
</context>
<context>
    <name>dialogs::FontOptions</name>
    <message>
        <source>Font Options:</source>
        <translation>Schriftoptionen:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Font Weight:</source>
        <translation>Schriftstärke:</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Dünner</translation>
    </message>
    <message>
        <source>Bolder</source>
        <translation>Kräftiger</translation>
    </message>
</context>
<context>
    <name>dialogs::GeneratedCodeDialog</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Generated Menu Code</source>
        <translation>Erzeugter Menücode</translation>
    </message>
    <message>
        <source>Javascript Function Code</source>
        <translation>Javascript-Funktionscode</translation>
    </message>
    <message>
        <source>Copy and paste this code into the head section of your page (anywhere between the &lt;HEAD&gt; and &lt;/HEAD&gt; tags).</source>
        <translation>Kopieren Sie diesen Code in den Kopfbereich Ihrer Seite (an eine beliebige Stelle zwischen den Tags &lt;HEAD&gt; und &lt;/HEAD&gt;).</translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation>HTML-Code</translation>
    </message>
    <message>
        <source>Copy and paste this code into the body section of your page (anywhere between the &lt;BODY&gt; and &lt;/BODY&gt; tags) wherever you want the menu to appear.</source>
        <translation>Kopieren Sie diesen Code in den Hauptteil Ihrer Seite (zwischen den Tags &lt;BODY&gt; und &lt;/BODY&gt;), genau an die Stelle, an der das Menü erscheinen soll.</translation>
    </message>
    <message>
        <source>Note: If you are placing more than one menu on the same page, you only need one occurence of the Javascript Function Code in the &quot;Head&quot; section of your page.</source>
        <translation>Hinweis: Wenn Sie mehrere Menüs auf derselben Seite platzieren, brauchen Sie den Javascript-Funktionscode nur einmal im Kopfbereich („Head“) Ihrer Seite.</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportDialog</name>
    <message>
        <source>Import Links</source>
        <translation>Links importieren</translation>
    </message>
    <message>
        <source>Import from:</source>
        <translation>Importieren aus:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>Site f&amp;older:</source>
        <translation>&amp;Website-Ordner:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>Pasted &amp;text:</source>
        <translation>Eingefügter &amp;Text:</translation>
    </message>
    <message>
        <source>One link a line: an address, or a text and a tab or | before the address</source>
        <translation>Ein Link pro Zeile: eine Adresse oder ein Text und ein Tabulator oder | vor der Adresse</translation>
    </message>
    <message>
        <source>https://example.com/</source>
        <translation>https://example.com/</translation>
    </message>
    <message>
        <source>Base fol&amp;der:</source>
        <translation>&amp;Basisordner:</translation>
    </message>
    <message>
        <source>Brow&amp;se...</source>
        <translation>Durc&amp;hsuchen...</translation>
    </message>
    <message>
        <source>&amp;Read Links</source>
        <translation>&amp;Links einlesen</translation>
    </message>
    <message>
        <source>Base &amp;address:</source>
        <translation>Basis&amp;adresse:</translation>
    </message>
    <message>
        <source>Import Links from a Site Folder</source>
        <translation>Links aus einem Website-Ordner importieren</translation>
    </message>
    <message>
        <source>Base Folder</source>
        <translation>Basisordner</translation>
    </message>
    <message>
        <source>Reading links...</source>
        <translation>Links werden eingelesen...</translation>
    </message>
    <message>
        <source>&amp;Links found:</source>
        <translation>&amp;Gefundene Links:</translation>
    </message>
    <message>
        <source>Append at the &amp;end of the list</source>
        <translation>Am &amp;Ende der Liste anfügen</translation>
    </message>
    <message>
        <source>&amp;Insert after the selected row</source>
        <translation>&amp;Nach der ausgewählten Zeile einfügen</translation>
    </message>
    <message>
        <source>&amp;Preselect the first entry</source>
        <translation>Ersten Eintrag &amp;vorauswählen</translation>
    </message>
    <message>
        <source>Add to &amp;Menu</source>
        <translation>Zum &amp;Menü hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Bookmarks, Sitemaps, Web Pages and Lists of Addresses|*.html;*.htm;*.xhtml;*.xml;*.gz;*.txt|All Files|*</source>
        <translation>Lesezeichen, Sitemaps, Webseiten und Adresslisten|*.html;*.htm;*.xhtml;*.xml;*.gz;*.txt|Alle Dateien|*</translation>
    </message>
    <message>
        <source>Import Links from a File</source>
        <translation>Links aus einer Datei importieren</translation>
    </message>
    <message>
        <source>Choose a file or a site folder, or paste links, and then press Read Links.</source>
        <translation>Wählen Sie eine Datei oder einen Website-Ordner oder fügen Sie Links ein, und klicken Sie dann auf „Links einlesen“.</translation>
    </message>
    <message>
        <source>Links ticked: %1</source>
        <translation>Angekreuzte Links: %1</translation>
    </message>
    <message>
        <source>Import Links</source>
        <comment>a step of the history</comment>
        <translation>Links importieren</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportTreeModel</name>
    <message>
        <source>Same address as above</source>
        <translation>Gleiche Adresse wie oben</translation>
    </message>
    <message>
        <source>Item Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation>Link-URL</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>dialogs::LoadingWindow</name>
    <message>
        <source>Loading. Please wait...</source>
        <translation>Wird geladen. Bitte warten...</translation>
    </message>
</context>
<context>
    <name>dialogs::MenuStyleDialog</name>
    <message>
        <source>Advanced Menu Options</source>
        <translation>Erweiterte Menüoptionen</translation>
    </message>
    <message>
        <source>Use Default System Menu Colors</source>
        <translation>Standardfarben des Systems verwenden</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Constrain Width Proportionally to Font Size</source>
        <translation>Breite an Schriftgröße anpassen</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
</context>
<context>
    <name>dialogs::NoticeDialog</name>
    <message>
        <source>Show this message again in the future.</source>
        <translation>Diese Meldung auch künftig anzeigen.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>dialogs::StyleDialog</name>
    <message>
        <source>Color Options:</source>
        <translation>Farboptionen:</translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation>Abmessungen:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dialogs::TellFriendsDialog</name>
    <message>
        <source>Tell your friends about Quorvane</source>
        <translation>Erzählen Sie Ihren Freunden von Quorvane</translation>
    </message>
    <message>
        <source>Your friends&apos; email addresses:</source>
        <translation>E-Mail-Adressen Ihrer Freunde:</translation>
    </message>
    <message>
        <source>Friend&apos;s email address %1</source>
        <translation>E-Mail-Adresse %1</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dialogs::TipOfTheDayDialog</name>
    <message>
        <source>Quorvane Tip of the Day</source>
        <translation>Quorvane – Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>document::ItemListModel</name>
    <message>
        <source>Item Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Linked?</source>
        <translation>Verlinkt?</translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation>Link-URL</translation>
    </message>
    <message>
        <source>Selected?</source>
        <translation>Vorauswahl?</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>mainwindow::CommandActions</name>
    <message>
        <source>&amp;New Menu Project</source>
        <translation>&amp;Neues Menüprojekt</translation>
    </message>
    <message>
        <source>Create new menu project</source>
        <translation>Neues Menüprojekt anlegen</translation>
    </message>
    <message>
        <source>&amp;Load Saved Menu Project</source>
        <translation>Gespeichertes Menüprojekt &amp;laden</translation>
    </message>
    <message>
        <source>Load saved menu project</source>
        <translation>Gespeichertes Menüprojekt laden</translation>
    </message>
    <message>
        <source>&amp;Import Links...</source>
        <translation>Links &amp;importieren...</translation>
    </message>
    <message>
        <source>Import links from bookmarks, a sitemap, a site folder or a page</source>
        <translation>Links aus Lesezeichen, einer Sitemap, einem Website-Ordner oder einer Seite importieren</translation>
    </message>
    <message>
        <source>&amp;Save Menu Project</source>
        <translation>Menüprojekt &amp;speichern</translation>
    </message>
    <message>
        <source>Save current menu project</source>
        <translation>Aktuelles Menüprojekt speichern</translation>
    </message>
    <message>
        <source>&amp;Copy Code to Clipboard</source>
        <translation>&amp;Code in Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Generate menu code and copy to clipboard</source>
        <translation>Menücode erzeugen und in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save Code to &amp;File</source>
        <translation>Code in &amp;Datei speichern</translation>
    </message>
    <message>
        <source>Generate menu code and save to a file</source>
        <translation>Menücode erzeugen und in einer Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Preview Menu in Browser</source>
        <translation>Menüvorschau im &amp;Browser</translation>
    </message>
    <message>
        <source>Preview menu in browser</source>
        <translation>Menüvorschau im Browser</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Open help file</source>
        <translation>Hilfe öffnen</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>&amp;Context Help</source>
        <translation>&amp;Kontexthilfe</translation>
    </message>
    <message>
        <source>Show context help</source>
        <translation>Kontexthilfe anzeigen</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>Tell &amp;Friends about Quorvane</source>
        <translation>Quorvane &amp;Freunden empfehlen</translation>
    </message>
    <message>
        <source>&amp;Other Software from Brindlecote</source>
        <translation>&amp;Weitere Software von Brindlecote</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>Über Quorvane</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move selected item up one position.</source>
        <translation>Ausgewählten Eintrag um eine Position nach oben verschieben.</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move selected item down one position.</source>
        <translation>Ausgewählten Eintrag um eine Position nach unten verschieben.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit text and link url of selected item.</source>
        <translation>Text und Link-URL des ausgewählten Eintrags bearbeiten.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected item.</source>
        <translation>Ausgewählten Eintrag löschen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemCommands</name>
    <message>
        <source>Add Item</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Update Item</source>
        <translation>Eintrag ändern</translation>
    </message>
    <message>
        <source>Move Item Up</source>
        <translation>Eintrag nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Item Down</source>
        <translation>Eintrag nach unten verschieben</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Eintrag verschieben</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Eintrag löschen</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemEditor</name>
    <message>
        <source>Item Properties:</source>
        <translation>Eintragseigenschaften:</translation>
    </message>
    <message>
        <source>Item Text:</source>
        <translation>Eintragstext:</translation>
    </message>
    <message>
        <source>Link URL:</source>
        <translation>Link-URL:</translation>
    </message>
    <message>
        <source>Default selected</source>
        <translation>Vorausgewählt</translation>
    </message>
    <message>
        <source>Group heading</source>
        <translation>Gruppenüberschrift</translation>
    </message>
    <message>
        <source>Not linked</source>
        <translation>Ohne Link</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Standardfarbe</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemListPanel</name>
    <message>
        <source>Currently Added Menu Items:</source>
        <translation>Aktuelle Menüeinträge:</translation>
    </message>
</context>
<context>
    <name>mainwindow::MainWindow</name>
    <message>
        <source>Quorvane</source>
        <translation>Quorvane</translation>
    </message>
    <message>
        <source>Free Button Graphics from Brindlecote</source>
        <translation>Kostenlose Schaltflächengrafiken von Brindlecote</translation>
    </message>
    <message>
        <source>Professionally Designed Web Site Templates</source>
        <translation>Professionell gestaltete Website-Vorlagen</translation>
    </message>
</context>
<context>
    <name>mainwindow::OptionsPanel</name>
    <message>
        <source>Global Menu Properties</source>
        <translation>Menüeigenschaften</translation>
    </message>
    <message>
        <source>Submit Button Properties</source>
        <translation>Schaltflächeneigenschaften</translation>
    </message>
    <message>
        <source>Menu Name:</source>
        <translation>Menüname:</translation>
    </message>
    <message>
        <source>(Must be unique for each menu on page.)</source>
        <translation>(Muss für jedes Menü der Seite eindeutig sein.)</translation>
    </message>
    <message>
        <source>Navigate on Button Click</source>
        <translation>Navigieren per Schaltfläche</translation>
    </message>
    <message>
        <source>Navigate on Item Change</source>
        <translation>Navigieren bei Auswahl</translation>
    </message>
    <message>
        <source>Same window</source>
        <translation>Selbes Fenster</translation>
    </message>
    <message>
        <source>New window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>Different frame</source>
        <translation>Anderer Frame</translation>
    </message>
    <message>
        <source>Frame Name:</source>
        <translation>Frame-Name:</translation>
    </message>
    <message>
        <source>Target of Links:</source>
        <translation>Linkziel:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Align to Button:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>URL of Button Graphic:</source>
        <translation>Grafik-URL:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Alt Text:</source>
        <translation>Alt-Text:</translation>
    </message>
</context>
<context>
    <name>mainwindow::ProjectFileCommands</name>
    <message>
        <source>Quorvane - </source>
        <translation>Quorvane - </translation>
    </message>
    <message>
        <source>Quorvane</source>
        <translation>Quorvane</translation>
    </message>
    <message>
        <source>Save Menu Project as...</source>
        <translation>Menüprojekt speichern unter...</translation>
    </message>
    <message>
        <source>Load Menu Project...</source>
        <translation>Menüprojekt laden...</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You have chosen to use a different frame as the target of your links but you have not specified the name of the frame. You must enter a frame name or choose another target for the links.</source>
        <translation>Sie haben einen anderen Frame als Ziel Ihrer Links gewählt, aber keinen Namen für den Frame angegeben. Geben Sie einen Frame-Namen ein oder wählen Sie ein anderes Linkziel.</translation>
    </message>
    <message>
        <source>You have chosen to use a graphical submit button style but have not specified a URL for the graphic. Please specify a URL for the button graphic in the space provided.</source>
        <translation>Sie haben eine grafische Schaltfläche gewählt, aber keine URL für die Grafik angegeben. Bitte geben Sie im vorgesehenen Feld eine URL für die Schaltflächengrafik an.</translation>
    </message>
    <message>
        <source>You must specify a name for the menu to be used in the code. This uniquely identifies this menu in case more than one menu is to be placed on the same page.</source>
        <translation>Geben Sie einen Namen für das Menü an, der im Code verwendet wird. Er unterscheidet dieses Menü von anderen, falls mehrere Menüs auf derselben Seite stehen.</translation>
    </message>
    <message>
        <source>Menu Name must not contain any spaces or special characters.</source>
        <translation>Der Menüname darf keine Leerzeichen oder Sonderzeichen (auch keine Umlaute) enthalten.</translation>
    </message>
    <message>
        <source>Menu Name must begin with a letter or an underscore.</source>
        <translation>Der Menüname muss mit einem Buchstaben oder einem Unterstrich beginnen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid Quorvane Project file.</source>
        <translation>„%1“ ist keine gültige Quorvane-Projektdatei.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;. The file is either corrupt, not a valid Quorvane project file, or no longer exists.</source>
        <translation>„%1“ konnte nicht geladen werden. Die Datei ist beschädigt, keine gültige Quorvane-Projektdatei oder existiert nicht mehr.</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before closing? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Dieses Menüprojekt wurde geändert. Möchten Sie Ihre Änderungen vor dem Schließen speichern? (Klicken Sie auf „Abbrechen“, um zu Quorvane zurückzukehren.)</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before creating a new project? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Dieses Menüprojekt wurde geändert. Möchten Sie Ihre Änderungen speichern, bevor Sie ein neues Projekt anlegen? (Klicken Sie auf „Abbrechen“, um zu Quorvane zurückzukehren.)</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before loading another project? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Dieses Menüprojekt wurde geändert. Möchten Sie Ihre Änderungen speichern, bevor Sie ein anderes Projekt laden? (Klicken Sie auf „Abbrechen“, um zu Quorvane zurückzukehren.)</translation>
    </message>
    <message>
        <source>Save Project?</source>
        <translation>Projekt speichern?</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>This menu project uses a font that is not installed on your system. The default font will be used instead.</source>
        <translation>Dieses Menüprojekt verwendet eine Schriftart, die auf Ihrem System nicht installiert ist. Stattdessen wird die Standardschrift verwendet.</translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation>Ihr E-Mail-Programm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The help page could not be found. Quorvane looked for it here:

%1</source>
        <translation>Die Hilfeseite wurde nicht gefunden. Quorvane hat hier gesucht:

%1</translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation>Vorausgewählter Eintrag</translation>
    </message>
    <message>
        <source>You have already designated &quot;%1&quot; as the selected item in the menu. Do you wish to change it to this one?</source>
        <translation>Sie haben bereits „%1“ als vorausgewählten Eintrag des Menüs festgelegt. Möchten Sie stattdessen diesen Eintrag vorauswählen?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Delete selected item?</source>
        <translation>Ausgewählten Eintrag löschen?</translation>
    </message>
    <message>
        <source>Quorvane could not perform this operation due to the following error:

&quot;%1&quot;</source>
        <translation>Quorvane konnte diesen Vorgang wegen des folgenden Fehlers nicht ausführen:

„%1“</translation>
    </message>
    <message>
        <source>Please enter a valid color value or click &quot;Select&quot; to choose a color.</source>
        <translation>Bitte geben Sie einen gültigen Farbwert ein oder klicken Sie auf „Auswählen“, um eine Farbe auszusuchen.</translation>
    </message>
    <message>
        <source>Please enter a valid color value.</source>
        <translation>Bitte geben Sie einen gültigen Farbwert ein.</translation>
    </message>
</context>
<context>
    <name>preview</name>
    <message>
        <source>The live preview is switched off.</source>
        <translation>Die Live-Vorschau ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>No live preview: Qt WebEngine is not fully installed.</source>
        <translation>Keine Live-Vorschau: Qt WebEngine ist nicht vollständig installiert.</translation>
    </message>
    <message>
        <source>No live preview as root unless QTWEBENGINE_DISABLE_SANDBOX=1 is set.</source>
        <translation>Keine Live-Vorschau als root, solange QTWEBENGINE_DISABLE_SANDBOX=1 nicht gesetzt ist.</translation>
    </message>
    <message>
        <source>No live preview: this system allows its sandbox no user namespaces (QTWEBENGINE_DISABLE_SANDBOX=1 runs it without).</source>
        <translation>Keine Live-Vorschau: Dieses System erlaubt der Sandbox keine User-Namespaces (mit QTWEBENGINE_DISABLE_SANDBOX=1 läuft die Vorschau ohne Sandbox).</translation>
    </message>
</context>
<context>
    <name>preview::PreviewDock</name>
    <message>
        <source>Live Preview</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation>&amp;Live-Vorschau</translation>
    </message>
    <message>
        <source>Show or hide the menu as it will look, beside the list</source>
        <translation>Das Menü so, wie es aussehen wird, neben der Liste zeigen oder ausblenden</translation>
    </message>
</context>
<context>
    <name>preview::PreviewPage</name>
    <message>
        <source>Would open %1 in a new window</source>
        <translation>Würde %1 in einem neuen Fenster öffnen</translation>
    </message>
    <message>
        <source>Would open %1 in the same window</source>
        <translation>Würde %1 im selben Fenster öffnen</translation>
    </message>
    <message>
        <source>Would open %1 in the frame «%2»</source>
        <translation>Würde %1 im Frame „%2“ öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes nowhere: the entry has no link</source>
        <translation>„%1“ führt nirgendwohin: Der Eintrag hat keinen Link</translation>
    </message>
    <message>
        <source>The page would show the message &quot;%1&quot;</source>
        <translation>Die Seite würde die Meldung „%1“ zeigen</translation>
    </message>
</context>
<context>
    <name>preview::PreviewPane</name>
    <message>
        <source>Preview note</source>
        <translation>Hinweis zur Vorschau</translation>
    </message>
    <message>
        <source>Choose an entry of the menu to see where it would go.</source>
        <translation>Wählen Sie einen Eintrag des Menüs, um zu sehen, wohin er führt.</translation>
    </message>
    <message>
        <source>Where the entry would go</source>
        <translation>Wohin der Eintrag führt</translation>
    </message>
    <message>
        <source>Add entries to the list to see the menu here.</source>
        <translation>Fügen Sie der Liste Einträge hinzu, um das Menü hier zu sehen.</translation>
    </message>
</context>
<context>
    <name>preview::PreviewView</name>
    <message>
        <source>Menu preview</source>
        <translation>Menüvorschau</translation>
    </message>
    <message>
        <source>The preview&apos;s page stopped; it starts again with the next change.</source>
        <translation>Die Vorschauseite wurde beendet; sie startet bei der nächsten Änderung neu.</translation>
    </message>
    <message>
        <source>No private folder for the preview could be made in %1</source>
        <translation>In %1 konnte kein privater Ordner für die Vorschau angelegt werden</translation>
    </message>
</context>
<context>
    <name>style</name>
    <message>
        <source>Important Message</source>
        <translation>Wichtiger Hinweis</translation>
    </message>
    <message>
        <source>Advanced properties (colors, font, etc.) for menus and buttons will only show up if the menu is viewed in Microsoft Internet Explorer. Netscape always uses one default font and style for Javascript menu elements.</source>
        <translation>Erweiterte Eigenschaften (Farben, Schrift usw.) von Menüs und Schaltflächen sind nur sichtbar, wenn das Menü im Microsoft Internet Explorer angezeigt wird. Netscape verwendet für Javascript-Menüelemente immer eine Standardschrift und einen Standardstil.</translation>
    </message>
    <message>
        <source>Changing this value has no effect when &quot;Use Default User System Button Colors&quot; is checked. A border is only displayed if you are using non-default colors.</source>
        <translation>Eine Änderung dieses Werts wirkt sich nicht aus, solange „Standardfarben des Systems verwenden“ angekreuzt ist. Ein Rahmen wird nur angezeigt, wenn Sie eigene Farben verwenden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>This will restore all values in this dialog to the program default settings. All current settings will be lost. Do you wish to continue?</source>
        <translation>Damit werden alle Werte in diesem Fenster auf die Standardeinstellungen des Programms zurückgesetzt. Alle aktuellen Einstellungen gehen verloren. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
</context>
<context>
    <name>widgets::ColorRow</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
</TS>
