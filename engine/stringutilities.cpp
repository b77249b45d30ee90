#include "engine/stringutilities.h"

#include "engine/rangeerror.h"
#include "platform/checkedfile.h"
#include "platform/dateformat.h"
#include "platform/edition.h"
#include "platform/utf16scan.h"

#include <QDebug>
#include <QFile>
#include <QUrl>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <exception>

namespace {

Qt::CaseSensitivity sensitivity(bool caseSensitive)
{
    return caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

[[noreturn]] void outOfRange(const char* function, const char* what, qsizetype value, qsizetype length)
{
    throw RangeError(QStringLiteral("%1: %2 %3 is out of range for a text of length %4")
                         .arg(QLatin1String(function), QLatin1String(what))
                         .arg(value)
                         .arg(length));
}

// Where an empty needle would make Qt report a match at every position, it is never found.
constexpr qsizetype kNotAscii = -2;

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// A case-insensitive search where both texts are ASCII, whose case fold is the lower case
// letter (most names and search texts); kNotAscii otherwise, for Qt's general search.
qsizetype asciiIndexIn(QStringView haystack, QStringView needle)
{
    const auto isAscii = [](QStringView text) { return Utf16Scan::spanWithin<>(text, 0, 0x80) == text.size(); };
    if (!isAscii(needle) || !isAscii(haystack))
        return kNotAscii;
    const char16_t* h = haystack.utf16();
    const char16_t* n = needle.utf16();
    const char16_t first = asciiLower(n[0]);
    for (qsizetype i = 0; i + needle.size() <= haystack.size(); ++i) {
        if (asciiLower(h[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < needle.size() && asciiLower(h[i + k]) == asciiLower(n[k]))
            ++k;
        if (k == needle.size())
            return i;
    }
    return -1;
}

qsizetype indexIn(QStringView haystack, QStringView needle, Qt::CaseSensitivity cs)
{
    if (needle.isEmpty())
        return -1;
    if (cs == Qt::CaseInsensitive) {
        if (const qsizetype found = asciiIndexIn(haystack, needle); found != kNotAscii)
            return found;
    }
    return haystack.indexOf(needle, 0, cs);
}

// The part of the text from 1-based start on ("" past the end), for replace and remove.
QStringView restFrom(const char* function, const QString& text, qsizetype start)
{
    if (start < 1)
        outOfRange(function, "start position", start, text.size());
    if (text.size() <= start - 1)
        return QStringView();
    return QStringView(text).mid(start - 1);
}

} // namespace

qsizetype StringUtilities::instrString(QStringView text, QStringView find, qsizetype start, bool caseSensitive)
{
    if (start < 1 || start > text.size() + 1)
        outOfRange("instrString", "start position", start, text.size());
    const qsizetype found = indexIn(text.mid(start - 1), find, sensitivity(caseSensitive));
    return found < 0 ? 0 : found + start;
}

qsizetype StringUtilities::findLocationInString(QStringView text, QStringView find, qsizetype startOnOccurrence,
                                                bool caseSensitive)
{
    qsizetype position = instrString(text, find, 1, caseSensitive);
    for (qsizetype i = 1; i < startOnOccurrence && position != 0; ++i)
        position = instrString(text, find, position + find.size(), caseSensitive);
    return position;
}

QString StringUtilities::leftString(const QString& text, qsizetype length)
{
    if (length < 0 || length > text.size())
        return text;
    return text.left(length);
}

QString StringUtilities::midString(const QString& text, qsizetype start, qsizetype length)
{
    if (start < 1 || start - 1 >= text.size())
        return QString();
    const qsizetype n = std::max<qsizetype>(0, std::min(length, text.size() - start + 1));
    return text.mid(start - 1, n);
}

QString StringUtilities::replaceString(const QString& text, QStringView find, QStringView replace, qsizetype start,
                                       qsizetype count, bool caseSensitive)
{
    const QStringView rest = restFrom("replaceString", text, start);
    const Qt::CaseSensitivity cs = sensitivity(caseSensitive);
    // Where the matches start in rest, found first, so that the result is made in one
    // allocation of its exact size.
    QVarLengthArray<qsizetype, 16> matches;
    if (count != 0) {
        qsizetype done = count == -1 ? -2 : 0;
        qsizetype from = 0;
        for (;;) {
            if (done >= count)
                break; // the count is reached: no need to search any further
            const qsizetype found = indexIn(rest.mid(from), find, cs);
            if (found < 0)
                break;
            if (count != -1)
                ++done;
            matches.append(from + found);
            from += found + find.size();
        }
    }
    if (matches.isEmpty())
        return start == 1 ? text : rest.toString(); // nothing replaced: share the input
    QString result(rest.size() + matches.size() * (replace.size() - find.size()), Qt::Uninitialized);
    QChar* out = result.data();
    qsizetype from = 0;
    for (const qsizetype match : matches) {
        out = std::copy_n(rest.constData() + from, match - from, out);
        out = std::copy_n(replace.constData(), replace.size(), out);
        from = match + find.size();
    }
    std::copy_n(rest.constData() + from, rest.size() - from, out);
    return result;
}

QString StringUtilities::removeString(const QString& text, QStringView find, QStringView replace, qsizetype start,
                                      qsizetype count, bool caseSensitive)
{
    QStringView rest = restFrom("removeString", text, start);
    if (count < 1)
        return text;
    const Qt::CaseSensitivity cs = sensitivity(caseSensitive);
    const bool keepMatch = !replace.isEmpty();
    QString result;
    qsizetype done = 0;
    for (;;) {
        const qsizetype found = indexIn(rest, find, cs);
        if (found < 0 || done == count)
            break;
        ++done;
        result += rest.left(found);
        if (keepMatch || done < count)
            result += rest.mid(found, find.size());
        rest = rest.mid(found + find.size());
    }
    if (done != count)
        return text;
    // A cut at the very start of the text leaves what follows the match, not nothing.
    if (result.isEmpty())
        return rest.toString();
    return result;
}

QString StringUtilities::insertString(const QString& text, QStringView find, QStringView insert,
                                      qsizetype onOccurence, bool before, bool /*caseSensitive*/)
{
    if (onOccurence < 1 || find.isEmpty())
        return text;
    qsizetype location = -find.size();
    for (qsizetype i = 0; i < onOccurence; ++i) {
        location = text.indexOf(find, location + find.size(), Qt::CaseSensitive);
        if (location < 0)
            return text;
    }
    const qsizetype at = before ? location : location + find.size();
    QString result;
    result.reserve(text.size() + insert.size());
    result += QStringView(text).left(at);
    result += insert;
    result += QStringView(text).mid(at);
    return result;
}

QString StringUtilities::reverseString(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    std::reverse_copy(text.begin(), text.end(), result.begin());
    return result;
}

QString StringUtilities::swapStringBySeparator(const QString& text, QStringView separator)
{
    const qsizetype found = indexIn(text, separator, Qt::CaseInsensitive);
    if (found < 0)
        return text;
    const QStringView view(text);
    QString result;
    result.reserve(text.size());
    result += view.mid(found + separator.size());
    result += view.mid(found, separator.size());
    result += view.left(found);
    return result;
}

QString StringUtilities::swapStringByPosition(const QString& text, qsizetype position)
{
    if (position < 0)
        outOfRange("swapStringByPosition", "position", position, text.size());
    if (position == 0 || text.size() <= position - 1)
        return text;
    const QStringView view(text);
    QString result;
    result.reserve(text.size());
    result += view.mid(position);
    result += view.at(position - 1);
    result += view.left(position - 1);
    return result;
}

bool StringUtilities::isAlphabeticNumericInRange(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); });
}

