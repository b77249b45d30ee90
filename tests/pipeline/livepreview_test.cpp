// Live preview over real folders: the recomputation fills only the proposed names, up to
// the limit, never classifies, and keeps isHasFilesForRenaming false; the trigger and the
// options kept in the defaults store.
#include "engine/filesystemitem.h"
#include "pipeline/controllerstate.h"
#include "pipeline/livepreview.h"
#include "platform/defaultsstore.h"
#include "support/temptree.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

class LivePreviewTest : public ::testing::Test {
protected:
    void add(const QString& relative)
    {
        std::optional<FileSystemItem> item = FileSystemItem::initWithPath(tree.at(relative));
        ASSERT_TRUE(item.has_value()) << relative.toStdString();
        ASSERT_TRUE(state.list.append(*item));
    }

    // Files "f000.txt" ... in list order.
    void addFiles(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("f%1.txt").arg(i, 3, 10, QLatin1Char('0'));
            tree.file(name);
            add(name);
        }
    }

    // Tab 2: every "f" replaced by "g".
    void replaceFWithG()
    {
        Settings& s = state.settings;
        s.setInteger("selectedTab", 2);
        s.setFlag("isReplaceRemoveReplace", true);
        s.setText("replaceRemoveThis", "f");
        s.setText("replaceRemoveWith", "g");
        s.setFlag("isReplaceRemoveAllOccurrence", true);
    }

    bool quickPreview()
    {
        error.clear();
        return LivePreview::quickPreview(state, options, error);
    }

    QStringList proposed() const
    {
        QStringList out;
        for (const FileSystemItem& item : state.list.files)
            out << item.newFilename;
        return out;
    }

    int countNamed() const
    {
        int named = 0;
        for (const FileSystemItem& item : state.list.files)
            named += item.newFilename.isEmpty() ? 0 : 1;
        return named;
    }

    TempTree tree;
    ControllerState state;
    LivePreviewOptions options;
    QString error;
};

} // namespace

TEST_F(LivePreviewTest, StopsAfterTheLimitUnlessAllFiles)
{
    addFiles(500);
    replaceFWithG();
    // Statuses of an earlier preview go everywhere, also beyond the limit.
    for (FileSystemItem& item : state.list.files)
        item.newFilename = QStringLiteral("No Changes");

    options.livePreviewFilesLimit = QStringLiteral("200");
    EXPECT_TRUE(quickPreview()) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(countNamed(), 200);
    for (int i = 0; i < 500; ++i) {
        const QString expected = i < 200 ? QStringLiteral("g%1.txt").arg(i, 3, 10, QLatin1Char('0')) : QString();
        ASSERT_EQ(state.list.files[size_t(i)].newFilename, expected) << i;
    }
    // The loop was stopped through the cancel flag, which stays set.
    EXPECT_TRUE(state.isCancelProcess.load());

    options.isLivePreviewAllFiles = true;
    EXPECT_TRUE(quickPreview());
    EXPECT_EQ(countNamed(), 500);
    EXPECT_EQ(state.list.files.back().newFilename, "g499.txt");
    EXPECT_FALSE(state.isCancelProcess.load());

    // The limit is the integer value of its text; 0 or less never stops the loop.
    options.isLivePreviewAllFiles = false;
    options.livePreviewFilesLimit = QStringLiteral(" 3abc");
    quickPreview();
    EXPECT_EQ(countNamed(), 3);
    for (const char* limit : {"0", "-5", ""}) {
        options.livePreviewFilesLimit = QString::fromLatin1(limit);
        quickPreview();
        EXPECT_EQ(countNamed(), 500) << limit;
        EXPECT_FALSE(state.isCancelProcess.load()) << limit;
    }
}

TEST_F(LivePreviewTest, NamesAreNotClassifiedAndNothingBecomesRenamable)
{
    tree.file("f1.txt");
    tree.file("g1.txt"); // the name f1.txt would take is in use
    tree.file("keep.txt");
    tree.file("gone-f.txt");
    for (const char* name : {"f1.txt", "keep.txt", "gone-f.txt"})
        add(name);
    QFile::remove(tree.at("gone-f.txt"));
    replaceFWithG();
    state.isHasFilesForRenaming = true;

    options.isLivePreviewAllFiles = true;
    EXPECT_TRUE(quickPreview()) << error.toStdString();
    // No existence tests, neither of the target nor of the source; an unchanged name
    // stays as the method left it rather than becoming "No Changes".
    const QStringList names = proposed();
    EXPECT_EQ(names[0], "g1.txt");
    EXPECT_EQ(names[1], "keep.txt");
    EXPECT_EQ(names[2], "gone-g.txt");
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
}

