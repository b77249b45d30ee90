<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name></name>
<message id="YES">
    <source>Yes</source>
    <translation>Oui</translation>
</message>
<message id="NO">
    <source>No</source>
    <translation>Non</translation>
</message>
<message id="CONTINUE">
    <source>Continue</source>
    <translation>Continuer</translation>
</message>
<message id="ABORT">
    <source>Abort</source>
    <translation>Interrompre</translation>
</message>
<message id="OK">
    <source>OK</source>
    <translation>OK</translation>
</message>
<message id="CANCEL">
    <source>Cancel</source>
    <translation>Annuler</translation>
</message>
<message id="FILES">
    <source>files</source>
    <translation>fichiers</translation>
</message>
<message id="FOLDERS">
    <source>folders</source>
    <translation>dossiers</translation>
</message>
<message id="DEFAULT">
    <source>Default</source>
    <translation>Par défaut</translation>
</message>
<message id="FILENAME">
    <source>Filename</source>
    <translation>Nom de fichier</translation>
</message>
<message id="NEWFILENAME">
    <source>New Filename</source>
    <translation>Nouveau nom de fichier</translation>
</message>
<message id="LOCATION">
    <source>Location</source>
    <translation>Emplacement</translation>
</message>
<message id="UNABLETOGENERATENEWFILENAMEERROR">
    <source>Unable to generate the new name. Error: %1</source>
    <translation>Impossible de générer le nouveau nom. Erreur : %1</translation>
</message>
<message id="NOITEMSTOPREVIEW">
    <source>Add some files or folders to the list first.</source>
    <translation>Ajoutez d'abord des fichiers ou des dossiers à la liste.</translation>
</message>
<message id="NOITEMSTOREMOVE">
    <source>Select the items you want to remove from the list.</source>
    <translation>Sélectionnez les éléments à retirer de la liste.</translation>
</message>
<message id="NOITEMSTOEXPORT">
    <source>There is nothing in the list to export.</source>
    <translation>La liste ne contient rien à exporter.</translation>
</message>
<message id="TOTALFILESSELECTED" numerus="yes">
    <source>%n files in the list</source>
    <translation>
        <numerusform>%n fichier dans la liste</numerusform>
        <numerusform>%n fichiers dans la liste</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSSELECTED" numerus="yes">
    <source>%n folders in the list</source>
    <translation>
        <numerusform>%n dossier dans la liste</numerusform>
        <numerusform>%n dossiers dans la liste</numerusform>
    </translation>
</message>
<message id="TOTALFILESFOUND" numerus="yes">
    <source>%n files found</source>
    <translation>
        <numerusform>%n fichier trouvé</numerusform>
        <numerusform>%n fichiers trouvés</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSFOUND" numerus="yes">
    <source>%n folders found</source>
    <translation>
        <numerusform>%n dossier trouvé</numerusform>
        <numerusform>%n dossiers trouvés</numerusform>
    </translation>
</message>
<message id="TOTALFILESRENAMED" numerus="yes">
    <source>%n files renamed</source>
    <translation>
        <numerusform>%n fichier renommé</numerusform>
        <numerusform>%n fichiers renommés</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSRENAMED" numerus="yes">
    <source>%n folders renamed</source>
    <translation>
        <numerusform>%n dossier renommé</numerusform>
        <numerusform>%n dossiers renommés</numerusform>
    </translation>
</message>
<message id="STATUSNOCHANGES">
    <source>No Changes</source>
    <translation>Aucun changement</translation>
</message>
<message id="STATUSFILEALREADYEXISTS">
    <source>File Already Exists</source>
    <translation>Le fichier existe déjà</translation>
</message>
<message id="STATUSFOLDERALREADYEXISTS">
    <source>Folder Already Exists</source>
    <translation>Le dossier existe déjà</translation>
</message>
<message id="STATUSFILENOTFOUND">
    <source>File Not Found</source>
    <translation>Fichier introuvable</translation>
</message>
<message id="STATUSFOLDERNOTFOUND">
    <source>Folder Not Found</source>
    <translation>Dossier introuvable</translation>
</message>
<message id="STATUSRENAMINGOK">
    <source>Renamed</source>
    <translation>Renommé</translation>
</message>
<message id="STATUSFILENAMEUSEDTWICE">
    <source>File Name Used Twice</source>
    <translation>Nom de fichier utilisé deux fois</translation>
</message>
<message id="STATUSFOLDERNAMEUSEDTWICE">
    <source>Folder Name Used Twice</source>
    <translation>Nom de dossier utilisé deux fois</translation>
</message>
<message id="STATUSNOTRESTORED">
    <source>Not Restored</source>
    <translation>Non restauré</translation>
</message>
<message id="STATUSNAMENOTALLOWEDHERE">
    <source>Name Not Allowed Here</source>
    <translation>Nom non autorisé ici</translation>
</message>
<message id="OUTCOMERENAMED" numerus="yes">
    <source>%n renamed</source>
    <translation>
        <numerusform>%n renommé</numerusform>
        <numerusform>%n renommés</numerusform>
    </translation>
</message>
<message id="OUTCOMEREFUSED" numerus="yes">
    <source>%1, %n refused (%2)</source>
    <translation>
        <numerusform>%1, %n refusé (%2)</numerusform>
        <numerusform>%1, %n refusés (%2)</numerusform>
    </translation>
</message>
<message id="STATUSCOULDNOTRENAME">
    <source>Could Not Rename</source>
    <translation>Renommage impossible</translation>
</message>
<message id="STATUSNAMETOOLONG">
    <source>Name Too Long</source>
    <translation>Nom trop long</translation>
</message>
<message id="OUTCOMEREASON">
    <source>%1: %2</source>
    <translation>%1 : %2</translation>
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
    <translation>Arrêté : %1</translation>
</message>
<message id="NAMEISNOFILENAME">
    <source>%1 cannot be a file name</source>
    <translation>%1 ne peut pas être un nom de fichier</translation>
</message>
<message id="NAMECHARACTERNOWHERE">
    <source>%1: %2 cannot be part of a file name</source>
    <translation>%1 : %2 ne peut pas faire partie d'un nom de fichier</translation>
</message>
<message id="NAMECHARACTERNOTHERE">
    <source>%1: %2 is not allowed on this drive (%3)</source>
    <translation>%1 : %2 n'est pas autorisé sur ce disque (%3)</translation>
</message>
<message id="NAMEENDINGNOTHERE">
    <source>%1: a name cannot end in a dot or a blank on this drive (%2)</source>
    <translation>%1 : un nom ne peut pas finir par un point ou une espace sur ce disque (%2)</translation>
</message>
<message id="NAMETOOLONGBYTES">
    <source>%1: the name is %2 bytes long; this drive takes at most %3</source>
    <translation>%1 : le nom fait %2 octets ; ce disque en accepte au plus %3</translation>
</message>
<message id="NAMETOOLONGUNITS">
    <source>%1: the name is %2 characters long; this drive (%3) takes at most %4</source>
    <translation>%1 : le nom fait %2 caractères ; ce disque (%3) en accepte au plus %4</translation>
</message>
<message id="NAMESREFUSEDMORE" numerus="yes">
    <source>%1 (and %n more)</source>
    <translation>
        <numerusform>%1 (et %n autre)</numerusform>
        <numerusform>%1 (et %n autres)</numerusform>
    </translation>
</message>
<message id="LEFTOUTNOTUTF8">
    <source>%1 cannot be renamed safely yet: its name is not UTF-8</source>
    <translation>%1 ne peut pas encore être renommé sans risque : son nom n'est pas en UTF-8</translation>
</message>
<message id="REFUSEDNAMENOTUTF8">
    <source>Name Not UTF-8</source>
    <translation>Nom non UTF-8</translation>
</message>
<message id="SLASHWRITTENASCOLON">
    <source>A “/” cannot be part of a name: it is written as “:”. Help (F1) tells how to use another character.</source>
    <translation>Un « / » ne peut pas faire partie d’un nom : il est écrit « : ». L’aide (F1) explique comment utiliser un autre caractère.</translation>
</message>
<message id="OUTCOMEREASONWHY">
    <source>%1 (%2)</source>
    <translation>%1 (%2)</translation>
</message>
<message id="OUTCOMERESERVEDRENAMES">
    <source>%1; on this drive renames are checked, not atomic</source>
    <translation>%1 ; sur ce support les renommages sont vérifiés, non atomiques</translation>
</message>
<message id="MOVERUNGNOREPLACE">
    <source>Renaming in %1 with atomic moves that never replace a file</source>
    <translation>Renommage dans %1 par des déplacements atomiques qui ne remplacent jamais un fichier</translation>
</message>
<message id="MOVERUNGLINK">
    <source>Renaming in %1 through a hard link, then removing the old name (atomic, never replacing a file)</source>
    <translation>Renommage dans %1 par un lien physique puis la suppression de l’ancien nom (atomique, sans jamais remplacer un fichier)</translation>
</message>
<message id="MOVERUNGRESERVED">
    <source>Renaming in %1 onto a placeholder reserved first (checked, not atomic)</source>
    <translation>Renommage dans %1 sur un emplacement réservé d’abord (vérifié, non atomique)</translation>
</message>
<message id="MOVEREASONUNRECORDABLE">
    <source>the rename log cannot hold its name</source>
    <translation>le journal des renommages ne peut pas contenir son nom</translation>
</message>
<message id="PHOTOEXTENSIONSKIPPED" numerus="yes">
    <source>%n files skipped: %1 is not in the photo extensions</source>
    <translation>
        <numerusform>%n fichier ignoré : %1 n’est pas dans les extensions photo</numerusform>
        <numerusform>%n fichiers ignorés : %1 n’est pas dans les extensions photo</numerusform>
    </translation>
</message>
<message id="PHOTOEXTENSIONSSKIPPED" numerus="yes">
    <source>%n files skipped: %1 are not in the photo extensions</source>
    <translation>
        <numerusform>%n fichier ignoré : %1 ne sont pas dans les extensions photo</numerusform>
        <numerusform>%n fichiers ignorés : %1 ne sont pas dans les extensions photo</numerusform>
    </translation>
</message>
<message id="ADDSKIPPEDEXTENSION">
    <source>Add It</source>
    <translation>L’ajouter</translation>
</message>
<message id="ADDSKIPPEDEXTENSIONS">
    <source>Add Them</source>
    <translation>Les ajouter</translation>
</message>
<message id="PHOTOEXTENSIONSADDED">
    <source>Added to the photo extensions: %1</source>
    <translation>Ajouté aux extensions photo : %1</translation>
</message>
<message id="DATESOURCETIP">
    <source>Capture date from %1</source>
    <translation>Date de prise de vue tirée de %1</translation>
</message>
<message id="DATESOURCEEXIF">
    <source>the EXIF data</source>
    <translation>les données EXIF</translation>
</message>
<message id="DATESOURCEXMP">
    <source>the XMP data</source>
    <translation>les données XMP</translation>
