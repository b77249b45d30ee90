// Rename acts on the names the table shows: any change of what a preview was computed
// from withdraws Rename until the next full preview, and the live preview follows the
// tab, the list and every option.
#include "gui_testsupport.h"

#include "app/dialogs/rulesdrawer.h"
#include "app/livepreviewdialog.h"
#include "app/settingsbinder.h"
#include "engine/settings.h"
#include "engine/settingsdescriptors.h"
#include "metadata/metadatacatalogue.h"
#include "profiles/rulescontroller.h"
#include "support/mediafixtures.h"
#include "support/temptree.h"

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <QCheckBox>
#include <QFile>
#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

constexpr int kReplaceTab = 2;

class ShownNames : public ::testing::Test {
protected:
    StartedWindow w;
    TempTree tree;

    void addFiles(const QStringList& names)
    {
        QStringList paths;
        for (const QString& name : names)
            paths << tree.file(name);
        w.controller.tableViewAcceptDrop(paths);
        waitIdle(w.controller);
    }
    // A full preview replacing "item" by "done" on the replace tab: Rename is offered.
    void previewReplacing()
    {
        w.window().methodTabs()->setCurrentIndex(kReplaceTab);
        Settings& s = w.controller.state().settings;
        s.setText("replaceRemoveThis", "item");
        s.setText("replaceRemoveWith", "done");
        w.controller.actionPreview();
        waitIdle(w.controller);
        ASSERT_TRUE(w.window().actions().apply->isEnabled());
    }
    void switchLivePreviewOn()
    {
        w.controller.showLivePreview();
        auto* dialog = w.window().findChild<LivePreviewDialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->allFilesButton()->click();
        dialog->findChild<QPushButton*>("applyLivePreview")->click();
        settleLivePreview();
    }
    void settleLivePreview()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));
        QApplication::processEvents();
    }
    QStringList shownNames()
    {
        QStringList names;
        for (int row = 0; row < w.model().rowCount(); ++row)
            names << w.shown(row, "newFilename");
        return names;
    }
    QWidget* bound(const char* key) { return qobject_cast<QWidget*>(w.window().binder().controlFor(key)); }
};

// An MP3 file with an artist and a title.
QString writeSong(const QString& path, const char* artist, const char* title)
{
    if (!MediaFixtures::writeMp3(path))
        return QString();
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
    tag->setArtist(TagLib::String(artist, TagLib::String::UTF8));
    tag->setTitle(TagLib::String(title, TagLib::String::UTF8));
    return file.save() ? path : QString();
}

// Another value of the key's kind than the one it holds.
void changeKey(Settings& s, const SettingDescriptor& d)
{
    const QString key = QString::fromLatin1(d.key);
    switch (d.kind) {
    case SettingKind::Text: s.setText(key, s.text(key) + QStringLiteral("7")); break;
    case SettingKind::Flag: s.setFlag(key, !s.flag(key)); break;
    case SettingKind::Integer: s.setInteger(key, s.integer(key) + 1); break;
    case SettingKind::Date: s.setDate(key, s.date(key).addDays(1)); break;
    case SettingKind::List: s.setList(key, s.list(key) << QStringLiteral("x")); break;
    case SettingKind::MetaDataList: {
        QList<MetaDataField> fields = s.photoMetaDataList();
        fields << *MetaDataCatalogue().fieldForTagCode(QStringLiteral("<EXIF_Date>"));
        s.setPhotoMetaDataList(fields);
        break;
    }
    }
}

} // namespace

TEST_F(ShownNames, AChangeOfAnySettingsKeyWithdrawsRename)
{
    addFiles({"item1.txt", "item2.txt"});
    previewReplacing();
    QStringList stillOffered;
    for (const SettingDescriptor& d : SettingDescriptors::all()) {
        // As a full preview leaves it, without running 172 passes.
        w.controller.state().isHasFilesForRenaming = true;
        w.window().updateCommands();
        ASSERT_TRUE(w.window().actions().apply->isEnabled());
        changeKey(w.controller.state().settings, d);
        if (w.window().actions().apply->isEnabled() || w.controller.state().isHasFilesForRenaming.load())
            stillOffered << QString::fromLatin1(d.key);
    }
    EXPECT_TRUE(stillOffered.isEmpty()) << stillOffered.join(", ").toStdString();
}

TEST_F(ShownNames, TheBoundOptionsOfEveryTabWithdrawRename)
{
    addFiles({"item1.txt", "item2.txt"});
    // The audio separator and the photo separator switch were not counted as changes;
    // Rename then applied names the options no longer described.
    struct Case {
        const char* key;
        std::function<void(QWidget*)> edit;
        const char* enabledBy = nullptr; // the switch that makes the field editable
    };
    const std::vector<Case> cases = {
        {"id3RenamingSeperator", [](QWidget* c) { QTest::keyClicks(c, "_"); }, "isID3RenamingSeperator"},
        {"isPhotoRenamingSeperator", [](QWidget* c) { QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(4, c->height() / 2)); }},
        {"replaceRemoveWith", [](QWidget* c) { QTest::keyClicks(c, "x"); }},
        {"prefixSuffixPrefix", [](QWidget* c) { QTest::keyClicks(c, "p"); }},
    };
    for (const Case& c : cases) {
        previewReplacing();
        QWidget* control = bound(c.key);
        ASSERT_NE(control, nullptr) << c.key;
        // The control's own tab is shown, as the user would have it.
        for (QWidget* p = control; p; p = p->parentWidget()) {
            const int index = w.window().methodTabs()->indexOf(p);
            if (index >= 0) {
                w.window().methodTabs()->setCurrentIndex(index);
                break;
            }
        }
        if (c.enabledBy) {
            w.controller.state().settings.setFlag(c.enabledBy, true);
            w.window().showSettings();
        }
        ASSERT_TRUE(control->isEnabled()) << c.key;
        w.controller.state().isHasFilesForRenaming = true; // the tab change withdrew it
        w.window().updateCommands();
        c.edit(control);
        EXPECT_FALSE(w.window().actions().apply->isEnabled()) << c.key;
    }
}

