// Renders every dialog, filled with some content, to
// <build>/screenshots/<dialog>.png, so their layouts can be looked at.
#include "dialog_fixture.h"

#include "app/dialogs/exportdialog.h"
#include "app/dialogs/extensionsdialog.h"
#include "app/dialogs/helpwindow.h"
#include "app/dialogs/photomaskeditordialog.h"
#include "app/dialogs/preferencesdialog.h"
#include "app/dialogs/profilesdialog.h"
#include "app/dialogs/rulesdrawer.h"
#include "app/dialogs/rulessheet.h"
#include "app/dialogs/undodialog.h"
#include "engine/filesystemitem.h"
#include "metadata/metadatacatalogue.h"
#include "pipeline/renamelog.h"
#include "profiles/profilecommands.h"
#include "profiles/rulesteps.h"
#include "profiles/settingsloader.h"
#include "testpaths.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTreeView>

namespace {

class DialogScreenshots : public DialogTest {
protected:
    // Saves the widget's rendering and checks that it shows more than a blank surface.
    void render(QWidget* widget, const QString& name)
    {
        widget->show();
        QCoreApplication::processEvents();
        const QString folder = QStringLiteral(QUORVEL_BINARY_DIR "/screenshots");
        ASSERT_TRUE(QDir().mkpath(folder));
        const QImage image = widget->grab().toImage();
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4)
                colours.insert(image.pixel(x, y));
        }
        EXPECT_GT(colours.size(), 4) << name.toStdString() << " looks empty";
        EXPECT_TRUE(image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"))) << name.toStdString();
    }

    void addRule(int tab)
    {
        state.settings.setInteger(QStringLiteral("selectedTab"), tab);
        QString error;
        ASSERT_TRUE(RuleSteps::addRule(state, ui, error)) << error.toStdString();
    }
};

TEST_F(DialogScreenshots, EveryDialog)
{
    // Content for the tables.
    for (int i = 1; i <= 3; ++i) {
        const QString from = tree.file(QStringLiteral("files/photo %1.jpg").arg(i));
        RenameLogJournal journal;
        ASSERT_TRUE(journal.createLogFile(
            QDir(state.preferences.defaultLogFolderPath)
                .filePath(getNewLogFileName(QDateTime::currentDateTime().addSecs(-3600 * i))),
            QStringLiteral("FILES")));
        journal.addLogEntry(from, from + QStringLiteral(".old"));
        ASSERT_FALSE(journal.saveLog().isEmpty());
        FileSystemItem item = *FileSystemItem::initWithPath(from);
        item.newFilename = QStringLiteral("Holiday %1.jpg").arg(i);
        state.list.append(item);
    }
    SettingsLoader loader(state, ui);
    ProfileCommands commands(state, ui, loader);
    for (const char* name : {"Photos", "Music library", "Scans"})
        ASSERT_TRUE(commands.saveNewProfile(tree.at(QStringLiteral("Profiles/%1.qvprofile").arg(QLatin1String(name)))));
    state.settings.setText(QStringLiteral("replaceRemoveThis"), QStringLiteral("IMG_"));
    state.settings.setText(QStringLiteral("insertDeleteInsert"), QStringLiteral("2024 "));
    addRule(2);
    addRule(1);
    addRule(0);
    MetaDataCatalogue catalogue;
    state.settings.setPhotoMetaDataList({*catalogue.fieldForTagCode(QStringLiteral("<EXIF_Date>")),
                                         *catalogue.fieldForTagCode(QStringLiteral("<EXIF_Device_Model>"))});

    auto* undo = new UndoDialog(state, ui, &window);
    render(undo, QStringLiteral("UndoDialog"));
    render(new ProfilesDialog(state, ui, commands, loader, &window), QStringLiteral("ProfilesDialog"));
    auto* sheet = new RulesSheet(state, ui, &window);
    render(sheet, QStringLiteral("RulesSheet"));
    render(new PreferencesDialog(state, ui, &window), QStringLiteral("PreferencesDialog"));
    auto* mask = new PhotoMaskEditorDialog(state, ui, catalogue.categories(), &window);
    mask->catalogue()->expandAll();
    render(mask, QStringLiteral("PhotoMaskEditorDialog"));
    render(new ExtensionsDialog(state, ui, 0, &window), QStringLiteral("ExtensionsDialog"));
    render(new ExportDialog(state, ui, &window), QStringLiteral("ExportDialog"));

    auto* drawer = new RulesDrawer(state, ui, &window);
    window.addDockWidget(Qt::RightDockWidgetArea, drawer);
    drawer->setOpen(true);
    drawer->resetData(true);
    render(&window, QStringLiteral("RulesDrawer"));

    HelpWindow::show(QStringLiteral("Rules.html"));
    render(HelpWindow::instance(), QStringLiteral("HelpWindow"));
    HelpWindow::instance()->hide();
}

} // namespace
