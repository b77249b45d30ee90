<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name></name>
<message id="YES">
    <source>Yes</source>
    <translation>Sí</translation>
</message>
<message id="NO">
    <source>No</source>
    <translation>No</translation>
</message>
<message id="CONTINUE">
    <source>Continue</source>
    <translation>Continuar</translation>
</message>
<message id="ABORT">
    <source>Abort</source>
    <translation>Interrumpir</translation>
</message>
<message id="OK">
    <source>OK</source>
    <translation>Aceptar</translation>
</message>
<message id="CANCEL">
    <source>Cancel</source>
    <translation>Cancelar</translation>
</message>
<message id="FILES">
    <source>files</source>
    <translation>archivos</translation>
</message>
<message id="FOLDERS">
    <source>folders</source>
    <translation>carpetas</translation>
</message>
<message id="DEFAULT">
    <source>Default</source>
    <translation>Predeterminado</translation>
</message>
<message id="FILENAME">
    <source>Filename</source>
    <translation>Nombre de archivo</translation>
</message>
<message id="NEWFILENAME">
    <source>New Filename</source>
    <translation>Nuevo nombre de archivo</translation>
</message>
<message id="LOCATION">
    <source>Location</source>
    <translation>Ubicación</translation>
</message>
<message id="UNABLETOGENERATENEWFILENAMEERROR">
    <source>Unable to generate the new name. Error: %1</source>
    <translation>No se pudo generar el nombre nuevo. Error: %1</translation>
</message>
<message id="NOITEMSTOPREVIEW">
    <source>Add some files or folders to the list first.</source>
    <translation>Añada primero archivos o carpetas a la lista.</translation>
</message>
<message id="NOITEMSTOREMOVE">
    <source>Select the items you want to remove from the list.</source>
    <translation>Seleccione los elementos que desea quitar de la lista.</translation>
</message>
<message id="NOITEMSTOEXPORT">
    <source>There is nothing in the list to export.</source>
    <translation>No hay nada en la lista para exportar.</translation>
</message>
<message id="TOTALFILESSELECTED" numerus="yes">
    <source>%n files in the list</source>
    <translation>
        <numerusform>%n archivo en la lista</numerusform>
        <numerusform>%n archivos en la lista</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSSELECTED" numerus="yes">
    <source>%n folders in the list</source>
    <translation>
        <numerusform>%n carpeta en la lista</numerusform>
        <numerusform>%n carpetas en la lista</numerusform>
    </translation>
</message>
<message id="TOTALFILESFOUND" numerus="yes">
    <source>%n files found</source>
    <translation>
        <numerusform>%n archivo encontrado</numerusform>
        <numerusform>%n archivos encontrados</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSFOUND" numerus="yes">
    <source>%n folders found</source>
    <translation>
        <numerusform>%n carpeta encontrada</numerusform>
        <numerusform>%n carpetas encontradas</numerusform>
    </translation>
</message>
<message id="TOTALFILESRENAMED" numerus="yes">
    <source>%n files renamed</source>
    <translation>
        <numerusform>Se cambió el nombre de %n archivo</numerusform>
        <numerusform>Se cambió el nombre de %n archivos</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSRENAMED" numerus="yes">
    <source>%n folders renamed</source>
    <translation>
        <numerusform>Se cambió el nombre de %n carpeta</numerusform>
        <numerusform>Se cambió el nombre de %n carpetas</numerusform>
    </translation>
</message>
<message id="STATUSNOCHANGES">
    <source>No Changes</source>
    <translation>Sin cambios</translation>
</message>
<message id="STATUSFILEALREADYEXISTS">
    <source>File Already Exists</source>
    <translation>El archivo ya existe</translation>
</message>
<message id="STATUSFOLDERALREADYEXISTS">
    <source>Folder Already Exists</source>
    <translation>La carpeta ya existe</translation>
</message>
<message id="STATUSFILENOTFOUND">
    <source>File Not Found</source>
    <translation>Archivo no encontrado</translation>
</message>
<message id="STATUSFOLDERNOTFOUND">
    <source>Folder Not Found</source>
    <translation>Carpeta no encontrada</translation>
</message>
<message id="STATUSRENAMINGOK">
    <source>Renamed</source>
    <translation>Renombrado</translation>
</message>
<message id="STATUSFILENAMEUSEDTWICE">
    <source>File Name Used Twice</source>
    <translation>Nombre de archivo usado dos veces</translation>
</message>
<message id="STATUSFOLDERNAMEUSEDTWICE">
    <source>Folder Name Used Twice</source>
    <translation>Nombre de carpeta usado dos veces</translation>
</message>
<message id="STATUSNOTRESTORED">
    <source>Not Restored</source>
    <translation>No restaurado</translation>
</message>
<message id="STATUSNAMENOTALLOWEDHERE">
    <source>Name Not Allowed Here</source>
    <translation>Nombre no permitido aquí</translation>
</message>
<message id="OUTCOMERENAMED" numerus="yes">
    <source>%n renamed</source>
    <translation>
        <numerusform>%n renombrado</numerusform>
        <numerusform>%n renombrados</numerusform>
    </translation>
</message>
<message id="OUTCOMEREFUSED" numerus="yes">
    <source>%1, %n refused (%2)</source>
    <translation>
        <numerusform>%1, %n rechazado (%2)</numerusform>
        <numerusform>%1, %n rechazados (%2)</numerusform>
    </translation>
</message>
<message id="STATUSCOULDNOTRENAME">
    <source>Could Not Rename</source>
    <translation>No se pudo renombrar</translation>
</message>
<message id="STATUSNAMETOOLONG">
    <source>Name Too Long</source>
    <translation>Nombre demasiado largo</translation>
</message>
<message id="OUTCOMEREASON">
    <source>%1: %2</source>
    <translation>%1: %2</translation>
</message>
<message id="OUTCOMEREASONSEPARATOR">
    <source>, </source>
    <translation>, </translation>
</message>
<message id="OUTCOMEDURATION">
    <source>%1 in %2</source>
    <translation>%1 en %2</translation>
</message>
<message id="OUTCOMESECONDS">
    <source>%1 s</source>
    <translation>%1 s</translation>
</message>
<message id="OUTCOMEMINUTES">
    <source>%1 min %2 s</source>
    <translation>%1 min %2 s</translation>
</message>
<message id="OUTCOMESTOPPED">
    <source>Stopped: %1</source>
    <translation>Detenido: %1</translation>
</message>
<message id="NAMEISNOFILENAME">
    <source>%1 cannot be a file name</source>
    <translation>%1 no puede ser un nombre de archivo</translation>
</message>
<message id="NAMECHARACTERNOWHERE">
    <source>%1: %2 cannot be part of a file name</source>
    <translation>%1: %2 no puede formar parte de un nombre de archivo</translation>
</message>
<message id="NAMECHARACTERNOTHERE">
    <source>%1: %2 is not allowed on this drive (%3)</source>
    <translation>%1: %2 no está permitido en esta unidad (%3)</translation>
</message>
<message id="NAMEENDINGNOTHERE">
    <source>%1: a name cannot end in a dot or a blank on this drive (%2)</source>
    <translation>%1: un nombre no puede terminar en punto o espacio en esta unidad (%2)</translation>
</message>
<message id="NAMETOOLONGBYTES">
    <source>%1: the name is %2 bytes long; this drive takes at most %3</source>
    <translation>%1: el nombre ocupa %2 bytes; esta unidad admite como máximo %3</translation>
</message>
<message id="NAMETOOLONGUNITS">
    <source>%1: the name is %2 characters long; this drive (%3) takes at most %4</source>
    <translation>%1: el nombre tiene %2 caracteres; esta unidad (%3) admite como máximo %4</translation>
</message>
<message id="NAMESREFUSEDMORE" numerus="yes">
    <source>%1 (and %n more)</source>
    <translation>
        <numerusform>%1 (y %n más)</numerusform>
        <numerusform>%1 (y %n más)</numerusform>
    </translation>
</message>
<message id="LEFTOUTNOTUTF8">
    <source>%1 cannot be renamed safely yet: its name is not UTF-8</source>
    <translation>%1 aún no se puede renombrar con seguridad: su nombre no está en UTF-8</translation>
</message>
<message id="REFUSEDNAMENOTUTF8">
    <source>Name Not UTF-8</source>
    <translation>Nombre no UTF-8</translation>
</message>
<message id="SLASHWRITTENASCOLON">
    <source>A “/” cannot be part of a name: it is written as “:”. Help (F1) tells how to use another character.</source>
    <translation>Una «/» no puede formar parte de un nombre: se escribe «:». La ayuda (F1) explica cómo usar otro carácter.</translation>
</message>
<message id="OUTCOMEREASONWHY">
    <source>%1 (%2)</source>
    <translation>%1 (%2)</translation>
</message>
<message id="OUTCOMERESERVEDRENAMES">
    <source>%1; on this drive renames are checked, not atomic</source>
    <translation>%1; en esta unidad los cambios de nombre se comprueban, no son atómicos</translation>
</message>
<message id="MOVERUNGNOREPLACE">
    <source>Renaming in %1 with atomic moves that never replace a file</source>
    <translation>Cambio de nombre en %1 con movimientos atómicos que nunca reemplazan un archivo</translation>
</message>
<message id="MOVERUNGLINK">
    <source>Renaming in %1 through a hard link, then removing the old name (atomic, never replacing a file)</source>
    <translation>Cambio de nombre en %1 mediante un enlace físico y la eliminación del nombre antiguo (atómico, nunca reemplaza un archivo)</translation>
</message>
<message id="MOVERUNGRESERVED">
    <source>Renaming in %1 onto a placeholder reserved first (checked, not atomic)</source>
    <translation>Cambio de nombre en %1 sobre un marcador reservado antes (comprobado, no atómico)</translation>
</message>
<message id="MOVEREASONUNRECORDABLE">
    <source>the rename log cannot hold its name</source>
    <translation>el registro de cambios de nombre no puede contener su nombre</translation>
</message>
<message id="PHOTOEXTENSIONSKIPPED" numerus="yes">
    <source>%n files skipped: %1 is not in the photo extensions</source>
    <translation>
        <numerusform>%n archivo omitido: %1 no está en las extensiones de foto</numerusform>
        <numerusform>%n archivos omitidos: %1 no está en las extensiones de foto</numerusform>
    </translation>
</message>
<message id="PHOTOEXTENSIONSSKIPPED" numerus="yes">
    <source>%n files skipped: %1 are not in the photo extensions</source>
    <translation>
        <numerusform>%n archivo omitido: %1 no están en las extensiones de foto</numerusform>
        <numerusform>%n archivos omitidos: %1 no están en las extensiones de foto</numerusform>
    </translation>
</message>
<message id="ADDSKIPPEDEXTENSION">
    <source>Add It</source>
    <translation>Añadirla</translation>
</message>
<message id="ADDSKIPPEDEXTENSIONS">
    <source>Add Them</source>
    <translation>Añadirlas</translation>
