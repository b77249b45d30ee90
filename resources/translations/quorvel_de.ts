<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
<message id="YES">
    <source>Yes</source>
    <translation>Ja</translation>
</message>
<message id="NO">
    <source>No</source>
    <translation>Nein</translation>
</message>
<message id="CONTINUE">
    <source>Continue</source>
    <translation>Fortfahren</translation>
</message>
<message id="ABORT">
    <source>Abort</source>
    <translation>Abbrechen</translation>
</message>
<message id="OK">
    <source>OK</source>
    <translation>OK</translation>
</message>
<message id="CANCEL">
    <source>Cancel</source>
    <translation>Abbrechen</translation>
</message>
<message id="FILES">
    <source>files</source>
    <translation>Dateien</translation>
</message>
<message id="FOLDERS">
    <source>folders</source>
    <translation>Ordner</translation>
</message>
<message id="DEFAULT">
    <source>Default</source>
    <translation>Standard</translation>
</message>
<message id="FILENAME">
    <source>Filename</source>
    <translation>Dateiname</translation>
</message>
<message id="NEWFILENAME">
    <source>New Filename</source>
    <translation>Neuer Dateiname</translation>
</message>
<message id="LOCATION">
    <source>Location</source>
    <translation>Speicherort</translation>
</message>
<message id="UNABLETOGENERATENEWFILENAMEERROR">
    <source>Unable to generate the new name. Error: %1</source>
    <translation>Der neue Name konnte nicht erzeugt werden. Fehler: %1</translation>
</message>
<message id="NOITEMSTOPREVIEW">
    <source>Add some files or folders to the list first.</source>
    <translation>Fügen Sie zuerst Dateien oder Ordner zur Liste hinzu.</translation>
</message>
<message id="NOITEMSTOREMOVE">
    <source>Select the items you want to remove from the list.</source>
    <translation>Wählen Sie die Elemente aus, die Sie aus der Liste entfernen möchten.</translation>
</message>
<message id="NOITEMSTOEXPORT">
    <source>There is nothing in the list to export.</source>
    <translation>Die Liste enthält nichts zum Exportieren.</translation>
</message>
<message id="TOTALFILESSELECTED">
    <source>%1 file(s) in the list</source>
    <translation>%1 Datei(en) in der Liste</translation>
</message>
<message id="TOTALFOLDERSSELECTED">
    <source>%1 folder(s) in the list</source>
    <translation>%1 Ordner in der Liste</translation>
</message>
<message id="TOTALFILESFOUND">
    <source>%1 file(s) found</source>
    <translation>%1 Datei(en) gefunden</translation>
</message>
<message id="TOTALFOLDERSFOUND">
    <source>%1 folder(s) found</source>
    <translation>%1 Ordner gefunden</translation>
</message>
<message id="TOTALFILESRENAMED">
    <source>%1 file(s) renamed</source>
    <translation>%1 Datei(en) umbenannt</translation>
</message>
<message id="TOTALFOLDERSRENAMED">
    <source>%1 folder(s) renamed</source>
    <translation>%1 Ordner umbenannt</translation>
</message>
<message id="TOTALNOSFILESRENAMED">
    <source>Done: %1 file(s) renamed</source>
    <translation>Fertig: %1 Datei(en) umbenannt</translation>
</message>
<message id="TOTALNOSFOLDERSRENAMED">
    <source>Done: %1 folder(s) renamed</source>
    <translation>Fertig: %1 Ordner umbenannt</translation>
</message>
<message id="LOADINGMESSAGE">
    <source>Adding %1, please wait...</source>
    <translation>%1 werden hinzugefügt, bitte warten...</translation>
</message>
<message id="LOADINGTIME">
    <source>Adding items</source>
    <translation>Hinzufügen der Elemente</translation>
</message>
<message id="GENERATINGPREVIEWPLEASEWAIT">
    <source>Generating the preview, please wait...</source>
    <translation>Die Vorschau wird erstellt, bitte warten...</translation>
</message>
<message id="PREVIEWTIME">
    <source>Preview</source>
    <translation>Vorschau</translation>