TEST_F(LivePreviewTest, FailedCheckClearsNamesQuietly)
{
    addFiles(3);
    for (FileSystemItem& item : state.list.files)
        item.newFilename = QStringLiteral("earlier.txt");
    state.isHasFilesForRenaming = true;
    state.isCancelProcess = true;

    Settings& s = state.settings;
    s.setInteger("selectedTab", 1);
    s.setFlag("isInsertDeleteInsert", true);
    s.setText("insertDeleteInsert", QString());
    int notifications = 0;
    s.setChangeObserver([&](const QString&, const QVariant&, const QVariant&) { ++notifications; });

    EXPECT_TRUE(quickPreview());
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(countNamed(), 0);
    EXPECT_EQ(s.text("insertDeleteInsert"), "");
    // The names are gone, and so is anything to apply.
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
    // The check stops before the loop starts: the loop would have cleared the flag.
    EXPECT_TRUE(state.isCancelProcess.load());
    EXPECT_EQ(notifications, 0);

    // The second check of the tab: text to insert before, with nothing to insert before.
    s.setText("insertDeleteInsert", "x");
    s.setInteger("insertDeleteInsertOptionIndex", 3);
    s.setText("insertDeleteInsertAtBeforeText", QString());
    state.list.files[0].newFilename = QStringLiteral("earlier.txt");
    EXPECT_TRUE(quickPreview());
    EXPECT_EQ(countNamed(), 0);
    EXPECT_EQ(s.text("insertDeleteInsert"), "x");
}

TEST_F(LivePreviewTest, DefaultsAreWrittenBackAsByPreview)
{
    addFiles(2);
    Settings& s = state.settings;
    s.setInteger("selectedTab", 0);
    s.setFlag("isAlphaNumericNumeric", true);
    s.setFlag("isAlphaNumericPrefix", true);
    s.setText("alphaNumericIncrementBy", "0");
    s.setText("alphaNumericNumericStartWith", "7");
    options.isLivePreviewAllFiles = true;

    EXPECT_TRUE(quickPreview()) << error.toStdString();
    EXPECT_EQ(s.text("alphaNumericIncrementBy"), "1");
    EXPECT_EQ(proposed(), (QStringList{"7f000.txt", "8f001.txt"}));
}

TEST_F(LivePreviewTest, ImportedNamesAreDropped)
{
    addFiles(3);
    state.list.files[0].newFilename = QStringLiteral("imported-a.txt");
    state.list.files[2].newFilename = QStringLiteral("imported-c.txt");
    state.settings.setInteger("selectedTab", 9);
    state.isHasFilesForRenaming = true;
    options.isLivePreviewAllFiles = true;

    EXPECT_TRUE(quickPreview());
    EXPECT_EQ(countNamed(), 0);
    EXPECT_FALSE(state.isHasFilesForRenaming.load());

    // A tab whose mode calls nothing gives false, so the window keeps its rows.
    state.settings.setInteger("selectedTab", 0);
    state.settings.setFlag("isAlphaNumericNumeric", false);
    state.settings.setFlag("isAlphaNumericAlphabetic", false);
    EXPECT_FALSE(quickPreview());
}

TEST_F(LivePreviewTest, PerFolderNumberingRestartsAndSortsTheList)
{
    for (const char* path : {"b/y.txt", "a/z.txt", "b/x.txt", "a/w.txt", "c.txt"})
        tree.file(path);
    for (const char* path : {"b/y.txt", "a/z.txt", "b/x.txt", "a/w.txt", "c.txt"})
        add(path);
    Settings& s = state.settings;
    s.setInteger("selectedTab", 0);
    s.setFlag("isAlphaNumericNumeric", true);
    s.setFlag("isAlphaNumericPrefix", true);
    s.setFlag("isAlphaNumericSeperator", true);
    s.setText("alphaNumericSeperator", "_");
    s.setText("alphaNumericNumericStartWith", "1");
    s.setFlag("isAlphaNumericResetSequenceOnEachFolder", true);
    options.livePreviewFilesLimit = QStringLiteral("4");

    EXPECT_TRUE(quickPreview()) << error.toStdString();
    QStringList rows;
    for (const FileSystemItem& item : state.list.files)
        rows << item.fileLocation().mid(tree.path().size()) + "/" + item.filenameWithExtension() + " -> "
                + item.newFilename;
    EXPECT_EQ(rows, (QStringList{"/c.txt -> 1_c.txt", "/a/w.txt -> 1_w.txt", "/a/z.txt -> 2_z.txt",
                                 "/b/x.txt -> 1_x.txt", "/b/y.txt -> "}));
}

