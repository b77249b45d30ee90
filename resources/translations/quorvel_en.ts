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
<message id="TOTALFILESSELECTED" numerus="yes">
    <source>%n files in the list</source>
    <translation>
        <numerusform>%n file in the list</numerusform>
        <numerusform>%n files in the list</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSSELECTED" numerus="yes">
    <source>%n folders in the list</source>
    <translation>
        <numerusform>%n folder in the list</numerusform>
        <numerusform>%n folders in the list</numerusform>
    </translation>
</message>
<message id="TOTALFILESFOUND" numerus="yes">
    <source>%n files found</source>
    <translation>
        <numerusform>%n file found</numerusform>
        <numerusform>%n files found</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSFOUND" numerus="yes">
    <source>%n folders found</source>
    <translation>
        <numerusform>%n folder found</numerusform>
        <numerusform>%n folders found</numerusform>
    </translation>
</message>
<message id="TOTALFILESRENAMED" numerus="yes">
    <source>%n files renamed</source>
    <translation>
        <numerusform>%n file renamed</numerusform>
        <numerusform>%n files renamed</numerusform>
    </translation>
</message>
<message id="TOTALFOLDERSRENAMED" numerus="yes">
    <source>%n folders renamed</source>
    <translation>
        <numerusform>%n folder renamed</numerusform>
        <numerusform>%n folders renamed</numerusform>
    </translation>
</message>
<message id="STATUSNOCHANGES">
    <source>No Changes</source>
    <translation>No Changes</translation>
</message>
<message id="STATUSFILEALREADYEXISTS">
    <source>File Already Exists</source>
    <translation>File Already Exists</translation>
</message>
<message id="STATUSFOLDERALREADYEXISTS">
    <source>Folder Already Exists</source>
    <translation>Folder Already Exists</translation>
</message>
<message id="STATUSFILENOTFOUND">
    <source>File Not Found</source>
    <translation>File Not Found</translation>
</message>
<message id="STATUSFOLDERNOTFOUND">
    <source>Folder Not Found</source>
    <translation>Folder Not Found</translation>
</message>
<message id="STATUSRENAMINGOK">
    <source>Renamed</source>
    <translation>Renamed</translation>
</message>
<message id="STATUSFILENAMEUSEDTWICE">
    <source>File Name Used Twice</source>
    <translation>File Name Used Twice</translation>
</message>
<message id="STATUSFOLDERNAMEUSEDTWICE">
    <source>Folder Name Used Twice</source>
    <translation>Folder Name Used Twice</translation>
</message>
<message id="STATUSNOTRESTORED">
    <source>Not Restored</source>
    <translation>Not Restored</translation>
</message>
<message id="STATUSNAMENOTALLOWEDHERE">
    <source>Name Not Allowed Here</source>
    <translation>Name Not Allowed Here</translation>
</message>
<message id="OUTCOMERENAMED" numerus="yes">
    <source>%n renamed</source>
    <translation>
        <numerusform>%n renamed</numerusform>
        <numerusform>%n renamed</numerusform>
    </translation>
</message>
<message id="OUTCOMEREFUSED" numerus="yes">
    <source>%1, %n refused (%2)</source>
    <translation>
        <numerusform>%1, %n refused (%2)</numerusform>
        <numerusform>%1, %n refused (%2)</numerusform>
    </translation>
</message>
<message id="STATUSCOULDNOTRENAME">
    <source>Could Not Rename</source>
    <translation>Could Not Rename</translation>
</message>
<message id="STATUSNAMETOOLONG">
    <source>Name Too Long</source>
    <translation>Name Too Long</translation>
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
    <translation>Stopped: %1</translation>
</message>
<message id="NAMEISNOFILENAME">
    <source>%1 cannot be a file name</source>
    <translation>%1 cannot be a file name</translation>
</message>
<message id="NAMECHARACTERNOWHERE">
    <source>%1: %2 cannot be part of a file name</source>
    <translation>%1: %2 cannot be part of a file name</translation>
</message>
<message id="NAMECHARACTERNOTHERE">
    <source>%1: %2 is not allowed on this drive (%3)</source>
    <translation>%1: %2 is not allowed on this drive (%3)</translation>
</message>
<message id="NAMEENDINGNOTHERE">
    <source>%1: a name cannot end in a dot or a blank on this drive (%2)</source>
    <translation>%1: a name cannot end in a dot or a blank on this drive (%2)</translation>
</message>
<message id="NAMETOOLONGBYTES">
    <source>%1: the name is %2 bytes long; this drive takes at most %3</source>
    <translation>%1: the name is %2 bytes long; this drive takes at most %3</translation>
</message>
<message id="NAMETOOLONGUNITS">
    <source>%1: the name is %2 characters long; this drive (%3) takes at most %4</source>
    <translation>%1: the name is %2 characters long; this drive (%3) takes at most %4</translation>
</message>
<message id="NAMESREFUSEDMORE" numerus="yes">
    <source>%1 (and %n more)</source>
    <translation>
        <numerusform>%1 (and %n more)</numerusform>
        <numerusform>%1 (and %n more)</numerusform>
    </translation>
</message>
<message id="LEFTOUTNOTUTF8">
    <source>%1 cannot be renamed safely yet: its name is not UTF-8</source>
    <translation>%1 cannot be renamed safely yet: its name is not UTF-8</translation>
</message>
<message id="REFUSEDNAMENOTUTF8">
    <source>Name Not UTF-8</source>
    <translation>Name Not UTF-8</translation>
</message>
<message id="SLASHWRITTENASCOLON">
    <source>A “/” cannot be part of a name: it is written as “:”. Help (F1) tells how to use another character.</source>
    <translation>A “/” cannot be part of a name: it is written as “:”. Help (F1) tells how to use another character.</translation>
</message>
<message id="OUTCOMEREASONWHY">
    <source>%1 (%2)</source>
    <translation>%1 (%2)</translation>
</message>
<message id="OUTCOMERESERVEDRENAMES">
    <source>%1; on this drive renames are checked, not atomic</source>
    <translation>%1; on this drive renames are checked, not atomic</translation>
</message>
<message id="MOVERUNGNOREPLACE">
    <source>Renaming in %1 with atomic moves that never replace a file</source>
    <translation>Renaming in %1 with atomic moves that never replace a file</translation>
</message>
<message id="MOVERUNGLINK">
    <source>Renaming in %1 through a hard link, then removing the old name (atomic, never replacing a file)</source>
    <translation>Renaming in %1 through a hard link, then removing the old name (atomic, never replacing a file)</translation>
</message>
<message id="MOVERUNGRESERVED">
    <source>Renaming in %1 onto a placeholder reserved first (checked, not atomic)</source>
    <translation>Renaming in %1 onto a placeholder reserved first (checked, not atomic)</translation>
</message>
<message id="MOVEREASONUNRECORDABLE">
    <source>the rename log cannot hold its name</source>
    <translation>the rename log cannot hold its name</translation>
</message>
<message id="PHOTOEXTENSIONSKIPPED" numerus="yes">
    <source>%n files skipped: %1 is not in the photo extensions</source>
    <translation>
        <numerusform>%n file skipped: %1 is not in the photo extensions</numerusform>
        <numerusform>%n files skipped: %1 is not in the photo extensions</numerusform>
    </translation>
</message>
<message id="PHOTOEXTENSIONSSKIPPED" numerus="yes">
    <source>%n files skipped: %1 are not in the photo extensions</source>
    <translation>
        <numerusform>%n file skipped: %1 are not in the photo extensions</numerusform>
        <numerusform>%n files skipped: %1 are not in the photo extensions</numerusform>
    </translation>
</message>
<message id="ADDSKIPPEDEXTENSION">
    <source>Add It</source>
    <translation>Add It</translation>
</message>
<message id="ADDSKIPPEDEXTENSIONS">
    <source>Add Them</source>
    <translation>Add Them</translation>
</message>
<message id="PHOTOEXTENSIONSADDED">
    <source>Added to the photo extensions: %1</source>
    <translation>Added to the photo extensions: %1</translation>
</message>
<message id="DATESOURCETIP">
    <source>Capture date from %1</source>
    <translation>Capture date from %1</translation>
</message>
<message id="DATESOURCEEXIF">
    <source>the EXIF data</source>
    <translation>the EXIF data</translation>
</message>
<message id="DATESOURCEXMP">
    <source>the XMP data</source>
    <translation>the XMP data</translation>
