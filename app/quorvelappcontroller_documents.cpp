// Documents opened with the program and the requests of later launches: this process
// serves one socket per user and edition, and every request (its own command line's too)
// goes to OpenedDocuments (open) or the services entry (add).
#include "app/quorvelappcontroller.h"

#include "app/qtuserinterface.h"
#include "app/singleinstance.h"
#include "intake/openeddocuments.h"
#include "profiles/profilecommands.h"
#include "profiles/settingsloader.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QMainWindow>

OpenedDocuments& QuorvelAppController::openedDocuments()
{
    if (!documents_) {
        documents_ = std::make_unique<OpenedDocuments>(state_, *ui_);
        documents_->bringToFront = [this] { bringToFront(); };
        documents_->openRulesDrawer = [this] {
            if (rulesDrawer && !rulesDrawer->isVisible())
                rulesDrawer->show();
        };
        documents_->loadFiles = [this](const QStringList& paths) { loadFiles(paths); };
        documents_->loadProfile = [this](const QString& path) {
            return loader_->setCurrentSettings(path) == ProfileLoadResult::Loaded;
        };
        documents_->saveCurrentProfile = [this] { return profiles_->saveProfile(); };
    }
    return *documents_;
}

void QuorvelAppController::bringToFront()
{
    QMainWindow* main = window();
    if (main->isMinimized())
        main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
    main->show();
    main->raise();
    main->activateWindow();
}

void QuorvelAppController::startSingleInstance(const QStringList& arguments)
{
    auto dispatch = [this](const SingleInstance::Request& request) {
        bringToFront();
        if (request.paths.isEmpty())
            return;
        if (request.mode == SingleInstance::Mode::Add)
            openedDocuments().loadItems(request.paths);
        else
            openedDocuments().applicationOpenFiles(request.paths);
    };
    instance_ = new SingleInstance(this);
    instance_->onArrival = [this] {
        bringToFront();
        holdRequestsWhileModal();
    };
    instance_->listen(dispatch);
    if (const std::optional<SingleInstance::Request> own =
            SingleInstance::requestFromArguments(arguments.mid(1), QDir::currentPath()))
        dispatch(*own);
}

// While a sheet, an alert or a panel is open, requests wait; they are replayed once the
// last of them has closed (after its result has been taken).
void QuorvelAppController::holdRequestsWhileModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    instance_->holdRequests(modal != nullptr);
    if (!modal)
        return;
    auto recheck = [this] { holdRequestsWhileModal(); };
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        connect(dialog, &QDialog::finished, instance_, recheck, Qt::QueuedConnection);
    connect(modal, &QObject::destroyed, instance_, recheck, Qt::QueuedConnection);
}
