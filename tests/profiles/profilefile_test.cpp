// Profiles: saving and loading whole settings records, the version test, refused files,
// files written by hand (as another program would write them) and the profiles dialog.
#include "profilestesthelpers.h"

#include "engine/metadatafield.h"
#include "platform/defaultsstore.h"
#include "platform/messages.h"
#include "profiles/launchstate.h"
#include "profiles/profilecommands.h"
#include "profiles/profilesheetcontroller.h"
#include "profiles/settingsloader.h"
#include "support/mediafixtures.h"
#include "support/temptree.h"

#include <QDomDocument>

#include <gtest/gtest.h>

namespace {

// A keyed archive of [".JPG", ".PNG"] in XML form, written as the documented layout
// describes it, with no help from the program's archiver.
const QByteArray kExtensionsArchive = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>$archiver</key><string>NSKeyedArchiver</string>
	<key>$objects</key>
	<array>
		<string>$null</string>
		<dict>
			<key>$class</key><dict><key>CF$UID</key><integer>4</integer></dict>
			<key>NS.objects</key>
			<array>
				<dict><key>CF$UID</key><integer>2</integer></dict>
				<dict><key>CF$UID</key><integer>3</integer></dict>
			</array>
		</dict>
		<string>.JPG</string>
		<string>.PNG</string>
		<dict>
			<key>$classes</key><array><string>NSMutableArray</string><string>NSArray</string><string>NSObject</string></array>
			<key>$classname</key><string>NSMutableArray</string>
		</dict>
	</array>
	<key>$top</key><dict><key>root</key><dict><key>CF$UID</key><integer>1</integer></dict></dict>
	<key>$version</key><integer>100000</integer>
</dict>
</plist>
)";

// Two metadata fields sharing one class object and one prefix string.
const QByteArray kFieldsArchive = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<dict>
	<key>$archiver</key><string>NSKeyedArchiver</string>
	<key>$objects</key>
	<array>
		<string>$null</string>
		<dict>
			<key>$class</key><dict><key>CF$UID</key><integer>11</integer></dict>
			<key>NS.objects</key>
			<array>
				<dict><key>CF$UID</key><integer>2</integer></dict>
				<dict><key>CF$UID</key><integer>8</integer></dict>
			</array>
		</dict>
		<dict>
			<key>$class</key><dict><key>CF$UID</key><integer>7</integer></dict>
			<key>prefix</key><dict><key>CF$UID</key><integer>3</integer></dict>
			<key>label</key><dict><key>CF$UID</key><integer>4</integer></dict>
			<key>tagCode</key><dict><key>CF$UID</key><integer>5</integer></dict>
			<key>metadataCode</key><dict><key>CF$UID</key><integer>6</integer></dict>
		</dict>
		<string>EXIF</string>
		<string>Date</string>
		<string>&lt;EXIF_Date&gt;</string>
		<string>Date</string>
		<dict>
			<key>$classes</key><array><string>MetaDataField</string><string>NSObject</string></array>
			<key>$classname</key><string>MetaDataField</string>
		</dict>
		<dict>
			<key>$class</key><dict><key>CF$UID</key><integer>7</integer></dict>
			<key>prefix</key><dict><key>CF$UID</key><integer>3</integer></dict>
			<key>label</key><dict><key>CF$UID</key><integer>9</integer></dict>
			<key>tagCode</key><dict><key>CF$UID</key><integer>10</integer></dict>
			<key>metadataCode</key><dict><key>CF$UID</key><integer>9</integer></dict>
		</dict>
		<string>Time</string>
		<string>&lt;EXIF_Time&gt;</string>
		<dict>
			<key>$classes</key><array><string>NSMutableArray</string><string>NSArray</string><string>NSObject</string></array>
			<key>$classname</key><string>NSMutableArray</string>
		</dict>
	</array>
	<key>$top</key><dict><key>root</key><dict><key>CF$UID</key><integer>1</integer></dict></dict>
	<key>$version</key><integer>100000</integer>
</dict>
</plist>
)";

QByteArray profileXml(const QByteArray& entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n"
        + entries + "</dict>\n</plist>\n";
}

QByteArray entry(const char* key, const char* value)
{
    return QByteArray("\t<key>") + key + "</key><string>" + value + "</string>\n";
}

QByteArray dataEntry(const char* key, const QByteArray& bytes)
{
    return QByteArray("\t<key>") + key + "</key><data>" + bytes.toBase64() + "</data>\n";
}

