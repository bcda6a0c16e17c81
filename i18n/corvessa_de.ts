<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessibleText</name>
    <message>
        <source>My Looks, look %1: %2</source>
        <translation>Meine Looks, Look %1: %2</translation>
    </message>
    <message>
        <source>%1, look %2: %3</source>
        <translation>%1, Look %2: %3</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Look %1</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Stärke %1 %</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Kein Foto</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, zoom %3</source>
        <translation>%1 × %2 Pixel, Zoom %3</translation>
    </message>
    <message>
        <source>The photo being edited</source>
        <translation>Das bearbeitete Foto</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Zuschnittrahmen</translation>
    </message>
    <message>
        <source>The photo with the look</source>
        <translation>Das Foto mit dem Look</translation>
    </message>
    <message>
        <source>The working photo</source>
        <translation>Das aktuelle Foto</translation>
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
        <translation>Die Fotos, die der Stapel berechnet; weitere kommen mit „Dateien hinzufügen“, „Ordner hinzufügen“ oder durch Hineinziehen dazu</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>The category whose looks show below</source>
        <translation>Die Kategorie, deren Looks darunter angezeigt werden</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Looks</translation>
    </message>
    <message>
        <source>The ten looks of the category, drawn from the first photo</source>
        <translation>Die zehn Looks der Kategorie, gezeigt am ersten Foto</translation>
    </message>
    <message>
        <source>The .cube file</source>
        <translation>Die .cube-Datei</translation>
    </message>
    <message>
        <source>Choose the .cube file</source>
        <translation>.cube-Datei auswählen</translation>
    </message>
    <message>
        <source>Choose the colour</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>How much of the look each photo takes</source>
        <translation>Wie stark der Look auf jedes Foto wirkt</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>The pattern of the output names</source>
        <translation>Das Namensmuster der Ausgabedateien</translation>
    </message>
    <message>
        <source>Longer side</source>
        <translation>Längere Seite</translation>
    </message>
    <message>
        <source>The longer side of each output in pixels, or full size</source>
        <translation>Die längere Seite jeder Ausgabe in Pixeln oder Originalgröße</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschnitt</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Erledigte Fotos</translation>
    </message>
    <message>
        <source>Every photo as it ends, the latest at the foot</source>
        <translation>Jedes Foto, sobald es fertig ist, das neueste ganz unten</translation>
    </message>
    <message>
        <source>Photos that failed</source>
        <translation>Fehlgeschlagene Fotos</translation>
    </message>
    <message>
        <source>Photos rendered with a warning</source>
        <translation>Mit Warnung berechnete Fotos</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Long edge or percentage</source>
        <translation>Lange Kante oder Prozentsatz</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The pattern of the copy's name</source>
        <translation>Das Namensmuster der Kopie</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>ActionTable</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>opens a photo</source>
        <translation>öffnet ein Foto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>writes the photo shown to a file</source>
        <translation>schreibt das angezeigte Foto in eine Datei</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>writes a copy for sharing: smaller, without the location</source>
        <translation>schreibt eine Kopie zum Teilen: kleiner, ohne Aufnahmeort</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>takes back the last Apply</source>
        <translation>nimmt das letzte Anwenden zurück</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>brings back the Apply Undo took back</source>
        <translation>stellt das zurückgenommene Anwenden wieder her</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>crops, turns, straightens and adjusts the photo in the Edit panel</source>
        <translation>schneidet das Foto im Bearbeitungsbereich zu, dreht, begradigt und passt es an</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>puts one look on many photos</source>
        <translation>wendet einen Look auf viele Fotos an</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Look importieren</translation>
    </message>
    <message>
        <source>copies .cube colour tables into My Looks</source>
        <translation>kopiert .cube-Farbtabellen in Meine Looks</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>shows this page</source>
        <translation>zeigt diese Seite</translation>
    </message>
    <message>
        <source>Next looks</source>
        <translation>Nächste Looks</translation>
    </message>
    <message>
        <source>the next ten of My Looks</source>
        <translation>die nächsten zehn aus Meine Looks</translation>
    </message>
    <message>
        <source>Previous looks</source>
        <translation>Vorige Looks</translation>
    </message>
    <message>
        <source>the ten of My Looks before</source>
        <translation>die vorigen zehn aus Meine Looks</translation>
    </message>
    <message>
        <source>Large looks</source>
        <translation>Große Looks</translation>
    </message>
    <message>
        <source>each look drawn large with its name, or the small strip again</source>
        <translation>zeigt jeden Look groß mit seinem Namen oder wieder die kleine Leiste</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>one photo pixel a screen pixel</source>
        <translation>ein Fotopixel je Bildschirmpixel</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>the whole photo in view again</source>
        <translation>zeigt wieder das ganze Foto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>stops the Open, render or thumbnails that run; in the preview, drops the look; in the Edit panel, leaves it with the photo as it was</source>
        <translation>bricht das laufende Öffnen, Berechnen oder Zeichnen der Miniaturen ab; verwirft in der Vorschau den Look; schließt den Bearbeitungsbereich und lässt das Foto, wie es war</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>makes the look shown your photo</source>
        <translation>übernimmt den angezeigten Look in das Foto</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>held down, shows the photo as it was</source>
        <translation>zeigt, solange gedrückt, das Foto, wie es war</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturen</translation>
    </message>
    <message>
        <source>frames the thumbnail beside the one framed</source>
        <translation>markiert die Miniatur neben der markierten</translation>
    </message>
    <message>
        <source>frames the thumbnail above or below the one framed</source>
        <translation>markiert die Miniatur über oder unter der markierten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>shows the framed thumbnail's look in the preview</source>
        <translation>zeigt den Look der markierten Miniatur in der Vorschau</translation>
    </message>
    <message>
        <source>makes the edits your photo</source>
        <translation>übernimmt die Bearbeitungen in das Foto</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>frames the category button above or below the one framed</source>
        <translation>markiert die Kategorie-Schaltfläche über oder unter der markierten</translation>
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
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>the Edit panel</source>
        <translation>Bearbeitungsbereich</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>the main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>both windows</source>
        <translation>beide Fenster</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>Zuschnittrahmen</translation>
    </message>
    <message>
        <source>moves the framed crop frame left or right</source>
        <translation>verschiebt den markierten Zuschnittrahmen nach links oder rechts</translation>
    </message>
    <message>
        <source>moves the framed crop frame up or down</source>
        <translation>verschiebt den markierten Zuschnittrahmen nach oben oder unten</translation>
    </message>
    <message>
        <source>makes the framed crop frame narrower or wider</source>
        <translation>macht den markierten Zuschnittrahmen schmaler oder breiter</translation>
    </message>
    <message>
        <source>makes the framed crop frame shorter or taller</source>
        <translation>macht den markierten Zuschnittrahmen niedriger oder höher</translation>
    </message>
</context>
<context>
    <name>Adjustments</name>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Brighter or darker, in stops; highlights roll off, never clip</source>
        <translation>Heller oder dunkler, in Blendenstufen; Lichter laufen weich aus, fressen nie aus</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Steeper tones about the middle grey, flatter below 0</source>
        <translation>Steilere Tonwerte um das Mittelgrau, flacher unter 0</translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Below 0 brings back bright areas' detail; above 0 brightens them</source>
        <translation>Unter 0 holt Details heller Bereiche zurück; über 0 hellt sie auf</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Tiefen</translation>
    </message>
    <message>
        <source>Above 0 brings out dark areas' detail; below 0 deepens them</source>
        <translation>Über 0 holt Details dunkler Bereiche hervor; unter 0 vertieft sie</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Every colour stronger, or weaker below 0; -100 is black and white</source>
        <translation>Alle Farben kräftiger, unter 0 schwächer; -100 ist Schwarzweiß</translation>
    </message>
    <message>
        <source>Vibrance</source>
        <translation>Dynamik</translation>
    </message>
    <message>
        <source>Muted colours stronger than strong ones, skin tones spared</source>
        <translation>Gedämpfte Farben stärker als kräftige, Hauttöne geschont</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Wärme</translation>
    </message>
    <message>
        <source>Warmer light (yellow) above 0, cooler (blue) below</source>
        <translation>Wärmeres Licht (gelb) über 0, kühleres (blau) darunter</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Tönung</translation>
    </message>
    <message>
        <source>Towards magenta above 0, towards green below</source>
        <translation>Richtung Magenta über 0, Richtung Grün darunter</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignette</translation>
    </message>
    <message>
        <source>Darker corners above 0, lighter below</source>
        <translation>Dunklere Ecken über 0, hellere darunter</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>Crisper fine detail above 0, softer below</source>
        <translation>Schärfere feine Details über 0, weichere darunter</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Puts ready-made looks on a photo.</source>
        <translation>Versieht ein Foto mit fertigen Looks.</translation>
    </message>
    <message>
        <source>The photo to open in place of the sample photo.</source>
        <translation>Das Foto, das statt des Beispielfotos geöffnet wird.</translation>
    </message>
    <message>
        <source>Try 'corvessa --help'.</source>
        <translation>„corvessa --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>one photo at a time, not %1</source>
        <translation>nur ein Foto auf einmal, nicht %1</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>the format's own</source>
        <translation>Formatstandard</translation>
    </message>
    <message>
        <source>Quality of a JPEG, HEIC, AVIF, WebP or JPEG XL save, 1 to 100</source>
        <translation>Qualität beim Speichern als JPEG, HEIC, AVIF, WebP oder JPEG XL, 1 bis 100</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Colour tables</source>
        <translation>Farbtabellen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>Look importieren</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>%1 is the name of a %2 file, but the file type chosen is %3.
