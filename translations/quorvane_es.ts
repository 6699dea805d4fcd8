<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ChangeOptionsCommand</name>
    <message>
        <source>Change Menu Name</source>
        <translation>Cambiar nombre del menú</translation>
    </message>
    <message>
        <source>Change Navigation</source>
        <translation>Cambiar navegación</translation>
    </message>
    <message>
        <source>Change Target of Links</source>
        <translation>Cambiar destino de los enlaces</translation>
    </message>
    <message>
        <source>Change Frame Name</source>
        <translation>Cambiar nombre del marco</translation>
    </message>
    <message>
        <source>Change Alignment</source>
        <translation>Cambiar alineación</translation>
    </message>
    <message>
        <source>Change Button Kind</source>
        <translation>Cambiar tipo de botón</translation>
    </message>
    <message>
        <source>Change Button Text</source>
        <translation>Cambiar texto del botón</translation>
    </message>
    <message>
        <source>Change Button Graphic</source>
        <translation>Cambiar imagen del botón</translation>
    </message>
    <message>
        <source>Change Graphic Width</source>
        <translation>Cambiar ancho de la imagen</translation>
    </message>
    <message>
        <source>Change Graphic Height</source>
        <translation>Cambiar alto de la imagen</translation>
    </message>
    <message>
        <source>Change Alt Text</source>
        <translation>Cambiar texto alternativo</translation>
    </message>
