<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Texts</name>
    <message>
        <source>The language changes when Vireldo starts again.</source>
        <translation>El idioma cambia cuando Vireldo se inicie de nuevo.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Más &amp;tarde</translation>
    </message>
    <message>
        <source>Definitions changed - Do you want to save definitions ?</source>
        <translation>Definiciones modificadas - ¿Desea guardar las definiciones?</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Click the left mouse button on an item to select or drag the item around</source>
        <translation>Haga clic con el botón izquierdo en un elemento para seleccionarlo o arrastrarlo</translation>
    </message>
    <message>
        <source>Move Start</source>
        <translation>Inicio de mover</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Mantenga pulsado el botón izquierdo para cambiar el origen o haga clic derecho para terminar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Hold the left mouse button to change the offset or click right mouse button to stop moving</source>
        <translation>Mantenga el botón izquierdo para cambiar el origen o haga clic derecho para terminar</translation>
    </message>
    <message>
        <source>Drag Track</source>
        <translation>Arrastrar pista</translation>
    </message>
    <message>
        <source>Move the mouse while holding the left mouse button to move the track</source>
        <translation>Mueva el ratón con el botón izquierdo pulsado para mover la pista</translation>
    </message>
    <message>
        <source>Insert Track</source>
        <translation>Insertar pista</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the new track</source>
        <translation>Haga clic izquierdo en el lugar donde insertar la nueva pista</translation>
    </message>
    <message>
        <source>Drag Part</source>
        <translation>Arrastrar pieza</translation>
    </message>
    <message>
        <source>Move the mouse pointer onto the place where to add this track section</source>
        <translation>Lleve el puntero al lugar donde añadir esta pieza</translation>
    </message>
    <message>
        <source>Rotate Start</source>
        <translation>Inicio de girar</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to start rotating</source>
        <translation>Mantenga pulsado el botón izquierdo para empezar a girar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Move the mouse up and down to rotate the selected track</source>
        <translation>Mueva el ratón arriba y abajo para girar la pista seleccionada</translation>
    </message>
    <message>
        <source>Copy Track</source>
        <translation>Copiar pista</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the copy of the selected track</source>
        <translation>Haga clic izquierdo donde insertar la copia de la pista seleccionada</translation>
    </message>
    <message>
        <source>Split Track</source>
        <translation>Dividir pista</translation>
    </message>
    <message>
        <source>Left click on the spot where to insert the split part of the selected track</source>
        <translation>Haga clic izquierdo donde colocar la parte separada de la pista seleccionada</translation>
    </message>
    <message>
        <source>Join Track Start</source>
        <translation>Inicio de unir pistas</translation>
    </message>
    <message>
        <source>Drag the track onto the first or last track section of a track you want join it with</source>
        <translation>Arrastre la pista sobre la primera o la última pieza de la pista con la que unirla</translation>
    </message>
    <message>
        <source>Join Track</source>
        <translation>Unir pistas</translation>
    </message>
    <message>
        <source>Drop the track onto the first or last track section of a track you want join it with</source>
        <translation>Suelte la pista sobre la primera o la última pieza de la pista con la que unirla</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Ventana de información</translation>
    </message>
    <message>
        <source>Start Move Point</source>
        <translation>Inicio de mover punto</translation>
    </message>
    <message>
        <source>Click and hold the left mouse button to move a freehand point</source>
        <translation>Mantenga pulsado el botón izquierdo para mover un punto del dibujo</translation>
    </message>
    <message>
        <source>Move Point</source>
        <translation>Mover punto</translation>
    </message>
    <message>
        <source>Drag the point to his new position</source>
        <translation>Arrastre el punto a su nueva posición</translation>
    </message>
    <message>
        <source>Drag Shape</source>
        <translation>Arrastrar forma</translation>
    </message>
    <message>
        <source>Drag the shape to his new position</source>
        <translation>Arrastre la forma a su nueva posición</translation>
    </message>
    <message>
        <source>Start Polyline</source>
        <translation>Inicio de polilínea</translation>
    </message>
    <message>
        <source>Left click to add a point to the polyline, right click to stop finish the shape</source>
        <translation>Clic izquierdo para añadir un punto a la polilínea, clic derecho para terminar la forma</translation>
    </message>
    <message>
        <source>Start Polygon</source>
        <translation>Inicio de polígono</translation>
    </message>
    <message>
        <source>Left click to add a point to the polygon, right click to stop finish the shape</source>
        <translation>Clic izquierdo para añadir un punto al polígono, clic derecho para terminar la forma</translation>
    </message>
    <message>
        <source>Next Point</source>
        <translation>Punto siguiente</translation>
    </message>
    <message>
        <source>Left click to add a point to the shape, right click to stop finish the shape</source>
        <translation>Clic izquierdo para añadir un punto a la forma, clic derecho para terminarla</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Left click onto the position you want to add a text</source>
        <translation>Haga clic izquierdo donde quiera añadir un texto</translation>
    </message>
    <message>
        <source>Start Rectangle</source>
        <translation>Inicio de rectángulo</translation>
    </message>
    <message>
        <source>Left click onto the first corner</source>
        <translation>Haga clic izquierdo en la primera esquina</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Left click onto the second corner</source>
        <translation>Haga clic izquierdo en la segunda esquina</translation>
    </message>
    <message>
        <source>Start Rectangle Fill</source>
        <translation>Inicio de rectángulo relleno</translation>
    </message>
    <message>
        <source>Rectangle Fill</source>
        <translation>Rectángulo relleno</translation>
    </message>
    <message>
        <source>Start Measurement</source>
        <translation>Inicio de medición</translation>
    </message>
    <message>
        <source>Left click onto the first point</source>
        <translation>Haga clic izquierdo en el primer punto</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>Left click to measure again or right click to stop</source>
        <translation>Clic izquierdo para medir de nuevo, clic derecho para terminar</translation>
    </message>
    <message>
        <source>Nothing to export: the design has no tracks, drawing or room.</source>
        <translation>Nada que exportar: el diseño no tiene pistas, dibujo ni habitación.</translation>
    </message>
    <message>
        <source>Please set current tab panel to &apos;Design&apos; to use this function!</source>
        <translation>¡Seleccione la pestaña &apos;Diseño&apos; para usar esta función!</translation>
    </message>
    <message>
        <source>You cannot add any more shapes (max 128) !</source>
        <translation>¡No se pueden añadir más formas (máx. 128)!</translation>
    </message>
    <message>
        <source>You cannot add any more points to this shape (max 32) !</source>
        <translation>¡No se pueden añadir más puntos a esta forma (máx. 32)!</translation>
    </message>
    <message>
        <source>Select the open track to close first.</source>
        <translation>Seleccione primero la pista abierta que quiere cerrar.</translation>
    </message>
    <message>
        <source>No way to close this track by changing up to 4 parts was found.</source>
        <translation>No se encontró forma de cerrar esta pista cambiando hasta 4 piezas.</translation>
    </message>
    <message>
        <source>You cannot add any more parts to this track (max 2000) !</source>
        <translation>¡No se pueden añadir más piezas a esta pista (máx. 2000)!</translation>
    </message>
    <message>
        <source>You cannot add any more tracks (max 32) !</source>
        <translation>¡No se pueden añadir más pistas (máx. 32)!</translation>
    </message>
    <message>
        <source>You cannot delete a track which is member of a multi-lane group!</source>
        <translation>¡No se puede borrar una pista que forma parte de un grupo de varios carriles!</translation>
    </message>
    <message>
        <source>You cannot use a multi-lane group as a source to join!</source>
        <translation>¡Un grupo de varios carriles no puede ser el origen de una unión!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Lane 1:</source>
        <translation>Carril 1:</translation>
    </message>
    <message>
        <source>Lane 2:</source>
        <translation>Carril 2:</translation>
    </message>
    <message>
        <source>You cannot add any more track definitions (max 32) !</source>
        <translation>¡No se pueden añadir más definiciones de pista (máx. 32)!</translation>
    </message>
    <message>
        <source>You cannot add any more parts (max 256) !</source>
        <translation>¡No se pueden añadir más piezas (máx. 256)!</translation>
    </message>
    <message>
        <source>Cannot delete this track brand because this track brand is active on the design panel!</source>
        <translation>¡No se puede borrar esta marca de pista porque está activa en el diseño!</translation>
    </message>
    <message>
        <source>Cannot delete the part because this track brand is active on the design panel!</source>
        <translation>¡No se puede borrar la pieza porque esta marca de pista está activa en el diseño!</translation>
    </message>
    <message>
        <source>Cannot change the order of parts because this track brand is active on the design panel!</source>
        <translation>¡No se puede cambiar el orden de las piezas porque esta marca de pista está activa en el diseño!</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 track definition!</source>
        <translation>¡Debe haber al menos 1 definición de pista!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete definition &apos;%1&apos; ?</source>
        <translation>¿Seguro que desea borrar la definición &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>You must have a minimum of 1 part!</source>
        <translation>¡Debe haber al menos 1 pieza!</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>¡Copiado!</translation>
    </message>
    <message>
        <source>Unknown brand code</source>
        <translation>Código de marca desconocido</translation>
    </message>
    <message>
        <source>Merged!</source>
        <translation>¡Combinado!</translation>
    </message>
    <message>
        <source>Cannot write file %1 !</source>
        <translation>¡No se puede escribir el archivo %1!</translation>
    </message>
    <message>
        <source>Inner border:</source>
        <translation>Bordillo interior:</translation>
    </message>
    <message>
        <source>Outer border:</source>
        <translation>Bordillo exterior:</translation>
    </message>
    <message>
        <source>Lane distance:</source>
        <translation>Distancia entre carriles:</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Ángulo:</translation>
    </message>
    <message>
        <source> Width:</source>
        <translation> Ancho:</translation>
    </message>
    <message>
        <source>Outer Radius:</source>
        <translation>Radio exterior:</translation>
    </message>
    <message>
        <source>Inner Radius:</source>
        <translation>Radio interior:</translation>
    </message>
    <message>
        <source> Length:</source>
        <translation> Largo:</translation>
    </message>
    <message>
        <source> Width 1:</source>
        <translation> Ancho 1:</translation>
    </message>
    <message>
        <source> Width 2:</source>
        <translation> Ancho 2:</translation>
    </message>
    <message>
        <source>Next X:</source>
        <translation>X siguiente:</translation>
    </message>
    <message>
        <source>Next Y:</source>
        <translation>Y siguiente:</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Recta</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Adaptador</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Forma libre</translation>
    </message>
    <message>
        <source>Track Definitions Editor</source>
        <translation>Editor de definiciones de pista</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy Part</source>
        <translation>&amp;Copiar pieza</translation>
    </message>
    <message>
        <source>&amp;Paste Part</source>
        <translation>&amp;Pegar pieza</translation>
    </message>
    <message>
        <source>Mirror X silkscreen</source>
        <translation>Reflejar serigrafía en X</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Define &amp;Grid</source>
        <translation>&amp;Cuadrícula</translation>
    </message>
    <message>
        <source>De&amp;fine</source>
        <translation>De&amp;finición</translation>
    </message>
    <message>
        <source>&amp;Save All Definitions</source>
        <translation>&amp;Guardar todas las definiciones</translation>
    </message>
    <message>
        <source>&amp;Import Vireldo V2.x .def file into current</source>
        <translation>&amp;Importar un archivo .def de Vireldo V2.x en la actual</translation>
    </message>
    <message>
        <source>Import Vireldo V2 definition files</source>
        <translation>Importar archivos de definiciones de Vireldo V2</translation>
    </message>
    <message>
        <source>Set All Borders like current part</source>
        <translation>Todos los bordillos como la pieza actual</translation>
    </message>
    <message>
        <source>Set All Lane Distances like current part</source>
        <translation>Todas las distancias entre carriles como la pieza actual</translation>
    </message>
    <message>
        <source>Calculate travel distance</source>
        <translation>Calcular distancia recorrida</translation>
    </message>
    <message>
        <source>Set color to lane 1 color</source>
        <translation>Poner el color del carril 1</translation>
    </message>
    <message>
        <source>Set color to lane 2 color</source>
        <translation>Poner el color del carril 2</translation>
    </message>
    <message>
        <source>Copy current Definition type to...</source>
        <translation>Copiar la definición actual en...</translation>
    </message>
    <message>
        <source>Merge current Definition type with...</source>
        <translation>Combinar la definición actual con...</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Track Definition Type:</source>
        <translation>Tipo de definición de pista:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Default Width:</source>
        <translation>Ancho por defecto:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Number of lanes:</source>
        <translation>Número de carriles:</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <source> Code</source>
        <translation> Código</translation>
    </message>
    <message>
        <source> Description</source>
        <translation> Descripción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source> Width</source>
        <translation> Ancho</translation>
    </message>
    <message>
        <source>Travel Dist.</source>
        <translation>Dist. recorrida</translation>
    </message>
    <message>
        <source>All in cm</source>
        <translation>Todo en cm</translation>
    </message>
    <message>
        <source>Lane swap</source>
        <translation>Cambio de carril</translation>
    </message>
    <message>
        <source>REMINDER!