</message>
<message id="PHOTOEXTENSIONSADDED">
    <source>Added to the photo extensions: %1</source>
    <translation>Añadido a las extensiones de foto: %1</translation>
</message>
<message id="DATESOURCETIP">
    <source>Capture date from %1</source>
    <translation>Fecha de captura tomada de %1</translation>
</message>
<message id="DATESOURCEEXIF">
    <source>the EXIF data</source>
    <translation>los datos EXIF</translation>
</message>
<message id="DATESOURCEXMP">
    <source>the XMP data</source>
    <translation>los datos XMP</translation>
</message>
<message id="DATESOURCEQUICKTIMEKEY">
    <source>the QuickTime creation date</source>
    <translation>la fecha de creación QuickTime</translation>
</message>
<message id="DATESOURCEMOVIEHEADER">
    <source>the movie header</source>
    <translation>la cabecera del vídeo</translation>
</message>
<message id="LOADINGMESSAGE">
    <source>Adding %1, please wait...</source>
    <translation>Añadiendo %1, espere, por favor...</translation>
</message>
<message id="LOADINGTIME">
    <source>Adding items</source>
    <translation>Adición de elementos</translation>
</message>
<message id="NOFILESATTOPOFFOLDER">
    <source>No files at the top of this folder; tick Include subfolders to go deeper</source>
    <translation>No hay archivos en el primer nivel de esta carpeta; marque Incluir subcarpetas para ir más adentro</translation>
</message>
<message id="GENERATINGPREVIEWPLEASEWAIT">
    <source>Generating the preview, please wait...</source>
    <translation>Generando la vista previa, espere, por favor...</translation>
</message>
<message id="PREVIEWTIME">
    <source>Preview</source>
    <translation>Vista previa</translation>
</message>
<message id="RENAMINGITEMSPLEASEWAIT">
    <source>Renaming %1, please wait...</source>
    <translation>Cambiando el nombre de %1, espere, por favor...</translation>
</message>
<message id="RENAMINGTIME">
    <source>Renaming</source>
    <translation>Cambio de nombre</translation>
</message>
<message id="UNDOINGTIME">
    <source>Undo</source>
    <translation>Deshacer</translation>
</message>
<message id="TIMETAKEN">
    <source>%1 in %2</source>
    <translation>%1 en %2</translation>
</message>
<message id="ITEMRENAMINGTITLE">
    <source>Rename</source>
    <translation>Cambiar nombre</translation>
</message>
<message id="ITEMRENAMINGCOUNTMESSAGE" numerus="yes">
    <source>Rename %n items to the new names shown in the list?</source>
    <translation>
        <numerusform>¿Renombrar %n elemento con el nombre nuevo que muestra la lista?</numerusform>
        <numerusform>¿Renombrar %n elementos con los nombres nuevos que muestra la lista?</numerusform>
    </translation>
</message>
<message id="ITEMRENAMINGONEMESSAGE">
    <source>Rename this item to the new name shown in the list?</source>
    <translation>¿Renombrar este elemento con el nombre nuevo que muestra la lista?</translation>
</message>
<message id="ITEMRENAMINGPARTMESSAGE">
    <source>Rename %1 of %2 items? %3</source>
    <translation>¿Renombrar %1 de %2 elementos? %3</translation>
</message>
<message id="ITEMRENAMINGREFUSEDMESSAGE" numerus="yes">
    <source>%n are refused (%1).</source>
    <translation>
        <numerusform>%n está rechazado (%1).</numerusform>
        <numerusform>%n están rechazados (%1).</numerusform>
    </translation>
</message>
<message id="LOGCREATEFAILED">
    <source>The rename log could not be created. Continue without a log file on disk (the renames could then not be undone), or abort?</source>
    <translation>No se pudo crear el registro de cambios de nombre. ¿Continuar sin un archivo de registro en el disco (los cambios de nombre no se podrán deshacer) o interrumpir?</translation>
</message>
<message id="LOGSAVEFAILED">
    <source>The rename log could not be saved under its final name. Its journal was kept at %1 and can still be undone.</source>
    <translation>No se pudo guardar el registro de cambios de nombre con su nombre definitivo. Su copia provisional se conservó en %1 y los cambios de nombre aún se pueden deshacer.</translation>
</message>
<message id="INSERTINVALIDINPUT">
    <source>Insert</source>
    <translation>Insertar</translation>
</message>
<message id="INSERTTEXTATBEFORETEXT">
    <source>Insert before text</source>
    <translation>Insertar antes del texto</translation>
</message>
<message id="INSERTTEXTATAFTERTEXT">
    <source>Insert after text</source>
    <translation>Insertar después del texto</translation>
</message>
<message id="ENTERVALIDVALUE">
    <source>Please enter a valid value.</source>
    <translation>Introduzca un valor válido.</translation>
</message>
<message id="ENTERSOMETEXT">
    <source>Please enter the text to search for.</source>
    <translation>Introduzca el texto que desea buscar.</translation>
</message>
<message id="REPLACEREMOVEINVALIDINPUT">
    <source>Replace / Remove</source>
    <translation>Reemplazar / Quitar</translation>
</message>
<message id="INVALIDREGULAREXPRESSION">
    <source>The regular expression is not valid at position %1: %2</source>
    <translation>La expresión regular no es válida en la posición %1: %2</translation>
</message>
<message id="UNKNOWNENCODING">
    <source>No encoding is named "%1". Enter an ICU converter name, such as windows-1252 or ISO-8859-15.</source>
    <translation>Ninguna codificación se llama «%1». Escriba un nombre de convertidor de ICU, como windows-1252 o ISO-8859-15.</translation>
</message>
<message id="DATETIMEATBEFORETEXTINVALIDINPUT">
    <source>Date and time before text</source>
    <translation>Fecha y hora antes del texto</translation>
</message>
<message id="DATETIMEATAFTERTEXTINVALIDINPUT">
    <source>Date and time after text</source>
    <translation>Fecha y hora después del texto</translation>
</message>
<message id="GENERALINVALIDINPUT">
    <source>General</source>
    <translation>General</translation>
</message>
<message id="ID3INVALIDINPUT">
    <source>Audio tags</source>
    <translation>Etiquetas de audio</translation>
</message>
<message id="INVALIDID3RENAMINGMASK">
    <source>Build a renaming mask from the audio tags first.</source>
    <translation>Cree primero una máscara de cambio de nombre a partir de las etiquetas de audio.</translation>
</message>
<message id="PHOTOINVALIDINPUT">
    <source>Photo metadata</source>
    <translation>Metadatos de foto</translation>
</message>
<message id="INVALIDPHOTORENAMINGMASK">
    <source>Build a renaming mask from the photo metadata first.</source>
    <translation>Cree primero una máscara de cambio de nombre a partir de los metadatos de foto.</translation>
</message>
<message id="PATHTEXTATBEFORETEXT">
    <source>Folder names before text</source>
    <translation>Nombres de carpetas antes del texto</translation>
</message>
<message id="PATHTEXTATAFTERTEXT">
    <source>Folder names after text</source>
    <translation>Nombres de carpetas después del texto</translation>
</message>
<message id="LOADPROFILETITLE">
    <source>Load Profile</source>
    <translation>Cargar perfil</translation>
</message>
<message id="PROFILEINCOMPATIBLE">
    <source>This profile was saved by an incompatible version of the program and cannot be loaded.</source>
    <translation>Este perfil se guardó con una versión incompatible del programa y no se puede cargar.</translation>
</message>
<message id="PROFILELOADFAILED">
    <source>The profile could not be loaded.</source>
    <translation>No se pudo cargar el perfil.</translation>
</message>
<message id="PROFILETITLE">
    <source>Profiles</source>
    <translation>Perfiles</translation>
</message>
<message id="PROFILESELECT">
    <source>Select a profile first.</source>
    <translation>Seleccione primero un perfil.</translation>
</message>
<message id="PROFILEENTERNEWNAME">
    <source>Enter a name for the new profile.</source>
    <translation>Introduzca un nombre para el perfil nuevo.</translation>
</message>
<message id="PROFILEOVERWRITECONFIRM">
    <source>A profile with this name already exists. Replace it?</source>
    <translation>Ya existe un perfil con este nombre. ¿Desea reemplazarlo?</translation>
</message>
<message id="PROFILESAVEDFAILED">
    <source>The profile could not be saved.</source>
    <translation>No se pudo guardar el perfil.</translation>
</message>
<message id="PROFILEDELETECONFIRM">
    <source>Delete the selected profile?</source>
    <translation>¿Eliminar el perfil seleccionado?</translation>
</message>
<message id="PROFILELOADMESSAGE">
    <source>Load the profile "%1"? The current settings will be replaced.</source>
    <translation>¿Cargar el perfil «%1»? Se reemplazará la configuración actual.</translation>
</message>
<message id="PROFILESETTINGSFILETITLE">
    <source> - Profile</source>
    <translation> - Perfil</translation>
</message>
<message id="PROFILECHANGEDTITLE">
    <source>%1 (changed)</source>
    <translation>%1 (modificado)</translation>
</message>
<message id="PROFILESAVECHANGESTITLE">
    <source>Save the changes to %1?</source>
    <translation>¿Guardar los cambios en %1?</translation>
</message>
<message id="PROFILESAVECHANGESMESSAGE">
    <source>The settings differ from the profile. If you don't save them, the profile stays as it was.</source>
    <translation>Los ajustes difieren del perfil. Si no los guarda, el perfil queda como estaba.</translation>
</message>
<message id="DONTSAVE">
    <source>Don't Save</source>
    <translation>No guardar</translation>
</message>
<message id="SAVEASPROFILETITLE">
    <source>Save Profile As</source>
    <translation>Guardar perfil como</translation>
</message>
<message id="CHOOSEPROFILETITLE">
    <source>Choose a Profile</source>
    <translation>Elegir un perfil</translation>
</message>
<message id="UNABLETOADDRULE">
    <source>The step could not be added to the rule.</source>
    <translation>No se pudo añadir el paso a la regla.</translation>
</message>
<message id="SAVERULESETTINGSFILETITLE">
    <source>Save %1 Rule</source>
    <translation>Guardar regla de %1</translation>
</message>
<message id="CHOOSERULESETTINGSFILETITLE">
    <source>Open %1 Rule</source>
    <translation>Abrir regla de %1</translation>
</message>
<message id="RULESETTINGSFILETITLE">
    <source>Rules</source>
    <translation>Reglas</translation>
</message>
<message id="RULESETTINGSFILESAVEDSUCCESS">
    <source>The rule was saved.</source>
    <translation>Se guardó la regla.</translation>
</message>
<message id="RULESETTINGSFILEUNABLETOSAVE">
    <source>The rule could not be saved.</source>
    <translation>No se pudo guardar la regla.</translation>
</message>
<message id="OPENRULETITLE">
    <source>Open Rule</source>
    <translation>Abrir regla</translation>
</message>
<message id="OPENRULEINCOMPATIBLE">
    <source>This rule file was saved by an incompatible version of the program, or it cannot be read.</source>
    <translation>Este archivo de regla se guardó con una versión incompatible del programa o no se puede leer.</translation>