</message>
<message id="DATESOURCEQUICKTIMEKEY">
    <source>the QuickTime creation date</source>
    <translation>the QuickTime creation date</translation>
</message>
<message id="DATESOURCEMOVIEHEADER">
    <source>the movie header</source>
    <translation>the movie header</translation>
</message>
<message id="LOADINGMESSAGE">
    <source>Adding %1, please wait...</source>
    <translation>Adding %1, please wait...</translation>
</message>
<message id="LOADINGTIME">
    <source>Adding items</source>
    <translation>Adding items</translation>
</message>
<message id="NOFILESATTOPOFFOLDER">
    <source>No files at the top of this folder; tick Include subfolders to go deeper</source>
    <translation>No files at the top of this folder; tick Include subfolders to go deeper</translation>
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
    <source>%1 in %2</source>
    <translation>%1 in %2</translation>
</message>
<message id="ITEMRENAMINGTITLE">
    <source>Rename</source>
    <translation>Rename</translation>
</message>
<message id="ITEMRENAMINGCOUNTMESSAGE" numerus="yes">
    <source>Rename %n items to the new names shown in the list?</source>
    <translation>
        <numerusform>Rename %n item to the new name shown in the list?</numerusform>
        <numerusform>Rename %n items to the new names shown in the list?</numerusform>
    </translation>
</message>
<message id="ITEMRENAMINGONEMESSAGE">
    <source>Rename this item to the new name shown in the list?</source>
    <translation>Rename this item to the new name shown in the list?</translation>
</message>
<message id="ITEMRENAMINGPARTMESSAGE">
    <source>Rename %1 of %2 items? %3</source>
    <translation>Rename %1 of %2 items? %3</translation>
</message>
<message id="ITEMRENAMINGREFUSEDMESSAGE" numerus="yes">
    <source>%n are refused (%1).</source>
    <translation>
        <numerusform>%n is refused (%1).</numerusform>
        <numerusform>%n are refused (%1).</numerusform>
    </translation>
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
<message id="INVALIDREGULAREXPRESSION">
    <source>The regular expression is not valid at position %1: %2</source>
    <translation>The regular expression is not valid at position %1: %2</translation>
</message>
<message id="UNKNOWNENCODING">
    <source>No encoding is named "%1". Enter an ICU converter name, such as windows-1252 or ISO-8859-15.</source>
    <translation>No encoding is named "%1". Enter an ICU converter name, such as windows-1252 or ISO-8859-15.</translation>
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
<message id="PROFILECHANGEDTITLE">
    <source>%1 (changed)</source>
    <translation>%1 (changed)</translation>
</message>
<message id="PROFILESAVECHANGESTITLE">
    <source>Save the changes to %1?</source>
    <translation>Save the changes to %1?</translation>
</message>
<message id="PROFILESAVECHANGESMESSAGE">
    <source>The settings differ from the profile. If you don't save them, the profile stays as it was.</source>
    <translation>The settings differ from the profile. If you don't save them, the profile stays as it was.</translation>
</message>
<message id="DONTSAVE">
    <source>Don't Save</source>
    <translation>Don't Save</translation>
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
<message id="PREFERENCESFOLDERUNUSABLE">
    <source>The folder “%1” cannot be created or written to. Choose another folder; nothing was saved.</source>
    <translation>The folder “%1” cannot be created or written to. Choose another folder; nothing was saved.</translation>
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
<message id="EXPORTFILESSKIPPED" numerus="yes">
    <source>%n items were left out because a name or folder holds a tab or a line break.</source>
    <translation>
        <numerusform>%n item was left out because a name or folder holds a tab or a line break.</numerusform>
        <numerusform>%n items were left out because a name or folder holds a tab or a line break.</numerusform>
    </translation>
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
<message id="UNDOCONFIRMMESSAGE" numerus="yes">
    <source>Give the %n items this log renamed their earlier names back?</source>
    <translation>
        <numerusform>Give the %n item this log renamed its earlier name back?</numerusform>
        <numerusform>Give the %n items this log renamed their earlier names back?</numerusform>
    </translation>
</message>
<message id="OPENDOCUMENTNOHANDLER">
    <source>No application on this computer opens “%1”. Set one for this type of file in the desktop's settings.</source>
    <translation>No application on this computer opens “%1”. Set one for this type of file in the desktop's settings.</translation>
</message>
<message id="UNDOINGITEMS">
    <source>Undoing the renames, please wait...</source>
    <translation>Undoing the renames, please wait...</translation>
</message>
<message id="CHECKINGLOGFILE">
    <source>Checking the rename log...</source>
    <translation>Checking the rename log...</translation>
</message>
<message id="ITEMSRESTORED" numerus="yes">
    <source>%n items restored</source>
    <translation>
        <numerusform>%n item restored</numerusform>
        <numerusform>%n items restored</numerusform>
    </translation>
</message>
<message id="TOTALLOGFILES" numerus="yes">
    <source>%n rename logs</source>
    <translation>
        <numerusform>%n rename log</numerusform>
        <numerusform>%n rename logs</numerusform>
    </translation>
</message>
<message id="TOTALNOSRENAMEDITEMSFOUND" numerus="yes">
    <source>%n renamed items in this log</source>
    <translation>
        <numerusform>%n renamed item in this log</numerusform>
        <numerusform>%n renamed items in this log</numerusform>
    </translation>
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
<message id="UNDONOTRESTOREDITEM">
    <source>%1 could not be moved back to %2: %3</source>
    <translation>%1 could not be moved back to %2: %3</translation>
</message>
<message id="UNDONOTRESTOREDMORE">
    <source>… and %1 more.</source>
    <translation>… and %1 more.</translation>
</message>
<message id="UNDOLOGKEPT">
    <source>The log was kept with the %1 entries that can still be undone.</source>
    <translation>The log was kept with the %1 entries that can still be undone.</translation>
</message>
<message id="UNDOLOGKEPTWHOLE">
    <source>The log was kept as it was (it could not be rewritten: %1).</source>
    <translation>The log was kept as it was (it could not be rewritten: %1).</translation>
</message>
<message id="UNDOREASONGONE">
    <source>it is no longer there</source>
    <translation>it is no longer there</translation>
</message>
<message id="UNDOREASONTAKEN">
    <source>another item has that name</source>
    <translation>another item has that name</translation>
</message>
<message id="UNDOREASONOTHERFILESYSTEM">
    <source>the two folders are on different file systems and nothing is copied between them</source>
    <translation>the two folders are on different file systems and nothing is copied between them</translation>
</message>
<message id="UNDOREASONMOVEFAILED">
    <source>the move failed (%1)</source>
    <translation>the move failed (%1)</translation>
</message>
<message id="UNDOREASONINVALIDENTRY">
    <source>the log entry is incomplete</source>
    <translation>the log entry is incomplete</translation>
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
<message id="UNDOCONFIRM" numerus="yes">
    <source>Undo the %n renames recorded in %1?</source>
    <translation>
        <numerusform>Undo the %n rename recorded in %1?</numerusform>
        <numerusform>Undo the %n renames recorded in %1?</numerusform>
    </translation>
</message>
<message id="MENUFILE">
    <source>&amp;File</source>
    <translation>&amp;File</translation>
</message>
<message id="MENUEDIT">
    <source>&amp;Edit</source>
    <translation>&amp;Edit</translation>
</message>
<message id="MENURENAME">
    <source>&amp;Rename</source>
    <translation>&amp;Rename</translation>
</message>
<message id="MENURULES">
    <source>R&amp;ules</source>
    <translation>R&amp;ules</translation>
</message>
<message id="MENUTOOLS">
    <source>&amp;Tools</source>
    <translation>&amp;Tools</translation>
</message>
<message id="MENUHELP">
    <source>&amp;Help</source>
    <translation>&amp;Help</translation>
</message>
<message id="TOOLBAR">
    <source>Main toolbar</source>
    <translation>Main toolbar</translation>
</message>
<message id="ACTIONADD">
    <source>Add…</source>
    <translation>Add…</translation>
</message>
<message id="ACTIONADDFROMFILEMANAGER">
    <source>Add Copied Items</source>
    <translation>Add Copied Items</translation>
</message>
<message id="ACTIONCLEAR">
    <source>Clear List</source>
    <translation>Clear List</translation>
</message>
<message id="ACTIONREMOVE">
    <source>Remove</source>
    <translation>Remove</translation>