</context>
<context>
    <name>ChangeStyleCommand</name>
    <message>
        <source>Change Menu Style</source>
        <translation>Cambiar estilo del menú</translation>
    </message>
    <message>
        <source>Change Button Style</source>
        <translation>Cambiar estilo del botón</translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>No se ha podido leer el archivo %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be read.</source>
        <translation>No se ha podido leer la carpeta %1.</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>El archivo %1 está vacío.</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB. Files of up to %2 MB can be imported.</source>
        <translation>El archivo %1 ocupa más de %2 MB. Se pueden importar archivos de hasta %2 MB.</translation>
    </message>
    <message>
        <source>The file %1 is not a bookmarks file, sitemap, web page or list of addresses.</source>
        <translation>El archivo %1 no es un archivo de marcadores, un mapa del sitio, una página web ni una lista de direcciones.</translation>
    </message>
    <message>
        <source>The file %1 is a damaged or incomplete gzip file.</source>
        <translation>El archivo %1 es un archivo gzip dañado o incompleto.</translation>
    </message>
    <message>
        <source>The file %1 unpacks to more than %2 MB. Sitemaps of up to %2 MB can be imported.</source>
        <translation>Descomprimido, el archivo %1 ocupa más de %2 MB. Se pueden importar mapas del sitio de hasta %2 MB.</translation>
    </message>
    <message>
        <source>The file %1 declares entities. Such files are not read, to keep this computer safe.</source>
        <translation>El archivo %1 declara entidades. Estos archivos no se leen, para proteger este equipo.</translation>
    </message>
    <message>
        <source>The file %1 is not well-formed XML (line %2), so it cannot be read as a sitemap.</source>
        <translation>El archivo %1 no es XML bien formado (línea %2), así que no se puede leer como mapa del sitio.</translation>
    </message>
    <message>
        <source>The file %1 is nested more than %2 levels deep, so it cannot be read as a sitemap.</source>
        <translation>El archivo %1 tiene más de %2 niveles de anidamiento, así que no se puede leer como mapa del sitio.</translation>
    </message>
    <message>
        <source>The file %1 is not a sitemap: it holds &lt;%2&gt;, not &lt;urlset&gt; or &lt;sitemapindex&gt;.</source>
        <translation>El archivo %1 no es un mapa del sitio: contiene &lt;%2&gt;, no &lt;urlset&gt; ni &lt;sitemapindex&gt;.</translation>
    </message>
    <message>
        <source>The base address %1 is not a complete address such as https://example.com/.</source>
        <translation>La dirección base %1 no es una dirección completa como https://example.com/.</translation>
    </message>
    <message>
        <source>The folder %1 does not lie in the base folder %2.</source>
        <translation>La carpeta %1 no está dentro de la carpeta base %2.</translation>
    </message>
    <message>
        <source>No links that can be imported were found in %1.</source>
        <translation>En %1 no se ha encontrado ningún enlace que se pueda importar.</translation>
    </message>
    <message>
        <source>The file %1 is nested more than %2 levels deep; what lies deeper was not read.</source>
        <translation>El archivo %1 tiene más de %2 niveles de anidamiento; lo que hay por debajo no se ha leído.</translation>
    </message>
    <message>
        <source>Only the first %1 links were read; the rest of the source was left out.</source>
        <translation>Solo se han leído los primeros %1 enlaces; el resto del origen se ha dejado fuera.</translation>
    </message>
    <message>
        <source>The folder holds more than %1 files and folders; only the first %1 were looked at.</source>
        <translation>La carpeta contiene más de %1 archivos y carpetas; solo se han examinado los primeros %1.</translation>
    </message>
    <message>
        <source>The sitemap %1 named in the index was not found beside it.</source>
        <translation>El mapa del sitio %1, que figura en el índice, no se ha encontrado junto a este.</translation>
    </message>
    <message>
        <source>The sitemap index %1 names another index, %2; indexes inside indexes are not read.</source>
        <translation>El índice de mapas del sitio %1 remite a otro índice, %2; no se leen índices dentro de índices.</translation>
    </message>
    <message>
        <source>1 link to a script was skipped.</source>
        <translation>Se ha omitido 1 enlace a un script.</translation>
    </message>
    <message>
        <source>%1 links to scripts were skipped.</source>
        <translation>Se han omitido %1 enlaces a scripts.</translation>
    </message>
    <message>
        <source>1 link to embedded data was skipped.</source>
        <translation>Se ha omitido 1 enlace a datos incrustados.</translation>
    </message>
    <message>
        <source>%1 links to embedded data were skipped.</source>
        <translation>Se han omitido %1 enlaces a datos incrustados.</translation>
    </message>
    <message>
        <source>1 link to a page of the browser was skipped.</source>
        <translation>Se ha omitido 1 enlace a una página del navegador.</translation>
    </message>
    <message>
        <source>%1 links to pages of the browser were skipped.</source>
        <translation>Se han omitido %1 enlaces a páginas del navegador.</translation>
    </message>
    <message>
        <source>1 link to a file on this computer was skipped.</source>
        <translation>Se ha omitido 1 enlace a un archivo de este equipo.</translation>
    </message>
    <message>
        <source>%1 links to files on this computer were skipped.</source>
        <translation>Se han omitido %1 enlaces a archivos de este equipo.</translation>
    </message>
    <message>
        <source>1 link without an address was skipped.</source>
        <translation>Se ha omitido 1 enlace sin dirección.</translation>
    </message>
    <message>
        <source>%1 links without an address were skipped.</source>
        <translation>Se han omitido %1 enlaces sin dirección.</translation>
    </message>
    <message>
        <source>1 link to a place on the same page was skipped.</source>
        <translation>Se ha omitido 1 enlace a un punto de la misma página.</translation>
    </message>
    <message>
        <source>%1 links to places on the same page were skipped.</source>
        <translation>Se han omitido %1 enlaces a puntos de la misma página.</translation>
    </message>
    <message>
        <source>1 address that could not be read was skipped.</source>
        <translation>Se ha omitido 1 dirección que no se ha podido leer.</translation>
    </message>
    <message>
        <source>%1 addresses that could not be read were skipped.</source>
        <translation>Se han omitido %1 direcciones que no se han podido leer.</translation>
    </message>
    <message>
        <source>No links that can be imported were found in the pasted text.</source>
        <translation>En el texto pegado no se ha encontrado ningún enlace que se pueda importar.</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>Type the words visitors see for this entry of the menu. Press Add or Enter to put the entry at the end of the list.</source>
        <translation>Escribe el texto que verán los visitantes en este elemento del menú. Pulsa Añadir o Intro para ponerlo al final de la lista.</translation>
    </message>
    <message>
        <source>Type the address of the page this entry leads to, such as products.html or https://www.example.com/. You can also drag a link from your web browser onto this box.</source>
        <translation>Escribe la dirección de la página a la que lleva este elemento, como productos.html o https://www.example.com/. También puedes arrastrar un enlace desde tu navegador web hasta este cuadro.</translation>
    </message>
    <message>
        <source>Makes this entry the one the menu shows when the page loads. A menu has only one such entry; Quorvane asks before moving the choice to another entry.</source>
        <translation>Hace que el menú muestre este elemento al cargarse la página. Un menú solo tiene un elemento así; Quorvane pregunta antes de pasar la elección a otro elemento.</translation>
    </message>
    <message>
        <source>Makes this entry a group heading: a bold label that visitors cannot choose. The entries added after it are grouped under it.</source>
        <translation>Convierte este elemento en un encabezado de grupo: un rótulo en negrita que los visitantes no pueden elegir. Los elementos que añadas después quedan agrupados bajo él.</translation>
    </message>
    <message>
        <source>Adds an entry that leads nowhere, such as &quot;Choose a page&quot; or a line of dashes. Choosing it in the menu does nothing.</source>
        <translation>Añade un elemento que no lleva a ninguna parte, como &quot;Elige una página&quot; o una línea de guiones. Elegirlo en el menú no hace nada.</translation>
    </message>
    <message>
        <source>Leave this checked to give the entry the menu&apos;s own colours. Clear it to choose a background and text colour for this entry alone.</source>
        <translation>Deja esta casilla marcada para que el elemento tenga los colores del propio menú. Desmárcala para elegir un color de fondo y de texto solo para este elemento.</translation>
    </message>
    <message>
        <source>The entry&apos;s background colour: # and six hexadecimal digits for red, green and blue, such as #FFFF00 for yellow. The button beside the box lets you pick the colour instead.</source>
        <translation>El color de fondo del elemento: # y seis dígitos hexadecimales para el rojo, el verde y el azul, como #FFFF00 para el amarillo. También puedes elegir el color con el botón que hay junto al cuadro.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the entry&apos;s background colour.</source>
        <translation>Abre el selector de colores para elegir el color de fondo del elemento.</translation>
    </message>
    <message>
        <source>The entry&apos;s text colour: # and six hexadecimal digits for red, green and blue, such as #000080 for dark blue. The button beside the box lets you pick the colour instead.</source>
        <translation>El color del texto del elemento: # y seis dígitos hexadecimales para el rojo, el verde y el azul, como #000080 para el azul oscuro. También puedes elegir el color con el botón que hay junto al cuadro.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the entry&apos;s text colour.</source>
        <translation>Abre el selector de colores para elegir el color del texto del elemento.</translation>
    </message>
    <message>
        <source>Adds the entry typed above to the end of the menu. It is available once the entry has a text and a link, or is a group heading or not linked.</source>
        <translation>Añade al final del menú el elemento escrito arriba. Se puede usar en cuanto el elemento tiene un texto y un enlace, o es un encabezado de grupo o no tiene enlace.</translation>
    </message>
    <message>
        <source>Replaces the entry selected in the list with the one typed above. Use Edit first to bring an entry back into these boxes.</source>
        <translation>Sustituye el elemento seleccionado en la lista por el escrito arriba. Usa antes Editar para volver a traer un elemento a estos cuadros.</translation>
    </message>
    <message>
        <source>The entries of your menu, in the order visitors will see them. Drag an entry to move it, double-click it or press Enter to edit it, or right-click it for the list&apos;s commands.</source>
        <translation>Los elementos de tu menú, en el orden en que los verán los visitantes. Arrastra un elemento para moverlo, haz doble clic en él o pulsa Intro para editarlo, o haz clic en él con el botón derecho para ver los comandos de la lista.</translation>
    </message>
    <message>
        <source>Moves the selected entry one place up in the menu; Ctrl+Up does the same in the list.</source>
        <translation>Sube un puesto en el menú el elemento seleccionado; en la lista, Ctrl+Flecha arriba hace lo mismo.</translation>
    </message>
    <message>
        <source>Moves the selected entry one place down in the menu; Ctrl+Down does the same in the list.</source>
        <translation>Baja un puesto en el menú el elemento seleccionado; en la lista, Ctrl+Flecha abajo hace lo mismo.</translation>
    </message>
    <message>
        <source>Brings the selected entry back into the Item Properties boxes, so you can change it and press Update. F2 or Enter in the list does the same.</source>
        <translation>Vuelve a traer el elemento seleccionado a los cuadros de Propiedades del elemento, para que lo cambies y pulses Actualizar. En la lista, F2 o Intro hacen lo mismo.</translation>
    </message>
    <message>
        <source>Removes the selected entry from the menu, after asking you; the Delete key does the same in the list.</source>
        <translation>Quita del menú el elemento seleccionado, después de preguntarte; en la lista, la tecla Supr hace lo mismo.</translation>
    </message>
    <message>
        <source>Adds entries from links you already have: browser bookmarks, a sitemap, a site folder, a web page or pasted addresses. You can also drop such a file or folder on the list.</source>
        <translation>Añade elementos a partir de enlaces que ya tienes: marcadores del navegador, un mapa del sitio, una carpeta del sitio, una página web o direcciones pegadas. También puedes soltar un archivo o una carpeta así sobre la lista.</translation>
    </message>
    <message>
        <source>The settings of the whole menu and of its submit button, on two tabs.</source>
        <translation>Los ajustes de todo el menú y de su botón de envío, en dos pestañas.</translation>
    </message>
    <message>
        <source>The name that identifies this menu in your page&apos;s code: letters, digits and underscores, starting with a letter or an underscore. Each menu on a page needs a name of its own.</source>
        <translation>El nombre que identifica este menú en el código de tu página: letras, cifras y guiones bajos, empezando por una letra o un guion bajo. Cada menú de una página necesita un nombre propio.</translation>
    </message>
    <message>
        <source>Visitors choose an entry and then press the button beside the menu to go to its page.</source>
        <translation>Los visitantes eligen un elemento y luego pulsan el botón que hay junto al menú para ir a su página.</translation>
    </message>
    <message>
        <source>Visitors go to an entry&apos;s page as soon as they choose it, so the menu needs no button.</source>
        <translation>Los visitantes van a la página de un elemento en cuanto lo eligen, así que el menú no necesita botón.</translation>
    </message>
    <message>
        <source>Where the linked pages open: in the same window, in a new window, or in another frame of your frameset.</source>
        <translation>Dónde se abren las páginas enlazadas: en la misma ventana, en una ventana nueva o en otro marco de tu conjunto de marcos.</translation>
    </message>
    <message>
        <source>The name of the frame that shows the linked pages, exactly as your frameset names it.</source>
        <translation>El nombre del marco que muestra las páginas enlazadas, escrito exactamente como lo llama tu conjunto de marcos.</translation>
    </message>
    <message>
        <source>Whether the menu lines up with the top, the middle or the bottom of its button.</source>
        <translation>Si el menú se alinea con la parte de arriba, el centro o la parte de abajo de su botón.</translation>
    </message>
    <message>
        <source>Opens Advanced Menu Options, where you choose the menu&apos;s colours, font and width.</source>
        <translation>Abre Opciones avanzadas del menú, donde eliges los colores, la fuente y el ancho del menú.</translation>
    </message>
    <message>
        <source>Uses an ordinary button that shows the text typed below.</source>
        <translation>Usa un botón normal que muestra el texto escrito debajo.</translation>
    </message>
    <message>
        <source>Uses a picture of your own as the button. Type the picture&apos;s address below.</source>
        <translation>Usa una imagen tuya como botón. Escribe debajo la dirección de la imagen.</translation>
    </message>
    <message>
        <source>The words on the button, such as Go.</source>
        <translation>El texto del botón, como Ir.</translation>
    </message>
    <message>
        <source>Opens Advanced Button Options, where you choose the button&apos;s colours, border, font and size.</source>
        <translation>Abre Opciones avanzadas del botón, donde eliges los colores, el borde, la fuente y el tamaño del botón.</translation>
    </message>
    <message>
        <source>The address of the button&apos;s picture, such as images/go.gif.</source>
        <translation>La dirección de la imagen del botón, como imagenes/ir.gif.</translation>
    </message>
    <message>
        <source>The width of the button picture in pixels. Leave it empty to use the picture&apos;s own width.</source>
        <translation>El ancho de la imagen del botón en píxeles. Déjalo vacío para usar el ancho propio de la imagen.</translation>
    </message>
    <message>
        <source>The height of the button picture in pixels. Leave it empty to use the picture&apos;s own height.</source>
        <translation>El alto de la imagen del botón en píxeles. Déjalo vacío para usar el alto propio de la imagen.</translation>
    </message>
    <message>
        <source>A few words that stand in for the picture while it loads, and for visitors who cannot see it.</source>
        <translation>Unas pocas palabras que sustituyen a la imagen mientras se carga y para los visitantes que no pueden verla.</translation>
    </message>
    <message>
        <source>Opens the Brindlecote web site, where you find free button pictures to use as a graphic button.</source>
        <translation>Abre el sitio web de Brindlecote, donde encontrarás imágenes gratuitas para usar como botón con imagen.</translation>
    </message>
    <message>
        <source>Opens a web site that offers ready-made designs for your pages.</source>
        <translation>Abre un sitio web que ofrece diseños ya hechos para tus páginas.</translation>
    </message>
    <message>
        <source>Starts a new, empty menu. Quorvane asks first if the current menu has unsaved changes.</source>
        <translation>Empieza un menú nuevo y vacío. Si el menú actual tiene cambios sin guardar, Quorvane pregunta antes.</translation>
    </message>
    <message>
        <source>Opens a menu project you saved earlier.</source>
        <translation>Abre un proyecto de menú que guardaste antes.</translation>
    </message>
    <message>
        <source>Takes back your last change to the menu, one step at a time (Ctrl+Z). The menu entry names the change it takes back.</source>
        <translation>Deshace tu último cambio en el menú, paso a paso (Ctrl+Z). El comando del menú Edición indica qué cambio deshace.</translation>
    </message>
    <message>
        <source>Makes again the change you last took back (Ctrl+Shift+Z).</source>
        <translation>Vuelve a hacer el último cambio que deshiciste (Ctrl+Mayús+Z).</translation>
    </message>
    <message>
        <source>Saves the menu as a project file (.qvn), so you can change it again later.</source>
        <translation>Guarda el menú como archivo de proyecto (.qvn), para que puedas volver a cambiarlo más adelante.</translation>
    </message>
    <message>
        <source>Shows the menu&apos;s code, ready to copy: one piece for the head of your page and one for the place where the menu should appear.</source>
        <translation>Muestra el código del menú, listo para copiar: una parte para la cabecera de tu página y otra para el lugar donde debe aparecer el menú.</translation>
    </message>
    <message>
        <source>Saves the menu&apos;s code in an .html file.</source>
        <translation>Guarda el código del menú en un archivo .html.</translation>
    </message>
    <message>
        <source>Shows the menu working in your web browser, so you can try its links.</source>
        <translation>Muestra el menú funcionando en tu navegador web, para que puedas probar sus enlaces.</translation>
    </message>
    <message>
        <source>Opens the contents of Quorvane&apos;s help in your web browser.</source>
        <translation>Abre el índice de la ayuda de Quorvane en tu navegador web.</translation>
    </message>
    <message>
        <source>Changes the pointer to a question mark: click any control to learn what it does.</source>
        <translation>Cambia el puntero por un signo de interrogación: haz clic en cualquier control para saber qué hace.</translation>
    </message>
    <message>
        <source>Shows Quorvane&apos;s version and the maker&apos;s addresses.</source>
        <translation>Muestra la versión de Quorvane y las direcciones de su creador.</translation>
    </message>
    <message>
        <source>Leave this checked to let the visitor&apos;s browser colour the menu. Clear it to use the text and background colours below.</source>
        <translation>Deja esta casilla marcada para que el navegador del visitante dé color al menú. Desmárcala para usar los colores de texto y de fondo de abajo.</translation>
    </message>
    <message>
        <source>The colour of the menu&apos;s text: # and six hexadecimal digits for red, green and blue. Press Select to pick the colour instead.</source>
        <translation>El color del texto del menú: # y seis dígitos hexadecimales para el rojo, el verde y el azul. También puedes pulsar Elegir para escoger el color.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the colour of the menu&apos;s text.</source>
        <translation>Abre el selector de colores para elegir el color del texto del menú.</translation>
    </message>
    <message>
        <source>The menu&apos;s background colour: # and six hexadecimal digits for red, green and blue. Press Select to pick the colour instead.</source>
        <translation>El color de fondo del menú: # y seis dígitos hexadecimales para el rojo, el verde y el azul. También puedes pulsar Elegir para escoger el color.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the menu&apos;s background colour.</source>
        <translation>Abre el selector de colores para elegir el color de fondo del menú.</translation>
    </message>
    <message>
        <source>The font of the menu&apos;s entries.</source>
        <translation>La fuente de los elementos del menú.</translation>
    </message>
    <message>
        <source>The size of the menu&apos;s text in pixels. Choose a size or type your own.</source>
        <translation>El tamaño del texto del menú en píxeles. Elige un tamaño o escribe el tuyo.</translation>
    </message>
    <message>
        <source>Underlines the menu&apos;s entries.</source>
        <translation>Subraya los elementos del menú.</translation>
    </message>
    <message>
        <source>Shows the menu&apos;s entries in italics.</source>
        <translation>Muestra en cursiva los elementos del menú.</translation>
    </message>
    <message>
        <source>How heavy the menu&apos;s letters are, from 100 (lighter) to 900 (bolder). 400 is normal and 700 is bold.</source>
        <translation>El grosor de las letras del menú, de 100 (más finas) a 900 (más gruesas). 400 es normal y 700 es negrita.</translation>
    </message>
    <message>
        <source>Leave this checked to let the browser make the menu as wide as its longest entry. Clear it to give the menu a width of your own.</source>
        <translation>Deja esta casilla marcada para que el navegador haga el menú tan ancho como su elemento más largo. Desmárcala para darle al menú el ancho que quieras.</translation>
    </message>
    <message>
        <source>The menu&apos;s width in pixels.</source>
        <translation>El ancho del menú en píxeles.</translation>
    </message>
    <message>
        <source>Leave this checked to let the visitor&apos;s browser draw the button in its usual colours. Clear it to use the colours below.</source>
        <translation>Deja esta casilla marcada para que el navegador del visitante dibuje el botón con sus colores habituales. Desmárcala para usar los colores de abajo.</translation>
    </message>
    <message>
        <source>Draws the button without a border. Clear it to give the button borders in the colours below.</source>
        <translation>Dibuja el botón sin borde. Desmarca la casilla para darle al botón bordes con los colores de abajo.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s text: # and six hexadecimal digits for red, green and blue.</source>
        <translation>El color del texto del botón: # y seis dígitos hexadecimales para el rojo, el verde y el azul.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the colour of the button&apos;s text.</source>
        <translation>Abre el selector de colores para elegir el color del texto del botón.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s face: # and six hexadecimal digits for red, green and blue.</source>
        <translation>El color de fondo del botón: # y seis dígitos hexadecimales para el rojo, el verde y el azul.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the button&apos;s face colour.</source>
        <translation>Abre el selector de colores para elegir el color de fondo del botón.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s top border.</source>
        <translation>El color del borde superior del botón.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the top border&apos;s colour.</source>
        <translation>Abre el selector de colores para elegir el color del borde superior.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s left border. It follows the top border while the two are synchronised.</source>
        <translation>El color del borde izquierdo del botón. Sigue al borde superior mientras los dos estén igualados.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the left border&apos;s colour.</source>
        <translation>Abre el selector de colores para elegir el color del borde izquierdo.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s right border.</source>
        <translation>El color del borde derecho del botón.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the right border&apos;s colour.</source>
        <translation>Abre el selector de colores para elegir el color del borde derecho.</translation>
    </message>
    <message>
        <source>The colour of the button&apos;s bottom border. It follows the right border while the two are synchronised.</source>
        <translation>El color del borde inferior del botón. Sigue al borde derecho mientras los dos estén igualados.</translation>
    </message>
    <message>
        <source>Opens the colour picker to choose the bottom border&apos;s colour.</source>
        <translation>Abre el selector de colores para elegir el color del borde inferior.</translation>
    </message>
    <message>
        <source>Keeps the left border the same colour as the top border, for a raised or sunken look.</source>
        <translation>Mantiene el borde izquierdo del mismo color que el superior, para un aspecto en relieve o hundido.</translation>
    </message>
    <message>
        <source>Keeps the bottom border the same colour as the right border, for a raised or sunken look.</source>
        <translation>Mantiene el borde inferior del mismo color que el derecho, para un aspecto en relieve o hundido.</translation>
    </message>
    <message>
        <source>The font of the button&apos;s text.</source>
        <translation>La fuente del texto del botón.</translation>
    </message>
    <message>
        <source>The size of the button&apos;s text in pixels. Choose a size or type your own.</source>
        <translation>El tamaño del texto del botón en píxeles. Elige un tamaño o escribe el tuyo.</translation>
    </message>
    <message>
        <source>Underlines the button&apos;s text.</source>
        <translation>Subraya el texto del botón.</translation>
    </message>
    <message>
        <source>Shows the button&apos;s text in italics.</source>
        <translation>Muestra en cursiva el texto del botón.</translation>
    </message>
    <message>
        <source>How heavy the button&apos;s letters are, from 100 (lighter) to 900 (bolder). 400 is normal and 700 is bold.</source>
        <translation>El grosor de las letras del botón, de 100 (más finas) a 900 (más gruesas). 400 es normal y 700 es negrita.</translation>
    </message>
    <message>
        <source>Leave this checked to let the browser size the button to its text. Clear it to give the button a width and height of your own.</source>
        <translation>Deja esta casilla marcada para que el navegador ajuste el tamaño del botón a su texto. Desmárcala para darle al botón el ancho y el alto que quieras.</translation>
    </message>
    <message>
        <source>The button&apos;s width in pixels.</source>
        <translation>El ancho del botón en píxeles.</translation>
    </message>
    <message>
        <source>The button&apos;s height in pixels.</source>
        <translation>El alto del botón en píxeles.</translation>
    </message>
    <message>
        <source>The thickness of the button&apos;s borders in pixels. Borders show only when the button uses colours of your own and No Border is clear.</source>
        <translation>El grosor de los bordes del botón en píxeles. Los bordes solo se ven cuando el botón usa colores propios y la casilla Sin borde está desmarcada.</translation>
    </message>
    <message>
        <source>Imports the links of a file: a browser&apos;s bookmarks file, a sitemap (.xml or .xml.gz), a web page or a text file of addresses.</source>
        <translation>Importa los enlaces de un archivo: un archivo de marcadores de un navegador, un mapa del sitio (.xml o .xml.gz), una página web o un archivo de texto con direcciones.</translation>
    </message>
    <message>
        <source>The file to import from. Press Read Links after typing its path, or choose it with Browse.</source>
        <translation>El archivo del que importar. Pulsa Leer enlaces después de escribir su ruta, o elígelo con Examinar.</translation>
    </message>
    <message>
        <source>Chooses the file to import from and reads its links.</source>
        <translation>Elige el archivo del que importar y lee sus enlaces.</translation>
    </message>
    <message>
        <source>Imports every web page of a folder of your site, with the page&apos;s title as its text. Subfolders become headings.</source>
        <translation>Importa todas las páginas web de una carpeta de tu sitio, con el título de cada página como texto. Las subcarpetas se convierten en encabezados.</translation>
    </message>
    <message>
        <source>The site folder to import from. Press Read Links after typing its path, or choose it with Browse.</source>
        <translation>La carpeta del sitio de la que importar. Pulsa Leer enlaces después de escribir su ruta, o elígela con Examinar.</translation>
    </message>
    <message>
        <source>Chooses the site folder to import from and reads its pages.</source>
        <translation>Elige la carpeta del sitio de la que importar y lee sus páginas.</translation>
    </message>
    <message>
        <source>Imports the links typed or pasted into the box beside it.</source>
        <translation>Importa los enlaces escritos o pegados en el cuadro de al lado.</translation>
    </message>
    <message>
        <source>Paste links here, one a line: an address alone, or a text followed by a tab or | and the address. Then press Read Links.</source>
        <translation>Pega aquí los enlaces, uno por línea: solo la dirección, o un texto seguido de un tabulador o | y la dirección. Después pulsa Leer enlaces.</translation>
    </message>
    <message>
        <source>The address that relative addresses are resolved against, such as https://example.com/; for a site folder, the address the folder is published at. Leave it empty to keep addresses relative.</source>
        <translation>La dirección a partir de la cual se completan las direcciones relativas, como https://example.com/; para una carpeta del sitio, la dirección en la que se publica la carpeta. Déjala vacía para mantener relativas las direcciones.</translation>
    </message>
    <message>
        <source>For a site folder: a folder that holds it, which its addresses are made relative to. Leave it empty to make them relative to the site folder itself.</source>
        <translation>Para una carpeta del sitio: una carpeta que la contiene y respecto a la cual se hacen relativas sus direcciones. Déjala vacía para que sean relativas a la propia carpeta del sitio.</translation>
    </message>
    <message>
        <source>Chooses the folder that a site folder&apos;s addresses start from.</source>
        <translation>Elige la carpeta desde la que parten las direcciones de una carpeta del sitio.</translation>
    </message>
    <message>
        <source>Reads the chosen file, folder or pasted text again, with the base address and folder given.</source>
        <translation>Vuelve a leer el archivo, la carpeta o el texto pegado que elegiste, con la dirección base y la carpeta base indicadas.</translation>
    </message>
    <message>
        <source>The links found, under their headings. Untick what you do not want, and double-click a text or an address to change it.</source>
        <translation>Los enlaces encontrados, bajo sus encabezados. Desmarca lo que no quieras y haz doble clic en un texto o una dirección para cambiarlo.</translation>
    </message>
    <message>
        <source>Adds the ticked links after the last entry of the menu.</source>
        <translation>Añade los enlaces marcados después del último elemento del menú.</translation>
    </message>
    <message>
        <source>Adds the ticked links after the entry selected in the list of the main window.</source>
        <translation>Añade los enlaces marcados después del elemento seleccionado en la lista de la ventana principal.</translation>
    </message>
    <message>
        <source>Makes the first added entry the one the menu shows when the page loads. It is offered while no entry of the menu is preselected.</source>
        <translation>Hace que el menú muestre el primer elemento añadido al cargarse la página. Se ofrece mientras ningún elemento del menú esté preseleccionado.</translation>
    </message>
    <message>
        <source>Adds the ticked links to the menu, with their headings, and closes the window.</source>
        <translation>Añade al menú los enlaces marcados, con sus encabezados, y cierra la ventana.</translation>
    </message>
    <message>
        <source>Closes the window without adding anything to the menu.</source>
        <translation>Cierra la ventana sin añadir nada al menú.</translation>
    </message>
    <message>
        <source>Keeps your changes and closes the window.</source>
        <translation>Conserva tus cambios y cierra la ventana.</translation>
    </message>
    <message>
        <source>Closes the window and undoes the changes made since it opened.</source>
        <translation>Cierra la ventana y deshace los cambios hechos desde que se abrió.</translation>
    </message>
    <message>
        <source>Sets everything in this window back to Quorvane&apos;s defaults. OK keeps them, Cancel undoes them.</source>
        <translation>Devuelve todo lo de esta ventana a los valores predeterminados de Quorvane. Aceptar los conserva; Cancelar lo deshace.</translation>
    </message>
