#pragma once

#include <QByteArray>
#include <QString>

// What every fuzz target shares: a QCoreApplication with the message tables, a private
// XDG home and a fixed zone and language (so runs are repeatable), and a scratch folder.
namespace FuzzSupport {

// Once per process, from LLVMFuzzerInitialize. Silences the program's log lines unless
// QUORVEL_FUZZ_VERBOSE is set (they would drown the fuzzer's own output).
void initialize(int* argc, char*** argv);

// A private folder that lives as long as the process.
QString scratchFolder();

// Writes data to one file of the scratch folder (the same path every call) and returns it.
QString writeScratchFile(const QByteArray& data, const QString& name = QStringLiteral("input"));

// Stops the run with a message the fuzzer records as a crash: a broken invariant.
[[noreturn]] void fail(const char* what, const QString& detail = QString());

} // namespace FuzzSupport

// Checks an invariant of the code under test (not an assert: it stays on in every build).
#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzSupport::fail(#condition, (detail));                                               \
    } while (0)