</message>
<message id="DATESOURCEQUICKTIMEKEY">
    <source>the QuickTime creation date</source>
    <translation>la date de création QuickTime</translation>
</message>
<message id="DATESOURCEMOVIEHEADER">
    <source>the movie header</source>
    <translation>l’en-tête de la vidéo</translation>
</message>
<message id="LOADINGMESSAGE">
    <source>Adding %1, please wait...</source>
    <translation>Ajout des %1 en cours, veuillez patienter...</translation>
</message>
<message id="LOADINGTIME">
    <source>Adding items</source>
    <translation>Ajout des éléments</translation>
</message>
<message id="NOFILESATTOPOFFOLDER">
    <source>No files at the top of this folder; tick Include subfolders to go deeper</source>
    <translation>Aucun fichier au premier niveau de ce dossier ; cochez Inclure les sous-dossiers pour aller plus loin</translation>
</message>
<message id="GENERATINGPREVIEWPLEASEWAIT">
    <source>Generating the preview, please wait...</source>
    <translation>Génération de l'aperçu en cours, veuillez patienter...</translation>
</message>
<message id="PREVIEWTIME">
    <source>Preview</source>
    <translation>Aperçu</translation>
</message>
<message id="RENAMINGITEMSPLEASEWAIT">
    <source>Renaming %1, please wait...</source>
    <translation>Renommage des %1 en cours, veuillez patienter...</translation>
</message>
<message id="RENAMINGTIME">
    <source>Renaming</source>
    <translation>Renommage</translation>
</message>
<message id="UNDOINGTIME">
    <source>Undo</source>
    <translation>Annulation</translation>
</message>
<message id="TIMETAKEN">
    <source>%1 in %2</source>
    <translation>%1 en %2</translation>
</message>
<message id="ITEMRENAMINGTITLE">
    <source>Rename</source>
    <translation>Renommer</translation>
</message>
<message id="ITEMRENAMINGCOUNTMESSAGE" numerus="yes">
    <source>Rename %n items to the new names shown in the list?</source>
    <translation>
        <numerusform>Renommer %n élément avec le nouveau nom affiché dans la liste ?</numerusform>
        <numerusform>Renommer %n éléments avec les nouveaux noms affichés dans la liste ?</numerusform>
    </translation>
</message>
<message id="ITEMRENAMINGONEMESSAGE">
    <source>Rename this item to the new name shown in the list?</source>
    <translation>Renommer cet élément avec le nouveau nom affiché dans la liste ?</translation>
</message>
<message id="ITEMRENAMINGPARTMESSAGE">
    <source>Rename %1 of %2 items? %3</source>
    <translation>Renommer %1 éléments sur %2 ? %3</translation>
</message>
<message id="ITEMRENAMINGREFUSEDMESSAGE" numerus="yes">
    <source>%n are refused (%1).</source>
    <translation>
        <numerusform>%n est refusé (%1).</numerusform>
        <numerusform>%n sont refusés (%1).</numerusform>
    </translation>
</message>
<message id="LOGCREATEFAILED">
    <source>The rename log could not be created. Continue without a log file on disk (the renames could then not be undone), or abort?</source>
    <translation>Le journal de renommage n'a pas pu être créé. Continuer sans fichier journal sur le disque (les renommages ne pourront alors pas être annulés) ou interrompre ?</translation>
</message>
<message id="LOGSAVEFAILED">
    <source>The rename log could not be saved under its final name. Its journal was kept at %1 and can still be undone.</source>
    <translation>Le journal de renommage n'a pas pu être enregistré sous son nom définitif. Sa version provisoire a été conservée sous %1 et permet toujours d'annuler les renommages.</translation>
</message>
<message id="INSERTINVALIDINPUT">
    <source>Insert</source>
    <translation>Insérer</translation>
</message>
<message id="INSERTTEXTATBEFORETEXT">
    <source>Insert before text</source>
    <translation>Insérer avant le texte</translation>
</message>
<message id="INSERTTEXTATAFTERTEXT">
    <source>Insert after text</source>
    <translation>Insérer après le texte</translation>
</message>
<message id="ENTERVALIDVALUE">
    <source>Please enter a valid value.</source>
    <translation>Veuillez saisir une valeur valide.</translation>
</message>
<message id="ENTERSOMETEXT">
    <source>Please enter the text to search for.</source>
    <translation>Veuillez saisir le texte à rechercher.</translation>
</message>
<message id="REPLACEREMOVEINVALIDINPUT">
    <source>Replace / Remove</source>
    <translation>Remplacer / Supprimer</translation>
</message>
<message id="INVALIDREGULAREXPRESSION">
    <source>The regular expression is not valid at position %1: %2</source>
    <translation>L'expression régulière n'est pas valide à la position %1 : %2</translation>
</message>
<message id="UNKNOWNENCODING">
    <source>No encoding is named "%1". Enter an ICU converter name, such as windows-1252 or ISO-8859-15.</source>
    <translation>Aucun codage ne s'appelle « %1 ». Saisissez un nom de convertisseur ICU, par exemple windows-1252 ou ISO-8859-15.</translation>
</message>
<message id="DATETIMEATBEFORETEXTINVALIDINPUT">
    <source>Date and time before text</source>
    <translation>Date et heure avant le texte</translation>
</message>
<message id="DATETIMEATAFTERTEXTINVALIDINPUT">
    <source>Date and time after text</source>
    <translation>Date et heure après le texte</translation>
</message>
<message id="GENERALINVALIDINPUT">
    <source>General</source>
    <translation>Général</translation>
</message>
<message id="ID3INVALIDINPUT">
    <source>Audio tags</source>
    <translation>Balises audio</translation>
</message>
<message id="INVALIDID3RENAMINGMASK">
    <source>Build a renaming mask from the audio tags first.</source>
    <translation>Créez d'abord un masque de renommage à partir des balises audio.</translation>
</message>
<message id="PHOTOINVALIDINPUT">
    <source>Photo metadata</source>
    <translation>Métadonnées photo</translation>
</message>
<message id="INVALIDPHOTORENAMINGMASK">
    <source>Build a renaming mask from the photo metadata first.</source>
    <translation>Créez d'abord un masque de renommage à partir des métadonnées photo.</translation>
</message>
<message id="PATHTEXTATBEFORETEXT">
    <source>Folder names before text</source>
    <translation>Noms de dossiers avant le texte</translation>
</message>
<message id="PATHTEXTATAFTERTEXT">
    <source>Folder names after text</source>
    <translation>Noms de dossiers après le texte</translation>
</message>
<message id="LOADPROFILETITLE">
    <source>Load Profile</source>
    <translation>Charger le profil</translation>
</message>
<message id="PROFILEINCOMPATIBLE">
    <source>This profile was saved by an incompatible version of the program and cannot be loaded.</source>
    <translation>Ce profil a été enregistré par une version incompatible du programme et ne peut pas être chargé.</translation>
</message>
<message id="PROFILELOADFAILED">
    <source>The profile could not be loaded.</source>
    <translation>Le profil n'a pas pu être chargé.</translation>
</message>
<message id="PROFILETITLE">
    <source>Profiles</source>
    <translation>Profils</translation>
</message>
<message id="PROFILESELECT">
    <source>Select a profile first.</source>
    <translation>Sélectionnez d'abord un profil.</translation>
</message>
<message id="PROFILEENTERNEWNAME">
    <source>Enter a name for the new profile.</source>
    <translation>Saisissez un nom pour le nouveau profil.</translation>
</message>
<message id="PROFILEOVERWRITECONFIRM">
    <source>A profile with this name already exists. Replace it?</source>
    <translation>Un profil portant ce nom existe déjà. Le remplacer ?</translation>
</message>
<message id="PROFILESAVEDFAILED">
    <source>The profile could not be saved.</source>
    <translation>Le profil n'a pas pu être enregistré.</translation>
</message>
<message id="PROFILEDELETECONFIRM">
    <source>Delete the selected profile?</source>
    <translation>Supprimer le profil sélectionné ?</translation>
</message>
<message id="PROFILELOADMESSAGE">
    <source>Load the profile "%1"? The current settings will be replaced.</source>
    <translation>Charger le profil « %1 » ? Les paramètres actuels seront remplacés.</translation>
</message>
<message id="PROFILESETTINGSFILETITLE">
    <source> - Profile</source>
    <translation> - Profil</translation>
</message>
<message id="PROFILECHANGEDTITLE">
    <source>%1 (changed)</source>
    <translation>%1 (modifié)</translation>
</message>
<message id="PROFILESAVECHANGESTITLE">
    <source>Save the changes to %1?</source>
    <translation>Enregistrer les modifications de %1 ?</translation>
</message>
<message id="PROFILESAVECHANGESMESSAGE">
    <source>The settings differ from the profile. If you don't save them, the profile stays as it was.</source>
    <translation>Les réglages diffèrent du profil. Si vous ne les enregistrez pas, le profil reste tel quel.</translation>
</message>
<message id="DONTSAVE">
    <source>Don't Save</source>
    <translation>Ne pas enregistrer</translation>
</message>
<message id="SAVEASPROFILETITLE">
    <source>Save Profile As</source>
    <translation>Enregistrer le profil sous</translation>
</message>
<message id="CHOOSEPROFILETITLE">
    <source>Choose a Profile</source>
    <translation>Choisir un profil</translation>
</message>
<message id="UNABLETOADDRULE">
    <source>The step could not be added to the rule.</source>
    <translation>L'étape n'a pas pu être ajoutée à la règle.</translation>
</message>
<message id="SAVERULESETTINGSFILETITLE">
    <source>Save %1 Rule</source>
    <translation>Enregistrer une règle %1</translation>
</message>
<message id="CHOOSERULESETTINGSFILETITLE">
    <source>Open %1 Rule</source>
    <translation>Ouvrir une règle %1</translation>
</message>
<message id="RULESETTINGSFILETITLE">
    <source>Rules</source>
    <translation>Règles</translation>
</message>
<message id="RULESETTINGSFILESAVEDSUCCESS">
    <source>The rule was saved.</source>
    <translation>La règle a été enregistrée.</translation>
</message>
<message id="RULESETTINGSFILEUNABLETOSAVE">
    <source>The rule could not be saved.</source>
    <translation>La règle n'a pas pu être enregistrée.</translation>
</message>
<message id="OPENRULETITLE">
    <source>Open Rule</source>
    <translation>Ouvrir une règle</translation>
</message>
<message id="OPENRULEINCOMPATIBLE">
    <source>This rule file was saved by an incompatible version of the program, or it cannot be read.</source>
    <translation>Ce fichier de règle a été enregistré par une version incompatible du programme, ou il est illisible.</translation>
</message>
<message id="RULEINCOMPATIBLE">
    <source>This rule file was saved by an incompatible version of the program, or it cannot be read.</source>
    <translation>Ce fichier de règle a été enregistré par une version incompatible du programme, ou il est illisible.</translation>
</message>
<message id="RULEALREADYEXISTS">
    <source>Replace the current rule steps with the rule "%1"?</source>
    <translation>Remplacer les étapes de la règle actuelle par la règle « %1 » ?</translation>
