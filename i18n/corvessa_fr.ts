<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessibleText</name>
    <message>
        <source>My Looks, look %1: %2</source>
        <translation>Mes styles, style %1 : %2</translation>
    </message>
    <message>
        <source>%1, look %2: %3</source>
        <translation>%1, style %2 : %3</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Style %1</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Intensité %1 %</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Aucune photo</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, zoom %3</source>
        <translation>%1 × %2 pixels, zoom %3</translation>
    </message>
    <message>
        <source>The photo being edited</source>
        <translation>La photo en cours de retouche</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Cadre de recadrage</translation>
    </message>
    <message>
        <source>The photo with the look</source>
        <translation>La photo avec le style</translation>
    </message>
    <message>
        <source>The working photo</source>
        <translation>La photo de travail</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>The photos the batch renders; Add Files, Add Folder or a drop adds more</source>
        <translation>Les photos que traite le lot ; Ajouter des fichiers, Ajouter un dossier ou un glisser-déposer en ajoute d'autres</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>The category whose looks show below</source>
        <translation>La catégorie dont les styles s'affichent en dessous</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Styles</translation>
    </message>
    <message>
        <source>The ten looks of the category, drawn from the first photo</source>
        <translation>Les dix styles de la catégorie, appliqués à la première photo</translation>
    </message>
    <message>
        <source>The .cube file</source>
        <translation>Le fichier .cube</translation>
    </message>
    <message>
        <source>Choose the .cube file</source>
        <translation>Choisir le fichier .cube</translation>
    </message>
    <message>
        <source>Choose the colour</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>How much of the look each photo takes</source>
        <translation>L'intensité du style appliqué à chaque photo</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>The pattern of the output names</source>
        <translation>Le modèle des noms de sortie</translation>
    </message>
    <message>
        <source>Longer side</source>
        <translation>Grand côté</translation>
    </message>
    <message>
        <source>The longer side of each output in pixels, or full size</source>
        <translation>Le grand côté de chaque photo produite, en pixels, ou pleine taille</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrage</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Photos traitées</translation>
    </message>
    <message>
        <source>Every photo as it ends, the latest at the foot</source>
        <translation>Chaque photo dès qu'elle est terminée, la plus récente en bas</translation>
    </message>
    <message>
        <source>Photos that failed</source>
        <translation>Photos en échec</translation>
    </message>
    <message>
        <source>Photos rendered with a warning</source>
        <translation>Photos traitées avec un avertissement</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Long edge or percentage</source>
        <translation>Grand côté ou pourcentage</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>The pattern of the copy's name</source>
        <translation>Le modèle du nom de la copie</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d'aide</translation>
    </message>
</context>
<context>
    <name>ActionTable</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>opens a photo</source>
        <translation>ouvre une photo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>writes the photo shown to a file</source>
        <translation>enregistre dans un fichier la photo affichée</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>writes a copy for sharing: smaller, without the location</source>
        <translation>enregistre une copie à partager : plus petite, sans la localisation</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>takes back the last Apply</source>
        <translation>défait la dernière application</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>brings back the Apply Undo took back</source>
        <translation>rétablit l'application que Défaire a retirée</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Retoucher</translation>
    </message>
    <message>
        <source>crops, turns, straightens and adjusts the photo in the Edit panel</source>
        <translation>recadre, fait pivoter, redresse et règle la photo dans le panneau de retouche</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Par lots</translation>
    </message>
    <message>
        <source>puts one look on many photos</source>
        <translation>applique un style à plusieurs photos</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Ajouter un style</translation>
    </message>
    <message>
        <source>copies .cube colour tables into My Looks</source>
        <translation>copie des tables de couleurs .cube dans Mes styles</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>shows this page</source>
        <translation>affiche cette page</translation>
    </message>
    <message>
        <source>Next looks</source>
        <translation>Styles suivants</translation>
    </message>
    <message>
        <source>the next ten of My Looks</source>
        <translation>les dix suivants de Mes styles</translation>
    </message>
    <message>
        <source>Previous looks</source>
        <translation>Styles précédents</translation>
    </message>
    <message>
        <source>the ten of My Looks before</source>
        <translation>les dix précédents de Mes styles</translation>
    </message>
    <message>
        <source>Large looks</source>
        <translation>Miniatures XL</translation>
    </message>
    <message>
        <source>each look drawn large with its name, or the small strip again</source>
        <translation>chaque style en grand avec son nom, ou de nouveau la petite bande</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>one photo pixel a screen pixel</source>
        <translation>un pixel de la photo par pixel d'écran</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>the whole photo in view again</source>
        <translation>de nouveau toute la photo à l'écran</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>stops the Open, render or thumbnails that run; in the preview, drops the look; in the Edit panel, leaves it with the photo as it was</source>
        <translation>arrête l'ouverture, le rendu ou les miniatures en cours ; dans l'aperçu, abandonne le style ; dans le panneau de retouche, le ferme en laissant la photo telle qu'elle était</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>makes the look shown your photo</source>
        <translation>applique à votre photo le style affiché</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>held down, shows the photo as it was</source>
        <translation>maintenu enfoncé, montre la photo telle qu'elle était</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>frames the thumbnail beside the one framed</source>
        <translation>encadre la miniature voisine de celle qui est encadrée</translation>
    </message>
    <message>
        <source>frames the thumbnail above or below the one framed</source>
        <translation>encadre la miniature au-dessus ou au-dessous de celle qui est encadrée</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>shows the framed thumbnail's look in the preview</source>
        <translation>affiche dans l'aperçu le style de la miniature encadrée</translation>
    </message>
    <message>
        <source>makes the edits your photo</source>
        <translation>applique les retouches à votre photo</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>frames the category button above or below the one framed</source>
        <translation>encadre le bouton de catégorie au-dessus ou au-dessous de celui qui est encadré</translation>
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
        <translation>le panneau de retouche</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>l'aperçu</translation>
    </message>
    <message>
        <source>the main window</source>
        <translation>la fenêtre principale</translation>
    </message>
    <message>
        <source>both windows</source>
        <translation>les deux fenêtres</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Cadre de recadrage</translation>
    </message>
    <message>
        <source>moves the framed crop frame left or right</source>
        <translation>déplace le cadre de recadrage sélectionné vers la gauche ou vers la droite</translation>
    </message>
    <message>
        <source>moves the framed crop frame up or down</source>
        <translation>déplace le cadre de recadrage sélectionné vers le haut ou vers le bas</translation>
    </message>
    <message>
        <source>makes the framed crop frame narrower or wider</source>
        <translation>rend le cadre de recadrage sélectionné plus étroit ou plus large</translation>
    </message>
    <message>
        <source>makes the framed crop frame shorter or taller</source>
        <translation>rend le cadre de recadrage sélectionné moins haut ou plus haut</translation>
    </message>
</context>
<context>
    <name>Adjustments</name>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Brighter or darker, in stops; highlights roll off, never clip</source>
        <translation>Plus clair ou plus sombre, en IL ; les hautes lumières s'adoucissent sans jamais être écrêtées</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Steeper tones about the middle grey, flatter below 0</source>
        <translation>Tons plus marqués autour du gris moyen, plus plats en dessous de 0</translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation>Hautes lumières</translation>
    </message>
    <message>
        <source>Below 0 brings back bright areas' detail; above 0 brightens them</source>
        <translation>En dessous de 0, récupère le détail des zones claires ; au-dessus de 0, les éclaircit</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Ombres</translation>
    </message>
    <message>
        <source>Above 0 brings out dark areas' detail; below 0 deepens them</source>
        <translation>Au-dessus de 0, fait ressortir le détail des zones sombres ; en dessous de 0, les assombrit</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Every colour stronger, or weaker below 0; -100 is black and white</source>
        <translation>Toutes les couleurs plus intenses, ou plus faibles en dessous de 0 ; -100 donne du noir et blanc</translation>
    </message>
    <message>
        <source>Vibrance</source>
        <translation>Vibrance</translation>
    </message>
    <message>
        <source>Muted colours stronger than strong ones, skin tones spared</source>
        <translation>Les couleurs ternes renforcées plus que les vives, les tons chair épargnés</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Chaleur</translation>
    </message>
    <message>
        <source>Warmer light (yellow) above 0, cooler (blue) below</source>
        <translation>Lumière plus chaude (jaune) au-dessus de 0, plus froide (bleue) en dessous</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Towards magenta above 0, towards green below</source>
        <translation>Vers le magenta au-dessus de 0, vers le vert en dessous</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignettage</translation>
    </message>
    <message>
        <source>Darker corners above 0, lighter below</source>
        <translation>Coins plus sombres au-dessus de 0, plus clairs en dessous</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Crisper fine detail above 0, softer below</source>
        <translation>Détails fins plus nets au-dessus de 0, plus doux en dessous</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Puts ready-made looks on a photo.</source>
        <translation>Applique des styles prêts à l'emploi à une photo.</translation>
    </message>
    <message>
        <source>The photo to open in place of the sample photo.</source>
        <translation>La photo à ouvrir à la place de la photo d'exemple.</translation>
    </message>
    <message>
        <source>Try 'corvessa --help'.</source>
        <translation>Essayez « corvessa --help ».</translation>
    </message>
    <message>
        <source>one photo at a time, not %1</source>
        <translation>une seule photo à la fois, pas %1</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>All pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>the format's own</source>
        <translation>celle du format</translation>
    </message>
    <message>
        <source>Quality of a JPEG, HEIC, AVIF, WebP or JPEG XL save, 1 to 100</source>
        <translation>Qualité d'un enregistrement JPEG, HEIC, AVIF, WebP ou JPEG XL, de 1 à 100</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Colour tables</source>
        <translation>Tables de couleurs</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Ajouter un style</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>%1 is the name of a %2 file, but the file type chosen is %3.