</context>
<context>
    <name>auxwindows</name>
    <message>
        <source>That the qvntips.txt file was not found? <byte value="xd"/>
<byte value="xd"/>
Create a text file named qvntips.txt using NotePad with 1 tip per line. Then place it in the same directory as the application. </source>
        <translation>¿No se ha encontrado el archivo qvntips.txt? <byte value="xd"/>
<byte value="xd"/>
Crea con el Bloc de notas un archivo de texto llamado qvntips.txt, con una sugerencia por línea. Después colócalo en la misma carpeta que la aplicación. </translation>
    </message>
</context>
<context>
    <name>codeoutput</name>
    <message>
        <source>HTML File (*.html)|*.html</source>
        <translation>Archivo HTML (*.html)|*.html</translation>
    </message>
    <message>
        <source>Save Code to File...</source>
        <translation>Guardar código en archivo...</translation>
    </message>
    <message>
        <source>No private folder for the preview could be made in %1</source>
        <translation>No se ha podido crear en %1 una carpeta privada para la vista previa</translation>
    </message>
</context>
<context>
    <name>dialogs::AboutDialog</name>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Quorvane</source>
        <translation>Quorvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Find more great software from Brindlecote at:</source>
        <translation>Encontrarás más programas estupendos de Brindlecote en:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publicado bajo la licencia MIT.</translation>
    </message>
