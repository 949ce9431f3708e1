<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Texts</name>
    <message>
        <source>The language changes when Vireldo starts again.</source>
        <translation>La langue change au prochain démarrage de Vireldo.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>Definitions changed - Do you want to save definitions ?</source>
        <translation>Définitions modifiées - Voulez-vous enregistrer les définitions ?</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Click the left mouse button on an item to select or drag the item around</source>
        <translation>Cliquez avec le bouton gauche sur un élément pour le sélectionner ou le déplacer</translation>
    </message>
    <message>
        <source>Move Start</source>
        <translation>Début du déplacement</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Maintenez le bouton gauche pour changer l&apos;origine ou cliquez à droite pour arrêter</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Maintenez le bouton gauche pour changer l&apos;origine ou cliquez à droite pour arrêter</translation>
    </message>
    <message>
        <source>Drag Track</source>
        <translation>Déplacer la piste</translation>
    </message>
    <message>
        <source>Move the mouse while holding the left mouse button to move the track</source>
        <translation>Déplacez la souris en maintenant le bouton gauche pour déplacer la piste</translation>
    </message>
    <message>
        <source>Insert Track</source>
        <translation>Insérer une piste</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the new track</source>
        <translation>Cliquez à gauche à l&apos;endroit où insérer la nouvelle piste</translation>
    </message>
    <message>
        <source>Drag Part</source>
        <translation>Déplacer l&apos;élément</translation>
    </message>
    <message>
        <source>Move the mouse pointer onto the place where to add this track section</source>
        <translation>Amenez le pointeur à l&apos;endroit où ajouter cet élément</translation>
    </message>
    <message>
        <source>Rotate Start</source>
        <translation>Début de la rotation</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to start rotating</source>
        <translation>Maintenez le bouton gauche pour commencer à tourner</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Move the mouse up and down to rotate the selected track</source>
        <translation>Déplacez la souris vers le haut ou le bas pour tourner la piste sélectionnée</translation>
    </message>
    <message>
        <source>Copy Track</source>
        <translation>Copier la piste</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the copy of the selected track</source>
        <translation>Cliquez à gauche à l&apos;endroit où insérer la copie de la piste sélectionnée</translation>
    </message>
    <message>
        <source>Split Track</source>
        <translation>Diviser la piste</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the split part of the selected track</source>
        <translation>Cliquez à gauche à l&apos;endroit où placer la partie séparée de la piste sélectionnée</translation>
    </message>
    <message>
        <source>Join Track Start</source>
        <translation>Début de la jonction</translation>
    </message>
    <message>
        <source>Drag the track onto the first or last track section of a track you want join it with</source>
        <translation>Faites glisser la piste sur le premier ou le dernier élément de la piste à laquelle la joindre</translation>
    </message>
    <message>
        <source>Join Track</source>
        <translation>Joindre les pistes</translation>
    </message>
    <message>
        <source>Drop the track onto the first or last track section of a track you want join it with</source>
        <translation>Déposez la piste sur le premier ou le dernier élément de la piste à laquelle la joindre</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Fenêtre d&apos;info</translation>
    </message>
    <message>
        <source>Start Move Point</source>
        <translation>Début du déplacement de point</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to move a freehand point</source>
        <translation>Maintenez le bouton gauche pour déplacer un point du dessin</translation>
    </message>
    <message>
        <source>Move Point</source>
        <translation>Déplacer le point</translation>
    </message>
    <message>
        <source>Drag the point to his new position</source>
        <translation>Faites glisser le point à sa nouvelle position</translation>
    </message>
    <message>
        <source>Drag Shape</source>
        <translation>Déplacer la forme</translation>
    </message>
    <message>
        <source>Drag the shape to his new position</source>
        <translation>Faites glisser la forme à sa nouvelle position</translation>
    </message>
    <message>
        <source>Start Polyline</source>
        <translation>Début de polyligne</translation>
    </message>
    <message>
        <source>Left click to add a point to the polyline, right click to stop finish the shape</source>
        <translation>Clic gauche pour ajouter un point à la polyligne, clic droit pour terminer la forme</translation>
    </message>
    <message>
        <source>Start Polygon</source>
        <translation>Début de polygone</translation>
    </message>
    <message>
        <source>Left click to add a point to the polygon, right click to stop finish the shape</source>
        <translation>Clic gauche pour ajouter un point au polygone, clic droit pour terminer la forme</translation>
    </message>
    <message>
        <source>Next Point</source>
        <translation>Point suivant</translation>
    </message>
    <message>
        <source>Left click to add a point to the shape, right click to stop finish the shape</source>
        <translation>Clic gauche pour ajouter un point à la forme, clic droit pour la terminer</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Left click onto the position you want to add a text</source>
        <translation>Cliquez à gauche à l&apos;endroit où ajouter un texte</translation>
    </message>
    <message>
        <source>Start Rectangle</source>
        <translation>Début de rectangle</translation>
    </message>
    <message>
        <source>Left click onto the first corner</source>
        <translation>Cliquez à gauche sur le premier coin</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Left click onto the second corner</source>
        <translation>Cliquez à gauche sur le second coin</translation>
    </message>
    <message>
        <source>Start Rectangle Fill</source>
        <translation>Début de rectangle plein</translation>
    </message>
    <message>
        <source>Rectangle Fill</source>
        <translation>Rectangle plein</translation>
    </message>
    <message>
        <source>Start Measurement</source>
        <translation>Début de la mesure</translation>
    </message>
    <message>
        <source>Left click onto the first point</source>
        <translation>Cliquez à gauche sur le premier point</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Left click to measure again or right click to stop</source>
        <translation>Clic gauche pour mesurer à nouveau, clic droit pour arrêter</translation>
    </message>
    <message>
        <source>Nothing to export: the design has no tracks, drawing or room.</source>
        <translation>Rien à exporter : le plan n&apos;a ni piste, ni dessin, ni pièce.</translation>
    </message>
    <message>
        <source>Please set current tab panel to &apos;Design&apos; to use this function!</source>
        <translation>Veuillez choisir l&apos;onglet &apos;Plan&apos; pour utiliser cette fonction !</translation>
    </message>
    <message>
        <source>You cannot add any more shapes (max 128) !</source>
        <translation>Impossible d&apos;ajouter d&apos;autres formes (max 128) !</translation>
    </message>
    <message>
        <source>You cannot add any more points to this shape (max 32) !</source>
        <translation>Impossible d&apos;ajouter d&apos;autres points à cette forme (max 32) !</translation>
    </message>
    <message>
        <source>Select the open track to close first.</source>
        <translation>Sélectionnez d&apos;abord la piste ouverte à fermer.</translation>
    </message>
    <message>
        <source>No way to close this track by changing up to 4 parts was found.</source>
        <translation>Aucun moyen de fermer cette piste en changeant jusqu&apos;à 4 éléments n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>You cannot add any more parts to this track (max 2000) !</source>
        <translation>Impossible d&apos;ajouter d&apos;autres éléments à cette piste (max 2000) !</translation>
    </message>
    <message>
        <source>You cannot add any more tracks (max 32) !</source>
        <translation>Impossible d&apos;ajouter d&apos;autres pistes (max 32) !</translation>
    </message>
    <message>
        <source>You cannot delete a track which is member of a multi-lane group!</source>
        <translation>Impossible de supprimer une piste membre d&apos;un groupe multivoie !</translation>
    </message>
    <message>
        <source>You cannot use a multi-lane group as a source to join!</source>
        <translation>Un groupe multivoie ne peut pas servir de source pour une jonction !</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Lane 1:</source>
        <translation>Voie 1 :</translation>
    </message>
    <message>
        <source>Lane 2:</source>
        <translation>Voie 2 :</translation>
    </message>
    <message>
        <source>You cannot add any more track definitions (max 32) !</source>
        <translation>Impossible d&apos;ajouter d&apos;autres définitions de piste (max 32) !</translation>
    </message>
    <message>
        <source>You cannot add any more parts (max 256) !</source>
        <translation>Impossible d&apos;ajouter d&apos;autres éléments (max 256) !</translation>
    </message>
    <message>
        <source>Cannot delete this track brand because this track brand is active on the design panel!</source>
        <translation>Impossible de supprimer cette marque de piste car elle est active dans le plan !</translation>
    </message>
    <message>
        <source>Cannot delete the part because this track brand is active on the design panel!</source>
        <translation>Impossible de supprimer l&apos;élément car cette marque de piste est active dans le plan !</translation>
    </message>
    <message>
        <source>Cannot change the order of parts because this track brand is active on the design panel!</source>
        <translation>Impossible de changer l&apos;ordre des éléments car cette marque de piste est active dans le plan !</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 track definition!</source>
        <translation>Il faut au moins 1 définition de piste !</translation>
    </message>
    <message>
        <source>Are you sure you want to delete definition &apos;%1&apos; ?</source>
        <translation>Voulez-vous vraiment supprimer la définition &apos;%1&apos; ?</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 part!</source>
        <translation>Il faut au moins 1 élément !</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Copié !</translation>
    </message>
    <message>
        <source>Unknown brand code</source>
        <translation>Code de marque inconnu</translation>
    </message>
    <message>
        <source>Merged!</source>
        <translation>Fusionné !</translation>
    </message>
    <message>
        <source>Cannot write file %1 !</source>
        <translation>Impossible d&apos;écrire le fichier %1 !</translation>
    </message>
    <message>
        <source>Inner border:</source>
        <translation>Bordure intérieure :</translation>
    </message>
    <message>
        <source>Outer border:</source>
        <translation>Bordure extérieure :</translation>
    </message>
    <message>
        <source>Lane distance:</source>
        <translation>Écart des voies :</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Angle :</translation>
    </message>
    <message>
        <source> Width:</source>
        <translation> Largeur :</translation>
    </message>
    <message>
        <source>Outer Radius:</source>
        <translation>Rayon extérieur :</translation>
    </message>
    <message>
        <source>Inner Radius:</source>
        <translation>Rayon intérieur :</translation>
    </message>
    <message>
        <source> Length:</source>
        <translation> Longueur :</translation>
    </message>
    <message>
        <source> Width 1:</source>
        <translation> Largeur 1 :</translation>
    </message>
    <message>
        <source> Width 2:</source>
        <translation> Largeur 2 :</translation>
    </message>
    <message>
        <source>Next X:</source>
        <translation>X suivant :</translation>
    </message>
    <message>
        <source>Next Y:</source>
        <translation>Y suivant :</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Virage</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Adaptateur</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Forme libre</translation>
    </message>
    <message>
        <source>Track Definitions Editor</source>
        <translation>Éditeur de définitions de piste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy Part</source>
        <translation>&amp;Copier l&apos;élément</translation>
    </message>
    <message>
        <source>&amp;Paste Part</source>
        <translation>Co&amp;ller l&apos;élément</translation>
    </message>
    <message>
        <source>Mirror X silkscreen</source>
        <translation>Miroir X de la sérigraphie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Define &amp;Grid</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>De&amp;fine</source>
        <translation>Dé&amp;finition</translation>
    </message>
    <message>
        <source>&amp;Save All Definitions</source>
        <translation>&amp;Enregistrer toutes les définitions</translation>
    </message>
    <message>
        <source>&amp;Import Vireldo V2.x .def file into current</source>
        <translation>&amp;Importer un fichier .def Vireldo V2.x dans la définition courante</translation>
    </message>
    <message>
        <source>Import Vireldo V2 definition files</source>
        <translation>Importer des fichiers de définitions Vireldo V2</translation>
    </message>
    <message>
        <source>Set All Borders like current part</source>
        <translation>Toutes les bordures comme l&apos;élément courant</translation>
    </message>
    <message>
        <source>Set All Lane Distances like current part</source>
        <translation>Tous les écarts de voies comme l&apos;élément courant</translation>
    </message>
    <message>
        <source>Calculate travel distance</source>
        <translation>Calculer la distance parcourue</translation>
    </message>
    <message>
        <source>Set color to lane 1 color</source>
        <translation>Mettre la couleur de la voie 1</translation>
    </message>
    <message>
        <source>Set color to lane 2 color</source>
        <translation>Mettre la couleur de la voie 2</translation>
    </message>
    <message>
        <source>Copy current Definition type to...</source>
        <translation>Copier la définition courante vers...</translation>
    </message>
    <message>
        <source>Merge current Definition type with...</source>
        <translation>Fusionner la définition courante avec...</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Track Definition Type:</source>
        <translation>Type de définition de piste :</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Default Width:</source>
        <translation>Largeur par défaut :</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Number of lanes:</source>
        <translation>Nombre de voies :</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source> Code</source>
        <translation> Code</translation>
    </message>
    <message>
        <source> Description</source>
        <translation> Description</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source> Width</source>
        <translation> Largeur</translation>
    </message>
    <message>
        <source>Travel Dist.</source>
        <translation>Dist. parcourue</translation>
    </message>
    <message>
        <source>All in cm</source>
        <translation>Tout en cm</translation>
    </message>
    <message>
        <source>Lane swap</source>
        <translation>Changement de voie</translation>
    </message>
    <message>
        <source>REMINDER!