</message>
<message id="RULEINCOMPATIBLE">
    <source>This rule file was saved by an incompatible version of the program, or it cannot be read.</source>
    <translation>Este archivo de regla se guardó con una versión incompatible del programa o no se puede leer.</translation>
</message>
<message id="RULEALREADYEXISTS">
    <source>Replace the current rule steps with the rule "%1"?</source>
    <translation>¿Reemplazar los pasos de la regla actual por la regla «%1»?</translation>
</message>
<message id="PREFERENCESTITLE">
    <source> Preferences</source>
    <translation> - Preferencias</translation>
</message>
<message id="PREFERENCESSAVEDMESSAGE">
    <source>The preferences were saved.</source>
    <translation>Se guardaron las preferencias.</translation>
</message>
<message id="PREFERENCESSAVEFAILED">
    <source>The preferences could not be saved.</source>
    <translation>No se pudieron guardar las preferencias.</translation>
</message>
<message id="PREFERENCESFOLDERUNUSABLE">
    <source>The folder “%1” cannot be created or written to. Choose another folder; nothing was saved.</source>
    <translation>No se puede crear la carpeta «%1» o no se puede escribir en ella. Elija otra carpeta; no se ha guardado nada.</translation>
</message>
<message id="CHOOSELOGFOLDERPATHTITLE">
    <source>Choose the folder for rename logs</source>
    <translation>Elegir la carpeta de los registros de cambios de nombre</translation>
</message>
<message id="CHOOSEPROFILEFOLDERPATHTITLE">
    <source>Choose the folder for profiles</source>
    <translation>Elegir la carpeta de los perfiles</translation>
</message>
<message id="CHOOSERULEFOLDERPATHTITLE">
    <source>Choose the folder for rules</source>
    <translation>Elegir la carpeta de las reglas</translation>
</message>
<message id="CHOOSEFILESORFOLDERSTITLE">
    <source>Choose Files or Folders</source>
    <translation>Elegir archivos o carpetas</translation>
</message>
<message id="CHOOSETABDELIMITEDTEXTFILE">
    <source>Choose a Tab-Delimited Text File</source>
    <translation>Elegir un archivo de texto delimitado por tabulaciones</translation>
</message>
<message id="RENAMEFROMFILETITLE">
    <source>Rename from List</source>
    <translation>Cambiar nombre desde una lista</translation>
</message>
<message id="UNABLETOOPENFILE">
    <source>The list file could not be opened.</source>
    <translation>No se pudo abrir el archivo de lista.</translation>
</message>
<message id="RENAMEFROMFILEMESSAGE">
    <source>The list file holds no usable line. Each line needs three fields separated by tabs: current name, new name and folder.</source>
    <translation>El archivo de lista no contiene ninguna línea utilizable. Cada línea necesita tres campos separados por tabulaciones: nombre actual, nombre nuevo y carpeta.</translation>
</message>
<message id="RENAMEFROMFILENOTTEXT">
    <source>The list file is not UTF-8 text, so it was not read.</source>
    <translation>El archivo de lista no es texto UTF-8, por lo que no se leyó.</translation>
</message>
<message id="EXPORTFILESTITLE">
    <source>Export</source>
    <translation>Exportar</translation>
</message>
<message id="EXPORTNOCOLUMN">
    <source>Choose at least one column to export.</source>
    <translation>Elija al menos una columna para exportar.</translation>
</message>
<message id="EXPORTFILESFAILED">
    <source>The folder column needs a name column when full paths are written.</source>
    <translation>La columna de carpeta necesita una columna de nombre cuando se escriben rutas completas.</translation>
</message>
<message id="EXPORTFILELISTTITLE">
    <source>Export the List</source>
    <translation>Exportar la lista</translation>
</message>
<message id="EXPORTFILESEXPORTEDSUCCESS">
    <source>The list was exported.</source>
    <translation>Se exportó la lista.</translation>
</message>
<message id="EXPORTFILESEXPORTEDFAILED">
    <source>The list could not be exported. %1</source>
    <translation>No se pudo exportar la lista. %1</translation>
</message>
<message id="EXPORTFILESSKIPPED" numerus="yes">
    <source>%n items were left out because a name or folder holds a tab or a line break.</source>
    <translation>
        <numerusform>Se omitió %n elemento porque un nombre o una carpeta contiene un tabulador o un salto de línea.</numerusform>
        <numerusform>Se omitieron %n elementos porque un nombre o una carpeta contiene un tabulador o un salto de línea.</numerusform>
    </translation>
</message>
<message id="UNDOFILESFOLDERSTITLE">
    <source>Undo</source>
    <translation>Deshacer</translation>
</message>
<message id="UNDOFILESFOLDERSNOLOGSELECTED">
    <source>Select a rename log first.</source>
    <translation>Seleccione primero un registro de cambios de nombre.</translation>
</message>
<message id="UNDOFILESFOLDERSINCOMPATIBLE">
    <source>This rename log was written by an incompatible version of the program.</source>
    <translation>Este registro de cambios de nombre lo escribió una versión incompatible del programa.</translation>
</message>
<message id="UNDOFILESFOLDERSINVALIDFILE">
    <source>This rename log holds no renamed item or cannot be read.</source>
    <translation>Este registro de cambios de nombre no contiene ningún elemento con nombre cambiado o no se puede leer.</translation>
</message>
<message id="UNDOFILESFOLDERSDELETECONFIRM">
    <source>Delete the selected rename log?</source>
    <translation>¿Eliminar el registro de cambios de nombre seleccionado?</translation>
</message>
<message id="UNDOCONFIRMMESSAGE" numerus="yes">
    <source>Give the %n items this log renamed their earlier names back?</source>
    <translation>
        <numerusform>¿Devolver su nombre anterior al %n elemento que cambió este registro?</numerusform>
        <numerusform>¿Devolver su nombre anterior a los %n elementos que cambió este registro?</numerusform>
    </translation>
</message>
<message id="OPENDOCUMENTNOHANDLER">
    <source>No application on this computer opens “%1”. Set one for this type of file in the desktop's settings.</source>
    <translation>Ninguna aplicación de este equipo abre «%1». Elija una para este tipo de archivo en la configuración del escritorio.</translation>
</message>
<message id="UNDOINGITEMS">
    <source>Undoing the renames, please wait...</source>
    <translation>Deshaciendo los cambios de nombre, espere, por favor...</translation>
</message>
<message id="CHECKINGLOGFILE">
    <source>Checking the rename log...</source>
    <translation>Comprobando el registro de cambios de nombre...</translation>
</message>
<message id="ITEMSRESTORED" numerus="yes">
    <source>%n items restored</source>
    <translation>
        <numerusform>%n elemento restaurado</numerusform>
        <numerusform>%n elementos restaurados</numerusform>
    </translation>
</message>
<message id="TOTALLOGFILES" numerus="yes">
    <source>%n rename logs</source>
    <translation>
        <numerusform>%n registro de cambios de nombre</numerusform>
        <numerusform>%n registros de cambios de nombre</numerusform>
    </translation>
</message>
<message id="TOTALNOSRENAMEDITEMSFOUND" numerus="yes">
    <source>%n renamed items in this log</source>
    <translation>
        <numerusform>%n elemento con nombre cambiado en este registro</numerusform>
        <numerusform>%n elementos con nombre cambiado en este registro</numerusform>
    </translation>
</message>
<message id="UNDOTOTALNOSITEMSFOUND">
    <source>Items in the log: %1.</source>
    <translation>Elementos en el registro: %1.</translation>
</message>
<message id="UNDOTOTALNOSITEMSRENAMED">
    <source> Items restored: %1.</source>
    <translation> Elementos restaurados: %1.</translation>
</message>
<message id="UNDOTOTALNOSITEMDOESNOTEXISTS">
    <source> Items not restored (gone, or their old name is taken): %1.</source>
    <translation> Elementos no restaurados (ya no existen o su nombre anterior está ocupado): %1.</translation>
</message>
<message id="UNDONOTRESTOREDITEM">
    <source>%1 could not be moved back to %2: %3</source>
    <translation>%1 no se pudo devolver a %2: %3</translation>
</message>
<message id="UNDONOTRESTOREDMORE">
    <source>… and %1 more.</source>
    <translation>… y %1 más.</translation>
</message>
<message id="UNDOLOGKEPT">
    <source>The log was kept with the %1 entries that can still be undone.</source>
    <translation>Se conservó el registro con las %1 entradas que aún se pueden deshacer.</translation>
</message>
<message id="UNDOLOGKEPTWHOLE">
    <source>The log was kept as it was (it could not be rewritten: %1).</source>
    <translation>Se conservó el registro tal cual (no se pudo reescribir: %1).</translation>
</message>
<message id="UNDOREASONGONE">
    <source>it is no longer there</source>
    <translation>ya no está allí</translation>
</message>
<message id="UNDOREASONTAKEN">
    <source>another item has that name</source>
    <translation>otro elemento tiene ese nombre</translation>
</message>
<message id="UNDOREASONOTHERFILESYSTEM">
    <source>the two folders are on different file systems and nothing is copied between them</source>
    <translation>las dos carpetas están en sistemas de archivos distintos y no se copia nada entre ellos</translation>
</message>
<message id="UNDOREASONMOVEFAILED">
    <source>the move failed (%1)</source>
    <translation>el movimiento falló (%1)</translation>
</message>
<message id="UNDOREASONINVALIDENTRY">
    <source>the log entry is incomplete</source>
    <translation>la entrada del registro está incompleta</translation>
</message>
<message id="SELECTLOGFILETITLE">
    <source>Choose a %1 Rename Log</source>
    <translation>Elegir un registro de cambios de nombre de %1</translation>
</message>
<message id="VIEWLOGFILETITLE">
    <source>View Log</source>
    <translation>Ver registro</translation>
</message>
<message id="VIEWLOGFILETITLEMESSAGE">
    <source>Select a rename log first.</source>
    <translation>Seleccione primero un registro de cambios de nombre.</translation>
</message>
<message id="ADDFILEEXTENSIONTITLE">
    <source>Extensions</source>
    <translation>Extensiones</translation>
</message>
<message id="ADDFILEEXTENSIONALREADYEXISTS">
    <source>The extension %1 is already in the list.</source>
    <translation>La extensión %1 ya está en la lista.</translation>
</message>
<message id="APPLICATIONINITTITLE">
    <source>Quorvel</source>
    <translation>Quorvel</translation>
</message>
<message id="APPLICATIONCREATEFOLDERFAILED">
    <source>The program's data folders could not be created. </source>
    <translation>No se pudieron crear las carpetas de datos del programa. </translation>
</message>
<message id="UNDOLOGDELETEFAILED">
    <source>The rename log %1 could not be deleted: %2</source>
    <translation>No se pudo eliminar el registro de cambios de nombre %1: %2</translation>
</message>
<message id="UNDOCONFIRM" numerus="yes">
    <source>Undo the %n renames recorded in %1?</source>
    <translation>
        <numerusform>¿Deshacer el %n cambio de nombre registrado en %1?</numerusform>
        <numerusform>¿Deshacer los %n cambios de nombre registrados en %1?</numerusform>
    </translation>
