#include "cli/clioptions.h"

bool parseCliOptions(const QStringList& args, CliOptions& o, QString& error)
{
    auto takeValue = [&](int& i, const QString& name, QString& out) {
        if (i + 1 >= args.size()) {
            error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        out = args.at(++i);
        return true;
    };
    bool onlyPaths = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args.at(i);
        if (onlyPaths || !a.startsWith(QLatin1String("--")) || a == QLatin1String("--")) {
            if (a == QLatin1String("--") && !onlyPaths) {
                onlyPaths = true;
                continue;
            }
            if (o.command.isEmpty() && !onlyPaths) {
                o.command = a;
                continue;
            }
            // An empty path (an unset shell variable) would otherwise become the working
            // folder and its whole tree would be listed.
            if (a.isEmpty()) {
                error = QStringLiteral("empty path");
                return false;
            }
            o.positional << a;
            continue;
        }
        QString name = a;
        QString inlineValue;
        bool hasInline = false;
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        if (eq > 0 && a != QLatin1String("--set")) {
            name = a.left(eq);
            inlineValue = a.mid(eq + 1);
            hasInline = true;
        }
        auto value = [&](QString& out) {
            if (hasInline) {
                out = inlineValue;
                return true;
            }
            return takeValue(i, name, out);
        };
        // A file option given an empty value is an empty path, not an option left out.
        auto path = [&](QString& out) {
            if (!value(out))
                return false;
            if (out.isEmpty()) {
                error = QStringLiteral("%1: empty path").arg(name);
                return false;
            }
            return true;
        };
        QString v;
        if (name == QLatin1String("--help") || name == QLatin1String("-h"))
            o.help = true;
        else if (name == QLatin1String("--version"))
            o.version = true;
        else if (name == QLatin1String("--profile")) {
            if (!path(o.profile))
                return false;
        } else if (name == QLatin1String("--rule")) {
            if (!path(o.rule))
                return false;
        } else if (name == QLatin1String("--set")) {
            if (!value(v))
                return false;
            const qsizetype sep = v.indexOf(QLatin1Char('='));
            if (sep <= 0) {
                error = QStringLiteral("--set needs KEY=VALUE, got \"%1\"").arg(v);
                return false;
            }
            o.sets.append({v.left(sep), v.mid(sep + 1)});
        } else if (name == QLatin1String("--folders"))
            o.folders = true;
        else if (name == QLatin1String("--no-subfolders"))
            o.noSubfolders = true;
        else if (name == QLatin1String("--format")) {
            if (!value(o.format))
                return false;
            if (o.format != QLatin1String("tsv") && o.format != QLatin1String("json")
                && o.format != QLatin1String("table")) {
                error = QStringLiteral("--format must be tsv, json or table");
                return false;
            }
        } else if (name == QLatin1String("--yes") || name == QLatin1String("-y"))
            o.yes = true;
        else if (name == QLatin1String("--no-chains"))
            o.noChains = true;
        else if (name == QLatin1String("--verbose"))
            o.verbose = true;
        else if (name == QLatin1String("--import-type")) {
            if (!value(o.importType))
                return false;
            if (o.importType != QLatin1String("files") && o.importType != QLatin1String("folders")) {
                error = QStringLiteral("--import-type must be files or folders");
                return false;
            }
        } else if (name == QLatin1String("--apply"))
            o.apply = true;
        else if (name == QLatin1String("--output")) {
            if (!path(o.output))
                return false;
        } else if (name == QLatin1String("--no-header"))
            o.noHeader = true;
        else if (name == QLatin1String("--columns")) {
            if (!value(v))
                return false;
            o.columns = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
            for (const QString& c : o.columns) {
                if (c != QLatin1String("filename") && c != QLatin1String("newfilename")
                    && c != QLatin1String("location")) {
                    error = QStringLiteral("unknown column \"%1\" (filename, newfilename, location)").arg(c);
                    return false;
                }
            }
        } else if (name == QLatin1String("--tab")) {
            if (!value(o.tab))
                return false;
            bool number = false;
            const int tab = o.tab.toInt(&number);
            if (o.tab != QLatin1String("none") && (!number || tab < 0 || tab > 9)) {
                error = QStringLiteral("--tab must be a method number from 0 to 9, or none");
                return false;
            }
        } else if (name == QLatin1String("--include-location"))
            o.includeLocation = true;
        else {
            error = QStringLiteral("unknown option %1").arg(name);
            return false;
        }
    }
    return true;
}

