// Quorvel and the earlier edition, Quorvel 2, started side by side: each difference of
// the earlier edition seen through the running controller, with the current edition as
// the control that shows the check can tell them apart.
#include "edition_testsupport.h"

#include "app/dialogs/extensionsdialog.h"
#include "app/dialogs/rulessheet.h"
#include "app/livepreviewdialog.h"
#include "app/pasteboarditemsdialog.h"
#include "app/settingsbinder.h"
#include "app/singleinstance.h"
#include "engine/filesystemitem.h"
#include "engine/settings.h"
#include "engine/stringutilities.h"
#include "intake/openeddocuments.h"
#include "platform/apppaths.h"
#include "platform/defaultsstore.h"
#include "profiles/profilecommands.h"
#include "profiles/rulefile.h"
#include "profiles/rulesteps.h"

#include <QButtonGroup>
#include "support/temptree.h"

#include <QClipboard>
#include <QDockWidget>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

namespace {

class Editions : public EditionTest {
protected:
    void typeInto(EditionWindow& w, const char* key, const QString& text)
    {
        auto* edit = qobject_cast<QLineEdit*>(w.window().binder().controlFor(QString::fromLatin1(key)));
        ASSERT_NE(edit, nullptr) << key;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // The replace tab set to replace find with with, as the user types it.
    void replaceTab(EditionWindow& w, const QString& find, const QString& with)
    {
        w.window().methodTabs()->setCurrentIndex(2);
        typeInto(w, "replaceRemoveThis", find);
        typeInto(w, "replaceRemoveWith", with);
    }
    void add(EditionWindow& w, const QStringList& paths)
    {
        w.controller.tableViewAcceptDrop(paths);
        waitIdle(w.controller);
    }
    void preview(EditionWindow& w)
    {
        w.window().actions().preview->trigger();
        waitIdle(w.controller);
    }
    QString own() const { return isEarlier() ? "Tamsel/Quorvel 2" : "Tamsel/Quorvel3"; }
    QString other() const { return isEarlier() ? "Tamsel/Quorvel3" : "Tamsel/Quorvel 2"; }
};

// The user's language set to French for the scope, as LANGUAGE, LC_ALL and LANG give it.
class FrenchUser {
public:
    FrenchUser() { set({"fr", "fr_FR.UTF-8", "fr_FR.UTF-8"}); }
    ~FrenchUser()
    {
        for (int i = 0; i < 3; ++i)
            qputenv(kNames[i], saved_[i]);
        refreshSystemLocale();
    }

private:
    void set(const QList<QByteArray>& values)
    {
        for (int i = 0; i < 3; ++i) {
            saved_[i] = qgetenv(kNames[i]);
            qputenv(kNames[i], values[i]);
        }
        refreshSystemLocale();
    }
    // Qt reads the locale variables once; a locale change event makes it read them again.
    static void refreshSystemLocale()
    {
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
    static constexpr const char* kNames[3] = {"LANGUAGE", "LC_ALL", "LANG"};
    QByteArray saved_[3];
};

} // namespace

TEST_P(Editions, NameVersionDataFolderAndDefaultsStoreAreTheEditionsOwn)
{
    EditionWindow& w = start();
    const QString major = isEarlier() ? "2" : "3";
    EXPECT_EQ(StringUtilities::appVersion().section('.', 0, 0), major);
    EXPECT_EQ(w.controller.state().settings.getCurrentSettings().value("appVersion").toString(),
              StringUtilities::appVersion());
    const QString name = isEarlier() ? "Quorvel 2" : "Quorvel";
    EXPECT_EQ(w.controller.window()->windowTitle(), msg("DEFAULT") + QStringLiteral(" \u2014 ") + name);

    // Start-up made the edition's data folder with its three folders, and nothing of the other's.
    EXPECT_EQ(AppPaths::getAppPath(), home.dataHome() + "/" + own());
    for (const char* folder : {"Logs", "Profiles", "Rules"})
        EXPECT_TRUE(QFileInfo(home.dataHome() + "/" + own() + "/" + folder).isDir()) << folder;
    EXPECT_FALSE(QFileInfo::exists(home.dataHome() + "/" + other()));
    EXPECT_EQ(w.controller.state().preferences.defaultLogFolderPath, home.dataHome() + "/" + own() + "/Logs");

    DefaultsStore store;
    store.setValue("probe", 1);
    ASSERT_TRUE(store.synchronize());
    const QString ownStore = isEarlier() ? "Quorvel 2.ini" : "Quorvel.ini";
    const QString otherStore = isEarlier() ? "Quorvel.ini" : "Quorvel 2.ini";
    EXPECT_TRUE(QFileInfo::exists(home.configHome() + "/Tamsel/" + ownStore));
    EXPECT_FALSE(QFileInfo::exists(home.configHome() + "/Tamsel/" + otherStore));
}

TEST_P(Editions, OnlyTheCurrentEditionKeepsSettingsProfileAndRulesBetweenLaunches)
{
    TempTree tree;
    const QString profile = tree.at("kept.qvprofile");
    {
        EditionWindow& w = start();
        replaceTab(w, "a", "b");
        QString error;
        ASSERT_TRUE(RuleSteps::addRule(w.controller.state(), w.controller.ui(), error)) << error.toStdString();
        ASSERT_EQ(w.controller.state().rules.size(), 1);
        ASSERT_TRUE(w.controller.profileCommands().saveNewProfile(profile));
        ASSERT_EQ(w.controller.settingsLoader().setCurrentSettings(profile), ProfileLoadResult::Loaded);
        EXPECT_EQ(w.controller.window()->windowTitle().section(QStringLiteral(" \u2014 "), 0, 0), "kept");
        quitLast();
    }
    EditionWindow& again = start();
    const ControllerState& state = again.controller.state();
    if (isEarlier()) {
        EXPECT_EQ(state.currProfileFile, "");
        EXPECT_EQ(state.settings.text("replaceRemoveThis"), "");
        EXPECT_EQ(state.settings.integer("selectedTab"), 0);
        EXPECT_TRUE(state.rules.isEmpty());
        EXPECT_EQ(again.controller.window()->windowTitle(), msg("DEFAULT") + QStringLiteral(" \u2014 Quorvel 2"));
    } else {
        EXPECT_EQ(state.currProfileFile, profile);
        EXPECT_EQ(state.settings.text("replaceRemoveThis"), "a");
        EXPECT_EQ(state.settings.integer("selectedTab"), 2);
        EXPECT_EQ(state.rules.size(), 1);
        EXPECT_EQ(again.controller.window()->windowTitle(), QStringLiteral("kept \u2014 Quorvel"));
    }
    // The command that brings the last settings back is offered where they are kept.
    EXPECT_EQ(again.window().actions().lastSettings->isVisible(), !isEarlier());
}

TEST_P(Editions, OnlyTheCurrentEditionHasLivePreview)
{
    // A store that says live preview is on, as an earlier session of the program leaves it.
    {
        Edition::select(GetParam());
        DefaultsStore store;
        store.setValue("LIVEPREVIEW", true);
        store.setValue("LIVEPREVIEWALLFILES", true);
        store.setValue("LIVEPREVIEWFILESLIMIT", "200");
        ASSERT_TRUE(store.synchronize());
    }
    EditionWindow& w = start();
    TempTree tree;
    EXPECT_EQ(w.window().actions().livePreview->isVisible(), !isEarlier());
    EXPECT_EQ(w.window().actions().livePreviewOptions->isVisible(), !isEarlier());
    EXPECT_EQ(w.controller.livePreviewOptions().isLivePreviewEnabled, !isEarlier());

    add(w, {tree.file("item1.txt"), tree.file("item2.txt")});
    replaceTab(w, "item", "part");
    if (isEarlier()) {
        // Typing schedules nothing; the names come only from Preview.
        EXPECT_FALSE(w.controller.quickPreviewTimer().isActive());
        EXPECT_EQ(w.shown(0, "newFilename"), "");
        w.controller.showLivePreviewOptions();
        QApplication::processEvents();
        EXPECT_EQ(w.window().findChild<LivePreviewDialog*>(), nullptr);
    } else {
        EXPECT_TRUE(w.controller.quickPreviewTimer().isActive());
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.shown(1, "newFilename") == "part2.txt"; }));
        w.controller.showLivePreviewOptions();
        auto* dialog = w.window().findChild<LivePreviewDialog*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    }
    preview(w);
    EXPECT_EQ(w.shown(0, "newFilename"), "part1.txt");
}

