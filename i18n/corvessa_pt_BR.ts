<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleText</name>
    <message>
        <source>My Looks, look %1: %2</source>
        <translation>Meus estilos, estilo %1: %2</translation>
    </message>
    <message>
        <source>%1, look %2: %3</source>
        <translation>%1, estilo %2: %3</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Estilo %1</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Intensidade %1 %</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Nenhuma foto</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, zoom %3</source>
        <translation>%1 × %2 pixels, zoom %3</translation>
    </message>
    <message>
        <source>The photo being edited</source>
        <translation>A foto em edição</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Área de recorte</translation>
    </message>
    <message>
        <source>The photo with the look</source>
        <translation>A foto com o estilo</translation>
    </message>
    <message>
        <source>The working photo</source>
        <translation>A foto atual</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>The photos the batch renders; Add Files, Add Folder or a drop adds more</source>
        <translation>As fotos que o lote vai renderizar; para incluir mais, use Adicionar arquivos, Adicionar pasta ou solte-as aqui</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>The category whose looks show below</source>
        <translation>A categoria cujos estilos aparecem abaixo</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>The ten looks of the category, drawn from the first photo</source>
        <translation>Os dez estilos da categoria, desenhados a partir da primeira foto</translation>
    </message>
    <message>
        <source>The .cube file</source>
        <translation>O arquivo .cube</translation>
    </message>
    <message>
        <source>Choose the .cube file</source>
        <translation>Escolher o arquivo .cube</translation>
    </message>
    <message>
        <source>Choose the colour</source>
        <translation>Escolher a cor</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>How much of the look each photo takes</source>
        <translation>Quanto do estilo cada foto recebe</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>The pattern of the output names</source>
        <translation>O padrão dos nomes de saída</translation>
    </message>
    <message>
        <source>Longer side</source>
        <translation>Lado maior</translation>
    </message>
    <message>
        <source>The longer side of each output in pixels, or full size</source>
        <translation>O lado maior de cada saída em pixels, ou tamanho original</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Fotos concluídas</translation>
    </message>
    <message>
        <source>Every photo as it ends, the latest at the foot</source>
        <translation>Cada foto assim que termina, a mais recente no final</translation>
    </message>
    <message>
        <source>Photos that failed</source>
        <translation>Fotos com falha</translation>
    </message>
    <message>
        <source>Photos rendered with a warning</source>
        <translation>Fotos renderizadas com aviso</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Long edge or percentage</source>
        <translation>Lado maior ou porcentagem</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Escolher a pasta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>The pattern of the copy's name</source>
        <translation>O padrão do nome da cópia</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
</context>
<context>
    <name>ActionTable</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>opens a photo</source>
        <translation>abre uma foto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>writes the photo shown to a file</source>
        <translation>grava em um arquivo a foto exibida</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>writes a copy for sharing: smaller, without the location</source>
        <translation>grava uma cópia para compartilhar: menor, sem a localização</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>takes back the last Apply</source>
        <translation>desfaz a última aplicação</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>brings back the Apply Undo took back</source>
        <translation>traz de volta a aplicação que Desfazer desfez</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>crops, turns, straightens and adjusts the photo in the Edit panel</source>
        <translation>recorta, gira, endireita e ajusta a foto no painel Editar</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>puts one look on many photos</source>
        <translation>aplica um estilo a várias fotos</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Novo estilo</translation>
    </message>
    <message>
        <source>copies .cube colour tables into My Looks</source>
        <translation>copia tabelas de cores .cube para Meus estilos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>shows this page</source>
        <translation>mostra esta página</translation>
    </message>
    <message>
        <source>Next looks</source>
        <translation>Próximos estilos</translation>
    </message>
    <message>
        <source>the next ten of My Looks</source>
        <translation>os dez estilos seguintes de Meus estilos</translation>
    </message>
    <message>
        <source>Previous looks</source>
        <translation>Estilos anteriores</translation>
    </message>
    <message>
        <source>the ten of My Looks before</source>
        <translation>os dez estilos anteriores de Meus estilos</translation>
    </message>
    <message>
        <source>Large looks</source>
        <translation>Estilos grandes</translation>
    </message>
    <message>
        <source>each look drawn large with its name, or the small strip again</source>
        <translation>cada estilo desenhado grande com o nome, ou de novo a faixa pequena</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>one photo pixel a screen pixel</source>
        <translation>um pixel da foto por pixel da tela</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>the whole photo in view again</source>
        <translation>a foto inteira visível de novo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>stops the Open, render or thumbnails that run; in the preview, drops the look; in the Edit panel, leaves it with the photo as it was</source>
        <translation>interrompe a abertura, a renderização ou as miniaturas em andamento; na pré-visualização, descarta o estilo; no painel Editar, fecha-o com a foto como estava</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>makes the look shown your photo</source>
        <translation>aplica à sua foto o estilo exibido</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>held down, shows the photo as it was</source>
        <translation>mantido pressionado, mostra a foto como era</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>frames the thumbnail beside the one framed</source>
        <translation>seleciona a miniatura ao lado da selecionada</translation>
    </message>
    <message>
        <source>frames the thumbnail above or below the one framed</source>
        <translation>seleciona a miniatura acima ou abaixo da selecionada</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>shows the framed thumbnail's look in the preview</source>
        <translation>mostra na pré-visualização o estilo da miniatura selecionada</translation>
    </message>
    <message>
        <source>makes the edits your photo</source>
        <translation>aplica as edições à sua foto</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>frames the category button above or below the one framed</source>
        <translation>seleciona o botão de categoria acima ou abaixo do selecionado</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>the Edit panel</source>
        <translation>o painel Editar</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>a pré-visualização</translation>
    </message>
    <message>
        <source>the main window</source>
        <translation>a janela principal</translation>
    </message>
    <message>
        <source>both windows</source>
        <translation>as duas janelas</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Área de recorte</translation>
    </message>
    <message>
        <source>moves the framed crop frame left or right</source>
        <translation>move a área de recorte selecionada para a esquerda ou para a direita</translation>
    </message>
    <message>
        <source>moves the framed crop frame up or down</source>
        <translation>move a área de recorte selecionada para cima ou para baixo</translation>
    </message>
    <message>
        <source>makes the framed crop frame narrower or wider</source>
        <translation>deixa a área de recorte selecionada mais estreita ou mais larga</translation>
    </message>
    <message>
        <source>makes the framed crop frame shorter or taller</source>
        <translation>deixa a área de recorte selecionada mais baixa ou mais alta</translation>
    </message>
</context>
<context>
    <name>Adjustments</name>
    <message>
        <source>Exposure</source>
        <translation>Exposição</translation>
    </message>
    <message>
        <source>Brighter or darker, in stops; highlights roll off, never clip</source>
        <translation>Mais clara ou mais escura, em pontos (stops); os realces se suavizam, nunca estouram</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Steeper tones about the middle grey, flatter below 0</source>
        <translation>Tons mais acentuados em torno do cinza médio, mais planos abaixo de 0</translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation>Realces</translation>
    </message>
    <message>
        <source>Below 0 brings back bright areas' detail; above 0 brightens them</source>
        <translation>Abaixo de 0 recupera os detalhes das áreas claras; acima de 0 as clareia</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Above 0 brings out dark areas' detail; below 0 deepens them</source>
        <translation>Acima de 0 revela os detalhes das áreas escuras; abaixo de 0 as aprofunda</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Every colour stronger, or weaker below 0; -100 is black and white</source>
        <translation>Todas as cores mais fortes, ou mais fracas abaixo de 0; -100 é preto e branco</translation>
    </message>
    <message>
        <source>Vibrance</source>
        <translation>Vibratilidade</translation>
    </message>
    <message>
        <source>Muted colours stronger than strong ones, skin tones spared</source>
        <translation>Reforça mais as cores apagadas que as fortes, poupando os tons de pele</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Warmer light (yellow) above 0, cooler (blue) below</source>
        <translation>Luz mais quente (amarela) acima de 0, mais fria (azul) abaixo</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Towards magenta above 0, towards green below</source>
        <translation>Puxa para o magenta acima de 0, para o verde abaixo</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vinheta</translation>
    </message>
    <message>
        <source>Darker corners above 0, lighter below</source>
        <translation>Cantos mais escuros acima de 0, mais claros abaixo</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Crisper fine detail above 0, softer below</source>
        <translation>Detalhes finos mais nítidos acima de 0, mais suaves abaixo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Puts ready-made looks on a photo.</source>
        <translation>Aplica estilos prontos a uma foto.</translation>
    </message>
    <message>
        <source>The photo to open in place of the sample photo.</source>
        <translation>A foto a abrir no lugar da foto de exemplo.</translation>
    </message>
    <message>
        <source>Try 'corvessa --help'.</source>
        <translation>Tente 'corvessa --help'.</translation>
    </message>
    <message>
        <source>one photo at a time, not %1</source>
        <translation>uma foto por vez, não %1</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>All pictures</source>
        <translation>Todas as imagens</translation>
    </message>
    <message>
        <source>the format's own</source>
        <translation>padrão do formato</translation>
    </message>
    <message>
        <source>Quality of a JPEG, HEIC, AVIF, WebP or JPEG XL save, 1 to 100</source>
        <translation>Qualidade ao salvar em JPEG, HEIC, AVIF, WebP ou JPEG XL, de 1 a 100</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>Colour tables</source>
        <translation>Tabelas de cores</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Novo estilo</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>%1 is the name of a %2 file, but the file type chosen is %3.