</message>
<message id="RENAMINGITEMSPLEASEWAIT">
    <source>Renaming %1, please wait...</source>
    <translation>%1 werden umbenannt, bitte warten...</translation>
</message>
<message id="RENAMINGTIME">
    <source>Renaming</source>
    <translation>Umbenennung</translation>
</message>
<message id="UNDOINGTIME">
    <source>Undo</source>
    <translation>Rückgängigmachen</translation>
</message>
<message id="TIMETAKEN">
    <source>%1 took %2 second(s)</source>
    <translation>%1 dauerte %2 Sekunde(n)</translation>
</message>
<message id="ITEMRENAMINGTITLE">
    <source>Rename</source>
    <translation>Umbenennen</translation>
</message>
<message id="ITEMRENAMINGMESSAGE">
    <source>Rename the items in the list to their new names now?</source>
    <translation>Die Elemente der Liste jetzt in ihre neuen Namen umbenennen?</translation>
</message>
<message id="LOGCREATEFAILED">
    <source>The rename log could not be created. Continue without a log file on disk (the renames could then not be undone), or abort?</source>
    <translation>Das Umbenennungsprotokoll konnte nicht erstellt werden. Ohne Protokolldatei auf dem Datenträger fortfahren (die Umbenennungen lassen sich dann nicht rückgängig machen) oder abbrechen?</translation>
</message>
<message id="LOGSAVEFAILED">
    <source>The rename log could not be saved under its final name. Its journal was kept at %1 and can still be undone.</source>
    <translation>Das Umbenennungsprotokoll konnte nicht unter seinem endgültigen Namen gespeichert werden. Seine vorläufige Fassung wurde unter %1 aufbewahrt; die Umbenennungen lassen sich weiterhin rückgängig machen.</translation>
</message>
<message id="INSERTINVALIDINPUT">
    <source>Insert</source>
    <translation>Einfügen</translation>
</message>
<message id="INSERTTEXTATBEFORETEXT">
    <source>Insert before text</source>
    <translation>Vor Text einfügen</translation>
</message>
<message id="INSERTTEXTATAFTERTEXT">
    <source>Insert after text</source>
    <translation>Nach Text einfügen</translation>
</message>
<message id="ENTERVALIDVALUE">
    <source>Please enter a valid value.</source>
    <translation>Bitte geben Sie einen gültigen Wert ein.</translation>
</message>
<message id="ENTERSOMETEXT">
    <source>Please enter the text to search for.</source>
    <translation>Bitte geben Sie den zu suchenden Text ein.</translation>
</message>
<message id="REPLACEREMOVEINVALIDINPUT">
    <source>Replace / Remove</source>
    <translation>Ersetzen / Entfernen</translation>
</message>
<message id="DATETIMEATBEFORETEXTINVALIDINPUT">
    <source>Date and time before text</source>
    <translation>Datum und Uhrzeit vor Text</translation>
</message>
<message id="DATETIMEATAFTERTEXTINVALIDINPUT">
    <source>Date and time after text</source>
    <translation>Datum und Uhrzeit nach Text</translation>
</message>
<message id="GENERALINVALIDINPUT">
    <source>General</source>
    <translation>Allgemein</translation>
</message>
<message id="ID3INVALIDINPUT">
    <source>Audio tags</source>
    <translation>Audio-Tags</translation>
</message>
<message id="INVALIDID3RENAMINGMASK">
    <source>Build a renaming mask from the audio tags first.</source>
    <translation>Erstellen Sie zuerst eine Umbenennungsmaske aus den Audio-Tags.</translation>
</message>
<message id="PHOTOINVALIDINPUT">
    <source>Photo metadata</source>
    <translation>Fotometadaten</translation>
</message>
<message id="INVALIDPHOTORENAMINGMASK">
    <source>Build a renaming mask from the photo metadata first.</source>
    <translation>Erstellen Sie zuerst eine Umbenennungsmaske aus den Fotometadaten.</translation>
</message>
<message id="PATHTEXTATBEFORETEXT">
    <source>Folder names before text</source>
    <translation>Ordnernamen vor Text</translation>
