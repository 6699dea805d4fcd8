<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ChangeOptionsCommand</name>
    <message>
        <source>Change Menu Name</source>
        <translation>Modifier le nom du menu</translation>
    </message>
    <message>
        <source>Change Navigation</source>
        <translation>Modifier la navigation</translation>
    </message>
    <message>
        <source>Change Target of Links</source>
        <translation>Modifier la cible des liens</translation>
    </message>
    <message>
        <source>Change Frame Name</source>
        <translation>Modifier le nom du cadre</translation>
    </message>
    <message>
        <source>Change Alignment</source>
        <translation>Modifier l&apos;alignement</translation>
    </message>
    <message>
        <source>Change Button Kind</source>
        <translation>Modifier le type de bouton</translation>
    </message>
    <message>
        <source>Change Button Text</source>
        <translation>Modifier le texte du bouton</translation>
    </message>
    <message>
        <source>Change Button Graphic</source>
        <translation>Modifier l&apos;image du bouton</translation>
    </message>
    <message>
        <source>Change Graphic Width</source>
        <translation>Modifier la largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Change Graphic Height</source>
        <translation>Modifier la hauteur de l&apos;image</translation>
    </message>
    <message>
        <source>Change Alt Text</source>
        <translation>Modifier le texte de remplacement</translation>
    </message>
