#include "cli/clioptions.h"

#include "pipeline/listsort.h"

namespace {

// Checks and sets an option's value; returns the error text when it is refused (empty
// when it is taken).
using SetValue = QString (*)(CliOptions& o, const QString& value);

// One option: a flag, a file path (a value that must not be empty: an empty path is not an
// option left out), or a value that set checks.
struct OptionRow {
    QLatin1String name;
    bool CliOptions::*flag = nullptr;
    QString CliOptions::*path = nullptr;
    SetValue set = nullptr;
};

QString accepted()
{
    return {};
}

QString setKeyValue(CliOptions& o, const QString& v)
{
    const qsizetype sep = v.indexOf(QLatin1Char('='));
    if (sep <= 0)
        return QStringLiteral("--set needs KEY=VALUE, got \"%1\"").arg(v);
    o.sets.append({v.left(sep), v.mid(sep + 1)});
    return accepted();
}

QString setFormat(CliOptions& o, const QString& v)
{
    o.format = v;
    if (v != QLatin1String("tsv") && v != QLatin1String("json") && v != QLatin1String("table"))
        return QStringLiteral("--format must be tsv, json or table");
    return accepted();
}

QString setImportType(CliOptions& o, const QString& v)
{
    o.importType = v;
    if (v != QLatin1String("files") && v != QLatin1String("folders"))
        return QStringLiteral("--import-type must be files or folders");
    return accepted();
}

QString setColumns(CliOptions& o, const QString& v)
{
    o.columns = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& c : o.columns) {
        if (c != QLatin1String("filename") && c != QLatin1String("newfilename") && c != QLatin1String("location"))
            return QStringLiteral("unknown column \"%1\" (filename, newfilename, location)").arg(c);
    }
    return accepted();
}

QString setTab(CliOptions& o, const QString& v)
{
    o.tab = v;
    bool number = false;
    const int tab = v.toInt(&number);
    if (v != QLatin1String("none") && (!number || tab < 0 || tab > 9))
        return QStringLiteral("--tab must be a method number from 0 to 9, or none");
    return accepted();
}

QString setSort(CliOptions& o, const QString& v)
{
    o.sort = v;
    if (!ListSort::parse(v))
        return QStringLiteral("--sort must be name, taken, modified or size, optionally followed by ,desc");
    return accepted();
}

const OptionRow kOptions[] = {
    {.name = QLatin1String("--help"), .flag = &CliOptions::help},
    {.name = QLatin1String("--version"), .flag = &CliOptions::version},
    {.name = QLatin1String("--profile"), .path = &CliOptions::profile},
    {.name = QLatin1String("--rule"), .path = &CliOptions::rule},
    {.name = QLatin1String("--set"), .set = setKeyValue},
    {.name = QLatin1String("--folders"), .flag = &CliOptions::folders},
    {.name = QLatin1String("--no-subfolders"), .flag = &CliOptions::noSubfolders},
    {.name = QLatin1String("--format"), .set = setFormat},
    {.name = QLatin1String("--yes"), .flag = &CliOptions::yes},
    {.name = QLatin1String("--no-chains"), .flag = &CliOptions::noChains},
    {.name = QLatin1String("--verbose"), .flag = &CliOptions::verbose},
    {.name = QLatin1String("--import-type"), .set = setImportType},
    {.name = QLatin1String("--apply"), .flag = &CliOptions::apply},
    {.name = QLatin1String("--output"), .path = &CliOptions::output},
    {.name = QLatin1String("--no-header"), .flag = &CliOptions::noHeader},
    {.name = QLatin1String("--columns"), .set = setColumns},
    {.name = QLatin1String("--tab"), .set = setTab},
    {.name = QLatin1String("--include-location"), .flag = &CliOptions::includeLocation},
    {.name = QLatin1String("--sort"), .set = setSort},
    {.name = QLatin1String("--companions"), .flag = &CliOptions::companions},
    {.name = QLatin1String("--number-duplicates"), .flag = &CliOptions::numberDuplicates},
};

const OptionRow* findOption(const QString& name)
{
    for (const OptionRow& row : kOptions) {
        if (name == row.name)
            return &row;
    }
    return nullptr;
}

// The first argument that is not an option is the command, the others are paths; after
// "--" every argument is a path.
bool takePositional(const QString& a, bool& onlyPaths, CliOptions& o, QString& error)
{
    if (a == QLatin1String("--") && !onlyPaths) {
        onlyPaths = true;
        return true;
    }
    if (o.command.isEmpty() && !onlyPaths) {
        o.command = a;
        return true;
    }
    // An empty path (an unset shell variable) would otherwise become the working folder
    // and its whole tree would be listed.
    if (a.isEmpty()) {
        error = QStringLiteral("empty path");
        return false;
    }
    o.positional << a;
    return true;
}

// The value of the option named name at args[i]: after its "=", else the next argument
// (i moves past it).
bool takeValue(const QStringList& args, int& i, const QString& name, qsizetype eq, QString& value, QString& error)
{
    if (eq > 0) {
        value = args.at(i).mid(eq + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        error = QStringLiteral("%1 needs a value").arg(name);
        return false;
    }
    value = args.at(++i);
    return true;
}

// The option at args[i]: "--name", "--name VALUE" or "--name=VALUE" (a flag ignores a value
// given after "=").
bool takeOption(const QStringList& args, int& i, CliOptions& o, QString& error)
{
    const qsizetype eq = args.at(i).indexOf(QLatin1Char('='));
    const QString name = eq > 0 ? args.at(i).left(eq) : args.at(i);
    const OptionRow* row = findOption(name);
    if (!row) {
        error = QStringLiteral("unknown option %1").arg(name);
        return false;
    }
    if (row->flag) {
        o.*row->flag = true;
        return true;
    }
    QString value;
    if (!takeValue(args, i, name, eq, value, error))
        return false;
    if (row->path) {
        if (value.isEmpty()) {
            error = QStringLiteral("%1: empty path").arg(name);
            return false;
        }
        o.*row->path = value;
        return true;
    }
    const QString refused = row->set(o, value);
    if (refused.isEmpty())
        return true;
    error = refused;
    return false;
}

} // namespace

bool parseCliOptions(const QStringList& args, CliOptions& o, QString& error)
{
    bool onlyPaths = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool isOption = !onlyPaths && a.startsWith(QLatin1String("--")) && a != QLatin1String("--");
        if (!(isOption ? takeOption(args, i, o, error) : takePositional(a, onlyPaths, o, error)))
            return false;
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
  --sort name|taken|modified|size[,desc]
                       order of the list, which sequence numbers follow (default: the order
                       the paths were given): by name, capture time (files without one last),
                       modification time or size; per-folder numbering keeps it in each folder
  --companions         rename companion files with their item: files of the same folder that
                       share the stem (IMG_0001.CR2, .JPG, .xmp, IMG_0001.CR2.xmp) take the
                       new stem of the first, raw formats first (isRenameCompanions=1)
  --number-duplicates  number names used twice instead of refusing them: the first keeps the
                       name, later ones take "-2", "-3" ... before the extension
                       (isNumberNamesUsedTwice=1; namesUsedTwiceSeparator sets the "-")
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
