// The rename log: its name, the journal written ahead of the renames, the final log and
// the streaming reader that undo relies on.
#include "engine/stringutilities.h"
#include "pipeline/renamelog.h"
#include "pipeline/renamelogreader.h"
#include "support/temptree.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <tuple>

namespace {

QString journalIn(TempTree& tree, const QString& stamp = QStringLiteral("07-03-2026 09-05-02"))
{
    return tree.folder(QStringLiteral("Logs")) + QStringLiteral("/Log %1-#.xml").arg(stamp);
}

bool exists(const QString& path)
{
    return QFileInfo::exists(path);
}

// The log as an XML reader alone reads it, to hold the reader's line-by-line path against.
RenameLogContents readAsXml(const QByteArray& document)
{
    RenameLogContents contents;
    QXmlStreamReader reader(document);
    int depth = 0;
    RenameLogEntry entry;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth == 1) {
            contents.readable = reader.name() == QLatin1String("files");
            contents.appversion = reader.attributes().value(QLatin1String("appversion")).toString();
            contents.type = reader.attributes().value(QLatin1String("type")).toString();
        } else if (token == QXmlStreamReader::StartElement && depth == 2) {
            const QXmlStreamAttributes a = reader.attributes();
            entry = {a.value(QLatin1String("srclocation")).toString(), a.value(QLatin1String("tarlocation")).toString(),
                     a.value(QLatin1String("srcfilename")).toString(), a.value(QLatin1String("tarfilename")).toString(),
                     a.size() >= 4, a.value(QLatin1String("inode")).toULongLong()};
            const QStringView reserved = a.value(QLatin1String("reserved"));
            entry.reservation = reserved.isEmpty() ? RenameLogEntry::Reservation::None
                : reserved == QLatin1String("1")   ? RenameLogEntry::Reservation::Made
                                                   : RenameLogEntry::Reservation::Planned;
        } else if (token == QXmlStreamReader::EndElement && depth-- == 2) {
            contents.entries.append(entry);
        }
    }
    contents.ok = contents.readable && !reader.hasError();
    return contents;
}

} // namespace

TEST(RenameLogName, CarriesTheStartTimeAndTheCount)
{
    const QDateTime start(QDate(2026, 3, 7), QTime(9, 5, 2));
    const QString name = getNewLogFileName(start);
    EXPECT_EQ(name, QStringLiteral("Log 07-03-2026 09-05-02-#.xml"));
    EXPECT_EQ(logFileNameWithCount(name, QStringLiteral("12")), QStringLiteral("Log 07-03-2026 09-05-02-12.xml"));

    // A second log of the same second and count still splits into six parts whose last
    // starts with the count.
    const QString second = logFileNameWithCount(name, QStringLiteral("12"), 2);
    EXPECT_EQ(second, QStringLiteral("Log 07-03-2026 09-05-02-12 (2).xml"));
    const QStringList parts = QFileInfo(second).completeBaseName().split(QLatin1Char('-'));
    ASSERT_EQ(parts.size(), 6);
    EXPECT_TRUE(parts.last().startsWith(QStringLiteral("12")));
    EXPECT_EQ(QDateTime::currentDateTime().toString(QStringLiteral("'Log 'dd-MM-yyyy HH-mm-ss'-#.xml'")).size(),
              getNewLogFileName().size());
}

