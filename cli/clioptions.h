#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The command line: a command, its positional arguments and the options of the CLI
// contract. Parsing never exits; errors are returned as text.
struct CliOptions {
    QString command;
    QStringList positional;

    QString profile;                         // --profile FILE
    QString rule;                            // --rule FILE
    QList<QPair<QString, QString>> sets;     // --set KEY=VALUE, in order
    bool folders = false;                    // --folders
    bool noSubfolders = false;               // --no-subfolders
    QString format;                          // --format tsv|json|table ("" = by terminal)
    bool yes = false;                        // --yes
    bool verbose = false;                    // --verbose
    bool noChains = false;                   // --no-chains
    QString sort;                            // --sort name|taken|modified|size[,desc] ("" = as given)
    bool companions = false;                 // --companions
    bool numberDuplicates = false;           // --number-duplicates

    // import-list
    QString importType;                      // --import-type files|folders
    bool apply = false;                      // --apply
    // export
    QString output;                          // --output FILE
    bool noHeader = false;                   // --no-header
    QStringList columns;                     // --columns filename,newfilename,location
    bool includeLocation = false;            // --include-location
    // keys
    QString tab;                             // --tab N|none ("" = every key)

    bool help = false;
    bool version = false;
};

// Parses argv (without the program name). Returns false with an error text for an
// unknown option or a missing value.
bool parseCliOptions(const QStringList& args, CliOptions& options, QString& error);

// The text of --help.
QString cliHelpText();