// The text of the value element that follows a key in the profile's root dictionary, and
// its element name, read with Qt's DOM parser instead of the plist library.
QPair<QString, QString> domValue(const QDomDocument& doc, const QString& key)
{
    const QDomElement dict = doc.documentElement().firstChildElement(QStringLiteral("dict"));
    for (QDomElement e = dict.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("key") && e.text() == key) {
            const QDomElement v = e.nextSiblingElement();
            return {v.tagName(), v.text()};
        }
    }
    return {};
}

} // namespace

TEST(Profiles, SaveAsThenLoadRestoresEverySetting)
{
    TempTree tree;
    ControllerState state;
    RecordingUserInterface ui;
    SettingsLoader loader(state, ui);
    ProfileCommands commands(state, ui, loader);
    Settings& s = state.settings;
    s.setInteger("selectedTab", 9);
    s.setText("renameFile", "/home/someone/names.txt");
    s.setDate("dateTimeCustomDate", QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9), Qt::UTC));
    s.setText("replaceRemoveThis", "été & <x>");
    s.setFlag("isPhotoRenamingSeperator", true);
    s.setText("photoRenamingSeperator", "_");
    s.setPhotoMetaDataList({MetaDataField::initWithLabelAndTagCode("EXIF", "Date", "<EXIF_Date>", "Date"),
                            MetaDataField::initWithLabelAndTagCode("EXIF", "Time", "<EXIF_Time>", "Time")});
    s.rebuildPhotoMask();
    s.setList("id3Extensions", {".MP3"});
    s.generalOptionsChanged(4);

    const QString path = tree.at("mine.qvprofile");
    ui.savePanelAnswers = {tree.at("mine")}; // the extension is added when missing
    ASSERT_TRUE(commands.saveAsProfile());
    EXPECT_EQ(state.currProfileFile, path);
    EXPECT_EQ(ui.panels.last().allowedExtensions, QStringList{"qvprofile"});
    EXPECT_TRUE(ui.titles.last().startsWith("mine.qvprofile"));

    ControllerState other;
    RecordingUserInterface otherUi;
    SettingsLoader otherLoader(other, otherUi);
    ASSERT_EQ(otherLoader.setCurrentSettings(path), ProfileLoadResult::Loaded);
    EXPECT_TRUE(otherUi.alerts.isEmpty());
    EXPECT_EQ(other.settings.getCurrentSettings(), s.getCurrentSettings());
    EXPECT_EQ(other.selectedTab(), 9);
    EXPECT_TRUE(other.settings.hasRenameFile());
    EXPECT_EQ(other.settings.text("renameFile"), "/home/someone/names.txt");
    EXPECT_EQ(other.settings.date("dateTimeCustomDate"), QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9), Qt::UTC));
    EXPECT_EQ(other.settings.text("photoRenamingMask"), "<EXIF_Date>_<EXIF_Time>");
    EXPECT_TRUE(other.settings.flag("isGeneralReverseFileName"));
    EXPECT_EQ(other.currProfileFile, path);
    EXPECT_FALSE(other.isProfileLoading);
    EXPECT_GE(otherUi.settingsRefreshes, 1);
}

TEST(Profiles, FileIsAPropertyListAnotherReaderUnderstands)
{
    TempTree tree;
    ControllerState state;
    state.settings.setInteger("selectedTab", 3);
    state.settings.setDate("dateTimeCustomDate", QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9), Qt::UTC));
    const QString path = tree.at("p.qvprofile");
    ASSERT_TRUE(ProfileCommands::writeProfile(state, path));

    QDomDocument doc;
    ASSERT_TRUE(doc.setContent(tree.read("p.qvprofile")));
    EXPECT_EQ(doc.documentElement().tagName(), "plist");
    EXPECT_EQ(domValue(doc, "appVersion"), qMakePair(QString("string"), QString("3.0.0")));
    EXPECT_EQ(domValue(doc, "selectedTab"), qMakePair(QString("string"), QString("3")));
    EXPECT_EQ(domValue(doc, "isFiles"), qMakePair(QString("string"), QString("1")));
    EXPECT_EQ(domValue(doc, "dateTimeCustomDate"), qMakePair(QString("date"), QString("2010-03-07T14:05:09Z")));
    EXPECT_TRUE(domValue(doc, "renameFile").first.isEmpty()); // unset: not written
    const auto blob = domValue(doc, "photoExtensions");
    EXPECT_EQ(blob.first, "data");
    EXPECT_TRUE(QByteArray::fromBase64(blob.second.simplified().remove(' ').toLatin1()).startsWith("bplist00"));
}

