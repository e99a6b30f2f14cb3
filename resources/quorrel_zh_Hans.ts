<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Quorrel 帮助</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>Quorrel 可以访问系统设置界面中隐藏的几项用户设置。它自己不编辑任何文件：所有更改都由系统自带的工具（&lt;code&gt;defaults&lt;/code&gt;、&lt;code&gt;killall&lt;/code&gt;、&lt;code&gt;ps&lt;/code&gt;、&lt;code&gt;kill&lt;/code&gt;、&lt;code&gt;rm&lt;/code&gt;）完成。</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>首选语言</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>表格按优先顺序列出你的首选语言，语言名称以主要语言显示。将某一行拖到其他位置即可更改顺序；新顺序会立即存储，表格随后会从系统重新读取。</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>使用键盘时，选择一种语言后按 &lt;b&gt;Alt+上箭头&lt;/b&gt; 或 &lt;b&gt;Alt+下箭头&lt;/b&gt;（在 Mac 上按 &lt;b&gt;Option+Command+上箭头&lt;/b&gt; 或 &lt;b&gt;Option+Command+下箭头&lt;/b&gt;），即可将它上移或下移一位，效果与拖移完全相同。</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>第一行是当前地区，下面是你主要语言的其他地区。将某个地区拖到最上方，或者选中它后按 &lt;b&gt;Return&lt;/b&gt; 键或 &lt;b&gt;Alt+上箭头&lt;/b&gt;（在 Mac 上按 &lt;b&gt;Option+Command+上箭头&lt;/b&gt;），即可将它设为当前地区。刷新后，与主要语言最匹配的地区会高亮显示，以供参考。</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>表格下方的&lt;b&gt;格式&lt;/b&gt;显示所选地区（未选择时为当前地区）如何书写长日期和短日期、时间、数字、以其货币表示的金额，以及每周从哪一天开始、使用哪种度量单位。仅选中地区不会更改任何设置，只有将它移到最上方才会生效。</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>存储的组合</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;移除&lt;/b&gt;会删除所选组合。</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>访达和程序坞</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;显示隐藏文件&lt;/b&gt;和&lt;b&gt;不显示隐藏文件&lt;/b&gt;会更改访达是否显示隐藏文件，然后重新启动访达。&lt;b&gt;重新启动访达&lt;/b&gt;和&lt;b&gt;重新启动程序坞&lt;/b&gt;会退出它们，系统随后会再次启动它们。</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>帮助显示程序</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;清除帮助缓存&lt;/b&gt;会结束帮助守护进程，并从你的“资源库”文件夹中移除帮助显示程序的缓存。仅当帮助守护进程正在运行时，此按钮才可用。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel 会使用系统在启动时报告的首选语言中第一种已翻译的语言：英语、德语、法语、西班牙语、意大利语、葡萄牙语（巴西）、日语、简体中文或俄语；如果这些语言都不在你的语言列表中，则使用英语。更改顺序后，退出 Quorrel 并重新打开，即可看到新的主要语言。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;存储当前地区&lt;/b&gt;会将当前地区存储为一个组合。仅当该地区的语言是你的主要语言时才可使用。</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>在弹出式菜单中选取一个组合，或用 &lt;b&gt;« ‹ › »&lt;/b&gt; 跳到第一个、上一个、下一个或最后一个组合，即可切换到该组合：它的语言成为主要语言，第二语言排在第二位，地区成为当前地区。切换过程中会显示旋转的进度指示器。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;第二语言&lt;/b&gt;用于选择切换到所选组合时排在第二位的语言。语言表格会立即将它显示在第二位；系统中的顺序在下次切换时才会改变。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ 设置…&lt;/b&gt;（macOS 13 之前为偏好设置…；Ctrl+, 或 ⌘,）用于选择 Quorrel 在后台时主窗口是否仍留在屏幕上。</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; 用于添加语言：输入其名称的一部分（该语言本身的名称或 Quorrel 所用语言的名称）或其代码，然后选择它。随后 Quorrel 会询问是否将其用作主要语言；如果不是，它会被放到列表末尾。&lt;b&gt;−&lt;/b&gt; 用于移除所选语言；最后一种语言始终会保留。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;其他地区…&lt;/b&gt; 可选择任意地区，而不只是第一种语言的地区：输入国家或地区名称的一部分或其代码，然后选择它。地区会成为第一种语言加上该国家或地区，与 Mac 的写法相同（英语加德国为 en_DE）。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;编辑 ▸ 撤销&lt;/b&gt;（Ctrl+Z 或 ⌘Z）会恢复上一次更改所替换的内容：语言顺序、地区或存储的组合。&lt;b&gt;编辑 ▸ 重做&lt;/b&gt;（Ctrl+Shift+Z 或 ⇧⌘Z）会再次进行该更改。Quorrel 会先重新读取该设置；如果它在此期间已在别处被更改，Quorrel 不会改动它，并会告诉你。</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>窗口底部的一行会说明上一次更改的结果：系统显示的值与设置不同的设置，以及更改第一语言后，应用程序重新打开才会显示该语言。&lt;b&gt;窗口&lt;/b&gt;菜单可将最前面的窗口最小化（Ctrl+M 或 ⌘M）、缩放或关闭（Ctrl+W 或 ⌘W）；按 Esc 也可关闭偏好设置窗口。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>App</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>App 可以使用独立的语言顺序，而不使用你的首选语言。&lt;b&gt;刷新&lt;/b&gt; 会列出拥有独立顺序的 App；选择一个 App 以查看其顺序，然后像在首选语言表中一样，拖移语言或按 &lt;b&gt;Alt+上箭头&lt;/b&gt; 或 &lt;b&gt;Alt+下箭头&lt;/b&gt; 来更改。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;添加…&lt;/b&gt; 会列出“应用程序”文件夹中的 App；所选的 App 初始为你的首选语言。&lt;b&gt;移除&lt;/b&gt; 会删除所选 App 的独立顺序，使其重新遵循你的首选语言。已打开的 App 需要退出并重新打开后才会看到更改；Quorrel 绝不会替你退出它。</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>无第二语言</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>美制</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>公制和英制（英国）</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>公制</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>所选地区：</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>当前地区：</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>无法显示此地区的格式</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>找不到 Quorrel 使用的系统工具。请用 scripts/run 启动 Quorrel。</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>添加首选语言</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>输入语言的名称或代码：</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>要将“%1”用作主要语言吗？</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>应用和网站会使用列表中它们支持的第一种语言。</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>使用“%1”</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>选择地区</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>输入地区的名称或代码：</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>添加 App</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>选择一个要使用独立语言的 App：</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>点按“刷新”以列出拥有独立语言的 App。</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>无法读取此 App 的语言；Quorrel 不会更改它们。</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>仅读取了前 1000 个偏好设置域。</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>没有 App 拥有独立语言。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preferred languages</source>
        <translation>首选语言</translation>
    </message>
    <message>
        <source>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</source>
        <translation>将语言拖到其他位置，可更改 App 选择语言的顺序。选中一种语言后，按 Alt+上箭头或 Alt+下箭头（在 Mac 上按 Option+Command+上箭头或下箭头）可移动它。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Drag a row to reorder. The first language names the others.</source>
        <translation>拖移行可更改顺序。语言名称以主要语言显示。</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>地区列表</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>当前地区排在最前，其后是主要语言的其他地区。将某个地区拖到最上方，或选中后按 Return 键或 Alt+上箭头（在 Mac 上按 Option+Command+上箭头），即可将它设为当前地区。</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>地区格式</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>所选地区（未选择时为当前地区）书写日期、时间、数字和金额的方式</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>地区：</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>显示其格式的地区：所选地区，否则为当前地区</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>今天的日期（该地区的长格式）</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>短日期：</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>今天的日期（该地区的短格式）</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>当前时间（该地区的写法）</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>数字：</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>带小数和千位分隔符的数字（该地区的写法）</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>货币：</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>以该地区货币表示的金额</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>每周的第一天：</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>该地区每周开始的那一天</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>度量单位：</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>该地区的度量单位</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>将地区拖到最上方即可设为当前地区。</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>存储的组合</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>第一个存储的组合</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>切换到第一个存储的组合</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>上一个存储的组合</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>切换到上一个存储的组合</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>选取一个存储的组合，将语言顺序和地区切换为该组合</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>下一个存储的组合</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>切换到下一个存储的组合</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>最后一个存储的组合</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>切换到最后一个存储的组合</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>将当前地区存储为组合（仅当其语言为主要语言时可用）</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>移除所选组合</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>切换到所选组合时排在第二位的语言</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>正在切换</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>写入语言顺序和地区时旋转</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>访达和程序坞</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>显示隐藏文件</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>让访达显示隐藏文件，然后重新启动访达</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>不显示隐藏文件</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>让访达不显示隐藏文件，然后重新启动访达</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>重新启动访达</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>退出访达，系统会再次启动它</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>重新启动程序坞</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>退出程序坞，系统会再次启动它</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>帮助显示程序</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>清除帮助缓存</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>结束帮助守护进程并移除帮助显示程序的缓存（仅当帮助守护进程运行时可用）</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>偏好设置…</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>退出 Quorrel</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Quorrel 帮助</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>存储当前地区</translation>
    </message>
    <message>
        <source>Second language:</source>
        <translation>第二语言：</translation>
    </message>
    <message>
        <source>Second language</source>
        <translation>第二语言</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Add Language…</source>
        <translation>添加语言…</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>选择要添加到首选语言的语言</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>移除语言</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>从首选语言中移除所选语言（最后一种会保留）</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>其他地区…</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>为格式选择任意地区，并搭配第一种语言</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>上一次更改的结果</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>App</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>使用独立语言而非首选语言的 App。选择一个以查看其语言。</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>标识符</translation>
    </message>
    <message>
        <source>Languages of the application</source>
        <translation>App 的语言</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>所选 App 的独立语言顺序。将语言拖到其他位置，或选中它后按 Alt+上箭头或 Alt+下箭头（在 Mac 上按 Option+Command+上箭头或下箭头）可更改顺序。</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>添加 App</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>为“应用程序”文件夹中的 App 设置独立语言，初始为首选语言</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>添加…</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>移除 App</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>移除所选 App 的独立语言；之后它将遵循首选语言</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>刷新 App</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>重新读取哪些 App 拥有独立语言</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>已打开的 App 重新打开后才会使用新的语言。</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Quorrel 偏好设置</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Quorrel 在后台时保持窗口打开</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>关闭时，其他 App 处于活跃状态期间主窗口会隐藏</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>关闭偏好设置窗口</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Quorrel 设置</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>关闭设置窗口</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>更改后备语言</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>存储当前地区</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>移除存储的组合</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>切换到存储的组合</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>语言顺序</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>%1 的语言</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>存储的组合</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1：系统显示的值与所设置的不同。</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>应用程序重新打开后将显示新的主要语言。</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1已在别处更改；未撤销。</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1已在别处更改；未重做。</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销%1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做%1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>SearchableListDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