</context>
<context>
    <name>ChangeStyleCommand</name>
    <message>
        <source>Change Menu Style</source>
        <translation>Modifier le style du menu</translation>
    </message>
    <message>
        <source>Change Button Style</source>
        <translation>Modifier le style du bouton</translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The folder %1 could not be read.</source>
        <translation>Le dossier %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>Le fichier %1 est vide.</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB. Files of up to %2 MB can be imported.</source>
        <translation>Le fichier %1 fait plus de %2&#xa0;Mo. Seuls les fichiers de %2&#xa0;Mo au plus peuvent être importés.</translation>
    </message>
    <message>
        <source>The file %1 is not a bookmarks file, sitemap, web page or list of addresses.</source>
        <translation>Le fichier %1 n&apos;est ni un fichier de favoris, ni un plan de site, ni une page web, ni une liste d&apos;adresses.</translation>
    </message>
    <message>
        <source>The file %1 is a damaged or incomplete gzip file.</source>
        <translation>Le fichier %1 est un fichier gzip endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>The file %1 unpacks to more than %2 MB. Sitemaps of up to %2 MB can be imported.</source>
        <translation>Une fois décompressé, le fichier %1 fait plus de %2&#xa0;Mo. Seuls les plans de site de %2&#xa0;Mo au plus peuvent être importés.</translation>
    </message>
    <message>
        <source>The file %1 declares entities. Such files are not read, to keep this computer safe.</source>
        <translation>Le fichier %1 déclare des entités. De tels fichiers ne sont pas lus, pour protéger cet ordinateur.</translation>
    </message>
    <message>
        <source>The file %1 is not well-formed XML (line %2), so it cannot be read as a sitemap.</source>
        <translation>Le fichier %1 n&apos;est pas du XML bien formé (ligne %2)&#xa0;; il ne peut donc pas être lu comme plan de site.</translation>
    </message>
    <message>
        <source>The file %1 is nested more than %2 levels deep, so it cannot be read as a sitemap.</source>
        <translation>Le fichier %1 a plus de %2 niveaux d&apos;imbrication&#xa0;; il ne peut donc pas être lu comme plan de site.</translation>
    </message>
    <message>
        <source>The file %1 is not a sitemap: it holds &lt;%2&gt;, not &lt;urlset&gt; or &lt;sitemapindex&gt;.</source>
        <translation>Le fichier %1 n&apos;est pas un plan de site&#xa0;: il contient &lt;%2&gt;, et non &lt;urlset&gt; ou &lt;sitemapindex&gt;.</translation>
    </message>
    <message>
        <source>The base address %1 is not a complete address such as https://example.com/.</source>
        <translation>L&apos;adresse de base %1 n&apos;est pas une adresse complète comme https://example.com/.</translation>
    </message>
    <message>
        <source>The folder %1 does not lie in the base folder %2.</source>
        <translation>Le dossier %1 ne se trouve pas dans le dossier de base %2.</translation>
    </message>
    <message>
        <source>No links that can be imported were found in %1.</source>
        <translation>Aucun lien à importer n&apos;a été trouvé dans %1.</translation>
    </message>
    <message>
        <source>The file %1 is nested more than %2 levels deep; what lies deeper was not read.</source>
        <translation>Le fichier %1 a plus de %2 niveaux d&apos;imbrication&#xa0;; les niveaux plus profonds n&apos;ont pas été lus.</translation>
    </message>
    <message>
        <source>Only the first %1 links were read; the rest of the source was left out.</source>
        <translation>Seuls les %1 premiers liens ont été lus&#xa0;; le reste de la source a été laissé de côté.</translation>
    </message>
    <message>
        <source>The folder holds more than %1 files and folders; only the first %1 were looked at.</source>
        <translation>Le dossier contient plus de %1 fichiers et dossiers&#xa0;; seuls les %1 premiers ont été examinés.</translation>
    </message>
    <message>
        <source>The sitemap %1 named in the index was not found beside it.</source>
        <translation>Le plan de site %1, cité dans l&apos;index, n&apos;a pas été trouvé dans le même dossier que l&apos;index.</translation>
    </message>
    <message>
        <source>The sitemap index %1 names another index, %2; indexes inside indexes are not read.</source>
        <translation>L&apos;index de plans de site %1 cite un autre index, %2&#xa0;; les index placés dans un index ne sont pas lus.</translation>
    </message>
    <message>
        <source>1 link to a script was skipped.</source>
        <translation>1 lien vers un script a été ignoré.</translation>
    </message>
    <message>
        <source>%1 links to scripts were skipped.</source>
        <translation>%1 liens vers des scripts ont été ignorés.</translation>
    </message>
    <message>
        <source>1 link to embedded data was skipped.</source>
        <translation>1 lien vers des données intégrées a été ignoré.</translation>
    </message>
    <message>
        <source>%1 links to embedded data were skipped.</source>
        <translation>%1 liens vers des données intégrées ont été ignorés.</translation>
    </message>
    <message>
        <source>1 link to a page of the browser was skipped.</source>
        <translation>1 lien vers une page du navigateur a été ignoré.</translation>
    </message>
    <message>
        <source>%1 links to pages of the browser were skipped.</source>
        <translation>%1 liens vers des pages du navigateur ont été ignorés.</translation>
    </message>
    <message>
        <source>1 link to a file on this computer was skipped.</source>
        <translation>1 lien vers un fichier de cet ordinateur a été ignoré.</translation>
    </message>
    <message>
        <source>%1 links to files on this computer were skipped.</source>
        <translation>%1 liens vers des fichiers de cet ordinateur ont été ignorés.</translation>
    </message>
    <message>
        <source>1 link without an address was skipped.</source>
        <translation>1 lien sans adresse a été ignoré.</translation>
    </message>
    <message>
        <source>%1 links without an address were skipped.</source>
        <translation>%1 liens sans adresse ont été ignorés.</translation>
    </message>
    <message>
        <source>1 link to a place on the same page was skipped.</source>
        <translation>1 lien vers un endroit de la même page a été ignoré.</translation>
    </message>
    <message>
        <source>%1 links to places on the same page were skipped.</source>
        <translation>%1 liens vers des endroits de la même page ont été ignorés.</translation>
    </message>
    <message>
        <source>1 address that could not be read was skipped.</source>
        <translation>1 adresse illisible a été ignorée.</translation>
    </message>
    <message>
        <source>%1 addresses that could not be read were skipped.</source>
        <translation>%1 adresses illisibles ont été ignorées.</translation>
    </message>
    <message>
        <source>No links that can be imported were found in the pasted text.</source>
        <translation>Aucun lien à importer n&apos;a été trouvé dans le texte collé.</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>Type the words visitors see for this entry of the menu. Press Add or Enter to put the entry at the end of the list.</source>
        <translation>Tapez les mots que les visiteurs verront pour cette entrée du menu. Cliquez sur Ajouter ou appuyez sur Entrée pour placer l&apos;entrée à la fin de la liste.</translation>
    </message>
    <message>
        <source>Type the address of the page this entry leads to, such as products.html or https://www.example.com/. You can also drag a link from your web browser onto this box.</source>
        <translation>Tapez l&apos;adresse de la page vers laquelle mène cette entrée, par exemple produits.html ou https://www.example.com/. Vous pouvez aussi faire glisser un lien depuis votre navigateur web jusque sur cette zone.</translation>
    </message>
    <message>
        <source>Makes this entry the one the menu shows when the page loads. A menu has only one such entry; Quorvane asks before moving the choice to another entry.</source>
        <translation>Fait de cette entrée celle que le menu affiche au chargement de la page. Un menu n&apos;a qu&apos;une seule entrée de ce genre&#xa0;; Quorvane vous demande confirmation avant de reporter ce choix sur une autre entrée.</translation>
    </message>
    <message>
        <source>Makes this entry a group heading: a bold label that visitors cannot choose. The entries added after it are grouped under it.</source>
        <translation>Fait de cette entrée un titre de groupe&#xa0;: un intitulé en gras que les visiteurs ne peuvent pas choisir. Les entrées ajoutées après lui sont regroupées sous ce titre.</translation>
    </message>
    <message>
        <source>Adds an entry that leads nowhere, such as &quot;Choose a page&quot; or a line of dashes. Choosing it in the menu does nothing.</source>
        <translation>Ajoute une entrée qui ne mène nulle part, comme «&#xa0;Choisissez une page&#xa0;» ou une ligne de tirets. La choisir dans le menu ne fait rien.</translation>
    </message>
    <message>
        <source>Leave this checked to give the entry the menu&apos;s own colours. Clear it to choose a background and text colour for this entry alone.</source>
        <translation>Laissez cette case cochée pour donner à l&apos;entrée les couleurs du menu. Décochez-la pour choisir une couleur de fond et une couleur de texte pour cette seule entrée.</translation>
    </message>
    <message>
        <source>The entry&apos;s background colour: # and six hexadecimal digits for red, green and blue, such as #FFFF00 for yellow. The button beside the box lets you pick the colour instead.</source>
        <translation>La couleur de fond de l&apos;entrée&#xa0;: # suivi de six chiffres hexadécimaux pour le rouge, le vert et le bleu, par exemple #FFFF00 pour le jaune. Vous pouvez aussi choisir la couleur avec le bouton à côté de la zone.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the entry&apos;s background colour.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur de fond de l&apos;entrée.</translation>
    </message>
    <message>
        <source>The entry&apos;s text colour: # and six hexadecimal digits for red, green and blue, such as #000080 for dark blue. The button beside the box lets you pick the colour instead.</source>
        <translation>La couleur du texte de l&apos;entrée&#xa0;: # suivi de six chiffres hexadécimaux pour le rouge, le vert et le bleu, par exemple #000080 pour le bleu foncé. Vous pouvez aussi choisir la couleur avec le bouton à côté de la zone.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the entry&apos;s text colour.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur du texte de l&apos;entrée.</translation>
    </message>
    <message>
        <source>Adds the entry typed above to the end of the menu. It is available once the entry has a text and a link, or is a group heading or not linked.</source>
        <translation>Ajoute l&apos;entrée saisie ci-dessus à la fin du menu. Ce bouton est disponible dès que l&apos;entrée a un texte et un lien, ou qu&apos;elle est un titre de groupe ou sans lien.</translation>
    </message>
    <message>
        <source>Replaces the entry selected in the list with the one typed above. Use Edit first to bring an entry back into these boxes.</source>
        <translation>Remplace l&apos;entrée sélectionnée dans la liste par celle saisie ci-dessus. Utilisez d&apos;abord Modifier pour ramener une entrée dans ces zones.</translation>
    </message>
    <message>
        <source>The entries of your menu, in the order visitors will see them. Drag an entry to move it, double-click it or press Enter to edit it, or right-click it for the list&apos;s commands.</source>
        <translation>Les entrées de votre menu, dans l&apos;ordre où les visiteurs les verront. Faites glisser une entrée pour la déplacer, double-cliquez dessus ou appuyez sur Entrée pour la modifier, ou cliquez dessus avec le bouton droit pour les commandes de la liste.</translation>
    </message>
    <message>
        <source>Moves the selected entry one place up in the menu; Ctrl+Up does the same in the list.</source>
        <translation>Monte l&apos;entrée sélectionnée d&apos;une place dans le menu&#xa0;; Ctrl+Haut fait de même dans la liste.</translation>
    </message>
    <message>
        <source>Moves the selected entry one place down in the menu; Ctrl+Down does the same in the list.</source>
        <translation>Descend l&apos;entrée sélectionnée d&apos;une place dans le menu&#xa0;; Ctrl+Bas fait de même dans la liste.</translation>
    </message>
    <message>
        <source>Brings the selected entry back into the Item Properties boxes, so you can change it and press Update. F2 or Enter in the list does the same.</source>
        <translation>Ramène l&apos;entrée sélectionnée dans les zones des Propriétés de l&apos;entrée, pour que vous puissiez la modifier puis cliquer sur Mettre à jour. F2 ou Entrée dans la liste fait de même.</translation>
    </message>
    <message>
        <source>Removes the selected entry from the menu, after asking you; the Delete key does the same in the list.</source>
        <translation>Retire l&apos;entrée sélectionnée du menu, après confirmation&#xa0;; la touche Suppr fait de même dans la liste.</translation>
    </message>
    <message>
        <source>Adds entries from links you already have: browser bookmarks, a sitemap, a site folder, a web page or pasted addresses. You can also drop such a file or folder on the list.</source>
        <translation>Ajoute des entrées à partir de liens que vous avez déjà&#xa0;: favoris du navigateur, plan de site, dossier de site, page web ou adresses collées. Vous pouvez aussi déposer un tel fichier ou dossier sur la liste.</translation>
    </message>
    <message>
        <source>The settings of the whole menu and of its submit button, on two tabs.</source>
        <translation>Les réglages de l&apos;ensemble du menu et de son bouton d&apos;envoi, sur deux onglets.</translation>
    </message>
    <message>
        <source>The name that identifies this menu in your page&apos;s code: letters, digits and underscores, starting with a letter or an underscore. Each menu on a page needs a name of its own.</source>
        <translation>Le nom qui identifie ce menu dans le code de votre page&#xa0;: des lettres, des chiffres et des tirets bas (_), en commençant par une lettre ou un tiret bas. Chaque menu d&apos;une page a besoin de son propre nom.</translation>
    </message>
    <message>
        <source>Visitors choose an entry and then press the button beside the menu to go to its page.</source>
        <translation>Les visiteurs choisissent une entrée, puis cliquent sur le bouton à côté du menu pour aller à sa page.</translation>
    </message>
    <message>
        <source>Visitors go to an entry&apos;s page as soon as they choose it, so the menu needs no button.</source>
        <translation>Les visiteurs vont à la page d&apos;une entrée dès qu&apos;ils la choisissent&#xa0;; le menu n&apos;a donc pas besoin de bouton.</translation>
    </message>
    <message>
        <source>Where the linked pages open: in the same window, in a new window, or in another frame of your frameset.</source>
        <translation>L&apos;endroit où s&apos;ouvrent les pages liées&#xa0;: dans la même fenêtre, dans une nouvelle fenêtre ou dans un autre cadre de votre jeu de cadres.</translation>
    </message>
    <message>
        <source>The name of the frame that shows the linked pages, exactly as your frameset names it.</source>
        <translation>Le nom du cadre qui affiche les pages liées, exactement tel que votre jeu de cadres le nomme.</translation>
    </message>
    <message>
        <source>Whether the menu lines up with the top, the middle or the bottom of its button.</source>
        <translation>Indique si le menu s&apos;aligne sur le haut, le milieu ou le bas de son bouton.</translation>
    </message>
    <message>
        <source>Opens Advanced Menu Options, where you choose the menu&apos;s colours, font and width.</source>
        <translation>Ouvre les Options avancées du menu, où vous choisissez les couleurs, la police et la largeur du menu.</translation>
    </message>
    <message>
        <source>Uses an ordinary button that shows the text typed below.</source>
        <translation>Utilise un bouton ordinaire qui affiche le texte saisi ci-dessous.</translation>
    </message>
    <message>
        <source>Uses a picture of your own as the button. Type the picture&apos;s address below.</source>
        <translation>Utilise une image de votre choix comme bouton. Tapez l&apos;adresse de l&apos;image ci-dessous.</translation>
    </message>
    <message>
        <source>The words on the button, such as Go.</source>
        <translation>Les mots affichés sur le bouton, par exemple Go ou OK.</translation>
    </message>
    <message>
        <source>Opens Advanced Button Options, where you choose the button&apos;s colours, border, font and size.</source>
        <translation>Ouvre les Options avancées du bouton, où vous choisissez les couleurs, la bordure, la police et la taille du bouton.</translation>
    </message>
    <message>
        <source>The address of the button&apos;s picture, such as images/go.gif.</source>
        <translation>L&apos;adresse de l&apos;image du bouton, par exemple images/go.gif.</translation>
    </message>
    <message>
        <source>The width of the button picture in pixels. Leave it empty to use the picture&apos;s own width.</source>
        <translation>La largeur de l&apos;image du bouton, en pixels. Laissez la zone vide pour utiliser la largeur propre de l&apos;image.</translation>
    </message>
    <message>
        <source>The height of the button picture in pixels. Leave it empty to use the picture&apos;s own height.</source>
        <translation>La hauteur de l&apos;image du bouton, en pixels. Laissez la zone vide pour utiliser la hauteur propre de l&apos;image.</translation>
    </message>
    <message>
        <source>A few words that stand in for the picture while it loads, and for visitors who cannot see it.</source>
        <translation>Quelques mots qui remplacent l&apos;image pendant son chargement, et pour les visiteurs qui ne peuvent pas la voir.</translation>
    </message>
    <message>
        <source>Opens the Brindlecote web site, where you find free button pictures to use as a graphic button.</source>
        <translation>Ouvre le site web de Brindlecote, où vous trouverez des images gratuites à utiliser comme bouton graphique.</translation>
    </message>
    <message>
        <source>Opens a web site that offers ready-made designs for your pages.</source>
        <translation>Ouvre un site web qui propose des modèles prêts à l&apos;emploi pour vos pages.</translation>
    </message>
    <message>
        <source>Starts a new, empty menu. Quorvane asks first if the current menu has unsaved changes.</source>
        <translation>Commence un nouveau menu vide. Si le menu actuel a des modifications non enregistrées, Quorvane vous pose d&apos;abord la question.</translation>
    </message>
    <message>
        <source>Opens a menu project you saved earlier.</source>
        <translation>Ouvre un projet de menu que vous avez enregistré auparavant.</translation>
    </message>
    <message>
        <source>Takes back your last change to the menu, one step at a time (Ctrl+Z). The menu entry names the change it takes back.</source>
        <translation>Annule votre dernière modification du menu, une étape à la fois (Ctrl+Z). La commande du menu Édition indique la modification qu&apos;elle annule.</translation>
    </message>
    <message>
        <source>Makes again the change you last took back (Ctrl+Shift+Z).</source>
        <translation>Refait la dernière modification que vous avez annulée (Ctrl+Maj+Z).</translation>
    </message>
    <message>
        <source>Saves the menu as a project file (.qvn), so you can change it again later.</source>
        <translation>Enregistre le menu dans un fichier de projet (.qvn), pour que vous puissiez le modifier plus tard.</translation>
    </message>
    <message>
        <source>Shows the menu&apos;s code, ready to copy: one piece for the head of your page and one for the place where the menu should appear.</source>
        <translation>Affiche le code du menu, prêt à copier&#xa0;: une partie pour l&apos;en-tête (head) de votre page et une pour l&apos;endroit où le menu doit apparaître.</translation>
    </message>
    <message>
        <source>Saves the menu&apos;s code in an .html file.</source>
        <translation>Enregistre le code du menu dans un fichier .html.</translation>
    </message>
    <message>
        <source>Shows the menu working in your web browser, so you can try its links.</source>
        <translation>Montre le menu en action dans votre navigateur web, pour que vous puissiez essayer ses liens.</translation>
    </message>
    <message>
        <source>Opens the contents of Quorvane&apos;s help in your web browser.</source>
        <translation>Ouvre le sommaire de l&apos;aide de Quorvane dans votre navigateur web.</translation>
    </message>
    <message>
        <source>Changes the pointer to a question mark: click any control to learn what it does.</source>
        <translation>Change le pointeur en point d&apos;interrogation&#xa0;: cliquez sur n&apos;importe quel élément de la fenêtre pour savoir à quoi il sert.</translation>
    </message>
    <message>
        <source>Shows Quorvane&apos;s version and the maker&apos;s addresses.</source>
        <translation>Affiche la version de Quorvane et les adresses de son éditeur.</translation>
    </message>
    <message>
        <source>Leave this checked to let the visitor&apos;s browser colour the menu. Clear it to use the text and background colours below.</source>
        <translation>Laissez cette case cochée pour que le navigateur du visiteur choisisse les couleurs du menu. Décochez-la pour utiliser les couleurs de texte et de fond ci-dessous.</translation>
    </message>
    <message>
        <source>The colour of the menu&apos;s text: # and six hexadecimal digits for red, green and blue. Press Select to pick the colour instead.</source>
        <translation>La couleur du texte du menu&#xa0;: # suivi de six chiffres hexadécimaux pour le rouge, le vert et le bleu. Vous pouvez aussi cliquer sur Choisir pour sélectionner la couleur.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the colour of the menu&apos;s text.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur du texte du menu.</translation>
    </message>
    <message>
        <source>The menu&apos;s background colour: # and six hexadecimal digits for red, green and blue. Press Select to pick the colour instead.</source>
        <translation>La couleur de fond du menu&#xa0;: # suivi de six chiffres hexadécimaux pour le rouge, le vert et le bleu. Vous pouvez aussi cliquer sur Choisir pour sélectionner la couleur.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the menu&apos;s background colour.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur de fond du menu.</translation>
    </message>
    <message>
        <source>The font of the menu&apos;s entries.</source>
        <translation>La police des entrées du menu.</translation>
    </message>
    <message>
        <source>The size of the menu&apos;s text in pixels. Choose a size or type your own.</source>
        <translation>La taille du texte du menu, en pixels. Choisissez une taille ou tapez la vôtre.</translation>
    </message>
    <message>
        <source>Underlines the menu&apos;s entries.</source>
        <translation>Souligne les entrées du menu.</translation>
    </message>
    <message>
        <source>Shows the menu&apos;s entries in italics.</source>
        <translation>Affiche les entrées du menu en italique.</translation>
    </message>
    <message>
        <source>How heavy the menu&apos;s letters are, from 100 (lighter) to 900 (bolder). 400 is normal and 700 is bold.</source>
        <translation>L&apos;épaisseur des lettres du menu, de 100 (plus fin) à 900 (plus gras). 400 correspond au texte normal et 700 au gras.</translation>
    </message>
    <message>
        <source>Leave this checked to let the browser make the menu as wide as its longest entry. Clear it to give the menu a width of your own.</source>
        <translation>Laissez cette case cochée pour que le navigateur donne au menu la largeur de sa plus longue entrée. Décochez-la pour choisir vous-même la largeur du menu.</translation>
    </message>
    <message>
        <source>The menu&apos;s width in pixels.</source>
        <translation>La largeur du menu, en pixels.</translation>
    </message>
    <message>
        <source>Leave this checked to let the visitor&apos;s browser draw the button in its usual colours. Clear it to use the colours below.</source>
        <translation>Laissez cette case cochée pour que le navigateur du visiteur dessine le bouton avec ses couleurs habituelles. Décochez-la pour utiliser les couleurs ci-dessous.</translation>
    </message>
    <message>
        <source>Draws the button without a border. Clear it to give the button borders in the colours below.</source>
        <translation>Dessine le bouton sans bordure. Décochez cette case pour donner au bouton des bordures dans les couleurs ci-dessous.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s text: # and six hexadecimal digits for red, green and blue.</source>
        <translation>La couleur du texte du bouton&#xa0;: # suivi de six chiffres hexadécimaux pour le rouge, le vert et le bleu.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the colour of the button&apos;s text.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur du texte du bouton.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s face: # and six hexadecimal digits for red, green and blue.</source>
        <translation>La couleur de fond du bouton&#xa0;: # suivi de six chiffres hexadécimaux pour le rouge, le vert et le bleu.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the button&apos;s face colour.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur de fond du bouton.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s top border.</source>
        <translation>La couleur de la bordure du haut du bouton.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the top border&apos;s colour.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur de la bordure du haut.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s left border. It follows the top border while the two are synchronised.</source>
        <translation>La couleur de la bordure gauche du bouton. Elle suit la bordure du haut tant que la case «&#xa0;Même couleur en haut et à gauche&#xa0;» est cochée.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the left border&apos;s colour.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur de la bordure gauche.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s right border.</source>
        <translation>La couleur de la bordure droite du bouton.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the right border&apos;s colour.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur de la bordure droite.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s bottom border. It follows the right border while the two are synchronised.</source>
        <translation>La couleur de la bordure du bas du bouton. Elle suit la bordure droite tant que la case «&#xa0;Même couleur à droite et en bas&#xa0;» est cochée.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the bottom border&apos;s colour.</source>
        <translation>Ouvre le sélecteur de couleur pour choisir la couleur de la bordure du bas.</translation>
    </message>
    <message>
        <source>Keeps the left border the same colour as the top border, for a raised or sunken look.</source>
        <translation>Donne à la bordure gauche la même couleur qu&apos;à la bordure du haut, pour un effet en relief ou en creux.</translation>
    </message>
    <message>
        <source>Keeps the bottom border the same colour as the right border, for a raised or sunken look.</source>
        <translation>Donne à la bordure du bas la même couleur qu&apos;à la bordure droite, pour un effet en relief ou en creux.</translation>
    </message>
    <message>
        <source>The font of the button&apos;s text.</source>
        <translation>La police du texte du bouton.</translation>
    </message>
    <message>
        <source>The size of the button&apos;s text in pixels. Choose a size or type your own.</source>
        <translation>La taille du texte du bouton, en pixels. Choisissez une taille ou tapez la vôtre.</translation>
    </message>
    <message>
        <source>Underlines the button&apos;s text.</source>
        <translation>Souligne le texte du bouton.</translation>
    </message>
    <message>
        <source>Shows the button&apos;s text in italics.</source>
        <translation>Affiche le texte du bouton en italique.</translation>
    </message>
    <message>
        <source>How heavy the button&apos;s letters are, from 100 (lighter) to 900 (bolder). 400 is normal and 700 is bold.</source>
        <translation>L&apos;épaisseur des lettres du bouton, de 100 (plus fin) à 900 (plus gras). 400 correspond au texte normal et 700 au gras.</translation>
    </message>
    <message>
        <source>Leave this checked to let the browser size the button to its text. Clear it to give the button a width and height of your own.</source>
        <translation>Laissez cette case cochée pour que le navigateur adapte la taille du bouton à son texte. Décochez-la pour choisir vous-même la largeur et la hauteur du bouton.</translation>
    </message>
    <message>
        <source>The button&apos;s width in pixels.</source>
        <translation>La largeur du bouton, en pixels.</translation>
    </message>
    <message>
        <source>The button&apos;s height in pixels.</source>
        <translation>La hauteur du bouton, en pixels.</translation>
    </message>
    <message>
        <source>The thickness of the button&apos;s borders in pixels. Borders show only when the button uses colours of your own and No Border is clear.</source>
        <translation>L&apos;épaisseur des bordures du bouton, en pixels. Les bordures ne s&apos;affichent que si le bouton utilise vos propres couleurs et que la case «&#xa0;Sans bordure&#xa0;» est décochée.</translation>
    </message>
    <message>
        <source>Imports the links of a file: a browser&apos;s bookmarks file, a sitemap (.xml or .xml.gz), a web page or a text file of addresses.</source>
        <translation>Importe les liens d&apos;un fichier&#xa0;: fichier de favoris d&apos;un navigateur, plan de site (.xml ou .xml.gz), page web ou fichier texte d&apos;adresses.</translation>
    </message>
    <message>
        <source>The file to import from. Press Read Links after typing its path, or choose it with Browse.</source>
        <translation>Le fichier à importer. Cliquez sur Lire les liens après avoir tapé son chemin, ou choisissez-le avec Parcourir.</translation>
    </message>
    <message>
        <source>Chooses the file to import from and reads its links.</source>
        <translation>Choisit le fichier à importer et lit ses liens.</translation>
    </message>
    <message>
        <source>Imports every web page of a folder of your site, with the page&apos;s title as its text. Subfolders become headings.</source>
        <translation>Importe chaque page web d&apos;un dossier de votre site, avec le titre de la page comme texte. Les sous-dossiers deviennent des titres de groupe.</translation>
    </message>
    <message>
        <source>The site folder to import from. Press Read Links after typing its path, or choose it with Browse.</source>
        <translation>Le dossier du site à importer. Cliquez sur Lire les liens après avoir tapé son chemin, ou choisissez-le avec Parcourir.</translation>
    </message>
    <message>
        <source>Chooses the site folder to import from and reads its pages.</source>
        <translation>Choisit le dossier du site à importer et lit ses pages.</translation>
    </message>
    <message>
        <source>Imports the links typed or pasted into the box beside it.</source>
        <translation>Importe les liens tapés ou collés dans la zone à côté.</translation>
    </message>
    <message>
        <source>Paste links here, one a line: an address alone, or a text followed by a tab or | and the address. Then press Read Links.</source>
        <translation>Collez les liens ici, un par ligne&#xa0;: une adresse seule, ou un texte suivi d&apos;une tabulation ou de | puis de l&apos;adresse. Cliquez ensuite sur Lire les liens.</translation>
    </message>
    <message>
        <source>The address that relative addresses are resolved against, such as https://example.com/; for a site folder, the address the folder is published at. Leave it empty to keep addresses relative.</source>
        <translation>L&apos;adresse à partir de laquelle les adresses relatives sont complétées, par exemple https://example.com/&#xa0;; pour un dossier de site, l&apos;adresse à laquelle ce dossier est publié. Laissez la zone vide pour garder les adresses relatives.</translation>
    </message>
    <message>
        <source>For a site folder: a folder that holds it, which its addresses are made relative to. Leave it empty to make them relative to the site folder itself.</source>
        <translation>Pour un dossier de site&#xa0;: un dossier qui le contient et par rapport auquel ses adresses sont établies. Laissez la zone vide pour qu&apos;elles partent du dossier du site lui-même.</translation>
    </message>
    <message>
        <source>Chooses the folder that a site folder&apos;s addresses start from.</source>
        <translation>Choisit le dossier à partir duquel partent les adresses d&apos;un dossier de site.</translation>
    </message>
    <message>
        <source>Reads the chosen file, folder or pasted text again, with the base address and folder given.</source>
        <translation>Relit le fichier, le dossier ou le texte collé choisi, avec l&apos;adresse et le dossier de base indiqués.</translation>
    </message>
    <message>
        <source>The links found, under their headings. Untick what you do not want, and double-click a text or an address to change it.</source>
        <translation>Les liens trouvés, sous leurs titres. Décochez ce que vous ne voulez pas, et double-cliquez sur un texte ou une adresse pour le modifier.</translation>
    </message>
    <message>
        <source>Adds the ticked links after the last entry of the menu.</source>
        <translation>Ajoute les liens cochés après la dernière entrée du menu.</translation>
    </message>
    <message>
        <source>Adds the ticked links after the entry selected in the list of the main window.</source>
        <translation>Ajoute les liens cochés après l&apos;entrée sélectionnée dans la liste de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Makes the first added entry the one the menu shows when the page loads. It is offered while no entry of the menu is preselected.</source>
        <translation>Fait de la première entrée ajoutée celle que le menu affiche au chargement de la page. Ce choix est proposé tant qu&apos;aucune entrée du menu n&apos;est présélectionnée.</translation>
    </message>
    <message>
        <source>Adds the ticked links to the menu, with their headings, and closes the window.</source>
        <translation>Ajoute les liens cochés au menu, avec leurs titres, et ferme la fenêtre.</translation>
    </message>
    <message>
        <source>Closes the window without adding anything to the menu.</source>
        <translation>Ferme la fenêtre sans rien ajouter au menu.</translation>
    </message>
    <message>
        <source>Keeps your changes and closes the window.</source>
        <translation>Conserve vos modifications et ferme la fenêtre.</translation>
    </message>
    <message>
        <source>Closes the window and undoes the changes made since it opened.</source>
        <translation>Ferme la fenêtre et annule les modifications faites depuis son ouverture.</translation>
    </message>
    <message>
        <source>Sets everything in this window back to Quorvane&apos;s defaults. OK keeps them, Cancel undoes them.</source>
        <translation>Remet tous les réglages de cette fenêtre aux valeurs par défaut de Quorvane. OK les conserve, Annuler les défait.</translation>
    </message>