TEST(RenameLogJournal, StaysWellFormedAndLockedWhileTheApplyRuns)
{
    TempTree tree;
    RenameLogJournal log;
    const QString path = journalIn(tree);
    ASSERT_TRUE(log.createLogFile(path, QStringLiteral("FILES")));
    EXPECT_EQ(log.journalPath(), path);
    EXPECT_TRUE(RenameLogReader::isLockedByRunningApply(path));

    RenameLogContents empty = RenameLogReader::read(path);
    EXPECT_TRUE(empty.ok) << empty.error.toStdString();
    EXPECT_EQ(empty.appversion, StringUtilities::appVersion());
    EXPECT_EQ(empty.type, QStringLiteral("FILES"));
    EXPECT_TRUE(empty.entries.isEmpty());

    for (int i = 1; i <= 3; ++i) {
        ASSERT_EQ(log.addLogEntry(tree.at(QStringLiteral("a%1").arg(i)), tree.at(QStringLiteral("b%1").arg(i))),
                  RenameLogJournal::EntryResult::Added);
        const RenameLogContents now = RenameLogReader::read(path);
        EXPECT_TRUE(now.ok) << "after entry " << i << ": " << now.error.toStdString();
        ASSERT_EQ(now.entries.size(), i);
        EXPECT_EQ(now.entries.last().tarfilename, QStringLiteral("b%1").arg(i));
        EXPECT_EQ(RenameLogReader::countEntries(path), i);
    }

    // A move that failed takes its entry back; the document stays complete.
    ASSERT_TRUE(log.takeBackLastEntry());
    EXPECT_FALSE(log.takeBackLastEntry()) << "only the last entry can be taken back";
    RenameLogContents back = RenameLogReader::read(path);
    EXPECT_TRUE(back.ok) << back.error.toStdString();
    ASSERT_EQ(back.entries.size(), 2);
    EXPECT_EQ(back.entries.last().srcfilename, QStringLiteral("a2"));
    EXPECT_FALSE(QFile(path).readAll().contains("a3"));
    ASSERT_EQ(log.addLogEntry(tree.at(QStringLiteral("a4")), tree.at(QStringLiteral("b4"))),
              RenameLogJournal::EntryResult::Added);
    EXPECT_EQ(RenameLogReader::read(path).entries.size(), 3);

    // The final log appears under the count, and only then is the journal removed.
    const QString saved = log.saveLog();
    EXPECT_EQ(saved, tree.at(QStringLiteral("Logs/Log 07-03-2026 09-05-02-3.xml")));
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(RenameLogReader::isLockedByRunningApply(saved));
    const RenameLogContents final = RenameLogReader::read(saved);
    EXPECT_TRUE(final.ok);
    ASSERT_EQ(final.entries.size(), 3);
    EXPECT_EQ(final.entries.at(0).srcfilename, QStringLiteral("a1"));
    EXPECT_EQ(final.entries.at(1).srcfilename, QStringLiteral("a2"));
    EXPECT_EQ(final.entries.at(2).srcfilename, QStringLiteral("a4"));
    EXPECT_EQ(tree.names(QStringLiteral("Logs")), QStringList{QStringLiteral("Log 07-03-2026 09-05-02-3.xml")});
}

