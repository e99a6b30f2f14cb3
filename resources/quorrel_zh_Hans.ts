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
        <translation>表格按优先顺序列出你的首选语言，语言名称以第一种语言显示。将某一行拖到其他位置即可更改顺序；新顺序会立即存储，表格随后会从系统重新读取。</translation>
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
        <translation>第一行是当前地区，下面是你第一种语言的其他地区。将某个地区拖到最上方，或者选中它后按 &lt;b&gt;Return&lt;/b&gt; 键或 &lt;b&gt;Alt+上箭头&lt;/b&gt;（在 Mac 上按 &lt;b&gt;Option+Command+上箭头&lt;/b&gt;），即可将它设为当前地区。刷新后，与第一种语言最匹配的地区会高亮显示，以供参考。</translation>
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
        <source>&lt;b&gt;Save Current&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;存储当前&lt;/b&gt;会将当前地区存储为一个组合。仅当该地区的语言是你的第一种语言时才可使用。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;移除&lt;/b&gt;会删除所选组合。</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its fallback language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>在弹出式菜单中选取一个组合，或用 &lt;b&gt;« ‹ › »&lt;/b&gt; 跳到第一个、上一个、下一个或最后一个组合，即可切换到该组合：它的语言成为第一种语言，后备语言成为第二种语言，地区成为当前地区。切换过程中会显示旋转的进度指示器。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fallback&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;后备语言&lt;/b&gt;用于选择切换到所选组合时排在第二位的语言。语言表格会立即将它显示在第二位；系统中的顺序在下次切换时才会改变。</translation>
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
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Preferences…&lt;/b&gt; (Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ 偏好设置…&lt;/b&gt;（Ctrl+, 或 ⌘,）用于选择 Quorrel 在后台时主窗口是否仍留在屏幕上。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel 会使用系统在启动时报告的首选语言中第一种已翻译的语言：英语、德语、法语、西班牙语、意大利语、葡萄牙语（巴西）、日语、简体中文或俄语；如果这些语言都不在你的语言列表中，则使用英语。更改顺序后，退出 Quorrel 并重新打开，即可看到新的第一种语言。</translation>
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
        <translation>无后备语言</translation>
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
        <translation>拖移行可更改顺序。语言名称以第一种语言显示。</translation>
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
        <translation>当前地区排在最前，其后是第一种语言的其他地区。将某个地区拖到最上方，或选中后按 Return 键或 Alt+上箭头（在 Mac 上按 Option+Command+上箭头），即可将它设为当前地区。</translation>
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
        <source>Save Current</source>
        <translation>存储当前</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>将当前地区存储为组合（仅当其语言为第一种语言时可用）</translation>
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
        <source>Fallback:</source>
        <translation>后备语言：</translation>
    </message>
    <message>
        <source>Fallback language</source>
        <translation>后备语言</translation>
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
</context>
</TS>