</context>
<context>
    <name>auxwindows</name>
    <message>
        <source>That the qvntips.txt file was not found? <byte value="xd"/>
<byte value="xd"/>
Create a text file named qvntips.txt using NotePad with 1 tip per line. Then place it in the same directory as the application. </source>
        <translation>Le fichier qvntips.txt est introuvable.<byte value="xd"/>
<byte value="xd"/>
Créez avec un éditeur de texte comme le Bloc-notes un fichier texte nommé qvntips.txt, avec une astuce par ligne. Placez-le ensuite dans le même dossier que le programme. </translation>
    </message>
</context>
<context>
    <name>codeoutput</name>
    <message>
        <source>HTML File (*.html)|*.html</source>
        <translation>Fichier HTML (*.html)|*.html</translation>
    </message>
    <message>
        <source>Save Code to File...</source>
        <translation>Enregistrer le code dans un fichier...</translation>
    </message>
    <message>
        <source>No private folder for the preview could be made in %1</source>
        <translation>Impossible de créer un dossier privé pour l&apos;aperçu dans %1</translation>
    </message>
</context>
<context>
    <name>dialogs::AboutDialog</name>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
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
        <translation>Découvrez d&apos;autres excellents logiciels de Brindlecote sur&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publié sous licence MIT.</translation>
    </message>