TEST(Profiles, HandWrittenProfileWithXmlArchivesLoads)
{
    TempTree tree;
    const QString path = tree.file(
        "hand.qvprofile",
        profileXml(entry("appVersion", "3.7") + entry("selectedTab", "7") + entry("isPhotoRenamingSeperator", "1abc")
                   + entry("photoRenamingSeperator", "-") + entry("photoRenamingMask", "ignored")
                   + entry("pathComponentsLevelNo", "abc") + dataEntry("photoExtensions", kExtensionsArchive)
                   + dataEntry("photoMetaDataList", kFieldsArchive)
                   + "\t<key>dateTimeCustomDate</key><date>2011-12-31T23:59:58Z</date>\n"));
    ControllerState state;
    RecordingUserInterface ui;
    ASSERT_EQ(SettingsLoader(state, ui).setCurrentSettings(path), ProfileLoadResult::Loaded);
    EXPECT_EQ(state.selectedTab(), 7);
    EXPECT_TRUE(state.settings.flag("isPhotoRenamingSeperator")); // "1abc" is 1
    EXPECT_EQ(state.settings.integer("pathComponentsLevelNo"), 0); // no digits: 0
    EXPECT_EQ(state.settings.list("photoExtensions"), (QStringList{".JPG", ".PNG"}));
    ASSERT_EQ(state.settings.photoMetaDataList().size(), 2);
    EXPECT_EQ(state.settings.photoMetaDataList()[1].tagCode, "<EXIF_Time>");
    // The stored mask text has no effect: it is rebuilt from the fields and the separator.
    EXPECT_EQ(state.settings.text("photoRenamingMask"), "<EXIF_Date>-<EXIF_Time>");
    EXPECT_EQ(state.settings.date("dateTimeCustomDate"), QDateTime(QDate(2011, 12, 31), QTime(23, 59, 58), Qt::UTC));
    // Keys the file lacks keep their values.
    EXPECT_EQ(state.settings.text("alphaNumericIncrementBy"), "1");
}

TEST(Profiles, OtherMajorVersionOrNoVersionIsRefusedAndChangesNothing)
{
    TempTree tree;
    const QStringList paths = {
        tree.file("old.qvprofile", profileXml(entry("appVersion", "2.6.0") + entry("selectedTab", "3"))),
        tree.file("none.qvprofile", profileXml(entry("selectedTab", "3"))),
        tree.file("number.qvprofile", profileXml("\t<key>appVersion</key><integer>3</integer>\n" + entry("selectedTab", "3"))),
        tree.file("garbage.qvprofile", "this is not a property list"),
        tree.at("missing.qvprofile"),
    };
    for (const QString& path : paths) {
        ControllerState state;
        state.currProfileFile = "/kept.qvprofile";
        state.isHasFilesForRenaming = true;
        RecordingUserInterface ui;
        EXPECT_EQ(SettingsLoader(state, ui).setCurrentSettings(path), ProfileLoadResult::Incompatible) << path.toStdString();
        ASSERT_EQ(ui.alerts.size(), 1);
        EXPECT_EQ(ui.alerts[0].style, AlertStyle::Critical);
        EXPECT_EQ(ui.alerts[0].title, msg("LOADPROFILETITLE"));
        EXPECT_EQ(ui.alerts[0].message, msg("PROFILEINCOMPATIBLE"));
        EXPECT_EQ(state.selectedTab(), 0);
        EXPECT_EQ(state.currProfileFile, "/kept.qvprofile");
        EXPECT_TRUE(state.isHasFilesForRenaming.load());
        EXPECT_FALSE(state.isProfileLoading);
    }
}