TEST(RenameLogJournal, FinalLogHasTheDocumentedShape)
{
    TempTree tree;
    RenameLogJournal log;
    ASSERT_TRUE(log.createLogFile(journalIn(tree), QStringLiteral("FOLDERS")));
    // On disk a name holds ":" where the user sees "/"; locations stay as on disk.
    ASSERT_EQ(log.addLogEntry(QStringLiteral("/x:y/a:b"), QStringLiteral("/x:y/c & <d>")),
              RenameLogJournal::EntryResult::Added);
    ASSERT_EQ(log.addLogEntry(QStringLiteral("/t/tab\there"), QStringLiteral("/t/line\nfeed\rreturn \"q\"")),
              RenameLogJournal::EntryResult::Added);
    // Plain names, with and without the inode, at the root and outside ASCII.
    ASSERT_EQ(log.addLogEntry(QStringLiteral("/x:y/p:q"), QStringLiteral("/x:y/r"), 42), RenameLogJournal::EntryResult::Added);
    ASSERT_EQ(log.addLogEntry(QStringLiteral("/top"), QStringLiteral("/x/deep")), RenameLogJournal::EntryResult::Added);
    ASSERT_EQ(log.addLogEntry(QStringLiteral("/caf\u00e9/\u00fc"), QStringLiteral("/caf\u00e9/\u00df"), 7),
              RenameLogJournal::EntryResult::Added);
    // Moves announced and never made are not in the final log, not even as blank space.
    ASSERT_EQ(log.announceMoves({{QStringLiteral("/n/never"), QStringLiteral("/n/made"), 9},
                                 {QStringLiteral("/n/nor"), QStringLiteral("/n/this"), 0}}),
              2);
    const QString saved = log.saveLog();
    ASSERT_FALSE(saved.isEmpty());

    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<files appversion=\""
        + StringUtilities::appVersion().toUtf8()
        + "\" type=\"FOLDERS\">\n"
          "    <file srclocation=\"/x:y\" tarlocation=\"/x:y\" srcfilename=\"a/b\" tarfilename=\"c &amp; &lt;d&gt;\"/>\n"
          "    <file srclocation=\"/t\" tarlocation=\"/t\" srcfilename=\"tab&#9;here\" "
          "tarfilename=\"line&#10;feed&#13;return &quot;q&quot;\"/>\n"
          "    <file srclocation=\"/x:y\" tarlocation=\"/x:y\" srcfilename=\"p/q\" tarfilename=\"r\" inode=\"42\"/>\n"
          "    <file srclocation=\"/\" tarlocation=\"/x\" srcfilename=\"top\" tarfilename=\"deep\"/>\n"
          "    <file srclocation=\"/caf\xc3\xa9\" tarlocation=\"/caf\xc3\xa9\" srcfilename=\"\xc3\xbc\" "
          "tarfilename=\"\xc3\x9f\" inode=\"7\"/>\n"
          "</files>\n";
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray actual = file.readAll();
    EXPECT_EQ(actual.toStdString(), expected.toStdString());

    const RenameLogContents read = RenameLogReader::read(saved);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.type, QStringLiteral("FOLDERS"));
    ASSERT_EQ(read.entries.size(), 5);
    EXPECT_TRUE(read.entries.at(0).hasAllAttributes);
    EXPECT_EQ(read.entries.at(0).srclocation, QStringLiteral("/x:y"));
    EXPECT_EQ(read.entries.at(0).srcfilename, QStringLiteral("a/b"));
    EXPECT_EQ(read.entries.at(0).tarfilename, QStringLiteral("c & <d>"));
    EXPECT_EQ(read.entries.at(1).srcfilename, QStringLiteral("tab\there"));
    EXPECT_EQ(read.entries.at(1).tarfilename, QStringLiteral("line\nfeed\rreturn \"q\""));
    EXPECT_EQ(read.entries.at(2).srcfilename, QStringLiteral("p/q"));
    EXPECT_EQ(read.entries.at(2).inode, 42u);
    EXPECT_EQ(read.entries.at(4).srclocation, QStringLiteral("/caf\u00e9"));
}

TEST(RenameLogJournal, EmptyApplyLeavesALogEndingInZero)
{
    TempTree tree;
    RenameLogJournal log;
    ASSERT_TRUE(log.createLogFile(journalIn(tree), QStringLiteral("FILES")));
    const QString saved = log.saveLog();
    EXPECT_TRUE(saved.endsWith(QStringLiteral("-0.xml")));
    const RenameLogContents read = RenameLogReader::read(saved);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.appversion, StringUtilities::appVersion());
    EXPECT_EQ(read.type, QStringLiteral("FILES"));
    EXPECT_TRUE(read.entries.isEmpty());
}