TEST_P(Editions, OnlyTheCurrentEditionEditsExtensionListsTheEarlierTakesTheFactoryLists)
{
    EditionWindow& w = start();
    TempTree tree;
    for (const char* button : {"photoExtensionEditorButton", "id3ExtensionEditorButton"})
        EXPECT_EQ(w.window().findChild<QWidget*>(button) != nullptr, !isEarlier()) << button;
    w.controller.photoExtensionEditor();
    QApplication::processEvents();
    auto* editor = w.window().findChild<ExtensionsDialog*>();
    EXPECT_EQ(editor != nullptr, !isEarlier());
    if (editor)
        editor->reject();

    // A photo list that a profile brought: text files only.
    Settings& s = w.controller.state().settings;
    s.setList("photoExtensions", {".TXT"});
    s.setText("photoRenamingMask", "<FILEINFO_Filename>-x");
    add(w, {tree.file("note.txt"), tree.file("shot.jpg", "not really a picture")});
    w.window().methodTabs()->setCurrentIndex(7);
    preview(w);
    if (isEarlier()) {
        // The factory list: the picture is renamed, the text file is not.
        EXPECT_EQ(w.shown(0, "newFilename"), Status::NoChanges);
        EXPECT_EQ(w.shown(1, "newFilename"), "shot-x.jpg");
    } else {
        EXPECT_EQ(w.shown(0, "newFilename"), "note-x.txt");
        EXPECT_EQ(w.shown(1, "newFilename"), Status::NoChanges);
    }
}