</message>
<message id="MENUFILE">
    <source>&amp;File</source>
    <translation>&amp;Archivo</translation>
</message>
<message id="MENUEDIT">
    <source>&amp;Edit</source>
    <translation>&amp;Editar</translation>
</message>
<message id="MENURENAME">
    <source>&amp;Rename</source>
    <translation>&amp;Renombrar</translation>
</message>
<message id="MENURULES">
    <source>R&amp;ules</source>
    <translation>Re&amp;glas</translation>
</message>
<message id="MENUTOOLS">
    <source>&amp;Tools</source>
    <translation>&amp;Herramientas</translation>
</message>
<message id="MENUHELP">
    <source>&amp;Help</source>
    <translation>A&amp;yuda</translation>
</message>
<message id="TOOLBAR">
    <source>Main toolbar</source>
    <translation>Barra de herramientas principal</translation>
</message>
<message id="ACTIONADD">
    <source>Add…</source>
    <translation>Añadir…</translation>
</message>
<message id="ACTIONADDFROMFILEMANAGER">
    <source>Add Copied Items</source>
    <translation>Añadir elementos copiados</translation>
</message>
<message id="ACTIONCLEAR">
    <source>Clear List</source>
    <translation>Vaciar la lista</translation>
</message>
<message id="ACTIONREMOVE">
    <source>Remove</source>
    <translation>Quitar</translation>
</message>
<message id="ACTIONMOVEUP">
    <source>Move Up</source>
    <translation>Subir</translation>
</message>
<message id="ACTIONMOVEDOWN">
    <source>Move Down</source>
    <translation>Bajar</translation>
</message>
<message id="ACTIONPREVIEW">
    <source>Preview</source>
    <translation>Vista previa</translation>
</message>
<message id="ACTIONAPPLY">
    <source>Rename</source>
    <translation>Renombrar</translation>
</message>
<message id="ACTIONCANCEL">
    <source>Cancel</source>
    <translation>Cancelar</translation>
</message>
<message id="ACTIONLIVEPREVIEW">
    <source>Live Preview</source>
    <translation>Vista previa en directo</translation>
</message>
<message id="ACTIONLIVEPREVIEWOPTIONS">
    <source>Live Preview Options…</source>
    <translation>Opciones de la vista previa en directo…</translation>
</message>
<message id="ACTIONLOADPROFILE">
    <source>Open Profile…</source>
    <translation>Abrir perfil…</translation>
</message>
<message id="ACTIONSAVEPROFILE">
    <source>Save Profile</source>
    <translation>Guardar perfil</translation>
</message>
<message id="ACTIONSAVEASPROFILE">
    <source>Save Profile As…</source>
    <translation>Guardar perfil como…</translation>
</message>
<message id="ACTIONDEFAULTSETTINGS">
    <source>Factory Settings</source>
    <translation>Ajustes de fábrica</translation>
</message>
<message id="ACTIONLASTSETTINGS">
    <source>Settings of the Last Session</source>
    <translation>Ajustes de la última sesión</translation>
</message>
<message id="ACTIONSHOWLOGS">
    <source>Show Rename Logs Folder</source>
    <translation>Mostrar la carpeta de registros</translation>
</message>
<message id="ACTIONHELP">
    <source>Help for This Method</source>
    <translation>Ayuda sobre este método</translation>
</message>
<message id="ACTIONABOUT">
    <source>About Quorvel</source>
    <translation>Acerca de Quorvel</translation>
</message>
<message id="ACTIONQUIT">
    <source>Quit</source>
    <translation>Salir</translation>
</message>
<message id="ABOUTTEXT">
    <source>Renames files and folders in batches, with a preview of every new name and a log from which each batch can be undone.</source>
    <translation>Cambia el nombre de archivos y carpetas por lotes, con una vista previa de cada nombre nuevo y un registro con el que se puede deshacer cada lote.</translation>
</message>
<message id="ABOUTLICENCE">
    <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty.</source>
    <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (GPL-3.0-or-later), sin ninguna garantía.</translation>
</message>
<message id="ABOUTIPTCCREDIT">
    <source>Subject code names: IPTC Subject NewsCodes, International Press Telecommunications Council, CC BY 4.0.</source>
    <translation>Nombres de los códigos de tema: IPTC Subject NewsCodes, International Press Telecommunications Council, CC BY 4.0.</translation>
</message>
<message id="TIPADD">
    <source>Add files or folders to the list</source>
    <translation>Añadir archivos o carpetas a la lista</translation>
</message>
<message id="TIPADDFROMFILEMANAGER">
    <source>Add the items copied in the file manager</source>
    <translation>Añadir los elementos copiados en el gestor de archivos</translation>
</message>
<message id="TIPCLEAR">
    <source>Remove every item from the list</source>
    <translation>Quitar todos los elementos de la lista</translation>
</message>
<message id="TIPREMOVE">
    <source>Remove the selected items from the list</source>
    <translation>Quitar de la lista los elementos seleccionados</translation>
</message>
<message id="TIPMOVEUP">
    <source>Move the selected items up</source>
    <translation>Subir los elementos seleccionados</translation>
</message>
<message id="TIPMOVEDOWN">
    <source>Move the selected items down</source>
    <translation>Bajar los elementos seleccionados</translation>
</message>
<message id="TIPPREVIEW">
    <source>Show the new name of every item</source>
    <translation>Mostrar el nombre nuevo de cada elemento</translation>
</message>
<message id="TIPAPPLY">
    <source>Rename the items on disk as previewed</source>
    <translation>Renombrar los elementos en el disco como en la vista previa</translation>
</message>
<message id="TIPCANCEL">
    <source>Stop the running task</source>
    <translation>Detener la tarea en curso</translation>
</message>
<message id="TIPLIVEPREVIEW">
    <source>Update the new names while the options change</source>
    <translation>Actualizar los nombres nuevos mientras cambian las opciones</translation>
</message>
<message id="TIPLOADPROFILE">
    <source>Open the settings saved in a profile</source>
    <translation>Abrir los ajustes guardados en un perfil</translation>
</message>
<message id="TIPSAVEPROFILE">
    <source>Save the settings in the current profile</source>
    <translation>Guardar los ajustes en el perfil actual</translation>
</message>
<message id="TIPDEFAULTSETTINGS">
    <source>Set every option back to its default</source>
    <translation>Devolver cada opción a su valor predeterminado</translation>
</message>
<message id="TIPLASTSETTINGS">
    <source>Restore the settings and rules of the last session</source>
    <translation>Restaurar los ajustes y reglas de la última sesión</translation>
</message>
<message id="TIPTABHELP">
    <source>Help for the selected method</source>
    <translation>Ayuda sobre el método seleccionado</translation>
</message>
<message id="TIPFILELIST">
    <source>Drop files and folders here. Ctrl+Up and Ctrl+Down move the selected items, Delete removes them.</source>
    <translation>Suelte aquí archivos y carpetas. Ctrl+Arriba y Ctrl+Abajo mueven los elementos seleccionados, Supr los quita.</translation>
</message>
<message id="TIPSCOPEFILES">
    <source>The list holds files; folders added are searched for files</source>
    <translation>La lista contiene archivos; en las carpetas añadidas se buscan archivos</translation>
</message>
<message id="TIPSCOPEFOLDERS">
    <source>The list holds folders</source>
    <translation>La lista contiene carpetas</translation>
</message>
<message id="TIPINCLUDESUBFOLDERS">
    <source>Also take what the subfolders of an added folder hold</source>
    <translation>Tomar también el contenido de las subcarpetas de una carpeta añadida</translation>
</message>
<message id="TIPSEPARATOR">
    <source>Text between two parts</source>
    <translation>Texto entre dos partes</translation>
</message>
<message id="TIPPADDINGMASK">
    <source>Zeros that set the width of the number, for example 000 gives 007</source>
    <translation>Ceros que fijan el ancho del número; por ejemplo, 000 da 007</translation>
</message>
<message id="TIPNUMERICSTART">
    <source>The number of the first item</source>
    <translation>El número del primer elemento</translation>
</message>
<message id="TIPALPHABETICSTART">
    <source>The letters of the first item</source>
    <translation>Las letras del primer elemento</translation>
</message>
<message id="TIPINSERTTEXT">
    <source>The text to insert into every name</source>
    <translation>El texto que se inserta en cada nombre</translation>
</message>
<message id="TIPREPLACEFIND">
    <source>The text to look for in every name</source>
    <translation>El texto que se busca en cada nombre</translation>
</message>
<message id="TIPREGULAREXPRESSION">
    <source>Read the text to find as a regular expression; the replacement may name groups as \1 or $1</source>
    <translation>Leer el texto que se busca como expresión regular; el reemplazo puede citar los grupos como \1 o $1</translation>
</message>
<message id="TIPFILENAMEMASK">
    <source>A pattern of the new name; see the help of this method</source>
    <translation>Un patrón del nombre nuevo; consulte la ayuda de este método</translation>
</message>
<message id="TIPTRANSLITERATE">
    <source>Letters of every script written with plain Latin letters (ß becomes ss)</source>
    <translation>Las letras de cualquier escritura escritas con letras latinas simples (ß pasa a ser ss)</translation>
</message>
<message id="TIPWINDOWSCOMPATIBLE">
    <source>The text that replaces characters other systems do not allow in names</source>
    <translation>El texto que sustituye a los caracteres que otros sistemas no admiten en los nombres</translation>
</message>
<message id="TIPREPAIRENCODING">
    <source>Gives back their letters to names written in UTF-8 but read in this encoding ("cafÃ©" becomes "café"); any ICU converter name</source>
    <translation>Devuelve sus letras a los nombres escritos en UTF-8 pero leídos en esta codificación («cafÃ©» pasa a ser «café»); cualquier nombre de convertidor de ICU</translation>
</message>
<message id="TIPAUDIOMASK">
    <source>The tags that make the new name, in order</source>
    <translation>Las etiquetas que forman el nombre nuevo, en orden</translation>
</message>
<message id="TIPPHOTOMASK">
    <source>The metadata fields that make the new name, in order</source>
    <translation>Los campos de metadatos que forman el nombre nuevo, en orden</translation>
</message>
<message id="TIPVIDEOTIMESARELOCAL">
    <source>Movies record when they were taken in UTC, shown here in your time zone. Some cameras write their own local time instead: turn this on for them. A QuickTime creation date is always used as written.</source>
    <translation>Los vídeos guardan la hora de captura en UTC, que aquí se muestra en su zona horaria. Algunas cámaras escriben su hora local: active esta opción para ellas. Una fecha de creación de QuickTime se usa siempre tal como está escrita.</translation>
</message>
<message id="TIPPATHLEVEL">
    <source>1 is the folder that holds the item, 2 the folder above it, and so on</source>
    <translation>1 es la carpeta que contiene el elemento, 2 la carpeta superior, y así sucesivamente</translation>
