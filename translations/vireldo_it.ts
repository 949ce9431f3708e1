<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Texts</name>
    <message>
        <source>The language changes when Vireldo starts again.</source>
        <translation>La lingua cambia al prossimo avvio di Vireldo.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recupera</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>Definitions changed - Do you want to save definitions ?</source>
        <translation>Definizioni modificate - Salvare le definizioni?</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Click the left mouse button on an item to select or drag the item around</source>
        <translation>Fare clic con il tasto sinistro su un elemento per selezionarlo o trascinarlo</translation>
    </message>
    <message>
        <source>Move Start</source>
        <translation>Inizio spostamento</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Tenere premuto il tasto sinistro per spostare l&apos;origine o fare clic destro per terminare</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Tenere il tasto sinistro per spostare l&apos;origine o fare clic destro per terminare</translation>
    </message>
    <message>
        <source>Drag Track</source>
        <translation>Trascina pista</translation>
    </message>
    <message>
        <source>Move the mouse while holding the left mouse button to move the track</source>
        <translation>Muovere il mouse tenendo premuto il tasto sinistro per spostare la pista</translation>
    </message>
    <message>
        <source>Insert Track</source>
        <translation>Inserisci pista</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the new track</source>
        <translation>Fare clic sinistro nel punto in cui inserire la nuova pista</translation>
    </message>
    <message>
        <source>Drag Part</source>
        <translation>Trascina pezzo</translation>
    </message>
    <message>
        <source>Move the mouse pointer onto the place where to add this track section</source>
        <translation>Portare il puntatore nel punto in cui aggiungere questo pezzo</translation>
    </message>
    <message>
        <source>Rotate Start</source>
        <translation>Inizio rotazione</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to start rotating</source>
        <translation>Tenere premuto il tasto sinistro per iniziare a ruotare</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Move the mouse up and down to rotate the selected track</source>
        <translation>Muovere il mouse su e giù per ruotare la pista selezionata</translation>
    </message>
    <message>
        <source>Copy Track</source>
        <translation>Copia pista</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the copy of the selected track</source>
        <translation>Fare clic sinistro dove inserire la copia della pista selezionata</translation>
    </message>
    <message>
        <source>Split Track</source>
        <translation>Dividi pista</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the split part of the selected track</source>
        <translation>Fare clic sinistro dove porre la parte separata della pista selezionata</translation>
    </message>
    <message>
        <source>Join Track Start</source>
        <translation>Inizio unione piste</translation>
    </message>
    <message>
        <source>Drag the track onto the first or last track section of a track you want join it with</source>
        <translation>Trascinare la pista sul primo o sull&apos;ultimo pezzo della pista a cui unirla</translation>
    </message>
    <message>
        <source>Join Track</source>
        <translation>Unisci piste</translation>
    </message>
    <message>
        <source>Drop the track onto the first or last track section of a track you want join it with</source>
        <translation>Rilasciare la pista sul primo o sull&apos;ultimo pezzo della pista a cui unirla</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Finestra info</translation>
    </message>
    <message>
        <source>Start Move Point</source>
        <translation>Inizio spostamento punto</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to move a freehand point</source>
        <translation>Tenere premuto il tasto sinistro per spostare un punto del disegno</translation>
    </message>
    <message>
        <source>Move Point</source>
        <translation>Sposta punto</translation>
    </message>
    <message>
        <source>Drag the point to his new position</source>
        <translation>Trascinare il punto nella nuova posizione</translation>
    </message>
    <message>
        <source>Drag Shape</source>
        <translation>Trascina forma</translation>
    </message>
    <message>
        <source>Drag the shape to his new position</source>
        <translation>Trascinare la forma nella nuova posizione</translation>
    </message>
    <message>
        <source>Start Polyline</source>
        <translation>Inizio polilinea</translation>
    </message>
    <message>
        <source>Left click to add a point to the polyline, right click to stop finish the shape</source>
        <translation>Clic sinistro per aggiungere un punto alla polilinea, clic destro per terminare la forma</translation>
    </message>
    <message>
        <source>Start Polygon</source>
        <translation>Inizio poligono</translation>
    </message>
    <message>
        <source>Left click to add a point to the polygon, right click to stop finish the shape</source>
        <translation>Clic sinistro per aggiungere un punto al poligono, clic destro per terminare la forma</translation>
    </message>
    <message>
        <source>Next Point</source>
        <translation>Punto successivo</translation>
    </message>
    <message>
        <source>Left click to add a point to the shape, right click to stop finish the shape</source>
        <translation>Clic sinistro per aggiungere un punto alla forma, clic destro per terminarla</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Left click onto the position you want to add a text</source>
        <translation>Fare clic sinistro dove si vuole aggiungere un testo</translation>
    </message>
    <message>
        <source>Start Rectangle</source>
        <translation>Inizio rettangolo</translation>
    </message>
    <message>
        <source>Left click onto the first corner</source>
        <translation>Fare clic sinistro sul primo angolo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Left click onto the second corner</source>
        <translation>Fare clic sinistro sul secondo angolo</translation>
    </message>
    <message>
        <source>Start Rectangle Fill</source>
        <translation>Inizio rettangolo pieno</translation>
    </message>
    <message>
        <source>Rectangle Fill</source>
        <translation>Rettangolo pieno</translation>
    </message>
    <message>
        <source>Start Measurement</source>
        <translation>Inizio misura</translation>
    </message>
    <message>
        <source>Left click onto the first point</source>
        <translation>Fare clic sinistro sul primo punto</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>Left click to measure again or right click to stop</source>
        <translation>Clic sinistro per misurare di nuovo, clic destro per terminare</translation>
    </message>
    <message>
        <source>Nothing to export: the design has no tracks, drawing or room.</source>
        <translation>Niente da esportare: il progetto non ha piste, disegno né stanza.</translation>
    </message>
    <message>
        <source>Please set current tab panel to &apos;Design&apos; to use this function!</source>
        <translation>Selezionare la scheda &apos;Progetto&apos; per usare questa funzione!</translation>
    </message>
    <message>
        <source>You cannot add any more shapes (max 128) !</source>
        <translation>Impossibile aggiungere altre forme (max 128)!</translation>
    </message>
    <message>
        <source>You cannot add any more points to this shape (max 32) !</source>
        <translation>Impossibile aggiungere altri punti a questa forma (max 32)!</translation>
    </message>
    <message>
        <source>Select the open track to close first.</source>
        <translation>Selezionare prima la pista aperta da chiudere.</translation>
    </message>
    <message>
        <source>No way to close this track by changing up to 4 parts was found.</source>
        <translation>Non è stato trovato alcun modo di chiudere questa pista cambiando fino a 4 pezzi.</translation>
    </message>
    <message>
        <source>You cannot add any more parts to this track (max 2000) !</source>
        <translation>Impossibile aggiungere altri pezzi a questa pista (max 2000)!</translation>
    </message>
    <message>
        <source>You cannot add any more tracks (max 32) !</source>
        <translation>Impossibile aggiungere altre piste (max 32)!</translation>
    </message>
    <message>
        <source>You cannot delete a track which is member of a multi-lane group!</source>
        <translation>Impossibile eliminare una pista che fa parte di un gruppo a più corsie!</translation>
    </message>
    <message>
        <source>You cannot use a multi-lane group as a source to join!</source>
        <translation>Un gruppo a più corsie non può essere la sorgente di un&apos;unione!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Lane 1:</source>
        <translation>Corsia 1:</translation>
    </message>
    <message>
        <source>Lane 2:</source>
        <translation>Corsia 2:</translation>
    </message>
    <message>
        <source>You cannot add any more track definitions (max 32) !</source>
        <translation>Impossibile aggiungere altre definizioni di pista (max 32)!</translation>
    </message>
    <message>
        <source>You cannot add any more parts (max 256) !</source>
        <translation>Impossibile aggiungere altri pezzi (max 256)!</translation>
    </message>
    <message>
        <source>Cannot delete this track brand because this track brand is active on the design panel!</source>
        <translation>Impossibile eliminare questa marca di pista perché è attiva nel progetto!</translation>
    </message>
    <message>
        <source>Cannot delete the part because this track brand is active on the design panel!</source>
        <translation>Impossibile eliminare il pezzo perché questa marca di pista è attiva nel progetto!</translation>
    </message>
    <message>
        <source>Cannot change the order of parts because this track brand is active on the design panel!</source>
        <translation>Impossibile cambiare l&apos;ordine dei pezzi perché questa marca di pista è attiva nel progetto!</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 track definition!</source>
        <translation>Deve esserci almeno 1 definizione di pista!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete definition &apos;%1&apos; ?</source>
        <translation>Eliminare davvero la definizione &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 part!</source>
        <translation>Deve esserci almeno 1 pezzo!</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Copiato!</translation>
    </message>
    <message>
        <source>Unknown brand code</source>
        <translation>Codice marca sconosciuto</translation>
    </message>
    <message>
        <source>Merged!</source>
        <translation>Unito!</translation>
    </message>
    <message>
        <source>Cannot write file %1 !</source>
        <translation>Impossibile scrivere il file %1!</translation>
    </message>
    <message>
        <source>Inner border:</source>
        <translation>Bordo interno:</translation>
    </message>
    <message>
        <source>Outer border:</source>
        <translation>Bordo esterno:</translation>
    </message>
    <message>
        <source>Lane distance:</source>
        <translation>Distanza corsie:</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Angolo:</translation>
    </message>
    <message>
        <source> Width:</source>
        <translation> Larghezza:</translation>
    </message>
    <message>
        <source>Outer Radius:</source>
        <translation>Raggio esterno:</translation>
    </message>
    <message>
        <source>Inner Radius:</source>
        <translation>Raggio interno:</translation>
    </message>
    <message>
        <source> Length:</source>
        <translation> Lunghezza:</translation>
    </message>
    <message>
        <source> Width 1:</source>
        <translation> Larghezza 1:</translation>
    </message>
    <message>
        <source> Width 2:</source>
        <translation> Larghezza 2:</translation>
    </message>
    <message>
        <source>Next X:</source>
        <translation>X successivo:</translation>
    </message>
    <message>
        <source>Next Y:</source>
        <translation>Y successivo:</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Rettilineo</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Adattatore</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Forma libera</translation>
    </message>
    <message>
        <source>Track Definitions Editor</source>
        <translation>Editor delle definizioni di pista</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy Part</source>
        <translation>&amp;Copia pezzo</translation>
    </message>
    <message>
        <source>&amp;Paste Part</source>
        <translation>&amp;Incolla pezzo</translation>
    </message>
    <message>
        <source>Mirror X silkscreen</source>
        <translation>Specchia serigrafia in X</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Define &amp;Grid</source>
        <translation>&amp;Griglia</translation>
    </message>
    <message>
        <source>De&amp;fine</source>
        <translation>De&amp;finizione</translation>
    </message>
    <message>
        <source>&amp;Save All Definitions</source>
        <translation>&amp;Salva tutte le definizioni</translation>
    </message>
    <message>
        <source>&amp;Import Vireldo V2.x .def file into current</source>
        <translation>&amp;Importa un file .def di Vireldo V2.x in quella attuale</translation>
    </message>
    <message>
        <source>Import Vireldo V2 definition files</source>
        <translation>Importa file di definizioni di Vireldo V2</translation>
    </message>
    <message>
        <source>Set All Borders like current part</source>
        <translation>Tutti i bordi come il pezzo attuale</translation>
    </message>
    <message>
        <source>Set All Lane Distances like current part</source>
        <translation>Tutte le distanze tra corsie come il pezzo attuale</translation>
    </message>
    <message>
        <source>Calculate travel distance</source>
        <translation>Calcola distanza percorsa</translation>
    </message>
    <message>
        <source>Set color to lane 1 color</source>
        <translation>Imposta il colore della corsia 1</translation>
    </message>
    <message>
        <source>Set color to lane 2 color</source>
        <translation>Imposta il colore della corsia 2</translation>
    </message>
    <message>
        <source>Copy current Definition type to...</source>
        <translation>Copia la definizione attuale in...</translation>
    </message>
    <message>
        <source>Merge current Definition type with...</source>
        <translation>Unisci la definizione attuale con...</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Track Definition Type:</source>
        <translation>Tipo di definizione di pista:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Default Width:</source>
        <translation>Larghezza predefinita:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Number of lanes:</source>
        <translation>Numero di corsie:</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Pezzi</translation>
    </message>
    <message>
        <source> Code</source>
        <translation> Codice</translation>
    </message>
    <message>
        <source> Description</source>
        <translation> Descrizione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source> Width</source>
        <translation> Larghezza</translation>
    </message>
    <message>
        <source>Travel Dist.</source>
        <translation>Dist. percorsa</translation>
    </message>
    <message>
        <source>All in cm</source>
        <translation>Tutto in cm</translation>
    </message>
    <message>
        <source>Lane swap</source>
        <translation>Cambio corsia</translation>
    </message>
    <message>
        <source>REMINDER!

