// The help window and its pages: every page the program opens exists, every link between
// pages leads to a page, and there is one window that shows the page asked for.
#include "dialog_fixture.h"

#include "app/dialogs/helpwindow.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {

// The pages the program opens by name: the dialogs' Help buttons, the method tabs' help
// (tab 3 included) and the rules.
const QStringList kPages = {
    "Preferences.html", "Export.html", "Extensions.html", "ChooseItems.html", "Undo.html", "Profile.html",
    "Alphabetic-numerical-sequence-renaming.html", "Insert-Delete.html", "Replace-Remove.html", "Prefix-Suffix.html",
    "Date-time.html", "General_Tab.html", "Mp3-renaming.html", "Photo-renaming.html", "Path-component-renaming.html",
    "Rename-from-list.html", "Rules.html", "index.html"};

TEST(HelpPages, EveryPageExistsAndEveryLinkLeadsToAPage)
{
    for (const QString& page : kPages)
        EXPECT_TRUE(HelpWindow::hasPage(page)) << page.toStdString();

    const QStringList bundled = QDir(QStringLiteral(":/help")).entryList(QDir::Files);
    EXPECT_EQ(bundled.size(), kPages.size());
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    static const QRegularExpression title(QStringLiteral("<title>[^<]+</title>"));
    for (const QString& page : bundled) {
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(title.match(html).hasMatch()) << page.toStdString();
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(HelpWindow::hasPage(target)) << page.toStdString() << " links to " << target.toStdString();
        }
    }
    EXPECT_FALSE(HelpWindow::hasPage(QStringLiteral("../help/Undo.html")));
    EXPECT_FALSE(HelpWindow::hasPage(QStringLiteral("Missing.html")));
}

TEST(HelpWindowTest, OneWindowShowsThePageAskedForAndFollowsLinks)
{
    HelpWindow::show(QStringLiteral("Undo.html"));
    HelpWindow* window = HelpWindow::instance();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentPage(), QStringLiteral("Undo.html"));
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("rename log")));

    // A relative link from one page to another.
    window->browser()->setSource(QUrl(QStringLiteral("Preferences.html")));
    EXPECT_EQ(window->currentPage(), QStringLiteral("Preferences.html"));
    EXPECT_TRUE(window->browser()->isBackwardAvailable());

    HelpWindow::show(QStringLiteral("Nonsense.html"));
    EXPECT_EQ(HelpWindow::instance(), window);
    EXPECT_EQ(window->currentPage(), QStringLiteral("index.html"));
    window->hide();
}

} // namespace
