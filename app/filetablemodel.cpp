#include "app/filetablemodel.h"

#include "app/fileicons.h"
#include "engine/filesystemitem.h"
#include "metadata/itemfactsreader.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"

#include <QColor>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QMimeData>
#include <QUrl>

namespace {

const QString kIcon = QStringLiteral("icon");
const QString kNewFilename = QStringLiteral("newFilename");
const QString kDateTaken = QStringLiteral("dateTaken");
const QString kDateModified = QStringLiteral("dateModified");
const QString kFileSize = QStringLiteral("fileSize");

// Where a proposed name's capture date came from, as a person reads it ("" for none).
QString dateSourceText(DateSource source)
{
    switch (source) {
    case DateSource::Exif: return msg("DATESOURCEEXIF");
    case DateSource::Xmp: return msg("DATESOURCEXMP");
    case DateSource::QuickTimeKey: return msg("DATESOURCEQUICKTIMEKEY");
    case DateSource::MovieHeader: return msg("DATESOURCEMOVIEHEADER");
    case DateSource::None: break;
    }
    return QString();
}

} // namespace

FileTableModel::FileTableModel(ControllerState& state, QObject* parent)
    : QAbstractTableModel(parent)
    , state_(state)
{
}

const QStringList& FileTableModel::columnKeys()
{
    static const QStringList keys = {kIcon, QStringLiteral("filenameWithExtension"), kNewFilename,
                                     QStringLiteral("fileLocation"), QStringLiteral("fileType"),
                                     kDateTaken,    kDateModified,
                                     kFileSize};
    return keys;
}

int FileTableModel::columnOf(const QString& key)
{
    return int(columnKeys().indexOf(key));
}

int FileTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || detached_ ? 0 : state_.list.size();
}

int FileTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columnKeys().size());
}

// A lead's new name with the count of the files renamed with it: "20200101_0002.CR2  +2".
QString FileTableModel::withFollowerCount(const QString& name, const FileSystemItem& item) const
{
    const std::vector<CompanionGroup>& groups = state_.companions.groups;
    const qint32 g = item.companionGroup;
    if (g < 0 || size_t(g) >= groups.size() || groups[size_t(g)].followers == 0)
        return name;
    return name + QStringLiteral("  ") + msg("COMPANIONSCOUNT").arg(groups[size_t(g)].followers);
}

// The files renamed with a lead, each with its new name (or its status).
QString FileTableModel::followersTip(const FileSystemItem& item) const
{
    const std::vector<const FileSystemItem*> followers =
        state_.companions.followersOf(state_.list.files, item.companionGroup);
    if (followers.empty())
        return {};
    QString tip = QLatin1Char('\n') + msg("COMPANIONSTOOLTIPTITLE");
    for (const FileSystemItem* follower : followers) {
        const QString shown = Status::isStatus(follower->newFilename) ? Status::displayText(follower->newFilename)
                                                                      : follower->displayField(kNewFilename);
        tip += QLatin1Char('\n') + msg("COMPANIONSTOOLTIPLINE").arg(follower->displayField(QStringLiteral("filenameWithExtension")), shown);
    }
    return tip;
}

QVariant FileTableModel::data(const QModelIndex& index, int role) const
{
    if (detached_ || !index.isValid() || index.row() >= state_.list.size())
        return QVariant();
    const FileSystemItem& item = state_.list.files[size_t(index.row())];
    const QString& key = columnKeys().at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (key == kIcon)
            return QVariant();
        // A status in the reader's language ("Renamed" for the stored "Renaming (OK)").
        if (key == kNewFilename && Status::isStatus(item.newFilename))
            return Status::displayText(item.newFilename);
        if (key == kDateTaken || key == kDateModified || key == kFileSize)
            return factText(item, key);
        if (key == kNewFilename && item.leadsCompanions)
            return withFollowerCount(item.displayField(key), item);
        return item.displayField(key);
    case Qt::TextAlignmentRole:
        return key == kFileSize ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case Qt::DecorationRole:
        return key == kIcon ? QVariant(icons_.iconFor(item)) : QVariant();
    case Qt::ForegroundRole:
        // Failures in red, "No Changes" in the secondary text colour, renamed items in
        // blue; proposed names keep the palette's text colour.
        if (key != kNewFilename)
            return QVariant();
        if (FileIcons::isFailure(item.newFilename))
            return QColor(0xcc, 0x1f, 0x1a);
        if (item.newFilename == Status::NoChanges)
            return QGuiApplication::palette().color(QPalette::PlaceholderText);
        if (item.newFilename == Status::RenamingOK)
            return QColor(0x1c, 0x5f, 0xd6);
        return QVariant();
    case Qt::ToolTipRole: {
        if (key == kIcon)
            return QVariant();
        QString tip = FileSystemItem::getDisplayFilePath(item.fullPath);
        // The proposed name says where its capture date came from.
        if (const QString source = dateSourceText(item.proposedDateSource()); key == kNewFilename && !source.isEmpty())
            tip += QLatin1Char('\n') + msg("DATESOURCETIP").arg(source);
        if (key == kNewFilename && item.leadsCompanions)
            tip += followersTip(item);
        return tip;
    }
    default:
        return QVariant();
    }
}