</context>
<context>
    <name>dialogs::ButtonStyleDialog</name>
    <message>
        <source>Advanced Button Options</source>
        <translation>Opciones avanzadas del botón</translation>
    </message>
    <message>
        <source>Use Default System Button Colors</source>
        <translation>Usar colores predeterminados del sistema</translation>
    </message>
    <message>
        <source>No Border</source>
        <translation>Sin borde</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Top Border:</source>
        <translation>Borde superior:</translation>
    </message>
    <message>
        <source>Left Border:</source>
        <translation>Borde izquierdo:</translation>
    </message>
    <message>
        <source>Right Border:</source>
        <translation>Borde derecho:</translation>
    </message>
    <message>
        <source>Bottom Border:</source>
        <translation>Borde inferior:</translation>
    </message>
    <message>
        <source>Sync Top and Left Border Colors</source>
        <translation>Igualar bordes superior e izquierdo</translation>
    </message>
    <message>
        <source>Sync Right and Bottom Border Colors</source>
        <translation>Igualar bordes derecho e inferior</translation>
    </message>
    <message>
        <source>Constrain Button Dimensions Proportionally to Font Size</source>
        <translation>Ajustar el tamaño del botón al tamaño de la fuente</translation>
    </message>
    <message>
        <source>Button Width:</source>
        <translation>Ancho del botón:</translation>
    </message>
    <message>
        <source>Button Height:</source>
        <translation>Alto del botón:</translation>
    </message>
    <message>
        <source>Border Thickness:</source>
        <translation>Grosor del borde:</translation>
    </message>