</message>
<message id="PREFERENCESTITLE">
    <source> Preferences</source>
    <translation> - Préférences</translation>
</message>
<message id="PREFERENCESSAVEDMESSAGE">
    <source>The preferences were saved.</source>
    <translation>Les préférences ont été enregistrées.</translation>
</message>
<message id="PREFERENCESSAVEFAILED">
    <source>The preferences could not be saved.</source>
    <translation>Les préférences n'ont pas pu être enregistrées.</translation>
</message>
<message id="PREFERENCESFOLDERUNUSABLE">
    <source>The folder “%1” cannot be created or written to. Choose another folder; nothing was saved.</source>
    <translation>Le dossier « %1 » ne peut pas être créé ou n'est pas accessible en écriture. Choisissez un autre dossier ; rien n'a été enregistré.</translation>
</message>
<message id="CHOOSELOGFOLDERPATHTITLE">
    <source>Choose the folder for rename logs</source>
    <translation>Choisir le dossier des journaux de renommage</translation>
</message>
<message id="CHOOSEPROFILEFOLDERPATHTITLE">
    <source>Choose the folder for profiles</source>
    <translation>Choisir le dossier des profils</translation>
</message>
<message id="CHOOSERULEFOLDERPATHTITLE">
    <source>Choose the folder for rules</source>
    <translation>Choisir le dossier des règles</translation>
</message>
<message id="CHOOSEFILESORFOLDERSTITLE">
    <source>Choose Files or Folders</source>
    <translation>Choisir des fichiers ou des dossiers</translation>
</message>
<message id="CHOOSETABDELIMITEDTEXTFILE">
    <source>Choose a Tab-Delimited Text File</source>
    <translation>Choisir un fichier texte délimité par des tabulations</translation>
</message>
<message id="RENAMEFROMFILETITLE">
    <source>Rename from List</source>
    <translation>Renommer à partir d'une liste</translation>
</message>
<message id="UNABLETOOPENFILE">
    <source>The list file could not be opened.</source>
    <translation>Le fichier de liste n'a pas pu être ouvert.</translation>
</message>
<message id="RENAMEFROMFILEMESSAGE">
    <source>The list file holds no usable line. Each line needs three fields separated by tabs: current name, new name and folder.</source>
    <translation>Le fichier de liste ne contient aucune ligne utilisable. Chaque ligne doit comporter trois champs séparés par des tabulations : nom actuel, nouveau nom et dossier.</translation>
</message>
<message id="RENAMEFROMFILENOTTEXT">
    <source>The list file is not UTF-8 text, so it was not read.</source>
    <translation>Le fichier de liste n'est pas du texte UTF-8 ; il n'a donc pas été lu.</translation>
</message>
<message id="EXPORTFILESTITLE">
    <source>Export</source>
    <translation>Exporter</translation>
</message>
<message id="EXPORTNOCOLUMN">
    <source>Choose at least one column to export.</source>
    <translation>Choisissez au moins une colonne à exporter.</translation>
</message>
<message id="EXPORTFILESFAILED">
    <source>The folder column needs a name column when full paths are written.</source>
    <translation>La colonne du dossier nécessite une colonne de nom lorsque les chemins complets sont écrits.</translation>
</message>
<message id="EXPORTFILELISTTITLE">
    <source>Export the List</source>
    <translation>Exporter la liste</translation>
</message>
<message id="EXPORTFILESEXPORTEDSUCCESS">
    <source>The list was exported.</source>
    <translation>La liste a été exportée.</translation>
</message>
<message id="EXPORTFILESEXPORTEDFAILED">
    <source>The list could not be exported. %1</source>
    <translation>La liste n'a pas pu être exportée. %1</translation>
</message>
<message id="EXPORTFILESSKIPPED" numerus="yes">
    <source>%n items were left out because a name or folder holds a tab or a line break.</source>
    <translation>
        <numerusform>%n élément omis, car un nom ou un dossier contient une tabulation ou un saut de ligne.</numerusform>
        <numerusform>%n éléments omis, car un nom ou un dossier contient une tabulation ou un saut de ligne.</numerusform>
    </translation>
</message>
<message id="UNDOFILESFOLDERSTITLE">
    <source>Undo</source>
    <translation>Annuler les renommages</translation>
</message>
<message id="UNDOFILESFOLDERSNOLOGSELECTED">
    <source>Select a rename log first.</source>
    <translation>Sélectionnez d'abord un journal de renommage.</translation>
</message>
<message id="UNDOFILESFOLDERSINCOMPATIBLE">
    <source>This rename log was written by an incompatible version of the program.</source>
    <translation>Ce journal de renommage a été écrit par une version incompatible du programme.</translation>
</message>
<message id="UNDOFILESFOLDERSINVALIDFILE">
    <source>This rename log holds no renamed item or cannot be read.</source>
    <translation>Ce journal de renommage ne contient aucun élément renommé ou est illisible.</translation>
</message>
<message id="UNDOFILESFOLDERSDELETECONFIRM">
    <source>Delete the selected rename log?</source>
    <translation>Supprimer le journal de renommage sélectionné ?</translation>
</message>
<message id="UNDOCONFIRMMESSAGE" numerus="yes">
    <source>Give the %n items this log renamed their earlier names back?</source>
    <translation>
        <numerusform>Rendre son nom précédent à l’élément renommé dans ce journal ?</numerusform>
        <numerusform>Rendre leur nom précédent aux %n éléments renommés dans ce journal ?</numerusform>
    </translation>
</message>
<message id="OPENDOCUMENTNOHANDLER">
    <source>No application on this computer opens “%1”. Set one for this type of file in the desktop's settings.</source>
    <translation>Aucune application de cet ordinateur n'ouvre « %1 ». Choisissez-en une pour ce type de fichier dans les réglages du bureau.</translation>
</message>
<message id="UNDOINGITEMS">
    <source>Undoing the renames, please wait...</source>
    <translation>Annulation des renommages en cours, veuillez patienter...</translation>
</message>
<message id="CHECKINGLOGFILE">
    <source>Checking the rename log...</source>
    <translation>Vérification du journal de renommage...</translation>
</message>
<message id="ITEMSRESTORED" numerus="yes">
    <source>%n items restored</source>
    <translation>
        <numerusform>%n élément restauré</numerusform>
        <numerusform>%n éléments restaurés</numerusform>
    </translation>
</message>
<message id="TOTALLOGFILES" numerus="yes">
    <source>%n rename logs</source>
    <translation>
        <numerusform>%n journal de renommage</numerusform>
        <numerusform>%n journaux de renommage</numerusform>
    </translation>
</message>
<message id="TOTALNOSRENAMEDITEMSFOUND" numerus="yes">
    <source>%n renamed items in this log</source>
    <translation>
        <numerusform>%n élément renommé dans ce journal</numerusform>
        <numerusform>%n éléments renommés dans ce journal</numerusform>
    </translation>
</message>
<message id="UNDOTOTALNOSITEMSFOUND">
    <source>Items in the log: %1.</source>
    <translation>Éléments dans le journal : %1.</translation>
</message>
<message id="UNDOTOTALNOSITEMSRENAMED">
    <source> Items restored: %1.</source>
    <translation> Éléments restaurés : %1.</translation>
</message>
<message id="UNDOTOTALNOSITEMDOESNOTEXISTS">
    <source> Items not restored (gone, or their old name is taken): %1.</source>
    <translation> Éléments non restaurés (disparus, ou leur ancien nom est déjà pris) : %1.</translation>
</message>
<message id="UNDONOTRESTOREDITEM">
    <source>%1 could not be moved back to %2: %3</source>
    <translation>%1 n’a pas pu être remis en %2 : %3</translation>
</message>
<message id="UNDONOTRESTOREDMORE">
    <source>… and %1 more.</source>
    <translation>… et %1 de plus.</translation>
</message>
<message id="UNDOLOGKEPT">
    <source>The log was kept with the %1 entries that can still be undone.</source>
    <translation>Le journal a été conservé avec les %1 entrées qui peuvent encore être annulées.</translation>
</message>
<message id="UNDOLOGKEPTWHOLE">
    <source>The log was kept as it was (it could not be rewritten: %1).</source>
    <translation>Le journal a été conservé tel quel (il n’a pas pu être réécrit : %1).</translation>
</message>
<message id="UNDOREASONGONE">
    <source>it is no longer there</source>
    <translation>il n’y est plus</translation>
</message>
<message id="UNDOREASONTAKEN">
    <source>another item has that name</source>
    <translation>un autre élément porte ce nom</translation>
</message>
<message id="UNDOREASONOTHERFILESYSTEM">
    <source>the two folders are on different file systems and nothing is copied between them</source>
    <translation>les deux dossiers sont sur des systèmes de fichiers différents et rien n’est copié de l’un à l’autre</translation>
</message>
<message id="UNDOREASONMOVEFAILED">
    <source>the move failed (%1)</source>
    <translation>le déplacement a échoué (%1)</translation>
</message>
<message id="UNDOREASONINVALIDENTRY">
    <source>the log entry is incomplete</source>
    <translation>l’entrée du journal est incomplète</translation>
</message>
<message id="SELECTLOGFILETITLE">
    <source>Choose a %1 Rename Log</source>
    <translation>Choisir un journal de renommage %1</translation>
</message>
<message id="VIEWLOGFILETITLE">
    <source>View Log</source>
    <translation>Afficher le journal</translation>
</message>
<message id="VIEWLOGFILETITLEMESSAGE">
    <source>Select a rename log first.</source>
    <translation>Sélectionnez d'abord un journal de renommage.</translation>
</message>
<message id="ADDFILEEXTENSIONTITLE">
    <source>Extensions</source>
    <translation>Extensions</translation>
</message>
<message id="ADDFILEEXTENSIONALREADYEXISTS">
    <source>The extension %1 is already in the list.</source>
    <translation>L'extension %1 figure déjà dans la liste.</translation>
</message>
<message id="APPLICATIONINITTITLE">
    <source>Quorvel</source>
    <translation>Quorvel</translation>
</message>
<message id="APPLICATIONCREATEFOLDERFAILED">
    <source>The program's data folders could not be created. </source>
    <translation>Les dossiers de données du programme n'ont pas pu être créés. </translation>
</message>
<message id="UNDOLOGDELETEFAILED">
    <source>The rename log %1 could not be deleted: %2</source>
    <translation>Le journal de renommage %1 n'a pas pu être supprimé : %2</translation>
</message>
<message id="UNDOCONFIRM" numerus="yes">
    <source>Undo the %n renames recorded in %1?</source>
    <translation>
        <numerusform>Annuler le %n renommage enregistré dans %1 ?</numerusform>
        <numerusform>Annuler les %n renommages enregistrés dans %1 ?</numerusform>
    </translation>
</message>
<message id="MENUFILE">
    <source>&amp;File</source>
    <translation>&amp;Fichier</translation>
</message>
<message id="MENUEDIT">
    <source>&amp;Edit</source>
    <translation>É&amp;dition</translation>
