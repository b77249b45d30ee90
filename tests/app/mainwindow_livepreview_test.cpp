// Live preview: the options dialog, the settling timer and the item limit.
#include "gui_testsupport.h"

#include "app/livepreviewdialog.h"
#include "app/settingsbinder.h"
#include "engine/settings.h"
#include "platform/defaultsstore.h"
#include "support/temptree.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>

namespace {

class Live : public ::testing::Test {
protected:
    StartedWindow w;
    TempTree tree;

    void addItems(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << tree.file(QStringLiteral("item%1.txt").arg(i, 3, 10, QLatin1Char('0')));
        w.controller.tableViewAcceptDrop(paths);
        waitIdle(w.controller);
    }
    LivePreviewDialog* openOptions()
    {
        w.controller.showLivePreview();
        return w.window().findChild<LivePreviewDialog*>();
    }
    int filledNames()
    {
        int filled = 0;
        for (int row = 0; row < w.model().rowCount(); ++row)
            filled += !w.shown(row, "newFilename").isEmpty();
        return filled;
    }
    QLineEdit* field(const char* key)
    {
        return qobject_cast<QLineEdit*>(w.window().binder().controlFor(QString::fromLatin1(key)));
    }
};

} // namespace

TEST_F(Live, FirstLaunchStoresLivePreviewOff)
{
    DefaultsStore store;
    EXPECT_FALSE(store.value("LIVEPREVIEW").toBool());
    EXPECT_FALSE(store.value("LIVEPREVIEWALLFILES").toBool());
    EXPECT_EQ(store.value("LIVEPREVIEWFILESLIMIT").toString(), "200");
    EXPECT_EQ(w.window().actions().livePreview->property("image").toString(), "preview48_disabled.png");
}

TEST_F(Live, ABurstOfTypingFillsExactlyTheFirstItemsOnce)
{
    addItems(500);
    w.window().methodTabs()->setCurrentIndex(2);
    LivePreviewDialog* dialog = openOptions();
    ASSERT_NE(dialog, nullptr);
    dialog->limitButton()->click();
    dialog->limitField()->setText("200");
    QSignalSpy reloads(&w.controller, &QuorvelAppController::listReloaded);
    dialog->findChild<QPushButton*>("applyLivePreview")->click();
    EXPECT_TRUE(w.controller.livePreviewOptions().isLivePreviewEnabled);
    EXPECT_EQ(w.window().actions().livePreview->property("image").toString(), "preview48.png");
    // Switching it on recomputes once, a moment later; the find text is empty so every
    // proposed name is cleared and nothing is alerted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));
    EXPECT_EQ(reloads.size(), 1);
    EXPECT_EQ(filledNames(), 0);

    reloads.clear();
    QLineEdit* find = field("replaceRemoveThis");
    QTest::keyClicks(find, "ite");
    EXPECT_TRUE(w.controller.quickPreviewTimer().isActive());
    EXPECT_EQ(reloads.size(), 0); // nothing before the settling delay
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));
    EXPECT_EQ(reloads.size(), 1);
    EXPECT_EQ(filledNames(), 200);
    EXPECT_EQ(w.shown(0, "newFilename"), "m000.txt");
    EXPECT_EQ(w.shown(199, "newFilename"), "m199.txt");
    EXPECT_EQ(w.shown(200, "newFilename"), "");
    EXPECT_FALSE(w.controller.state().isHasFilesForRenaming.load());
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    DefaultsStore store;
    EXPECT_TRUE(store.value("LIVEPREVIEW").toBool());
    EXPECT_EQ(store.value("LIVEPREVIEWFILESLIMIT").toString(), "200");
}

TEST_F(Live, OffStopsItAndCancelKeepsTheStoredChoice)
{
    addItems(3);
    LivePreviewDialog* dialog = openOptions();
    dialog->allFilesButton()->click();
    dialog->reject();
    QApplication::processEvents();
    EXPECT_FALSE(w.controller.livePreviewOptions().isLivePreviewEnabled);
    EXPECT_FALSE(w.controller.livePreviewOptions().isLivePreviewAllFiles);

    dialog = openOptions();
    dialog->allFilesButton()->click();
    dialog->findChild<QPushButton*>("applyLivePreview")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));
    EXPECT_TRUE(w.controller.livePreviewOptions().isLivePreviewAllFiles);

    // The toolbar command switches it off at once and stores that.
    w.window().actions().livePreview->trigger();
    EXPECT_FALSE(w.controller.livePreviewOptions().isLivePreviewEnabled);
    EXPECT_EQ(w.window().actions().livePreview->property("image").toString(), "preview48_disabled.png");
    DefaultsStore store;
    EXPECT_FALSE(store.value("LIVEPREVIEW").toBool());
    QTest::keyClicks(field("prefixSuffixPrefix"), "x");
    w.controller.state().settings.setText("replaceRemoveThis", "item");
    EXPECT_FALSE(w.controller.quickPreviewTimer().isActive());
}

TEST_F(Live, AProfileLoadRecomputesOnceOnItsTabAndAPassSupersedesIt)
{
    addItems(3);
    LivePreviewDialog* dialog = openOptions();
    dialog->findChild<QPushButton*>("applyLivePreview")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));
    const QString sequenceName = w.shown(0, "newFilename");

    // No recomputation per key while the settings are replaced, one after, on the tab the
    // profile selected: the names shown are never the previous tab's.
    QVariantMap loaded = w.controller.state().settings.getCurrentSettings();
    loaded.insert("selectedTab", "2");
    loaded.insert("replaceRemoveThis", "item");
    loaded.insert("replaceRemoveWith", "y");
    QSignalSpy reloads(&w.controller, &QuorvelAppController::listReloaded);
    ASSERT_TRUE(w.controller.settingsLoader().applySettings(loaded));
    EXPECT_EQ(reloads.size(), 0);
    EXPECT_TRUE(w.controller.quickPreviewTimer().isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));
    EXPECT_EQ(reloads.size(), 1);
    EXPECT_EQ(w.window().methodTabs()->currentIndex(), 2);
    EXPECT_EQ(w.shown(0, "newFilename"), "y000.txt") << sequenceName.toStdString();

    // A change just before Preview: the full preview replaces the pending recomputation,
    // which would otherwise wipe its statuses a moment after it ended.
    w.window().methodTabs()->setCurrentIndex(2);
    QTest::keyClicks(field("replaceRemoveWith"), "z");
    ASSERT_TRUE(w.controller.quickPreviewTimer().isActive());
    w.controller.actionPreview();
    EXPECT_FALSE(w.controller.quickPreviewTimer().isActive());
    waitIdle(w.controller);
    EXPECT_FALSE(w.controller.quickPreviewTimer().isActive());
    EXPECT_EQ(w.shown(0, "newFilename"), "yz000.txt");
    EXPECT_TRUE(w.controller.state().isHasFilesForRenaming.load());
    EXPECT_TRUE(w.window().actions().apply->isEnabled());
}
