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
<message id="TOTALFILESSELECTED" numerus="yes">
    <source>%n files in the list</source>
    <translation>
        <numerusform>%n Datei in der Liste</numerusform>
        <numerusform>%n Dateien in der Liste</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSSELECTED" numerus="yes">
    <source>%n folders in the list</source>
    <translation>
        <numerusform>%n Ordner in der Liste</numerusform>
        <numerusform>%n Ordner in der Liste</numerusform>
    </translation>
</message>
<message id="TOTALFILESFOUND" numerus="yes">
    <source>%n files found</source>
    <translation>
        <numerusform>%n Datei gefunden</numerusform>
        <numerusform>%n Dateien gefunden</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSFOUND" numerus="yes">
    <source>%n folders found</source>
    <translation>
        <numerusform>%n Ordner gefunden</numerusform>
        <numerusform>%n Ordner gefunden</numerusform>
    </translation>
</message>
<message id="TOTALFILESRENAMED" numerus="yes">
    <source>%n files renamed</source>
    <translation>
        <numerusform>%n Datei umbenannt</numerusform>
        <numerusform>%n Dateien umbenannt</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSRENAMED" numerus="yes">
    <source>%n folders renamed</source>
    <translation>
        <numerusform>%n Ordner umbenannt</numerusform>
        <numerusform>%n Ordner umbenannt</numerusform>
    </translation>
</message>
<message id="STATUSNOCHANGES">
    <source>No Changes</source>
    <translation>Keine Änderungen</translation>
</message>
<message id="STATUSFILEALREADYEXISTS">
    <source>File Already Exists</source>
    <translation>Datei existiert bereits</translation>
</message>
<message id="STATUSFOLDERALREADYEXISTS">
    <source>Folder Already Exists</source>
    <translation>Ordner existiert bereits</translation>
</message>
<message id="STATUSFILENOTFOUND">
    <source>File Not Found</source>
    <translation>Datei nicht gefunden</translation>
</message>
<message id="STATUSFOLDERNOTFOUND">
    <source>Folder Not Found</source>
    <translation>Ordner nicht gefunden</translation>
</message>
<message id="STATUSRENAMINGOK">
    <source>Renamed</source>
    <translation>Umbenannt</translation>
</message>
<message id="STATUSFILENAMEUSEDTWICE">
    <source>File Name Used Twice</source>
    <translation>Dateiname doppelt vergeben</translation>
</message>
<message id="STATUSFOLDERNAMEUSEDTWICE">
    <source>Folder Name Used Twice</source>
    <translation>Ordnername doppelt vergeben</translation>
</message>
<message id="STATUSNOTRESTORED">
    <source>Not Restored</source>
    <translation>Nicht wiederhergestellt</translation>
</message>
<message id="STATUSNAMENOTALLOWEDHERE">
    <source>Name Not Allowed Here</source>
    <translation>Name hier nicht erlaubt</translation>
</message>
<message id="OUTCOMERENAMED" numerus="yes">
    <source>%n renamed</source>
    <translation>
        <numerusform>%n umbenannt</numerusform>
        <numerusform>%n umbenannt</numerusform>
    </translation>
</message>
<message id="OUTCOMEREFUSED" numerus="yes">
    <source>%1, %n refused (%2)</source>
    <translation>
        <numerusform>%1, %n abgelehnt (%2)</numerusform>
        <numerusform>%1, %n abgelehnt (%2)</numerusform>
    </translation>
</message>
<message id="STATUSCOULDNOTRENAME">
    <source>Could Not Rename</source>
    <translation>Umbenennen nicht möglich</translation>
</message>
<message id="STATUSNAMETOOLONG">
    <source>Name Too Long</source>
    <translation>Name zu lang</translation>
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
    <translation>%1 in %2</translation>
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
    <translation>Abgebrochen: %1</translation>
</message>
<message id="NAMEISNOFILENAME">
    <source>%1 cannot be a file name</source>
    <translation>%1 kann kein Dateiname sein</translation>
</message>
<message id="NAMECHARACTERNOWHERE">
    <source>%1: %2 cannot be part of a file name</source>
    <translation>%1: %2 darf in keinem Dateinamen stehen</translation>
</message>
<message id="NAMECHARACTERNOTHERE">
    <source>%1: %2 is not allowed on this drive (%3)</source>
    <translation>%1: %2 ist auf diesem Laufwerk nicht erlaubt (%3)</translation>
</message>
<message id="NAMEENDINGNOTHERE">
    <source>%1: a name cannot end in a dot or a blank on this drive (%2)</source>
    <translation>%1: ein Name darf auf diesem Laufwerk nicht mit einem Punkt oder Leerzeichen enden (%2)</translation>
</message>
<message id="NAMETOOLONGBYTES">
    <source>%1: the name is %2 bytes long; this drive takes at most %3</source>
    <translation>%1: der Name ist %2 Bytes lang; dieses Laufwerk erlaubt höchstens %3</translation>
</message>
<message id="NAMETOOLONGUNITS">
    <source>%1: the name is %2 characters long; this drive (%3) takes at most %4</source>
    <translation>%1: der Name ist %2 Zeichen lang; dieses Laufwerk (%3) erlaubt höchstens %4</translation>
</message>
<message id="NAMESREFUSEDMORE" numerus="yes">
    <source>%1 (and %n more)</source>
    <translation>
        <numerusform>%1 (und %n weiterer)</numerusform>
        <numerusform>%1 (und %n weitere)</numerusform>
    </translation>
</message>
<message id="LEFTOUTNOTUTF8">
    <source>%1 cannot be renamed safely yet: its name is not UTF-8</source>
    <translation>%1 kann noch nicht sicher umbenannt werden: sein Name ist kein UTF-8</translation>
</message>
<message id="REFUSEDNAMENOTUTF8">
    <source>Name Not UTF-8</source>
    <translation>Name kein UTF-8</translation>
</message>
<message id="SLASHWRITTENASCOLON">
    <source>A “/” cannot be part of a name: it is written as “:”. Help (F1) tells how to use another character.</source>
    <translation>Ein „/“ kann nicht Teil eines Namens sein: Es wird als „:“ geschrieben. Die Hilfe (F1) erklärt, wie Sie ein anderes Zeichen verwenden.</translation>
</message>
<message id="OUTCOMEREASONWHY">
    <source>%1 (%2)</source>
    <translation>%1 (%2)</translation>
</message>
<message id="OUTCOMERESERVEDRENAMES">
    <source>%1; on this drive renames are checked, not atomic</source>
    <translation>%1; auf diesem Laufwerk werden Umbenennungen geprüft, nicht atomar ausgeführt</translation>
</message>
<message id="MOVERUNGNOREPLACE">
    <source>Renaming in %1 with atomic moves that never replace a file</source>
    <translation>Umbenennen in %1 mit atomaren Verschiebungen, die nie eine Datei ersetzen</translation>
</message>
<message id="MOVERUNGLINK">
    <source>Renaming in %1 through a hard link, then removing the old name (atomic, never replacing a file)</source>
    <translation>Umbenennen in %1 über einen harten Link und das Entfernen des alten Namens (atomar, ersetzt nie eine Datei)</translation>
</message>
<message id="MOVERUNGRESERVED">
    <source>Renaming in %1 onto a placeholder reserved first (checked, not atomic)</source>
    <translation>Umbenennen in %1 auf einen zuvor reservierten Platzhalter (geprüft, nicht atomar)</translation>
</message>
<message id="MOVEREASONUNRECORDABLE">
    <source>the rename log cannot hold its name</source>
    <translation>das Umbenennungsprotokoll kann seinen Namen nicht aufnehmen</translation>
</message>
<message id="PHOTOEXTENSIONSKIPPED" numerus="yes">
    <source>%n files skipped: %1 is not in the photo extensions</source>
    <translation>
        <numerusform>%n Datei übersprungen: %1 steht nicht in den Foto-Dateiendungen</numerusform>
        <numerusform>%n Dateien übersprungen: %1 steht nicht in den Foto-Dateiendungen</numerusform>
    </translation>
</message>
<message id="PHOTOEXTENSIONSSKIPPED" numerus="yes">
    <source>%n files skipped: %1 are not in the photo extensions</source>
    <translation>
        <numerusform>%n Datei übersprungen: %1 stehen nicht in den Foto-Dateiendungen</numerusform>
        <numerusform>%n Dateien übersprungen: %1 stehen nicht in den Foto-Dateiendungen</numerusform>
    </translation>
</message>
<message id="ADDSKIPPEDEXTENSION">
    <source>Add It</source>
    <translation>Hinzufügen</translation>
</message>
<message id="ADDSKIPPEDEXTENSIONS">
    <source>Add Them</source>
    <translation>Hinzufügen</translation>
</message>
<message id="PHOTOEXTENSIONSADDED">
    <source>Added to the photo extensions: %1</source>
    <translation>Zu den Foto-Dateiendungen hinzugefügt: %1</translation>
</message>
<message id="DATESOURCETIP">
    <source>Capture date from %1</source>
    <translation>Aufnahmedatum aus %1</translation>
</message>
<message id="DATESOURCEEXIF">
    <source>the EXIF data</source>
    <translation>den EXIF-Daten</translation>
</message>
<message id="DATESOURCEXMP">
    <source>the XMP data</source>
    <translation>den XMP-Daten</translation>
