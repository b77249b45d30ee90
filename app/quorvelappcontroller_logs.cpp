// The rename logs' folder.
#include "app/quorvelappcontroller.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

void QuorvelAppController::showLogsFolder()
{
    const QString folder = state_.preferences.defaultLogFolderPath;
    if (QDir(folder).exists())
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