If you want to change part codes of existing parts you already have used in previous saved designs you will not be able to load these designs anymore!</source>
        <translation>PROMEMORIA!

Se si cambiano i codici di pezzi già usati in progetti salvati, non sarà più possibile caricare quei progetti!</translation>
    </message>
    <message>
        <source>Track Definitions Editor Part</source>
        <translation>Editor delle definizioni di pista: pezzo</translation>
    </message>
    <message>
        <source>Zoom Toolbar</source>
        <translation>Barra dello zoom</translation>
    </message>
    <message>
        <source> Zoom:</source>
        <translation> Zoom:</translation>
    </message>
    <message>
        <source>Set Zoom factor numeric</source>
        <translation>Imposta il fattore di zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Define Grid Spacings</source>
        <translation>Passo della griglia di definizione</translation>
    </message>
    <message>
        <source> Define:</source>
        <translation> Definizione:</translation>
    </message>
    <message>
        <source>Freehand Toolbar</source>
        <translation>Barra del disegno</translation>
    </message>
    <message>
        <source>Change / Select Pen Width</source>
        <translation>Cambia / scegli lo spessore del tratto</translation>
    </message>
    <message>
        <source>Inventory Editor</source>
        <translation>Editor dell&apos;inventario</translation>
    </message>
    <message>
        <source>Edit &apos;stock&apos; to the amount of parts you own</source>
        <translation>Indicare in &apos;Scorta&apos; la quantità di pezzi posseduti</translation>
    </message>
    <message>
        <source> Section</source>
        <translation> Pezzo</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Scorta</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usati</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Liberi</translation>
    </message>
    <message>
        <source>Counted with %1: one piece carries both roads</source>
        <translation>Contato con %1: un pezzo porta entrambe le carreggiate</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Pezzo</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Lane 1</source>
        <translation>Corsia 1</translation>
    </message>
    <message>
        <source>Lane 2</source>
        <translation>Corsia 2</translation>
    </message>
    <message>
        <source>No program opens this address here; it is copied to the clipboard.</source>
        <translation>Nessun programma apre qui questo indirizzo; è stato copiato negli appunti.</translation>
    </message>
    <message>
        <source>About Vireldo</source>
        <translation>Informazioni su Vireldo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Freehand Text</source>
        <translation>Testo libero</translation>
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
        <translation>Velocità &amp;massima:</translation>
    </message>
    <message>
        <source>&amp;Acceleration:</source>
        <translation>&amp;Accelerazione:</translation>
    </message>
    <message>
        <source>&amp;Braking:</source>
        <translation>&amp;Frenata:</translation>
    </message>
    <message>
        <source>&amp;Grip in curves:</source>
        <translation>&amp;Aderenza in curva:</translation>
    </message>
    <message>
        <source>The presets are typical cars of each scale, not measured ones.</source>
        <translation>I valori predefiniti sono auto tipiche di ogni scala, non misurate.</translation>
    </message>
    <message>
        <source>Vireldo Help</source>
        <translation>Guida di Vireldo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>The manual is in English.</source>
        <translation>Il manuale è in inglese.</translation>
    </message>
    <message>
        <source>Vireldo Help - </source>
        <translation>Guida di Vireldo - </translation>
    </message>
    <message>
        <source>Track Section List</source>
        <translation>Elenco dei pezzi della pista</translation>
    </message>
    <message>
        <source>Wait until the export or print under way has finished.</source>
        <translation>Attendere la fine dell&apos;esportazione o della stampa in corso.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Layout Check</source>
        <translation>Verifica del circuito</translation>
    </message>
    <message>
        <source>Close Loop...</source>
        <translation>Chiudi il circuito...</translation>
    </message>
    <message>
        <source>Propose parts that close the selected open track</source>
        <translation>Proporre pezzi che chiudono la pista aperta selezionata</translation>
    </message>
    <message>
        <source>Inser&amp;t</source>
        <translation>Inseri&amp;sci</translation>
    </message>
    <message>
        <source>Overwri&amp;te</source>
        <translation>Sovrascri&amp;vi</translation>
    </message>
    <message>
        <source>Save GIF</source>
        <translation>Salva GIF</translation>
    </message>
    <message>
        <source>Nothing to print: the design has no tracks, drawing or room.</source>
        <translation>Niente da stampare: il progetto non ha piste, disegno né stanza.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Room</source>
        <translation>&amp;Stanza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Menu Toolbar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>&amp;New room wizard</source>
        <translation>Procedura &amp;nuova stanza</translation>
    </message>
    <message>
        <source>&amp;Open room...</source>
        <translation>&amp;Apri stanza...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>&amp;New design wizard</source>
        <translation>Procedura &amp;nuovo progetto</translation>
    </message>
    <message>
        <source>&amp;Open design...</source>
        <translation>&amp;Apri progetto...</translation>
    </message>
    <message>
        <source>Import .tr&amp;k...</source>
        <translation>Importa .tr&amp;k...</translation>
    </message>
    <message>
        <source>Import .tr&amp;2...</source>
        <translation>Importa .tr&amp;2...</translation>
    </message>
    <message>
        <source>Suggest &amp;Layouts...</source>
        <translation>Suggerisci &amp;circuiti...</translation>
    </message>
    <message>
        <source>&amp;Inventory Editor</source>
        <translation>Editor dell&apos;&amp;inventario</translation>
    </message>
    <message>
        <source>Track &amp;Definitions Editor</source>
        <translation>Editor delle &amp;definizioni di pista</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Imposta pa&amp;gina...</translation>
    </message>
    <message>
        <source>Print &amp;Monochrome</source>
        <translation>Stampa in &amp;bianco e nero</translation>
    </message>
    <message>
        <source>&amp;Print Design...</source>
        <translation>S&amp;tampa progetto...</translation>
    </message>
    <message>
        <source>Print at &amp;Scale...</source>
        <translation>Stampa in s&amp;cala...</translation>
    </message>
    <message>
        <source>Show &amp;Tracklist (HTML)...</source>
        <translation>Mostra l&apos;&amp;elenco dei pezzi (HTML)...</translation>
    </message>
    <message>
        <source>Save screen as .&amp;GIF</source>
        <translation>Salva lo schermo come .&amp;GIF</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>Es&amp;porta...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo design</source>
        <translation>&amp;Annulla progetto</translation>
    </message>
    <message>
        <source>&amp;Redo design</source>
        <translation>&amp;Ripeti progetto</translation>
    </message>
    <message>
        <source>I&amp;nsert Track</source>
        <translation>I&amp;nserisci pista</translation>
    </message>
    <message>
        <source>D&amp;elete Track</source>
        <translation>Eli&amp;mina pista</translation>
    </message>
    <message>
        <source>&amp;Delete Track Selection</source>
        <translation>Elimina la &amp;selezione della pista</translation>
    </message>
    <message>
        <source>Delete Freehand &amp;Shape</source>
        <translation>Elimina &amp;forma libera</translation>
    </message>
    <message>
        <source>Toggle Overwri&amp;te</source>
        <translation>Attiva/disattiva sovrascri&amp;vi</translation>
    </message>
    <message>
        <source>&amp;Layout Check</source>
        <translation>&amp;Verifica del circuito</translation>
    </message>
    <message>
        <source>Layout Check: open loops, overlaps, lane lengths, parts to buy</source>
        <translation>Verifica: circuiti aperti, sovrapposizioni, lunghezze delle corsie, pezzi da comprare</translation>
    </message>
    <message>
        <source>&amp;Close Loop...</source>
        <translation>&amp;Chiudi il circuito...</translation>
    </message>
    <message>
        <source>Center and &amp;Zoom</source>
        <translation>Centra e in&amp;grandisci</translation>
    </message>
    <message>
        <source>Part Codes in &amp;Palette</source>
        <translation>Codici nella &amp;tavolozza</translation>
    </message>
    <message>
        <source>Show &amp;Heights</source>
        <translation>Mostra &amp;altezze</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metrico</translation>
    </message>
    <message>
        <source>&amp;Filled</source>
        <translation>&amp;Pieno</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Righello</translation>
    </message>
    <message>
        <source>&amp;Color Lanes</source>
        <translation>&amp;Colore delle corsie</translation>
    </message>
    <message>
        <source>Color O&amp;ut of stock</source>
        <translation>Colora i pezzi &amp;esauriti</translation>
    </message>
    <message>
        <source>Show Ou&amp;t of stock</source>
        <translation>Mos&amp;tra i pezzi esauriti</translation>
    </message>
    <message>
        <source>&amp;Show Points</source>
        <translation>Mostra &amp;punti</translation>
    </message>
    <message>
        <source>Show &amp;Part Codes</source>
        <translation>Mostra &amp;codici</translation>
    </message>
    <message>
        <source>&amp;Design Grid</source>
        <translation>Griglia del &amp;progetto</translation>
    </message>
    <message>
        <source>R&amp;oom Grid</source>
        <translation>Griglia della &amp;stanza</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Info </source>
        <translation>Info </translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Stanza</translation>
    </message>
    <message>
        <source>Drag &amp;&amp; Drop or</source>
        <translation>Trascina &amp;&amp; rilascia o</translation>
    </message>
    <message>
        <source>double click to insert</source>
        <translation>doppio clic per inserire</translation>
    </message>
    <message>
        <source>C&amp;ar...</source>
        <translation>&amp;Auto...</translation>
    </message>
    <message>
        <source>Speed &amp;Trace</source>
        <translation>&amp;Traccia della velocità</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>&amp;Gara</translation>
    </message>
    <message>
        <source>Race: a car on every lane at its estimated speed (Escape stops)</source>
        <translation>Gara: un&apos;auto su ogni corsia alla velocità stimata (Esc la ferma)</translation>
    </message>
    <message>
        <source>Speed of the race view: 0.1x to 4x real time</source>
        <translation>Velocità della gara: da 0,1x a 4x il tempo reale</translation>
    </message>
    <message>
        <source>File Toolbar</source>
        <translation>Barra file</translation>
    </message>
    <message>
        <source>New Design</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Save Current Design</source>
        <translation>Salva il progetto attuale</translation>
    </message>
    <message>
        <source>Print Design</source>
        <translation>Stampa progetto</translation>
    </message>
    <message>
        <source>Print Current Design</source>
        <translation>Stampa il progetto attuale</translation>
    </message>
    <message>
        <source>Track Definition Editor</source>
        <translation>Editor delle definizioni di pista</translation>
    </message>
    <message>
        <source>Show HTML</source>
        <translation>Mostra HTML</translation>
    </message>
    <message>
        <source>Show Design as HTML</source>
        <translation>Mostra il progetto come HTML</translation>
    </message>
    <message>
        <source>Save screen as .GIF</source>
        <translation>Salva lo schermo come .GIF</translation>
    </message>
    <message>
        <source>Move origin</source>
        <translation>Sposta l&apos;origine</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Insert Toolbar</source>
        <translation>Barra di inserimento</translation>
    </message>
    <message>
        <source>Edit mode of drag &amp; drop parts</source>
        <translation>Modo di inserimento dei pezzi trascinati</translation>
    </message>
    <message>
        <source>Border Toolbar</source>
        <translation>Barra dei bordi</translation>
    </message>
    <message>
        <source>&amp;Set border</source>
        <translation>&amp;Metti bordo</translation>
    </message>
    <message>
        <source>Add or Remove borders?</source>
        <translation>Aggiungere o togliere bordi?</translation>
    </message>
    <message>
        <source>&amp;Inner</source>
        <translation>&amp;Interno</translation>
    </message>
    <message>
        <source>Add or Remove Inner Border</source>
        <translation>Aggiungi o togli il bordo interno</translation>
    </message>
    <message>
        <source>&amp;Outer</source>
        <translation>&amp;Esterno</translation>
    </message>
    <message>
        <source>Add or Remove Outer Border</source>
        <translation>Aggiungi o togli il bordo esterno</translation>
    </message>
    <message>
        <source>Center and Zoom</source>
        <translation>Centra e ingrandisci</translation>
    </message>
    <message>
        <source>Center and maximize zoom</source>
        <translation>Centra e ingrandisci al massimo</translation>
    </message>
    <message>
        <source>Track Toolbar</source>
        <translation>Barra della pista</translation>
    </message>
    <message>
        <source>Delete Sections</source>
        <translation>Elimina pezzi</translation>
    </message>
    <message>
        <source>Delete selected track sections</source>
        <translation>Elimina i pezzi selezionati della pista</translation>
    </message>
    <message>
        <source>Anchor Section</source>
        <translation>Ancora pezzo</translation>
    </message>
    <message>
        <source>Anchor selected section</source>
        <translation>Ancora il pezzo selezionato</translation>
    </message>
    <message>
        <source>Raise Track</source>
        <translation>Alza pista</translation>
    </message>
    <message>
        <source>Raise selected track sections</source>
        <translation>Alza i pezzi selezionati</translation>
    </message>
    <message>
        <source>Lower Track</source>
        <translation>Abbassa pista</translation>
    </message>
    <message>
        <source>Lower selected track sections</source>
        <translation>Abbassa i pezzi selezionati</translation>
    </message>
    <message>
        <source>Delete Track</source>
        <translation>Elimina pista</translation>
    </message>
    <message>
        <source>Delete selected Track</source>
        <translation>Elimina la pista selezionata</translation>
    </message>
    <message>
        <source>Copy selected Track</source>
        <translation>Copia la pista selezionata</translation>
    </message>
    <message>
        <source>Mirror Track</source>
        <translation>Specchia pista</translation>
    </message>
    <message>
        <source>Mirror selected track</source>
        <translation>Specchia la pista selezionata</translation>
    </message>
    <message>
        <source>Split selected track into two seperate tracks</source>
        <translation>Dividi la pista selezionata in due piste separate</translation>
    </message>
    <message>
        <source>Join two tracks</source>
        <translation>Unisci due piste</translation>
    </message>
    <message>
        <source>Quick Rotate</source>
        <translation>Rotazione rapida</translation>
    </message>
    <message>
        <source>Quick Rotate 90 degrees steps</source>
        <translation>Rotazione rapida a passi di 90 gradi</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Rotate selected track</source>
        <translation>Ruota la pista selezionata</translation>
    </message>
    <message>
        <source>Insert Polyline</source>
        <translation>Inserisci polilinea</translation>
    </message>
    <message>
        <source>Insert Polygon</source>
        <translation>Inserisci poligono</translation>
    </message>
    <message>
        <source>Insert Rectangle</source>
        <translation>Inserisci rettangolo</translation>
    </message>
    <message>
        <source>Insert Filled Rectangle</source>
        <translation>Inserisci rettangolo pieno</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Inserisci testo</translation>
    </message>
    <message>
        <source>Change Selected Text</source>
        <translation>Modifica il testo selezionato</translation>
    </message>
    <message>
        <source>Change / Select Color</source>
        <translation>Cambia / scegli il colore</translation>
    </message>
    <message>
        <source>Move a Point of Selected Shape</source>
        <translation>Sposta un punto della forma selezionata</translation>
    </message>
    <message>
        <source>Delete Selected Shape</source>
        <translation>Elimina la forma selezionata</translation>
    </message>
    <message>
        <source>Measure Distance</source>
        <translation>Misura distanza</translation>
    </message>
    <message>
        <source>Design Grid Spacings</source>
        <translation>Passo della griglia del progetto</translation>
    </message>
    <message>
        <source> Design:</source>
        <translation> Progetto:</translation>
    </message>
    <message>
        <source>Room Grid Spacings</source>
        <translation>Passo della griglia della stanza</translation>
    </message>
    <message>
        <source> Room:</source>
        <translation> Stanza:</translation>
    </message>
    <message>
        <source>Room File Toolbar</source>
        <translation>Barra file della stanza</translation>
    </message>
    <message>
        <source>New Room</source>
        <translation>Nuova stanza</translation>
    </message>
    <message>
        <source>Open Room</source>
        <translation>Apri stanza</translation>
    </message>
    <message>
        <source>Save Room</source>
        <translation>Salva stanza</translation>
    </message>
    <message>
        <source>Room Zoom Toolbar</source>
        <translation>Barra dello zoom della stanza</translation>
    </message>
    <message>
        <source>Ask Brand Code</source>
        <translation>Codice della marca</translation>
    </message>
    <message>
        <source>Brand code:</source>
        <translation>Codice della marca:</translation>
    </message>
    <message>
        <source>New Design Wizard</source>
        <translation>Procedura nuovo progetto</translation>
    </message>
    <message>
        <source>  2 Lane</source>
        <translation>  2 corsie</translation>
    </message>
    <message>
        <source>  4 Lane</source>
        <translation>  4 corsie</translation>
    </message>
    <message>
        <source>  6 Lane</source>
        <translation>  6 corsie</translation>
    </message>
    <message>
        <source>  8 Lane</source>
        <translation>  8 corsie</translation>
    </message>
    <message>
        <source>10 Lane</source>
        <translation>10 corsie</translation>
    </message>
    <message>
        <source>Open at startup</source>
        <translation>Apri all&apos;avvio</translation>
    </message>
    <message>
        <source>Print at Scale</source>
        <translation>Stampa in scala</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers</source>
        <translation>Sagoma: contorni, linee delle corsie, codici e numeri</translation>
    </message>
    <message>
        <source>As on screen</source>
        <translation>Come sullo schermo</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Anteprima...</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Scala:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Carta:</translation>
    </message>
    <message>
        <source>S&amp;tyle:</source>
        <translation>S&amp;tile:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagine:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Precedente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Successiva</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Stamp&amp;a...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Stampa in corso</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>pagine</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Non è stato possibile stampare le pagine.</translation>
    </message>
    <message>
        <source>No track to race on: the race view needs a closed track.</source>
        <translation>Nessuna pista per la gara: la gara richiede una pista chiusa.</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Capovolgi</translation>
    </message>
    <message>
        <source>New Room Wizard</source>
        <translation>Procedura nuova stanza</translation>
    </message>
    <message>
        <source>Room Shape</source>
        <translation>Forma della stanza</translation>
    </message>
    <message>
        <source>Rectangle </source>
        <translation>Rettangolo </translation>
    </message>
    <message>
        <source>L shaped </source>
        <translation>A L </translation>
    </message>
    <message>
        <source>M shaped </source>
        <translation>A M </translation>
    </message>
    <message>
        <source>T shaped </source>
        <translation>A T </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Filled In</source>
        <translation>Pieno</translation>
    </message>
    <message>
        <source>Speed Trace</source>
        <translation>Traccia della velocità</translation>
    </message>
    <message>
        <source>Track %1, car %2</source>
        <translation>Pista %1, auto %2</translation>
    </message>
    <message>
        <source>No closed track</source>
        <translation>Nessuna pista chiusa</translation>
    </message>
    <message>
        <source>Suggest Layouts</source>
        <translation>Suggerisci circuiti</translation>
    </message>
    <message>
        <source>Choose the board and the track, then Suggest.</source>
        <translation>Scegliere il piano e la pista, poi Suggerisci.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>A &amp;board</source>
        <translation>Un &amp;piano</translation>
    </message>
    <message>
        <source>The &amp;room</source>
        <translation>La &amp;stanza</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;ltezza:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Only parts in &amp;stock</source>
        <translation>Solo pezzi in &amp;scorta</translation>
    </message>
    <message>
        <source>Allow a &amp;crossing (figure-eight)</source>
        <translation>Consenti un &amp;incrocio (otto)</translation>
    </message>
    <message>
        <source>Allow &amp;bridges</source>
        <translation>Consenti &amp;ponti</translation>
    </message>
    <message>
        <source>Shortest &amp;lap:</source>
        <translation>&amp;Giro più corto:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>&amp;Proposals:</source>
        <translation>&amp;Proposte:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>S&amp;eme:</translation>
    </message>
    <message>
        <source>&amp;Time limit:</source>
        <translation>&amp;Limite di tempo:</translation>
    </message>
    <message>
        <source>S&amp;uggest</source>
        <translation>S&amp;uggerisci</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ricerca in corso...</translation>
    </message>
    <message>
        <source>No layout fits with these parts and options.</source>
        <translation>Nessun circuito va bene con questi pezzi e opzioni.</translation>
    </message>
    <message>
        <source>%1 layouts from %2 candidates; the longest laps first.</source>
        <translation>%1 circuiti da %2 candidati; prima i giri più lunghi.</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (annullato)</translation>
    </message>
    <message>
        <source>Tracks 2000|*.tr3|All Files|*.*</source>
        <translation>Tracks 2000|*.tr3|Tutti i file|*.*</translation>
    </message>
    <message>
        <source>Save Track design</source>
        <translation>Salva progetto della pista</translation>
    </message>
    <message>
        <source>Design changed - Do you want to save design %1 ?</source>
        <translation>Progetto modificato - Salvare il progetto %1?</translation>
    </message>
    <message>
        <source>Open Vireldo Design</source>
        <translation>Apri progetto Vireldo</translation>
    </message>
    <message>
        <source>Import Vireldo V2 designs</source>
        <translation>Importa progetti Vireldo V2</translation>
    </message>
    <message>
        <source>Tracks V2|*.tr2|All Files|*.*</source>
        <translation>Tracks V2|*.tr2|Tutti i file|*.*</translation>
    </message>
    <message>
        <source>Import Vireldo V1 designs</source>
        <translation>Importa progetti Vireldo V1</translation>
    </message>
    <message>
        <source>Tracks V1|*.trk|All Files|*.*</source>
        <translation>Tracks V1|*.trk|Tutti i file|*.*</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Scrittura di %1</translation>
    </message>
    <message>
        <source>A PDF page of %1 x %2 mm is larger than PDF readers open (200 inches). Write the layout on A4 pages to tape together instead?</source>
        <translation>Una pagina PDF di %1 x %2 mm è più grande di quanto aprano i lettori PDF (200 pollici). Scrivere invece il circuito su pagine A4 da unire con nastro?</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers, nothing filled</source>
        <translation>Sagoma: contorni, linee delle corsie, codici e numeri, niente di pieno</translation>
    </message>
    <message>
        <source>Export at true scale</source>
        <translation>Esporta in scala reale</translation>
    </message>
    <message>
        <source>SVG drawing|*.svg|DXF drawing (millimetres)|*.dxf|PDF page of the layout&apos;s size|*.pdf</source>
        <translation>Disegno SVG|*.svg|Disegno DXF (millimetri)|*.dxf|Pagina PDF delle dimensioni del circuito|*.pdf</translation>
    </message>
    <message>
        <source>The design has no track system to suggest layouts of.</source>
        <translation>Il progetto non ha un sistema di pista per cui suggerire circuiti.</translation>
    </message>
    <message>
        <source>The room has no closed outline: draw one with the room wizard first.</source>
        <translation>La stanza non ha un contorno chiuso: disegnarne prima uno con la procedura della stanza.</translation>
    </message>
    <message>
        <source>Vireldo did not end properly last time. It kept these unsaved changes:</source>
        <translation>Vireldo non si è chiuso correttamente l&apos;ultima volta. Ha conservato queste modifiche non salvate:</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(mai salvato)</translation>
    </message>
    <message>
        <source>Recover brings back the newest design and room; Discard deletes the copies; Later asks again at the next start.</source>
        <translation>Recupera riporta il progetto e la stanza più recenti; Scarta elimina le copie; Più tardi chiede di nuovo al prossimo avvio.</translation>
    </message>
    <message>
        <source>Cannot write the track list: neither %1 nor the user&apos;s data folder can be written !</source>
        <translation>Impossibile scrivere l&apos;elenco dei pezzi: né %1 né la cartella dati dell&apos;utente sono scrivibili!</translation>
    </message>
    <message>
        <source>Room Template|*.rm3|All Files|*.*</source>
        <translation>Modello di stanza|*.rm3|Tutti i file|*.*</translation>
    </message>
    <message>
        <source>Save Room Template</source>
        <translation>Salva modello di stanza</translation>
    </message>
    <message>
        <source>Room changed - Do you want to save room %1 ?</source>
        <translation>Stanza modificata - Salvare la stanza %1?</translation>
    </message>
    <message>
        <source>Open Room Template</source>
        <translation>Apri modello di stanza</translation>
    </message>
    <message>
        <source>Cannot load track definition file &apos;%1&apos; ! </source>
        <translation>Impossibile caricare il file di definizioni di pista &apos;%1&apos;! </translation>
    </message>
    <message>
        <source>EXIT VIRELDO!</source>
        <translation>VIRELDO SI CHIUDE!</translation>
    </message>
    <message>
        <source>%1 mm past the start</source>
        <translation>%1 mm oltre la partenza</translation>
    </message>
    <message>
        <source>%1 mm short of the start</source>
        <translation>%1 mm prima della partenza</translation>
    </message>
    <message>
        <source>%1 mm to the left of the start</source>
        <translation>%1 mm a sinistra della partenza</translation>
    </message>
    <message>
        <source>%1 mm to the right of the start</source>
        <translation>%1 mm a destra della partenza</translation>
    </message>
    <message>
        <source>%1 mm to the left</source>
        <translation>%1 mm a sinistra</translation>
    </message>
    <message>
        <source>%1 mm to the right</source>
        <translation>%1 mm a destra</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, lap 2 %1 s (%2 %)</source>
        <translation>, giro corsia 2 %1 s (%2 %)</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Togli %1</translation>
    </message>
    <message>
        <source>Remove %1, add %2</source>
        <translation>Togli %1, aggiungi %2</translation>
    </message>
    <message>
        <source>%1  (%2 mm left)</source>
        <translation>%1  (restano %2 mm)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>chiusa</translation>
    </message>
    <message>
        <source>open, gap %1 mm, %2 degrees off%3</source>
        <translation>aperta, distanza %1 mm, %2 gradi di scarto%3</translation>
    </message>
    <message>
        <source>, the end %1</source>
        <translation>, la fine %1</translation>
    </message>
    <message>
        <source>Track %1: %2, lane 2 %3 cm (%4 %)%5</source>
        <translation>Pista %1: %2, corsia 2 %3 cm (%4 %)%5</translation>
    </message>
    <message>
        <source>Tracks %1 and %2 nearly meet (%3 mm): Join Track</source>
        <translation>Le piste %1 e %2 quasi si toccano (%3 mm): unisci piste</translation>
    </message>
    <message>
        <source>Overlap: track %1 part %2 and track %3 part %4</source>
        <translation>Sovrapposizione: pista %1 pezzo %2 e pista %3 pezzo %4</translation>
    </message>
    <message>
        <source>Buy %1 x %2</source>
        <translation>Comprare %1 x %2</translation>
    </message>
    <message>
        <source>Every track closes, nothing overlaps, nothing is missing.</source>
        <translation>Ogni pista è chiusa, niente si sovrappone, non manca niente.</translation>
    </message>
    <message>
        <source>Close Loop</source>
        <translation>Chiudi il circuito</translation>
    </message>
    <message>
        <source>%1 - %2 - Free: %3</source>
        <translation>%1 - %2 - Liberi: %3</translation>
    </message>
    <message>
        <source>%1 - track %2 part %3</source>
        <translation>%1 - pista %2 pezzo %3</translation>
    </message>
    <message>
        <source>Angle %1°</source>
        <translation>Angolo %1°</translation>
    </message>
    <message>
        <source>Track Sections Info</source>
        <translation>Pezzi in scorta</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Niente</translation>
    </message>
    <message>
        <source>Track Lengths</source>
        <translation>Lunghezze delle piste</translation>
    </message>
    <message>
        <source>Track Curve Count</source>
        <translation>Numero di curve</translation>
    </message>
    <message>
        <source>Left #</source>
        <translation>Sin. #</translation>
    </message>
    <message>
        <source>Right #</source>
        <translation>Des. #</translation>
    </message>
    <message>
        <source>Design Size</source>
        <translation>Dimensioni del progetto</translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Larghezza: </translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Altezza: </translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Tempo sul giro</translation>
    </message>
    <message>
        <source>Average speed</source>
        <translation>Velocità media</translation>
    </message>
    <message>
        <source>Full throttle</source>
        <translation>Pieno gas</translation>
    </message>
    <message>
        <source>Lane 2 vs lane 1</source>
        <translation>Corsia 2 rispetto a corsia 1</translation>
    </message>
    <message>
        <source>Estimated lap times, car</source>
        <translation>Tempi sul giro stimati, auto</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%1 di %2 %3</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, circa %1 s rimanenti</translation>
    </message>
    <message>
        <source>%1 x %2 = %3 pages (%4), and an overview page</source>
        <translation>%1 x %2 = %3 pagine (%4) e una pagina d&apos;insieme</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>orizzontale</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>verticale</translation>
    </message>
    <message>
        <source>Print at 1:%1</source>
        <translation>Stampa in 1:%1</translation>
    </message>
    <message>
        <source>of %1 (1 is the overview)</source>
        <translation>di %1 (1 è la panoramica)</translation>
    </message>
    <message>
        <source>This prints %1 pages. Go on?</source>
        <translation>Verranno stampate %1 pagine. Continuare?</translation>
    </message>
    <message>
        <source>%1 m, %2 parts</source>
        <translation>%1 m, %2 pezzi</translation>
    </message>
    <message>
        <source>%1 ft, %2 parts</source>
        <translation>%1 ft, %2 pezzi</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>Part number &apos;%1&apos; is unknown! SKIPPED!</source>
        <translation>Il numero di pezzo &apos;%1&apos; è sconosciuto! SALTATO!</translation>
    </message>
    <message>
        <source>Cannot open file %1 !</source>
        <translation>Impossibile aprire il file %1!</translation>
    </message>
    <message>
        <source>Brand %1 is unknown!</source>
        <translation>La marca %1 è sconosciuta!</translation>
    </message>
    <message>
        <source>File %1 is damaged or incomplete; what could be read is shown.</source>
        <translation>Il file %1 è danneggiato o incompleto; viene mostrato ciò che si è potuto leggere.</translation>
    </message>
    <message>
        <source>Part number %1 is unknown in current active brand! I think you are using a brand that does not match the .TR2 file!</source>
        <translation>Il numero di pezzo %1 è sconosciuto nella marca attiva! Probabilmente la marca non corrisponde al file .TR2!</translation>
    </message>
    <message>
        <source>The board is smaller than the smallest closed loop of %1 (%2 x %3 cm with a margin of %4 cm all round).</source>
        <translation>Il piano è più piccolo del più piccolo circuito chiuso di %1 (%2 x %3 cm con un margine di %4 cm tutt&apos;intorno).</translation>
    </message>
    <message>
        <source>V2 Def files|*.def|All Files|*.*</source>
        <translation>File Def V2|*.def|Tutti i file|*.*</translation>
    </message>
    <message>
        <source>GIF file|*.gif|All Files|*.*</source>
        <translation>File GIF|*.gif|Tutti i file|*.*</translation>
    </message>
</context>
</TS>