</message>
<message id="DATESOURCEQUICKTIMEKEY">
    <source>the QuickTime creation date</source>
    <translation>dem QuickTime-Erstellungsdatum</translation>
</message>
<message id="DATESOURCEMOVIEHEADER">
    <source>the movie header</source>
    <translation>dem Film-Header</translation>
</message>
<message id="LOADINGMESSAGE">
    <source>Adding %1, please wait...</source>
    <translation>%1 werden hinzugefügt, bitte warten...</translation>
</message>
<message id="LOADINGTIME">
    <source>Adding items</source>
    <translation>Hinzufügen der Elemente</translation>
</message>
<message id="NOFILESATTOPOFFOLDER">
    <source>No files at the top of this folder; tick Include subfolders to go deeper</source>
    <translation>Keine Dateien auf der obersten Ebene dieses Ordners; kreuzen Sie Unterordner einbeziehen an, um tiefer zu gehen</translation>
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
    <source>%1 in %2</source>
    <translation>%1 in %2</translation>
</message>
<message id="ITEMRENAMINGTITLE">
    <source>Rename</source>
    <translation>Umbenennen</translation>
</message>
<message id="ITEMRENAMINGCOUNTMESSAGE" numerus="yes">
    <source>Rename %n items to the new names shown in the list?</source>
    <translation>
        <numerusform>%n Element in den in der Liste gezeigten neuen Namen umbenennen?</numerusform>
        <numerusform>%n Elemente in die in der Liste gezeigten neuen Namen umbenennen?</numerusform>
    </translation>
</message>
<message id="ITEMRENAMINGONEMESSAGE">
    <source>Rename this item to the new name shown in the list?</source>
    <translation>Dieses Element in den in der Liste gezeigten neuen Namen umbenennen?</translation>
</message>
<message id="ITEMRENAMINGPARTMESSAGE">
    <source>Rename %1 of %2 items? %3</source>
    <translation>%1 von %2 Elementen umbenennen? %3</translation>
</message>
<message id="ITEMRENAMINGREFUSEDMESSAGE" numerus="yes">
    <source>%n are refused (%1).</source>
    <translation>
        <numerusform>%n wird abgelehnt (%1).</numerusform>
        <numerusform>%n werden abgelehnt (%1).</numerusform>
    </translation>
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
<message id="INVALIDREGULAREXPRESSION">
    <source>The regular expression is not valid at position %1: %2</source>
    <translation>Der reguläre Ausdruck ist an Position %1 ungültig: %2</translation>
</message>
<message id="UNKNOWNENCODING">
    <source>No encoding is named "%1". Enter an ICU converter name, such as windows-1252 or ISO-8859-15.</source>
    <translation>Keine Kodierung heißt „%1“. Geben Sie einen ICU-Konverternamen ein, etwa windows-1252 oder ISO-8859-15.</translation>
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
<message id="PROFILECHANGEDTITLE">
    <source>%1 (changed)</source>
    <translation>%1 (geändert)</translation>
</message>
<message id="PROFILESAVECHANGESTITLE">
    <source>Save the changes to %1?</source>
    <translation>Änderungen an %1 speichern?</translation>
</message>
<message id="PROFILESAVECHANGESMESSAGE">
    <source>The settings differ from the profile. If you don't save them, the profile stays as it was.</source>
    <translation>Die Einstellungen weichen vom Profil ab. Wenn Sie sie nicht speichern, bleibt das Profil, wie es war.</translation>
</message>
<message id="DONTSAVE">
    <source>Don't Save</source>
    <translation>Nicht speichern</translation>
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
<message id="PREFERENCESFOLDERUNUSABLE">
    <source>The folder “%1” cannot be created or written to. Choose another folder; nothing was saved.</source>
    <translation>Der Ordner „%1“ kann nicht angelegt oder nicht beschrieben werden. Wählen Sie einen anderen Ordner; es wurde nichts gespeichert.</translation>
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
<message id="EXPORTFILESSKIPPED" numerus="yes">
    <source>%n items were left out because a name or folder holds a tab or a line break.</source>
    <translation>
        <numerusform>%n Element wurde ausgelassen, weil ein Name oder Ordner einen Tabulator oder Zeilenumbruch enthält.</numerusform>
        <numerusform>%n Elemente wurden ausgelassen, weil ein Name oder Ordner einen Tabulator oder Zeilenumbruch enthält.</numerusform>
    </translation>
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
<message id="UNDOCONFIRMMESSAGE" numerus="yes">
    <source>Give the %n items this log renamed their earlier names back?</source>
    <translation>
        <numerusform>Dem %n Element, das dieses Protokoll umbenannt hat, seinen früheren Namen zurückgeben?</numerusform>
        <numerusform>Den %n Elementen, die dieses Protokoll umbenannt hat, ihre früheren Namen zurückgeben?</numerusform>
    </translation>
</message>
<message id="OPENDOCUMENTNOHANDLER">
    <source>No application on this computer opens “%1”. Set one for this type of file in the desktop's settings.</source>
    <translation>Kein Programm auf diesem Rechner öffnet „%1“. Legen Sie in den Einstellungen der Arbeitsumgebung eines für diesen Dateityp fest.</translation>
</message>
<message id="UNDOINGITEMS">
    <source>Undoing the renames, please wait...</source>
    <translation>Die Umbenennungen werden rückgängig gemacht, bitte warten...</translation>
</message>
<message id="CHECKINGLOGFILE">
    <source>Checking the rename log...</source>
    <translation>Das Umbenennungsprotokoll wird geprüft...</translation>
</message>
<message id="ITEMSRESTORED" numerus="yes">
    <source>%n items restored</source>
    <translation>
        <numerusform>%n Element wiederhergestellt</numerusform>
        <numerusform>%n Elemente wiederhergestellt</numerusform>
    </translation>
</message>
<message id="TOTALLOGFILES" numerus="yes">
    <source>%n rename logs</source>
    <translation>
        <numerusform>%n Umbenennungsprotokoll</numerusform>
        <numerusform>%n Umbenennungsprotokolle</numerusform>
    </translation>
</message>
<message id="TOTALNOSRENAMEDITEMSFOUND" numerus="yes">
    <source>%n renamed items in this log</source>
    <translation>
        <numerusform>%n umbenanntes Element in diesem Protokoll</numerusform>
        <numerusform>%n umbenannte Elemente in diesem Protokoll</numerusform>
    </translation>
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
<message id="UNDONOTRESTOREDITEM">
    <source>%1 could not be moved back to %2: %3</source>
    <translation>%1 konnte nicht nach %2 zurückbewegt werden: %3</translation>
</message>
<message id="UNDONOTRESTOREDMORE">
    <source>… and %1 more.</source>
    <translation>… und %1 weitere.</translation>
</message>
<message id="UNDOLOGKEPT">
    <source>The log was kept with the %1 entries that can still be undone.</source>
    <translation>Das Protokoll wurde mit den %1 Einträgen behalten, die noch rückgängig gemacht werden können.</translation>
</message>
<message id="UNDOLOGKEPTWHOLE">
    <source>The log was kept as it was (it could not be rewritten: %1).</source>
    <translation>Das Protokoll wurde unverändert behalten (es konnte nicht neu geschrieben werden: %1).</translation>
</message>
<message id="UNDOREASONGONE">
    <source>it is no longer there</source>
    <translation>es ist nicht mehr dort</translation>
</message>
<message id="UNDOREASONTAKEN">
    <source>another item has that name</source>
    <translation>ein anderes Objekt trägt diesen Namen</translation>
</message>
<message id="UNDOREASONOTHERFILESYSTEM">
    <source>the two folders are on different file systems and nothing is copied between them</source>
    <translation>die beiden Ordner liegen auf verschiedenen Dateisystemen, und zwischen ihnen wird nichts kopiert</translation>
</message>
<message id="UNDOREASONMOVEFAILED">
    <source>the move failed (%1)</source>
    <translation>das Verschieben schlug fehl (%1)</translation>
</message>
<message id="UNDOREASONINVALIDENTRY">
    <source>the log entry is incomplete</source>
    <translation>der Protokolleintrag ist unvollständig</translation>
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
<message id="UNDOCONFIRM" numerus="yes">
    <source>Undo the %n renames recorded in %1?</source>
    <translation>
        <numerusform>Die %n in %1 aufgezeichnete Umbenennung rückgängig machen?</numerusform>
        <numerusform>Die %n in %1 aufgezeichneten Umbenennungen rückgängig machen?</numerusform>
    </translation>
</message>
<message id="MENUFILE">
    <source>&amp;File</source>
    <translation>&amp;Datei</translation>
</message>
<message id="MENUEDIT">
    <source>&amp;Edit</source>
    <translation>&amp;Bearbeiten</translation>
</message>
<message id="MENURENAME">
    <source>&amp;Rename</source>
    <translation>&amp;Umbenennen</translation>
</message>
<message id="MENURULES">
    <source>R&amp;ules</source>
    <translation>Re&amp;geln</translation>
</message>
<message id="MENUTOOLS">
    <source>&amp;Tools</source>
    <translation>E&amp;xtras</translation>
</message>
<message id="MENUHELP">
    <source>&amp;Help</source>
    <translation>&amp;Hilfe</translation>
</message>
<message id="TOOLBAR">
    <source>Main toolbar</source>
    <translation>Hauptwerkzeugleiste</translation>