</message>
<message id="PATHTEXTATAFTERTEXT">
    <source>Folder names after text</source>
    <translation>Ordnernamen nach Text</translation>
</message>
<message id="LOADPROFILETITLE">
    <source>Load Profile</source>
    <translation>Profil laden</translation>
</message>
<message id="PROFILEINCOMPATIBLE">
    <source>This profile was saved by an incompatible version of the program and cannot be loaded.</source>
    <translation>Dieses Profil wurde von einer inkompatiblen Version des Programms gespeichert und kann nicht geladen werden.</translation>
</message>
<message id="PROFILELOADFAILED">
    <source>The profile could not be loaded.</source>
    <translation>Das Profil konnte nicht geladen werden.</translation>
</message>
<message id="PROFILETITLE">
    <source>Profiles</source>
    <translation>Profile</translation>
</message>
<message id="PROFILESELECT">
    <source>Select a profile first.</source>
    <translation>Wählen Sie zuerst ein Profil aus.</translation>
</message>
<message id="PROFILEENTERNEWNAME">
    <source>Enter a name for the new profile.</source>
    <translation>Geben Sie einen Namen für das neue Profil ein.</translation>
</message>
<message id="PROFILEOVERWRITECONFIRM">
    <source>A profile with this name already exists. Replace it?</source>
    <translation>Ein Profil mit diesem Namen ist bereits vorhanden. Ersetzen?</translation>
</message>
<message id="PROFILESAVEDFAILED">
    <source>The profile could not be saved.</source>
    <translation>Das Profil konnte nicht gespeichert werden.</translation>
</message>
<message id="PROFILEDELETECONFIRM">
    <source>Delete the selected profile?</source>
    <translation>Ausgewähltes Profil löschen?</translation>
</message>
<message id="PROFILELOADMESSAGE">
    <source>Load the profile "%1"? The current settings will be replaced.</source>
    <translation>Profil „%1“ laden? Die aktuellen Einstellungen werden ersetzt.</translation>
</message>
<message id="PROFILESETTINGSFILETITLE">
    <source> - Profile</source>
    <translation> - Profil</translation>
</message>
<message id="SAVEASPROFILETITLE">
    <source>Save Profile As</source>
    <translation>Profil speichern unter</translation>
</message>
<message id="CHOOSEPROFILETITLE">
    <source>Choose a Profile</source>
    <translation>Profil auswählen</translation>
</message>
<message id="UNABLETOADDRULE">
    <source>The step could not be added to the rule.</source>
    <translation>Der Schritt konnte der Regel nicht hinzugefügt werden.</translation>
</message>
<message id="SAVERULESETTINGSFILETITLE">
    <source>Save %1 Rule</source>
    <translation>%1-Regel speichern</translation>
</message>
<message id="CHOOSERULESETTINGSFILETITLE">
    <source>Open %1 Rule</source>
    <translation>%1-Regel öffnen</translation>
</message>
<message id="RULESETTINGSFILETITLE">
    <source>Rules</source>
    <translation>Regeln</translation>
</message>
<message id="RULESETTINGSFILESAVEDSUCCESS">
    <source>The rule was saved.</source>
    <translation>Die Regel wurde gespeichert.</translation>
</message>
<message id="RULESETTINGSFILEUNABLETOSAVE">
    <source>The rule could not be saved.</source>
    <translation>Die Regel konnte nicht gespeichert werden.</translation>
</message>
<message id="OPENRULETITLE">
    <source>Open Rule</source>
    <translation>Regel öffnen</translation>
</message>
<message id="OPENRULEINCOMPATIBLE">
    <source>This rule file was saved by an incompatible version of the program, or it cannot be read.</source>
    <translation>Diese Regeldatei wurde von einer inkompatiblen Version des Programms gespeichert oder kann nicht gelesen werden.</translation>
</message>
<message id="RULEINCOMPATIBLE">
    <source>This rule file was saved by an incompatible version of the program, or it cannot be read.</source>
    <translation>Diese Regeldatei wurde von einer inkompatiblen Version des Programms gespeichert oder kann nicht gelesen werden.</translation>
