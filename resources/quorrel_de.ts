<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Quorrel-Hilfe</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>Quorrel macht einige benutzerbezogene Einstellungen zugänglich, die in den Einstellungen des Systems verborgen sind. Quorrel bearbeitet selbst keine Datei: Jede Änderung nehmen die Werkzeuge des Systems vor (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>Bevorzugte Sprachen</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>Die Tabelle zeigt Ihre bevorzugten Sprachen, die wichtigste zuerst, benannt in der ersten Sprache. Ziehen Sie eine Zeile an eine andere Stelle, um die Reihenfolge zu ändern; die neue Reihenfolge wird sofort gesichert und die Tabelle neu aus dem System gelesen.</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>Mit der Tastatur: Wählen Sie eine Sprache aus und drücken Sie &lt;b&gt;Alt+Pfeil nach oben&lt;/b&gt; oder &lt;b&gt;Alt+Pfeil nach unten&lt;/b&gt; (auf dem Mac &lt;b&gt;Wahl+Befehl+Pfeil nach oben&lt;/b&gt; oder &lt;b&gt;Wahl+Befehl+Pfeil nach unten&lt;/b&gt;), um sie um eine Stelle nach oben oder unten zu verschieben – genau so, als würden Sie sie dorthin ziehen.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>Die erste Zeile ist die aktuelle Region, darunter folgen die anderen Regionen Ihrer ersten Sprache. Ziehen Sie eine Region nach oben, um sie zur aktuellen zu machen, oder wählen Sie sie aus und drücken Sie die &lt;b&gt;Eingabetaste&lt;/b&gt; oder &lt;b&gt;Alt+Pfeil nach oben&lt;/b&gt; (auf dem Mac &lt;b&gt;Wahl+Befehl+Pfeil nach oben&lt;/b&gt;). Nach einer Aktualisierung ist als Vorschlag die Region hervorgehoben, die am besten zur ersten Sprache passt.</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>Unter der Tabelle zeigt &lt;b&gt;Formate&lt;/b&gt;, wie die ausgewählte Region – oder die aktuelle, wenn keine ausgewählt ist – ein langes und ein kurzes Datum, die Uhrzeit, eine Zahl und einen Betrag in ihrer Währung schreibt, mit welchem Tag ihre Wochen beginnen und welches Maßsystem sie verwendet. Das Auswählen einer Region ändert nichts, solange Sie sie nicht nach oben verschieben.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Gesicherte Kombinationen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;Entfernen&lt;/b&gt; löscht die ausgewählte Kombination.</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder und Dock</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;Versteckte Dateien einblenden&lt;/b&gt; und &lt;b&gt;Versteckte Dateien ausblenden&lt;/b&gt; legen fest, ob der Finder versteckte Dateien zeigt, und starten den Finder dann neu. &lt;b&gt;Finder neu starten&lt;/b&gt; und &lt;b&gt;Dock neu starten&lt;/b&gt; beenden das jeweilige Programm; das System startet es wieder.</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Hilfe-Viewer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;Hilfe-Caches leeren&lt;/b&gt; beendet den Hilfe-Daemon und entfernt die Caches des Hilfe-Viewers aus Ihrem Ordner „Library“. Die Taste ist aktiv, solange der Hilfe-Daemon läuft.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel verwendet die erste Ihrer bevorzugten Sprachen, in die es übersetzt ist, so wie das System sie beim Start von Quorrel meldet: Englisch, Deutsch, Französisch, Spanisch, Italienisch, Portugiesisch (Brasilien), Japanisch, vereinfachtes Chinesisch oder Russisch – und Englisch, wenn keine davon zu Ihren Sprachen gehört. Beenden Sie Quorrel nach dem Ändern der Reihenfolge und öffnen Sie es erneut, um es in der neuen ersten Sprache zu sehen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;Aktuelle Region sichern&lt;/b&gt; sichert die aktuelle Region als Kombination. Das ist möglich, solange die Sprache der Region Ihre erste Sprache ist.</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>Wählen Sie eine Kombination im Einblendmenü oder springen Sie mit &lt;b&gt;« ‹ › »&lt;/b&gt; zur ersten, vorherigen, nächsten oder letzten, um zu ihr zu wechseln: Die Sprache der Kombination wird zur ersten Sprache, ihre zweite Sprache zur zweiten und ihre Region zur aktuellen Region. Während des Wechsels dreht sich eine Fortschrittsanzeige.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;Zweite Sprache&lt;/b&gt; legt fest, welche Sprache beim Wechsel zur ausgewählten Kombination an zweiter Stelle steht. Die Sprachtabelle zeigt sie sofort an zweiter Stelle; die Reihenfolge im System ändert sich beim nächsten Wechsel.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ Einstellungen …&lt;/b&gt; (Strg+, oder ⌘,) legt fest, ob das Hauptfenster auf dem Bildschirm bleibt, während Quorrel im Hintergrund ist.</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; fügt eine Sprache hinzu: Geben Sie einen Teil ihres Namens – in der Sprache selbst oder in der von Quorrel – oder ihren Code ein und wählen Sie sie aus. Quorrel fragt dann, ob sie Ihre primäre Sprache werden soll; andernfalls kommt sie ans Ende der Liste. &lt;b&gt;−&lt;/b&gt; entfernt die ausgewählten Sprachen; die letzte Sprache bleibt immer erhalten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;Andere Region …&lt;/b&gt; wählt eine beliebige Region, nicht nur die Ihrer ersten Sprache: Geben Sie einen Teil des Ländernamens oder seinen Code ein und wählen Sie es aus. Die Region wird Ihre erste Sprache mit diesem Land, so wie ein Mac sie schreibt (Englisch mit Deutschland ist en_DE).</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;Bearbeiten ▸ Widerrufen&lt;/b&gt; (Strg+Z oder ⌘Z) stellt wieder her, was die letzte Änderung ersetzt hat: die Sprachreihenfolge, die Region oder die gesicherten Kombinationen. &lt;b&gt;Bearbeiten ▸ Wiederholen&lt;/b&gt; (Strg+Umschalt+Z oder ⇧⌘Z) nimmt die Änderung erneut vor. Quorrel liest die Einstellung zuerst; wurde sie inzwischen anderswo geändert, lässt Quorrel sie unverändert und weist darauf hin.</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>Die Zeile unten im Fenster zeigt, was aus der letzten Änderung wurde: eine Einstellung, die das System anders zeigt als eingestellt, und nach einem Wechsel der ersten Sprache, dass Apps sie nach dem erneuten Öffnen zeigen. Das Menü &lt;b&gt;Fenster&lt;/b&gt; legt das vordere Fenster im Dock ab (Strg+M oder ⌘M), zoomt es oder schließt es (Strg+W oder ⌘W); Esc schließt auch das Einstellungsfenster.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>Eine App kann statt Ihrer bevorzugten Sprachen eine eigene Sprachreihenfolge verwenden. &lt;b&gt;Aktualisieren&lt;/b&gt; zeigt die Apps, die eine haben; wählen Sie eine App aus, um ihre Reihenfolge zu sehen, und ziehen Sie eine Sprache oder drücken Sie &lt;b&gt;Alt+Pfeil nach oben&lt;/b&gt; oder &lt;b&gt;Alt+Pfeil nach unten&lt;/b&gt;, um sie zu ändern, wie in der Tabelle der bevorzugten Sprachen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;Hinzufügen …&lt;/b&gt; bietet die Apps in Ihren Programme-Ordnern an; die gewählte beginnt mit Ihren bevorzugten Sprachen. &lt;b&gt;Entfernen&lt;/b&gt; löscht die eigene Reihenfolge der ausgewählten App, sodass sie wieder Ihren bevorzugten Sprachen folgt. Eine geöffnete App sieht die Änderung erst, nachdem Sie sie beendet und erneut geöffnet haben; Quorrel beendet sie nie für Sie.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>Keine zweite Sprache</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>US-amerikanisch</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>Metrisch und imperial (UK)</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>Ausgewählte Region:</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>Aktuelle Region:</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>Die Formate dieser Region können nicht angezeigt werden</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>Die Systemwerkzeuge, mit denen Quorrel arbeitet, fehlen. Starten Sie Quorrel mit scripts/run.</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>Bevorzugte Sprache hinzufügen</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>Namen oder Code einer Sprache eingeben:</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>„%1“ als primäre Sprache verwenden?</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>Apps und Websites verwenden die erste Sprache der Liste, die sie unterstützen.</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>%1 verwenden</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>Region auswählen</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>Namen oder Code einer Region eingeben:</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>App hinzufügen</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>Wählen Sie eine App, die eigene Sprachen erhalten soll:</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>Klicken Sie auf „Aktualisieren“, um die Apps mit eigenen Sprachen anzuzeigen.</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>Die Sprachen dieser App können nicht gelesen werden; Quorrel lässt sie unverändert.</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>Nur die ersten 1000 Einstellungsdomänen wurden gelesen.</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>Keine App hat eigene Sprachen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preferred languages</source>
        <translation>Bevorzugte Sprachen</translation>
    </message>
    <message>
        <source>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</source>
        <translation>Ziehen Sie eine Sprache an eine andere Stelle, um die Reihenfolge zu ändern, in der Apps ihre Sprache wählen. Ist eine Sprache ausgewählt, verschieben Alt+Pfeil nach oben und Alt+Pfeil nach unten (auf dem Mac Wahl+Befehl+Pfeil nach oben und nach unten) sie.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Drag a row to reorder. The first language names the others.</source>
        <translation>Ziehen Sie eine Zeile, um die Reihenfolge zu ändern. Die Namen stehen in der ersten Sprache.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Regionen</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>Zuerst kommt die aktuelle Region, dann die anderen Regionen der ersten Sprache. Ziehen Sie eine nach oben oder wählen Sie sie aus und drücken Sie die Eingabetaste oder Alt+Pfeil nach oben (auf dem Mac Wahl+Befehl+Pfeil nach oben), um sie zur aktuellen zu machen.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>Formate der Region</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>Wie die ausgewählte Region – oder die aktuelle, wenn keine ausgewählt ist – Datum, Uhrzeit, Zahlen und Geldbeträge schreibt</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>Die Region, deren Formate gezeigt werden: die ausgewählte, sonst die aktuelle</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>Das heutige Datum in der langen Form der Region</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>Kurzes Datum:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>Das heutige Datum in der kurzen Form der Region</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>Die aktuelle Uhrzeit, wie die Region sie schreibt</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Zahl:</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>Eine Zahl mit Nachkommastellen und Tausendertrennzeichen, wie die Region sie schreibt</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Währung:</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>Ein Betrag in der Währung der Region</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>Erster Wochentag:</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>Der Tag, mit dem die Wochen der Region beginnen</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>Maßsystem:</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>Das Maßsystem der Region</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>Ziehen Sie eine Region nach oben, um sie zur aktuellen zu machen.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Gesicherte Kombinationen</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>Erste gesicherte Kombination</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>Zur ersten gesicherten Kombination wechseln</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>Vorherige gesicherte Kombination</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>Zur vorherigen gesicherten Kombination wechseln</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>Wählen Sie eine gesicherte Kombination, um Sprachreihenfolge und Region auf sie umzustellen</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>Nächste gesicherte Kombination</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>Zur nächsten gesicherten Kombination wechseln</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>Letzte gesicherte Kombination</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>Zur letzten gesicherten Kombination wechseln</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>Die aktuelle Region als Kombination sichern (möglich, solange ihre Sprache die erste Sprache ist)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>Die ausgewählte Kombination entfernen</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>Die Sprache, die beim Wechsel zur ausgewählten Kombination an zweiter Stelle steht</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Wechsel läuft</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>Dreht sich, während Sprachreihenfolge und Region geschrieben werden</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder und Dock</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Versteckte Dateien einblenden</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>Den Finder versteckte Dateien einblenden lassen und ihn dann neu starten</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>Versteckte Dateien ausblenden</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>Den Finder versteckte Dateien ausblenden lassen und ihn dann neu starten</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>Finder neu starten</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>Den Finder beenden; das System startet ihn wieder</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>Dock neu starten</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>Das Dock beenden; das System startet es wieder</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Hilfe-Viewer</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>Hilfe-Caches leeren</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>Den Hilfe-Daemon beenden und die Caches des Hilfe-Viewers entfernen (aktiv, solange der Hilfe-Daemon läuft)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>Quorrel beenden</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Quorrel-Hilfe</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Aktuelle Region sichern</translation>
    </message>
    <message>
        <source>Second language:</source>
        <translation>Zweite Sprache:</translation>
    </message>
    <message>
        <source>Second language</source>
        <translation>Zweite Sprache</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Add Language…</source>
        <translation>Sprache hinzufügen …</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>Eine Sprache auswählen, die zu den bevorzugten Sprachen hinzugefügt wird</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>Sprache entfernen</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>Die ausgewählten Sprachen aus den bevorzugten Sprachen entfernen (die letzte bleibt)</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>Andere Region …</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>Eine beliebige Region für die Formate auswählen, mit der ersten Sprache</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>Was aus der letzten Änderung wurde</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Im Dock ablegen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>Die Apps, die statt der bevorzugten Sprachen eigene Sprachen verwenden. Wählen Sie eine aus, um ihre Sprachen zu sehen.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Languages of the application</source>
        <translation>Sprachen der App</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>Die eigene Sprachreihenfolge der ausgewählten App. Ziehen Sie eine Sprache an eine andere Stelle oder wählen Sie sie aus und drücken Sie Alt+Pfeil nach oben oder Alt+Pfeil nach unten (auf dem Mac Wahl+Befehl+Pfeil nach oben und nach unten), um sie zu ändern.</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>App hinzufügen</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>Einer App aus dem Ordner „Programme“ eigene Sprachen geben, beginnend mit den bevorzugten Sprachen</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen …</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>App entfernen</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>Die eigenen Sprachen der ausgewählten App entfernen; sie folgt dann den bevorzugten Sprachen</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>Apps aktualisieren</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>Erneut lesen, welche Apps eigene Sprachen haben</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>Eine geöffnete App verwendet ihre neuen Sprachen, sobald sie erneut geöffnet wird.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Quorrel-Einstellungen</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Fenster geöffnet lassen, während Quorrel im Hintergrund ist</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>Wenn aus, wird das Hauptfenster ausgeblendet, solange eine andere App aktiv ist</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>Das Einstellungsfenster schließen</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Quorrel-Einstellungen</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>Das Einstellungsfenster schließen</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>Ersatzsprache ändern</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Aktuelle Region sichern</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>Gesicherte Kombination entfernen</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>Zu gesicherter Kombination wechseln</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>Sprachreihenfolge</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>Sprachen von %1</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>Gesicherte Kombinationen</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1: Das System zeigt einen anderen Wert als den eingestellten.</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>Apps zeigen die neue primäre Sprache, nachdem sie erneut geöffnet wurden.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1 wurde anderswo geändert; nicht widerrufen.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1 wurde anderswo geändert; nicht wiederholt.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 widerrufen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>SearchableListDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