TEST_P(Editions, TheEarlierEditionManagesRulesInTheRulesSheetOnly)
{
    EditionWindow& w = start();
    TempTree tree;
    EXPECT_EQ(w.controller.rulesDrawer.isNull(), isEarlier());
    EXPECT_EQ(w.window().findChildren<QDockWidget*>().isEmpty(), isEarlier());
    EXPECT_EQ(w.window().findChild<QAction*>("toggleRulesDrawer") == nullptr, isEarlier());

    // Add Step to Rule and the sheet serve both editions.
    add(w, {tree.file("abc.txt")});
    replaceTab(w, "a", "x");
    QAction* addStep = w.window().findChild<QAction*>("addToRule");
    ASSERT_NE(addStep, nullptr);
    addStep->trigger();
    ASSERT_EQ(w.controller.state().rules.size(), 1);
    QAction* sheetCommand = w.window().findChild<QAction*>("actionRules");
    ASSERT_NE(sheetCommand, nullptr);
    sheetCommand->trigger();
    QApplication::processEvents();
    auto* sheet = w.window().findChild<RulesSheet*>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    sheet->reject();
    QApplication::processEvents();

    // A rule file opened from the file manager: its steps arrive in both; only the
    // current edition shows them in the drawer.
    const QString file = tree.at("chain.qvrule");
    ASSERT_TRUE(RuleFile::write(file, w.controller.state().rules));
    w.controller.state().rules.clear();
    EXPECT_EQ(w.controller.openedDocuments().applicationOpenFiles({file}), OpenedDocuments::Reply::Success);
    EXPECT_EQ(w.controller.state().rules.size(), 1);
    if (!isEarlier()) {
        EXPECT_TRUE(w.controller.rulesDrawer->isVisible());
    }

    // Preview runs the selected tab in the earlier edition, also with steps present; in the
    // current one, with the drawer open, it runs the steps a moment later.
    typeInto(w, "replaceRemoveWith", "y");
    preview(w);
    if (isEarlier()) {
        EXPECT_EQ(w.shown(0, "newFilename"), "ybc.txt");
    } else {
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.shown(0, "newFilename") == "xbc.txt"; }));
    }
}

TEST_P(Editions, AFolderFromOutsideAsksFilesOrFoldersOnlyInTheCurrentEdition)
{
    EditionWindow& w = start();
    TempTree tree;
    tree.file("top/a.txt");
    tree.file("top/inner/b.txt");
    w.controller.loadFiles({tree.at("top")});
    auto* dialog = w.window().findChild<PasteboardItemsDialog*>();
    if (isEarlier()) {
        // No question: the folder is taken in the list's scope (files, with subfolders).
        EXPECT_EQ(dialog, nullptr);
        waitIdle(w.controller);
        ASSERT_EQ(w.model().rowCount(), 2);
        QStringList names{w.shown(0, "filenameWithExtension"), w.shown(1, "filenameWithExtension")};
        names.sort();
        EXPECT_EQ(names, QStringList({"a.txt", "b.txt"}));
    } else {
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(w.model().rowCount(), 0);
        dialog->reject();
    }
}

