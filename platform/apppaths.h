#pragma once

#include <QString>

// The application data folder: the XDG data home (QStandardPaths::GenericDataLocation)
// joined with the edition's data folder ("Tamsel/Quorvel3"). Holds "Logs", "Profiles",
// "Rules" and "preferences.plist".
namespace AppPaths {

QString getAppPath();

// The data folder joined with name (empty name: the data folder itself); true when a
// folder is already there, otherwise creates it with its parents. error gets the reason.
bool createApplicationUsersFolder(const QString& name, QString& error);

} // namespace AppPaths