</message>
<message id="ACTIONMOVEUP">
    <source>Move Up</source>
    <translation>Move Up</translation>
</message>
<message id="ACTIONMOVEDOWN">
    <source>Move Down</source>
    <translation>Move Down</translation>
</message>
<message id="ACTIONPREVIEW">
    <source>Preview</source>
    <translation>Preview</translation>
</message>
<message id="ACTIONAPPLY">
    <source>Rename</source>
    <translation>Rename</translation>
</message>
<message id="ACTIONCANCEL">
    <source>Cancel</source>
    <translation>Cancel</translation>
</message>
<message id="ACTIONLIVEPREVIEW">
    <source>Live Preview</source>
    <translation>Live Preview</translation>
</message>
<message id="ACTIONLIVEPREVIEWOPTIONS">
    <source>Live Preview Options…</source>
    <translation>Live Preview Options…</translation>
</message>
<message id="ACTIONLOADPROFILE">
    <source>Open Profile…</source>
    <translation>Open Profile…</translation>
</message>
<message id="ACTIONSAVEPROFILE">
    <source>Save Profile</source>
    <translation>Save Profile</translation>
</message>
<message id="ACTIONSAVEASPROFILE">
    <source>Save Profile As…</source>
    <translation>Save Profile As…</translation>
</message>
<message id="ACTIONDEFAULTSETTINGS">
    <source>Factory Settings</source>
    <translation>Factory Settings</translation>
</message>
<message id="ACTIONLASTSETTINGS">
    <source>Settings of the Last Session</source>
    <translation>Settings of the Last Session</translation>
</message>
<message id="ACTIONSHOWLOGS">
    <source>Show Rename Logs Folder</source>
    <translation>Show Rename Logs Folder</translation>
</message>
<message id="ACTIONHELP">
    <source>Help for This Method</source>
    <translation>Help for This Method</translation>
</message>
<message id="ACTIONABOUT">
    <source>About Quorvel</source>
    <translation>About Quorvel</translation>
</message>
<message id="ACTIONQUIT">
    <source>Quit</source>
    <translation>Quit</translation>
</message>
<message id="ABOUTTEXT">
    <source>Renames files and folders in batches, with a preview of every new name and a log from which each batch can be undone.</source>
    <translation>Renames files and folders in batches, with a preview of every new name and a log from which each batch can be undone.</translation>
</message>
<message id="ABOUTLICENCE">
    <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty.</source>
    <translation>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty.</translation>
</message>
<message id="ABOUTIPTCCREDIT">
    <source>Subject code names: IPTC Subject NewsCodes, International Press Telecommunications Council, CC BY 4.0.</source>
    <translation>Subject code names: IPTC Subject NewsCodes, International Press Telecommunications Council, CC BY 4.0.</translation>
</message>
<message id="TIPADD">
    <source>Add files or folders to the list</source>
    <translation>Add files or folders to the list</translation>
</message>
<message id="TIPADDFROMFILEMANAGER">
    <source>Add the items copied in the file manager</source>
    <translation>Add the items copied in the file manager</translation>
</message>
<message id="TIPCLEAR">
    <source>Remove every item from the list</source>
    <translation>Remove every item from the list</translation>
</message>
<message id="TIPREMOVE">
    <source>Remove the selected items from the list</source>
    <translation>Remove the selected items from the list</translation>
</message>
<message id="TIPMOVEUP">
    <source>Move the selected items up</source>
    <translation>Move the selected items up</translation>
</message>
<message id="TIPMOVEDOWN">
    <source>Move the selected items down</source>
    <translation>Move the selected items down</translation>
</message>
<message id="TIPPREVIEW">
    <source>Show the new name of every item</source>
    <translation>Show the new name of every item</translation>
</message>
<message id="TIPAPPLY">
    <source>Rename the items on disk as previewed</source>
    <translation>Rename the items on disk as previewed</translation>
</message>
<message id="TIPCANCEL">
    <source>Stop the running task</source>
    <translation>Stop the running task</translation>
</message>
<message id="TIPLIVEPREVIEW">
    <source>Update the new names while the options change</source>
    <translation>Update the new names while the options change</translation>
</message>
<message id="TIPLOADPROFILE">
    <source>Open the settings saved in a profile</source>
    <translation>Open the settings saved in a profile</translation>
</message>
<message id="TIPSAVEPROFILE">
    <source>Save the settings in the current profile</source>
    <translation>Save the settings in the current profile</translation>
</message>
<message id="TIPDEFAULTSETTINGS">
    <source>Set every option back to its default</source>
    <translation>Set every option back to its default</translation>
</message>
<message id="TIPLASTSETTINGS">
    <source>Restore the settings and rules of the last session</source>
    <translation>Restore the settings and rules of the last session</translation>
</message>
<message id="TIPTABHELP">
    <source>Help for the selected method</source>
    <translation>Help for the selected method</translation>
</message>
<message id="TIPFILELIST">
    <source>Drop files and folders here. Ctrl+Up and Ctrl+Down move the selected items, Delete removes them.</source>
    <translation>Drop files and folders here. Ctrl+Up and Ctrl+Down move the selected items, Delete removes them.</translation>
</message>
<message id="TIPSCOPEFILES">
    <source>The list holds files; folders added are searched for files</source>
    <translation>The list holds files; folders added are searched for files</translation>
</message>
<message id="TIPSCOPEFOLDERS">
    <source>The list holds folders</source>
    <translation>The list holds folders</translation>
</message>
<message id="TIPINCLUDESUBFOLDERS">
    <source>Also take what the subfolders of an added folder hold</source>
    <translation>Also take what the subfolders of an added folder hold</translation>
</message>
<message id="TIPSEPARATOR">
    <source>Text between two parts</source>
    <translation>Text between two parts</translation>
</message>
<message id="TIPPADDINGMASK">
    <source>Zeros that set the width of the number, for example 000 gives 007</source>
    <translation>Zeros that set the width of the number, for example 000 gives 007</translation>
</message>
<message id="TIPNUMERICSTART">
    <source>The number of the first item</source>
    <translation>The number of the first item</translation>
</message>
<message id="TIPALPHABETICSTART">
    <source>The letters of the first item</source>
    <translation>The letters of the first item</translation>
</message>
<message id="TIPINSERTTEXT">
    <source>The text to insert into every name</source>
    <translation>The text to insert into every name</translation>
</message>
<message id="TIPREPLACEFIND">
    <source>The text to look for in every name</source>
    <translation>The text to look for in every name</translation>
</message>
<message id="TIPREGULAREXPRESSION">
    <source>Read the text to find as a regular expression; the replacement may name groups as \1 or $1</source>
    <translation>Read the text to find as a regular expression; the replacement may name groups as \1 or $1</translation>
</message>
<message id="TIPFILENAMEMASK">
    <source>A pattern of the new name; see the help of this method</source>
    <translation>A pattern of the new name; see the help of this method</translation>
</message>
<message id="TIPTRANSLITERATE">
    <source>Letters of every script written with plain Latin letters (ß becomes ss)</source>
    <translation>Letters of every script written with plain Latin letters (ß becomes ss)</translation>
</message>
<message id="TIPWINDOWSCOMPATIBLE">
    <source>The text that replaces characters other systems do not allow in names</source>
    <translation>The text that replaces characters other systems do not allow in names</translation>
</message>
<message id="TIPREPAIRENCODING">
    <source>Gives back their letters to names written in UTF-8 but read in this encoding ("cafÃ©" becomes "café"); any ICU converter name</source>
    <translation>Gives back their letters to names written in UTF-8 but read in this encoding ("cafÃ©" becomes "café"); any ICU converter name</translation>
</message>
<message id="TIPAUDIOMASK">
    <source>The tags that make the new name, in order</source>
    <translation>The tags that make the new name, in order</translation>
</message>
<message id="TIPPHOTOMASK">
    <source>The metadata fields that make the new name, in order</source>
    <translation>The metadata fields that make the new name, in order</translation>
</message>
<message id="TIPVIDEOTIMESARELOCAL">
    <source>Movies record when they were taken in UTC, shown here in your time zone. Some cameras write their own local time instead: turn this on for them. A QuickTime creation date is always used as written.</source>
    <translation>Movies record when they were taken in UTC, shown here in your time zone. Some cameras write their own local time instead: turn this on for them. A QuickTime creation date is always used as written.</translation>
