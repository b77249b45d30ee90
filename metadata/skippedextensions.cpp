#include "metadata/skippedextensions.h"

#include "platform/messages.h"

QString SkippedExtensions::note() const
{
    const char* key = extensions.size() == 1 ? "PHOTOEXTENSIONSKIPPED" : "PHOTOEXTENSIONSSKIPPED";
    return msgN(key, items).arg(extensions.join(QStringLiteral(", ")));
}
