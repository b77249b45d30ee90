// General option 13: a UTF-8 name that was read in another encoding gets its letters back.
#include "engine/encodingrepair.h"
#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"

TEST(EncodingRepairTest, OnlyAnExactWrongReadingIsRepaired)
{
    const struct {
        const char* from;
        QString name;
        QString repaired; // the name itself when nothing is repaired
    } cases[] = {
        {"windows-1252", "cafÃ©.txt", "café.txt"},
        {"windows-1252", "NaÃ¯ve rÃ©sumÃ©.jpÃ©g", "Naïve résumé.jpég"}, // the extension too
        {"windows-1252", "Å’uvre.txt", "Œuvre.txt"},                       // ’ is 0x92 in Windows-1252
        {"ISO-8859-1", "Å’uvre.txt", "Å’uvre.txt"},                        // ... and no Latin-1 byte
        {"ISO-8859-1", "cafÃ©.txt", "café.txt"},
        {"windows-1252", "café.txt", "café.txt"},   // é is E9: not UTF-8
        {"windows-1252", "plain.txt", "plain.txt"}, // nothing to repair
        {"windows-1252", "日本.txt", "日本.txt"},     // not Windows-1252 at all
    };
    for (const auto& c : cases) {
        FileSystemItem item = itemNamed(c.name);
        GeneralOptions options;
        options.change = GeneralChange::RepairEncoding;
        options.repairEncodingFrom = QString::fromLatin1(c.from);
        ASSERT_TRUE(renameByGeneral(item, options).ok());
        EXPECT_EQ(item.newFilename, c.repaired) << c.from << " " << c.name.toStdString();
    }
}

TEST(EncodingRepairTest, AConverterIcuDoesNotKnowIsAnError)
{
    EXPECT_TRUE(EncodingRepair(QStringLiteral("latin1")).isValid());
    EXPECT_FALSE(EncodingRepair(QString()).isValid()); // not the system's default converter
    FileSystemItem item = itemNamed("cafÃ©.txt");
    GeneralOptions options;
    options.change = GeneralChange::RepairEncoding;
    options.repairEncodingFrom = QStringLiteral("klingon");
    const MethodResult result = renameByGeneral(item, options);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains("klingon")) << result.error.toStdString();
}