</message>
<message id="ACTIONADD">
    <source>Add…</source>
    <translation>Hinzufügen…</translation>
</message>
<message id="ACTIONADDFROMFILEMANAGER">
    <source>Add Copied Items</source>
    <translation>Kopierte Objekte hinzufügen</translation>
</message>
<message id="ACTIONCLEAR">
    <source>Clear List</source>
    <translation>Liste leeren</translation>
</message>
<message id="ACTIONREMOVE">
    <source>Remove</source>
    <translation>Entfernen</translation>
</message>
<message id="ACTIONMOVEUP">
    <source>Move Up</source>
    <translation>Nach oben</translation>
</message>
<message id="ACTIONMOVEDOWN">
    <source>Move Down</source>
    <translation>Nach unten</translation>
</message>
<message id="ACTIONPREVIEW">
    <source>Preview</source>
    <translation>Vorschau</translation>
</message>
<message id="ACTIONAPPLY">
    <source>Rename</source>
    <translation>Umbenennen</translation>
</message>
<message id="ACTIONCANCEL">
    <source>Cancel</source>
    <translation>Abbrechen</translation>
</message>
<message id="ACTIONLIVEPREVIEW">
    <source>Live Preview</source>
    <translation>Live-Vorschau</translation>
</message>
<message id="ACTIONLIVEPREVIEWOPTIONS">
    <source>Live Preview Options…</source>
    <translation>Optionen der Live-Vorschau…</translation>
</message>
<message id="ACTIONLOADPROFILE">
    <source>Open Profile…</source>
    <translation>Profil öffnen…</translation>
</message>
<message id="ACTIONSAVEPROFILE">
    <source>Save Profile</source>
    <translation>Profil speichern</translation>
</message>
<message id="ACTIONSAVEASPROFILE">
    <source>Save Profile As…</source>
    <translation>Profil speichern unter…</translation>
</message>
<message id="ACTIONDEFAULTSETTINGS">
    <source>Factory Settings</source>
    <translation>Werkseinstellungen</translation>
</message>
<message id="ACTIONLASTSETTINGS">
    <source>Settings of the Last Session</source>
    <translation>Einstellungen der letzten Sitzung</translation>
</message>
<message id="ACTIONSHOWLOGS">
    <source>Show Rename Logs Folder</source>
    <translation>Ordner der Protokolle zeigen</translation>
</message>
<message id="ACTIONHELP">
    <source>Help for This Method</source>
    <translation>Hilfe zu dieser Methode</translation>
</message>
<message id="ACTIONABOUT">
    <source>About Quorvel</source>
    <translation>Über Quorvel</translation>
</message>
<message id="ACTIONQUIT">
    <source>Quit</source>
    <translation>Beenden</translation>
</message>
<message id="ABOUTTEXT">
    <source>Renames files and folders in batches, with a preview of every new name and a log from which each batch can be undone.</source>
    <translation>Benennt Dateien und Ordner stapelweise um, mit einer Vorschau jedes neuen Namens und einem Protokoll, mit dem sich jeder Stapel rückgängig machen lässt.</translation>
</message>
<message id="ABOUTLICENCE">
    <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty.</source>
    <translation>Freie Software unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later), ohne jede Gewährleistung.</translation>
</message>
<message id="ABOUTIPTCCREDIT">
    <source>Subject code names: IPTC Subject NewsCodes, International Press Telecommunications Council, CC BY 4.0.</source>
    <translation>Namen der Themencodes: IPTC Subject NewsCodes, International Press Telecommunications Council, CC BY 4.0.</translation>
</message>
<message id="TIPADD">
    <source>Add files or folders to the list</source>
    <translation>Dateien oder Ordner zur Liste hinzufügen</translation>
</message>
<message id="TIPADDFROMFILEMANAGER">
    <source>Add the items copied in the file manager</source>
    <translation>Die im Dateimanager kopierten Objekte hinzufügen</translation>
</message>
<message id="TIPCLEAR">
    <source>Remove every item from the list</source>
    <translation>Alle Objekte aus der Liste entfernen</translation>
</message>
<message id="TIPREMOVE">
    <source>Remove the selected items from the list</source>
    <translation>Die ausgewählten Objekte aus der Liste entfernen</translation>
</message>
<message id="TIPMOVEUP">
    <source>Move the selected items up</source>
    <translation>Die ausgewählten Objekte nach oben schieben</translation>
</message>
<message id="TIPMOVEDOWN">
    <source>Move the selected items down</source>
    <translation>Die ausgewählten Objekte nach unten schieben</translation>
</message>
<message id="TIPPREVIEW">
    <source>Show the new name of every item</source>
    <translation>Den neuen Namen jedes Objekts anzeigen</translation>
</message>
<message id="TIPAPPLY">
    <source>Rename the items on disk as previewed</source>
    <translation>Die Objekte wie in der Vorschau auf dem Datenträger umbenennen</translation>
</message>
<message id="TIPCANCEL">
    <source>Stop the running task</source>
    <translation>Die laufende Aufgabe anhalten</translation>
</message>
<message id="TIPLIVEPREVIEW">
    <source>Update the new names while the options change</source>
    <translation>Die neuen Namen während der Änderung der Optionen aktualisieren</translation>
</message>
<message id="TIPLOADPROFILE">
    <source>Open the settings saved in a profile</source>
    <translation>Die in einem Profil gespeicherten Einstellungen öffnen</translation>
</message>
<message id="TIPSAVEPROFILE">
    <source>Save the settings in the current profile</source>
    <translation>Die Einstellungen im aktuellen Profil speichern</translation>
</message>
<message id="TIPDEFAULTSETTINGS">
    <source>Set every option back to its default</source>
    <translation>Jede Option auf ihren Standardwert zurücksetzen</translation>
</message>
<message id="TIPLASTSETTINGS">
    <source>Restore the settings and rules of the last session</source>
    <translation>Die Einstellungen und Regeln der letzten Sitzung wiederherstellen</translation>
</message>
<message id="TIPTABHELP">
    <source>Help for the selected method</source>
    <translation>Hilfe zur ausgewählten Methode</translation>
</message>
<message id="TIPFILELIST">
    <source>Drop files and folders here. Ctrl+Up and Ctrl+Down move the selected items, Delete removes them.</source>
    <translation>Dateien und Ordner hier ablegen. Strg+Auf und Strg+Ab verschieben die ausgewählten Objekte, Entf entfernt sie.</translation>
</message>
<message id="TIPSCOPEFILES">
    <source>The list holds files; folders added are searched for files</source>
    <translation>Die Liste enthält Dateien; hinzugefügte Ordner werden nach Dateien durchsucht</translation>
</message>
<message id="TIPSCOPEFOLDERS">
    <source>The list holds folders</source>
    <translation>Die Liste enthält Ordner</translation>
</message>
<message id="TIPINCLUDESUBFOLDERS">
    <source>Also take what the subfolders of an added folder hold</source>
    <translation>Auch den Inhalt der Unterordner eines hinzugefügten Ordners übernehmen</translation>
</message>
<message id="TIPSEPARATOR">
    <source>Text between two parts</source>
    <translation>Text zwischen zwei Teilen</translation>
</message>
<message id="TIPPADDINGMASK">
    <source>Zeros that set the width of the number, for example 000 gives 007</source>
    <translation>Nullen, die die Breite der Zahl festlegen, zum Beispiel ergibt 000 die 007</translation>
</message>
<message id="TIPNUMERICSTART">
    <source>The number of the first item</source>
    <translation>Die Nummer des ersten Objekts</translation>
</message>
<message id="TIPALPHABETICSTART">
    <source>The letters of the first item</source>
    <translation>Die Buchstaben des ersten Objekts</translation>
</message>
<message id="TIPINSERTTEXT">
    <source>The text to insert into every name</source>
    <translation>Der in jeden Namen einzufügende Text</translation>
</message>
<message id="TIPREPLACEFIND">
    <source>The text to look for in every name</source>
    <translation>Der in jedem Namen zu suchende Text</translation>
</message>
<message id="TIPREGULAREXPRESSION">
    <source>Read the text to find as a regular expression; the replacement may name groups as \1 or $1</source>
    <translation>Den Suchtext als regulären Ausdruck lesen; die Ersetzung kann Gruppen als \1 oder $1 nennen</translation>
</message>
<message id="TIPFILENAMEMASK">
    <source>A pattern of the new name; see the help of this method</source>
    <translation>Ein Muster des neuen Namens; siehe die Hilfe zu dieser Methode</translation>
</message>
<message id="TIPTRANSLITERATE">
    <source>Letters of every script written with plain Latin letters (ß becomes ss)</source>
    <translation>Buchstaben jeder Schrift mit einfachen lateinischen Buchstaben geschrieben (ß wird ss)</translation>
</message>
<message id="TIPWINDOWSCOMPATIBLE">
    <source>The text that replaces characters other systems do not allow in names</source>
    <translation>Der Text, der Zeichen ersetzt, die andere Systeme in Namen nicht erlauben</translation>
</message>
<message id="TIPREPAIRENCODING">
    <source>Gives back their letters to names written in UTF-8 but read in this encoding ("cafÃ©" becomes "café"); any ICU converter name</source>
    <translation>Gibt Namen, die in UTF-8 geschrieben, aber in dieser Kodierung gelesen wurden, ihre Buchstaben zurück („cafÃ©“ wird „café“); jeder ICU-Konvertername</translation>
