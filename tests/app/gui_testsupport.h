#pragma once

// Helpers of the window's tests: a private home per test, answers for the window-modal
// message boxes, waiting for passes, and the controller started in that home.

#include "app/filetablemodel.h"
#include "app/filetableview.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/quorvelappcontroller.h"
#include "pipeline/passrunner.h"
#include "platform/messages.h"
#include "profiles/settingsloader.h"
#include "support/temptree.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

// A fresh XDG data and config home for one test: the data folder, the preferences and
// the defaults store all start empty. The store's folder is set through QSettings, which
// reads the environment only once per process.
class FreshHome {
public:
    FreshHome()
    {
        saved_[0] = qgetenv("XDG_DATA_HOME");
        saved_[1] = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome());
    }
    ~FreshHome()
    {
        qputenv("XDG_DATA_HOME", saved_[0]);
        qputenv("XDG_CONFIG_HOME", saved_[1]);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromLocal8Bit(saved_[1]));
    }
    QString dataHome() const { return dir_.path() + QStringLiteral("/data"); }
    QString configHome() const { return dir_.path() + QStringLiteral("/config"); }

private:
    QTemporaryDir dir_;
    QByteArray saved_[2];
};

// Answers the message boxes the window shows (they run their own event loop): each box
// is recorded and answered with the next key of answers (its default button when there
// is none left).
class ModalAnswerer {
public:
    struct Seen {
        QString title;
        QString message;
        QStringList buttons;
        QString answer;
        const QWidget* parent = nullptr; // what the box was shown on (compared, never used)
    };

    ModalAnswerer()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    QStringList answers;
    QList<Seen> seen;

private:
    void poll()
    {
        // Alerts are window-modal children of the window; others are top-level.
        QList<QMessageBox*> boxes;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(top))
                boxes << box;
            boxes << top->findChildren<QMessageBox*>();
        }
        for (QMessageBox* box : boxes) {
            if (!box->isVisible() || box->property("answered").toBool())
                continue;
            box->setProperty("answered", true);
            Seen s;
            s.title = box->text();
            s.message = box->property("messageText").toString();
            s.parent = box->parentWidget();
            for (QAbstractButton* b : box->buttons())
                s.buttons << b->objectName();
            s.answer = answers.isEmpty() ? QString() : answers.takeFirst();
            QAbstractButton* chosen = s.answer.isEmpty() ? static_cast<QAbstractButton*>(box->defaultButton())
                                                         : box->findChild<QAbstractButton*>(s.answer);
            seen << s;
            if (chosen)
                chosen->click();
        }
    }

    QTimer timer_;
};

// Waits, delivering events, until no pass runs.
inline void waitIdle(QuorvelAppController& c)
{
    PassRunner::waitUntilIdle(c.state());
    QApplication::processEvents();
}

// The controller of one test, started in its own home.
struct StartedWindow {
    FreshHome home;
    QuorvelAppController controller;
    bool started = false;

    StartedWindow() { started = controller.startUp(); }
    MainWindow& window() { return controller.mainWindow(); }
    FileTableModel& model() { return *window().model(); }
    FileTableView& table() { return *window().table(); }

    // The text a column shows for a row.
    QString shown(int row, const QString& column)
    {
        return model().data(model().index(row, FileTableModel::columnOf(column))).toString();
    }
};
