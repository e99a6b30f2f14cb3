<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Ayuda de Quorrel</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>Quorrel da acceso a algunos ajustes de cada usuario que las pantallas del sistema ocultan. No edita ningún archivo por sí mismo: cada cambio lo hacen las propias herramientas del sistema (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>Idiomas preferidos</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>La tabla muestra tus idiomas preferidos, empezando por el principal, con los nombres en el primer idioma. Arrastra una fila a otro lugar para cambiar el orden; el nuevo orden se guarda al instante y la tabla se vuelve a leer del sistema.</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>Con el teclado, selecciona un idioma y pulsa &lt;b&gt;Alt+Flecha arriba&lt;/b&gt; o &lt;b&gt;Alt+Flecha abajo&lt;/b&gt; (&lt;b&gt;Opción+Comando+Flecha arriba&lt;/b&gt; u &lt;b&gt;Opción+Comando+Flecha abajo&lt;/b&gt; en un Mac) para subirlo o bajarlo un puesto, igual que si lo arrastraras.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>La primera fila es la región actual; debajo aparecen las demás regiones de tu primer idioma. Arrastra una región al principio para convertirla en la actual, o selecciónala y pulsa &lt;b&gt;Retorno&lt;/b&gt; o &lt;b&gt;Alt+Flecha arriba&lt;/b&gt; (&lt;b&gt;Opción+Comando+Flecha arriba&lt;/b&gt; en un Mac). Tras una actualización se resalta, como sugerencia, la región que mejor encaja con el primer idioma.</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>Debajo de la tabla, &lt;b&gt;Formatos&lt;/b&gt; muestra cómo escribe la región seleccionada (o la actual, si no hay ninguna seleccionada) una fecha larga y una corta, la hora, un número, un importe en su moneda, en qué día empiezan sus semanas y qué sistema de medida usa. Seleccionar una región no cambia nada hasta que la subes al principio.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Combinaciones guardadas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;Eliminar&lt;/b&gt; borra la combinación seleccionada.</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder y Dock</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;Mostrar archivos ocultos&lt;/b&gt; y &lt;b&gt;Ocultar archivos ocultos&lt;/b&gt; cambian si el Finder muestra los archivos ocultos y después relanzan el Finder. &lt;b&gt;Relanzar el Finder&lt;/b&gt; y &lt;b&gt;Relanzar el Dock&lt;/b&gt; los cierran; el sistema los vuelve a abrir.</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Visor de Ayuda</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;Vaciar cachés de Ayuda&lt;/b&gt; detiene el daemon de la Ayuda y elimina las cachés del Visor de Ayuda de tu carpeta Biblioteca. El botón está activo mientras el daemon de la Ayuda se está ejecutando.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel usa el primero de tus idiomas preferidos al que está traducido, tal como los indica el sistema al abrir Quorrel: inglés, alemán, francés, español, italiano, portugués (Brasil), japonés, chino simplificado o ruso, e inglés si ninguno de ellos está entre tus idiomas. Después de cambiar el orden, cierra Quorrel y vuelve a abrirlo para verlo en el nuevo primer idioma.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;Guardar región actual&lt;/b&gt; guarda la región actual como combinación. Es posible mientras el idioma de la región sea tu primer idioma.</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>Elige una combinación en el menú desplegable, o pasa con &lt;b&gt;« ‹ › »&lt;/b&gt; a la primera, la anterior, la siguiente o la última, para cambiar a ella: su idioma pasa a ser el primero, su segundo idioma el segundo y su región la región actual. Mientras se hace el cambio gira un indicador.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;Segundo idioma&lt;/b&gt; elige el idioma que queda en segundo lugar al cambiar a la combinación seleccionada. La tabla de idiomas lo muestra enseguida en segundo lugar; el orden del sistema cambia la próxima vez que cambies de combinación.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ Ajustes…&lt;/b&gt; (Preferencias… antes de macOS 13; Ctrl+, o ⌘,) determina si la ventana principal sigue en pantalla mientras Quorrel está en segundo plano.</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; añade un idioma: escribe parte de su nombre, en el propio idioma o en el de Quorrel, o su código, y selecciónalo. Después Quorrel pregunta si debe ser tu idioma principal; si no, se coloca al final de la lista. &lt;b&gt;−&lt;/b&gt; elimina los idiomas seleccionados; el último idioma siempre se mantiene.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;Otra región…&lt;/b&gt; elige cualquier región, no solo las de tu primer idioma: escribe parte del nombre del país o su código, y selecciónalo. La región pasa a ser tu primer idioma con ese país, como lo escribe un Mac (inglés con Alemania es en_DE).</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;Edición ▸ Deshacer&lt;/b&gt; (Ctrl+Z o ⌘Z) restablece lo que sustituyó tu último cambio: el orden de idiomas, la región o las combinaciones guardadas. &lt;b&gt;Edición ▸ Rehacer&lt;/b&gt; (Ctrl+Mayús+Z o ⇧⌘Z) vuelve a hacer el cambio. Quorrel lee primero el ajuste; si otra cosa lo ha cambiado entretanto, Quorrel no lo toca y lo indica.</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>La línea de la parte inferior de la ventana indica qué fue de tu último cambio: un ajuste que el sistema muestra de forma distinta a como se estableció y, tras cambiar el primer idioma, que las apps lo mostrarán cuando se vuelvan a abrir. El menú &lt;b&gt;Ventana&lt;/b&gt; minimiza (Ctrl+M o ⌘M), amplía o cierra (Ctrl+W o ⌘W) la ventana de delante; Esc también cierra la ventana de preferencias.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>Una app puede usar un orden de idiomas propio en lugar de tus idiomas preferidos. &lt;b&gt;Actualizar&lt;/b&gt; muestra las apps que tienen uno; selecciona una app para ver su orden, y arrastra un idioma o pulsa &lt;b&gt;Alt+Flecha arriba&lt;/b&gt; o &lt;b&gt;Alt+Flecha abajo&lt;/b&gt; para cambiarlo, como en la tabla de idiomas preferidos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;Añadir…&lt;/b&gt; ofrece las apps de tus carpetas Aplicaciones; la que elijas empieza con tus idiomas preferidos. &lt;b&gt;Eliminar&lt;/b&gt; borra el orden propio de la app seleccionada, de modo que vuelve a seguir tus idiomas preferidos. Una app abierta solo ve el cambio después de cerrarla y volver a abrirla; Quorrel nunca la cierra por ti.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>Sin segundo idioma</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>Anglosajón (EE. UU.)</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>Métrico e imperial (R. U.)</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>Región seleccionada:</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>Región actual:</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>No se pueden mostrar los formatos de esta región</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>Faltan las herramientas del sistema con las que trabaja Quorrel. Abra Quorrel con scripts/run.</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>Añadir un idioma preferido</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>Escribe el nombre o el código de un idioma:</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>¿Usar %1 como idioma principal?</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>Las apps y los sitios web usan el primer idioma de la lista que admitan.</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>Seleccionar una región</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>Escribe el nombre o el código de una región:</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>Añadir app</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>Elige una app a la que dar idiomas propios:</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>Haz clic en Actualizar para ver las apps que tienen idiomas propios.</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>Los idiomas de esta app no se pueden leer; Quorrel los deja como están.</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>Solo se leyeron los primeros 1000 dominios de preferencias.</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>Ninguna app tiene idiomas propios.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preferred languages</source>
        <translation>Idiomas preferidos</translation>
    </message>
    <message>
        <source>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</source>
        <translation>Arrastra un idioma a otro lugar para cambiar el orden en que las apps eligen su idioma. Con un idioma seleccionado, Alt+Flecha arriba y Alt+Flecha abajo (Opción+Comando+Flecha arriba y abajo en un Mac) lo mueven.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Drag a row to reorder. The first language names the others.</source>
        <translation>Arrastra una fila para cambiar el orden. Los nombres aparecen en el primer idioma.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Regiones</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>Primero aparece la región actual y después las demás regiones del primer idioma. Arrastra una al principio, o selecciónala y pulsa Retorno o Alt+Flecha arriba (Opción+Comando+Flecha arriba en un Mac), para convertirla en la actual.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>Formatos de la región</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>Cómo escribe la región seleccionada, o la actual si no hay ninguna seleccionada, las fechas, las horas, los números y los importes</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Región:</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>La región cuyos formatos se muestran: la seleccionada o, si no hay ninguna, la actual</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>La fecha de hoy en el formato largo de la región</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>Fecha corta:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>La fecha de hoy en el formato corto de la región</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>La hora actual, tal como la escribe la región</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Número:</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>Un número con decimales y miles, tal como lo escribe la región</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Moneda:</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>Un importe en la moneda de la región</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>Primer día de la semana:</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>El día con el que empiezan las semanas de la región</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>Sistema de medida:</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>El sistema de medida de la región</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>Arrastra una región al principio para convertirla en la actual.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Combinaciones guardadas</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>Primera combinación guardada</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>Cambiar a la primera combinación guardada</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>Combinación guardada anterior</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>Cambiar a la combinación guardada anterior</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>Elige una combinación guardada para cambiar a ella el orden de idiomas y la región</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>Combinación guardada siguiente</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>Cambiar a la combinación guardada siguiente</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>Última combinación guardada</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>Cambiar a la última combinación guardada</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>Guardar la región actual como combinación (posible mientras su idioma sea el primer idioma)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>Eliminar la combinación seleccionada</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>El idioma que queda en segundo lugar al cambiar a la combinación seleccionada</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Cambiando</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>Gira mientras se escriben el orden de idiomas y la región</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder y Dock</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Mostrar archivos ocultos</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>Hacer que el Finder muestre los archivos ocultos y relanzarlo</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>Ocultar archivos ocultos</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>Hacer que el Finder oculte los archivos ocultos y relanzarlo</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>Relanzar el Finder</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>Cerrar el Finder; el sistema lo vuelve a abrir</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>Relanzar el Dock</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>Cerrar el Dock; el sistema lo vuelve a abrir</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Visor de Ayuda</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>Vaciar cachés de Ayuda</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>Detener el daemon de la Ayuda y eliminar las cachés del Visor de Ayuda (activo mientras el daemon de la Ayuda se ejecuta)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>Salir de Quorrel</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Ayuda de Quorrel</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Guardar región actual</translation>
    </message>
    <message>
        <source>Second language:</source>
        <translation>Segundo idioma:</translation>
    </message>
    <message>
        <source>Second language</source>
        <translation>Segundo idioma</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Add Language…</source>
        <translation>Añadir idioma…</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>Selecciona un idioma para añadirlo a los idiomas preferidos</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>Eliminar idioma</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>Eliminar los idiomas seleccionados de los idiomas preferidos (el último se mantiene)</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>Otra región…</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>Selecciona cualquier región para los formatos, con el primer idioma</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>Qué fue del último cambio</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>Las apps que usan idiomas propios en lugar de los idiomas preferidos. Selecciona una para ver sus idiomas.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>Languages of the application</source>
        <translation>Idiomas de la app</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>El orden de idiomas propio de la app seleccionada. Arrastra un idioma a otro lugar, o selecciónalo y pulsa Alt+Flecha arriba o Alt+Flecha abajo (Opción+Comando+Flecha arriba y abajo en un Mac), para cambiarlo.</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>Añadir app</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>Dar idiomas propios a una app de la carpeta Aplicaciones, empezando por los idiomas preferidos</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Añadir…</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>Eliminar app</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>Eliminar los idiomas propios de la app seleccionada; entonces sigue los idiomas preferidos</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>Actualizar apps</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>Volver a leer qué apps tienen idiomas propios</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>Una app abierta usa sus nuevos idiomas cuando se vuelve a abrir.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Preferencias de Quorrel</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Mantener la ventana abierta mientras Quorrel está en segundo plano</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>Si está desactivado, la ventana principal se oculta mientras otra app está activa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>Cerrar la ventana de preferencias</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Ajustes de Quorrel</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>Cerrar la ventana de ajustes</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>Cambiar idioma alternativo</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Guardar región actual</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>Eliminar combinación guardada</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>Cambiar a combinación guardada</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>Orden de idiomas</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>Idiomas de %1</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>Combinaciones guardadas</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1: el sistema muestra otro valor distinto del establecido.</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>Las apps mostrarán el nuevo idioma principal cuando se vuelvan a abrir.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1: se cambió en otro lugar; no se ha deshecho.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1: se cambió en otro lugar; no se ha rehecho.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>SearchableListDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
