// The Add command's open panel: files and folders chosen together, several folders at
// once, and files hidden when only folders can be chosen.
#include "app/openpanel.h"
#include "support/temptree.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// Once the panel shows the folder, selects the rows whose names are given and presses
// Open; the names the panel showed go to shown.
void choose(const QStringList& names, QStringList& shown)
{
    QTimer::singleShot(0, [names, &shown] {
        QFileDialog* dialog = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if ((dialog = qobject_cast<QFileDialog*>(w)) && dialog->isVisible())
                    return true;
            return false;
        }));
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        ASSERT_NE(view, nullptr);
        QAbstractItemModel* model = view->model();
        auto listed = [&] {
            QStringList names;
            for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
                names << model->index(row, 0, view->rootIndex()).data().toString();
            return names;
        };
        // The folder is read in the background: wait until the wanted entries are there.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            const QStringList now = listed();
            return std::all_of(names.begin(), names.end(), [&](const QString& n) { return now.contains(n); });
        }));
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, view->rootIndex());
            shown << index.data().toString();
            if (names.contains(index.data().toString()))
                view->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        QPushButton* open = buttons->button(QDialogButtonBox::Open);
        ASSERT_NE(open, nullptr);
        open->click();
        // A panel that did not close is closed so the test ends.
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

TEST(OpenPanel, FilesAndFoldersAreChosenTogether)
{
    TempTree tree;
    tree.file("a.txt");
    tree.file("b/c.txt");
    PanelOptions options;
    options.directory = tree.path();
    options.canChooseFiles = true;
    options.canChooseDirectories = true;
    options.allowsMultipleSelection = true;
    QStringList shown;
    choose({"a.txt", "b"}, shown);
    QStringList chosen = OpenPanel::open(nullptr, options);
    chosen.sort();
    EXPECT_EQ(chosen, QStringList({tree.at("a.txt"), tree.at("b")}));
}

TEST(OpenPanel, OnlyFoldersWhenFilesCannotBeChosen)
{
    TempTree tree;
    tree.file("a.txt");
    tree.folder("b");
    tree.folder("d");
    PanelOptions options;
    options.directory = tree.path();
    options.canChooseFiles = false;
    options.canChooseDirectories = true;
    options.allowsMultipleSelection = true;
    QStringList shown;
    choose({"b", "d"}, shown);
    QStringList chosen = OpenPanel::open(nullptr, options);
    chosen.sort();
    EXPECT_EQ(chosen, QStringList({tree.at("b"), tree.at("d")}));
    EXPECT_FALSE(shown.contains("a.txt"));
}
