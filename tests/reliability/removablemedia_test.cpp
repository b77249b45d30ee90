// The command line on the drives users carry: an exFAT card (exfat-fuse) and a FAT16 stick
// (fusefat), mounted from images the test makes. Neither takes renameat2's no-replace flag
// nor hard links, and both fold letter case with inode numbers that change from lookup to
// lookup: every rename goes onto a reserved placeholder.
#include "clirunner.h"
#include "treestate.h"

#include "support/removablemedia.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <signal.h>
#include <sys/wait.h>

namespace {

// The drives, with the sizes of their camera batches. fusefat reads a folder through for each
// lookup and writes through on each change (about 0.3 s per case-only rename in a folder of
// 400 names, against under 2 ms on exfat-fuse): its batches are a tenth as long.
struct Drive {
    RemovableMedia::Format format;
    int caseOnlyBatch;
    int killedBatch;
};
const Drive kDrives[] = {{RemovableMedia::Format::ExFat, 400, 1000}, {RemovableMedia::Format::Fat16, 40, 100}};

// Runs body on each drive that can be mounted here; skips when none can.
void onEachDrive(const std::function<void(const Drive&, RemovableMedia&)>& body)
{
    if (CliRunner::program().isEmpty())
        GTEST_SKIP() << "quorvel-cli is not built";
    QStringList skipped;
    for (const Drive& drive : kDrives) {
        SCOPED_TRACE(RemovableMedia::name(drive.format));
        RemovableMedia media(drive.format);
        if (media.isMounted())
            body(drive, media);
        else
            skipped << QStringLiteral("%1: %2").arg(RemovableMedia::name(drive.format), media.whyNot());
    }
    if (skipped.size() == int(std::size(kDrives)))
        GTEST_SKIP() << skipped.join(QStringLiteral("; ")).toStdString();
}

void write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QString cameraName(int i, const char* prefix = "IMG")
{
    return QStringLiteral("%1_%2.JPG").arg(QLatin1String(prefix)).arg(i, 4, 10, QLatin1Char('0'));
}

struct MediaCase {
    const char* what;
    QList<QPair<QString, QByteArray>> files;  // laid out in the case's folder
    QStringList apply;                        // apply's options, or
    QList<QPair<QString, QString>> listLines; // the lines of a rename list in that folder
    int exitCode;
    QStringList names;  // in the folder afterwards
    QString output;     // a text the item lines or the outcome line hold
    QString item = {};  // what apply is given below the folder ("" for the folder)
};

} // namespace