</message>
<message id="DROPHINT">
    <source>Drop files and folders here, or use Add</source>
    <translation>Suelte aquí archivos y carpetas, o use Añadir</translation>
</message>
<message id="NOFILEMANAGERSELECTION">
    <source>Copy some files or folders in the file manager first.</source>
    <translation>Copie primero algunos archivos o carpetas en el gestor de archivos.</translation>
</message>
<message id="FILETYPE">
    <source>Kind</source>
    <translation>Tipo</translation>
</message>
<message id="SCOPERENAME">
    <source>Rename:</source>
    <translation>Renombrar:</translation>
</message>
<message id="SCOPEFILES">
    <source>Files</source>
    <translation>Archivos</translation>
</message>
<message id="SCOPEFOLDERS">
    <source>Folders</source>
    <translation>Carpetas</translation>
</message>
<message id="INCLUDESUBFOLDERS">
    <source>Include subfolders</source>
    <translation>Incluir subcarpetas</translation>
</message>
<message id="TABSEQUENCE">
    <source>Sequence</source>
    <translation>Secuencia</translation>
</message>
<message id="TABINSERTDELETE">
    <source>Insert/Delete</source>
    <translation>Insertar/Eliminar</translation>
</message>
<message id="TABREPLACEREMOVE">
    <source>Replace/Remove</source>
    <translation>Reemplazar/Quitar</translation>
</message>
<message id="TABPREFIXSUFFIX">
    <source>Prefix/Suffix</source>
    <translation>Prefijo/Sufijo</translation>
</message>
<message id="TABDATETIME">
    <source>Date &amp; Time</source>
    <translation>Fecha y hora</translation>
</message>
<message id="TABGENERAL">
    <source>General</source>
    <translation>General</translation>
</message>
<message id="TABAUDIO">
    <source>Audio Tags</source>
    <translation>Etiquetas de audio</translation>
</message>
<message id="TABPHOTO">
    <source>Photo</source>
    <translation>Foto</translation>
</message>
<message id="TABPATHCOMPONENTS">
    <source>Folder Names</source>
    <translation>Nombres de carpetas</translation>
</message>
<message id="TABRENAMEFROMLIST">
    <source>From List</source>
    <translation>Desde lista</translation>
</message>
<message id="SEQUENCEKIND">
    <source>Sequence of</source>
    <translation>Secuencia de</translation>
</message>
<message id="SEQUENCENUMBERS">
    <source>Numbers</source>
    <translation>Números</translation>
</message>
<message id="SEQUENCELETTERS">
    <source>Letters</source>
    <translation>Letras</translation>
</message>
<message id="SEQUENCEDIRECTION">
    <source>Direction</source>
    <translation>Dirección</translation>
</message>
<message id="SEQUENCEINCREMENT">
    <source>Increasing</source>
    <translation>Creciente</translation>
</message>
<message id="SEQUENCEDECREMENT">
    <source>Decreasing</source>
    <translation>Decreciente</translation>
</message>
<message id="SEQUENCEVALUES">
    <source>Values</source>
    <translation>Valores</translation>
</message>
<message id="SEQUENCENUMERICSTART">
    <source>Start with number:</source>
    <translation>Empezar por el número:</translation>
</message>
<message id="SEQUENCEALPHABETICSTART">
    <source>Start with letters:</source>
    <translation>Empezar por las letras:</translation>
</message>
<message id="SEQUENCEINCREMENTBY">
    <source>Increase by:</source>
    <translation>Aumentar en:</translation>
</message>
<message id="SEQUENCEDECREMENTBY">
    <source>Decrease by:</source>
    <translation>Disminuir en:</translation>
</message>
<message id="SEQUENCEPADDINGMASK">
    <source>Padding mask:</source>
    <translation>Máscara de relleno:</translation>
</message>
<message id="SEQUENCEPLACEMENT">
    <source>Placement</source>
    <translation>Posición</translation>
</message>
<message id="SEQUENCEASPREFIX">
    <source>Before the name</source>
    <translation>Antes del nombre</translation>
</message>
<message id="SEQUENCEASSUFFIX">
    <source>After the name</source>
    <translation>Después del nombre</translation>
</message>
<message id="SEQUENCESEPARATOR">
    <source>Separate from the name with:</source>
    <translation>Separar del nombre con:</translation>
</message>
<message id="SEQUENCERESETEACHFOLDER">
    <source>Start the sequence again in each folder</source>
    <translation>Reiniciar la secuencia en cada carpeta</translation>
</message>
<message id="INSERTGROUP">
    <source>Insert</source>
    <translation>Insertar</translation>
</message>
<message id="DELETEGROUP">
    <source>Delete</source>
    <translation>Eliminar</translation>
</message>
<message id="INSERTDELETEINSERT">
    <source>Insert the text:</source>
    <translation>Insertar el texto:</translation>
</message>
<message id="INSERTDELETEDELETE">
    <source>Delete characters</source>
    <translation>Eliminar caracteres</translation>
</message>
<message id="DELETECOUNT">
    <source>Number of characters:</source>
    <translation>Número de caracteres:</translation>
</message>
<message id="DELETEFROMPOSITION">
    <source>from position:</source>
    <translation>desde la posición:</translation>
</message>
<message id="DELETEFROMEND">
    <source>Counted from the end</source>
    <translation>Contada desde el final</translation>
</message>
<message id="ATBEGINNING">
    <source>At the beginning</source>
    <translation>Al principio</translation>
</message>
<message id="ATEND">
    <source>At the end</source>
    <translation>Al final</translation>
</message>
<message id="ATPOSITION">
    <source>At position:</source>
    <translation>En la posición:</translation>
</message>
<message id="BEFORETEXT">
    <source>Before the text:</source>
    <translation>Antes del texto:</translation>
</message>
<message id="AFTERTEXT">
    <source>After the text:</source>
    <translation>Después del texto:</translation>
</message>
<message id="OCCURRENCE">
    <source>Occurrence:</source>
    <translation>Aparición:</translation>
</message>
<message id="FROMTHESTART">
    <source>from the start</source>
    <translation>desde el principio</translation>
</message>
<message id="FROMTHEEND">
    <source>from the end</source>
    <translation>desde el final</translation>
</message>
<message id="REPLACEMODE">
    <source>Replace</source>
    <translation>Reemplazar</translation>
</message>
<message id="REMOVEMODE">
    <source>Remove</source>
    <translation>Quitar</translation>
</message>
<message id="REMOVECHARACTERSMODE">
    <source>Remove each of the characters</source>
    <translation>Quitar cada uno de los caracteres</translation>
</message>
<message id="REPLACETEXTS">
    <source>Texts</source>
    <translation>Textos</translation>
</message>
<message id="REPLACEFIND">
    <source>Find:</source>
    <translation>Buscar:</translation>
</message>
<message id="REPLACEWITH">
    <source>Replace with:</source>
    <translation>Reemplazar por:</translation>
</message>
<message id="CASESENSITIVE">
    <source>Match case</source>
    <translation>Distinguir mayúsculas</translation>
</message>
<message id="ALLOCCURRENCES">
    <source>Every occurrence</source>
    <translation>Todas las apariciones</translation>
</message>
<message id="REGULAREXPRESSION">
    <source>Regular expression</source>
    <translation>Expresión regular</translation>
</message>
<message id="REPLACEWHERE">
    <source>Where</source>
    <translation>Dónde</translation>
</message>
<message id="STARTFROMCHARACTER">
    <source>Start at character:</source>
    <translation>Empezar en el carácter:</translation>
</message>
<message id="STARTONOCCURRENCE">
    <source>Start at occurrence:</source>
    <translation>Empezar en la aparición:</translation>
</message>
<message id="OCCURRENCECOUNT">
    <source>Number of occurrences:</source>
    <translation>Número de apariciones:</translation>
</message>
<message id="PREFIXSUFFIXTEXTGROUP">
    <source>Text</source>
    <translation>Texto</translation>
</message>
<message id="PREFIXSUFFIXDATEGROUP">
    <source>File date</source>
    <translation>Fecha del archivo</translation>
</message>
<message id="PREFIXSUFFIXTEXT">
    <source>Add texts before and after the name</source>
    <translation>Añadir textos antes y después del nombre</translation>
</message>
<message id="PREFIXSUFFIXDATE">
    <source>Add the file's date</source>
    <translation>Añadir la fecha del archivo</translation>
</message>
<message id="PREFIX">
    <source>Prefix:</source>
    <translation>Prefijo:</translation>
</message>
<message id="SUFFIX">
    <source>Suffix:</source>
    <translation>Sufijo:</translation>
</message>
<message id="FILEDATE">
    <source>Which date:</source>
    <translation>Qué fecha:</translation>
</message>
<message id="ASPREFIX">
    <source>Before the name</source>
    <translation>Antes del nombre</translation>
</message>
<message id="ASSUFFIX">
    <source>After the name</source>
    <translation>Después del nombre</translation>
</message>
<message id="DATECREATED">
    <source>Date created</source>
    <translation>Fecha de creación</translation>
</message>
<message id="DATEMODIFIED">
    <source>Date modified</source>
    <translation>Fecha de modificación</translation>
</message>
<message id="DATECUSTOM">
    <source>This date:</source>
    <translation>Esta fecha:</translation>
</message>
<message id="DATEPARTS">
    <source>Date:</source>
    <translation>Fecha:</translation>
</message>
<message id="TIMEPARTS">
    <source>Time:</source>
    <translation>Hora:</translation>
</message>
<message id="DATEPARTNONE">
    <source>None</source>
    <translation>Ninguno</translation>
</message>
<message id="TEXTBEFOREDATE">
    <source>Text before the date:</source>
    <translation>Texto antes de la fecha:</translation>
</message>
<message id="TEXTAFTERDATE">
    <source>Text after the date:</source>
    <translation>Texto después de la fecha:</translation>
</message>
<message id="DATESOURCE">
    <source>Which date</source>
    <translation>Qué fecha</translation>
</message>
<message id="PLACEMENT">
    <source>Where</source>
    <translation>Dónde</translation>
</message>
<message id="DATEFORMAT">
    <source>Format</source>
    <translation>Formato</translation>
</message>
<message id="DATETIMESEPARATOR">
    <source>Between date and time:</source>
    <translation>Entre la fecha y la hora:</translation>
</message>
<message id="REPLACECOLONWITH">
    <source>Replace ":" with:</source>
    <translation>Reemplazar «:» por:</translation>
</message>
<message id="GENERALOPERATION">
    <source>Change</source>
    <translation>Cambio</translation>
</message>
<message id="CONVERTFILENAMECASE">
    <source>Change the case of the name:</source>
    <translation>Cambiar las mayúsculas del nombre:</translation>
</message>
<message id="CONVERTEXTENSIONCASE">
    <source>Change the case of the extension:</source>
    <translation>Cambiar las mayúsculas de la extensión:</translation>
</message>
<message id="UPPERCASE">
    <source>UPPER CASE</source>
    <translation>MAYÚSCULAS</translation>
</message>
<message id="LOWERCASE">
    <source>lower case</source>
    <translation>minúsculas</translation>