Save the photo as %2 under %1, or as %3 under %4?</source>
        <translation>%1 est le nom d'un fichier %2, mais le type de fichier choisi est %3.
Enregistrer la photo en %2 sous %1, ou en %3 sous %4 ?</translation>
    </message>
    <message>
        <source>Save as %1</source>
        <translation>Enregistrer en %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Skip those</source>
        <translation>Les ignorer</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before closing?</source>
        <translation>La photo a des modifications qui n'ont pas été enregistrées.
Voulez-vous les enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before opening %1?</source>
        <translation>La photo a des modifications qui n'ont pas été enregistrées.
Voulez-vous les enregistrer avant d'ouvrir %1 ?</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 ko</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>read, write</source>
        <translation>lecture, écriture</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
</context>
<context>
    <name>Looks</name>
    <message>
        <source>Light A</source>
        <translation>Lumière A</translation>
    </message>
    <message>
        <source>Amber Leak</source>
        <translation>Fuite ambrée</translation>
    </message>
    <message>
        <source>Corner Burn</source>
        <translation>Coin brûlé</translation>
    </message>
    <message>
        <source>Edge Film Burn</source>
        <translation>Bord de film brûlé</translation>
    </message>
    <message>
        <source>Twin Corner Leaks</source>
        <translation>Fuites aux deux coins</translation>
    </message>
    <message>
        <source>Warm Sweep</source>
        <translation>Balayage chaud</translation>
    </message>
    <message>
        <source>Golden Rise</source>
        <translation>Montée dorée</translation>
    </message>
    <message>
        <source>Burn Hole</source>
        <translation>Trou de brûlure</translation>
    </message>
    <message>
        <source>Film Gate Streaks</source>
        <translation>Stries de pellicule</translation>
    </message>
    <message>
        <source>Peach Wash</source>
        <translation>Voile pêche</translation>
    </message>
    <message>
        <source>Ember Edges</source>
        <translation>Bords de braise</translation>
    </message>
    <message>
        <source>Warm light leaks and film burns laid over the photo</source>
        <translation>Fuites de lumière chaudes et brûlures de film posées sur la photo</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Lumière B</translation>
    </message>
    <message>
        <source>Blue Leak</source>
        <translation>Fuite bleue</translation>
    </message>
    <message>
        <source>Prism Edge</source>
        <translation>Bord prismatique</translation>
    </message>
    <message>
        <source>Cyan Flare</source>
        <translation>Flare cyan</translation>
    </message>
    <message>
        <source>Teal Violet Corners</source>
        <translation>Coins canard-violet</translation>
    </message>
    <message>
        <source>Anamorphic Streak</source>
        <translation>Traînée anamorphique</translation>
    </message>
    <message>
        <source>Prism Fan</source>
        <translation>Éventail prismatique</translation>
    </message>
    <message>
        <source>Halo Flare</source>
        <translation>Flare en halo</translation>
    </message>
    <message>
        <source>Violet Pour</source>
        <translation>Coulée violette</translation>
    </message>
    <message>
        <source>Spectral Streaks</source>
        <translation>Traînées spectrales</translation>
    </message>
    <message>
        <source>Moonlit Haze</source>
        <translation>Brume lunaire</translation>
    </message>
    <message>
        <source>Cool flares, rainbow leaks and lens streaks laid over the photo</source>
        <translation>Flares froids, fuites arc-en-ciel et traînées d'objectif posés sur la photo</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Lumière C</translation>
    </message>
    <message>
        <source>Corner Sunbeams</source>
        <translation>Rayons en coin</translation>
    </message>
    <message>
        <source>God Rays</source>
        <translation>Rayons crépusculaires</translation>
    </message>
    <message>
        <source>Golden Bokeh</source>
        <translation>Bokeh doré</translation>
    </message>
    <message>
        <source>Side Bokeh</source>
        <translation>Bokeh latéral</translation>
    </message>
    <message>
        <source>Sunburst Corner</source>
        <translation>Soleil en coin</translation>
    </message>
    <message>
        <source>Low Sun</source>
        <translation>Soleil bas</translation>
    </message>
    <message>
        <source>Corner Hexagons</source>
        <translation>Hexagones en coin</translation>
    </message>
    <message>
        <source>Amber Uplight</source>
        <translation>Lueur ambrée montante</translation>
    </message>
    <message>
        <source>Forest Shafts</source>
        <translation>Rais de sous-bois</translation>
    </message>
    <message>
        <source>Low Bokeh</source>
        <translation>Bokeh bas</translation>
    </message>
    <message>
        <source>Sunbeams, rays and soft bokeh lights laid over the photo</source>
        <translation>Rayons de soleil, faisceaux et douces lumières de bokeh posés sur la photo</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <source>Blue Sky Glitter</source>
        <translation>Paillettes bleu ciel</translation>
    </message>
    <message>
        <source>Golden Glints</source>
        <translation>Éclats dorés</translation>
    </message>
    <message>
        <source>Star Haze Arc</source>
        <translation>Arc de brume étoilée</translation>
    </message>
    <message>
        <source>Blue Giants</source>
        <translation>Géantes bleues</translation>
    </message>
    <message>
        <source>Rose Gold Trail</source>
        <translation>Traînée or rose</translation>
    </message>
    <message>
        <source>Magic Dust</source>
        <translation>Poussière magique</translation>
    </message>
    <message>
        <source>Rainbow Corners</source>
        <translation>Coins arc-en-ciel</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Pluie de météores</translation>
    </message>
    <message>
        <source>Glitter Frame</source>
        <translation>Cadre pailleté</translation>
    </message>
    <message>
        <source>Great Starburst</source>
        <translation>Grand éclat étoilé</translation>
    </message>
    <message>
        <source>Stars, glints and sparkles scattered over the photo</source>
        <translation>Étoiles, éclats et scintillements semés sur la photo</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Merveilles</translation>
    </message>
    <message>
        <source>Corner Fireworks</source>
        <translation>Feu d'artifice en coin</translation>
    </message>
    <message>
        <source>Aurora Sky</source>
        <translation>Aurore boréale</translation>
    </message>
    <message>
        <source>Summer Rainbow</source>
        <translation>Arc-en-ciel d'été</translation>
    </message>
    <message>
        <source>Low Light Trails</source>
        <translation>Filés lumineux bas</translation>
    </message>
    <message>
        <source>Laser Show</source>
        <translation>Spectacle laser</translation>
    </message>
    <message>
        <source>Golden Burst</source>
        <translation>Gerbe dorée</translation>
    </message>
    <message>
        <source>Passing Comet</source>
        <translation>Comète de passage</translation>
    </message>
    <message>
        <source>Sun Halo</source>
        <translation>Halo solaire</translation>
    </message>
    <message>
        <source>Light Painting</source>
        <translation>Peinture de lumière</translation>
    </message>
    <message>
        <source>Cosmic Nebula</source>
        <translation>Nébuleuse cosmique</translation>
    </message>
    <message>
        <source>Fireworks, northern lights, rainbows and other wonders in the sky</source>
        <translation>Feux d'artifice, aurores boréales, arcs-en-ciel et autres merveilles du ciel</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>Light Rain</source>
        <translation>Pluie fine</translation>
    </message>
    <message>
        <source>Soft Snowfall</source>
        <translation>Neige douce</translation>
    </message>
    <message>
        <source>Low Fog</source>
        <translation>Brouillard bas</translation>
    </message>
    <message>
        <source>Heavy Downpour</source>
        <translation>Pluie battante</translation>
    </message>
    <message>
        <source>Lightning Strike</source>
        <translation>Éclair d'orage</translation>
    </message>
    <message>
        <source>Hail Shower</source>
        <translation>Averse de grêle</translation>
    </message>
    <message>
        <source>Driving Blizzard</source>
        <translation>Blizzard cinglant</translation>
    </message>
    <message>
        <source>Morning Mist</source>
        <translation>Brume matinale</translation>
    </message>
    <message>
        <source>Grey Drizzle</source>
        <translation>Bruine grise</translation>
    </message>
    <message>
        <source>Snow Crystals</source>
        <translation>Cristaux de neige</translation>
    </message>
    <message>
        <source>Rain, snow, fog and lightning laid over the photo</source>
        <translation>Pluie, neige, brouillard et éclairs posés sur la photo</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Warm To Cool</source>
        <translation>Du chaud au froid</translation>
    </message>
    <message>
        <source>Sunset Bands</source>
        <translation>Bandes de couchant</translation>
    </message>
    <message>
        <source>Teal Orange</source>
        <translation>Canard-orange</translation>
    </message>
    <message>
        <source>Warm Centre</source>
        <translation>Centre chaud</translation>
    </message>
    <message>
        <source>Rose To Blue</source>
        <translation>Du rose au bleu</translation>
    </message>
    <message>
        <source>Pastel Rainbow</source>
        <translation>Arc-en-ciel pastel</translation>
    </message>
    <message>
        <source>Cross Process</source>
        <translation>Traitement croisé</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>Nuit bleue</translation>
    </message>
    <message>
        <source>Golden Corner</source>
        <translation>Coin doré</translation>
    </message>
    <message>
        <source>Green Purple</source>
        <translation>Vert-pourpre</translation>
    </message>
    <message>
        <source>Colour gradients blended into the photo</source>
        <translation>Dégradés de couleur fondus dans la photo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Mint Tint</source>
        <translation>Teinte menthe</translation>
    </message>
    <message>
        <source>Lemon Tint</source>
        <translation>Teinte citron</translation>
    </message>
    <message>
        <source>Cyan Tint</source>
        <translation>Teinte cyan</translation>
    </message>
    <message>
        <source>Orange Tint</source>
        <translation>Teinte orange</translation>
    </message>
    <message>
        <source>Violet Tint</source>
        <translation>Teinte violette</translation>
    </message>
    <message>
        <source>Pop Quadrants</source>
        <translation>Quadrants pop</translation>
    </message>
    <message>
        <source>Olive Mono</source>
        <translation>Monochrome olive</translation>
    </message>
    <message>
        <source>Crimson Veil</source>
        <translation>Voile cramoisi</translation>
    </message>
    <message>
        <source>Green Edges</source>
        <translation>Bords verts</translation>
    </message>
    <message>
        <source>Green Mono</source>
        <translation>Monochrome vert</translation>
    </message>
    <message>
        <source>The photo tinted with one colour or several</source>
        <translation>La photo teintée d'une couleur ou de plusieurs</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Bright Paper</source>
        <translation>Papier clair</translation>
    </message>
    <message>
        <source>Primed Canvas</source>
        <translation>Toile apprêtée</translation>
    </message>
    <message>
        <source>Film Grain</source>
        <translation>Grain argentique</translation>
    </message>
    <message>
        <source>Grunge Stains</source>
        <translation>Taches grunge</translation>
    </message>
    <message>
        <source>Raw Concrete</source>
        <translation>Béton brut</translation>
    </message>
    <message>
        <source>Wood Grain</source>
        <translation>Veinure de bois</translation>
    </message>
    <message>
        <source>Celadon Crackle</source>
        <translation>Craquelé céladon</translation>
    </message>
    <message>
        <source>Old Print</source>
        <translation>Vieux tirage</translation>
    </message>
    <message>
        <source>Faded Denim</source>
        <translation>Denim délavé</translation>
    </message>
    <message>
        <source>Burnt Parchment</source>
        <translation>Parchemin brûlé</translation>
    </message>
    <message>
        <source>Paper, canvas, grain and other surfaces blended into the photo</source>
        <translation>Papier, toile, grain et autres surfaces fondus dans la photo</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Bordure A</translation>
    </message>
    <message>
        <source>Frosted Margin</source>
        <translation>Marge givrée</translation>
    </message>
    <message>
        <source>Soft Oval</source>
        <translation>Ovale doux</translation>
    </message>
    <message>
        <source>Torn Paper</source>
        <translation>Papier déchiré</translation>
    </message>
    <message>
        <source>Deckled Print</source>
        <translation>Tirage à bords frangés</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Timbre-poste</translation>
    </message>
    <message>
        <source>Sprocket Strip</source>
        <translation>Bande perforée</translation>
    </message>
    <message>
        <source>Brush Strokes</source>
        <translation>Coups de pinceau</translation>
    </message>
    <message>
        <source>Heart Shape</source>
        <translation>Forme de cœur</translation>
    </message>
    <message>
        <source>Soft Circle</source>
        <translation>Cercle doux</translation>
    </message>
    <message>
        <source>Instant Photo</source>
        <translation>Photo instantanée</translation>
    </message>
    <message>
        <source>Margins and shaped frames around the photo</source>
        <translation>Marges et cadres découpés autour de la photo</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Bordure B</translation>
    </message>
    <message>
        <source>Cloud Frame</source>
        <translation>Cadre de nuages</translation>
    </message>
    <message>
        <source>Feathered Edge</source>
        <translation>Bord estompé</translation>
    </message>
    <message>
        <source>Lined Mat</source>
        <translation>Passe-partout à filet</translation>
    </message>
    <message>
        <source>Grunge Spray</source>
        <translation>Aérosol grunge</translation>
    </message>
    <message>
        <source>Rounded Corners</source>
        <translation>Coins arrondis</translation>
    </message>
    <message>
        <source>Lace Oval</source>
        <translation>Ovale en dentelle</translation>
    </message>
    <message>
        <source>Arched Window</source>
        <translation>Fenêtre cintrée</translation>
    </message>
    <message>
        <source>Notepad Page</source>
        <translation>Page de bloc-notes</translation>
    </message>
    <message>
        <source>Slide Mount</source>
        <translation>Cache de diapositive</translation>
    </message>
    <message>
        <source>Spray Splatter</source>
        <translation>Projections d'aérosol</translation>
    </message>
    <message>
        <source>More frames: clouds, lace, torn paper and slide mounts</source>
        <translation>Encore des cadres : nuages, dentelle, papier déchiré et caches de diapositive</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Rêve A</translation>
    </message>
    <message>
        <source>Pink Haze</source>
        <translation>Brume rose</translation>
    </message>
    <message>
        <source>Floating Hearts</source>
        <translation>Cœurs flottants</translation>
    </message>
    <message>
        <source>Soap Bubbles</source>
        <translation>Bulles de savon</translation>
    </message>
    <message>
        <source>Lavender Glitter</source>
        <translation>Paillettes lavande</translation>
    </message>
    <message>
        <source>Heart Bokeh</source>
        <translation>Bokeh en cœurs</translation>
    </message>
    <message>
        <source>Peach Bubbles</source>
        <translation>Bulles pêche</translation>
    </message>
    <message>
        <source>Pastel Orbs</source>
        <translation>Orbes pastel</translation>
    </message>
    <message>
        <source>White Dream</source>
        <translation>Rêve blanc</translation>
    </message>
    <message>
        <source>Pastel Drift</source>
        <translation>Dérive pastel</translation>
    </message>
    <message>
        <source>Falling Petals</source>
        <translation>Pluie de pétales</translation>
    </message>
    <message>
        <source>Soft pastel haze, hearts and bubbles over the photo</source>
        <translation>Douce brume pastel, cœurs et bulles sur la photo</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Rêve B</translation>
    </message>
    <message>
        <source>Cotton Candy</source>
        <translation>Barbe à papa</translation>
    </message>
    <message>
        <source>Corner Hearts</source>
        <translation>Cœurs en coin</translation>
    </message>
    <message>
        <source>Big Bubbles</source>
        <translation>Grosses bulles</translation>
    </message>
    <message>
        <source>Golden Magic</source>
        <translation>Magie dorée</translation>
    </message>
    <message>
        <source>Pastel Clouds</source>
        <translation>Nuages pastel</translation>
    </message>
    <message>
        <source>Violet Sparkle</source>
        <translation>Étincelles violettes</translation>
    </message>
    <message>
        <source>Fairy Light Heart</source>
        <translation>Cœur en guirlande</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Croissant de lune</translation>
    </message>
    <message>
        <source>Sky Lanterns</source>
        <translation>Lanternes célestes</translation>
    </message>
    <message>
        <source>Rose Gold Dust</source>
        <translation>Poussière or rose</translation>
    </message>
    <message>
        <source>Candy colours, clouds and fairy lights over the photo</source>
        <translation>Couleurs bonbon, nuages et guirlandes lumineuses sur la photo</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Fine Rules</source>
        <translation>Lignes fines</translation>
    </message>
    <message>
        <source>Fine Columns</source>
        <translation>Colonnes fines</translation>
    </message>
    <message>
        <source>Diagonal Hairlines</source>
        <translation>Traits fins diagonaux</translation>
    </message>
    <message>
        <source>Fine Grid</source>
        <translation>Grille fine</translation>
    </message>
    <message>
        <source>Dot Screen</source>
        <translation>Trame de points</translation>
    </message>
    <message>
        <source>Cross Hatch</source>
        <translation>Hachures croisées</translation>
    </message>
    <message>
        <source>Wave Lines</source>
        <translation>Lignes ondulées</translation>
    </message>
    <message>
        <source>Brick Lines</source>
        <translation>Motif de briques</translation>
    </message>
    <message>
        <source>Halftone Corner</source>
        <translation>Coin tramé</translation>
    </message>
    <message>
        <source>Zigzag Rules</source>
        <translation>Lignes en zigzag</translation>
    </message>
    <message>
        <source>Line patterns drawn from the photo</source>
        <translation>Motifs de lignes tirés de la photo</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Soft Bloom</source>
        <translation>Lueur douce</translation>
    </message>
    <message>
        <source>Dark Bloom</source>
        <translation>Lueur sombre</translation>
    </message>
    <message>
        <source>Misty Grey</source>
        <translation>Gris brumeux</translation>
    </message>
    <message>
        <source>Muted Wash</source>
        <translation>Lavis sourd</translation>
    </message>
    <message>
        <source>Deep Tones</source>
        <translation>Tons profonds</translation>
    </message>
    <message>
        <source>Bright Glow</source>
        <translation>Rayonnement vif</translation>
    </message>
    <message>
        <source>Coloured Pencil</source>
        <translation>Crayon de couleur</translation>
    </message>
    <message>
        <source>Strong Contrast</source>
        <translation>Contraste fort</translation>
    </message>
    <message>
        <source>Mosaic Tiles</source>
        <translation>Carreaux de mosaïque</translation>
    </message>
    <message>
        <source>Pencil Sketch</source>
        <translation>Croquis au crayon</translation>
    </message>
    <message>
        <source>Glows, washes, pencil drawings and mosaics made from the photo</source>
        <translation>Lueurs, lavis, dessins au crayon et mosaïques tirés de la photo</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Mélanges</translation>
    </message>
    <message>
        <source>Fireworks Circle</source>
        <translation>Cercle pyrotechnique</translation>
    </message>
    <message>
        <source>Lilac Mist</source>
        <translation>Brume lilas</translation>
    </message>
    <message>
        <source>Rainy Day</source>
        <translation>Jour de pluie</translation>
    </message>
    <message>
        <source>Night Vision</source>
        <translation>Vision nocturne</translation>
    </message>
    <message>
        <source>Nebula Dream</source>
        <translation>Rêve de nébuleuse</translation>
    </message>
    <message>
        <source>Rose Wood</source>
        <translation>Bois de rose</translation>
    </message>
    <message>
        <source>Old Film Flare</source>
        <translation>Flare de vieux film</translation>
    </message>
    <message>
        <source>Magenta Dream</source>
        <translation>Rêve magenta</translation>
    </message>
    <message>
        <source>Yellow Frame</source>
        <translation>Cadre jaune</translation>
    </message>
    <message>
        <source>Ember Stardust</source>
        <translation>Braises étoilées</translation>
    </message>
    <message>
        <source>Ready-made looks that mix several effects in one</source>
        <translation>Styles prêts à l'emploi qui mêlent plusieurs effets en un</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Argentique</translation>
    </message>
    <message>
        <source>Warm Print</source>
        <translation>Tirage chaud</translation>
    </message>
    <message>
        <source>Cool Matte</source>
        <translation>Mat froid</translation>
    </message>
    <message>
        <source>Faded Vintage</source>
        <translation>Vintage délavé</translation>
    </message>
    <message>
        <source>Teal And Orange</source>
        <translation>Canard et orange</translation>
    </message>
    <message>
        <source>Rich Slide</source>
        <translation>Diapositive saturée</translation>
    </message>
    <message>
        <source>Soft Portrait</source>
        <translation>Portrait doux</translation>
    </message>
    <message>
        <source>Contrast Mono</source>
        <translation>Monochrome contrasté</translation>
    </message>
    <message>
        <source>Warm Mono</source>
        <translation>Monochrome chaud</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Sans blanchiment</translation>
    </message>
    <message>
        <source>Gentle colour grades of the whole photo, like film stocks and prints</source>
        <translation>Étalonnages doux de toute la photo, comme ceux des pellicules et des tirages</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d'ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d'ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link of another user</source>
        <translation>%1 est un lien symbolique d'un autre utilisateur</translation>
    </message>
    <message>
        <source>%1 is a symbolic link in a folder of another user</source>
        <translation>%1 est un lien symbolique dans un dossier d'un autre utilisateur</translation>
    </message>
    <message>
        <source>%1 is an input; it is not overwritten</source>
        <translation>%1 est un fichier d'entrée ; il n'est pas écrasé</translation>
    </message>
    <message>
        <source>Stream write error: %1</source>
        <translation>Erreur d'écriture du flux : %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d'écriture du flux</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file became shorter while it was read</source>
        <translation>le fichier a raccourci pendant sa lecture</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c'est un dossier</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n'est pas un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c'est un lien symbolique</translation>
    </message>
    <message>
        <source>it is a symbolic link of another user in a shared folder</source>
        <translation>c'est un lien symbolique d'un autre utilisateur dans un dossier partagé</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d'espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C'est un dossier</translation>
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>Mémoire insuffisante pour l'image</translation>
    </message>
    <message>
        <source>Not enough memory to save as %1</source>
        <translation>Mémoire insuffisante pour enregistrer en %1</translation>
    </message>
    <message>
        <source>The work was stopped</source>
        <translation>Le travail a été interrompu</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>%1; read as %2 by its first bytes: %3</source>
        <translation>%1 ; lu comme %2 d'après ses premiers octets : %3</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extension de fichier image inconnue (.%1)</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Format d'image inconnu</translation>
    </message>
    <message>
        <source>The %1 reader failed</source>
        <translation>Le module de lecture %1 a échoué</translation>
    </message>
    <message>
        <source>The %1 writer failed</source>
        <translation>Le module d'écriture %1 a échoué</translation>
    </message>
    <message>
        <source>The %1 reader could not be started: %2</source>
        <translation>Le module de lecture %1 n'a pas pu démarrer : %2</translation>
    </message>
    <message>
        <source>The %1 writer could not be started: %2</source>
        <translation>Le module d'écriture %1 n'a pas pu démarrer : %2</translation>
    </message>
    <message>
        <source>The %1 reader did not finish within %2 seconds</source>
        <translation>Le module de lecture %1 n'a pas fini en moins de %2 secondes</translation>
    </message>
    <message>
        <source>The %1 writer did not finish within %2 seconds</source>
        <translation>Le module d'écriture %1 n'a pas fini en moins de %2 secondes</translation>
    </message>
    <message>
        <source>Cannot make room to pass a picture: %1</source>
        <translation>Impossible de réserver la place pour transmettre une image : %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1</source>
        <translation>Image bitmap non valide : %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Image bitmap non valide</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>L'image est trop grande (%1 x %2)</translation>
    </message>
    <message>
        <source>Picture is too large for JPEG (%1 x %2; at most %3 pixels a side): save it as PNG or BMP</source>
        <translation>L'image est trop grande pour JPEG (%1 x %2 ; au plus %3 pixels de côté) : enregistrez-la en PNG ou en BMP</translation>
    </message>
    <message>
        <source>Picture is too large for HEIF (%1 x %2): save it as PNG or JPEG</source>
        <translation>L'image est trop grande pour HEIF (%1 x %2) : enregistrez-la en PNG ou en JPEG</translation>
    </message>
    <message>
        <source>Picture is too large for WebP (%1 x %2): save it as PNG or JPEG</source>
        <translation>L'image est trop grande pour WebP (%1 x %2) : enregistrez-la en PNG ou en JPEG</translation>
    </message>
    <message>
        <source>The file is incomplete: the picture lacks detail, or its lower part is missing</source>
        <translation>Le fichier est incomplet : l'image manque de détails, ou sa partie basse manque</translation>
    </message>
    <message>
        <source>The file is incomplete: its lower part is missing</source>
        <translation>Le fichier est incomplet : sa partie basse manque</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes can hold</source>
        <translation>elle annonce %1 x %2 pixels, plus que ses %3 octets ne peuvent en contenir</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l'image est vide</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>le fichier ne contient aucune image</translation>
    </message>
    <message>
        <source>the file ends before its picture does</source>
        <translation>le fichier se termine avant son image</translation>
    </message>
    <message>
        <source>the file ends before its last row</source>
        <translation>le fichier se termine avant sa dernière ligne</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>son en-tête est illisible</translation>
    </message>
    <message>
        <source>it is not a JPEG XL file</source>
        <translation>ce n'est pas un fichier JPEG XL</translation>
    </message>
    <message>
        <source>it is not a camera raw file</source>
        <translation>ce n'est pas un fichier raw d'appareil photo</translation>
    </message>
    <message>
        <source>its raw data is larger than the program takes</source>
        <translation>ses données brutes dépassent ce que le programme accepte</translation>
    </message>
    <message>
        <source>The crop leaves nothing of the photo</source>
        <translation>Le recadrage ne laisse rien de la photo</translation>
    </message>
    <message>
        <source>LUT file is not valid: %1</source>
        <translation>Le fichier LUT n'est pas valide : %1</translation>
    </message>
    <message>
        <source>LUT file is not valid</source>
        <translation>Le fichier LUT n'est pas valide</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the file is longer than %1 MB</source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the file is too short for its %1 entries</source>
        <translation>le fichier est trop court pour ses %1 entrées</translation>
    </message>
    <message>
        <source>it holds %1 entries where its size wants %2</source>
        <translation>il contient %1 entrées alors que sa taille en demande %2</translation>
    </message>
    <message>
        <source>it gives neither LUT_1D_SIZE nor LUT_3D_SIZE</source>
        <translation>il ne donne ni LUT_1D_SIZE ni LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>an entry comes before LUT_1D_SIZE or LUT_3D_SIZE</source>
        <translation>une entrée vient avant LUT_1D_SIZE ou LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>size %1 is outside 2 to %2</source>
        <translation>la taille %1 n'est pas comprise entre 2 et %2</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n'est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is not a size</source>
        <translation>%1 n'est pas une taille</translation>
    </message>
    <message>
        <source>a value is out of range</source>
        <translation>une valeur est hors limites</translation>
    </message>
    <message>
        <source>a value is not a finite number</source>
        <translation>une valeur n'est pas un nombre fini</translation>
    </message>
    <message>
        <source>three numbers are wanted</source>
        <translation>trois nombres sont attendus</translation>
    </message>
    <message>
        <source>two numbers are wanted</source>
        <translation>deux nombres sont attendus</translation>
    </message>
    <message>
        <source>one size is wanted</source>
        <translation>une seule taille est attendue</translation>
    </message>
    <message>
        <source>the size is given twice</source>
        <translation>la taille est donnée deux fois</translation>
    </message>
    <message>
        <source>the size comes after the entries</source>
        <translation>la taille vient après les entrées</translation>
    </message>
    <message>
        <source>the size is missing</source>
        <translation>la taille manque</translation>
    </message>
    <message>
        <source>a keyword comes after the entries</source>
        <translation>un mot-clé vient après les entrées</translation>
    </message>
    <message>
        <source>unknown keyword %1</source>
        <translation>mot-clé inconnu %1</translation>
    </message>
    <message>
        <source>The name pattern is empty</source>
        <translation>Le modèle de nom est vide</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a /</source>
        <translation>Le modèle de nom « %1 » ne peut pas contenir de /</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a zero byte</source>
        <translation>Le modèle de nom « %1 » ne peut pas contenir d'octet nul</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a } without a {</source>
        <translation>Le modèle de nom « %1 » contient une } sans {</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a { without a }</source>
        <translation>Le modèle de nom « %1 » contient une { sans }</translation>
    </message>
    <message>
        <source>The name pattern "%1" has an unknown field %2; the fields are %3</source>
        <translation>Le modèle de nom « %1 » contient un champ inconnu %2 ; les champs sont %3</translation>
    </message>
    <message>
        <source>The name pattern "%1" gives %2 no file name</source>
        <translation>Le modèle de nom « %1 » ne donne aucun nom de fichier à %2</translation>
    </message>
    <message>
        <source>done already</source>
        <translation>déjà faite</translation>
    </message>
    <message>
        <source>My Looks cannot be read or added to: %1</source>
        <translation>Impossible de lire Mes styles ou d'y ajouter : %1</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Aucun style</translation>
    </message>
    <message>
        <source>Looks %1-%2 of %3</source>
        <translation>Styles %1-%2 sur %3</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>{name}, {folder}, {category}, {effect} and {look}</source>
        <translation>{name}, {folder}, {category}, {effect} et {look}</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>Erreur PNG : %1</translation>
    </message>
    <message>
        <source>nothing to compress</source>
        <translation>rien à compresser</translation>
    </message>
    <message>
        <source>libjxl cannot encode the picture</source>
        <translation>libjxl ne peut pas encoder l'image</translation>
    </message>
    <message>
        <source>libheif cannot write the file</source>
        <translation>libheif ne peut pas écrire le fichier</translation>
    </message>
    <message>
        <source>libheif has no encoder for %1</source>
        <translation>libheif n'a pas d'encodeur pour %1</translation>
    </message>
    <message>
        <source>libwebp does not match its headers</source>
        <translation>libwebp ne correspond pas à ses en-têtes</translation>
    </message>
    <message>
        <source>libwebp cannot encode the picture (error %1)</source>
        <translation>libwebp ne peut pas encoder l'image (erreur %1)</translation>
    </message>
    <message>
        <source>libwebpmux cannot take the picture</source>
        <translation>libwebpmux ne peut pas prendre l'image</translation>
    </message>
    <message>
        <source>libwebpmux cannot write the file</source>
        <translation>libwebpmux ne peut pas écrire le fichier</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of picture data can hold</source>
        <translation>elle annonce %1 x %2 pixels, plus que ses %3 octets de données d'image ne peuvent en contenir</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of losslessly compressed picture data can hold</source>
        <translation>elle annonce %1 x %2 pixels, plus que ses %3 octets de données d'image compressées sans perte ne peuvent en contenir</translation>
    </message>
    <message>
        <source>its tiles of %1 x %2 are larger than the cells of its grid of %3 x %4 for %5 x %6 pixels</source>
        <translation>ses tuiles de %1 x %2 dépassent les cases de sa grille de %3 x %4 pour %5 x %6 pixels</translation>
    </message>
    <message>
        <source>its %1 tiles hold more than its %2 x %3 pixels</source>
        <translation>ses %1 tuiles contiennent plus que ses %2 x %3 pixels</translation>
    </message>
    <message>
        <source>it has more than %1 items</source>
        <translation>elle compte plus de %1 éléments</translation>
    </message>
    <message>
        <source>samples of %1 bits</source>
        <translation>échantillons de %1 bits</translation>
    </message>
    <message>
        <source>its first picture is made of more than %1 layers</source>
        <translation>sa première image compte plus de %1 calques</translation>
    </message>
    <message>
        <source>its layers claim %1 pixels, more than its %2 bytes can hold</source>
        <translation>ses calques annoncent %1 pixels, plus que ses %2 octets ne peuvent en contenir</translation>
    </message>
    <message>
        <source>its tag %1 lies past the end of the file</source>
        <translation>sa balise %1 se trouve au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>its colour filter pattern does not match its size</source>
        <translation>son motif de filtre couleur ne correspond pas à sa taille</translation>
    </message>
    <message>
        <source>its tile %1 codes more pixels than the tile holds</source>
        <translation>sa tuile n° %1 code plus de pixels que la tuile n'en contient</translation>
    </message>
    <message>
        <source>its strip %1 codes more pixels than the picture holds</source>
        <translation>sa bande n° %1 code plus de pixels que l'image n'en contient</translation>
    </message>
    <message>
        <source>libjxl cannot decode it</source>
        <translation>libjxl ne peut pas la décoder</translation>
    </message>
    <message>
        <source>LibRaw made no picture of it</source>
        <translation>LibRaw n'en a tiré aucune image</translation>
    </message>
    <message>
        <source>JPEG stream has more scans than its file could hold (more than %1, or far too many for its size)</source>
        <translation>Le flux JPEG compte plus de passes que son fichier ne pourrait en contenir (plus de %1, ou bien trop pour sa taille)</translation>
    </message>
    <message>
        <source>JPEG error #%1: %2</source>
        <translation>Erreur JPEG n° %1 : %2</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Erreur JPEG n° %1</translation>
    </message>
    <message>
        <source>Premature end of input file</source>
        <translation>Fin prématurée du fichier d'entrée</translation>
    </message>
    <message>
        <source>Not a JPEG file: starts with %1 %2</source>
        <translation>Ce n'est pas un fichier JPEG : il commence par %1 %2</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l'aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l'aide, options propres à Qt comprises.</translation>
    </message>
</context>
<context>
    <name>Remembered</name>
    <message>
        <source>Settings are not kept: %1 — %2</source>
        <translation>Les paramètres ne sont pas conservés : %1 — %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>later starts cannot reach this window: %1</source>
        <translation>les lancements suivants ne peuvent pas joindre cette fenêtre : %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of your own that only you may write to</source>
        <translation>%1 n'est pas un dossier à vous dans lequel vous seul pouvez écrire</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d'ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
</context>
<context>
    <name>TEditPanel</name>
    <message>
        <source>No crop</source>
        <translation>Sans recadrage</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 IL</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>D'origine</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
</context>
<context>
    <name>TFormBatch</name>
    <message>
        <source>Add photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Add the photos of a folder</source>
        <translation>Ajouter les photos d'un dossier</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>A .cube file</source>
        <translation>Un fichier .cube</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Cliquez sur la miniature pour voir ce style en aperçu et l'appliquer.</translation>
    </message>
    <message>
        <source>One look on many photos (%1)</source>
        <translation>Un style sur plusieurs photos (%1)</translation>
    </message>
    <message>
        <source>Crop, turn, straighten and adjust the photo (%1)</source>
        <translation>Recadrer, faire pivoter, redresser et régler la photo (%1)</translation>
    </message>
    <message>
        <source>A copy for sharing (%1)</source>
        <translation>Une copie à partager (%1)</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Visages intacts</translation>
    </message>
    <message>
        <source>Every look taken back over the faces in the photo, their hair and neck</source>
        <translation>Chaque style est retiré des visages de la photo, de leurs cheveux et de leur cou</translation>
    </message>
    <message>
        <source>Saved %1, %2</source>
        <translation>%1 enregistré, %2</translation>
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
        <translation>Retouches, EDITS (avant le style, ou seules ; toujours dans cet ordre, quel que soit
l'ordre donné) :
  --rotate 90|180|270 pivoter dans le sens horaire
  --flip h|v          retourner de gauche à droite (h) ou de haut en bas (v) ;
                      peut être donné deux fois
  --straighten DEG    pivoter de -45 à 45 degrés dans le sens horaire, par pas de 0.1,
                      en gardant le plus grand rectangle d'aplomb de la forme
                      de la photo
  --crop X,Y,W,H      garder ce rectangle, en pixels de la photo une fois pivotée et
                      redressée (limité à celle-ci)
  --crop-ratio W:H    garder le plus grand rectangle centré de cette forme (4:5, 16:9)
  --adjust KEY=VALUE,...  régler, 0 laissant la photo telle quelle :
</translation>
    </message>
    <message>
        <source>  --auto              levels and white balance found for each photo from its own colours
</source>
        <translation>  --auto              niveaux et balance des blancs déterminés pour chaque photo
                      d'après ses propres couleurs
</translation>
    </message>
    <message>
        <source>Categories (--look CATEGORY:N, --strip CATEGORY):</source>
        <translation>Catégories (--look CATEGORY:N, --strip CATEGORY) :</translation>
    </message>
    <message>
        <source>Filters (--filter NAME[:ARG,...]):</source>
        <translation>Filtres (--filter NAME[:ARG,...]) :</translation>
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
        <translation>Utilisation : corvessa-render [EDITS] [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel]
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

  --lut FILE.cube     une table de couleurs 1D ou 3D au format .cube comme style ;
                      aussi avec -o
  --keep-faces        le style retiré de chaque visage trouvé sur la photo, de ses
                      cheveux et de son cou
  --quality Q         1 à 100, pour un format de sortie avec perte
                      (JPEG : 90 sauf indication contraire)
  --resize N          grand côté de la sortie à N pixels (16 à 65535) ; WxH : tenir
                      dans W x H ; P% : P pour cent de chaque côté (1 à 100).
                      N'agrandit jamais
  --strip-location    la sortie ne porte aucune position GPS ; les autres données de
                      l'appareil restent
  --strip-metadata    la sortie ne porte aucune donnée de l'appareil (le profil de
                      couleur reste)
  --srgb              couleurs de la sortie converties en sRGB depuis le profil de la
                      photo (ces quatre avec --look, --lut, --filter, les retouches
                      ou seules ; aussi avec -o)
  --thumbnail-size N  grandes miniatures : le rendu complet de chaque style sur la
                      photo, réduit à N pixels sur son grand côté (16 à 1024)
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
        <translation>Options de traitement par lots (avec -o OUTDIR, après --look, --lut ou les retouches
seules) :
  --files-from FILE   entrées supplémentaires, une par ligne (- pour l'entrée standard)
  -0, --null          les noms de --files-from se terminent par un octet NUL au lieu
                      d'une fin de ligne (find -print0), pour les noms contenant un saut
                      de ligne
  -j N                photos traitées en même temps (par défaut : une par cœur)
  --name PATTERN      noms de sortie : {name} {folder} {category} {effect} {look}
                      (par défaut : {name})
  --format FORMAT     </translation>
    </message>
    <message>
        <source> (default: the output name's extension)
  --skip-existing     leave outputs that exist as they are
  --report FILE       one JSON line a photo (- for standard output); see corvessa-render(1)
</source>
        <translation> (par défaut : l'extension du nom de sortie)
  --skip-existing     laisser tels quels les fichiers de sortie existants
  --report FILE       une ligne JSON par photo (- pour la sortie standard) ;
                      voir corvessa-render(1)
</translation>
    </message>
    <message>
        <source>unknown category "%1" (see --list)</source>
        <translation>catégorie inconnue « %1 » (voir --list)</translation>
    </message>
    <message>
        <source>unknown filter "%1" (see --list)</source>
        <translation>filtre inconnu « %1 » (voir --list)</translation>
    </message>
    <message>
        <source>filter argument "%1" is not a whole number</source>
        <translation>l'argument de filtre « %1 » n'est pas un nombre entier</translation>
    </message>
    <message>
        <source>the filter wants %1</source>
        <translation>le filtre attend %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 wants a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>--look wants CATEGORY:N with N from 1 to 10</source>
        <translation>--look attend CATEGORY:N avec N de 1 à 10</translation>
    </message>
    <message>
        <source>--color wants R,G,B (0 to 255 each) or cancel</source>
        <translation>--color attend R,G,B (0 à 255 chacun) ou cancel</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats</source>
        <translation>donnez une seule option parmi --look, --lut, --filter, --strip, --list et --list-formats</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats, or edits</source>
        <translation>donnez une seule option parmi --look, --lut, --filter, --strip, --list et --list-formats, ou des retouches</translation>
    </message>
    <message>
        <source>-o OUTDIR wants at least one INPUT or --files-from</source>
        <translation>-o OUTDIR attend au moins une entrée INPUT ou --files-from</translation>
    </message>
    <message>
        <source>the edits want INPUT and OUTPUT</source>
        <translation>les retouches attendent INPUT et OUTPUT</translation>
    </message>
    <message>
        <source>--list takes no files</source>
        <translation>--list ne prend aucun fichier</translation>
    </message>
    <message>
        <source>--list-formats takes no files</source>
        <translation>--list-formats ne prend aucun fichier</translation>
    </message>
    <message>
        <source>--lut wants INPUT and OUTPUT</source>
        <translation>--lut attend INPUT et OUTPUT</translation>
    </message>
    <message>
        <source>--look wants INPUT and OUTPUT</source>
        <translation>--look attend INPUT et OUTPUT</translation>
    </message>
    <message>
        <source>--filter wants INPUT and OUTPUT</source>
        <translation>--filter attend INPUT et OUTPUT</translation>
    </message>
    <message>
        <source>--strip wants INPUT and OUTDIR</source>
        <translation>--strip attend INPUT et OUTDIR</translation>
    </message>
    <message>
        <source>-o belongs with --look, --lut or the edits alone</source>
        <translation>-o s'emploie avec --look, --lut ou les retouches seules</translation>
    </message>
    <message>
        <source>the edits belong with --look, --lut, --filter or alone</source>
        <translation>les retouches s'emploient avec --look, --lut, --filter ou seules</translation>
    </message>
    <message>
        <source>--files-from, -j, --name, --format, --skip-existing and --report belong with -o OUTDIR</source>
        <translation>--files-from, -j, --name, --format, --skip-existing et --report s'emploient avec -o OUTDIR</translation>
    </message>
    <message>
        <source>-0 belongs with --files-from</source>
        <translation>-0 s'emploie avec --files-from</translation>
    </message>
    <message>
        <source>--thumbnail-size belongs with --strip</source>
        <translation>--thumbnail-size s'emploie avec --strip</translation>
    </message>
    <message>
        <source>--color belongs with --look</source>
        <translation>--color s'emploie avec --look</translation>
    </message>
    <message>
        <source>--pic belongs with --look or --strip</source>
        <translation>--pic s'emploie avec --look ou --strip</translation>
    </message>
    <message>
        <source>with --lut, --name takes {name} and {folder}</source>
        <translation>avec --lut, --name accepte {name} et {folder}</translation>
    </message>
    <message>
        <source>with the edits alone, --name takes {name} and {folder}</source>
        <translation>avec les retouches seules, --name accepte {name} et {folder}</translation>
    </message>
    <message>
        <source>--strength belongs with --look or --lut</source>
        <translation>--strength s'emploie avec --look ou --lut</translation>
    </message>
    <message>
        <source>--keep-faces belongs with --look or --lut</source>
        <translation>--keep-faces s'emploie avec --look ou --lut</translation>
    </message>
    <message>
        <source>--quality belongs with --look, --lut, --filter or the edits</source>
        <translation>--quality s'emploie avec --look, --lut, --filter ou les retouches</translation>
    </message>
    <message>
        <source>--resize, --strip-location, --strip-metadata and --srgb belong with --look, --lut, --filter, the edits or alone</source>
        <translation>--resize, --strip-location, --strip-metadata et --srgb s'emploient avec --look, --lut, --filter, les retouches ou seules</translation>
    </message>
    <message>
        <source>--resize wants N or WxH (16 to 65535 pixels each) or P% (1 to 100)</source>
        <translation>--resize attend N ou WxH (16 à 65535 pixels chacun) ou P% (1 à 100)</translation>
    </message>
    <message>
        <source>--seed wants a number from 0 to 4294967295</source>
        <translation>--seed attend un nombre de 0 à 4294967295</translation>
    </message>
    <message>
        <source>--strength wants a number from 0 to 100</source>
        <translation>--strength attend un nombre de 0 à 100</translation>
    </message>
    <message>
        <source>--thumbnail-size wants a number from 16 to 1024</source>
        <translation>--thumbnail-size attend un nombre de 16 à 1024</translation>
    </message>
    <message>
        <source>-j wants a number from 1 to 1024</source>
        <translation>-j attend un nombre de 1 à 1024</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100</source>
        <translation>--quality attend un nombre de 1 à 100</translation>
    </message>
    <message>
        <source>--format wants %1</source>
        <translation>--format attend %1</translation>
    </message>
    <message>
        <source>--adjust wants KEY=VALUE,... with KEY one of %1</source>
        <translation>--adjust attend KEY=VALUE,... avec KEY parmi %1</translation>
    </message>
    <message>
        <source>--adjust %1 wants a whole number from %2 to %3</source>
        <translation>--adjust %1 attend un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>--adjust %1 wants a number from %2 to %3</source>
        <translation>--adjust %1 attend un nombre de %2 à %3</translation>
    </message>
    <message>
        <source>--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1</source>
        <translation>--crop attend X,Y,W,H en pixels entiers, X et Y à partir de 0, W et H à partir de 1</translation>
    </message>
    <message>
        <source>--crop-ratio wants W:H with W and H from 1 to 10000</source>
        <translation>--crop-ratio attend W:H avec W et H de 1 à 10000</translation>
    </message>
    <message>
        <source>--rotate wants 90, 180 or 270, once</source>
        <translation>--rotate attend 90, 180 ou 270, une seule fois</translation>
    </message>
    <message>
        <source>--flip wants h or v</source>
        <translation>--flip attend h ou v</translation>
    </message>
    <message>
        <source>--straighten wants degrees from -45 to 45, once</source>
        <translation>--straighten attend des degrés de -45 à 45, une seule fois</translation>
    </message>
    <message>
        <source>give one of --crop and --crop-ratio, once</source>
        <translation>donnez --crop ou --crop-ratio, une seule fois</translation>
    </message>
    <message>
        <source>Stream write error: the report: %1</source>
        <translation>Erreur d'écriture du flux : le rapport : %1</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent, about %4 left</source>
        <translation>%1 sur %2 traitées, temps écoulé %3, reste environ %4</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent</source>
        <translation>%1 sur %2 traitées, temps écoulé %3</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchEditBox</name>
    <message>
        <source>Edits before the look</source>
        <translation>Retouches avant le style</translation>
    </message>
    <message>
        <source>The largest centred part of each photo of this shape</source>
        <translation>La plus grande partie centrée de chaque photo ayant cette forme</translation>
    </message>
    <message>
        <source>Not turned</source>
        <translation>Sans rotation</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>90° à droite</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>90° à gauche</translation>
    </message>
    <message>
        <source>Auto for each photo</source>
        <translation>Auto pour chaque photo</translation>
    </message>
    <message>
        <source>Levels and white balance read from each photo, in place of what those sliders say</source>
        <translation>Niveaux et balance des blancs lus sur chaque photo, à la place des valeurs de ces curseurs</translation>
    </message>
    <message>
        <source>Crop:</source>
        <translation>Recadrage :</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Rotation :</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchProgressPage</name>
    <message>
        <source>The main window stays usable; closing this dialog lets the batch go on.</source>
        <translation>La fenêtre principale reste utilisable ; fermer cette boîte de dialogue n'interrompt pas le lot.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>En cours : %1</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s, with a warning: %4</source>
        <translation>%1 : rendu dans %2 en %3 s, avec un avertissement : %4</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s</source>
        <translation>%1 : rendu dans %2 en %3 s</translation>
    </message>
    <message>
        <source>%1: done already</source>
        <translation>%1 : déjà faite</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed so far</source>
        <translation>
            <numerusform>%n échec jusqu'ici</numerusform>
            <numerusform>%n échecs jusqu'ici</numerusform>
        </translation>
    </message>
    <message>
        <source>Time spent %1, about %2 left</source>
        <translation>Temps écoulé : %1, reste environ %2</translation>
    </message>
    <message>
        <source>Time spent %1</source>
        <translation>Temps écoulé : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos</source>
        <translation>
            <numerusform>%1 sur %n photo</numerusform>
            <numerusform>%1 sur %n photos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping after the photos in flight...</source>
        <translation>Arrêt après les photos en cours…</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSettingsPage</name>
    <message>
        <source>My Looks: %1</source>
        <translation>Mes styles : %1</translation>
    </message>
    <message>
        <source>The look in the preview: %1</source>
        <translation>Le style de l'aperçu : %1</translation>
    </message>
    <message>
        <source>The look in the preview (none shown yet)</source>
        <translation>Le style de l'aperçu (aucun affiché pour l'instant)</translation>
    </message>
    <message>
        <source>This look takes no colour</source>
        <translation>Ce style ne prend pas de couleur</translation>
    </message>
    <message>
        <source>Fields: %1</source>
        <translation>Champs : %1</translation>
    </message>
    <message>
        <source>The first photo's: %1</source>
        <translation>Pour la première photo : %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Photos may also be dropped here.</source>
        <translation>Vous pouvez aussi déposer des photos ici.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>This look, on the first photo:</source>
        <translation>Ce style, sur la première photo :</translation>
    </message>
    <message>
        <source>A .cube file:</source>
        <translation>Un fichier .cube :</translation>
    </message>
    <message>
        <source>A colour table of the .cube form as the look</source>
        <translation>Une table de couleurs au format .cube comme style</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Change Color:</source>
        <translation>Recolorer :</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Intensité :</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Visages intacts</translation>
    </message>
    <message>
        <source>The look taken back over the faces found in each photo</source>
        <translation>Le style est retiré des visages trouvés sur chaque photo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Noms :</translation>
    </message>
    <message>
        <source>Skip photos already done</source>
        <translation>Ignorer les photos déjà faites</translation>
    </message>
    <message>
        <source>To share:</source>
        <translation>Pour partager :</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>pleine taille</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The longer side of each output; a smaller photo keeps its size</source>
        <translation>Le grand côté de chaque photo produite ; une photo plus petite garde sa taille</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>Without the location</source>
        <translation>Sans la localisation</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Ajoutez des photos pour voir les styles sur la première d'entre elles.</translation>
    </message>
    <message>
        <source>Making the thumbnails...</source>
        <translation>Création des miniatures…</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSummaryPage</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Rendered with a warning:</source>
        <translation>Traitées avec un avertissement :</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>New Batch</source>
        <translation>Nouveau lot</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Cancelled: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Annulé : %1 sur %n photo traitée&lt;/b&gt; dans %2 en %3.</numerusform>
            <numerusform>&lt;b&gt;Annulé : %1 sur %n photos traitées&lt;/b&gt; dans %2 en %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Done: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Terminé : %1 sur %n photo traitée&lt;/b&gt; dans %2 en %3.</numerusform>
            <numerusform>&lt;b&gt;Terminé : %1 sur %n photos traitées&lt;/b&gt; dans %2 en %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done already and left as they were.</source>
        <translation>
            <numerusform>%n déjà faite, laissée telle quelle.</numerusform>
            <numerusform>%n déjà faites, laissées telles quelles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not rendered: the batch was cancelled.</source>
        <translation>
            <numerusform>%n non traitée : le lot a été annulé.</numerusform>
            <numerusform>%n non traitées : le lot a été annulé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed:</source>
        <translation>
            <numerusform>%n en échec :</numerusform>
            <numerusform>%n en échec :</numerusform>
        </translation>
    </message>
    <message>
        <source>None failed.</source>
        <translation>Aucun échec.</translation>
    </message>
    <message>
        <source>Nothing on this desktop shows folders; the photos are in %1.</source>
        <translation>Aucun programme de ce bureau n'affiche les dossiers ; les photos sont dans %1.</translation>
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
        <translation>La forme du cadre de recadrage ; faites glisser ses coins et ses côtés sur la photo</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrage</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>90° à gauche</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the left</source>
        <translation>Fait pivoter la photo d'un quart de tour vers la gauche</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>90° à droite</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the right</source>
        <translation>Fait pivoter la photo d'un quart de tour vers la droite</translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation>Miroir ↔</translation>
    </message>
    <message>
        <source>Mirrors the photo left to right</source>
        <translation>Retourne la photo de gauche à droite</translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation>Miroir ↕</translation>
    </message>
    <message>
        <source>Mirrors the photo top to bottom</source>
        <translation>Retourne la photo de haut en bas</translation>
    </message>
    <message>
        <source>Turns the photo by up to 45° either way and keeps the largest upright part of it</source>
        <translation>Fait pivoter la photo de 45° au plus dans un sens ou dans l'autre et en garde la plus grande partie d'aplomb</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Redresser</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Levels and white balance from the photo</source>
        <translation>Niveaux et balance des blancs tirés de la photo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Every edit back at none</source>
        <translation>Remet toutes les retouches à zéro</translation>
    </message>
    <message>
        <source>Closes the panel; the photo stays as it was (%1)</source>
        <translation>Ferme le panneau ; la photo reste telle qu'elle était (%1)</translation>
    </message>
    <message>
        <source>Makes the edits your photo (%1)</source>
        <translation>Applique les retouches à votre photo (%1)</translation>
    </message>
    <message>
        <source>Screen (%1:%2)</source>
        <translation>Écran (%1:%2)</translation>
    </message>
    <message>
        <source>Applied the edits</source>
        <translation>Retouches appliquées</translation>
    </message>
    <message>
        <source>Applying the edits</source>
        <translation>Application des retouches</translation>
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
        <translation>Par lots</translation>
    </message>
    <message numerus="yes">
        <source>%n of the outputs exist already in %1.</source>
        <translation>
            <numerusform>%n fichier de sortie existe déjà dans %1.</numerusform>
            <numerusform>%n fichiers de sortie existent déjà dans %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvessa::TFormExport</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Full size</source>
        <translation>Pleine taille</translation>
    </message>
    <message>
        <source>Long edge, pixels</source>
        <translation>Grand côté, pixels</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Remove the location (GPS)</source>
        <translation>Retirer la localisation (GPS)</translation>
    </message>
    <message>
        <source>Remove all camera data</source>
        <translation>Retirer toutes les données de l'appareil</translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation>Convertir en sRGB</translation>
    </message>
    <message>
        <source>The colours every browser and phone shows right</source>
        <translation>Des couleurs que tout navigateur et tout téléphone affichent correctement</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>{name}: the photo's name, {folder}: its folder's</source>
        <translation>{name} : le nom de la photo, {folder} : celui de son dossier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exporter vers</translation>
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
        <translation>Le nom d'une exportation accepte {name} et {folder}</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>estimation…</translation>
    </message>
    <message>
        <source>about %1, %2 x %3</source>
        <translation>environ %1, %2 x %3</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation…</translation>
    </message>
    <message>
        <source>Exported %1, %2</source>
        <translation>%1 exporté, %2</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormMain</name>
    <message>
        <source>Applied My Looks: %1</source>
        <translation>Style appliqué (Mes styles) : %1</translation>
    </message>
    <message>
        <source>Applied %1</source>
        <translation>Style appliqué : %1</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Défait</translation>
    </message>
    <message>
        <source>Redone</source>
        <translation>Refait</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Patientez</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>CALCUL---</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Recolorer</translation>
    </message>
    <message>
        <source>Hold to see the photo without the look (or hold %1)</source>
        <translation>Maintenez enfoncé pour voir la photo sans le style (ou maintenez %1)</translation>
    </message>
    <message>
        <source>Strength of the look</source>
        <translation>Intensité du style</translation>
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
        <translation>Aide de Corvessa</translation>
    </message>
</context>
<context>
    <name>corvessa::TImageView</name>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
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
        <translation>Calcul du rendu</translation>
    </message>
    <message>
        <source>%1 cannot be used</source>
        <translation>%1 est inutilisable</translation>
    </message>
    <message>
        <source>Preview - %1 %2: %3</source>
        <translation>Aperçu - %1 %2 : %3</translation>
    </message>
    <message>
        <source>Preview - My Looks: %1</source>
        <translation>Aperçu - Mes styles : %1</translation>
    </message>
</context>
<context>
    <name>corvessa::TLooksStrip</name>
    <message>
        <source>Large thumbnails: each look drawn large, with its name (%1)</source>
        <translation>Grandes miniatures : chaque style en grand, avec son nom (%1)</translation>
    </message>
    <message>
        <source>Drawing the thumbnails</source>
        <translation>Création des miniatures</translation>
    </message>
    <message>
        <source>Drawing your looks</source>
        <translation>Affichage de vos styles</translation>
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
        <translation>Mes styles</translation>
    </message>
    <message>
        <source>Your own .cube colour tables from %1</source>
        <translation>Vos propres tables de couleurs .cube, prises dans %1</translation>
    </message>
    <message>
        <source>Add Look…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Copy .cube colour tables into %1 (%2, or drop them on the window)</source>
        <translation>Copier des tables de couleurs .cube dans %1 (%2, ou déposez-les sur la fenêtre)</translation>
    </message>
    <message>
        <source>Previous looks (%1)</source>
        <translation>Styles précédents (%1)</translation>
    </message>
    <message>
        <source>Next looks (%1)</source>
        <translation>Styles suivants (%1)</translation>
    </message>
    <message>
        <source>No looks of your own yet. Put .cube colour tables into %1, press Add Look... (%2), or drop .cube files on this window.</source>
        <translation>Vous n'avez pas encore de styles à vous. Placez des tables de couleurs .cube dans %1, appuyez sur Ajouter… (%2) ou déposez des fichiers .cube sur cette fenêtre.</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Aucun style</translation>
    </message>
    <message numerus="yes">
        <source>Looks %1-%2 of %n</source>
        <translation>
            <numerusform>Styles %1-%2 sur %n</numerusform>
            <numerusform>Styles %1-%2 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your looks</source>
        <translation>Lecture de vos styles</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoOpener</name>
    <message>
        <source>Opening %1</source>
        <translation>Ouverture de %1</translation>
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
        <translation>Enregistrement de %1</translation>
    </message>
</context>
</TS>