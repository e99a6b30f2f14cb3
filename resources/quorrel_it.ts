<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Aiuto Quorrel</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>Quorrel permette di raggiungere alcune impostazioni dell’utente che le schermate di sistema nascondono. Non modifica direttamente alcun file: ogni modifica viene eseguita dagli strumenti del sistema stesso (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>Lingue preferite</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>La tabella elenca le tue lingue preferite, a partire dalla principale, con i nomi nella prima lingua. Trascina una riga in un’altra posizione per cambiare l’ordine; il nuovo ordine viene salvato subito e la tabella viene riletta dal sistema.</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>Con la tastiera, seleziona una lingua e premi &lt;b&gt;Alt+Freccia su&lt;/b&gt; o &lt;b&gt;Alt+Freccia giù&lt;/b&gt; (&lt;b&gt;Opzione+Comando+Freccia su&lt;/b&gt; o &lt;b&gt;Opzione+Comando+Freccia giù&lt;/b&gt; su un Mac) per spostarla di una posizione in su o in giù, esattamente come trascinandola.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>La prima riga è la zona attuale; sotto ci sono le altre zone della tua prima lingua. Trascina una zona in cima per renderla attuale, oppure selezionala e premi &lt;b&gt;A capo&lt;/b&gt; o &lt;b&gt;Alt+Freccia su&lt;/b&gt; (&lt;b&gt;Opzione+Comando+Freccia su&lt;/b&gt; su un Mac). Dopo un aggiornamento viene evidenziata, come suggerimento, la zona più adatta alla prima lingua.</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>Sotto la tabella, &lt;b&gt;Formati&lt;/b&gt; mostra come la zona selezionata, o quella attuale se non ne è selezionata nessuna, scrive una data lunga e una breve, l’ora, un numero, un importo nella sua valuta, con quale giorno iniziano le sue settimane e quale sistema di misura usa. Selezionare una zona non cambia nulla finché non la sposti in cima.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Combinazioni salvate</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;Rimuovi&lt;/b&gt; elimina la combinazione selezionata.</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder e Dock</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;Mostra file nascosti&lt;/b&gt; e &lt;b&gt;Nascondi file nascosti&lt;/b&gt; stabiliscono se il Finder mostra i file nascosti, poi riaprono il Finder. &lt;b&gt;Riapri il Finder&lt;/b&gt; e &lt;b&gt;Riapri il Dock&lt;/b&gt; li chiudono; il sistema li riapre da sé.</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Visore Aiuto</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;Svuota cache Aiuto&lt;/b&gt; termina il daemon dell’Aiuto e rimuove le cache del Visore Aiuto dalla tua cartella Libreria. Il pulsante è attivo finché il daemon dell’Aiuto è in esecuzione.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel usa la prima delle tue lingue preferite in cui è tradotto, così come il sistema le indica all’avvio di Quorrel: inglese, tedesco, francese, spagnolo, italiano, portoghese (Brasile), giapponese, cinese semplificato o russo, e l’inglese se nessuna di queste è tra le tue lingue. Dopo aver cambiato l’ordine, esci da Quorrel e riaprilo per vederlo nella nuova prima lingua.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;Salva zona attuale&lt;/b&gt; salva la zona attuale come combinazione. È possibile finché la lingua della zona è la tua prima lingua.</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>Scegli una combinazione nel menu a comparsa, oppure spostati con &lt;b&gt;« ‹ › »&lt;/b&gt; alla prima, alla precedente, alla successiva o all’ultima, per attivarla: la sua lingua diventa la prima lingua, la sua seconda lingua la seconda e la sua zona la zona attuale. Durante il passaggio gira un indicatore.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;Seconda lingua&lt;/b&gt; sceglie la lingua messa al secondo posto quando si passa alla combinazione selezionata. La tabella delle lingue la mostra subito al secondo posto; l’ordine del sistema cambia al passaggio successivo.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ Impostazioni…&lt;/b&gt; (Preferenze… prima di macOS 13; Ctrl+, o ⌘,) stabilisce se la finestra principale resta sullo schermo mentre Quorrel è in background.</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; aggiunge una lingua: digita parte del suo nome, nella lingua stessa o in quella di Quorrel, oppure il suo codice, e sceglila. Quorrel chiede poi se deve diventare la tua lingua principale; in caso contrario va in fondo all’elenco. &lt;b&gt;−&lt;/b&gt; rimuove le lingue selezionate; l’ultima lingua resta sempre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;Altra zona…&lt;/b&gt; sceglie una zona qualsiasi, non solo quelle della tua prima lingua: digita parte del nome del paese o il suo codice, e sceglilo. La zona diventa la tua prima lingua con quel paese, come la scrive un Mac (inglese con Germania è en_DE).</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;Composizione ▸ Annulla&lt;/b&gt; (Ctrl+Z o ⌘Z) ripristina ciò che l’ultima modifica ha sostituito: l’ordine delle lingue, la zona o le combinazioni salvate. &lt;b&gt;Composizione ▸ Ripristina&lt;/b&gt; (Ctrl+Maiusc+Z o ⇧⌘Z) rifà la modifica. Quorrel legge prima l’impostazione; se nel frattempo è stata modificata altrove, Quorrel non la tocca e lo segnala.</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>La riga in fondo alla finestra indica che cosa è successo all’ultima modifica: un’impostazione che il sistema mostra diversamente da come è stata impostata e, dopo un cambio della prima lingua, che le app la mostrano dopo essere state riaperte. Il menu &lt;b&gt;Finestra&lt;/b&gt; contrae (Ctrl+M o ⌘M), ingrandisce o chiude (Ctrl+W o ⌘W) la finestra in primo piano; Esc chiude anche la finestra delle preferenze.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>App</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>Un’app può usare un ordine di lingue proprio invece delle tue lingue preferite. &lt;b&gt;Aggiorna&lt;/b&gt; mostra le app che ne hanno uno; seleziona un’app per vederne l’ordine, e trascina una lingua o premi &lt;b&gt;Alt+Freccia su&lt;/b&gt; o &lt;b&gt;Alt+Freccia giù&lt;/b&gt; per cambiarlo, come nella tabella delle lingue preferite.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;Aggiungi…&lt;/b&gt; propone le app delle tue cartelle Applicazioni; quella che scegli parte dalle tue lingue preferite. &lt;b&gt;Rimuovi&lt;/b&gt; elimina l’ordine proprio dell’app selezionata, che torna così a seguire le tue lingue preferite. Un’app aperta vede la modifica solo dopo che l’hai chiusa e riaperta; Quorrel non la chiude mai al posto tuo.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>Nessuna seconda lingua</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>Statunitense</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>Metrico e imperiale (Regno Unito)</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>Zona selezionata:</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>Zona attuale:</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>Impossibile mostrare i formati di questa zona</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>Mancano gli strumenti di sistema usati da Quorrel. Apri Quorrel con scripts/run.</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>Aggiungi una lingua preferita</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>Digita il nome o il codice di una lingua:</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>Usare %1 come lingua principale?</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>Le app e i siti web usano la prima lingua dell’elenco che supportano.</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>Usa %1</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>Scegli una zona</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>Digita il nome o il codice di una zona:</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>Aggiungi app</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>Scegli un’app a cui dare lingue proprie:</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>Fai clic su Aggiorna per vedere le app che hanno lingue proprie.</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>Le lingue di questa app non possono essere lette; Quorrel le lascia come sono.</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>Sono stati letti solo i primi 1000 domini di preferenze.</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>Nessuna app ha lingue proprie.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preferred languages</source>
        <translation>Lingue preferite</translation>
    </message>
    <message>
        <source>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</source>
        <translation>Trascina una lingua in un’altra posizione per cambiare l’ordine in cui le app scelgono la lingua. Con una lingua selezionata, Alt+Freccia su e Alt+Freccia giù (Opzione+Comando+Freccia su e giù su un Mac) la spostano.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Drag a row to reorder. The first language names the others.</source>
        <translation>Trascina una riga per cambiare l’ordine. I nomi sono nella prima lingua.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>Prima c’è la zona attuale, poi le altre zone della prima lingua. Trascinane una in cima, oppure selezionala e premi A capo o Alt+Freccia su (Opzione+Comando+Freccia su su un Mac), per renderla attuale.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>Formati della zona</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>Come la zona selezionata, o quella attuale se non ne è selezionata nessuna, scrive date, ore, numeri e importi</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>La zona di cui sono mostrati i formati: quella selezionata, altrimenti quella attuale</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>La data di oggi nel formato lungo della zona</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>Data breve:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>La data di oggi nel formato breve della zona</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>L’ora attuale, come la scrive la zona</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Numero:</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>Un numero con decimali e migliaia, come lo scrive la zona</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Valuta:</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>Un importo nella valuta della zona</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>Primo giorno della settimana:</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>Il giorno con cui iniziano le settimane della zona</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>Sistema di misura:</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>Il sistema di misura della zona</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>Trascina una zona in cima per renderla attuale.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Combinazioni salvate</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>Prima combinazione salvata</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>Passa alla prima combinazione salvata</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>Combinazione salvata precedente</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>Passa alla combinazione salvata precedente</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>Scegli una combinazione salvata per passare al suo ordine delle lingue e alla sua zona</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>Combinazione salvata successiva</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>Passa alla combinazione salvata successiva</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>Ultima combinazione salvata</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>Passa all’ultima combinazione salvata</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>Salva la zona attuale come combinazione (possibile finché la sua lingua è la prima lingua)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>Rimuovi la combinazione selezionata</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>La lingua messa al secondo posto quando si passa alla combinazione selezionata</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Passaggio in corso</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>Gira mentre vengono scritti l’ordine delle lingue e la zona</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder e Dock</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Mostra file nascosti</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>Fai mostrare al Finder i file nascosti, poi riaprilo</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>Nascondi file nascosti</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>Fai nascondere al Finder i file nascosti, poi riaprilo</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>Riapri il Finder</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>Chiudi il Finder; il sistema lo riapre</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>Riapri il Dock</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>Chiudi il Dock; il sistema lo riapre</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Visore Aiuto</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>Svuota cache Aiuto</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>Termina il daemon dell’Aiuto e rimuovi le cache del Visore Aiuto (attivo finché il daemon dell’Aiuto è in esecuzione)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferenze…</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>Esci da Quorrel</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Aiuto Quorrel</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Salva zona attuale</translation>
    </message>
    <message>
        <source>Second language:</source>
        <translation>Seconda lingua:</translation>
    </message>
    <message>
        <source>Second language</source>
        <translation>Seconda lingua</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Add Language…</source>
        <translation>Aggiungi lingua…</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>Scegli una lingua da aggiungere alle lingue preferite</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>Rimuovi lingua</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>Rimuovi le lingue selezionate dalle lingue preferite (l’ultima resta)</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>Altra zona…</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>Scegli una zona qualsiasi per i formati, con la prima lingua</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>Che cosa è successo all’ultima modifica</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Composizione</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Finestra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Contrai</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>App</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>Le app che usano lingue proprie invece delle lingue preferite. Selezionane una per vedere le sue lingue.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificatore</translation>
    </message>
    <message>
        <source>Languages of the application</source>
        <translation>Lingue dell’app</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>L’ordine delle lingue proprio dell’app selezionata. Trascina una lingua in un’altra posizione, oppure selezionala e premi Alt+Freccia su o Alt+Freccia giù (Opzione+Comando+Freccia su e giù su un Mac), per cambiarlo.</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>Aggiungi app</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>Dai lingue proprie a un’app della cartella Applicazioni, partendo dalle lingue preferite</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Aggiungi…</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>Rimuovi app</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>Rimuovi le lingue proprie dell’app selezionata; seguirà poi le lingue preferite</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>Aggiorna app</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>Rileggi quali app hanno lingue proprie</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>Un’app aperta usa le nuove lingue dopo essere stata riaperta.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Preferenze di Quorrel</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Mantieni la finestra aperta quando Quorrel è in background</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>Se disattivato, la finestra principale si nasconde quando è attiva un’altra app</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>Chiudi la finestra delle preferenze</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Impostazioni di Quorrel</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>Chiudi la finestra delle impostazioni</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>Cambia lingua di riserva</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Salva zona attuale</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>Rimuovi combinazione salvata</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>Passa alla combinazione salvata</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>Ordine delle lingue</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>Lingue di %1</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>Combinazioni salvate</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1: il sistema mostra un valore diverso da quello impostato.</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>Le app mostreranno la nuova lingua principale dopo essere state riaperte.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1: modificato altrove; non annullato.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1: modificato altrove; non ripristinato.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripristina %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripristina</translation>
    </message>
</context>
<context>
    <name>SearchableListDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