TEST_P(Editions, FileManagerSelectionAndServicesEntryOnlyInTheCurrentEdition)
{
    EditionWindow& w = start();
    TempTree tree;
    const QString copied = tree.file("copied.txt");
    const QString handed = tree.file("handed.txt");

    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(copied)});
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_EQ(w.window().actions().addFromFileManager->isVisible(), !isEarlier());
    w.controller.addFilesFoldersFromFinder();
    waitIdle(w.controller);
    EXPECT_EQ(w.model().rowCount(), isEarlier() ? 0 : 1);
    w.controller.clearFilesFolders();

    // "--add" is the services entry; plain paths (opened documents) serve both editions.
    const std::optional<SingleInstance::Request> service =
        SingleInstance::requestFromArguments({"--add", "handed.txt"}, tree.path());
    EXPECT_EQ(service.has_value(), !isEarlier());
    const std::optional<SingleInstance::Request> open = SingleInstance::requestFromArguments({"handed.txt"}, tree.path());
    ASSERT_TRUE(open.has_value());
    EXPECT_EQ(open->paths, QStringList{handed});
    EXPECT_EQ(w.controller.openedDocuments().loadItems({handed}), !isEarlier());
    waitIdle(w.controller);
    EXPECT_EQ(w.model().rowCount(), isEarlier() ? 0 : 1);
}

TEST_P(Editions, OnlyTheCurrentEditionSpeaksTheUsersLanguage)
{
    FrenchUser french;
    ASSERT_EQ(Messages::preferredLanguage(), "fr");
    EditionWindow& w = start();
    const QString preview = isEarlier() ? "Preview" : "Aperçu";
    EXPECT_EQ(msg("ACTIONPREVIEW"), preview);
    EXPECT_EQ(w.window().actions().preview->text(), preview);
    EXPECT_EQ(w.controller.window()->windowTitle(),
              isEarlier() ? QStringLiteral("Default \u2014 Quorvel 2") : QStringLiteral("Par défaut \u2014 Quorvel"));
}

TEST_P(Editions, AMethodThatCannotComputeANameSaysSoInTheEditionsWording)
{
    EditionWindow& w = start();
    TempTree tree;
    ModalAnswerer answers;
    add(w, {tree.file("abc.txt")});
    w.window().methodTabs()->setCurrentIndex(5);
    // Swap at a position before the name's start: the toolkit refuses the position.
    Settings& s = w.controller.state().settings;
    s.setInteger("generalOptionIndex", 7);
    ASSERT_TRUE(s.runModeSelectorFor("generalOptionIndex"));
    s.setText("generalSwapPosition", "-2");
    preview(w);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answers.seen.isEmpty(); }));
    const QString reason = "swapStringByPosition: position -2 is out of range for a text of length 3";
    const QString expected = isEarlier() ? "Unable to generate new filename. Error: " + reason
                                         : msg("UNABLETOGENERATENEWFILENAMEERROR").arg(reason);
    EXPECT_EQ(answers.seen.first().message, expected);
    EXPECT_NE(msg("UNABLETOGENERATENEWFILENAMEERROR").arg(reason), "Unable to generate new filename. Error: " + reason);
    EXPECT_EQ(tree.names(), QStringList{"abc.txt"});
}

TEST_P(Editions, OnlyTheCurrentEditionOffersRegularExpressionsAndTransliteration)
{
    EditionWindow& w = start();
    EXPECT_EQ(w.window().binder().controlFor("isReplaceRemoveRegularExpression") != nullptr, !isEarlier());
    auto* general = qobject_cast<QButtonGroup*>(w.window().binder().controlFor("generalOptionIndex"));
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(general->buttons().size(), isEarlier() ? 12 : 14);
    EXPECT_EQ(general->button(12) != nullptr, !isEarlier());
    EXPECT_EQ(w.window().binder().controlFor("generalRepairEncodingFrom") != nullptr, !isEarlier());
}

INSTANTIATE_FOR_BOTH_EDITIONS(Editions);