</message>
<message id="TIPPATHLEVEL">
    <source>1 is the folder that holds the item, 2 the folder above it, and so on</source>
    <translation>1 is the folder that holds the item, 2 the folder above it, and so on</translation>
</message>
<message id="DROPHINT">
    <source>Drop files and folders here, or use Add</source>
    <translation>Drop files and folders here, or use Add</translation>
</message>
<message id="NOFILEMANAGERSELECTION">
    <source>Copy some files or folders in the file manager first.</source>
    <translation>Copy some files or folders in the file manager first.</translation>
</message>
<message id="FILETYPE">
    <source>Kind</source>
    <translation>Kind</translation>
</message>
<message id="SCOPERENAME">
    <source>Rename:</source>
    <translation>Rename:</translation>
</message>
<message id="SCOPEFILES">
    <source>Files</source>
    <translation>Files</translation>
</message>
<message id="SCOPEFOLDERS">
    <source>Folders</source>
    <translation>Folders</translation>
</message>
<message id="INCLUDESUBFOLDERS">
    <source>Include subfolders</source>
    <translation>Include subfolders</translation>
</message>
<message id="TABSEQUENCE">
    <source>Sequence</source>
    <translation>Sequence</translation>
</message>
<message id="TABINSERTDELETE">
    <source>Insert/Delete</source>
    <translation>Insert/Delete</translation>
</message>
<message id="TABREPLACEREMOVE">
    <source>Replace/Remove</source>
    <translation>Replace/Remove</translation>
</message>
<message id="TABPREFIXSUFFIX">
    <source>Prefix/Suffix</source>
    <translation>Prefix/Suffix</translation>
</message>
<message id="TABDATETIME">
    <source>Date &amp; Time</source>
    <translation>Date &amp; Time</translation>
</message>
<message id="TABGENERAL">
    <source>General</source>
    <translation>General</translation>
</message>
<message id="TABAUDIO">
    <source>Audio Tags</source>
    <translation>Audio Tags</translation>
</message>
<message id="TABPHOTO">
    <source>Photo</source>
    <translation>Photo</translation>
</message>
<message id="TABPATHCOMPONENTS">
    <source>Folder Names</source>
    <translation>Folder Names</translation>
</message>
<message id="TABRENAMEFROMLIST">
    <source>From List</source>
    <translation>From List</translation>
</message>
<message id="SEQUENCEKIND">
    <source>Sequence of</source>
    <translation>Sequence of</translation>
</message>
<message id="SEQUENCENUMBERS">
    <source>Numbers</source>
    <translation>Numbers</translation>
</message>
<message id="SEQUENCELETTERS">
    <source>Letters</source>
    <translation>Letters</translation>
</message>
<message id="SEQUENCEDIRECTION">
    <source>Direction</source>
    <translation>Direction</translation>
</message>
<message id="SEQUENCEINCREMENT">
    <source>Increasing</source>
    <translation>Increasing</translation>
</message>
<message id="SEQUENCEDECREMENT">
    <source>Decreasing</source>
    <translation>Decreasing</translation>
</message>
<message id="SEQUENCEVALUES">
    <source>Values</source>
    <translation>Values</translation>
</message>
<message id="SEQUENCENUMERICSTART">
    <source>Start with number:</source>
    <translation>Start with number:</translation>
</message>
<message id="SEQUENCEALPHABETICSTART">
    <source>Start with letters:</source>
    <translation>Start with letters:</translation>
</message>
<message id="SEQUENCEINCREMENTBY">
    <source>Increase by:</source>
    <translation>Increase by:</translation>
</message>
<message id="SEQUENCEDECREMENTBY">
    <source>Decrease by:</source>
    <translation>Decrease by:</translation>
</message>
<message id="SEQUENCEPADDINGMASK">
    <source>Padding mask:</source>
    <translation>Padding mask:</translation>
</message>
<message id="SEQUENCEPLACEMENT">
    <source>Placement</source>
    <translation>Placement</translation>
</message>
<message id="SEQUENCEASPREFIX">
    <source>Before the name</source>
    <translation>Before the name</translation>
</message>
<message id="SEQUENCEASSUFFIX">
    <source>After the name</source>
    <translation>After the name</translation>
</message>
<message id="SEQUENCESEPARATOR">
    <source>Separate from the name with:</source>
    <translation>Separate from the name with:</translation>
</message>
<message id="SEQUENCERESETEACHFOLDER">
    <source>Start the sequence again in each folder</source>
    <translation>Start the sequence again in each folder</translation>
</message>
<message id="INSERTGROUP">
    <source>Insert</source>
    <translation>Insert</translation>
</message>
<message id="DELETEGROUP">
    <source>Delete</source>
    <translation>Delete</translation>
</message>
<message id="INSERTDELETEINSERT">
    <source>Insert the text:</source>
    <translation>Insert the text:</translation>
</message>
<message id="INSERTDELETEDELETE">
    <source>Delete characters</source>
    <translation>Delete characters</translation>
</message>
<message id="DELETECOUNT">
    <source>Number of characters:</source>
    <translation>Number of characters:</translation>
</message>
<message id="DELETEFROMPOSITION">
    <source>from position:</source>
    <translation>from position:</translation>
</message>
<message id="DELETEFROMEND">
    <source>Counted from the end</source>
    <translation>Counted from the end</translation>
</message>
<message id="ATBEGINNING">
    <source>At the beginning</source>
    <translation>At the beginning</translation>
</message>
<message id="ATEND">
    <source>At the end</source>
    <translation>At the end</translation>
</message>
<message id="ATPOSITION">
    <source>At position:</source>
    <translation>At position:</translation>
</message>
<message id="BEFORETEXT">
    <source>Before the text:</source>
    <translation>Before the text:</translation>
</message>
<message id="AFTERTEXT">
    <source>After the text:</source>
    <translation>After the text:</translation>
</message>
<message id="OCCURRENCE">
    <source>Occurrence:</source>
    <translation>Occurrence:</translation>
</message>
<message id="FROMTHESTART">
    <source>from the start</source>
    <translation>from the start</translation>
</message>
<message id="FROMTHEEND">
    <source>from the end</source>
    <translation>from the end</translation>
</message>
<message id="REPLACEMODE">
    <source>Replace</source>
    <translation>Replace</translation>
</message>
<message id="REMOVEMODE">
    <source>Remove</source>
    <translation>Remove</translation>
</message>
<message id="REMOVECHARACTERSMODE">
    <source>Remove each of the characters</source>
    <translation>Remove each of the characters</translation>
</message>
<message id="REPLACETEXTS">
    <source>Texts</source>
    <translation>Texts</translation>
</message>
<message id="REPLACEFIND">
    <source>Find:</source>
    <translation>Find:</translation>
</message>
<message id="REPLACEWITH">
    <source>Replace with:</source>
    <translation>Replace with:</translation>
</message>
<message id="CASESENSITIVE">
    <source>Match case</source>
    <translation>Match case</translation>
</message>
<message id="ALLOCCURRENCES">
    <source>Every occurrence</source>
    <translation>Every occurrence</translation>
</message>
<message id="REGULAREXPRESSION">
    <source>Regular expression</source>
    <translation>Regular expression</translation>
</message>
<message id="REPLACEWHERE">
    <source>Where</source>
    <translation>Where</translation>
</message>
<message id="STARTFROMCHARACTER">
    <source>Start at character:</source>
    <translation>Start at character:</translation>
</message>
<message id="STARTONOCCURRENCE">
    <source>Start at occurrence:</source>
    <translation>Start at occurrence:</translation>
</message>
<message id="OCCURRENCECOUNT">
    <source>Number of occurrences:</source>
    <translation>Number of occurrences:</translation>
</message>
<message id="PREFIXSUFFIXTEXTGROUP">
    <source>Text</source>
    <translation>Text</translation>
</message>
<message id="PREFIXSUFFIXDATEGROUP">
    <source>File date</source>
    <translation>File date</translation>
</message>
<message id="PREFIXSUFFIXTEXT">
    <source>Add texts before and after the name</source>
    <translation>Add texts before and after the name</translation>
</message>
<message id="PREFIXSUFFIXDATE">
    <source>Add the file's date</source>
    <translation>Add the file's date</translation>
</message>
<message id="PREFIX">
    <source>Prefix:</source>
    <translation>Prefix:</translation>
</message>
<message id="SUFFIX">
    <source>Suffix:</source>
    <translation>Suffix:</translation>
