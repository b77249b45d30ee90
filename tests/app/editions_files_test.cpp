// Profiles, rule files and rename logs carry the major version of the edition that wrote
// them; the other edition refuses them and changes nothing, while the writer takes them.
#include "edition_testsupport.h"

#include "app/settingsbinder.h"
#include "engine/stringutilities.h"
#include "intake/openeddocuments.h"
#include "platform/plist.h"
#include "profiles/profilecommands.h"
#include "profiles/rulefile.h"
#include "profiles/rulesteps.h"
#include "support/temptree.h"
#include "undo/undosheetcontroller.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>

namespace {

class EditionFiles : public EditionTest {
protected:
    TempTree tree;
    QString profile, rule, log;

    // The writer renames photo1.txt to holiday1.txt (leaving its log), adds the step to
    // the rules and saves both the rules and the settings.
    void writeAll(EditionWindow& w)
    {
        ModalAnswerer answers;
        answers.answers = {"YES"};
        w.controller.tableViewAcceptDrop({tree.file("work/photo1.txt")});
        waitIdle(w.controller);
        w.window().methodTabs()->setCurrentIndex(2);
        auto* find = qobject_cast<QLineEdit*>(w.window().binder().controlFor("replaceRemoveThis"));
        auto* with = qobject_cast<QLineEdit*>(w.window().binder().controlFor("replaceRemoveWith"));
        ASSERT_TRUE(find && with);
        QTest::keyClicks(find, "photo");
        QTest::keyClicks(with, "holiday");
        w.window().actions().preview->trigger();
        waitIdle(w.controller);
        w.window().actions().apply->trigger();
        waitIdle(w.controller);
        ASSERT_EQ(tree.names("work"), QStringList{"holiday1.txt"});
        const QDir logs(w.controller.state().preferences.defaultLogFolderPath);
        const QStringList names = logs.entryList({"*.xml"});
        ASSERT_EQ(names.size(), 1);
        log = logs.filePath(names.first());

        QString error;
        ASSERT_TRUE(RuleSteps::addRule(w.controller.state(), w.controller.ui(), error)) << error.toStdString();
        rule = tree.at("chain.qvrule");
        ASSERT_TRUE(RuleFile::write(rule, w.controller.state().rules));
        profile = tree.at("settings.qvprofile");
        ASSERT_TRUE(w.controller.profileCommands().saveNewProfile(profile));
    }

    static QString major(const QString& version) { return version.section('.', 0, 0); }
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_P(EditionFiles, WhatOneEditionWritesCarriesItsVersionAndTheOtherRefusesIt)
{
    const QString writerMajor = isEarlier() ? "2" : "3";
    {
        EditionWindow& writer = start();
        writeAll(writer);
        if (HasFatalFailure())
            return;
        quitLast();
    }
    // The version each file carries: the profile's "appVersion", the root "appversion"
    // attribute of the rule file and of the log.
    const std::optional<QVariant> stored = Plist::readFile(profile);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(major(stored->toMap().value("appVersion").toString()), writerMajor);
    EXPECT_EQ(major(StringUtilities::appVersionInPlist(rule).value_or("")), writerMajor);
    EXPECT_EQ(major(StringUtilities::appVersionInPlist(log).value_or("")), writerMajor);
    const QByteArray logBytes = contents(log);

    {
        EditionWindow& reader = start(otherEdition());
        ModalAnswerer answers;
        ControllerState& state = reader.controller.state();

        EXPECT_EQ(reader.controller.settingsLoader().setCurrentSettings(profile), ProfileLoadResult::Incompatible);
        EXPECT_EQ(state.settings.text("replaceRemoveThis"), "");
        EXPECT_EQ(state.currProfileFile, "");

        QList<QVariantMap> steps;
        EXPECT_EQ(RuleFile::read(rule, steps, true), RuleFile::ReadResult::Incompatible);
        EXPECT_TRUE(steps.isEmpty());
        EXPECT_EQ(reader.controller.openedDocuments().applicationOpenFiles({rule}), OpenedDocuments::Reply::Failure);
        EXPECT_TRUE(state.rules.isEmpty());

        // The log, also when it lies in the reader's own log folder: not listed, not undone.
        const QString copied = QDir(state.preferences.defaultLogFolderPath).filePath(QFileInfo(log).fileName());
        ASSERT_TRUE(QFile::copy(log, copied));
        UndoSheetController undo(state, reader.controller.ui());
        undo.loadUserLogFiles();
        EXPECT_TRUE(undo.logFiles().isEmpty());
        const UndoOutcome outcome = undo.undoLogFile(log);
        EXPECT_EQ(outcome.status, UndoOutcome::Status::Incompatible);
        EXPECT_EQ(tree.names("work"), QStringList{"holiday1.txt"});
        EXPECT_TRUE(QFile::exists(log));
        EXPECT_EQ(contents(log), logBytes);

        QStringList said;
        for (const ModalAnswerer::Seen& seen : answers.seen)
            said << seen.message;
        EXPECT_EQ(said, QStringList({msg("PROFILEINCOMPATIBLE"), msg("RULEINCOMPATIBLE"),
                                     msg("UNDOFILESFOLDERSINCOMPATIBLE")}));
        quitLast();
    }

    // The writer's own edition takes all three.
    EditionWindow& writer = start();
    ModalAnswerer answers;
    EXPECT_EQ(writer.controller.settingsLoader().setCurrentSettings(profile), ProfileLoadResult::Loaded);
    EXPECT_EQ(writer.controller.state().settings.text("replaceRemoveThis"), "photo");
    QList<QVariantMap> steps;
    EXPECT_EQ(RuleFile::read(rule, steps, true), RuleFile::ReadResult::Read);
    EXPECT_EQ(steps.size(), 1);
    UndoSheetController undo(writer.controller.state(), writer.controller.ui());
    EXPECT_EQ(undo.undoLogFile(log).status, UndoOutcome::Status::Undone);
    EXPECT_EQ(tree.names("work"), QStringList{"photo1.txt"});
}

INSTANTIATE_FOR_BOTH_EDITIONS(EditionFiles);
