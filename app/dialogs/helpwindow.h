#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

// The help window: the program's HTML help pages (":/help/<page>") in a text browser with
// links between them, back, forward and contents. There is one window; showing a page
// brings it to the front.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows a help page by file name ("Undo.html"); an unknown name shows the contents.
    static void show(const QString& pageName);
    // The one window, created on first use.
    static HelpWindow* instance();
    // Whether the help holds a page of that name.
    static bool hasPage(const QString& pageName);

    using QWidget::show;

    QTextBrowser* browser() const { return browser_; }
    // The file name of the page shown ("index.html").
    QString currentPage() const;

private:
    HelpWindow();
    void showPage(const QString& pageName);

    QTextBrowser* browser_ = nullptr;
};
