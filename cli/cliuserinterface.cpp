#include "cli/cliuserinterface.h"

#include "platform/messages.h"

#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

void printErr(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

} // namespace

QString CliUserInterface::alert(AlertStyle style, const QString& title, const QString& message,
                                const QStringList& buttonKeys)
{
    ++alertsShown;
    lastAlertMessage = message;
    const bool answeredByFlag = assumeYes && buttonKeys.contains(QStringLiteral("YES"));
    const char* kind = style == AlertStyle::Critical ? "error" : style == AlertStyle::Warning ? "warning" : "note";
    // A question that --yes answers is not printed unless asked for.
    if (!answeredByFlag || verbose)
        printErr(QStringLiteral("%1: %2: %3").arg(QString::fromLatin1(kind), title, message));
    if (buttonKeys.isEmpty())
        return QStringLiteral("OK");
    // The cautious answer: "NO", "ABORT", else the last button.
    const QString cautious = buttonKeys.contains(QStringLiteral("NO")) ? QStringLiteral("NO")
        : buttonKeys.contains(QStringLiteral("ABORT"))                 ? QStringLiteral("ABORT")
                                                                       : buttonKeys.last();
    // --yes answers "YES" and nothing else: going on without a rename log ("CONTINUE")
    // is never taken for granted.
    if (assumeYes && buttonKeys.contains(QStringLiteral("YES")))
        return QStringLiteral("YES");
    if (interactive) {
        QStringList choices;
        for (const QString& key : buttonKeys)
            choices << msg(key.toLatin1().constData());
        std::fprintf(stderr, "%s [%s]? ", "Answer", choices.join(QLatin1Char('/')).toLocal8Bit().constData());
        std::string line;
        if (std::getline(std::cin, line)) {
            const QString answer = QString::fromLocal8Bit(line.c_str()).trimmed();
            for (const QString& key : buttonKeys) {
                const QString text = msg(key.toLatin1().constData());
                if (!answer.isEmpty() && (text.startsWith(answer, Qt::CaseInsensitive)
                                          || key.startsWith(answer, Qt::CaseInsensitive)))
                    return key;
            }
        }
    }
    // Without a terminal (or an answer) the cautious answer is taken.
    return cautious;
}

void CliUserInterface::showCallout(int, const QString& messageKey)
{
    printErr(QStringLiteral("error: %1").arg(msg(messageKey.toLatin1().constData())));
}

void CliUserInterface::passStarted(const QString& progressMessage)
{
    printProgress(progressMessage);
}

void CliUserInterface::setProgressMessage(const QString& text)
{
    printProgress(text);
}

void CliUserInterface::setCountText(const QString& text)
{
    printProgress(text);
}

void CliUserInterface::showTimeTaken(const QString& text)
{
    printProgress(text);
}

void CliUserInterface::printProgress(const QString& text)
{
    if (!verbose || text == lastProgressLine_)
        return;
    lastProgressLine_ = text;
    printErr(text);
}
