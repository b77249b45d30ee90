#include "pipeline/listsort.h"

#include "engine/filelist.h"
#include "metadata/clockshifts.h"
#include "metadata/itemfactsreader.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <memory>

std::optional<ListSort> ListSort::parse(const QString& text)
{
    const QStringList parts = text.trimmed().toLower().split(QLatin1Char(','));
    if (parts.size() > 2)
        return std::nullopt;
    ListSort sort;
    const QString by = parts.at(0).trimmed();
    if (by == QLatin1String("name"))
        sort.by = By::Name;
    else if (by == QLatin1String("taken"))
        sort.by = By::Taken;
    else if (by == QLatin1String("modified"))
        sort.by = By::Modified;
    else if (by == QLatin1String("size"))
        sort.by = By::Size;
    else
        return std::nullopt;
    if (parts.size() == 2) {
        const QString direction = parts.at(1).trimmed();
        if (direction != QLatin1String("desc") && direction != QLatin1String("asc"))
            return std::nullopt;
        sort.descending = direction == QLatin1String("desc");
    }
    return sort;
}

namespace ListSorting {

bool needsReading(const std::vector<FileSystemItem>& items, const ListSort& sort)
{
    if (!sort.readsFiles())
        return false;
    for (const FileSystemItem& item : items) {
        if (ItemFactsReader::needsReading(item, sort.readsCapture()))
            return true;
    }
    return false;
}

bool readFacts(std::vector<FileSystemItem>& items, const ListSort& sort, const std::atomic<bool>& cancel,
               PassProgress& progress)
{
    if (!sort.readsFiles())
        return true;
    for (FileSystemItem& item : items) {
        if (cancel.load())
            return false;
        if (!ItemFactsReader::needsReading(item, sort.readsCapture()))
            continue;
        progress.setPath(FileSystemItem::getDisplayFilePath(item.fullPath));
        ItemFactsReader::read(item, sort.readsCapture());
    }
    return true;
}

void sort(FileList& list, const ListSort& sort, const SettingsReader& settings)
{
    if (sort.by == ListSort::By::Name) {
        list.sortByKey(QStringLiteral("filenameWithExtension"), !sort.descending);
        return;
    }
    const ClockShifts shifts = ClockShifts::fromEntries(settings.list(QStringLiteral("photoClockShifts")));
    const bool videoTimesAreLocal = settings.flag(QStringLiteral("photoVideoTimesAreLocal"));
    std::vector<std::optional<qint64>> values;
    values.reserve(list.files.size());
    for (const FileSystemItem& item : list.files) {
        const ItemFacts& facts = item.facts;
        switch (sort.by) {
        case ListSort::By::Taken:
            values.push_back(ItemFactsReader::takenSeconds(facts, shifts, videoTimesAreLocal));
            break;
        case ListSort::By::Modified:
            values.push_back(facts.hasStat() ? std::optional<qint64>(facts.modifiedMsecs) : std::nullopt);
            break;
        case ListSort::By::Size:
            values.push_back(facts.hasStat() && facts.size >= 0 ? std::optional<qint64>(facts.size) : std::nullopt);
            break;
        case ListSort::By::Name:
            break;
        }
    }
    list.sortByNumbers(values, sort.descending);
}

namespace {

// Reads on the worker thread what `sort` needs (a pass), then sorts when `sorts` says so.
bool run(ControllerState& state, UserInterface& ui, const ListSort& sort, bool sorts,
         std::function<void(bool)> finished)
{
    if (state.isExecuting.load())
        return false;
    if (!needsReading(state.list.files, sort)) {
        if (sorts)
            ListSorting::sort(state.list, sort, state.settings);
        ui.reloadList();
        if (finished)
            finished(true);
        return true;
    }
    state.isCancelProcess = false;
    state.isExecuting = true;
    ui.passStarted(msg(sort.readsCapture() ? "SORTREADINGCAPTURE" : "SORTREADINGFILES"));
    auto progress = std::make_shared<PassProgress>(&ui);
    auto read = std::make_shared<bool>(false);
    auto settings = std::make_shared<Settings>(state.settings.snapshot());
    ControllerState* s = &state;
    UserInterface* u = &ui;
    PassRunner::start(
        [s, sort, sorts, progress, read, settings] {
            *read = readFacts(s->list.files, sort, s->isCancelProcess, *progress);
            if (*read && sorts)
                ListSorting::sort(s->list, sort, *settings);
        },
        [s, u, progress, read, finished] {
            progress->flush();
            s->isExecuting = false;
            u->passEnded();
            u->reloadList();
            if (finished)
                finished(*read);
        });
    return true;
}

} // namespace

bool start(ControllerState& state, UserInterface& ui, const ListSort& sort, std::function<void(bool)> finished)
{
    return run(state, ui, sort, true, std::move(finished));
}

bool startReading(ControllerState& state, UserInterface& ui, const ListSort& sort, std::function<void(bool)> finished)
{
    return run(state, ui, sort, false, std::move(finished));
}

} // namespace ListSorting
