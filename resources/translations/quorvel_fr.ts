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
<message id="TOTALFILESSELECTED">
    <source>%1 file(s) in the list</source>
    <translation>%1 fichier(s) dans la liste</translation>
</message>
<message id="TOTALFOLDERSSELECTED">
    <source>%1 folder(s) in the list</source>
    <translation>%1 dossier(s) dans la liste</translation>
</message>
<message id="TOTALFILESFOUND">
    <source>%1 file(s) found</source>
    <translation>%1 fichier(s) trouvé(s)</translation>
</message>
<message id="TOTALFOLDERSFOUND">
    <source>%1 folder(s) found</source>
    <translation>%1 dossier(s) trouvé(s)</translation>
</message>
<message id="TOTALFILESRENAMED">
    <source>%1 file(s) renamed</source>
    <translation>%1 fichier(s) renommé(s)</translation>
</message>
<message id="TOTALFOLDERSRENAMED">
    <source>%1 folder(s) renamed</source>
    <translation>%1 dossier(s) renommé(s)</translation>
</message>
<message id="TOTALNOSFILESRENAMED">
    <source>Done: %1 file(s) renamed</source>
    <translation>Terminé : %1 fichier(s) renommé(s)</translation>
</message>
<message id="TOTALNOSFOLDERSRENAMED">
    <source>Done: %1 folder(s) renamed</source>
    <translation>Terminé : %1 dossier(s) renommé(s)</translation>
</message>
<message id="LOADINGMESSAGE">
    <source>Adding %1, please wait...</source>
    <translation>Ajout des %1 en cours, veuillez patienter...</translation>
</message>
<message id="LOADINGTIME">
    <source>Adding items</source>
    <translation>Ajout des éléments</translation>
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
    <source>%1 took %2 second(s)</source>
    <translation>%1 : %2 seconde(s)</translation>
</message>
<message id="ITEMRENAMINGTITLE">
    <source>Rename</source>
    <translation>Renommer</translation>
</message>
<message id="ITEMRENAMINGMESSAGE">
    <source>Rename the items in the list to their new names now?</source>
    <translation>Renommer maintenant les éléments de la liste avec leurs nouveaux noms ?</translation>
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
<message id="EXPORTFILESSKIPPED">
    <source>%1 item(s) were left out because a name or folder holds a tab or a line break.</source>
    <translation>%1 élément(s) omis, car un nom ou un dossier contient une tabulation ou un saut de ligne.</translation>
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
<message id="UNDOINGITEMS">
    <source>Undoing the renames, please wait...</source>
    <translation>Annulation des renommages en cours, veuillez patienter...</translation>
</message>
<message id="CHECKINGLOGFILE">
    <source>Checking the rename log...</source>
    <translation>Vérification du journal de renommage...</translation>
</message>
<message id="ITEMSRESTORED">
    <source>%1 item(s) restored</source>
    <translation>%1 élément(s) restauré(s)</translation>
</message>
<message id="TOTALLOGFILES">
    <source>%1 rename log(s)</source>
    <translation>%1 journal(aux) de renommage</translation>
</message>
<message id="TOTALNOSRENAMEDITEMSFOUND">
    <source>%1 renamed item(s) in this log</source>
    <translation>%1 élément(s) renommé(s) dans ce journal</translation>
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
<message id="UNDOCONFIRM">
    <source>Undo the %1 rename(s) recorded in %2?</source>
    <translation>Annuler les %1 renommage(s) enregistré(s) dans %2 ?</translation>
</message>
</context>
</TS>
