#include "app/profilechanges.h"

#include "engine/filename.h"
#include "pipeline/controllerstate.h"
#include "platform/edition.h"
#include "platform/messages.h"

namespace {
const QString kExtension = QStringLiteral(".qvprofile");
} // namespace

void ProfileChanges::remember(const ControllerState& state)
{
    path_ = state.currProfileFile;
    settings_ = path_.isEmpty() ? QVariantMap() : state.settings.getCurrentSettings();
}

bool ProfileChanges::isChanged(const ControllerState& state) const
{
    if (path_.isEmpty() || state.currProfileFile != path_)
        return false;
    return state.settings.getCurrentSettings() != settings_;
}

QString ProfileChanges::profileName(const QString& path)
{
    QString name = lastPathComponent(path);
    if (name.endsWith(kExtension, Qt::CaseInsensitive) && name.size() > kExtension.size())
        name.chop(kExtension.size());
    return name;
}

QString ProfileChanges::windowTitle(const ControllerState& state, bool changed)
{
    QString name = state.currProfileFile.isEmpty() ? msg("DEFAULT") : profileName(state.currProfileFile);
    if (changed)
        name = msg("PROFILECHANGEDTITLE").arg(name);
    // The document first and the program last, the desktop's convention.
    return QStringLiteral("%1 \u2014 %2").arg(name, Edition::current().displayName);
}
