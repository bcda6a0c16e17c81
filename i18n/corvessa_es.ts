<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleText</name>
    <message>
        <source>My Looks, look %1: %2</source>
        <translation>Mis estilos, estilo %1: %2</translation>
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
        <translation>Intensidad %1 %</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Sin foto</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, zoom %3</source>
        <translation>%1 × %2 píxeles, zoom %3</translation>
    </message>
    <message>
        <source>The photo being edited</source>
        <translation>La foto en edición</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Marco de recorte</translation>
    </message>
    <message>
        <source>The photo with the look</source>
        <translation>La foto con el estilo</translation>
    </message>
    <message>
        <source>The working photo</source>
        <translation>La foto de trabajo</translation>
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
        <translation>Las fotos que procesa el lote; se añaden más con Añadir archivos, Añadir carpeta o soltándolas aquí</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>The category whose looks show below</source>
        <translation>La categoría cuyos estilos se muestran debajo</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>The ten looks of the category, drawn from the first photo</source>
        <translation>Los diez estilos de la categoría, vistos sobre la primera foto</translation>
    </message>
    <message>
        <source>The .cube file</source>
        <translation>El archivo .cube</translation>
    </message>
    <message>
        <source>Choose the .cube file</source>
        <translation>Elegir el archivo .cube</translation>
    </message>
    <message>
        <source>Choose the colour</source>
        <translation>Elegir el color</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>How much of the look each photo takes</source>
        <translation>Cuánto estilo recibe cada foto</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>The pattern of the output names</source>
        <translation>El patrón de los nombres de salida</translation>
    </message>
    <message>
        <source>Longer side</source>
        <translation>Lado mayor</translation>
    </message>
    <message>
        <source>The longer side of each output in pixels, or full size</source>
        <translation>El lado mayor de cada salida en píxeles, o tamaño completo</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Fotos terminadas</translation>
    </message>
    <message>
        <source>Every photo as it ends, the latest at the foot</source>
        <translation>Cada foto a medida que termina, la más reciente al final</translation>
    </message>
    <message>
        <source>Photos that failed</source>
        <translation>Fotos que han fallado</translation>
    </message>
    <message>
        <source>Photos rendered with a warning</source>
        <translation>Fotos procesadas con un aviso</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Long edge or percentage</source>
        <translation>Lado mayor o porcentaje</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Elegir la carpeta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>The pattern of the copy's name</source>
        <translation>El patrón del nombre de la copia</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
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
        <translation>abre una foto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>writes the photo shown to a file</source>
        <translation>guarda en un archivo la foto mostrada</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>writes a copy for sharing: smaller, without the location</source>
        <translation>guarda una copia para compartir: más pequeña, sin la ubicación</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>takes back the last Apply</source>
        <translation>deshace el último cambio aplicado</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>brings back the Apply Undo took back</source>
        <translation>recupera el cambio aplicado que quitó Deshacer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>crops, turns, straightens and adjusts the photo in the Edit panel</source>
        <translation>recorta, gira, endereza y ajusta la foto en el panel Editar</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Por lotes</translation>
    </message>
    <message>
        <source>puts one look on many photos</source>
        <translation>aplica un estilo a muchas fotos</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Añadir estilo</translation>
    </message>
    <message>
        <source>copies .cube colour tables into My Looks</source>
        <translation>copia tablas de color .cube a Mis estilos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>shows this page</source>
        <translation>muestra esta página</translation>
    </message>
    <message>
        <source>Next looks</source>
        <translation>Estilos siguientes</translation>
    </message>
    <message>
        <source>the next ten of My Looks</source>
        <translation>los diez siguientes de Mis estilos</translation>
    </message>
    <message>
        <source>Previous looks</source>
        <translation>Estilos anteriores</translation>
    </message>
    <message>
        <source>the ten of My Looks before</source>
        <translation>los diez anteriores de Mis estilos</translation>
    </message>
    <message>
        <source>Large looks</source>
        <translation>Estilos grandes</translation>
    </message>
    <message>
        <source>each look drawn large with its name, or the small strip again</source>
        <translation>cada estilo en grande con su nombre, o de nuevo la tira pequeña</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>one photo pixel a screen pixel</source>
        <translation>un píxel de la foto por cada píxel de la pantalla</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>the whole photo in view again</source>
        <translation>de nuevo la foto entera a la vista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>stops the Open, render or thumbnails that run; in the preview, drops the look; in the Edit panel, leaves it with the photo as it was</source>
        <translation>detiene la apertura, el procesado o las miniaturas en curso; en la vista previa, descarta el estilo; en el panel Editar, lo cierra y deja la foto como estaba</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>makes the look shown your photo</source>
        <translation>aplica a su foto el estilo mostrado</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>held down, shows the photo as it was</source>
        <translation>mientras se mantiene pulsado, muestra la foto como estaba</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>frames the thumbnail beside the one framed</source>
        <translation>mueve el marco a la miniatura de al lado</translation>
    </message>
    <message>
        <source>frames the thumbnail above or below the one framed</source>
        <translation>mueve el marco a la miniatura de arriba o de abajo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>shows the framed thumbnail's look in the preview</source>
        <translation>muestra en la vista previa el estilo de la miniatura enmarcada</translation>
    </message>
    <message>
        <source>makes the edits your photo</source>
        <translation>aplica las ediciones a su foto</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>frames the category button above or below the one framed</source>
        <translation>mueve el marco al botón de categoría de arriba o de abajo</translation>
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
        <translation>el panel Editar</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>la vista previa</translation>
    </message>
    <message>
        <source>the main window</source>
        <translation>la ventana principal</translation>
    </message>
    <message>
        <source>both windows</source>
        <translation>ambas ventanas</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Marco de recorte</translation>
    </message>
    <message>
        <source>moves the framed crop frame left or right</source>
        <translation>mueve el marco de recorte seleccionado a la izquierda o a la derecha</translation>
    </message>
    <message>
        <source>moves the framed crop frame up or down</source>
        <translation>mueve el marco de recorte seleccionado hacia arriba o hacia abajo</translation>
    </message>
    <message>
        <source>makes the framed crop frame narrower or wider</source>
        <translation>hace el marco de recorte seleccionado más estrecho o más ancho</translation>
    </message>
    <message>
        <source>makes the framed crop frame shorter or taller</source>
        <translation>hace el marco de recorte seleccionado más bajo o más alto</translation>
    </message>
</context>
<context>
    <name>Adjustments</name>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>Brighter or darker, in stops; highlights roll off, never clip</source>
        <translation>Más clara o más oscura, en pasos; las altas luces se suavizan, nunca se queman</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Steeper tones about the middle grey, flatter below 0</source>
        <translation>Tonos más marcados en torno al gris medio; más planos por debajo de 0</translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation>Luces</translation>
    </message>
    <message>
        <source>Below 0 brings back bright areas' detail; above 0 brightens them</source>
        <translation>Por debajo de 0 recupera el detalle de las zonas claras; por encima de 0 las aclara</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Above 0 brings out dark areas' detail; below 0 deepens them</source>
        <translation>Por encima de 0 saca el detalle de las zonas oscuras; por debajo de 0 las oscurece más</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Every colour stronger, or weaker below 0; -100 is black and white</source>
        <translation>Todos los colores más intensos, o más apagados por debajo de 0; -100 es blanco y negro</translation>
    </message>
    <message>
        <source>Vibrance</source>
        <translation>Viveza</translation>
    </message>
    <message>
        <source>Muted colours stronger than strong ones, skin tones spared</source>
        <translation>Los colores apagados se intensifican más que los vivos, y se respetan los tonos de piel</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Calidez</translation>
    </message>
    <message>
        <source>Warmer light (yellow) above 0, cooler (blue) below</source>
        <translation>Luz más cálida (amarilla) por encima de 0, más fría (azul) por debajo</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Towards magenta above 0, towards green below</source>
        <translation>Hacia el magenta por encima de 0, hacia el verde por debajo</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Viñeta</translation>
    </message>
    <message>
        <source>Darker corners above 0, lighter below</source>
        <translation>Esquinas más oscuras por encima de 0, más claras por debajo</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Crisper fine detail above 0, softer below</source>
        <translation>Detalle fino más nítido por encima de 0, más suave por debajo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Puts ready-made looks on a photo.</source>
        <translation>Aplica estilos predefinidos a una foto.</translation>
    </message>
    <message>
        <source>The photo to open in place of the sample photo.</source>
        <translation>La foto que se abre en lugar de la foto de muestra.</translation>
    </message>
    <message>
        <source>Try 'corvessa --help'.</source>
        <translation>Pruebe 'corvessa --help'.</translation>
    </message>
    <message>
        <source>one photo at a time, not %1</source>
        <translation>una sola foto cada vez, no %1</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>All pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>the format's own</source>
        <translation>la del formato</translation>
    </message>
    <message>
        <source>Quality of a JPEG, HEIC, AVIF, WebP or JPEG XL save, 1 to 100</source>
        <translation>Calidad al guardar en JPEG, HEIC, AVIF, WebP o JPEG XL, de 1 a 100</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Colour tables</source>
        <translation>Tablas de color</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Añadir estilo</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 is the name of a %2 file, but the file type chosen is %3.