If you want to change part codes of existing parts you already have used in previous saved designs you will not be able to load these designs anymore!</source>
        <translation>RAPPEL !

Si vous changez les codes d&apos;éléments déjà utilisés dans des plans enregistrés, vous ne pourrez plus charger ces plans !</translation>
    </message>
    <message>
        <source>Track Definitions Editor Part</source>
        <translation>Éditeur de définitions de piste : élément</translation>
    </message>
    <message>
        <source>Zoom Toolbar</source>
        <translation>Barre de zoom</translation>
    </message>
    <message>
        <source> Zoom:</source>
        <translation> Zoom :</translation>
    </message>
    <message>
        <source>Set Zoom factor numeric</source>
        <translation>Saisir le facteur de zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Define Grid Spacings</source>
        <translation>Pas de grille de la définition</translation>
    </message>
    <message>
        <source> Define:</source>
        <translation> Définition :</translation>
    </message>
    <message>
        <source>Freehand Toolbar</source>
        <translation>Barre de dessin</translation>
    </message>
    <message>
        <source>Change / Select Pen Width</source>
        <translation>Changer / choisir l&apos;épaisseur du trait</translation>
    </message>
    <message>
        <source>Inventory Editor</source>
        <translation>Éditeur d&apos;inventaire</translation>
    </message>
    <message>
        <source>Edit &apos;stock&apos; to the amount of parts you own</source>
        <translation>Indiquez dans &apos;Stock&apos; le nombre d&apos;éléments que vous possédez</translation>
    </message>
    <message>
        <source> Section</source>
        <translation> Élément</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisés</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libres</translation>
    </message>
    <message>
        <source>Counted with %1: one piece carries both roads</source>
        <translation>Compté avec %1 : une pièce porte les deux routes</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Lane 1</source>
        <translation>Voie 1</translation>
    </message>
    <message>
        <source>Lane 2</source>
        <translation>Voie 2</translation>
    </message>
    <message>
        <source>No program opens this address here; it is copied to the clipboard.</source>
        <translation>Aucun programme n&apos;ouvre cette adresse ici ; elle est copiée dans le presse-papiers.</translation>
    </message>
    <message>
        <source>About Vireldo</source>
        <translation>À propos de Vireldo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Freehand Text</source>
        <translation>Texte libre</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>&amp;Car:</source>
        <translation>&amp;Voiture :</translation>
    </message>
    <message>
        <source>&amp;Top speed:</source>
        <translation>Vitesse de &amp;pointe :</translation>
    </message>
    <message>
        <source>&amp;Acceleration:</source>
        <translation>&amp;Accélération :</translation>
    </message>
    <message>
        <source>&amp;Braking:</source>
        <translation>&amp;Freinage :</translation>
    </message>
    <message>
        <source>&amp;Grip in curves:</source>
        <translation>&amp;Adhérence en virage :</translation>
    </message>
    <message>
        <source>The presets are typical cars of each scale, not measured ones.</source>
        <translation>Les préréglages sont des voitures typiques de chaque échelle, non mesurées.</translation>
    </message>
    <message>
        <source>Vireldo Help</source>
        <translation>Aide de Vireldo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The manual is in English.</source>
        <translation>Le manuel est en anglais.</translation>
    </message>
    <message>
        <source>Vireldo Help - </source>
        <translation>Aide de Vireldo - </translation>
    </message>
    <message>
        <source>Track Section List</source>
        <translation>Liste des éléments de la piste</translation>
    </message>
    <message>
        <source>Wait until the export or print under way has finished.</source>
        <translation>Attendez la fin de l&apos;export ou de l&apos;impression en cours.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Layout Check</source>
        <translation>Vérification du circuit</translation>
    </message>
    <message>
        <source>Close Loop...</source>
        <translation>Fermer la boucle...</translation>
    </message>
    <message>
        <source>Propose parts that close the selected open track</source>
        <translation>Proposer des éléments qui ferment la piste ouverte sélectionnée</translation>
    </message>
    <message>
        <source>Inser&amp;t</source>
        <translation>Inser&amp;tion</translation>
    </message>
    <message>
        <source>Overwri&amp;te</source>
        <translation>Rempla&amp;cement</translation>
    </message>
    <message>
        <source>Save GIF</source>
        <translation>Enregistrer en GIF</translation>
    </message>
    <message>
        <source>Nothing to print: the design has no tracks, drawing or room.</source>
        <translation>Rien à imprimer : le plan n&apos;a ni piste, ni dessin, ni pièce.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Room</source>
        <translation>&amp;Pièce</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Menu Toolbar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;New room wizard</source>
        <translation>Assistant &amp;nouvelle pièce</translation>
    </message>
    <message>
        <source>&amp;Open room...</source>
        <translation>&amp;Ouvrir une pièce...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutoriel</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;New design wizard</source>
        <translation>Assistant &amp;nouveau plan</translation>
    </message>
    <message>
        <source>&amp;Open design...</source>
        <translation>&amp;Ouvrir un plan...</translation>
    </message>
    <message>
        <source>Import .tr&amp;k...</source>
        <translation>Importer .tr&amp;k...</translation>
    </message>
    <message>
        <source>Import .tr&amp;2...</source>
        <translation>Importer .tr&amp;2...</translation>
    </message>
    <message>
        <source>Suggest &amp;Layouts...</source>
        <translation>Proposer des &amp;circuits...</translation>
    </message>
    <message>
        <source>&amp;Inventory Editor</source>
        <translation>Éditeur d&apos;&amp;inventaire</translation>
    </message>
    <message>
        <source>Track &amp;Definitions Editor</source>
        <translation>Éditeur de &amp;définitions de piste</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Mise en pag&amp;e...</translation>
    </message>
    <message>
        <source>Print &amp;Monochrome</source>
        <translation>Imprimer en &amp;monochrome</translation>
    </message>
    <message>
        <source>&amp;Print Design...</source>
        <translation>Im&amp;primer le plan...</translation>
    </message>
    <message>
        <source>Print at &amp;Scale...</source>
        <translation>Imprimer à l&apos;é&amp;chelle...</translation>
    </message>
    <message>
        <source>Show &amp;Tracklist (HTML)...</source>
        <translation>Afficher la &amp;liste des éléments (HTML)...</translation>
    </message>
    <message>
        <source>Save screen as .&amp;GIF</source>
        <translation>Enregistrer l&apos;écran en .&amp;GIF</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo design</source>
        <translation>&amp;Annuler (plan)</translation>
    </message>
    <message>
        <source>&amp;Redo design</source>
        <translation>&amp;Rétablir (plan)</translation>
    </message>
    <message>
        <source>I&amp;nsert Track</source>
        <translation>I&amp;nsérer une piste</translation>
    </message>
    <message>
        <source>D&amp;elete Track</source>
        <translation>Supprimer la pist&amp;e</translation>
    </message>
    <message>
        <source>&amp;Delete Track Selection</source>
        <translation>&amp;Supprimer la sélection de la piste</translation>
    </message>
    <message>
        <source>Delete Freehand &amp;Shape</source>
        <translation>Supprimer la &amp;forme libre</translation>
    </message>
    <message>
        <source>Toggle Overwri&amp;te</source>
        <translation>Basculer rempla&amp;cement</translation>
    </message>
    <message>
        <source>&amp;Layout Check</source>
        <translation>&amp;Vérification du circuit</translation>
    </message>
    <message>
        <source>Layout Check: open loops, overlaps, lane lengths, parts to buy</source>
        <translation>Vérification : boucles ouvertes, chevauchements, longueurs des voies, éléments à acheter</translation>
    </message>
    <message>
        <source>&amp;Close Loop...</source>
        <translation>&amp;Fermer la boucle...</translation>
    </message>
    <message>
        <source>Center and &amp;Zoom</source>
        <translation>Centrer et &amp;zoomer</translation>
    </message>
    <message>
        <source>Part Codes in &amp;Palette</source>
        <translation>Codes dans la &amp;palette</translation>
    </message>
    <message>
        <source>Show &amp;Heights</source>
        <translation>Afficher les &amp;hauteurs</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrique</translation>
    </message>
    <message>
        <source>&amp;Filled</source>
        <translation>&amp;Rempli</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Règle</translation>
    </message>
    <message>
        <source>&amp;Color Lanes</source>
        <translation>&amp;Couleur des voies</translation>
    </message>
    <message>
        <source>Color O&amp;ut of stock</source>
        <translation>Colorer les éléments &amp;hors stock</translation>
    </message>
    <message>
        <source>Show Ou&amp;t of stock</source>
        <translation>Afficher les élémen&amp;ts hors stock</translation>
    </message>
    <message>
        <source>&amp;Show Points</source>
        <translation>Afficher les &amp;points</translation>
    </message>
    <message>
        <source>Show &amp;Part Codes</source>
        <translation>Afficher les &amp;codes</translation>
    </message>
    <message>
        <source>&amp;Design Grid</source>
        <translation>Grille du &amp;plan</translation>
    </message>
    <message>
        <source>R&amp;oom Grid</source>
        <translation>Grille de la pi&amp;èce</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Info </source>
        <translation>Infos </translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Pièce</translation>
    </message>
    <message>
        <source>Drag &amp;&amp; Drop or</source>
        <translation>Glisser &amp;&amp; déposer ou</translation>
    </message>
    <message>
        <source>double click to insert</source>
        <translation>double-clic pour insérer</translation>
    </message>
    <message>
        <source>C&amp;ar...</source>
        <translation>&amp;Voiture...</translation>
    </message>
    <message>
        <source>Speed &amp;Trace</source>
        <translation>Courbe de &amp;vitesse</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>&amp;Course</translation>
    </message>
    <message>
        <source>Race: a car on every lane at its estimated speed (Escape stops)</source>
        <translation>Course : une voiture sur chaque voie à sa vitesse estimée (Échap arrête)</translation>
    </message>
    <message>
        <source>Speed of the race view: 0.1x to 4x real time</source>
        <translation>Vitesse de la course : 0,1x à 4x le temps réel</translation>
    </message>
    <message>
        <source>File Toolbar</source>
        <translation>Barre Fichier</translation>
    </message>
    <message>
        <source>New Design</source>
        <translation>Nouveau plan</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Ouvrir un plan</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Enregistrer le plan</translation>
    </message>
    <message>
        <source>Save Current Design</source>
        <translation>Enregistrer le plan courant</translation>
    </message>
    <message>
        <source>Print Design</source>
        <translation>Imprimer le plan</translation>
    </message>
    <message>
        <source>Print Current Design</source>
        <translation>Imprimer le plan courant</translation>
    </message>
    <message>
        <source>Track Definition Editor</source>
        <translation>Éditeur de définitions de piste</translation>
    </message>
    <message>
        <source>Show HTML</source>
        <translation>Afficher en HTML</translation>
    </message>
    <message>
        <source>Show Design as HTML</source>
        <translation>Afficher le plan en HTML</translation>
    </message>
    <message>
        <source>Save screen as .GIF</source>
        <translation>Enregistrer l&apos;écran en .GIF</translation>
    </message>
    <message>
        <source>Move origin</source>
        <translation>Déplacer l&apos;origine</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Insert Toolbar</source>
        <translation>Barre d&apos;insertion</translation>
    </message>
    <message>
        <source>Edit mode of drag &amp; drop parts</source>
        <translation>Mode d&apos;ajout des éléments glissés</translation>
    </message>
    <message>
        <source>Border Toolbar</source>
        <translation>Barre des bordures</translation>
    </message>
    <message>
        <source>&amp;Set border</source>
        <translation>&amp;Poser la bordure</translation>
    </message>
    <message>
        <source>Add or Remove borders?</source>
        <translation>Ajouter ou retirer des bordures ?</translation>
    </message>
    <message>
        <source>&amp;Inner</source>
        <translation>&amp;Intérieure</translation>
    </message>
    <message>
        <source>Add or Remove Inner Border</source>
        <translation>Ajouter ou retirer la bordure intérieure</translation>
    </message>
    <message>
        <source>&amp;Outer</source>
        <translation>&amp;Extérieure</translation>
    </message>
    <message>
        <source>Add or Remove Outer Border</source>
        <translation>Ajouter ou retirer la bordure extérieure</translation>
    </message>
    <message>
        <source>Center and Zoom</source>
        <translation>Centrer et zoomer</translation>
    </message>
    <message>
        <source>Center and maximize zoom</source>
        <translation>Centrer et zoomer au maximum</translation>
    </message>
    <message>
        <source>Track Toolbar</source>
        <translation>Barre de piste</translation>
    </message>
    <message>
        <source>Delete Sections</source>
        <translation>Supprimer les éléments</translation>
    </message>
    <message>
        <source>Delete selected track sections</source>
        <translation>Supprimer les éléments sélectionnés de la piste</translation>
    </message>
    <message>
        <source>Anchor Section</source>
        <translation>Ancrer l&apos;élément</translation>
    </message>
    <message>
        <source>Anchor selected section</source>
        <translation>Ancrer l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>Raise Track</source>
        <translation>Surélever la piste</translation>
    </message>
    <message>
        <source>Raise selected track sections</source>
        <translation>Surélever les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Lower Track</source>
        <translation>Abaisser la piste</translation>
    </message>
    <message>
        <source>Lower selected track sections</source>
        <translation>Abaisser les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Delete Track</source>
        <translation>Supprimer la piste</translation>
    </message>
    <message>
        <source>Delete selected Track</source>
        <translation>Supprimer la piste sélectionnée</translation>
    </message>
    <message>
        <source>Copy selected Track</source>
        <translation>Copier la piste sélectionnée</translation>
    </message>
    <message>
        <source>Mirror Track</source>
        <translation>Miroir de la piste</translation>
    </message>
    <message>
        <source>Mirror selected track</source>
        <translation>Mettre en miroir la piste sélectionnée</translation>
    </message>
    <message>
        <source>Split selected track into two seperate tracks</source>
        <translation>Diviser la piste sélectionnée en deux pistes séparées</translation>
    </message>
    <message>
        <source>Join two tracks</source>
        <translation>Joindre deux pistes</translation>
    </message>
    <message>
        <source>Quick Rotate</source>
        <translation>Rotation rapide</translation>
    </message>
    <message>
        <source>Quick Rotate 90 degrees steps</source>
        <translation>Rotation rapide par pas de 90 degrés</translation>
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
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Rotate selected track</source>
        <translation>Tourner la piste sélectionnée</translation>
    </message>
    <message>
        <source>Insert Polyline</source>
        <translation>Insérer une polyligne</translation>
    </message>
    <message>
        <source>Insert Polygon</source>
        <translation>Insérer un polygone</translation>
    </message>
    <message>
        <source>Insert Rectangle</source>
        <translation>Insérer un rectangle</translation>
    </message>
    <message>
        <source>Insert Filled Rectangle</source>
        <translation>Insérer un rectangle plein</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insérer un texte</translation>
    </message>
    <message>
        <source>Change Selected Text</source>
        <translation>Modifier le texte sélectionné</translation>
    </message>
    <message>
        <source>Change / Select Color</source>
        <translation>Changer / choisir la couleur</translation>
    </message>
    <message>
        <source>Move a Point of Selected Shape</source>
        <translation>Déplacer un point de la forme sélectionnée</translation>
    </message>
    <message>
        <source>Delete Selected Shape</source>
        <translation>Supprimer la forme sélectionnée</translation>
    </message>
    <message>
        <source>Measure Distance</source>
        <translation>Mesurer une distance</translation>
    </message>
    <message>
        <source>Design Grid Spacings</source>
        <translation>Pas de grille du plan</translation>
    </message>
    <message>
        <source> Design:</source>
        <translation> Plan :</translation>
    </message>
    <message>
        <source>Room Grid Spacings</source>
        <translation>Pas de grille de la pièce</translation>
    </message>
    <message>
        <source> Room:</source>
        <translation> Pièce :</translation>
    </message>
    <message>
        <source>Room File Toolbar</source>
        <translation>Barre Fichier de la pièce</translation>
    </message>
    <message>
        <source>New Room</source>
        <translation>Nouvelle pièce</translation>
    </message>
    <message>
        <source>Open Room</source>
        <translation>Ouvrir une pièce</translation>
    </message>
    <message>
        <source>Save Room</source>
        <translation>Enregistrer la pièce</translation>
    </message>
    <message>
        <source>Room Zoom Toolbar</source>
        <translation>Barre de zoom de la pièce</translation>
    </message>
    <message>
        <source>Ask Brand Code</source>
        <translation>Code de la marque</translation>
    </message>
    <message>
        <source>Brand code:</source>
        <translation>Code de la marque :</translation>
    </message>
    <message>
        <source>New Design Wizard</source>
        <translation>Assistant nouveau plan</translation>
    </message>
    <message>
        <source>  2 Lane</source>
        <translation>  2 voies</translation>
    </message>
    <message>
        <source>  4 Lane</source>
        <translation>  4 voies</translation>
    </message>
    <message>
        <source>  6 Lane</source>
        <translation>  6 voies</translation>
    </message>
    <message>
        <source>  8 Lane</source>
        <translation>  8 voies</translation>
    </message>
    <message>
        <source>10 Lane</source>
        <translation>10 voies</translation>
    </message>
    <message>
        <source>Open at startup</source>
        <translation>Ouvrir au démarrage</translation>
    </message>
    <message>
        <source>Print at Scale</source>
        <translation>Imprimer à l&apos;échelle</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers</source>
        <translation>Gabarit : contours, lignes des voies, codes et numéros</translation>
    </message>
    <message>
        <source>As on screen</source>
        <translation>Comme à l&apos;écran</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>É&amp;chelle :</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>S&amp;tyle:</source>
        <translation>S&amp;tyle :</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages :</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>pages</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Les pages n&apos;ont pas pu être imprimées.</translation>
    </message>
    <message>
        <source>No track to race on: the race view needs a closed track.</source>
        <translation>Aucune piste pour courir : la course a besoin d&apos;une piste fermée.</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>New Room Wizard</source>
        <translation>Assistant nouvelle pièce</translation>
    </message>
    <message>
        <source>Room Shape</source>
        <translation>Forme de la pièce</translation>
    </message>
    <message>
        <source>Rectangle </source>
        <translation>Rectangle </translation>
    </message>
    <message>
        <source>L shaped </source>
        <translation>En L </translation>
    </message>
    <message>
        <source>M shaped </source>
        <translation>En M </translation>
    </message>
    <message>
        <source>T shaped </source>
        <translation>En T </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Filled In</source>
        <translation>Rempli</translation>
    </message>
    <message>
        <source>Speed Trace</source>
        <translation>Courbe de vitesse</translation>
    </message>
    <message>
        <source>Track %1, car %2</source>
        <translation>Piste %1, voiture %2</translation>
    </message>
    <message>
        <source>No closed track</source>
        <translation>Aucune piste fermée</translation>
    </message>
    <message>
        <source>Suggest Layouts</source>
        <translation>Proposer des circuits</translation>
    </message>
    <message>
        <source>Choose the board and the track, then Suggest.</source>
        <translation>Choisissez la table et la piste, puis Proposer.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>A &amp;board</source>
        <translation>Une &amp;table</translation>
    </message>
    <message>
        <source>The &amp;room</source>
        <translation>La &amp;pièce</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur :</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Only parts in &amp;stock</source>
        <translation>Seulement les éléments en &amp;stock</translation>
    </message>
    <message>
        <source>Allow a &amp;crossing (figure-eight)</source>
        <translation>Autoriser un &amp;croisement (huit)</translation>
    </message>
    <message>
        <source>Allow &amp;bridges</source>
        <translation>Autoriser les &amp;ponts</translation>
    </message>
    <message>
        <source>Shortest &amp;lap:</source>
        <translation>&amp;Tour le plus court :</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>&amp;Proposals:</source>
        <translation>&amp;Propositions :</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <source>&amp;Time limit:</source>
        <translation>&amp;Limite de temps :</translation>
    </message>
    <message>
        <source>S&amp;uggest</source>
        <translation>&amp;Proposer</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>No layout fits with these parts and options.</source>
        <translation>Aucun circuit ne convient avec ces éléments et options.</translation>
    </message>
    <message>
        <source>%1 layouts from %2 candidates; the longest laps first.</source>
        <translation>%1 circuits parmi %2 candidats ; les tours les plus longs d&apos;abord.</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (annulé)</translation>
    </message>
    <message>
        <source>Tracks 2000|*.tr3|All Files|*.*</source>
        <translation>Tracks 2000|*.tr3|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Save Track design</source>
        <translation>Enregistrer le plan de piste</translation>
    </message>
    <message>
        <source>Design changed - Do you want to save design %1 ?</source>
        <translation>Plan modifié - Voulez-vous enregistrer le plan %1 ?</translation>
    </message>
    <message>
        <source>Open Vireldo Design</source>
        <translation>Ouvrir un plan Vireldo</translation>
    </message>
    <message>
        <source>Import Vireldo V2 designs</source>
        <translation>Importer des plans Vireldo V2</translation>
    </message>
    <message>
        <source>Tracks V2|*.tr2|All Files|*.*</source>
        <translation>Tracks V2|*.tr2|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Import Vireldo V1 designs</source>
        <translation>Importer des plans Vireldo V1</translation>
    </message>
    <message>
        <source>Tracks V1|*.trk|All Files|*.*</source>
        <translation>Tracks V1|*.trk|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Écriture de %1</translation>
    </message>
    <message>
        <source>A PDF page of %1 x %2 mm is larger than PDF readers open (200 inches). Write the layout on A4 pages to tape together instead?</source>
        <translation>Une page PDF de %1 x %2 mm dépasse ce que les lecteurs PDF ouvrent (200 pouces). Écrire plutôt le circuit sur des pages A4 à assembler ?</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers, nothing filled</source>
        <translation>Gabarit : contours, lignes des voies, codes et numéros, rien de rempli</translation>
    </message>
    <message>
        <source>Export at true scale</source>
        <translation>Exporter à l&apos;échelle réelle</translation>
    </message>
    <message>
        <source>SVG drawing|*.svg|DXF drawing (millimetres)|*.dxf|PDF page of the layout&apos;s size|*.pdf</source>
        <translation>Dessin SVG|*.svg|Dessin DXF (millimètres)|*.dxf|Page PDF à la taille du circuit|*.pdf</translation>
    </message>
    <message>
        <source>The design has no track system to suggest layouts of.</source>
        <translation>Le plan n&apos;a pas de système de piste pour lequel proposer des circuits.</translation>
    </message>
    <message>
        <source>The room has no closed outline: draw one with the room wizard first.</source>
        <translation>La pièce n&apos;a pas de contour fermé : dessinez-en un d&apos;abord avec l&apos;assistant de pièce.</translation>
    </message>
    <message>
        <source>Vireldo did not end properly last time. It kept these unsaved changes:</source>
        <translation>Vireldo ne s&apos;est pas terminé correctement la dernière fois. Ces modifications non enregistrées ont été gardées :</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(jamais enregistré)</translation>
    </message>
    <message>
        <source>Recover brings back the newest design and room; Discard deletes the copies; Later asks again at the next start.</source>
        <translation>Récupérer rétablit le plan et la pièce les plus récents ; Abandonner supprime les copies ; Plus tard redemande au prochain démarrage.</translation>
    </message>
    <message>
        <source>Cannot write the track list: neither %1 nor the user&apos;s data folder can be written !</source>
        <translation>Impossible d&apos;écrire la liste des éléments : ni %1 ni le dossier de données de l&apos;utilisateur ne sont accessibles en écriture !</translation>
    </message>
    <message>
        <source>Room Template|*.rm3|All Files|*.*</source>
        <translation>Modèle de pièce|*.rm3|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Save Room Template</source>
        <translation>Enregistrer le modèle de pièce</translation>
    </message>
    <message>
        <source>Room changed - Do you want to save room %1 ?</source>
        <translation>Pièce modifiée - Voulez-vous enregistrer la pièce %1 ?</translation>
    </message>
    <message>
        <source>Open Room Template</source>
        <translation>Ouvrir un modèle de pièce</translation>
    </message>
    <message>
        <source>Cannot load track definition file &apos;%1&apos; ! </source>
        <translation>Impossible de charger le fichier de définitions de piste &apos;%1&apos; ! </translation>
    </message>
    <message>
        <source>EXIT VIRELDO!</source>
        <translation>FERMETURE DE VIRELDO !</translation>
    </message>
    <message>
        <source>%1 mm past the start</source>
        <translation>%1 mm après le départ</translation>
    </message>
    <message>
        <source>%1 mm short of the start</source>
        <translation>%1 mm avant le départ</translation>
    </message>
    <message>
        <source>%1 mm to the left of the start</source>
        <translation>%1 mm à gauche du départ</translation>
    </message>
    <message>
        <source>%1 mm to the right of the start</source>
        <translation>%1 mm à droite du départ</translation>
    </message>
    <message>
        <source>%1 mm to the left</source>
        <translation>%1 mm à gauche</translation>
    </message>
    <message>
        <source>%1 mm to the right</source>
        <translation>%1 mm à droite</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, lap 2 %1 s (%2 %)</source>
        <translation>, tour voie 2 %1 s (%2 %)</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Remove %1, add %2</source>
        <translation>Retirer %1, ajouter %2</translation>
    </message>
    <message>
        <source>%1  (%2 mm left)</source>
        <translation>%1  (%2 mm restants)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermée</translation>
    </message>
    <message>
        <source>open, gap %1 mm, %2 degrees off%3</source>
        <translation>ouverte, écart %1 mm, %2 degrés de déviation%3</translation>
    </message>
    <message>
        <source>, the end %1</source>
        <translation>, la fin %1</translation>
    </message>
    <message>
        <source>Track %1: %2, lane 2 %3 cm (%4 %)%5</source>
        <translation>Piste %1 : %2, voie 2 %3 cm (%4 %)%5</translation>
    </message>
    <message>
        <source>Tracks %1 and %2 nearly meet (%3 mm): Join Track</source>
        <translation>Les pistes %1 et %2 se touchent presque (%3 mm) : joindre les pistes</translation>
    </message>
    <message>
        <source>Overlap: track %1 part %2 and track %3 part %4</source>
        <translation>Chevauchement : piste %1 élément %2 et piste %3 élément %4</translation>
    </message>
    <message>
        <source>Buy %1 x %2</source>
        <translation>Acheter %1 x %2</translation>
    </message>
    <message>
        <source>Every track closes, nothing overlaps, nothing is missing.</source>
        <translation>Chaque piste est fermée, rien ne se chevauche, rien ne manque.</translation>
    </message>
    <message>
        <source>Close Loop</source>
        <translation>Fermer la boucle</translation>
    </message>
    <message>
        <source>%1 - %2 - Free: %3</source>
        <translation>%1 - %2 - Libres : %3</translation>
    </message>
    <message>
        <source>%1 - track %2 part %3</source>
        <translation>%1 - piste %2 élément %3</translation>
    </message>
    <message>
        <source>Angle %1°</source>
        <translation>Angle %1°</translation>
    </message>
    <message>
        <source>Track Sections Info</source>
        <translation>Éléments en stock</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Track Lengths</source>
        <translation>Longueurs des pistes</translation>
    </message>
    <message>
        <source>Track Curve Count</source>
        <translation>Nombre de virages</translation>
    </message>
    <message>
        <source>Left #</source>
        <translation>Gauche #</translation>
    </message>
    <message>
        <source>Right #</source>
        <translation>Droite #</translation>
    </message>
    <message>
        <source>Design Size</source>
        <translation>Taille du plan</translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Largeur : </translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Hauteur : </translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>Average speed</source>
        <translation>Vitesse moyenne</translation>
    </message>
    <message>
        <source>Full throttle</source>
        <translation>Plein gaz</translation>
    </message>
    <message>
        <source>Lane 2 vs lane 1</source>
        <translation>Voie 2 contre voie 1</translation>
    </message>
    <message>
        <source>Estimated lap times, car</source>
        <translation>Temps au tour estimés, voiture</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%1 sur %2 %3</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, environ %1 s restantes</translation>
    </message>
    <message>
        <source>%1 x %2 = %3 pages (%4), and an overview page</source>
        <translation>%1 x %2 = %3 pages (%4), et une page d&apos;ensemble</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>paysage</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>Print at 1:%1</source>
        <translation>Impression au 1:%1</translation>
    </message>
    <message>
        <source>of %1 (1 is the overview)</source>
        <translation>sur %1 (1 est la vue d&apos;ensemble)</translation>
    </message>
    <message>
        <source>This prints %1 pages. Go on?</source>
        <translation>Cela imprime %1 pages. Continuer ?</translation>
    </message>
    <message>
        <source>%1 m, %2 parts</source>
        <translation>%1 m, %2 éléments</translation>
    </message>
    <message>
        <source>%1 ft, %2 parts</source>
        <translation>%1 ft, %2 éléments</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>Part number &apos;%1&apos; is unknown! SKIPPED!</source>
        <translation>Le numéro d&apos;élément &apos;%1&apos; est inconnu ! IGNORÉ !</translation>
    </message>
    <message>
        <source>Cannot open file %1 !</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 !</translation>
    </message>
    <message>
        <source>Brand %1 is unknown!</source>
        <translation>La marque %1 est inconnue !</translation>
    </message>
    <message>
        <source>File %1 is damaged or incomplete; what could be read is shown.</source>
        <translation>Le fichier %1 est endommagé ou incomplet ; ce qui a pu être lu est affiché.</translation>
    </message>
    <message>
        <source>Part number %1 is unknown in current active brand! I think you are using a brand that does not match the .TR2 file!</source>
        <translation>Le numéro d&apos;élément %1 est inconnu dans la marque active ! La marque utilisée ne correspond sans doute pas au fichier .TR2 !</translation>
    </message>
    <message>
        <source>The board is smaller than the smallest closed loop of %1 (%2 x %3 cm with a margin of %4 cm all round).</source>
        <translation>La table est plus petite que la plus petite boucle fermée de %1 (%2 x %3 cm avec une marge de %4 cm tout autour).</translation>
    </message>
    <message>
        <source>V2 Def files|*.def|All Files|*.*</source>
        <translation>Fichiers Def V2|*.def|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>GIF file|*.gif|All Files|*.*</source>
        <translation>Fichier GIF|*.gif|Tous les fichiers|*.*</translation>
    </message>
</context>
</TS>
