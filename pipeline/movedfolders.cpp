#include "pipeline/movedfolders.h"

void MovedFolders::add(const QString& source, const QString& target)
{
    if (source.isEmpty() || source == target)
        return;
    moves_[source].append(Move{count_++, target});
    if (shortest_ == 0 || source.size() < shortest_)
        shortest_ = source.size();
}

QString MovedFolders::resolve(const QString& path) const
{
    if (moves_.isEmpty())
        return path;
    QString current = path;
    int after = -1; // the order of the last move applied
    while (true) {
        // Among the folders above the path, the move made first after the last one applied.
        const Move* best = nullptr;
        qsizetype bestLength = 0;
        for (qsizetype slash = current.indexOf(QLatin1Char('/'), qMax<qsizetype>(shortest_, 1)); slash >= 0;
             slash = current.indexOf(QLatin1Char('/'), slash + 1)) {
            const auto it = moves_.constFind(current.left(slash));
            if (it == moves_.constEnd())
                continue;
            for (const Move& move : it.value()) {
                if (move.order > after) {
                    if (!best || move.order < best->order) {
                        best = &move;
                        bestLength = slash;
                    }
                    break;
                }
            }
        }
        if (!best)
            return current;
        current = best->target + current.mid(bestLength);
        after = best->order;
    }
}
