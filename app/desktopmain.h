#pragma once

#include "platform/edition.h"

#include <QString>

// The whole life of a desktop program: the edition chosen, --version and --help answered,
// a running instance handed this launch's documents, else the window shown until quit.
// desktopFileName is the desktop entry the program is known by ("" when it has none).
int runDesktopProgram(int argc, char** argv, Edition::Kind kind, const QString& programName,
                      const QString& desktopFileName);