</context>
<context>
    <name>dialogs::ButtonStyleDialog</name>
    <message>
        <source>Advanced Button Options</source>
        <translation>Options avancées du bouton</translation>
    </message>
    <message>
        <source>Use Default System Button Colors</source>
        <translation>Utiliser les couleurs système du bouton</translation>
    </message>
    <message>
        <source>No Border</source>
        <translation>Sans bordure</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Fond&#xa0;:</translation>
    </message>
    <message>
        <source>Top Border:</source>
        <translation>Bordure du haut&#xa0;:</translation>
    </message>
    <message>
        <source>Left Border:</source>
        <translation>Bordure gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Right Border:</source>
        <translation>Bordure droite&#xa0;:</translation>
    </message>
    <message>
        <source>Bottom Border:</source>
        <translation>Bordure du bas&#xa0;:</translation>
    </message>
    <message>
        <source>Sync Top and Left Border Colors</source>
        <translation>Même couleur en haut et à gauche</translation>
    </message>
    <message>
        <source>Sync Right and Bottom Border Colors</source>
        <translation>Même couleur à droite et en bas</translation>
    </message>
    <message>
        <source>Constrain Button Dimensions Proportionally to Font Size</source>
        <translation>Dimensions du bouton proportionnelles à la taille de police</translation>
    </message>
    <message>
        <source>Button Width:</source>
        <translation>Largeur du bouton&#xa0;:</translation>
    </message>
    <message>
        <source>Button Height:</source>
        <translation>Hauteur du bouton&#xa0;:</translation>
    </message>
    <message>
        <source>Border Thickness:</source>
        <translation>Épaisseur des bordures&#xa0;:</translation>
    </message>