QString cliHelpText()
{
    return QStringLiteral(R"(quorvel-cli - rename files and folders in batches, from a shell

Usage:
  quorvel-cli preview  [options] PATH...     classify only; prints one line per item
  quorvel-cli apply    [options] PATH...     preview, then rename on disk and write a rename log
  quorvel-cli import-list FILE [--import-type files|folders] [--apply] [--yes]
                                             load a tab-separated list (current name, new name,
                                             folder) and print it; with --apply rename as it says
  quorvel-cli undo     [LOG] [--yes]         undo a rename log (the newest one when LOG is not given)
  quorvel-cli logs                           list the rename logs the undo dialog would list
  quorvel-cli export   --output FILE [--no-header] [--columns filename,newfilename,location]
                       [--include-location] [options] PATH...
                                             preview PATHs, then write the list as tab-separated text
  quorvel-cli settings [options]             print the settings after the options as an XML plist
  quorvel-cli save-profile FILE [options]    write those settings as a profile
  quorvel-cli keys [--tab N|none] [--format tsv|json|table]
                                             list the settings keys --set takes: kind, default,
                                             method tab and meaning (tsv: key, kind, default,
                                             tab, method, values, meaning)

Options:
  --profile FILE       start from this profile (.qvprofile) instead of the factory defaults
  --rule FILE          run this rule chain (.qvrule) instead of the selected method
  --set KEY=VALUE      set one settings key (repeatable, applied in order after --profile);
                       flags and integers as decimal text, dates as ISO 8601 local time
                       (2010-03-07T14:05:09), lists as texts separated by ";"; an index key
                       also sets the flags of its mode (generalOptionIndex=4 selects "reverse");
                       "quorvel-cli keys" lists the keys. A key of another method than the
                       final selectedTab has no effect: a warning says so on stderr
  --folders            rename the folders themselves (default: the files)
  --no-subfolders      do not descend into the folders given
  --format tsv|json|table
                       output form (default: table on a terminal, tsv otherwise)
  --yes                answer YES to every confirmation (apply, undo); never the question
                       whether to rename without a log (without a rename log nothing is renamed)
  --no-chains          judge every item on its own: refuse any target that exists, also one
                       another item of the batch moves away from (no shifts, swaps or cycles)
  --verbose            print progress and timing on stderr
  --version            print the program's name and version
  --help               this text

Methods are chosen with --set selectedTab=N: 0 sequences, 1 insert/delete, 2 replace/remove,
3 prefix/suffix, 4 date and time, 5 general, 6 audio tags, 7 photo metadata,
8 path components, 9 rename from list (see import-list).

Examples:
  # Replace blanks by underscores in every file below ~/Pictures, see the result first:
  quorvel-cli preview --set selectedTab=2 --set replaceRemoveThis=" " \
      --set replaceRemoveWith=_ --set isReplaceRemoveAllOccurrence=1 ~/Pictures
  # ... then do it (and keep a log that "quorvel-cli undo" can reverse):
  quorvel-cli apply --yes --set selectedTab=2 --set replaceRemoveThis=" " \
      --set replaceRemoveWith=_ --set isReplaceRemoveAllOccurrence=1 ~/Pictures
  # Number files 001, 002 ... in front of their names:
  quorvel-cli apply --yes --set selectedTab=0 --set alphaNumericNumericStartWith=1 \
      --set alphaNumericPaddingMask=000 --set isAlphaNumericPrefix=1 \
      --set isAlphaNumericSeperator=1 --set alphaNumericSeperator=_ ~/Scans
  # Names in lower case (general method, option 0, case 2):
  quorvel-cli preview --set selectedTab=5 --set generalOptionIndex=0 --set generalFileNameCase=2 .
  # Undo the last batch:
  quorvel-cli undo --yes

Names that meet: when two items of a batch would get the same name in one folder, the first
in list order keeps it and the later ones are marked "File Name Used Twice" ("Folder Name
Used Twice") and left alone. A target that another item of the batch moves away from counts
as free, so shifts (n1 -> n2, n2 -> n3 ...), swaps (a <-> b) and cycles are renamed in one
go: a chain from its end, a cycle through one hidden temporary name in the same folder.
A chain that something outside the batch blocks is refused whole ("File Already Exists").
Every move, temporary ones included, is in the rename log, so undo brings every name back.

apply and import-list --apply print one line on stderr, such as
"5 renamed, 8 refused (File Already Exists: 8) in 0.4 s", and the path of the rename log.

Exit status: 0 done (every proposed item renamed), 1 nothing to rename, 2 usage error,
3 failure (any proposed item refused or failed when renaming, or no rename log).
Data (logs, profiles, rules) lives under $XDG_DATA_HOME/Tamsel/Quorvel3, the defaults
store under $XDG_CONFIG_HOME.
)");
}
