#pragma once

#include <QHash>
#include <QString>

// The folders an apply has moved, so that listed items inside them can be found at their
// new paths. A rename of S to T means every path beginning with S + "/" now begins with
// T + "/". Folders are renamed before their contents and each path is moved at most
// once, so applying the moves from the shortest matching prefix outwards gives the same
// path as rewriting every listed item at the moment of each move, without a scan of the
// whole list per renamed folder.
class MovedFolders {
public:
    void add(const QString& source, const QString& target);
    bool isEmpty() const { return moves_.isEmpty(); }
    // The path after every recorded move (the path itself when none applies).
    QString resolve(const QString& path) const;

private:
    QHash<QString, QString> moves_;
    qsizetype shortest_ = 0;
};