TEST(Profiles, UnknownKeyOrBadListBlobAppliesNothing)
{
    TempTree tree;
    const QString unknown = tree.file(
        "unknown.qvprofile",
        profileXml(entry("appVersion", "3.0.0") + entry("selectedTab", "4") + entry("noSuchSetting", "1")));
    const QString blob = tree.file(
        "blob.qvprofile",
        profileXml(entry("appVersion", "3.0.0") + entry("selectedTab", "4") + dataEntry("photoExtensions", "hello")));
    for (const QString& path : {unknown, blob}) {
        ControllerState state;
        RecordingUserInterface ui;
        MediaFixtures::LogCapture log;
        EXPECT_EQ(SettingsLoader(state, ui).setCurrentSettings(path), ProfileLoadResult::Failed);
        ASSERT_EQ(ui.alerts.size(), 1);
        EXPECT_EQ(ui.alerts[0].message, msg("PROFILELOADFAILED"));
        EXPECT_EQ(state.selectedTab(), 0); // keys before the bad one are not kept either
        EXPECT_TRUE(state.currProfileFile.isEmpty());
        EXPECT_TRUE(log.contains("Error in setCurrentSettings : "));
    }
}

TEST(Profiles, SwitchingBetweenFilesAndFoldersEmptiesTheList)
{
    TempTree tree;
    ControllerState state;
    RecordingUserInterface ui;
    SettingsLoader loader(state, ui);
    state.list.append(*FileSystemItem::initWithPath(tree.file("a.txt")));
    state.isHasFilesForRenaming = true;

    ASSERT_TRUE(loader.applySettings({{"isFiles", "1"}, {"isFolders", "0"}, {"selectedTab", "2"}}));
    EXPECT_EQ(state.list.size(), 1); // same scope: kept
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
    EXPECT_EQ(ui.countTexts.last(), msgN("TOTALFILESSELECTED", 1));

    ASSERT_TRUE(loader.applySettings({{"isFiles", "0"}, {"isFolders", "1"}}));
    EXPECT_TRUE(state.list.isEmpty());
    EXPECT_EQ(ui.countTexts.last(), msgN("TOTALFOLDERSSELECTED", 0));
}

TEST(Profiles, FailedSaveKeepsTheCurrentProfile)
{
    TempTree tree;
    ControllerState state;
    RecordingUserInterface ui;
    SettingsLoader loader(state, ui);
    ProfileCommands commands(state, ui, loader);
    state.currProfileFile = tree.file("current.qvprofile", "old");
    ui.savePanelAnswers = {tree.at("no/such/folder/new.qvprofile")};
    EXPECT_FALSE(commands.saveAsProfile());
    EXPECT_EQ(state.currProfileFile, tree.at("current.qvprofile"));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].message, msg("PROFILESAVEDFAILED"));

    // Cancelling the panel changes nothing and tells nothing.
    state.currProfileFile.clear();
    EXPECT_FALSE(commands.saveProfile()); // no current profile: the save-as panel, cancelled
    EXPECT_TRUE(state.currProfileFile.isEmpty());
    EXPECT_EQ(ui.alerts.size(), 1);
}

TEST(Profiles, FailedWriteOverAProfileLeavesItIntact)
{
    TempTree tree;
    const QByteArray old = "<plist><dict/></plist>";
    ControllerState state;
    RecordingUserInterface ui;
    SettingsLoader loader(state, ui);
    ProfileCommands commands(state, ui, loader);
    state.currProfileFile = tree.file("kept.qvprofile", old);
    bool saved = true;
    {
        FileSizeLimit limit(old.size());
        ASSERT_TRUE(limit.isActive());
        saved = commands.saveProfile();
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(tree.read("kept.qvprofile"), old);
    EXPECT_EQ(tree.names(), QStringList{"kept.qvprofile"});
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].message, msg("PROFILESAVEDFAILED"));
    EXPECT_TRUE(commands.saveProfile());
    EXPECT_TRUE(tree.read("kept.qvprofile").contains("<key>appVersion</key>"));
}

TEST(Profiles, EmptyAndDefaultProfiles)
{
    TempTree tree;
    DefaultsStore().remove("DEFAULTS");
    ControllerState state;
    RecordingUserInterface ui;
    SettingsLoader loader(state, ui);
    ProfileCommands commands(state, ui, loader);

    // What was stored at the last quit.
    state.settings.setInteger("selectedTab", 5);
    state.settings.setText("generalChangeExtension", "bak");
    ASSERT_TRUE(LaunchState::storeAtTermination(state));

    state.settings.setText("generalChangeExtension", "tmp");
    state.currProfileFile = tree.file("x.qvprofile", "x");
    commands.loadEmptyProfile();
    EXPECT_EQ(state.selectedTab(), 0);
    EXPECT_EQ(state.settings.text("generalChangeExtension"), "");
    EXPECT_TRUE(state.currProfileFile.isEmpty());
    EXPECT_EQ(DefaultsStore().value("LASTPROFILE").toString(), "");
    EXPECT_TRUE(ui.titles.last().startsWith(msg("DEFAULT")));

    commands.loadDefaultProfile();
    EXPECT_EQ(state.selectedTab(), 5);
    EXPECT_EQ(state.settings.text("generalChangeExtension"), "bak");
}