</message>
<message id="MENURENAME">
    <source>&amp;Rename</source>
    <translation>&amp;Renommer</translation>
</message>
<message id="MENURULES">
    <source>R&amp;ules</source>
    <translation>Rè&amp;gles</translation>
</message>
<message id="MENUTOOLS">
    <source>&amp;Tools</source>
    <translation>&amp;Outils</translation>
</message>
<message id="MENUHELP">
    <source>&amp;Help</source>
    <translation>&amp;Aide</translation>
</message>
<message id="TOOLBAR">
    <source>Main toolbar</source>
    <translation>Barre d'outils principale</translation>
</message>
<message id="ACTIONADD">
    <source>Add…</source>
    <translation>Ajouter…</translation>
</message>
<message id="ACTIONADDFROMFILEMANAGER">
    <source>Add Copied Items</source>
    <translation>Ajouter les éléments copiés</translation>
</message>
<message id="ACTIONCLEAR">
    <source>Clear List</source>
    <translation>Vider la liste</translation>
</message>
<message id="ACTIONREMOVE">
    <source>Remove</source>
    <translation>Retirer</translation>
</message>
<message id="ACTIONMOVEUP">
    <source>Move Up</source>
    <translation>Monter</translation>
</message>
<message id="ACTIONMOVEDOWN">
    <source>Move Down</source>
    <translation>Descendre</translation>
</message>
<message id="ACTIONPREVIEW">
    <source>Preview</source>
    <translation>Aperçu</translation>
</message>
<message id="ACTIONAPPLY">
    <source>Rename</source>
    <translation>Renommer</translation>
</message>
<message id="ACTIONCANCEL">
    <source>Cancel</source>
    <translation>Annuler</translation>
</message>
<message id="ACTIONLIVEPREVIEW">
    <source>Live Preview</source>
    <translation>Aperçu direct</translation>
</message>
<message id="ACTIONLIVEPREVIEWOPTIONS">
    <source>Live Preview Options…</source>
    <translation>Options de l'aperçu direct…</translation>
</message>
<message id="ACTIONLOADPROFILE">
    <source>Open Profile…</source>
    <translation>Ouvrir un profil…</translation>
</message>
<message id="ACTIONSAVEPROFILE">
    <source>Save Profile</source>
    <translation>Enregistrer le profil</translation>
</message>
<message id="ACTIONSAVEASPROFILE">
    <source>Save Profile As…</source>
    <translation>Enregistrer le profil sous…</translation>
</message>
<message id="ACTIONDEFAULTSETTINGS">
    <source>Factory Settings</source>
    <translation>Réglages d'origine</translation>
</message>
<message id="ACTIONLASTSETTINGS">
    <source>Settings of the Last Session</source>
    <translation>Réglages de la dernière session</translation>
</message>
<message id="ACTIONSHOWLOGS">
    <source>Show Rename Logs Folder</source>
    <translation>Afficher le dossier des journaux</translation>
</message>
<message id="ACTIONHELP">
    <source>Help for This Method</source>
    <translation>Aide sur cette méthode</translation>
</message>
<message id="ACTIONABOUT">
    <source>About Quorvel</source>
    <translation>À propos de Quorvel</translation>
</message>
<message id="ACTIONQUIT">
    <source>Quit</source>
    <translation>Quitter</translation>
</message>
<message id="ABOUTTEXT">
    <source>Renames files and folders in batches, with a preview of every new name and a log from which each batch can be undone.</source>
    <translation>Renomme des fichiers et des dossiers par lots, avec un aperçu de chaque nouveau nom et un journal qui permet d'annuler chaque lot.</translation>
</message>
<message id="ABOUTLICENCE">
    <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty.</source>
    <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure (GPL-3.0-or-later), sans aucune garantie.</translation>
</message>
<message id="ABOUTIPTCCREDIT">
    <source>Subject code names: IPTC Subject NewsCodes, International Press Telecommunications Council, CC BY 4.0.</source>
    <translation>Noms des codes de sujet : IPTC Subject NewsCodes, International Press Telecommunications Council, CC BY 4.0.</translation>
</message>
<message id="TIPADD">
    <source>Add files or folders to the list</source>
    <translation>Ajouter des fichiers ou des dossiers à la liste</translation>
</message>
<message id="TIPADDFROMFILEMANAGER">
    <source>Add the items copied in the file manager</source>
    <translation>Ajouter les éléments copiés dans le gestionnaire de fichiers</translation>
</message>
<message id="TIPCLEAR">
    <source>Remove every item from the list</source>
    <translation>Retirer tous les éléments de la liste</translation>
</message>
<message id="TIPREMOVE">
    <source>Remove the selected items from the list</source>
    <translation>Retirer de la liste les éléments sélectionnés</translation>
</message>
<message id="TIPMOVEUP">
    <source>Move the selected items up</source>
    <translation>Monter les éléments sélectionnés</translation>
</message>
<message id="TIPMOVEDOWN">
    <source>Move the selected items down</source>
    <translation>Descendre les éléments sélectionnés</translation>
</message>
<message id="TIPPREVIEW">
    <source>Show the new name of every item</source>
    <translation>Afficher le nouveau nom de chaque élément</translation>
</message>
<message id="TIPAPPLY">
    <source>Rename the items on disk as previewed</source>
    <translation>Renommer les éléments sur le disque comme dans l'aperçu</translation>
</message>
<message id="TIPCANCEL">
    <source>Stop the running task</source>
    <translation>Arrêter la tâche en cours</translation>
</message>
<message id="TIPLIVEPREVIEW">
    <source>Update the new names while the options change</source>
    <translation>Mettre à jour les nouveaux noms pendant la modification des options</translation>
</message>
<message id="TIPLOADPROFILE">
    <source>Open the settings saved in a profile</source>
    <translation>Ouvrir les réglages enregistrés dans un profil</translation>
</message>
<message id="TIPSAVEPROFILE">
    <source>Save the settings in the current profile</source>
    <translation>Enregistrer les réglages dans le profil actuel</translation>
</message>
<message id="TIPDEFAULTSETTINGS">
    <source>Set every option back to its default</source>
    <translation>Remettre chaque option à sa valeur par défaut</translation>
</message>
<message id="TIPLASTSETTINGS">
    <source>Restore the settings and rules of the last session</source>
    <translation>Rétablir les réglages et les règles de la dernière session</translation>
</message>
<message id="TIPTABHELP">
    <source>Help for the selected method</source>
    <translation>Aide sur la méthode sélectionnée</translation>
</message>
<message id="TIPFILELIST">
    <source>Drop files and folders here. Ctrl+Up and Ctrl+Down move the selected items, Delete removes them.</source>
    <translation>Déposez ici des fichiers et des dossiers. Ctrl+Haut et Ctrl+Bas déplacent les éléments sélectionnés, Suppr les retire.</translation>
</message>
<message id="TIPSCOPEFILES">
    <source>The list holds files; folders added are searched for files</source>
    <translation>La liste contient des fichiers ; les dossiers ajoutés sont parcourus pour y trouver des fichiers</translation>
</message>
<message id="TIPSCOPEFOLDERS">
    <source>The list holds folders</source>
    <translation>La liste contient des dossiers</translation>
</message>
<message id="TIPINCLUDESUBFOLDERS">
    <source>Also take what the subfolders of an added folder hold</source>
    <translation>Prendre aussi le contenu des sous-dossiers d'un dossier ajouté</translation>
</message>
<message id="TIPSEPARATOR">
    <source>Text between two parts</source>
    <translation>Texte entre deux parties</translation>
</message>
<message id="TIPPADDINGMASK">
    <source>Zeros that set the width of the number, for example 000 gives 007</source>
    <translation>Des zéros qui fixent la largeur du nombre, par exemple 000 donne 007</translation>
</message>
<message id="TIPNUMERICSTART">
    <source>The number of the first item</source>
    <translation>Le numéro du premier élément</translation>
</message>
<message id="TIPALPHABETICSTART">
    <source>The letters of the first item</source>
    <translation>Les lettres du premier élément</translation>
</message>
<message id="TIPINSERTTEXT">
    <source>The text to insert into every name</source>
    <translation>Le texte à insérer dans chaque nom</translation>
</message>
<message id="TIPREPLACEFIND">
    <source>The text to look for in every name</source>
    <translation>Le texte à chercher dans chaque nom</translation>
</message>
<message id="TIPREGULAREXPRESSION">
    <source>Read the text to find as a regular expression; the replacement may name groups as \1 or $1</source>
    <translation>Lire le texte à chercher comme une expression régulière ; le remplacement peut citer les groupes par \1 ou $1</translation>
</message>
<message id="TIPFILENAMEMASK">
    <source>A pattern of the new name; see the help of this method</source>
    <translation>Un modèle du nouveau nom ; voir l'aide de cette méthode</translation>
</message>
<message id="TIPTRANSLITERATE">
    <source>Letters of every script written with plain Latin letters (ß becomes ss)</source>
    <translation>Les lettres de toute écriture écrites en lettres latines simples (ß devient ss)</translation>
</message>
<message id="TIPWINDOWSCOMPATIBLE">
    <source>The text that replaces characters other systems do not allow in names</source>
    <translation>Le texte qui remplace les caractères que d'autres systèmes n'acceptent pas dans les noms</translation>
</message>
<message id="TIPREPAIRENCODING">
    <source>Gives back their letters to names written in UTF-8 but read in this encoding ("cafÃ©" becomes "café"); any ICU converter name</source>
    <translation>Rend leurs lettres aux noms écrits en UTF-8 mais lus dans ce codage (« cafÃ© » devient « café ») ; tout nom de convertisseur ICU</translation>
</message>
<message id="TIPAUDIOMASK">
    <source>The tags that make the new name, in order</source>
    <translation>Les balises qui composent le nouveau nom, dans l'ordre</translation>
</message>
<message id="TIPPHOTOMASK">
    <source>The metadata fields that make the new name, in order</source>
    <translation>Les champs de métadonnées qui composent le nouveau nom, dans l'ordre</translation>
</message>
<message id="TIPVIDEOTIMESARELOCAL">
    <source>Movies record when they were taken in UTC, shown here in your time zone. Some cameras write their own local time instead: turn this on for them. A QuickTime creation date is always used as written.</source>
    <translation>Les vidéos enregistrent l'heure de prise de vue en UTC, affichée ici dans votre fuseau horaire. Certains appareils écrivent plutôt leur heure locale : cochez cette case pour eux. Une date de création QuickTime est toujours reprise telle qu'elle est écrite.</translation>
</message>
<message id="TIPPATHLEVEL">
    <source>1 is the folder that holds the item, 2 the folder above it, and so on</source>
    <translation>1 est le dossier qui contient l'élément, 2 le dossier au-dessus, et ainsi de suite</translation>
</message>
<message id="DROPHINT">
    <source>Drop files and folders here, or use Add</source>
    <translation>Déposez ici des fichiers et des dossiers, ou utilisez Ajouter</translation>
