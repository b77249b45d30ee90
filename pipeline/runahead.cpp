#include "pipeline/runahead.h"

namespace RunAhead {

bool Batch::add(const RenameLogJournal::AnnouncedMove* move)
{
    if (move && !native.add(move->source, move->target))
        return false;
    moveOf.push_back(move ? qint32(moves.size()) : -1);
    if (move)
        moves.push_back(*move);
    ++end;
    return true;
}

void announce(Batch& batch, RenameLogJournal& log)
{
    const size_t announced = batch.moves.empty() ? 0 : size_t(log.announceMoves(batch.moves));
    if (announced == batch.moves.size())
        return;
    size_t k = 0;
    while (batch.moveOf[k] < 0 || size_t(batch.moveOf[k]) < announced)
        ++k;
    batch.end = batch.begin + k;
    batch.moveOf.resize(k);
    batch.moves.resize(announced);
    batch.native.truncate(announced);
}

size_t firstNotMade(const Batch& batch)
{
    for (size_t k = 0; k < batch.moveOf.size(); ++k) {
        if (batch.moveOf[k] >= 0 && size_t(batch.moveOf[k]) >= batch.native.made)
            return batch.begin + k;
    }
    return batch.end;
}

} // namespace RunAhead
