<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Texts</name>
    <message>
        <source>The language changes when Vireldo starts again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Vireldo.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Definitions changed - Do you want to save definitions ?</source>
        <translation>Definitionen geändert - Definitionen speichern?</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Click the left mouse button on an item to select or drag the item around</source>
        <translation>Linke Maustaste auf ein Element klicken, um es auszuwählen oder zu ziehen</translation>
    </message>
    <message>
        <source>Move Start</source>
        <translation>Verschieben beginnen</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Linke Maustaste gedrückt halten, um den Ursprung zu verschieben, oder rechts klicken, um aufzuhören</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Linke Maustaste halten, um den Ursprung zu verschieben, oder rechts klicken, um aufzuhören</translation>
    </message>
    <message>
        <source>Drag Track</source>
        <translation>Strecke ziehen</translation>
    </message>
    <message>
        <source>Move the mouse while holding the left mouse button to move the track</source>
        <translation>Maus mit gedrückter linker Taste bewegen, um die Strecke zu verschieben</translation>
    </message>
    <message>
        <source>Insert Track</source>
        <translation>Strecke einfügen</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the new track</source>
        <translation>Links auf die Stelle klicken, an der die neue Strecke beginnen soll</translation>
    </message>
    <message>
        <source>Drag Part</source>
        <translation>Teil ziehen</translation>
    </message>
    <message>
        <source>Move the mouse pointer onto the place where to add this track section</source>
        <translation>Mauszeiger an die Stelle bewegen, an der dieses Teil angefügt werden soll</translation>
    </message>
    <message>
        <source>Rotate Start</source>
        <translation>Drehen beginnen</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to start rotating</source>
        <translation>Linke Maustaste gedrückt halten, um das Drehen zu beginnen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Move the mouse up and down to rotate the selected track</source>
        <translation>Maus auf und ab bewegen, um die gewählte Strecke zu drehen</translation>
    </message>
    <message>
        <source>Copy Track</source>
        <translation>Strecke kopieren</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the copy of the selected track</source>
        <translation>Links auf die Stelle klicken, an der die Kopie der gewählten Strecke beginnen soll</translation>
    </message>
    <message>
        <source>Split Track</source>
        <translation>Strecke teilen</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the split part of the selected track</source>
        <translation>Links auf die Stelle klicken, an der das abgetrennte Stück der gewählten Strecke liegen soll</translation>
    </message>
    <message>
        <source>Join Track Start</source>
        <translation>Strecken verbinden beginnen</translation>
    </message>
    <message>
        <source>Drag the track onto the first or last track section of a track you want join it with</source>
        <translation>Strecke auf das erste oder letzte Teil der Strecke ziehen, mit der sie verbunden werden soll</translation>
    </message>
    <message>
        <source>Join Track</source>
        <translation>Strecken verbinden</translation>
    </message>
    <message>
        <source>Drop the track onto the first or last track section of a track you want join it with</source>
        <translation>Strecke auf dem ersten oder letzten Teil der Strecke ablegen, mit der sie verbunden werden soll</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Info-Fenster</translation>
    </message>
    <message>
        <source>Start Move Point</source>
        <translation>Punkt verschieben beginnen</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to move a freehand point</source>
        <translation>Linke Maustaste gedrückt halten, um einen Punkt der Zeichnung zu verschieben</translation>
    </message>
    <message>
        <source>Move Point</source>
        <translation>Punkt verschieben</translation>
    </message>
    <message>
        <source>Drag the point to his new position</source>
        <translation>Punkt an seine neue Stelle ziehen</translation>
    </message>
    <message>
        <source>Drag Shape</source>
        <translation>Form ziehen</translation>
    </message>
    <message>
        <source>Drag the shape to his new position</source>
        <translation>Form an ihre neue Stelle ziehen</translation>
    </message>
    <message>
        <source>Start Polyline</source>
        <translation>Linienzug beginnen</translation>
    </message>
    <message>
        <source>Left click to add a point to the polyline, right click to stop finish the shape</source>
        <translation>Links klicken fügt dem Linienzug einen Punkt hinzu, rechts klicken schließt die Form ab</translation>
    </message>
    <message>
        <source>Start Polygon</source>
        <translation>Vieleck beginnen</translation>
    </message>
    <message>
        <source>Left click to add a point to the polygon, right click to stop finish the shape</source>
        <translation>Links klicken fügt dem Vieleck einen Punkt hinzu, rechts klicken schließt die Form ab</translation>
    </message>
    <message>
        <source>Next Point</source>
        <translation>Nächster Punkt</translation>
    </message>
    <message>
        <source>Left click to add a point to the shape, right click to stop finish the shape</source>
        <translation>Links klicken fügt der Form einen Punkt hinzu, rechts klicken schließt sie ab</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Left click onto the position you want to add a text</source>
        <translation>Links auf die Stelle klicken, an der ein Text stehen soll</translation>
    </message>
    <message>
        <source>Start Rectangle</source>
        <translation>Rechteck beginnen</translation>
    </message>
    <message>
        <source>Left click onto the first corner</source>
        <translation>Links auf die erste Ecke klicken</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Left click onto the second corner</source>
        <translation>Links auf die zweite Ecke klicken</translation>
    </message>
    <message>
        <source>Start Rectangle Fill</source>
        <translation>Gefülltes Rechteck beginnen</translation>
    </message>
    <message>
        <source>Rectangle Fill</source>
        <translation>Gefülltes Rechteck</translation>
    </message>
    <message>
        <source>Start Measurement</source>
        <translation>Messen beginnen</translation>
    </message>
    <message>
        <source>Left click onto the first point</source>
        <translation>Links auf den ersten Punkt klicken</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Messen</translation>
    </message>
    <message>
        <source>Left click to measure again or right click to stop</source>
        <translation>Links klicken misst erneut, rechts klicken beendet</translation>
    </message>
    <message>
        <source>Nothing to export: the design has no tracks, drawing or room.</source>
        <translation>Nichts zu exportieren: der Entwurf hat keine Strecken, keine Zeichnung und keinen Raum.</translation>
    </message>
    <message>
        <source>Please set current tab panel to &apos;Design&apos; to use this function!</source>
        <translation>Bitte die Registerkarte &apos;Entwurf&apos; wählen, um diese Funktion zu nutzen!</translation>
    </message>
    <message>
        <source>You cannot add any more shapes (max 128) !</source>
        <translation>Es können keine weiteren Formen hinzugefügt werden (max. 128)!</translation>
    </message>
    <message>
        <source>You cannot add any more points to this shape (max 32) !</source>
        <translation>Dieser Form können keine weiteren Punkte hinzugefügt werden (max. 32)!</translation>
    </message>
    <message>
        <source>Select the open track to close first.</source>
        <translation>Zuerst die offene Strecke wählen, die geschlossen werden soll.</translation>
    </message>
    <message>
        <source>No way to close this track by changing up to 4 parts was found.</source>
        <translation>Es wurde kein Weg gefunden, diese Strecke durch Ändern von bis zu 4 Teilen zu schließen.</translation>
    </message>
    <message>
        <source>You cannot add any more parts to this track (max 2000) !</source>
        <translation>Dieser Strecke können keine weiteren Teile hinzugefügt werden (max. 2000)!</translation>
    </message>
    <message>
        <source>You cannot add any more tracks (max 32) !</source>
        <translation>Es können keine weiteren Strecken hinzugefügt werden (max. 32)!</translation>
    </message>
    <message>
        <source>You cannot delete a track which is member of a multi-lane group!</source>
        <translation>Eine Strecke, die zu einer mehrspurigen Gruppe gehört, kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>You cannot use a multi-lane group as a source to join!</source>
        <translation>Eine mehrspurige Gruppe kann nicht als Quelle zum Verbinden dienen!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Lane 1:</source>
        <translation>Spur 1:</translation>
    </message>
    <message>
        <source>Lane 2:</source>
        <translation>Spur 2:</translation>
    </message>
    <message>
        <source>You cannot add any more track definitions (max 32) !</source>
        <translation>Es können keine weiteren Schienensysteme angelegt werden (max. 32)!</translation>
    </message>
    <message>
        <source>You cannot add any more parts (max 256) !</source>
        <translation>Es können keine weiteren Teile hinzugefügt werden (max. 256)!</translation>
    </message>
    <message>
        <source>Cannot delete this track brand because this track brand is active on the design panel!</source>
        <translation>Dieses Schienensystem kann nicht gelöscht werden, weil es im Entwurf verwendet wird!</translation>
    </message>
    <message>
        <source>Cannot delete the part because this track brand is active on the design panel!</source>
        <translation>Das Teil kann nicht gelöscht werden, weil dieses Schienensystem im Entwurf verwendet wird!</translation>
    </message>
    <message>
        <source>Cannot change the order of parts because this track brand is active on the design panel!</source>
        <translation>Die Reihenfolge der Teile kann nicht geändert werden, weil dieses Schienensystem im Entwurf verwendet wird!</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 track definition!</source>
        <translation>Mindestens 1 Schienensystem muss vorhanden sein!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete definition &apos;%1&apos; ?</source>
        <translation>Definition &apos;%1&apos; wirklich löschen?</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 part!</source>
        <translation>Mindestens 1 Teil muss vorhanden sein!</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Kopiert!</translation>
    </message>
    <message>
        <source>Unknown brand code</source>
        <translation>Unbekannter Systemcode</translation>
    </message>
    <message>
        <source>Merged!</source>
        <translation>Zusammengeführt!</translation>
    </message>
    <message>
        <source>Cannot write file %1 !</source>
        <translation>Datei %1 kann nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Inner border:</source>
        <translation>Innerer Randstreifen:</translation>
    </message>
    <message>
        <source>Outer border:</source>
        <translation>Äußerer Randstreifen:</translation>
    </message>
    <message>
        <source>Lane distance:</source>
        <translation>Spurabstand:</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Winkel:</translation>
    </message>
    <message>
        <source> Width:</source>
        <translation> Breite:</translation>
    </message>
    <message>
        <source>Outer Radius:</source>
        <translation>Außenradius:</translation>
    </message>
    <message>
        <source>Inner Radius:</source>
        <translation>Innenradius:</translation>
    </message>
    <message>
        <source> Length:</source>
        <translation> Länge:</translation>
    </message>
    <message>
        <source> Width 1:</source>
        <translation> Breite 1:</translation>
    </message>
    <message>
        <source> Width 2:</source>
        <translation> Breite 2:</translation>
    </message>
    <message>
        <source>Next X:</source>
        <translation>Nächstes X:</translation>
    </message>
    <message>
        <source>Next Y:</source>
        <translation>Nächstes Y:</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Freiform</translation>
    </message>
    <message>
        <source>Track Definitions Editor</source>
        <translation>Schienensystem-Editor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Part</source>
        <translation>Teil &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Part</source>
        <translation>Teil &amp;einfügen</translation>
    </message>
    <message>
        <source>Mirror X silkscreen</source>
        <translation>Aufdruck an X spiegeln</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Define &amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>De&amp;fine</source>
        <translation>De&amp;finition</translation>
    </message>
    <message>
        <source>&amp;Save All Definitions</source>
        <translation>Alle Definitionen &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Import Vireldo V2.x .def file into current</source>
        <translation>Vireldo-V2.x-.def-Datei in das aktuelle System &amp;importieren</translation>
    </message>
    <message>
        <source>Import Vireldo V2 definition files</source>
        <translation>Vireldo-V2-Definitionsdateien importieren</translation>
    </message>
    <message>
        <source>Set All Borders like current part</source>
        <translation>Alle Randstreifen wie das aktuelle Teil setzen</translation>
    </message>
    <message>
        <source>Set All Lane Distances like current part</source>
        <translation>Alle Spurabstände wie das aktuelle Teil setzen</translation>
    </message>
    <message>
        <source>Calculate travel distance</source>
        <translation>Fahrstrecke berechnen</translation>
    </message>
    <message>
        <source>Set color to lane 1 color</source>
        <translation>Farbe auf Farbe von Spur 1 setzen</translation>
    </message>
    <message>
        <source>Set color to lane 2 color</source>
        <translation>Farbe auf Farbe von Spur 2 setzen</translation>
    </message>
    <message>
        <source>Copy current Definition type to...</source>
        <translation>Aktuelles Schienensystem kopieren nach...</translation>
    </message>
    <message>
        <source>Merge current Definition type with...</source>
        <translation>Aktuelles Schienensystem zusammenführen mit...</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Track Definition Type:</source>
        <translation>Schienensystem:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Default Width:</source>
        <translation>Standardbreite:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Number of lanes:</source>
        <translation>Anzahl der Spuren:</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source> Code</source>
        <translation> Code</translation>
    </message>
    <message>
        <source> Description</source>
        <translation> Beschreibung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source> Width</source>
        <translation> Breite</translation>
    </message>
    <message>
        <source>Travel Dist.</source>
        <translation>Fahrstrecke</translation>
    </message>
    <message>
        <source>All in cm</source>
        <translation>Alles in cm</translation>
    </message>
    <message>
        <source>Lane swap</source>
        <translation>Spurwechsel</translation>
    </message>
    <message>
        <source>REMINDER!

