// Rule files: written whole with the version attribute, read back with the version and
// shape tests, hand-written files, and the rules menu.
#include "profilestesthelpers.h"

#include "platform/messages.h"
#include "profiles/rulefile.h"
#include "profiles/rulesteps.h"
#include "support/temptree.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>


namespace {

const QByteArray kHandWrittenRule = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist appversion="3.2.1" version="1.0">
<array>
	<dict>
		<key>rule</key><string>Rule - Photo</string>
		<key>type</key><string>Photo</string>
		<key>isActive</key><string>1</string>
		<key>photoRenamingMask</key><string>&lt;EXIF_Date&gt;</string>
		<key>photoExtensions</key><array><string>.JPG</string></array>
		<key>photoMetaDataList</key><array><string>&lt;EXIF_Date&gt;</string></array>
	</dict>
	<dict>
		<key>rule</key><string>AlphaNumeric</string>
		<key>type</key><string>Numeric</string>
		<key>isActive</key><integer>0</integer>
		<key>alphaNumericNumericStartWith</key><string>5</string>
		<key>sequence</key><integer>-1</integer>
	</dict>
</array>
</plist>
)";

QList<QVariantMap> twoSteps()
{
    Settings s;
    s.setInteger("selectedTab", 2);
    s.setText("replaceRemoveThis", "a & <b>");
    s.setText("replaceRemoveWith", "é");
    QVariantMap replace = *RuleSteps::buildRule(s).step;
    s.setInteger("selectedTab", 4);
    s.setDate("dateTimeCustomDate", QDateTime(QDate(2009, 3, 1), QTime(8, 0, 0), Qt::UTC));
    QVariantMap date = *RuleSteps::buildRule(s).step;
    return {replace, date};
}

QString rootVersion(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            return reader.attributes().value("appversion").toString();
    }
    return "<no root>";
}

} // namespace

TEST(RuleFile, WrittenWholeWithTheVersionAndReadBack)
{
    TempTree tree;
    const QString path = tree.at("r.qvrule");
    const QList<QVariantMap> steps = twoSteps();
    ASSERT_TRUE(RuleFile::write(path, steps));
    const QByteArray xml = tree.read("r.qvrule");
    EXPECT_EQ(rootVersion(xml), "3.0.0");
    EXPECT_TRUE(xml.contains("<!DOCTYPE plist"));
    EXPECT_FALSE(xml.contains("<key>sequence</key>")); // only sequence steps have one
    EXPECT_TRUE(xml.contains("<date>2009-03-01T08:00:00Z</date>"));

    QList<QVariantMap> read;
    ASSERT_EQ(RuleFile::read(path, read), RuleFile::ReadResult::Read);
    EXPECT_EQ(read, steps);
    EXPECT_EQ(tree.names(), QStringList{"r.qvrule"}); // no temporary file left
}

TEST(RuleFile, HandWrittenFileLoadsWithRulePrefixRemoved)
{
    TempTree tree;
    const QString path = tree.file("hand.qvrule", kHandWrittenRule);
    ControllerState state;
    RecordingUserInterface ui;
    ASSERT_TRUE(RuleFile::loadRulesFromFile(state, ui, path, true));
    ASSERT_EQ(state.rules.size(), 2);
    EXPECT_EQ(state.rules[0].value("rule"), "Photo");
    EXPECT_EQ(state.rules[0].value("photoExtensions").toList(), QVariantList{".JPG"});
    EXPECT_EQ(state.rules[1].value("isActive").toLongLong(), 0);
    EXPECT_TRUE(ui.alerts.isEmpty());
}

