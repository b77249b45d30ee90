<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
<message id="YES">
    <source>Yes</source>
    <translation>Yes</translation>
</message>
<message id="NO">
    <source>No</source>
    <translation>No</translation>
</message>
<message id="CONTINUE">
    <source>Continue</source>
    <translation>Continue</translation>
</message>
<message id="ABORT">
    <source>Abort</source>
    <translation>Abort</translation>
</message>
<message id="OK">
    <source>OK</source>
    <translation>OK</translation>
</message>
<message id="CANCEL">
    <source>Cancel</source>
    <translation>Cancel</translation>
</message>
<message id="FILES">
    <source>files</source>
    <translation>files</translation>
</message>
<message id="FOLDERS">
    <source>folders</source>
    <translation>folders</translation>
</message>
<message id="DEFAULT">
    <source>Default</source>
    <translation>Default</translation>
</message>
<message id="FILENAME">
    <source>Filename</source>
    <translation>Filename</translation>
</message>
<message id="NEWFILENAME">
    <source>New Filename</source>
    <translation>New Filename</translation>
</message>
<message id="LOCATION">
    <source>Location</source>
    <translation>Location</translation>
</message>
<message id="UNABLETOGENERATENEWFILENAMEERROR">
    <source>Unable to generate the new name. Error: %1</source>
    <translation>Unable to generate the new name. Error: %1</translation>
</message>
<message id="NOITEMSTOPREVIEW">
    <source>Add some files or folders to the list first.</source>
    <translation>Add some files or folders to the list first.</translation>
</message>
<message id="NOITEMSTOREMOVE">
    <source>Select the items you want to remove from the list.</source>
    <translation>Select the items you want to remove from the list.</translation>
</message>
<message id="NOITEMSTOEXPORT">
    <source>There is nothing in the list to export.</source>
    <translation>There is nothing in the list to export.</translation>
</message>
<message id="TOTALFILESSELECTED">
    <source>%1 file(s) in the list</source>
    <translation>%1 file(s) in the list</translation>
</message>
<message id="TOTALFOLDERSSELECTED">
    <source>%1 folder(s) in the list</source>
    <translation>%1 folder(s) in the list</translation>
</message>
<message id="TOTALFILESFOUND">
    <source>%1 file(s) found</source>
    <translation>%1 file(s) found</translation>
</message>
<message id="TOTALFOLDERSFOUND">
    <source>%1 folder(s) found</source>
    <translation>%1 folder(s) found</translation>
</message>
<message id="TOTALFILESRENAMED">
    <source>%1 file(s) renamed</source>
    <translation>%1 file(s) renamed</translation>
</message>
<message id="TOTALFOLDERSRENAMED">
    <source>%1 folder(s) renamed</source>
    <translation>%1 folder(s) renamed</translation>
</message>
<message id="TOTALNOSFILESRENAMED">
    <source>Done: %1 file(s) renamed</source>
    <translation>Done: %1 file(s) renamed</translation>
</message>
<message id="TOTALNOSFOLDERSRENAMED">
    <source>Done: %1 folder(s) renamed</source>
    <translation>Done: %1 folder(s) renamed</translation>
</message>
<message id="LOADINGMESSAGE">
    <source>Adding %1, please wait...</source>
    <translation>Adding %1, please wait...</translation>
</message>
<message id="LOADINGTIME">
    <source>Adding items</source>
    <translation>Adding items</translation>
</message>
<message id="GENERATINGPREVIEWPLEASEWAIT">
    <source>Generating the preview, please wait...</source>
    <translation>Generating the preview, please wait...</translation>
</message>
<message id="PREVIEWTIME">
    <source>Preview</source>
    <translation>Preview</translation>
</message>
<message id="RENAMINGITEMSPLEASEWAIT">
    <source>Renaming %1, please wait...</source>
    <translation>Renaming %1, please wait...</translation>
</message>
<message id="RENAMINGTIME">
    <source>Renaming</source>
    <translation>Renaming</translation>
</message>
<message id="UNDOINGTIME">
    <source>Undo</source>
    <translation>Undo</translation>
</message>
<message id="TIMETAKEN">
    <source>%1 took %2 second(s)</source>
    <translation>%1 took %2 second(s)</translation>
</message>
<message id="ITEMRENAMINGTITLE">
    <source>Rename</source>
    <translation>Rename</translation>
</message>
<message id="ITEMRENAMINGMESSAGE">
    <source>Rename the items in the list to their new names now?</source>
    <translation>Rename the items in the list to their new names now?</translation>