</message>
<message id="FILEDATE">
    <source>Which date:</source>
    <translation>Which date:</translation>
</message>
<message id="ASPREFIX">
    <source>Before the name</source>
    <translation>Before the name</translation>
</message>
<message id="ASSUFFIX">
    <source>After the name</source>
    <translation>After the name</translation>
</message>
<message id="DATECREATED">
    <source>Date created</source>
    <translation>Date created</translation>
</message>
<message id="DATEMODIFIED">
    <source>Date modified</source>
    <translation>Date modified</translation>
</message>
<message id="DATECUSTOM">
    <source>This date:</source>
    <translation>This date:</translation>
</message>
<message id="DATEPARTS">
    <source>Date:</source>
    <translation>Date:</translation>
</message>
<message id="TIMEPARTS">
    <source>Time:</source>
    <translation>Time:</translation>
</message>
<message id="DATEPARTNONE">
    <source>None</source>
    <translation>None</translation>
</message>
<message id="TEXTBEFOREDATE">
    <source>Text before the date:</source>
    <translation>Text before the date:</translation>
</message>
<message id="TEXTAFTERDATE">
    <source>Text after the date:</source>
    <translation>Text after the date:</translation>
</message>
<message id="DATESOURCE">
    <source>Which date</source>
    <translation>Which date</translation>
</message>
<message id="PLACEMENT">
    <source>Where</source>
    <translation>Where</translation>
</message>
<message id="DATEFORMAT">
    <source>Format</source>
    <translation>Format</translation>
</message>
<message id="DATETIMESEPARATOR">
    <source>Between date and time:</source>
    <translation>Between date and time:</translation>
</message>
<message id="REPLACECOLONWITH">
    <source>Replace ":" with:</source>
    <translation>Replace ":" with:</translation>
</message>
<message id="GENERALOPERATION">
    <source>Change</source>
    <translation>Change</translation>
</message>
<message id="CONVERTFILENAMECASE">
    <source>Change the case of the name:</source>
    <translation>Change the case of the name:</translation>
</message>
<message id="CONVERTEXTENSIONCASE">
    <source>Change the case of the extension:</source>
    <translation>Change the case of the extension:</translation>
</message>
<message id="UPPERCASE">
    <source>UPPER CASE</source>
    <translation>UPPER CASE</translation>
</message>
<message id="LOWERCASE">
    <source>lower case</source>
    <translation>lower case</translation>
</message>
<message id="PROPERCASE">
    <source>Capitalised Words</source>
    <translation>Capitalised Words</translation>
</message>
<message id="REMOVEEXTENSION">
    <source>Remove the extension</source>
    <translation>Remove the extension</translation>
</message>
<message id="CHANGEEXTENSION">
    <source>Change the extension to:</source>
    <translation>Change the extension to:</translation>
</message>
<message id="REVERSEFILENAME">
    <source>Reverse the name</source>
    <translation>Reverse the name</translation>
</message>
<message id="REMOVESPACES">
    <source>Remove spaces</source>
    <translation>Remove spaces</translation>
</message>
<message id="SWAPFROMSEPARATOR">
    <source>Swap the parts around:</source>
    <translation>Swap the parts around:</translation>
</message>
<message id="SWAPFROMPOSITION">
    <source>Swap the parts at position:</source>
    <translation>Swap the parts at position:</translation>
</message>
<message id="REMOVEAFTERTEXT">
    <source>Remove what follows:</source>
    <translation>Remove what follows:</translation>
</message>
<message id="REMOVEFROMTEXT">
    <source>Remove from:</source>
    <translation>Remove from:</translation>
</message>
<message id="FILENAMEMASK">
    <source>Name pattern:</source>
    <translation>Name pattern:</translation>
</message>
<message id="WINDOWSCOMPATIBLE">
    <source>Make names safe for other systems, replacing with:</source>
    <translation>Make names safe for other systems, replacing with:</translation>
</message>
<message id="TRANSLITERATE">
    <source>Transliterate to plain Latin</source>
    <translation>Transliterate to plain Latin</translation>
</message>
<message id="REPAIRENCODING">
    <source>Repair the name's encoding, read as:</source>
    <translation>Repair the name's encoding, read as:</translation>
</message>
<message id="AUDIOMASK">
    <source>New name from tags</source>
    <translation>New name from tags</translation>
</message>
<message id="AUDIOOPTIONS">
    <source>Options</source>
    <translation>Options</translation>
</message>
<message id="AUDIOEXTENSIONS">
    <source>Audio files renamed</source>
    <translation>Audio files renamed</translation>
</message>
<message id="PHOTOMASK">
    <source>New name from metadata</source>
    <translation>New name from metadata</translation>
</message>
<message id="PHOTOOPTIONS">
    <source>Options</source>
    <translation>Options</translation>
</message>
<message id="PHOTOEXTENSIONS">
    <source>Image files renamed</source>
    <translation>Image files renamed</translation>
</message>
<message id="MASK">
    <source>Mask:</source>
    <translation>Mask:</translation>
</message>
<message id="ADDTAG">
    <source>Add Tag</source>
    <translation>Add Tag</translation>
</message>
<message id="ADDFIELD">
    <source>Add Field</source>
    <translation>Add Field</translation>
</message>
<message id="EDITMASK">
    <source>Edit…</source>
    <translation>Edit…</translation>
</message>
<message id="CLEARMASK">
    <source>Clear</source>
    <translation>Clear</translation>
</message>
<message id="EDITEXTENSIONS">
    <source>Edit…</source>
    <translation>Edit…</translation>
</message>
<message id="SEPARATEWITH">
    <source>Separate the parts with:</source>
    <translation>Separate the parts with:</translation>
</message>
<message id="TAGARTIST">
    <source>Artist</source>
    <translation>Artist</translation>
</message>
<message id="TAGYEAR">
    <source>Year</source>
    <translation>Year</translation>
</message>
<message id="TAGGENRE">
    <source>Genre</source>
    <translation>Genre</translation>
</message>
<message id="TAGTITLE">
    <source>Title</source>
    <translation>Title</translation>
</message>
<message id="TAGALBUM">
    <source>Album</source>
    <translation>Album</translation>
</message>
<message id="TAGCOMMENTS">
    <source>Comments</source>
    <translation>Comments</translation>
</message>
<message id="TAGTRACKNUMBER">
    <source>Track number</source>
    <translation>Track number</translation>
</message>
<message id="TAGCOMPOSER">
    <source>Composer</source>
    <translation>Composer</translation>
</message>
<message id="FIELDDATE">
    <source>Date taken</source>
    <translation>Date taken</translation>
</message>
<message id="FIELDTIME">
    <source>Time taken</source>
    <translation>Time taken</translation>
</message>
<message id="FIELDDEVICEMAKE">
    <source>Camera maker</source>
    <translation>Camera maker</translation>
</message>
<message id="FIELDDEVICEMODEL">
    <source>Camera model</source>
    <translation>Camera model</translation>
</message>
<message id="FIELDDIMENSIONS">
    <source>Dimensions</source>
    <translation>Dimensions</translation>
</message>
<message id="FIELDFILENAME">
    <source>File name</source>
    <translation>File name</translation>
</message>
<message id="VIDEOTIMESARELOCAL">
    <source>Video times are local time (not UTC)</source>
    <translation>Video times are local time (not UTC)</translation>
</message>
<message id="PATHCOMPONENTS">
    <source>Folder name</source>
    <translation>Folder name</translation>
</message>
<message id="PATHLEVEL">
    <source>Folder level:</source>
    <translation>Folder level:</translation>
</message>
<message id="PATHSEPARATOR">
    <source>Separator:</source>
    <translation>Separator:</translation>
</message>
<message id="TEXTBEFORE">
    <source>Text before:</source>
    <translation>Text before:</translation>
</message>
<message id="TEXTAFTER">
    <source>Text after:</source>
    <translation>Text after:</translation>
</message>
<message id="RENAMEFROMLISTHELP">
    <source>Choose a text file with one line per item: its current name, its new name and its folder, separated by tabs. Loading it replaces the list; then press Rename.</source>
    <translation>Choose a text file with one line per item: its current name, its new name and its folder, separated by tabs. Loading it replaces the list; then press Rename.</translation>
</message>
<message id="RENAMEFROMLISTFILE">
    <source>List file</source>
    <translation>List file</translation>