</context>
<context>
    <name>dialogs::FontOptions</name>
    <message>
        <source>Font Options:</source>
        <translation>Options de police&#xa0;:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police&#xa0;:</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Taille de police&#xa0;:</translation>
    </message>
    <message>
        <source>Font Weight:</source>
        <translation>Graisse&#xa0;:</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Plus fin</translation>
    </message>
    <message>
        <source>Bolder</source>
        <translation>Plus gras</translation>
    </message>
</context>
<context>
    <name>dialogs::GeneratedCodeDialog</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Generated Menu Code</source>
        <translation>Code du menu généré</translation>
    </message>
    <message>
        <source>Javascript Function Code</source>
        <translation>Code de la fonction Javascript</translation>
    </message>
    <message>
        <source>Copy and paste this code into the head section of your page (anywhere between the &lt;HEAD&gt; and &lt;/HEAD&gt; tags).</source>
        <translation>Copiez-collez ce code dans la section head de votre page (n&apos;importe où entre les balises &lt;HEAD&gt; et &lt;/HEAD&gt;).</translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation>Code HTML</translation>
    </message>
    <message>
        <source>Copy and paste this code into the body section of your page (anywhere between the &lt;BODY&gt; and &lt;/BODY&gt; tags) wherever you want the menu to appear.</source>
        <translation>Copiez-collez ce code dans la section body de votre page (n&apos;importe où entre les balises &lt;BODY&gt; et &lt;/BODY&gt;), à l&apos;endroit où le menu doit apparaître.</translation>
    </message>
    <message>
        <source>Note: If you are placing more than one menu on the same page, you only need one occurence of the Javascript Function Code in the &quot;Head&quot; section of your page.</source>
        <translation>Remarque&#xa0;: si vous placez plusieurs menus sur la même page, il suffit d&apos;une seule occurrence du code de la fonction Javascript dans la section «&#xa0;Head&#xa0;» de votre page.</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportDialog</name>
    <message>
        <source>Import Links</source>
        <translation>Importer des liens</translation>
    </message>
    <message>
        <source>Import from:</source>
        <translation>Importer depuis&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Site f&amp;older:</source>
        <translation>&amp;Dossier du site&#xa0;:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Parco&amp;urir...</translation>
    </message>
    <message>
        <source>Pasted &amp;text:</source>
        <translation>&amp;Texte collé&#xa0;:</translation>
    </message>
    <message>
        <source>One link a line: an address, or a text and a tab or | before the address</source>
        <translation>Un lien par ligne&#xa0;: une adresse, ou un texte puis une tabulation ou | avant l&apos;adresse</translation>
    </message>
    <message>
        <source>https://example.com/</source>
        <translation>https://example.com/</translation>
    </message>
    <message>
        <source>Base fol&amp;der:</source>
        <translation>Dossier de &amp;base&#xa0;:</translation>
    </message>
    <message>
        <source>Brow&amp;se...</source>
        <translation>Parcour&amp;ir...</translation>
    </message>
    <message>
        <source>&amp;Read Links</source>
        <translation>&amp;Lire les liens</translation>
    </message>
    <message>
        <source>Base &amp;address:</source>
        <translation>&amp;Adresse de base&#xa0;:</translation>
    </message>
    <message>
        <source>Import Links from a Site Folder</source>
        <translation>Importer des liens depuis un dossier de site</translation>
    </message>
    <message>
        <source>Base Folder</source>
        <translation>Dossier de base</translation>
    </message>
    <message>
        <source>Reading links...</source>
        <translation>Lecture des liens...</translation>
    </message>
    <message>
        <source>&amp;Links found:</source>
        <translation>Liens tr&amp;ouvés&#xa0;:</translation>
    </message>
    <message>
        <source>Append at the &amp;end of the list</source>
        <translation>Ajouter à la fi&amp;n de la liste</translation>
    </message>
    <message>
        <source>&amp;Insert after the selected row</source>
        <translation>Insérer après la ligne &amp;sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Preselect the first entry</source>
        <translation>&amp;Présélectionner la première entrée</translation>
    </message>
    <message>
        <source>Add to &amp;Menu</source>
        <translation>Ajouter au &amp;menu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bookmarks, Sitemaps, Web Pages and Lists of Addresses|*.html;*.htm;*.xhtml;*.xml;*.gz;*.txt|All Files|*</source>
        <translation>Favoris, plans de site, pages web et listes d&apos;adresses|*.html;*.htm;*.xhtml;*.xml;*.gz;*.txt|Tous les fichiers|*</translation>
    </message>
    <message>
        <source>Import Links from a File</source>
        <translation>Importer des liens depuis un fichier</translation>
    </message>
    <message>
        <source>Choose a file or a site folder, or paste links, and then press Read Links.</source>
        <translation>Choisissez un fichier ou un dossier de site, ou collez des liens, puis cliquez sur Lire les liens.</translation>
    </message>
    <message>
        <source>Links ticked: %1</source>
        <translation>Liens cochés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import Links</source>
        <comment>a step of the history</comment>
        <translation>Importer des liens</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportTreeModel</name>
    <message>
        <source>Same address as above</source>
        <translation>Même adresse que ci-dessus</translation>
    </message>
    <message>
        <source>Item Text</source>
        <translation>Texte de l&apos;entrée</translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation>URL du lien</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>dialogs::LoadingWindow</name>
    <message>
        <source>Loading. Please wait...</source>
        <translation>Chargement. Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>dialogs::MenuStyleDialog</name>
    <message>
        <source>Advanced Menu Options</source>
        <translation>Options avancées du menu</translation>
    </message>
    <message>
        <source>Use Default System Menu Colors</source>
        <translation>Utiliser les couleurs système du menu</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond&#xa0;:</translation>
    </message>
    <message>
        <source>Constrain Width Proportionally to Font Size</source>
        <translation>Largeur proportionnelle à la taille de police</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>dialogs::NoticeDialog</name>
    <message>
        <source>Show this message again in the future.</source>
        <translation>Afficher ce message à l&apos;avenir.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>dialogs::StyleDialog</name>
    <message>
        <source>Color Options:</source>
        <translation>Options de couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation>Dimensions&#xa0;:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dialogs::TellFriendsDialog</name>
    <message>
        <source>Tell your friends about Quorvane</source>
        <translation>Parlez de Quorvane à vos amis</translation>
    </message>
    <message>
        <source>Your friends&apos; email addresses:</source>
        <translation>Adresses e-mail de vos amis&#xa0;:</translation>
    </message>
    <message>
        <source>Friend&apos;s email address %1</source>
        <translation>Adresse e-mail de l&apos;ami %1</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dialogs::TipOfTheDayDialog</name>
    <message>
        <source>Quorvane Tip of the Day</source>
        <translation>Astuce du jour de Quorvane</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
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
        <translation>Texte de l&apos;entrée</translation>
    </message>
    <message>
        <source>Linked?</source>
        <translation>Liée&#xa0;?</translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation>URL du lien</translation>
    </message>
    <message>
        <source>Selected?</source>
        <translation>Sélectionnée&#xa0;?</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>mainwindow::CommandActions</name>
    <message>
        <source>&amp;New Menu Project</source>
        <translation>&amp;Nouveau projet de menu</translation>
    </message>
    <message>
        <source>Create new menu project</source>
        <translation>Créer un nouveau projet de menu</translation>
    </message>
    <message>
        <source>&amp;Load Saved Menu Project</source>
        <translation>&amp;Ouvrir un projet de menu enregistré</translation>
    </message>
    <message>
        <source>Load saved menu project</source>
        <translation>Ouvrir un projet de menu enregistré</translation>
    </message>
    <message>
        <source>&amp;Import Links...</source>
        <translation>&amp;Importer des liens...</translation>
    </message>
    <message>
        <source>Import links from bookmarks, a sitemap, a site folder or a page</source>
        <translation>Importer des liens depuis des favoris, un plan de site, un dossier de site ou une page</translation>
    </message>
    <message>
        <source>&amp;Save Menu Project</source>
        <translation>&amp;Enregistrer le projet de menu</translation>
    </message>
    <message>
        <source>Save current menu project</source>
        <translation>Enregistrer le projet de menu actuel</translation>
    </message>
    <message>
        <source>&amp;Copy Code to Clipboard</source>
        <translation>&amp;Copier le code dans le presse-papiers</translation>
    </message>
    <message>
        <source>Generate menu code and copy to clipboard</source>
        <translation>Générer le code du menu et le copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save Code to &amp;File</source>
        <translation>Enregistrer le code dans un &amp;fichier</translation>
    </message>
    <message>
        <source>Generate menu code and save to a file</source>
        <translation>Générer le code du menu et l&apos;enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Preview Menu in Browser</source>
        <translation>&amp;Aperçu du menu dans le navigateur</translation>
    </message>
    <message>
        <source>Preview menu in browser</source>
        <translation>Aperçu du menu dans le navigateur</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Open help file</source>
        <translation>Ouvrir l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutoriel</translation>
    </message>
    <message>
        <source>&amp;Context Help</source>
        <translation>Aide &amp;contextuelle</translation>
    </message>
    <message>
        <source>Show context help</source>
        <translation>Afficher l&apos;aide contextuelle</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>Astuce du &amp;jour</translation>
    </message>
    <message>
        <source>Tell &amp;Friends about Quorvane</source>
        <translation>Parler de Quorvane à vos &amp;amis</translation>
    </message>
    <message>
        <source>&amp;Other Software from Brindlecote</source>
        <translation>Autres &amp;logiciels de Brindlecote</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>À propos de Quorvane</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move selected item up one position.</source>
        <translation>Monter l&apos;entrée sélectionnée d&apos;une position.</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move selected item down one position.</source>
        <translation>Descendre l&apos;entrée sélectionnée d&apos;une position.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit text and link url of selected item.</source>
        <translation>Modifier le texte et l&apos;URL du lien de l&apos;entrée sélectionnée.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected item.</source>
        <translation>Supprimer l&apos;entrée sélectionnée.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemCommands</name>
    <message>
        <source>Add Item</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message>
        <source>Update Item</source>
        <translation>Mettre à jour l&apos;entrée</translation>
    </message>
    <message>
        <source>Move Item Up</source>
        <translation>Monter l&apos;entrée</translation>
    </message>
    <message>
        <source>Move Item Down</source>
        <translation>Descendre l&apos;entrée</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Déplacer l&apos;entrée</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Supprimer l&apos;entrée</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemEditor</name>
    <message>
        <source>Item Properties:</source>
        <translation>Propriétés de l&apos;entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Item Text:</source>
        <translation>Texte de l&apos;entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Link URL:</source>
        <translation>URL du lien&#xa0;:</translation>
    </message>
    <message>
        <source>Default selected</source>
        <translation>Sélectionnée par défaut</translation>
    </message>
    <message>
        <source>Group heading</source>
        <translation>Titre de groupe</translation>
    </message>
    <message>
        <source>Not linked</source>
        <translation>Sans lien</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Couleur par défaut</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Couleur de fond&#xa0;:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Couleur du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemListPanel</name>
    <message>
        <source>Currently Added Menu Items:</source>
        <translation>Entrées ajoutées au menu&#xa0;:</translation>
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
        <translation>Images de boutons gratuites de Brindlecote</translation>
    </message>
    <message>
        <source>Professionally Designed Web Site Templates</source>
        <translation>Modèles de sites web conçus par des professionnels</translation>
    </message>
