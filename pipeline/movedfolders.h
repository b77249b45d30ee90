#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The folders an apply has moved, in the order moved, so that listed items inside them can
// be found at their new paths. A move of S to T means every path beginning with S + "/"
// then began with T + "/". A folder can move more than once (a swap parks it under a
// temporary name, a failed chain moves it back), so a path follows the moves in the order
// they were made: from the earliest move that applies to it, to the next one after that,
// and so on. Without a scan of the whole list per moved folder.
class MovedFolders {
public:
    void add(const QString& source, const QString& target);
    bool isEmpty() const { return moves_.isEmpty(); }
    // The path after every recorded move (the path itself when none applies).
    QString resolve(const QString& path) const;

private:
    struct Move {
        int order;
        QString target;
    };
    QHash<QString, QList<Move>> moves_; // by source, in the order made
    int count_ = 0;
    qsizetype shortest_ = 0;
};
