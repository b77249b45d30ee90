#pragma once

#include <QString>

class Settings;

// Applies one --set KEY=VALUE to the settings record in the key's dictionary text form,
// then runs the mode selector that owns the key (if any). False with an error text that
// names the key for an unknown key or a value that does not fit its kind.
bool applySetArgument(Settings& settings, const QString& key, const QString& value, QString& error);