</message>
<message id="TIPAUDIOMASK">
    <source>The tags that make the new name, in order</source>
    <translation>Die Tags, aus denen der neue Name besteht, in ihrer Reihenfolge</translation>
</message>
<message id="TIPPHOTOMASK">
    <source>The metadata fields that make the new name, in order</source>
    <translation>Die Metadatenfelder, aus denen der neue Name besteht, in ihrer Reihenfolge</translation>
</message>
<message id="TIPVIDEOTIMESARELOCAL">
    <source>Movies record when they were taken in UTC, shown here in your time zone. Some cameras write their own local time instead: turn this on for them. A QuickTime creation date is always used as written.</source>
    <translation>Videos speichern die Aufnahmezeit in UTC; hier wird sie in Ihrer Zeitzone angezeigt. Manche Kameras schreiben stattdessen ihre Ortszeit: Schalten Sie dies für sie ein. Ein QuickTime-Erstellungsdatum wird immer so verwendet, wie es geschrieben ist.</translation>
</message>
<message id="TIPPATHLEVEL">
    <source>1 is the folder that holds the item, 2 the folder above it, and so on</source>
    <translation>1 ist der Ordner, der das Objekt enthält, 2 der Ordner darüber und so weiter</translation>
</message>
<message id="DROPHINT">
    <source>Drop files and folders here, or use Add</source>
    <translation>Dateien und Ordner hier ablegen oder Hinzufügen verwenden</translation>
</message>
<message id="NOFILEMANAGERSELECTION">
    <source>Copy some files or folders in the file manager first.</source>
    <translation>Kopieren Sie zuerst Dateien oder Ordner im Dateimanager.</translation>
</message>
<message id="FILETYPE">
    <source>Kind</source>
    <translation>Art</translation>
</message>
<message id="SCOPERENAME">
    <source>Rename:</source>
    <translation>Umbenennen:</translation>
</message>
<message id="SCOPEFILES">
    <source>Files</source>
    <translation>Dateien</translation>
</message>
<message id="SCOPEFOLDERS">
    <source>Folders</source>
    <translation>Ordner</translation>
</message>
<message id="INCLUDESUBFOLDERS">
    <source>Include subfolders</source>
    <translation>Unterordner einbeziehen</translation>
</message>
<message id="TABSEQUENCE">
    <source>Sequence</source>
    <translation>Folge</translation>
</message>
<message id="TABINSERTDELETE">
    <source>Insert/Delete</source>
    <translation>Einfügen/Löschen</translation>
</message>
<message id="TABREPLACEREMOVE">
    <source>Replace/Remove</source>
    <translation>Ersetzen/Entfernen</translation>
</message>
<message id="TABPREFIXSUFFIX">
    <source>Prefix/Suffix</source>
    <translation>Präfix/Suffix</translation>
</message>
<message id="TABDATETIME">
    <source>Date &amp; Time</source>
    <translation>Datum &amp; Uhrzeit</translation>
</message>
<message id="TABGENERAL">
    <source>General</source>
    <translation>Allgemein</translation>
</message>
<message id="TABAUDIO">
    <source>Audio Tags</source>
    <translation>Audio-Tags</translation>
</message>
<message id="TABPHOTO">
    <source>Photo</source>
    <translation>Foto</translation>
</message>
<message id="TABPATHCOMPONENTS">
    <source>Folder Names</source>
    <translation>Ordnernamen</translation>
</message>
<message id="TABRENAMEFROMLIST">
    <source>From List</source>
    <translation>Aus Liste</translation>
</message>
<message id="SEQUENCEKIND">
    <source>Sequence of</source>
    <translation>Folge aus</translation>
</message>
<message id="SEQUENCENUMBERS">
    <source>Numbers</source>
    <translation>Zahlen</translation>
</message>
<message id="SEQUENCELETTERS">
    <source>Letters</source>
    <translation>Buchstaben</translation>
</message>
<message id="SEQUENCEDIRECTION">
    <source>Direction</source>
    <translation>Richtung</translation>
</message>
<message id="SEQUENCEINCREMENT">
    <source>Increasing</source>
    <translation>Aufsteigend</translation>
</message>
<message id="SEQUENCEDECREMENT">
    <source>Decreasing</source>
    <translation>Absteigend</translation>
</message>
<message id="SEQUENCEVALUES">
    <source>Values</source>
    <translation>Werte</translation>
</message>
<message id="SEQUENCENUMERICSTART">
    <source>Start with number:</source>
    <translation>Mit Zahl beginnen:</translation>
</message>
<message id="SEQUENCEALPHABETICSTART">
    <source>Start with letters:</source>
    <translation>Mit Buchstaben beginnen:</translation>
</message>
<message id="SEQUENCEINCREMENTBY">
    <source>Increase by:</source>
    <translation>Erhöhen um:</translation>
</message>
<message id="SEQUENCEDECREMENTBY">
    <source>Decrease by:</source>
    <translation>Verringern um:</translation>
</message>
<message id="SEQUENCEPADDINGMASK">
    <source>Padding mask:</source>
    <translation>Auffüllmaske:</translation>
</message>
<message id="SEQUENCEPLACEMENT">
    <source>Placement</source>
    <translation>Platzierung</translation>
</message>
<message id="SEQUENCEASPREFIX">
    <source>Before the name</source>
    <translation>Vor dem Namen</translation>
</message>
<message id="SEQUENCEASSUFFIX">
    <source>After the name</source>
    <translation>Nach dem Namen</translation>
</message>
<message id="SEQUENCESEPARATOR">
    <source>Separate from the name with:</source>
    <translation>Vom Namen trennen mit:</translation>
</message>
<message id="SEQUENCERESETEACHFOLDER">
    <source>Start the sequence again in each folder</source>
    <translation>Die Folge in jedem Ordner neu beginnen</translation>
</message>
<message id="INSERTGROUP">
    <source>Insert</source>
    <translation>Einfügen</translation>
</message>
<message id="DELETEGROUP">
    <source>Delete</source>
    <translation>Löschen</translation>
</message>
<message id="INSERTDELETEINSERT">
    <source>Insert the text:</source>
    <translation>Den Text einfügen:</translation>
</message>
<message id="INSERTDELETEDELETE">
    <source>Delete characters</source>
    <translation>Zeichen löschen</translation>
</message>
<message id="DELETECOUNT">
    <source>Number of characters:</source>
    <translation>Anzahl der Zeichen:</translation>
</message>
<message id="DELETEFROMPOSITION">
    <source>from position:</source>
    <translation>ab Position:</translation>
</message>
<message id="DELETEFROMEND">
    <source>Counted from the end</source>
    <translation>Vom Ende gezählt</translation>
</message>
<message id="ATBEGINNING">
    <source>At the beginning</source>
    <translation>Am Anfang</translation>
</message>
<message id="ATEND">
    <source>At the end</source>
    <translation>Am Ende</translation>
</message>
<message id="ATPOSITION">
    <source>At position:</source>
    <translation>An Position:</translation>
</message>
<message id="BEFORETEXT">
    <source>Before the text:</source>
    <translation>Vor dem Text:</translation>
</message>
<message id="AFTERTEXT">
    <source>After the text:</source>
    <translation>Nach dem Text:</translation>
</message>
<message id="OCCURRENCE">
    <source>Occurrence:</source>
    <translation>Vorkommen:</translation>
</message>
<message id="FROMTHESTART">
    <source>from the start</source>
    <translation>vom Anfang</translation>
</message>
<message id="FROMTHEEND">
    <source>from the end</source>
    <translation>vom Ende</translation>
</message>
<message id="REPLACEMODE">
    <source>Replace</source>
    <translation>Ersetzen</translation>
</message>
<message id="REMOVEMODE">
    <source>Remove</source>
    <translation>Entfernen</translation>
</message>
<message id="REMOVECHARACTERSMODE">
    <source>Remove each of the characters</source>
    <translation>Jedes der Zeichen entfernen</translation>
</message>
<message id="REPLACETEXTS">
    <source>Texts</source>
    <translation>Texte</translation>
</message>
<message id="REPLACEFIND">
    <source>Find:</source>
    <translation>Suchen:</translation>
</message>
<message id="REPLACEWITH">
    <source>Replace with:</source>
    <translation>Ersetzen durch:</translation>
</message>
<message id="CASESENSITIVE">
    <source>Match case</source>
    <translation>Groß-/Kleinschreibung beachten</translation>
</message>
<message id="ALLOCCURRENCES">
    <source>Every occurrence</source>
    <translation>Jedes Vorkommen</translation>
</message>
<message id="REGULAREXPRESSION">
    <source>Regular expression</source>
    <translation>Regulärer Ausdruck</translation>
</message>
<message id="REPLACEWHERE">
    <source>Where</source>
    <translation>Wo</translation>
</message>
<message id="STARTFROMCHARACTER">
    <source>Start at character:</source>
    <translation>Bei Zeichen beginnen:</translation>
</message>
<message id="STARTONOCCURRENCE">
    <source>Start at occurrence:</source>
    <translation>Bei Vorkommen beginnen:</translation>
</message>
<message id="OCCURRENCECOUNT">
    <source>Number of occurrences:</source>
    <translation>Anzahl der Vorkommen:</translation>
</message>
<message id="PREFIXSUFFIXTEXTGROUP">
    <source>Text</source>
    <translation>Text</translation>
