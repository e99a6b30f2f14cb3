<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Aide Quorrel</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>Quorrel donne accès à quelques réglages propres à chaque utilisateur que les écrans du système cachent. Il ne modifie lui-même aucun fichier : chaque changement est effectué par les outils du système (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>Langues préférées</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>Le tableau présente vos langues préférées, la principale en premier, nommées dans la première langue. Faites glisser une ligne ailleurs pour changer l’ordre ; le nouvel ordre est enregistré aussitôt et le tableau est relu depuis le système.</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>Au clavier, sélectionnez une langue et appuyez sur &lt;b&gt;Alt+Flèche haut&lt;/b&gt; ou &lt;b&gt;Alt+Flèche bas&lt;/b&gt; (&lt;b&gt;Option+Commande+Flèche haut&lt;/b&gt; ou &lt;b&gt;Option+Commande+Flèche bas&lt;/b&gt; sur un Mac) pour la monter ou la descendre d’une place, exactement comme en la faisant glisser.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>La première ligne est la région actuelle ; en dessous figurent les autres régions de votre première langue. Faites glisser une région tout en haut pour en faire la région actuelle, ou sélectionnez-la et appuyez sur &lt;b&gt;Retour&lt;/b&gt; ou &lt;b&gt;Alt+Flèche haut&lt;/b&gt; (&lt;b&gt;Option+Commande+Flèche haut&lt;/b&gt; sur un Mac). Après une actualisation, la région qui correspond le mieux à la première langue est mise en évidence à titre de suggestion.</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>Sous le tableau, &lt;b&gt;Formats&lt;/b&gt; montre comment la région sélectionnée, ou la région actuelle si aucune n’est sélectionnée, écrit une date longue et une date courte, l’heure, un nombre, un montant dans sa devise, par quel jour commencent ses semaines et quel système de mesure elle utilise. Sélectionner une région ne change rien tant que vous ne la placez pas tout en haut.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Combinaisons enregistrées</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;Supprimer&lt;/b&gt; efface la combinaison sélectionnée.</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder et Dock</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;Afficher les fichiers cachés&lt;/b&gt; et &lt;b&gt;Masquer les fichiers cachés&lt;/b&gt; indiquent au Finder s’il doit afficher les fichiers cachés, puis relancent le Finder. &lt;b&gt;Relancer le Finder&lt;/b&gt; et &lt;b&gt;Relancer le Dock&lt;/b&gt; les quittent ; le système les relance aussitôt.</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Visualiseur d’aide</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;Vider les caches de l’aide&lt;/b&gt; arrête le démon de l’aide et supprime les caches du Visualiseur d’aide de votre dossier Bibliothèque. Le bouton est actif tant que le démon de l’aide fonctionne.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel s’affiche dans la première de vos langues préférées dans laquelle il est traduit, telles que le système les indique au lancement de Quorrel : anglais, allemand, français, espagnol, italien, portugais (Brésil), japonais, chinois simplifié ou russe, et en anglais si aucune d’elles ne fait partie de vos langues. Après avoir changé l’ordre, quittez Quorrel et rouvrez-le pour le voir dans la nouvelle première langue.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;Enregistrer la région actuelle&lt;/b&gt; enregistre la région actuelle comme combinaison. C’est possible tant que la langue de la région est votre première langue.</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>Choisissez une combinaison dans le menu local, ou passez avec &lt;b&gt;« ‹ › »&lt;/b&gt; à la première, la précédente, la suivante ou la dernière, pour l’appliquer : sa langue devient la première langue, sa deuxième langue la deuxième et sa région la région actuelle. Un indicateur tourne pendant le changement.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;Deuxième langue&lt;/b&gt; choisit la langue placée en deuxième position lors du passage à la combinaison sélectionnée. Le tableau des langues l’affiche aussitôt en deuxième ; l’ordre du système change au prochain passage.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ Réglages…&lt;/b&gt; (Préférences… avant macOS 13&#xa0;; Ctrl+, ou ⌘,) détermine si la fenêtre principale reste à l’écran lorsque Quorrel est en arrière-plan.</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; ajoute une langue&#xa0;: saisissez une partie de son nom, dans la langue elle-même ou dans celle de Quorrel, ou son code, puis choisissez-la. Quorrel demande ensuite si elle devient votre langue principale&#xa0;; sinon, elle est placée à la fin de la liste. &lt;b&gt;−&lt;/b&gt; supprime les langues sélectionnées&#xa0;; la dernière langue reste toujours.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;Autre région…&lt;/b&gt; choisit n’importe quelle région, pas seulement celles de votre première langue&#xa0;: saisissez une partie du nom du pays ou son code, puis choisissez-le. La région devient votre première langue avec ce pays, comme l’écrit un Mac (l’anglais avec l’Allemagne donne en_DE).</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;Édition ▸ Annuler&lt;/b&gt; (Ctrl+Z ou ⌘Z) rétablit ce que votre dernière modification a remplacé&#xa0;: l’ordre des langues, la région ou les combinaisons enregistrées. &lt;b&gt;Édition ▸ Rétablir&lt;/b&gt; (Ctrl+Maj+Z ou ⇧⌘Z) refait la modification. Quorrel relit d’abord le réglage&#xa0;; si autre chose l’a modifié entre-temps, Quorrel n’y touche pas et le signale.</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>La ligne en bas de la fenêtre indique ce qu’il est advenu de votre dernière modification&#xa0;: un réglage que le système affiche autrement qu’il a été défini et, après un changement de la première langue, que les apps l’affichent une fois rouvertes. Le menu &lt;b&gt;Fenêtre&lt;/b&gt; place la fenêtre de premier plan dans le Dock (Ctrl+M ou ⌘M), la réduit/agrandit ou la ferme (Ctrl+W ou ⌘W)&#xa0;; Échap ferme aussi la fenêtre des préférences.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>Une app peut utiliser son propre ordre de langues au lieu de vos langues préférées. &lt;b&gt;Actualiser&lt;/b&gt; affiche les apps qui en ont un ; sélectionnez une app pour voir son ordre, puis faites glisser une langue ou appuyez sur &lt;b&gt;Alt+Flèche haut&lt;/b&gt; ou &lt;b&gt;Alt+Flèche bas&lt;/b&gt; pour le modifier, comme dans le tableau des langues préférées.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;Ajouter…&lt;/b&gt; propose les apps de vos dossiers Applications ; celle que vous choisissez commence avec vos langues préférées. &lt;b&gt;Supprimer&lt;/b&gt; efface l’ordre propre à l’app sélectionnée, qui suit alors de nouveau vos langues préférées. Une app ouverte ne voit le changement qu’après avoir été quittée et rouverte ; Quorrel ne la quitte jamais à votre place.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>Aucune deuxième langue</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>Américain</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>Métrique et impérial (R.-U.)</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>Région sélectionnée&#xa0;:</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>Région actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>Impossible d’afficher les formats de cette région</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>Les outils système qu’utilise Quorrel sont introuvables. Lancez Quorrel avec scripts/run.</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>Ajouter une langue préférée</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>Saisissez le nom ou le code d’une langue&#xa0;:</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>Utiliser «&#xa0;%1&#xa0;» comme langue principale&#xa0;?</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>Les apps et les sites web utilisent la première langue de la liste qu’ils prennent en charge.</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>Choisir une région</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>Saisissez le nom ou le code d’une région&#xa0;:</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>Ajouter une app</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>Choisissez une app à laquelle donner ses propres langues&#xa0;:</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>Cliquez sur Actualiser pour afficher les apps qui ont leurs propres langues.</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>Les langues de cette app ne peuvent pas être lues ; Quorrel les laisse telles quelles.</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>Seuls les 1000 premiers domaines de préférences ont été lus.</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>Aucune app n’a ses propres langues.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preferred languages</source>
        <translation>Langues préférées</translation>
    </message>
    <message>
        <source>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</source>
        <translation>Faites glisser une langue à un autre endroit pour changer l’ordre dans lequel les apps choisissent leur langue. Lorsqu’une langue est sélectionnée, Alt+Flèche haut et Alt+Flèche bas (Option+Commande+Flèche haut et bas sur un Mac) la déplacent.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Drag a row to reorder. The first language names the others.</source>
        <translation>Faites glisser une ligne pour changer l’ordre. Les noms sont dans la première langue.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Régions</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>La région actuelle vient en premier, puis les autres régions de la première langue. Faites-en glisser une tout en haut, ou sélectionnez-la et appuyez sur Retour ou Alt+Flèche haut (Option+Commande+Flèche haut sur un Mac), pour en faire la région actuelle.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>Formats de la région</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>Comment la région sélectionnée, ou la région actuelle si aucune n’est sélectionnée, écrit les dates, les heures, les nombres et les montants</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Région&#xa0;:</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>La région dont les formats sont affichés : la région sélectionnée, sinon la région actuelle</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>La date du jour au format long de la région</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>Date courte&#xa0;:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>La date du jour au format court de la région</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>L’heure actuelle, telle que la région l’écrit</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nombre&#xa0;:</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>Un nombre avec décimales et milliers, tel que la région l’écrit</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Devise&#xa0;:</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>Un montant dans la devise de la région</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>Premier jour de la semaine&#xa0;:</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>Le jour par lequel commencent les semaines de la région</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>Système de mesure&#xa0;:</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>Le système de mesure de la région</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>Faites glisser une région tout en haut pour en faire la région actuelle.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Combinaisons enregistrées</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>Première combinaison enregistrée</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>Passer à la première combinaison enregistrée</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>Combinaison enregistrée précédente</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>Passer à la combinaison enregistrée précédente</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>Choisissez une combinaison enregistrée pour appliquer son ordre des langues et sa région</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>Combinaison enregistrée suivante</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>Passer à la combinaison enregistrée suivante</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>Dernière combinaison enregistrée</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>Passer à la dernière combinaison enregistrée</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>Enregistrer la région actuelle comme combinaison (possible tant que sa langue est la première langue)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>Supprimer la combinaison sélectionnée</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>La langue placée en deuxième position lors du passage à la combinaison sélectionnée</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Changement en cours</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>Tourne pendant l’écriture de l’ordre des langues et de la région</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder et Dock</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Afficher les fichiers cachés</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>Faire afficher les fichiers cachés par le Finder, puis le relancer</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>Masquer les fichiers cachés</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>Faire masquer les fichiers cachés par le Finder, puis le relancer</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>Relancer le Finder</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>Quitter le Finder ; le système le relance</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>Relancer le Dock</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>Quitter le Dock ; le système le relance</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Visualiseur d’aide</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>Vider les caches de l’aide</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>Arrêter le démon de l’aide et supprimer les caches du Visualiseur d’aide (actif tant que le démon de l’aide fonctionne)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>Quitter Quorrel</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Aide Quorrel</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Enregistrer la région actuelle</translation>
    </message>
    <message>
        <source>Second language:</source>
        <translation>Deuxième langue&#xa0;:</translation>
    </message>
    <message>
        <source>Second language</source>
        <translation>Deuxième langue</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>Add Language…</source>
        <translation>Ajouter une langue…</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>Choisir une langue à ajouter aux langues préférées</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>Supprimer la langue</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>Supprimer les langues sélectionnées des langues préférées (la dernière reste)</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>Autre région…</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>Choisir n’importe quelle région pour les formats, avec la première langue</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>Ce qu’il est advenu de la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenêtre</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Placer dans le Dock</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Réduire/agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>Les apps qui utilisent leurs propres langues au lieu des langues préférées. Sélectionnez-en une pour voir ses langues.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Languages of the application</source>
        <translation>Langues de l’app</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>L’ordre des langues propre à l’app sélectionnée. Faites glisser une langue à un autre endroit, ou sélectionnez-la et appuyez sur Alt+Flèche haut ou Alt+Flèche bas (Option+Commande+Flèche haut et bas sur un Mac), pour le modifier.</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>Ajouter une app</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>Donner à une app du dossier Applications ses propres langues, en commençant par les langues préférées</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>Supprimer l’app</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>Supprimer les langues propres à l’app sélectionnée ; elle suit alors les langues préférées</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>Actualiser les apps</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>Relire quelles apps ont leurs propres langues</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>Une app ouverte utilise ses nouvelles langues une fois rouverte.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Préférences de Quorrel</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Garder la fenêtre ouverte lorsque Quorrel est en arrière-plan</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>Si cette option est désactivée, la fenêtre principale est masquée lorsqu’une autre app est active</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>Fermer la fenêtre des préférences</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Réglages de Quorrel</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>Fermer la fenêtre des réglages</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>Modifier la langue de secours</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Enregistrer la région actuelle</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>Supprimer la combinaison enregistrée</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>Passer à la combinaison enregistrée</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>Ordre des langues</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>Langues de %1</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>Combinaisons enregistrées</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1&#xa0;: le système affiche une autre valeur que celle définie.</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>Les apps affichent la nouvelle langue principale après avoir été rouvertes.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1&#xa0;: modifié ailleurs&#xa0;; non annulé.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1&#xa0;: modifié ailleurs&#xa0;; non rétabli.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>SearchableListDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