</context>
<context>
    <name>dialogs::FontOptions</name>
    <message>
        <source>Font Options:</source>
        <translation>Opciones de fuente:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Tamaño de fuente:</translation>
    </message>
    <message>
        <source>Font Weight:</source>
        <translation>Grosor de fuente:</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Más fina</translation>
    </message>
    <message>
        <source>Bolder</source>
        <translation>Más gruesa</translation>
    </message>
</context>
<context>
    <name>dialogs::GeneratedCodeDialog</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Generated Menu Code</source>
        <translation>Código del menú generado</translation>
    </message>
    <message>
        <source>Javascript Function Code</source>
        <translation>Código de la función Javascript</translation>
    </message>
    <message>
        <source>Copy and paste this code into the head section of your page (anywhere between the &lt;HEAD&gt; and &lt;/HEAD&gt; tags).</source>
        <translation>Copia y pega este código en la sección head de tu página (en cualquier lugar entre las etiquetas &lt;HEAD&gt; y &lt;/HEAD&gt;).</translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation>Código HTML</translation>
    </message>
    <message>
        <source>Copy and paste this code into the body section of your page (anywhere between the &lt;BODY&gt; and &lt;/BODY&gt; tags) wherever you want the menu to appear.</source>
        <translation>Copia y pega este código en la sección body de tu página (en cualquier lugar entre las etiquetas &lt;BODY&gt; y &lt;/BODY&gt;), allí donde quieras que aparezca el menú.</translation>
    </message>
    <message>
        <source>Note: If you are placing more than one menu on the same page, you only need one occurence of the Javascript Function Code in the &quot;Head&quot; section of your page.</source>
        <translation>Nota: si vas a poner más de un menú en la misma página, el código de la función Javascript solo tiene que estar una vez en la sección &quot;Head&quot; de tu página.</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportDialog</name>
    <message>
        <source>Import Links</source>
        <translation>Importar enlaces</translation>
    </message>
    <message>
        <source>Import from:</source>
        <translation>Importar de:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Site f&amp;older:</source>
        <translation>Carpeta del &amp;sitio:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Pasted &amp;text:</source>
        <translation>&amp;Texto pegado:</translation>
    </message>
    <message>
        <source>One link a line: an address, or a text and a tab or | before the address</source>
        <translation>Un enlace por línea: una dirección, o un texto y un tabulador o | antes de la dirección</translation>
    </message>
    <message>
        <source>https://example.com/</source>
        <translation>https://example.com/</translation>
    </message>
    <message>
        <source>Base fol&amp;der:</source>
        <translation>Carpeta &amp;base:</translation>
    </message>
    <message>
        <source>Brow&amp;se...</source>
        <translation>Exami&amp;nar...</translation>
    </message>
    <message>
        <source>&amp;Read Links</source>
        <translation>&amp;Leer enlaces</translation>
    </message>
    <message>
        <source>Base &amp;address:</source>
        <translation>&amp;Dirección base:</translation>
    </message>
    <message>
        <source>Import Links from a Site Folder</source>
        <translation>Importar enlaces de una carpeta del sitio</translation>
    </message>
    <message>
        <source>Base Folder</source>
        <translation>Carpeta base</translation>
    </message>
    <message>
        <source>Reading links...</source>
        <translation>Leyendo enlaces...</translation>
    </message>
    <message>
        <source>&amp;Links found:</source>
        <translation>Enlaces en&amp;contrados:</translation>
    </message>
    <message>
        <source>Append at the &amp;end of the list</source>
        <translation>Añadir al &amp;final de la lista</translation>
    </message>
    <message>
        <source>&amp;Insert after the selected row</source>
        <translation>&amp;Insertar tras la fila seleccionada</translation>
    </message>
    <message>
        <source>&amp;Preselect the first entry</source>
        <translation>&amp;Preseleccionar el primer elemento</translation>
    </message>
    <message>
        <source>Add to &amp;Menu</source>
        <translation>Añadir al &amp;menú</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Bookmarks, Sitemaps, Web Pages and Lists of Addresses|*.html;*.htm;*.xhtml;*.xml;*.gz;*.txt|All Files|*</source>
        <translation>Marcadores, mapas del sitio, páginas web y listas de direcciones|*.html;*.htm;*.xhtml;*.xml;*.gz;*.txt|Todos los archivos|*</translation>
    </message>
    <message>
        <source>Import Links from a File</source>
        <translation>Importar enlaces de un archivo</translation>
    </message>
    <message>
        <source>Choose a file or a site folder, or paste links, and then press Read Links.</source>
        <translation>Elige un archivo o una carpeta del sitio, o pega enlaces, y luego pulsa Leer enlaces.</translation>
    </message>
    <message>
        <source>Links ticked: %1</source>
        <translation>Enlaces marcados: %1</translation>
    </message>
    <message>
        <source>Import Links</source>
        <comment>a step of the history</comment>
        <translation>Importar enlaces</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportTreeModel</name>
    <message>
        <source>Same address as above</source>
        <translation>Misma dirección que arriba</translation>
    </message>
    <message>
        <source>Item Text</source>
        <translation>Texto del elemento</translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation>URL del enlace</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>dialogs::LoadingWindow</name>
    <message>
        <source>Loading. Please wait...</source>
        <translation>Cargando. Un momento, por favor...</translation>
    </message>