</message>
<message id="LOGCREATEFAILED">
    <source>The rename log could not be created. Continue without a log file on disk (the renames could then not be undone), or abort?</source>
    <translation>The rename log could not be created. Continue without a log file on disk (the renames could then not be undone), or abort?</translation>
</message>
<message id="LOGSAVEFAILED">
    <source>The rename log could not be saved under its final name. Its journal was kept at %1 and can still be undone.</source>
    <translation>The rename log could not be saved under its final name. Its journal was kept at %1 and can still be undone.</translation>
</message>
<message id="INSERTINVALIDINPUT">
    <source>Insert</source>
    <translation>Insert</translation>
</message>
<message id="INSERTTEXTATBEFORETEXT">
    <source>Insert before text</source>
    <translation>Insert before text</translation>
</message>
<message id="INSERTTEXTATAFTERTEXT">
    <source>Insert after text</source>
    <translation>Insert after text</translation>
</message>
<message id="ENTERVALIDVALUE">
    <source>Please enter a valid value.</source>
    <translation>Please enter a valid value.</translation>
</message>
<message id="ENTERSOMETEXT">
    <source>Please enter the text to search for.</source>
    <translation>Please enter the text to search for.</translation>
</message>
<message id="REPLACEREMOVEINVALIDINPUT">
    <source>Replace / Remove</source>
    <translation>Replace / Remove</translation>
</message>
<message id="DATETIMEATBEFORETEXTINVALIDINPUT">
    <source>Date and time before text</source>
    <translation>Date and time before text</translation>
</message>
<message id="DATETIMEATAFTERTEXTINVALIDINPUT">
    <source>Date and time after text</source>
    <translation>Date and time after text</translation>
</message>
<message id="GENERALINVALIDINPUT">
    <source>General</source>
    <translation>General</translation>
</message>
<message id="ID3INVALIDINPUT">
    <source>Audio tags</source>
    <translation>Audio tags</translation>
</message>
<message id="INVALIDID3RENAMINGMASK">
    <source>Build a renaming mask from the audio tags first.</source>
    <translation>Build a renaming mask from the audio tags first.</translation>
</message>
<message id="PHOTOINVALIDINPUT">
    <source>Photo metadata</source>
    <translation>Photo metadata</translation>
</message>
<message id="INVALIDPHOTORENAMINGMASK">
    <source>Build a renaming mask from the photo metadata first.</source>
    <translation>Build a renaming mask from the photo metadata first.</translation>
</message>
<message id="PATHTEXTATBEFORETEXT">
    <source>Folder names before text</source>
    <translation>Folder names before text</translation>
</message>
<message id="PATHTEXTATAFTERTEXT">
    <source>Folder names after text</source>
    <translation>Folder names after text</translation>
</message>
<message id="LOADPROFILETITLE">
    <source>Load Profile</source>
    <translation>Load Profile</translation>
</message>
<message id="PROFILEINCOMPATIBLE">
    <source>This profile was saved by an incompatible version of the program and cannot be loaded.</source>
    <translation>This profile was saved by an incompatible version of the program and cannot be loaded.</translation>
</message>
<message id="PROFILELOADFAILED">
    <source>The profile could not be loaded.</source>
    <translation>The profile could not be loaded.</translation>
</message>
<message id="PROFILETITLE">
    <source>Profiles</source>
    <translation>Profiles</translation>
</message>
<message id="PROFILESELECT">
    <source>Select a profile first.</source>
    <translation>Select a profile first.</translation>
</message>
<message id="PROFILEENTERNEWNAME">
    <source>Enter a name for the new profile.</source>
    <translation>Enter a name for the new profile.</translation>
</message>
<message id="PROFILEOVERWRITECONFIRM">
    <source>A profile with this name already exists. Replace it?</source>
    <translation>A profile with this name already exists. Replace it?</translation>
</message>
<message id="PROFILESAVEDFAILED">
    <source>The profile could not be saved.</source>
    <translation>The profile could not be saved.</translation>
</message>
<message id="PROFILEDELETECONFIRM">
    <source>Delete the selected profile?</source>
    <translation>Delete the selected profile?</translation>
</message>
<message id="PROFILELOADMESSAGE">
    <source>Load the profile "%1"? The current settings will be replaced.</source>
    <translation>Load the profile "%1"? The current settings will be replaced.</translation>
</message>
<message id="PROFILESETTINGSFILETITLE">
    <source> - Profile</source>
    <translation> - Profile</translation>
