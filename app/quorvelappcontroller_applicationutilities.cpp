// Start-up, termination, the window title with the language flag, and help.
#include "app/quorvelappcontroller.h"

#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/windowlayout.h"
#include "app/unixsignals.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewdriver.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/launchstate.h"
#include "profiles/preferences.h"
#include "profiles/profilecommands.h"
#include "profiles/settingsloader.h"

#include <QApplication>
#include <QSessionManager>
#include <QDialog>
#include <QTimer>
#include <QDebug>

#include <csignal>

namespace {
constexpr int kQuitRetryMs = 20;
} // namespace

bool QuorvelAppController::startUp()
{
    // The data folder and its "Logs", "Profiles" and "Rules": without them nothing can be
    // kept, so a failure ends the program.
    QString error;
    if (!createApplicationFolders(error)) {
        ui_->alert(AlertStyle::Critical, msg("APPLICATIONINITTITLE"),
                   msg("APPLICATIONCREATEFOLDERFAILED") + error);
        return false;
    }
    // The catalogue was built with the controller. Folders, defaults, preferences.
    state_.preferences = PreferencesFile::defaultPreferences();
    state_.settings.resetToDefaults();
    state_.settings.rebuildPhotoMask();
    state_.settings.resetID3Mask();
    loadPreferences(state_.preferences);
    WindowLayout::restore(*window_);
    window_->showSettings();

    // The last profile, or else the settings at the last quit, and the rule chain.
    LaunchState::restoreAtLaunch(state_, *loader_);
    emit rulesReloaded(true);
    restoreLivePreviewOptions();
    updateWindowTitle();
    window_->showSettings();
    reloadTable();
    return true;
}

void QuorvelAppController::applicationShouldTerminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    ui_->endEditing();
    WindowLayout::store(*window_);
    if (!state_.currProfileFile.isEmpty() && state_.preferences.automaticSaveCurrProfile)
        profiles_->saveProfile();
    if (!LaunchState::storeAtTermination(state_))
        qWarning().noquote() << QStringLiteral("Error in applicationShouldTerminate : %1")
                                    .arg(QStringLiteral("the defaults store could not be written"));
}

void QuorvelAppController::quit(bool askToSave)
{
    if (quitting_)
        return;
    // An alert, panel or sheet runs its own event loop below this call. It is closed
    // (declined) first and the quit resumes a moment later, once that loop has
    // returned: a pass that waits for the alert's answer would otherwise wait forever
    // on the loop below.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QTimer::singleShot(kQuitRetryMs, this, [this, askToSave] { quit(askToSave); });
        return;
    }
    // During a pass nothing is asked: the quit stops the pass and keeps what it did, and
    // the settings are stored as at every quit.
    if (askToSave && !state_.isExecuting.load() && !offerToSaveChangedProfile())
        return;
    quitting_ = true;
    quickPreviewTimer_.stop();
    if (state_.isExecuting.load()) {
        // The pass stops at its next item and finishes (an apply saves its log) before
        // anything is stored.
        PreviewDriver::cancelProcess(state_);
        PassRunner::waitUntilIdle(state_);
    }
    applicationShouldTerminate();
    window_->hide();
    QCoreApplication::quit();
}

void QuorvelAppController::quitOnTerminationSignals()
{
    if (signals_)
        return;
    signals_ = std::make_unique<UnixSignals>(std::initializer_list<int>{SIGTERM, SIGINT});
    connect(signals_.get(), &UnixSignals::received, this, [this](int) { quit(false); });
    // The end of the desktop session asks nothing either: the settings are stored and the
    // program ends.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { quit(false); });
}

void QuorvelAppController::updateWindowTitle()
{
    loader_->updateWindowTitle();
}

QString QuorvelAppController::flagImageName(const QString& language)
{
    if (language == QLatin1String("fr"))
        return QStringLiteral("French_Flag");
    if (language == QLatin1String("de"))
        return QStringLiteral("German_Flag");
    if (language == QLatin1String("es"))
        return QStringLiteral("Spanish_Flag");
    return QStringLiteral("English_Flag");
}

QString QuorvelAppController::helpPage(int tab)
{
    static const char* const kPages[10] = {"Alphabetic-numerical-sequence-renaming.html",
                                           "Insert-Delete.html",
                                           "Replace-Remove.html",
                                           "Prefix-Suffix.html",
                                           "Date-time.html",
                                           "General_Tab.html",
                                           "Mp3-renaming.html",
                                           "Photo-renaming.html",
                                           "Path-component-renaming.html",
                                           "Rename-from-list.html"};
    return tab >= 0 && tab < 10 ? QString::fromLatin1(kPages[tab]) : QString();
}

void QuorvelAppController::showTabHelp()
{
    const QString page = helpPage(state_.selectedTab());
    if (!page.isEmpty())
        ui_->openDocument(page);
}

void QuorvelAppController::showHelpPage(const QString& page)
{
    if (helpViewer) {
        helpViewer(page);
        return;
    }
    qWarning().noquote() << QStringLiteral("Error in showHelpPage : no help viewer for %1").arg(page);
}