</context>
<context>
    <name>dialogs::MenuStyleDialog</name>
    <message>
        <source>Advanced Menu Options</source>
        <translation>Opciones avanzadas del menú</translation>
    </message>
    <message>
        <source>Use Default System Menu Colors</source>
        <translation>Usar colores predeterminados del sistema</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Constrain Width Proportionally to Font Size</source>
        <translation>Ajustar el ancho al tamaño de la fuente</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
</context>
<context>
    <name>dialogs::NoticeDialog</name>
    <message>
        <source>Show this message again in the future.</source>
        <translation>Volver a mostrar este mensaje en el futuro.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>dialogs::StyleDialog</name>
    <message>
        <source>Color Options:</source>
        <translation>Opciones de color:</translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation>Dimensiones:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dialogs::TellFriendsDialog</name>
    <message>
        <source>Tell your friends about Quorvane</source>
        <translation>Recomienda Quorvane a tus amigos</translation>
    </message>
    <message>
        <source>Your friends&apos; email addresses:</source>
        <translation>Direcciones de correo de tus amigos:</translation>
    </message>
    <message>
        <source>Friend&apos;s email address %1</source>
        <translation>Dirección de correo del amigo %1</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dialogs::TipOfTheDayDialog</name>
    <message>
        <source>Quorvane Tip of the Day</source>
        <translation>Sugerencia del día de Quorvane</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>¿Sabías que...?</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Mostrar sugerencias al iniciar</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Siguiente sugerencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>document::ItemListModel</name>
    <message>
        <source>Item Text</source>
        <translation>Texto del elemento</translation>
    </message>
    <message>
        <source>Linked?</source>
        <translation>¿Enlace?</translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation>URL del enlace</translation>
    </message>
    <message>
        <source>Selected?</source>
        <translation>¿Preselección?</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>mainwindow::CommandActions</name>
    <message>
        <source>&amp;New Menu Project</source>
        <translation>&amp;Nuevo proyecto de menú</translation>
    </message>
    <message>
        <source>Create new menu project</source>
        <translation>Crear un proyecto de menú nuevo</translation>
    </message>
    <message>
        <source>&amp;Load Saved Menu Project</source>
        <translation>&amp;Abrir proyecto de menú guardado</translation>
    </message>
    <message>
        <source>Load saved menu project</source>
        <translation>Abrir un proyecto de menú guardado</translation>
    </message>
    <message>
        <source>&amp;Import Links...</source>
        <translation>&amp;Importar enlaces...</translation>
    </message>
    <message>
        <source>Import links from bookmarks, a sitemap, a site folder or a page</source>
        <translation>Importar enlaces de marcadores, un mapa del sitio, una carpeta del sitio o una página</translation>
    </message>
    <message>
        <source>&amp;Save Menu Project</source>
        <translation>&amp;Guardar proyecto de menú</translation>
    </message>
    <message>
        <source>Save current menu project</source>
        <translation>Guardar el proyecto de menú actual</translation>
    </message>
    <message>
        <source>&amp;Copy Code to Clipboard</source>
        <translation>&amp;Copiar código al portapapeles</translation>
    </message>
    <message>
        <source>Generate menu code and copy to clipboard</source>
        <translation>Generar el código del menú y copiarlo al portapapeles</translation>
    </message>
    <message>
        <source>Save Code to &amp;File</source>
        <translation>Guardar código en a&amp;rchivo</translation>
    </message>
    <message>
        <source>Generate menu code and save to a file</source>
        <translation>Generar el código del menú y guardarlo en un archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Preview Menu in Browser</source>
        <translation>&amp;Ver el menú en el navegador</translation>
    </message>
    <message>
        <source>Preview menu in browser</source>
        <translation>Ver el menú en el navegador</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>Open help file</source>
        <translation>Abrir la ayuda</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>T&amp;utorial</translation>
    </message>
    <message>
        <source>&amp;Context Help</source>
        <translation>Ayuda &amp;contextual</translation>
    </message>
    <message>
        <source>Show context help</source>
        <translation>Mostrar la ayuda contextual</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Sugerencia del día</translation>
    </message>
    <message>
        <source>Tell &amp;Friends about Quorvane</source>
        <translation>Recomendar Quorvane a tus &amp;amigos</translation>
    </message>
    <message>
        <source>&amp;Other Software from Brindlecote</source>
        <translation>&amp;Otros programas de Brindlecote</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>Acerca de Quorvane</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move selected item up one position.</source>
        <translation>Subir un puesto el elemento seleccionado.</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move selected item down one position.</source>
        <translation>Bajar un puesto el elemento seleccionado.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit text and link url of selected item.</source>
        <translation>Editar el texto y la URL del enlace del elemento seleccionado.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected item.</source>
        <translation>Eliminar el elemento seleccionado.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemCommands</name>
    <message>
        <source>Add Item</source>
        <translation>Añadir elemento</translation>
    </message>
    <message>
        <source>Update Item</source>
        <translation>Actualizar elemento</translation>
    </message>
    <message>
        <source>Move Item Up</source>
        <translation>Subir elemento</translation>
    </message>
    <message>
        <source>Move Item Down</source>
        <translation>Bajar elemento</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Mover elemento</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Eliminar elemento</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemEditor</name>
    <message>
        <source>Item Properties:</source>
        <translation>Propiedades del elemento:</translation>
    </message>
    <message>
        <source>Item Text:</source>
        <translation>Texto del elemento:</translation>
    </message>
    <message>
        <source>Link URL:</source>
        <translation>URL del enlace:</translation>
    </message>
    <message>
        <source>Default selected</source>
        <translation>Preseleccionado</translation>
    </message>
    <message>
        <source>Group heading</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Not linked</source>
        <translation>Sin enlace</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Color predeterminado</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Color de fondo:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Color del texto:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>mainwindow::ItemListPanel</name>
    <message>
        <source>Currently Added Menu Items:</source>
        <translation>Elementos añadidos al menú:</translation>
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
        <translation>Imágenes de botones gratuitas de Brindlecote</translation>
    </message>
    <message>
        <source>Professionally Designed Web Site Templates</source>
        <translation>Plantillas de sitios web de diseño profesional</translation>
    </message>
