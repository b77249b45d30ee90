#pragma once

#include <QString>

#include <exception>

// The reason of the exception being handled, for the log lines of the operations that
// catch at their boundary. Call only inside a catch block.
inline QString currentExceptionReason()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}