</message>
<message id="SAVEASPROFILETITLE">
    <source>Save Profile As</source>
    <translation>Save Profile As</translation>
</message>
<message id="CHOOSEPROFILETITLE">
    <source>Choose a Profile</source>
    <translation>Choose a Profile</translation>
</message>
<message id="UNABLETOADDRULE">
    <source>The step could not be added to the rule.</source>
    <translation>The step could not be added to the rule.</translation>
</message>
<message id="SAVERULESETTINGSFILETITLE">
    <source>Save %1 Rule</source>
    <translation>Save %1 Rule</translation>
</message>
<message id="CHOOSERULESETTINGSFILETITLE">
    <source>Open %1 Rule</source>
    <translation>Open %1 Rule</translation>
</message>
<message id="RULESETTINGSFILETITLE">
    <source>Rules</source>
    <translation>Rules</translation>
</message>
<message id="RULESETTINGSFILESAVEDSUCCESS">
    <source>The rule was saved.</source>
    <translation>The rule was saved.</translation>
</message>
<message id="RULESETTINGSFILEUNABLETOSAVE">
    <source>The rule could not be saved.</source>
    <translation>The rule could not be saved.</translation>
</message>
<message id="OPENRULETITLE">
    <source>Open Rule</source>
    <translation>Open Rule</translation>
</message>
<message id="OPENRULEINCOMPATIBLE">
    <source>This rule file was saved by an incompatible version of the program, or it cannot be read.</source>
    <translation>This rule file was saved by an incompatible version of the program, or it cannot be read.</translation>
</message>
<message id="RULEINCOMPATIBLE">
    <source>This rule file was saved by an incompatible version of the program, or it cannot be read.</source>
    <translation>This rule file was saved by an incompatible version of the program, or it cannot be read.</translation>
</message>
<message id="RULEALREADYEXISTS">
    <source>Replace the current rule steps with the rule "%1"?</source>
    <translation>Replace the current rule steps with the rule "%1"?</translation>
</message>
<message id="PREFERENCESTITLE">
    <source> Preferences</source>
    <translation> Preferences</translation>
</message>
<message id="PREFERENCESSAVEDMESSAGE">
    <source>The preferences were saved.</source>
    <translation>The preferences were saved.</translation>
</message>
<message id="PREFERENCESSAVEFAILED">
    <source>The preferences could not be saved.</source>
    <translation>The preferences could not be saved.</translation>
</message>
<message id="CHOOSELOGFOLDERPATHTITLE">
    <source>Choose the folder for rename logs</source>
    <translation>Choose the folder for rename logs</translation>
</message>
<message id="CHOOSEPROFILEFOLDERPATHTITLE">
    <source>Choose the folder for profiles</source>
    <translation>Choose the folder for profiles</translation>
</message>
<message id="CHOOSERULEFOLDERPATHTITLE">
    <source>Choose the folder for rules</source>
    <translation>Choose the folder for rules</translation>
</message>
<message id="CHOOSEFILESORFOLDERSTITLE">
    <source>Choose Files or Folders</source>
    <translation>Choose Files or Folders</translation>
</message>
<message id="CHOOSETABDELIMITEDTEXTFILE">
    <source>Choose a Tab-Delimited Text File</source>
    <translation>Choose a Tab-Delimited Text File</translation>
</message>
<message id="RENAMEFROMFILETITLE">
    <source>Rename from List</source>
    <translation>Rename from List</translation>
</message>
<message id="UNABLETOOPENFILE">
    <source>The list file could not be opened.</source>
    <translation>The list file could not be opened.</translation>
</message>
<message id="RENAMEFROMFILEMESSAGE">
    <source>The list file holds no usable line. Each line needs three fields separated by tabs: current name, new name and folder.</source>
    <translation>The list file holds no usable line. Each line needs three fields separated by tabs: current name, new name and folder.</translation>
</message>
<message id="RENAMEFROMFILENOTTEXT">
    <source>The list file is not UTF-8 text, so it was not read.</source>
    <translation>The list file is not UTF-8 text, so it was not read.</translation>
</message>
<message id="EXPORTFILESTITLE">
    <source>Export</source>
    <translation>Export</translation>
</message>
<message id="EXPORTNOCOLUMN">
    <source>Choose at least one column to export.</source>
    <translation>Choose at least one column to export.</translation>
</message>
<message id="EXPORTFILESFAILED">
    <source>The folder column needs a name column when full paths are written.</source>
    <translation>The folder column needs a name column when full paths are written.</translation>
