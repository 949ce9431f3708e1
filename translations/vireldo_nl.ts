<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Texts</name>
    <message>
        <source>The language changes when Vireldo starts again.</source>
        <translation>De taal verandert wanneer Vireldo opnieuw start.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerpen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>Definitions changed - Do you want to save definitions ?</source>
        <translation>Definities gewijzigd - Wilt u de definities opslaan?</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>Click the left mouse button on an item to select or drag the item around</source>
        <translation>Klik met de linkermuisknop op een element om het te selecteren of te verslepen</translation>
    </message>
    <message>
        <source>Move Start</source>
        <translation>Verplaatsen starten</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Houd de linkermuisknop ingedrukt om de oorsprong te verplaatsen of klik rechts om te stoppen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Houd de linkermuisknop vast om de oorsprong te verplaatsen of klik rechts om te stoppen</translation>
    </message>
    <message>
        <source>Drag Track</source>
        <translation>Baan slepen</translation>
    </message>
    <message>
        <source>Move the mouse while holding the left mouse button to move the track</source>
        <translation>Beweeg de muis met de linkerknop ingedrukt om de baan te verplaatsen</translation>
    </message>
    <message>
        <source>Insert Track</source>
        <translation>Baan invoegen</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the new track</source>
        <translation>Klik links op de plek waar de nieuwe baan moet komen</translation>
    </message>
    <message>
        <source>Drag Part</source>
        <translation>Deel slepen</translation>
    </message>
    <message>
        <source>Move the mouse pointer onto the place where to add this track section</source>
        <translation>Beweeg de muisaanwijzer naar de plek waar dit deel moet komen</translation>
    </message>
    <message>
        <source>Rotate Start</source>
        <translation>Draaien starten</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to start rotating</source>
        <translation>Houd de linkermuisknop ingedrukt om te beginnen met draaien</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Move the mouse up and down to rotate the selected track</source>
        <translation>Beweeg de muis op en neer om de gekozen baan te draaien</translation>
    </message>
    <message>
        <source>Copy Track</source>
        <translation>Baan kopiëren</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the copy of the selected track</source>
        <translation>Klik links op de plek waar de kopie van de gekozen baan moet komen</translation>
    </message>
    <message>
        <source>Split Track</source>
        <translation>Baan splitsen</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the split part of the selected track</source>
        <translation>Klik links op de plek waar het afgesplitste stuk van de gekozen baan moet komen</translation>
    </message>
    <message>
        <source>Join Track Start</source>
        <translation>Banen verbinden starten</translation>
    </message>
    <message>
        <source>Drag the track onto the first or last track section of a track you want join it with</source>
        <translation>Sleep de baan op het eerste of laatste deel van de baan waarmee u haar wilt verbinden</translation>
    </message>
    <message>
        <source>Join Track</source>
        <translation>Banen verbinden</translation>
    </message>
    <message>
        <source>Drop the track onto the first or last track section of a track you want join it with</source>
        <translation>Laat de baan los op het eerste of laatste deel van de baan waarmee u haar wilt verbinden</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Infovenster</translation>
    </message>
    <message>
        <source>Start Move Point</source>
        <translation>Punt verplaatsen starten</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to move a freehand point</source>
        <translation>Houd de linkermuisknop ingedrukt om een punt van de tekening te verplaatsen</translation>
    </message>
    <message>
        <source>Move Point</source>
        <translation>Punt verplaatsen</translation>
    </message>
    <message>
        <source>Drag the point to his new position</source>
        <translation>Sleep het punt naar zijn nieuwe plek</translation>
    </message>
    <message>
        <source>Drag Shape</source>
        <translation>Vorm slepen</translation>
    </message>
    <message>
        <source>Drag the shape to his new position</source>
        <translation>Sleep de vorm naar zijn nieuwe plek</translation>
    </message>
    <message>
        <source>Start Polyline</source>
        <translation>Polylijn starten</translation>
    </message>
    <message>
        <source>Left click to add a point to the polyline, right click to stop finish the shape</source>
        <translation>Klik links om een punt aan de polylijn toe te voegen, rechts om de vorm af te ronden</translation>
    </message>
    <message>
        <source>Start Polygon</source>
        <translation>Veelhoek starten</translation>
    </message>
    <message>
        <source>Left click to add a point to the polygon, right click to stop finish the shape</source>
        <translation>Klik links om een punt aan de veelhoek toe te voegen, rechts om de vorm af te ronden</translation>
    </message>
    <message>
        <source>Next Point</source>
        <translation>Volgend punt</translation>
    </message>
    <message>
        <source>Left click to add a point to the shape, right click to stop finish the shape</source>
        <translation>Klik links om een punt aan de vorm toe te voegen, rechts om haar af te ronden</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Left click onto the position you want to add a text</source>
        <translation>Klik links op de plek waar u een tekst wilt plaatsen</translation>
    </message>
    <message>
        <source>Start Rectangle</source>
        <translation>Rechthoek starten</translation>
    </message>
    <message>
        <source>Left click onto the first corner</source>
        <translation>Klik links op de eerste hoek</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Left click onto the second corner</source>
        <translation>Klik links op de tweede hoek</translation>
    </message>
    <message>
        <source>Start Rectangle Fill</source>
        <translation>Gevulde rechthoek starten</translation>
    </message>
    <message>
        <source>Rectangle Fill</source>
        <translation>Gevulde rechthoek</translation>
    </message>
    <message>
        <source>Start Measurement</source>
        <translation>Meten starten</translation>
    </message>
    <message>
        <source>Left click onto the first point</source>
        <translation>Klik links op het eerste punt</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Meten</translation>
    </message>
    <message>
        <source>Left click to measure again or right click to stop</source>
        <translation>Klik links om opnieuw te meten, rechts om te stoppen</translation>
    </message>
    <message>
        <source>Nothing to export: the design has no tracks, drawing or room.</source>
        <translation>Niets te exporteren: het ontwerp heeft geen banen, tekening of ruimte.</translation>
    </message>
    <message>
        <source>Please set current tab panel to &apos;Design&apos; to use this function!</source>
        <translation>Kies het tabblad &apos;Ontwerp&apos; om deze functie te gebruiken!</translation>
    </message>
    <message>
        <source>You cannot add any more shapes (max 128) !</source>
        <translation>Er kunnen geen vormen meer worden toegevoegd (max 128)!</translation>
    </message>
    <message>
        <source>You cannot add any more points to this shape (max 32) !</source>
        <translation>Er kunnen geen punten meer aan deze vorm worden toegevoegd (max 32)!</translation>
    </message>
    <message>
        <source>Select the open track to close first.</source>
        <translation>Kies eerst de open baan die gesloten moet worden.</translation>
    </message>
    <message>
        <source>No way to close this track by changing up to 4 parts was found.</source>
        <translation>Er is geen manier gevonden om deze baan te sluiten door tot 4 delen te wijzigen.</translation>
    </message>
    <message>
        <source>You cannot add any more parts to this track (max 2000) !</source>
        <translation>Er kunnen geen delen meer aan deze baan worden toegevoegd (max 2000)!</translation>
    </message>
    <message>
        <source>You cannot add any more tracks (max 32) !</source>
        <translation>Er kunnen geen banen meer worden toegevoegd (max 32)!</translation>
    </message>
    <message>
        <source>You cannot delete a track which is member of a multi-lane group!</source>
        <translation>Een baan die deel is van een meerbaansgroep kan niet worden verwijderd!</translation>
    </message>
    <message>
        <source>You cannot use a multi-lane group as a source to join!</source>
        <translation>Een meerbaansgroep kan niet als bron voor het verbinden dienen!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Lane 1:</source>
        <translation>Baan 1:</translation>
    </message>
    <message>
        <source>Lane 2:</source>
        <translation>Baan 2:</translation>
    </message>
    <message>
        <source>You cannot add any more track definitions (max 32) !</source>
        <translation>Er kunnen geen baandefinities meer worden toegevoegd (max 32)!</translation>
    </message>
    <message>
        <source>You cannot add any more parts (max 256) !</source>
        <translation>Er kunnen geen delen meer worden toegevoegd (max 256)!</translation>
    </message>
    <message>
        <source>Cannot delete this track brand because this track brand is active on the design panel!</source>
        <translation>Dit baanmerk kan niet worden verwijderd omdat het actief is in het ontwerp!</translation>
    </message>
    <message>
        <source>Cannot delete the part because this track brand is active on the design panel!</source>
        <translation>Het deel kan niet worden verwijderd omdat dit baanmerk actief is in het ontwerp!</translation>
    </message>
    <message>
        <source>Cannot change the order of parts because this track brand is active on the design panel!</source>
        <translation>De volgorde van de delen kan niet worden gewijzigd omdat dit baanmerk actief is in het ontwerp!</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 track definition!</source>
        <translation>Er moet minstens 1 baandefinitie zijn!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete definition &apos;%1&apos; ?</source>
        <translation>Weet u zeker dat u definitie &apos;%1&apos; wilt verwijderen?</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 part!</source>
        <translation>Er moet minstens 1 deel zijn!</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Gekopieerd!</translation>
    </message>
    <message>
        <source>Unknown brand code</source>
        <translation>Onbekende merkcode</translation>
    </message>
    <message>
        <source>Merged!</source>
        <translation>Samengevoegd!</translation>
    </message>
    <message>
        <source>Cannot write file %1 !</source>
        <translation>Bestand %1 kan niet worden geschreven!</translation>
    </message>
    <message>
        <source>Inner border:</source>
        <translation>Binnenberm:</translation>
    </message>
    <message>
        <source>Outer border:</source>
        <translation>Buitenberm:</translation>
    </message>
    <message>
        <source>Lane distance:</source>
        <translation>Baanafstand:</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Hoek:</translation>
    </message>
    <message>
        <source> Width:</source>
        <translation> Breedte:</translation>
    </message>
    <message>
        <source>Outer Radius:</source>
        <translation>Buitenstraal:</translation>
    </message>
    <message>
        <source>Inner Radius:</source>
        <translation>Binnenstraal:</translation>
    </message>
    <message>
        <source> Length:</source>
        <translation> Lengte:</translation>
    </message>
    <message>
        <source> Width 1:</source>
        <translation> Breedte 1:</translation>
    </message>
    <message>
        <source> Width 2:</source>
        <translation> Breedte 2:</translation>
    </message>
    <message>
        <source>Next X:</source>
        <translation>Volgende X:</translation>
    </message>
    <message>
        <source>Next Y:</source>
        <translation>Volgende Y:</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Bocht</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Recht stuk</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Overgangsstuk</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Vrije vorm</translation>
    </message>
    <message>
        <source>Track Definitions Editor</source>
        <translation>Editor van baandefinities</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Copy Part</source>
        <translation>Deel &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste Part</source>
        <translation>Deel &amp;plakken</translation>
    </message>
    <message>
        <source>Mirror X silkscreen</source>
        <translation>Opdruk spiegelen in X</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Define &amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>De&amp;fine</source>
        <translation>De&amp;finitie</translation>
    </message>
    <message>
        <source>&amp;Save All Definitions</source>
        <translation>Alle definities &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Import Vireldo V2.x .def file into current</source>
        <translation>Vireldo V2.x .def-bestand in de huidige &amp;importeren</translation>
    </message>
    <message>
        <source>Import Vireldo V2 definition files</source>
        <translation>Vireldo V2-definitiebestanden importeren</translation>
    </message>
    <message>
        <source>Set All Borders like current part</source>
        <translation>Alle bermen als het huidige deel</translation>
    </message>
    <message>
        <source>Set All Lane Distances like current part</source>
        <translation>Alle baanafstanden als het huidige deel</translation>
    </message>
    <message>
        <source>Calculate travel distance</source>
        <translation>Rijafstand berekenen</translation>
    </message>
    <message>
        <source>Set color to lane 1 color</source>
        <translation>Kleur van baan 1 instellen</translation>
    </message>
    <message>
        <source>Set color to lane 2 color</source>
        <translation>Kleur van baan 2 instellen</translation>
    </message>
    <message>
        <source>Copy current Definition type to...</source>
        <translation>Huidige definitie kopiëren naar...</translation>
    </message>
    <message>
        <source>Merge current Definition type with...</source>
        <translation>Huidige definitie samenvoegen met...</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Merk</translation>
    </message>
    <message>
        <source>Track Definition Type:</source>
        <translation>Type baandefinitie:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <source>Default Width:</source>
        <translation>Standaardbreedte:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Number of lanes:</source>
        <translation>Aantal banen:</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source> Code</source>
        <translation> Code</translation>
    </message>
    <message>
        <source> Description</source>
        <translation> Beschrijving</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source> Width</source>
        <translation> Breedte</translation>
    </message>
    <message>
        <source>Travel Dist.</source>
        <translation>Rijafstand</translation>
    </message>
    <message>
        <source>All in cm</source>
        <translation>Alles in cm</translation>
    </message>
    <message>
        <source>Lane swap</source>
        <translation>Baanwissel</translation>
    </message>
    <message>
        <source>REMINDER!

