// The command line on the drives users carry: an exFAT card (exfat-fuse) and a FAT16 stick
// (fusefat), mounted from images the test makes. Neither takes renameat2's no-replace flag
// nor hard links, and both fold letter case with inode numbers that change from lookup to
// lookup; every rename goes onto a reserved placeholder.
#include "clirunner.h"
#include "treestate.h"

#include "pipeline/renamelogreader.h"
#include "support/removablemedia.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

namespace {

// The drives, with the sizes of their camera batches. fusefat reads a folder through for
// each lookup and writes through on each change (about 0.3 s per case-only rename of a folder
// of 400 names, against under 2 ms on exfat-fuse): its batches are a tenth as long.
struct Drive {
    RemovableMedia::Format format;
    int caseOnlyBatch;
    int killedBatch;
};
const Drive kDrives[] = {{RemovableMedia::Format::ExFat, 400, 1000}, {RemovableMedia::Format::Fat16, 40, 100}};

void write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QString cameraName(int i)
{
    return QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
}

// A rename list of (current name, new name) lines in one folder.
QString listFile(const QString& at, const QString& folder, const QList<QPair<QString, QString>>& lines)
{
    QByteArray text;
    for (const auto& [from, to] : lines)
        text += (from + QLatin1Char('\t') + to + QLatin1Char('\t') + folder + QLatin1Char('\n')).toUtf8();
    write(at, text);
    return at;
}

QStringList names(const QString& folder)
{
    QStringList out = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    out.sort();
    return out;
}

struct MediaCase {
    const char* what;
    QList<QPair<QString, QByteArray>> files; // laid out below the case's folder
    // The command's arguments after "apply" or "import-list LIST", given the case's folder
    // and the list's path; an empty list of lines runs "apply".
    QStringList arguments;
    QList<QPair<QString, QString>> listLines;
    QString item; // what "apply" is given below the case's folder ("" for the folder itself)
    int exitCode;
    QStringList expectedNames;       // in the case's folder afterwards (empty: not checked)
    QStringList expectedOutput;      // texts the item lines or the outcome line hold
};

} // namespace

// One table of cases on each drive, then a remount (the driver numbers the files anew) and
// the undo of every log, newest first: the drive holds exactly what it held before.
TEST(RemovableMediaDrives, RenameCaseRenameSwapAndUndoAfterARemountWithNothingReplaced)
{
    if (CliRunner::program().isEmpty())
        GTEST_SKIP() << "quorvel-cli is not built";
    int mounted = 0;
    QStringList skipped;
    for (const Drive& drive : kDrives) {
    const RemovableMedia::Format format = drive.format;
    QStringList lowerCameraNames;
    QList<QPair<QString, QByteArray>> cameraFiles;
    for (int i = 1; i <= drive.caseOnlyBatch; ++i) {
        lowerCameraNames << cameraName(i).replace(QStringLiteral("IMG"), QStringLiteral("img"));
        cameraFiles.append({cameraName(i), QByteArray::number(i)});
    }
    const QList<MediaCase> cases = {
        {"a plain batch", {{"a.txt", "a"}, {"b.txt", "b"}, {"c.txt", "c"}},
         {"--set", "selectedTab=3", "--set", "prefixSuffixPrefix=new_"}, {}, "", 0,
         {"new_a.txt", "new_b.txt", "new_c.txt"}, {"3 renamed", "on this drive renames are checked, not atomic"}},
        {"a case-only batch of camera names", cameraFiles,
         {"--set", "selectedTab=5", "--set", "generalOptionIndex=0", "--set", "generalFileNameCase=2"}, {}, "", 0,
         lowerCameraNames, {QStringLiteral("%1 renamed").arg(drive.caseOnlyBatch)}},
        {"a target taken in another case", {{"a.txt", "a"}, {"B.TXT", "other"}, {"c.txt", "c"}}, {},
         {{"a.txt", "b.txt"}, {"c.txt", "c2.txt"}}, "", 0, {"B.TXT", "a.txt", "c2.txt"}, {"File Already Exists"}},
        {"a swap", {{"x.txt", "x"}, {"y.txt", "y"}}, {}, {{"x.txt", "y.txt"}, {"y.txt", "x.txt"}}, "", 0,
         {"x.txt", "y.txt"}, {"2 renamed"}},
        // fusefat renames a folder as an empty one: it is refused there, never emptied.
        format == RemovableMedia::Format::ExFat
            ? MediaCase{"a folder with its contents", {{"Album/one.jpg", "1"}, {"Album/two.jpg", "2"}},
                        {"--folders", "--set", "selectedTab=3", "--set", "prefixSuffixPrefix=new_"}, {}, "/Album", 0,
                        {"new_Album"}, {"1 renamed"}}
            : MediaCase{"a folder with its contents", {{"Album/one.jpg", "1"}, {"Album/two.jpg", "2"}},
                        {"--folders", "--set", "selectedTab=3", "--set", "prefixSuffixPrefix=new_"}, {}, "/Album", 3,
                        {"Album"}, {"Could Not Rename: 1 (Operation not supported)"}},
    };
        SCOPED_TRACE(RemovableMedia::name(format));
        RemovableMedia media(format);
        if (!media.isMounted()) {
            skipped << QStringLiteral("%1: %2").arg(RemovableMedia::name(format), media.whyNot());
            continue;
        }
        ++mounted;
        CliRunner cli;
        int logs = 0;
        for (const MediaCase& c : cases) {
            SCOPED_TRACE(c.what);
            const QString folder = media.root() + QLatin1Char('/') + QString::fromLatin1(c.what).replace(' ', '_');
            for (const auto& [name, content] : c.files)
                write(folder + QLatin1Char('/') + name, content);
            QStringList arguments;
            if (c.listLines.isEmpty())
                arguments = QStringList{"apply"} + c.arguments
                    + QStringList{"--yes", "--no-subfolders", "--format", "tsv", folder + c.item};
            else
                arguments = {"import-list", listFile(cli.home() + "/list.txt", folder, c.listLines), "--apply", "--yes",
                             "--format", "tsv"};
            const CliRunner::Result result = cli.run(arguments);
            EXPECT_EQ(result.exitCode, c.exitCode) << result.err.constData();
            if (!c.expectedNames.isEmpty())
                EXPECT_EQ(names(folder), c.expectedNames);
            for (const QString& text : c.expectedOutput)
                EXPECT_TRUE((result.out + result.err).contains(text.toUtf8())) << result.err.constData();
            logs += result.err.contains(".xml") ? 1 : 0;
        }
        // The swap exchanged the contents under the two names.
        EXPECT_EQ(TreeState::read(media.root() + "/a_swap").files.value("x.txt"), "y");

        ASSERT_TRUE(media.remount()) << media.whyNot().toStdString();
        for (int i = 0; i < logs; ++i) {
            const CliRunner::Result undone = cli.run({"undo", "--yes"});
            EXPECT_EQ(undone.exitCode, 0) << undone.err.constData();
        }
        for (const MediaCase& c : cases) {
            SCOPED_TRACE(c.what);
            const QString folder = media.root() + QLatin1Char('/') + QString::fromLatin1(c.what).replace(' ', '_');
            const TreeState after = TreeState::read(folder);
            TreeState before;
            for (const auto& [name, content] : c.files) {
                before.files.insert(name, content);
                if (name.contains(QLatin1Char('/')) && !before.folders.contains(name.section('/', 0, 0)))
                    before.folders << name.section('/', 0, 0);
            }
            EXPECT_EQ(after, before) << after.differences(before).toStdString();
        }
    }
    if (mounted == 0)
        GTEST_SKIP() << skipped.join(QStringLiteral("; ")).toStdString();
    for (const QString& why : skipped)
        std::printf("[ skipped  ] %s\n", qPrintable(why));
}

