#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The panel shown in place of the list while a background pass runs: what the pass does,
// the path it is at, a spinning bar and the Cancel button.
class BusyPanel : public QWidget {
    Q_OBJECT
public:
    explicit BusyPanel(QWidget* parent = nullptr);

    void start(const QString& message);
    void setMessage(const QString& text);
    void setPath(const QString& displayPath);

    QString message() const;
    QString path() const;
    QPushButton* cancelButton() const { return cancel_; }

private:
    QLabel* message_;
    QLabel* path_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QString fullPath_;
};