If you want to change part codes of existing parts you already have used in previous saved designs you will not be able to load these designs anymore!</source>
        <translation>LET OP!

Als u de codes wijzigt van delen die u al in opgeslagen ontwerpen hebt gebruikt, kunt u die ontwerpen niet meer laden!</translation>
    </message>
    <message>
        <source>Track Definitions Editor Part</source>
        <translation>Editor van baandefinities: deel</translation>
    </message>
    <message>
        <source>Zoom Toolbar</source>
        <translation>Zoomwerkbalk</translation>
    </message>
    <message>
        <source> Zoom:</source>
        <translation> Zoom:</translation>
    </message>
    <message>
        <source>Set Zoom factor numeric</source>
        <translation>Zoomfactor als getal instellen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Define Grid Spacings</source>
        <translation>Rasterafstanden van de definitie</translation>
    </message>
    <message>
        <source> Define:</source>
        <translation> Definitie:</translation>
    </message>
    <message>
        <source>Freehand Toolbar</source>
        <translation>Tekenwerkbalk</translation>
    </message>
    <message>
        <source>Change / Select Pen Width</source>
        <translation>Penbreedte wijzigen / kiezen</translation>
    </message>
    <message>
        <source>Inventory Editor</source>
        <translation>Voorraadeditor</translation>
    </message>
    <message>
        <source>Edit &apos;stock&apos; to the amount of parts you own</source>
        <translation>Vul bij &apos;Voorraad&apos; het aantal delen in dat u bezit</translation>
    </message>
    <message>
        <source> Section</source>
        <translation> Deel</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Voorraad</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Gebruikt</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Counted with %1: one piece carries both roads</source>
        <translation>Geteld met %1: één deel draagt beide rijbanen</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Deel</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Richt.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Lane 1</source>
        <translation>Baan 1</translation>
    </message>
    <message>
        <source>Lane 2</source>
        <translation>Baan 2</translation>
    </message>
    <message>
        <source>No program opens this address here; it is copied to the clipboard.</source>
        <translation>Geen programma opent dit adres hier; het is naar het klembord gekopieerd.</translation>
    </message>
    <message>
        <source>About Vireldo</source>
        <translation>Over Vireldo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Freehand Text</source>
        <translation>Vrije tekst</translation>
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
        <translation>&amp;Topsnelheid:</translation>
    </message>
    <message>
        <source>&amp;Acceleration:</source>
        <translation>&amp;Acceleratie:</translation>
    </message>
    <message>
        <source>&amp;Braking:</source>
        <translation>&amp;Remmen:</translation>
    </message>
    <message>
        <source>&amp;Grip in curves:</source>
        <translation>&amp;Grip in bochten:</translation>
    </message>
    <message>
        <source>The presets are typical cars of each scale, not measured ones.</source>
        <translation>De voorinstellingen zijn typische auto&apos;s van elke schaal, niet gemeten.</translation>
    </message>
    <message>
        <source>Vireldo Help</source>
        <translation>Vireldo-hulp</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>The manual is in English.</source>
        <translation>De handleiding is in het Engels.</translation>
    </message>
    <message>
        <source>Vireldo Help - </source>
        <translation>Vireldo-hulp - </translation>
    </message>
    <message>
        <source>Track Section List</source>
        <translation>Lijst van baandelen</translation>
    </message>
    <message>
        <source>Wait until the export or print under way has finished.</source>
        <translation>Wacht tot de lopende export of afdruk klaar is.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Layout Check</source>
        <translation>Circuitcontrole</translation>
    </message>
    <message>
        <source>Close Loop...</source>
        <translation>Lus sluiten...</translation>
    </message>
    <message>
        <source>Propose parts that close the selected open track</source>
        <translation>Delen voorstellen die de gekozen open baan sluiten</translation>
    </message>
    <message>
        <source>Inser&amp;t</source>
        <translation>Invoe&amp;gen</translation>
    </message>
    <message>
        <source>Overwri&amp;te</source>
        <translation>Overschrij&amp;ven</translation>
    </message>
    <message>
        <source>Save GIF</source>
        <translation>GIF opslaan</translation>
    </message>
    <message>
        <source>Nothing to print: the design has no tracks, drawing or room.</source>
        <translation>Niets af te drukken: het ontwerp heeft geen banen, tekening of ruimte.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>&amp;Room</source>
        <translation>&amp;Ruimte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Menu Toolbar</source>
        <translation>Menubalk</translation>
    </message>
    <message>
        <source>&amp;New room wizard</source>
        <translation>Assistent &amp;nieuwe ruimte</translation>
    </message>
    <message>
        <source>&amp;Open room...</source>
        <translation>Ruimte &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Helponderwerpen</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Handleiding voor beginners</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>&amp;New design wizard</source>
        <translation>Assistent &amp;nieuw ontwerp</translation>
    </message>
    <message>
        <source>&amp;Open design...</source>
        <translation>Ontwerp &amp;openen...</translation>
    </message>
    <message>
        <source>Import .tr&amp;k...</source>
        <translation>.tr&amp;k importeren...</translation>
    </message>
    <message>
        <source>Import .tr&amp;2...</source>
        <translation>.tr&amp;2 importeren...</translation>
    </message>
    <message>
        <source>Suggest &amp;Layouts...</source>
        <translation>&amp;Circuits voorstellen...</translation>
    </message>
    <message>
        <source>&amp;Inventory Editor</source>
        <translation>&amp;Voorraadeditor</translation>
    </message>
    <message>
        <source>Track &amp;Definitions Editor</source>
        <translation>Editor van baan&amp;definities</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Pagina-instellin&amp;gen...</translation>
    </message>
    <message>
        <source>Print &amp;Monochrome</source>
        <translation>&amp;Zwart-wit afdrukken</translation>
    </message>
    <message>
        <source>&amp;Print Design...</source>
        <translation>Ontwerp af&amp;drukken...</translation>
    </message>
    <message>
        <source>Print at &amp;Scale...</source>
        <translation>Op &amp;schaal afdrukken...</translation>
    </message>
    <message>
        <source>Show &amp;Tracklist (HTML)...</source>
        <translation>&amp;Onderdelenlijst tonen (HTML)...</translation>
    </message>
    <message>
        <source>Save screen as .&amp;GIF</source>
        <translation>Scherm opslaan als .&amp;GIF</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporteren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Undo design</source>
        <translation>Ontwerp &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo design</source>
        <translation>Ontwerp op&amp;nieuw</translation>
    </message>
    <message>
        <source>I&amp;nsert Track</source>
        <translation>Baan in&amp;voegen</translation>
    </message>
    <message>
        <source>D&amp;elete Track</source>
        <translation>Baan v&amp;erwijderen</translation>
    </message>
    <message>
        <source>&amp;Delete Track Selection</source>
        <translation>Baanse&amp;lectie verwijderen</translation>
    </message>
    <message>
        <source>Delete Freehand &amp;Shape</source>
        <translation>Vrije &amp;vorm verwijderen</translation>
    </message>
    <message>
        <source>Toggle Overwri&amp;te</source>
        <translation>Overschrij&amp;ven aan/uit</translation>
    </message>
    <message>
        <source>&amp;Layout Check</source>
        <translation>&amp;Circuitcontrole</translation>
    </message>
    <message>
        <source>Layout Check: open loops, overlaps, lane lengths, parts to buy</source>
        <translation>Controle: open lussen, overlappingen, baanlengtes, te kopen delen</translation>
    </message>
    <message>
        <source>&amp;Close Loop...</source>
        <translation>Lus &amp;sluiten...</translation>
    </message>
    <message>
        <source>Center and &amp;Zoom</source>
        <translation>Centreren en &amp;zoomen</translation>
    </message>
    <message>
        <source>Part Codes in &amp;Palette</source>
        <translation>Codes in het &amp;palet</translation>
    </message>
    <message>
        <source>Show &amp;Heights</source>
        <translation>&amp;Hoogtes tonen</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metrisch</translation>
    </message>
    <message>
        <source>&amp;Filled</source>
        <translation>&amp;Gevuld</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Liniaal</translation>
    </message>
    <message>
        <source>&amp;Color Lanes</source>
        <translation>Banen in &amp;kleur</translation>
    </message>
    <message>
        <source>Color O&amp;ut of stock</source>
        <translation>Delen buiten &amp;voorraad kleuren</translation>
    </message>
    <message>
        <source>Show Ou&amp;t of stock</source>
        <translation>Delen buiten voorraad &amp;tonen</translation>
    </message>
    <message>
        <source>&amp;Show Points</source>
        <translation>&amp;Punten tonen</translation>
    </message>
    <message>
        <source>Show &amp;Part Codes</source>
        <translation>&amp;Codes tonen</translation>
    </message>
    <message>
        <source>&amp;Design Grid</source>
        <translation>&amp;Ontwerpraster</translation>
    </message>
    <message>
        <source>R&amp;oom Grid</source>
        <translation>&amp;Ruimteraster</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Ontwerp</translation>
    </message>
    <message>
        <source>Info </source>
        <translation>Info </translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Ruimte</translation>
    </message>
    <message>
        <source>Drag &amp;&amp; Drop or</source>
        <translation>Slepen &amp;&amp; neerzetten of</translation>
    </message>
    <message>
        <source>double click to insert</source>
        <translation>dubbelklik om in te voegen</translation>
    </message>
    <message>
        <source>C&amp;ar...</source>
        <translation>&amp;Auto...</translation>
    </message>
    <message>
        <source>Speed &amp;Trace</source>
        <translation>&amp;Snelheidsverloop</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>&amp;Race</translation>
    </message>
    <message>
        <source>Race: a car on every lane at its estimated speed (Escape stops)</source>
        <translation>Race: een auto op elke baan met zijn geschatte snelheid (Esc stopt)</translation>
    </message>
    <message>
        <source>Speed of the race view: 0.1x to 4x real time</source>
        <translation>Snelheid van de race: 0,1x tot 4x echte tijd</translation>
    </message>
    <message>
        <source>File Toolbar</source>
        <translation>Bestandswerkbalk</translation>
    </message>
    <message>
        <source>New Design</source>
        <translation>Nieuw ontwerp</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Ontwerp openen</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Ontwerp opslaan</translation>
    </message>
    <message>
        <source>Save Current Design</source>
        <translation>Huidig ontwerp opslaan</translation>
    </message>
    <message>
        <source>Print Design</source>
        <translation>Ontwerp afdrukken</translation>
    </message>
    <message>
        <source>Print Current Design</source>
        <translation>Huidig ontwerp afdrukken</translation>
    </message>
    <message>
        <source>Track Definition Editor</source>
        <translation>Editor van baandefinities</translation>
    </message>
    <message>
        <source>Show HTML</source>
        <translation>HTML tonen</translation>
    </message>
    <message>
        <source>Show Design as HTML</source>
        <translation>Ontwerp als HTML tonen</translation>
    </message>
    <message>
        <source>Save screen as .GIF</source>
        <translation>Scherm opslaan als .GIF</translation>
    </message>
    <message>
        <source>Move origin</source>
        <translation>Oorsprong verplaatsen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Insert Toolbar</source>
        <translation>Invoegwerkbalk</translation>
    </message>
    <message>
        <source>Edit mode of drag &amp; drop parts</source>
        <translation>Hoe gesleepte delen worden geplaatst</translation>
    </message>
    <message>
        <source>Border Toolbar</source>
        <translation>Bermwerkbalk</translation>
    </message>
    <message>
        <source>&amp;Set border</source>
        <translation>Berm &amp;plaatsen</translation>
    </message>
    <message>
        <source>Add or Remove borders?</source>
        <translation>Bermen toevoegen of verwijderen?</translation>
    </message>
    <message>
        <source>&amp;Inner</source>
        <translation>&amp;Binnen</translation>
    </message>
    <message>
        <source>Add or Remove Inner Border</source>
        <translation>Binnenberm toevoegen of verwijderen</translation>
    </message>
    <message>
        <source>&amp;Outer</source>
        <translation>B&amp;uiten</translation>
    </message>
    <message>
        <source>Add or Remove Outer Border</source>
        <translation>Buitenberm toevoegen of verwijderen</translation>
    </message>
    <message>
        <source>Center and Zoom</source>
        <translation>Centreren en zoomen</translation>
    </message>
    <message>
        <source>Center and maximize zoom</source>
        <translation>Centreren en maximaal zoomen</translation>
    </message>
    <message>
        <source>Track Toolbar</source>
        <translation>Baanwerkbalk</translation>
    </message>
    <message>
        <source>Delete Sections</source>
        <translation>Delen verwijderen</translation>
    </message>
    <message>
        <source>Delete selected track sections</source>
        <translation>Gekozen baandelen verwijderen</translation>
    </message>
    <message>
        <source>Anchor Section</source>
        <translation>Deel verankeren</translation>
    </message>
    <message>
        <source>Anchor selected section</source>
        <translation>Gekozen deel verankeren</translation>
    </message>
    <message>
        <source>Raise Track</source>
        <translation>Baan verhogen</translation>
    </message>
    <message>
        <source>Raise selected track sections</source>
        <translation>Gekozen baandelen verhogen</translation>
    </message>
    <message>
        <source>Lower Track</source>
        <translation>Baan verlagen</translation>
    </message>
    <message>
        <source>Lower selected track sections</source>
        <translation>Gekozen baandelen verlagen</translation>
    </message>
    <message>
        <source>Delete Track</source>
        <translation>Baan verwijderen</translation>
    </message>
    <message>
        <source>Delete selected Track</source>
        <translation>Gekozen baan verwijderen</translation>
    </message>
    <message>
        <source>Copy selected Track</source>
        <translation>Gekozen baan kopiëren</translation>
    </message>
    <message>
        <source>Mirror Track</source>
        <translation>Baan spiegelen</translation>
    </message>
    <message>
        <source>Mirror selected track</source>
        <translation>Gekozen baan spiegelen</translation>
    </message>
    <message>
        <source>Split selected track into two seperate tracks</source>
        <translation>Gekozen baan in twee aparte banen splitsen</translation>
    </message>
    <message>
        <source>Join two tracks</source>
        <translation>Twee banen verbinden</translation>
    </message>
    <message>
        <source>Quick Rotate</source>
        <translation>Snel draaien</translation>
    </message>
    <message>
        <source>Quick Rotate 90 degrees steps</source>
        <translation>Snel draaien in stappen van 90 graden</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>Rotate selected track</source>
        <translation>Gekozen baan draaien</translation>
    </message>
    <message>
        <source>Insert Polyline</source>
        <translation>Polylijn invoegen</translation>
    </message>
    <message>
        <source>Insert Polygon</source>
        <translation>Veelhoek invoegen</translation>
    </message>
    <message>
        <source>Insert Rectangle</source>
        <translation>Rechthoek invoegen</translation>
    </message>
    <message>
        <source>Insert Filled Rectangle</source>
        <translation>Gevulde rechthoek invoegen</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Tekst invoegen</translation>
    </message>
    <message>
        <source>Change Selected Text</source>
        <translation>Gekozen tekst wijzigen</translation>
    </message>
    <message>
        <source>Change / Select Color</source>
        <translation>Kleur wijzigen / kiezen</translation>
    </message>
    <message>
        <source>Move a Point of Selected Shape</source>
        <translation>Een punt van de gekozen vorm verplaatsen</translation>
    </message>
    <message>
        <source>Delete Selected Shape</source>
        <translation>Gekozen vorm verwijderen</translation>
    </message>
    <message>
        <source>Measure Distance</source>
        <translation>Afstand meten</translation>
    </message>
    <message>
        <source>Design Grid Spacings</source>
        <translation>Rasterafstanden van het ontwerp</translation>
    </message>
    <message>
        <source> Design:</source>
        <translation> Ontwerp:</translation>
    </message>
    <message>
        <source>Room Grid Spacings</source>
        <translation>Rasterafstanden van de ruimte</translation>
    </message>
    <message>
        <source> Room:</source>
        <translation> Ruimte:</translation>
    </message>
    <message>
        <source>Room File Toolbar</source>
        <translation>Bestandswerkbalk van de ruimte</translation>
    </message>
    <message>
        <source>New Room</source>
        <translation>Nieuwe ruimte</translation>
    </message>
    <message>
        <source>Open Room</source>
        <translation>Ruimte openen</translation>
    </message>
    <message>
        <source>Save Room</source>
        <translation>Ruimte opslaan</translation>
    </message>
    <message>
        <source>Room Zoom Toolbar</source>
        <translation>Zoomwerkbalk van de ruimte</translation>
    </message>
    <message>
        <source>Ask Brand Code</source>
        <translation>Merkcode opgeven</translation>
    </message>
    <message>
        <source>Brand code:</source>
        <translation>Merkcode:</translation>
    </message>
    <message>
        <source>New Design Wizard</source>
        <translation>Assistent nieuw ontwerp</translation>
    </message>
    <message>
        <source>  2 Lane</source>
        <translation>  2 banen</translation>
    </message>
    <message>
        <source>  4 Lane</source>
        <translation>  4 banen</translation>
    </message>
    <message>
        <source>  6 Lane</source>
        <translation>  6 banen</translation>
    </message>
    <message>
        <source>  8 Lane</source>
        <translation>  8 banen</translation>
    </message>
    <message>
        <source>10 Lane</source>
        <translation>10 banen</translation>
    </message>
    <message>
        <source>Open at startup</source>
        <translation>Openen bij het starten</translation>
    </message>
    <message>
        <source>Print at Scale</source>
        <translation>Op schaal afdrukken</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers</source>
        <translation>Sjabloon: omtrekken, baanlijnen, codes en nummers</translation>
    </message>
    <message>
        <source>As on screen</source>
        <translation>Zoals op het scherm</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Voorbeeld...</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Schaal:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>S&amp;tyle:</source>
        <translation>S&amp;tijl:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagina&apos;s:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorige</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>pagina&apos;s</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>De pagina&apos;s konden niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>No track to race on: the race view needs a closed track.</source>
        <translation>Geen baan om te racen: de race heeft een gesloten baan nodig.</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegelen</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Omklappen</translation>
    </message>
    <message>
        <source>New Room Wizard</source>
        <translation>Assistent nieuwe ruimte</translation>
    </message>
    <message>
        <source>Room Shape</source>
        <translation>Vorm van de ruimte</translation>
    </message>
    <message>
        <source>Rectangle </source>
        <translation>Rechthoek </translation>
    </message>
    <message>
        <source>L shaped </source>
        <translation>L-vormig </translation>
    </message>
    <message>
        <source>M shaped </source>
        <translation>M-vormig </translation>
    </message>
    <message>
        <source>T shaped </source>
        <translation>T-vormig </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Omkeren</translation>
    </message>
    <message>
        <source>Filled In</source>
        <translation>Gevuld</translation>
    </message>
    <message>
        <source>Speed Trace</source>
        <translation>Snelheidsverloop</translation>
    </message>
    <message>
        <source>Track %1, car %2</source>
        <translation>Baan %1, auto %2</translation>
    </message>
    <message>
        <source>No closed track</source>
        <translation>Geen gesloten baan</translation>
    </message>
    <message>
        <source>Suggest Layouts</source>
        <translation>Circuits voorstellen</translation>
    </message>
    <message>
        <source>Choose the board and the track, then Suggest.</source>
        <translation>Kies de plaat en de baan en daarna Voorstellen.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Waar</translation>
    </message>
    <message>
        <source>A &amp;board</source>
        <translation>Een &amp;plaat</translation>
    </message>
    <message>
        <source>The &amp;room</source>
        <translation>De &amp;ruimte</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breedte:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hoogte:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Baan</translation>
    </message>
    <message>
        <source>Only parts in &amp;stock</source>
        <translation>Alleen delen in &amp;voorraad</translation>
    </message>
    <message>
        <source>Allow a &amp;crossing (figure-eight)</source>
        <translation>&amp;Kruising toestaan (acht)</translation>
    </message>
    <message>
        <source>Allow &amp;bridges</source>
        <translation>&amp;Bruggen toestaan</translation>
    </message>
    <message>
        <source>Shortest &amp;lap:</source>
        <translation>Kortste &amp;ronde:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>&amp;Proposals:</source>
        <translation>&amp;Voorstellen:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>Be&amp;ginwaarde:</translation>
    </message>
    <message>
        <source>&amp;Time limit:</source>
        <translation>&amp;Tijdslimiet:</translation>
    </message>
    <message>
        <source>S&amp;uggest</source>
        <translation>&amp;Voorstellen</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Zoeken...</translation>
    </message>
    <message>
        <source>No layout fits with these parts and options.</source>
        <translation>Geen circuit past met deze delen en opties.</translation>
    </message>
    <message>
        <source>%1 layouts from %2 candidates; the longest laps first.</source>
        <translation>%1 circuits uit %2 kandidaten; de langste rondes eerst.</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (geannuleerd)</translation>
    </message>
    <message>
        <source>Tracks 2000|*.tr3|All Files|*.*</source>
        <translation>Tracks 2000|*.tr3|Alle bestanden|*.*</translation>
    </message>
    <message>
        <source>Save Track design</source>
        <translation>Baanontwerp opslaan</translation>
    </message>
    <message>
        <source>Design changed - Do you want to save design %1 ?</source>
        <translation>Ontwerp gewijzigd - Wilt u ontwerp %1 opslaan?</translation>
    </message>
    <message>
        <source>Open Vireldo Design</source>
        <translation>Vireldo-ontwerp openen</translation>
    </message>
    <message>
        <source>Import Vireldo V2 designs</source>
        <translation>Vireldo V2-ontwerpen importeren</translation>
    </message>
    <message>
        <source>Tracks V2|*.tr2|All Files|*.*</source>
        <translation>Tracks V2|*.tr2|Alle bestanden|*.*</translation>
    </message>
    <message>
        <source>Import Vireldo V1 designs</source>
        <translation>Vireldo V1-ontwerpen importeren</translation>
    </message>
    <message>
        <source>Tracks V1|*.trk|All Files|*.*</source>
        <translation>Tracks V1|*.trk|Alle bestanden|*.*</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 wordt geschreven</translation>
    </message>
    <message>
        <source>A PDF page of %1 x %2 mm is larger than PDF readers open (200 inches). Write the layout on A4 pages to tape together instead?</source>
        <translation>Een PDF-pagina van %1 x %2 mm is groter dan PDF-lezers openen (200 inch). Het circuit in plaats daarvan op A4-pagina&apos;s schrijven om aan elkaar te plakken?</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers, nothing filled</source>
        <translation>Sjabloon: omtrekken, baanlijnen, codes en nummers, niets gevuld</translation>
    </message>
    <message>
        <source>Export at true scale</source>
        <translation>Op ware schaal exporteren</translation>
    </message>
    <message>
        <source>SVG drawing|*.svg|DXF drawing (millimetres)|*.dxf|PDF page of the layout&apos;s size|*.pdf</source>
        <translation>SVG-tekening|*.svg|DXF-tekening (millimeters)|*.dxf|PDF-pagina op circuitgrootte|*.pdf</translation>
    </message>
    <message>
        <source>The design has no track system to suggest layouts of.</source>
        <translation>Het ontwerp heeft geen baansysteem om circuits voor voor te stellen.</translation>
    </message>
    <message>
        <source>The room has no closed outline: draw one with the room wizard first.</source>
        <translation>De ruimte heeft geen gesloten omtrek: teken er eerst een met de ruimte-assistent.</translation>
    </message>
    <message>
        <source>Vireldo did not end properly last time. It kept these unsaved changes:</source>
        <translation>Vireldo is de vorige keer niet goed afgesloten. Deze niet-opgeslagen wijzigingen zijn bewaard:</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(nooit opgeslagen)</translation>
    </message>
    <message>
        <source>Recover brings back the newest design and room; Discard deletes the copies; Later asks again at the next start.</source>
        <translation>Herstellen haalt het nieuwste ontwerp en de nieuwste ruimte terug; Verwerpen wist de kopieën; Later vraagt het bij de volgende start opnieuw.</translation>
    </message>
    <message>
        <source>Cannot write the track list: neither %1 nor the user&apos;s data folder can be written !</source>
        <translation>De onderdelenlijst kan niet worden geschreven: noch %1 noch de gegevensmap van de gebruiker is schrijfbaar!</translation>
    </message>
    <message>
        <source>Room Template|*.rm3|All Files|*.*</source>
        <translation>Ruimtesjabloon|*.rm3|Alle bestanden|*.*</translation>
    </message>
    <message>
        <source>Save Room Template</source>
        <translation>Ruimtesjabloon opslaan</translation>
    </message>
    <message>
        <source>Room changed - Do you want to save room %1 ?</source>
        <translation>Ruimte gewijzigd - Wilt u ruimte %1 opslaan?</translation>
    </message>
    <message>
        <source>Open Room Template</source>
        <translation>Ruimtesjabloon openen</translation>
    </message>
    <message>
        <source>Cannot load track definition file &apos;%1&apos; ! </source>
        <translation>Het baandefinitiebestand &apos;%1&apos; kan niet worden geladen! </translation>
    </message>
    <message>
        <source>EXIT VIRELDO!</source>
        <translation>VIRELDO WORDT AFGESLOTEN!</translation>
    </message>
    <message>
        <source>%1 mm past the start</source>
        <translation>%1 mm voorbij de start</translation>
    </message>
    <message>
        <source>%1 mm short of the start</source>
        <translation>%1 mm vóór de start</translation>
    </message>
    <message>
        <source>%1 mm to the left of the start</source>
        <translation>%1 mm links van de start</translation>
    </message>
    <message>
        <source>%1 mm to the right of the start</source>
        <translation>%1 mm rechts van de start</translation>
    </message>
    <message>
        <source>%1 mm to the left</source>
        <translation>%1 mm naar links</translation>
    </message>
    <message>
        <source>%1 mm to the right</source>
        <translation>%1 mm naar rechts</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>, lap 2 %1 s (%2 %)</source>
        <translation>, ronde baan 2 %1 s (%2 %)</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Remove %1, add %2</source>
        <translation>%1 verwijderen, %2 toevoegen</translation>
    </message>
    <message>
        <source>%1  (%2 mm left)</source>
        <translation>%1  (%2 mm over)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>gesloten</translation>
    </message>
    <message>
        <source>open, gap %1 mm, %2 degrees off%3</source>
        <translation>open, opening %1 mm, %2 graden afwijking%3</translation>
    </message>
    <message>
        <source>, the end %1</source>
        <translation>, het einde %1</translation>
    </message>
    <message>
        <source>Track %1: %2, lane 2 %3 cm (%4 %)%5</source>
        <translation>Baan %1: %2, baan 2 %3 cm (%4 %)%5</translation>
    </message>
    <message>
        <source>Tracks %1 and %2 nearly meet (%3 mm): Join Track</source>
        <translation>Banen %1 en %2 raken elkaar bijna (%3 mm): banen verbinden</translation>
    </message>
    <message>
        <source>Overlap: track %1 part %2 and track %3 part %4</source>
        <translation>Overlapping: baan %1 deel %2 en baan %3 deel %4</translation>
    </message>
    <message>
        <source>Buy %1 x %2</source>
        <translation>%1 x %2 kopen</translation>
    </message>
    <message>
        <source>Every track closes, nothing overlaps, nothing is missing.</source>
        <translation>Elke baan is gesloten, niets overlapt, niets ontbreekt.</translation>
    </message>
    <message>
        <source>Close Loop</source>
        <translation>Lus sluiten</translation>
    </message>
    <message>
        <source>%1 - %2 - Free: %3</source>
        <translation>%1 - %2 - Vrij: %3</translation>
    </message>
    <message>
        <source>%1 - track %2 part %3</source>
        <translation>%1 - baan %2 deel %3</translation>
    </message>
    <message>
        <source>Angle %1°</source>
        <translation>Hoek %1°</translation>
    </message>
    <message>
        <source>Track Sections Info</source>
        <translation>Delen in voorraad</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Niets</translation>
    </message>
    <message>
        <source>Track Lengths</source>
        <translation>Baanlengtes</translation>
    </message>
    <message>
        <source>Track Curve Count</source>
        <translation>Aantal bochten</translation>
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
        <translation>Grootte van het ontwerp</translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Breedte: </translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Hoogte: </translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>Average speed</source>
        <translation>Gemiddelde snelheid</translation>
    </message>
    <message>
        <source>Full throttle</source>
        <translation>Vol gas</translation>
    </message>
    <message>
        <source>Lane 2 vs lane 1</source>
        <translation>Baan 2 tegen baan 1</translation>
    </message>
    <message>
        <source>Estimated lap times, car</source>
        <translation>Geschatte rondetijden, auto</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%1 van %2 %3</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, nog ongeveer %1 s</translation>
    </message>
    <message>
        <source>%1 x %2 = %3 pages (%4), and an overview page</source>
        <translation>%1 x %2 = %3 pagina&apos;s (%4) en een overzichtspagina</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>liggend</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>staand</translation>
    </message>
    <message>
        <source>Print at 1:%1</source>
        <translation>Afdrukken op 1:%1</translation>
    </message>
    <message>
        <source>of %1 (1 is the overview)</source>
        <translation>van %1 (1 is het overzicht)</translation>
    </message>
    <message>
        <source>This prints %1 pages. Go on?</source>
        <translation>Dit drukt %1 pagina&apos;s af. Doorgaan?</translation>
    </message>
    <message>
        <source>%1 m, %2 parts</source>
        <translation>%1 m, %2 delen</translation>
    </message>
    <message>
        <source>%1 ft, %2 parts</source>
        <translation>%1 ft, %2 delen</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>Part number &apos;%1&apos; is unknown! SKIPPED!</source>
        <translation>Onderdeelnummer &apos;%1&apos; is onbekend! OVERGESLAGEN!</translation>
    </message>
    <message>
        <source>Cannot open file %1 !</source>
        <translation>Bestand %1 kan niet worden geopend!</translation>
    </message>
    <message>
        <source>Brand %1 is unknown!</source>
        <translation>Merk %1 is onbekend!</translation>
    </message>
    <message>
        <source>File %1 is damaged or incomplete; what could be read is shown.</source>
        <translation>Bestand %1 is beschadigd of onvolledig; wat gelezen kon worden wordt getoond.</translation>
    </message>
    <message>
        <source>Part number %1 is unknown in current active brand! I think you are using a brand that does not match the .TR2 file!</source>
        <translation>Onderdeelnummer %1 is onbekend in het actieve merk! Waarschijnlijk past het merk niet bij het .TR2-bestand!</translation>
    </message>
    <message>
        <source>The board is smaller than the smallest closed loop of %1 (%2 x %3 cm with a margin of %4 cm all round).</source>
        <translation>De plaat is kleiner dan de kleinste gesloten lus van %1 (%2 x %3 cm met een rand van %4 cm rondom).</translation>
    </message>
    <message>
        <source>V2 Def files|*.def|All Files|*.*</source>
        <translation>V2 Def-bestanden|*.def|Alle bestanden|*.*</translation>
    </message>
    <message>
        <source>GIF file|*.gif|All Files|*.*</source>
        <translation>GIF-bestand|*.gif|Alle bestanden|*.*</translation>
    </message>
</context>
</TS>
