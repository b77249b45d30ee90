#include "pipeline/applyoutcome.h"

#include "engine/filesystemitem.h"
#include "platform/messages.h"

#include <QStringList>

namespace {

void addTo(StatusCounts& counts, const QString& status, int n = 1)
{
    for (auto& [known, count] : counts) {
        if (known == status) {
            count += n;
            return;
        }
    }
    counts.append({status, n});
}

bool isPreviewRefusal(const QString& newFilename)
{
    return newFilename != Status::NoChanges && Status::isError(newFilename);
}

} // namespace

int totalCount(const StatusCounts& counts)
{
    int total = 0;
    for (const auto& entry : counts)
        total += entry.second;
    return total;
}

StatusCounts previewRefusals(const std::vector<FileSystemItem>& files, const std::vector<FileSystemItem>& followers)
{
    StatusCounts counts;
    for (const std::vector<FileSystemItem>* items : {&files, &followers}) {
        for (const FileSystemItem& item : *items) {
            if (isPreviewRefusal(item.newFilename))
                addTo(counts, item.newFilename);
        }
    }
    return counts;
}

QString refusalReasons(const StatusCounts& counts, const QStringList& failureReasons)
{
    QStringList reasons;
    for (const auto& [status, count] : counts) {
        QString reason = msg("OUTCOMEREASON").arg(Status::displayText(status), QString::number(count));
        if (status == Status::CouldNotRename && !failureReasons.isEmpty())
            reason = msg("OUTCOMEREASONWHY").arg(reason, failureReasons.join(QStringLiteral("; ")));
        reasons << reason;
    }
    return reasons.join(msg("OUTCOMEREASONSEPARATOR"));
}

int ApplyOutcome::refusedCount() const
{
    return totalCount(refused);
}

int ApplyOutcome::allRefusedCount() const
{
    return totalCount(refused) + totalCount(refusedAtPreview);
}

void ApplyOutcome::addRefusal(const QString& status)
{
    addTo(refused, status);
}

void ApplyOutcome::countPreviewRefusals(const std::vector<FileSystemItem>& files,
                                        const std::vector<FileSystemItem>& followers)
{
    refusedAtPreview = previewRefusals(files, followers);
}

void ApplyOutcome::countLeftOutAtIntake(int count)
{
    if (count > 0)
        addTo(refusedAtPreview, msg("REFUSEDNAMENOTUTF8"), count);
}

QString formatOutcomeDuration(qint64 elapsedMs)
{
    elapsedMs = qMax<qint64>(0, elapsedMs);
    if (elapsedMs < 60000)
        return msg("OUTCOMESECONDS").arg(QString::number(double(elapsedMs) / 1000.0, 'f', 1));
    const qint64 seconds = (elapsedMs + 500) / 1000;
    return msg("OUTCOMEMINUTES").arg(seconds / 60).arg(seconds % 60);
}

QString ApplyOutcome::summary() const
{
    QString line = msgN("OUTCOMERENAMED", renamedCount);
    // The preview's refusals first: they come first in the user's reading of the list.
    StatusCounts all = refusedAtPreview;
    for (const auto& [status, count] : refused)
        addTo(all, status, count);
    if (const int refusedTotal = totalCount(all); refusedTotal > 0)
        line = msgN("OUTCOMEREFUSED", refusedTotal).arg(line, refusalReasons(all, failureReasons));
    if (numberedCount > 0)
        line = msgN("OUTCOMENUMBERED", numberedCount).arg(line);
    line = msg("OUTCOMEDURATION").arg(line, formatOutcomeDuration(elapsedMs));
    if (reservedRenames)
        line = msg("OUTCOMERESERVEDRENAMES").arg(line);
    return cancelled ? msg("OUTCOMESTOPPED").arg(line) : line;
}

QString applyConfirmation(const std::vector<FileSystemItem>& files, const std::vector<FileSystemItem>& followers)
{
    int toRename = 0;
    for (const std::vector<FileSystemItem>* items : {&files, &followers}) {
        for (const FileSystemItem& item : *items)
            toRename += !item.newFilename.isEmpty() && !Status::isStatus(item.newFilename) ? 1 : 0;
    }
    const StatusCounts refused = previewRefusals(files, followers);
    if (refused.isEmpty())
        return toRename == 1 ? msg("ITEMRENAMINGONEMESSAGE") : msgN("ITEMRENAMINGCOUNTMESSAGE", toRename);
    const int refusedTotal = totalCount(refused);
    return msg("ITEMRENAMINGPARTMESSAGE")
        .arg(QString::number(toRename), QString::number(toRename + refusedTotal),
             msgN("ITEMRENAMINGREFUSEDMESSAGE", refusedTotal).arg(refusalReasons(refused)));
}
