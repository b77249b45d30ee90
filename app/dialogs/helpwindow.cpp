#include "app/dialogs/helpwindow.h"

#include "platform/messages.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

namespace {

const QString kContents = QStringLiteral("index.html");

QPointer<HelpWindow>& theWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

// The help window has no parent: it goes before the application does.
void deleteHelpWindow()
{
    delete theWindow().data();
}

QUrl pageUrl(const QString& pageName)
{
    return QUrl(QStringLiteral("qrc:/help/") + pageName);
}

} // namespace

bool HelpWindow::hasPage(const QString& pageName)
{
    return !pageName.isEmpty() && !pageName.contains(QLatin1Char('/'))
        && QFile::exists(QStringLiteral(":/help/") + pageName);
}

HelpWindow* HelpWindow::instance()
{
    QPointer<HelpWindow>& window = theWindow();
    if (!window) {
        window = new HelpWindow;
        qAddPostRoutine(deleteHelpWindow);
    }
    return window;
}

void HelpWindow::show(const QString& pageName)
{
    HelpWindow* window = instance();
    window->showPage(pageName);
    window->QWidget::show();
    window->raise();
    window->activateWindow();
}

HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(msg("Help"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/help")});

    auto* back = new QPushButton(msg("Back"), this);
    auto* forward = new QPushButton(msg("Forward"), this);
    auto* contents = new QPushButton(msg("Contents"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { showPage(kContents); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    // The window is "Help — Quorvel" on every page: the page's own title is its heading.

    // Closed like any secondary window: the Close button, Escape or Ctrl+W.
    auto* close = new QPushButton(msg("Close"), this);
    close->setObjectName(QStringLiteral("helpCloseButton"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }

    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(contents);
    bar->addStretch();
    bar->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);
    resize(720, 560);
}

void HelpWindow::showPage(const QString& pageName)
{
    const QString page = hasPage(pageName) ? pageName : kContents;
    if (currentPage() != page)
        browser_->setSource(pageUrl(page));
}

QString HelpWindow::currentPage() const
{
    return browser_->source().fileName();
}
