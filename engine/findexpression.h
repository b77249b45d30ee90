#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringView>

// The Find text of the replace/remove method read as a regular expression: Unicode-aware,
// case-insensitive unless asked otherwise, with a "/" read as the ":" a name stores for it
// (as for plain text). The replacement may name groups as \0 to \9 or $0 to $9; "\\" is a
// backslash and "$$" a dollar, anything else stands for itself.
namespace FindExpression {

// Compiled at once, so a pass shares one ready expression among its items.
QRegularExpression compile(const QString& findText, bool caseSensitive);

// "" for a valid expression; else the text of "INVALIDREGULAREXPRESSION" with the position
// QRegularExpression reports and its reason.
QString errorText(const QRegularExpression& expression);
// The same for a Find text.
QString errorText(const QString& findText, bool caseSensitive);

// The replacement text for one match.
QString expandReplacement(QStringView replacement, const QRegularExpressionMatch& match);

} // namespace FindExpression