Save the photo as %2 under %1, or as %3 under %4?</source>
        <translation>%1 é o nome de um arquivo %2, mas o tipo de arquivo escolhido é %3.
Salvar a foto como %2 com o nome %1, ou como %3 com o nome %4?</translation>
    </message>
    <message>
        <source>Save as %1</source>
        <translation>Salvar como %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Skip those</source>
        <translation>Pular existentes</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before closing?</source>
        <translation>A foto tem alterações que não foram salvas.
Deseja salvá-las antes de fechar?</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before opening %1?</source>
        <translation>A foto tem alterações que não foram salvas.
Deseja salvá-las antes de abrir %1?</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>read, write</source>
        <translation>leitura, gravação</translation>
    </message>
    <message>
        <source>read</source>
        <translation>leitura</translation>
    </message>
</context>
<context>
    <name>Looks</name>
    <message>
        <source>Light A</source>
        <translation>Luz A</translation>
    </message>
    <message>
        <source>Amber Leak</source>
        <translation>Vazamento âmbar</translation>
    </message>
    <message>
        <source>Corner Burn</source>
        <translation>Canto queimado</translation>
    </message>
    <message>
        <source>Edge Film Burn</source>
        <translation>Borda queimada</translation>
    </message>
    <message>
        <source>Twin Corner Leaks</source>
        <translation>Vazamentos nos cantos</translation>
    </message>
    <message>
        <source>Warm Sweep</source>
        <translation>Varredura quente</translation>
    </message>
    <message>
        <source>Golden Rise</source>
        <translation>Ascensão dourada</translation>
    </message>
    <message>
        <source>Burn Hole</source>
        <translation>Furo queimado</translation>
    </message>
    <message>
        <source>Film Gate Streaks</source>
        <translation>Raias do filme</translation>
    </message>
    <message>
        <source>Peach Wash</source>
        <translation>Véu pêssego</translation>
    </message>
    <message>
        <source>Ember Edges</source>
        <translation>Bordas em brasa</translation>
    </message>
    <message>
        <source>Warm light leaks and film burns laid over the photo</source>
        <translation>Vazamentos de luz quentes e queimados de filme sobre a foto</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Luz B</translation>
    </message>
    <message>
        <source>Blue Leak</source>
        <translation>Vazamento azul</translation>
    </message>
    <message>
        <source>Prism Edge</source>
        <translation>Borda prismática</translation>
    </message>
    <message>
        <source>Cyan Flare</source>
        <translation>Reflexo ciano</translation>
    </message>
    <message>
        <source>Teal Violet Corners</source>
        <translation>Cantos petróleo-violeta</translation>
    </message>
    <message>
        <source>Anamorphic Streak</source>
        <translation>Raia anamórfica</translation>
    </message>
    <message>
        <source>Prism Fan</source>
        <translation>Leque prismático</translation>
    </message>
    <message>
        <source>Halo Flare</source>
        <translation>Reflexo em halo</translation>
    </message>
    <message>
        <source>Violet Pour</source>
        <translation>Cascata violeta</translation>
    </message>
    <message>
        <source>Spectral Streaks</source>
        <translation>Raias espectrais</translation>
    </message>
    <message>
        <source>Moonlit Haze</source>
        <translation>Névoa de luar</translation>
    </message>
    <message>
        <source>Cool flares, rainbow leaks and lens streaks laid over the photo</source>
        <translation>Reflexos frios, vazamentos de arco-íris e raias de lente sobre a foto</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Luz C</translation>
    </message>
    <message>
        <source>Corner Sunbeams</source>
        <translation>Raios de sol no canto</translation>
    </message>
    <message>
        <source>God Rays</source>
        <translation>Raios crepusculares</translation>
    </message>
    <message>
        <source>Golden Bokeh</source>
        <translation>Bokeh dourado</translation>
    </message>
    <message>
        <source>Side Bokeh</source>
        <translation>Bokeh lateral</translation>
    </message>
    <message>
        <source>Sunburst Corner</source>
        <translation>Sol radiante no canto</translation>
    </message>
    <message>
        <source>Low Sun</source>
        <translation>Sol baixo</translation>
    </message>
    <message>
        <source>Corner Hexagons</source>
        <translation>Hexágonos no canto</translation>
    </message>
    <message>
        <source>Amber Uplight</source>
        <translation>Luz âmbar de baixo</translation>
    </message>
    <message>
        <source>Forest Shafts</source>
        <translation>Fachos na floresta</translation>
    </message>
    <message>
        <source>Low Bokeh</source>
        <translation>Bokeh inferior</translation>
    </message>
    <message>
        <source>Sunbeams, rays and soft bokeh lights laid over the photo</source>
        <translation>Raios de sol, fachos de luz e luzes suaves de bokeh sobre a foto</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrelas</translation>
    </message>
    <message>
        <source>Blue Sky Glitter</source>
        <translation>Purpurina no céu azul</translation>
    </message>
    <message>
        <source>Golden Glints</source>
        <translation>Cintilações douradas</translation>
    </message>
    <message>
        <source>Star Haze Arc</source>
        <translation>Arco de névoa estelar</translation>
    </message>
    <message>
        <source>Blue Giants</source>
        <translation>Gigantes azuis</translation>
    </message>
    <message>
        <source>Rose Gold Trail</source>
        <translation>Rastro ouro rosé</translation>
    </message>
    <message>
        <source>Magic Dust</source>
        <translation>Pó mágico</translation>
    </message>
    <message>
        <source>Rainbow Corners</source>
        <translation>Cantos arco-íris</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Chuva de meteoros</translation>
    </message>
    <message>
        <source>Glitter Frame</source>
        <translation>Moldura de purpurina</translation>
    </message>
    <message>
        <source>Great Starburst</source>
        <translation>Explosão estelar</translation>
    </message>
    <message>
        <source>Stars, glints and sparkles scattered over the photo</source>
        <translation>Estrelas, cintilações e brilhos espalhados sobre a foto</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Maravilhas</translation>
    </message>
    <message>
        <source>Corner Fireworks</source>
        <translation>Fogos no canto</translation>
    </message>
    <message>
        <source>Aurora Sky</source>
        <translation>Céu de aurora</translation>
    </message>
    <message>
        <source>Summer Rainbow</source>
        <translation>Arco-íris de verão</translation>
    </message>
    <message>
        <source>Low Light Trails</source>
        <translation>Rastros de luz baixos</translation>
    </message>
    <message>
        <source>Laser Show</source>
        <translation>Show de laser</translation>
    </message>
    <message>
        <source>Golden Burst</source>
        <translation>Explosão dourada</translation>
    </message>
    <message>
        <source>Passing Comet</source>
        <translation>Cometa passageiro</translation>
    </message>
    <message>
        <source>Sun Halo</source>
        <translation>Halo solar</translation>
    </message>
    <message>
        <source>Light Painting</source>
        <translation>Pintura com luz</translation>
    </message>
    <message>
        <source>Cosmic Nebula</source>
        <translation>Nebulosa cósmica</translation>
    </message>
    <message>
        <source>Fireworks, northern lights, rainbows and other wonders in the sky</source>
        <translation>Fogos de artifício, auroras boreais, arco-íris e outras maravilhas no céu</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Clima</translation>
    </message>
    <message>
        <source>Light Rain</source>
        <translation>Chuva fraca</translation>
    </message>
    <message>
        <source>Soft Snowfall</source>
        <translation>Neve suave</translation>
    </message>
    <message>
        <source>Low Fog</source>
        <translation>Neblina baixa</translation>
    </message>
    <message>
        <source>Heavy Downpour</source>
        <translation>Chuva torrencial</translation>
    </message>
    <message>
        <source>Lightning Strike</source>
        <translation>Relâmpago</translation>
    </message>
    <message>
        <source>Hail Shower</source>
        <translation>Chuva de granizo</translation>
    </message>
    <message>
        <source>Driving Blizzard</source>
        <translation>Nevasca forte</translation>
    </message>
    <message>
        <source>Morning Mist</source>
        <translation>Névoa matinal</translation>
    </message>
    <message>
        <source>Grey Drizzle</source>
        <translation>Garoa cinzenta</translation>
    </message>
    <message>
        <source>Snow Crystals</source>
        <translation>Cristais de neve</translation>
    </message>
    <message>
        <source>Rain, snow, fog and lightning laid over the photo</source>
        <translation>Chuva, neve, neblina e relâmpagos sobre a foto</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Degradê</translation>
    </message>
    <message>
        <source>Warm To Cool</source>
        <translation>Quente para frio</translation>
    </message>
    <message>
        <source>Sunset Bands</source>
        <translation>Faixas de pôr do sol</translation>
    </message>
    <message>
        <source>Teal Orange</source>
        <translation>Petróleo-laranja</translation>
    </message>
    <message>
        <source>Warm Centre</source>
        <translation>Centro quente</translation>
    </message>
    <message>
        <source>Rose To Blue</source>
        <translation>Rosa para azul</translation>
    </message>
    <message>
        <source>Pastel Rainbow</source>
        <translation>Arco-íris pastel</translation>
    </message>
    <message>
        <source>Cross Process</source>
        <translation>Processamento cruzado</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>Noite azul</translation>
    </message>
    <message>
        <source>Golden Corner</source>
        <translation>Canto dourado</translation>
    </message>
    <message>
        <source>Green Purple</source>
        <translation>Verde e roxo</translation>
    </message>
    <message>
        <source>Colour gradients blended into the photo</source>
        <translation>Degradês de cor mesclados à foto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Mint Tint</source>
        <translation>Tom menta</translation>
    </message>
    <message>
        <source>Lemon Tint</source>
        <translation>Tom limão</translation>
    </message>
    <message>
        <source>Cyan Tint</source>
        <translation>Tom ciano</translation>
    </message>
    <message>
        <source>Orange Tint</source>
        <translation>Tom laranja</translation>
    </message>
    <message>
        <source>Violet Tint</source>
        <translation>Tom violeta</translation>
    </message>
    <message>
        <source>Pop Quadrants</source>
        <translation>Quadrantes pop</translation>
    </message>
    <message>
        <source>Olive Mono</source>
        <translation>Monocromo oliva</translation>
    </message>
    <message>
        <source>Crimson Veil</source>
        <translation>Véu carmim</translation>
    </message>
    <message>
        <source>Green Edges</source>
        <translation>Bordas verdes</translation>
    </message>
    <message>
        <source>Green Mono</source>
        <translation>Monocromo verde</translation>
    </message>
    <message>
        <source>The photo tinted with one colour or several</source>
        <translation>A foto tingida com uma cor ou várias</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Bright Paper</source>
        <translation>Papel claro</translation>
    </message>
    <message>
        <source>Primed Canvas</source>
        <translation>Tela preparada</translation>
    </message>
    <message>
        <source>Film Grain</source>
        <translation>Granulação de filme</translation>
    </message>
    <message>
        <source>Grunge Stains</source>
        <translation>Manchas grunge</translation>
    </message>
    <message>
        <source>Raw Concrete</source>
        <translation>Concreto aparente</translation>
    </message>
    <message>
        <source>Wood Grain</source>
        <translation>Veios de madeira</translation>
    </message>
    <message>
        <source>Celadon Crackle</source>
        <translation>Craquelê celadon</translation>
    </message>
    <message>
        <source>Old Print</source>
        <translation>Impressão antiga</translation>
    </message>
    <message>
        <source>Faded Denim</source>
        <translation>Jeans desbotado</translation>
    </message>
    <message>
        <source>Burnt Parchment</source>
        <translation>Pergaminho queimado</translation>
    </message>
    <message>
        <source>Paper, canvas, grain and other surfaces blended into the photo</source>
        <translation>Papel, tela, granulação e outras superfícies mescladas à foto</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Borda A</translation>
    </message>
    <message>
        <source>Frosted Margin</source>
        <translation>Margem fosca</translation>
    </message>
    <message>
        <source>Soft Oval</source>
        <translation>Oval suave</translation>
    </message>
    <message>
        <source>Torn Paper</source>
        <translation>Papel rasgado</translation>
    </message>
    <message>
        <source>Deckled Print</source>
        <translation>Borda serrilhada</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Selo postal</translation>
    </message>
    <message>
        <source>Sprocket Strip</source>
        <translation>Perfuração de filme</translation>
    </message>
    <message>
        <source>Brush Strokes</source>
        <translation>Pinceladas</translation>
    </message>
    <message>
        <source>Heart Shape</source>
        <translation>Forma de coração</translation>
    </message>
    <message>
        <source>Soft Circle</source>
        <translation>Círculo suave</translation>
    </message>
    <message>
        <source>Instant Photo</source>
        <translation>Foto instantânea</translation>
    </message>
    <message>
        <source>Margins and shaped frames around the photo</source>
        <translation>Margens e molduras com formas ao redor da foto</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Borda B</translation>
    </message>
    <message>
        <source>Cloud Frame</source>
        <translation>Moldura de nuvens</translation>
    </message>
    <message>
        <source>Feathered Edge</source>
        <translation>Borda esfumada</translation>
    </message>
    <message>
        <source>Lined Mat</source>
        <translation>Passe-partout filetado</translation>
    </message>
    <message>
        <source>Grunge Spray</source>
        <translation>Spray grunge</translation>
    </message>
    <message>
        <source>Rounded Corners</source>
        <translation>Cantos arredondados</translation>
    </message>
    <message>
        <source>Lace Oval</source>
        <translation>Oval de renda</translation>
    </message>
    <message>
        <source>Arched Window</source>
        <translation>Janela em arco</translation>
    </message>
    <message>
        <source>Notepad Page</source>
        <translation>Folha de bloco</translation>
    </message>
    <message>
        <source>Slide Mount</source>
        <translation>Moldura de slide</translation>
    </message>
    <message>
        <source>Spray Splatter</source>
        <translation>Respingos de spray</translation>
    </message>
    <message>
        <source>More frames: clouds, lace, torn paper and slide mounts</source>
        <translation>Mais molduras: nuvens, renda, papel rasgado e molduras de slide</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Sonho A</translation>
    </message>
    <message>
        <source>Pink Haze</source>
        <translation>Névoa rosa</translation>
    </message>
    <message>
        <source>Floating Hearts</source>
        <translation>Corações flutuantes</translation>
    </message>
    <message>
        <source>Soap Bubbles</source>
        <translation>Bolhas de sabão</translation>
    </message>
    <message>
        <source>Lavender Glitter</source>
        <translation>Purpurina lavanda</translation>
    </message>
    <message>
        <source>Heart Bokeh</source>
        <translation>Bokeh de corações</translation>
    </message>
    <message>
        <source>Peach Bubbles</source>
        <translation>Bolhas pêssego</translation>
    </message>
    <message>
        <source>Pastel Orbs</source>
        <translation>Esferas pastel</translation>
    </message>
    <message>
        <source>White Dream</source>
        <translation>Sonho branco</translation>
    </message>
    <message>
        <source>Pastel Drift</source>
        <translation>Pastel flutuante</translation>
    </message>
    <message>
        <source>Falling Petals</source>
        <translation>Pétalas caindo</translation>
    </message>
    <message>
        <source>Soft pastel haze, hearts and bubbles over the photo</source>
        <translation>Névoa suave em tons pastel, corações e bolhas sobre a foto</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Sonho B</translation>
    </message>
    <message>
        <source>Cotton Candy</source>
        <translation>Algodão-doce</translation>
    </message>
    <message>
        <source>Corner Hearts</source>
        <translation>Corações no canto</translation>
    </message>
    <message>
        <source>Big Bubbles</source>
        <translation>Bolhas grandes</translation>
    </message>
    <message>
        <source>Golden Magic</source>
        <translation>Magia dourada</translation>
    </message>
    <message>
        <source>Pastel Clouds</source>
        <translation>Nuvens pastel</translation>
    </message>
    <message>
        <source>Violet Sparkle</source>
        <translation>Brilho violeta</translation>
    </message>
    <message>
        <source>Fairy Light Heart</source>
        <translation>Coração de luzinhas</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Lua crescente</translation>
    </message>
    <message>
        <source>Sky Lanterns</source>
        <translation>Lanternas voadoras</translation>
    </message>
    <message>
        <source>Rose Gold Dust</source>
        <translation>Pó ouro rosé</translation>
    </message>
    <message>
        <source>Candy colours, clouds and fairy lights over the photo</source>
        <translation>Cores doces, nuvens e luzinhas sobre a foto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Fine Rules</source>
        <translation>Linhas finas</translation>
    </message>
    <message>
        <source>Fine Columns</source>
        <translation>Colunas finas</translation>
    </message>
    <message>
        <source>Diagonal Hairlines</source>
        <translation>Filetes diagonais</translation>
    </message>
    <message>
        <source>Fine Grid</source>
        <translation>Grade fina</translation>
    </message>
    <message>
        <source>Dot Screen</source>
        <translation>Retícula de pontos</translation>
    </message>
    <message>
        <source>Cross Hatch</source>
        <translation>Hachura cruzada</translation>
    </message>
    <message>
        <source>Wave Lines</source>
        <translation>Linhas onduladas</translation>
    </message>
    <message>
        <source>Brick Lines</source>
        <translation>Linhas de tijolo</translation>
    </message>
    <message>
        <source>Halftone Corner</source>
        <translation>Retícula no canto</translation>
    </message>
    <message>
        <source>Zigzag Rules</source>
        <translation>Linhas em zigue-zague</translation>
    </message>
    <message>
        <source>Line patterns drawn from the photo</source>
        <translation>Padrões de linhas desenhados a partir da foto</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Soft Bloom</source>
        <translation>Difusão suave</translation>
    </message>
    <message>
        <source>Dark Bloom</source>
        <translation>Difusão escura</translation>
    </message>
    <message>
        <source>Misty Grey</source>
        <translation>Cinza enevoado</translation>
    </message>
    <message>
        <source>Muted Wash</source>
        <translation>Aguada esmaecida</translation>
    </message>
    <message>
        <source>Deep Tones</source>
        <translation>Tons profundos</translation>
    </message>
    <message>
        <source>Bright Glow</source>
        <translation>Brilho intenso</translation>
    </message>
    <message>
        <source>Coloured Pencil</source>
        <translation>Lápis de cor</translation>
    </message>
    <message>
        <source>Strong Contrast</source>
        <translation>Contraste forte</translation>
    </message>
    <message>
        <source>Mosaic Tiles</source>
        <translation>Pastilhas de mosaico</translation>
    </message>
    <message>
        <source>Pencil Sketch</source>
        <translation>Esboço a lápis</translation>
    </message>
    <message>
        <source>Glows, washes, pencil drawings and mosaics made from the photo</source>
        <translation>Brilhos, aguadas, desenhos a lápis e mosaicos feitos a partir da foto</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Prontos</translation>
    </message>
    <message>
        <source>Fireworks Circle</source>
        <translation>Círculo de fogos</translation>
    </message>
    <message>
        <source>Lilac Mist</source>
        <translation>Névoa lilás</translation>
    </message>
    <message>
        <source>Rainy Day</source>
        <translation>Dia chuvoso</translation>
    </message>
    <message>
        <source>Night Vision</source>
        <translation>Visão noturna</translation>
    </message>
    <message>
        <source>Nebula Dream</source>
        <translation>Sonho de nebulosa</translation>
    </message>
    <message>
        <source>Rose Wood</source>
        <translation>Madeira rosa</translation>
    </message>
    <message>
        <source>Old Film Flare</source>
        <translation>Reflexo de filme antigo</translation>
    </message>
    <message>
        <source>Magenta Dream</source>
        <translation>Sonho magenta</translation>
    </message>
    <message>
        <source>Yellow Frame</source>
        <translation>Moldura amarela</translation>
    </message>
    <message>
        <source>Ember Stardust</source>
        <translation>Poeira estelar e brasa</translation>
    </message>
    <message>
        <source>Ready-made looks that mix several effects in one</source>
        <translation>Estilos prontos que combinam vários efeitos em um</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Warm Print</source>
        <translation>Cópia quente</translation>
    </message>
    <message>
        <source>Cool Matte</source>
        <translation>Fosco frio</translation>
    </message>
    <message>
        <source>Faded Vintage</source>
        <translation>Vintage desbotado</translation>
    </message>
    <message>
        <source>Teal And Orange</source>
        <translation>Petróleo e laranja</translation>
    </message>
    <message>
        <source>Rich Slide</source>
        <translation>Slide vívido</translation>
    </message>
    <message>
        <source>Soft Portrait</source>
        <translation>Retrato suave</translation>
    </message>
    <message>
        <source>Contrast Mono</source>
        <translation>P&amp;B contrastado</translation>
    </message>
    <message>
        <source>Warm Mono</source>
        <translation>P&amp;B quente</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Sem branqueamento</translation>
    </message>
    <message>
        <source>Gentle colour grades of the whole photo, like film stocks and prints</source>
        <translation>Tratamentos de cor suaves em toda a foto, como os de filmes e cópias fotográficas</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Não é possível abrir o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Não é possível criar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link of another user</source>
        <translation>%1 é um link simbólico de outro usuário</translation>
    </message>
    <message>
        <source>%1 is a symbolic link in a folder of another user</source>
        <translation>%1 é um link simbólico em uma pasta de outro usuário</translation>
    </message>
    <message>
        <source>%1 is an input; it is not overwritten</source>
        <translation>%1 é uma entrada; não será sobrescrito</translation>
    </message>
    <message>
        <source>Stream write error: %1</source>
        <translation>Erro de gravação: %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erro de gravação</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the file became shorter while it was read</source>
        <translation>o arquivo ficou menor durante a leitura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>é um link simbólico</translation>
    </message>
    <message>
        <source>it is a symbolic link of another user in a shared folder</source>
        <translation>é um link simbólico de outro usuário em uma pasta compartilhada</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há espaço disponível no dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de arquivos somente leitura</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É um diretório</translation>
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>Memória insuficiente para a imagem</translation>
    </message>
    <message>
        <source>Not enough memory to save as %1</source>
        <translation>Memória insuficiente para salvar como %1</translation>
    </message>
    <message>
        <source>The work was stopped</source>
        <translation>The work was stopped</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>%1; read as %2 by its first bytes: %3</source>
        <translation>%1; lido como %2 pelos primeiros bytes: %3</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensão de arquivo de imagem desconhecida (.%1)</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Formato de imagem desconhecido</translation>
    </message>
    <message>
        <source>The %1 reader failed</source>
        <translation>O processo de leitura de %1 falhou</translation>
    </message>
    <message>
        <source>The %1 writer failed</source>
        <translation>O processo de gravação de %1 falhou</translation>
    </message>
    <message>
        <source>The %1 reader could not be started: %2</source>
        <translation>O processo de leitura de %1 não pôde ser iniciado: %2</translation>
    </message>
    <message>
        <source>The %1 writer could not be started: %2</source>
        <translation>O processo de gravação de %1 não pôde ser iniciado: %2</translation>
    </message>
    <message>
        <source>The %1 reader did not finish within %2 seconds</source>
        <translation>O processo de leitura de %1 não terminou em %2 segundos</translation>
    </message>
    <message>
        <source>The %1 writer did not finish within %2 seconds</source>
        <translation>O processo de gravação de %1 não terminou em %2 segundos</translation>
    </message>
    <message>
        <source>Cannot make room to pass a picture: %1</source>
        <translation>Não há espaço para passar uma imagem: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1</source>
        <translation>A imagem bitmap não é válida: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>Imagem grande demais (%1 x %2)</translation>
    </message>
    <message>
        <source>Picture is too large for JPEG (%1 x %2; at most %3 pixels a side): save it as PNG or BMP</source>
        <translation>Imagem grande demais para JPEG (%1 x %2; no máximo %3 pixels por lado): salve-a como PNG ou BMP</translation>
    </message>
    <message>
        <source>Picture is too large for HEIF (%1 x %2): save it as PNG or JPEG</source>
        <translation>Imagem grande demais para HEIF (%1 x %2): salve-a como PNG ou JPEG</translation>
    </message>
    <message>
        <source>Picture is too large for WebP (%1 x %2): save it as PNG or JPEG</source>
        <translation>Imagem grande demais para WebP (%1 x %2): salve-a como PNG ou JPEG</translation>
    </message>
    <message>
        <source>The file is incomplete: the picture lacks detail, or its lower part is missing</source>
        <translation>O arquivo está incompleto: falta detalhe na imagem, ou falta a parte de baixo</translation>
    </message>
    <message>
        <source>The file is incomplete: its lower part is missing</source>
        <translation>O arquivo está incompleto: falta a parte de baixo</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes can hold</source>
        <translation>declara %1 x %2 pixels, mais do que seus %3 bytes comportam</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>a imagem está vazia</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>o arquivo não contém imagem</translation>
    </message>
    <message>
        <source>the file ends before its picture does</source>
        <translation>o arquivo termina antes da imagem</translation>
    </message>
    <message>
        <source>the file ends before its last row</source>
        <translation>o arquivo termina antes da última linha</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>não é possível ler o cabeçalho</translation>
    </message>
    <message>
        <source>it is not a JPEG XL file</source>
        <translation>não é um arquivo JPEG XL</translation>
    </message>
    <message>
        <source>it is not a camera raw file</source>
        <translation>não é um arquivo raw de câmera</translation>
    </message>
    <message>
        <source>its raw data is larger than the program takes</source>
        <translation>seus dados raw são maiores do que o programa aceita</translation>
    </message>
    <message>
        <source>The crop leaves nothing of the photo</source>
        <translation>O recorte não deixa nada da foto</translation>
    </message>
    <message>
        <source>LUT file is not valid: %1</source>
        <translation>O arquivo LUT não é válido: %1</translation>
    </message>
    <message>
        <source>LUT file is not valid</source>
        <translation>O arquivo LUT não é válido</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>the file is longer than %1 MB</source>
        <translation>o arquivo tem mais de %1 MB</translation>
    </message>
    <message>
        <source>the file is too short for its %1 entries</source>
        <translation>o arquivo é curto demais para suas %1 entradas</translation>
    </message>
    <message>
        <source>it holds %1 entries where its size wants %2</source>
        <translation>contém %1 entradas onde o tamanho pede %2</translation>
    </message>
    <message>
        <source>it gives neither LUT_1D_SIZE nor LUT_3D_SIZE</source>
        <translation>não informa LUT_1D_SIZE nem LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>an entry comes before LUT_1D_SIZE or LUT_3D_SIZE</source>
        <translation>uma entrada vem antes de LUT_1D_SIZE ou LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>size %1 is outside 2 to %2</source>
        <translation>o tamanho %1 está fora do intervalo de 2 a %2</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 não é um número</translation>
    </message>
    <message>
        <source>%1 is not a size</source>
        <translation>%1 não é um tamanho</translation>
    </message>
    <message>
        <source>a value is out of range</source>
        <translation>um valor está fora do intervalo</translation>
    </message>
    <message>
        <source>a value is not a finite number</source>
        <translation>um valor não é um número finito</translation>
    </message>
    <message>
        <source>three numbers are wanted</source>
        <translation>são esperados três números</translation>
    </message>
    <message>
        <source>two numbers are wanted</source>
        <translation>são esperados dois números</translation>
    </message>
    <message>
        <source>one size is wanted</source>
        <translation>é esperado um único tamanho</translation>
    </message>
    <message>
        <source>the size is given twice</source>
        <translation>o tamanho foi informado duas vezes</translation>
    </message>
    <message>
        <source>the size comes after the entries</source>
        <translation>o tamanho vem depois das entradas</translation>
    </message>
    <message>
        <source>the size is missing</source>
        <translation>falta o tamanho</translation>
    </message>
    <message>
        <source>a keyword comes after the entries</source>
        <translation>uma palavra-chave vem depois das entradas</translation>
    </message>
    <message>
        <source>unknown keyword %1</source>
        <translation>palavra-chave desconhecida %1</translation>
    </message>
    <message>
        <source>The name pattern is empty</source>
        <translation>O padrão de nome está vazio</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a /</source>
        <translation>O padrão de nome "%1" não pode conter /</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a zero byte</source>
        <translation>O padrão de nome "%1" não pode conter um byte zero</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a } without a {</source>
        <translation>O padrão de nome "%1" tem um } sem um {</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a { without a }</source>
        <translation>O padrão de nome "%1" tem um { sem um }</translation>
    </message>
    <message>
        <source>The name pattern "%1" has an unknown field %2; the fields are %3</source>
        <translation>O padrão de nome "%1" tem um campo desconhecido %2; os campos são %3</translation>
    </message>
    <message>
        <source>The name pattern "%1" gives %2 no file name</source>
        <translation>O padrão de nome "%1" aplicado a %2 não gera nome de arquivo</translation>
    </message>
    <message>
        <source>done already</source>
        <translation>já feita</translation>
    </message>
    <message>
        <source>My Looks cannot be read or added to: %1</source>
        <translation>Não é possível ler nem adicionar a Meus estilos: %1</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Nenhum estilo</translation>
    </message>
    <message>
        <source>Looks %1-%2 of %3</source>
        <translation>Estilos %1-%2 de %3</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>{name}, {folder}, {category}, {effect} and {look}</source>
        <translation>{name}, {folder}, {category}, {effect} e {look}</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>Erro de PNG: %1</translation>
    </message>
    <message>
        <source>nothing to compress</source>
        <translation>nada a comprimir</translation>
    </message>
    <message>
        <source>libjxl cannot encode the picture</source>
        <translation>a libjxl não consegue codificar a imagem</translation>
    </message>
    <message>
        <source>libheif cannot write the file</source>
        <translation>a libheif não consegue gravar o arquivo</translation>
    </message>
    <message>
        <source>libheif has no encoder for %1</source>
        <translation>a libheif não tem codificador para %1</translation>
    </message>
    <message>
        <source>libwebp does not match its headers</source>
        <translation>a libwebp não corresponde aos seus cabeçalhos</translation>
    </message>
    <message>
        <source>libwebp cannot encode the picture (error %1)</source>
        <translation>a libwebp não consegue codificar a imagem (erro %1)</translation>
    </message>
    <message>
        <source>libwebpmux cannot take the picture</source>
        <translation>a libwebpmux não aceita a imagem</translation>
    </message>
    <message>
        <source>libwebpmux cannot write the file</source>
        <translation>a libwebpmux não consegue gravar o arquivo</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of picture data can hold</source>
        <translation>declara %1 x %2 pixels, mais do que seus %3 bytes de dados de imagem comportam</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of losslessly compressed picture data can hold</source>
        <translation>declara %1 x %2 pixels, mais do que seus %3 bytes de dados de imagem comprimidos sem perdas comportam</translation>
    </message>
    <message>
        <source>its tiles of %1 x %2 are larger than the cells of its grid of %3 x %4 for %5 x %6 pixels</source>
        <translation>seus blocos de %1 x %2 são maiores que as células de sua grade de %3 x %4 para %5 x %6 pixels</translation>
    </message>
    <message>
        <source>its %1 tiles hold more than its %2 x %3 pixels</source>
        <translation>seus %1 blocos contêm mais pixels do que os %2 x %3 da imagem</translation>
    </message>
    <message>
        <source>it has more than %1 items</source>
        <translation>tem mais de %1 itens</translation>
    </message>
    <message>
        <source>samples of %1 bits</source>
        <translation>amostras de %1 bits</translation>
    </message>
    <message>
        <source>its first picture is made of more than %1 layers</source>
        <translation>sua primeira imagem é formada por mais de %1 camadas</translation>
    </message>
    <message>
        <source>its layers claim %1 pixels, more than its %2 bytes can hold</source>
        <translation>suas camadas declaram %1 pixels, mais do que seus %2 bytes comportam</translation>
    </message>
    <message>
        <source>its tag %1 lies past the end of the file</source>
        <translation>sua tag %1 fica além do fim do arquivo</translation>
    </message>
    <message>
        <source>its colour filter pattern does not match its size</source>
        <translation>seu padrão de filtro de cores não corresponde ao tamanho</translation>
    </message>
    <message>
        <source>its tile %1 codes more pixels than the tile holds</source>
        <translation>seu bloco %1 codifica mais pixels do que o bloco comporta</translation>
    </message>
    <message>
        <source>its strip %1 codes more pixels than the picture holds</source>
        <translation>sua faixa %1 codifica mais pixels do que a imagem comporta</translation>
    </message>
    <message>
        <source>libjxl cannot decode it</source>
        <translation>a libjxl não consegue decodificá-lo</translation>
    </message>
    <message>
        <source>LibRaw made no picture of it</source>
        <translation>a LibRaw não gerou nenhuma imagem dele</translation>
    </message>
    <message>
        <source>JPEG stream has more scans than its file could hold (more than %1, or far too many for its size)</source>
        <translation>O fluxo JPEG tem mais varreduras do que o arquivo comportaria (mais de %1, ou um número excessivo para o tamanho do arquivo)</translation>
    </message>
    <message>
        <source>JPEG error #%1: %2</source>
        <translation>Erro de JPEG #%1: %2</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Erro de JPEG #%1</translation>
    </message>
    <message>
        <source>Premature end of input file</source>
        <translation>Fim prematuro do arquivo de entrada</translation>
    </message>
    <message>
        <source>Not a JPEG file: starts with %1 %2</source>
        <translation>Não é um arquivo JPEG: começa com %1 %2</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisão por zero em ponto flutuante</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com inclusão das opções específicas do Qt.</translation>
    </message>
</context>
<context>
    <name>Remembered</name>
    <message>
        <source>Settings are not kept: %1 — %2</source>
        <translation>As configurações não serão mantidas: %1 — %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>later starts cannot reach this window: %1</source>
        <translation>novas execuções do programa não conseguirão alcançar esta janela: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of your own that only you may write to</source>
        <translation>%1 não é uma pasta sua em que só você pode gravar</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertence a outro usuário</translation>
    </message>
</context>
<context>
    <name>TEditPanel</name>
    <message>
        <source>No crop</source>
        <translation>Sem recorte</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Tela</translation>
    </message>
</context>
<context>
    <name>TFormBatch</name>
    <message>
        <source>Add photos</source>
        <translation>Adicionar fotos</translation>
    </message>
    <message>
        <source>Add the photos of a folder</source>
        <translation>Adicionar as fotos de uma pasta</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>A .cube file</source>
        <translation>Um arquivo .cube</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Clique na miniatura para pré-visualizar e aplicar este efeito.</translation>
    </message>
    <message>
        <source>One look on many photos (%1)</source>
        <translation>Um estilo em várias fotos (%1)</translation>
    </message>
    <message>
        <source>Crop, turn, straighten and adjust the photo (%1)</source>
        <translation>Recortar, girar, endireitar e ajustar a foto (%1)</translation>
    </message>
    <message>
        <source>A copy for sharing (%1)</source>
        <translation>Uma cópia para compartilhar (%1)</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Preservar rostos</translation>
    </message>
    <message>
        <source>Every look taken back over the faces in the photo, their hair and neck</source>
        <translation>Todo estilo é retirado dos rostos da foto, com o cabelo e o pescoço</translation>
    </message>
    <message>
        <source>Saved %1, %2</source>
        <translation>Salvo: %1, %2</translation>
    </message>
</context>
<context>
    <name>corvessa-render</name>
    <message>
        <source>Edits (before the look, or alone; always in this order, whatever the order given):
  --rotate 90|180|270 turn clockwise
  --flip h|v          mirror left to right (h) or top to bottom (v); may be given twice
  --straighten DEG    turn by -45 to 45 degrees clockwise, in steps of 0.1, keeping the
                      largest upright rectangle of the photo's shape
  --crop X,Y,W,H      keep that rectangle, in pixels of the photo once turned and
                      straightened (clipped to it)
  --crop-ratio W:H    keep the largest centred rectangle of that shape (4:5, 16:9)
  --adjust KEY=VALUE,...  adjust, 0 leaving it as it is:
</source>
        <translation>Edições (antes do estilo, ou sozinhas; sempre nesta ordem, qualquer que seja a ordem dada):
  --rotate 90|180|270 girar no sentido horário
  --flip h|v          espelhar na horizontal (h) ou na vertical (v); pode ser dado duas vezes
  --straighten DEG    girar de -45 a 45 graus no sentido horário, em passos de 0.1,
                      mantendo o maior retângulo reto com a proporção da foto
  --crop X,Y,W,H      manter esse retângulo, em pixels da foto já girada e
                      endireitada (limitado a ela)
  --crop-ratio W:H    manter o maior retângulo centralizado com essa proporção (4:5, 16:9)
  --adjust KEY=VALUE,...  ajustar, 0 deixa como está:
</translation>
    </message>
    <message>
        <source>  --auto              levels and white balance found for each photo from its own colours
</source>
        <translation>  --auto              níveis e balanço de branco obtidos das cores de cada foto
</translation>
    </message>
    <message>
        <source>Categories (--look CATEGORY:N, --strip CATEGORY):</source>
        <translation>Categorias (--look CATEGORY:N, --strip CATEGORY):</translation>
    </message>
    <message>
        <source>Filters (--filter NAME[:ARG,...]):</source>
        <translation>Filtros (--filter NAME[:ARG,...]):</translation>
    </message>
    <message>
        <source>usage: corvessa-render [EDITS] [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel]
                       [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT
       corvessa-render [EDITS] --lut FILE.cube [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT
       corvessa-render [EDITS] [--seed S] --filter NAME[:ARG[,ARG...]] [--quality Q] INPUT OUTPUT
       corvessa-render EDITS [--quality Q] INPUT OUTPUT
       corvessa-render [--pic DIR] --strip CATEGORY [--thumbnail-size N] INPUT OUTDIR
       corvessa-render [EDITS] --look CATEGORY:N [--color ...] [--strength S] [--keep-faces] -o OUTDIR
                       [--files-from FILE|- [-0]] [-j N]
                       [--name PATTERN] [--format FORMAT] [--quality Q] [--skip-existing] [--report FILE|-]
                       [INPUT...]
       corvessa-render --list
       corvessa-render --list-formats

  --lut FILE.cube     a 1D or 3D colour table of the .cube form as the look; also with -o
  --keep-faces        the look taken back over each face found in the photo, its hair and neck
  --quality Q         1 to 100, for a lossy output format (JPEG: 90 unless given)
  --resize N          the output's longer side N pixels (16 to 65535); WxH: fit inside
                      W x H; P%: P percent of each side (1 to 100). Never enlarges
  --strip-location    the output carries no GPS position; the other camera data stays
  --strip-metadata    the output carries no camera data (the colour profile stays)
  --srgb              the output's colours converted to sRGB from the photo's profile
                      (these four with --look, --lut, --filter, the edits or alone; also with -o)
  --thumbnail-size N  large thumbnails: each look's full render of the photo scaled to
                      N pixels on its longer side (16 to 1024)
</source>
        <translation>uso: corvessa-render [EDITS] [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel]
                       [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT
       corvessa-render [EDITS] --lut FILE.cube [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT
       corvessa-render [EDITS] [--seed S] --filter NAME[:ARG[,ARG...]] [--quality Q] INPUT OUTPUT
       corvessa-render EDITS [--quality Q] INPUT OUTPUT
       corvessa-render [--pic DIR] --strip CATEGORY [--thumbnail-size N] INPUT OUTDIR
       corvessa-render [EDITS] --look CATEGORY:N [--color ...] [--strength S] [--keep-faces] -o OUTDIR
                       [--files-from FILE|- [-0]] [-j N]
                       [--name PATTERN] [--format FORMAT] [--quality Q] [--skip-existing] [--report FILE|-]
                       [INPUT...]
       corvessa-render --list
       corvessa-render --list-formats

  --lut FILE.cube     uma tabela de cores 1D ou 3D no formato .cube como estilo; também com -o
  --keep-faces        o estilo é retirado de cada rosto encontrado na foto, com cabelo e pescoço
  --quality Q         1 a 100, para um formato de saída com perdas (JPEG: 90 se não informado)
  --resize N          lado maior da saída com N pixels (16 a 65535); WxH: caber dentro de
                      W x H; P%: P por cento de cada lado (1 a 100). Nunca amplia
  --strip-location    a saída não leva a posição GPS; os outros dados da câmera ficam
  --strip-metadata    a saída não leva dados da câmera (o perfil de cor fica)
  --srgb              as cores da saída convertidas para sRGB a partir do perfil da foto
                      (estas quatro com --look, --lut, --filter, as edições ou sozinhas; também com -o)
  --thumbnail-size N  miniaturas grandes: a renderização completa de cada estilo na foto,
                      reduzida a N pixels no lado maior (16 a 1024)
</translation>
    </message>
    <message>
        <source>Batch options (with -o OUTDIR, after --look, --lut or the edits alone):
  --files-from FILE   more inputs, one a line (- for standard input)
  -0, --null          the names in --files-from end with a NUL byte instead of a line's end
                      (find -print0), for names that hold a newline
  -j N                photos rendered at once (default: one per core)
  --name PATTERN      output names: {name} {folder} {category} {effect} {look} (default: {name})
  --format FORMAT     </source>
        <translation>Opções de lote (com -o OUTDIR, após --look, --lut ou só as edições):
  --files-from FILE   mais entradas, uma por linha (- para a entrada padrão)
  -0, --null          os nomes em --files-from terminam com um byte NUL em vez de fim de
                      linha (find -print0), para nomes que contêm quebra de linha
  -j N                fotos renderizadas ao mesmo tempo (padrão: uma por núcleo)
  --name PATTERN      nomes de saída: {name} {folder} {category} {effect} {look} (padrão: {name})
  --format FORMAT     </translation>
    </message>
    <message>
        <source> (default: the output name's extension)
  --skip-existing     leave outputs that exist as they are
  --report FILE       one JSON line a photo (- for standard output); see corvessa-render(1)
</source>
        <translation> (padrão: a extensão do nome de saída)
  --skip-existing     deixar como estão as saídas que já existem
  --report FILE       uma linha JSON por foto (- para a saída padrão); veja corvessa-render(1)
</translation>
    </message>
    <message>
        <source>unknown category "%1" (see --list)</source>
        <translation>categoria desconhecida "%1" (veja --list)</translation>
    </message>
    <message>
        <source>unknown filter "%1" (see --list)</source>
        <translation>filtro desconhecido "%1" (veja --list)</translation>
    </message>
    <message>
        <source>filter argument "%1" is not a whole number</source>
        <translation>o argumento de filtro "%1" não é um número inteiro</translation>
    </message>
    <message>
        <source>the filter wants %1</source>
        <translation>o filtro espera %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>%1 wants a value</source>
        <translation>%1 espera um valor</translation>
    </message>
    <message>
        <source>--look wants CATEGORY:N with N from 1 to 10</source>
        <translation>--look espera CATEGORY:N com N de 1 a 10</translation>
    </message>
    <message>
        <source>--color wants R,G,B (0 to 255 each) or cancel</source>
        <translation>--color espera R,G,B (0 a 255 cada) ou cancel</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats</source>
        <translation>informe um entre --look, --lut, --filter, --strip, --list e --list-formats</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats, or edits</source>
        <translation>informe um entre --look, --lut, --filter, --strip, --list e --list-formats, ou edições</translation>
    </message>
    <message>
        <source>-o OUTDIR wants at least one INPUT or --files-from</source>
        <translation>-o OUTDIR espera ao menos um INPUT ou --files-from</translation>
    </message>
    <message>
        <source>the edits want INPUT and OUTPUT</source>
        <translation>as edições esperam INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>--list takes no files</source>
        <translation>--list não aceita arquivos</translation>
    </message>
    <message>
        <source>--list-formats takes no files</source>
        <translation>--list-formats não aceita arquivos</translation>
    </message>
    <message>
        <source>--lut wants INPUT and OUTPUT</source>
        <translation>--lut espera INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>--look wants INPUT and OUTPUT</source>
        <translation>--look espera INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>--filter wants INPUT and OUTPUT</source>
        <translation>--filter espera INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>--strip wants INPUT and OUTDIR</source>
        <translation>--strip espera INPUT e OUTDIR</translation>
    </message>
    <message>
        <source>-o belongs with --look, --lut or the edits alone</source>
        <translation>-o só pode ser usado com --look, --lut ou com as edições sozinhas</translation>
    </message>
    <message>
        <source>the edits belong with --look, --lut, --filter or alone</source>
        <translation>as edições só podem ser usadas com --look, --lut, --filter ou sozinhas</translation>
    </message>
    <message>
        <source>--files-from, -j, --name, --format, --skip-existing and --report belong with -o OUTDIR</source>
        <translation>--files-from, -j, --name, --format, --skip-existing e --report só podem ser usados com -o OUTDIR</translation>
    </message>
    <message>
        <source>-0 belongs with --files-from</source>
        <translation>-0 só pode ser usado com --files-from</translation>
    </message>
    <message>
        <source>--thumbnail-size belongs with --strip</source>
        <translation>--thumbnail-size só pode ser usado com --strip</translation>
    </message>
    <message>
        <source>--color belongs with --look</source>
        <translation>--color só pode ser usado com --look</translation>
    </message>
    <message>
        <source>--pic belongs with --look or --strip</source>
        <translation>--pic só pode ser usado com --look ou --strip</translation>
    </message>
    <message>
        <source>with --lut, --name takes {name} and {folder}</source>
        <translation>com --lut, --name aceita {name} e {folder}</translation>
    </message>
    <message>
        <source>with the edits alone, --name takes {name} and {folder}</source>
        <translation>com as edições sozinhas, --name aceita {name} e {folder}</translation>
    </message>
    <message>
        <source>--strength belongs with --look or --lut</source>
        <translation>--strength só pode ser usado com --look ou --lut</translation>
    </message>
    <message>
        <source>--keep-faces belongs with --look or --lut</source>
        <translation>--keep-faces só pode ser usado com --look ou --lut</translation>
    </message>
    <message>
        <source>--quality belongs with --look, --lut, --filter or the edits</source>
        <translation>--quality só pode ser usado com --look, --lut, --filter ou as edições</translation>
    </message>
    <message>
        <source>--resize, --strip-location, --strip-metadata and --srgb belong with --look, --lut, --filter, the edits or alone</source>
        <translation>--resize, --strip-location, --strip-metadata e --srgb só podem ser usados com --look, --lut, --filter, as edições ou sozinhos</translation>
    </message>
    <message>
        <source>--resize wants N or WxH (16 to 65535 pixels each) or P% (1 to 100)</source>
        <translation>--resize espera N ou WxH (16 a 65535 pixels cada) ou P% (1 a 100)</translation>
    </message>
    <message>
        <source>--seed wants a number from 0 to 4294967295</source>
        <translation>--seed espera um número de 0 a 4294967295</translation>
    </message>
    <message>
        <source>--strength wants a number from 0 to 100</source>
        <translation>--strength espera um número de 0 a 100</translation>
    </message>
    <message>
        <source>--thumbnail-size wants a number from 16 to 1024</source>
        <translation>--thumbnail-size espera um número de 16 a 1024</translation>
    </message>
    <message>
        <source>-j wants a number from 1 to 1024</source>
        <translation>-j espera um número de 1 a 1024</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100</source>
        <translation>--quality espera um número de 1 a 100</translation>
    </message>
    <message>
        <source>--format wants %1</source>
        <translation>--format espera %1</translation>
    </message>
    <message>
        <source>--adjust wants KEY=VALUE,... with KEY one of %1</source>
        <translation>--adjust espera KEY=VALUE,... com KEY sendo um de %1</translation>
    </message>
    <message>
        <source>--adjust %1 wants a whole number from %2 to %3</source>
        <translation>--adjust %1 espera um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>--adjust %1 wants a number from %2 to %3</source>
        <translation>--adjust %1 espera um número de %2 a %3</translation>
    </message>
    <message>
        <source>--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1</source>
        <translation>--crop espera X,Y,W,H em pixels inteiros, X e Y a partir de 0, W e H a partir de 1</translation>
    </message>
    <message>
        <source>--crop-ratio wants W:H with W and H from 1 to 10000</source>
        <translation>--crop-ratio espera W:H com W e H de 1 a 10000</translation>
    </message>
    <message>
        <source>--rotate wants 90, 180 or 270, once</source>
        <translation>--rotate espera 90, 180 ou 270, uma única vez</translation>
    </message>
    <message>
        <source>--flip wants h or v</source>
        <translation>--flip espera h ou v</translation>
    </message>
    <message>
        <source>--straighten wants degrees from -45 to 45, once</source>
        <translation>--straighten espera graus de -45 a 45, uma única vez</translation>
    </message>
    <message>
        <source>give one of --crop and --crop-ratio, once</source>
        <translation>informe --crop ou --crop-ratio, uma única vez</translation>
    </message>
    <message>
        <source>Stream write error: the report: %1</source>
        <translation>Erro de gravação: o relatório: %1</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent, about %4 left</source>
        <translation>%1 de %2 concluídas, %3 decorridos, faltam cerca de %4</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent</source>
        <translation>%1 de %2 concluídas, %3 decorridos</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchEditBox</name>
    <message>
        <source>Edits before the look</source>
        <translation>Edições antes do estilo</translation>
    </message>
    <message>
        <source>The largest centred part of each photo of this shape</source>
        <translation>A maior parte centralizada de cada foto com este formato</translation>
    </message>
    <message>
        <source>Not turned</source>
        <translation>Sem girar</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>Direita 90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>Esquerda 90°</translation>
    </message>
    <message>
        <source>Auto for each photo</source>
        <translation>Auto para cada foto</translation>
    </message>
    <message>
        <source>Levels and white balance read from each photo, in place of what those sliders say</source>
        <translation>Níveis e balanço de branco lidos de cada foto, no lugar dos valores desses controles</translation>
    </message>
    <message>
        <source>Crop:</source>
        <translation>Recorte:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Girar:</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchProgressPage</name>
    <message>
        <source>The main window stays usable; closing this dialog lets the batch go on.</source>
        <translation>A janela principal continua utilizável; fechar esta janela não interrompe o lote.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Agora: %1</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s, with a warning: %4</source>
        <translation>%1: renderizada como %2 em %3 s, com um aviso: %4</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s</source>
        <translation>%1: renderizada como %2 em %3 s</translation>
    </message>
    <message>
        <source>%1: done already</source>
        <translation>%1: já feita</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed so far</source>
        <translation>
            <numerusform>%n falhou até agora</numerusform>
            <numerusform>%n falharam até agora</numerusform>
        </translation>
    </message>
    <message>
        <source>Time spent %1, about %2 left</source>
        <translation>Tempo decorrido %1, faltam cerca de %2</translation>
    </message>
    <message>
        <source>Time spent %1</source>
        <translation>Tempo decorrido %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos</source>
        <translation>
            <numerusform>%1 de %n foto</numerusform>
            <numerusform>%1 de %n fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping after the photos in flight...</source>
        <translation>Parando após as fotos em andamento...</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSettingsPage</name>
    <message>
        <source>My Looks: %1</source>
        <translation>Meus estilos: %1</translation>
    </message>
    <message>
        <source>The look in the preview: %1</source>
        <translation>O estilo da pré-visualização: %1</translation>
    </message>
    <message>
        <source>The look in the preview (none shown yet)</source>
        <translation>O estilo da pré-visualização (nenhum exibido ainda)</translation>
    </message>
    <message>
        <source>This look takes no colour</source>
        <translation>Este estilo não usa cor</translation>
    </message>
    <message>
        <source>Fields: %1</source>
        <translation>Campos: %1</translation>
    </message>
    <message>
        <source>The first photo's: %1</source>
        <translation>Para a primeira foto: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Adicionar arquivos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Photos may also be dropped here.</source>
        <translation>Também é possível soltar fotos aqui.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>This look, on the first photo:</source>
        <translation>Este estilo, na primeira foto:</translation>
    </message>
    <message>
        <source>A .cube file:</source>
        <translation>Um arquivo .cube:</translation>
    </message>
    <message>
        <source>A colour table of the .cube form as the look</source>
        <translation>Uma tabela de cores no formato .cube como estilo</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Change Color:</source>
        <translation>Mudar cor:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Intensidade:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Preservar rostos</translation>
    </message>
    <message>
        <source>The look taken back over the faces found in each photo</source>
        <translation>O estilo é retirado dos rostos encontrados em cada foto</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Nomes:</translation>
    </message>
    <message>
        <source>Skip photos already done</source>
        <translation>Pular fotos já feitas</translation>
    </message>
    <message>
        <source>To share:</source>
        <translation>Para compartilhar:</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>tamanho original</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The longer side of each output; a smaller photo keeps its size</source>
        <translation>O lado maior de cada saída; uma foto menor mantém o tamanho</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>Without the location</source>
        <translation>Sem a localização</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Add photos to see the looks on the first of them.</source>
        <translation>Adicione fotos para ver os estilos na primeira delas.</translation>
    </message>
    <message>
        <source>Making the thumbnails...</source>
        <translation>Gerando as miniaturas...</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSummaryPage</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rendered with a warning:</source>
        <translation>Renderizadas com aviso:</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>New Batch</source>
        <translation>Novo lote</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Cancelled: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Cancelado: %1 de %n foto renderizada&lt;/b&gt; na pasta %2 em %3.</numerusform>
            <numerusform>&lt;b&gt;Cancelado: %1 de %n fotos renderizadas&lt;/b&gt; na pasta %2 em %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Done: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Concluído: %1 de %n foto renderizada&lt;/b&gt; na pasta %2 em %3.</numerusform>
            <numerusform>&lt;b&gt;Concluído: %1 de %n fotos renderizadas&lt;/b&gt; na pasta %2 em %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done already and left as they were.</source>
        <translation>
            <numerusform>%n já feita e deixada como estava.</numerusform>
            <numerusform>%n já feitas e deixadas como estavam.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not rendered: the batch was cancelled.</source>
        <translation>
            <numerusform>%n não renderizada: o lote foi cancelado.</numerusform>
            <numerusform>%n não renderizadas: o lote foi cancelado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed:</source>
        <translation>
            <numerusform>%n falhou:</numerusform>
            <numerusform>%n falharam:</numerusform>
        </translation>
    </message>
    <message>
        <source>None failed.</source>
        <translation>Nenhuma falhou.</translation>
    </message>
    <message>
        <source>Nothing on this desktop shows folders; the photos are in %1.</source>
        <translation>Nenhum programa deste ambiente mostra pastas; as fotos estão em %1.</translation>
    </message>
</context>
<context>
    <name>corvessa::TCropFrame</name>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
</context>
<context>
    <name>corvessa::TEditPanel</name>
    <message>
        <source>The crop frame's shape; drag its corners and sides on the photo</source>
        <translation>O formato da área de recorte; arraste os cantos e os lados sobre a foto</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>Esquerda 90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the left</source>
        <translation>Gira a foto um quarto de volta para a esquerda</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>Direita 90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the right</source>
        <translation>Gira a foto um quarto de volta para a direita</translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation>Espelhar ↔</translation>
    </message>
    <message>
        <source>Mirrors the photo left to right</source>
        <translation>Espelha a foto da esquerda para a direita</translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation>Espelhar ↕</translation>
    </message>
    <message>
        <source>Mirrors the photo top to bottom</source>
        <translation>Espelha a foto de cima para baixo</translation>
    </message>
    <message>
        <source>Turns the photo by up to 45° either way and keeps the largest upright part of it</source>
        <translation>Gira a foto até 45° para qualquer lado e mantém a maior parte dela na vertical</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Endireitar</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Levels and white balance from the photo</source>
        <translation>Níveis e balanço de branco a partir da foto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Every edit back at none</source>
        <translation>Zera todas as edições</translation>
    </message>
    <message>
        <source>Closes the panel; the photo stays as it was (%1)</source>
        <translation>Fecha o painel; a foto fica como estava (%1)</translation>
    </message>
    <message>
        <source>Makes the edits your photo (%1)</source>
        <translation>Aplica as edições à sua foto (%1)</translation>
    </message>
    <message>
        <source>Screen (%1:%2)</source>
        <translation>Tela (%1:%2)</translation>
    </message>
    <message>
        <source>Applied the edits</source>
        <translation>Edições aplicadas</translation>
    </message>
    <message>
        <source>Applying the edits</source>
        <translation>Aplicando as edições</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormBatch</name>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message numerus="yes">
        <source>%n of the outputs exist already in %1.</source>
        <translation>
            <numerusform>%n das saídas já existe em %1.</numerusform>
            <numerusform>%n das saídas já existem em %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvessa::TFormExport</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Full size</source>
        <translation>Tamanho original</translation>
    </message>
    <message>
        <source>Long edge, pixels</source>
        <translation>Lado maior, pixels</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Remove the location (GPS)</source>
        <translation>Remover a localização (GPS)</translation>
    </message>
    <message>
        <source>Remove all camera data</source>
        <translation>Remover todos os dados da câmera</translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation>Converter para sRGB</translation>
    </message>
    <message>
        <source>The colours every browser and phone shows right</source>
        <translation>As cores que todo navegador e celular mostram corretamente</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>{name}: the photo's name, {folder}: its folder's</source>
        <translation>{name}: o nome da foto, {folder}: o nome da pasta dela</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exportar para</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The name of an export takes {name} and {folder}</source>
        <translation>O nome de uma exportação aceita {name} e {folder}</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>calculando...</translation>
    </message>
    <message>
        <source>about %1, %2 x %3</source>
        <translation>cerca de %1, %2 x %3</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Exported %1, %2</source>
        <translation>Exportado: %1, %2</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormMain</name>
    <message>
        <source>Applied My Looks: %1</source>
        <translation>Aplicado (Meus estilos): %1</translation>
    </message>
    <message>
        <source>Applied %1</source>
        <translation>Aplicado: %1</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Desfeito</translation>
    </message>
    <message>
        <source>Redone</source>
        <translation>Refeito</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Aguarde</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>PROCESSANDO---</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Mudar cor</translation>
    </message>
    <message>
        <source>Hold to see the photo without the look (or hold %1)</source>
        <translation>Mantenha pressionado para ver a foto sem o estilo (ou mantenha %1)</translation>
    </message>
    <message>
        <source>Strength of the look</source>
        <translation>Intensidade do estilo</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>corvessa::THelpWindow</name>
    <message>
        <source>Corvessa Help</source>
        <translation>Ajuda do Corvessa</translation>
    </message>
</context>
<context>
    <name>corvessa::TImageView</name>
    <message>
        <source>Fit</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>corvessa::TLookRenders</name>
    <message>
        <source>Rendering</source>
        <translation>Renderizando</translation>
    </message>
    <message>
        <source>%1 cannot be used</source>
        <translation>%1 não pode ser usado</translation>
    </message>
    <message>
        <source>Preview - %1 %2: %3</source>
        <translation>Pré-visualização - %1 %2: %3</translation>
    </message>
    <message>
        <source>Preview - My Looks: %1</source>
        <translation>Pré-visualização - Meus estilos: %1</translation>
    </message>
</context>
<context>
    <name>corvessa::TLooksStrip</name>
    <message>
        <source>Large thumbnails: each look drawn large, with its name (%1)</source>
        <translation>Miniaturas grandes: cada estilo desenhado grande, com o nome (%1)</translation>
    </message>
    <message>
        <source>Drawing the thumbnails</source>
        <translation>Desenhando as miniaturas</translation>
    </message>
    <message>
        <source>Drawing your looks</source>
        <translation>Desenhando seus estilos</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
</context>
<context>
    <name>corvessa::TMyLooksView</name>
    <message>
        <source>My Looks</source>
        <translation>Meus estilos</translation>
    </message>
    <message>
        <source>Your own .cube colour tables from %1</source>
        <translation>Suas próprias tabelas de cores .cube de %1</translation>
    </message>
    <message>
        <source>Add Look…</source>
        <translation>Novo estilo…</translation>
    </message>
    <message>
        <source>Copy .cube colour tables into %1 (%2, or drop them on the window)</source>
        <translation>Copiar tabelas de cores .cube para %1 (%2, ou solte-as na janela)</translation>
    </message>
    <message>
        <source>Previous looks (%1)</source>
        <translation>Estilos anteriores (%1)</translation>
    </message>
    <message>
        <source>Next looks (%1)</source>
        <translation>Próximos estilos (%1)</translation>
    </message>
    <message>
        <source>No looks of your own yet. Put .cube colour tables into %1, press Add Look... (%2), or drop .cube files on this window.</source>
        <translation>Você ainda não tem estilos próprios. Coloque tabelas de cores .cube em %1, clique em Novo estilo... (%2) ou solte arquivos .cube nesta janela.</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Nenhum estilo</translation>
    </message>
    <message numerus="yes">
        <source>Looks %1-%2 of %n</source>
        <translation>
            <numerusform>Estilos %1-%2 de %n</numerusform>
            <numerusform>Estilos %1-%2 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your looks</source>
        <translation>Lendo seus estilos</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoOpener</name>
    <message>
        <source>Opening %1</source>
        <translation>Abrindo %1</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoPane</name>
    <message>
        <source>%1[*] - Corvessa</source>
        <translation>%1[*] - Corvessa</translation>
    </message>
    <message>
        <source>%1 x %2
%3</source>
        <translation>%1 x %2
%3</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoSaver</name>
    <message>
        <source>Saving %1</source>
        <translation>Salvando %1</translation>
    </message>
</context>
</TS>