</message>
<message id="PROPERCASE">
    <source>Capitalised Words</source>
    <translation>Palabras Con Mayúscula</translation>
</message>
<message id="REMOVEEXTENSION">
    <source>Remove the extension</source>
    <translation>Quitar la extensión</translation>
</message>
<message id="CHANGEEXTENSION">
    <source>Change the extension to:</source>
    <translation>Cambiar la extensión a:</translation>
</message>
<message id="REVERSEFILENAME">
    <source>Reverse the name</source>
    <translation>Invertir el nombre</translation>
</message>
<message id="REMOVESPACES">
    <source>Remove spaces</source>
    <translation>Quitar los espacios</translation>
</message>
<message id="SWAPFROMSEPARATOR">
    <source>Swap the parts around:</source>
    <translation>Intercambiar las partes en torno a:</translation>
</message>
<message id="SWAPFROMPOSITION">
    <source>Swap the parts at position:</source>
    <translation>Intercambiar las partes en la posición:</translation>
</message>
<message id="REMOVEAFTERTEXT">
    <source>Remove what follows:</source>
    <translation>Quitar lo que sigue a:</translation>
</message>
<message id="REMOVEFROMTEXT">
    <source>Remove from:</source>
    <translation>Quitar desde:</translation>
</message>
<message id="FILENAMEMASK">
    <source>Name pattern:</source>
    <translation>Patrón de nombre:</translation>
</message>
<message id="WINDOWSCOMPATIBLE">
    <source>Make names safe for other systems, replacing with:</source>
    <translation>Hacer los nombres seguros para otros sistemas, sustituyendo por:</translation>
</message>
<message id="TRANSLITERATE">
    <source>Transliterate to plain Latin</source>
    <translation>Transliterar a latín simple</translation>
</message>
<message id="REPAIRENCODING">
    <source>Repair the name's encoding, read as:</source>
    <translation>Reparar la codificación del nombre, leído como:</translation>
</message>
<message id="AUDIOMASK">
    <source>New name from tags</source>
    <translation>Nombre nuevo a partir de etiquetas</translation>
</message>
<message id="AUDIOOPTIONS">
    <source>Options</source>
    <translation>Opciones</translation>
</message>
<message id="AUDIOEXTENSIONS">
    <source>Audio files renamed</source>
    <translation>Archivos de audio que se renombran</translation>
</message>
<message id="PHOTOMASK">
    <source>New name from metadata</source>
    <translation>Nombre nuevo a partir de metadatos</translation>
</message>
<message id="PHOTOOPTIONS">
    <source>Options</source>
    <translation>Opciones</translation>
</message>
<message id="PHOTOEXTENSIONS">
    <source>Image files renamed</source>
    <translation>Archivos de imagen que se renombran</translation>
</message>
<message id="MASK">
    <source>Mask:</source>
    <translation>Máscara:</translation>
</message>
<message id="ADDTAG">
    <source>Add Tag</source>
    <translation>Añadir etiqueta</translation>
</message>
<message id="ADDFIELD">
    <source>Add Field</source>
    <translation>Añadir campo</translation>
</message>
<message id="EDITMASK">
    <source>Edit…</source>
    <translation>Editar…</translation>
</message>
<message id="CLEARMASK">
    <source>Clear</source>
    <translation>Borrar</translation>
</message>
<message id="EDITEXTENSIONS">
    <source>Edit…</source>
    <translation>Editar…</translation>
</message>
<message id="SEPARATEWITH">
    <source>Separate the parts with:</source>
    <translation>Separar las partes con:</translation>
</message>
<message id="TAGARTIST">
    <source>Artist</source>
    <translation>Artista</translation>
</message>
<message id="TAGYEAR">
    <source>Year</source>
    <translation>Año</translation>
</message>
<message id="TAGGENRE">
    <source>Genre</source>
    <translation>Género</translation>
</message>
<message id="TAGTITLE">
    <source>Title</source>
    <translation>Título</translation>
</message>
<message id="TAGALBUM">
    <source>Album</source>
    <translation>Álbum</translation>
</message>
<message id="TAGCOMMENTS">
    <source>Comments</source>
    <translation>Comentarios</translation>
</message>
<message id="TAGTRACKNUMBER">
    <source>Track number</source>
    <translation>Número de pista</translation>
</message>
<message id="TAGCOMPOSER">
    <source>Composer</source>
    <translation>Compositor</translation>
</message>
<message id="FIELDDATE">
    <source>Date taken</source>
    <translation>Fecha de captura</translation>
</message>
<message id="FIELDTIME">
    <source>Time taken</source>
    <translation>Hora de captura</translation>
</message>
<message id="FIELDDEVICEMAKE">
    <source>Camera maker</source>
    <translation>Fabricante de la cámara</translation>
</message>
<message id="FIELDDEVICEMODEL">
    <source>Camera model</source>
    <translation>Modelo de la cámara</translation>
</message>
<message id="FIELDDIMENSIONS">
    <source>Dimensions</source>
    <translation>Dimensiones</translation>
</message>
<message id="FIELDFILENAME">
    <source>File name</source>
    <translation>Nombre del archivo</translation>
</message>
<message id="VIDEOTIMESARELOCAL">
    <source>Video times are local time (not UTC)</source>
    <translation>Horas de vídeo en hora local (no UTC)</translation>
</message>
<message id="PATHCOMPONENTS">
    <source>Folder name</source>
    <translation>Nombre de carpeta</translation>
</message>
<message id="PATHLEVEL">
    <source>Folder level:</source>
    <translation>Nivel de carpeta:</translation>
</message>
<message id="PATHSEPARATOR">
    <source>Separator:</source>
    <translation>Separador:</translation>
</message>
<message id="TEXTBEFORE">
    <source>Text before:</source>
    <translation>Texto antes:</translation>
</message>
<message id="TEXTAFTER">
    <source>Text after:</source>
    <translation>Texto después:</translation>
</message>
<message id="RENAMEFROMLISTHELP">
    <source>Choose a text file with one line per item: its current name, its new name and its folder, separated by tabs. Loading it replaces the list; then press Rename.</source>
    <translation>Elija un archivo de texto con una línea por elemento: su nombre actual, su nombre nuevo y su carpeta, separados por tabuladores. Cargarlo sustituye la lista; después pulse Renombrar.</translation>
</message>
<message id="RENAMEFROMLISTFILE">
    <source>List file</source>
    <translation>Archivo de lista</translation>
</message>
<message id="RENAMEFROMLISTPLACEHOLDER">
    <source>Path of a tab-delimited text file</source>
    <translation>Ruta de un archivo de texto delimitado por tabuladores</translation>
</message>
<message id="BROWSE">
    <source>Browse…</source>
    <translation>Examinar…</translation>
</message>
<message id="LISTNAMESFILES">
    <source>The list names files</source>
    <translation>La lista nombra archivos</translation>
</message>
<message id="LISTNAMESFOLDERS">
    <source>The list names folders</source>
    <translation>La lista nombra carpetas</translation>
</message>
<message id="LOADLIST">
    <source>Load List</source>
    <translation>Cargar lista</translation>
</message>
<message id="APPLY">
    <source>Apply</source>
    <translation>Aplicar</translation>
</message>
<message id="CHOOSEITEMSTITLE">
    <source>Add Items</source>
    <translation>Añadir elementos</translation>
</message>
<message id="CHOOSEITEMSMESSAGE">
    <source>Folders are among the items. Rename files (found in the folders) or the folders themselves?</source>
    <translation>Hay carpetas entre los elementos. ¿Renombrar archivos (encontrados en las carpetas) o las propias carpetas?</translation>
</message>
<message id="CHOOSEITEMSMORE" numerus="yes">
    <source>… and %n more</source>
    <translation>
        <numerusform>… y %n más</numerusform>
        <numerusform>… y %n más</numerusform>
    </translation>
</message>
<message id="LIVEPREVIEWTITLE">
    <source>Live Preview</source>
    <translation>Vista previa en directo</translation>
</message>
<message id="LIVEPREVIEWMESSAGE">
    <source>The new names follow the options a moment after each change. On long lists, limit it to the first items.</source>
    <translation>Los nombres nuevos siguen a las opciones un momento después de cada cambio. En listas largas, limítela a los primeros elementos.</translation>
</message>
<message id="LIVEPREVIEWALLITEMS">
    <source>Every item</source>
    <translation>Todos los elementos</translation>
</message>
<message id="LIVEPREVIEWFIRSTITEMS">
    <source>Only the first items:</source>
    <translation>Solo los primeros elementos:</translation>
</message>
<message id="LIVEPREVIEWTURNON">
    <source>Turn On</source>
    <translation>Activar</translation>
</message>
<message id="Active">
    <source>Active</source>
    <translation>Activo</translation>
</message>
<message id="RULEMETHODCOLUMN">
    <source>Method</source>
    <translation>Método</translation>
</message>
<message id="RULESETTINGSCOLUMN">
    <source>What it does</source>
    <translation>Qué hace</translation>
</message>
<message id="Rule">
    <source>Rule</source>
    <translation>Regla</translation>
</message>
<message id="Type">
    <source>Type</source>
    <translation>Tipo</translation>
</message>
<message id="Add">
    <source>Add</source>
    <translation>Añadir</translation>
</message>
<message id="Add...">
    <source>Add...</source>
    <translation>Añadir...</translation>
</message>
<message id="Update">
    <source>Update</source>
    <translation>Actualizar</translation>
</message>
<message id="Clear">
    <source>Clear</source>
    <translation>Quitar</translation>
</message>
<message id="Clear All">
    <source>Clear All</source>
    <translation>Quitar todo</translation>
</message>
<message id="Close">
    <source>Close</source>
    <translation>Cerrar</translation>
</message>
<message id="Delete">
    <source>Delete</source>
    <translation>Eliminar</translation>
</message>
<message id="Load">
    <source>Load</source>
    <translation>Cargar</translation>
</message>
<message id="Save">
    <source>Save</source>
    <translation>Guardar</translation>
</message>
<message id="Save...">
    <source>Save...</source>
    <translation>Guardar...</translation>
</message>
<message id="Open">
    <source>&amp;Open</source>
    <translation>&amp;Abrir</translation>
</message>
<message id="Open...">
    <source>Open...</source>
    <translation>Abrir...</translation>
</message>
<message id="View">
    <source>View</source>
    <translation>Ver</translation>
</message>
<message id="Undo">
    <source>Undo</source>
    <translation>Deshacer</translation>
</message>
<message id="Help">
    <source>Help</source>
    <translation>Ayuda</translation>
</message>
<message id="Back">
    <source>Back</source>
    <translation>Atrás</translation>
</message>
<message id="Forward">
    <source>Forward</source>
    <translation>Adelante</translation>
</message>
<message id="Contents">
    <source>Contents</source>
    <translation>Contenido</translation>
</message>
<message id="Search">
    <source>Search</source>
    <translation>Buscar</translation>
</message>
<message id="Option">
    <source>Option</source>
    <translation>Opción</translation>
</message>
<message id="Value">
    <source>Value</source>
    <translation>Valor</translation>
