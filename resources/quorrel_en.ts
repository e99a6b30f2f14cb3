<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Quorrel Help</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>Preferred languages</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Saved combinations</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder and Dock</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Help viewer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>No second language</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>US customary</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>Metric and imperial (UK)</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>Selected region:</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>Current region:</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>Cannot show the formats of this region</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>The system tools Quorrel works with are missing. Start Quorrel with scripts/run.</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>Add a Preferred Language</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>Type a language&apos;s name or code:</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>Use %1 as your primary language?</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>Applications and websites use the first language in the list that they support.</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>Use %1</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>Choose a Region</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>Type a region&apos;s name or code:</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>Add Application</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>Choose an application to give languages of its own:</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>Click Refresh to list the applications that have languages of their own.</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>This application&apos;s languages cannot be read; Quorrel leaves them as they are.</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>Only the first 1000 preference domains were read.</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>No application has languages of its own.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preferred languages</source>
        <translation>Preferred languages</translation>
    </message>
    <message>
        <source>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</source>
        <translation>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Drag a row to reorder. The first language names the others.</source>
        <translation>Drag a row to reorder. The first language names the others.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Regions</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>Formats of the region</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>The region whose formats are shown: the selected one, else the current one</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>Today&apos;s date in the region&apos;s long form</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>Short date:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>Today&apos;s date in the region&apos;s short form</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>The time now, as the region writes it</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>A number with decimals and thousands, as the region writes it</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Currency:</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>An amount in the region&apos;s currency</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>First day of the week:</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>The day the region&apos;s weeks begin with</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>Measurement:</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>The region&apos;s system of measurement</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>Drag a region to the top to make it the current one.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Saved combinations</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>First saved combination</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>Switch to the first saved combination</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>Previous saved combination</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>Switch to the previous saved combination</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>Choose a saved combination to switch the language order and region to it</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>Next saved combination</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>Switch to the next saved combination</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>Last saved combination</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>Switch to the last saved combination</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>Save the current region as a combination (possible while its language is the first language)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>Remove the selected combination</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>The language placed second when switching to the selected combination</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Switching</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>Turns while the language order and region are being written</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder and Dock</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Show Hidden Files</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>Make the Finder show hidden files, then restart it</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>Hide Hidden Files</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>Make the Finder hide hidden files, then restart it</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>Restart Finder</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>Quit the Finder; the system starts it again</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>Restart Dock</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>Quit the Dock; the system starts it again</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Help viewer</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>Clear Help Caches</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferences…</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>Quit Quorrel</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Quorrel Help</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Save Current Region</translation>
    </message>
    <message>
        <source>Second language:</source>
        <translation>Second language:</translation>
    </message>
    <message>
        <source>Second language</source>
        <translation>Second language</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>Add Language…</source>
        <translation>Add Language…</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>Choose a language to add to the preferred languages</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>Remove Language</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>Remove the selected languages from the preferred languages (the last one stays)</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>Other Region…</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>Choose any region for the formats, with the first language</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>What became of the last change</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Languages of the application</source>
        <translation>Languages of the application</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>Add Application</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>Give an application from the Applications folder languages of its own, starting with the preferred languages</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>Remove Application</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>Remove the selected application&apos;s own languages; it then follows the preferred languages</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>Refresh Applications</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>Read again which applications have languages of their own</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>An application that is open uses its new languages once it is reopened.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Quorrel Preferences</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Keep the window open while Quorrel is in the background</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>When off, the main window hides while another application is active</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>Close the preferences window</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Quorrel Settings</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>Close the settings window</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>Change Fallback Language</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Save Current Region</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>Remove Saved Combination</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>Switch to Saved Combination</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>Language Order</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>Languages of %1</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>Saved Combinations</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1: the system shows another value than the one set.</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>Applications show the new primary language after they are reopened.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1 was changed elsewhere; not undone.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1 was changed elsewhere; not redone.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>SearchableListDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
