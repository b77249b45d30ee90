// The rule preview: chained steps over the list, independent counters, inactive steps,
// the per-folder restart, vanished items and the checks made before a run.
#include "profilestesthelpers.h"

#include "pipeline/passrunner.h"
#include "engine/metadatafield.h"
#include "platform/messages.h"
#include "profiles/rulepreview.h"
#include "profiles/rulesteps.h"
#include "support/temptree.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QVariantMap replaceAll(const QString& find, const QString& with)
{
    Settings s;
    s.setInteger("selectedTab", 2);
    s.setText("replaceRemoveThis", find);
    s.setText("replaceRemoveWith", with);
    s.setFlag("isReplaceRemoveAllOccurrence", true);
    return *RuleSteps::buildRule(s).step;
}

QVariantMap insertAtBeginning(const QString& text)
{
    Settings s;
    s.setInteger("selectedTab", 1);
    s.setText("insertDeleteInsert", text);
    return *RuleSteps::buildRule(s).step;
}

QVariantMap numeric(const QString& start, bool prefix, bool resetPerFolder = false)
{
    Settings s;
    s.setText("alphaNumericNumericStartWith", start);
    s.setFlag(prefix ? "isAlphaNumericPrefix" : "isAlphaNumericSufix", true);
    s.setFlag("isAlphaNumericResetSequenceOnEachFolder", resetPerFolder);
    return *RuleSteps::buildRule(s).step;
}

// A photo step naming images by their name and the shared photo counter.
QVariantMap photo(const QString& separator, bool resetPerFolder = false, bool withNumber = true)
{
    Settings s;
    s.setInteger("selectedTab", 7);
    QList<MetaDataField> fields = {
        MetaDataField::initWithLabelAndTagCode("FILEINFO", "Filename", "<FILEINFO_Filename>", "Filename")};
    if (withNumber)
        fields.append(MetaDataField::initWithLabelAndTagCode("SEQUENCES", "Number Sequence",
                                                              "<SEQUENCES_Number_Sequence>", "Number Sequence"));
    s.setPhotoMetaDataList(fields);
    s.setFlag("isPhotoRenamingSeperator", true);
    s.setText("photoRenamingSeperator", separator);
    s.setFlag("isPhotoResetSequenceOnEachFolder", resetPerFolder);
    return *RuleSteps::buildRule(s).step;
}

QVariantMap alphabetic(const QString& start)
{
    Settings s;
    s.alphaNumericNumericAlphabeticChanged(1);
    s.setText("alphaNumericAlphabeticStartWith", start);
    s.setFlag("isAlphaNumericSufix", true);
    return *RuleSteps::buildRule(s).step;
}

struct RuleRun {
    TempTree tree;
    ControllerState state;
    RecordingUserInterface ui;

    void add(const QString& relative) { state.list.append(*FileSystemItem::initWithPath(tree.file(relative))); }

    QStringList preview(const QList<QVariantMap>& rules)
    {
        state.rules = rules;
        EXPECT_TRUE(RulePreview(state, ui).actionPreviewRule());
        PassRunner::waitUntilIdle(state);
        return names();
    }

    QStringList names() const
    {
        QStringList out;
        for (const FileSystemItem& item : state.list.files)
            out << item.newFilename;
        return out;
    }
};

} // namespace

TEST(RulePreview, OrderOfTheStepsMatters)
{
    RuleRun run;
    run.add("c.txt");
    EXPECT_EQ(run.preview({replaceAll("a", "b"), insertAtBeginning("a")}), QStringList{"ac.txt"});
    EXPECT_TRUE(run.state.isHasFilesForRenaming.load());
    EXPECT_TRUE(run.state.isRulePreview);
    EXPECT_EQ(run.preview({insertAtBeginning("a"), replaceAll("a", "b")}), QStringList{"bc.txt"});
    EXPECT_FALSE(run.state.isExecuting.load());
    EXPECT_EQ(run.ui.timeTexts.size(), 2);
    EXPECT_GE(run.ui.reloads, 2);
}

TEST(RulePreview, SequenceStepsCountIndependentlyAndRestartEachRun)
{
    RuleRun run;
    run.add("a.txt");
    run.add("b.txt");
    run.add("c.txt");
    const QList<QVariantMap> rules = {numeric("1", true), numeric("100", false), alphabetic("x")};
    const QStringList expected = {"1a100x.txt", "2b101y.txt", "3c102z.txt"};
    EXPECT_EQ(run.preview(rules), expected);
    // The counters end where the run left them, and the next run starts afresh.
    EXPECT_EQ(run.state.rules[0].value("sequence").toLongLong(), 4);
    EXPECT_EQ(run.state.rules[1].value("sequence").toLongLong(), 103);
    EXPECT_EQ(run.state.rules[2].value("sequence").toString(), "aa");
    EXPECT_EQ(run.preview(run.state.rules), expected);
}