</message>
<message id="NOFILEMANAGERSELECTION">
    <source>Copy some files or folders in the file manager first.</source>
    <translation>Copiez d'abord des fichiers ou des dossiers dans le gestionnaire de fichiers.</translation>
</message>
<message id="FILETYPE">
    <source>Kind</source>
    <translation>Type</translation>
</message>
<message id="SCOPERENAME">
    <source>Rename:</source>
    <translation>Renommer :</translation>
</message>
<message id="SCOPEFILES">
    <source>Files</source>
    <translation>Fichiers</translation>
</message>
<message id="SCOPEFOLDERS">
    <source>Folders</source>
    <translation>Dossiers</translation>
</message>
<message id="INCLUDESUBFOLDERS">
    <source>Include subfolders</source>
    <translation>Inclure les sous-dossiers</translation>
</message>
<message id="TABSEQUENCE">
    <source>Sequence</source>
    <translation>Séquence</translation>
</message>
<message id="TABINSERTDELETE">
    <source>Insert/Delete</source>
    <translation>Insérer/Supprimer</translation>
</message>
<message id="TABREPLACEREMOVE">
    <source>Replace/Remove</source>
    <translation>Remplacer/Enlever</translation>
</message>
<message id="TABPREFIXSUFFIX">
    <source>Prefix/Suffix</source>
    <translation>Préfixe/Suffixe</translation>
</message>
<message id="TABDATETIME">
    <source>Date &amp; Time</source>
    <translation>Date et heure</translation>
</message>
<message id="TABGENERAL">
    <source>General</source>
    <translation>Général</translation>
</message>
<message id="TABAUDIO">
    <source>Audio Tags</source>
    <translation>Balises audio</translation>
</message>
<message id="TABPHOTO">
    <source>Photo</source>
    <translation>Photo</translation>
</message>
<message id="TABPATHCOMPONENTS">
    <source>Folder Names</source>
    <translation>Noms de dossiers</translation>
</message>
<message id="TABRENAMEFROMLIST">
    <source>From List</source>
    <translation>Depuis une liste</translation>
</message>
<message id="SEQUENCEKIND">
    <source>Sequence of</source>
    <translation>Séquence de</translation>
</message>
<message id="SEQUENCENUMBERS">
    <source>Numbers</source>
    <translation>Nombres</translation>
</message>
<message id="SEQUENCELETTERS">
    <source>Letters</source>
    <translation>Lettres</translation>
</message>
<message id="SEQUENCEDIRECTION">
    <source>Direction</source>
    <translation>Sens</translation>
</message>
<message id="SEQUENCEINCREMENT">
    <source>Increasing</source>
    <translation>Croissant</translation>
</message>
<message id="SEQUENCEDECREMENT">
    <source>Decreasing</source>
    <translation>Décroissant</translation>
</message>
<message id="SEQUENCEVALUES">
    <source>Values</source>
    <translation>Valeurs</translation>
</message>
<message id="SEQUENCENUMERICSTART">
    <source>Start with number:</source>
    <translation>Commencer au nombre :</translation>
</message>
<message id="SEQUENCEALPHABETICSTART">
    <source>Start with letters:</source>
    <translation>Commencer aux lettres :</translation>
</message>
<message id="SEQUENCEINCREMENTBY">
    <source>Increase by:</source>
    <translation>Augmenter de :</translation>
</message>
<message id="SEQUENCEDECREMENTBY">
    <source>Decrease by:</source>
    <translation>Diminuer de :</translation>
</message>
<message id="SEQUENCEPADDINGMASK">
    <source>Padding mask:</source>
    <translation>Masque de remplissage :</translation>
</message>
<message id="SEQUENCEPLACEMENT">
    <source>Placement</source>
    <translation>Position</translation>
</message>
<message id="SEQUENCEASPREFIX">
    <source>Before the name</source>
    <translation>Avant le nom</translation>
</message>
<message id="SEQUENCEASSUFFIX">
    <source>After the name</source>
    <translation>Après le nom</translation>
</message>
<message id="SEQUENCESEPARATOR">
    <source>Separate from the name with:</source>
    <translation>Séparer du nom par :</translation>
</message>
<message id="SEQUENCERESETEACHFOLDER">
    <source>Start the sequence again in each folder</source>
    <translation>Recommencer la séquence dans chaque dossier</translation>
</message>
<message id="INSERTGROUP">
    <source>Insert</source>
    <translation>Insérer</translation>
</message>
<message id="DELETEGROUP">
    <source>Delete</source>
    <translation>Supprimer</translation>
</message>
<message id="INSERTDELETEINSERT">
    <source>Insert the text:</source>
    <translation>Insérer le texte :</translation>
</message>
<message id="INSERTDELETEDELETE">
    <source>Delete characters</source>
    <translation>Supprimer des caractères</translation>
</message>
<message id="DELETECOUNT">
    <source>Number of characters:</source>
    <translation>Nombre de caractères :</translation>
</message>
<message id="DELETEFROMPOSITION">
    <source>from position:</source>
    <translation>à partir de la position :</translation>
</message>
<message id="DELETEFROMEND">
    <source>Counted from the end</source>
    <translation>Comptée depuis la fin</translation>
</message>
<message id="ATBEGINNING">
    <source>At the beginning</source>
    <translation>Au début</translation>
</message>
<message id="ATEND">
    <source>At the end</source>
    <translation>À la fin</translation>
</message>
<message id="ATPOSITION">
    <source>At position:</source>
    <translation>À la position :</translation>
</message>
<message id="BEFORETEXT">
    <source>Before the text:</source>
    <translation>Avant le texte :</translation>
</message>
<message id="AFTERTEXT">
    <source>After the text:</source>
    <translation>Après le texte :</translation>
</message>
<message id="OCCURRENCE">
    <source>Occurrence:</source>
    <translation>Occurrence :</translation>
</message>
<message id="FROMTHESTART">
    <source>from the start</source>
    <translation>depuis le début</translation>
</message>
<message id="FROMTHEEND">
    <source>from the end</source>
    <translation>depuis la fin</translation>
</message>
<message id="REPLACEMODE">
    <source>Replace</source>
    <translation>Remplacer</translation>
</message>
<message id="REMOVEMODE">
    <source>Remove</source>
    <translation>Enlever</translation>
</message>
<message id="REMOVECHARACTERSMODE">
    <source>Remove each of the characters</source>
    <translation>Enlever chacun des caractères</translation>
</message>
<message id="REPLACETEXTS">
    <source>Texts</source>
    <translation>Textes</translation>
</message>
<message id="REPLACEFIND">
    <source>Find:</source>
    <translation>Chercher :</translation>
</message>
<message id="REPLACEWITH">
    <source>Replace with:</source>
    <translation>Remplacer par :</translation>
</message>
<message id="CASESENSITIVE">
    <source>Match case</source>
    <translation>Respecter la casse</translation>
</message>
<message id="ALLOCCURRENCES">
    <source>Every occurrence</source>
    <translation>Toutes les occurrences</translation>
</message>
<message id="REGULAREXPRESSION">
    <source>Regular expression</source>
    <translation>Expression régulière</translation>
</message>
<message id="REPLACEWHERE">
    <source>Where</source>
    <translation>Où</translation>
</message>
<message id="STARTFROMCHARACTER">
    <source>Start at character:</source>
    <translation>Commencer au caractère :</translation>
</message>
<message id="STARTONOCCURRENCE">
    <source>Start at occurrence:</source>
    <translation>Commencer à l'occurrence :</translation>
</message>
<message id="OCCURRENCECOUNT">
    <source>Number of occurrences:</source>
    <translation>Nombre d'occurrences :</translation>
</message>
<message id="PREFIXSUFFIXTEXTGROUP">
    <source>Text</source>
    <translation>Texte</translation>
</message>
<message id="PREFIXSUFFIXDATEGROUP">
    <source>File date</source>
    <translation>Date du fichier</translation>
</message>
<message id="PREFIXSUFFIXTEXT">
    <source>Add texts before and after the name</source>
    <translation>Ajouter des textes avant et après le nom</translation>
</message>
<message id="PREFIXSUFFIXDATE">
    <source>Add the file's date</source>
    <translation>Ajouter la date du fichier</translation>
</message>
<message id="PREFIX">
    <source>Prefix:</source>
    <translation>Préfixe :</translation>
</message>
<message id="SUFFIX">
    <source>Suffix:</source>
    <translation>Suffixe :</translation>
</message>
<message id="FILEDATE">
    <source>Which date:</source>
    <translation>Quelle date :</translation>
</message>
<message id="ASPREFIX">
    <source>Before the name</source>
    <translation>Avant le nom</translation>
</message>
<message id="ASSUFFIX">
    <source>After the name</source>
    <translation>Après le nom</translation>
</message>
<message id="DATECREATED">
    <source>Date created</source>
    <translation>Date de création</translation>
</message>
<message id="DATEMODIFIED">
    <source>Date modified</source>
    <translation>Date de modification</translation>
</message>
<message id="DATECUSTOM">
    <source>This date:</source>
    <translation>Cette date :</translation>
</message>
<message id="DATEPARTS">
    <source>Date:</source>
    <translation>Date :</translation>
</message>
<message id="TIMEPARTS">
    <source>Time:</source>
    <translation>Heure :</translation>
</message>
<message id="DATEPARTNONE">
    <source>None</source>
    <translation>Aucun</translation>
</message>
<message id="TEXTBEFOREDATE">
    <source>Text before the date:</source>
    <translation>Texte avant la date :</translation>
</message>
<message id="TEXTAFTERDATE">
    <source>Text after the date:</source>
    <translation>Texte après la date :</translation>
</message>
<message id="DATESOURCE">
    <source>Which date</source>
    <translation>Quelle date</translation>
</message>
<message id="PLACEMENT">
    <source>Where</source>
    <translation>Où</translation>
</message>
<message id="DATEFORMAT">
    <source>Format</source>
    <translation>Format</translation>
</message>
<message id="DATETIMESEPARATOR">
    <source>Between date and time:</source>
    <translation>Entre la date et l'heure :</translation>
</message>
<message id="REPLACECOLONWITH">
    <source>Replace ":" with:</source>
    <translation>Remplacer « : » par :</translation>
</message>
<message id="GENERALOPERATION">
    <source>Change</source>
    <translation>Modification</translation>
</message>
<message id="CONVERTFILENAMECASE">
    <source>Change the case of the name:</source>
    <translation>Changer la casse du nom :</translation>
</message>
<message id="CONVERTEXTENSIONCASE">
    <source>Change the case of the extension:</source>
    <translation>Changer la casse de l'extension :</translation>
</message>
<message id="UPPERCASE">
    <source>UPPER CASE</source>
    <translation>MAJUSCULES</translation>
</message>
<message id="LOWERCASE">
    <source>lower case</source>
    <translation>minuscules</translation>
</message>
<message id="PROPERCASE">
    <source>Capitalised Words</source>
    <translation>Mots Avec Majuscule</translation>
</message>
<message id="REMOVEEXTENSION">
    <source>Remove the extension</source>
    <translation>Enlever l'extension</translation>