If you want to change part codes of existing parts you already have used in previous saved designs you will not be able to load these designs anymore!</source>
        <translation>¡RECORDATORIO!

Si cambia los códigos de piezas ya usadas en diseños guardados, ya no podrá cargar esos diseños.</translation>
    </message>
    <message>
        <source>Track Definitions Editor Part</source>
        <translation>Editor de definiciones de pista: pieza</translation>
    </message>
    <message>
        <source>Zoom Toolbar</source>
        <translation>Barra de zoom</translation>
    </message>
    <message>
        <source> Zoom:</source>
        <translation> Zoom:</translation>
    </message>
    <message>
        <source>Set Zoom factor numeric</source>
        <translation>Indicar el factor de zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Define Grid Spacings</source>
        <translation>Espaciado de la cuadrícula de definición</translation>
    </message>
    <message>
        <source> Define:</source>
        <translation> Definición:</translation>
    </message>
    <message>
        <source>Freehand Toolbar</source>
        <translation>Barra de dibujo</translation>
    </message>
    <message>
        <source>Change / Select Pen Width</source>
        <translation>Cambiar / elegir el grosor del trazo</translation>
    </message>
    <message>
        <source>Inventory Editor</source>
        <translation>Editor de inventario</translation>
    </message>
    <message>
        <source>Edit &apos;stock&apos; to the amount of parts you own</source>
        <translation>Indique en &apos;Existencias&apos; la cantidad de piezas que tiene</translation>
    </message>
    <message>
        <source> Section</source>
        <translation> Pieza</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Existencias</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usadas</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libres</translation>
    </message>
    <message>
        <source>Counted with %1: one piece carries both roads</source>
        <translation>Contado con %1: una pieza lleva ambas calzadas</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Pieza</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Lane 1</source>
        <translation>Carril 1</translation>
    </message>
    <message>
        <source>Lane 2</source>
        <translation>Carril 2</translation>
    </message>
    <message>
        <source>No program opens this address here; it is copied to the clipboard.</source>
        <translation>Ningún programa abre esta dirección aquí; se ha copiado al portapapeles.</translation>
    </message>
    <message>
        <source>About Vireldo</source>
        <translation>Acerca de Vireldo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Freehand Text</source>
        <translation>Texto libre</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>&amp;Car:</source>
        <translation>&amp;Coche:</translation>
    </message>
    <message>
        <source>&amp;Top speed:</source>
        <translation>Velocidad &amp;máxima:</translation>
    </message>
    <message>
        <source>&amp;Acceleration:</source>
        <translation>&amp;Aceleración:</translation>
    </message>
    <message>
        <source>&amp;Braking:</source>
        <translation>&amp;Frenada:</translation>
    </message>
    <message>
        <source>&amp;Grip in curves:</source>
        <translation>A&amp;garre en curva:</translation>
    </message>
    <message>
        <source>The presets are typical cars of each scale, not measured ones.</source>
        <translation>Los valores predefinidos son coches típicos de cada escala, no medidos.</translation>
    </message>
    <message>
        <source>Vireldo Help</source>
        <translation>Ayuda de Vireldo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>The manual is in English.</source>
        <translation>El manual está en inglés.</translation>
    </message>
    <message>
        <source>Vireldo Help - </source>
        <translation>Ayuda de Vireldo - </translation>
    </message>
    <message>
        <source>Track Section List</source>
        <translation>Lista de piezas de la pista</translation>
    </message>
    <message>
        <source>Wait until the export or print under way has finished.</source>
        <translation>Espere a que termine la exportación o impresión en curso.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Layout Check</source>
        <translation>Comprobación del circuito</translation>
    </message>
    <message>
        <source>Close Loop...</source>
        <translation>Cerrar el circuito...</translation>
    </message>
    <message>
        <source>Propose parts that close the selected open track</source>
        <translation>Proponer piezas que cierren la pista abierta seleccionada</translation>
    </message>
    <message>
        <source>Inser&amp;t</source>
        <translation>Inser&amp;tar</translation>
    </message>
    <message>
        <source>Overwri&amp;te</source>
        <translation>Sobrescri&amp;bir</translation>
    </message>
    <message>
        <source>Save GIF</source>
        <translation>Guardar GIF</translation>
    </message>
    <message>
        <source>Nothing to print: the design has no tracks, drawing or room.</source>
        <translation>Nada que imprimir: el diseño no tiene pistas, dibujo ni habitación.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Room</source>
        <translation>&amp;Habitación</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Menu Toolbar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;New room wizard</source>
        <translation>Asistente de &amp;nueva habitación</translation>
    </message>
    <message>
        <source>&amp;Open room...</source>
        <translation>&amp;Abrir habitación...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;New design wizard</source>
        <translation>Asistente de &amp;nuevo diseño</translation>
    </message>
    <message>
        <source>&amp;Open design...</source>
        <translation>&amp;Abrir diseño...</translation>
    </message>
    <message>
        <source>Import .tr&amp;k...</source>
        <translation>Importar .tr&amp;k...</translation>
    </message>
    <message>
        <source>Import .tr&amp;2...</source>
        <translation>Importar .tr&amp;2...</translation>
    </message>
    <message>
        <source>Suggest &amp;Layouts...</source>
        <translation>Sugerir &amp;circuitos...</translation>
    </message>
    <message>
        <source>&amp;Inventory Editor</source>
        <translation>Editor de &amp;inventario</translation>
    </message>
    <message>
        <source>Track &amp;Definitions Editor</source>
        <translation>Editor de &amp;definiciones de pista</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Configurar pá&amp;gina...</translation>
    </message>
    <message>
        <source>Print &amp;Monochrome</source>
        <translation>Imprimir en &amp;monocromo</translation>
    </message>
    <message>
        <source>&amp;Print Design...</source>
        <translation>Im&amp;primir diseño...</translation>
    </message>
    <message>
        <source>Print at &amp;Scale...</source>
        <translation>Imprimir a e&amp;scala...</translation>
    </message>
    <message>
        <source>Show &amp;Tracklist (HTML)...</source>
        <translation>Mostrar la &amp;lista de piezas (HTML)...</translation>
    </message>
    <message>
        <source>Save screen as .&amp;GIF</source>
        <translation>Guardar pantalla como .&amp;GIF</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo design</source>
        <translation>&amp;Deshacer diseño</translation>
    </message>
    <message>
        <source>&amp;Redo design</source>
        <translation>&amp;Rehacer diseño</translation>
    </message>
    <message>
        <source>I&amp;nsert Track</source>
        <translation>I&amp;nsertar pista</translation>
    </message>
    <message>
        <source>D&amp;elete Track</source>
        <translation>B&amp;orrar pista</translation>
    </message>
    <message>
        <source>&amp;Delete Track Selection</source>
        <translation>Borrar la &amp;selección de la pista</translation>
    </message>
    <message>
        <source>Delete Freehand &amp;Shape</source>
        <translation>Borrar &amp;forma libre</translation>
    </message>
    <message>
        <source>Toggle Overwri&amp;te</source>
        <translation>Alternar sobrescri&amp;bir</translation>
    </message>
    <message>
        <source>&amp;Layout Check</source>
        <translation>&amp;Comprobación del circuito</translation>
    </message>
    <message>
        <source>Layout Check: open loops, overlaps, lane lengths, parts to buy</source>
        <translation>Comprobación: circuitos abiertos, solapes, longitudes de carril, piezas que comprar</translation>
    </message>
    <message>
        <source>&amp;Close Loop...</source>
        <translation>&amp;Cerrar el circuito...</translation>
    </message>
    <message>
        <source>Center and &amp;Zoom</source>
        <translation>Centrar y &amp;ampliar</translation>
    </message>
    <message>
        <source>Part Codes in &amp;Palette</source>
        <translation>Códigos en la &amp;paleta</translation>
    </message>
    <message>
        <source>Show &amp;Heights</source>
        <translation>Mostrar &amp;alturas</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrico</translation>
    </message>
    <message>
        <source>&amp;Filled</source>
        <translation>&amp;Relleno</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Regla</translation>
    </message>
    <message>
        <source>&amp;Color Lanes</source>
        <translation>&amp;Color de carriles</translation>
    </message>
    <message>
        <source>Color O&amp;ut of stock</source>
        <translation>Colorear piezas &amp;agotadas</translation>
    </message>
    <message>
        <source>Show Ou&amp;t of stock</source>
        <translation>Mos&amp;trar piezas agotadas</translation>
    </message>
    <message>
        <source>&amp;Show Points</source>
        <translation>Mostrar &amp;puntos</translation>
    </message>
    <message>
        <source>Show &amp;Part Codes</source>
        <translation>Mostrar &amp;códigos</translation>
    </message>
    <message>
        <source>&amp;Design Grid</source>
        <translation>Cuadrícula del &amp;diseño</translation>
    </message>
    <message>
        <source>R&amp;oom Grid</source>
        <translation>Cuadrícula de la &amp;habitación</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Info </source>
        <translation>Información </translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Habitación</translation>
    </message>
    <message>
        <source>Drag &amp;&amp; Drop or</source>
        <translation>Arrastrar &amp;&amp; soltar o</translation>
    </message>
    <message>
        <source>double click to insert</source>
        <translation>doble clic para insertar</translation>
    </message>
    <message>
        <source>C&amp;ar...</source>
        <translation>Co&amp;che...</translation>
    </message>
    <message>
        <source>Speed &amp;Trace</source>
        <translation>Traza de &amp;velocidad</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>&amp;Carrera</translation>
    </message>
    <message>
        <source>Race: a car on every lane at its estimated speed (Escape stops)</source>
        <translation>Carrera: un coche en cada carril a su velocidad estimada (Esc la detiene)</translation>
    </message>
    <message>
        <source>Speed of the race view: 0.1x to 4x real time</source>
        <translation>Velocidad de la carrera: 0,1x a 4x tiempo real</translation>
    </message>
    <message>
        <source>File Toolbar</source>
        <translation>Barra de archivo</translation>
    </message>
    <message>
        <source>New Design</source>
        <translation>Nuevo diseño</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Abrir diseño</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Guardar diseño</translation>
    </message>
    <message>
        <source>Save Current Design</source>
        <translation>Guardar el diseño actual</translation>
    </message>
    <message>
        <source>Print Design</source>
        <translation>Imprimir diseño</translation>
    </message>
    <message>
        <source>Print Current Design</source>
        <translation>Imprimir el diseño actual</translation>
    </message>
    <message>
        <source>Track Definition Editor</source>
        <translation>Editor de definiciones de pista</translation>
    </message>
    <message>
        <source>Show HTML</source>
        <translation>Mostrar HTML</translation>
    </message>
    <message>
        <source>Show Design as HTML</source>
        <translation>Mostrar el diseño como HTML</translation>
    </message>
    <message>
        <source>Save screen as .GIF</source>
        <translation>Guardar pantalla como .GIF</translation>
    </message>
    <message>
        <source>Move origin</source>
        <translation>Mover el origen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Insert Toolbar</source>
        <translation>Barra de inserción</translation>
    </message>
    <message>
        <source>Edit mode of drag &amp; drop parts</source>
        <translation>Modo de colocar las piezas arrastradas</translation>
    </message>
    <message>
        <source>Border Toolbar</source>
        <translation>Barra de bordillos</translation>
    </message>
    <message>
        <source>&amp;Set border</source>
        <translation>&amp;Poner bordillo</translation>
    </message>
    <message>
        <source>Add or Remove borders?</source>
        <translation>¿Añadir o quitar bordillos?</translation>
    </message>
    <message>
        <source>&amp;Inner</source>
        <translation>&amp;Interior</translation>
    </message>
    <message>
        <source>Add or Remove Inner Border</source>
        <translation>Añadir o quitar bordillo interior</translation>
    </message>
    <message>
        <source>&amp;Outer</source>
        <translation>&amp;Exterior</translation>
    </message>
    <message>
        <source>Add or Remove Outer Border</source>
        <translation>Añadir o quitar bordillo exterior</translation>
    </message>
    <message>
        <source>Center and Zoom</source>
        <translation>Centrar y ampliar</translation>
    </message>
    <message>
        <source>Center and maximize zoom</source>
        <translation>Centrar y ampliar al máximo</translation>
    </message>
    <message>
        <source>Track Toolbar</source>
        <translation>Barra de pista</translation>
    </message>
    <message>
        <source>Delete Sections</source>
        <translation>Borrar piezas</translation>
    </message>
    <message>
        <source>Delete selected track sections</source>
        <translation>Borrar las piezas seleccionadas de la pista</translation>
    </message>
    <message>
        <source>Anchor Section</source>
        <translation>Anclar pieza</translation>
    </message>
    <message>
        <source>Anchor selected section</source>
        <translation>Anclar la pieza seleccionada</translation>
    </message>
    <message>
        <source>Raise Track</source>
        <translation>Elevar pista</translation>
    </message>
    <message>
        <source>Raise selected track sections</source>
        <translation>Elevar las piezas seleccionadas</translation>
    </message>
    <message>
        <source>Lower Track</source>
        <translation>Bajar pista</translation>
    </message>
    <message>
        <source>Lower selected track sections</source>
        <translation>Bajar las piezas seleccionadas</translation>
    </message>
    <message>
        <source>Delete Track</source>
        <translation>Borrar pista</translation>
    </message>
    <message>
        <source>Delete selected Track</source>
        <translation>Borrar la pista seleccionada</translation>
    </message>
    <message>
        <source>Copy selected Track</source>
        <translation>Copiar la pista seleccionada</translation>
    </message>
    <message>
        <source>Mirror Track</source>
        <translation>Reflejar pista</translation>
    </message>
    <message>
        <source>Mirror selected track</source>
        <translation>Reflejar la pista seleccionada</translation>
    </message>
    <message>
        <source>Split selected track into two seperate tracks</source>
        <translation>Dividir la pista seleccionada en dos pistas separadas</translation>
    </message>
    <message>
        <source>Join two tracks</source>
        <translation>Unir dos pistas</translation>
    </message>
    <message>
        <source>Quick Rotate</source>
        <translation>Giro rápido</translation>
    </message>
    <message>
        <source>Quick Rotate 90 degrees steps</source>
        <translation>Giro rápido en pasos de 90 grados</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Rotate selected track</source>
        <translation>Girar la pista seleccionada</translation>
    </message>
    <message>
        <source>Insert Polyline</source>
        <translation>Insertar polilínea</translation>
    </message>
    <message>
        <source>Insert Polygon</source>
        <translation>Insertar polígono</translation>
    </message>
    <message>
        <source>Insert Rectangle</source>
        <translation>Insertar rectángulo</translation>
    </message>
    <message>
        <source>Insert Filled Rectangle</source>
        <translation>Insertar rectángulo relleno</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insertar texto</translation>
    </message>
    <message>
        <source>Change Selected Text</source>
        <translation>Cambiar el texto seleccionado</translation>
    </message>
    <message>
        <source>Change / Select Color</source>
        <translation>Cambiar / elegir el color</translation>
    </message>
    <message>
        <source>Move a Point of Selected Shape</source>
        <translation>Mover un punto de la forma seleccionada</translation>
    </message>
    <message>
        <source>Delete Selected Shape</source>
        <translation>Borrar la forma seleccionada</translation>
    </message>
    <message>
        <source>Measure Distance</source>
        <translation>Medir distancia</translation>
    </message>
    <message>
        <source>Design Grid Spacings</source>
        <translation>Espaciado de la cuadrícula del diseño</translation>
    </message>
    <message>
        <source> Design:</source>
        <translation> Diseño:</translation>
    </message>
    <message>
        <source>Room Grid Spacings</source>
        <translation>Espaciado de la cuadrícula de la habitación</translation>
    </message>
    <message>
        <source> Room:</source>
        <translation> Habitación:</translation>
    </message>
    <message>
        <source>Room File Toolbar</source>
        <translation>Barra de archivo de habitación</translation>
    </message>
    <message>
        <source>New Room</source>
        <translation>Nueva habitación</translation>
    </message>
    <message>
        <source>Open Room</source>
        <translation>Abrir habitación</translation>
    </message>
    <message>
        <source>Save Room</source>
        <translation>Guardar habitación</translation>
    </message>
    <message>
        <source>Room Zoom Toolbar</source>
        <translation>Barra de zoom de habitación</translation>
    </message>
    <message>
        <source>Ask Brand Code</source>
        <translation>Código de marca</translation>
    </message>
    <message>
        <source>Brand code:</source>
        <translation>Código de marca:</translation>
    </message>
    <message>
        <source>New Design Wizard</source>
        <translation>Asistente de nuevo diseño</translation>
    </message>
    <message>
        <source>  2 Lane</source>
        <translation>  2 carriles</translation>
    </message>
    <message>
        <source>  4 Lane</source>
        <translation>  4 carriles</translation>
    </message>
    <message>
        <source>  6 Lane</source>
        <translation>  6 carriles</translation>
    </message>
    <message>
        <source>  8 Lane</source>
        <translation>  8 carriles</translation>
    </message>
    <message>
        <source>10 Lane</source>
        <translation>10 carriles</translation>
    </message>
    <message>
        <source>Open at startup</source>
        <translation>Abrir al iniciar</translation>
    </message>
    <message>
        <source>Print at Scale</source>
        <translation>Imprimir a escala</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers</source>
        <translation>Plantilla: contornos, líneas de carril, códigos y números</translation>
    </message>
    <message>
        <source>As on screen</source>
        <translation>Como en pantalla</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Escala:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>S&amp;tyle:</source>
        <translation>Es&amp;tilo:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>páginas</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>No se pudieron imprimir las páginas.</translation>
    </message>
    <message>
        <source>No track to race on: the race view needs a closed track.</source>
        <translation>No hay pista para correr: la carrera necesita una pista cerrada.</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>New Room Wizard</source>
        <translation>Asistente de nueva habitación</translation>
    </message>
    <message>
        <source>Room Shape</source>
        <translation>Forma de la habitación</translation>
    </message>
    <message>
        <source>Rectangle </source>
        <translation>Rectángulo </translation>
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
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Filled In</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Speed Trace</source>
        <translation>Traza de velocidad</translation>
    </message>
    <message>
        <source>Track %1, car %2</source>
        <translation>Pista %1, coche %2</translation>
    </message>
    <message>
        <source>No closed track</source>
        <translation>Ninguna pista cerrada</translation>
    </message>
    <message>
        <source>Suggest Layouts</source>
        <translation>Sugerir circuitos</translation>
    </message>
    <message>
        <source>Choose the board and the track, then Suggest.</source>
        <translation>Elija el tablero y la pista, luego Sugerir.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>A &amp;board</source>
        <translation>Un &amp;tablero</translation>
    </message>
    <message>
        <source>The &amp;room</source>
        <translation>La &amp;habitación</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Only parts in &amp;stock</source>
        <translation>Solo piezas en &amp;existencias</translation>
    </message>
    <message>
        <source>Allow a &amp;crossing (figure-eight)</source>
        <translation>Permitir un &amp;cruce (ocho)</translation>
    </message>
    <message>
        <source>Allow &amp;bridges</source>
        <translation>Permitir &amp;puentes</translation>
    </message>
    <message>
        <source>Shortest &amp;lap:</source>
        <translation>&amp;Vuelta más corta:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>&amp;Proposals:</source>
        <translation>&amp;Propuestas:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>Se&amp;milla:</translation>
    </message>
    <message>
        <source>&amp;Time limit:</source>
        <translation>&amp;Tiempo máximo:</translation>
    </message>
    <message>
        <source>S&amp;uggest</source>
        <translation>S&amp;ugerir</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>No layout fits with these parts and options.</source>
        <translation>Ningún circuito encaja con estas piezas y opciones.</translation>
    </message>
    <message>
        <source>%1 layouts from %2 candidates; the longest laps first.</source>
        <translation>%1 circuitos de %2 candidatos; primero las vueltas más largas.</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (cancelado)</translation>
    </message>
    <message>
        <source>Tracks 2000|*.tr3|All Files|*.*</source>
        <translation>Tracks 2000|*.tr3|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Save Track design</source>
        <translation>Guardar diseño de pista</translation>
    </message>
    <message>
        <source>Design changed - Do you want to save design %1 ?</source>
        <translation>Diseño modificado - ¿Desea guardar el diseño %1?</translation>
    </message>
    <message>
        <source>Open Vireldo Design</source>
        <translation>Abrir diseño de Vireldo</translation>
    </message>
    <message>
        <source>Import Vireldo V2 designs</source>
        <translation>Importar diseños de Vireldo V2</translation>
    </message>
    <message>
        <source>Tracks V2|*.tr2|All Files|*.*</source>
        <translation>Tracks V2|*.tr2|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Import Vireldo V1 designs</source>
        <translation>Importar diseños de Vireldo V1</translation>
    </message>
    <message>
        <source>Tracks V1|*.trk|All Files|*.*</source>
        <translation>Tracks V1|*.trk|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Escribiendo %1</translation>
    </message>
    <message>
        <source>A PDF page of %1 x %2 mm is larger than PDF readers open (200 inches). Write the layout on A4 pages to tape together instead?</source>
        <translation>Una página PDF de %1 x %2 mm es mayor de lo que abren los lectores de PDF (200 pulgadas). ¿Escribir el circuito en páginas A4 para unir con cinta?</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Template: outlines, lane lines, codes and numbers, nothing filled</source>
        <translation>Plantilla: contornos, líneas de carril, códigos y números, nada relleno</translation>
    </message>
    <message>
        <source>Export at true scale</source>
        <translation>Exportar a escala real</translation>
    </message>
    <message>
        <source>SVG drawing|*.svg|DXF drawing (millimetres)|*.dxf|PDF page of the layout&apos;s size|*.pdf</source>
        <translation>Dibujo SVG|*.svg|Dibujo DXF (milímetros)|*.dxf|Página PDF del tamaño del circuito|*.pdf</translation>
    </message>
    <message>
        <source>The design has no track system to suggest layouts of.</source>
        <translation>El diseño no tiene sistema de pista para sugerir circuitos.</translation>
    </message>
    <message>
        <source>The room has no closed outline: draw one with the room wizard first.</source>
        <translation>La habitación no tiene contorno cerrado: dibuje uno primero con el asistente de habitación.</translation>
    </message>
    <message>
        <source>Vireldo did not end properly last time. It kept these unsaved changes:</source>
        <translation>Vireldo no se cerró bien la última vez. Se guardaron estos cambios sin guardar:</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(nunca guardado)</translation>
    </message>
    <message>
        <source>Recover brings back the newest design and room; Discard deletes the copies; Later asks again at the next start.</source>
        <translation>Recuperar devuelve el diseño y la habitación más recientes; Descartar borra las copias; Más tarde vuelve a preguntar en el próximo inicio.</translation>
    </message>
    <message>
        <source>Cannot write the track list: neither %1 nor the user&apos;s data folder can be written !</source>
        <translation>No se puede escribir la lista de piezas: ni %1 ni la carpeta de datos del usuario admiten escritura.</translation>
    </message>
    <message>
        <source>Room Template|*.rm3|All Files|*.*</source>
        <translation>Plantilla de habitación|*.rm3|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Save Room Template</source>
        <translation>Guardar plantilla de habitación</translation>
    </message>
    <message>
        <source>Room changed - Do you want to save room %1 ?</source>
        <translation>Habitación modificada - ¿Desea guardar la habitación %1?</translation>
    </message>
    <message>
        <source>Open Room Template</source>
        <translation>Abrir plantilla de habitación</translation>
    </message>
    <message>
        <source>Cannot load track definition file &apos;%1&apos; ! </source>
        <translation>¡No se puede cargar el archivo de definiciones de pista &apos;%1&apos;! </translation>
    </message>
    <message>
        <source>EXIT VIRELDO!</source>
        <translation>¡VIRELDO SE CIERRA!</translation>
    </message>
    <message>
        <source>%1 mm past the start</source>
        <translation>%1 mm pasado el inicio</translation>
    </message>
    <message>
        <source>%1 mm short of the start</source>
        <translation>%1 mm antes del inicio</translation>
    </message>
    <message>
        <source>%1 mm to the left of the start</source>
        <translation>%1 mm a la izquierda del inicio</translation>
    </message>
    <message>
        <source>%1 mm to the right of the start</source>
        <translation>%1 mm a la derecha del inicio</translation>
    </message>
    <message>
        <source>%1 mm to the left</source>
        <translation>%1 mm a la izquierda</translation>
    </message>
    <message>
        <source>%1 mm to the right</source>
        <translation>%1 mm a la derecha</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, lap 2 %1 s (%2 %)</source>
        <translation>, vuelta carril 2 %1 s (%2 %)</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Remove %1, add %2</source>
        <translation>Quitar %1, añadir %2</translation>
    </message>
    <message>
        <source>%1  (%2 mm left)</source>
        <translation>%1  (quedan %2 mm)</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrada</translation>
    </message>
    <message>
        <source>open, gap %1 mm, %2 degrees off%3</source>
        <translation>abierta, hueco %1 mm, %2 grados de desvío%3</translation>
    </message>
    <message>
        <source>, the end %1</source>
        <translation>, el final %1</translation>
    </message>
    <message>
        <source>Track %1: %2, lane 2 %3 cm (%4 %)%5</source>
        <translation>Pista %1: %2, carril 2 %3 cm (%4 %)%5</translation>
    </message>
    <message>
        <source>Tracks %1 and %2 nearly meet (%3 mm): Join Track</source>
        <translation>Las pistas %1 y %2 casi se tocan (%3 mm): unir pistas</translation>
    </message>
    <message>
        <source>Overlap: track %1 part %2 and track %3 part %4</source>
        <translation>Solape: pista %1 pieza %2 y pista %3 pieza %4</translation>
    </message>
    <message>
        <source>Buy %1 x %2</source>
        <translation>Comprar %1 x %2</translation>
    </message>
    <message>
        <source>Every track closes, nothing overlaps, nothing is missing.</source>
        <translation>Cada pista está cerrada, nada se solapa, no falta nada.</translation>
    </message>
    <message>
        <source>Close Loop</source>
        <translation>Cerrar el circuito</translation>
    </message>
    <message>
        <source>%1 - %2 - Free: %3</source>
        <translation>%1 - %2 - Libres: %3</translation>
    </message>
    <message>
        <source>%1 - track %2 part %3</source>
        <translation>%1 - pista %2 pieza %3</translation>
    </message>
    <message>
        <source>Angle %1°</source>
        <translation>Ángulo %1°</translation>
    </message>
    <message>
        <source>Track Sections Info</source>
        <translation>Piezas en existencias</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Track Lengths</source>
        <translation>Longitudes de las pistas</translation>
    </message>
    <message>
        <source>Track Curve Count</source>
        <translation>Número de curvas</translation>
    </message>
    <message>
        <source>Left #</source>
        <translation>Izq. #</translation>
    </message>
    <message>
        <source>Right #</source>
        <translation>Der. #</translation>
    </message>
    <message>
        <source>Design Size</source>
        <translation>Tamaño del diseño</translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Ancho: </translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Alto: </translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Tiempo por vuelta</translation>
    </message>
    <message>
        <source>Average speed</source>
        <translation>Velocidad media</translation>
    </message>
    <message>
        <source>Full throttle</source>
        <translation>Gas a fondo</translation>
    </message>
    <message>
        <source>Lane 2 vs lane 1</source>
        <translation>Carril 2 frente a carril 1</translation>
    </message>
    <message>
        <source>Estimated lap times, car</source>
        <translation>Tiempos por vuelta estimados, coche</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%1 de %2 %3</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, quedan unos %1 s</translation>
    </message>
    <message>
        <source>%1 x %2 = %3 pages (%4), and an overview page</source>
        <translation>%1 x %2 = %3 páginas (%4) y una página de conjunto</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>Print at 1:%1</source>
        <translation>Imprimir a 1:%1</translation>
    </message>
    <message>
        <source>of %1 (1 is the overview)</source>
        <translation>de %1 (1 es la vista de conjunto)</translation>
    </message>
    <message>
        <source>This prints %1 pages. Go on?</source>
        <translation>Esto imprime %1 páginas. ¿Continuar?</translation>
    </message>
    <message>
        <source>%1 m, %2 parts</source>
        <translation>%1 m, %2 piezas</translation>
    </message>
    <message>
        <source>%1 ft, %2 parts</source>
        <translation>%1 ft, %2 piezas</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>Part number &apos;%1&apos; is unknown! SKIPPED!</source>
        <translation>¡El número de pieza &apos;%1&apos; es desconocido! ¡OMITIDA!</translation>
    </message>
    <message>
        <source>Cannot open file %1 !</source>
        <translation>¡No se puede abrir el archivo %1!</translation>
    </message>
    <message>
        <source>Brand %1 is unknown!</source>
        <translation>¡La marca %1 es desconocida!</translation>
    </message>
    <message>
        <source>File %1 is damaged or incomplete; what could be read is shown.</source>
        <translation>El archivo %1 está dañado o incompleto; se muestra lo que se pudo leer.</translation>
    </message>
    <message>
        <source>Part number %1 is unknown in current active brand! I think you are using a brand that does not match the .TR2 file!</source>
        <translation>¡El número de pieza %1 es desconocido en la marca activa! Probablemente la marca no corresponde al archivo .TR2.</translation>
    </message>
    <message>
        <source>The board is smaller than the smallest closed loop of %1 (%2 x %3 cm with a margin of %4 cm all round).</source>
        <translation>El tablero es menor que el circuito cerrado más pequeño de %1 (%2 x %3 cm con un margen de %4 cm alrededor).</translation>
    </message>
    <message>
        <source>V2 Def files|*.def|All Files|*.*</source>
        <translation>Archivos Def V2|*.def|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>GIF file|*.gif|All Files|*.*</source>
        <translation>Archivo GIF|*.gif|Todos los archivos|*.*</translation>
    </message>
</context>
</TS>
