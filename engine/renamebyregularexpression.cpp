// Replace and remove with a regular expression: the matches in the base name, picked by
// start position, occurrence and count as plain-text occurrences are picked.
#include "engine/findexpression.h"
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"

#include <QList>

#include <stdexcept>

namespace {

struct Match {
    qsizetype start = 0;
    qsizetype end = 0;
    QRegularExpressionMatch match;
};

// Every match of the expression in the base, left to right on the name as it is (so
// anchors and look-arounds see the whole name). A start position S (2 <= S < length, as
// for plain text) keeps the first S - 1 characters out of reach: from the start, matching
// begins after them; from the end, the last S - 1 characters are out of reach and a match
// must end before them.
QList<Match> matchesIn(const QString& base, const QRegularExpression& expression, int startFromCharacter,
                       bool fromEnd)
{
    const qsizetype length = base.size();
    const bool limited = startFromCharacter >= 2 && startFromCharacter < length;
    const qsizetype offset = limited && !fromEnd ? startFromCharacter - 1 : 0;
    const qsizetype limit = limited && fromEnd ? length - (startFromCharacter - 1) : length;

    QList<Match> out;
    QRegularExpressionMatchIterator it = expression.globalMatch(base, offset);
    while (it.hasNext()) {
        QRegularExpressionMatch m = it.next();
        if (m.capturedEnd() > limit)
            break; // later matches start after this one's end
        out.append({m.capturedStart(), m.capturedEnd(), m});
    }
    return out;
}

} // namespace

MethodResult renameByRegularExpression(FileSystemItem& item, const ReplaceRemoveOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& name) {
        const QRegularExpression& expression = options.expression;
        if (!expression.isValid())
            throw std::runtime_error(FindExpression::errorText(expression).toStdString());
        const bool fromEnd = options.countFrom == CountFrom::End;
        const int occurrenceCount = options.occurrenceCount;
        const QList<Match> matches = matchesIn(name.base, expression, options.startFromCharacter, fromEnd);

        // The chosen matches: from the occurrence on (counted from the end when asked), at
        // most the count of them; -1 takes all, 0 or another negative count none.
        const qsizetype n = matches.size();
        const qsizetype occurrence = std::max(1, options.startOnOccurrence);
        QList<bool> chosen(n, false);
        if (occurrence <= n && (occurrenceCount == -1 || occurrenceCount > 0)) {
            const qsizetype wanted = occurrenceCount == -1 ? n : occurrenceCount;
            for (qsizetype k = 0; k < wanted && occurrence - 1 + k < n; ++k) {
                const qsizetype index = fromEnd ? n - occurrence - k : occurrence - 1 + k;
                chosen[index] = true;
            }
        }

        const QString with = slashesToColons(options.replacement);
        QString result;
        qsizetype copied = 0;
        for (qsizetype i = 0; i < n; ++i) {
            if (!chosen[i])
                continue;
            const Match& m = matches[i];
            result += QStringView(name.base).mid(copied, m.start - copied);
            result += FindExpression::expandReplacement(with, m.match);
            copied = m.end;
        }
        result += QStringView(name.base).mid(copied);
        return proposedName(result, name.extension);
    });
}
