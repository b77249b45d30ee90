#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary folder with helpers to lay out files for a test.
class TempTree {
public:
    TempTree();
    QString path() const { return dir_.path(); }
    // Path below the root.
    QString at(const QString& relative) const;
    // Creates a file (and its folders) with the given content; returns its path.
    QString file(const QString& relative, const QByteArray& content = QByteArray());
    QString folder(const QString& relative);
    // Sets the modification time of a path.
    void setModified(const QString& relative, const QDateTime& when);
    // The names in a folder, sorted.
    QStringList names(const QString& relative = QString()) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
};