</message>
<message id="PREFIXSUFFIXDATEGROUP">
    <source>File date</source>
    <translation>Dateidatum</translation>
</message>
<message id="PREFIXSUFFIXTEXT">
    <source>Add texts before and after the name</source>
    <translation>Texte vor und nach dem Namen hinzufügen</translation>
</message>
<message id="PREFIXSUFFIXDATE">
    <source>Add the file's date</source>
    <translation>Das Datum der Datei hinzufügen</translation>
</message>
<message id="PREFIX">
    <source>Prefix:</source>
    <translation>Präfix:</translation>
</message>
<message id="SUFFIX">
    <source>Suffix:</source>
    <translation>Suffix:</translation>
</message>
<message id="FILEDATE">
    <source>Which date:</source>
    <translation>Welches Datum:</translation>
</message>
<message id="ASPREFIX">
    <source>Before the name</source>
    <translation>Vor dem Namen</translation>
</message>
<message id="ASSUFFIX">
    <source>After the name</source>
    <translation>Nach dem Namen</translation>
</message>
<message id="DATECREATED">
    <source>Date created</source>
    <translation>Erstellungsdatum</translation>
</message>
<message id="DATEMODIFIED">
    <source>Date modified</source>
    <translation>Änderungsdatum</translation>
</message>
<message id="DATECUSTOM">
    <source>This date:</source>
    <translation>Dieses Datum:</translation>
</message>
<message id="DATEPARTS">
    <source>Date:</source>
    <translation>Datum:</translation>
</message>
<message id="TIMEPARTS">
    <source>Time:</source>
    <translation>Uhrzeit:</translation>
</message>
<message id="DATEPARTNONE">
    <source>None</source>
    <translation>Keiner</translation>
</message>
<message id="TEXTBEFOREDATE">
    <source>Text before the date:</source>
    <translation>Text vor dem Datum:</translation>
</message>
<message id="TEXTAFTERDATE">
    <source>Text after the date:</source>
    <translation>Text nach dem Datum:</translation>
</message>
<message id="DATESOURCE">
    <source>Which date</source>
    <translation>Welches Datum</translation>
</message>
<message id="PLACEMENT">
    <source>Where</source>
    <translation>Wo</translation>
</message>
<message id="DATEFORMAT">
    <source>Format</source>
    <translation>Format</translation>
</message>
<message id="DATETIMESEPARATOR">
    <source>Between date and time:</source>
    <translation>Zwischen Datum und Uhrzeit:</translation>
</message>
<message id="REPLACECOLONWITH">
    <source>Replace ":" with:</source>
    <translation>„:“ ersetzen durch:</translation>
</message>
<message id="GENERALOPERATION">
    <source>Change</source>
    <translation>Änderung</translation>
</message>
<message id="CONVERTFILENAMECASE">
    <source>Change the case of the name:</source>
    <translation>Schreibweise des Namens ändern:</translation>
</message>
<message id="CONVERTEXTENSIONCASE">
    <source>Change the case of the extension:</source>
    <translation>Schreibweise der Endung ändern:</translation>
</message>
<message id="UPPERCASE">
    <source>UPPER CASE</source>
    <translation>GROSSBUCHSTABEN</translation>
</message>
<message id="LOWERCASE">
    <source>lower case</source>
    <translation>kleinbuchstaben</translation>
</message>
<message id="PROPERCASE">
    <source>Capitalised Words</source>
    <translation>Wörter Groß Beginnen</translation>
</message>
<message id="REMOVEEXTENSION">
    <source>Remove the extension</source>
    <translation>Endung entfernen</translation>
</message>
<message id="CHANGEEXTENSION">
    <source>Change the extension to:</source>
    <translation>Endung ändern in:</translation>
</message>
<message id="REVERSEFILENAME">
    <source>Reverse the name</source>
    <translation>Namen umkehren</translation>
</message>
<message id="REMOVESPACES">
    <source>Remove spaces</source>
    <translation>Leerzeichen entfernen</translation>
</message>
<message id="SWAPFROMSEPARATOR">
    <source>Swap the parts around:</source>
    <translation>Teile vertauschen um:</translation>
</message>
<message id="SWAPFROMPOSITION">
    <source>Swap the parts at position:</source>
    <translation>Teile vertauschen an Position:</translation>
</message>
<message id="REMOVEAFTERTEXT">
    <source>Remove what follows:</source>
    <translation>Entfernen, was folgt auf:</translation>
</message>
<message id="REMOVEFROMTEXT">
    <source>Remove from:</source>
    <translation>Entfernen ab:</translation>
</message>
<message id="FILENAMEMASK">
    <source>Name pattern:</source>
    <translation>Namensmuster:</translation>
</message>
<message id="WINDOWSCOMPATIBLE">
    <source>Make names safe for other systems, replacing with:</source>
    <translation>Namen für andere Systeme sicher machen, ersetzen durch:</translation>
</message>
<message id="TRANSLITERATE">
    <source>Transliterate to plain Latin</source>
    <translation>In einfaches Latein transliterieren</translation>
</message>
<message id="REPAIRENCODING">
    <source>Repair the name's encoding, read as:</source>
    <translation>Kodierung des Namens reparieren, gelesen als:</translation>
</message>
<message id="AUDIOMASK">
    <source>New name from tags</source>
    <translation>Neuer Name aus Tags</translation>
</message>
<message id="AUDIOOPTIONS">
    <source>Options</source>
    <translation>Optionen</translation>
</message>
<message id="AUDIOEXTENSIONS">
    <source>Audio files renamed</source>
    <translation>Umbenannte Audiodateien</translation>
</message>
<message id="PHOTOMASK">
    <source>New name from metadata</source>
    <translation>Neuer Name aus Metadaten</translation>
</message>
<message id="PHOTOOPTIONS">
    <source>Options</source>
    <translation>Optionen</translation>
</message>
<message id="PHOTOEXTENSIONS">
    <source>Image files renamed</source>
    <translation>Umbenannte Bilddateien</translation>
</message>
<message id="MASK">
    <source>Mask:</source>
    <translation>Maske:</translation>
</message>
<message id="ADDTAG">
    <source>Add Tag</source>
    <translation>Tag hinzufügen</translation>
</message>
<message id="ADDFIELD">
    <source>Add Field</source>
    <translation>Feld hinzufügen</translation>
</message>
<message id="EDITMASK">
    <source>Edit…</source>
    <translation>Bearbeiten…</translation>
</message>
<message id="CLEARMASK">
    <source>Clear</source>
    <translation>Leeren</translation>
</message>
<message id="EDITEXTENSIONS">
    <source>Edit…</source>
    <translation>Bearbeiten…</translation>
</message>
<message id="SEPARATEWITH">
    <source>Separate the parts with:</source>
    <translation>Teile trennen mit:</translation>
</message>
<message id="TAGARTIST">
    <source>Artist</source>
    <translation>Interpret</translation>
</message>
<message id="TAGYEAR">
    <source>Year</source>
    <translation>Jahr</translation>
</message>
<message id="TAGGENRE">
    <source>Genre</source>
    <translation>Genre</translation>
</message>
<message id="TAGTITLE">
    <source>Title</source>
    <translation>Titel</translation>
</message>
<message id="TAGALBUM">
    <source>Album</source>
    <translation>Album</translation>
</message>
<message id="TAGCOMMENTS">
    <source>Comments</source>
    <translation>Kommentare</translation>
</message>
<message id="TAGTRACKNUMBER">
    <source>Track number</source>
    <translation>Titelnummer</translation>
</message>
<message id="TAGCOMPOSER">
    <source>Composer</source>
    <translation>Komponist</translation>
</message>
<message id="FIELDDATE">
    <source>Date taken</source>
    <translation>Aufnahmedatum</translation>
</message>
<message id="FIELDTIME">
    <source>Time taken</source>
    <translation>Aufnahmezeit</translation>
</message>
<message id="FIELDDEVICEMAKE">
    <source>Camera maker</source>
    <translation>Kamerahersteller</translation>
</message>
<message id="FIELDDEVICEMODEL">
    <source>Camera model</source>
    <translation>Kameramodell</translation>
</message>
<message id="FIELDDIMENSIONS">
    <source>Dimensions</source>
    <translation>Abmessungen</translation>
</message>
<message id="FIELDFILENAME">
    <source>File name</source>
    <translation>Dateiname</translation>
</message>
<message id="VIDEOTIMESARELOCAL">
    <source>Video times are local time (not UTC)</source>
    <translation>Videozeiten sind Ortszeit (nicht UTC)</translation>
</message>
<message id="PATHCOMPONENTS">
    <source>Folder name</source>
    <translation>Ordnername</translation>
</message>
<message id="PATHLEVEL">
    <source>Folder level:</source>
    <translation>Ordnerebene:</translation>
</message>
<message id="PATHSEPARATOR">
    <source>Separator:</source>
    <translation>Trennzeichen:</translation>
</message>
<message id="TEXTBEFORE">
    <source>Text before:</source>
    <translation>Text davor:</translation>
</message>
<message id="TEXTAFTER">
    <source>Text after:</source>
    <translation>Text danach:</translation>
</message>
<message id="RENAMEFROMLISTHELP">
    <source>Choose a text file with one line per item: its current name, its new name and its folder, separated by tabs. Loading it replaces the list; then press Rename.</source>
    <translation>Wählen Sie eine Textdatei mit einer Zeile pro Objekt: aktueller Name, neuer Name und Ordner, durch Tabulatoren getrennt. Das Laden ersetzt die Liste; danach auf Umbenennen klicken.</translation>