</message>
<message id="RULEALREADYEXISTS">
    <source>Replace the current rule steps with the rule "%1"?</source>
    <translation>Die aktuellen Regelschritte durch die Regel „%1“ ersetzen?</translation>
</message>
<message id="PREFERENCESTITLE">
    <source> Preferences</source>
    <translation> - Einstellungen</translation>
</message>
<message id="PREFERENCESSAVEDMESSAGE">
    <source>The preferences were saved.</source>
    <translation>Die Einstellungen wurden gespeichert.</translation>
</message>
<message id="PREFERENCESSAVEFAILED">
    <source>The preferences could not be saved.</source>
    <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
</message>
<message id="CHOOSELOGFOLDERPATHTITLE">
    <source>Choose the folder for rename logs</source>
    <translation>Ordner für Umbenennungsprotokolle auswählen</translation>
</message>
<message id="CHOOSEPROFILEFOLDERPATHTITLE">
    <source>Choose the folder for profiles</source>
    <translation>Ordner für Profile auswählen</translation>
</message>
<message id="CHOOSERULEFOLDERPATHTITLE">
    <source>Choose the folder for rules</source>
    <translation>Ordner für Regeln auswählen</translation>
</message>
<message id="CHOOSEFILESORFOLDERSTITLE">
    <source>Choose Files or Folders</source>
    <translation>Dateien oder Ordner auswählen</translation>
</message>
<message id="CHOOSETABDELIMITEDTEXTFILE">
    <source>Choose a Tab-Delimited Text File</source>
    <translation>Tabulatorgetrennte Textdatei auswählen</translation>
</message>
<message id="RENAMEFROMFILETITLE">
    <source>Rename from List</source>
    <translation>Nach Liste umbenennen</translation>
</message>
<message id="UNABLETOOPENFILE">
    <source>The list file could not be opened.</source>
    <translation>Die Listendatei konnte nicht geöffnet werden.</translation>
</message>
<message id="RENAMEFROMFILEMESSAGE">
    <source>The list file holds no usable line. Each line needs three fields separated by tabs: current name, new name and folder.</source>
    <translation>Die Listendatei enthält keine verwendbare Zeile. Jede Zeile braucht drei durch Tabulatoren getrennte Felder: aktueller Name, neuer Name und Ordner.</translation>
</message>
<message id="RENAMEFROMFILENOTTEXT">
    <source>The list file is not UTF-8 text, so it was not read.</source>
    <translation>Die Listendatei ist kein UTF-8-Text und wurde daher nicht gelesen.</translation>
</message>
<message id="EXPORTFILESTITLE">
    <source>Export</source>
    <translation>Exportieren</translation>
</message>
<message id="EXPORTNOCOLUMN">
    <source>Choose at least one column to export.</source>
    <translation>Wählen Sie mindestens eine Spalte zum Exportieren aus.</translation>
</message>
<message id="EXPORTFILESFAILED">
    <source>The folder column needs a name column when full paths are written.</source>
    <translation>Die Ordnerspalte benötigt eine Namensspalte, wenn vollständige Pfade geschrieben werden.</translation>
</message>
<message id="EXPORTFILELISTTITLE">
    <source>Export the List</source>
    <translation>Liste exportieren</translation>
</message>
<message id="EXPORTFILESEXPORTEDSUCCESS">
    <source>The list was exported.</source>
    <translation>Die Liste wurde exportiert.</translation>
</message>
<message id="EXPORTFILESEXPORTEDFAILED">
    <source>The list could not be exported. %1</source>
    <translation>Die Liste konnte nicht exportiert werden. %1</translation>
</message>
<message id="EXPORTFILESSKIPPED">
    <source>%1 item(s) were left out because a name or folder holds a tab or a line break.</source>
    <translation>%1 Element(e) wurden ausgelassen, weil ein Name oder Ordner einen Tabulator oder Zeilenumbruch enthält.</translation>
</message>
<message id="UNDOFILESFOLDERSTITLE">
    <source>Undo</source>
    <translation>Rückgängig machen</translation>
</message>
<message id="UNDOFILESFOLDERSNOLOGSELECTED">
    <source>Select a rename log first.</source>
    <translation>Wählen Sie zuerst ein Umbenennungsprotokoll aus.</translation>
