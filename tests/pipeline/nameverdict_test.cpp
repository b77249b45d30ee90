// Whether a proposed name can be used in a folder, by the folder's file system (given
// here, as detection would find it), and what the note says.
#include "engine/filesystemitem.h"
#include "pipeline/nameverdict.h"

#include <gtest/gtest.h>

TEST(NameVerdict, EachFileSystemRefusesWhatItCannotHold)
{
    const QString lone = QStringLiteral("a") + QChar(0xD800) + QStringLiteral(".txt");
    const struct {
        const char* type;
        qint64 nameMax;
        QString name;
        QString status;
    } cases[] = {
        {"ext4", 255, QString(255, QChar('a')), ""},
        {"ext4", 255, QString(256, QChar('a')), Status::NameTooLong},
        {"ext4", 255, QString(128, QChar(0xE9)), Status::NameTooLong}, // 256 bytes in UTF-8
        {"ext4", 255, "a?b:c. ", ""},
        {"ext4", 255, "tab\there", ""},
        {"ext4", 255, ".", Status::NameNotAllowedHere},
        {"ext4", 255, "..", Status::NameNotAllowedHere},
        {"ext4", 255, QStringLiteral("a") + QChar(0) + QStringLiteral("b"), Status::NameNotAllowedHere},
        {"ext4", 255, lone, Status::NameNotAllowedHere},
        {"ext4", 255, QStringLiteral("a") + QChar(0xFFFE), Status::NameNotAllowedHere},
        {"", 0, QString(256, QChar('a')), Status::NameTooLong}, // unknown: 255 bytes
        {"fuseblk", 255, "a?b.txt", ""},                          // unknown: no character rules
        {"exfat", 1530, "a?b.txt", Status::NameNotAllowedHere},
        {"exfat", 1530, "a.", Status::NameNotAllowedHere},
        {"exfat", 1530, "a ", Status::NameNotAllowedHere},
        {"exfat", 1530, "tab\there", Status::NameNotAllowedHere},
        {"exfat", 1530, QString(255, QChar(0xE9)), ""}, // 255 units, 510 bytes
        {"exfat", 1530, QString(256, QChar('a')), Status::NameTooLong},
        {"vfat", 1530, "x:y", Status::NameNotAllowedHere},
        {"ntfs3", 255, "a.", ""},
        {"ntfs3", 255, "a|b", Status::NameNotAllowedHere},
        {"exfat", 1530, "..", Status::NameNotAllowedHere},
    };
    for (const auto& c : cases) {
        const NameVerdict verdict = judgeName(c.name, NameRules::forFileSystem(QString::fromLatin1(c.type), c.nameMax));
        EXPECT_EQ(verdict.status, c.status) << c.type << " " << c.name.toStdString();
        EXPECT_EQ(verdict.note.isEmpty(), c.status.isEmpty()) << c.type << " " << c.name.toStdString();
    }
}

TEST(NameVerdict, TheNoteNamesTheNameTheCharacterAndTheDrive)
{
    const NameRules exfat = NameRules::forFileSystem(QStringLiteral("exfat"), 1530);
    EXPECT_EQ(judgeName(QStringLiteral("a?b.txt"), exfat).note, R"("a?b.txt": "?" is not allowed on this drive (exFAT))");
    EXPECT_EQ(judgeName(QStringLiteral("a") + QChar(1), NameRules()).note,
              QStringLiteral("\"a") + QChar(0xFFFD) + QStringLiteral("\": U+0001 cannot be part of a file name"));
    EXPECT_EQ(judgeName(QString(300, QChar('n')), NameRules()).note,
              QStringLiteral("\"") + QString(40, QChar('n')) + QChar(0x2026) + QString(20, QChar('n'))
                  + QStringLiteral("\": the name is 300 bytes long; this drive takes at most 255"));
}
