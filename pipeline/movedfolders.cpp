#include "pipeline/movedfolders.h"

void MovedFolders::add(const QString& source, const QString& target)
{
    if (source.isEmpty() || source == target)
        return;
    moves_.insert(source, target);
    if (shortest_ == 0 || source.size() < shortest_)
        shortest_ = source.size();
}

QString MovedFolders::resolve(const QString& path) const
{
    if (moves_.isEmpty())
        return path;
    QString current = path;
    // Each "/" after the first character ends a candidate folder prefix.
    qsizetype from = qMax<qsizetype>(shortest_, 1);
    while (true) {
        const qsizetype slash = current.indexOf(QLatin1Char('/'), from);
        if (slash < 0)
            return current;
        const auto it = moves_.constFind(current.left(slash));
        if (it == moves_.constEnd()) {
            from = slash + 1;
            continue;
        }
        current = it.value() + current.mid(slash);
        from = it.value().size() + 1;
    }
}
