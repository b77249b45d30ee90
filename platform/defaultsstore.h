#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QSettings;

// The per-user defaults store on QSettings (organization and application from the
// Edition) under the XDG config folder. Values: "LASTPROFILE", "LASTRULE", "DEFAULTS",
// "LIVEPREVIEW", "LIVEPREVIEWALLFILES", "LIVEPREVIEWFILESLIMIT", and the window's layout
// "WINDOWGEOMETRY", "WINDOWSPLITTER", "WINDOWCOLUMNS".
class DefaultsStore {
public:
    DefaultsStore();
    ~DefaultsStore();

    bool contains(const QString& key) const;
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);
    // Flushes to disk; false when the store could not be written (or its file was refused).
    bool synchronize();

private:
    std::unique_ptr<QSettings> settings_; // null when the store's file is not a usable file
    QVariantMap unsaved_;                 // the values of this run when settings_ is null

};
