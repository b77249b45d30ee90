// Every message key the program looks up with msg("KEY") has a row in messages.tsv and is
// in the compiled English table: a key without one shows itself, in English, to every user.
// Texts given to a helper that looks them up later are written msg("KEY") at the call too,
// so this scan sees them.
#include "testpaths.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

const char* const kSourceFolders[] = {"app", "cli", "intake", "profiles", "undo", "pipeline", "engine", "metadata",
                                      "platform"};

// The keys of msg("...") calls in a text, with C escapes left as written.
QStringList keysIn(const QString& source)
{
    static const QRegularExpression call(QStringLiteral(R"re(\bmsg\(\s*"((?:[^"\\]|\\.)*)"\s*\))re"));
    QStringList keys;
    for (const QRegularExpressionMatch& m : call.globalMatch(source))
        keys << m.captured(1);
    return keys;
}

// Every key used in the sources, with the files that use it.
QMap<QString, QStringList> keysUsedInSources()
{
    QMap<QString, QStringList> used;
    const QDir root(QStringLiteral(QUORVEL_SOURCE_DIR));
    for (const char* folder : kSourceFolders) {
        QDirIterator it(root.filePath(QString::fromLatin1(folder)), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                ADD_FAILURE() << "cannot read " << path.toStdString();
                continue;
            }
            for (const QString& key : keysIn(QString::fromUtf8(file.readAll())))
                used[key] << root.relativeFilePath(path);
        }
    }
    return used;
}

// Column 1 of messages.tsv (the header line excluded); repeated keys are reported.
QStringList tsvKeys()
{
    QFile file(QStringLiteral(QUORVEL_SOURCE_DIR "/resources/translations/messages.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList keys;
    bool header = true;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (header) {
            header = false;
            continue;
        }
        const QString key = line.section(QLatin1Char('\t'), 0, 0);
        if (!key.isEmpty())
            keys << key;
    }
    return keys;
}

TEST(MessageKeyScan, FindsTheKeysOfMsgCallsOnly)
{
    EXPECT_EQ(keysIn(QStringLiteral(R"t(a(msg("OK")); msg( "Save..." ) + b("NO"); qmsg("X"); msg(key))t")),
              (QStringList{QStringLiteral("OK"), QStringLiteral("Save...")}));
    EXPECT_EQ(keysIn(QStringLiteral(R"t(msg("say \"hi\""))t")), QStringList{QStringLiteral(R"t(say \"hi\")t")});
    EXPECT_TRUE(keysIn(QStringLiteral(R"t(msg("A" "B"))t")).isEmpty());
}

TEST(MessageKeys, EveryKeyLookedUpInTheSourcesHasARowAndACompiledText)
{
    const QStringList rows = tsvKeys();
    ASSERT_GT(rows.size(), 100);
    const QSet<QString> known(rows.begin(), rows.end());
    EXPECT_EQ(known.size(), rows.size()) << "messages.tsv holds a key twice";

    const QMap<QString, QStringList> used = keysUsedInSources();
    ASSERT_GT(used.size(), 100) << "the scan found too few msg() calls: is the pattern still right?";

    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/quorvel_en.qm")));
    for (auto it = used.cbegin(); it != used.cend(); ++it) {
        EXPECT_TRUE(known.contains(it.key()))
            << '"' << it.key().toStdString() << "\" has no row in messages.tsv (used in "
            << it.value().join(QStringLiteral(", ")).toStdString() << ")";
        EXPECT_FALSE(english.translate(nullptr, it.key().toUtf8().constData()).isEmpty())
            << '"' << it.key().toStdString()
            << "\" is not in the compiled English table (run scripts/gen-translations after editing messages.tsv)";
    }
}

} // namespace
