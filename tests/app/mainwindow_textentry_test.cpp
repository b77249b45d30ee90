// The entry rules of the sequence fields, on every keystroke.
#include "gui_testsupport.h"

#include "app/settingsbinder.h"
#include "app/textentryrules.h"
#include "engine/settings.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QTabWidget>

TEST(TextEntryRules, EachTagKeepsItsFieldUsable)
{
    // Step sizes: digits only, never 0 or empty.
    EXPECT_EQ(TextEntryRules::apply(300303, "0"), "1");
    EXPECT_EQ(TextEntryRules::apply(300303, ""), "1");
    EXPECT_EQ(TextEntryRules::apply(300304, "x12y"), "12");
    EXPECT_EQ(TextEntryRules::apply(300304, "00"), "1");
    EXPECT_EQ(TextEntryRules::apply(300303, "3a4"), "3a4"); // only the ends are trimmed
    // The numeric start keeps 0 reachable.
    EXPECT_EQ(TextEntryRules::apply(300302, "0"), "0");
    EXPECT_EQ(TextEntryRules::apply(300302, "ab"), "0");
    EXPECT_EQ(TextEntryRules::apply(300302, " 42 "), "42");
    // The alphabetic start: lower-case letters only at the ends.
    EXPECT_EQ(TextEntryRules::apply(300301, "A1"), "a");
    EXPECT_EQ(TextEntryRules::apply(300301, "1Zb2"), "zb");
    EXPECT_EQ(TextEntryRules::apply(300301, "123"), "a");
    EXPECT_EQ(TextEntryRules::apply(300301, "Éa"), "éa");
    // The padding mask: lower case, no characters a file name cannot hold at the ends.
    EXPECT_EQ(TextEntryRules::apply(300305, "/AB:0|"), "ab:0");
    EXPECT_EQ(TextEntryRules::apply(300305, "\"<>?*\\"), "");
    // Other tags are left alone.
    EXPECT_FALSE(TextEntryRules::hasRule(640001));
    EXPECT_EQ(TextEntryRules::apply(640001, "0"), "0");
}

namespace {

class TypedRules : public ::testing::Test {
protected:
    StartedWindow w;
    Settings& settings() { return w.controller.state().settings; }
    QLineEdit* field(const char* key)
    {
        return qobject_cast<QLineEdit*>(w.window().binder().controlFor(QString::fromLatin1(key)));
    }
    void retype(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }
};

} // namespace

TEST_F(TypedRules, StepSizeZeroBecomesOne)
{
    QLineEdit* step = field("alphaNumericIncrementBy");
    ASSERT_TRUE(step->isEnabled());
    retype(step, "0");
    EXPECT_EQ(step->text(), "1");
    EXPECT_EQ(settings().text("alphaNumericIncrementBy"), "1");
    // The default put in place is selected: typing goes on from a clean field.
    retype(step, "");
    EXPECT_EQ(step->text(), "1");
    QTest::keyClicks(step, "25");
    EXPECT_EQ(step->text(), "25");
    EXPECT_EQ(settings().text("alphaNumericIncrementBy"), "25");
}

TEST_F(TypedRules, AlphabeticStartTakesLowerCaseLetters)
{
    auto* kinds = qobject_cast<QButtonGroup*>(w.window().binder().controlFor("alphaNumericNumericAlphabeticIndex"));
    kinds->button(1)->click();
    QLineEdit* start = field("alphaNumericAlphabeticStartWith");
    ASSERT_TRUE(start->isEnabled());
    retype(start, "A1");
    EXPECT_EQ(start->text(), "a");
    EXPECT_EQ(settings().text("alphaNumericAlphabeticStartWith"), "a");
    retype(start, "");
    EXPECT_EQ(start->text(), "a");
    retype(start, "Bc");
    EXPECT_EQ(settings().text("alphaNumericAlphabeticStartWith"), "bc");
}

TEST_F(TypedRules, NumericStartAndPaddingMask)
{
    QLineEdit* start = field("alphaNumericNumericStartWith");
    retype(start, "");
    EXPECT_EQ(settings().text("alphaNumericNumericStartWith"), "0");
    retype(start, "x9");
    EXPECT_EQ(settings().text("alphaNumericNumericStartWith"), "9");
    QLineEdit* mask = field("alphaNumericPaddingMask");
    retype(mask, "/00");
    EXPECT_EQ(mask->text(), "00");
    EXPECT_EQ(settings().text("alphaNumericPaddingMask"), "00");
}