If you want to change part codes of existing parts you already have used in previous saved designs you will not be able to load these designs anymore!</source>
        <translation>ACHTUNG!

Wenn Sie die Codes von Teilen ändern, die Sie in früher gespeicherten Entwürfen verwendet haben, lassen sich diese Entwürfe nicht mehr laden!</translation>
    </message>
    <message>
        <source>Track Definitions Editor Part</source>
        <translation>Schienensystem-Editor: Teil</translation>
    </message>
    <message>
        <source>Zoom Toolbar</source>
        <translation>Zoom-Werkzeugleiste</translation>
    </message>
    <message>
        <source> Zoom:</source>
        <translation> Zoom:</translation>
    </message>
    <message>
        <source>Set Zoom factor numeric</source>
        <translation>Zoomfaktor als Zahl setzen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Define Grid Spacings</source>
        <translation>Rasterabstände der Definition</translation>
    </message>
    <message>
        <source> Define:</source>
        <translation> Definition:</translation>
    </message>
    <message>
        <source>Freehand Toolbar</source>
        <translation>Zeichen-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Change / Select Pen Width</source>
        <translation>Stiftbreite ändern / wählen</translation>
    </message>
    <message>
        <source>Inventory Editor</source>
        <translation>Bestands-Editor</translation>
    </message>
    <message>
        <source>Edit &apos;stock&apos; to the amount of parts you own</source>
        <translation>Unter &apos;Bestand&apos; die Anzahl Ihrer Teile eintragen</translation>
    </message>
    <message>
        <source> Section</source>
        <translation> Teil</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Counted with %1: one piece carries both roads</source>
        <translation>Mit %1 gezählt: ein Teil trägt beide Fahrbahnen</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Richt.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Lane 1</source>
        <translation>Spur 1</translation>
    </message>
    <message>
        <source>Lane 2</source>
        <translation>Spur 2</translation>
    </message>
    <message>
        <source>No program opens this address here; it is copied to the clipboard.</source>
        <translation>Kein Programm öffnet diese Adresse hier; sie wurde in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>About Vireldo</source>
        <translation>Über Vireldo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Freehand Text</source>
        <translation>Freihandtext</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>&amp;Car:</source>
        <translation>&amp;Auto:</translation>
    </message>
    <message>
        <source>&amp;Top speed:</source>
        <translation>&amp;Höchstgeschwindigkeit:</translation>
    </message>
    <message>
        <source>&amp;Acceleration:</source>
        <translation>&amp;Beschleunigung:</translation>
    </message>
    <message>
        <source>&amp;Braking:</source>
        <translation>B&amp;remsen:</translation>
    </message>
    <message>
        <source>&amp;Grip in curves:</source>
        <translation>&amp;Haftung in Kurven:</translation>
    </message>
    <message>
        <source>The presets are typical cars of each scale, not measured ones.</source>
        <translation>Die Vorgaben sind typische Autos jedes Maßstabs, keine gemessenen.</translation>
    </message>
    <message>
        <source>Vireldo Help</source>
        <translation>Vireldo-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>The manual is in English.</source>
        <translation>Das Handbuch ist auf Englisch.</translation>
    </message>
    <message>
        <source>Vireldo Help - </source>
        <translation>Vireldo-Hilfe - </translation>
    </message>
    <message>
        <source>Track Section List</source>
        <translation>Teileliste der Strecke</translation>
    </message>
    <message>
        <source>Wait until the export or print under way has finished.</source>
        <translation>Warten Sie, bis der laufende Export oder Druck beendet ist.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Layout Check</source>
        <translation>Streckenprüfung</translation>
    </message>
    <message>
        <source>Close Loop...</source>
        <translation>Runde schließen...</translation>
    </message>
    <message>
        <source>Propose parts that close the selected open track</source>
        <translation>Teile vorschlagen, die die gewählte offene Strecke schließen</translation>
    </message>
    <message>
        <source>Inser&amp;t</source>
        <translation>Einfü&amp;gen</translation>
    </message>
    <message>
        <source>Overwri&amp;te</source>
        <translation>Übersc&amp;hreiben</translation>
    </message>
    <message>
        <source>Save GIF</source>
        <translation>GIF speichern</translation>
    </message>
    <message>
        <source>Nothing to print: the design has no tracks, drawing or room.</source>
        <translation>Nichts zu drucken: der Entwurf hat keine Strecken, keine Zeichnung und keinen Raum.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Room</source>
        <translation>&amp;Raum</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Menu Toolbar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;New room wizard</source>
        <translation>&amp;Neuer-Raum-Assistent</translation>
    </message>
    <message>
        <source>&amp;Open room...</source>
        <translation>Raum ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;New design wizard</source>
        <translation>&amp;Neuer-Entwurf-Assistent</translation>
    </message>
    <message>
        <source>&amp;Open design...</source>
        <translation>Entwurf ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Import .tr&amp;k...</source>
        <translation>.tr&amp;k importieren...</translation>
    </message>
    <message>
        <source>Import .tr&amp;2...</source>
        <translation>.tr&amp;2 importieren...</translation>
    </message>
    <message>
        <source>Suggest &amp;Layouts...</source>
        <translation>&amp;Layouts vorschlagen...</translation>
    </message>
    <message>
        <source>&amp;Inventory Editor</source>
        <translation>&amp;Bestands-Editor</translation>
    </message>
    <message>
        <source>Track &amp;Definitions Editor</source>
        <translation>Schienensystem-E&amp;ditor</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>S&amp;eite einrichten...</translation>
    </message>
    <message>
        <source>Print &amp;Monochrome</source>
        <translation>Schwarz-weiß dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Print Design...</source>
        <translation>Entwurf &amp;drucken...</translation>
    </message>
    <message>
        <source>Print at &amp;Scale...</source>
        <translation>&amp;Maßstabsgetreu drucken...</translation>
    </message>
    <message>
        <source>Show &amp;Tracklist (HTML)...</source>
        <translation>&amp;Teileliste anzeigen (HTML)...</translation>
    </message>
    <message>
        <source>Save screen as .&amp;GIF</source>
        <translation>Bildschirm als .&amp;GIF speichern</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo design</source>
        <translation>Entwurf &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo design</source>
        <translation>Entwurf &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>I&amp;nsert Track</source>
        <translation>Strecke ei&amp;nfügen</translation>
    </message>
    <message>
        <source>D&amp;elete Track</source>
        <translation>Strecke &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Delete Track Selection</source>
        <translation>Auswahl der Strecke l&amp;öschen</translation>
    </message>
    <message>
        <source>Delete Freehand &amp;Shape</source>
        <translation>Freihand-&amp;Form löschen</translation>
    </message>
    <message>
        <source>Toggle Overwri&amp;te</source>
        <translation>Übersc&amp;hreiben umschalten</translation>
    </message>
    <message>
        <source>&amp;Layout Check</source>
        <translation>Strecken&amp;prüfung</translation>
    </message>
    <message>
        <source>Layout Check: open loops, overlaps, lane lengths, parts to buy</source>
        <translation>Streckenprüfung: offene Runden, Überlappungen, Spurlängen, zu kaufende Teile</translation>
    </message>
    <message>
        <source>&amp;Close Loop...</source>
        <translation>Runde &amp;schließen...</translation>
    </message>
    <message>
        <source>Center and &amp;Zoom</source>
        <translation>Zentrieren und &amp;zoomen</translation>
    </message>
    <message>
        <source>Part Codes in &amp;Palette</source>
        <translation>Teilecodes in der &amp;Palette</translation>
    </message>
    <message>
        <source>Show &amp;Heights</source>
        <translation>&amp;Höhen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metrisch</translation>
    </message>
    <message>
        <source>&amp;Filled</source>
        <translation>&amp;Gefüllt</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Lineal</translation>
    </message>
    <message>
        <source>&amp;Color Lanes</source>
        <translation>Spuren &amp;farbig</translation>
    </message>
    <message>
        <source>Color O&amp;ut of stock</source>
        <translation>Nicht vorrätige Teile &amp;einfärben</translation>
    </message>
    <message>
        <source>Show Ou&amp;t of stock</source>
        <translation>Nicht vorrätige Teile &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Show Points</source>
        <translation>&amp;Punkte anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Part Codes</source>
        <translation>Teile&amp;codes anzeigen</translation>
    </message>
    <message>
        <source>&amp;Design Grid</source>
        <translation>&amp;Entwurfsraster</translation>
    </message>
    <message>
        <source>R&amp;oom Grid</source>
        <translation>Raum&amp;raster</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Info </source>
        <translation>Info </translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Drag &amp;&amp; Drop or</source>
        <translation>Ziehen &amp;&amp; Ablegen oder</translation>
    </message>
    <message>
        <source>double click to insert</source>
        <translation>Doppelklick zum Einfügen</translation>
    </message>
    <message>
        <source>C&amp;ar...</source>
        <translation>&amp;Auto...</translation>
    </message>
    <message>
        <source>Speed &amp;Trace</source>
        <translation>&amp;Geschwindigkeitsverlauf</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>&amp;Rennen</translation>
    </message>
    <message>
        <source>Race: a car on every lane at its estimated speed (Escape stops)</source>
        <translation>Rennen: ein Auto auf jeder Spur mit seiner geschätzten Geschwindigkeit (Esc beendet)</translation>
    </message>
    <message>
        <source>Speed of the race view: 0.1x to 4x real time</source>
        <translation>Tempo der Rennansicht: 0,1- bis 4-fache Echtzeit</translation>
    </message>
    <message>
        <source>File Toolbar</source>
        <translation>Datei-Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Design</source>
        <translation>Neuer Entwurf</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Entwurf öffnen</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Entwurf speichern</translation>
    </message>
    <message>
        <source>Save Current Design</source>
        <translation>Aktuellen Entwurf speichern</translation>
    </message>
    <message>
        <source>Print Design</source>
        <translation>Entwurf drucken</translation>
    </message>
    <message>
        <source>Print Current Design</source>
        <translation>Aktuellen Entwurf drucken</translation>
    </message>
    <message>
        <source>Track Definition Editor</source>
        <translation>Schienensystem-Editor</translation>
    </message>
    <message>
        <source>Show HTML</source>
        <translation>HTML zeigen</translation>
    </message>
    <message>
        <source>Show Design as HTML</source>
        <translation>Entwurf als HTML zeigen</translation>
    </message>
    <message>
        <source>Save screen as .GIF</source>
        <translation>Bildschirm als .GIF speichern</translation>
    </message>
    <message>
        <source>Move origin</source>
        <translation>Ursprung verschieben</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Insert Toolbar</source>
        <translation>Einfüge-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Edit mode of drag &amp; drop parts</source>
        <translation>Wie gezogene Teile eingesetzt werden</translation>
    </message>
    <message>
        <source>Border Toolbar</source>
        <translation>Randstreifen-Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Set border</source>
        <translation>Randstreifen &amp;setzen</translation>
    </message>
    <message>
        <source>Add or Remove borders?</source>
        <translation>Randstreifen hinzufügen oder entfernen?</translation>
    </message>
    <message>
        <source>&amp;Inner</source>
        <translation>&amp;Innen</translation>
    </message>
    <message>
        <source>Add or Remove Inner Border</source>
        <translation>Inneren Randstreifen hinzufügen oder entfernen</translation>
    </message>
    <message>
        <source>&amp;Outer</source>
        <translation>&amp;Außen</translation>
    </message>
    <message>
        <source>Add or Remove Outer Border</source>
        <translation>Äußeren Randstreifen hinzufügen oder entfernen</translation>
    </message>
    <message>
        <source>Center and Zoom</source>
        <translation>Zentrieren und zoomen</translation>
    </message>
    <message>
        <source>Center and maximize zoom</source>
        <translation>Zentrieren und größtmöglich zoomen</translation>
    </message>
    <message>
        <source>Track Toolbar</source>
        <translation>Strecken-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Delete Sections</source>
        <translation>Teile löschen</translation>
    </message>
    <message>
        <source>Delete selected track sections</source>
        <translation>Gewählte Teile der Strecke löschen</translation>
    </message>
    <message>
        <source>Anchor Section</source>
        <translation>Teil verankern</translation>
    </message>
    <message>
        <source>Anchor selected section</source>
        <translation>Gewähltes Teil verankern</translation>
    </message>
    <message>
        <source>Raise Track</source>
        <translation>Strecke anheben</translation>
    </message>
    <message>
        <source>Raise selected track sections</source>
        <translation>Gewählte Teile der Strecke anheben</translation>
    </message>
    <message>
        <source>Lower Track</source>
        <translation>Strecke absenken</translation>
    </message>
    <message>
        <source>Lower selected track sections</source>
        <translation>Gewählte Teile der Strecke absenken</translation>
    </message>
    <message>
        <source>Delete Track</source>
        <translation>Strecke löschen</translation>
    </message>
    <message>
        <source>Delete selected Track</source>
        <translation>Gewählte Strecke löschen</translation>
    </message>
    <message>
        <source>Copy selected Track</source>
        <translation>Gewählte Strecke kopieren</translation>
    </message>
    <message>
        <source>Mirror Track</source>
        <translation>Strecke spiegeln</translation>
    </message>
    <message>
        <source>Mirror selected track</source>
        <translation>Gewählte Strecke spiegeln</translation>
    </message>
    <message>
        <source>Split selected track into two seperate tracks</source>
        <translation>Gewählte Strecke in zwei getrennte Strecken teilen</translation>
    </message>
    <message>
        <source>Join two tracks</source>
        <translation>Zwei Strecken verbinden</translation>
    </message>
    <message>
        <source>Quick Rotate</source>
        <translation>Schnell drehen</translation>
    </message>
    <message>
        <source>Quick Rotate 90 degrees steps</source>
        <translation>In 90-Grad-Schritten schnell drehen</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>Rotate selected track</source>
        <translation>Gewählte Strecke drehen</translation>
    </message>
    <message>
        <source>Insert Polyline</source>
        <translation>Linienzug einfügen</translation>
    </message>
    <message>
        <source>Insert Polygon</source>
        <translation>Vieleck einfügen</translation>
    </message>
    <message>
        <source>Insert Rectangle</source>
        <translation>Rechteck einfügen</translation>
    </message>
    <message>
        <source>Insert Filled Rectangle</source>
        <translation>Gefülltes Rechteck einfügen</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Text einfügen</translation>
    </message>
    <message>
        <source>Change Selected Text</source>
        <translation>Gewählten Text ändern</translation>
    </message>
    <message>
        <source>Change / Select Color</source>
        <translation>Farbe ändern / wählen</translation>
    </message>
    <message>
        <source>Move a Point of Selected Shape</source>
        <translation>Einen Punkt der gewählten Form verschieben</translation>
    </message>
    <message>
        <source>Delete Selected Shape</source>
        <translation>Gewählte Form löschen</translation>
    </message>
    <message>
        <source>Measure Distance</source>
        <translation>Abstand messen</translation>
    </message>
    <message>
        <source>Design Grid Spacings</source>
        <translation>Rasterabstände des Entwurfs</translation>
    </message>
    <message>
        <source> Design:</source>
        <translation> Entwurf:</translation>
    </message>
    <message>
        <source>Room Grid Spacings</source>
        <translation>Rasterabstände des Raums</translation>
    </message>
    <message>
        <source> Room:</source>
        <translation> Raum:</translation>
    </message>
    <message>
        <source>Room File Toolbar</source>
        <translation>Raum-Datei-Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Room</source>
        <translation>Neuer Raum</translation>
    </message>
    <message>
        <source>Open Room</source>
        <translation>Raum öffnen</translation>
    </message>
    <message>
        <source>Save Room</source>
        <translation>Raum speichern</translation>
    </message>
    <message>
        <source>Room Zoom Toolbar</source>
        <translation>Raum-Zoom-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Ask Brand Code</source>
        <translation>Systemcode eingeben</translation>
    </message>
    <message>
        <source>Brand code:</source>
        <translation>Systemcode:</translation>
    </message>
    <message>
        <source>New Design Wizard</source>
        <translation>Neuer-Entwurf-Assistent</translation>
    </message>
    <message>
        <source>  2 Lane</source>
        <translation>  2 Spuren</translation>
    </message>
    <message>
        <source>  4 Lane</source>
        <translation>  4 Spuren</translation>
    </message>
    <message>
        <source>  6 Lane</source>
        <translation>  6 Spuren</translation>
    </message>
    <message>
        <source>  8 Lane</source>
        <translation>  8 Spuren</translation>
    </message>
    <message>
        <source>10 Lane</source>
        <translation>10 Spuren</translation>
    </message>
    <message>
        <source>Open at startup</source>
        <translation>Beim Start öffnen</translation>
    </message>
    <message>
        <source>Print at Scale</source>
        <translation>Maßstabsgetreu drucken</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers</source>
        <translation>Schablone: Umrisse, Spurlinien, Codes und Nummern</translation>
    </message>
    <message>
        <source>As on screen</source>
        <translation>Wie am Bildschirm</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Maßstab:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>S&amp;tyle:</source>
        <translation>S&amp;til:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Die Seiten konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>No track to race on: the race view needs a closed track.</source>
        <translation>Keine Strecke für ein Rennen: die Rennansicht braucht eine geschlossene Strecke.</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Kippen</translation>
    </message>
    <message>
        <source>New Room Wizard</source>
        <translation>Neuer-Raum-Assistent</translation>
    </message>
    <message>
        <source>Room Shape</source>
        <translation>Raumform</translation>
    </message>
    <message>
        <source>Rectangle </source>
        <translation>Rechteck </translation>
    </message>
    <message>
        <source>L shaped </source>
        <translation>L-förmig </translation>
    </message>
    <message>
        <source>M shaped </source>
        <translation>M-förmig </translation>
    </message>
    <message>
        <source>T shaped </source>
        <translation>T-förmig </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Filled In</source>
        <translation>Gefüllt</translation>
    </message>
    <message>
        <source>Speed Trace</source>
        <translation>Geschwindigkeitsverlauf</translation>
    </message>
    <message>
        <source>Track %1, car %2</source>
        <translation>Strecke %1, Auto %2</translation>
    </message>
    <message>
        <source>No closed track</source>
        <translation>Keine geschlossene Strecke</translation>
    </message>
    <message>
        <source>Suggest Layouts</source>
        <translation>Layouts vorschlagen</translation>
    </message>
    <message>
        <source>Choose the board and the track, then Suggest.</source>
        <translation>Platte und Schienen wählen, dann Vorschlagen.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>A &amp;board</source>
        <translation>Eine &amp;Platte</translation>
    </message>
    <message>
        <source>The &amp;room</source>
        <translation>Der &amp;Raum</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Only parts in &amp;stock</source>
        <translation>Nur Teile aus dem &amp;Bestand</translation>
    </message>
    <message>
        <source>Allow a &amp;crossing (figure-eight)</source>
        <translation>&amp;Kreuzung erlauben (Achterbahn)</translation>
    </message>
    <message>
        <source>Allow &amp;bridges</source>
        <translation>&amp;Brücken erlauben</translation>
    </message>
    <message>
        <source>Shortest &amp;lap:</source>
        <translation>Kürzeste &amp;Runde:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>&amp;Proposals:</source>
        <translation>&amp;Vorschläge:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>S&amp;tartwert:</translation>
    </message>
    <message>
        <source>&amp;Time limit:</source>
        <translation>&amp;Zeitlimit:</translation>
    </message>
    <message>
        <source>S&amp;uggest</source>
        <translation>&amp;Vorschlagen</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>No layout fits with these parts and options.</source>
        <translation>Kein Layout passt mit diesen Teilen und Optionen.</translation>
    </message>
    <message>
        <source>%1 layouts from %2 candidates; the longest laps first.</source>
        <translation>%1 Layouts aus %2 Kandidaten; die längsten Runden zuerst.</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (abgebrochen)</translation>
    </message>
    <message>
        <source>Tracks 2000|*.tr3|All Files|*.*</source>
        <translation>Tracks 2000|*.tr3|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Save Track design</source>
        <translation>Streckenentwurf speichern</translation>
    </message>
    <message>
        <source>Design changed - Do you want to save design %1 ?</source>
        <translation>Entwurf geändert - Entwurf %1 speichern?</translation>
    </message>
    <message>
        <source>Open Vireldo Design</source>
        <translation>Vireldo-Entwurf öffnen</translation>
    </message>
    <message>
        <source>Import Vireldo V2 designs</source>
        <translation>Vireldo-V2-Entwürfe importieren</translation>
    </message>
    <message>
        <source>Tracks V2|*.tr2|All Files|*.*</source>
        <translation>Tracks V2|*.tr2|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Import Vireldo V1 designs</source>
        <translation>Vireldo-V1-Entwürfe importieren</translation>
    </message>
    <message>
        <source>Tracks V1|*.trk|All Files|*.*</source>
        <translation>Tracks V1|*.trk|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 wird geschrieben</translation>
    </message>
    <message>
        <source>A PDF page of %1 x %2 mm is larger than PDF readers open (200 inches). Write the layout on A4 pages to tape together instead?</source>
        <translation>Eine PDF-Seite von %1 x %2 mm ist größer, als PDF-Programme öffnen (200 Zoll). Das Layout stattdessen auf A4-Seiten zum Zusammenkleben schreiben?</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers, nothing filled</source>
        <translation>Schablone: Umrisse, Spurlinien, Codes und Nummern, nichts gefüllt</translation>
    </message>
    <message>
        <source>Export at true scale</source>
        <translation>Maßstabsgetreu exportieren</translation>
    </message>
    <message>
        <source>SVG drawing|*.svg|DXF drawing (millimetres)|*.dxf|PDF page of the layout&apos;s size|*.pdf</source>
        <translation>SVG-Zeichnung|*.svg|DXF-Zeichnung (Millimeter)|*.dxf|PDF-Seite in Layoutgröße|*.pdf</translation>
    </message>
    <message>
        <source>The design has no track system to suggest layouts of.</source>
        <translation>Der Entwurf hat kein Schienensystem, für das Layouts vorgeschlagen werden können.</translation>
    </message>
    <message>
        <source>The room has no closed outline: draw one with the room wizard first.</source>
        <translation>Der Raum hat keinen geschlossenen Umriss: zuerst mit dem Raum-Assistenten einen zeichnen.</translation>
    </message>
    <message>
        <source>Vireldo did not end properly last time. It kept these unsaved changes:</source>
        <translation>Vireldo wurde beim letzten Mal nicht richtig beendet. Diese ungesicherten Änderungen wurden aufbewahrt:</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(nie gespeichert)</translation>
    </message>
    <message>
        <source>Recover brings back the newest design and room; Discard deletes the copies; Later asks again at the next start.</source>
        <translation>Wiederherstellen holt den neuesten Entwurf und Raum zurück; Verwerfen löscht die Kopien; Später fragt beim nächsten Start erneut.</translation>
    </message>
    <message>
        <source>Cannot write the track list: neither %1 nor the user&apos;s data folder can be written !</source>
        <translation>Die Teileliste kann nicht geschrieben werden: weder %1 noch der Datenordner des Benutzers ist beschreibbar!</translation>
    </message>
    <message>
        <source>Room Template|*.rm3|All Files|*.*</source>
        <translation>Raumvorlage|*.rm3|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Save Room Template</source>
        <translation>Raumvorlage speichern</translation>
    </message>
    <message>
        <source>Room changed - Do you want to save room %1 ?</source>
        <translation>Raum geändert - Raum %1 speichern?</translation>
    </message>
    <message>
        <source>Open Room Template</source>
        <translation>Raumvorlage öffnen</translation>
    </message>
    <message>
        <source>Cannot load track definition file &apos;%1&apos; ! </source>
        <translation>Die Schienendefinitionsdatei &apos;%1&apos; kann nicht geladen werden! </translation>
    </message>
    <message>
        <source>EXIT VIRELDO!</source>
        <translation>VIRELDO WIRD BEENDET!</translation>
    </message>
    <message>
        <source>%1 mm past the start</source>
        <translation>%1 mm hinter dem Start</translation>
    </message>
    <message>
        <source>%1 mm short of the start</source>
        <translation>%1 mm vor dem Start</translation>
    </message>
    <message>
        <source>%1 mm to the left of the start</source>
        <translation>%1 mm links vom Start</translation>
    </message>
    <message>
        <source>%1 mm to the right of the start</source>
        <translation>%1 mm rechts vom Start</translation>
    </message>
    <message>
        <source>%1 mm to the left</source>
        <translation>%1 mm nach links</translation>
    </message>
    <message>
        <source>%1 mm to the right</source>
        <translation>%1 mm nach rechts</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, lap 2 %1 s (%2 %)</source>
        <translation>, Runde Spur 2 %1 s (%2 %)</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove %1, add %2</source>
        <translation>%1 entfernen, %2 anfügen</translation>
    </message>
    <message>
        <source>%1  (%2 mm left)</source>
        <translation>%1  (%2 mm übrig)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>open, gap %1 mm, %2 degrees off%3</source>
        <translation>offen, Lücke %1 mm, %2 Grad Abweichung%3</translation>
    </message>
    <message>
        <source>, the end %1</source>
        <translation>, das Ende %1</translation>
    </message>
    <message>
        <source>Track %1: %2, lane 2 %3 cm (%4 %)%5</source>
        <translation>Strecke %1: %2, Spur 2 %3 cm (%4 %)%5</translation>
    </message>
    <message>
        <source>Tracks %1 and %2 nearly meet (%3 mm): Join Track</source>
        <translation>Strecken %1 und %2 treffen sich fast (%3 mm): Strecken verbinden</translation>
    </message>
    <message>
        <source>Overlap: track %1 part %2 and track %3 part %4</source>
        <translation>Überlappung: Strecke %1 Teil %2 und Strecke %3 Teil %4</translation>
    </message>
    <message>
        <source>Buy %1 x %2</source>
        <translation>%1 x %2 kaufen</translation>
    </message>
    <message>
        <source>Every track closes, nothing overlaps, nothing is missing.</source>
        <translation>Jede Strecke ist geschlossen, nichts überlappt, nichts fehlt.</translation>
    </message>
    <message>
        <source>Close Loop</source>
        <translation>Runde schließen</translation>
    </message>
    <message>
        <source>%1 - %2 - Free: %3</source>
        <translation>%1 - %2 - Frei: %3</translation>
    </message>
    <message>
        <source>%1 - track %2 part %3</source>
        <translation>%1 - Strecke %2 Teil %3</translation>
    </message>
    <message>
        <source>Angle %1°</source>
        <translation>Winkel %1°</translation>
    </message>
    <message>
        <source>Track Sections Info</source>
        <translation>Teile im Bestand</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Track Lengths</source>
        <translation>Streckenlängen</translation>
    </message>
    <message>
        <source>Track Curve Count</source>
        <translation>Anzahl der Kurven</translation>
    </message>
    <message>
        <source>Left #</source>
        <translation>Links #</translation>
    </message>
    <message>
        <source>Right #</source>
        <translation>Rechts #</translation>
    </message>
    <message>
        <source>Design Size</source>
        <translation>Größe des Entwurfs</translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Breite: </translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Höhe: </translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>Average speed</source>
        <translation>Durchschnittstempo</translation>
    </message>
    <message>
        <source>Full throttle</source>
        <translation>Vollgas</translation>
    </message>
    <message>
        <source>Lane 2 vs lane 1</source>
        <translation>Spur 2 gegen Spur 1</translation>
    </message>
    <message>
        <source>Estimated lap times, car</source>
        <translation>Geschätzte Rundenzeiten, Auto</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%1 von %2 %3</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, noch etwa %1 s</translation>
    </message>
    <message>
        <source>%1 x %2 = %3 pages (%4), and an overview page</source>
        <translation>%1 x %2 = %3 Seiten (%4) und eine Übersichtsseite</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>quer</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>Print at 1:%1</source>
        <translation>Drucken in 1:%1</translation>
    </message>
    <message>
        <source>of %1 (1 is the overview)</source>
        <translation>von %1 (1 ist die Übersicht)</translation>
    </message>
    <message>
        <source>This prints %1 pages. Go on?</source>
        <translation>Das druckt %1 Seiten. Fortfahren?</translation>
    </message>
    <message>
        <source>%1 m, %2 parts</source>
        <translation>%1 m, %2 Teile</translation>
    </message>
    <message>
        <source>%1 ft, %2 parts</source>
        <translation>%1 ft, %2 Teile</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>Part number &apos;%1&apos; is unknown! SKIPPED!</source>
        <translation>Teilenummer &apos;%1&apos; ist unbekannt! ÜBERSPRUNGEN!</translation>
    </message>
    <message>
        <source>Cannot open file %1 !</source>
        <translation>Datei %1 kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Brand %1 is unknown!</source>
        <translation>Schienensystem %1 ist unbekannt!</translation>
    </message>
    <message>
        <source>File %1 is damaged or incomplete; what could be read is shown.</source>
        <translation>Datei %1 ist beschädigt oder unvollständig; angezeigt wird, was gelesen werden konnte.</translation>
    </message>
    <message>
        <source>Part number %1 is unknown in current active brand! I think you are using a brand that does not match the .TR2 file!</source>
        <translation>Teilenummer %1 ist im aktiven Schienensystem unbekannt! Vermutlich passt das System nicht zur .TR2-Datei!</translation>
    </message>
    <message>
        <source>The board is smaller than the smallest closed loop of %1 (%2 x %3 cm with a margin of %4 cm all round).</source>
        <translation>Die Platte ist kleiner als die kleinste geschlossene Runde von %1 (%2 x %3 cm mit %4 cm Rand ringsum).</translation>
    </message>
    <message>
        <source>V2 Def files|*.def|All Files|*.*</source>
        <translation>V2-Def-Dateien|*.def|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>GIF file|*.gif|All Files|*.*</source>
        <translation>GIF-Datei|*.gif|Alle Dateien|*.*</translation>
    </message>
</context>
</TS>
