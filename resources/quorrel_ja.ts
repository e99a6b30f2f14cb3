<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Quorrel ヘルプ</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>Quorrel を使うと、システムの設定画面には表示されないユーザごとの設定をいくつか変更できます。Quorrel 自身はファイルを編集しません。変更はすべてシステム標準のツール（&lt;code&gt;defaults&lt;/code&gt;、&lt;code&gt;killall&lt;/code&gt;、&lt;code&gt;ps&lt;/code&gt;、&lt;code&gt;kill&lt;/code&gt;、&lt;code&gt;rm&lt;/code&gt;）が行います。</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>優先する言語</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>表には優先する言語が優先度の高い順に、先頭の言語での名前で表示されます。行を別の位置にドラッグすると順序が変わります。新しい順序はすぐに保存され、表はシステムから読み直されます。</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>キーボードでは、言語を選択して &lt;b&gt;Alt+上矢印&lt;/b&gt; または &lt;b&gt;Alt+下矢印&lt;/b&gt;（Mac では &lt;b&gt;Option+Command+上矢印&lt;/b&gt; または &lt;b&gt;Option+Command+下矢印&lt;/b&gt;）を押すと、その言語が 1 つ上または下に移動します。ドラッグで移動した場合とまったく同じです。</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>先頭の行が現在の地域で、その下に先頭の言語のほかの地域が並びます。地域を一番上にドラッグするか、選択して &lt;b&gt;Return&lt;/b&gt; キーまたは &lt;b&gt;Alt+上矢印&lt;/b&gt;（Mac では &lt;b&gt;Option+Command+上矢印&lt;/b&gt;）を押すと、その地域が現在の地域になります。更新後は、先頭の言語に最も合う地域がヒントとして強調表示されます。</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>表の下の&lt;b&gt;書式&lt;/b&gt;には、選択した地域（選択していないときは現在の地域）での長い日付と短い日付、時刻、数値、その地域の通貨での金額、週の最初の曜日、使用する測定単位が表示されます。地域を選択しただけでは何も変わらず、一番上に移動したときに初めて変更されます。</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>保存した組み合わせ</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;削除&lt;/b&gt;を押すと、選択した組み合わせを削除します。</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder と Dock</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;隠しファイルを表示&lt;/b&gt;と&lt;b&gt;隠しファイルを非表示&lt;/b&gt;は、Finder で隠しファイルを表示するかどうかを切り替えてから Finder を再起動します。&lt;b&gt;Finder を再起動&lt;/b&gt;と &lt;b&gt;Dock を再起動&lt;/b&gt;はそれぞれを終了させ、システムが自動的に起動し直します。</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>ヘルプビューア</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;ヘルプのキャッシュを消去&lt;/b&gt;を押すと、ヘルプデーモンを終了し、ライブラリフォルダからヘルプビューアのキャッシュを削除します。このボタンはヘルプデーモンの実行中に使用できます。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>Quorrel は、起動時にシステムから報告される優先する言語のうち、翻訳のある最初の言語で表示されます。対応言語は英語、ドイツ語、フランス語、スペイン語、イタリア語、ポルトガル語（ブラジル）、日本語、簡体中国語、ロシア語で、どれも含まれていない場合は英語になります。順序を変更したあとは、Quorrel を終了してから開き直すと、新しい先頭の言語で表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;現在の地域を保存&lt;/b&gt;を押すと、現在の地域を組み合わせとして保存します。地域の言語が先頭の言語であるときに使用できます。</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>ポップアップメニューで組み合わせを選ぶか、&lt;b&gt;« ‹ › »&lt;/b&gt; で最初、前、次、最後の組み合わせに移動すると、その組み合わせに切り替わります。組み合わせの言語が先頭の言語に、2 番目の言語が 2 番目に、地域が現在の地域になります。切り替え中はインジケータが回転します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;2 番目の言語&lt;/b&gt;では、選択した組み合わせに切り替えるときに 2 番目に置く言語を選びます。言語の表にはすぐに 2 番目に表示されますが、システムの順序が変わるのは次に切り替えたときです。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ 設定…&lt;/b&gt;（macOS 13 より前は環境設定…、Ctrl+, または ⌘,）では、Quorrel がバックグラウンドにあるときもメインウインドウを画面に表示したままにするかどうかを選択します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; で言語を追加します。言語名の一部（その言語自体での名前または Quorrel の言語での名前）かコードを入力して選択します。続いて、その言語を主に使用する言語にするかどうかを尋ねられます。しない場合はリストの最後に追加されます。&lt;b&gt;−&lt;/b&gt; で選択した言語を削除します。最後の 1 つの言語は常に残ります。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;ほかの地域…&lt;/b&gt; では、最初の言語の地域に限らず、任意の地域を選択できます。国名の一部かコードを入力して選択します。地域は、Mac と同じように最初の言語とその国の組み合わせになります（英語とドイツなら en_DE）。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;編集 ▸ 取り消す&lt;/b&gt;（Ctrl+Z または ⌘Z）は、最後の変更で置き換えられた言語の順序、地域、または保存した組み合わせを元に戻します。&lt;b&gt;編集 ▸ やり直す&lt;/b&gt;（Ctrl+Shift+Z または ⇧⌘Z）は、その変更をもう一度行います。Quorrel は最初に設定を読み直し、その間にほかの場所で変更されていた場合は変更せずにその旨を表示します。</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>ウインドウ下部の行には、最後の変更がどうなったかが表示されます。システムで設定とは異なる値が表示されている設定や、最初の言語を変更したあとは App をもう一度開くとその言語で表示されることなどです。&lt;b&gt;ウインドウ&lt;/b&gt;メニューでは、最前面のウインドウをしまう（Ctrl+M または ⌘M）、拡大/縮小する、または閉じる（Ctrl+W または ⌘W）ことができます。Esc キーでも環境設定ウインドウを閉じられます。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>App</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>App は、優先する言語の代わりに独自の言語の順序を使うことができます。&lt;b&gt;更新&lt;/b&gt; で独自の順序を持つ App が表示されます。App を選択するとその順序が表示され、優先する言語の表と同じように、言語をドラッグするか &lt;b&gt;Alt+上矢印&lt;/b&gt; / &lt;b&gt;Alt+下矢印&lt;/b&gt; を押すと変更できます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;追加…&lt;/b&gt; では「アプリケーション」フォルダの App が表示され、選んだ App は優先する言語から始まります。&lt;b&gt;削除&lt;/b&gt; を押すと選択した App 独自の順序が削除され、再び優先する言語に従います。開いている App は、終了して開き直すまで変更を反映しません。Quorrel が App を終了することはありません。</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>2 番目の言語なし</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>ヤード・ポンド法（米国）</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>メートル法とヤード・ポンド法（英国）</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>メートル法</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>選択した地域：</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>現在の地域：</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>この地域の書式を表示できません</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>Quorrel が使用するシステムツールが見つかりません。scripts/run で Quorrel を起動してください。</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>優先する言語を追加</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>言語の名前またはコードを入力:</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>“%1”を主に使用する言語にしますか?</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>App と Web サイトは、リストのうち対応している最初の言語を使用します。</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>“%1”を使用</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>地域を選択</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>地域の名前またはコードを入力:</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>App を追加</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>独自の言語を設定する App を選択してください:</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>独自の言語を持つ App を表示するには「更新」をクリックしてください。</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>この App の言語は読み取れません。Quorrel は変更しません。</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>最初の 1000 個の環境設定ドメインだけを読み取りました。</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>独自の言語を持つ App はありません。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preferred languages</source>
        <translation>優先する言語</translation>
    </message>
    <message>
        <source>Drag a language to another place to change the order in which applications choose their language. With a language selected, Alt+Up and Alt+Down (Option+Command+Up and Down on a Mac) move it.</source>
        <translation>言語を別の位置にドラッグすると、App が言語を選ぶ順序が変わります。言語を選択した状態で Alt+上矢印 / Alt+下矢印（Mac では Option+Command+上矢印 / 下矢印）を押すと移動できます。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Drag a row to reorder. The first language names the others.</source>
        <translation>行をドラッグすると順序が変わります。言語名は先頭の言語で表示されます。</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>地域の一覧</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>現在の地域が先頭に、続いて先頭の言語のほかの地域が表示されます。地域を一番上にドラッグするか、選択して Return キーまたは Alt+上矢印（Mac では Option+Command+上矢印）を押すと、現在の地域になります。</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>書式</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>地域の書式</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>選択した地域（選択していないときは現在の地域）での日付、時刻、数値、金額の書き方</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>地域：</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>書式を表示している地域（選択した地域、なければ現在の地域）</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付：</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>今日の日付（地域の長い形式）</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>短い日付：</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>今日の日付（地域の短い形式）</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時刻：</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>現在の時刻（地域での書き方）</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>数値：</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>小数と桁区切りのある数値（地域での書き方）</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>通貨：</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>地域の通貨での金額</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>週の最初の曜日：</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>地域で週の始まりとなる曜日</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>測定単位：</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>地域の測定単位</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>地域を一番上にドラッグすると現在の地域になります。</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>保存した組み合わせ</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>保存済みの最初の組み合わせ</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>保存済みの最初の組み合わせに切り替えます</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>保存済みの前の組み合わせ</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>保存済みの前の組み合わせに切り替えます</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>保存した組み合わせを選ぶと、言語の順序と地域がその組み合わせに切り替わります</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>保存済みの次の組み合わせ</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>保存済みの次の組み合わせに切り替えます</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>保存済みの最後の組み合わせ</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>保存済みの最後の組み合わせに切り替えます</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>現在の地域を組み合わせとして保存します（地域の言語が先頭の言語のときに使用可能）</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>選択した組み合わせを削除します</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>選択した組み合わせに切り替えるときに 2 番目に置く言語</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>切り替え中</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>言語の順序と地域を書き込んでいる間、回転します</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder と Dock</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>隠しファイルを表示</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>Finder で隠しファイルを表示するようにしてから、Finder を再起動します</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>隠しファイルを非表示</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>Finder で隠しファイルを表示しないようにしてから、Finder を再起動します</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>Finder を再起動</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>Finder を終了します。システムが自動的に起動し直します</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>Dock を再起動</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>Dock を終了します。システムが自動的に起動し直します</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>ヘルプビューア</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>ヘルプのキャッシュを消去</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>ヘルプデーモンを終了し、ヘルプビューアのキャッシュを削除します（ヘルプデーモンの実行中に使用可能）</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>環境設定…</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>Quorrel を終了</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Quorrel ヘルプ</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>現在の地域を保存</translation>
    </message>
    <message>
        <source>Second language:</source>
        <translation>2 番目の言語：</translation>
    </message>
    <message>
        <source>Second language</source>
        <translation>2 番目の言語</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Add Language…</source>
        <translation>言語を追加…</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>優先する言語に追加する言語を選択します</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>言語を削除</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>選択した言語を優先する言語から削除します（最後の 1 つは残ります）</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>ほかの地域…</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>最初の言語のまま、書式に使う地域を自由に選択します</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状況</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>最後の変更がどうなったか</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウインドウ(&amp;W)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>しまう</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>拡大/縮小</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>App</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>優先する言語の代わりに独自の言語を使う App です。選択するとその言語が表示されます。</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>識別子</translation>
    </message>
    <message>
        <source>Languages of the application</source>
        <translation>App の言語</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>選択した App 独自の言語の順序です。言語を別の位置にドラッグするか、選択して Alt+上矢印 / Alt+下矢印（Mac では Option+Command+上矢印 / 下矢印）を押すと変更できます。</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>App を追加</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>「アプリケーション」フォルダの App に、優先する言語から始まる独自の言語を設定します</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>追加…</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>App を削除</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>選択した App 独自の言語を削除します。その後は優先する言語に従います</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>App を更新</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>独自の言語を持つ App をもう一度読み取ります</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>開いている App は、開き直すと新しい言語を使います。</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Quorrel 環境設定</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Quorrel がバックグラウンドにあるときもウインドウを開いたままにする</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>オフにすると、ほかの App がアクティブな間はメインウインドウが隠れます</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>環境設定ウインドウを閉じます</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Quorrel 設定</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>設定ウインドウを閉じます</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>代替言語の変更</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>現在の地域を保存</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>保存した組み合わせの削除</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>保存した組み合わせへの切り替え</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>言語の順序</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>%1 の言語</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>保存した組み合わせ</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1：システムには設定した値とは別の値が表示されています。</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>App は、もう一度開いたあとで新しい優先する言語で表示されます。</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1がほかの場所で変更されたため、取り消しませんでした。</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1がほかの場所で変更されたため、やり直しませんでした。</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1を取り消す</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1をやり直す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
</context>
<context>
    <name>SearchableListDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
