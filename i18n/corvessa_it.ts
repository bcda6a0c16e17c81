<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessibleText</name>
    <message>
        <source>My Looks, look %1: %2</source>
        <translation>I miei stili, stile %1: %2</translation>
    </message>
    <message>
        <source>%1, look %2: %3</source>
        <translation>%1, stile %2: %3</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Stile %1</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Intensità %1 %</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Nessuna foto</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, zoom %3</source>
        <translation>%1 × %2 pixel, zoom %3</translation>
    </message>
    <message>
        <source>The photo being edited</source>
        <translation>La foto in modifica</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Riquadro di ritaglio</translation>
    </message>
    <message>
        <source>The photo with the look</source>
        <translation>La foto con lo stile</translation>
    </message>
    <message>
        <source>The working photo</source>
        <translation>La foto di lavoro</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>The photos the batch renders; Add Files, Add Folder or a drop adds more</source>
        <translation>Le foto che la serie elabora; per aggiungerne altre usare Aggiungi file, Aggiungi cartella o trascinarle qui</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>The category whose looks show below</source>
        <translation>La categoria di cui qui sotto sono mostrati gli stili</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Stili</translation>
    </message>
    <message>
        <source>The ten looks of the category, drawn from the first photo</source>
        <translation>I dieci stili della categoria, mostrati sulla prima foto</translation>
    </message>
    <message>
        <source>The .cube file</source>
        <translation>Il file .cube</translation>
    </message>
    <message>
        <source>Choose the .cube file</source>
        <translation>Scegli il file .cube</translation>
    </message>
    <message>
        <source>Choose the colour</source>
        <translation>Scegli il colore</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>How much of the look each photo takes</source>
        <translation>Quanto lo stile viene applicato a ogni foto</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>The pattern of the output names</source>
        <translation>Lo schema dei nomi dei file di destinazione</translation>
    </message>
    <message>
        <source>Longer side</source>
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>The longer side of each output in pixels, or full size</source>
        <translation>Il lato lungo di ogni foto elaborata, in pixel, oppure dimensioni originali</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglio</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Foto elaborate</translation>
    </message>
    <message>
        <source>Every photo as it ends, the latest at the foot</source>
        <translation>Ogni foto appena completata, l'ultima in fondo</translation>
    </message>
    <message>
        <source>Photos that failed</source>
        <translation>Foto non riuscite</translation>
    </message>
    <message>
        <source>Photos rendered with a warning</source>
        <translation>Foto elaborate con un avviso</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Long edge or percentage</source>
        <translation>Lato lungo o percentuale</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Scegli la cartella</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>The pattern of the copy's name</source>
        <translation>Lo schema del nome della copia</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Pagina della guida</translation>
    </message>
</context>
<context>
    <name>ActionTable</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>opens a photo</source>
        <translation>apre una foto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>writes the photo shown to a file</source>
        <translation>scrive su file la foto mostrata</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>writes a copy for sharing: smaller, without the location</source>
        <translation>scrive una copia da condividere: più piccola, senza la posizione</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>takes back the last Apply</source>
        <translation>annulla l'ultima applicazione</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>brings back the Apply Undo took back</source>
        <translation>ripristina l'applicazione annullata</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>crops, turns, straightens and adjusts the photo in the Edit panel</source>
        <translation>ritaglia, ruota, raddrizza e regola la foto nel pannello Modifica</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>puts one look on many photos</source>
        <translation>applica uno stile a molte foto</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Aggiungi stile</translation>
    </message>
    <message>
        <source>copies .cube colour tables into My Looks</source>
        <translation>copia tabelle colore .cube tra I miei stili</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>shows this page</source>
        <translation>mostra questa pagina</translation>
    </message>
    <message>
        <source>Next looks</source>
        <translation>Stili successivi</translation>
    </message>
    <message>
        <source>the next ten of My Looks</source>
        <translation>I miei stili: i dieci successivi</translation>
    </message>
    <message>
        <source>Previous looks</source>
        <translation>Stili precedenti</translation>
    </message>
    <message>
        <source>the ten of My Looks before</source>
        <translation>I miei stili: i dieci precedenti</translation>
    </message>
    <message>
        <source>Large looks</source>
        <translation>Stili grandi</translation>
    </message>
    <message>
        <source>each look drawn large with its name, or the small strip again</source>
        <translation>ogni stile disegnato in grande con il suo nome, o di nuovo la striscia piccola</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>one photo pixel a screen pixel</source>
        <translation>un pixel della foto per ogni pixel dello schermo</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>the whole photo in view again</source>
        <translation>di nuovo tutta la foto in vista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>stops the Open, render or thumbnails that run; in the preview, drops the look; in the Edit panel, leaves it with the photo as it was</source>
        <translation>interrompe l'apertura, l'elaborazione o le miniature in corso; nell'anteprima scarta lo stile; nel pannello Modifica lo chiude lasciando la foto com'era</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>makes the look shown your photo</source>
        <translation>applica alla foto lo stile mostrato</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>held down, shows the photo as it was</source>
        <translation>tenuto premuto, mostra la foto com'era</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniature</translation>
    </message>
    <message>
        <source>frames the thumbnail beside the one framed</source>
        <translation>sposta la selezione sulla miniatura accanto</translation>
    </message>
    <message>
        <source>frames the thumbnail above or below the one framed</source>
        <translation>sposta la selezione sulla miniatura sopra o sotto</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>shows the framed thumbnail's look in the preview</source>
        <translation>mostra nell'anteprima lo stile della miniatura selezionata</translation>
    </message>
    <message>
        <source>makes the edits your photo</source>
        <translation>applica le modifiche alla foto</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>frames the category button above or below the one framed</source>
        <translation>sposta la selezione sul pulsante di categoria sopra o sotto</translation>
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
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>the Edit panel</source>
        <translation>il pannello Modifica</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>l'anteprima</translation>
    </message>
    <message>
        <source>the main window</source>
        <translation>la finestra principale</translation>
    </message>
    <message>
        <source>both windows</source>
        <translation>entrambe le finestre</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Riquadro di ritaglio</translation>
    </message>
    <message>
        <source>moves the framed crop frame left or right</source>
        <translation>sposta il riquadro di ritaglio selezionato a sinistra o a destra</translation>
    </message>
    <message>
        <source>moves the framed crop frame up or down</source>
        <translation>sposta il riquadro di ritaglio selezionato in alto o in basso</translation>
    </message>
    <message>
        <source>makes the framed crop frame narrower or wider</source>
        <translation>rende il riquadro di ritaglio selezionato più stretto o più largo</translation>
    </message>
    <message>
        <source>makes the framed crop frame shorter or taller</source>
        <translation>rende il riquadro di ritaglio selezionato più basso o più alto</translation>
    </message>
</context>
<context>
    <name>Adjustments</name>
    <message>
        <source>Exposure</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <source>Brighter or darker, in stops; highlights roll off, never clip</source>
        <translation>Più chiara o più scura, in stop; le alte luci sfumano senza mai bruciarsi</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Steeper tones about the middle grey, flatter below 0</source>
        <translation>Toni più ripidi attorno al grigio medio, più piatti sotto 0</translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation>Alte luci</translation>
    </message>
    <message>
        <source>Below 0 brings back bright areas' detail; above 0 brightens them</source>
        <translation>Sotto 0 recupera i dettagli delle zone chiare; sopra 0 le schiarisce</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Above 0 brings out dark areas' detail; below 0 deepens them</source>
        <translation>Sopra 0 fa emergere i dettagli delle zone scure; sotto 0 le scurisce</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Every colour stronger, or weaker below 0; -100 is black and white</source>
        <translation>Tutti i colori più intensi, o più tenui sotto 0; -100 è bianco e nero</translation>
    </message>
    <message>
        <source>Vibrance</source>
        <translation>Vividezza</translation>
    </message>
    <message>
        <source>Muted colours stronger than strong ones, skin tones spared</source>
        <translation>Intensifica i colori tenui più di quelli forti, senza toccare gli incarnati</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Calore</translation>
    </message>
    <message>
        <source>Warmer light (yellow) above 0, cooler (blue) below</source>
        <translation>Luce più calda (gialla) sopra 0, più fredda (blu) sotto</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>Towards magenta above 0, towards green below</source>
        <translation>Verso il magenta sopra 0, verso il verde sotto</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignettatura</translation>
    </message>
    <message>
        <source>Darker corners above 0, lighter below</source>
        <translation>Angoli più scuri sopra 0, più chiari sotto</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Nitidezza</translation>
    </message>
    <message>
        <source>Crisper fine detail above 0, softer below</source>
        <translation>Dettagli fini più nitidi sopra 0, più morbidi sotto</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Puts ready-made looks on a photo.</source>
        <translation>Applica stili pronti a una foto.</translation>
    </message>
    <message>
        <source>The photo to open in place of the sample photo.</source>
        <translation>La foto da aprire al posto della foto di esempio.</translation>
    </message>
    <message>
        <source>Try 'corvessa --help'.</source>
        <translation>Provare 'corvessa --help'.</translation>
    </message>
    <message>
        <source>one photo at a time, not %1</source>
        <translation>una foto alla volta, non %1</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>All pictures</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <source>the format's own</source>
        <translation>predefinita</translation>
    </message>
    <message>
        <source>Quality of a JPEG, HEIC, AVIF, WebP or JPEG XL save, 1 to 100</source>
        <translation>Qualità del salvataggio in JPEG, HEIC, AVIF, WebP o JPEG XL, da 1 a 100</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Colour tables</source>
        <translation>Tabelle colore</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Aggiungi stile</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>%1 is the name of a %2 file, but the file type chosen is %3.