Save the photo as %2 under %1, or as %3 under %4?</source>
        <translation>%1 es el nombre de un archivo %2, pero el tipo de archivo elegido es %3.
¿Guardar la foto como %2 con el nombre %1, o como %3 con el nombre %4?</translation>
    </message>
    <message>
        <source>Save as %1</source>
        <translation>Guardar como %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Skip those</source>
        <translation>Omitirlas</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before closing?</source>
        <translation>La foto tiene cambios sin guardar.
¿Quiere guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before opening %1?</source>
        <translation>La foto tiene cambios sin guardar.
¿Quiere guardarlos antes de abrir %1?</translation>
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
        <translation>lectura, escritura</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lectura</translation>
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
        <translation>Fuga de luz ámbar</translation>
    </message>
    <message>
        <source>Corner Burn</source>
        <translation>Quemado en esquina</translation>
    </message>
    <message>
        <source>Edge Film Burn</source>
        <translation>Quemado en el borde</translation>
    </message>
    <message>
        <source>Twin Corner Leaks</source>
        <translation>Fugas en dos esquinas</translation>
    </message>
    <message>
        <source>Warm Sweep</source>
        <translation>Barrido cálido</translation>
    </message>
    <message>
        <source>Golden Rise</source>
        <translation>Ascenso dorado</translation>
    </message>
    <message>
        <source>Burn Hole</source>
        <translation>Agujero quemado</translation>
    </message>
    <message>
        <source>Film Gate Streaks</source>
        <translation>Rayas de película</translation>
    </message>
    <message>
        <source>Peach Wash</source>
        <translation>Velo melocotón</translation>
    </message>
    <message>
        <source>Ember Edges</source>
        <translation>Bordes de brasa</translation>
    </message>
    <message>
        <source>Warm light leaks and film burns laid over the photo</source>
        <translation>Fugas de luz cálidas y quemados de película sobre la foto</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Luz B</translation>
    </message>
    <message>
        <source>Blue Leak</source>
        <translation>Fuga de luz azul</translation>
    </message>
    <message>
        <source>Prism Edge</source>
        <translation>Borde de prisma</translation>
    </message>
    <message>
        <source>Cyan Flare</source>
        <translation>Destello cian</translation>
    </message>
    <message>
        <source>Teal Violet Corners</source>
        <translation>Esquinas turquesa-lila</translation>
    </message>
    <message>
        <source>Anamorphic Streak</source>
        <translation>Destello anamórfico</translation>
    </message>
    <message>
        <source>Prism Fan</source>
        <translation>Abanico de prisma</translation>
    </message>
    <message>
        <source>Halo Flare</source>
        <translation>Destello con halo</translation>
    </message>
    <message>
        <source>Violet Pour</source>
        <translation>Cascada violeta</translation>
    </message>
    <message>
        <source>Spectral Streaks</source>
        <translation>Rayas espectrales</translation>
    </message>
    <message>
        <source>Moonlit Haze</source>
        <translation>Neblina lunar</translation>
    </message>
    <message>
        <source>Cool flares, rainbow leaks and lens streaks laid over the photo</source>
        <translation>Destellos fríos, fugas de arcoíris y rayas de lente sobre la foto</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Luz C</translation>
    </message>
    <message>
        <source>Corner Sunbeams</source>
        <translation>Rayos desde la esquina</translation>
    </message>
    <message>
        <source>God Rays</source>
        <translation>Rayos crepusculares</translation>
    </message>
    <message>
        <source>Golden Bokeh</source>
        <translation>Bokeh dorado</translation>
    </message>
    <message>
        <source>Side Bokeh</source>
        <translation>Bokeh lateral</translation>
    </message>
    <message>
        <source>Sunburst Corner</source>
        <translation>Esquina radiante</translation>
    </message>
    <message>
        <source>Low Sun</source>
        <translation>Sol bajo</translation>
    </message>
    <message>
        <source>Corner Hexagons</source>
        <translation>Hexágonos en esquina</translation>
    </message>
    <message>
        <source>Amber Uplight</source>
        <translation>Luz ámbar ascendente</translation>
    </message>
    <message>
        <source>Forest Shafts</source>
        <translation>Haces en el bosque</translation>
    </message>
    <message>
        <source>Low Bokeh</source>
        <translation>Bokeh bajo</translation>
    </message>
    <message>
        <source>Sunbeams, rays and soft bokeh lights laid over the photo</source>
        <translation>Rayos de sol, haces de luz y suaves luces bokeh sobre la foto</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <source>Blue Sky Glitter</source>
        <translation>Brillos de cielo azul</translation>
    </message>
    <message>
        <source>Golden Glints</source>
        <translation>Destellos dorados</translation>
    </message>
    <message>
        <source>Star Haze Arc</source>
        <translation>Arco de bruma estelar</translation>
    </message>
    <message>
        <source>Blue Giants</source>
        <translation>Gigantes azules</translation>
    </message>
    <message>
        <source>Rose Gold Trail</source>
        <translation>Estela oro rosa</translation>
    </message>
    <message>
        <source>Magic Dust</source>
        <translation>Polvo mágico</translation>
    </message>
    <message>
        <source>Rainbow Corners</source>
        <translation>Esquinas arcoíris</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Lluvia de meteoros</translation>
    </message>
    <message>
        <source>Glitter Frame</source>
        <translation>Marco de purpurina</translation>
    </message>
    <message>
        <source>Great Starburst</source>
        <translation>Gran destello estelar</translation>
    </message>
    <message>
        <source>Stars, glints and sparkles scattered over the photo</source>
        <translation>Estrellas, destellos y chispas esparcidos sobre la foto</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Maravillas</translation>
    </message>
    <message>
        <source>Corner Fireworks</source>
        <translation>Fuegos en la esquina</translation>
    </message>
    <message>
        <source>Aurora Sky</source>
        <translation>Cielo de aurora</translation>
    </message>
    <message>
        <source>Summer Rainbow</source>
        <translation>Arcoíris de verano</translation>
    </message>
    <message>
        <source>Low Light Trails</source>
        <translation>Estelas de luz bajas</translation>
    </message>
    <message>
        <source>Laser Show</source>
        <translation>Espectáculo láser</translation>
    </message>
    <message>
        <source>Golden Burst</source>
        <translation>Estallido dorado</translation>
    </message>
    <message>
        <source>Passing Comet</source>
        <translation>Cometa fugaz</translation>
    </message>
    <message>
        <source>Sun Halo</source>
        <translation>Halo solar</translation>
    </message>
    <message>
        <source>Light Painting</source>
        <translation>Pintura con luz</translation>
    </message>
    <message>
        <source>Cosmic Nebula</source>
        <translation>Nebulosa cósmica</translation>
    </message>
    <message>
        <source>Fireworks, northern lights, rainbows and other wonders in the sky</source>
        <translation>Fuegos artificiales, auroras boreales, arcoíris y otras maravillas del cielo</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Clima</translation>
    </message>
    <message>
        <source>Light Rain</source>
        <translation>Lluvia ligera</translation>
    </message>
    <message>
        <source>Soft Snowfall</source>
        <translation>Nevada suave</translation>
    </message>
    <message>
        <source>Low Fog</source>
        <translation>Niebla baja</translation>
    </message>
    <message>
        <source>Heavy Downpour</source>
        <translation>Aguacero intenso</translation>
    </message>
    <message>
        <source>Lightning Strike</source>
        <translation>Caída de rayo</translation>
    </message>
    <message>
        <source>Hail Shower</source>
        <translation>Granizada</translation>
    </message>
    <message>
        <source>Driving Blizzard</source>
        <translation>Ventisca fuerte</translation>
    </message>
    <message>
        <source>Morning Mist</source>
        <translation>Bruma matinal</translation>
    </message>
    <message>
        <source>Grey Drizzle</source>
        <translation>Llovizna gris</translation>
    </message>
    <message>
        <source>Snow Crystals</source>
        <translation>Cristales de nieve</translation>
    </message>
    <message>
        <source>Rain, snow, fog and lightning laid over the photo</source>
        <translation>Lluvia, nieve, niebla y rayos sobre la foto</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <source>Warm To Cool</source>
        <translation>De cálido a frío</translation>
    </message>
    <message>
        <source>Sunset Bands</source>
        <translation>Franjas de atardecer</translation>
    </message>
    <message>
        <source>Teal Orange</source>
        <translation>Turquesa-naranja</translation>
    </message>
    <message>
        <source>Warm Centre</source>
        <translation>Centro cálido</translation>
    </message>
    <message>
        <source>Rose To Blue</source>
        <translation>De rosa a azul</translation>
    </message>
    <message>
        <source>Pastel Rainbow</source>
        <translation>Arcoíris pastel</translation>
    </message>
    <message>
        <source>Cross Process</source>
        <translation>Proceso cruzado</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>Noche azul</translation>
    </message>
    <message>
        <source>Golden Corner</source>
        <translation>Esquina dorada</translation>
    </message>
    <message>
        <source>Green Purple</source>
        <translation>Verde y púrpura</translation>
    </message>
    <message>
        <source>Colour gradients blended into the photo</source>
        <translation>Degradados de color fundidos con la foto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Mint Tint</source>
        <translation>Tono menta</translation>
    </message>
    <message>
        <source>Lemon Tint</source>
        <translation>Tono limón</translation>
    </message>
    <message>
        <source>Cyan Tint</source>
        <translation>Tono cian</translation>
    </message>
    <message>
        <source>Orange Tint</source>
        <translation>Tono naranja</translation>
    </message>
    <message>
        <source>Violet Tint</source>
        <translation>Tono violeta</translation>
    </message>
    <message>
        <source>Pop Quadrants</source>
        <translation>Cuadrantes pop</translation>
    </message>
    <message>
        <source>Olive Mono</source>
        <translation>Monocromo oliva</translation>
    </message>
    <message>
        <source>Crimson Veil</source>
        <translation>Velo carmesí</translation>
    </message>
    <message>
        <source>Green Edges</source>
        <translation>Bordes verdes</translation>
    </message>
    <message>
        <source>Green Mono</source>
        <translation>Monocromo verde</translation>
    </message>
    <message>
        <source>The photo tinted with one colour or several</source>
        <translation>La foto teñida de uno o varios colores</translation>
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
        <translation>Lienzo imprimado</translation>
    </message>
    <message>
        <source>Film Grain</source>
        <translation>Grano de película</translation>
    </message>
    <message>
        <source>Grunge Stains</source>
        <translation>Manchas grunge</translation>
    </message>
    <message>
        <source>Raw Concrete</source>
        <translation>Hormigón en bruto</translation>
    </message>
    <message>
        <source>Wood Grain</source>
        <translation>Veta de madera</translation>
    </message>
    <message>
        <source>Celadon Crackle</source>
        <translation>Craquelado celadón</translation>
    </message>
    <message>
        <source>Old Print</source>
        <translation>Copia antigua</translation>
    </message>
    <message>
        <source>Faded Denim</source>
        <translation>Denim desgastado</translation>
    </message>
    <message>
        <source>Burnt Parchment</source>
        <translation>Pergamino quemado</translation>
    </message>
    <message>
        <source>Paper, canvas, grain and other surfaces blended into the photo</source>
        <translation>Papel, lienzo, grano y otras superficies fundidos con la foto</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Borde A</translation>
    </message>
    <message>
        <source>Frosted Margin</source>
        <translation>Margen esmerilado</translation>
    </message>
    <message>
        <source>Soft Oval</source>
        <translation>Óvalo suave</translation>
    </message>
    <message>
        <source>Torn Paper</source>
        <translation>Papel rasgado</translation>
    </message>
    <message>
        <source>Deckled Print</source>
        <translation>Borde ondulado</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Sello postal</translation>
    </message>
    <message>
        <source>Sprocket Strip</source>
        <translation>Tira perforada</translation>
    </message>
    <message>
        <source>Brush Strokes</source>
        <translation>Pinceladas</translation>
    </message>
    <message>
        <source>Heart Shape</source>
        <translation>Forma de corazón</translation>
    </message>
    <message>
        <source>Soft Circle</source>
        <translation>Círculo suave</translation>
    </message>
    <message>
        <source>Instant Photo</source>
        <translation>Foto instantánea</translation>
    </message>
    <message>
        <source>Margins and shaped frames around the photo</source>
        <translation>Márgenes y marcos con forma alrededor de la foto</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Borde B</translation>
    </message>
    <message>
        <source>Cloud Frame</source>
        <translation>Marco de nubes</translation>
    </message>
    <message>
        <source>Feathered Edge</source>
        <translation>Borde difuminado</translation>
    </message>
    <message>
        <source>Lined Mat</source>
        <translation>Paspartú con filete</translation>
    </message>
    <message>
        <source>Grunge Spray</source>
        <translation>Aerosol grunge</translation>
    </message>
    <message>
        <source>Rounded Corners</source>
        <translation>Esquinas redondeadas</translation>
    </message>
    <message>
        <source>Lace Oval</source>
        <translation>Óvalo de encaje</translation>
    </message>
    <message>
        <source>Arched Window</source>
        <translation>Ventana en arco</translation>
    </message>
    <message>
        <source>Notepad Page</source>
        <translation>Hoja de bloc</translation>
    </message>
    <message>
        <source>Slide Mount</source>
        <translation>Marco de diapositiva</translation>
    </message>
    <message>
        <source>Spray Splatter</source>
        <translation>Salpicado de aerosol</translation>
    </message>
    <message>
        <source>More frames: clouds, lace, torn paper and slide mounts</source>
        <translation>Más marcos: nubes, encaje, papel rasgado y marcos de diapositiva</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Sueño A</translation>
    </message>
    <message>
        <source>Pink Haze</source>
        <translation>Bruma rosa</translation>
    </message>
    <message>
        <source>Floating Hearts</source>
        <translation>Corazones flotantes</translation>
    </message>
    <message>
        <source>Soap Bubbles</source>
        <translation>Pompas de jabón</translation>
    </message>
    <message>
        <source>Lavender Glitter</source>
        <translation>Purpurina lavanda</translation>
    </message>
    <message>
        <source>Heart Bokeh</source>
        <translation>Bokeh de corazones</translation>
    </message>
    <message>
        <source>Peach Bubbles</source>
        <translation>Burbujas melocotón</translation>
    </message>
    <message>
        <source>Pastel Orbs</source>
        <translation>Esferas pastel</translation>
    </message>
    <message>
        <source>White Dream</source>
        <translation>Sueño blanco</translation>
    </message>
    <message>
        <source>Pastel Drift</source>
        <translation>Deriva pastel</translation>
    </message>
    <message>
        <source>Falling Petals</source>
        <translation>Pétalos cayendo</translation>
    </message>
    <message>
        <source>Soft pastel haze, hearts and bubbles over the photo</source>
        <translation>Suave bruma pastel, corazones y burbujas sobre la foto</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Sueño B</translation>
    </message>
    <message>
        <source>Cotton Candy</source>
        <translation>Algodón de azúcar</translation>
    </message>
    <message>
        <source>Corner Hearts</source>
        <translation>Corazones en esquina</translation>
    </message>
    <message>
        <source>Big Bubbles</source>
        <translation>Burbujas grandes</translation>
    </message>
    <message>
        <source>Golden Magic</source>
        <translation>Magia dorada</translation>
    </message>
    <message>
        <source>Pastel Clouds</source>
        <translation>Nubes pastel</translation>
    </message>
    <message>
        <source>Violet Sparkle</source>
        <translation>Chispas violeta</translation>
    </message>
    <message>
        <source>Fairy Light Heart</source>
        <translation>Corazón de lucecitas</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Sky Lanterns</source>
        <translation>Farolillos voladores</translation>
    </message>
    <message>
        <source>Rose Gold Dust</source>
        <translation>Polvo oro rosa</translation>
    </message>
    <message>
        <source>Candy colours, clouds and fairy lights over the photo</source>
        <translation>Colores de caramelo, nubes y lucecitas sobre la foto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Fine Rules</source>
        <translation>Rayado fino</translation>
    </message>
    <message>
        <source>Fine Columns</source>
        <translation>Columnas finas</translation>
    </message>
    <message>
        <source>Diagonal Hairlines</source>
        <translation>Diagonales finas</translation>
    </message>
    <message>
        <source>Fine Grid</source>
        <translation>Cuadrícula fina</translation>
    </message>
    <message>
        <source>Dot Screen</source>
        <translation>Trama de puntos</translation>
    </message>
    <message>
        <source>Cross Hatch</source>
        <translation>Sombreado cruzado</translation>
    </message>
    <message>
        <source>Wave Lines</source>
        <translation>Líneas onduladas</translation>
    </message>
    <message>
        <source>Brick Lines</source>
        <translation>Líneas de ladrillo</translation>
    </message>
    <message>
        <source>Halftone Corner</source>
        <translation>Semitono en esquina</translation>
    </message>
    <message>
        <source>Zigzag Rules</source>
        <translation>Líneas en zigzag</translation>
    </message>
    <message>
        <source>Line patterns drawn from the photo</source>
        <translation>Tramas de líneas dibujadas a partir de la foto</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Soft Bloom</source>
        <translation>Resplandor suave</translation>
    </message>
    <message>
        <source>Dark Bloom</source>
        <translation>Resplandor oscuro</translation>
    </message>
    <message>
        <source>Misty Grey</source>
        <translation>Gris brumoso</translation>
    </message>
    <message>
        <source>Muted Wash</source>
        <translation>Aguada apagada</translation>
    </message>
    <message>
        <source>Deep Tones</source>
        <translation>Tonos profundos</translation>
    </message>
    <message>
        <source>Bright Glow</source>
        <translation>Brillo intenso</translation>
    </message>
    <message>
        <source>Coloured Pencil</source>
        <translation>Lápiz de color</translation>
    </message>
    <message>
        <source>Strong Contrast</source>
        <translation>Contraste fuerte</translation>
    </message>
    <message>
        <source>Mosaic Tiles</source>
        <translation>Teselas de mosaico</translation>
    </message>
    <message>
        <source>Pencil Sketch</source>
        <translation>Boceto a lápiz</translation>
    </message>
    <message>
        <source>Glows, washes, pencil drawings and mosaics made from the photo</source>
        <translation>Resplandores, aguadas, dibujos a lápiz y mosaicos hechos a partir de la foto</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>Fireworks Circle</source>
        <translation>Círculo de fuegos</translation>
    </message>
    <message>
        <source>Lilac Mist</source>
        <translation>Bruma lila</translation>
    </message>
    <message>
        <source>Rainy Day</source>
        <translation>Día de lluvia</translation>
    </message>
    <message>
        <source>Night Vision</source>
        <translation>Visión nocturna</translation>
    </message>
    <message>
        <source>Nebula Dream</source>
        <translation>Sueño de nebulosa</translation>
    </message>
    <message>
        <source>Rose Wood</source>
        <translation>Madera rosa</translation>
    </message>
    <message>
        <source>Old Film Flare</source>
        <translation>Destello de cine viejo</translation>
    </message>
    <message>
        <source>Magenta Dream</source>
        <translation>Sueño magenta</translation>
    </message>
    <message>
        <source>Yellow Frame</source>
        <translation>Marco amarillo</translation>
    </message>
    <message>
        <source>Ember Stardust</source>
        <translation>Polvo estelar ardiente</translation>
    </message>
    <message>
        <source>Ready-made looks that mix several effects in one</source>
        <translation>Estilos predefinidos que combinan varios efectos en uno</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Película</translation>
    </message>
    <message>
        <source>Warm Print</source>
        <translation>Copia cálida</translation>
    </message>
    <message>
        <source>Cool Matte</source>
        <translation>Mate frío</translation>
    </message>
    <message>
        <source>Faded Vintage</source>
        <translation>Vintage desvaído</translation>
    </message>
    <message>
        <source>Teal And Orange</source>
        <translation>Turquesa y naranja</translation>
    </message>
    <message>
        <source>Rich Slide</source>
        <translation>Diapositiva saturada</translation>
    </message>
    <message>
        <source>Soft Portrait</source>
        <translation>Retrato suave</translation>
    </message>
    <message>
        <source>Contrast Mono</source>
        <translation>Monocromo contrastado</translation>
    </message>
    <message>
        <source>Warm Mono</source>
        <translation>Monocromo cálido</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Salto de blanqueo</translation>
    </message>
    <message>
        <source>Gentle colour grades of the whole photo, like film stocks and prints</source>
        <translation>Tonos de color suaves en toda la foto, como los de las películas fotográficas y las copias</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link of another user</source>
        <translation>%1 es un enlace simbólico de otro usuario</translation>
    </message>
    <message>
        <source>%1 is a symbolic link in a folder of another user</source>
        <translation>%1 es un enlace simbólico en una carpeta de otro usuario</translation>
    </message>
    <message>
        <source>%1 is an input; it is not overwritten</source>
        <translation>%1 es una de las entradas; no se sobrescribe</translation>
    </message>
    <message>
        <source>Stream write error: %1</source>
        <translation>Error de escritura: %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file became shorter while it was read</source>
        <translation>el archivo se acortó mientras se leía</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>it is a symbolic link of another user in a shared folder</source>
        <translation>es un enlace simbólico de otro usuario en una carpeta compartida</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>No hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>Not enough memory to save as %1</source>
        <translation>No hay memoria suficiente para guardar como %1</translation>
    </message>
    <message>
        <source>The work was stopped</source>
        <translation>Se ha detenido el trabajo</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>%1; read as %2 by its first bytes: %3</source>
        <translation>%1; leído como %2 por sus primeros bytes: %3</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensión de archivo de imagen desconocida (.%1)</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Formato de imagen desconocido</translation>
    </message>
    <message>
        <source>The %1 reader failed</source>
        <translation>El módulo de lectura de %1 ha fallado</translation>
    </message>
    <message>
        <source>The %1 writer failed</source>
        <translation>El módulo de escritura de %1 ha fallado</translation>
    </message>
    <message>
        <source>The %1 reader could not be started: %2</source>
        <translation>No se pudo iniciar el módulo de lectura de %1: %2</translation>
    </message>
    <message>
        <source>The %1 writer could not be started: %2</source>
        <translation>No se pudo iniciar el módulo de escritura de %1: %2</translation>
    </message>
    <message>
        <source>The %1 reader did not finish within %2 seconds</source>
        <translation>El módulo de lectura de %1 no terminó en %2 segundos</translation>
    </message>
    <message>
        <source>The %1 writer did not finish within %2 seconds</source>
        <translation>El módulo de escritura de %1 no terminó en %2 segundos</translation>
    </message>
    <message>
        <source>Cannot make room to pass a picture: %1</source>
        <translation>No hay espacio para pasar una imagen: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1</source>
        <translation>La imagen no es válida: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen no es válida</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>La imagen es demasiado grande (%1 x %2)</translation>
    </message>
    <message>
        <source>Picture is too large for JPEG (%1 x %2; at most %3 pixels a side): save it as PNG or BMP</source>
        <translation>La imagen es demasiado grande para JPEG (%1 x %2; como máximo %3 píxeles por lado): guárdela como PNG o BMP</translation>
    </message>
    <message>
        <source>Picture is too large for HEIF (%1 x %2): save it as PNG or JPEG</source>
        <translation>La imagen es demasiado grande para HEIF (%1 x %2): guárdela como PNG o JPEG</translation>
    </message>
    <message>
        <source>Picture is too large for WebP (%1 x %2): save it as PNG or JPEG</source>
        <translation>La imagen es demasiado grande para WebP (%1 x %2): guárdela como PNG o JPEG</translation>
    </message>
    <message>
        <source>The file is incomplete: the picture lacks detail, or its lower part is missing</source>
        <translation>El archivo está incompleto: a la imagen le falta detalle, o le falta la parte inferior</translation>
    </message>
    <message>
        <source>The file is incomplete: its lower part is missing</source>
        <translation>El archivo está incompleto: falta la parte inferior de la imagen</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes can hold</source>
        <translation>declara %1 x %2 píxeles, más de los que caben en sus %3 bytes</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>el archivo no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>the file ends before its picture does</source>
        <translation>el archivo termina antes de que acabe su imagen</translation>
    </message>
    <message>
        <source>the file ends before its last row</source>
        <translation>el archivo termina antes de su última fila</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>no se puede leer su cabecera</translation>
    </message>
    <message>
        <source>it is not a JPEG XL file</source>
        <translation>no es un archivo JPEG XL</translation>
    </message>
    <message>
        <source>it is not a camera raw file</source>
        <translation>no es un archivo RAW de cámara</translation>
    </message>
    <message>
        <source>its raw data is larger than the program takes</source>
        <translation>sus datos RAW superan lo que admite el programa</translation>
    </message>
    <message>
        <source>The crop leaves nothing of the photo</source>
        <translation>El recorte no deja nada de la foto</translation>
    </message>
    <message>
        <source>LUT file is not valid: %1</source>
        <translation>El archivo LUT no es válido: %1</translation>
    </message>
    <message>
        <source>LUT file is not valid</source>
        <translation>El archivo LUT no es válido</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file is longer than %1 MB</source>
        <translation>el archivo ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>the file is too short for its %1 entries</source>
        <translation>el archivo es demasiado corto para sus %1 entradas</translation>
    </message>
    <message>
        <source>it holds %1 entries where its size wants %2</source>
        <translation>contiene %1 entradas, pero su tamaño requiere %2</translation>
    </message>
    <message>
        <source>it gives neither LUT_1D_SIZE nor LUT_3D_SIZE</source>
        <translation>no indica LUT_1D_SIZE ni LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>an entry comes before LUT_1D_SIZE or LUT_3D_SIZE</source>
        <translation>hay una entrada antes de LUT_1D_SIZE o LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>size %1 is outside 2 to %2</source>
        <translation>el tamaño %1 está fuera del intervalo de 2 a %2</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 no es un número</translation>
    </message>
    <message>
        <source>%1 is not a size</source>
        <translation>%1 no es un tamaño</translation>
    </message>
    <message>
        <source>a value is out of range</source>
        <translation>un valor está fuera de rango</translation>
    </message>
    <message>
        <source>a value is not a finite number</source>
        <translation>un valor no es un número finito</translation>
    </message>
    <message>
        <source>three numbers are wanted</source>
        <translation>se esperan tres números</translation>
    </message>
    <message>
        <source>two numbers are wanted</source>
        <translation>se esperan dos números</translation>
    </message>
    <message>
        <source>one size is wanted</source>
        <translation>se espera un solo tamaño</translation>
    </message>
    <message>
        <source>the size is given twice</source>
        <translation>el tamaño aparece dos veces</translation>
    </message>
    <message>
        <source>the size comes after the entries</source>
        <translation>el tamaño aparece después de las entradas</translation>
    </message>
    <message>
        <source>the size is missing</source>
        <translation>falta el tamaño</translation>
    </message>
    <message>
        <source>a keyword comes after the entries</source>
        <translation>hay una palabra clave después de las entradas</translation>
    </message>
    <message>
        <source>unknown keyword %1</source>
        <translation>palabra clave desconocida %1</translation>
    </message>
    <message>
        <source>The name pattern is empty</source>
        <translation>El patrón de nombre está vacío</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a /</source>
        <translation>El patrón de nombre "%1" no puede contener /</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a zero byte</source>
        <translation>El patrón de nombre "%1" no puede contener un byte cero</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a } without a {</source>
        <translation>El patrón de nombre "%1" tiene una } sin su {</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a { without a }</source>
        <translation>El patrón de nombre "%1" tiene una { sin su }</translation>
    </message>
    <message>
        <source>The name pattern "%1" has an unknown field %2; the fields are %3</source>
        <translation>El patrón de nombre "%1" tiene un campo desconocido %2; los campos son %3</translation>
    </message>
    <message>
        <source>The name pattern "%1" gives %2 no file name</source>
        <translation>El patrón de nombre "%1" deja a %2 sin nombre de archivo</translation>
    </message>
    <message>
        <source>done already</source>
        <translation>ya estaba hecha</translation>
    </message>
    <message>
        <source>My Looks cannot be read or added to: %1</source>
        <translation>No se puede leer ni ampliar Mis estilos: %1</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Sin estilos</translation>
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
        <translation>{name}, {folder}, {category}, {effect} y {look}</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>Error de PNG: %1</translation>
    </message>
    <message>
        <source>nothing to compress</source>
        <translation>no hay nada que comprimir</translation>
    </message>
    <message>
        <source>libjxl cannot encode the picture</source>
        <translation>libjxl no puede codificar la imagen</translation>
    </message>
    <message>
        <source>libheif cannot write the file</source>
        <translation>libheif no puede escribir el archivo</translation>
    </message>
    <message>
        <source>libheif has no encoder for %1</source>
        <translation>libheif no tiene codificador para %1</translation>
    </message>
    <message>
        <source>libwebp does not match its headers</source>
        <translation>libwebp no coincide con sus cabeceras</translation>
    </message>
    <message>
        <source>libwebp cannot encode the picture (error %1)</source>
        <translation>libwebp no puede codificar la imagen (error %1)</translation>
    </message>
    <message>
        <source>libwebpmux cannot take the picture</source>
        <translation>libwebpmux no acepta la imagen</translation>
    </message>
    <message>
        <source>libwebpmux cannot write the file</source>
        <translation>libwebpmux no puede escribir el archivo</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of picture data can hold</source>
        <translation>declara %1 x %2 píxeles, más de los que caben en sus %3 bytes de datos de imagen</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of losslessly compressed picture data can hold</source>
        <translation>declara %1 x %2 píxeles, más de los que caben en sus %3 bytes de datos de imagen comprimidos sin pérdida</translation>
    </message>
    <message>
        <source>its tiles of %1 x %2 are larger than the cells of its grid of %3 x %4 for %5 x %6 pixels</source>
        <translation>sus teselas de %1 x %2 son mayores que las celdas de su cuadrícula de %3 x %4 para %5 x %6 píxeles</translation>
    </message>
    <message>
        <source>its %1 tiles hold more than its %2 x %3 pixels</source>
        <translation>sus %1 teselas abarcan más que sus %2 x %3 píxeles</translation>
    </message>
    <message>
        <source>it has more than %1 items</source>
        <translation>tiene más de %1 elementos</translation>
    </message>
    <message>
        <source>samples of %1 bits</source>
        <translation>muestras de %1 bits</translation>
    </message>
    <message>
        <source>its first picture is made of more than %1 layers</source>
        <translation>su primera imagen consta de más de %1 capas</translation>
    </message>
    <message>
        <source>its layers claim %1 pixels, more than its %2 bytes can hold</source>
        <translation>sus capas declaran %1 píxeles, más de los que caben en sus %2 bytes</translation>
    </message>
    <message>
        <source>its tag %1 lies past the end of the file</source>
        <translation>su etiqueta %1 queda más allá del final del archivo</translation>
    </message>
    <message>
        <source>its colour filter pattern does not match its size</source>
        <translation>su patrón de filtro de color no coincide con su tamaño</translation>
    </message>
    <message>
        <source>its tile %1 codes more pixels than the tile holds</source>
        <translation>su tesela %1 codifica más píxeles de los que caben en la tesela</translation>
    </message>
    <message>
        <source>its strip %1 codes more pixels than the picture holds</source>
        <translation>su franja %1 codifica más píxeles de los que tiene la imagen</translation>
    </message>
    <message>
        <source>libjxl cannot decode it</source>
        <translation>libjxl no puede decodificarlo</translation>
    </message>
    <message>
        <source>LibRaw made no picture of it</source>
        <translation>LibRaw no pudo obtener ninguna imagen del archivo</translation>
    </message>
    <message>
        <source>JPEG stream has more scans than its file could hold (more than %1, or far too many for its size)</source>
        <translation>El flujo JPEG tiene más barridos de los que cabrían en su archivo (más de %1, o demasiados para su tamaño)</translation>
    </message>
    <message>
        <source>JPEG error #%1: %2</source>
        <translation>Error de JPEG n.º %1: %2</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Error de JPEG n.º %1</translation>
    </message>
    <message>
        <source>Premature end of input file</source>
        <translation>Fin prematuro del archivo de entrada</translation>
    </message>
    <message>
        <source>Not a JPEG file: starts with %1 %2</source>
        <translation>No es un archivo JPEG: comienza con %1 %2</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>División entre cero en coma flotante</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>Remembered</name>
    <message>
        <source>Settings are not kept: %1 — %2</source>
        <translation>La configuración no se guarda: %1 — %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>later starts cannot reach this window: %1</source>
        <translation>los inicios posteriores no podrán comunicarse con esta ventana: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of your own that only you may write to</source>
        <translation>%1 no es una carpeta propia en la que solo usted pueda escribir</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
</context>
<context>
    <name>TEditPanel</name>
    <message>
        <source>No crop</source>
        <translation>Sin recorte</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
</context>
<context>
    <name>TFormBatch</name>
    <message>
        <source>Add photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Add the photos of a folder</source>
        <translation>Añadir las fotos de una carpeta</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>A .cube file</source>
        <translation>Un archivo .cube</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Pulse en la miniatura para previsualizar y aplicar este efecto.</translation>
    </message>
    <message>
        <source>One look on many photos (%1)</source>
        <translation>Un estilo en muchas fotos (%1)</translation>
    </message>
    <message>
        <source>Crop, turn, straighten and adjust the photo (%1)</source>
        <translation>Recortar, girar, enderezar y ajustar la foto (%1)</translation>
    </message>
    <message>
        <source>A copy for sharing (%1)</source>
        <translation>Una copia para compartir (%1)</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Proteger caras</translation>
    </message>
    <message>
        <source>Every look taken back over the faces in the photo, their hair and neck</source>
        <translation>Todos los estilos se retiran de las caras de la foto, su pelo y su cuello</translation>
    </message>
    <message>
        <source>Saved %1, %2</source>
        <translation>Guardado: %1, %2</translation>
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
        <translation>Ediciones (antes del estilo, o solas; siempre en este orden, sea cual sea el orden dado):
  --rotate 90|180|270 girar en sentido horario
  --flip h|v          reflejar de izquierda a derecha (h) o de arriba abajo (v); puede indicarse dos veces
  --straighten DEG    girar de -45 a 45 grados en sentido horario, en pasos de 0.1, conservando el
                      mayor rectángulo recto con la proporción de la foto
  --crop X,Y,W,H      conservar ese rectángulo, en píxeles de la foto ya girada y
                      enderezada (limitado a ella)
  --crop-ratio W:H    conservar el mayor rectángulo centrado con esa proporción (4:5, 16:9)
  --adjust KEY=VALUE,...  ajustar; 0 lo deja como está:
</translation>
    </message>
    <message>
        <source>  --auto              levels and white balance found for each photo from its own colours
</source>
        <translation>  --auto              niveles y balance de blancos calculados para cada foto a partir de sus propios colores
</translation>
    </message>
    <message>
        <source>Categories (--look CATEGORY:N, --strip CATEGORY):</source>
        <translation>Categorías (--look CATEGORY:N, --strip CATEGORY):</translation>
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

  --lut FILE.cube     una tabla de color 1D o 3D en formato .cube como estilo; también con -o
  --keep-faces        el estilo se retira de cada cara encontrada en la foto, su pelo y su cuello
  --quality Q         de 1 a 100, para un formato de salida con pérdida (JPEG: 90 si no se indica)
  --resize N          el lado mayor de la salida, en N píxeles (de 16 a 65535); WxH: encajar en
                      W x H; P%: el P por ciento de cada lado (de 1 a 100). Nunca amplía
  --strip-location    la salida no lleva la posición GPS; los demás datos de la cámara se conservan
  --strip-metadata    la salida no lleva datos de la cámara (el perfil de color se conserva)
  --srgb              los colores de la salida, convertidos a sRGB desde el perfil de la foto
                      (estas cuatro con --look, --lut, --filter, las ediciones o solas; también con -o)
  --thumbnail-size N  miniaturas grandes: el procesado completo de cada estilo sobre la foto, escalado a
                      N píxeles en su lado mayor (de 16 a 1024)
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
        <translation>Opciones de lote (con -o OUTDIR, tras --look, --lut o las ediciones solas):
  --files-from FILE   más entradas, una por línea (- para la entrada estándar)
  -0, --null          los nombres de --files-from terminan con un byte NUL y no con un fin de línea
                      (find -print0), para nombres que contienen un salto de línea
  -j N                fotos procesadas a la vez (predeterminado: una por núcleo)
  --name PATTERN      nombres de salida: {name} {folder} {category} {effect} {look}
                      (predeterminado: {name})
  --format FORMAT     </translation>
    </message>
    <message>
        <source> (default: the output name's extension)
  --skip-existing     leave outputs that exist as they are
  --report FILE       one JSON line a photo (- for standard output); see corvessa-render(1)
</source>
        <translation> (predeterminado: la extensión del nombre de salida)
  --skip-existing     deja como están las salidas que ya existen
  --report FILE       una línea JSON por foto (- para la salida estándar); véase corvessa-render(1)
</translation>
    </message>
    <message>
        <source>unknown category "%1" (see --list)</source>
        <translation>categoría desconocida "%1" (véase --list)</translation>
    </message>
    <message>
        <source>unknown filter "%1" (see --list)</source>
        <translation>filtro desconocido "%1" (véase --list)</translation>
    </message>
    <message>
        <source>filter argument "%1" is not a whole number</source>
        <translation>el argumento de filtro "%1" no es un número entero</translation>
    </message>
    <message>
        <source>the filter wants %1</source>
        <translation>el filtro requiere %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 wants a value</source>
        <translation>%1 requiere un valor</translation>
    </message>
    <message>
        <source>--look wants CATEGORY:N with N from 1 to 10</source>
        <translation>--look requiere CATEGORY:N con N de 1 a 10</translation>
    </message>
    <message>
        <source>--color wants R,G,B (0 to 255 each) or cancel</source>
        <translation>--color requiere R,G,B (de 0 a 255 cada uno) o cancel</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats</source>
        <translation>indique solo una de estas opciones: --look, --lut, --filter, --strip, --list y --list-formats</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats, or edits</source>
        <translation>indique solo una de estas opciones: --look, --lut, --filter, --strip, --list y --list-formats, o ediciones</translation>
    </message>
    <message>
        <source>-o OUTDIR wants at least one INPUT or --files-from</source>
        <translation>-o OUTDIR requiere al menos un INPUT o --files-from</translation>
    </message>
    <message>
        <source>the edits want INPUT and OUTPUT</source>
        <translation>las ediciones requieren INPUT y OUTPUT</translation>
    </message>
    <message>
        <source>--list takes no files</source>
        <translation>--list no admite archivos</translation>
    </message>
    <message>
        <source>--list-formats takes no files</source>
        <translation>--list-formats no admite archivos</translation>
    </message>
    <message>
        <source>--lut wants INPUT and OUTPUT</source>
        <translation>--lut requiere INPUT y OUTPUT</translation>
    </message>
    <message>
        <source>--look wants INPUT and OUTPUT</source>
        <translation>--look requiere INPUT y OUTPUT</translation>
    </message>
    <message>
        <source>--filter wants INPUT and OUTPUT</source>
        <translation>--filter requiere INPUT y OUTPUT</translation>
    </message>
    <message>
        <source>--strip wants INPUT and OUTDIR</source>
        <translation>--strip requiere INPUT y OUTDIR</translation>
    </message>
    <message>
        <source>-o belongs with --look, --lut or the edits alone</source>
        <translation>-o solo se usa con --look, --lut o con las ediciones solas</translation>
    </message>
    <message>
        <source>the edits belong with --look, --lut, --filter or alone</source>
        <translation>las ediciones solo se usan con --look, --lut, --filter o solas</translation>
    </message>
    <message>
        <source>--files-from, -j, --name, --format, --skip-existing and --report belong with -o OUTDIR</source>
        <translation>--files-from, -j, --name, --format, --skip-existing y --report solo se usan con -o OUTDIR</translation>
    </message>
    <message>
        <source>-0 belongs with --files-from</source>
        <translation>-0 solo se usa con --files-from</translation>
    </message>
    <message>
        <source>--thumbnail-size belongs with --strip</source>
        <translation>--thumbnail-size solo se usa con --strip</translation>
    </message>
    <message>
        <source>--color belongs with --look</source>
        <translation>--color solo se usa con --look</translation>
    </message>
    <message>
        <source>--pic belongs with --look or --strip</source>
        <translation>--pic solo se usa con --look o --strip</translation>
    </message>
    <message>
        <source>with --lut, --name takes {name} and {folder}</source>
        <translation>con --lut, --name solo admite {name} y {folder}</translation>
    </message>
    <message>
        <source>with the edits alone, --name takes {name} and {folder}</source>
        <translation>con las ediciones solas, --name solo admite {name} y {folder}</translation>
    </message>
    <message>
        <source>--strength belongs with --look or --lut</source>
        <translation>--strength solo se usa con --look o --lut</translation>
    </message>
    <message>
        <source>--keep-faces belongs with --look or --lut</source>
        <translation>--keep-faces solo se usa con --look o --lut</translation>
    </message>
    <message>
        <source>--quality belongs with --look, --lut, --filter or the edits</source>
        <translation>--quality solo se usa con --look, --lut, --filter o las ediciones</translation>
    </message>
    <message>
        <source>--resize, --strip-location, --strip-metadata and --srgb belong with --look, --lut, --filter, the edits or alone</source>
        <translation>--resize, --strip-location, --strip-metadata y --srgb solo se usan con --look, --lut, --filter, las ediciones o solas</translation>
    </message>
    <message>
        <source>--resize wants N or WxH (16 to 65535 pixels each) or P% (1 to 100)</source>
        <translation>--resize requiere N o WxH (de 16 a 65535 píxeles cada uno) o P% (de 1 a 100)</translation>
    </message>
    <message>
        <source>--seed wants a number from 0 to 4294967295</source>
        <translation>--seed requiere un número de 0 a 4294967295</translation>
    </message>
    <message>
        <source>--strength wants a number from 0 to 100</source>
        <translation>--strength requiere un número de 0 a 100</translation>
    </message>
    <message>
        <source>--thumbnail-size wants a number from 16 to 1024</source>
        <translation>--thumbnail-size requiere un número de 16 a 1024</translation>
    </message>
    <message>
        <source>-j wants a number from 1 to 1024</source>
        <translation>-j requiere un número de 1 a 1024</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100</source>
        <translation>--quality requiere un número de 1 a 100</translation>
    </message>
    <message>
        <source>--format wants %1</source>
        <translation>--format requiere %1</translation>
    </message>
    <message>
        <source>--adjust wants KEY=VALUE,... with KEY one of %1</source>
        <translation>--adjust requiere KEY=VALUE,... con KEY igual a una de estas: %1</translation>
    </message>
    <message>
        <source>--adjust %1 wants a whole number from %2 to %3</source>
        <translation>--adjust %1 requiere un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>--adjust %1 wants a number from %2 to %3</source>
        <translation>--adjust %1 requiere un número de %2 a %3</translation>
    </message>
    <message>
        <source>--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1</source>
        <translation>--crop requiere X,Y,W,H en píxeles enteros, con X e Y desde 0 y W y H desde 1</translation>
    </message>
    <message>
        <source>--crop-ratio wants W:H with W and H from 1 to 10000</source>
        <translation>--crop-ratio requiere W:H con W y H de 1 a 10000</translation>
    </message>
    <message>
        <source>--rotate wants 90, 180 or 270, once</source>
        <translation>--rotate requiere 90, 180 o 270, una sola vez</translation>
    </message>
    <message>
        <source>--flip wants h or v</source>
        <translation>--flip requiere h o v</translation>
    </message>
    <message>
        <source>--straighten wants degrees from -45 to 45, once</source>
        <translation>--straighten requiere grados de -45 a 45, una sola vez</translation>
    </message>
    <message>
        <source>give one of --crop and --crop-ratio, once</source>
        <translation>indique solo una de --crop y --crop-ratio, una sola vez</translation>
    </message>
    <message>
        <source>Stream write error: the report: %1</source>
        <translation>Error de escritura: el informe: %1</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent, about %4 left</source>
        <translation>%1 de %2 procesadas, tiempo %3, aprox. %4 restantes</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent</source>
        <translation>%1 de %2 procesadas, tiempo %3</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchEditBox</name>
    <message>
        <source>Edits before the look</source>
        <translation>Ediciones antes del estilo</translation>
    </message>
    <message>
        <source>The largest centred part of each photo of this shape</source>
        <translation>La mayor zona centrada de cada foto con esta proporción</translation>
    </message>
    <message>
        <source>Not turned</source>
        <translation>Sin girar</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>Der. 90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>Izq. 90°</translation>
    </message>
    <message>
        <source>Auto for each photo</source>
        <translation>Auto en cada foto</translation>
    </message>
    <message>
        <source>Levels and white balance read from each photo, in place of what those sliders say</source>
        <translation>Niveles y balance de blancos tomados de cada foto, en lugar de los valores de esos deslizadores</translation>
    </message>
    <message>
        <source>Crop:</source>
        <translation>Recorte:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Giro:</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchProgressPage</name>
    <message>
        <source>The main window stays usable; closing this dialog lets the batch go on.</source>
        <translation>La ventana principal sigue disponible; si cierra este diálogo, el lote continúa.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s, with a warning: %4</source>
        <translation>%1: guardada como %2 en %3 s, con un aviso: %4</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s</source>
        <translation>%1: guardada como %2 en %3 s</translation>
    </message>
    <message>
        <source>%1: done already</source>
        <translation>%1: ya estaba hecha</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed so far</source>
        <translation>
            <numerusform>%n fallida hasta ahora</numerusform>
            <numerusform>%n fallidas hasta ahora</numerusform>
        </translation>
    </message>
    <message>
        <source>Time spent %1, about %2 left</source>
        <translation>Tiempo transcurrido %1, quedan unos %2</translation>
    </message>
    <message>
        <source>Time spent %1</source>
        <translation>Tiempo transcurrido %1</translation>
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
        <translation>Deteniendo tras las fotos en curso...</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSettingsPage</name>
    <message>
        <source>My Looks: %1</source>
        <translation>Mis estilos: %1</translation>
    </message>
    <message>
        <source>The look in the preview: %1</source>
        <translation>El estilo de la vista previa: %1</translation>
    </message>
    <message>
        <source>The look in the preview (none shown yet)</source>
        <translation>El estilo de la vista previa (aún no se muestra ninguno)</translation>
    </message>
    <message>
        <source>This look takes no colour</source>
        <translation>Este estilo no admite color</translation>
    </message>
    <message>
        <source>Fields: %1</source>
        <translation>Campos: %1</translation>
    </message>
    <message>
        <source>The first photo's: %1</source>
        <translation>El de la primera foto: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Añadir archivos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Photos may also be dropped here.</source>
        <translation>También puede soltar fotos aquí.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>This look, on the first photo:</source>
        <translation>Este estilo, sobre la primera foto:</translation>
    </message>
    <message>
        <source>A .cube file:</source>
        <translation>Un archivo .cube:</translation>
    </message>
    <message>
        <source>A colour table of the .cube form as the look</source>
        <translation>Una tabla de color en formato .cube como estilo</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Change Color:</source>
        <translation>Cambiar color:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Intensidad:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Proteger caras</translation>
    </message>
    <message>
        <source>The look taken back over the faces found in each photo</source>
        <translation>El estilo se retira de las caras encontradas en cada foto</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Nombres:</translation>
    </message>
    <message>
        <source>Skip photos already done</source>
        <translation>Omitir fotos ya hechas</translation>
    </message>
    <message>
        <source>To share:</source>
        <translation>Para compartir:</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>tamaño completo</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The longer side of each output; a smaller photo keeps its size</source>
        <translation>El lado mayor de cada salida; una foto más pequeña conserva su tamaño</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>Without the location</source>
        <translation>Sin la ubicación</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Añada fotos para ver los estilos sobre la primera de ellas.</translation>
    </message>
    <message>
        <source>Making the thumbnails...</source>
        <translation>Creando las miniaturas...</translation>
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
        <translation>Procesadas con un aviso:</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>New Batch</source>
        <translation>Nuevo lote</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Cancelled: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Cancelado: %1 de %n foto procesada&lt;/b&gt; en %2; tiempo: %3.</numerusform>
            <numerusform>&lt;b&gt;Cancelado: %1 de %n fotos procesadas&lt;/b&gt; en %2; tiempo: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Done: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Hecho: %1 de %n foto procesada&lt;/b&gt; en %2; tiempo: %3.</numerusform>
            <numerusform>&lt;b&gt;Hecho: %1 de %n fotos procesadas&lt;/b&gt; en %2; tiempo: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done already and left as they were.</source>
        <translation>
            <numerusform>%n ya estaba hecha y se ha dejado como estaba.</numerusform>
            <numerusform>%n ya estaban hechas y se han dejado como estaban.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not rendered: the batch was cancelled.</source>
        <translation>
            <numerusform>%n sin procesar: se canceló el lote.</numerusform>
            <numerusform>%n sin procesar: se canceló el lote.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed:</source>
        <translation>
            <numerusform>%n fallida:</numerusform>
            <numerusform>%n fallidas:</numerusform>
        </translation>
    </message>
    <message>
        <source>None failed.</source>
        <translation>Ninguna ha fallado.</translation>
    </message>
    <message>
        <source>Nothing on this desktop shows folders; the photos are in %1.</source>
        <translation>Este escritorio no tiene ningún programa que muestre carpetas; las fotos están en %1.</translation>
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
        <translation>%1 × %2 píxeles</translation>
    </message>
</context>
<context>
    <name>corvessa::TEditPanel</name>
    <message>
        <source>The crop frame's shape; drag its corners and sides on the photo</source>
        <translation>La proporción del marco de recorte; arrastre sus esquinas y lados sobre la foto</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>Izq. 90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the left</source>
        <translation>Gira la foto un cuarto de vuelta a la izquierda</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>Der. 90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the right</source>
        <translation>Gira la foto un cuarto de vuelta a la derecha</translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation>Voltear ↔</translation>
    </message>
    <message>
        <source>Mirrors the photo left to right</source>
        <translation>Refleja la foto de izquierda a derecha</translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation>Voltear ↕</translation>
    </message>
    <message>
        <source>Mirrors the photo top to bottom</source>
        <translation>Refleja la foto de arriba abajo</translation>
    </message>
    <message>
        <source>Turns the photo by up to 45° either way and keeps the largest upright part of it</source>
        <translation>Gira la foto hasta 45° en cualquier sentido y conserva la mayor parte recta de ella</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Enderezar</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Levels and white balance from the photo</source>
        <translation>Niveles y balance de blancos a partir de la foto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Every edit back at none</source>
        <translation>Todas las ediciones a cero</translation>
    </message>
    <message>
        <source>Closes the panel; the photo stays as it was (%1)</source>
        <translation>Cierra el panel; la foto queda como estaba (%1)</translation>
    </message>
    <message>
        <source>Makes the edits your photo (%1)</source>
        <translation>Aplica las ediciones a su foto (%1)</translation>
    </message>
    <message>
        <source>Screen (%1:%2)</source>
        <translation>Pantalla (%1:%2)</translation>
    </message>
    <message>
        <source>Applied the edits</source>
        <translation>Ediciones aplicadas</translation>
    </message>
    <message>
        <source>Applying the edits</source>
        <translation>Aplicando las ediciones</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 píxeles</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormBatch</name>
    <message>
        <source>Batch</source>
        <translation>Por lotes</translation>
    </message>
    <message numerus="yes">
        <source>%n of the outputs exist already in %1.</source>
        <translation>
            <numerusform>%n de los archivos de salida ya existe en %1.</numerusform>
            <numerusform>%n de los archivos de salida ya existen en %1.</numerusform>
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
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Full size</source>
        <translation>Tamaño completo</translation>
    </message>
    <message>
        <source>Long edge, pixels</source>
        <translation>Lado mayor, píxeles</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Remove the location (GPS)</source>
        <translation>Quitar la ubicación (GPS)</translation>
    </message>
    <message>
        <source>Remove all camera data</source>
        <translation>Quitar todos los datos de la cámara</translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation>Convertir a sRGB</translation>
    </message>
    <message>
        <source>The colours every browser and phone shows right</source>
        <translation>Los colores que todos los navegadores y teléfonos muestran bien</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>{name}: the photo's name, {folder}: its folder's</source>
        <translation>{name}: el nombre de la foto; {folder}: el de su carpeta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exportar a</translation>
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
        <translation>El nombre de una exportación solo admite {name} y {folder}</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>calculando...</translation>
    </message>
    <message>
        <source>about %1, %2 x %3</source>
        <translation>aprox. %1, %2 x %3</translation>
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
        <translation>Aplicado de Mis estilos: %1</translation>
    </message>
    <message>
        <source>Applied %1</source>
        <translation>Aplicado: %1</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Cambio deshecho</translation>
    </message>
    <message>
        <source>Redone</source>
        <translation>Cambio rehecho</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Un momento</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>PROCESANDO---</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Otro color</translation>
    </message>
    <message>
        <source>Hold to see the photo without the look (or hold %1)</source>
        <translation>Mantenga pulsado para ver la foto sin el estilo (o mantenga pulsada la tecla %1)</translation>
    </message>
    <message>
        <source>Strength of the look</source>
        <translation>Intensidad del estilo</translation>
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
        <translation>Ayuda de Corvessa</translation>
    </message>
</context>
<context>
    <name>corvessa::TImageView</name>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
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
        <translation>Procesando</translation>
    </message>
    <message>
        <source>%1 cannot be used</source>
        <translation>%1 no se puede usar</translation>
    </message>
    <message>
        <source>Preview - %1 %2: %3</source>
        <translation>Vista previa - %1 %2: %3</translation>
    </message>
    <message>
        <source>Preview - My Looks: %1</source>
        <translation>Vista previa - Mis estilos: %1</translation>
    </message>
</context>
<context>
    <name>corvessa::TLooksStrip</name>
    <message>
        <source>Large thumbnails: each look drawn large, with its name (%1)</source>
        <translation>Miniaturas grandes: cada estilo en grande, con su nombre (%1)</translation>
    </message>
    <message>
        <source>Drawing the thumbnails</source>
        <translation>Dibujando las miniaturas</translation>
    </message>
    <message>
        <source>Drawing your looks</source>
        <translation>Dibujando sus estilos</translation>
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
        <translation>Mis estilos</translation>
    </message>
    <message>
        <source>Your own .cube colour tables from %1</source>
        <translation>Sus propias tablas de color .cube, tomadas de %1</translation>
    </message>
    <message>
        <source>Add Look…</source>
        <translation>Añadir…</translation>
    </message>
    <message>
        <source>Copy .cube colour tables into %1 (%2, or drop them on the window)</source>
        <translation>Copiar tablas de color .cube en %1 (%2, o suéltelas en la ventana)</translation>
    </message>
    <message>
        <source>Previous looks (%1)</source>
        <translation>Estilos anteriores (%1)</translation>
    </message>
    <message>
        <source>Next looks (%1)</source>
        <translation>Estilos siguientes (%1)</translation>
    </message>
    <message>
        <source>No looks of your own yet. Put .cube colour tables into %1, press Add Look... (%2), or drop .cube files on this window.</source>
        <translation>Aún no tiene estilos propios. Ponga tablas de color .cube en %1, pulse Añadir... (%2) o suelte archivos .cube en esta ventana.</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Sin estilos</translation>
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
        <translation>Leyendo sus estilos</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoOpener</name>
    <message>
        <source>Opening %1</source>
        <translation>Abriendo %1</translation>
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
        <translation>Guardando %1</translation>
    </message>
</context>
</TS>