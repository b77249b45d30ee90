// The preferences file and the application data folders, each test in a data home of its own.
#include "platform/apppaths.h"
#include "platform/plist.h"
#include "profiles/preferences.h"
#include "support/temptree.h"

#include <QFileInfo>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home_.path().toLocal8Bit());
        appPath_ = AppPaths::getAppPath();
        ASSERT_TRUE(appPath_.startsWith(home_.path()));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", previous_); }

    QVariantMap fileContents() const
    {
        const std::optional<QVariant> root = Plist::readFile(PreferencesFile::preferencesFilePath());
        return root ? root->toMap() : QVariantMap();
    }
    void writeFile(const QVariant& root)
    {
        QString error;
        ASSERT_TRUE(AppPaths::createApplicationUsersFolder(QString(), error)) << error.toStdString();
        ASSERT_TRUE(Plist::writeFile(PreferencesFile::preferencesFilePath(), root, Plist::Format::Xml, &error))
            << error.toStdString();
    }

    TempTree home_;
    QString appPath_;
    QByteArray previous_;
};

} // namespace

TEST_F(PreferencesTest, FirstStartWritesTheDefaults)
{
    QString error;
    ASSERT_TRUE(createApplicationFolders(error)) << error.toStdString();
    EXPECT_EQ(home_.names(QStringLiteral("Tamsel/Quorvel3")),
              (QStringList{"Logs", "Profiles", "Rules"}));

    Preferences prefs = PreferencesFile::defaultPreferences();
    EXPECT_EQ(prefs.defaultLogFolderPath, appPath_ + QStringLiteral("/Logs"));
    EXPECT_EQ(prefs.defaultProfileFolderPath, appPath_ + QStringLiteral("/Profiles"));
    EXPECT_EQ(prefs.defaultRulesFolderPath, appPath_ + QStringLiteral("/Rules"));
    EXPECT_FALSE(prefs.automaticSaveCurrProfile);

    loadPreferences(prefs);
    EXPECT_EQ(PreferencesFile::preferencesFilePath(), appPath_ + QStringLiteral("/preferences.plist"));
    const QByteArray text = home_.read(QStringLiteral("Tamsel/Quorvel3/preferences.plist"));
    EXPECT_TRUE(text.startsWith("<?xml")) << "an XML property list";
    const QVariantMap written = fileContents();
    EXPECT_EQ(written.keys(), (QStringList{"automaticSaveCurrProfile", "defaultLogFolderPath",
                                           "defaultProfileFolderPath", "defaultRulesFolderPath"}));
    for (const QVariant& value : written)
        EXPECT_EQ(value.typeId(), QMetaType::QString);
    EXPECT_EQ(written.value("defaultLogFolderPath").toString(), appPath_ + QStringLiteral("/Logs"));
    EXPECT_EQ(written.value("defaultRulesFolderPath").toString(), appPath_ + QStringLiteral("/Rules"));
    EXPECT_EQ(written.value("automaticSaveCurrProfile").toString(), QStringLiteral("0"));
}

TEST_F(PreferencesTest, APartialFileChangesOnlyWhatItHolds)
{
    writeFile(QVariantMap{{"automaticSaveCurrProfile", QStringLiteral("1")}});
    Preferences prefs = PreferencesFile::defaultPreferences();
    loadPreferences(prefs);
    EXPECT_TRUE(prefs.automaticSaveCurrProfile);
    EXPECT_EQ(prefs.defaultLogFolderPath, appPath_ + QStringLiteral("/Logs"));
    EXPECT_EQ(prefs.defaultProfileFolderPath, appPath_ + QStringLiteral("/Profiles"));
    EXPECT_EQ(fileContents().size(), 1) << "a readable file is not rewritten";

    // Folders are taken as they are; an empty one or a value of another type is ignored.
    writeFile(QVariantMap{{"defaultLogFolderPath", QStringLiteral("/srv/logs")},
                          {"defaultProfileFolderPath", QString()},
                          {"defaultRulesFolderPath", qlonglong(7)},
                          {"automaticSaveCurrProfile", QStringLiteral("0")}});
    loadPreferences(prefs);
    EXPECT_EQ(prefs.defaultLogFolderPath, QStringLiteral("/srv/logs"));
    EXPECT_EQ(prefs.defaultProfileFolderPath, appPath_ + QStringLiteral("/Profiles"));
    EXPECT_EQ(prefs.defaultRulesFolderPath, appPath_ + QStringLiteral("/Rules"));
    EXPECT_FALSE(prefs.automaticSaveCurrProfile);
}

TEST_F(PreferencesTest, AnUnreadableFileIsReplacedByTheCurrentValues)
{
    QString error;
    ASSERT_TRUE(createApplicationFolders(error));
    home_.file(QStringLiteral("Tamsel/Quorvel3/preferences.plist"), "\x00\x01 not a property list");
    Preferences prefs = PreferencesFile::defaultPreferences();
    prefs.defaultRulesFolderPath = QStringLiteral("/elsewhere/rules");
    prefs.automaticSaveCurrProfile = true;
    loadPreferences(prefs);
    EXPECT_EQ(prefs.defaultRulesFolderPath, QStringLiteral("/elsewhere/rules"));
    QVariantMap written = fileContents();
    EXPECT_EQ(written.value("defaultRulesFolderPath").toString(), QStringLiteral("/elsewhere/rules"));
    EXPECT_EQ(written.value("automaticSaveCurrProfile").toString(), QStringLiteral("1"));

    // A property list that is not a dictionary counts as unreadable too.
    writeFile(QVariantList{QStringLiteral("defaultLogFolderPath")});
    loadPreferences(prefs);
    EXPECT_EQ(fileContents().size(), 4);
}

TEST_F(PreferencesTest, FailedWritesAreReported)
{
    QString error;
    ASSERT_TRUE(createApplicationFolders(error));
    // A folder where the file should be: the atomic write cannot replace it.
    home_.folder(QStringLiteral("Tamsel/Quorvel3/preferences.plist"));
    EXPECT_FALSE(savePreferences(PreferencesFile::defaultPreferences()));
    EXPECT_TRUE(QFileInfo(PreferencesFile::preferencesFilePath()).isDir());
}

TEST_F(PreferencesTest, ApplicationFoldersCannotBeMadeOverAFile)
{
    home_.file(QStringLiteral("Tamsel/Quorvel3"), "a file in the way");
    QString error;
    EXPECT_FALSE(createApplicationFolders(error));
    EXPECT_FALSE(error.isEmpty());

    // A data folder that exists but holds a file named "Logs".
    TempTree other;
    qputenv("XDG_DATA_HOME", other.path().toLocal8Bit());
    other.file(QStringLiteral("Tamsel/Quorvel3/Logs"), "in the way");
    error.clear();
    EXPECT_FALSE(createApplicationFolders(error));
    EXPECT_FALSE(error.isEmpty());
}