</message>
<message id="RENAMEFROMLISTPLACEHOLDER">
    <source>Path of a tab-delimited text file</source>
    <translation>Path of a tab-delimited text file</translation>
</message>
<message id="BROWSE">
    <source>Browse…</source>
    <translation>Browse…</translation>
</message>
<message id="LISTNAMESFILES">
    <source>The list names files</source>
    <translation>The list names files</translation>
</message>
<message id="LISTNAMESFOLDERS">
    <source>The list names folders</source>
    <translation>The list names folders</translation>
</message>
<message id="LOADLIST">
    <source>Load List</source>
    <translation>Load List</translation>
</message>
<message id="APPLY">
    <source>Apply</source>
    <translation>Apply</translation>
</message>
<message id="CHOOSEITEMSTITLE">
    <source>Add Items</source>
    <translation>Add Items</translation>
</message>
<message id="CHOOSEITEMSMESSAGE">
    <source>Folders are among the items. Rename files (found in the folders) or the folders themselves?</source>
    <translation>Folders are among the items. Rename files (found in the folders) or the folders themselves?</translation>
</message>
<message id="CHOOSEITEMSMORE" numerus="yes">
    <source>… and %n more</source>
    <translation>
        <numerusform>… and %n more</numerusform>
        <numerusform>… and %n more</numerusform>
    </translation>
</message>
<message id="LIVEPREVIEWTITLE">
    <source>Live Preview</source>
    <translation>Live Preview</translation>
</message>
<message id="LIVEPREVIEWMESSAGE">
    <source>The new names follow the options a moment after each change. On long lists, limit it to the first items.</source>
    <translation>The new names follow the options a moment after each change. On long lists, limit it to the first items.</translation>
</message>
<message id="LIVEPREVIEWALLITEMS">
    <source>Every item</source>
    <translation>Every item</translation>
</message>
<message id="LIVEPREVIEWFIRSTITEMS">
    <source>Only the first items:</source>
    <translation>Only the first items:</translation>
</message>
<message id="LIVEPREVIEWTURNON">
    <source>Turn On</source>
    <translation>Turn On</translation>
</message>
<message id="Active">
    <source>Active</source>
    <translation>Active</translation>
</message>
<message id="RULEMETHODCOLUMN">
    <source>Method</source>
    <translation>Method</translation>
</message>
<message id="RULESETTINGSCOLUMN">
    <source>What it does</source>
    <translation>What it does</translation>
</message>
<message id="Rule">
    <source>Rule</source>
    <translation>Rule</translation>
</message>
<message id="Type">
    <source>Type</source>
    <translation>Type</translation>
</message>
<message id="Add">
    <source>Add</source>
    <translation>Add</translation>
</message>
<message id="Add...">
    <source>Add...</source>
    <translation>Add...</translation>
</message>
<message id="Update">
    <source>Update</source>
    <translation>Update</translation>
</message>
<message id="Clear">
    <source>Clear</source>
    <translation>Clear</translation>
</message>
<message id="Clear All">
    <source>Clear All</source>
    <translation>Clear All</translation>
</message>
<message id="Close">
    <source>Close</source>
    <translation>Close</translation>
</message>
<message id="Delete">
    <source>Delete</source>
    <translation>Delete</translation>
</message>
<message id="Load">
    <source>Load</source>
    <translation>Load</translation>
</message>
<message id="Save">
    <source>Save</source>
    <translation>Save</translation>
</message>
<message id="Save...">
    <source>Save...</source>
    <translation>Save...</translation>
</message>
<message id="Open">
    <source>&amp;Open</source>
    <translation>&amp;Open</translation>
</message>
<message id="Open...">
    <source>Open...</source>
    <translation>Open...</translation>
</message>
<message id="View">
    <source>View</source>
    <translation>View</translation>
</message>
<message id="Undo">
    <source>Undo</source>
    <translation>Undo</translation>
</message>
<message id="Help">
    <source>Help</source>
    <translation>Help</translation>
</message>
<message id="Back">
    <source>Back</source>
    <translation>Back</translation>
</message>
<message id="Forward">
    <source>Forward</source>
    <translation>Forward</translation>
</message>
<message id="Contents">
    <source>Contents</source>
    <translation>Contents</translation>
</message>
<message id="Search">
    <source>Search</source>
    <translation>Search</translation>
</message>
<message id="Option">
    <source>Option</source>
    <translation>Option</translation>
</message>
<message id="Value">
    <source>Value</source>
    <translation>Value</translation>
</message>
<message id="Label">
    <source>Label</source>
    <translation>Label</translation>
</message>
<message id="Category">
    <source>Category</source>
    <translation>Category</translation>
</message>
<message id="Metadata">
    <source>Metadata</source>
    <translation>Metadata</translation>
</message>
<message id="Tag Code">
    <source>Tag Code</source>
    <translation>Tag Code</translation>
</message>
<message id="Profile">
    <source>Profile</source>
    <translation>Profile</translation>
</message>
<message id="Date Created">
    <source>Date Created</source>
    <translation>Date Created</translation>
</message>
<message id="Date Modified">
    <source>Date Modified</source>
    <translation>Date Modified</translation>
</message>
<message id="Log File">
    <source>Log File</source>
    <translation>Log File</translation>
</message>
<message id="Renamed Items">
    <source>Renamed Items</source>
    <translation>Renamed Items</translation>
</message>
<message id="New profile:">
    <source>New profile:</source>
    <translation>New profile:</translation>
</message>
<message id="Name of the new profile">
    <source>Name of the new profile</source>
    <translation>Name of the new profile</translation>
</message>
<message id="Photo Renaming Mask">
    <source>Photo Renaming Mask</source>
    <translation>Photo Renaming Mask</translation>
</message>
<message id="Rename logs:">
    <source>Rename logs:</source>
    <translation>Rename logs:</translation>
</message>
<message id="Profiles:">
    <source>Profiles:</source>
    <translation>Profiles:</translation>
</message>
<message id="Rules:">
    <source>Rules:</source>
    <translation>Rules:</translation>
</message>
<message id="Save the current profile automatically when quitting">
    <source>Save the current profile automatically when quitting</source>
    <translation>Save the current profile automatically when quitting</translation>
</message>
<message id="PREFERENCESCHAINSINONEGO">
    <source>Rename shifts and swaps in one go</source>
    <translation>Rename shifts and swaps in one go</translation>
</message>
<message id="Current names">
    <source>Current names</source>
    <translation>Current names</translation>
</message>
<message id="New names">
    <source>New names</source>
    <translation>New names</translation>
</message>
<message id="Folders">
    <source>Folders</source>
    <translation>Folders</translation>
</message>
<message id="Full paths in the name columns">
    <source>Full paths in the name columns</source>
    <translation>Full paths in the name columns</translation>
</message>
<message id="Column names in the first line">
    <source>Column names in the first line</source>
    <translation>Column names in the first line</translation>
</message>
<message id="Export...">
    <source>Export...</source>
    <translation>Export...</translation>
</message>
<message id="EXPORTINGLIST">
    <source>Exporting the list…</source>
    <translation>Exporting the list…</translation>
</message>
<message id="Profiles...">
    <source>Profiles...</source>
    <translation>Profiles...</translation>
</message>
<message id="Add Step to Rule">
    <source>Add Step to Rule</source>
    <translation>Add Step to Rule</translation>
</message>
<message id="Rules Drawer">
    <source>Rules Drawer</source>
    <translation>Rules Drawer</translation>
</message>
<message id="RULESDRAWERSTEPS" numerus="yes">
    <source>Rules Drawer (%n steps)</source>
    <translation>
        <numerusform>Rules Drawer (%n step)</numerusform>
        <numerusform>Rules Drawer (%n steps)</numerusform>
    </translation>
</message>
<message id="RULESTEPADDED" numerus="yes">
    <source>Step added (%n steps)</source>
    <translation>
        <numerusform>Step added (%n step)</numerusform>
        <numerusform>Step added (%n steps)</numerusform>
    </translation>
</message>
<message id="RULEBARTEXT" numerus="yes">
    <source>The rule of %n steps renames the list, not the tab on screen.</source>
    <translation>
        <numerusform>The rule of %n step renames the list, not the tab on screen.</numerusform>
        <numerusform>The rule of %n steps renames the list, not the tab on screen.</numerusform>
    </translation>
</message>
<message id="RULEBARSHOWRULE">
    <source>Show Rule</source>
    <translation>Show Rule</translation>