TEST(ProfileSheet, ListsSavesAndDeletesProfiles)
{
    TempTree tree;
    tree.file("a.qvprofile", "a");
    tree.file("B.QVPROFILE", "b");
    tree.file("c.txt", "c");
    tree.folder("sub");
    ControllerState state;
    state.preferences.defaultProfileFolderPath = tree.path();
    RecordingUserInterface ui;
    SettingsLoader loader(state, ui);
    ProfileCommands commands(state, ui, loader);
    ProfileSheetController sheet(state, ui, commands, loader);

    sheet.awakeFromNib();
    QStringList names;
    for (const ProfileRow& row : sheet.profiles)
        names << row.profileName;
    names.sort();
    EXPECT_EQ(names, (QStringList{"B.QVPROFILE", "a.qvprofile"}));
    EXPECT_EQ(sheet.profiles[0].dateCreated.size(), QString("2010-03-07 13:05:09 +0000").size());

    // Nothing selected: load and delete ask for a selection.
    sheet.loadProfile();
    sheet.deleteProfile();
    ASSERT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(ui.alerts[1].message, msg("PROFILESELECT"));

    // A name that exists asks before replacing; "NO" writes nothing.
    sheet.newProfileName = "a";
    ui.alertAnswers = {"NO"};
    sheet.saveProfile();
    EXPECT_EQ(ui.alerts.last().message, msg("PROFILEOVERWRITECONFIRM"));
    EXPECT_EQ(tree.read("a.qvprofile"), "a");
    EXPECT_EQ(sheet.newProfileName, "a");

    // A name that would leave the folder is refused.
    sheet.newProfileName = "../escape";
    sheet.saveProfile();
    EXPECT_EQ(ui.alerts.last().message, msg("PROFILESAVEDFAILED"));
    EXPECT_FALSE(QFile::exists(tree.at("../escape.qvprofile")));

    sheet.newProfileName = "fresh";
    sheet.saveProfile();
    EXPECT_TRUE(sheet.newProfileName.isEmpty());
    EXPECT_EQ(sheet.profiles.size(), 3);
    EXPECT_TRUE(tree.read("fresh.qvprofile").contains("<key>appVersion</key>"));

    // Deleting forgets the current profile, also for the next launch.
    state.currProfileFile = tree.at("fresh.qvprofile");
    LaunchState::rememberLastProfile(state.currProfileFile);
    int row = -1;
    for (int i = 0; i < sheet.profiles.size(); ++i) {
        if (sheet.profiles[i].profileName == "fresh.qvprofile")
            row = i;
    }
    sheet.tableViewSelectionDidChange(row);
    EXPECT_EQ(sheet.currProfileFilePath, tree.at("fresh.qvprofile"));
    sheet.deleteProfile();
    EXPECT_FALSE(QFile::exists(tree.at("fresh.qvprofile")));
    EXPECT_TRUE(state.currProfileFile.isEmpty());
    EXPECT_EQ(DefaultsStore().value("LASTPROFILE").toString(), "");
    EXPECT_EQ(sheet.profiles.size(), 2);
    EXPECT_TRUE(sheet.currProfileFilePath.isEmpty());

    // Loading from the sheet closes it.
    bool closed = false;
    sheet.closeSheet = [&] { closed = true; };
    tree.file("good.qvprofile", profileXml(entry("appVersion", "3.0") + entry("selectedTab", "8")));
    sheet.loadProfiles();
    sheet.sortByColumn("profileName", true);
    EXPECT_EQ(sheet.profiles[0].profileName, "a.qvprofile");
    EXPECT_EQ(sheet.selectedRow, -1);
    sheet.tableViewSelectionDidChange(2);
    EXPECT_EQ(sheet.profiles[2].profileName, "good.qvprofile");
    sheet.loadProfile();
    EXPECT_TRUE(closed);
    EXPECT_EQ(state.selectedTab(), 8);
    EXPECT_EQ(state.currProfileFile, tree.at("good.qvprofile"));
}