</message>
<message id="CHANGEEXTENSION">
    <source>Change the extension to:</source>
    <translation>Changer l'extension en :</translation>
</message>
<message id="REVERSEFILENAME">
    <source>Reverse the name</source>
    <translation>Inverser le nom</translation>
</message>
<message id="REMOVESPACES">
    <source>Remove spaces</source>
    <translation>Enlever les espaces</translation>
</message>
<message id="SWAPFROMSEPARATOR">
    <source>Swap the parts around:</source>
    <translation>Intervertir les parties autour de :</translation>
</message>
<message id="SWAPFROMPOSITION">
    <source>Swap the parts at position:</source>
    <translation>Intervertir les parties à la position :</translation>
</message>
<message id="REMOVEAFTERTEXT">
    <source>Remove what follows:</source>
    <translation>Enlever ce qui suit :</translation>
</message>
<message id="REMOVEFROMTEXT">
    <source>Remove from:</source>
    <translation>Enlever à partir de :</translation>
</message>
<message id="FILENAMEMASK">
    <source>Name pattern:</source>
    <translation>Modèle de nom :</translation>
</message>
<message id="WINDOWSCOMPATIBLE">
    <source>Make names safe for other systems, replacing with:</source>
    <translation>Rendre les noms sûrs pour d'autres systèmes, en remplaçant par :</translation>
</message>
<message id="TRANSLITERATE">
    <source>Transliterate to plain Latin</source>
    <translation>Translittérer en latin simple</translation>
</message>
<message id="REPAIRENCODING">
    <source>Repair the name's encoding, read as:</source>
    <translation>Réparer le codage du nom, lu comme :</translation>
</message>
<message id="AUDIOMASK">
    <source>New name from tags</source>
    <translation>Nouveau nom à partir des balises</translation>
</message>
<message id="AUDIOOPTIONS">
    <source>Options</source>
    <translation>Options</translation>
</message>
<message id="AUDIOEXTENSIONS">
    <source>Audio files renamed</source>
    <translation>Fichiers audio renommés</translation>
</message>
<message id="PHOTOMASK">
    <source>New name from metadata</source>
    <translation>Nouveau nom à partir des métadonnées</translation>
</message>
<message id="PHOTOOPTIONS">
    <source>Options</source>
    <translation>Options</translation>
</message>
<message id="PHOTOEXTENSIONS">
    <source>Image files renamed</source>
    <translation>Fichiers image renommés</translation>
</message>
<message id="MASK">
    <source>Mask:</source>
    <translation>Masque :</translation>
</message>
<message id="ADDTAG">
    <source>Add Tag</source>
    <translation>Ajouter une balise</translation>
</message>
<message id="ADDFIELD">
    <source>Add Field</source>
    <translation>Ajouter un champ</translation>
</message>
<message id="EDITMASK">
    <source>Edit…</source>
    <translation>Modifier…</translation>
</message>
<message id="CLEARMASK">
    <source>Clear</source>
    <translation>Effacer</translation>
</message>
<message id="EDITEXTENSIONS">
    <source>Edit…</source>
    <translation>Modifier…</translation>
</message>
<message id="SEPARATEWITH">
    <source>Separate the parts with:</source>
    <translation>Séparer les parties par :</translation>
</message>
<message id="TAGARTIST">
    <source>Artist</source>
    <translation>Artiste</translation>
</message>
<message id="TAGYEAR">
    <source>Year</source>
    <translation>Année</translation>
</message>
<message id="TAGGENRE">
    <source>Genre</source>
    <translation>Genre</translation>
</message>
<message id="TAGTITLE">
    <source>Title</source>
    <translation>Titre</translation>
</message>
<message id="TAGALBUM">
    <source>Album</source>
    <translation>Album</translation>
</message>
<message id="TAGCOMMENTS">
    <source>Comments</source>
    <translation>Commentaires</translation>
</message>
<message id="TAGTRACKNUMBER">
    <source>Track number</source>
    <translation>Numéro de piste</translation>
</message>
<message id="TAGCOMPOSER">
    <source>Composer</source>
    <translation>Compositeur</translation>
</message>
<message id="FIELDDATE">
    <source>Date taken</source>
    <translation>Date de prise de vue</translation>
</message>
<message id="FIELDTIME">
    <source>Time taken</source>
    <translation>Heure de prise de vue</translation>
</message>
<message id="FIELDDEVICEMAKE">
    <source>Camera maker</source>
    <translation>Fabricant de l'appareil</translation>
</message>
<message id="FIELDDEVICEMODEL">
    <source>Camera model</source>
    <translation>Modèle de l'appareil</translation>
</message>
<message id="FIELDDIMENSIONS">
    <source>Dimensions</source>
    <translation>Dimensions</translation>
</message>
<message id="FIELDFILENAME">
    <source>File name</source>
    <translation>Nom du fichier</translation>
</message>
<message id="VIDEOTIMESARELOCAL">
    <source>Video times are local time (not UTC)</source>
    <translation>Heures des vidéos en heure locale (pas UTC)</translation>
</message>
<message id="PATHCOMPONENTS">
    <source>Folder name</source>
    <translation>Nom de dossier</translation>
</message>
<message id="PATHLEVEL">
    <source>Folder level:</source>
    <translation>Niveau du dossier :</translation>
</message>
<message id="PATHSEPARATOR">
    <source>Separator:</source>
    <translation>Séparateur :</translation>
</message>
<message id="TEXTBEFORE">
    <source>Text before:</source>
    <translation>Texte avant :</translation>
</message>
<message id="TEXTAFTER">
    <source>Text after:</source>
    <translation>Texte après :</translation>
</message>
<message id="RENAMEFROMLISTHELP">
    <source>Choose a text file with one line per item: its current name, its new name and its folder, separated by tabs. Loading it replaces the list; then press Rename.</source>
    <translation>Choisissez un fichier texte avec une ligne par élément : son nom actuel, son nouveau nom et son dossier, séparés par des tabulations. Le charger remplace la liste ; appuyez ensuite sur Renommer.</translation>
</message>
<message id="RENAMEFROMLISTFILE">
    <source>List file</source>
    <translation>Fichier de liste</translation>
</message>
<message id="RENAMEFROMLISTPLACEHOLDER">
    <source>Path of a tab-delimited text file</source>
    <translation>Chemin d'un fichier texte délimité par des tabulations</translation>
</message>
<message id="BROWSE">
    <source>Browse…</source>
    <translation>Parcourir…</translation>
</message>
<message id="LISTNAMESFILES">
    <source>The list names files</source>
    <translation>La liste nomme des fichiers</translation>
</message>
<message id="LISTNAMESFOLDERS">
    <source>The list names folders</source>
    <translation>La liste nomme des dossiers</translation>
</message>
<message id="LOADLIST">
    <source>Load List</source>
    <translation>Charger la liste</translation>
</message>
<message id="APPLY">
    <source>Apply</source>
    <translation>Appliquer</translation>
</message>
<message id="CHOOSEITEMSTITLE">
    <source>Add Items</source>
    <translation>Ajouter des éléments</translation>
</message>
<message id="CHOOSEITEMSMESSAGE">
    <source>Folders are among the items. Rename files (found in the folders) or the folders themselves?</source>
    <translation>Des dossiers figurent parmi les éléments. Renommer des fichiers (trouvés dans les dossiers) ou les dossiers eux-mêmes ?</translation>
</message>
<message id="CHOOSEITEMSMORE" numerus="yes">
    <source>… and %n more</source>
    <translation>
        <numerusform>… et %n de plus</numerusform>
        <numerusform>… et %n de plus</numerusform>
    </translation>
</message>
<message id="LIVEPREVIEWTITLE">
    <source>Live Preview</source>
    <translation>Aperçu direct</translation>
</message>
<message id="LIVEPREVIEWMESSAGE">
    <source>The new names follow the options a moment after each change. On long lists, limit it to the first items.</source>
    <translation>Les nouveaux noms suivent les options un instant après chaque modification. Sur les longues listes, limitez-le aux premiers éléments.</translation>
</message>
<message id="LIVEPREVIEWALLITEMS">
    <source>Every item</source>
    <translation>Tous les éléments</translation>
</message>
<message id="LIVEPREVIEWFIRSTITEMS">
    <source>Only the first items:</source>
    <translation>Seulement les premiers éléments :</translation>
</message>
<message id="LIVEPREVIEWTURNON">
    <source>Turn On</source>
    <translation>Activer</translation>
</message>
<message id="Active">
    <source>Active</source>
    <translation>Actif</translation>
</message>
<message id="RULEMETHODCOLUMN">
    <source>Method</source>
    <translation>Méthode</translation>
</message>
<message id="RULESETTINGSCOLUMN">
    <source>What it does</source>
    <translation>Ce qu’elle fait</translation>
</message>
<message id="Rule">
    <source>Rule</source>
    <translation>Règle</translation>
</message>
<message id="Type">
    <source>Type</source>
    <translation>Type</translation>
</message>
<message id="Add">
    <source>Add</source>
    <translation>Ajouter</translation>
</message>
<message id="Add...">
    <source>Add...</source>
    <translation>Ajouter...</translation>
</message>
<message id="Update">
    <source>Update</source>
    <translation>Mettre à jour</translation>
</message>
<message id="Clear">
    <source>Clear</source>
    <translation>Retirer</translation>
</message>
<message id="Clear All">
    <source>Clear All</source>
    <translation>Tout retirer</translation>
</message>
<message id="Close">
    <source>Close</source>
    <translation>Fermer</translation>
</message>
<message id="Delete">
    <source>Delete</source>
    <translation>Supprimer</translation>
</message>
<message id="Load">
    <source>Load</source>
    <translation>Charger</translation>
</message>
<message id="Save">
    <source>Save</source>
    <translation>Enregistrer</translation>
</message>
<message id="Save...">
    <source>Save...</source>
    <translation>Enregistrer...</translation>
</message>
<message id="Open">
    <source>&amp;Open</source>
    <translation>&amp;Ouvrir</translation>
</message>
<message id="Open...">
    <source>Open...</source>
    <translation>Ouvrir...</translation>
</message>
<message id="View">
    <source>View</source>
    <translation>Afficher</translation>
</message>
<message id="Undo">
    <source>Undo</source>
    <translation>Annuler les renommages</translation>
</message>
<message id="Help">
    <source>Help</source>
    <translation>Aide</translation>
</message>
<message id="Back">
    <source>Back</source>
    <translation>Précédent</translation>
</message>
<message id="Forward">
    <source>Forward</source>
    <translation>Suivant</translation>
</message>
<message id="Contents">
    <source>Contents</source>
    <translation>Sommaire</translation>
</message>
<message id="Search">
    <source>Search</source>
    <translation>Rechercher</translation>
</message>
<message id="Option">
    <source>Option</source>
    <translation>Option</translation>
</message>
<message id="Value">
    <source>Value</source>
    <translation>Valeur</translation>
</message>
<message id="Label">
    <source>Label</source>
    <translation>Libellé</translation>
