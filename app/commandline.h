#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct Edition;

// The options a desktop program answers by itself, at the top of main() before the
// application object, any window or the hand-off to a running instance: --version (-v)
// and --help (-h). Every other argument is left to the program (documents to open,
// --add, Qt's own options such as -platform).
namespace CommandLine {

enum class Request { Start, Version, Help };

// What the arguments (without the program's name) ask for. Only arguments before "--"
// count as options; after it everything is a path.
Request requestOf(const QStringList& arguments);

// "Quorvel 3.0.0" / "Quorvel 2 2.6.0", one line.
QString versionText(const Edition& edition);
// A short usage for the program named program ("quorvel", "quorvel2").
QString helpText(const Edition& edition, const QString& program);

// Prints the version or the usage on stdout and gives the exit status, or nothing when
// the program should start.
std::optional<int> answer(int argc, char** argv, const Edition& edition, const QString& program);

} // namespace CommandLine