</message>
<message id="RENAMEFROMLISTFILE">
    <source>List file</source>
    <translation>Listendatei</translation>
</message>
<message id="RENAMEFROMLISTPLACEHOLDER">
    <source>Path of a tab-delimited text file</source>
    <translation>Pfad einer tabulatorgetrennten Textdatei</translation>
</message>
<message id="BROWSE">
    <source>Browse…</source>
    <translation>Durchsuchen…</translation>
</message>
<message id="LISTNAMESFILES">
    <source>The list names files</source>
    <translation>Die Liste nennt Dateien</translation>
</message>
<message id="LISTNAMESFOLDERS">
    <source>The list names folders</source>
    <translation>Die Liste nennt Ordner</translation>
</message>
<message id="LOADLIST">
    <source>Load List</source>
    <translation>Liste laden</translation>
</message>
<message id="APPLY">
    <source>Apply</source>
    <translation>Anwenden</translation>
</message>
<message id="CHOOSEITEMSTITLE">
    <source>Add Items</source>
    <translation>Objekte hinzufügen</translation>
</message>
<message id="CHOOSEITEMSMESSAGE">
    <source>Folders are among the items. Rename files (found in the folders) or the folders themselves?</source>
    <translation>Unter den Objekten sind Ordner. Dateien (in den Ordnern gefunden) oder die Ordner selbst umbenennen?</translation>
</message>
<message id="CHOOSEITEMSMORE" numerus="yes">
    <source>… and %n more</source>
    <translation>
        <numerusform>… und %n weiteres</numerusform>
        <numerusform>… und %n weitere</numerusform>
    </translation>
</message>
<message id="LIVEPREVIEWTITLE">
    <source>Live Preview</source>
    <translation>Live-Vorschau</translation>
</message>
<message id="LIVEPREVIEWMESSAGE">
    <source>The new names follow the options a moment after each change. On long lists, limit it to the first items.</source>
    <translation>Die neuen Namen folgen den Optionen kurz nach jeder Änderung. Bei langen Listen auf die ersten Objekte beschränken.</translation>
</message>
<message id="LIVEPREVIEWALLITEMS">
    <source>Every item</source>
    <translation>Alle Objekte</translation>
</message>
<message id="LIVEPREVIEWFIRSTITEMS">
    <source>Only the first items:</source>
    <translation>Nur die ersten Objekte:</translation>
</message>
<message id="LIVEPREVIEWTURNON">
    <source>Turn On</source>
    <translation>Einschalten</translation>
</message>
<message id="Active">
    <source>Active</source>
    <translation>Aktiv</translation>
</message>
<message id="RULEMETHODCOLUMN">
    <source>Method</source>
    <translation>Methode</translation>
</message>
<message id="RULESETTINGSCOLUMN">
    <source>What it does</source>
    <translation>Was er tut</translation>
</message>
<message id="Rule">
    <source>Rule</source>
    <translation>Regel</translation>
</message>
<message id="Type">
    <source>Type</source>
    <translation>Typ</translation>
</message>
<message id="Add">
    <source>Add</source>
    <translation>Hinzufügen</translation>
</message>
<message id="Add...">
    <source>Add...</source>
    <translation>Hinzufügen...</translation>
</message>
<message id="Update">
    <source>Update</source>
    <translation>Aktualisieren</translation>
</message>
<message id="Clear">
    <source>Clear</source>
    <translation>Entfernen</translation>
</message>
<message id="Clear All">
    <source>Clear All</source>
    <translation>Alle entfernen</translation>
</message>
<message id="Close">
    <source>Close</source>
    <translation>Schließen</translation>
</message>
<message id="Delete">
    <source>Delete</source>
    <translation>Löschen</translation>
</message>
<message id="Load">
    <source>Load</source>
    <translation>Laden</translation>
</message>
<message id="Save">
    <source>Save</source>
    <translation>Speichern</translation>
</message>
<message id="Save...">
    <source>Save...</source>
    <translation>Speichern...</translation>
</message>
<message id="Open">
    <source>&amp;Open</source>
    <translation>Ö&amp;ffnen</translation>
</message>
<message id="Open...">
    <source>Open...</source>
    <translation>Öffnen...</translation>
</message>
<message id="View">
    <source>View</source>
    <translation>Anzeigen</translation>
</message>
<message id="Undo">
    <source>Undo</source>
    <translation>Rückgängig machen</translation>
</message>
<message id="Help">
    <source>Help</source>
    <translation>Hilfe</translation>
</message>
<message id="Back">
    <source>Back</source>
    <translation>Zurück</translation>
</message>
<message id="Forward">
    <source>Forward</source>
    <translation>Vorwärts</translation>
</message>
<message id="Contents">
    <source>Contents</source>
    <translation>Inhalt</translation>
</message>
<message id="Search">
    <source>Search</source>
    <translation>Suchen</translation>
</message>
<message id="Option">
    <source>Option</source>
    <translation>Option</translation>
</message>
<message id="Value">
    <source>Value</source>
    <translation>Wert</translation>
</message>
<message id="Label">
    <source>Label</source>
    <translation>Bezeichnung</translation>
</message>
<message id="Category">
    <source>Category</source>
    <translation>Kategorie</translation>
</message>
<message id="Metadata">
    <source>Metadata</source>
    <translation>Metadaten</translation>
</message>
<message id="Tag Code">
    <source>Tag Code</source>
    <translation>Tag-Code</translation>
</message>
<message id="Profile">
    <source>Profile</source>
    <translation>Profil</translation>
</message>
<message id="Date Created">
    <source>Date Created</source>
    <translation>Erstellungsdatum</translation>
</message>
<message id="Date Modified">
    <source>Date Modified</source>
    <translation>Änderungsdatum</translation>
</message>
<message id="Log File">
    <source>Log File</source>
    <translation>Protokolldatei</translation>
</message>
<message id="Renamed Items">
    <source>Renamed Items</source>
    <translation>Umbenannte Elemente</translation>
</message>
<message id="New profile:">
    <source>New profile:</source>
    <translation>Neues Profil:</translation>
</message>
<message id="Name of the new profile">
    <source>Name of the new profile</source>
    <translation>Name des neuen Profils</translation>
</message>
<message id="Photo Renaming Mask">
    <source>Photo Renaming Mask</source>
    <translation>Umbenennungsmaske für Fotos</translation>
</message>
<message id="Rename logs:">
    <source>Rename logs:</source>
    <translation>Umbenennungsprotokolle:</translation>
</message>
<message id="Profiles:">
    <source>Profiles:</source>
    <translation>Profile:</translation>
</message>
<message id="Rules:">
    <source>Rules:</source>
    <translation>Regeln:</translation>
</message>
<message id="Save the current profile automatically when quitting">
    <source>Save the current profile automatically when quitting</source>
    <translation>Aktuelles Profil beim Beenden automatisch speichern</translation>
</message>
<message id="PREFERENCESCHAINSINONEGO">
    <source>Rename shifts and swaps in one go</source>
    <translation>Verschiebungen und Vertauschungen in einem Zug umbenennen</translation>
</message>
<message id="Current names">
    <source>Current names</source>
    <translation>Aktuelle Namen</translation>
</message>
<message id="New names">
    <source>New names</source>
    <translation>Neue Namen</translation>
</message>
<message id="Folders">
    <source>Folders</source>
    <translation>Ordner</translation>
</message>
<message id="Full paths in the name columns">
    <source>Full paths in the name columns</source>
    <translation>Vollständige Pfade in den Namensspalten</translation>
</message>
<message id="Column names in the first line">
    <source>Column names in the first line</source>
    <translation>Spaltennamen in der ersten Zeile</translation>
</message>
<message id="Export...">
    <source>Export...</source>
    <translation>Exportieren...</translation>
</message>
<message id="EXPORTINGLIST">
    <source>Exporting the list…</source>
    <translation>Liste wird exportiert…</translation>
</message>
<message id="Profiles...">
    <source>Profiles...</source>
    <translation>Profile...</translation>
</message>
<message id="Add Step to Rule">
    <source>Add Step to Rule</source>
    <translation>Schritt zur Regel hinzufügen</translation>
</message>
<message id="Rules Drawer">
    <source>Rules Drawer</source>
    <translation>Regelleiste</translation>
</message>
<message id="RULESDRAWERSTEPS" numerus="yes">
    <source>Rules Drawer (%n steps)</source>
    <translation>
        <numerusform>Regelleiste (%n Schritt)</numerusform>
        <numerusform>Regelleiste (%n Schritte)</numerusform>
    </translation>
</message>
<message id="RULESTEPADDED" numerus="yes">
    <source>Step added (%n steps)</source>
    <translation>
        <numerusform>Schritt hinzugefügt (%n Schritt)</numerusform>
        <numerusform>Schritt hinzugefügt (%n Schritte)</numerusform>
    </translation>
</message>
<message id="RULEBARTEXT" numerus="yes">
    <source>The rule of %n steps renames the list, not the tab on screen.</source>
    <translation>
        <numerusform>Die Regel mit %n Schritt benennt die Liste um, nicht der angezeigte Reiter.</numerusform>
        <numerusform>Die Regel mit %n Schritten benennt die Liste um, nicht der angezeigte Reiter.</numerusform>
    </translation>
