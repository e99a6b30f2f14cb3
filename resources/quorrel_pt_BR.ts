<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>HelpPage</name>
    <message>
        <source>Quorrel Help</source>
        <translation>Ajuda do Quorrel</translation>
    </message>
    <message>
        <source>Quorrel reaches a few per-user settings that the system screens hide. It edits no file itself: every change is made by the system&apos;s own tools (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</source>
        <translation>O Quorrel dá acesso a alguns ajustes de cada usuário que as telas do sistema escondem. Ele não edita nenhum arquivo por conta própria: cada alteração é feita pelas próprias ferramentas do sistema (&lt;code&gt;defaults&lt;/code&gt;, &lt;code&gt;killall&lt;/code&gt;, &lt;code&gt;ps&lt;/code&gt;, &lt;code&gt;kill&lt;/code&gt;, &lt;code&gt;rm&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Preferred languages</source>
        <translation>Idiomas preferidos</translation>
    </message>
    <message>
        <source>The table lists your preferred languages, most preferred first, named in the first language. Drag a row to another place to change the order; the new order is saved at once and the table is read back from the system.</source>
        <translation>A tabela lista seus idiomas preferidos, do principal para os demais, com os nomes no primeiro idioma. Arraste uma linha para outra posição para mudar a ordem; a nova ordem é salva na hora e a tabela é lida novamente do sistema.</translation>
    </message>
    <message>
        <source>From the keyboard, select a language and press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; or &lt;b&gt;Option+Command+Down&lt;/b&gt; on a Mac) to move it one place up or down, exactly as dragging it there would.</source>
        <translation>Pelo teclado, selecione um idioma e pressione &lt;b&gt;Alt+Seta para Cima&lt;/b&gt; ou &lt;b&gt;Alt+Seta para Baixo&lt;/b&gt; (&lt;b&gt;Option+Command+Seta para Cima&lt;/b&gt; ou &lt;b&gt;Option+Command+Seta para Baixo&lt;/b&gt; no Mac) para movê-lo uma posição para cima ou para baixo, exatamente como se o arrastasse.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>The first row is the current region; below it are the other regions of your first language. Drag a region to the top to make it the current one, or select it and press &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Alt+Up&lt;/b&gt; (&lt;b&gt;Option+Command+Up&lt;/b&gt; on a Mac). After a refresh the region that best fits the first language is highlighted as a hint.</source>
        <translation>A primeira linha é a região atual; abaixo dela ficam as outras regiões do seu primeiro idioma. Arraste uma região para o topo para torná-la a atual, ou selecione-a e pressione &lt;b&gt;Return&lt;/b&gt; ou &lt;b&gt;Alt+Seta para Cima&lt;/b&gt; (&lt;b&gt;Option+Command+Seta para Cima&lt;/b&gt; no Mac). Após uma atualização, a região mais adequada ao primeiro idioma fica destacada como sugestão.</translation>
    </message>
    <message>
        <source>Below the table, &lt;b&gt;Formats&lt;/b&gt; shows how the selected region, or the current one when none is selected, writes a long and a short date, the time, a number, an amount of its currency, which day its weeks begin with and which measurement system it uses. Selecting a region changes nothing until you move it to the top.</source>
        <translation>Abaixo da tabela, &lt;b&gt;Formatos&lt;/b&gt; mostra como a região selecionada (ou a atual, quando nenhuma está selecionada) escreve uma data longa e uma abreviada, a hora, um número, um valor na sua moeda, em que dia começam as suas semanas e qual sistema de medidas ela usa. Selecionar uma região não muda nada até que você a mova para o topo.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Combinações salvas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Remove&lt;/b&gt; deletes the selected combination.</source>
        <translation>&lt;b&gt;Remover&lt;/b&gt; apaga a combinação selecionada.</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder e Dock</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Hidden Files&lt;/b&gt; and &lt;b&gt;Hide Hidden Files&lt;/b&gt; change whether the Finder shows hidden files, then restart the Finder. &lt;b&gt;Restart Finder&lt;/b&gt; and &lt;b&gt;Restart Dock&lt;/b&gt; quit them; the system starts them again.</source>
        <translation>&lt;b&gt;Mostrar Arquivos Ocultos&lt;/b&gt; e &lt;b&gt;Ocultar Arquivos Ocultos&lt;/b&gt; definem se o Finder mostra os arquivos ocultos e depois reabrem o Finder. &lt;b&gt;Reabrir o Finder&lt;/b&gt; e &lt;b&gt;Reabrir o Dock&lt;/b&gt; os encerram; o sistema os abre novamente.</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Visualizador de Ajuda</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear Help Caches&lt;/b&gt; ends the help daemon and removes the help viewer&apos;s caches from your Library folder. It is enabled while the help daemon runs.</source>
        <translation>&lt;b&gt;Limpar Caches da Ajuda&lt;/b&gt; encerra o daemon da Ajuda e remove os caches do Visualizador de Ajuda da sua pasta Biblioteca. O botão fica ativo enquanto o daemon da Ajuda está em execução.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Quorrel speaks the first of your preferred languages it has been translated into, as the system reports them when Quorrel starts: English, German, French, Spanish, Italian, Portuguese (Brazil), Japanese, Simplified Chinese or Russian, and English when none of them is among your languages. After changing the order, quit Quorrel and open it again to see it in the new first language.</source>
        <translation>O Quorrel usa o primeiro dos seus idiomas preferidos para o qual foi traduzido, conforme o sistema os informa quando o Quorrel é aberto: inglês, alemão, francês, espanhol, italiano, português (Brasil), japonês, chinês simplificado ou russo, e inglês quando nenhum deles está entre os seus idiomas. Depois de mudar a ordem, encerre o Quorrel e abra-o novamente para vê-lo no novo primeiro idioma.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Current Region&lt;/b&gt; saves the current region as a combination. It is possible while the region&apos;s language is your first language.</source>
        <translation>&lt;b&gt;Salvar Região Atual&lt;/b&gt; salva a região atual como uma combinação. Isso é possível enquanto o idioma da região for o seu primeiro idioma.</translation>
    </message>
    <message>
        <source>Choose a combination in the pop-up menu, or step with &lt;b&gt;« ‹ › »&lt;/b&gt; to the first, previous, next or last one, to switch to it: its language becomes the first language, its second language the second, and its region the current region. A spinner turns while the switch runs.</source>
        <translation>Escolha uma combinação no menu local, ou passe com &lt;b&gt;« ‹ › »&lt;/b&gt; para a primeira, a anterior, a próxima ou a última, para ativá-la: o idioma dela passa a ser o primeiro, o segundo idioma dela o segundo e a região dela a região atual. Um indicador gira enquanto a troca é feita.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Second language&lt;/b&gt; chooses the language placed second when switching to the selected combination. The language table shows it second at once; the system&apos;s order changes at the next switch.</source>
        <translation>&lt;b&gt;Segundo idioma&lt;/b&gt; escolhe o idioma colocado em segundo lugar ao trocar para a combinação selecionada. A tabela de idiomas já o mostra em segundo; a ordem do sistema muda na próxima troca.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quorrel ▸ Settings…&lt;/b&gt; (Preferences… before macOS 13; Ctrl+, or ⌘,) chooses whether the main window stays on screen while Quorrel is in the background.</source>
        <translation>&lt;b&gt;Quorrel ▸ Ajustes…&lt;/b&gt; (Preferências… antes do macOS 13; Ctrl+, ou ⌘,) define se a janela principal continua na tela enquanto o Quorrel está em segundo plano.</translation>
    </message>
    <message>
        <source>&lt;b&gt;+&lt;/b&gt; adds a language: type part of its name, in its own language or in Quorrel&apos;s, or its code, and choose it. Quorrel then asks whether it becomes your primary language; if not, it goes to the end of the list. &lt;b&gt;−&lt;/b&gt; removes the selected languages; the last language always stays.</source>
        <translation>&lt;b&gt;+&lt;/b&gt; adiciona um idioma: digite parte do nome dele, no próprio idioma ou no do Quorrel, ou o código dele, e escolha-o. O Quorrel pergunta então se ele deve ser o seu idioma principal; se não, ele vai para o fim da lista. &lt;b&gt;−&lt;/b&gt; remove os idiomas selecionados; o último idioma sempre permanece.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Other Region…&lt;/b&gt; chooses any region, not only those of your first language: type part of the country&apos;s name or its code, and choose it. The region becomes your first language with that country, as a Mac writes it (English with Germany is en_DE).</source>
        <translation>&lt;b&gt;Outra Região…&lt;/b&gt; escolhe qualquer região, não só as do seu primeiro idioma: digite parte do nome do país ou o código dele, e escolha-o. A região passa a ser o seu primeiro idioma com esse país, como um Mac a escreve (inglês com Alemanha é en_DE).</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit ▸ Undo&lt;/b&gt; (Ctrl+Z or ⌘Z) puts back what your last change replaced: the language order, the region or the saved combinations. &lt;b&gt;Edit ▸ Redo&lt;/b&gt; (Ctrl+Shift+Z or ⇧⌘Z) makes the change again. Quorrel reads the setting first; when something else has changed it in the meantime, Quorrel leaves it alone and says so.</source>
        <translation>&lt;b&gt;Editar ▸ Desfazer&lt;/b&gt; (Ctrl+Z ou ⌘Z) restaura o que a última alteração substituiu: a ordem dos idiomas, a região ou as combinações salvas. &lt;b&gt;Editar ▸ Refazer&lt;/b&gt; (Ctrl+Shift+Z ou ⇧⌘Z) faz a alteração de novo. O Quorrel lê o ajuste primeiro; se algo o alterou nesse meio-tempo, o Quorrel não o modifica e avisa.</translation>
    </message>
    <message>
        <source>The line at the bottom of the window says what became of your last change: a setting the system shows differently from how it was set, and, after the first language changed, that applications show it once they are reopened. The &lt;b&gt;Window&lt;/b&gt; menu minimizes (Ctrl+M or ⌘M), zooms or closes (Ctrl+W or ⌘W) the window in front; Esc closes the preferences window too.</source>
        <translation>A linha na parte inferior da janela diz o que aconteceu com a última alteração: um ajuste que o sistema mostra de forma diferente de como foi definido e, depois de mudar o primeiro idioma, que os apps o mostram quando são reabertos. O menu &lt;b&gt;Janela&lt;/b&gt; minimiza (Ctrl+M ou ⌘M), amplia ou fecha (Ctrl+W ou ⌘W) a janela da frente; Esc também fecha a janela de preferências.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>An application can use a language order of its own instead of your preferred languages. &lt;b&gt;Refresh&lt;/b&gt; lists the applications that have one; select an application to see its order, and drag a language or press &lt;b&gt;Alt+Up&lt;/b&gt; or &lt;b&gt;Alt+Down&lt;/b&gt; to change it, as in the table of preferred languages.</source>
        <translation>Um app pode usar uma ordem de idiomas própria em vez dos seus idiomas preferidos. &lt;b&gt;Atualizar&lt;/b&gt; mostra os apps que têm uma; selecione um app para ver sua ordem, e arraste um idioma ou pressione &lt;b&gt;Alt+Seta para Cima&lt;/b&gt; ou &lt;b&gt;Alt+Seta para Baixo&lt;/b&gt; para mudá-la, como na tabela de idiomas preferidos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add…&lt;/b&gt; offers the applications in your Applications folders; the one you choose starts with your preferred languages. &lt;b&gt;Remove&lt;/b&gt; deletes the selected application&apos;s own order, so that it follows your preferred languages again. An application that is open sees the change only after you quit and reopen it; Quorrel never quits it for you.</source>
        <translation>&lt;b&gt;Adicionar…&lt;/b&gt; oferece os apps das suas pastas Aplicativos; o que você escolher começa com os seus idiomas preferidos. &lt;b&gt;Remover&lt;/b&gt; apaga a ordem própria do app selecionado, que volta a seguir os seus idiomas preferidos. Um app aberto só vê a mudança depois que você o encerra e o abre de novo; o Quorrel nunca o encerra por você.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>NoFallbackLanguage</source>
        <translation>Nenhum segundo idioma</translation>
    </message>
    <message>
        <source>MeasurementUS</source>
        <translation>Americano</translation>
    </message>
    <message>
        <source>MeasurementUK</source>
        <translation>Métrico e imperial (Reino Unido)</translation>
    </message>
    <message>
        <source>MeasurementMetric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>PreviewSelectedRegion</source>
        <translation>Região selecionada:</translation>
    </message>
    <message>
        <source>PreviewCurrentRegion</source>
        <translation>Região atual:</translation>
    </message>
    <message>
        <source>PreviewUnavailable</source>
        <translation>Não é possível mostrar os formatos desta região</translation>
    </message>
    <message>
        <source>ToolsMissing</source>
        <translation>As ferramentas do sistema usadas pelo Quorrel estão ausentes. Abra o Quorrel com scripts/run.</translation>
    </message>
    <message>
        <source>AddLanguageTitle</source>
        <translation>Adicionar um Idioma Preferido</translation>
    </message>
    <message>
        <source>AddLanguagePrompt</source>
        <translation>Digite o nome ou o código de um idioma:</translation>
    </message>
    <message>
        <source>AddLanguageButton</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguage</source>
        <translation>Usar %1 como idioma principal?</translation>
    </message>
    <message>
        <source>UseAsPrimaryLanguageDetail</source>
        <translation>Os apps e sites usam o primeiro idioma da lista que eles suportam.</translation>
    </message>
    <message>
        <source>UseLanguage</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>OtherRegionTitle</source>
        <translation>Escolher uma Região</translation>
    </message>
    <message>
        <source>OtherRegionPrompt</source>
        <translation>Digite o nome ou o código de uma região:</translation>
    </message>
    <message>
        <source>OtherRegionButton</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>AddApplicationTitle</source>
        <translation>Adicionar App</translation>
    </message>
    <message>
        <source>AddApplicationPrompt</source>
        <translation>Escolha um app para ter idiomas próprios:</translation>
    </message>
    <message>
        <source>AddApplicationButton</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>ApplicationsNotListed</source>
        <translation>Clique em Atualizar para ver os apps que têm idiomas próprios.</translation>
    </message>
    <message>
        <source>ApplicationLanguagesOdd</source>
        <translation>Os idiomas deste app não podem ser lidos; o Quorrel os deixa como estão.</translation>
    </message>
    <message>
        <source>ApplicationsCut</source>
        <translation>Somente os primeiros 1000 domínios de preferências foram lidos.</translation>
    </message>
    <message>
        <source>ApplicationsNone</source>
        <translation>Nenhum app tem idiomas próprios.</translation>
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
        <translation>Arraste um idioma para outra posição para mudar a ordem em que os apps escolhem seu idioma. Com um idioma selecionado, Alt+Seta para Cima e Alt+Seta para Baixo (Option+Command+Seta para Cima e para Baixo no Mac) o movem.</translation>
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
        <translation>Arraste uma linha para mudar a ordem. Os nomes aparecem no primeiro idioma.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Regiões</translation>
    </message>
    <message>
        <source>The current region comes first, then the other regions of the first language. Drag one to the top, or select it and press Return or Alt+Up (Option+Command+Up on a Mac), to make it current.</source>
        <translation>Primeiro vem a região atual, depois as outras regiões do primeiro idioma. Arraste uma para o topo, ou selecione-a e pressione Return ou Alt+Seta para Cima (Option+Command+Seta para Cima no Mac), para torná-la a atual.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Formats of the region</source>
        <translation>Formatos da região</translation>
    </message>
    <message>
        <source>How the selected region, or the current one when none is selected, writes dates, times, numbers and money</source>
        <translation>Como a região selecionada, ou a atual quando nenhuma está selecionada, escreve datas, horas, números e valores monetários</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Região:</translation>
    </message>
    <message>
        <source>The region whose formats are shown: the selected one, else the current one</source>
        <translation>A região cujos formatos são mostrados: a selecionada ou, se não houver, a atual</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s long form</source>
        <translation>A data de hoje no formato longo da região</translation>
    </message>
    <message>
        <source>Short date:</source>
        <translation>Data abreviada:</translation>
    </message>
    <message>
        <source>Today&apos;s date in the region&apos;s short form</source>
        <translation>A data de hoje no formato abreviado da região</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>The time now, as the region writes it</source>
        <translation>A hora atual, como a região a escreve</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Número:</translation>
    </message>
    <message>
        <source>A number with decimals and thousands, as the region writes it</source>
        <translation>Um número com decimais e milhares, como a região o escreve</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Moeda:</translation>
    </message>
    <message>
        <source>An amount in the region&apos;s currency</source>
        <translation>Um valor na moeda da região</translation>
    </message>
    <message>
        <source>First day of the week:</source>
        <translation>Primeiro dia da semana:</translation>
    </message>
    <message>
        <source>The day the region&apos;s weeks begin with</source>
        <translation>O dia em que começam as semanas da região</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>Sistema de medidas:</translation>
    </message>
    <message>
        <source>The region&apos;s system of measurement</source>
        <translation>O sistema de medidas da região</translation>
    </message>
    <message>
        <source>Drag a region to the top to make it the current one.</source>
        <translation>Arraste uma região para o topo para torná-la a atual.</translation>
    </message>
    <message>
        <source>Saved combinations</source>
        <translation>Combinações salvas</translation>
    </message>
    <message>
        <source>First saved combination</source>
        <translation>Primeira combinação salva</translation>
    </message>
    <message>
        <source>Switch to the first saved combination</source>
        <translation>Trocar para a primeira combinação salva</translation>
    </message>
    <message>
        <source>Previous saved combination</source>
        <translation>Combinação salva anterior</translation>
    </message>
    <message>
        <source>Switch to the previous saved combination</source>
        <translation>Trocar para a combinação salva anterior</translation>
    </message>
    <message>
        <source>Choose a saved combination to switch the language order and region to it</source>
        <translation>Escolha uma combinação salva para trocar a ordem dos idiomas e a região para ela</translation>
    </message>
    <message>
        <source>Next saved combination</source>
        <translation>Próxima combinação salva</translation>
    </message>
    <message>
        <source>Switch to the next saved combination</source>
        <translation>Trocar para a próxima combinação salva</translation>
    </message>
    <message>
        <source>Last saved combination</source>
        <translation>Última combinação salva</translation>
    </message>
    <message>
        <source>Switch to the last saved combination</source>
        <translation>Trocar para a última combinação salva</translation>
    </message>
    <message>
        <source>Save the current region as a combination (possible while its language is the first language)</source>
        <translation>Salvar a região atual como combinação (possível enquanto o idioma dela for o primeiro idioma)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove the selected combination</source>
        <translation>Remover a combinação selecionada</translation>
    </message>
    <message>
        <source>The language placed second when switching to the selected combination</source>
        <translation>O idioma colocado em segundo lugar ao trocar para a combinação selecionada</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Trocando</translation>
    </message>
    <message>
        <source>Turns while the language order and region are being written</source>
        <translation>Gira enquanto a ordem dos idiomas e a região são gravadas</translation>
    </message>
    <message>
        <source>Finder and Dock</source>
        <translation>Finder e Dock</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Mostrar Arquivos Ocultos</translation>
    </message>
    <message>
        <source>Make the Finder show hidden files, then restart it</source>
        <translation>Fazer o Finder mostrar os arquivos ocultos e reabri-lo</translation>
    </message>
    <message>
        <source>Hide Hidden Files</source>
        <translation>Ocultar Arquivos Ocultos</translation>
    </message>
    <message>
        <source>Make the Finder hide hidden files, then restart it</source>
        <translation>Fazer o Finder ocultar os arquivos ocultos e reabri-lo</translation>
    </message>
    <message>
        <source>Restart Finder</source>
        <translation>Reabrir o Finder</translation>
    </message>
    <message>
        <source>Quit the Finder; the system starts it again</source>
        <translation>Encerrar o Finder; o sistema o abre novamente</translation>
    </message>
    <message>
        <source>Restart Dock</source>
        <translation>Reabrir o Dock</translation>
    </message>
    <message>
        <source>Quit the Dock; the system starts it again</source>
        <translation>Encerrar o Dock; o sistema o abre novamente</translation>
    </message>
    <message>
        <source>Help viewer</source>
        <translation>Visualizador de Ajuda</translation>
    </message>
    <message>
        <source>Clear Help Caches</source>
        <translation>Limpar Caches da Ajuda</translation>
    </message>
    <message>
        <source>End the help daemon and remove the help viewer caches (enabled while the help daemon runs)</source>
        <translation>Encerrar o daemon da Ajuda e remover os caches do Visualizador de Ajuda (ativo enquanto o daemon da Ajuda está em execução)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Quit Quorrel</source>
        <translation>Encerrar Quorrel</translation>
    </message>
    <message>
        <source>Quorrel Help</source>
        <translation>Ajuda do Quorrel</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Salvar Região Atual</translation>
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
        <translation>Adicionar Idioma…</translation>
    </message>
    <message>
        <source>Choose a language to add to the preferred languages</source>
        <translation>Escolha um idioma para adicionar aos idiomas preferidos</translation>
    </message>
    <message>
        <source>Remove Language</source>
        <translation>Remover Idioma</translation>
    </message>
    <message>
        <source>Remove the selected languages from the preferred languages (the last one stays)</source>
        <translation>Remover os idiomas selecionados dos idiomas preferidos (o último permanece)</translation>
    </message>
    <message>
        <source>Other Region…</source>
        <translation>Outra Região…</translation>
    </message>
    <message>
        <source>Choose any region for the formats, with the first language</source>
        <translation>Escolha qualquer região para os formatos, com o primeiro idioma</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>What became of the last change</source>
        <translation>O que aconteceu com a última alteração</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>The applications that use languages of their own instead of the preferred languages. Select one to see its languages.</source>
        <translation>Os apps que usam idiomas próprios em vez dos idiomas preferidos. Selecione um para ver seus idiomas.</translation>
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
        <translation>Idiomas do app</translation>
    </message>
    <message>
        <source>The selected application&apos;s own language order. Drag a language to another place, or select it and press Alt+Up or Alt+Down (Option+Command+Up and Down on a Mac), to change it.</source>
        <translation>A ordem de idiomas própria do app selecionado. Arraste um idioma para outra posição, ou selecione-o e pressione Alt+Seta para Cima ou Alt+Seta para Baixo (Option+Command+Seta para Cima e para Baixo no Mac), para mudá-la.</translation>
    </message>
    <message>
        <source>Add Application</source>
        <translation>Adicionar App</translation>
    </message>
    <message>
        <source>Give an application from the Applications folder languages of its own, starting with the preferred languages</source>
        <translation>Dar idiomas próprios a um app da pasta Aplicativos, começando pelos idiomas preferidos</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Adicionar…</translation>
    </message>
    <message>
        <source>Remove Application</source>
        <translation>Remover App</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s own languages; it then follows the preferred languages</source>
        <translation>Remover os idiomas próprios do app selecionado; ele passa a seguir os idiomas preferidos</translation>
    </message>
    <message>
        <source>Refresh Applications</source>
        <translation>Atualizar Apps</translation>
    </message>
    <message>
        <source>Read again which applications have languages of their own</source>
        <translation>Ler novamente quais apps têm idiomas próprios</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>An application that is open uses its new languages once it is reopened.</source>
        <translation>Um app aberto usa seus novos idiomas depois de ser reaberto.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quorrel Preferences</source>
        <translation>Preferências do Quorrel</translation>
    </message>
    <message>
        <source>Keep the window open while Quorrel is in the background</source>
        <translation>Manter a janela aberta enquanto o Quorrel estiver em segundo plano</translation>
    </message>
    <message>
        <source>When off, the main window hides while another application is active</source>
        <translation>Quando desativado, a janela principal é ocultada enquanto outro app está ativo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the preferences window</source>
        <translation>Fechar a janela de preferências</translation>
    </message>
    <message>
        <source>Quorrel Settings</source>
        <translation>Ajustes do Quorrel</translation>
    </message>
    <message>
        <source>Close the settings window</source>
        <translation>Fechar a janela de ajustes</translation>
    </message>
</context>
<context>
    <name>QuorrelAppDelegate</name>
    <message>
        <source>Change Fallback Language</source>
        <translation>Alterar Idioma Alternativo</translation>
    </message>
    <message>
        <source>Save Current Region</source>
        <translation>Salvar Região Atual</translation>
    </message>
    <message>
        <source>Remove Saved Combination</source>
        <translation>Remover Combinação Salva</translation>
    </message>
    <message>
        <source>Switch to Saved Combination</source>
        <translation>Alternar para Combinação Salva</translation>
    </message>
    <message>
        <source>Language Order</source>
        <translation>Ordem dos Idiomas</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Languages of %1</source>
        <translation>Idiomas de %1</translation>
    </message>
    <message>
        <source>Saved Combinations</source>
        <translation>Combinações Salvas</translation>
    </message>
    <message>
        <source>%1: the system shows another value than the one set.</source>
        <translation>%1: o sistema mostra outro valor diferente do definido.</translation>
    </message>
    <message>
        <source>Applications show the new primary language after they are reopened.</source>
        <translation>Os apps mostrarão o novo idioma principal depois de serem reabertos.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not undone.</source>
        <translation>%1: alterado em outro lugar; não desfeito.</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; not redone.</source>
        <translation>%1: alterado em outro lugar; não refeito.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
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