</message>
<message id="RULEBARUSETAB">
    <source>Use the Tab Instead</source>
    <translation>Use the Tab Instead</translation>
</message>
<message id="TIPRULEBARSHOWRULE">
    <source>Open the rules drawer with the steps that rename the list</source>
    <translation>Open the rules drawer with the steps that rename the list</translation>
</message>
<message id="TIPRULEBARUSETAB">
    <source>Close the rules drawer (its steps are kept) and rename with the tab on screen</source>
    <translation>Close the rules drawer (its steps are kept) and rename with the tab on screen</translation>
</message>
<message id="RULEBARTABINUSE">
    <source>The tab on screen renames the list again; Preview shows its names.</source>
    <translation>The tab on screen renames the list again; Preview shows its names.</translation>
</message>
<message id="Rules...">
    <source>Rules...</source>
    <translation>Rules...</translation>
</message>
<message id="Saved Rules">
    <source>Saved Rules</source>
    <translation>Saved Rules</translation>
</message>
<message id="Undo...">
    <source>Undo...</source>
    <translation>Undo...</translation>
</message>
<message id="UNDOLASTRENAME">
    <source>Undo Last Rename</source>
    <translation>Undo Last Rename</translation>
</message>
<message id="UNDOLASTRENAMECONFIRM" numerus="yes">
    <source>Give %n items their earlier names back?</source>
    <translation>
        <numerusform>Give %n item its earlier name back?</numerusform>
        <numerusform>Give %n items their earlier names back?</numerusform>
    </translation>
</message>
<message id="UNDOLASTRENAMEDETAIL">
    <source>The newest rename log, %1, is undone and then deleted.</source>
    <translation>The newest rename log, %1, is undone and then deleted.</translation>
</message>
<message id="UNDOLASTRENAMENOLOG">
    <source>There is no rename to undo: the log folder holds no rename log.</source>
    <translation>There is no rename to undo: the log folder holds no rename log.</translation>
</message>
<message id="Preferences...">
    <source>Preferences...</source>
    <translation>Preferences...</translation>
</message>
<message id="Help Contents">
    <source>Help Contents</source>
    <translation>Help Contents</translation>
</message>
<message id="SUMATBEGINNING">
    <source>at the beginning</source>
    <translation>at the beginning</translation>
</message>
<message id="SUMATEND">
    <source>at the end</source>
    <translation>at the end</translation>
</message>
<message id="SUMATPOSITION">
    <source>at position %1</source>
    <translation>at position %1</translation>
</message>
<message id="SUMATPOSITIONFROMEND">
    <source>at position %1 from the end</source>
    <translation>at position %1 from the end</translation>
</message>
<message id="SUMBEFORE">
    <source>before '%1'</source>
    <translation>before '%1'</translation>
</message>
<message id="SUMAFTER">
    <source>after '%1'</source>
    <translation>after '%1'</translation>
</message>
<message id="SUMASPREFIX">
    <source>, before the name</source>
    <translation>, before the name</translation>
</message>
<message id="SUMASSUFFIX">
    <source>, after the name</source>
    <translation>, after the name</translation>
</message>
<message id="SUMASPREFIXANDSUFFIX">
    <source>, before and after the name</source>
    <translation>, before and after the name</translation>
</message>
<message id="SUMNUMBERS">
    <source>Numbers from %1</source>
    <translation>Numbers from %1</translation>
</message>
<message id="SUMLETTERS">
    <source>Letters from '%1'</source>
    <translation>Letters from '%1'</translation>
</message>
<message id="SUMUPBY">
    <source>, increasing by %1</source>
    <translation>, increasing by %1</translation>
</message>
<message id="SUMDOWNBY">
    <source>, decreasing by %1</source>
    <translation>, decreasing by %1</translation>
</message>
<message id="SUMINSERT">
    <source>Insert '%1' %2</source>
    <translation>Insert '%1' %2</translation>
</message>
<message id="SUMDELETE" numerus="yes">
    <source>Delete %n characters from position %1</source>
    <translation>
        <numerusform>Delete %n character from position %1</numerusform>
        <numerusform>Delete %n characters from position %1</numerusform>
    </translation>
</message>
<message id="SUMDELETEFROMEND" numerus="yes">
    <source>Delete %n characters from position %1, counted from the end</source>
    <translation>
        <numerusform>Delete %n character from position %1, counted from the end</numerusform>
        <numerusform>Delete %n characters from position %1, counted from the end</numerusform>
    </translation>
</message>
<message id="SUMREPLACE">
    <source>Replace '%1' with '%2'</source>
    <translation>Replace '%1' with '%2'</translation>
</message>
<message id="SUMREMOVE">
    <source>Remove '%1'</source>
    <translation>Remove '%1'</translation>
</message>
<message id="SUMREMOVECHARACTERS">
    <source>Remove each of the characters '%1'</source>
    <translation>Remove each of the characters '%1'</translation>
</message>
<message id="SUMEVERYOCCURRENCE">
    <source>, every occurrence</source>
    <translation>, every occurrence</translation>
</message>
<message id="SUMOCCURRENCES" numerus="yes">
    <source>, %n occurrences from occurrence %1</source>
    <translation>
        <numerusform>, %n occurrence from occurrence %1</numerusform>
        <numerusform>, %n occurrences from occurrence %1</numerusform>
    </translation>
</message>
<message id="SUMFROMEND">
    <source>, from the end</source>
    <translation>, from the end</translation>
</message>
<message id="SUMCASESENSITIVE">
    <source>, match case</source>
    <translation>, match case</translation>
</message>
<message id="SUMREGULAREXPRESSION">
    <source>, as a regular expression</source>
    <translation>, as a regular expression</translation>
</message>
<message id="SUMPREFIXSUFFIX">
    <source>Add '%1' before and '%2' after the name</source>
    <translation>Add '%1' before and '%2' after the name</translation>
</message>
<message id="SUMPREFIX">
    <source>Add '%1' before the name</source>
    <translation>Add '%1' before the name</translation>
</message>
<message id="SUMSUFFIX">
    <source>Add '%1' after the name</source>
    <translation>Add '%1' after the name</translation>
</message>
<message id="SUMDATECREATED">
    <source>date created</source>
    <translation>date created</translation>
</message>
<message id="SUMDATEMODIFIED">
    <source>date modified</source>
    <translation>date modified</translation>
</message>
<message id="SUMCUSTOMDATE">
    <source>chosen date</source>
    <translation>chosen date</translation>
</message>
<message id="SUMADDDATE">
    <source>Add the %1</source>
    <translation>Add the %1</translation>
</message>
<message id="SUMINSERTDATE">
    <source>Insert the %1 %2</source>
    <translation>Insert the %1 %2</translation>
</message>
<message id="SUMNAMECASE">
    <source>Name in %1</source>
    <translation>Name in %1</translation>
</message>
<message id="SUMEXTENSIONCASE">
    <source>Extension in %1</source>
    <translation>Extension in %1</translation>
</message>
<message id="SUMREMOVEEXTENSION">
    <source>Remove the extension</source>
    <translation>Remove the extension</translation>
</message>
<message id="SUMCHANGEEXTENSION">
    <source>Change the extension to '%1'</source>
    <translation>Change the extension to '%1'</translation>
</message>
<message id="SUMREVERSE">
    <source>Reverse the name</source>
    <translation>Reverse the name</translation>
</message>
<message id="SUMREMOVESPACES">
    <source>Remove spaces</source>
    <translation>Remove spaces</translation>
</message>
<message id="SUMSWAPSEPARATOR">
    <source>Swap the parts around '%1'</source>
    <translation>Swap the parts around '%1'</translation>
</message>
<message id="SUMSWAPPOSITION">
    <source>Swap the parts at position %1</source>
    <translation>Swap the parts at position %1</translation>
</message>
<message id="SUMREMOVEAFTER">
    <source>Remove what follows '%1'</source>
    <translation>Remove what follows '%1'</translation>
</message>
<message id="SUMREMOVEFROM">
    <source>Remove from '%1' on</source>
    <translation>Remove from '%1' on</translation>
</message>
<message id="SUMPADNAME">
    <source>Name pattern '%1'</source>
    <translation>Name pattern '%1'</translation>
</message>
<message id="SUMWINDOWSCOMPATIBLE">
    <source>Make the name safe for other systems, replacing with '%1'</source>
    <translation>Make the name safe for other systems, replacing with '%1'</translation>
