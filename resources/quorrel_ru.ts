<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Справка Quorrel</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>Quorrel открывает доступ к нескольким пользовательским настройкам, которых нет в системных настройках. Сам он не изменяет ни одного файла: все изменения вносят собственные инструменты системы (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>Предпочитаемые языки</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>В таблице перечислены предпочитаемые языки, начиная с самого предпочтительного; их названия даны на первом языке. Перетащите строку на другое место, чтобы изменить порядок: новый порядок сразу сохраняется, а таблица заново считывается из системы.</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>С клавиатуры: выберите язык и нажмите &lt;b&gt;Alt+стрелка вверх&lt;/b&gt; или &lt;b&gt;Alt+стрелка вниз&lt;/b&gt; (на Mac — &lt;b&gt;Option+Command+стрелка вверх&lt;/b&gt; или &lt;b&gt;Option+Command+стрелка вниз&lt;/b&gt;), чтобы переместить его на одну позицию вверх или вниз — точно так же, как при перетаскивании.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>Первая строка — текущий регион, под ней — остальные регионы вашего первого языка. Чтобы сделать регион текущим, перетащите его наверх или выберите его и нажмите &lt;b&gt;Return&lt;/b&gt; или &lt;b&gt;Alt+стрелка вверх&lt;/b&gt; (на Mac — &lt;b&gt;Option+Command+стрелка вверх&lt;/b&gt;). После обновления регион, лучше всего подходящий к первому языку, выделяется в качестве подсказки.</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>Под таблицей в разделе &lt;b&gt;Форматы&lt;/b&gt; видно, как выбранный регион (или текущий, если ничего не выбрано) записывает длинную и краткую дату, время, число, сумму в своей валюте, с какого дня у него начинается неделя и какую систему мер он использует. Выбор региона ничего не меняет, пока вы не переместите его наверх.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Сохранённые комбинации</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;Удалить&lt;/b&gt; удаляет выбранную комбинацию.</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder и Dock</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;Показать скрытые файлы&lt;/b&gt; и &lt;b&gt;Не показывать скрытые файлы&lt;/b&gt; включают или выключают показ скрытых файлов в Finder, после чего перезапускают Finder. &lt;b&gt;Перезапустить Finder&lt;/b&gt; и &lt;b&gt;Перезапустить Dock&lt;/b&gt; завершают их, и система запускает их снова.</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Просмотр справки</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;Очистить кэши справки&lt;/b&gt; завершает демон справки и удаляет кэши программы «Просмотр справки» из вашей папки «Библиотеки». Кнопка доступна, пока работает демон справки.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel использует первый из ваших предпочитаемых языков, на который он переведён, в том порядке, в каком система сообщает их при запуске Quorrel: английский, немецкий, французский, испанский, итальянский, португальский (Бразилия), японский, китайский (упрощённое письмо) или русский, а если ни одного из них нет среди ваших языков — английский. Изменив порядок, завершите Quorrel и откройте его снова, чтобы увидеть его на новом первом языке.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;Сохранить текущий регион&lt;/b&gt; сохраняет текущий регион как комбинацию. Это возможно, пока язык региона остаётся вашим первым языком.</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>Выберите комбинацию во всплывающем меню или перейдите кнопками &lt;b&gt;« ‹ › »&lt;/b&gt; к первой, предыдущей, следующей или последней, чтобы переключиться на неё: её язык станет первым, второй язык — вторым, а регион — текущим. Во время переключения вращается индикатор.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;Второй язык&lt;/b&gt; задаёт язык, который встанет вторым при переключении на выбранную комбинацию. Таблица языков сразу показывает его вторым, а порядок в системе изменится при следующем переключении.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ Настройки…&lt;/b&gt; (Ctrl+, или ⌘,) определяет, остаётся ли главное окно на экране, пока Quorrel работает в фоновом режиме.</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; добавляет язык: введите часть его названия — на самом этом языке или на языке Quorrel — или его код и выберите его. Затем Quorrel спросит, сделать ли его основным языком; если нет, он окажется в конце списка. &lt;b&gt;−&lt;/b&gt; удаляет выбранные языки; последний язык остаётся всегда.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;Другой регион…&lt;/b&gt; выбирает любой регион, а не только регионы первого языка: введите часть названия страны или её код и выберите её. Регион станет первым языком с этой страной, как его записывает Mac (английский с Германией — en_DE).</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;Правка ▸ Отменить&lt;/b&gt; (Ctrl+Z или ⌘Z) возвращает то, что заменило последнее изменение: порядок языков, регион или сохранённые комбинации. &lt;b&gt;Правка ▸ Повторить&lt;/b&gt; (Ctrl+Shift+Z или ⇧⌘Z) вносит изменение снова. Сначала Quorrel заново читает настройку; если за это время её изменили в другом месте, Quorrel её не трогает и сообщает об этом.</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>Строка внизу окна сообщает, что стало с последним изменением: настройка, которую система показывает не так, как она была задана, и, после смены первого языка, что приложения покажут его после повторного открытия. Меню &lt;b&gt;Окно&lt;/b&gt; сворачивает (Ctrl+M или ⌘M), изменяет масштаб или закрывает (Ctrl+W или ⌘W) переднее окно; Esc также закрывает окно настроек.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>Приложение может использовать собственный порядок языков вместо ваших предпочитаемых языков. &lt;b&gt;Обновить&lt;/b&gt; показывает приложения, у которых он есть; выберите приложение, чтобы увидеть его порядок, и перетащите язык или нажмите &lt;b&gt;Alt+стрелка вверх&lt;/b&gt; или &lt;b&gt;Alt+стрелка вниз&lt;/b&gt;, чтобы изменить его, как в таблице предпочитаемых языков.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;Добавить…&lt;/b&gt; предлагает приложения из ваших папок «Программы»; выбранное начинает с ваших предпочитаемых языков. &lt;b&gt;Удалить&lt;/b&gt; стирает собственный порядок выбранного приложения, и оно снова следует вашим предпочитаемым языкам. Открытое приложение увидит изменение только после того, как вы завершите его и откроете снова; Quorrel никогда не завершает его за вас.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>Без второго языка</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>Американская</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>Метрическая и имперская (Великобритания)</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>Метрическая</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>Выбранный регион:</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>Текущий регион:</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>Невозможно показать форматы этого региона</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>Не найдены системные инструменты, с которыми работает Quorrel. Запустите Quorrel с помощью scripts/run.</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>Добавить предпочитаемый язык</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>Введите название или код языка:</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>Использовать «%1» как основной язык?</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>Приложения и веб-сайты используют первый поддерживаемый ими язык из списка.</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>Использовать %1</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>Выбор региона</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>Введите название или код региона:</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>Добавить приложение</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>Выберите приложение, которому нужны собственные языки:</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>Нажмите «Обновить», чтобы увидеть приложения с собственными языками.</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>Языки этого приложения не удаётся прочитать; Quorrel оставляет их без изменений.</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>Прочитаны только первые 1000 доменов настроек.</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>Ни у одного приложения нет собственных языков.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preferred languages</source>
        <translation>Предпочитаемые языки</translation>
    </message>
    <message>
        <source>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</source>
        <translation>Перетащите язык на другое место, чтобы изменить порядок, в котором приложения выбирают язык. Выбранный язык перемещают клавиши Alt+стрелка вверх и Alt+стрелка вниз (на Mac — Option+Command+стрелка вверх и вниз).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Drag a row to reorder. The first language names the others.</source>
        <translation>Перетащите строку, чтобы изменить порядок. Названия даны на первом языке.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Регионы</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>Сначала идёт текущий регион, затем остальные регионы первого языка. Чтобы сделать регион текущим, перетащите его наверх или выберите и нажмите Return или Alt+стрелка вверх (на Mac — Option+Command+стрелка вверх).</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Форматы</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>Форматы региона</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>Как выбранный регион (или текущий, если ничего не выбрано) записывает даты, время, числа и денежные суммы</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Регион:</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>Регион, форматы которого показаны: выбранный, а если его нет — текущий</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>Сегодняшняя дата в длинном формате региона</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>Краткая дата:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>Сегодняшняя дата в кратком формате региона</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>Текущее время в записи региона</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Число:</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>Число с дробной частью и разрядами в записи региона</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Валюта:</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>Сумма в валюте региона</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>Первый день недели:</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>День, с которого в регионе начинается неделя</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>Система мер:</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>Система мер региона</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>Перетащите регион наверх, чтобы сделать его текущим.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Сохранённые комбинации</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>Первая сохранённая комбинация</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>Переключиться на первую сохранённую комбинацию</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>Предыдущая сохранённая комбинация</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>Переключиться на предыдущую сохранённую комбинацию</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>Выберите сохранённую комбинацию, чтобы переключить на неё порядок языков и регион</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>Следующая сохранённая комбинация</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>Переключиться на следующую сохранённую комбинацию</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>Последняя сохранённая комбинация</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>Переключиться на последнюю сохранённую комбинацию</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>Сохранить текущий регион как комбинацию (возможно, пока его язык — первый язык)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>Удалить выбранную комбинацию</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>Язык, который встанет вторым при переключении на выбранную комбинацию</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Переключение</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>Вращается, пока записываются порядок языков и регион</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder и Dock</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Показать скрытые файлы</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>Включить показ скрытых файлов в Finder и перезапустить его</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>Не показывать скрытые файлы</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>Выключить показ скрытых файлов в Finder и перезапустить его</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>Перезапустить Finder</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>Завершить Finder; система запустит его снова</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>Перезапустить Dock</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>Завершить Dock; система запустит его снова</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Просмотр справки</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>Очистить кэши справки</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>Завершить демон справки и удалить кэши программы «Просмотр справки» (доступно, пока работает демон справки)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>Завершить Quorrel</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Справка Quorrel</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Сохранить текущий регион</translation>
    </message>
    <message>
        <source>Second language:</source>
        <translation>Второй язык:</translation>
    </message>
    <message>
        <source>Second language</source>
        <translation>Второй язык</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Add Language…</source>
        <translation>Добавить язык…</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>Выбрать язык, который нужно добавить к предпочитаемым</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>Удалить язык</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>Удалить выбранные языки из предпочитаемых (последний остаётся)</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>Другой регион…</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>Выбрать любой регион для форматов, с первым языком</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>Что стало с последним изменением</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Окно</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Изменить масштаб</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>Приложения, которые используют собственные языки вместо предпочитаемых. Выберите одно, чтобы увидеть его языки.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Languages of the application</source>
        <translation>Языки приложения</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>Собственный порядок языков выбранного приложения. Чтобы изменить его, перетащите язык на другое место или выберите его и нажмите Alt+стрелка вверх или Alt+стрелка вниз (на Mac — Option+Command+стрелка вверх и вниз).</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>Добавить приложение</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>Задать приложению из папки «Программы» собственные языки, начиная с предпочитаемых</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Добавить…</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>Удалить приложение</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>Удалить собственные языки выбранного приложения; после этого оно следует предпочитаемым языкам</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>Обновить приложения</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>Заново прочитать, у каких приложений есть собственные языки</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>Открытое приложение использует новые языки после повторного открытия.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Настройки Quorrel</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Не закрывать окно, когда Quorrel работает в фоновом режиме</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>Если выключено, главное окно скрывается, пока активно другое приложение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>Закрыть окно настроек</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Настройки Quorrel</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>Закрыть окно настроек</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>Изменение запасного языка</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Сохранение текущего региона</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>Удаление сохранённой комбинации</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>Переход к сохранённой комбинации</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>Порядок языков</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>Языки %1</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>Сохранённые комбинации</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1: система показывает другое значение, чем заданное.</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>Приложения покажут новый основной язык после повторного открытия.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1: изменено в другом месте; не отменено.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1: изменено в другом месте; не повторено.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>SearchableListDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отменить</translation>
    </message>
</context>
</TS>