TEST(RuleFile, RefusedFilesChangeNothing)
{
    TempTree tree;
    QByteArray noVersion = kHandWrittenRule;
    noVersion.replace("appversion=\"3.2.1\" ", "");
    QByteArray otherMajor = kHandWrittenRule;
    otherMajor.replace("3.2.1", "2.6.0");
    QByteArray noType = kHandWrittenRule;
    noType.replace("<key>type</key><string>Numeric</string>", "");
    QByteArray wrongValue = kHandWrittenRule;
    wrongValue.replace("<key>alphaNumericNumericStartWith</key><string>5</string>",
                       "<key>alphaNumericNumericStartWith</key><array/>");
    QByteArray rootDict = "<?xml version=\"1.0\"?><plist appversion=\"3.0\" version=\"1.0\"><dict/></plist>";
    const QStringList paths = {tree.file("a.qvrule", noVersion), tree.file("b.qvrule", otherMajor),
                               tree.file("c.qvrule", noType), tree.file("d.qvrule", wrongValue),
                               tree.file("e.qvrule", rootDict), tree.file("f.qvrule", "not xml")};
    for (const QString& path : paths) {
        ControllerState state;
        state.rules = {{{"rule", "General"}, {"type", "General"}}};
        RecordingUserInterface ui;
        EXPECT_FALSE(RuleFile::loadRulesFromFile(state, ui, path, true)) << path.toStdString();
        ASSERT_EQ(ui.alerts.size(), 1);
        EXPECT_EQ(ui.alerts[0].style, AlertStyle::Critical);
        EXPECT_EQ(ui.alerts[0].title, msg("OPENRULETITLE"));
        EXPECT_EQ(ui.alerts[0].message, msg("OPENRULEINCOMPATIBLE"));
        EXPECT_EQ(state.rules.size(), 1);
    }
    QList<QVariantMap> steps;
    EXPECT_EQ(RuleFile::read(paths[0], steps), RuleFile::ReadResult::Incompatible);
    // The rules menu reads without the version test, but still refuses a wrong shape.
    EXPECT_EQ(RuleFile::read(paths[0], steps, false), RuleFile::ReadResult::Read);
    EXPECT_EQ(RuleFile::read(paths[2], steps, false), RuleFile::ReadResult::Unreadable);
}

TEST(RuleFile, FailedWriteLeavesTheOldFileIntact)
{
    TempTree tree;
    const QByteArray old = "<plist appversion=\"3.0\"><array/></plist>";
    const QString path = tree.file("keep.qvrule", old);
    ControllerState state;
    state.rules = twoSteps();
    RecordingUserInterface ui;
    ui.savePanelAnswers = {path};

    bool saved_ok = true;
    {
        // Files may grow no larger than the old one: the new document cannot be written.
        FileSizeLimit limit(old.size());
        ASSERT_TRUE(limit.isActive());
        saved_ok = RuleFile::saveRule(state, ui);
    }
    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(tree.read("keep.qvrule"), old);
    EXPECT_EQ(tree.names(), QStringList{"keep.qvrule"});
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].style, AlertStyle::Critical);
    EXPECT_EQ(ui.alerts[0].message, msg("RULESETTINGSFILEUNABLETOSAVE"));

    // Without the limit the same save replaces the file and says so.
    ui.savePanelAnswers = {path};
    EXPECT_TRUE(RuleFile::saveRule(state, ui));
    EXPECT_EQ(ui.alerts.size(), 1); // success needs no answer: a status bar message
    EXPECT_EQ(ui.statusMessages, QStringList{msg("RULESETTINGSFILESAVEDSUCCESS")});
    QList<QVariantMap> read;
    ASSERT_EQ(RuleFile::read(path, read), RuleFile::ReadResult::Read);
    EXPECT_EQ(read, state.rules);
}

TEST(RuleFile, MenuListsRuleFilesOfTheFolder)
{
    TempTree tree;
    tree.file("one.qvrule", "x");
    tree.file("Two.QVRULE", "x");
    tree.file("notes.txt", "x");
    tree.file(".qvrule", "x");
    QList<RuleMenuEntry> entries = RuleFile::loadRulesMenu(tree.path());
    std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.title < b.title; });
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].title, "Two");
    EXPECT_EQ(entries[0].toolTip, "Two.QVRULE");
    EXPECT_EQ(entries[0].path, tree.at("Two.QVRULE"));
    EXPECT_EQ(entries[1].title, "one");
    EXPECT_TRUE(RuleFile::loadRulesMenu(tree.at("missing")).isEmpty());
}
