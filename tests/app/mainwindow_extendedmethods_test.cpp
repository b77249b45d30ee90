// Regular expressions on the replace/remove tab and transliteration on the general tab,
// through the window: the check box, the error under the Find field, Preview refusing an
// invalid expression, live preview leaving it as typed, and option 12.
#include "gui_testsupport.h"

#include "app/livepreviewdialog.h"
#include "app/settingsbinder.h"
#include "engine/findexpression.h"
#include "engine/settings.h"
#include "support/temptree.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class ExtendedMethods : public ::testing::Test {
protected:
    StartedWindow w;
    TempTree tree;
    ModalAnswerer answers;

    QLineEdit* field(const char* key)
    {
        return qobject_cast<QLineEdit*>(w.window().binder().controlFor(QString::fromLatin1(key)));
    }
    void type(const char* key, const QString& text)
    {
        QLineEdit* edit = field(key);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    QCheckBox* regexBox()
    {
        return qobject_cast<QCheckBox*>(w.window().binder().controlFor("isReplaceRemoveRegularExpression"));
    }
    QLabel* errorLabel() { return w.window().findChild<QLabel*>("findExpressionError"); }
    void add(const QStringList& names)
    {
        QStringList paths;
        for (const QString& name : names)
            paths << tree.file(name);
        w.controller.tableViewAcceptDrop(paths);
        waitIdle(w.controller);
    }
};

} // namespace

TEST_F(ExtendedMethods, AnInvalidExpressionIsShownUnderItsFieldAndRefusedByPreview)
{
    add({"IMG_1234_beach.jpg", "notes.txt"});
    w.window().methodTabs()->setCurrentIndex(2);
    ASSERT_NE(regexBox(), nullptr);
    ASSERT_NE(errorLabel(), nullptr);

    // The same text is no error as plain text.
    type("replaceRemoveThis", "^IMG_(\\d+_(\\w+)$");
    EXPECT_TRUE(errorLabel()->isHidden());
    QTest::mouseClick(regexBox(), Qt::LeftButton);
    ASSERT_TRUE(w.controller.state().settings.flag("isReplaceRemoveRegularExpression"));
    const QString error = FindExpression::errorText(QStringLiteral("^IMG_(\\d+_(\\w+)$"), false);
    ASSERT_FALSE(error.isEmpty());
    EXPECT_FALSE(errorLabel()->isHidden());
    EXPECT_EQ(errorLabel()->text(), error);
    EXPECT_TRUE(error.contains(msg("INVALIDREGULAREXPRESSION").section(QLatin1Char('%'), 0, 0)));

    w.table().setFocus();
    w.window().actions().preview->trigger();
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].title, msg("REPLACEREMOVEINVALIDINPUT"));
    EXPECT_EQ(answers.seen[0].message, error);
    EXPECT_FALSE(w.controller.state().isExecuting.load());
    EXPECT_EQ(w.window().focusWidget(), field("replaceRemoveThis"));
    EXPECT_EQ(w.shown(0, "newFilename"), "");
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    // Mended, the error goes and the groups work.
    type("replaceRemoveThis", "^IMG_(\\d+)_(\\w+)$");
    EXPECT_TRUE(errorLabel()->isHidden());
    type("replaceRemoveWith", "\\2-\\1");
    w.window().actions().preview->trigger();
    waitIdle(w.controller);
    EXPECT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(w.shown(0, "newFilename"), "beach-1234.jpg");
    EXPECT_EQ(w.shown(1, "newFilename"), Status::NoChanges);

    // Edited into an invalid expression after the preview, Rename is withdrawn (the
    // names shown are no longer what the options say) and nothing is renamed.
    type("replaceRemoveThis", "^IMG_(\\d+_(\\w+)$");
    EXPECT_FALSE(errorLabel()->isHidden());
    EXPECT_FALSE(w.window().actions().apply->isEnabled());
    w.window().actions().apply->trigger();
    waitIdle(w.controller);
    EXPECT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(tree.names(), (QStringList{"IMG_1234_beach.jpg", "notes.txt"}));

    // Removing each of a set of characters never reads an expression.
    w.controller.state().settings.replaceRemoveChanged(2);
    type("replaceRemoveThis", "a(b");
    EXPECT_TRUE(errorLabel()->isHidden());
    EXPECT_FALSE(regexBox()->isEnabled());
}

TEST_F(ExtendedMethods, LivePreviewLeavesAnInvalidExpressionAsTyped)
{
    add({"a1b22.txt"});
    w.window().methodTabs()->setCurrentIndex(2);
    QTest::mouseClick(regexBox(), Qt::LeftButton);
    w.controller.showLivePreview();
    auto* dialog = w.window().findChild<LivePreviewDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>("applyLivePreview")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));

    type("replaceRemoveThis", "\\d+(");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));
    EXPECT_EQ(w.controller.state().settings.text("replaceRemoveThis"), "\\d+(");
    EXPECT_EQ(field("replaceRemoveThis")->text(), "\\d+(");
    EXPECT_FALSE(errorLabel()->isHidden());
    EXPECT_TRUE(answers.seen.isEmpty());
    EXPECT_EQ(w.shown(0, "newFilename"), "");

    QTest::keyClick(field("replaceRemoveThis"), Qt::Key_Backspace);
    type("replaceRemoveWith", "#");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.controller.quickPreviewTimer().isActive(); }));
    EXPECT_TRUE(errorLabel()->isHidden());
    EXPECT_EQ(w.shown(0, "newFilename"), "a#b22.txt"); // the first match: one occurrence by default
}

TEST_F(ExtendedMethods, OptionTwelveTransliteratesOnTheGeneralTab)
{
    add({"Straße Übung.txt", "Привет.jpg"});
    w.window().methodTabs()->setCurrentIndex(5);
    auto* group = qobject_cast<QButtonGroup*>(w.window().binder().controlFor("generalOptionIndex"));
    ASSERT_NE(group, nullptr);
    QAbstractButton* transliterate = group->button(12);
    ASSERT_NE(transliterate, nullptr);
    EXPECT_EQ(transliterate->text(), msg("TRANSLITERATE"));
    QTest::mouseClick(transliterate, Qt::LeftButton);
    const Settings& s = w.controller.state().settings;
    EXPECT_EQ(s.integer("generalOptionIndex"), 12);
    EXPECT_TRUE(s.flag("isGeneralTransliterate"));
    EXPECT_FALSE(s.flag("isGeneralConvertFilenameCase"));

    w.window().actions().preview->trigger();
    waitIdle(w.controller);
    EXPECT_EQ(w.shown(0, "newFilename"), "Strasse Ubung.txt");
    EXPECT_EQ(w.shown(1, "newFilename"), "Privet.jpg");
    answers.answers = {"YES"};
    w.window().actions().apply->trigger();
    waitIdle(w.controller);
    EXPECT_EQ(tree.names(), (QStringList{"Privet.jpg", "Strasse Ubung.txt"}));

    // Another option clears the thirteenth flag again.
    QTest::mouseClick(group->button(4), Qt::LeftButton);
    EXPECT_FALSE(s.flag("isGeneralTransliterate"));
}