QVariant FileTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnKeys().size())
        return QVariant();
    const QString& key = columnKeys().at(section);
    if (role == Qt::DisplayRole) {
        if (key == kIcon)
            return QString();
        if (key == QLatin1String("filenameWithExtension"))
            return msg("FILENAME");
        if (key == kNewFilename)
            return msg("NEWFILENAME");
        if (key == kDateTaken)
            return msg("COLUMNDATETAKEN");
        if (key == kDateModified)
            return msg("COLUMNDATEMODIFIED");
        if (key == kFileSize)
            return msg("COLUMNFILESIZE");
        if (key == QLatin1String("fileLocation"))
            return msg("LOCATION");
        return msg("FILETYPE");
    }
    return QVariant();
}

Qt::ItemFlags FileTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

std::optional<ListSort> FileTableModel::factsSort(int column, Qt::SortOrder order)
{
    const QString key = column >= 0 && column < columnKeys().size() ? columnKeys().at(column) : QString();
    ListSort sort;
    sort.descending = order == Qt::DescendingOrder;
    if (key == kDateTaken)
        sort.by = ListSort::By::Taken;
    else if (key == kDateModified)
        sort.by = ListSort::By::Modified;
    else if (key == kFileSize)
        sort.by = ListSort::By::Size;
    else
        return std::nullopt;
    return sort;
}

QVariant FileTableModel::factText(const FileSystemItem& item, const QString& key) const
{
    const ItemFacts& facts = item.facts;
    const QLocale locale;
    const auto dateTime = [&locale](const QDateTime& value) {
        return locale.toString(value.date(), QLocale::ShortFormat) + QLatin1Char(' ')
            + locale.toString(value.time(), QStringLiteral("HH:mm:ss"));
    };
    if (key == kFileSize)
        return facts.hasStat() && facts.size >= 0 ? locale.formattedDataSize(facts.size) : QString();
    if (key == kDateModified)
        return facts.hasStat() ? dateTime(QDateTime::fromMSecsSinceEpoch(facts.modifiedMsecs)) : QString();
    // The shifts are parsed again only when the stored entries changed.
    const QStringList entries = state_.settings.list(QStringLiteral("photoClockShifts"));
    if (entries != shiftEntries_) {
        shiftEntries_ = entries;
        shifts_ = ClockShifts::fromEntries(entries);
    }
    const std::optional<qint64> taken =
        ItemFactsReader::takenSeconds(facts, shifts_, state_.settings.flag(QStringLiteral("photoVideoTimesAreLocal")));
    if (!taken)
        return QString();
    // A wall-clock value: its fields as written, in no zone.
    const QDateTime wallClock = QDateTime::fromSecsSinceEpoch(*taken, Qt::UTC);
    if (facts.capture == ItemFacts::Capture::DateOnly)
        return locale.toString(wallClock.date(), QLocale::ShortFormat);
    return dateTime(wallClock);
}

void FileTableModel::sort(int column, Qt::SortOrder order)
{
    if (detached_ || column <= 0 || column >= columnKeys().size() || state_.isExecuting.load())
        return;
    if (const std::optional<ListSort> facts = factsSort(column, order)) {
        // Reading the files may take a pass: the controller runs it and shows the result.
        if (onSortByFacts)
            onSortByFacts(*facts);
        return;
    }
    beginResetModel();
    state_.list.sortByKey(columnKeys().at(column), order == Qt::AscendingOrder);
    endResetModel();
    if (onSorted)
        onSorted();
}

QStringList FileTableModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

Qt::DropActions FileTableModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

bool FileTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    return !detached_ && data && data->hasUrls();
}

bool FileTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    if (paths.isEmpty())
        return false;
    if (onDropPaths)
        onDropPaths(paths);
    return true;
}

void FileTableModel::detach()
{
    if (detached_)
        return;
    beginResetModel();
    detached_ = true;
    endResetModel();
}

void FileTableModel::attach()
{
    beginResetModel();
    detached_ = false;
    endResetModel();
}

void FileTableModel::reload()
{
    if (detached_)
        return;
    beginResetModel();
    endResetModel();
}