</context>
<context>
    <name>mainwindow::OptionsPanel</name>
    <message>
        <source>Global Menu Properties</source>
        <translation>Propiedades generales del menú</translation>
    </message>
    <message>
        <source>Submit Button Properties</source>
        <translation>Propiedades del botón de envío</translation>
    </message>
    <message>
        <source>Menu Name:</source>
        <translation>Nombre del menú:</translation>
    </message>
    <message>
        <source>(Must be unique for each menu on page.)</source>
        <translation>(Debe ser único para cada menú de la página.)</translation>
    </message>
    <message>
        <source>Navigate on Button Click</source>
        <translation>Navegar al pulsar el botón</translation>
    </message>
    <message>
        <source>Navigate on Item Change</source>
        <translation>Navegar al elegir un elemento</translation>
    </message>
    <message>
        <source>Same window</source>
        <translation>Misma ventana</translation>
    </message>
    <message>
        <source>New window</source>
        <translation>Ventana nueva</translation>
    </message>
    <message>
        <source>Different frame</source>
        <translation>Otro marco</translation>
    </message>
    <message>
        <source>Frame Name:</source>
        <translation>Nombre del marco:</translation>
    </message>
    <message>
        <source>Target of Links:</source>
        <translation>Abrir enlaces en:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Align to Button:</source>
        <translation>Alinear con el botón:</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>URL of Button Graphic:</source>
        <translation>URL de la imagen del botón:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Alt Text:</source>
        <translation>Texto alternativo:</translation>
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
        <translation>Guardar proyecto de menú como...</translation>
    </message>
    <message>
        <source>Load Menu Project...</source>
        <translation>Abrir proyecto de menú...</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>Oops!</source>
        <translation>¡Vaya!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>You have chosen to use a different frame as the target of your links but you have not specified the name of the frame. You must enter a frame name or choose another target for the links.</source>
        <translation>Has elegido abrir los enlaces en otro marco, pero no has indicado el nombre del marco. Escribe un nombre de marco o elige otro destino para los enlaces.</translation>
    </message>
    <message>
        <source>You have chosen to use a graphical submit button style but have not specified a URL for the graphic. Please specify a URL for the button graphic in the space provided.</source>
        <translation>Has elegido un botón de envío con imagen, pero no has indicado la URL de la imagen. Escribe la URL de la imagen del botón en el espacio previsto.</translation>
    </message>
    <message>
        <source>You must specify a name for the menu to be used in the code. This uniquely identifies this menu in case more than one menu is to be placed on the same page.</source>
        <translation>Tienes que indicar un nombre para el menú, que se usará en el código. Este nombre distingue el menú de los demás si pones más de un menú en la misma página.</translation>
    </message>
    <message>
        <source>Menu Name must not contain any spaces or special characters.</source>
        <translation>El nombre del menú no puede contener espacios ni caracteres especiales.</translation>
    </message>
    <message>
        <source>Menu Name must begin with a letter or an underscore.</source>
        <translation>El nombre del menú tiene que empezar por una letra o un guion bajo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid Quorvane Project file.</source>
        <translation>&quot;%1&quot; no es un archivo de proyecto de Quorvane válido.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;. The file is either corrupt, not a valid Quorvane project file, or no longer exists.</source>
        <translation>No se ha podido abrir &quot;%1&quot;. El archivo está dañado, no es un archivo de proyecto de Quorvane válido o ya no existe.</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before closing? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Este proyecto de menú ha cambiado. ¿Quieres guardar los cambios antes de cerrar? (Haz clic en &quot;Cancelar&quot; para volver a Quorvane.)</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before creating a new project? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Este proyecto de menú ha cambiado. ¿Quieres guardar los cambios antes de crear un proyecto nuevo? (Haz clic en &quot;Cancelar&quot; para volver a Quorvane.)</translation>
    </message>
    <message>
        <source>This menu project has been changed. Would you like to save your changes before loading another project? (Click &quot;Cancel&quot; to go back to Quorvane.)</source>
        <translation>Este proyecto de menú ha cambiado. ¿Quieres guardar los cambios antes de abrir otro proyecto? (Haz clic en &quot;Cancelar&quot; para volver a Quorvane.)</translation>
    </message>
    <message>
        <source>Save Project?</source>
        <translation>¿Guardar el proyecto?</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>This menu project uses a font that is not installed on your system. The default font will be used instead.</source>
        <translation>Este proyecto de menú usa una fuente que no está instalada en tu sistema. En su lugar se usará la fuente predeterminada.</translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation>No se ha podido abrir tu programa de correo electrónico.</translation>
    </message>
    <message>
        <source>The help page could not be found. Quorvane looked for it here:

%1</source>
        <translation>No se ha encontrado la página de ayuda. Quorvane la ha buscado aquí:

%1</translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation>Elemento preseleccionado</translation>
    </message>
    <message>
        <source>You have already designated &quot;%1&quot; as the selected item in the menu. Do you wish to change it to this one?</source>
        <translation>Ya has elegido &quot;%1&quot; como elemento preseleccionado del menú. ¿Quieres cambiarlo por este?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Delete selected item?</source>
        <translation>¿Eliminar el elemento seleccionado?</translation>
    </message>
    <message>
        <source>Quorvane could not perform this operation due to the following error:

&quot;%1&quot;</source>
        <translation>Quorvane no ha podido realizar esta operación debido al siguiente error:

&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Please enter a valid color value or click &quot;Select&quot; to choose a color.</source>
        <translation>Escribe un valor de color válido o haz clic en &quot;Elegir&quot; para escoger un color.</translation>
    </message>
    <message>
        <source>Please enter a valid color value.</source>
        <translation>Escribe un valor de color válido.</translation>
    </message>
</context>
<context>
    <name>preview</name>
    <message>
        <source>The live preview is switched off.</source>
        <translation>La vista previa en directo está desactivada.</translation>
    </message>
    <message>
        <source>No live preview: Qt WebEngine is not fully installed.</source>
        <translation>No hay vista previa en directo: Qt WebEngine no está instalado por completo.</translation>
    </message>
    <message>
        <source>No live preview as root unless QTWEBENGINE_DISABLE_SANDBOX=1 is set.</source>
        <translation>No hay vista previa en directo como root, salvo que se defina QTWEBENGINE_DISABLE_SANDBOX=1.</translation>
    </message>
    <message>
        <source>No live preview: this system allows its sandbox no user namespaces (QTWEBENGINE_DISABLE_SANDBOX=1 runs it without).</source>
        <translation>No hay vista previa en directo: este sistema no permite espacios de nombres de usuario a su entorno aislado (con QTWEBENGINE_DISABLE_SANDBOX=1 funciona sin él).</translation>
    </message>
</context>
<context>
    <name>preview::PreviewDock</name>
    <message>
        <source>Live Preview</source>
        <translation>Vista previa en directo</translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation>Vista previa en &amp;directo</translation>
    </message>
    <message>
        <source>Show or hide the menu as it will look, beside the list</source>
        <translation>Mostrar u ocultar, junto a la lista, el menú tal como se verá</translation>
    </message>
</context>
<context>
    <name>preview::PreviewPage</name>
    <message>
        <source>Would open %1 in a new window</source>
        <translation>Abriría %1 en una ventana nueva</translation>
    </message>
    <message>
        <source>Would open %1 in the same window</source>
        <translation>Abriría %1 en la misma ventana</translation>
    </message>
    <message>
        <source>Would open %1 in the frame «%2»</source>
        <translation>Abriría %1 en el marco «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes nowhere: the entry has no link</source>
        <translation>&quot;%1&quot; no lleva a ninguna parte: el elemento no tiene enlace</translation>
    </message>
    <message>
        <source>The page would show the message &quot;%1&quot;</source>
        <translation>La página mostraría el mensaje &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>preview::PreviewPane</name>
    <message>
        <source>Preview note</source>
        <translation>Nota de la vista previa</translation>
    </message>
    <message>
        <source>Choose an entry of the menu to see where it would go.</source>
        <translation>Elige un elemento del menú para ver adónde llevaría.</translation>
    </message>
    <message>
        <source>Where the entry would go</source>
        <translation>Adónde llevaría el elemento</translation>
    </message>
    <message>
        <source>Add entries to the list to see the menu here.</source>
        <translation>Añade elementos a la lista para ver aquí el menú.</translation>
    </message>
</context>
<context>
    <name>preview::PreviewView</name>
    <message>
        <source>Menu preview</source>
        <translation>Vista previa del menú</translation>
    </message>
    <message>
        <source>The preview&apos;s page stopped; it starts again with the next change.</source>
        <translation>La página de la vista previa se ha detenido; volverá a empezar con el próximo cambio.</translation>
    </message>
    <message>
        <source>No private folder for the preview could be made in %1</source>
        <translation>No se ha podido crear en %1 una carpeta privada para la vista previa</translation>
    </message>
</context>
<context>
    <name>style</name>
    <message>
        <source>Important Message</source>
        <translation>Mensaje importante</translation>
    </message>
    <message>
        <source>Advanced properties (colors, font, etc.) for menus and buttons will only show up if the menu is viewed in Microsoft Internet Explorer. Netscape always uses one default font and style for Javascript menu elements.</source>
        <translation>Las propiedades avanzadas (colores, fuente, etc.) de menús y botones solo se ven si el menú se muestra en Microsoft Internet Explorer. Netscape siempre usa una fuente y un estilo predeterminados para los elementos de menú en Javascript.</translation>
    </message>
    <message>
        <source>Changing this value has no effect when &quot;Use Default User System Button Colors&quot; is checked. A border is only displayed if you are using non-default colors.</source>
        <translation>Cambiar este valor no tiene efecto mientras la casilla &quot;Usar colores predeterminados del sistema&quot; esté marcada. El borde solo se muestra si usas colores que no son los predeterminados.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>This will restore all values in this dialog to the program default settings. All current settings will be lost. Do you wish to continue?</source>
        <translation>Esto devolverá todos los valores de esta ventana a los ajustes predeterminados del programa. Se perderán todos los ajustes actuales. ¿Quieres continuar?</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>píxeles</translation>
    </message>
</context>
<context>
    <name>widgets::ColorRow</name>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
</context>
</TS>
