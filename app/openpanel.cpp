#include "app/openpanel.h"

#include "platform/messages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QListView>

namespace {

QStringList nameFilters(const PanelOptions& options)
{
    if (options.allowedExtensions.isEmpty())
        return {};
    QStringList patterns;
    for (const QString& extension : options.allowedExtensions)
        patterns << QStringLiteral("*.") + extension;
    QStringList filters = {patterns.join(QLatin1Char(' '))};
    if (options.allowsOtherTypes)
        filters << QStringLiteral("* (*)");
    return filters;
}

// Files and folders in one selection: Open takes the selected rows as they are instead
// of entering a selected folder.
class ItemsDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    QStringList chosen;

    void accept() override
    {
        QStringList paths;
        if (auto* view = findChild<QListView*>(QStringLiteral("listView")); view && view->selectionModel()) {
            for (const QModelIndex& index : view->selectionModel()->selectedRows())
                paths << index.data(QFileSystemModel::FilePathRole).toString();
        }
        if (paths.isEmpty()) {
            // Nothing selected in the view: the names typed in the name field.
            for (const QString& typed : selectedFiles()) {
                if (QFileInfo::exists(typed))
                    paths << typed;
            }
        }
        paths.removeAll(QString());
        if (paths.isEmpty())
            return;
        chosen = paths;
        QDialog::accept();
    }
};

} // namespace

namespace OpenPanel {

QStringList open(QWidget* parent, const PanelOptions& options)
{
    // Files and folders together, or several folders: Qt's own dialog, taking the
    // selected rows as they are.
    if (options.canChooseDirectories && (options.canChooseFiles || options.allowsMultipleSelection)) {
        ItemsDialog dialog(parent, options.title, options.directory);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setOption(QFileDialog::DontResolveSymlinks, true);
        dialog.setFileMode(options.allowsMultipleSelection ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        dialog.setNameFilters(nameFilters(options));
        if (!options.canChooseFiles)
            dialog.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
        if (auto* view = dialog.findChild<QListView*>(QStringLiteral("listView")))
            view->setSelectionMode(options.allowsMultipleSelection ? QAbstractItemView::ExtendedSelection
                                                                   : QAbstractItemView::SingleSelection);
        dialog.setLabelText(QFileDialog::Accept, msg("Open"));
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.chosen;
    }

    QFileDialog dialog(parent, options.title, options.directory);
    dialog.setOption(QFileDialog::DontResolveSymlinks, true);
    if (options.canChooseDirectories) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
    } else {
        dialog.setFileMode(options.allowsMultipleSelection ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        dialog.setNameFilters(nameFilters(options));
    }
    if (!options.canCreateDirectories)
        dialog.setOption(QFileDialog::ReadOnly, true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString save(QWidget* parent, const PanelOptions& options)
{
    QFileDialog dialog(parent, options.title, options.directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(options));
    if (!options.allowedExtensions.isEmpty())
        dialog.setDefaultSuffix(options.allowedExtensions.first());
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace OpenPanel