</message>
<message id="RULEBARSHOWRULE">
    <source>Show Rule</source>
    <translation>Regel zeigen</translation>
</message>
<message id="RULEBARUSETAB">
    <source>Use the Tab Instead</source>
    <translation>Stattdessen den Reiter verwenden</translation>
</message>
<message id="TIPRULEBARSHOWRULE">
    <source>Open the rules drawer with the steps that rename the list</source>
    <translation>Die Regelleiste mit den Schritten öffnen, die die Liste umbenennen</translation>
</message>
<message id="TIPRULEBARUSETAB">
    <source>Close the rules drawer (its steps are kept) and rename with the tab on screen</source>
    <translation>Die Regelleiste schließen (ihre Schritte bleiben) und mit dem angezeigten Reiter umbenennen</translation>
</message>
<message id="RULEBARTABINUSE">
    <source>The tab on screen renames the list again; Preview shows its names.</source>
    <translation>Der angezeigte Reiter benennt die Liste wieder um; die Vorschau zeigt seine Namen.</translation>
</message>
<message id="Rules...">
    <source>Rules...</source>
    <translation>Regeln...</translation>
</message>
<message id="Saved Rules">
    <source>Saved Rules</source>
    <translation>Gespeicherte Regeln</translation>
</message>
<message id="Undo...">
    <source>Undo...</source>
    <translation>Rückgängig machen...</translation>
</message>
<message id="UNDOLASTRENAME">
    <source>Undo Last Rename</source>
    <translation>Letzte Umbenennung rückgängig machen</translation>
</message>
<message id="UNDOLASTRENAMECONFIRM" numerus="yes">
    <source>Give %n items their earlier names back?</source>
    <translation>
        <numerusform>%n Element seinen früheren Namen zurückgeben?</numerusform>
        <numerusform>%n Elementen ihre früheren Namen zurückgeben?</numerusform>
    </translation>
</message>
<message id="UNDOLASTRENAMEDETAIL">
    <source>The newest rename log, %1, is undone and then deleted.</source>
    <translation>Das neueste Umbenennungsprotokoll, %1, wird rückgängig gemacht und dann gelöscht.</translation>
</message>
<message id="UNDOLASTRENAMENOLOG">
    <source>There is no rename to undo: the log folder holds no rename log.</source>
    <translation>Es gibt keine Umbenennung zum Rückgängigmachen: Der Protokollordner enthält kein Protokoll.</translation>
</message>
<message id="Preferences...">
    <source>Preferences...</source>
    <translation>Einstellungen...</translation>
</message>
<message id="Help Contents">
    <source>Help Contents</source>
    <translation>Hilfe-Inhalt</translation>
</message>
<message id="SUMATBEGINNING">
    <source>at the beginning</source>
    <translation>am Anfang</translation>
</message>
<message id="SUMATEND">
    <source>at the end</source>
    <translation>am Ende</translation>
</message>
<message id="SUMATPOSITION">
    <source>at position %1</source>
    <translation>an Position %1</translation>
</message>
<message id="SUMATPOSITIONFROMEND">
    <source>at position %1 from the end</source>
    <translation>an Position %1 vom Ende</translation>
</message>
<message id="SUMBEFORE">
    <source>before '%1'</source>
    <translation>vor „%1“</translation>
</message>
<message id="SUMAFTER">
    <source>after '%1'</source>
    <translation>nach „%1“</translation>
</message>
<message id="SUMASPREFIX">
    <source>, before the name</source>
    <translation>, vor dem Namen</translation>
</message>
<message id="SUMASSUFFIX">
    <source>, after the name</source>
    <translation>, nach dem Namen</translation>
</message>
<message id="SUMASPREFIXANDSUFFIX">
    <source>, before and after the name</source>
    <translation>, vor und nach dem Namen</translation>
</message>
<message id="SUMNUMBERS">
    <source>Numbers from %1</source>
    <translation>Zahlen ab %1</translation>
</message>
<message id="SUMLETTERS">
    <source>Letters from '%1'</source>
    <translation>Buchstaben ab „%1“</translation>
</message>
<message id="SUMUPBY">
    <source>, increasing by %1</source>
    <translation>, aufsteigend um %1</translation>
</message>
<message id="SUMDOWNBY">
    <source>, decreasing by %1</source>
    <translation>, absteigend um %1</translation>
</message>
<message id="SUMINSERT">
    <source>Insert '%1' %2</source>
    <translation>„%1“ %2 einfügen</translation>
</message>
<message id="SUMDELETE" numerus="yes">
    <source>Delete %n characters from position %1</source>
    <translation>
        <numerusform>%n Zeichen ab Position %1 löschen</numerusform>
        <numerusform>%n Zeichen ab Position %1 löschen</numerusform>
    </translation>
</message>
<message id="SUMDELETEFROMEND" numerus="yes">
    <source>Delete %n characters from position %1, counted from the end</source>
    <translation>
        <numerusform>%n Zeichen ab Position %1 löschen, vom Ende gezählt</numerusform>
        <numerusform>%n Zeichen ab Position %1 löschen, vom Ende gezählt</numerusform>
    </translation>
</message>
<message id="SUMREPLACE">
    <source>Replace '%1' with '%2'</source>
    <translation>„%1“ durch „%2“ ersetzen</translation>
</message>
<message id="SUMREMOVE">
    <source>Remove '%1'</source>
    <translation>„%1“ entfernen</translation>
</message>
<message id="SUMREMOVECHARACTERS">
    <source>Remove each of the characters '%1'</source>
    <translation>Jedes der Zeichen „%1“ entfernen</translation>
</message>
<message id="SUMEVERYOCCURRENCE">
    <source>, every occurrence</source>
    <translation>, jedes Vorkommen</translation>
</message>
<message id="SUMOCCURRENCES" numerus="yes">
    <source>, %n occurrences from occurrence %1</source>
    <translation>
        <numerusform>, %n Vorkommen ab Vorkommen %1</numerusform>
        <numerusform>, %n Vorkommen ab Vorkommen %1</numerusform>
    </translation>
</message>
<message id="SUMFROMEND">
    <source>, from the end</source>
    <translation>, vom Ende</translation>
</message>
<message id="SUMCASESENSITIVE">
    <source>, match case</source>
    <translation>, Groß-/Kleinschreibung beachtet</translation>
</message>
<message id="SUMREGULAREXPRESSION">
    <source>, as a regular expression</source>
    <translation>, als regulärer Ausdruck</translation>
</message>
<message id="SUMPREFIXSUFFIX">
    <source>Add '%1' before and '%2' after the name</source>
    <translation>„%1“ vor und „%2“ nach dem Namen einfügen</translation>
</message>
<message id="SUMPREFIX">
    <source>Add '%1' before the name</source>
    <translation>„%1“ vor dem Namen einfügen</translation>
</message>
<message id="SUMSUFFIX">
    <source>Add '%1' after the name</source>
    <translation>„%1“ nach dem Namen einfügen</translation>
</message>
<message id="SUMDATECREATED">
    <source>date created</source>
    <translation>Erstellungsdatum</translation>
</message>
<message id="SUMDATEMODIFIED">
    <source>date modified</source>
    <translation>Änderungsdatum</translation>
</message>
<message id="SUMCUSTOMDATE">
    <source>chosen date</source>
    <translation>gewählte Datum</translation>
</message>
<message id="SUMADDDATE">
    <source>Add the %1</source>
    <translation>Das %1 hinzufügen</translation>
</message>
<message id="SUMINSERTDATE">
    <source>Insert the %1 %2</source>
    <translation>Das %1 %2 einfügen</translation>
</message>
<message id="SUMNAMECASE">
    <source>Name in %1</source>
    <translation>Name in %1</translation>
</message>
<message id="SUMEXTENSIONCASE">
    <source>Extension in %1</source>
    <translation>Endung in %1</translation>
</message>
<message id="SUMREMOVEEXTENSION">
    <source>Remove the extension</source>
    <translation>Endung entfernen</translation>
</message>
<message id="SUMCHANGEEXTENSION">
    <source>Change the extension to '%1'</source>
    <translation>Endung ändern in „%1“</translation>
</message>
<message id="SUMREVERSE">
    <source>Reverse the name</source>
    <translation>Den Namen umkehren</translation>
</message>
<message id="SUMREMOVESPACES">
    <source>Remove spaces</source>
    <translation>Leerzeichen entfernen</translation>
</message>
<message id="SUMSWAPSEPARATOR">
    <source>Swap the parts around '%1'</source>
    <translation>Teile vertauschen um „%1“</translation>
</message>
<message id="SUMSWAPPOSITION">
    <source>Swap the parts at position %1</source>
    <translation>Teile vertauschen an Position %1</translation>
</message>
<message id="SUMREMOVEAFTER">
    <source>Remove what follows '%1'</source>
    <translation>Entfernen, was auf „%1“ folgt</translation>
</message>
<message id="SUMREMOVEFROM">
    <source>Remove from '%1' on</source>
    <translation>Entfernen ab „%1“</translation>
</message>
<message id="SUMPADNAME">
    <source>Name pattern '%1'</source>
    <translation>Namensmuster „%1“</translation>
</message>
<message id="SUMWINDOWSCOMPATIBLE">
    <source>Make the name safe for other systems, replacing with '%1'</source>
    <translation>Namen für andere Systeme sicher machen, ersetzen durch „%1“</translation>