TEST_F(LivePreviewTest, TriggerConditions)
{
    const QVariant before(QStringLiteral("a"));
    const QVariant after(QStringLiteral("ab"));
    options.isLivePreviewEnabled = true;

    // An empty list never schedules.
    EXPECT_FALSE(LivePreview::shouldSchedule(state, options, before, after));
    addFiles(1);
    EXPECT_TRUE(LivePreview::shouldSchedule(state, options, before, after));
    // An empty text is a value; a missing one is not.
    EXPECT_TRUE(LivePreview::shouldSchedule(state, options, QVariant(QString()), after));
    EXPECT_FALSE(LivePreview::shouldSchedule(state, options, QVariant(), after));
    EXPECT_FALSE(LivePreview::shouldSchedule(state, options, before, QVariant()));

    options.isLivePreviewEnabled = false;
    EXPECT_FALSE(LivePreview::shouldSchedule(state, options, before, after));
    options.isLivePreviewEnabled = true;

    // Through the settings' own notifications: a change while a profile loads schedules
    // nothing, one afterwards does; the settings-changed flag is reset either way.
    int scheduled = 0;
    state.settings.setChangeObserver([&](const QString&, const QVariant& o, const QVariant& n) {
        scheduled += LivePreview::settingsChanged(state, options, o, n) ? 1 : 0;
    });
    state.isProfileLoading = true;
    state.settings.setText("replaceRemoveThis", "x");
    state.settings.insertDeleteChanged(1);
    EXPECT_EQ(scheduled, 0);
    EXPECT_FALSE(state.settings.isSettingsChanged());
    state.isProfileLoading = false;
    state.settings.setText("replaceRemoveThis", "xy");
    EXPECT_GE(scheduled, 1);
    EXPECT_FALSE(state.settings.isSettingsChanged());
}

TEST_F(LivePreviewTest, TimerActionRunsOutsidePassesWithoutRetriggering)
{
    addFiles(2);
    Settings& s = state.settings;
    s.setInteger("selectedTab", 0);
    s.setFlag("isAlphaNumericNumeric", true);
    s.setFlag("isAlphaNumericPrefix", true);
    s.setText("alphaNumericIncrementBy", "0");
    options.isLivePreviewEnabled = true;
    int scheduled = 0;
    s.setChangeObserver([&](const QString&, const QVariant& o, const QVariant& n) {
        scheduled += LivePreview::settingsChanged(state, options, o, n) ? 1 : 0;
    });

    // While a pass owns the list nothing is touched.
    state.list.files[0].newFilename = QStringLiteral("pass.txt");
    state.isExecuting = true;
    QString error = QStringLiteral("stale");
    EXPECT_FALSE(LivePreview::timerFired(state, options, &error));
    EXPECT_EQ(state.list.files[0].newFilename, "pass.txt");
    EXPECT_EQ(s.text("alphaNumericIncrementBy"), "0");
    state.isExecuting = false;

    // The step size written back by the recomputation does not schedule another one.
    EXPECT_TRUE(LivePreview::timerFired(state, options, &error));
    EXPECT_EQ(s.text("alphaNumericIncrementBy"), "1");
    EXPECT_EQ(scheduled, 0);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_FALSE(state.isProfileLoading);
    EXPECT_EQ(countNamed(), 2);

    // Fired from inside a profile load, it leaves the load's flag as it found it.
    state.isProfileLoading = true;
    EXPECT_TRUE(LivePreview::timerFired(state, options));
    EXPECT_TRUE(state.isProfileLoading);
    state.isProfileLoading = false;

    // A failing method: its error comes back, nothing is shown, and the list is still to
    // be redrawn since every earlier name was cleared.
    QFile::remove(tree.at("f000.txt"));
    s.setInteger("selectedTab", 4);
    s.setInteger("dateTimeDateOptionIndex", 1);
    state.list.files[0].newFilename = QStringLiteral("earlier.txt");
    EXPECT_TRUE(LivePreview::timerFired(state, options, &error));
    EXPECT_TRUE(error.contains("f000.txt")) << error.toStdString();
    EXPECT_EQ(state.list.files[0].newFilename, "");
    QString direct;
    EXPECT_FALSE(LivePreview::quickPreview(state, options, direct));
    EXPECT_EQ(direct, error);
}

