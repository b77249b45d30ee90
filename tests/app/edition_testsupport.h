#pragma once

// Runs the window's tests in either edition. The edition is a process-wide choice and the
// tests share one process, so the fixture puts Quorvel (and its message tables) back after
// every test, whatever the test did or where it stopped.
#include "gui_testsupport.h"

#include "platform/edition.h"

#include <memory>

// A controller started in a chosen edition, in a home of its own unless one is given.
struct EditionWindow {
    explicit EditionWindow(Edition::Kind kind)
        : selected(select(kind))
    {
        started = controller.startUp();
    }
    // The edition is chosen before the controller builds its window, as main() does.
    bool selected;
    QuorvelAppController controller;
    bool started = false;
    MainWindow& window() { return controller.mainWindow(); }
    FileTableModel& model() { return *window().model(); }
    QString shown(int row, const QString& column)
    {
        return model().data(model().index(row, FileTableModel::columnOf(column))).toString();
    }

private:
    static bool select(Edition::Kind kind)
    {
        Edition::select(kind);
        Messages::install(Edition::current());
        return true;
    }
};

class EditionTest : public ::testing::TestWithParam<Edition::Kind> {
protected:
    void TearDown() override
    {
        // The controllers go first: their termination reads the edition they ran in.
        windows_.clear();
        Edition::select(Edition::Kind::Quorvel);
        Messages::install(Edition::current());
    }

    bool isEarlier() const { return GetParam() == Edition::Kind::Quorvel2; }
    Edition::Kind otherEdition() const { return isEarlier() ? Edition::Kind::Quorvel : Edition::Kind::Quorvel2; }

    // Starts a controller in the test's edition, or another one (in the test's home); it
    // lives until the test ends or quitLast() quits it.
    EditionWindow& start() { return start(GetParam()); }
    EditionWindow& start(Edition::Kind kind)
    {
        windows_.push_back(std::make_unique<EditionWindow>(kind));
        EditionWindow& w = *windows_.back();
        EXPECT_TRUE(w.started);
        return w;
    }

    // Quits the controller started last and forgets it, as closing the program does.
    void quitLast()
    {
        ASSERT_FALSE(windows_.empty());
        windows_.back()->controller.quit();
        windows_.pop_back();
    }

    FreshHome home;

private:
    std::vector<std::unique_ptr<EditionWindow>> windows_;
};

inline std::string editionName(const ::testing::TestParamInfo<Edition::Kind>& info)
{
    return info.param == Edition::Kind::Quorvel2 ? "Quorvel2" : "Quorvel";
}

#define INSTANTIATE_FOR_BOTH_EDITIONS(Suite)                                                                   \
    INSTANTIATE_TEST_SUITE_P(Editions, Suite, ::testing::Values(Edition::Kind::Quorvel, Edition::Kind::Quorvel2), \
                             editionName)