Save the photo as %2 under %1, or as %3 under %4?</source>
        <translation>%1 è il nome di un file %2, ma il tipo di file scelto è %3.
Salvare la foto come %2 con il nome %1 o come %3 con il nome %4?</translation>
    </message>
    <message>
        <source>Save as %1</source>
        <translation>Salva come %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Skip those</source>
        <translation>Salta quelli</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before closing?</source>
        <translation>La foto contiene modifiche non salvate.
Salvarle prima di chiudere?</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before opening %1?</source>
        <translation>La foto contiene modifiche non salvate.
Salvarle prima di aprire %1?</translation>
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
            <numerusform>%n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>read, write</source>
        <translation>lettura, scrittura</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lettura</translation>
    </message>
</context>
<context>
    <name>Looks</name>
    <message>
        <source>Light A</source>
        <translation>Luce A</translation>
    </message>
    <message>
        <source>Amber Leak</source>
        <translation>Infiltrazione ambra</translation>
    </message>
    <message>
        <source>Corner Burn</source>
        <translation>Bruciatura d'angolo</translation>
    </message>
    <message>
        <source>Edge Film Burn</source>
        <translation>Bruciatura ai bordi</translation>
    </message>
    <message>
        <source>Twin Corner Leaks</source>
        <translation>Luce da due angoli</translation>
    </message>
    <message>
        <source>Warm Sweep</source>
        <translation>Scia calda</translation>
    </message>
    <message>
        <source>Golden Rise</source>
        <translation>Ascesa dorata</translation>
    </message>
    <message>
        <source>Burn Hole</source>
        <translation>Foro bruciato</translation>
    </message>
    <message>
        <source>Film Gate Streaks</source>
        <translation>Strisce di pellicola</translation>
    </message>
    <message>
        <source>Peach Wash</source>
        <translation>Velo pesca</translation>
    </message>
    <message>
        <source>Ember Edges</source>
        <translation>Bordi di brace</translation>
    </message>
    <message>
        <source>Warm light leaks and film burns laid over the photo</source>
        <translation>Infiltrazioni di luce calda e bruciature di pellicola sovrapposte alla foto</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Luce B</translation>
    </message>
    <message>
        <source>Blue Leak</source>
        <translation>Infiltrazione blu</translation>
    </message>
    <message>
        <source>Prism Edge</source>
        <translation>Bordo prismatico</translation>
    </message>
    <message>
        <source>Cyan Flare</source>
        <translation>Riflesso ciano</translation>
    </message>
    <message>
        <source>Teal Violet Corners</source>
        <translation>Angoli petrolio-viola</translation>
    </message>
    <message>
        <source>Anamorphic Streak</source>
        <translation>Striscia anamorfica</translation>
    </message>
    <message>
        <source>Prism Fan</source>
        <translation>Ventaglio prismatico</translation>
    </message>
    <message>
        <source>Halo Flare</source>
        <translation>Alone luminoso</translation>
    </message>
    <message>
        <source>Violet Pour</source>
        <translation>Cascata viola</translation>
    </message>
    <message>
        <source>Spectral Streaks</source>
        <translation>Strisce spettrali</translation>
    </message>
    <message>
        <source>Moonlit Haze</source>
        <translation>Foschia lunare</translation>
    </message>
    <message>
        <source>Cool flares, rainbow leaks and lens streaks laid over the photo</source>
        <translation>Riflessi freddi, infiltrazioni arcobaleno e strisce dell'obiettivo sovrapposti alla foto</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Luce C</translation>
    </message>
    <message>
        <source>Corner Sunbeams</source>
        <translation>Raggi dall'angolo</translation>
    </message>
    <message>
        <source>God Rays</source>
        <translation>Raggi crepuscolari</translation>
    </message>
    <message>
        <source>Golden Bokeh</source>
        <translation>Bokeh dorato</translation>
    </message>
    <message>
        <source>Side Bokeh</source>
        <translation>Bokeh laterale</translation>
    </message>
    <message>
        <source>Sunburst Corner</source>
        <translation>Raggiera d'angolo</translation>
    </message>
    <message>
        <source>Low Sun</source>
        <translation>Sole basso</translation>
    </message>
    <message>
        <source>Corner Hexagons</source>
        <translation>Esagoni d'angolo</translation>
    </message>
    <message>
        <source>Amber Uplight</source>
        <translation>Luce ambra dal basso</translation>
    </message>
    <message>
        <source>Forest Shafts</source>
        <translation>Raggi nel bosco</translation>
    </message>
    <message>
        <source>Low Bokeh</source>
        <translation>Bokeh in basso</translation>
    </message>
    <message>
        <source>Sunbeams, rays and soft bokeh lights laid over the photo</source>
        <translation>Raggi di sole, fasci di luce e morbide luci bokeh sovrapposti alla foto</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <source>Blue Sky Glitter</source>
        <translation>Brillii nel cielo blu</translation>
    </message>
    <message>
        <source>Golden Glints</source>
        <translation>Scintille dorate</translation>
    </message>
    <message>
        <source>Star Haze Arc</source>
        <translation>Arco stellato velato</translation>
    </message>
    <message>
        <source>Blue Giants</source>
        <translation>Giganti blu</translation>
    </message>
    <message>
        <source>Rose Gold Trail</source>
        <translation>Scia oro rosa</translation>
    </message>
    <message>
        <source>Magic Dust</source>
        <translation>Polvere magica</translation>
    </message>
    <message>
        <source>Rainbow Corners</source>
        <translation>Angoli arcobaleno</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Pioggia di meteore</translation>
    </message>
    <message>
        <source>Glitter Frame</source>
        <translation>Cornice di brillantini</translation>
    </message>
    <message>
        <source>Great Starburst</source>
        <translation>Grande raggiera</translation>
    </message>
    <message>
        <source>Stars, glints and sparkles scattered over the photo</source>
        <translation>Stelle, scintille e brillii sparsi sulla foto</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Meraviglie</translation>
    </message>
    <message>
        <source>Corner Fireworks</source>
        <translation>Fuochi nell'angolo</translation>
    </message>
    <message>
        <source>Aurora Sky</source>
        <translation>Cielo con aurora</translation>
    </message>
    <message>
        <source>Summer Rainbow</source>
        <translation>Arcobaleno d'estate</translation>
    </message>
    <message>
        <source>Low Light Trails</source>
        <translation>Scie luminose basse</translation>
    </message>
    <message>
        <source>Laser Show</source>
        <translation>Spettacolo laser</translation>
    </message>
    <message>
        <source>Golden Burst</source>
        <translation>Esplosione dorata</translation>
    </message>
    <message>
        <source>Passing Comet</source>
        <translation>Cometa di passaggio</translation>
    </message>
    <message>
        <source>Sun Halo</source>
        <translation>Alone solare</translation>
    </message>
    <message>
        <source>Light Painting</source>
        <translation>Pittura con la luce</translation>
    </message>
    <message>
        <source>Cosmic Nebula</source>
        <translation>Nebulosa cosmica</translation>
    </message>
    <message>
        <source>Fireworks, northern lights, rainbows and other wonders in the sky</source>
        <translation>Fuochi d'artificio, aurore boreali, arcobaleni e altre meraviglie del cielo</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Meteo</translation>
    </message>
    <message>
        <source>Light Rain</source>
        <translation>Pioggia leggera</translation>
    </message>
    <message>
        <source>Soft Snowfall</source>
        <translation>Nevicata leggera</translation>
    </message>
    <message>
        <source>Low Fog</source>
        <translation>Nebbia bassa</translation>
    </message>
    <message>
        <source>Heavy Downpour</source>
        <translation>Pioggia battente</translation>
    </message>
    <message>
        <source>Lightning Strike</source>
        <translation>Fulmine</translation>
    </message>
    <message>
        <source>Hail Shower</source>
        <translation>Grandinata</translation>
    </message>
    <message>
        <source>Driving Blizzard</source>
        <translation>Bufera di neve</translation>
    </message>
    <message>
        <source>Morning Mist</source>
        <translation>Foschia mattutina</translation>
    </message>
    <message>
        <source>Grey Drizzle</source>
        <translation>Pioggerella grigia</translation>
    </message>
    <message>
        <source>Snow Crystals</source>
        <translation>Cristalli di neve</translation>
    </message>
    <message>
        <source>Rain, snow, fog and lightning laid over the photo</source>
        <translation>Pioggia, neve, nebbia e fulmini sovrapposti alla foto</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Sfumature</translation>
    </message>
    <message>
        <source>Warm To Cool</source>
        <translation>Da caldo a freddo</translation>
    </message>
    <message>
        <source>Sunset Bands</source>
        <translation>Fasce di tramonto</translation>
    </message>
    <message>
        <source>Teal Orange</source>
        <translation>Petrolio-arancio</translation>
    </message>
    <message>
        <source>Warm Centre</source>
        <translation>Centro caldo</translation>
    </message>
    <message>
        <source>Rose To Blue</source>
        <translation>Da rosa a blu</translation>
    </message>
    <message>
        <source>Pastel Rainbow</source>
        <translation>Arcobaleno pastello</translation>
    </message>
    <message>
        <source>Cross Process</source>
        <translation>Sviluppo incrociato</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>Notte blu</translation>
    </message>
    <message>
        <source>Golden Corner</source>
        <translation>Angolo dorato</translation>
    </message>
    <message>
        <source>Green Purple</source>
        <translation>Verde e viola</translation>
    </message>
    <message>
        <source>Colour gradients blended into the photo</source>
        <translation>Sfumature di colore fuse con la foto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Mint Tint</source>
        <translation>Tinta menta</translation>
    </message>
    <message>
        <source>Lemon Tint</source>
        <translation>Tinta limone</translation>
    </message>
    <message>
        <source>Cyan Tint</source>
        <translation>Tinta ciano</translation>
    </message>
    <message>
        <source>Orange Tint</source>
        <translation>Tinta arancio</translation>
    </message>
    <message>
        <source>Violet Tint</source>
        <translation>Tinta viola</translation>
    </message>
    <message>
        <source>Pop Quadrants</source>
        <translation>Quadranti pop</translation>
    </message>
    <message>
        <source>Olive Mono</source>
        <translation>Monocromo oliva</translation>
    </message>
    <message>
        <source>Crimson Veil</source>
        <translation>Velo cremisi</translation>
    </message>
    <message>
        <source>Green Edges</source>
        <translation>Bordi verdi</translation>
    </message>
    <message>
        <source>Green Mono</source>
        <translation>Monocromo verde</translation>
    </message>
    <message>
        <source>The photo tinted with one colour or several</source>
        <translation>La foto colorata con una o più tinte</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Bright Paper</source>
        <translation>Carta chiara</translation>
    </message>
    <message>
        <source>Primed Canvas</source>
        <translation>Tela preparata</translation>
    </message>
    <message>
        <source>Film Grain</source>
        <translation>Grana pellicola</translation>
    </message>
    <message>
        <source>Grunge Stains</source>
        <translation>Macchie grunge</translation>
    </message>
    <message>
        <source>Raw Concrete</source>
        <translation>Cemento grezzo</translation>
    </message>
    <message>
        <source>Wood Grain</source>
        <translation>Venatura del legno</translation>
    </message>
    <message>
        <source>Celadon Crackle</source>
        <translation>Craquelé celadon</translation>
    </message>
    <message>
        <source>Old Print</source>
        <translation>Vecchia stampa</translation>
    </message>
    <message>
        <source>Faded Denim</source>
        <translation>Denim sbiadito</translation>
    </message>
    <message>
        <source>Burnt Parchment</source>
        <translation>Pergamena bruciata</translation>
    </message>
    <message>
        <source>Paper, canvas, grain and other surfaces blended into the photo</source>
        <translation>Carta, tela, grana e altre superfici fuse con la foto</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Bordi A</translation>
    </message>
    <message>
        <source>Frosted Margin</source>
        <translation>Margine smerigliato</translation>
    </message>
    <message>
        <source>Soft Oval</source>
        <translation>Ovale sfumato</translation>
    </message>
    <message>
        <source>Torn Paper</source>
        <translation>Carta strappata</translation>
    </message>
    <message>
        <source>Deckled Print</source>
        <translation>Stampa sfrangiata</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Francobollo</translation>
    </message>
    <message>
        <source>Sprocket Strip</source>
        <translation>Pellicola perforata</translation>
    </message>
    <message>
        <source>Brush Strokes</source>
        <translation>Pennellate</translation>
    </message>
    <message>
        <source>Heart Shape</source>
        <translation>A forma di cuore</translation>
    </message>
    <message>
        <source>Soft Circle</source>
        <translation>Cerchio sfumato</translation>
    </message>
    <message>
        <source>Instant Photo</source>
        <translation>Foto istantanea</translation>
    </message>
    <message>
        <source>Margins and shaped frames around the photo</source>
        <translation>Margini e cornici sagomate attorno alla foto</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Bordi B</translation>
    </message>
    <message>
        <source>Cloud Frame</source>
        <translation>Cornice di nuvole</translation>
    </message>
    <message>
        <source>Feathered Edge</source>
        <translation>Bordo sfumato</translation>
    </message>
    <message>
        <source>Lined Mat</source>
        <translation>Passe-partout a righe</translation>
    </message>
    <message>
        <source>Grunge Spray</source>
        <translation>Spruzzo grunge</translation>
    </message>
    <message>
        <source>Rounded Corners</source>
        <translation>Angoli arrotondati</translation>
    </message>
    <message>
        <source>Lace Oval</source>
        <translation>Ovale di pizzo</translation>
    </message>
    <message>
        <source>Arched Window</source>
        <translation>Finestra ad arco</translation>
    </message>
    <message>
        <source>Notepad Page</source>
        <translation>Pagina di taccuino</translation>
    </message>
    <message>
        <source>Slide Mount</source>
        <translation>Telaietto diapositiva</translation>
    </message>
    <message>
        <source>Spray Splatter</source>
        <translation>Schizzi di vernice</translation>
    </message>
    <message>
        <source>More frames: clouds, lace, torn paper and slide mounts</source>
        <translation>Altre cornici: nuvole, pizzo, carta strappata e telaietti per diapositive</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Sogno A</translation>
    </message>
    <message>
        <source>Pink Haze</source>
        <translation>Foschia rosa</translation>
    </message>
    <message>
        <source>Floating Hearts</source>
        <translation>Cuori fluttuanti</translation>
    </message>
    <message>
        <source>Soap Bubbles</source>
        <translation>Bolle di sapone</translation>
    </message>
    <message>
        <source>Lavender Glitter</source>
        <translation>Brillantini lavanda</translation>
    </message>
    <message>
        <source>Heart Bokeh</source>
        <translation>Bokeh a cuore</translation>
    </message>
    <message>
        <source>Peach Bubbles</source>
        <translation>Bolle color pesca</translation>
    </message>
    <message>
        <source>Pastel Orbs</source>
        <translation>Sfere pastello</translation>
    </message>
    <message>
        <source>White Dream</source>
        <translation>Sogno bianco</translation>
    </message>
    <message>
        <source>Pastel Drift</source>
        <translation>Scia pastello</translation>
    </message>
    <message>
        <source>Falling Petals</source>
        <translation>Pioggia di petali</translation>
    </message>
    <message>
        <source>Soft pastel haze, hearts and bubbles over the photo</source>
        <translation>Morbida foschia pastello, cuori e bolle sulla foto</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Sogno B</translation>
    </message>
    <message>
        <source>Cotton Candy</source>
        <translation>Zucchero filato</translation>
    </message>
    <message>
        <source>Corner Hearts</source>
        <translation>Cuori negli angoli</translation>
    </message>
    <message>
        <source>Big Bubbles</source>
        <translation>Bolle grandi</translation>
    </message>
    <message>
        <source>Golden Magic</source>
        <translation>Magia dorata</translation>
    </message>
    <message>
        <source>Pastel Clouds</source>
        <translation>Nuvole pastello</translation>
    </message>
    <message>
        <source>Violet Sparkle</source>
        <translation>Scintillio viola</translation>
    </message>
    <message>
        <source>Fairy Light Heart</source>
        <translation>Cuore di lucine</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Falce di luna</translation>
    </message>
    <message>
        <source>Sky Lanterns</source>
        <translation>Lanterne volanti</translation>
    </message>
    <message>
        <source>Rose Gold Dust</source>
        <translation>Polvere oro rosa</translation>
    </message>
    <message>
        <source>Candy colours, clouds and fairy lights over the photo</source>
        <translation>Colori caramella, nuvole e lucine sulla foto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Fine Rules</source>
        <translation>Righe sottili</translation>
    </message>
    <message>
        <source>Fine Columns</source>
        <translation>Colonne sottili</translation>
    </message>
    <message>
        <source>Diagonal Hairlines</source>
        <translation>Filetti diagonali</translation>
    </message>
    <message>
        <source>Fine Grid</source>
        <translation>Griglia sottile</translation>
    </message>
    <message>
        <source>Dot Screen</source>
        <translation>Retino a punti</translation>
    </message>
    <message>
        <source>Cross Hatch</source>
        <translation>Tratteggio incrociato</translation>
    </message>
    <message>
        <source>Wave Lines</source>
        <translation>Linee ondulate</translation>
    </message>
    <message>
        <source>Brick Lines</source>
        <translation>Linee a mattoni</translation>
    </message>
    <message>
        <source>Halftone Corner</source>
        <translation>Retino d'angolo</translation>
    </message>
    <message>
        <source>Zigzag Rules</source>
        <translation>Righe a zigzag</translation>
    </message>
    <message>
        <source>Line patterns drawn from the photo</source>
        <translation>Motivi di linee tratti dalla foto</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Soft Bloom</source>
        <translation>Bagliore morbido</translation>
    </message>
    <message>
        <source>Dark Bloom</source>
        <translation>Bagliore scuro</translation>
    </message>
    <message>
        <source>Misty Grey</source>
        <translation>Grigio nebbioso</translation>
    </message>
    <message>
        <source>Muted Wash</source>
        <translation>Velatura tenue</translation>
    </message>
    <message>
        <source>Deep Tones</source>
        <translation>Toni profondi</translation>
    </message>
    <message>
        <source>Bright Glow</source>
        <translation>Bagliore intenso</translation>
    </message>
    <message>
        <source>Coloured Pencil</source>
        <translation>Matita colorata</translation>
    </message>
    <message>
        <source>Strong Contrast</source>
        <translation>Contrasto forte</translation>
    </message>
    <message>
        <source>Mosaic Tiles</source>
        <translation>Tessere di mosaico</translation>
    </message>
    <message>
        <source>Pencil Sketch</source>
        <translation>Schizzo a matita</translation>
    </message>
    <message>
        <source>Glows, washes, pencil drawings and mosaics made from the photo</source>
        <translation>Bagliori, velature, disegni a matita e mosaici ricavati dalla foto</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Fireworks Circle</source>
        <translation>Cerchio di fuochi</translation>
    </message>
    <message>
        <source>Lilac Mist</source>
        <translation>Nebbia lilla</translation>
    </message>
    <message>
        <source>Rainy Day</source>
        <translation>Giornata di pioggia</translation>
    </message>
    <message>
        <source>Night Vision</source>
        <translation>Visione notturna</translation>
    </message>
    <message>
        <source>Nebula Dream</source>
        <translation>Sogno di nebulosa</translation>
    </message>
    <message>
        <source>Rose Wood</source>
        <translation>Legno di rosa</translation>
    </message>
    <message>
        <source>Old Film Flare</source>
        <translation>Riflesso vecchio film</translation>
    </message>
    <message>
        <source>Magenta Dream</source>
        <translation>Sogno magenta</translation>
    </message>
    <message>
        <source>Yellow Frame</source>
        <translation>Cornice gialla</translation>
    </message>
    <message>
        <source>Ember Stardust</source>
        <translation>Brace di stelle</translation>
    </message>
    <message>
        <source>Ready-made looks that mix several effects in one</source>
        <translation>Stili pronti che uniscono più effetti in uno</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Pellicola</translation>
    </message>
    <message>
        <source>Warm Print</source>
        <translation>Stampa calda</translation>
    </message>
    <message>
        <source>Cool Matte</source>
        <translation>Opaco freddo</translation>
    </message>
    <message>
        <source>Faded Vintage</source>
        <translation>Vintage sbiadito</translation>
    </message>
    <message>
        <source>Teal And Orange</source>
        <translation>Petrolio e arancio</translation>
    </message>
    <message>
        <source>Rich Slide</source>
        <translation>Diapositiva satura</translation>
    </message>
    <message>
        <source>Soft Portrait</source>
        <translation>Ritratto morbido</translation>
    </message>
    <message>
        <source>Contrast Mono</source>
        <translation>B/N contrastato</translation>
    </message>
    <message>
        <source>Warm Mono</source>
        <translation>B/N caldo</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Bleach bypass</translation>
    </message>
    <message>
        <source>Gentle colour grades of the whole photo, like film stocks and prints</source>
        <translation>Delicate gradazioni di colore su tutta la foto, come quelle di pellicole e stampe</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossibile aprire il file %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossibile creare il file %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link of another user</source>
        <translation>%1 è un collegamento simbolico di un altro utente</translation>
    </message>
    <message>
        <source>%1 is a symbolic link in a folder of another user</source>
        <translation>%1 è un collegamento simbolico in una cartella di un altro utente</translation>
    </message>
    <message>
        <source>%1 is an input; it is not overwritten</source>
        <translation>%1 è uno dei file di ingresso; non viene sovrascritto</translation>
    </message>
    <message>
        <source>Stream write error: %1</source>
        <translation>Errore di scrittura: %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Errore di scrittura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the file became shorter while it was read</source>
        <translation>il file si è accorciato durante la lettura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>è un collegamento simbolico</translation>
    </message>
    <message>
        <source>it is a symbolic link of another user in a shared folder</source>
        <translation>è un collegamento simbolico di un altro utente in una cartella condivisa</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o directory non esistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system in sola lettura</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una directory</translation>
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>Memoria insufficiente per l'immagine</translation>
    </message>
    <message>
        <source>Not enough memory to save as %1</source>
        <translation>Memoria insufficiente per salvare in formato %1</translation>
    </message>
    <message>
        <source>The work was stopped</source>
        <translation>Il lavoro è stato interrotto</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>%1; read as %2 by its first bytes: %3</source>
        <translation>%1; letto come %2 in base ai primi byte: %3</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Estensione di file immagine sconosciuta (.%1)</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Formato immagine sconosciuto</translation>
    </message>
    <message>
        <source>The %1 reader failed</source>
        <translation>Errore del modulo di lettura %1</translation>
    </message>
    <message>
        <source>The %1 writer failed</source>
        <translation>Errore del modulo di scrittura %1</translation>
    </message>
    <message>
        <source>The %1 reader could not be started: %2</source>
        <translation>Impossibile avviare il modulo di lettura %1: %2</translation>
    </message>
    <message>
        <source>The %1 writer could not be started: %2</source>
        <translation>Impossibile avviare il modulo di scrittura %1: %2</translation>
    </message>
    <message>
        <source>The %1 reader did not finish within %2 seconds</source>
        <translation>Il modulo di lettura %1 non ha finito entro %2 secondi</translation>
    </message>
    <message>
        <source>The %1 writer did not finish within %2 seconds</source>
        <translation>Il modulo di scrittura %1 non ha finito entro %2 secondi</translation>
    </message>
    <message>
        <source>Cannot make room to pass a picture: %1</source>
        <translation>Impossibile riservare memoria per passare un'immagine: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1</source>
        <translation>Immagine bitmap non valida: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Immagine bitmap non valida</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>Immagine troppo grande (%1 x %2)</translation>
    </message>
    <message>
        <source>Picture is too large for JPEG (%1 x %2; at most %3 pixels a side): save it as PNG or BMP</source>
        <translation>Immagine troppo grande per JPEG (%1 x %2; al massimo %3 pixel per lato): salvarla come PNG o BMP</translation>
    </message>
    <message>
        <source>Picture is too large for HEIF (%1 x %2): save it as PNG or JPEG</source>
        <translation>Immagine troppo grande per HEIF (%1 x %2): salvarla come PNG o JPEG</translation>
    </message>
    <message>
        <source>Picture is too large for WebP (%1 x %2): save it as PNG or JPEG</source>
        <translation>Immagine troppo grande per WebP (%1 x %2): salvarla come PNG o JPEG</translation>
    </message>
    <message>
        <source>The file is incomplete: the picture lacks detail, or its lower part is missing</source>
        <translation>Il file è incompleto: l'immagine manca di dettaglio o ne manca la parte inferiore</translation>
    </message>
    <message>
        <source>The file is incomplete: its lower part is missing</source>
        <translation>Il file è incompleto: manca la parte inferiore dell'immagine</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes can hold</source>
        <translation>dichiara %1 x %2 pixel, più di quanti ne possano contenere i suoi %3 byte</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l'immagine è vuota</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>il file non contiene alcuna immagine</translation>
    </message>
    <message>
        <source>the file ends before its picture does</source>
        <translation>il file termina prima della fine dell'immagine</translation>
    </message>
    <message>
        <source>the file ends before its last row</source>
        <translation>il file termina prima dell'ultima riga dell'immagine</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>impossibile leggere la sua intestazione</translation>
    </message>
    <message>
        <source>it is not a JPEG XL file</source>
        <translation>non è un file JPEG XL</translation>
    </message>
    <message>
        <source>it is not a camera raw file</source>
        <translation>non è un file raw di fotocamera</translation>
    </message>
    <message>
        <source>its raw data is larger than the program takes</source>
        <translation>i suoi dati raw superano quanto il programma accetta</translation>
    </message>
    <message>
        <source>The crop leaves nothing of the photo</source>
        <translation>Il ritaglio non lascia nulla della foto</translation>
    </message>
    <message>
        <source>LUT file is not valid: %1</source>
        <translation>File LUT non valido: %1</translation>
    </message>
    <message>
        <source>LUT file is not valid</source>
        <translation>File LUT non valido</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the file is longer than %1 MB</source>
        <translation>il file supera i %1 MB</translation>
    </message>
    <message>
        <source>the file is too short for its %1 entries</source>
        <translation>il file è troppo corto per le sue %1 voci</translation>
    </message>
    <message>
        <source>it holds %1 entries where its size wants %2</source>
        <translation>contiene %1 voci mentre la sua dimensione ne richiede %2</translation>
    </message>
    <message>
        <source>it gives neither LUT_1D_SIZE nor LUT_3D_SIZE</source>
        <translation>non indica né LUT_1D_SIZE né LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>an entry comes before LUT_1D_SIZE or LUT_3D_SIZE</source>
        <translation>una voce precede LUT_1D_SIZE o LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>size %1 is outside 2 to %2</source>
        <translation>la dimensione %1 non è compresa tra 2 e %2</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 non è un numero</translation>
    </message>
    <message>
        <source>%1 is not a size</source>
        <translation>%1 non è una dimensione</translation>
    </message>
    <message>
        <source>a value is out of range</source>
        <translation>un valore è fuori dall'intervallo ammesso</translation>
    </message>
    <message>
        <source>a value is not a finite number</source>
        <translation>un valore non è un numero finito</translation>
    </message>
    <message>
        <source>three numbers are wanted</source>
        <translation>servono tre numeri</translation>
    </message>
    <message>
        <source>two numbers are wanted</source>
        <translation>servono due numeri</translation>
    </message>
    <message>
        <source>one size is wanted</source>
        <translation>serve una sola dimensione</translation>
    </message>
    <message>
        <source>the size is given twice</source>
        <translation>la dimensione è indicata due volte</translation>
    </message>
    <message>
        <source>the size comes after the entries</source>
        <translation>la dimensione viene dopo le voci</translation>
    </message>
    <message>
        <source>the size is missing</source>
        <translation>manca la dimensione</translation>
    </message>
    <message>
        <source>a keyword comes after the entries</source>
        <translation>una parola chiave segue le voci</translation>
    </message>
    <message>
        <source>unknown keyword %1</source>
        <translation>parola chiave sconosciuta %1</translation>
    </message>
    <message>
        <source>The name pattern is empty</source>
        <translation>Lo schema dei nomi è vuoto</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a /</source>
        <translation>Lo schema dei nomi "%1" non può contenere una /</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a zero byte</source>
        <translation>Lo schema dei nomi "%1" non può contenere un byte zero</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a } without a {</source>
        <translation>Lo schema dei nomi "%1" ha una } senza una {</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a { without a }</source>
        <translation>Lo schema dei nomi "%1" ha una { senza una }</translation>
    </message>
    <message>
        <source>The name pattern "%1" has an unknown field %2; the fields are %3</source>
        <translation>Lo schema dei nomi "%1" ha un campo sconosciuto %2; i campi sono %3</translation>
    </message>
    <message>
        <source>The name pattern "%1" gives %2 no file name</source>
        <translation>Lo schema dei nomi "%1" non dà a %2 alcun nome di file</translation>
    </message>
    <message>
        <source>done already</source>
        <translation>già elaborata</translation>
    </message>
    <message>
        <source>My Looks cannot be read or added to: %1</source>
        <translation>Impossibile leggere o ampliare I miei stili: %1</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Nessuno stile</translation>
    </message>
    <message>
        <source>Looks %1-%2 of %3</source>
        <translation>Stili %1-%2 di %3</translation>
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
        <translation>Errore PNG: %1</translation>
    </message>
    <message>
        <source>nothing to compress</source>
        <translation>nulla da comprimere</translation>
    </message>
    <message>
        <source>libjxl cannot encode the picture</source>
        <translation>libjxl non riesce a codificare l'immagine</translation>
    </message>
    <message>
        <source>libheif cannot write the file</source>
        <translation>libheif non riesce a scrivere il file</translation>
    </message>
    <message>
        <source>libheif has no encoder for %1</source>
        <translation>libheif non dispone di un codificatore per %1</translation>
    </message>
    <message>
        <source>libwebp does not match its headers</source>
        <translation>libwebp non corrisponde alle sue intestazioni</translation>
    </message>
    <message>
        <source>libwebp cannot encode the picture (error %1)</source>
        <translation>libwebp non riesce a codificare l'immagine (errore %1)</translation>
    </message>
    <message>
        <source>libwebpmux cannot take the picture</source>
        <translation>libwebpmux non accetta l'immagine</translation>
    </message>
    <message>
        <source>libwebpmux cannot write the file</source>
        <translation>libwebpmux non riesce a scrivere il file</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of picture data can hold</source>
        <translation>dichiara %1 x %2 pixel, più di quanti ne possano contenere i suoi %3 byte di dati immagine</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of losslessly compressed picture data can hold</source>
        <translation>dichiara %1 x %2 pixel, più di quanti ne possano contenere i suoi %3 byte di dati immagine compressi senza perdita</translation>
    </message>
    <message>
        <source>its tiles of %1 x %2 are larger than the cells of its grid of %3 x %4 for %5 x %6 pixels</source>
        <translation>i suoi tasselli di %1 x %2 sono più grandi delle celle della sua griglia di %3 x %4 per %5 x %6 pixel</translation>
    </message>
    <message>
        <source>its %1 tiles hold more than its %2 x %3 pixels</source>
        <translation>i suoi %1 tasselli contengono più dei suoi %2 x %3 pixel</translation>
    </message>
    <message>
        <source>it has more than %1 items</source>
        <translation>contiene più di %1 elementi</translation>
    </message>
    <message>
        <source>samples of %1 bits</source>
        <translation>campioni a %1 bit</translation>
    </message>
    <message>
        <source>its first picture is made of more than %1 layers</source>
        <translation>la sua prima immagine è composta da più di %1 livelli</translation>
    </message>
    <message>
        <source>its layers claim %1 pixels, more than its %2 bytes can hold</source>
        <translation>i suoi livelli dichiarano %1 pixel, più di quanti ne possano contenere i suoi %2 byte</translation>
    </message>
    <message>
        <source>its tag %1 lies past the end of the file</source>
        <translation>il suo tag %1 si trova oltre la fine del file</translation>
    </message>
    <message>
        <source>its colour filter pattern does not match its size</source>
        <translation>il suo schema del filtro colore non corrisponde alle sue dimensioni</translation>
    </message>
    <message>
        <source>its tile %1 codes more pixels than the tile holds</source>
        <translation>il suo tassello %1 codifica più pixel di quanti il tassello ne contenga</translation>
    </message>
    <message>
        <source>its strip %1 codes more pixels than the picture holds</source>
        <translation>la sua striscia %1 codifica più pixel di quanti l'immagine ne contenga</translation>
    </message>
    <message>
        <source>libjxl cannot decode it</source>
        <translation>libjxl non riesce a decodificarlo</translation>
    </message>
    <message>
        <source>LibRaw made no picture of it</source>
        <translation>LibRaw non ne ha ricavato alcuna immagine</translation>
    </message>
    <message>
        <source>JPEG stream has more scans than its file could hold (more than %1, or far too many for its size)</source>
        <translation>Il flusso JPEG ha più scansioni di quante il suo file ne possa contenere (più di %1, o decisamente troppe per le sue dimensioni)</translation>
    </message>
    <message>
        <source>JPEG error #%1: %2</source>
        <translation>Errore JPEG n. %1: %2</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Errore JPEG n. %1</translation>
    </message>
    <message>
        <source>Premature end of input file</source>
        <translation>Fine prematura del file di ingresso</translation>
    </message>
    <message>
        <source>Not a JPEG file: starts with %1 %2</source>
        <translation>Non è un file JPEG: inizia con %1 %2</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisione per zero in virgola mobile</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra l'aiuto sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra l'aiuto, incluse le opzioni specifiche di Qt.</translation>
    </message>
</context>
<context>
    <name>Remembered</name>
    <message>
        <source>Settings are not kept: %1 — %2</source>
        <translation>Le impostazioni non vengono conservate: %1 — %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>later starts cannot reach this window: %1</source>
        <translation>gli avvii successivi non possono raggiungere questa finestra: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of your own that only you may write to</source>
        <translation>%1 non è una cartella propria in cui solo l'utente può scrivere</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
</context>
<context>
    <name>TEditPanel</name>
    <message>
        <source>No crop</source>
        <translation>Nessun ritaglio</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schermo</translation>
    </message>
</context>
<context>
    <name>TFormBatch</name>
    <message>
        <source>Add photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>Add the photos of a folder</source>
        <translation>Aggiungi le foto di una cartella</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>A .cube file</source>
        <translation>Un file .cube</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Fare clic sulla miniatura per vedere l'anteprima e applicare questo stile.</translation>
    </message>
    <message>
        <source>One look on many photos (%1)</source>
        <translation>Uno stile su molte foto (%1)</translation>
    </message>
    <message>
        <source>Crop, turn, straighten and adjust the photo (%1)</source>
        <translation>Ritaglia, ruota, raddrizza e regola la foto (%1)</translation>
    </message>
    <message>
        <source>A copy for sharing (%1)</source>
        <translation>Una copia da condividere (%1)</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Proteggi volti</translation>
    </message>
    <message>
        <source>Every look taken back over the faces in the photo, their hair and neck</source>
        <translation>Ogni stile viene tolto dai volti nella foto, dai capelli e dal collo</translation>
    </message>
    <message>
        <source>Saved %1, %2</source>
        <translation>Salvato %1, %2</translation>
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
        <translation>Modifiche (prima dello stile o da sole; sempre in quest'ordine, qualunque sia l'ordine indicato):
  --rotate 90|180|270 ruota in senso orario
  --flip h|v          riflette da sinistra a destra (h) o dall'alto in basso (v); ripetibile
  --straighten DEG    ruota da -45 a 45 gradi in senso orario, a passi di 0.1, mantenendo il
                      rettangolo diritto più grande con le proporzioni della foto
  --crop X,Y,W,H      mantiene quel rettangolo, in pixel della foto già ruotata e
                      raddrizzata (limitato ad essa)
  --crop-ratio W:H    mantiene il rettangolo centrato più grande con quelle proporzioni (4:5, 16:9)
  --adjust KEY=VALUE,...  regola; 0 lascia invariato:
</translation>
    </message>
    <message>
        <source>  --auto              levels and white balance found for each photo from its own colours
</source>
        <translation>  --auto              livelli e bilanciamento del bianco ricavati per ogni foto dai suoi colori
</translation>
    </message>
    <message>
        <source>Categories (--look CATEGORY:N, --strip CATEGORY):</source>
        <translation>Categorie (--look CATEGORY:N, --strip CATEGORY):</translation>
    </message>
    <message>
        <source>Filters (--filter NAME[:ARG,...]):</source>
        <translation>Filtri (--filter NAME[:ARG,...]):</translation>
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
        <translation>uso:   corvessa-render [EDITS] [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel]
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

  --lut FILE.cube     una tabella colore 1D o 3D in formato .cube come stile; anche con -o
  --keep-faces        lo stile viene tolto da ogni volto trovato nella foto, capelli e collo compresi
  --quality Q         da 1 a 100, per un formato di uscita con perdita (JPEG: 90 se non indicato)
  --resize N          il lato lungo del risultato di N pixel (da 16 a 65535); WxH: entro
                      W x H; P%: P per cento di ogni lato (da 1 a 100). Non ingrandisce mai
  --strip-location    nessuna posizione GPS nel risultato; restano gli altri dati della fotocamera
  --strip-metadata    nessun dato della fotocamera nel risultato (il profilo colore resta)
  --srgb              i colori del risultato convertiti in sRGB dal profilo della foto
                      (queste quattro con --look, --lut, --filter, le modifiche o da sole; anche con -o)
  --thumbnail-size N  miniature grandi: la foto intera con ogni stile, ridotta a
                      N pixel sul lato lungo (da 16 a 1024)
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
        <translation>Opzioni per l'elaborazione in serie (con -o OUTDIR, dopo --look, --lut o le sole modifiche):
  --files-from FILE   altri file di ingresso, uno per riga (- per lo standard input)
  -0, --null          i nomi in --files-from terminano con un byte NUL invece che a fine riga
                      (find -print0), per nomi che contengono un a capo
  -j N                foto elaborate contemporaneamente (predefinito: una per core)
  --name PATTERN      nomi dei risultati: {name} {folder} {category} {effect} {look}
                      (predefinito: {name})
  --format FORMAT     </translation>
    </message>
    <message>
        <source> (default: the output name's extension)
  --skip-existing     leave outputs that exist as they are
  --report FILE       one JSON line a photo (- for standard output); see corvessa-render(1)
</source>
        <translation> (predefinito: l'estensione del nome del risultato)
  --skip-existing     lascia invariati i risultati già esistenti
  --report FILE       una riga JSON per foto (- per lo standard output); vedere corvessa-render(1)
</translation>
    </message>
    <message>
        <source>unknown category "%1" (see --list)</source>
        <translation>categoria sconosciuta "%1" (vedere --list)</translation>
    </message>
    <message>
        <source>unknown filter "%1" (see --list)</source>
        <translation>filtro sconosciuto "%1" (vedere --list)</translation>
    </message>
    <message>
        <source>filter argument "%1" is not a whole number</source>
        <translation>l'argomento del filtro "%1" non è un numero intero</translation>
    </message>
    <message>
        <source>the filter wants %1</source>
        <translation>il filtro richiede %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>%1 wants a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>--look wants CATEGORY:N with N from 1 to 10</source>
        <translation>--look richiede CATEGORY:N con N da 1 a 10</translation>
    </message>
    <message>
        <source>--color wants R,G,B (0 to 255 each) or cancel</source>
        <translation>--color richiede R,G,B (ciascuno da 0 a 255) o cancel</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats</source>
        <translation>indicare una tra --look, --lut, --filter, --strip, --list e --list-formats</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats, or edits</source>
        <translation>indicare una tra --look, --lut, --filter, --strip, --list e --list-formats, oppure delle modifiche</translation>
    </message>
    <message>
        <source>-o OUTDIR wants at least one INPUT or --files-from</source>
        <translation>-o OUTDIR richiede almeno un INPUT o --files-from</translation>
    </message>
    <message>
        <source>the edits want INPUT and OUTPUT</source>
        <translation>le modifiche richiedono INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>--list takes no files</source>
        <translation>--list non accetta file</translation>
    </message>
    <message>
        <source>--list-formats takes no files</source>
        <translation>--list-formats non accetta file</translation>
    </message>
    <message>
        <source>--lut wants INPUT and OUTPUT</source>
        <translation>--lut richiede INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>--look wants INPUT and OUTPUT</source>
        <translation>--look richiede INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>--filter wants INPUT and OUTPUT</source>
        <translation>--filter richiede INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>--strip wants INPUT and OUTDIR</source>
        <translation>--strip richiede INPUT e OUTDIR</translation>
    </message>
    <message>
        <source>-o belongs with --look, --lut or the edits alone</source>
        <translation>-o va usato con --look, --lut o con le sole modifiche</translation>
    </message>
    <message>
        <source>the edits belong with --look, --lut, --filter or alone</source>
        <translation>le modifiche vanno usate con --look, --lut, --filter o da sole</translation>
    </message>
    <message>
        <source>--files-from, -j, --name, --format, --skip-existing and --report belong with -o OUTDIR</source>
        <translation>--files-from, -j, --name, --format, --skip-existing e --report vanno usati con -o OUTDIR</translation>
    </message>
    <message>
        <source>-0 belongs with --files-from</source>
        <translation>-0 va usato con --files-from</translation>
    </message>
    <message>
        <source>--thumbnail-size belongs with --strip</source>
        <translation>--thumbnail-size va usato con --strip</translation>
    </message>
    <message>
        <source>--color belongs with --look</source>
        <translation>--color va usato con --look</translation>
    </message>
    <message>
        <source>--pic belongs with --look or --strip</source>
        <translation>--pic va usato con --look o --strip</translation>
    </message>
    <message>
        <source>with --lut, --name takes {name} and {folder}</source>
        <translation>con --lut, --name accetta {name} e {folder}</translation>
    </message>
    <message>
        <source>with the edits alone, --name takes {name} and {folder}</source>
        <translation>con le sole modifiche, --name accetta {name} e {folder}</translation>
    </message>
    <message>
        <source>--strength belongs with --look or --lut</source>
        <translation>--strength va usato con --look o --lut</translation>
    </message>
    <message>
        <source>--keep-faces belongs with --look or --lut</source>
        <translation>--keep-faces va usato con --look o --lut</translation>
    </message>
    <message>
        <source>--quality belongs with --look, --lut, --filter or the edits</source>
        <translation>--quality va usato con --look, --lut, --filter o con le modifiche</translation>
    </message>
    <message>
        <source>--resize, --strip-location, --strip-metadata and --srgb belong with --look, --lut, --filter, the edits or alone</source>
        <translation>--resize, --strip-location, --strip-metadata e --srgb vanno usati con --look, --lut, --filter, le modifiche o da soli</translation>
    </message>
    <message>
        <source>--resize wants N or WxH (16 to 65535 pixels each) or P% (1 to 100)</source>
        <translation>--resize richiede N o WxH (da 16 a 65535 pixel ciascuno) o P% (da 1 a 100)</translation>
    </message>
    <message>
        <source>--seed wants a number from 0 to 4294967295</source>
        <translation>--seed richiede un numero da 0 a 4294967295</translation>
    </message>
    <message>
        <source>--strength wants a number from 0 to 100</source>
        <translation>--strength richiede un numero da 0 a 100</translation>
    </message>
    <message>
        <source>--thumbnail-size wants a number from 16 to 1024</source>
        <translation>--thumbnail-size richiede un numero da 16 a 1024</translation>
    </message>
    <message>
        <source>-j wants a number from 1 to 1024</source>
        <translation>-j richiede un numero da 1 a 1024</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100</source>
        <translation>--quality richiede un numero da 1 a 100</translation>
    </message>
    <message>
        <source>--format wants %1</source>
        <translation>--format richiede %1</translation>
    </message>
    <message>
        <source>--adjust wants KEY=VALUE,... with KEY one of %1</source>
        <translation>--adjust richiede KEY=VALUE,... con KEY uno tra %1</translation>
    </message>
    <message>
        <source>--adjust %1 wants a whole number from %2 to %3</source>
        <translation>--adjust %1 richiede un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>--adjust %1 wants a number from %2 to %3</source>
        <translation>--adjust %1 richiede un numero da %2 a %3</translation>
    </message>
    <message>
        <source>--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1</source>
        <translation>--crop richiede X,Y,W,H in pixel interi, X e Y da 0, W e H da 1</translation>
    </message>
    <message>
        <source>--crop-ratio wants W:H with W and H from 1 to 10000</source>
        <translation>--crop-ratio richiede W:H con W e H da 1 a 10000</translation>
    </message>
    <message>
        <source>--rotate wants 90, 180 or 270, once</source>
        <translation>--rotate richiede 90, 180 o 270, una sola volta</translation>
    </message>
    <message>
        <source>--flip wants h or v</source>
        <translation>--flip richiede h o v</translation>
    </message>
    <message>
        <source>--straighten wants degrees from -45 to 45, once</source>
        <translation>--straighten richiede gradi da -45 a 45, una sola volta</translation>
    </message>
    <message>
        <source>give one of --crop and --crop-ratio, once</source>
        <translation>indicare --crop o --crop-ratio, una sola volta</translation>
    </message>
    <message>
        <source>Stream write error: the report: %1</source>
        <translation>Errore di scrittura: il rapporto: %1</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent, about %4 left</source>
        <translation>%1 di %2 completate, trascorsi %3, circa %4 rimanenti</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent</source>
        <translation>%1 di %2 completate, trascorsi %3</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchEditBox</name>
    <message>
        <source>Edits before the look</source>
        <translation>Modifiche prima dello stile</translation>
    </message>
    <message>
        <source>The largest centred part of each photo of this shape</source>
        <translation>La parte centrale più grande di ogni foto con queste proporzioni</translation>
    </message>
    <message>
        <source>Not turned</source>
        <translation>Non ruotata</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>Destra 90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>Sinistra 90°</translation>
    </message>
    <message>
        <source>Auto for each photo</source>
        <translation>Auto per ogni foto</translation>
    </message>
    <message>
        <source>Levels and white balance read from each photo, in place of what those sliders say</source>
        <translation>Livelli e bilanciamento del bianco ricavati da ogni foto, al posto dei valori di quei cursori</translation>
    </message>
    <message>
        <source>Crop:</source>
        <translation>Ritaglio:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Rotazione:</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchProgressPage</name>
    <message>
        <source>The main window stays usable; closing this dialog lets the batch go on.</source>
        <translation>La finestra principale resta utilizzabile; chiudendo questa finestra l'elaborazione in serie prosegue.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Ora: %1</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s, with a warning: %4</source>
        <translation>%1: salvata come %2 in %3 s, con un avviso: %4</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s</source>
        <translation>%1: salvata come %2 in %3 s</translation>
    </message>
    <message>
        <source>%1: done already</source>
        <translation>%1: già elaborata</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed so far</source>
        <translation>
            <numerusform>%n non riuscita finora</numerusform>
            <numerusform>%n non riuscite finora</numerusform>
        </translation>
    </message>
    <message>
        <source>Time spent %1, about %2 left</source>
        <translation>Tempo trascorso %1, circa %2 rimanenti</translation>
    </message>
    <message>
        <source>Time spent %1</source>
        <translation>Tempo trascorso %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos</source>
        <translation>
            <numerusform>%1 foto su %n</numerusform>
            <numerusform>%1 foto su %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping after the photos in flight...</source>
        <translation>Arresto dopo le foto in corso...</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSettingsPage</name>
    <message>
        <source>My Looks: %1</source>
        <translation>I miei stili: %1</translation>
    </message>
    <message>
        <source>The look in the preview: %1</source>
        <translation>Lo stile nell'anteprima: %1</translation>
    </message>
    <message>
        <source>The look in the preview (none shown yet)</source>
        <translation>Lo stile nell'anteprima (ancora nessuno)</translation>
    </message>
    <message>
        <source>This look takes no colour</source>
        <translation>Questo stile non prevede un colore</translation>
    </message>
    <message>
        <source>Fields: %1</source>
        <translation>Campi: %1</translation>
    </message>
    <message>
        <source>The first photo's: %1</source>
        <translation>Per la prima foto: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Aggiungi file...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Aggiungi cartella...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Photos may also be dropped here.</source>
        <translation>Si possono anche trascinare qui le foto.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>This look, on the first photo:</source>
        <translation>Questo stile, sulla prima foto:</translation>
    </message>
    <message>
        <source>A .cube file:</source>
        <translation>Un file .cube:</translation>
    </message>
    <message>
        <source>A colour table of the .cube form as the look</source>
        <translation>Una tabella colore in formato .cube come stile</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Change Color:</source>
        <translation>Altro colore:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Intensità:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Proteggi volti</translation>
    </message>
    <message>
        <source>The look taken back over the faces found in each photo</source>
        <translation>Lo stile viene tolto dai volti trovati in ogni foto</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Nomi:</translation>
    </message>
    <message>
        <source>Skip photos already done</source>
        <translation>Salta le foto già elaborate</translation>
    </message>
    <message>
        <source>To share:</source>
        <translation>Per condividere:</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>dimensioni originali</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The longer side of each output; a smaller photo keeps its size</source>
        <translation>Il lato lungo di ogni foto elaborata; una foto più piccola mantiene le sue dimensioni</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>Without the location</source>
        <translation>Senza posizione</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Aggiungere delle foto per vedere gli stili sulla prima.</translation>
    </message>
    <message>
        <source>Making the thumbnails...</source>
        <translation>Creazione delle miniature...</translation>
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
        <translation>Elaborate con un avviso:</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>New Batch</source>
        <translation>Nuova serie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Cancelled: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Serie annullata: foto elaborate %1 su %n&lt;/b&gt; nella cartella %2 in %3.</numerusform>
            <numerusform>&lt;b&gt;Serie annullata: foto elaborate %1 su %n&lt;/b&gt; nella cartella %2 in %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Done: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Serie completata: foto elaborate %1 su %n&lt;/b&gt; nella cartella %2 in %3.</numerusform>
            <numerusform>&lt;b&gt;Serie completata: foto elaborate %1 su %n&lt;/b&gt; nella cartella %2 in %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done already and left as they were.</source>
        <translation>
            <numerusform>%n foto già elaborata e lasciata com'era.</numerusform>
            <numerusform>%n foto già elaborate e lasciate com'erano.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not rendered: the batch was cancelled.</source>
        <translation>
            <numerusform>%n foto non elaborata: la serie è stata annullata.</numerusform>
            <numerusform>%n foto non elaborate: la serie è stata annullata.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed:</source>
        <translation>
            <numerusform>%n foto non riuscita:</numerusform>
            <numerusform>%n foto non riuscite:</numerusform>
        </translation>
    </message>
    <message>
        <source>None failed.</source>
        <translation>Nessun errore.</translation>
    </message>
    <message>
        <source>Nothing on this desktop shows folders; the photos are in %1.</source>
        <translation>Nessun programma di questo desktop mostra le cartelle; le foto si trovano in %1.</translation>
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
        <translation>%1 × %2 pixel</translation>
    </message>
</context>
<context>
    <name>corvessa::TEditPanel</name>
    <message>
        <source>The crop frame's shape; drag its corners and sides on the photo</source>
        <translation>La forma del riquadro di ritaglio; trascinarne gli angoli e i lati sulla foto</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglio</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>Sinistra 90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the left</source>
        <translation>Ruota la foto di un quarto di giro a sinistra</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>Destra 90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the right</source>
        <translation>Ruota la foto di un quarto di giro a destra</translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation>Rifletti ↔</translation>
    </message>
    <message>
        <source>Mirrors the photo left to right</source>
        <translation>Riflette la foto da sinistra a destra</translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation>Rifletti ↕</translation>
    </message>
    <message>
        <source>Mirrors the photo top to bottom</source>
        <translation>Riflette la foto dall'alto in basso</translation>
    </message>
    <message>
        <source>Turns the photo by up to 45° either way and keeps the largest upright part of it</source>
        <translation>Ruota la foto fino a 45° in entrambi i sensi e ne mantiene la parte diritta più grande</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Raddrizza</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Levels and white balance from the photo</source>
        <translation>Livelli e bilanciamento del bianco ricavati dalla foto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Every edit back at none</source>
        <translation>Riporta a zero tutte le modifiche</translation>
    </message>
    <message>
        <source>Closes the panel; the photo stays as it was (%1)</source>
        <translation>Chiude il pannello; la foto resta com'era (%1)</translation>
    </message>
    <message>
        <source>Makes the edits your photo (%1)</source>
        <translation>Applica le modifiche alla foto (%1)</translation>
    </message>
    <message>
        <source>Screen (%1:%2)</source>
        <translation>Schermo (%1:%2)</translation>
    </message>
    <message>
        <source>Applied the edits</source>
        <translation>Modifiche applicate</translation>
    </message>
    <message>
        <source>Applying the edits</source>
        <translation>Applicazione delle modifiche</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixel</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormBatch</name>
    <message>
        <source>Batch</source>
        <translation>Serie</translation>
    </message>
    <message numerus="yes">
        <source>%n of the outputs exist already in %1.</source>
        <translation>
            <numerusform>%n file di destinazione esiste già in %1.</numerusform>
            <numerusform>%n file di destinazione esistono già in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvessa::TFormExport</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Full size</source>
        <translation>Dimensioni originali</translation>
    </message>
    <message>
        <source>Long edge, pixels</source>
        <translation>Lato lungo, pixel</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Remove the location (GPS)</source>
        <translation>Rimuovi la posizione (GPS)</translation>
    </message>
    <message>
        <source>Remove all camera data</source>
        <translation>Rimuovi tutti i dati della fotocamera</translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation>Converti in sRGB</translation>
    </message>
    <message>
        <source>The colours every browser and phone shows right</source>
        <translation>I colori che ogni browser e telefono mostra correttamente</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>{name}: the photo's name, {folder}: its folder's</source>
        <translation>{name}: il nome della foto, {folder}: quello della sua cartella</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Esporta in</translation>
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
        <translation>Il nome di un'esportazione accetta {name} e {folder}</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>stima in corso...</translation>
    </message>
    <message>
        <source>about %1, %2 x %3</source>
        <translation>circa %1, %2 x %3</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Esportazione in corso...</translation>
    </message>
    <message>
        <source>Exported %1, %2</source>
        <translation>Esportato %1, %2</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormMain</name>
    <message>
        <source>Applied My Looks: %1</source>
        <translation>Applicato (I miei stili): %1</translation>
    </message>
    <message>
        <source>Applied %1</source>
        <translation>Applicato lo stile %1</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Redone</source>
        <translation>Ripetuto</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Attendere</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>ELABORAZIONE---</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Altro colore</translation>
    </message>
    <message>
        <source>Hold to see the photo without the look (or hold %1)</source>
        <translation>Tenere premuto per vedere la foto senza lo stile (o tenere premuto %1)</translation>
    </message>
    <message>
        <source>Strength of the look</source>
        <translation>Intensità dello stile</translation>
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
        <translation>Guida di Corvessa</translation>
    </message>
</context>
<context>
    <name>corvessa::TImageView</name>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
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
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>%1 cannot be used</source>
        <translation>%1 non è utilizzabile</translation>
    </message>
    <message>
        <source>Preview - %1 %2: %3</source>
        <translation>Anteprima - %1 %2: %3</translation>
    </message>
    <message>
        <source>Preview - My Looks: %1</source>
        <translation>Anteprima - I miei stili: %1</translation>
    </message>
</context>
<context>
    <name>corvessa::TLooksStrip</name>
    <message>
        <source>Large thumbnails: each look drawn large, with its name (%1)</source>
        <translation>Miniature grandi: ogni stile disegnato in grande, con il suo nome (%1)</translation>
    </message>
    <message>
        <source>Drawing the thumbnails</source>
        <translation>Creazione delle miniature</translation>
    </message>
    <message>
        <source>Drawing your looks</source>
        <translation>Creazione degli stili personali</translation>
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
        <translation>I miei stili</translation>
    </message>
    <message>
        <source>Your own .cube colour tables from %1</source>
        <translation>Le tabelle colore .cube personali da %1</translation>
    </message>
    <message>
        <source>Add Look…</source>
        <translation>Aggiungi…</translation>
    </message>
    <message>
        <source>Copy .cube colour tables into %1 (%2, or drop them on the window)</source>
        <translation>Copia tabelle colore .cube in %1 (%2, oppure trascinandole sulla finestra)</translation>
    </message>
    <message>
        <source>Previous looks (%1)</source>
        <translation>Stili precedenti (%1)</translation>
    </message>
    <message>
        <source>Next looks (%1)</source>
        <translation>Stili successivi (%1)</translation>
    </message>
    <message>
        <source>No looks of your own yet. Put .cube colour tables into %1, press Add Look... (%2), or drop .cube files on this window.</source>
        <translation>Ancora nessuno stile personale. Mettere delle tabelle colore .cube in %1, premere Aggiungi... (%2) oppure trascinare dei file .cube su questa finestra.</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Nessuno stile</translation>
    </message>
    <message numerus="yes">
        <source>Looks %1-%2 of %n</source>
        <translation>
            <numerusform>Stili %1-%2 di %n</numerusform>
            <numerusform>Stili %1-%2 di %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your looks</source>
        <translation>Lettura degli stili personali</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoOpener</name>
    <message>
        <source>Opening %1</source>
        <translation>Apertura di %1</translation>
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
        <translation>Salvataggio di %1</translation>
    </message>
</context>
</TS>