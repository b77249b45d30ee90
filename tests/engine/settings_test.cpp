#include "engine/settings.h"
#include "engine/settingsdescriptors.h"
#include "platform/edition.h"
#include "platform/keyedarchiver.h"
#include "platform/plist.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

namespace {
MetaDataField field(const char* label, const char* tag)
{
    return MetaDataField::initWithLabelAndTagCode(QStringLiteral("EXIF"), QString::fromLatin1(label),
                                                  QString::fromLatin1(tag), QString::fromLatin1(label));
}
} // namespace

TEST(Settings, DescriptorTableHasEveryKeyOnce)
{
    // The 172 classic keys, 74 of them signalling, and the keys beyond them.
    const auto all = SettingDescriptors::all();
    int signalling = 0;
    int classic = 0;
    QSet<QString> keys;
    for (const auto& d : all) {
        keys.insert(QString::fromLatin1(d.key));
        if (!d.extended) {
            ++classic;
            signalling += d.signalsChange ? 1 : 0;
        }
    }
    EXPECT_EQ(size_t(keys.size()), all.size());
    EXPECT_EQ(classic, 172);
    EXPECT_EQ(signalling, 74);
}

TEST(Settings, Defaults)
{
    Settings s;
    EXPECT_EQ(s.integer("selectedTab"), 0);
    EXPECT_TRUE(s.flag("isFiles"));
    EXPECT_FALSE(s.flag("isFolders"));
    EXPECT_EQ(s.text("alphaNumericAlphabeticStartWith"), "a");
    EXPECT_EQ(s.text("photoDatePart3"), "yyyy");
    EXPECT_EQ(s.integer("prefixSuffixFileDateAttribute"), 1);
    EXPECT_EQ(s.list("photoExtensions"), (QStringList{".JPG", ".JPEG", ".EXIF", ".TIF", ".TIFF"}));
    EXPECT_EQ(s.list("id3Extensions"), (QStringList{".MP3", ".M4A", ".AAC", ".M4B"}));
    EXPECT_TRUE(s.date("dateTimeCustomDate").isValid());
    EXPECT_FALSE(s.hasRenameFile());
    EXPECT_FALSE(s.getCurrentSettings().contains("renameFile"));
    EXPECT_EQ(s.getCurrentSettings().size(), 172); // 171 keys without renameFile, plus appVersion
}

TEST(Settings, FlagsAndIntegersTakeTheLeadingInteger)
{
    Settings s;
    ASSERT_TRUE(s.setSettings({{"isFiles", "abc"}, {"selectedTab", "1abc"}, {"pathComponentsLevelNo", " -3"}}));
    EXPECT_FALSE(s.flag("isFiles"));
    EXPECT_EQ(s.integer("selectedTab"), 1);
    EXPECT_EQ(s.integer("pathComponentsLevelNo"), -3);
    // Property-list numbers and booleans are read by value.
    ASSERT_TRUE(s.setSettings({{"isFiles", true}, {"selectedTab", qlonglong(7)}}));
    EXPECT_TRUE(s.flag("isFiles"));
    EXPECT_EQ(s.integer("selectedTab"), 7);
}

TEST(Settings, ApplyingIsAllOrNothing)
{
    Settings s;
    s.setText("replaceRemoveThis", "keep");
    QString error;
    EXPECT_FALSE(s.setSettings({{"replaceRemoveThis", "changed"}, {"noSuchKey", "1"}}, &error));
    EXPECT_TRUE(error.contains("noSuchKey"));
    EXPECT_EQ(s.text("replaceRemoveThis"), "keep");

    EXPECT_FALSE(s.setSettings({{"replaceRemoveThis", "changed"},
                                {"photoExtensions", QByteArray("not an archive")}}));
    EXPECT_EQ(s.text("replaceRemoveThis"), "keep");
    EXPECT_EQ(s.list("photoExtensions").size(), 5);

    // A NUL (a binary profile can hold one) fits in no file name and in no saved profile.
    const QString withNul = QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b");
    EXPECT_FALSE(s.setSettings({{"replaceRemoveThis", "changed"}, {"prefixSuffixPrefix", withNul}}, &error));
    EXPECT_TRUE(error.contains("NUL"));
    EXPECT_FALSE(s.setSettings({{"replaceRemoveThis", "changed"}, {"photoExtensions", QStringList{"jpg", withNul}}}));
    MetaDataField nulField = field("Date", "<EXIF_Date>");
    nulField.label = withNul;
    EXPECT_FALSE(s.setSettings({{"replaceRemoveThis", "changed"},
                                {"photoMetaDataList", QVariantList{nulField.encodeWithCoder()}}}));
    EXPECT_EQ(s.text("replaceRemoveThis"), "keep");
    EXPECT_EQ(s.list("photoExtensions").size(), 5);
}

TEST(Settings, MissingKeysKeepTheirValues)
{
    Settings s;
    s.setText("prefixSuffixPrefix", "IMG_");
    ASSERT_TRUE(s.setSettings({{"prefixSuffixSuffix", "_v2"}}));
    EXPECT_EQ(s.text("prefixSuffixPrefix"), "IMG_");
    EXPECT_EQ(s.text("prefixSuffixSuffix"), "_v2");
}