// kill -9 in the middle of a case-only batch of 1,000 camera names (100 on FAT16), each renamed through a
// temporary name onto reserved placeholders: the undo of the journal recovers (a placeholder
// left empty goes, the moves never made are passed over) and brings every name back.
TEST(RemovableMediaDrives, AKilledCaseOnlyBatchIsRecoveredAndUndone)
{
    if (CliRunner::program().isEmpty())
        GTEST_SKIP() << "quorvel-cli is not built";
    int mounted = 0;
    QString why;
    for (const Drive& drive : kDrives) {
        const RemovableMedia::Format format = drive.format;
        SCOPED_TRACE(RemovableMedia::name(format));
        RemovableMedia media(format);
        if (!media.isMounted()) {
            why = media.whyNot();
            continue;
        }
        ++mounted;
        const QString folder = media.root() + QStringLiteral("/DCIM");
        for (int i = 1; i <= drive.killedBatch; ++i)
            write(folder + QLatin1Char('/') + cameraName(i), QByteArray::number(i));
        const TreeState before = TreeState::read(folder);
        CliRunner cli;
        const pid_t pid = cli.start({"apply", "--yes", "--no-subfolders", "--set", "selectedTab=5", "--set",
                                     "generalOptionIndex=0", "--set", "generalFileNameCase=2", folder});
        // Killed once half the names are changed (the journal is written ahead in batches).
        QElapsedTimer clock;
        clock.start();
        siginfo_t info{};
        while (clock.elapsed() < 120000) {
            if (QDir(folder).entryList({"img_*"}, QDir::Files | QDir::CaseSensitive).size() >= drive.killedBatch / 2)
                break;
            info.si_pid = 0;
            if (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid)
                break;
            QThread::msleep(5);
        }
        ::kill(pid, SIGKILL);
        const CliRunner::Result killed = cli.wait(pid);
        const bool landed = killed.signal == SIGKILL;
        const QStringList logs = QDir(cli.logFolder()).entryList({"*#*"}, QDir::Files);
        const QString journal = logs.isEmpty() ? QString() : cli.logFolder() + QLatin1Char('/') + logs.front();
        std::printf("[ killed   ] %s: %s, %d journal entries\n", RemovableMedia::name(format),
                    landed ? "in the middle of the batch" : "after the batch", RenameLogReader::countEntries(journal));
        const CliRunner::Result undone = cli.run(landed ? QStringList{"undo", journal, "--yes"} : QStringList{"undo", "--yes"});
        EXPECT_EQ(undone.exitCode, 0) << undone.err.constData();
        const TreeState after = TreeState::read(folder);
        EXPECT_EQ(after, before) << after.differences(before).toStdString();
    }
    if (mounted == 0)
        GTEST_SKIP() << why.toStdString();
}
