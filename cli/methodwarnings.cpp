#include "cli/methodwarnings.h"

#include "cli/clioptions.h"
#include "engine/settings.h"
#include "engine/settingsdescriptors.h"

#include <QSet>

#include <cstdio>

void warnAboutKeysOfOtherMethods(const CliOptions& options, const Settings& settings)
{
    // Only the commands that run the selected method; settings and save-profile keep every key.
    static const QSet<QString> runningTheMethod = {QStringLiteral("preview"), QStringLiteral("apply"),
                                                   QStringLiteral("export")};
    if (!options.rule.isEmpty() || !runningTheMethod.contains(options.command))
        return;
    const int selected = settings.integer(QStringLiteral("selectedTab"));
    QSet<QString> warned;
    for (const auto& [key, value] : options.sets) {
        const SettingDescriptor* descriptor = SettingDescriptors::find(key);
        if (!descriptor || descriptor->tab < 0 || descriptor->tab == selected || warned.contains(key))
            continue;
        warned.insert(key);
        const QString text = QStringLiteral("quorvel-cli: warning: %1 belongs to the %2 method (selectedTab=%3) "
                                            "but selectedTab is %4%5; it has no effect on this run\n")
                                 .arg(key, SettingDescriptors::methodName(descriptor->tab))
                                 .arg(descriptor->tab)
                                 .arg(selected)
                                 .arg(SettingDescriptors::methodName(selected).isEmpty()
                                          ? QString()
                                          : QStringLiteral(" (%1)").arg(SettingDescriptors::methodName(selected)));
        std::fputs(text.toLocal8Bit().constData(), stderr);
    }
}