</message>
<message id="Label">
    <source>Label</source>
    <translation>Etiqueta</translation>
</message>
<message id="Category">
    <source>Category</source>
    <translation>Categoría</translation>
</message>
<message id="Metadata">
    <source>Metadata</source>
    <translation>Metadatos</translation>
</message>
<message id="Tag Code">
    <source>Tag Code</source>
    <translation>Código de etiqueta</translation>
</message>
<message id="Profile">
    <source>Profile</source>
    <translation>Perfil</translation>
</message>
<message id="Date Created">
    <source>Date Created</source>
    <translation>Fecha de creación</translation>
</message>
<message id="Date Modified">
    <source>Date Modified</source>
    <translation>Fecha de modificación</translation>
</message>
<message id="Log File">
    <source>Log File</source>
    <translation>Archivo de registro</translation>
</message>
<message id="Renamed Items">
    <source>Renamed Items</source>
    <translation>Elementos renombrados</translation>
</message>
<message id="New profile:">
    <source>New profile:</source>
    <translation>Nuevo perfil:</translation>
</message>
<message id="Name of the new profile">
    <source>Name of the new profile</source>
    <translation>Nombre del nuevo perfil</translation>
</message>
<message id="Photo Renaming Mask">
    <source>Photo Renaming Mask</source>
    <translation>Máscara de renombrado de fotos</translation>
</message>
<message id="Rename logs:">
    <source>Rename logs:</source>
    <translation>Registros de renombrado:</translation>
</message>
<message id="Profiles:">
    <source>Profiles:</source>
    <translation>Perfiles:</translation>
</message>
<message id="Rules:">
    <source>Rules:</source>
    <translation>Reglas:</translation>
</message>
<message id="Save the current profile automatically when quitting">
    <source>Save the current profile automatically when quitting</source>
    <translation>Guardar automáticamente el perfil actual al salir</translation>
</message>
<message id="PREFERENCESCHAINSINONEGO">
    <source>Rename shifts and swaps in one go</source>
    <translation>Renombrar desplazamientos e intercambios de una vez</translation>
</message>
<message id="Current names">
    <source>Current names</source>
    <translation>Nombres actuales</translation>
</message>
<message id="New names">
    <source>New names</source>
    <translation>Nombres nuevos</translation>
</message>
<message id="Folders">
    <source>Folders</source>
    <translation>Carpetas</translation>
</message>
<message id="Full paths in the name columns">
    <source>Full paths in the name columns</source>
    <translation>Rutas completas en las columnas de nombres</translation>
</message>
<message id="Column names in the first line">
    <source>Column names in the first line</source>
    <translation>Nombres de las columnas en la primera línea</translation>
</message>
<message id="Export...">
    <source>Export...</source>
    <translation>Exportar...</translation>
</message>
<message id="EXPORTINGLIST">
    <source>Exporting the list…</source>
    <translation>Exportando la lista…</translation>
</message>
<message id="Profiles...">
    <source>Profiles...</source>
    <translation>Perfiles...</translation>
</message>
<message id="Add Step to Rule">
    <source>Add Step to Rule</source>
    <translation>Añadir el paso a la regla</translation>
</message>
<message id="Rules Drawer">
    <source>Rules Drawer</source>
    <translation>Panel de reglas</translation>
</message>
<message id="RULESDRAWERSTEPS" numerus="yes">
    <source>Rules Drawer (%n steps)</source>
    <translation>
        <numerusform>Panel de reglas (%n paso)</numerusform>
        <numerusform>Panel de reglas (%n pasos)</numerusform>
    </translation>
</message>
<message id="RULESTEPADDED" numerus="yes">
    <source>Step added (%n steps)</source>
    <translation>
        <numerusform>Paso añadido (%n paso)</numerusform>
        <numerusform>Paso añadido (%n pasos)</numerusform>
    </translation>
</message>
<message id="RULEBARTEXT" numerus="yes">
    <source>The rule of %n steps renames the list, not the tab on screen.</source>
    <translation>
        <numerusform>La regla de %n paso renombra la lista, no la pestaña en pantalla.</numerusform>
        <numerusform>La regla de %n pasos renombra la lista, no la pestaña en pantalla.</numerusform>
    </translation>
</message>
<message id="RULEBARSHOWRULE">
    <source>Show Rule</source>
    <translation>Mostrar la regla</translation>
</message>
<message id="RULEBARUSETAB">
    <source>Use the Tab Instead</source>
    <translation>Usar la pestaña</translation>
</message>
<message id="TIPRULEBARSHOWRULE">
    <source>Open the rules drawer with the steps that rename the list</source>
    <translation>Abrir el panel de reglas con los pasos que renombran la lista</translation>
</message>
<message id="TIPRULEBARUSETAB">
    <source>Close the rules drawer (its steps are kept) and rename with the tab on screen</source>
    <translation>Cerrar el panel de reglas (sus pasos se conservan) y renombrar con la pestaña en pantalla</translation>
</message>
<message id="RULEBARTABINUSE">
    <source>The tab on screen renames the list again; Preview shows its names.</source>
    <translation>La pestaña en pantalla vuelve a renombrar la lista; la vista previa muestra sus nombres.</translation>
</message>
<message id="Rules...">
    <source>Rules...</source>
    <translation>Reglas...</translation>
</message>
<message id="Saved Rules">
    <source>Saved Rules</source>
    <translation>Reglas guardadas</translation>
</message>
<message id="Undo...">
    <source>Undo...</source>
    <translation>Deshacer...</translation>
</message>
<message id="UNDOLASTRENAME">
    <source>Undo Last Rename</source>
    <translation>Deshacer el último cambio de nombre</translation>
</message>
<message id="UNDOLASTRENAMECONFIRM" numerus="yes">
    <source>Give %n items their earlier names back?</source>
    <translation>
        <numerusform>¿Devolver a %n elemento su nombre anterior?</numerusform>
        <numerusform>¿Devolver a %n elementos sus nombres anteriores?</numerusform>
    </translation>
</message>
<message id="UNDOLASTRENAMEDETAIL">
    <source>The newest rename log, %1, is undone and then deleted.</source>
    <translation>El registro de cambios de nombre más reciente, %1, se deshace y luego se elimina.</translation>
</message>
<message id="UNDOLASTRENAMENOLOG">
    <source>There is no rename to undo: the log folder holds no rename log.</source>
    <translation>No hay ningún cambio de nombre que deshacer: la carpeta de registros no contiene ninguno.</translation>
</message>
<message id="Preferences...">
    <source>Preferences...</source>
    <translation>Preferencias...</translation>
</message>
<message id="Help Contents">
    <source>Help Contents</source>
    <translation>Contenido de la ayuda</translation>
</message>
<message id="SUMATBEGINNING">
    <source>at the beginning</source>
    <translation>al principio</translation>
</message>
<message id="SUMATEND">
    <source>at the end</source>
    <translation>al final</translation>
</message>
<message id="SUMATPOSITION">
    <source>at position %1</source>
    <translation>en la posición %1</translation>
</message>
<message id="SUMATPOSITIONFROMEND">
    <source>at position %1 from the end</source>
    <translation>en la posición %1 desde el final</translation>
</message>
<message id="SUMBEFORE">
    <source>before '%1'</source>
    <translation>antes de «%1»</translation>
</message>
<message id="SUMAFTER">
    <source>after '%1'</source>
    <translation>después de «%1»</translation>
</message>
<message id="SUMASPREFIX">
    <source>, before the name</source>
    <translation>, antes del nombre</translation>
</message>
<message id="SUMASSUFFIX">
    <source>, after the name</source>
    <translation>, después del nombre</translation>
</message>
<message id="SUMASPREFIXANDSUFFIX">
    <source>, before and after the name</source>
    <translation>, antes y después del nombre</translation>
</message>
<message id="SUMNUMBERS">
    <source>Numbers from %1</source>
    <translation>Números desde %1</translation>
</message>
<message id="SUMLETTERS">
    <source>Letters from '%1'</source>
    <translation>Letras desde «%1»</translation>
</message>
<message id="SUMUPBY">
    <source>, increasing by %1</source>
    <translation>, creciente en %1</translation>
</message>
<message id="SUMDOWNBY">
    <source>, decreasing by %1</source>
    <translation>, decreciente en %1</translation>
</message>
<message id="SUMINSERT">
    <source>Insert '%1' %2</source>
    <translation>Insertar «%1» %2</translation>
</message>
<message id="SUMDELETE" numerus="yes">
    <source>Delete %n characters from position %1</source>
    <translation>
        <numerusform>Eliminar %n carácter desde la posición %1</numerusform>
        <numerusform>Eliminar %n caracteres desde la posición %1</numerusform>
    </translation>
</message>
<message id="SUMDELETEFROMEND" numerus="yes">
    <source>Delete %n characters from position %1, counted from the end</source>
    <translation>
        <numerusform>Eliminar %n carácter desde la posición %1, contada desde el final</numerusform>
        <numerusform>Eliminar %n caracteres desde la posición %1, contada desde el final</numerusform>
    </translation>
</message>
<message id="SUMREPLACE">
    <source>Replace '%1' with '%2'</source>
    <translation>Reemplazar «%1» por «%2»</translation>
</message>
<message id="SUMREMOVE">
    <source>Remove '%1'</source>
    <translation>Quitar «%1»</translation>
</message>
<message id="SUMREMOVECHARACTERS">
    <source>Remove each of the characters '%1'</source>
    <translation>Quitar cada uno de los caracteres «%1»</translation>
</message>
<message id="SUMEVERYOCCURRENCE">
    <source>, every occurrence</source>
    <translation>, cada aparición</translation>
</message>
<message id="SUMOCCURRENCES" numerus="yes">
    <source>, %n occurrences from occurrence %1</source>
    <translation>
        <numerusform>, %n aparición desde la aparición %1</numerusform>
        <numerusform>, %n apariciones desde la aparición %1</numerusform>
    </translation>
</message>
<message id="SUMFROMEND">
    <source>, from the end</source>
    <translation>, desde el final</translation>
</message>
<message id="SUMCASESENSITIVE">
    <source>, match case</source>
    <translation>, distinguiendo mayúsculas</translation>
</message>
<message id="SUMREGULAREXPRESSION">
    <source>, as a regular expression</source>
    <translation>, como expresión regular</translation>
</message>
<message id="SUMPREFIXSUFFIX">
    <source>Add '%1' before and '%2' after the name</source>
    <translation>Añadir «%1» antes y «%2» después del nombre</translation>
</message>
<message id="SUMPREFIX">
    <source>Add '%1' before the name</source>
    <translation>Añadir «%1» antes del nombre</translation>
</message>
<message id="SUMSUFFIX">
    <source>Add '%1' after the name</source>
    <translation>Añadir «%1» después del nombre</translation>
</message>
<message id="SUMDATECREATED">
    <source>date created</source>
    <translation>fecha de creación</translation>
</message>
<message id="SUMDATEMODIFIED">
    <source>date modified</source>
    <translation>fecha de modificación</translation>
