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
        <translation>Predefinição</translation>
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 is a symbolic link of another user</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 is a symbolic link in a folder of another user</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 is an input; it is not overwritten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stream write error: %1</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>Memória insuficiente para a imagem</translation>
    </message>
    <message>
        <source>Not enough memory to save as %1</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Formato de imagem desconhecido</translation>
    </message>
    <message>
        <source>The %1 reader failed</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The %1 writer failed</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The %1 reader could not be started: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The %1 writer could not be started: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The %1 reader did not finish within %2 seconds</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The %1 writer did not finish within %2 seconds</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cannot make room to pass a picture: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Bitmap image is not valid: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Picture is too large for JPEG (%1 x %2; at most %3 pixels a side): save it as PNG or BMP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Picture is too large for HEIF (%1 x %2): save it as PNG or JPEG</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Picture is too large for WebP (%1 x %2): save it as PNG or JPEG</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>LUT file is not valid</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the file is longer than %1 MB</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the file is too short for its %1 entries</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>it holds %1 entries where its size wants %2</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 is not a size</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>The name pattern is empty</source>
        <translation>O padrão de nome está vazio</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a /</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The name pattern "%1" may not hold a zero byte</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The name pattern "%1" has a } without a {</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The name pattern "%1" has a { without a }</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The name pattern "%1" has an unknown field %2; the fields are %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The name pattern "%1" gives %2 no file name</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>done already</source>
        <translation>já feita</translation>
    </message>
    <message>
        <source>My Looks cannot be read or added to: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No looks</source>
        <translation>Nenhum estilo</translation>
    </message>
    <message>
        <source>Looks %1-%2 of %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>unknown filter "%1" (see --list)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>filter argument "%1" is not a whole number</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>the filter wants %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 wants a value</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>--adjust wants KEY=VALUE,... with KEY one of %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--adjust %1 wants a whole number from %2 to %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--adjust %1 wants a number from %2 to %3</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 of %2 done, %3 spent, about %4 left</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 of %2 done, %3 spent</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>