</message>
<message id="SUMTRANSLITERATE">
    <source>Transliterate to plain Latin</source>
    <translation>Transliterate to plain Latin</translation>
</message>
<message id="SUMREPAIRENCODING">
    <source>Repair the name's encoding, read as '%1'</source>
    <translation>Repair the name's encoding, read as '%1'</translation>
</message>
<message id="SUMAUDIO">
    <source>New name from tags '%1'</source>
    <translation>New name from tags '%1'</translation>
</message>
<message id="SUMPHOTO">
    <source>New name from metadata '%1'</source>
    <translation>New name from metadata '%1'</translation>
</message>
<message id="SUMPATHCOMPONENTS" numerus="yes">
    <source>Insert %n folder names %1</source>
    <translation>
        <numerusform>Insert %n folder name %1</numerusform>
        <numerusform>Insert %n folder names %1</numerusform>
    </translation>
</message>
<message id="OPTIONYES">
    <source>yes</source>
    <translation>yes</translation>
</message>
<message id="OPTIONNO">
    <source>no</source>
    <translation>no</translation>
</message>
<message id="OPTIONEMPTY">
    <source>(empty)</source>
    <translation>(empty)</translation>
</message>
<message id="OPTIONQUOTED">
    <source>'%1'</source>
    <translation>'%1'</translation>
</message>
<message id="OPTIONNOW">
    <source>The current date and time</source>
    <translation>The current date and time</translation>
</message>
<message id="MASKEDITORADD">
    <source>Add ›</source>
    <translation>Add ›</translation>
</message>
<message id="TIPMASKEDITORADD">
    <source>Add the field selected on the left to the mask (or double-click it)</source>
    <translation>Add the field selected on the left to the mask (or double-click it)</translation>
</message>
<message id="MASKEDITORREMOVE">
    <source>Remove</source>
    <translation>Remove</translation>
</message>
<message id="TIPMASKEDITORREMOVE">
    <source>Remove the selected field from the mask (or double-click it, or press Delete)</source>
    <translation>Remove the selected field from the mask (or double-click it, or press Delete)</translation>
</message>
<message id="EXTENSIONADDFROMFILE">
    <source>Add from File…</source>
    <translation>Add from File…</translation>
</message>
<message id="TIPEXTENSIONADDFROMFILE">
    <source>Choose a file: its extension is added</source>
    <translation>Choose a file: its extension is added</translation>
</message>
<message id="EXTENSIONTYPEDPLACEHOLDER">
    <source>Type an extension, such as .png</source>
    <translation>Type an extension, such as .png</translation>
</message>
<message id="EXTENSIONADDTYPED">
    <source>Add</source>
    <translation>Add</translation>
</message>
<message id="ADDEVERYFORMAT">
    <source>Add Every Format Quorvel Reads</source>
    <translation>Add Every Format Quorvel Reads</translation>
</message>
<message id="TIPADDEVERYFORMAT">
    <source>Add the extensions of every image, raw and video format Quorvel reads dates from (HEIC, CR2, MP4 …)</source>
    <translation>Add the extensions of every image, raw and video format Quorvel reads dates from (HEIC, CR2, MP4 …)</translation>
</message>
<message id="CAMERACLOCKS">
    <source>Camera Clocks…</source>
    <translation>Camera Clocks…</translation>
</message>
<message id="TIPCAMERACLOCKS">
    <source>Correct the capture times of a camera whose clock was wrong, per camera model</source>
    <translation>Correct the capture times of a camera whose clock was wrong, per camera model</translation>
</message>
<message id="CAMERACLOCKSLABEL">
    <source>Camera clocks:</source>
    <translation>Camera clocks:</translation>
</message>
<message id="CAMERACLOCKSTITLE">
    <source>Camera Clocks</source>
    <translation>Camera Clocks</translation>
</message>
<message id="CAMERACLOCKSEXPLAIN">
    <source>Type how far the clock of each camera was off, in seconds (+3600, -90) or in hours, minutes and seconds (+1:00:00). The shift moves the date and time of that camera’s photos in the new names; the files themselves are not changed.</source>
    <translation>Type how far the clock of each camera was off, in seconds (+3600, -90) or in hours, minutes and seconds (+1:00:00). The shift moves the date and time of that camera’s photos in the new names; the files themselves are not changed.</translation>
</message>
<message id="CAMERACLOCKSMODEL">
    <source>Camera model</source>
    <translation>Camera model</translation>
</message>
<message id="CAMERACLOCKSFILES">
    <source>Files</source>
    <translation>Files</translation>
</message>
<message id="CAMERACLOCKSEARLIEST">
    <source>Earliest capture</source>
    <translation>Earliest capture</translation>
</message>
<message id="CAMERACLOCKSSHIFT">
    <source>Shift</source>
    <translation>Shift</translation>
</message>
<message id="CAMERACLOCKSSHIFTED">
    <source>Earliest once shifted</source>
    <translation>Earliest once shifted</translation>
</message>
<message id="CAMERACLOCKSEVERYCAMERA">
    <source>Every camera without a shift of its own</source>
    <translation>Every camera without a shift of its own</translation>
</message>
<message id="CAMERACLOCKSSHIFTTIP">
    <source>Seconds such as +3600 or -90, or +1:00:00; empty for none</source>
    <translation>Seconds such as +3600 or -90, or +1:00:00; empty for none</translation>
</message>
<message id="CAMERACLOCKSBADSHIFT">
    <source>“%1” is not a shift: type seconds such as +3600 or -90, or hours, minutes and seconds such as +1:00:00.</source>
    <translation>“%1” is not a shift: type seconds such as +3600 or -90, or hours, minutes and seconds such as +1:00:00.</translation>
</message>
<message id="CAMERACLOCKSREADING">
    <source>Reading the cameras of the photos…</source>
    <translation>Reading the cameras of the photos…</translation>
</message>
<message id="COLUMNDATETAKEN">
    <source>Date Taken</source>
    <translation>Date Taken</translation>
</message>
<message id="COLUMNDATEMODIFIED">
    <source>Date Modified</source>
    <translation>Date Modified</translation>
</message>
<message id="COLUMNFILESIZE">
    <source>Size</source>
    <translation>Size</translation>
</message>
<message id="SORTREADINGCAPTURE">
    <source>Reading the capture times…</source>
    <translation>Reading the capture times…</translation>
</message>
<message id="SORTREADINGFILES">
    <source>Reading the dates and sizes of the files…</source>
    <translation>Reading the dates and sizes of the files…</translation>
</message>
<message id="STATUSREFUSEDWITHGROUP">
    <source>Refused With Its Group</source>
    <translation>Refused With Its Group</translation>
</message>
<message id="OUTCOMENUMBERED" numerus="yes">
    <source>%1, %n names numbered</source>
    <translation>
        <numerusform>%1, %n name numbered</numerusform>
        <numerusform>%1, %n names numbered</numerusform>
    </translation>
</message>
<message id="COMPANIONSCHECKBOX">
    <source>Rename companion files with their item</source>
    <translation>Rename companion files with their item</translation>
</message>
<message id="COMPANIONSCHECKBOXTIP">
    <source>Files of the same folder that share the stem (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp, IMG_0001.CR2.xmp) take the new name of the first in the list, raw formats first</source>
    <translation>Files of the same folder that share the stem (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp, IMG_0001.CR2.xmp) take the new name of the first in the list, raw formats first</translation>
</message>
<message id="NUMBERDUPLICATESCHECKBOX">
    <source>Number names used twice</source>
    <translation>Number names used twice</translation>
</message>
<message id="NUMBERDUPLICATESTIP">
    <source>The first keeps the name; later ones take the separator and 2, 3 … before the extension</source>
    <translation>The first keeps the name; later ones take the separator and 2, 3 … before the extension</translation>
</message>
<message id="NUMBERSEPARATORLABEL">
    <source>Separator:</source>
    <translation>Separator:</translation>
</message>
<message id="COMPANIONSCOUNT">
    <source>+%1</source>
    <translation>+%1</translation>
</message>
<message id="COMPANIONSTOOLTIPTITLE">
    <source>Renamed with it:</source>
    <translation>Renamed with it:</translation>
</message>
<message id="COMPANIONSTOOLTIPLINE">
    <source>%1 → %2</source>
    <translation>%1 → %2</translation>
</message>
</context>
</TS>
