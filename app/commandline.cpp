#include "app/commandline.h"

#include "platform/edition.h"

#include <cstdio>

namespace CommandLine {

Request requestOf(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return Request::Version;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return Request::Help;
    }
    return Request::Start;
}

QString versionText(const Edition& edition)
{
    return QStringLiteral("%1 %2\n").arg(edition.displayName, edition.version);
}

QString helpText(const Edition& edition, const QString& program)
{
    QString text = QStringLiteral("Usage: %1 [PATH...]\n").arg(program);
    if (edition.hasServicesEntry)
        text += QStringLiteral("       %1 --add PATH...\n").arg(program);
    text += QStringLiteral("\n%1 %2 renames files and folders in batches.\n\n").arg(edition.displayName, edition.version);
    text += QStringLiteral("  PATH...        files and folders for the list; a .qvprofile or .qvrule file is opened\n");
    if (edition.hasServicesEntry)
        text += QStringLiteral("  --add PATH...  add the paths to the list as the file manager's services entry does\n");
    text += QStringLiteral("  --version, -v  print the program's name and version\n"
                           "  --help, -h     this text\n"
                           "  --             the arguments after it are paths\n\n");
    text += QStringLiteral("A later launch hands its paths to the %1 already running.\n").arg(edition.displayName);
    return text;
}

std::optional<int> answer(int argc, char** argv, const Edition& edition, const QString& program)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString text;
    switch (requestOf(arguments)) {
    case Request::Start:
        return std::nullopt;
    case Request::Version:
        text = versionText(edition);
        break;
    case Request::Help:
        text = helpText(edition, program);
        break;
    }
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    return std::fflush(stdout) == 0 && written ? 0 : 1;
}

} // namespace CommandLine