</message>
<message id="Category">
    <source>Category</source>
    <translation>Catégorie</translation>
</message>
<message id="Metadata">
    <source>Metadata</source>
    <translation>Métadonnées</translation>
</message>
<message id="Tag Code">
    <source>Tag Code</source>
    <translation>Code de balise</translation>
</message>
<message id="Profile">
    <source>Profile</source>
    <translation>Profil</translation>
</message>
<message id="Date Created">
    <source>Date Created</source>
    <translation>Date de création</translation>
</message>
<message id="Date Modified">
    <source>Date Modified</source>
    <translation>Date de modification</translation>
</message>
<message id="Log File">
    <source>Log File</source>
    <translation>Fichier journal</translation>
</message>
<message id="Renamed Items">
    <source>Renamed Items</source>
    <translation>Éléments renommés</translation>
</message>
<message id="New profile:">
    <source>New profile:</source>
    <translation>Nouveau profil :</translation>
</message>
<message id="Name of the new profile">
    <source>Name of the new profile</source>
    <translation>Nom du nouveau profil</translation>
</message>
<message id="Photo Renaming Mask">
    <source>Photo Renaming Mask</source>
    <translation>Masque de renommage des photos</translation>
</message>
<message id="Rename logs:">
    <source>Rename logs:</source>
    <translation>Journaux de renommage :</translation>
</message>
<message id="Profiles:">
    <source>Profiles:</source>
    <translation>Profils :</translation>
</message>
<message id="Rules:">
    <source>Rules:</source>
    <translation>Règles :</translation>
</message>
<message id="Save the current profile automatically when quitting">
    <source>Save the current profile automatically when quitting</source>
    <translation>Enregistrer automatiquement le profil en cours en quittant</translation>
</message>
<message id="PREFERENCESCHAINSINONEGO">
    <source>Rename shifts and swaps in one go</source>
    <translation>Renommer décalages et échanges en une fois</translation>
</message>
<message id="Current names">
    <source>Current names</source>
    <translation>Noms actuels</translation>
</message>
<message id="New names">
    <source>New names</source>
    <translation>Nouveaux noms</translation>
</message>
<message id="Folders">
    <source>Folders</source>
    <translation>Dossiers</translation>
</message>
<message id="Full paths in the name columns">
    <source>Full paths in the name columns</source>
    <translation>Chemins complets dans les colonnes de noms</translation>
</message>
<message id="Column names in the first line">
    <source>Column names in the first line</source>
    <translation>Noms des colonnes en première ligne</translation>
</message>
<message id="Export...">
    <source>Export...</source>
    <translation>Exporter...</translation>
</message>
<message id="EXPORTINGLIST">
    <source>Exporting the list…</source>
    <translation>Exportation de la liste…</translation>
</message>
<message id="Profiles...">
    <source>Profiles...</source>
    <translation>Profils...</translation>
</message>
<message id="Add Step to Rule">
    <source>Add Step to Rule</source>
    <translation>Ajouter l'étape à la règle</translation>
</message>
<message id="Rules Drawer">
    <source>Rules Drawer</source>
    <translation>Panneau des règles</translation>
</message>
<message id="RULESDRAWERSTEPS" numerus="yes">
    <source>Rules Drawer (%n steps)</source>
    <translation>
        <numerusform>Panneau des règles (%n étape)</numerusform>
        <numerusform>Panneau des règles (%n étapes)</numerusform>
    </translation>
</message>
<message id="RULESTEPADDED" numerus="yes">
    <source>Step added (%n steps)</source>
    <translation>
        <numerusform>Étape ajoutée (%n étape)</numerusform>
        <numerusform>Étape ajoutée (%n étapes)</numerusform>
    </translation>
</message>
<message id="RULEBARTEXT" numerus="yes">
    <source>The rule of %n steps renames the list, not the tab on screen.</source>
    <translation>
        <numerusform>La règle de %n étape renomme la liste, pas l’onglet affiché.</numerusform>
        <numerusform>La règle de %n étapes renomme la liste, pas l’onglet affiché.</numerusform>
    </translation>
</message>
<message id="RULEBARSHOWRULE">
    <source>Show Rule</source>
    <translation>Afficher la règle</translation>
</message>
<message id="RULEBARUSETAB">
    <source>Use the Tab Instead</source>
    <translation>Utiliser l’onglet</translation>
</message>
<message id="TIPRULEBARSHOWRULE">
    <source>Open the rules drawer with the steps that rename the list</source>
    <translation>Ouvrir le panneau des règles avec les étapes qui renomment la liste</translation>
</message>
<message id="TIPRULEBARUSETAB">
    <source>Close the rules drawer (its steps are kept) and rename with the tab on screen</source>
    <translation>Fermer le panneau des règles (ses étapes sont conservées) et renommer avec l’onglet affiché</translation>
</message>
<message id="RULEBARTABINUSE">
    <source>The tab on screen renames the list again; Preview shows its names.</source>
    <translation>L’onglet affiché renomme de nouveau la liste ; Aperçu montre ses noms.</translation>
</message>
<message id="Rules...">
    <source>Rules...</source>
    <translation>Règles...</translation>
</message>
<message id="Saved Rules">
    <source>Saved Rules</source>
    <translation>Règles enregistrées</translation>
</message>
<message id="Undo...">
    <source>Undo...</source>
    <translation>Annuler des renommages...</translation>
</message>
<message id="UNDOLASTRENAME">
    <source>Undo Last Rename</source>
    <translation>Annuler le dernier renommage</translation>
</message>
<message id="UNDOLASTRENAMECONFIRM" numerus="yes">
    <source>Give %n items their earlier names back?</source>
    <translation>
        <numerusform>Rendre son ancien nom à %n élément ?</numerusform>
        <numerusform>Rendre leur ancien nom à %n éléments ?</numerusform>
    </translation>
</message>
<message id="UNDOLASTRENAMEDETAIL">
    <source>The newest rename log, %1, is undone and then deleted.</source>
    <translation>Le journal de renommage le plus récent, %1, est annulé puis supprimé.</translation>
</message>
<message id="UNDOLASTRENAMENOLOG">
    <source>There is no rename to undo: the log folder holds no rename log.</source>
    <translation>Il n’y a aucun renommage à annuler : le dossier des journaux n’en contient aucun.</translation>
</message>
<message id="Preferences...">
    <source>Preferences...</source>
    <translation>Préférences...</translation>
</message>
<message id="Help Contents">
    <source>Help Contents</source>
    <translation>Sommaire de l'aide</translation>
</message>
<message id="SUMATBEGINNING">
    <source>at the beginning</source>
    <translation>au début</translation>
</message>
<message id="SUMATEND">
    <source>at the end</source>
    <translation>à la fin</translation>
</message>
<message id="SUMATPOSITION">
    <source>at position %1</source>
    <translation>à la position %1</translation>
</message>
<message id="SUMATPOSITIONFROMEND">
    <source>at position %1 from the end</source>
    <translation>à la position %1 depuis la fin</translation>
</message>
<message id="SUMBEFORE">
    <source>before '%1'</source>
    <translation>avant « %1 »</translation>
</message>
<message id="SUMAFTER">
    <source>after '%1'</source>
    <translation>après « %1 »</translation>
</message>
<message id="SUMASPREFIX">
    <source>, before the name</source>
    <translation>, avant le nom</translation>
</message>
<message id="SUMASSUFFIX">
    <source>, after the name</source>
    <translation>, après le nom</translation>
</message>
<message id="SUMASPREFIXANDSUFFIX">
    <source>, before and after the name</source>
    <translation>, avant et après le nom</translation>
</message>
<message id="SUMNUMBERS">
    <source>Numbers from %1</source>
    <translation>Nombres à partir de %1</translation>
</message>
<message id="SUMLETTERS">
    <source>Letters from '%1'</source>
    <translation>Lettres à partir de « %1 »</translation>
</message>
<message id="SUMUPBY">
    <source>, increasing by %1</source>
    <translation>, croissant de %1</translation>
</message>
<message id="SUMDOWNBY">
    <source>, decreasing by %1</source>
    <translation>, décroissant de %1</translation>
</message>
<message id="SUMINSERT">
    <source>Insert '%1' %2</source>
    <translation>Insérer « %1 » %2</translation>
</message>
<message id="SUMDELETE" numerus="yes">
    <source>Delete %n characters from position %1</source>
    <translation>
        <numerusform>Supprimer %n caractère à partir de la position %1</numerusform>
        <numerusform>Supprimer %n caractères à partir de la position %1</numerusform>
    </translation>
</message>
<message id="SUMDELETEFROMEND" numerus="yes">
    <source>Delete %n characters from position %1, counted from the end</source>
    <translation>
        <numerusform>Supprimer %n caractère à partir de la position %1, comptée depuis la fin</numerusform>
        <numerusform>Supprimer %n caractères à partir de la position %1, comptée depuis la fin</numerusform>
    </translation>
</message>
<message id="SUMREPLACE">
    <source>Replace '%1' with '%2'</source>
    <translation>Remplacer « %1 » par « %2 »</translation>
</message>
<message id="SUMREMOVE">
    <source>Remove '%1'</source>
    <translation>Enlever « %1 »</translation>
</message>
<message id="SUMREMOVECHARACTERS">
    <source>Remove each of the characters '%1'</source>
    <translation>Enlever chacun des caractères « %1 »</translation>
</message>
<message id="SUMEVERYOCCURRENCE">
    <source>, every occurrence</source>
    <translation>, chaque occurrence</translation>
</message>
<message id="SUMOCCURRENCES" numerus="yes">
    <source>, %n occurrences from occurrence %1</source>
    <translation>
        <numerusform>, %n occurrence à partir de l’occurrence %1</numerusform>
        <numerusform>, %n occurrences à partir de l’occurrence %1</numerusform>
    </translation>
</message>
<message id="SUMFROMEND">
    <source>, from the end</source>
    <translation>, depuis la fin</translation>
</message>
<message id="SUMCASESENSITIVE">
    <source>, match case</source>
    <translation>, en respectant la casse</translation>
</message>
<message id="SUMREGULAREXPRESSION">
    <source>, as a regular expression</source>
    <translation>, comme expression régulière</translation>
</message>
<message id="SUMPREFIXSUFFIX">
    <source>Add '%1' before and '%2' after the name</source>
    <translation>Ajouter « %1 » avant et « %2 » après le nom</translation>
</message>
<message id="SUMPREFIX">
    <source>Add '%1' before the name</source>
    <translation>Ajouter « %1 » avant le nom</translation>
</message>
<message id="SUMSUFFIX">
    <source>Add '%1' after the name</source>
    <translation>Ajouter « %1 » après le nom</translation>
</message>
<message id="SUMDATECREATED">
    <source>date created</source>
    <translation>date de création</translation>
</message>
<message id="SUMDATEMODIFIED">
    <source>date modified</source>
    <translation>date de modification</translation>
</message>
<message id="SUMCUSTOMDATE">
    <source>chosen date</source>
    <translation>date choisie</translation>