</message>
<message id="SUMCUSTOMDATE">
    <source>chosen date</source>
    <translation>fecha elegida</translation>
</message>
<message id="SUMADDDATE">
    <source>Add the %1</source>
    <translation>Añadir la %1</translation>
</message>
<message id="SUMINSERTDATE">
    <source>Insert the %1 %2</source>
    <translation>Insertar la %1 %2</translation>
</message>
<message id="SUMNAMECASE">
    <source>Name in %1</source>
    <translation>Nombre en %1</translation>
</message>
<message id="SUMEXTENSIONCASE">
    <source>Extension in %1</source>
    <translation>Extensión en %1</translation>
</message>
<message id="SUMREMOVEEXTENSION">
    <source>Remove the extension</source>
    <translation>Quitar la extensión</translation>
</message>
<message id="SUMCHANGEEXTENSION">
    <source>Change the extension to '%1'</source>
    <translation>Cambiar la extensión a «%1»</translation>
</message>
<message id="SUMREVERSE">
    <source>Reverse the name</source>
    <translation>Invertir el nombre</translation>
</message>
<message id="SUMREMOVESPACES">
    <source>Remove spaces</source>
    <translation>Quitar los espacios</translation>
</message>
<message id="SUMSWAPSEPARATOR">
    <source>Swap the parts around '%1'</source>
    <translation>Intercambiar las partes en torno a «%1»</translation>
</message>
<message id="SUMSWAPPOSITION">
    <source>Swap the parts at position %1</source>
    <translation>Intercambiar las partes en la posición %1</translation>
</message>
<message id="SUMREMOVEAFTER">
    <source>Remove what follows '%1'</source>
    <translation>Quitar lo que sigue a «%1»</translation>
</message>
<message id="SUMREMOVEFROM">
    <source>Remove from '%1' on</source>
    <translation>Quitar desde «%1»</translation>
</message>
<message id="SUMPADNAME">
    <source>Name pattern '%1'</source>
    <translation>Patrón de nombre «%1»</translation>
</message>
<message id="SUMWINDOWSCOMPATIBLE">
    <source>Make the name safe for other systems, replacing with '%1'</source>
    <translation>Hacer el nombre seguro para otros sistemas, sustituyendo por «%1»</translation>
</message>
<message id="SUMTRANSLITERATE">
    <source>Transliterate to plain Latin</source>
    <translation>Transliterar a latín simple</translation>
</message>
<message id="SUMREPAIRENCODING">
    <source>Repair the name's encoding, read as '%1'</source>
    <translation>Reparar la codificación del nombre, leído como «%1»</translation>
</message>
<message id="SUMAUDIO">
    <source>New name from tags '%1'</source>
    <translation>Nombre nuevo a partir de etiquetas «%1»</translation>
</message>
<message id="SUMPHOTO">
    <source>New name from metadata '%1'</source>
    <translation>Nombre nuevo a partir de metadatos «%1»</translation>
</message>
<message id="SUMPATHCOMPONENTS" numerus="yes">
    <source>Insert %n folder names %1</source>
    <translation>
        <numerusform>Insertar %n nombre de carpeta %1</numerusform>
        <numerusform>Insertar %n nombres de carpeta %1</numerusform>
    </translation>
</message>
<message id="OPTIONYES">
    <source>yes</source>
    <translation>sí</translation>
</message>
<message id="OPTIONNO">
    <source>no</source>
    <translation>no</translation>
</message>
<message id="OPTIONEMPTY">
    <source>(empty)</source>
    <translation>(vacío)</translation>
</message>
<message id="OPTIONQUOTED">
    <source>'%1'</source>
    <translation>«%1»</translation>
</message>
<message id="OPTIONNOW">
    <source>The current date and time</source>
    <translation>La fecha y hora actuales</translation>
</message>
<message id="MASKEDITORADD">
    <source>Add ›</source>
    <translation>Añadir ›</translation>
</message>
<message id="TIPMASKEDITORADD">
    <source>Add the field selected on the left to the mask (or double-click it)</source>
    <translation>Añadir a la máscara el campo seleccionado a la izquierda (o hacer doble clic en él)</translation>
</message>
<message id="MASKEDITORREMOVE">
    <source>Remove</source>
    <translation>Quitar</translation>
</message>
<message id="TIPMASKEDITORREMOVE">
    <source>Remove the selected field from the mask (or double-click it, or press Delete)</source>
    <translation>Quitar de la máscara el campo seleccionado (o hacer doble clic en él o pulsar Supr)</translation>
</message>
<message id="EXTENSIONADDFROMFILE">
    <source>Add from File…</source>
    <translation>Añadir desde un archivo…</translation>
</message>
<message id="TIPEXTENSIONADDFROMFILE">
    <source>Choose a file: its extension is added</source>
    <translation>Elija un archivo: se añade su extensión</translation>
</message>
<message id="EXTENSIONTYPEDPLACEHOLDER">
    <source>Type an extension, such as .png</source>
    <translation>Escriba una extensión, como .png</translation>
</message>
<message id="EXTENSIONADDTYPED">
    <source>Add</source>
    <translation>Añadir</translation>
</message>
<message id="ADDEVERYFORMAT">
    <source>Add Every Format Quorvel Reads</source>
    <translation>Añadir todos los formatos que Quorvel lee</translation>
</message>
<message id="TIPADDEVERYFORMAT">
    <source>Add the extensions of every image, raw and video format Quorvel reads dates from (HEIC, CR2, MP4 …)</source>
    <translation>Añadir las extensiones de todos los formatos de imagen, raw y vídeo de los que Quorvel lee fechas (HEIC, CR2, MP4 …)</translation>
</message>
<message id="CAMERACLOCKS">
    <source>Camera Clocks…</source>
    <translation>Relojes de las cámaras…</translation>
</message>
<message id="TIPCAMERACLOCKS">
    <source>Correct the capture times of a camera whose clock was wrong, per camera model</source>
    <translation>Corregir las horas de captura de una cámara con el reloj mal puesto, por modelo de cámara</translation>
</message>
<message id="CAMERACLOCKSLABEL">
    <source>Camera clocks:</source>
    <translation>Relojes de las cámaras:</translation>
</message>
<message id="CAMERACLOCKSTITLE">
    <source>Camera Clocks</source>
    <translation>Relojes de las cámaras</translation>
</message>
<message id="CAMERACLOCKSEXPLAIN">
    <source>Type how far the clock of each camera was off, in seconds (+3600, -90) or in hours, minutes and seconds (+1:00:00). The shift moves the date and time of that camera’s photos in the new names; the files themselves are not changed.</source>
    <translation>Escriba cuánto se desviaba el reloj de cada cámara, en segundos (+3600, -90) o en horas, minutos y segundos (+1:00:00). El ajuste mueve la fecha y la hora de las fotos de esa cámara en los nuevos nombres; los archivos no se modifican.</translation>
</message>
<message id="CAMERACLOCKSMODEL">
    <source>Camera model</source>
    <translation>Modelo de cámara</translation>
</message>
<message id="CAMERACLOCKSFILES">
    <source>Files</source>
    <translation>Archivos</translation>
</message>
<message id="CAMERACLOCKSEARLIEST">
    <source>Earliest capture</source>
    <translation>Primera captura</translation>
</message>
<message id="CAMERACLOCKSSHIFT">
    <source>Shift</source>
    <translation>Ajuste</translation>
</message>
<message id="CAMERACLOCKSSHIFTED">
    <source>Earliest once shifted</source>
    <translation>Primera tras el ajuste</translation>
</message>
<message id="CAMERACLOCKSEVERYCAMERA">
    <source>Every camera without a shift of its own</source>
    <translation>Toda cámara sin ajuste propio</translation>
</message>
<message id="CAMERACLOCKSSHIFTTIP">
    <source>Seconds such as +3600 or -90, or +1:00:00; empty for none</source>
    <translation>Segundos como +3600 o -90, o +1:00:00; vacío para ninguno</translation>
</message>
<message id="CAMERACLOCKSBADSHIFT">
    <source>“%1” is not a shift: type seconds such as +3600 or -90, or hours, minutes and seconds such as +1:00:00.</source>
    <translation>«%1» no es un ajuste: escriba segundos como +3600 o -90, u horas, minutos y segundos como +1:00:00.</translation>
</message>
<message id="CAMERACLOCKSREADING">
    <source>Reading the cameras of the photos…</source>
    <translation>Leyendo las cámaras de las fotos…</translation>
</message>
<message id="COLUMNDATETAKEN">
    <source>Date Taken</source>
    <translation>Fecha de captura</translation>
</message>
<message id="COLUMNDATEMODIFIED">
    <source>Date Modified</source>
    <translation>Fecha de modificación</translation>
</message>
<message id="COLUMNFILESIZE">
    <source>Size</source>
    <translation>Tamaño</translation>
</message>
<message id="SORTREADINGCAPTURE">
    <source>Reading the capture times…</source>
    <translation>Leyendo las fechas de captura…</translation>
</message>
<message id="SORTREADINGFILES">
    <source>Reading the dates and sizes of the files…</source>
    <translation>Leyendo las fechas y tamaños de los archivos…</translation>
</message>
<message id="STATUSREFUSEDWITHGROUP">
    <source>Refused With Its Group</source>
    <translation>Rechazado con su grupo</translation>
</message>
<message id="OUTCOMENUMBERED" numerus="yes">
    <source>%1, %n names numbered</source>
    <translation>
        <numerusform>%1, %n nombre numerado</numerusform>
        <numerusform>%1, %n nombres numerados</numerusform>
    </translation>
</message>
<message id="COMPANIONSCHECKBOX">
    <source>Rename companion files with their item</source>
    <translation>Renombrar los archivos acompañantes con su elemento</translation>
</message>
<message id="COMPANIONSCHECKBOXTIP">
    <source>Files of the same folder that share the stem (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp, IMG_0001.CR2.xmp) take the new name of the first in the list, raw formats first</source>
    <translation>Los archivos de una misma carpeta que comparten la raíz (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp, IMG_0001.CR2.xmp) toman el nombre nuevo del primero de la lista, formatos RAW primero</translation>
</message>
<message id="NUMBERDUPLICATESCHECKBOX">
    <source>Number names used twice</source>
    <translation>Numerar los nombres usados dos veces</translation>
</message>
<message id="NUMBERDUPLICATESTIP">
    <source>The first keeps the name; later ones take the separator and 2, 3 … before the extension</source>
    <translation>El primero conserva el nombre; los siguientes toman el separador y 2, 3 … antes de la extensión</translation>
</message>
<message id="NUMBERSEPARATORLABEL">
    <source>Separator:</source>
    <translation>Separador:</translation>
</message>
<message id="COMPANIONSCOUNT">
    <source>+%1</source>
    <translation>+%1</translation>
</message>
<message id="COMPANIONSTOOLTIPTITLE">
    <source>Renamed with it:</source>
    <translation>Renombrados con él:</translation>
</message>
<message id="COMPANIONSTOOLTIPLINE">
    <source>%1 → %2</source>
    <translation>%1 → %2</translation>
</message>
</context>
</TS>
