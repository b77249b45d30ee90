#pragma once

#include <QString>
#include <QVariantMap>

struct ControllerState;

// Whether the settings still are those of the current profile as it was loaded or last
// saved. The settings are compared as a profile would hold them, so a key the profile
// lacks counts as its default (it was applied as one).
class ProfileChanges {
public:
    // The profile's settings are those of the record now (after a load, a save, a reset).
    void remember(const ControllerState& state);
    // A profile is current and a setting differs from it.
    bool isChanged(const ControllerState& state) const;

    // The name a person reads: the file's name without ".qvprofile" ("Portraits").
    static QString profileName(const QString& path);
    // "Portraits — Quorvel", "Portraits (changed) — Quorvel", or "Default — Quorvel" when
    // no profile is current.
    static QString windowTitle(const ControllerState& state, bool changed);

private:
    QString path_;
    QVariantMap settings_;
};