// One table of cases on each drive, then a remount (the driver numbers the files anew) and
// the undo of every log, newest first: each folder holds exactly what it held before.
TEST(RemovableMediaDrives, RenameCaseRenameSwapAndUndoAfterARemountWithNothingReplaced)
{
    onEachDrive([](const Drive& drive, RemovableMedia& media) {
        QList<QPair<QString, QByteArray>> camera;
        QStringList lowered;
        for (int i = 1; i <= drive.caseOnlyBatch; ++i) {
            camera.append({cameraName(i), QByteArray::number(i)});
            lowered << cameraName(i, "img");
        }
        const QStringList prefix = {"--set", "selectedTab=3", "--set", "prefixSuffixPrefix=new_"};
        const bool fat = drive.format == RemovableMedia::Format::Fat16;
        const QList<MediaCase> cases = {
            {"plain", {{"a.txt", "a"}, {"b.txt", "b"}}, prefix, {}, 0, {"new_a.txt", "new_b.txt"},
             "on this drive renames are checked, not atomic"},
            {"case", camera, {"--set", "selectedTab=5", "--set", "generalOptionIndex=0", "--set", "generalFileNameCase=2"},
             {}, 0, lowered, QStringLiteral("%1 renamed").arg(drive.caseOnlyBatch)},
            {"taken", {{"a.txt", "a"}, {"B.TXT", "other"}, {"c.txt", "c"}}, {}, {{"a.txt", "b.txt"}, {"c.txt", "c2.txt"}},
             3, {"B.TXT", "a.txt", "c2.txt"}, "File Already Exists"},
            {"swap", {{"x.txt", "x"}, {"y.txt", "y"}}, {}, {{"x.txt", "y.txt"}, {"y.txt", "x.txt"}}, 0,
             {"x.txt", "y.txt"}, "2 renamed"},
            // fusefat renames a folder as an empty one: the move is refused there, never made.
            {"folder", {{"Album/one.jpg", "1"}, {"Album/two.jpg", "2"}}, QStringList{"--folders"} + prefix, {},
             fat ? 3 : 0, {fat ? "Album" : "new_Album"},
             fat ? "Could Not Rename: 1 (Operation not supported)" : "1 renamed", "/Album"},
        };
        CliRunner cli;
        QList<TreeState> before;
        int logs = 0;
        for (const MediaCase& c : cases) {
            SCOPED_TRACE(c.what);
            const QString folder = media.root() + QLatin1Char('/') + QLatin1String(c.what);
            for (const auto& [name, content] : c.files)
                write(folder + QLatin1Char('/') + name, content);
            before << TreeState::read(folder);
            QByteArray list;
            for (const auto& [from, to] : c.listLines)
                list += (from + QLatin1Char('\t') + to + QLatin1Char('\t') + folder + QLatin1Char('\n')).toUtf8();
            write(cli.home() + "/list.txt", list);
            const CliRunner::Result result = cli.run(
                (list.isEmpty() ? QStringList{"apply"} + c.apply + QStringList{"--no-subfolders", folder + c.item}
                                : QStringList{"import-list", cli.home() + "/list.txt", "--apply"})
                + QStringList{"--yes", "--format", "tsv"});
            EXPECT_EQ(result.exitCode, c.exitCode) << result.err.constData();
            QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            names.sort();
            EXPECT_EQ(names, c.names);
            EXPECT_TRUE((result.out + result.err).contains(c.output.toUtf8())) << result.err.constData();
            logs += result.err.contains(".xml") ? 1 : 0;
        }
        EXPECT_EQ(TreeState::read(media.root() + "/swap").files.value("x.txt"), "y");

        ASSERT_TRUE(media.remount()) << media.whyNot().toStdString();
        for (int i = 0; i < logs; ++i)
            EXPECT_EQ(cli.run({"undo", "--yes"}).exitCode, 0);
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const TreeState after = TreeState::read(media.root() + QLatin1Char('/') + QLatin1String(cases[i].what));
            EXPECT_EQ(after, before[i]) << cases[i].what << ": " << after.differences(before[i]).toStdString();
        }
    });
}

// kill -9 in the middle of a case-only batch of 1,000 camera names (100 on FAT16), each
// renamed through a temporary name onto reserved placeholders: the undo of the journal
// recovers (a placeholder left empty goes, the moves never made are passed over) and brings
// every name back.
TEST(RemovableMediaDrives, AKilledCaseOnlyBatchIsRecoveredAndUndone)
{
    onEachDrive([](const Drive& drive, RemovableMedia& media) {
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
        while (clock.elapsed() < 120000
               && QDir(folder).entryList({"img_*"}, QDir::Files | QDir::CaseSensitive).size() < drive.killedBatch / 2
               && !(::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid))
            QThread::msleep(5);
        ::kill(pid, SIGKILL);
        const bool landed = cli.wait(pid).signal == SIGKILL;
        const QStringList journals = QDir(cli.logFolder()).entryList({"*#*"}, QDir::Files);
        std::printf("[ killed   ] %s: %s\n", RemovableMedia::name(drive.format),
                    landed ? "in the middle of the batch" : "after the batch");
        const QStringList undo = landed && !journals.isEmpty()
            ? QStringList{"undo", cli.logFolder() + QLatin1Char('/') + journals.front(), "--yes"}
            : QStringList{"undo", "--yes"};
        const CliRunner::Result undone = cli.run(undo);
        EXPECT_EQ(undone.exitCode, 0) << undone.err.constData();
        const TreeState after = TreeState::read(folder);
        EXPECT_EQ(after, before) << after.differences(before).toStdString();
    });
}