TEST(RulePreview, InactiveStepIsAsIfAbsent)
{
    RuleRun run;
    run.add("name.txt");
    run.add("other.txt");
    QVariantMap off = insertAtBeginning("zz");
    off.insert("isActive", "0");
    QVariantMap counter = numeric("1", false);
    const QStringList without = run.preview({replaceAll("e", "E"), counter});
    EXPECT_EQ(without, (QStringList{"namE1.txt", "othEr2.txt"}));
    EXPECT_EQ(run.preview({replaceAll("e", "E"), off, counter}), without);
    // An inactive sequence step consumes no number either.
    QVariantMap offCounter = numeric("50", true);
    offCounter.insert("isActive", qlonglong(0));
    EXPECT_EQ(run.preview({offCounter, replaceAll("e", "E"), counter}), without);
}

TEST(RulePreview, PerFolderResetRestartsEverySequenceStep)
{
    RuleRun run;
    run.add("d2/b.txt");
    run.add("d1/y.txt");
    run.add("d1/x.txt");
    run.add("d2/a.txt");
    // Only the first step asks for the reset; the second restarts as well.
    const QStringList names = run.preview({numeric("1", true, true), numeric("10", false)});
    QStringList order;
    for (const FileSystemItem& item : run.state.list.files)
        order << item.fullPath.mid(run.tree.path().size() + 1);
    EXPECT_EQ(order, (QStringList{"d1/x.txt", "d1/y.txt", "d2/a.txt", "d2/b.txt"}));
    EXPECT_EQ(names, (QStringList{"1x10.txt", "2y11.txt", "1a10.txt", "2b11.txt"}));

    // Without any reset the numbers run on across folders in the list's order.
    EXPECT_EQ(run.preview({numeric("1", true), numeric("10", false)}),
              (QStringList{"1x10.txt", "2y11.txt", "3a12.txt", "4b13.txt"}));
}

TEST(RulePreview, VanishedItemTakesNoNumber)
{
    RuleRun run;
    run.add("a.txt");
    run.add("b.txt");
    run.add("c.txt");
    QFile::remove(run.tree.at("b.txt"));
    EXPECT_EQ(run.preview({numeric("1", true)}), (QStringList{"1a.txt", "File Not Found", "2c.txt"}));
}

TEST(RulePreview, ClassifiesAsAPreviewDoes)
{
    RuleRun run;
    run.add("a.txt");
    run.add("b.txt");
    run.add("keep.txt");
    EXPECT_EQ(run.preview({replaceAll("a", "b")}), (QStringList{"File Already Exists", "No Changes", "No Changes"}));
    EXPECT_FALSE(run.state.isHasFilesForRenaming.load());
    // A "Remove Characters" step removes every listed character wherever it stands.
    Settings s;
    s.setInteger("selectedTab", 2);
    s.replaceRemoveChanged(2);
    s.setText("replaceRemoveThis", "ek");
    EXPECT_EQ(run.preview({*RuleSteps::buildRule(s).step}), (QStringList{"No Changes", "No Changes", "p.txt"}));
}

TEST(RulePreview, StepsFailingTheirChecksStartNothing)
{
    RuleRun run;
    run.add("a.txt");
    run.state.list.files[0].newFilename = "kept";
    QVariantMap bad = replaceAll("a", "b");
    bad.insert("replaceRemoveThis", "");
    run.state.rules = {insertAtBeginning("x"), bad};
    EXPECT_FALSE(RulePreview(run.state, run.ui).actionPreviewRule());
    ASSERT_EQ(run.ui.alerts.size(), 1);
    EXPECT_EQ(run.ui.alerts[0].title, msg("REPLACEREMOVEINVALIDINPUT"));
    EXPECT_EQ(run.ui.passesStarted, 0);
    EXPECT_EQ(run.state.list.files[0].newFilename, "kept");

    // The same step switched off does not stop the run.
    bad.insert("isActive", "0");
    EXPECT_EQ(run.preview({insertAtBeginning("x"), bad}), QStringList{"xa.txt"});

    // An empty list shows the callout.
    ControllerState empty;
    RecordingUserInterface ui;
    empty.rules = {insertAtBeginning("x")};
    EXPECT_FALSE(RulePreview(empty, ui).actionPreviewRule());
    ASSERT_EQ(ui.callouts.size(), 1);
    EXPECT_EQ(ui.callouts[0].messageKey, "NOITEMSTOPREVIEW");
    EXPECT_EQ(ui.callouts[0].tag, 12000);
}

TEST(RulePreview, PhotoStepsShareOneCounter)
{
    RuleRun run;
    run.add("d1/a.jpg");
    run.add("d2/b.jpg");
    run.add("d2/c.txt"); // not an image: named by the other steps only
    EXPECT_EQ(run.preview({photo("-"), photo("_")}), (QStringList{"a-1_2.jpg", "b-3_4.jpg", "No Changes"}));
    // Reset per folder: the shared counter restarts at 1 in each folder.
    EXPECT_EQ(run.preview({photo("-", true), photo("_")}), (QStringList{"a-1_2.jpg", "b-1_2.jpg", "No Changes"}));
}

TEST(RulePreview, PhotoResetAlsoRestartsANumericStep)
{
    RuleRun run;
    run.add("d2/c.jpg");
    run.add("d1/b.jpg");
    run.add("d1/a.jpg");
    EXPECT_EQ(run.preview({photo("-", true, false), numeric("1", true)}),
              (QStringList{"1a.jpg", "2b.jpg", "1c.jpg"}));
}