</message>
<message id="EXPORTFILELISTTITLE">
    <source>Export the List</source>
    <translation>Export the List</translation>
</message>
<message id="EXPORTFILESEXPORTEDSUCCESS">
    <source>The list was exported.</source>
    <translation>The list was exported.</translation>
</message>
<message id="EXPORTFILESEXPORTEDFAILED">
    <source>The list could not be exported. %1</source>
    <translation>The list could not be exported. %1</translation>
</message>
<message id="EXPORTFILESSKIPPED">
    <source>%1 item(s) were left out because a name or folder holds a tab or a line break.</source>
    <translation>%1 item(s) were left out because a name or folder holds a tab or a line break.</translation>
</message>
<message id="UNDOFILESFOLDERSTITLE">
    <source>Undo</source>
    <translation>Undo</translation>
</message>
<message id="UNDOFILESFOLDERSNOLOGSELECTED">
    <source>Select a rename log first.</source>
    <translation>Select a rename log first.</translation>
</message>
<message id="UNDOFILESFOLDERSINCOMPATIBLE">
    <source>This rename log was written by an incompatible version of the program.</source>
    <translation>This rename log was written by an incompatible version of the program.</translation>
</message>
<message id="UNDOFILESFOLDERSINVALIDFILE">
    <source>This rename log holds no renamed item or cannot be read.</source>
    <translation>This rename log holds no renamed item or cannot be read.</translation>
</message>
<message id="UNDOFILESFOLDERSDELETECONFIRM">
    <source>Delete the selected rename log?</source>
    <translation>Delete the selected rename log?</translation>
</message>
<message id="UNDOINGITEMS">
    <source>Undoing the renames, please wait...</source>
    <translation>Undoing the renames, please wait...</translation>
</message>
<message id="CHECKINGLOGFILE">
    <source>Checking the rename log...</source>
    <translation>Checking the rename log...</translation>
</message>
<message id="ITEMSRESTORED">
    <source>%1 item(s) restored</source>
    <translation>%1 item(s) restored</translation>
</message>
<message id="TOTALLOGFILES">
    <source>%1 rename log(s)</source>
    <translation>%1 rename log(s)</translation>
</message>
<message id="TOTALNOSRENAMEDITEMSFOUND">
    <source>%1 renamed item(s) in this log</source>
    <translation>%1 renamed item(s) in this log</translation>
</message>
<message id="UNDOTOTALNOSITEMSFOUND">
    <source>Items in the log: %1.</source>
    <translation>Items in the log: %1.</translation>
</message>
<message id="UNDOTOTALNOSITEMSRENAMED">
    <source> Items restored: %1.</source>
    <translation> Items restored: %1.</translation>
</message>
<message id="UNDOTOTALNOSITEMDOESNOTEXISTS">
    <source> Items not restored (gone, or their old name is taken): %1.</source>
    <translation> Items not restored (gone, or their old name is taken): %1.</translation>
</message>
<message id="SELECTLOGFILETITLE">
    <source>Choose a %1 Rename Log</source>
    <translation>Choose a %1 Rename Log</translation>
</message>
<message id="VIEWLOGFILETITLE">
    <source>View Log</source>
    <translation>View Log</translation>
</message>
<message id="VIEWLOGFILETITLEMESSAGE">
    <source>Select a rename log first.</source>
    <translation>Select a rename log first.</translation>
</message>
<message id="ADDFILEEXTENSIONTITLE">
    <source>Extensions</source>
    <translation>Extensions</translation>
</message>
<message id="ADDFILEEXTENSIONALREADYEXISTS">
    <source>The extension %1 is already in the list.</source>
    <translation>The extension %1 is already in the list.</translation>
</message>
<message id="APPLICATIONINITTITLE">
    <source>Quorvel</source>
    <translation>Quorvel</translation>
</message>
<message id="APPLICATIONCREATEFOLDERFAILED">
    <source>The program's data folders could not be created. </source>
    <translation>The program's data folders could not be created. </translation>
</message>
<message id="UNDOLOGDELETEFAILED">
    <source>The rename log %1 could not be deleted: %2</source>
    <translation>The rename log %1 could not be deleted: %2</translation>
</message>
<message id="UNDOCONFIRM">
    <source>Undo the %1 rename(s) recorded in %2?</source>
    <translation>Undo the %1 rename(s) recorded in %2?</translation>
</message>
</context>
</TS>