TEST(Settings, PhotoMaskIsRebuiltFromTheFieldList)
{
    Settings s;
    s.setPhotoMetaDataList({field("Date", "<EXIF_Date>"), field("Time", "<EXIF_Time>"),
                            field("Model", "<EXIF_Device_Model>")});
    QVariantMap dict = s.getCurrentSettings();
    dict["isPhotoRenamingSeperator"] = "1";
    dict["photoRenamingSeperator"] = "-";
    dict["photoRenamingMask"] = "stale text that has no effect";
    Settings loaded;
    ASSERT_TRUE(loaded.setSettings(dict));
    EXPECT_EQ(loaded.text("photoRenamingMask"), "<EXIF_Date>-<EXIF_Time>-<EXIF_Device_Model>");
    loaded.setFlag("isPhotoRenamingSeperator", false);
    EXPECT_EQ(loaded.text("photoRenamingMask"), "<EXIF_Date><EXIF_Time><EXIF_Device_Model>");

    loaded.setList("id3RenamingTagsList", {"<Artist>", "<Title>"});
    loaded.setText("id3RenamingSeperator", " - ");
    loaded.setFlag("isID3RenamingSeperator", true);
    EXPECT_EQ(loaded.text("id3RenamingMask"), "<Artist> - <Title>");
}

TEST(Settings, RoundTripThroughAnXmlPlistFile)
{
    TempTree tree;
    Settings s;
    s.setText("renameFile", "/tmp/list.txt");
    s.setText("replaceRemoveThis", "a/b & <c>");
    s.setDate("dateTimeCustomDate", QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9), Qt::UTC));
    s.setList("id3RenamingTagsList", {"<Artist>", "<Year>"});
    s.setList("photoExtensions", {".JPG", ".PNG"});
    s.setPhotoMetaDataList({field("Date", "<EXIF_Date>"), field("City", "<IPTC_Origin_City>")});
    s.generalOptionsChanged(4);

    const QString path = tree.at("settings.plist");
    ASSERT_TRUE(Plist::writeFile(path, s.getCurrentSettings(), Plist::Format::Xml));
    const std::optional<QVariant> read = Plist::readFile(path);
    ASSERT_TRUE(read);
    const QVariantMap dict = read->toMap();
    EXPECT_EQ(dict.value("appVersion").toString(), Edition::current().version);
    EXPECT_EQ(dict.value("isGeneralReverseFileName").toString(), "1");
    // The list fields are keyed archives.
    EXPECT_TRUE(KeyedArchiver::unarchive(dict.value("photoMetaDataList").toByteArray()));

    Settings loaded;
    ASSERT_TRUE(loaded.setSettings(dict));
    const QVariantMap again = loaded.getCurrentSettings();
    const QVariantMap original = s.getCurrentSettings();
    EXPECT_EQ(again.keys(), original.keys());
    for (const QString& key : original.keys())
        EXPECT_EQ(again.value(key), original.value(key)) << key.toStdString();
    EXPECT_EQ(loaded.text("renameFile"), "/tmp/list.txt");
    EXPECT_EQ(loaded.date("dateTimeCustomDate"), s.date("dateTimeCustomDate"));
    ASSERT_EQ(loaded.photoMetaDataList().size(), 2);
    EXPECT_EQ(loaded.photoMetaDataList().at(1).tagCode, "<IPTC_Origin_City>");
    EXPECT_FALSE(loaded.photoMetaDataList().at(1).metadataValue.isValid());
}

TEST(Settings, ModeSelectorsKeepTheMirroredFlagsConsistent)
{
    Settings s;
    int signalCount = 0;
    QStringList changed;
    s.setChangeObserver([&](const QString& key, const QVariant&, const QVariant&) {
        ++signalCount;
        changed << key;
    });
    s.setInteger("generalOptionIndex", 7);
    EXPECT_EQ(signalCount, 0); // the index alone does not signal
    ASSERT_TRUE(s.runModeSelectorFor("generalOptionIndex"));
    EXPECT_TRUE(s.flag("isGeneralSwapFromPostion"));
    EXPECT_FALSE(s.flag("isGeneralConvertFilenameCase"));
    EXPECT_TRUE(changed.contains("isSettingsChanged"));

    s.replaceRemoveChanged(2);
    EXPECT_TRUE(s.flag("isReplaceRemoveRemoveCharacters"));
    EXPECT_FALSE(s.flag("isReplaceRemoveReplace"));
    const int before = signalCount;
    s.replaceRemoveChanged(5); // unknown tag: nothing changes, no signal
    EXPECT_EQ(signalCount, before);
    EXPECT_TRUE(s.flag("isReplaceRemoveRemoveCharacters"));

    s.setInteger("insertDeleteInsertOptionIndex", 3);
    s.insertOptionsChanged();
    EXPECT_TRUE(s.flag("isInsertDeleteInsertAtBeforeText"));
    EXPECT_FALSE(s.flag("isInsertDeleteInsertAtBeginning"));

    changed.clear();
    s.prefixSuffixChanged(1); // not a signalling selector
    EXPECT_TRUE(s.flag("isPrefixSuffixDate"));
    EXPECT_FALSE(changed.contains("isSettingsChanged"));

    s.filesFoldersOptionChanged(1);
    EXPECT_TRUE(s.flag("isFolders"));
    EXPECT_FALSE(s.flag("isFiles"));
}

TEST(Settings, SignallingKeysCarryOldAndNewValues)
{
    Settings s;
    QVariant oldValue, newValue;
    QString key;
    s.setChangeObserver([&](const QString& k, const QVariant& o, const QVariant& n) {
        key = k;
        oldValue = o;
        newValue = n;
    });
    s.setText("replaceRemoveThis", "x");
    EXPECT_EQ(key, "replaceRemoveThis");
    EXPECT_EQ(oldValue.toString(), "");
    EXPECT_EQ(newValue.toString(), "x");
    key.clear();
    s.setText("prefixSuffixPrefix", "p"); // prefix/suffix fields do not signal
    EXPECT_TRUE(key.isEmpty());
}