TEST(RenameLogJournal, TwoAppliesInTheSameSecondKeepBothLogs)
{
    TempTree tree;
    const QString path = journalIn(tree);
    RenameLogJournal first, second;
    ASSERT_TRUE(first.createLogFile(path, QStringLiteral("FILES")));
    ASSERT_TRUE(second.createLogFile(path, QStringLiteral("FILES")));
    EXPECT_EQ(second.journalPath(), tree.at(QStringLiteral("Logs/Log 07-03-2026 09-05-02-# (2).xml")));
    first.addLogEntry(QStringLiteral("/f/one"), QStringLiteral("/f/uno"));
    second.addLogEntry(QStringLiteral("/f/two"), QStringLiteral("/f/dos"));

    const QString a = first.saveLog();
    const QString b = second.saveLog();
    EXPECT_EQ(a, tree.at(QStringLiteral("Logs/Log 07-03-2026 09-05-02-1.xml")));
    EXPECT_EQ(b, tree.at(QStringLiteral("Logs/Log 07-03-2026 09-05-02-1 (2).xml")));
    EXPECT_EQ(RenameLogReader::read(a).entries.value(0).srcfilename, QStringLiteral("one"));
    EXPECT_EQ(RenameLogReader::read(b).entries.value(0).srcfilename, QStringLiteral("two"));
    EXPECT_EQ(tree.names(QStringLiteral("Logs")).size(), 2);
}

TEST(RenameLogJournal, KilledApplyLeavesAReadableJournal)
{
    TempTree tree;
    const QString path = journalIn(tree);
    {
        RenameLogJournal log;
        ASSERT_TRUE(log.createLogFile(path, QStringLiteral("FILES")));
        log.addLogEntry(QStringLiteral("/f/a"), QStringLiteral("/f/b"));
        log.addLogEntry(QStringLiteral("/f/c"), QStringLiteral("/f/d"));
        // Gone without saveLog, as when the process dies: the lock goes with it.
    }
    ASSERT_TRUE(exists(path));
    EXPECT_FALSE(RenameLogReader::isLockedByRunningApply(path));
    const RenameLogContents whole = RenameLogReader::read(path);
    EXPECT_TRUE(whole.ok);
    EXPECT_EQ(whole.entries.size(), 2);

    // A death in the middle of writing an entry: the complete entries before it are kept.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray text = file.readAll();
    text.chop(QByteArray("</files>\n").size());
    text += "    <file srclocation=\"/f\" tarloc";
    file.resize(0);
    file.write(text);
    file.close();
    const RenameLogContents cut = RenameLogReader::read(path);
    EXPECT_FALSE(cut.ok);
    EXPECT_TRUE(cut.readable);
    EXPECT_FALSE(cut.error.isEmpty());
    EXPECT_EQ(cut.appversion, StringUtilities::appVersion());
    ASSERT_EQ(cut.entries.size(), 2);
    EXPECT_EQ(cut.entries.at(1).tarfilename, QStringLiteral("d"));
    EXPECT_EQ(RenameLogReader::countEntries(path), 2);
}

TEST(RenameLogJournal, RefusesPathsXmlCannotHold)
{
    TempTree tree;
    RenameLogJournal log;
    ASSERT_TRUE(log.createLogFile(journalIn(tree), QStringLiteral("FILES")));
    EXPECT_EQ(log.addLogEntry(QStringLiteral("/f/bell\x07"), QStringLiteral("/f/ok")),
              RenameLogJournal::EntryResult::Unrepresentable);
    EXPECT_EQ(log.addLogEntry(QStringLiteral("/f/ok"), QStringLiteral("/f/half") + QChar(char16_t(0xD800))),
              RenameLogJournal::EntryResult::Unrepresentable);
    EXPECT_EQ(log.addLogEntry(QStringLiteral("/f/ok"), QStringLiteral("/f/fine")), RenameLogJournal::EntryResult::Added);
    EXPECT_EQ(log.entryCount(), 1);
    const RenameLogContents read = RenameLogReader::read(log.journalPath());
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.entries.size(), 1);
}

TEST(RenameLogJournal, WithoutAJournalEntriesAreGatheredInMemory)
{
    TempTree tree;
    const QString blocker = tree.file(QStringLiteral("not-a-folder"));
    RenameLogJournal log;
    EXPECT_FALSE(log.createLogFile(blocker + QStringLiteral("/Log 07-03-2026 09-05-02-#.xml"), QStringLiteral("FILES")));
    EXPECT_FALSE(log.hasJournal());
    EXPECT_EQ(log.addLogEntry(QStringLiteral("/f/a"), QStringLiteral("/f/b")), RenameLogJournal::EntryResult::Added);
    EXPECT_EQ(log.entryCount(), 1);
    EXPECT_TRUE(log.document().contains("srcfilename=\"a\""));
    EXPECT_TRUE(log.saveLog().isEmpty()) << "the folder still cannot hold a log";
}