TEST_F(ShownNames, TheTabTheListTheChainAndTheProfileWithdrawRename)
{
    addFiles({"item1.txt", "item2.txt", "item3.txt"});

    previewReplacing();
    w.window().methodTabs()->setCurrentIndex(0);
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    previewReplacing();
    w.table().selectRows({0});
    w.window().actions().moveDown->trigger();
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    previewReplacing();
    w.model().sort(1, Qt::DescendingOrder);
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    previewReplacing();
    w.table().selectRows({2});
    w.window().actions().remove->trigger();
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    previewReplacing();
    auto* drawer = qobject_cast<RulesDrawer*>(w.controller.rulesDrawer.data());
    ASSERT_NE(drawer, nullptr);
    drawer->controller().addToRule();
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    previewReplacing();
    w.controller.loadEmptyProfile();
    EXPECT_FALSE(w.window().actions().apply->isEnabled());
}

TEST_F(ShownNames, LivePreviewFollowsTabListAndEveryOption)
{
    addFiles({"item1.txt", "item2.txt"});
    Settings& s = w.controller.state().settings;
    s.setText("replaceRemoveThis", "item");
    s.setText("replaceRemoveWith", "x");
    s.setText("prefixSuffixPrefix", "P-");
    switchLivePreviewOn();

    // A change of tab recomputes the names for the tab now shown.
    w.window().methodTabs()->setCurrentIndex(kReplaceTab);
    settleLivePreview();
    EXPECT_EQ(shownNames(), (QStringList{"x1.txt", "x2.txt"}));
    w.window().methodTabs()->setCurrentIndex(3); // prefix and suffix
    settleLivePreview();
    EXPECT_EQ(shownNames(), (QStringList{"P-item1.txt", "P-item2.txt"}));

    // Items added, reordered and removed.
    addFiles({"item0.txt"});
    settleLivePreview();
    EXPECT_EQ(shownNames(), (QStringList{"P-item1.txt", "P-item2.txt", "P-item0.txt"}));
    w.table().selectRows({2});
    w.window().actions().moveUp->trigger();
    settleLivePreview();
    EXPECT_EQ(shownNames(), (QStringList{"P-item1.txt", "P-item0.txt", "P-item2.txt"}));

    // An option of the audio tab that does not raise the settings-changed signal.
    const QString song = writeSong(tree.path() + "/song.mp3", "Ann", "Blue");
    ASSERT_FALSE(song.isEmpty());
    w.controller.clearFilesFolders();
    w.controller.tableViewAcceptDrop({song});
    waitIdle(w.controller);
    w.window().methodTabs()->setCurrentIndex(6); // audio tags
    s.setList("id3RenamingTagsList", {"<Artist>", "<Title>"});
    s.setFlag("isID3RenamingSeperator", true);
    s.setText("id3RenamingSeperator", " - ");
    settleLivePreview();
    EXPECT_EQ(shownNames(), (QStringList{"Ann - Blue.mp3"}));
    QLineEdit* separator = qobject_cast<QLineEdit*>(bound("id3RenamingSeperator"));
    separator->selectAll();
    QTest::keyClicks(separator, "_");
    EXPECT_TRUE(w.controller.quickPreviewTimer().isActive());
    settleLivePreview();
    EXPECT_EQ(shownNames(), (QStringList{"Ann_Blue.mp3"}));
    EXPECT_FALSE(w.window().actions().apply->isEnabled());
}

TEST_F(ShownNames, LivePreviewRunsTheChainWhileTheDrawerShowsIt)
{
    addFiles({"item1.txt", "item2.txt"});
    Settings& s = w.controller.state().settings;
    auto* drawer = qobject_cast<RulesDrawer*>(w.controller.rulesDrawer.data());
    ASSERT_NE(drawer, nullptr);
    w.window().show(); // the drawer is shown only in a window that is
    drawer->setOpen(true);
    ASSERT_TRUE(drawer->isVisible());
    // Two steps: replace "item" by "x", then a prefix.
    w.window().methodTabs()->setCurrentIndex(kReplaceTab);
    s.setText("replaceRemoveThis", "item");
    s.setText("replaceRemoveWith", "x");
    drawer->controller().addToRule();
    w.window().methodTabs()->setCurrentIndex(3);
    s.setText("prefixSuffixPrefix", "P-");
    drawer->controller().addToRule();
    switchLivePreviewOn();
    EXPECT_EQ(shownNames(), (QStringList{"P-x1.txt", "P-x2.txt"}));
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    // Switching a step off recomputes the chain.
    drawer->controller().setObjectValue(0, "isActive", false);
    EXPECT_TRUE(w.controller.quickPreviewTimer().isActive());
    EXPECT_EQ(w.controller.state().rules.at(0).value("isActive").toString(), "0");
    settleLivePreview();
    EXPECT_EQ(shownNames(), (QStringList{"P-item1.txt", "P-item2.txt"}));
}