TEST(LivePreviewOptionsTest, DefaultsStoreAtLaunchAndFromTheSheet)
{
    for (const char* key : {"LIVEPREVIEW", "LIVEPREVIEWALLFILES", "LIVEPREVIEWFILESLIMIT"})
        DefaultsStore().remove(QString::fromLatin1(key));

    // First launch: the defaults are kept and written to the store.
    {
        DefaultsStore store;
        LivePreviewOptions options;
        options.load(store);
        EXPECT_FALSE(options.isLivePreviewEnabled);
        EXPECT_FALSE(options.isLivePreviewAllFiles);
        EXPECT_EQ(options.livePreviewFilesLimit, "200");
        ASSERT_TRUE(store.synchronize());
    }
    {
        DefaultsStore store;
        EXPECT_EQ(store.value("LIVEPREVIEW").toBool(), false);
        EXPECT_TRUE(store.contains("LIVEPREVIEWALLFILES"));
        EXPECT_EQ(store.value("LIVEPREVIEWALLFILES").toBool(), false);
        EXPECT_EQ(store.value("LIVEPREVIEWFILESLIMIT").toString(), "200");
    }

    // The sheet's confirm stores all three; a later launch reads them.
    {
        DefaultsStore store;
        LivePreviewOptions options;
        options.isLivePreviewEnabled = true;
        options.isLivePreviewAllFiles = true;
        options.livePreviewFilesLimit = QStringLiteral("50");
        EXPECT_TRUE(options.store(store));
    }
    {
        DefaultsStore store;
        LivePreviewOptions options;
        options.load(store);
        EXPECT_TRUE(options.isLivePreviewEnabled);
        EXPECT_TRUE(options.isLivePreviewAllFiles);
        EXPECT_EQ(options.livePreviewFilesLimit, "50");

        // Cancelling the sheet after choosing a limit brings the stored choice back.
        options.isLivePreviewAllFiles = false;
        options.restoreAllFiles(store);
        EXPECT_TRUE(options.isLivePreviewAllFiles);

        // Switching off from the toolbar stores only the on/off value.
        options.isLivePreviewEnabled = false;
        options.livePreviewFilesLimit = QStringLiteral("10");
        EXPECT_TRUE(options.storeEnabled(store));
        EXPECT_FALSE(store.value("LIVEPREVIEW").toBool());
        EXPECT_EQ(store.value("LIVEPREVIEWFILESLIMIT").toString(), "50");
    }

    // With one key missing nothing is read: the current values are written instead.
    {
        DefaultsStore store;
        store.remove("LIVEPREVIEWALLFILES");
        LivePreviewOptions options;
        options.load(store);
        EXPECT_FALSE(options.isLivePreviewEnabled);
        EXPECT_EQ(options.livePreviewFilesLimit, "200");
        EXPECT_EQ(store.value("LIVEPREVIEWFILESLIMIT").toString(), "200");
        EXPECT_TRUE(store.contains("LIVEPREVIEWALLFILES"));
    }
}

TEST_F(LivePreviewTest, AnInvalidRegularExpressionIsLeftAsTyped)
{
    addFiles(2);
    replaceFWithG();
    Settings& s = state.settings;
    s.setFlag("isReplaceRemoveRegularExpression", true);
    s.setText("replaceRemoveThis", "f(0");
    for (FileSystemItem& item : state.list.files)
        item.newFilename = QStringLiteral("earlier.txt");

    EXPECT_TRUE(quickPreview());
    EXPECT_EQ(s.text("replaceRemoveThis"), "f(0"); // other failed checks empty their text
    EXPECT_EQ(proposed(), (QStringList{"", ""}));

    s.setText("replaceRemoveThis", "f(0+)");
    s.setText("replaceRemoveWith", "g$1-");
    EXPECT_TRUE(quickPreview());
    EXPECT_EQ(proposed(), (QStringList{"g000-.txt", "g00-1.txt"}));
}