// A placeholder is recorded before the move onto it: in place when the entry was written or
// announced with its flag, by writing the entry again when it was not; journal and memory alike.
TEST(RenameLogJournal, APlaceholderIsRecordedBeforeTheMoveOntoIt)
{
    for (const bool withJournal : {true, false}) {
        TempTree tree;
        RenameLogJournal log;
        const QString folder = withJournal ? tree.path() : tree.file(QStringLiteral("not-a-folder"));
        EXPECT_EQ(log.createLogFile(folder + "/Log 07-03-2026 09-05-02-#.xml", QStringLiteral("FILES")), withJournal);
        log.announceMoves({{"/d/a", "/d/b", 7, true}, {"/d/c", "/d/e", 0, true}});
        for (const auto& [from, to, reserved] : {std::tuple{"/d/a", "/d/b", true}, {"/d/h", "/d/i", false}}) {
            EXPECT_EQ(log.addLogEntry(from, to, reserved ? 7 : 0, reserved), RenameLogJournal::EntryResult::Added);
            EXPECT_TRUE(log.recordPlaceholder(from, to, reserved ? 7 : 0)); // the second withdraws c -> e
        }
        const QByteArray document = log.document();
        const RenameLogContents read = readAsXml(document);
        ASSERT_EQ(read.entries.size(), 2) << document.constData();
        EXPECT_EQ(read.entries[0].inode, 7u);
        EXPECT_EQ(int(read.entries[0].reservation), int(RenameLogEntry::Reservation::Made));
        EXPECT_EQ(int(read.entries[1].reservation), int(RenameLogEntry::Reservation::Made));
    }
}

TEST(RenameLogReader, ToleratesOddFilesWithoutFailing)
{
    TempTree tree;
    EXPECT_FALSE(RenameLogReader::read(tree.at(QStringLiteral("missing.xml"))).readable);
    EXPECT_EQ(RenameLogReader::countEntries(tree.at(QStringLiteral("missing.xml"))), 0);
    EXPECT_FALSE(RenameLogReader::isLockedByRunningApply(tree.at(QStringLiteral("missing.xml"))));

    const RenameLogContents notXml = RenameLogReader::read(tree.file(QStringLiteral("junk.xml"), "not xml at all"));
    EXPECT_FALSE(notXml.ok);
    EXPECT_FALSE(notXml.readable);

    const RenameLogContents otherRoot = RenameLogReader::read(
        tree.file(QStringLiteral("plist.xml"), "<plist version=\"1.0\"><file srclocation=\"/\"/></plist>"));
    EXPECT_FALSE(otherRoot.ok);
    EXPECT_FALSE(otherRoot.readable);
    EXPECT_TRUE(otherRoot.entries.isEmpty());

    // Other children are ignored; an element without all four attributes says so.
    const RenameLogContents mixed = RenameLogReader::read(tree.file(
        QStringLiteral("mixed.xml"),
        "<files appversion=\"3.1\" type=\"FILES\"><note/><file srclocation=\"/a\" srcfilename=\"x\"/>"
        "<file srclocation=\"/a\" tarlocation=\"/a\" srcfilename=\"x\" tarfilename=\"y\"><inner/></file></files>"));
    EXPECT_TRUE(mixed.ok);
    EXPECT_EQ(mixed.appversion, QStringLiteral("3.1"));
    ASSERT_EQ(mixed.entries.size(), 2);
    EXPECT_FALSE(mixed.entries.at(0).hasAllAttributes);
    EXPECT_TRUE(mixed.entries.at(1).hasAllAttributes);
}