</message>
<message id="SUMADDDATE">
    <source>Add the %1</source>
    <translation>Ajouter la %1</translation>
</message>
<message id="SUMINSERTDATE">
    <source>Insert the %1 %2</source>
    <translation>Insérer la %1 %2</translation>
</message>
<message id="SUMNAMECASE">
    <source>Name in %1</source>
    <translation>Nom en %1</translation>
</message>
<message id="SUMEXTENSIONCASE">
    <source>Extension in %1</source>
    <translation>Extension en %1</translation>
</message>
<message id="SUMREMOVEEXTENSION">
    <source>Remove the extension</source>
    <translation>Enlever l’extension</translation>
</message>
<message id="SUMCHANGEEXTENSION">
    <source>Change the extension to '%1'</source>
    <translation>Changer l’extension en « %1 »</translation>
</message>
<message id="SUMREVERSE">
    <source>Reverse the name</source>
    <translation>Inverser le nom</translation>
</message>
<message id="SUMREMOVESPACES">
    <source>Remove spaces</source>
    <translation>Enlever les espaces</translation>
</message>
<message id="SUMSWAPSEPARATOR">
    <source>Swap the parts around '%1'</source>
    <translation>Intervertir les parties autour de « %1 »</translation>
</message>
<message id="SUMSWAPPOSITION">
    <source>Swap the parts at position %1</source>
    <translation>Intervertir les parties à la position %1</translation>
</message>
<message id="SUMREMOVEAFTER">
    <source>Remove what follows '%1'</source>
    <translation>Enlever ce qui suit « %1 »</translation>
</message>
<message id="SUMREMOVEFROM">
    <source>Remove from '%1' on</source>
    <translation>Enlever à partir de « %1 »</translation>
</message>
<message id="SUMPADNAME">
    <source>Name pattern '%1'</source>
    <translation>Modèle de nom « %1 »</translation>
</message>
<message id="SUMWINDOWSCOMPATIBLE">
    <source>Make the name safe for other systems, replacing with '%1'</source>
    <translation>Rendre le nom sûr pour d’autres systèmes, en remplaçant par « %1 »</translation>
</message>
<message id="SUMTRANSLITERATE">
    <source>Transliterate to plain Latin</source>
    <translation>Translittérer en latin simple</translation>
</message>
<message id="SUMREPAIRENCODING">
    <source>Repair the name's encoding, read as '%1'</source>
    <translation>Réparer le codage du nom, lu comme « %1 »</translation>
</message>
<message id="SUMAUDIO">
    <source>New name from tags '%1'</source>
    <translation>Nouveau nom à partir des balises « %1 »</translation>
</message>
<message id="SUMPHOTO">
    <source>New name from metadata '%1'</source>
    <translation>Nouveau nom à partir des métadonnées « %1 »</translation>
</message>
<message id="SUMPATHCOMPONENTS" numerus="yes">
    <source>Insert %n folder names %1</source>
    <translation>
        <numerusform>Insérer %n nom de dossier %1</numerusform>
        <numerusform>Insérer %n noms de dossier %1</numerusform>
    </translation>
</message>
<message id="OPTIONYES">
    <source>yes</source>
    <translation>oui</translation>
</message>
<message id="OPTIONNO">
    <source>no</source>
    <translation>non</translation>
</message>
<message id="OPTIONEMPTY">
    <source>(empty)</source>
    <translation>(vide)</translation>
</message>
<message id="OPTIONQUOTED">
    <source>'%1'</source>
    <translation>« %1 »</translation>
</message>
<message id="OPTIONNOW">
    <source>The current date and time</source>
    <translation>La date et l’heure actuelles</translation>
</message>
<message id="MASKEDITORADD">
    <source>Add ›</source>
    <translation>Ajouter ›</translation>
</message>
<message id="TIPMASKEDITORADD">
    <source>Add the field selected on the left to the mask (or double-click it)</source>
    <translation>Ajouter au masque le champ sélectionné à gauche (ou double-cliquer dessus)</translation>
</message>
<message id="MASKEDITORREMOVE">
    <source>Remove</source>
    <translation>Retirer</translation>
</message>
<message id="TIPMASKEDITORREMOVE">
    <source>Remove the selected field from the mask (or double-click it, or press Delete)</source>
    <translation>Retirer le champ sélectionné du masque (ou double-cliquer dessus, ou appuyer sur Suppr)</translation>
</message>
<message id="EXTENSIONADDFROMFILE">
    <source>Add from File…</source>
    <translation>Ajouter depuis un fichier…</translation>
</message>
<message id="TIPEXTENSIONADDFROMFILE">
    <source>Choose a file: its extension is added</source>
    <translation>Choisissez un fichier : son extension est ajoutée</translation>
</message>
<message id="EXTENSIONTYPEDPLACEHOLDER">
    <source>Type an extension, such as .png</source>
    <translation>Saisissez une extension, par exemple .png</translation>
</message>
<message id="EXTENSIONADDTYPED">
    <source>Add</source>
    <translation>Ajouter</translation>
</message>
<message id="ADDEVERYFORMAT">
    <source>Add Every Format Quorvel Reads</source>
    <translation>Ajouter tous les formats lus par Quorvel</translation>
</message>
<message id="TIPADDEVERYFORMAT">
    <source>Add the extensions of every image, raw and video format Quorvel reads dates from (HEIC, CR2, MP4 …)</source>
    <translation>Ajouter les extensions de tous les formats d’image, raw et vidéo dont Quorvel lit les dates (HEIC, CR2, MP4 …)</translation>
</message>
<message id="CAMERACLOCKS">
    <source>Camera Clocks…</source>
    <translation>Horloges des appareils…</translation>
</message>
<message id="TIPCAMERACLOCKS">
    <source>Correct the capture times of a camera whose clock was wrong, per camera model</source>
    <translation>Corriger les heures de prise de vue d’un appareil dont l’horloge était fausse, par modèle d’appareil</translation>
</message>
<message id="CAMERACLOCKSLABEL">
    <source>Camera clocks:</source>
    <translation>Horloges des appareils :</translation>
</message>
<message id="CAMERACLOCKSTITLE">
    <source>Camera Clocks</source>
    <translation>Horloges des appareils</translation>
</message>
<message id="CAMERACLOCKSEXPLAIN">
    <source>Type how far the clock of each camera was off, in seconds (+3600, -90) or in hours, minutes and seconds (+1:00:00). The shift moves the date and time of that camera’s photos in the new names; the files themselves are not changed.</source>
    <translation>Indiquez de combien l’horloge de chaque appareil était décalée, en secondes (+3600, -90) ou en heures, minutes et secondes (+1:00:00). Le décalage déplace la date et l’heure des photos de cet appareil dans les nouveaux noms ; les fichiers eux-mêmes ne sont pas modifiés.</translation>
</message>
<message id="CAMERACLOCKSMODEL">
    <source>Camera model</source>
    <translation>Modèle d’appareil</translation>
</message>
<message id="CAMERACLOCKSFILES">
    <source>Files</source>
    <translation>Fichiers</translation>
</message>
<message id="CAMERACLOCKSEARLIEST">
    <source>Earliest capture</source>
    <translation>Première prise de vue</translation>
</message>
<message id="CAMERACLOCKSSHIFT">
    <source>Shift</source>
    <translation>Décalage</translation>
</message>
<message id="CAMERACLOCKSSHIFTED">
    <source>Earliest once shifted</source>
    <translation>Première après décalage</translation>
</message>
<message id="CAMERACLOCKSEVERYCAMERA">
    <source>Every camera without a shift of its own</source>
    <translation>Tout appareil sans décalage propre</translation>
</message>
<message id="CAMERACLOCKSSHIFTTIP">
    <source>Seconds such as +3600 or -90, or +1:00:00; empty for none</source>
    <translation>Des secondes comme +3600 ou -90, ou +1:00:00 ; vide pour aucun</translation>
</message>
<message id="CAMERACLOCKSBADSHIFT">
    <source>“%1” is not a shift: type seconds such as +3600 or -90, or hours, minutes and seconds such as +1:00:00.</source>
    <translation>« %1 » n’est pas un décalage : saisissez des secondes comme +3600 ou -90, ou des heures, minutes et secondes comme +1:00:00.</translation>
</message>
<message id="CAMERACLOCKSREADING">
    <source>Reading the cameras of the photos…</source>
    <translation>Lecture des appareils des photos…</translation>
</message>
<message id="COLUMNDATETAKEN">
    <source>Date Taken</source>
    <translation>Date de prise de vue</translation>
</message>
<message id="COLUMNDATEMODIFIED">
    <source>Date Modified</source>
    <translation>Date de modification</translation>
</message>
<message id="COLUMNFILESIZE">
    <source>Size</source>
    <translation>Taille</translation>
</message>
<message id="SORTREADINGCAPTURE">
    <source>Reading the capture times…</source>
    <translation>Lecture des dates de prise de vue…</translation>
</message>
<message id="SORTREADINGFILES">
    <source>Reading the dates and sizes of the files…</source>
    <translation>Lecture des dates et tailles des fichiers…</translation>
</message>
<message id="STATUSREFUSEDWITHGROUP">
    <source>Refused With Its Group</source>
    <translation>Refusé avec son groupe</translation>
</message>
<message id="OUTCOMENUMBERED" numerus="yes">
    <source>%1, %n names numbered</source>
    <translation>
        <numerusform>%1, %n nom numéroté</numerusform>
        <numerusform>%1, %n noms numérotés</numerusform>
    </translation>
</message>
<message id="COMPANIONSCHECKBOX">
    <source>Rename companion files with their item</source>
    <translation>Renommer les fichiers compagnons avec leur élément</translation>
</message>
<message id="COMPANIONSCHECKBOXTIP">
    <source>Files of the same folder that share the stem (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp, IMG_0001.CR2.xmp) take the new name of the first in the list, raw formats first</source>
    <translation>Les fichiers d’un même dossier qui partagent la racine (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp, IMG_0001.CR2.xmp) prennent le nouveau nom du premier de la liste, formats bruts d’abord</translation>
</message>
<message id="NUMBERDUPLICATESCHECKBOX">
    <source>Number names used twice</source>
    <translation>Numéroter les noms utilisés deux fois</translation>
</message>
<message id="NUMBERDUPLICATESTIP">
    <source>The first keeps the name; later ones take the separator and 2, 3 … before the extension</source>
    <translation>Le premier garde le nom ; les suivants prennent le séparateur et 2, 3 … avant l’extension</translation>
</message>
<message id="NUMBERSEPARATORLABEL">
    <source>Separator:</source>
    <translation>Séparateur :</translation>
</message>
<message id="COMPANIONSCOUNT">
    <source>+%1</source>
    <translation>+%1</translation>
</message>
<message id="COMPANIONSTOOLTIPTITLE">
    <source>Renamed with it:</source>
    <translation>Renommés avec lui :</translation>
</message>
<message id="COMPANIONSTOOLTIPLINE">
    <source>%1 → %2</source>
    <translation>%1 → %2</translation>
</message>
</context>
</TS>