</context>
<context>
    <name>mainwindow::OptionsPanel</name>
    <message>
        <source>Global Menu Properties</source>
        <translation>Propriétés générales du menu</translation>
    </message>
    <message>
        <source>Submit Button Properties</source>
        <translation>Propriétés du bouton d&apos;envoi</translation>
    </message>
    <message>
        <source>Menu Name:</source>
        <translation>Nom du menu&#xa0;:</translation>
    </message>
    <message>
        <source>(Must be unique for each menu on page.)</source>
        <translation>(Doit être unique pour chaque menu de la page.)</translation>
    </message>
    <message>
        <source>Navigate on Button Click</source>
        <translation>Naviguer au clic sur le bouton</translation>
    </message>
    <message>
        <source>Navigate on Item Change</source>
        <translation>Naviguer au choix d&apos;une entrée</translation>
    </message>
    <message>
        <source>Same window</source>
        <translation>Même fenêtre</translation>
    </message>
    <message>
        <source>New window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Different frame</source>
        <translation>Autre cadre</translation>
    </message>
    <message>
        <source>Frame Name:</source>
        <translation>Nom du cadre&#xa0;:</translation>
    </message>
    <message>
        <source>Target of Links:</source>
        <translation>Cible des liens&#xa0;:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Align to Button:</source>
        <translation>Aligner sur le bouton&#xa0;:</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>URL of Button Graphic:</source>
        <translation>URL de l&apos;image du bouton&#xa0;:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Alt Text:</source>
        <translation>Texte alternatif&#xa0;:</translation>
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
        <translation>Enregistrer le projet de menu sous...</translation>
    </message>
    <message>
        <source>Load Menu Project...</source>
        <translation>Ouvrir un projet de menu...</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>Oops!</source>
        <translation>Oups&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>You have chosen to use a different frame as the target of your links but you have not specified the name of the frame. You must enter a frame name or choose another target for the links.</source>
        <translation>Vous avez choisi d&apos;ouvrir vos liens dans un autre cadre, mais vous n&apos;avez pas indiqué le nom de ce cadre. Saisissez un nom de cadre ou choisissez une autre cible pour les liens.</translation>
    </message>
    <message>
        <source>You have chosen to use a graphical submit button style but have not specified a URL for the graphic. Please specify a URL for the button graphic in the space provided.</source>
        <translation>Vous avez choisi un bouton d&apos;envoi sous forme d&apos;image, mais vous n&apos;avez pas indiqué l&apos;URL de l&apos;image. Veuillez indiquer l&apos;URL de l&apos;image du bouton dans la zone prévue à cet effet.</translation>
    </message>
    <message>
        <source>You must specify a name for the menu to be used in the code. This uniquely identifies this menu in case more than one menu is to be placed on the same page.</source>
        <translation>Vous devez indiquer un nom pour le menu, qui sera utilisé dans le code. Ce nom identifie le menu de façon unique si plusieurs menus sont placés sur la même page.</translation>
    </message>
    <message>
        <source>Menu Name must not contain any spaces or special characters.</source>
        <translation>Le nom du menu ne doit contenir ni espaces ni caractères spéciaux.</translation>
    </message>
    <message>
        <source>Menu Name must begin with a letter or an underscore.</source>
        <translation>Le nom du menu doit commencer par une lettre ou un tiret bas (_).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid Quorvane Project file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de projet Quorvane valide.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;. The file is either corrupt, not a valid Quorvane project file, or no longer exists.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;». Le fichier est endommagé, n&apos;est pas un fichier de projet Quorvane valide ou n&apos;existe plus.</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before closing? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Ce projet de menu a été modifié. Voulez-vous enregistrer vos modifications avant de fermer&#xa0;? (Cliquez sur «&#xa0;Annuler&#xa0;» pour revenir à Quorvane.)</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before creating a new project? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Ce projet de menu a été modifié. Voulez-vous enregistrer vos modifications avant de créer un nouveau projet&#xa0;? (Cliquez sur «&#xa0;Annuler&#xa0;» pour revenir à Quorvane.)</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before loading another project? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Ce projet de menu a été modifié. Voulez-vous enregistrer vos modifications avant d&apos;ouvrir un autre projet&#xa0;? (Cliquez sur «&#xa0;Annuler&#xa0;» pour revenir à Quorvane.)</translation>
    </message>
    <message>
        <source>Save Project?</source>
        <translation>Enregistrer le projet&#xa0;?</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>This menu project uses a font that is not installed on your system. The default font will be used instead.</source>
        <translation>Ce projet de menu utilise une police qui n&apos;est pas installée sur votre système. La police par défaut sera utilisée à la place.</translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation>Impossible de lancer votre logiciel de messagerie.</translation>
    </message>
    <message>
        <source>The help page could not be found. Quorvane looked for it here:

%1</source>
        <translation>La page d&apos;aide est introuvable. Quorvane l&apos;a cherchée ici&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation>Entrée sélectionnée</translation>
    </message>
    <message>
        <source>You have already designated &quot;%1&quot; as the selected item in the menu. Do you wish to change it to this one?</source>
        <translation>Vous avez déjà choisi «&#xa0;%1&#xa0;» comme entrée sélectionnée par défaut du menu. Voulez-vous la remplacer par celle-ci&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Delete selected item?</source>
        <translation>Supprimer l&apos;entrée sélectionnée&#xa0;?</translation>
    </message>
    <message>
        <source>Quorvane could not perform this operation due to the following error:

&quot;%1&quot;</source>
        <translation>Quorvane n&apos;a pas pu effectuer cette opération à cause de l&apos;erreur suivante&#xa0;:

«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Please enter a valid color value or click &quot;Select&quot; to choose a color.</source>
        <translation>Veuillez saisir une valeur de couleur valide ou cliquer sur «&#xa0;Choisir&#xa0;» pour sélectionner une couleur.</translation>
    </message>
    <message>
        <source>Please enter a valid color value.</source>
        <translation>Veuillez saisir une valeur de couleur valide.</translation>
    </message>
</context>
<context>
    <name>preview</name>
    <message>
        <source>The live preview is switched off.</source>
        <translation>L&apos;aperçu en direct est désactivé.</translation>
    </message>
    <message>
        <source>No live preview: Qt WebEngine is not fully installed.</source>
        <translation>Pas d&apos;aperçu en direct&#xa0;: Qt WebEngine n&apos;est pas entièrement installé.</translation>
    </message>
    <message>
        <source>No live preview as root unless QTWEBENGINE_DISABLE_SANDBOX=1 is set.</source>
        <translation>Pas d&apos;aperçu en direct en tant que root, sauf si QTWEBENGINE_DISABLE_SANDBOX=1 est défini.</translation>
    </message>
    <message>
        <source>No live preview: this system allows its sandbox no user namespaces (QTWEBENGINE_DISABLE_SANDBOX=1 runs it without).</source>
        <translation>Pas d&apos;aperçu en direct&#xa0;: ce système refuse à son bac à sable les espaces de noms utilisateur (QTWEBENGINE_DISABLE_SANDBOX=1 le lance sans bac à sable).</translation>
    </message>
