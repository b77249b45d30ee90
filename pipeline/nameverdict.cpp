#include "pipeline/nameverdict.h"

#include "engine/filesystemitem.h"
#include "platform/messages.h"
#include "platform/utf16scan.h"

#include <QSet>

namespace {

constexpr qint64 kWindowsNameMax = 255; // UTF-16 units on FAT, exFAT and NTFS
constexpr qint64 kDefaultNameMax = 255; // bytes, where f_namemax is not known

bool isWindowsForbidden(char16_t c)
{
    switch (c) {
    case u'"': case u'*': case u':': case u'<': case u'>': case u'?': case u'\\': case u'|':
        return true;
    default:
        return false;
    }
}

// The name as a message shows it: long names shortened in the middle, characters that
// would break the line or cannot be shown as U+FFFD.
QString shownName(const QString& name)
{
    constexpr qsizetype kHead = 40, kTail = 20;
    QString shown = name.size() > kHead + kTail + 1 ? name.left(kHead) + QChar(0x2026) + name.right(kTail) : name;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown.at(i);
        const bool pairStart = c.isHighSurrogate() && i + 1 < shown.size() && shown.at(i + 1).isLowSurrogate();
        if (pairStart)
            ++i;
        else if (c.unicode() < 0x20 || c.isSurrogate() || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            shown[i] = QChar(QChar::ReplacementCharacter);
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// A character as a message names it: itself in quotes, or its code point when it cannot
// be shown.
QString shownCharacter(char16_t c)
{
    if (c >= 0x20 && !QChar::isSurrogate(c) && c != 0xFFFE && c != 0xFFFF)
        return QLatin1Char('"') + QChar(c) + QLatin1Char('"');
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

NameVerdict notAnywhere(const QString& name, char16_t c)
{
    return {Status::NameNotAllowedHere, msg("NAMECHARACTERNOWHERE").arg(shownName(name), shownCharacter(c))};
}

NameVerdict notHere(const QString& name, char16_t c, const NameRules& rules)
{
    return {Status::NameNotAllowedHere,
            msg("NAMECHARACTERNOTHERE").arg(shownName(name), shownCharacter(c), rules.driveName())};
}

// The characters of the name, from `from` on: a character no file name may hold, or one
// the drive refuses.
std::optional<NameVerdict> characterVerdict(const QString& name, qsizetype from, const NameRules& rules)
{
    const bool windows = rules.family != NameRules::Family::Posix;
    const char16_t* units = reinterpret_cast<const char16_t*>(name.constData());
    const qsizetype n = name.size();
    for (qsizetype i = from; i < n; ++i) {
        const char16_t c = units[i];
        if (c >= 0x20 && c < 0xD800 && c != u'/') {
            if (windows && isWindowsForbidden(c))
                return notHere(name, c, rules);
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(units[i + 1])) {
            ++i;
            continue;
        }
        // Tabs and line breaks are names on POSIX file systems (and a rename log holds them).
        if (c == 0x09 || c == 0x0A || c == 0x0D) {
            if (windows)
                return notHere(name, c, rules);
            continue;
        }
        if (c < 0x20 || QChar::isSurrogate(c) || c == 0xFFFE || c == 0xFFFF || c == u'/')
            return notAnywhere(name, c);
    }
    return std::nullopt;
}

} // namespace

NameRules NameRules::forFileSystem(const QString& type, qint64 nameMax)
{
    static const QSet<QString> fat = {QStringLiteral("vfat"), QStringLiteral("msdos"), QStringLiteral("fat"),
                                      QStringLiteral("umsdos"), QStringLiteral("fusefat")};
    static const QSet<QString> ntfs = {QStringLiteral("ntfs"), QStringLiteral("ntfs3"), QStringLiteral("ntfs-3g"),
                                       QStringLiteral("lowntfs-3g")};
    if (fat.contains(type))
        return NameRules{Family::Fat, kWindowsNameMax};
    if (type == QLatin1String("exfat"))
        return NameRules{Family::ExFat, kWindowsNameMax};
    if (ntfs.contains(type))
        return NameRules{Family::Ntfs, kWindowsNameMax};
    return NameRules{Family::Posix, nameMax > 0 ? nameMax : kDefaultNameMax};
}

QString NameRules::driveName() const
{
    switch (family) {
    case Family::Fat: return QStringLiteral("FAT");
    case Family::ExFat: return QStringLiteral("exFAT");
    case Family::Ntfs: return QStringLiteral("NTFS");
    case Family::Posix: break;
    }
    return QString();
}

NameVerdict judgeName(const QString& name, const NameRules& rules)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return {Status::NameNotAllowedHere, msg("NAMEISNOFILENAME").arg(shownName(name))};
    const bool windows = rules.family != NameRules::Family::Posix;
    // Most names are plain characters all through: on POSIX file systems found so a block
    // at a time, then checked one by one from the first that is not.
    const qsizetype from = windows ? 0 : Utf16Scan::spanWithin<u'/'>(name, 0x20, 0xD800);
    if (std::optional<NameVerdict> verdict = characterVerdict(name, from, rules))
        return *verdict;
    const bool dropsEnding = rules.family == NameRules::Family::Fat || rules.family == NameRules::Family::ExFat;
    if (dropsEnding && (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))))
        return {Status::NameNotAllowedHere, msg("NAMEENDINGNOTHERE").arg(shownName(name), rules.driveName())};
    if (windows) {
        if (name.size() > rules.nameMax)
            return {Status::NameTooLong, msg("NAMETOOLONGUNITS")
                                             .arg(shownName(name), QString::number(name.size()), rules.driveName(),
                                                  QString::number(rules.nameMax))};
        return {};
    }
    // A UTF-16 unit takes at most three bytes in UTF-8, so a short name needs no encoding.
    if (name.size() * 3 <= rules.nameMax)
        return {};
    const qsizetype bytes = name.toUtf8().size();
    if (bytes > rules.nameMax)
        return {Status::NameTooLong, msg("NAMETOOLONGBYTES")
                                         .arg(shownName(name), QString::number(bytes), QString::number(rules.nameMax))};
    return {};
}

NameVerdicts::NameVerdicts() = default;

NameVerdicts::NameVerdicts(std::function<NameRules(const QString& folder)> rulesOf)
    : rulesOf_(std::move(rulesOf))
{
}

QString NameVerdicts::judge(QStringView folder, const QString& name)
{
    if (!hasLast_ || !Utf16Scan::sameUnits(folder, lastFolder_)) {
        lastFolder_ = folder.isEmpty() ? QStringLiteral("/") : folder.toString();
        if (rulesOf_) {
            lastRules_ = rulesOf_(lastFolder_);
        } else {
            const FolderFileSystems::Facts facts = fileSystems_.of(lastFolder_);
            lastRules_ = NameRules::forFileSystem(facts.type, facts.nameMax);
        }
        hasLast_ = true;
    }
    NameVerdict verdict = judgeName(name, lastRules_);
    if (!verdict.status.isEmpty() && refused_++ == 0)
        firstNote_ = std::move(verdict.note);
    return verdict.status;
}

QString NameVerdicts::summary() const
{
    if (refused_ <= 1)
        return firstNote_;
    return msgN("NAMESREFUSEDMORE", refused_ - 1).arg(firstNote_);
}
