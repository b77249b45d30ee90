#include "engine/findexpression.h"

#include "engine/renamingcontract.h"
#include "platform/messages.h"

namespace FindExpression {

QRegularExpression compile(const QString& findText, bool caseSensitive)
{
    QRegularExpression::PatternOptions options = QRegularExpression::UseUnicodePropertiesOption;
    if (!caseSensitive)
        options |= QRegularExpression::CaseInsensitiveOption;
    QRegularExpression expression(slashesToColons(findText), options);
    expression.optimize();
    return expression;
}

QString errorText(const QRegularExpression& expression)
{
    if (expression.isValid())
        return QString();
    return msg("INVALIDREGULAREXPRESSION")
        .arg(expression.patternErrorOffset())
        .arg(expression.errorString());
}

QString errorText(const QString& findText, bool caseSensitive)
{
    return errorText(compile(findText, caseSensitive));
}

QString expandReplacement(QStringView replacement, const QRegularExpressionMatch& match)
{
    QString out;
    out.reserve(replacement.size());
    const qsizetype n = replacement.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = replacement.at(i);
        if ((c == u'\\' || c == u'$') && i + 1 < n) {
            const QChar next = replacement.at(i + 1);
            if (next >= u'0' && next <= u'9') {
                out += match.captured(next.unicode() - u'0');
                ++i;
                continue;
            }
            if (next == c) {
                out += c; // "\\" is a backslash, "$$" a dollar
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace FindExpression