TEST(RenameLogReader, ReadsEveryLogAsTheXmlReaderDoesAndBackwardsTheSame)
{
    // The program's own layout is read line by line; anything else it does not take goes to
    // the XML reader. Either way the values must be the XML reader's.
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<files appversion=\"3.0\" type=\"FILES\">\n";
    const QByteArray line = "    <file srclocation=\"/d\" tarlocation=\"/d\" srcfilename=\"a\" tarfilename=\"b\"/>\n";
    const auto entry = [](const QByteArray& values) { return "    <file " + values + "/>\n"; };
    const QByteArray plain = "srclocation=\"/d\" tarlocation=\"/d\" srcfilename=\"x\" tarfilename=";
    const QByteArray documents[] = {
        head + line + entry(plain + "\"c &amp; &lt;d&gt; &quot;&#9;&#10;&#13;\" inode=\"42\"") + "</files>\n",
        head + entry(plain + "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\"") + line + "</files>",
        head + entry(plain + "\"raw > and \x7f and \xc2\x85\"") + "</files>\n",
        head + entry(plain + "\"&apos;&#x41;\" inode=\"007\"") + entry(plain + "\"\" inode=\"0\"") + "</files>\n",
        head + entry(plain + "\"big\" inode=\"99999999999999999999999\"") + "</files>\n",
        // A move onto a placeholder: planned, made, and a flag the program never writes.
        head + entry(plain + "\"p\" inode=\"5\" reserved=\"0\"") + entry(plain + "\"q\" reserved=\"1\"")
            + entry(plain + "\"r\" reserved=\"2\"") + "</files>\n",
        head + entry(plain + "\"bad \xff\"") + "</files>\n",
        head + "  <file tarfilename=\"b\" srcfilename=\"a\" srclocation=\"/d\" tarlocation=\"/d\"/>\n</files>\n",
        QByteArray(head).replace("\n", "\r\n") + line + line + "</files>\r\n",
        "\xef\xbb\xbf" + head + line + "</files>\n",
        head + line + line + "</files>\n   \n",
        head + line + line + "    <file srclocation=\"/d\" tarloc",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<files appversion=\"3.0\">\n" + line + "</files>\n",
    };
    TempTree tree;
    for (const QByteArray& document : documents) {
        SCOPED_TRACE(document.toStdString());
        const QString path = tree.file(QStringLiteral("log.xml"), document);
        const RenameLogContents expected = readAsXml(document);
        const RenameLogContents read = RenameLogReader::read(path);
        EXPECT_EQ(read.ok, expected.ok);
        EXPECT_EQ(read.appversion, expected.appversion);
        EXPECT_EQ(read.type, expected.type);
        ASSERT_EQ(read.entries.size(), expected.entries.size());
        RenameLogBackwards backwards(path);
        EXPECT_EQ(backwards.entryCount(), expected.entries.size());
        EXPECT_EQ(RenameLogReader::countEntries(path), expected.entries.size());
        for (qsizetype i = expected.entries.size() - 1; i >= 0; --i) {
            const RenameLogEntry& e = expected.entries[i];
            RenameLogEntry last;
            ASSERT_TRUE(backwards.previous(last));
            for (const RenameLogEntry& r : {read.entries[i], last}) {
                EXPECT_EQ(r.srclocation, e.srclocation);
                EXPECT_EQ(r.tarlocation, e.tarlocation);
                EXPECT_EQ(r.srcfilename, e.srcfilename);
                EXPECT_EQ(r.tarfilename, e.tarfilename);
                EXPECT_EQ(r.inode, e.inode);
                EXPECT_EQ(int(r.reservation), int(e.reservation));
            }
        }
        RenameLogEntry none;
        EXPECT_FALSE(backwards.previous(none));
    }
}

TEST(RenameLog, DeleteLogFileReportsFailure)
{
    TempTree tree;
    const QString log = tree.file(QStringLiteral("Log 07-03-2026 09-05-02-0.xml"), "<files/>");
    EXPECT_TRUE(deleteLogFile(log));
    EXPECT_FALSE(exists(log));
    EXPECT_FALSE(deleteLogFile(log));
}