</message>
<message id="SUMTRANSLITERATE">
    <source>Transliterate to plain Latin</source>
    <translation>In einfaches Latein transliterieren</translation>
</message>
<message id="SUMREPAIRENCODING">
    <source>Repair the name's encoding, read as '%1'</source>
    <translation>Kodierung des Namens reparieren, gelesen als „%1“</translation>
</message>
<message id="SUMAUDIO">
    <source>New name from tags '%1'</source>
    <translation>Neuer Name aus Tags „%1“</translation>
</message>
<message id="SUMPHOTO">
    <source>New name from metadata '%1'</source>
    <translation>Neuer Name aus Metadaten „%1“</translation>
</message>
<message id="SUMPATHCOMPONENTS" numerus="yes">
    <source>Insert %n folder names %1</source>
    <translation>
        <numerusform>%n Ordnernamen %1 einfügen</numerusform>
        <numerusform>%n Ordnernamen %1 einfügen</numerusform>
    </translation>
</message>
<message id="OPTIONYES">
    <source>yes</source>
    <translation>ja</translation>
</message>
<message id="OPTIONNO">
    <source>no</source>
    <translation>nein</translation>
</message>
<message id="OPTIONEMPTY">
    <source>(empty)</source>
    <translation>(leer)</translation>
</message>
<message id="OPTIONQUOTED">
    <source>'%1'</source>
    <translation>„%1“</translation>
</message>
<message id="OPTIONNOW">
    <source>The current date and time</source>
    <translation>Aktuelles Datum und aktuelle Uhrzeit</translation>
</message>
<message id="MASKEDITORADD">
    <source>Add ›</source>
    <translation>Hinzufügen ›</translation>
</message>
<message id="TIPMASKEDITORADD">
    <source>Add the field selected on the left to the mask (or double-click it)</source>
    <translation>Das links ausgewählte Feld zur Maske hinzufügen (oder doppelt darauf klicken)</translation>
</message>
<message id="MASKEDITORREMOVE">
    <source>Remove</source>
    <translation>Entfernen</translation>
</message>
<message id="TIPMASKEDITORREMOVE">
    <source>Remove the selected field from the mask (or double-click it, or press Delete)</source>
    <translation>Das ausgewählte Feld aus der Maske entfernen (oder doppelt darauf klicken oder Entf drücken)</translation>
</message>
<message id="EXTENSIONADDFROMFILE">
    <source>Add from File…</source>
    <translation>Aus Datei hinzufügen …</translation>
</message>
<message id="TIPEXTENSIONADDFROMFILE">
    <source>Choose a file: its extension is added</source>
    <translation>Wählen Sie eine Datei: Ihre Erweiterung wird hinzugefügt</translation>
</message>
<message id="EXTENSIONTYPEDPLACEHOLDER">
    <source>Type an extension, such as .png</source>
    <translation>Erweiterung eingeben, etwa .png</translation>
</message>
<message id="EXTENSIONADDTYPED">
    <source>Add</source>
    <translation>Hinzufügen</translation>
</message>
<message id="ADDEVERYFORMAT">
    <source>Add Every Format Quorvel Reads</source>
    <translation>Alle Formate hinzufügen, die Quorvel liest</translation>
</message>
<message id="TIPADDEVERYFORMAT">
    <source>Add the extensions of every image, raw and video format Quorvel reads dates from (HEIC, CR2, MP4 …)</source>
    <translation>Die Endungen aller Bild-, Raw- und Videoformate hinzufügen, aus denen Quorvel Daten liest (HEIC, CR2, MP4 …)</translation>
</message>
<message id="CAMERACLOCKS">
    <source>Camera Clocks…</source>
    <translation>Kamerauhren …</translation>
</message>
<message id="TIPCAMERACLOCKS">
    <source>Correct the capture times of a camera whose clock was wrong, per camera model</source>
    <translation>Aufnahmezeiten einer Kamera mit falsch gestellter Uhr korrigieren, je Kameramodell</translation>
</message>
<message id="CAMERACLOCKSLABEL">
    <source>Camera clocks:</source>
    <translation>Kamerauhren:</translation>
</message>
<message id="CAMERACLOCKSTITLE">
    <source>Camera Clocks</source>
    <translation>Kamerauhren</translation>
</message>
<message id="CAMERACLOCKSEXPLAIN">
    <source>Type how far the clock of each camera was off, in seconds (+3600, -90) or in hours, minutes and seconds (+1:00:00). The shift moves the date and time of that camera’s photos in the new names; the files themselves are not changed.</source>
    <translation>Geben Sie an, wie weit die Uhr jeder Kamera falsch ging, in Sekunden (+3600, -90) oder in Stunden, Minuten und Sekunden (+1:00:00). Die Verschiebung ändert Datum und Uhrzeit der Fotos dieser Kamera in den neuen Namen; die Dateien selbst bleiben unverändert.</translation>
</message>
<message id="CAMERACLOCKSMODEL">
    <source>Camera model</source>
    <translation>Kameramodell</translation>
</message>
<message id="CAMERACLOCKSFILES">
    <source>Files</source>
    <translation>Dateien</translation>
</message>
<message id="CAMERACLOCKSEARLIEST">
    <source>Earliest capture</source>
    <translation>Früheste Aufnahme</translation>
</message>
<message id="CAMERACLOCKSSHIFT">
    <source>Shift</source>
    <translation>Verschiebung</translation>
</message>
<message id="CAMERACLOCKSSHIFTED">
    <source>Earliest once shifted</source>
    <translation>Früheste nach Verschiebung</translation>
</message>
<message id="CAMERACLOCKSEVERYCAMERA">
    <source>Every camera without a shift of its own</source>
    <translation>Jede Kamera ohne eigene Verschiebung</translation>
</message>
<message id="CAMERACLOCKSSHIFTTIP">
    <source>Seconds such as +3600 or -90, or +1:00:00; empty for none</source>
    <translation>Sekunden wie +3600 oder -90, oder +1:00:00; leer für keine</translation>
</message>
<message id="CAMERACLOCKSBADSHIFT">
    <source>“%1” is not a shift: type seconds such as +3600 or -90, or hours, minutes and seconds such as +1:00:00.</source>
    <translation>„%1“ ist keine Verschiebung: Geben Sie Sekunden wie +3600 oder -90 ein, oder Stunden, Minuten und Sekunden wie +1:00:00.</translation>
</message>
<message id="CAMERACLOCKSREADING">
    <source>Reading the cameras of the photos…</source>
    <translation>Die Kameras der Fotos werden gelesen …</translation>
</message>
<message id="COLUMNDATETAKEN">
    <source>Date Taken</source>
    <translation>Aufnahmedatum</translation>
</message>
<message id="COLUMNDATEMODIFIED">
    <source>Date Modified</source>
    <translation>Änderungsdatum</translation>
</message>
<message id="COLUMNFILESIZE">
    <source>Size</source>
    <translation>Größe</translation>
</message>
<message id="SORTREADINGCAPTURE">
    <source>Reading the capture times…</source>
    <translation>Die Aufnahmezeiten werden gelesen …</translation>
</message>
<message id="SORTREADINGFILES">
    <source>Reading the dates and sizes of the files…</source>
    <translation>Datum und Größe der Dateien werden gelesen …</translation>
</message>
<message id="STATUSREFUSEDWITHGROUP">
    <source>Refused With Its Group</source>
    <translation>Mit seiner Gruppe abgelehnt</translation>
</message>
<message id="OUTCOMENUMBERED" numerus="yes">
    <source>%1, %n names numbered</source>
    <translation>
        <numerusform>%1, %n Name nummeriert</numerusform>
        <numerusform>%1, %n Namen nummeriert</numerusform>
    </translation>
</message>
<message id="COMPANIONSCHECKBOX">
    <source>Rename companion files with their item</source>
    <translation>Begleitdateien mit ihrem Element umbenennen</translation>
</message>
<message id="COMPANIONSCHECKBOXTIP">
    <source>Files of the same folder that share the stem (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp, IMG_0001.CR2.xmp) take the new name of the first in the list, raw formats first</source>
    <translation>Dateien desselben Ordners mit gleichem Stamm (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp, IMG_0001.CR2.xmp) erhalten den neuen Namen der ersten in der Liste, Rohformate zuerst</translation>
</message>
<message id="NUMBERDUPLICATESCHECKBOX">
    <source>Number names used twice</source>
    <translation>Doppelt vergebene Namen nummerieren</translation>
</message>
<message id="NUMBERDUPLICATESTIP">
    <source>The first keeps the name; later ones take the separator and 2, 3 … before the extension</source>
    <translation>Der erste behält den Namen; spätere erhalten das Trennzeichen und 2, 3 … vor der Endung</translation>
</message>
<message id="NUMBERSEPARATORLABEL">
    <source>Separator:</source>
    <translation>Trennzeichen:</translation>
</message>
<message id="COMPANIONSCOUNT">
    <source>+%1</source>
    <translation>+%1</translation>
</message>
<message id="COMPANIONSTOOLTIPTITLE">
    <source>Renamed with it:</source>
    <translation>Mit ihm umbenannt:</translation>
</message>
<message id="COMPANIONSTOOLTIPLINE">
    <source>%1 → %2</source>
    <translation>%1 → %2</translation>
</message>
</context>
</TS>