std::optional<QString> StringUtilities::stringToFormattedDate(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String("0000:00:00 00:00:00"))
        return std::nullopt;
    if (text.size() < 10)
        outOfRange("stringToFormattedDate", "date part of length", 10, text.size());
    QString dashed = text;
    for (qsizetype i = 0; i < 10; ++i) {
        if (dashed.at(i) == QLatin1Char(':'))
            dashed[i] = QLatin1Char('-');
    }
    const std::optional<QDateTime> date =
        DateFormat::parseFixedFormat(dashed, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!date)
        return std::nullopt;
    return DateFormat::standardDescription(*date);
}

std::optional<QDateTime> StringUtilities::dateFromString(const QString& text)
{
    try {
        // "+02:00" becomes "+0200": the last colon of the text is the offset's.
        QString compact = text;
        const qsizetype colon = compact.lastIndexOf(QLatin1Char(':'));
        if (colon >= 0)
            compact.remove(colon, 1);
        return DateFormat::parseFixedFormat(compact, QStringLiteral("yyyy-MM-dd'T'HH:mm:ssZ"));
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error in dateFromString : %1").arg(QString::fromUtf8(e.what()));
        return std::nullopt;
    }
}

QString StringUtilities::appVersion()
{
    return Edition::current().version;
}

namespace {

enum class RootRead { Found, Failed };

// Reads up to the root start tag only; whatever follows it is never looked at.
RootRead readRootVersion(const QString& path, std::optional<QString>& version, QString& error)
{
    // Rule files and logs alike: only the start is read, so no size cap applies.
    CheckedFile file;
    if (!file.open(path, CheckedFile::Kind::Log, &error))
        return RootRead::Failed;
    QXmlStreamReader reader(&file.device());
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            const QXmlStreamAttributes attributes = reader.attributes();
            if (attributes.hasAttribute(QLatin1String("appversion")))
                version = attributes.value(QLatin1String("appversion")).toString();
            return RootRead::Found;
        }
    }
    error = reader.hasError() ? reader.errorString() : QStringLiteral("No root element");
    return RootRead::Failed;
}

} // namespace

std::optional<QString> StringUtilities::appVersionInPlist(const QString& path)
{
    try {
        if (!QUrl::fromLocalFile(path).isValid()) {
            qWarning().noquote()
                << QStringLiteral("Error in appVersionInPlist : Can't create an URL from file %1.").arg(path);
            return std::nullopt;
        }
        std::optional<QString> version;
        QString error;
        // A failed load is tried once more (the file may have been caught mid-write).
        if (readRootVersion(path, version, error) == RootRead::Failed
            && readRootVersion(path, version, error) == RootRead::Failed) {
            qWarning().noquote() << QStringLiteral("Error in appVersionInPlist : %1").arg(error);
            return std::nullopt;
        }
        return version;
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error in appVersionInPlist : %1").arg(QString::fromUtf8(e.what()));
        return std::nullopt;
    }
}

bool StringUtilities::isFileVersionMatch(const std::optional<QString>& version)
{
    try {
        const auto major = [](QStringView text) {
            const qsizetype dot = text.indexOf(QLatin1Char('.'));
            return dot < 0 ? text : text.left(dot);
        };
        const QString own = appVersion();
        return major(version ? QStringView(*version) : QStringView()) == major(own);
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("isFileVersionMatch Error : %1").arg(QString::fromUtf8(e.what()));
        return false;
    }
}
