#pragma once

#include <QString>

#include <stdexcept>

// A position or count outside the text: what the text toolkit throws where a substring or
// search cannot be done. Renaming methods catch it and report its reason to the user.
class RangeError : public std::runtime_error {
public:
    explicit RangeError(const QString& reason)
        : std::runtime_error(reason.toStdString())
    {
    }

    QString reason() const { return QString::fromUtf8(what()); }
};