</context>
<context>
    <name>preview::PreviewDock</name>
    <message>
        <source>Live Preview</source>
        <translation>Aperçu en direct</translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation>Aperçu en &amp;direct</translation>
    </message>
    <message>
        <source>Show or hide the menu as it will look, beside the list</source>
        <translation>Afficher ou masquer, à côté de la liste, le menu tel qu&apos;il apparaîtra</translation>
    </message>
</context>
<context>
    <name>preview::PreviewPage</name>
    <message>
        <source>Would open %1 in a new window</source>
        <translation>Ouvrirait %1 dans une nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Would open %1 in the same window</source>
        <translation>Ouvrirait %1 dans la même fenêtre</translation>
    </message>
    <message>
        <source>Would open %1 in the frame «%2»</source>
        <translation>Ouvrirait %1 dans le cadre «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes nowhere: the entry has no link</source>
        <translation>«&#xa0;%1&#xa0;» ne mène nulle part&#xa0;: l&apos;entrée n&apos;a pas de lien</translation>
    </message>
    <message>
        <source>The page would show the message &quot;%1&quot;</source>
        <translation>La page afficherait le message «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>preview::PreviewPane</name>
    <message>
        <source>Preview note</source>
        <translation>Note de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Choose an entry of the menu to see where it would go.</source>
        <translation>Choisissez une entrée du menu pour voir où elle mènerait.</translation>
    </message>
    <message>
        <source>Where the entry would go</source>
        <translation>Où l&apos;entrée mènerait</translation>
    </message>
    <message>
        <source>Add entries to the list to see the menu here.</source>
        <translation>Ajoutez des entrées à la liste pour voir le menu ici.</translation>
    </message>
</context>
<context>
    <name>preview::PreviewView</name>
    <message>
        <source>Menu preview</source>
        <translation>Aperçu du menu</translation>
    </message>
    <message>
        <source>The preview&apos;s page stopped; it starts again with the next change.</source>
        <translation>La page de l&apos;aperçu s&apos;est arrêtée&#xa0;; elle redémarrera à la prochaine modification.</translation>
    </message>
    <message>
        <source>No private folder for the preview could be made in %1</source>
        <translation>Impossible de créer un dossier privé pour l&apos;aperçu dans %1</translation>
    </message>
</context>
<context>
    <name>style</name>
    <message>
        <source>Important Message</source>
        <translation>Message important</translation>
    </message>
    <message>
        <source>Advanced properties (colors, font, etc.) for menus and buttons will only show up if the menu is viewed in Microsoft Internet Explorer. Netscape always uses one default font and style for Javascript menu elements.</source>
        <translation>Les propriétés avancées (couleurs, police, etc.) des menus et des boutons ne s&apos;affichent que si le menu est vu dans Microsoft Internet Explorer. Netscape utilise toujours une police et un style par défaut pour les éléments de menu Javascript.</translation>
    </message>
    <message>
        <source>Changing this value has no effect when &quot;Use Default User System Button Colors&quot; is checked. A border is only displayed if you are using non-default colors.</source>
        <translation>Modifier cette valeur n&apos;a aucun effet quand la case «&#xa0;Utiliser les couleurs système du bouton&#xa0;» est cochée. Une bordure ne s&apos;affiche que si vous utilisez d&apos;autres couleurs que celles par défaut.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>This will restore all values in this dialog to the program default settings. All current settings will be lost. Do you wish to continue?</source>
        <translation>Toutes les valeurs de cette fenêtre vont reprendre les réglages par défaut du programme. Tous les réglages actuels seront perdus. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>pixels</translation>
    </message>
</context>
<context>
    <name>widgets::ColorRow</name>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
</context>
</TS>