Save the photo as %2 under %1, or as %3 under %4?</source>
        <translation>%1 ist der Name einer %2-Datei, gewählt ist aber der Dateityp %3.
Das Foto als %2 unter %1 oder als %3 unter %4 speichern?</translation>
    </message>
    <message>
        <source>Save as %1</source>
        <translation>Als %1 speichern</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip those</source>
        <translation>Diese überspringen</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before closing?</source>
        <translation>Das Foto enthält Änderungen, die nicht gespeichert wurden.
Die Änderungen vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before opening %1?</source>
        <translation>Das Foto enthält Änderungen, die nicht gespeichert wurden.
Die Änderungen vor dem Öffnen von %1 speichern?</translation>
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
        <translation>%1 kB</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>read, write</source>
        <translation>lesen, schreiben</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lesen</translation>
    </message>
</context>
<context>
    <name>Looks</name>
    <message>
        <source>Light A</source>
        <translation>Licht A</translation>
    </message>
    <message>
        <source>Amber Leak</source>
        <translation>Bernstein-Lichtleck</translation>
    </message>
    <message>
        <source>Corner Burn</source>
        <translation>Brand in der Ecke</translation>
    </message>
    <message>
        <source>Edge Film Burn</source>
        <translation>Filmbrand am Rand</translation>
    </message>
    <message>
        <source>Twin Corner Leaks</source>
        <translation>Zwei Eck-Lichtlecks</translation>
    </message>
    <message>
        <source>Warm Sweep</source>
        <translation>Warmer Lichtschweif</translation>
    </message>
    <message>
        <source>Golden Rise</source>
        <translation>Goldener Aufgang</translation>
    </message>
    <message>
        <source>Burn Hole</source>
        <translation>Brandloch</translation>
    </message>
    <message>
        <source>Film Gate Streaks</source>
        <translation>Filmfenster-Streifen</translation>
    </message>
    <message>
        <source>Peach Wash</source>
        <translation>Pfirsich-Schleier</translation>
    </message>
    <message>
        <source>Ember Edges</source>
        <translation>Glutränder</translation>
    </message>
    <message>
        <source>Warm light leaks and film burns laid over the photo</source>
        <translation>Warme Lichtlecks und Filmbrände über dem Foto</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Licht B</translation>
    </message>
    <message>
        <source>Blue Leak</source>
        <translation>Blaues Lichtleck</translation>
    </message>
    <message>
        <source>Prism Edge</source>
        <translation>Prismenrand</translation>
    </message>
    <message>
        <source>Cyan Flare</source>
        <translation>Cyan-Blendenfleck</translation>
    </message>
    <message>
        <source>Teal Violet Corners</source>
        <translation>Petrol-violette Ecken</translation>
    </message>
    <message>
        <source>Anamorphic Streak</source>
        <translation>Anamorph-Streifen</translation>
    </message>
    <message>
        <source>Prism Fan</source>
        <translation>Prismenfächer</translation>
    </message>
    <message>
        <source>Halo Flare</source>
        <translation>Halo-Blendenfleck</translation>
    </message>
    <message>
        <source>Violet Pour</source>
        <translation>Violetter Lichtguss</translation>
    </message>
    <message>
        <source>Spectral Streaks</source>
        <translation>Spektralstreifen</translation>
    </message>
    <message>
        <source>Moonlit Haze</source>
        <translation>Mondlichtdunst</translation>
    </message>
    <message>
        <source>Cool flares, rainbow leaks and lens streaks laid over the photo</source>
        <translation>Kühle Blendenflecke, Regenbogenlichter und Objektivstreifen über dem Foto</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Licht C</translation>
    </message>
    <message>
        <source>Corner Sunbeams</source>
        <translation>Eck-Sonnenstrahlen</translation>
    </message>
    <message>
        <source>God Rays</source>
        <translation>Dämmerungsstrahlen</translation>
    </message>
    <message>
        <source>Golden Bokeh</source>
        <translation>Goldenes Bokeh</translation>
    </message>
    <message>
        <source>Side Bokeh</source>
        <translation>Seiten-Bokeh</translation>
    </message>
    <message>
        <source>Sunburst Corner</source>
        <translation>Eck-Sonnenstern</translation>
    </message>
    <message>
        <source>Low Sun</source>
        <translation>Tiefe Sonne</translation>
    </message>
    <message>
        <source>Corner Hexagons</source>
        <translation>Eck-Sechsecke</translation>
    </message>
    <message>
        <source>Amber Uplight</source>
        <translation>Bernstein-Unterlicht</translation>
    </message>
    <message>
        <source>Forest Shafts</source>
        <translation>Lichtstrahlen im Wald</translation>
    </message>
    <message>
        <source>Low Bokeh</source>
        <translation>Bokeh unten</translation>
    </message>
    <message>
        <source>Sunbeams, rays and soft bokeh lights laid over the photo</source>
        <translation>Sonnenstrahlen, Lichtbündel und weiche Bokeh-Lichter über dem Foto</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Blue Sky Glitter</source>
        <translation>Himmelblauer Glitzer</translation>
    </message>
    <message>
        <source>Golden Glints</source>
        <translation>Goldenes Funkeln</translation>
    </message>
    <message>
        <source>Star Haze Arc</source>
        <translation>Sternendunst-Bogen</translation>
    </message>
    <message>
        <source>Blue Giants</source>
        <translation>Blaue Riesen</translation>
    </message>
    <message>
        <source>Rose Gold Trail</source>
        <translation>Roségold-Spur</translation>
    </message>
    <message>
        <source>Magic Dust</source>
        <translation>Zauberstaub</translation>
    </message>
    <message>
        <source>Rainbow Corners</source>
        <translation>Regenbogen-Ecken</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Sternschnuppenregen</translation>
    </message>
    <message>
        <source>Glitter Frame</source>
        <translation>Glitzerrahmen</translation>
    </message>
    <message>
        <source>Great Starburst</source>
        <translation>Großer Strahlenstern</translation>
    </message>
    <message>
        <source>Stars, glints and sparkles scattered over the photo</source>
        <translation>Sterne, Glanzlichter und Funkeln, über das Foto verstreut</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Spektakel</translation>
    </message>
    <message>
        <source>Corner Fireworks</source>
        <translation>Feuerwerk in der Ecke</translation>
    </message>
    <message>
        <source>Aurora Sky</source>
        <translation>Polarlichthimmel</translation>
    </message>
    <message>
        <source>Summer Rainbow</source>
        <translation>Sommerregenbogen</translation>
    </message>
    <message>
        <source>Low Light Trails</source>
        <translation>Lichtspuren unten</translation>
    </message>
    <message>
        <source>Laser Show</source>
        <translation>Lasershow</translation>
    </message>
    <message>
        <source>Golden Burst</source>
        <translation>Goldene Explosion</translation>
    </message>
    <message>
        <source>Passing Comet</source>
        <translation>Vorbeiziehender Komet</translation>
    </message>
    <message>
        <source>Sun Halo</source>
        <translation>Sonnenhalo</translation>
    </message>
    <message>
        <source>Light Painting</source>
        <translation>Lichtmalerei</translation>
    </message>
    <message>
        <source>Cosmic Nebula</source>
        <translation>Kosmischer Nebel</translation>
    </message>
    <message>
        <source>Fireworks, northern lights, rainbows and other wonders in the sky</source>
        <translation>Feuerwerk, Polarlichter, Regenbögen und andere Wunder am Himmel</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>Light Rain</source>
        <translation>Leichter Regen</translation>
    </message>
    <message>
        <source>Soft Snowfall</source>
        <translation>Sanfter Schneefall</translation>
    </message>
    <message>
        <source>Low Fog</source>
        <translation>Bodennebel</translation>
    </message>
    <message>
        <source>Heavy Downpour</source>
        <translation>Wolkenbruch</translation>
    </message>
    <message>
        <source>Lightning Strike</source>
        <translation>Blitzeinschlag</translation>
    </message>
    <message>
        <source>Hail Shower</source>
        <translation>Hagelschauer</translation>
    </message>
    <message>
        <source>Driving Blizzard</source>
        <translation>Heftiger Schneesturm</translation>
    </message>
    <message>
        <source>Morning Mist</source>
        <translation>Morgendunst</translation>
    </message>
    <message>
        <source>Grey Drizzle</source>
        <translation>Grauer Nieselregen</translation>
    </message>
    <message>
        <source>Snow Crystals</source>
        <translation>Schneekristalle</translation>
    </message>
    <message>
        <source>Rain, snow, fog and lightning laid over the photo</source>
        <translation>Regen, Schnee, Nebel und Blitze über dem Foto</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Warm To Cool</source>
        <translation>Von warm nach kühl</translation>
    </message>
    <message>
        <source>Sunset Bands</source>
        <translation>Abendrot-Bänder</translation>
    </message>
    <message>
        <source>Teal Orange</source>
        <translation>Petrol-Orange</translation>
    </message>
    <message>
        <source>Warm Centre</source>
        <translation>Warme Mitte</translation>
    </message>
    <message>
        <source>Rose To Blue</source>
        <translation>Von Rosa nach Blau</translation>
    </message>
    <message>
        <source>Pastel Rainbow</source>
        <translation>Pastell-Regenbogen</translation>
    </message>
    <message>
        <source>Cross Process</source>
        <translation>Crossentwicklung</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>Blaue Nacht</translation>
    </message>
    <message>
        <source>Golden Corner</source>
        <translation>Goldene Ecke</translation>
    </message>
    <message>
        <source>Green Purple</source>
        <translation>Grün-Lila</translation>
    </message>
    <message>
        <source>Colour gradients blended into the photo</source>
        <translation>Farbverläufe, in das Foto eingeblendet</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Mint Tint</source>
        <translation>Mint-Tönung</translation>
    </message>
    <message>
        <source>Lemon Tint</source>
        <translation>Zitronen-Tönung</translation>
    </message>
    <message>
        <source>Cyan Tint</source>
        <translation>Cyan-Tönung</translation>
    </message>
    <message>
        <source>Orange Tint</source>
        <translation>Orange-Tönung</translation>
    </message>
    <message>
        <source>Violet Tint</source>
        <translation>Violett-Tönung</translation>
    </message>
    <message>
        <source>Pop Quadrants</source>
        <translation>Pop-Art-Quadranten</translation>
    </message>
    <message>
        <source>Olive Mono</source>
        <translation>Oliv-Monochrom</translation>
    </message>
    <message>
        <source>Crimson Veil</source>
        <translation>Karminschleier</translation>
    </message>
    <message>
        <source>Green Edges</source>
        <translation>Grüne Ränder</translation>
    </message>
    <message>
        <source>Green Mono</source>
        <translation>Grün-Monochrom</translation>
    </message>
    <message>
        <source>The photo tinted with one colour or several</source>
        <translation>Das Foto in einer oder mehreren Farben getönt</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Bright Paper</source>
        <translation>Helles Papier</translation>
    </message>
    <message>
        <source>Primed Canvas</source>
        <translation>Grundierte Leinwand</translation>
    </message>
    <message>
        <source>Film Grain</source>
        <translation>Filmkorn</translation>
    </message>
    <message>
        <source>Grunge Stains</source>
        <translation>Grunge-Flecken</translation>
    </message>
    <message>
        <source>Raw Concrete</source>
        <translation>Sichtbeton</translation>
    </message>
    <message>
        <source>Wood Grain</source>
        <translation>Holzmaserung</translation>
    </message>
    <message>
        <source>Celadon Crackle</source>
        <translation>Seladon-Craquelé</translation>
    </message>
    <message>
        <source>Old Print</source>
        <translation>Alter Druck</translation>
    </message>
    <message>
        <source>Faded Denim</source>
        <translation>Verwaschener Denim</translation>
    </message>
    <message>
        <source>Burnt Parchment</source>
        <translation>Verbranntes Pergament</translation>
    </message>
    <message>
        <source>Paper, canvas, grain and other surfaces blended into the photo</source>
        <translation>Papier, Leinwand, Korn und andere Oberflächen, in das Foto eingeblendet</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Rahmen A</translation>
    </message>
    <message>
        <source>Frosted Margin</source>
        <translation>Milchglasrand</translation>
    </message>
    <message>
        <source>Soft Oval</source>
        <translation>Weiches Oval</translation>
    </message>
    <message>
        <source>Torn Paper</source>
        <translation>Gerissenes Papier</translation>
    </message>
    <message>
        <source>Deckled Print</source>
        <translation>Büttenrand-Abzug</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Briefmarke</translation>
    </message>
    <message>
        <source>Sprocket Strip</source>
        <translation>Filmstreifen</translation>
    </message>
    <message>
        <source>Brush Strokes</source>
        <translation>Pinselstriche</translation>
    </message>
    <message>
        <source>Heart Shape</source>
        <translation>Herzform</translation>
    </message>
    <message>
        <source>Soft Circle</source>
        <translation>Weicher Kreis</translation>
    </message>
    <message>
        <source>Instant Photo</source>
        <translation>Sofortbild</translation>
    </message>
    <message>
        <source>Margins and shaped frames around the photo</source>
        <translation>Ränder und geformte Rahmen um das Foto</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Rahmen B</translation>
    </message>
    <message>
        <source>Cloud Frame</source>
        <translation>Wolkenrahmen</translation>
    </message>
    <message>
        <source>Feathered Edge</source>
        <translation>Weiche Kante</translation>
    </message>
    <message>
        <source>Lined Mat</source>
        <translation>Passepartout mit Linie</translation>
    </message>
    <message>
        <source>Grunge Spray</source>
        <translation>Grunge-Spray</translation>
    </message>
    <message>
        <source>Rounded Corners</source>
        <translation>Abgerundete Ecken</translation>
    </message>
    <message>
        <source>Lace Oval</source>
        <translation>Spitzenoval</translation>
    </message>
    <message>
        <source>Arched Window</source>
        <translation>Bogenfenster</translation>
    </message>
    <message>
        <source>Notepad Page</source>
        <translation>Notizblockseite</translation>
    </message>
    <message>
        <source>Slide Mount</source>
        <translation>Diarahmen</translation>
    </message>
    <message>
        <source>Spray Splatter</source>
        <translation>Farbspritzer</translation>
    </message>
    <message>
        <source>More frames: clouds, lace, torn paper and slide mounts</source>
        <translation>Weitere Rahmen: Wolken, Spitze, gerissenes Papier und Diarahmen</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Traum A</translation>
    </message>
    <message>
        <source>Pink Haze</source>
        <translation>Rosa Schleier</translation>
    </message>
    <message>
        <source>Floating Hearts</source>
        <translation>Schwebende Herzen</translation>
    </message>
    <message>
        <source>Soap Bubbles</source>
        <translation>Seifenblasen</translation>
    </message>
    <message>
        <source>Lavender Glitter</source>
        <translation>Lavendel-Glitzer</translation>
    </message>
    <message>
        <source>Heart Bokeh</source>
        <translation>Herz-Bokeh</translation>
    </message>
    <message>
        <source>Peach Bubbles</source>
        <translation>Pfirsich-Blasen</translation>
    </message>
    <message>
        <source>Pastel Orbs</source>
        <translation>Pastell-Lichtkugeln</translation>
    </message>
    <message>
        <source>White Dream</source>
        <translation>Weißer Traum</translation>
    </message>
    <message>
        <source>Pastel Drift</source>
        <translation>Pastellhauch</translation>
    </message>
    <message>
        <source>Falling Petals</source>
        <translation>Fallende Blütenblätter</translation>
    </message>
    <message>
        <source>Soft pastel haze, hearts and bubbles over the photo</source>
        <translation>Sanfter Pastelldunst, Herzen und Blasen über dem Foto</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Traum B</translation>
    </message>
    <message>
        <source>Cotton Candy</source>
        <translation>Zuckerwatte</translation>
    </message>
    <message>
        <source>Corner Hearts</source>
        <translation>Herzen in der Ecke</translation>
    </message>
    <message>
        <source>Big Bubbles</source>
        <translation>Große Blasen</translation>
    </message>
    <message>
        <source>Golden Magic</source>
        <translation>Goldener Zauber</translation>
    </message>
    <message>
        <source>Pastel Clouds</source>
        <translation>Pastellwolken</translation>
    </message>
    <message>
        <source>Violet Sparkle</source>
        <translation>Violettes Funkeln</translation>
    </message>
    <message>
        <source>Fairy Light Heart</source>
        <translation>Lichterketten-Herz</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Mondsichel</translation>
    </message>
    <message>
        <source>Sky Lanterns</source>
        <translation>Himmelslaternen</translation>
    </message>
    <message>
        <source>Rose Gold Dust</source>
        <translation>Roségold-Staub</translation>
    </message>
    <message>
        <source>Candy colours, clouds and fairy lights over the photo</source>
        <translation>Bonbonfarben, Wolken und Lichterketten über dem Foto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Fine Rules</source>
        <translation>Feine Querlinien</translation>
    </message>
    <message>
        <source>Fine Columns</source>
        <translation>Feine Längslinien</translation>
    </message>
    <message>
        <source>Diagonal Hairlines</source>
        <translation>Diagonale Haarlinien</translation>
    </message>
    <message>
        <source>Fine Grid</source>
        <translation>Feines Gitter</translation>
    </message>
    <message>
        <source>Dot Screen</source>
        <translation>Punktraster</translation>
    </message>
    <message>
        <source>Cross Hatch</source>
        <translation>Kreuzschraffur</translation>
    </message>
    <message>
        <source>Wave Lines</source>
        <translation>Wellenlinien</translation>
    </message>
    <message>
        <source>Brick Lines</source>
        <translation>Ziegelmuster</translation>
    </message>
    <message>
        <source>Halftone Corner</source>
        <translation>Raster in der Ecke</translation>
    </message>
    <message>
        <source>Zigzag Rules</source>
        <translation>Zickzacklinien</translation>
    </message>
    <message>
        <source>Line patterns drawn from the photo</source>
        <translation>Linienmuster, aus dem Foto gezeichnet</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kunst</translation>
    </message>
    <message>
        <source>Soft Bloom</source>
        <translation>Weiches Leuchten</translation>
    </message>
    <message>
        <source>Dark Bloom</source>
        <translation>Dunkles Leuchten</translation>
    </message>
    <message>
        <source>Misty Grey</source>
        <translation>Nebelgrau</translation>
    </message>
    <message>
        <source>Muted Wash</source>
        <translation>Gedämpfte Lasur</translation>
    </message>
    <message>
        <source>Deep Tones</source>
        <translation>Tiefe Töne</translation>
    </message>
    <message>
        <source>Bright Glow</source>
        <translation>Heller Schein</translation>
    </message>
    <message>
        <source>Coloured Pencil</source>
        <translation>Buntstift</translation>
    </message>
    <message>
        <source>Strong Contrast</source>
        <translation>Starker Kontrast</translation>
    </message>
    <message>
        <source>Mosaic Tiles</source>
        <translation>Mosaiksteine</translation>
    </message>
    <message>
        <source>Pencil Sketch</source>
        <translation>Bleistiftskizze</translation>
    </message>
    <message>
        <source>Glows, washes, pencil drawings and mosaics made from the photo</source>
        <translation>Leuchten, Lasuren, Bleistiftzeichnungen und Mosaike aus dem Foto</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Effektmix</translation>
    </message>
    <message>
        <source>Fireworks Circle</source>
        <translation>Feuerwerkskreis</translation>
    </message>
    <message>
        <source>Lilac Mist</source>
        <translation>Fliedernebel</translation>
    </message>
    <message>
        <source>Rainy Day</source>
        <translation>Regentag</translation>
    </message>
    <message>
        <source>Night Vision</source>
        <translation>Nachtsicht</translation>
    </message>
    <message>
        <source>Nebula Dream</source>
        <translation>Sternennebel-Traum</translation>
    </message>
    <message>
        <source>Rose Wood</source>
        <translation>Rosenholz</translation>
    </message>
    <message>
        <source>Old Film Flare</source>
        <translation>Alter Filmreflex</translation>
    </message>
    <message>
        <source>Magenta Dream</source>
        <translation>Magenta-Traum</translation>
    </message>
    <message>
        <source>Yellow Frame</source>
        <translation>Gelber Rahmen</translation>
    </message>
    <message>
        <source>Ember Stardust</source>
        <translation>Glut-Sternenstaub</translation>
    </message>
    <message>
        <source>Ready-made looks that mix several effects in one</source>
        <translation>Fertige Looks, die mehrere Effekte vereinen</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Warm Print</source>
        <translation>Warmer Abzug</translation>
    </message>
    <message>
        <source>Cool Matte</source>
        <translation>Kühl und matt</translation>
    </message>
    <message>
        <source>Faded Vintage</source>
        <translation>Vintage verblasst</translation>
    </message>
    <message>
        <source>Teal And Orange</source>
        <translation>Petrol und Orange</translation>
    </message>
    <message>
        <source>Rich Slide</source>
        <translation>Satter Diafilm</translation>
    </message>
    <message>
        <source>Soft Portrait</source>
        <translation>Weiches Porträt</translation>
    </message>
    <message>
        <source>Contrast Mono</source>
        <translation>Kontrast-Schwarzweiß</translation>
    </message>
    <message>
        <source>Warm Mono</source>
        <translation>Warmes Schwarzweiß</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Bleach-Bypass</translation>
    </message>
    <message>
        <source>Gentle colour grades of the whole photo, like film stocks and prints</source>
        <translation>Sanfte Farbabstimmungen des ganzen Fotos, wie bei Filmmaterial und Abzügen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Fehler beim Öffnen der Datei %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Fehler beim Öffnen der Datei %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Fehler beim Anlegen der Datei %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Fehler beim Anlegen der Datei %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link of another user</source>
        <translation>%1 ist eine symbolische Verknüpfung eines anderen Benutzers</translation>
    </message>
    <message>
        <source>%1 is a symbolic link in a folder of another user</source>
        <translation>%1 ist eine symbolische Verknüpfung im Ordner eines anderen Benutzers</translation>
    </message>
    <message>
        <source>%1 is an input; it is not overwritten</source>
        <translation>%1 ist eine Eingabe; sie wird nicht überschrieben</translation>
    </message>
    <message>
        <source>Stream write error: %1</source>
        <translation>Schreibfehler: %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file became shorter while it was read</source>
        <translation>die Datei wurde während des Lesens kürzer</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>it is a symbolic link of another user in a shared folder</source>
        <translation>es ist eine symbolische Verknüpfung eines anderen Benutzers in einem gemeinsamen Ordner</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>Nicht genug Speicher für das Bild</translation>
    </message>
    <message>
        <source>Not enough memory to save as %1</source>
        <translation>Nicht genug Speicher zum Speichern als %1</translation>
    </message>
    <message>
        <source>The work was stopped</source>
        <translation>Die Arbeit wurde abgebrochen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1; read as %2 by its first bytes: %3</source>
        <translation>%1; nach den ersten Bytes als %2 gelesen: %3</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unbekannte Bild-Dateiendung (.%1)</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Unbekanntes Bildformat</translation>
    </message>
    <message>
        <source>The %1 reader failed</source>
        <translation>Der %1-Decoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The %1 writer failed</source>
        <translation>Der %1-Encoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The %1 reader could not be started: %2</source>
        <translation>Der %1-Decoder konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The %1 writer could not be started: %2</source>
        <translation>Der %1-Encoder konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The %1 reader did not finish within %2 seconds</source>
        <translation>Der %1-Decoder ist nicht innerhalb von %2 Sekunden fertig geworden</translation>
    </message>
    <message>
        <source>The %1 writer did not finish within %2 seconds</source>
        <translation>Der %1-Encoder ist nicht innerhalb von %2 Sekunden fertig geworden</translation>
    </message>
    <message>
        <source>Cannot make room to pass a picture: %1</source>
        <translation>Kein Platz, um ein Bild weiterzugeben: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1</source>
        <translation>Das Bild ist ungültig: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bild ist ungültig</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>Das Bild ist zu groß (%1 x %2)</translation>
    </message>
    <message>
        <source>Picture is too large for JPEG (%1 x %2; at most %3 pixels a side): save it as PNG or BMP</source>
        <translation>Das Bild ist zu groß für JPEG (%1 x %2; höchstens %3 Pixel je Seite): als PNG oder BMP speichern</translation>
    </message>
    <message>
        <source>Picture is too large for HEIF (%1 x %2): save it as PNG or JPEG</source>
        <translation>Das Bild ist zu groß für HEIF (%1 x %2): als PNG oder JPEG speichern</translation>
    </message>
    <message>
        <source>Picture is too large for WebP (%1 x %2): save it as PNG or JPEG</source>
        <translation>Das Bild ist zu groß für WebP (%1 x %2): als PNG oder JPEG speichern</translation>
    </message>
    <message>
        <source>The file is incomplete: the picture lacks detail, or its lower part is missing</source>
        <translation>Die Datei ist unvollständig: Dem Bild fehlen Details oder sein unterer Teil fehlt</translation>
    </message>
    <message>
        <source>The file is incomplete: its lower part is missing</source>
        <translation>Die Datei ist unvollständig: Der untere Teil des Bildes fehlt</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes can hold</source>
        <translation>es gibt %1 x %2 Pixel an, mehr als seine %3 Byte fassen können</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>die Datei enthält kein Bild</translation>
    </message>
    <message>
        <source>the file ends before its picture does</source>
        <translation>die Datei endet vor dem Ende des Bildes</translation>
    </message>
    <message>
        <source>the file ends before its last row</source>
        <translation>die Datei endet vor ihrer letzten Zeile</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>seine Kopfdaten können nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not a JPEG XL file</source>
        <translation>es ist keine JPEG-XL-Datei</translation>
    </message>
    <message>
        <source>it is not a camera raw file</source>
        <translation>es ist keine Kamera-Raw-Datei</translation>
    </message>
    <message>
        <source>its raw data is larger than the program takes</source>
        <translation>seine Rohdaten sind größer, als das Programm verarbeiten kann</translation>
    </message>
    <message>
        <source>The crop leaves nothing of the photo</source>
        <translation>Der Zuschnitt lässt nichts vom Foto übrig</translation>
    </message>
    <message>
        <source>LUT file is not valid: %1</source>
        <translation>Die LUT-Datei ist ungültig: %1</translation>
    </message>
    <message>
        <source>LUT file is not valid</source>
        <translation>Die LUT-Datei ist ungültig</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is longer than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the file is too short for its %1 entries</source>
        <translation>die Datei ist zu kurz für ihre %1 Einträge</translation>
    </message>
    <message>
        <source>it holds %1 entries where its size wants %2</source>
        <translation>sie enthält %1 Einträge, ihre Größe verlangt aber %2</translation>
    </message>
    <message>
        <source>it gives neither LUT_1D_SIZE nor LUT_3D_SIZE</source>
        <translation>sie gibt weder LUT_1D_SIZE noch LUT_3D_SIZE an</translation>
    </message>
    <message>
        <source>an entry comes before LUT_1D_SIZE or LUT_3D_SIZE</source>
        <translation>ein Eintrag steht vor LUT_1D_SIZE oder LUT_3D_SIZE</translation>
    </message>
    <message>
        <source>size %1 is outside 2 to %2</source>
        <translation>Größe %1 liegt außerhalb von 2 bis %2</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is not a size</source>
        <translation>%1 ist keine Größe</translation>
    </message>
    <message>
        <source>a value is out of range</source>
        <translation>ein Wert liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>a value is not a finite number</source>
        <translation>ein Wert ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>three numbers are wanted</source>
        <translation>drei Zahlen werden erwartet</translation>
    </message>
    <message>
        <source>two numbers are wanted</source>
        <translation>zwei Zahlen werden erwartet</translation>
    </message>
    <message>
        <source>one size is wanted</source>
        <translation>eine einzige Größe wird erwartet</translation>
    </message>
    <message>
        <source>the size is given twice</source>
        <translation>die Größe ist doppelt angegeben</translation>
    </message>
    <message>
        <source>the size comes after the entries</source>
        <translation>die Größe steht nach den Einträgen</translation>
    </message>
    <message>
        <source>the size is missing</source>
        <translation>die Größe fehlt</translation>
    </message>
    <message>
        <source>a keyword comes after the entries</source>
        <translation>ein Schlüsselwort steht nach den Einträgen</translation>
    </message>
    <message>
        <source>unknown keyword %1</source>
        <translation>unbekanntes Schlüsselwort %1</translation>
    </message>
    <message>
        <source>The name pattern is empty</source>
        <translation>Das Namensmuster ist leer</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a /</source>
        <translation>Das Namensmuster „%1“ darf kein / enthalten</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a zero byte</source>
        <translation>Das Namensmuster „%1“ darf kein Nullbyte enthalten</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a } without a {</source>
        <translation>Das Namensmuster „%1“ enthält } ohne {</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a { without a }</source>
        <translation>Das Namensmuster „%1“ enthält { ohne }</translation>
    </message>
    <message>
        <source>The name pattern "%1" has an unknown field %2; the fields are %3</source>
        <translation>Das Namensmuster „%1“ enthält das unbekannte Feld %2; die Felder sind %3</translation>
    </message>
    <message>
        <source>The name pattern "%1" gives %2 no file name</source>
        <translation>Das Namensmuster „%1“ ergibt für %2 keinen Dateinamen</translation>
    </message>
    <message>
        <source>done already</source>
        <translation>bereits erledigt</translation>
    </message>
    <message>
        <source>My Looks cannot be read or added to: %1</source>
        <translation>Meine Looks können nicht gelesen oder ergänzt werden: %1</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Keine Looks</translation>
    </message>
    <message>
        <source>Looks %1-%2 of %3</source>
        <translation>Looks %1-%2 von %3</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>{name}, {folder}, {category}, {effect} and {look}</source>
        <translation>{name}, {folder}, {category}, {effect} und {look}</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>PNG-Fehler: %1</translation>
    </message>
    <message>
        <source>nothing to compress</source>
        <translation>nichts zu komprimieren</translation>
    </message>
    <message>
        <source>libjxl cannot encode the picture</source>
        <translation>libjxl kann das Bild nicht codieren</translation>
    </message>
    <message>
        <source>libheif cannot write the file</source>
        <translation>libheif kann die Datei nicht schreiben</translation>
    </message>
    <message>
        <source>libheif has no encoder for %1</source>
        <translation>libheif hat keinen Encoder für %1</translation>
    </message>
    <message>
        <source>libwebp does not match its headers</source>
        <translation>libwebp passt nicht zu den eigenen Header-Dateien</translation>
    </message>
    <message>
        <source>libwebp cannot encode the picture (error %1)</source>
        <translation>libwebp kann das Bild nicht codieren (Fehler %1)</translation>
    </message>
    <message>
        <source>libwebpmux cannot take the picture</source>
        <translation>libwebpmux kann das Bild nicht übernehmen</translation>
    </message>
    <message>
        <source>libwebpmux cannot write the file</source>
        <translation>libwebpmux kann die Datei nicht schreiben</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of picture data can hold</source>
        <translation>es gibt %1 x %2 Pixel an, mehr als seine %3 Byte Bilddaten fassen können</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of losslessly compressed picture data can hold</source>
        <translation>es gibt %1 x %2 Pixel an, mehr als seine %3 Byte verlustfrei komprimierter Bilddaten fassen können</translation>
    </message>
    <message>
        <source>its tiles of %1 x %2 are larger than the cells of its grid of %3 x %4 for %5 x %6 pixels</source>
        <translation>seine Kacheln von %1 x %2 sind größer als die Zellen seines Rasters von %3 x %4 für %5 x %6 Pixel</translation>
    </message>
    <message>
        <source>its %1 tiles hold more than its %2 x %3 pixels</source>
        <translation>seine %1 Kacheln enthalten mehr als seine %2 x %3 Pixel</translation>
    </message>
    <message>
        <source>it has more than %1 items</source>
        <translation>es enthält mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>samples of %1 bits</source>
        <translation>Abtastwerte mit %1 Bit</translation>
    </message>
    <message>
        <source>its first picture is made of more than %1 layers</source>
        <translation>sein erstes Bild besteht aus mehr als %1 Ebenen</translation>
    </message>
    <message>
        <source>its layers claim %1 pixels, more than its %2 bytes can hold</source>
        <translation>seine Ebenen geben %1 Pixel an, mehr als seine %2 Byte fassen können</translation>
    </message>
    <message>
        <source>its tag %1 lies past the end of the file</source>
        <translation>sein Eintrag %1 liegt hinter dem Ende der Datei</translation>
    </message>
    <message>
        <source>its colour filter pattern does not match its size</source>
        <translation>sein Farbfiltermuster passt nicht zu seiner Größe</translation>
    </message>
    <message>
        <source>its tile %1 codes more pixels than the tile holds</source>
        <translation>seine Kachel %1 codiert mehr Pixel, als die Kachel fasst</translation>
    </message>
    <message>
        <source>its strip %1 codes more pixels than the picture holds</source>
        <translation>seine Zeilengruppe %1 codiert mehr Pixel, als das Bild fasst</translation>
    </message>
    <message>
        <source>libjxl cannot decode it</source>
        <translation>libjxl kann es nicht decodieren</translation>
    </message>
    <message>
        <source>LibRaw made no picture of it</source>
        <translation>LibRaw hat kein Bild daraus erzeugt</translation>
    </message>
    <message>
        <source>JPEG stream has more scans than its file could hold (more than %1, or far too many for its size)</source>
        <translation>Der JPEG-Datenstrom hat mehr Scans, als seine Datei fassen könnte (mehr als %1 oder viel zu viele für ihre Größe)</translation>
    </message>
    <message>
        <source>JPEG error #%1: %2</source>
        <translation>JPEG-Fehler #%1: %2</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG-Fehler #%1</translation>
    </message>
    <message>
        <source>Premature end of input file</source>
        <translation>Vorzeitiges Ende der Eingabedatei</translation>
    </message>
    <message>
        <source>Not a JPEG file: starts with %1 %2</source>
        <translation>Keine JPEG-Datei: beginnt mit %1 %2</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch Null</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>Remembered</name>
    <message>
        <source>Settings are not kept: %1 — %2</source>
        <translation>Einstellungen werden nicht gespeichert: %1 — %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>later starts cannot reach this window: %1</source>
        <translation>spätere Aufrufe können dieses Fenster nicht erreichen: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of your own that only you may write to</source>
        <translation>%1 ist kein eigener Ordner mit alleinigem Schreibrecht</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
</context>
<context>
    <name>TEditPanel</name>
    <message>
        <source>No crop</source>
        <translation>Kein Zuschnitt</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
</context>
<context>
    <name>TFormBatch</name>
    <message>
        <source>Add photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Add the photos of a folder</source>
        <translation>Fotos eines Ordners hinzufügen</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>A .cube file</source>
        <translation>Eine .cube-Datei</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Auf das kleine Foto klicken, um diesen Effekt in der Vorschau zu sehen und anzuwenden.</translation>
    </message>
    <message>
        <source>One look on many photos (%1)</source>
        <translation>Ein Look auf vielen Fotos (%1)</translation>
    </message>
    <message>
        <source>Crop, turn, straighten and adjust the photo (%1)</source>
        <translation>Foto zuschneiden, drehen, begradigen und anpassen (%1)</translation>
    </message>
    <message>
        <source>A copy for sharing (%1)</source>
        <translation>Eine Kopie zum Teilen (%1)</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Gesichter frei</translation>
    </message>
    <message>
        <source>Every look taken back over the faces in the photo, their hair and neck</source>
        <translation>Jeder Look wird über den Gesichtern im Foto, ihren Haaren und dem Hals zurückgenommen</translation>
    </message>
    <message>
        <source>Saved %1, %2</source>
        <translation>%1 gespeichert, %2</translation>
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
        <translation>Bearbeitungen (vor dem Look oder allein; stets in dieser Reihenfolge, egal wie angegeben):
  --rotate 90|180|270 im Uhrzeigersinn drehen
  --flip h|v          von links nach rechts (h) oder von oben nach unten (v) spiegeln;
                      darf zweimal angegeben werden
  --straighten DEG    um -45 bis 45 Grad im Uhrzeigersinn drehen, in Schritten von 0.1;
                      behält das größte aufrechte Rechteck im Seitenverhältnis des Fotos
  --crop X,Y,W,H      dieses Rechteck behalten, in Pixeln des gedrehten und begradigten
                      Fotos (darauf beschnitten)
  --crop-ratio W:H    das größte mittige Rechteck im Seitenverhältnis W:H behalten (4:5, 16:9)
  --adjust KEY=VALUE,...  anpassen, 0 lässt den Wert unverändert:
</translation>
    </message>
    <message>
        <source>  --auto              levels and white balance found for each photo from its own colours
</source>
        <translation>  --auto              Tonwerte und Weißabgleich jedes Fotos aus seinen eigenen Farben ermitteln
</translation>
    </message>
    <message>
        <source>Categories (--look CATEGORY:N, --strip CATEGORY):</source>
        <translation>Kategorien (--look CATEGORY:N, --strip CATEGORY):</translation>
    </message>
    <message>
        <source>Filters (--filter NAME[:ARG,...]):</source>
        <translation>Filter (--filter NAME[:ARG,...]):</translation>
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
        <translation>Aufruf: corvessa-render [EDITS] [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel]
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

  --lut FILE.cube     eine 1D- oder 3D-Farbtabelle im .cube-Format als Look; auch mit -o
  --keep-faces        den Look über jedem gefundenen Gesicht, seinen Haaren und dem Hals
                      zurücknehmen
  --quality Q         1 bis 100, für verlustbehaftete Ausgabeformate (JPEG ohne Angabe: 90)
  --resize N          längere Seite der Ausgabe N Pixel (16 bis 65535); WxH: einpassen in
                      W x H; P%: P Prozent jeder Seite (1 bis 100). Vergrößert nie
  --strip-location    die Ausgabe enthält keine GPS-Position; die übrigen Kameradaten bleiben
  --strip-metadata    die Ausgabe enthält keine Kameradaten (das Farbprofil bleibt)
  --srgb              die Farben der Ausgabe vom Profil des Fotos nach sRGB umgewandelt
                      (diese vier mit --look, --lut, --filter, den Bearbeitungen oder allein;
                      auch mit -o)
  --thumbnail-size N  große Miniaturen: die volle Berechnung jedes Looks, skaliert auf
                      N Pixel an der längeren Seite (16 bis 1024)
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
        <translation>Stapeloptionen (mit -o OUTDIR, nach --look, --lut oder den Bearbeitungen allein):
  --files-from FILE   weitere Eingaben, eine pro Zeile (- für die Standardeingabe)
  -0, --null          die Namen in --files-from enden mit einem NUL-Byte statt einem Zeilenende
                      (find -print0), für Namen mit Zeilenumbruch
  -j N                gleichzeitig berechnete Fotos (Standard: eines pro Kern)
  --name PATTERN      Ausgabenamen: {name} {folder} {category} {effect} {look} (Standard: {name})
  --format FORMAT     </translation>
    </message>
    <message>
        <source> (default: the output name's extension)
  --skip-existing     leave outputs that exist as they are
  --report FILE       one JSON line a photo (- for standard output); see corvessa-render(1)
</source>
        <translation> (Standard: die Endung des Ausgabenamens)
  --skip-existing     vorhandene Ausgaben unverändert lassen
  --report FILE       eine JSON-Zeile je Foto (- für Standardausgabe); siehe corvessa-render(1)
</translation>
    </message>
    <message>
        <source>unknown category "%1" (see --list)</source>
        <translation>unbekannte Kategorie „%1“ (siehe --list)</translation>
    </message>
    <message>
        <source>unknown filter "%1" (see --list)</source>
        <translation>unbekannter Filter „%1“ (siehe --list)</translation>
    </message>
    <message>
        <source>filter argument "%1" is not a whole number</source>
        <translation>Filterargument „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the filter wants %1</source>
        <translation>der Filter erwartet %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 wants a value</source>
        <translation>%1 erwartet einen Wert</translation>
    </message>
    <message>
        <source>--look wants CATEGORY:N with N from 1 to 10</source>
        <translation>--look erwartet CATEGORY:N mit N von 1 bis 10</translation>
    </message>
    <message>
        <source>--color wants R,G,B (0 to 255 each) or cancel</source>
        <translation>--color erwartet R,G,B (je 0 bis 255) oder cancel</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats</source>
        <translation>genau eines von --look, --lut, --filter, --strip, --list und --list-formats angeben</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats, or edits</source>
        <translation>genau eines von --look, --lut, --filter, --strip, --list und --list-formats oder Bearbeitungen angeben</translation>
    </message>
    <message>
        <source>-o OUTDIR wants at least one INPUT or --files-from</source>
        <translation>-o OUTDIR erwartet mindestens ein INPUT oder --files-from</translation>
    </message>
    <message>
        <source>the edits want INPUT and OUTPUT</source>
        <translation>die Bearbeitungen erwarten INPUT und OUTPUT</translation>
    </message>
    <message>
        <source>--list takes no files</source>
        <translation>--list nimmt keine Dateien an</translation>
    </message>
    <message>
        <source>--list-formats takes no files</source>
        <translation>--list-formats nimmt keine Dateien an</translation>
    </message>
    <message>
        <source>--lut wants INPUT and OUTPUT</source>
        <translation>--lut erwartet INPUT und OUTPUT</translation>
    </message>
    <message>
        <source>--look wants INPUT and OUTPUT</source>
        <translation>--look erwartet INPUT und OUTPUT</translation>
    </message>
    <message>
        <source>--filter wants INPUT and OUTPUT</source>
        <translation>--filter erwartet INPUT und OUTPUT</translation>
    </message>
    <message>
        <source>--strip wants INPUT and OUTDIR</source>
        <translation>--strip erwartet INPUT und OUTDIR</translation>
    </message>
    <message>
        <source>-o belongs with --look, --lut or the edits alone</source>
        <translation>-o gehört zu --look, --lut oder zu Bearbeitungen allein</translation>
    </message>
    <message>
        <source>the edits belong with --look, --lut, --filter or alone</source>
        <translation>die Bearbeitungen gehören zu --look, --lut, --filter oder stehen allein</translation>
    </message>
    <message>
        <source>--files-from, -j, --name, --format, --skip-existing and --report belong with -o OUTDIR</source>
        <translation>--files-from, -j, --name, --format, --skip-existing und --report gehören zu -o OUTDIR</translation>
    </message>
    <message>
        <source>-0 belongs with --files-from</source>
        <translation>-0 gehört zu --files-from</translation>
    </message>
    <message>
        <source>--thumbnail-size belongs with --strip</source>
        <translation>--thumbnail-size gehört zu --strip</translation>
    </message>
    <message>
        <source>--color belongs with --look</source>
        <translation>--color gehört zu --look</translation>
    </message>
    <message>
        <source>--pic belongs with --look or --strip</source>
        <translation>--pic gehört zu --look oder --strip</translation>
    </message>
    <message>
        <source>with --lut, --name takes {name} and {folder}</source>
        <translation>mit --lut kann --name nur {name} und {folder} enthalten</translation>
    </message>
    <message>
        <source>with the edits alone, --name takes {name} and {folder}</source>
        <translation>mit Bearbeitungen allein kann --name nur {name} und {folder} enthalten</translation>
    </message>
    <message>
        <source>--strength belongs with --look or --lut</source>
        <translation>--strength gehört zu --look oder --lut</translation>
    </message>
    <message>
        <source>--keep-faces belongs with --look or --lut</source>
        <translation>--keep-faces gehört zu --look oder --lut</translation>
    </message>
    <message>
        <source>--quality belongs with --look, --lut, --filter or the edits</source>
        <translation>--quality gehört zu --look, --lut, --filter oder den Bearbeitungen</translation>
    </message>
    <message>
        <source>--resize, --strip-location, --strip-metadata and --srgb belong with --look, --lut, --filter, the edits or alone</source>
        <translation>--resize, --strip-location, --strip-metadata und --srgb gehören zu --look, --lut, --filter, den Bearbeitungen oder stehen allein</translation>
    </message>
    <message>
        <source>--resize wants N or WxH (16 to 65535 pixels each) or P% (1 to 100)</source>
        <translation>--resize erwartet N oder WxH (je 16 bis 65535 Pixel) oder P% (1 bis 100)</translation>
    </message>
    <message>
        <source>--seed wants a number from 0 to 4294967295</source>
        <translation>--seed erwartet eine Zahl von 0 bis 4294967295</translation>
    </message>
    <message>
        <source>--strength wants a number from 0 to 100</source>
        <translation>--strength erwartet eine Zahl von 0 bis 100</translation>
    </message>
    <message>
        <source>--thumbnail-size wants a number from 16 to 1024</source>
        <translation>--thumbnail-size erwartet eine Zahl von 16 bis 1024</translation>
    </message>
    <message>
        <source>-j wants a number from 1 to 1024</source>
        <translation>-j erwartet eine Zahl von 1 bis 1024</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100</source>
        <translation>--quality erwartet eine Zahl von 1 bis 100</translation>
    </message>
    <message>
        <source>--format wants %1</source>
        <translation>--format erwartet %1</translation>
    </message>
    <message>
        <source>--adjust wants KEY=VALUE,... with KEY one of %1</source>
        <translation>--adjust erwartet KEY=VALUE,... mit KEY aus: %1</translation>
    </message>
    <message>
        <source>--adjust %1 wants a whole number from %2 to %3</source>
        <translation>--adjust %1 erwartet eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>--adjust %1 wants a number from %2 to %3</source>
        <translation>--adjust %1 erwartet eine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1</source>
        <translation>--crop erwartet X,Y,W,H in ganzen Pixeln, X und Y ab 0, W und H ab 1</translation>
    </message>
    <message>
        <source>--crop-ratio wants W:H with W and H from 1 to 10000</source>
        <translation>--crop-ratio erwartet W:H mit W und H von 1 bis 10000</translation>
    </message>
    <message>
        <source>--rotate wants 90, 180 or 270, once</source>
        <translation>--rotate erwartet 90, 180 oder 270, nur einmal</translation>
    </message>
    <message>
        <source>--flip wants h or v</source>
        <translation>--flip erwartet h oder v</translation>
    </message>
    <message>
        <source>--straighten wants degrees from -45 to 45, once</source>
        <translation>--straighten erwartet Grad von -45 bis 45, nur einmal</translation>
    </message>
    <message>
        <source>give one of --crop and --crop-ratio, once</source>
        <translation>nur eines von --crop und --crop-ratio angeben, nur einmal</translation>
    </message>
    <message>
        <source>Stream write error: the report: %1</source>
        <translation>Schreibfehler: der Bericht: %1</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent, about %4 left</source>
        <translation>%1 von %2 erledigt, %3 vergangen, noch etwa %4</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent</source>
        <translation>%1 von %2 erledigt, %3 vergangen</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchEditBox</name>
    <message>
        <source>Edits before the look</source>
        <translation>Bearbeitungen vor dem Look</translation>
    </message>
    <message>
        <source>The largest centred part of each photo of this shape</source>
        <translation>Der größte mittige Ausschnitt jedes Fotos in diesem Seitenverhältnis</translation>
    </message>
    <message>
        <source>Not turned</source>
        <translation>Nicht gedreht</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>Rechts 90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>Links 90°</translation>
    </message>
    <message>
        <source>Auto for each photo</source>
        <translation>Auto für jedes Foto</translation>
    </message>
    <message>
        <source>Levels and white balance read from each photo, in place of what those sliders say</source>
        <translation>Tonwerte und Weißabgleich aus jedem einzelnen Foto ermittelt, statt der Werte dieser Regler</translation>
    </message>
    <message>
        <source>Crop:</source>
        <translation>Zuschnitt:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Drehung:</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchProgressPage</name>
    <message>
        <source>The main window stays usable; closing this dialog lets the batch go on.</source>
        <translation>Das Hauptfenster bleibt bedienbar; wird dieser Dialog geschlossen, läuft der Stapel weiter.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Aktuell: %1</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s, with a warning: %4</source>
        <translation>%1: in %3 s als %2 berechnet, mit einer Warnung: %4</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s</source>
        <translation>%1: in %3 s als %2 berechnet</translation>
    </message>
    <message>
        <source>%1: done already</source>
        <translation>%1: bereits erledigt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed so far</source>
        <translation>
            <numerusform>%n bisher fehlgeschlagen</numerusform>
            <numerusform>%n bisher fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Time spent %1, about %2 left</source>
        <translation>Verstrichene Zeit %1, noch etwa %2</translation>
    </message>
    <message>
        <source>Time spent %1</source>
        <translation>Verstrichene Zeit %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos</source>
        <translation>
            <numerusform>%1 von %n Foto</numerusform>
            <numerusform>%1 von %n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping after the photos in flight...</source>
        <translation>Stoppt nach den laufenden Fotos...</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSettingsPage</name>
    <message>
        <source>My Looks: %1</source>
        <translation>Meine Looks: %1</translation>
    </message>
    <message>
        <source>The look in the preview: %1</source>
        <translation>Der Look in der Vorschau: %1</translation>
    </message>
    <message>
        <source>The look in the preview (none shown yet)</source>
        <translation>Der Look in der Vorschau (noch keiner angezeigt)</translation>
    </message>
    <message>
        <source>This look takes no colour</source>
        <translation>Dieser Look nimmt keine Farbe an</translation>
    </message>
    <message>
        <source>Fields: %1</source>
        <translation>Felder: %1</translation>
    </message>
    <message>
        <source>The first photo's: %1</source>
        <translation>Für das erste Foto: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Photos may also be dropped here.</source>
        <translation>Fotos können auch hierher gezogen werden.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>This look, on the first photo:</source>
        <translation>Dieser Look, auf dem ersten Foto:</translation>
    </message>
    <message>
        <source>A .cube file:</source>
        <translation>Eine .cube-Datei:</translation>
    </message>
    <message>
        <source>A colour table of the .cube form as the look</source>
        <translation>Eine Farbtabelle im .cube-Format als Look</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Change Color:</source>
        <translation>Farbe ändern:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>Gesichter frei</translation>
    </message>
    <message>
        <source>The look taken back over the faces found in each photo</source>
        <translation>Der Look wird über den in jedem Foto gefundenen Gesichtern zurückgenommen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Namen:</translation>
    </message>
    <message>
        <source>Skip photos already done</source>
        <translation>Bereits erledigte Fotos überspringen</translation>
    </message>
    <message>
        <source>To share:</source>
        <translation>Zum Teilen:</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The longer side of each output; a smaller photo keeps its size</source>
        <translation>Die längere Seite jeder Ausgabe; ein kleineres Foto behält seine Größe</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>Without the location</source>
        <translation>Ohne Aufnahmeort</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Fotos hinzufügen, um die Looks auf dem ersten davon zu sehen.</translation>
    </message>
    <message>
        <source>Making the thumbnails...</source>
        <translation>Miniaturen werden erstellt...</translation>
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
        <translation>Mit Warnung berechnet:</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>New Batch</source>
        <translation>Neuer Stapel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Cancelled: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Abgebrochen: %1 von %n Foto berechnet&lt;/b&gt;, gespeichert in %2, Dauer %3.</numerusform>
            <numerusform>&lt;b&gt;Abgebrochen: %1 von %n Fotos berechnet&lt;/b&gt;, gespeichert in %2, Dauer %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Done: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;Fertig: %1 von %n Foto berechnet&lt;/b&gt;, gespeichert in %2, Dauer %3.</numerusform>
            <numerusform>&lt;b&gt;Fertig: %1 von %n Fotos berechnet&lt;/b&gt;, gespeichert in %2, Dauer %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done already and left as they were.</source>
        <translation>
            <numerusform>%n Foto war bereits erledigt und blieb unverändert.</numerusform>
            <numerusform>%n Fotos waren bereits erledigt und blieben unverändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not rendered: the batch was cancelled.</source>
        <translation>
            <numerusform>%n Foto nicht berechnet: Der Stapel wurde abgebrochen.</numerusform>
            <numerusform>%n Fotos nicht berechnet: Der Stapel wurde abgebrochen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed:</source>
        <translation>
            <numerusform>%n Foto fehlgeschlagen:</numerusform>
            <numerusform>%n Fotos fehlgeschlagen:</numerusform>
        </translation>
    </message>
    <message>
        <source>None failed.</source>
        <translation>Kein Foto fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Nothing on this desktop shows folders; the photos are in %1.</source>
        <translation>Kein Programm dieser Arbeitsumgebung kann Ordner anzeigen; die Fotos liegen in %1.</translation>
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
        <translation>%1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>corvessa::TEditPanel</name>
    <message>
        <source>The crop frame's shape; drag its corners and sides on the photo</source>
        <translation>Die Form des Zuschnittrahmens; seine Ecken und Seiten auf dem Foto ziehen</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschnitt</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>Links 90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the left</source>
        <translation>Dreht das Foto um 90 Grad nach links</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>Rechts 90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the right</source>
        <translation>Dreht das Foto um 90 Grad nach rechts</translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation>Spiegeln ↔</translation>
    </message>
    <message>
        <source>Mirrors the photo left to right</source>
        <translation>Spiegelt das Foto von links nach rechts</translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation>Spiegeln ↕</translation>
    </message>
    <message>
        <source>Mirrors the photo top to bottom</source>
        <translation>Spiegelt das Foto von oben nach unten</translation>
    </message>
    <message>
        <source>Turns the photo by up to 45° either way and keeps the largest upright part of it</source>
        <translation>Dreht das Foto um bis zu 45° in beide Richtungen und behält den größten aufrechten Ausschnitt</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Begradigen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Levels and white balance from the photo</source>
        <translation>Tonwerte und Weißabgleich aus dem Foto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Every edit back at none</source>
        <translation>Setzt alle Bearbeitungen zurück</translation>
    </message>
    <message>
        <source>Closes the panel; the photo stays as it was (%1)</source>
        <translation>Schließt den Bearbeitungsbereich; das Foto bleibt, wie es war (%1)</translation>
    </message>
    <message>
        <source>Makes the edits your photo (%1)</source>
        <translation>Übernimmt die Bearbeitungen in das Foto (%1)</translation>
    </message>
    <message>
        <source>Screen (%1:%2)</source>
        <translation>Bildschirm (%1:%2)</translation>
    </message>
    <message>
        <source>Applied the edits</source>
        <translation>Bearbeitungen angewendet</translation>
    </message>
    <message>
        <source>Applying the edits</source>
        <translation>Bearbeitungen werden angewendet</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormBatch</name>
    <message>
        <source>Batch</source>
        <translation>Stapel</translation>
    </message>
    <message numerus="yes">
        <source>%n of the outputs exist already in %1.</source>
        <translation>
            <numerusform>%n Ausgabedatei ist in %1 bereits vorhanden.</numerusform>
            <numerusform>%n Ausgabedateien sind in %1 bereits vorhanden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvessa::TFormExport</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Full size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Long edge, pixels</source>
        <translation>Lange Kante, Pixel</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Remove the location (GPS)</source>
        <translation>Aufnahmeort entfernen (GPS)</translation>
    </message>
    <message>
        <source>Remove all camera data</source>
        <translation>Alle Kameradaten entfernen</translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation>In sRGB umwandeln</translation>
    </message>
    <message>
        <source>The colours every browser and phone shows right</source>
        <translation>Farben, die jeder Browser und jedes Handy richtig anzeigt</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>{name}: the photo's name, {folder}: its folder's</source>
        <translation>{name}: Name des Fotos, {folder}: Name seines Ordners</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exportieren nach</translation>
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
        <translation>Der Name eines Exports kann nur {name} und {folder} enthalten</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>wird geschätzt...</translation>
    </message>
    <message>
        <source>about %1, %2 x %3</source>
        <translation>etwa %1, %2 x %3</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert...</translation>
    </message>
    <message>
        <source>Exported %1, %2</source>
        <translation>%1 exportiert, %2</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormMain</name>
    <message>
        <source>Applied My Looks: %1</source>
        <translation>Angewendet: Meine Looks – %1</translation>
    </message>
    <message>
        <source>Applied %1</source>
        <translation>Angewendet: %1</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Rückgängig gemacht</translation>
    </message>
    <message>
        <source>Redone</source>
        <translation>Wiederholt</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>BERECHNUNG---</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Hold to see the photo without the look (or hold %1)</source>
        <translation>Gedrückt halten, um das Foto ohne den Look zu sehen (oder %1 halten)</translation>
    </message>
    <message>
        <source>Strength of the look</source>
        <translation>Stärke des Looks</translation>
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
        <translation>Corvessa-Hilfe</translation>
    </message>
</context>
<context>
    <name>corvessa::TImageView</name>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
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
        <translation>Wird berechnet</translation>
    </message>
    <message>
        <source>%1 cannot be used</source>
        <translation>%1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>Preview - %1 %2: %3</source>
        <translation>Vorschau - %1 %2: %3</translation>
    </message>
    <message>
        <source>Preview - My Looks: %1</source>
        <translation>Vorschau - Meine Looks: %1</translation>
    </message>
</context>
<context>
    <name>corvessa::TLooksStrip</name>
    <message>
        <source>Large thumbnails: each look drawn large, with its name (%1)</source>
        <translation>Große Miniaturen: jeder Look groß, mit seinem Namen (%1)</translation>
    </message>
    <message>
        <source>Drawing the thumbnails</source>
        <translation>Miniaturen werden gezeichnet</translation>
    </message>
    <message>
        <source>Drawing your looks</source>
        <translation>Eigene Looks werden gezeichnet</translation>
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
        <translation>Meine Looks</translation>
    </message>
    <message>
        <source>Your own .cube colour tables from %1</source>
        <translation>Eigene .cube-Farbtabellen aus %1</translation>
    </message>
    <message>
        <source>Add Look…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Copy .cube colour tables into %1 (%2, or drop them on the window)</source>
        <translation>.cube-Farbtabellen nach %1 kopieren (%2 oder auf das Fenster ziehen)</translation>
    </message>
    <message>
        <source>Previous looks (%1)</source>
        <translation>Vorige Looks (%1)</translation>
    </message>
    <message>
        <source>Next looks (%1)</source>
        <translation>Nächste Looks (%1)</translation>
    </message>
    <message>
        <source>No looks of your own yet. Put .cube colour tables into %1, press Add Look... (%2), or drop .cube files on this window.</source>
        <translation>Noch keine eigenen Looks. Einfach .cube-Farbtabellen nach %1 legen, „Importieren...“ drücken (%2) oder .cube-Dateien auf dieses Fenster ziehen.</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>Keine Looks</translation>
    </message>
    <message numerus="yes">
        <source>Looks %1-%2 of %n</source>
        <translation>
            <numerusform>Looks %1-%2 von %n</numerusform>
            <numerusform>Looks %1-%2 von %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your looks</source>
        <translation>Eigene Looks werden gelesen</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoOpener</name>
    <message>
        <source>Opening %1</source>
        <translation>%1 wird geöffnet</translation>
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
        <translation>%1 wird gespeichert</translation>
    </message>
</context>
</TS>