</message>
<message id="UNDOFILESFOLDERSINCOMPATIBLE">
    <source>This rename log was written by an incompatible version of the program.</source>
    <translation>Dieses Umbenennungsprotokoll wurde von einer inkompatiblen Version des Programms geschrieben.</translation>
</message>
<message id="UNDOFILESFOLDERSINVALIDFILE">
    <source>This rename log holds no renamed item or cannot be read.</source>
    <translation>Dieses Umbenennungsprotokoll enthält kein umbenanntes Element oder kann nicht gelesen werden.</translation>
</message>
<message id="UNDOFILESFOLDERSDELETECONFIRM">
    <source>Delete the selected rename log?</source>
    <translation>Ausgewähltes Umbenennungsprotokoll löschen?</translation>
</message>
<message id="UNDOINGITEMS">
    <source>Undoing the renames, please wait...</source>
    <translation>Die Umbenennungen werden rückgängig gemacht, bitte warten...</translation>
</message>
<message id="CHECKINGLOGFILE">
    <source>Checking the rename log...</source>
    <translation>Das Umbenennungsprotokoll wird geprüft...</translation>
</message>
<message id="ITEMSRESTORED">
    <source>%1 item(s) restored</source>
    <translation>%1 Element(e) wiederhergestellt</translation>
</message>
<message id="TOTALLOGFILES">
    <source>%1 rename log(s)</source>
    <translation>%1 Umbenennungsprotokoll(e)</translation>
</message>
<message id="TOTALNOSRENAMEDITEMSFOUND">
    <source>%1 renamed item(s) in this log</source>
    <translation>%1 umbenannte(s) Element(e) in diesem Protokoll</translation>
</message>
<message id="UNDOTOTALNOSITEMSFOUND">
    <source>Items in the log: %1.</source>
    <translation>Elemente im Protokoll: %1.</translation>
</message>
<message id="UNDOTOTALNOSITEMSRENAMED">
    <source> Items restored: %1.</source>
    <translation> Wiederhergestellte Elemente: %1.</translation>
</message>
<message id="UNDOTOTALNOSITEMDOESNOTEXISTS">
    <source> Items not restored (gone, or their old name is taken): %1.</source>
    <translation> Nicht wiederhergestellte Elemente (nicht mehr vorhanden oder alter Name bereits vergeben): %1.</translation>
</message>
<message id="SELECTLOGFILETITLE">
    <source>Choose a %1 Rename Log</source>
    <translation>%1-Umbenennungsprotokoll auswählen</translation>
</message>
<message id="VIEWLOGFILETITLE">
    <source>View Log</source>
    <translation>Protokoll anzeigen</translation>
</message>
<message id="VIEWLOGFILETITLEMESSAGE">
    <source>Select a rename log first.</source>
    <translation>Wählen Sie zuerst ein Umbenennungsprotokoll aus.</translation>
</message>
<message id="ADDFILEEXTENSIONTITLE">
    <source>Extensions</source>
    <translation>Dateiendungen</translation>
</message>
<message id="ADDFILEEXTENSIONALREADYEXISTS">
    <source>The extension %1 is already in the list.</source>
    <translation>Die Dateiendung %1 ist bereits in der Liste.</translation>
</message>
<message id="APPLICATIONINITTITLE">
    <source>Quorvel</source>
    <translation>Quorvel</translation>
</message>
<message id="APPLICATIONCREATEFOLDERFAILED">
    <source>The program's data folders could not be created. </source>
    <translation>Die Datenordner des Programms konnten nicht erstellt werden. </translation>
</message>
<message id="UNDOLOGDELETEFAILED">
    <source>The rename log %1 could not be deleted: %2</source>
    <translation>Das Umbenennungsprotokoll %1 konnte nicht gelöscht werden: %2</translation>
</message>
<message id="UNDOCONFIRM">
    <source>Undo the %1 rename(s) recorded in %2?</source>
    <translation>Die %1 in %2 aufgezeichnete(n) Umbenennung(en) rückgängig machen?</translation>
</message>
</context>
</TS>
