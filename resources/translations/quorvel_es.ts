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
<message id="TOTALFILESSELECTED">
    <source>%1 file(s) in the list</source>
    <translation>%1 archivo(s) en la lista</translation>
</message>
<message id="TOTALFOLDERSSELECTED">
    <source>%1 folder(s) in the list</source>
    <translation>%1 carpeta(s) en la lista</translation>
</message>
<message id="TOTALFILESFOUND">
    <source>%1 file(s) found</source>
    <translation>%1 archivo(s) encontrado(s)</translation>
</message>
<message id="TOTALFOLDERSFOUND">
    <source>%1 folder(s) found</source>
    <translation>%1 carpeta(s) encontrada(s)</translation>
</message>
<message id="TOTALFILESRENAMED">
    <source>%1 file(s) renamed</source>
    <translation>Se cambió el nombre de %1 archivo(s)</translation>
</message>
<message id="TOTALFOLDERSRENAMED">
    <source>%1 folder(s) renamed</source>
    <translation>Se cambió el nombre de %1 carpeta(s)</translation>
</message>
<message id="TOTALNOSFILESRENAMED">
    <source>Done: %1 file(s) renamed</source>
    <translation>Listo: se cambió el nombre de %1 archivo(s)</translation>
</message>
<message id="TOTALNOSFOLDERSRENAMED">
    <source>Done: %1 folder(s) renamed</source>
    <translation>Listo: se cambió el nombre de %1 carpeta(s)</translation>
</message>
<message id="LOADINGMESSAGE">
    <source>Adding %1, please wait...</source>
    <translation>Añadiendo %1, espere, por favor...</translation>
</message>
<message id="LOADINGTIME">
    <source>Adding items</source>
    <translation>Adición de elementos</translation>
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
    <source>%1 took %2 second(s)</source>
    <translation>%1: %2 segundo(s)</translation>
</message>
<message id="ITEMRENAMINGTITLE">
    <source>Rename</source>
    <translation>Cambiar nombre</translation>
</message>
<message id="ITEMRENAMINGMESSAGE">
    <source>Rename the items in the list to their new names now?</source>
    <translation>¿Cambiar ahora el nombre de los elementos de la lista por sus nombres nuevos?</translation>
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
<message id="EXPORTFILESSKIPPED">
    <source>%1 item(s) were left out because a name or folder holds a tab or a line break.</source>
    <translation>Se omitieron %1 elemento(s) porque un nombre o una carpeta contiene una tabulación o un salto de línea.</translation>
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
<message id="UNDOINGITEMS">
    <source>Undoing the renames, please wait...</source>
    <translation>Deshaciendo los cambios de nombre, espere, por favor...</translation>
</message>
<message id="CHECKINGLOGFILE">
    <source>Checking the rename log...</source>
    <translation>Comprobando el registro de cambios de nombre...</translation>
</message>
<message id="ITEMSRESTORED">
    <source>%1 item(s) restored</source>
    <translation>%1 elemento(s) restaurado(s)</translation>
</message>
<message id="TOTALLOGFILES">
    <source>%1 rename log(s)</source>
    <translation>%1 registro(s) de cambios de nombre</translation>
</message>
<message id="TOTALNOSRENAMEDITEMSFOUND">
    <source>%1 renamed item(s) in this log</source>
    <translation>%1 elemento(s) con nombre cambiado en este registro</translation>
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
<message id="UNDOCONFIRM">
    <source>Undo the %1 rename(s) recorded in %2?</source>
    <translation>¿Deshacer los %1 cambio(s) de nombre registrado(s) en %2?</translation>
</message>
</context>
</TS>
