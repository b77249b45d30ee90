#pragma once

#include <QString>

// Which edition of the program is running. Each main() selects one before anything else;
// every feature switch, name, version and folder is read from here instead of being hard-coded.
struct Edition {
    enum class Kind { Quorvel, Quorvel2 };

    Kind kind = Kind::Quorvel;
    QString displayName;        // "Quorvel" / "Quorvel 2"
    QString version;            // "3.x.y" / "2.x.y"
    QString dataFolder;         // below the XDG data home: "Tamsel/Quorvel3" / "Tamsel/Quorvel 2"
    QString organization;       // defaults store organization: "Tamsel"
    QString defaultsApplication; // defaults store application: "Quorvel" / "Quorvel 2"

    bool hasLivePreview = true;
    bool hasExtensionEditor = true;
    bool hasRulesDrawer = true;
    bool hasDroppedItemsChoice = true;
    bool hasFileManagerSelection = true;
    bool hasServicesEntry = true;
    bool keepsStateBetweenLaunches = true; // settings, profile path and rule chain
    bool usesTranslations = true;          // false: English texts only
    // The batch is judged as a whole: names used twice are marked, and shifts, swaps and
    // cycles are renamed in one go. false: every item is judged on its own.
    bool judgesBatchAsWhole = true;
    // Regular expressions in replace/remove and transliteration in the general method,
    // with their settings keys; the earlier edition knows neither.
    bool hasExtendedMethods = true;
    // The title marks a profile whose settings were changed, and quitting offers to save it.
    bool marksChangedProfile = true;

    int majorVersion() const;

    static Edition quorvel();
    static Edition quorvel2();

    // The edition of this process (Quorvel unless select() chose otherwise).
    static const Edition& current();
    static void select(Kind kind);
};
