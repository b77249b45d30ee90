// The running window serves later launches: its own command line and a second launch's
// paths reach the file list, and a request that arrives while a sheet is open waits for it.
#include "app/quorvelappcontroller.h"
#include "app/singleinstance.h"
#include "pipeline/controllerstate.h"
#include "support/temptree.h"
#include "gui_testsupport.h"

#include <QDialog>
#include <QFile>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

#include <sys/stat.h>

namespace {

// Private data, config and runtime folders for one test.
class PrivateHome {
public:
    PrivateHome()
    {
        for (int i = 0; i < 3; ++i) {
            saved_[i] = qgetenv(kNames[i]);
            QDir(dir_.path()).mkpath(QString::number(i));
            QFile::setPermissions(dir_.filePath(QString::number(i)),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv(kNames[i], QFile::encodeName(dir_.filePath(QString::number(i))));
        }
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath("1"));
    }
    ~PrivateHome()
    {
        for (int i = 0; i < 3; ++i)
            qputenv(kNames[i], saved_[i]);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromLocal8Bit(saved_[1]));
    }

private:
    static constexpr const char* kNames[3] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"};
    QTemporaryDir dir_;
    QByteArray saved_[3];
};

bool sendFromAnotherThread(const SingleInstance::Request& request, const QString& path)
{
    std::atomic<bool> accepted{false};
    QThread* thread = QThread::create([&] { accepted = SingleInstance::sendRequest(request, path); });
    thread->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return thread->isFinished(); }, 30000));
    thread->wait();
    delete thread;
    return accepted;
}

QStringList listed(QuorvelAppController& controller)
{
    QStringList paths;
    for (const FileSystemItem& item : controller.state().list.files)
        paths << item.fullPath;
    return paths;
}

TEST(DesktopRequests, LaunchesReachTheListAndWaitForAnOpenSheet)
{
    PrivateHome home;
    QuorvelAppController controller;
    ASSERT_TRUE(controller.startUp());
    TempTree tree;
    const QString a = tree.file("a.txt");
    const QString b = tree.file("b.txt");

    // This launch's own document goes through the delayed load.
    controller.startSingleInstance({"quorvel", a});
    ASSERT_TRUE(QTest::qWaitFor([&] { return listed(controller) == QStringList{a}; }, 30000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !controller.state().isExecuting.load(); }, 30000));

    QDialog sheet(controller.window());
    sheet.setWindowModality(Qt::WindowModal);
    sheet.open();
    ASSERT_TRUE(sendFromAnotherThread({SingleInstance::Mode::Add, {b}}, SingleInstance::socketPath()));
    QTest::qWait(50);
    EXPECT_EQ(listed(controller), QStringList{a});

    sheet.accept();
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed(controller) == (QStringList{a, b}); }, 30000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !controller.state().isExecuting.load(); }, 30000));
}

// A rule file handed to the running window that is a FIFO no one writes to: refused at
// once, and the window goes on serving (the next launch's file reaches the list).
TEST(DesktopRequests, ARuleFileThatIsAFifoIsRefusedAndTheWindowGoesOnAnswering)
{
    PrivateHome home;
    QuorvelAppController controller;
    ASSERT_TRUE(controller.startUp());
    controller.startSingleInstance({"quorvel"});
    ModalAnswerer answerer;
    TempTree tree;
    const QString fifo = tree.at("pipe.qvrule");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString b = tree.file("b.txt");

    ASSERT_TRUE(sendFromAnotherThread({SingleInstance::Mode::Open, {fifo}}, SingleInstance::socketPath()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.seen.isEmpty(); }, 30000));
    EXPECT_TRUE(controller.state().rules.isEmpty());

    ASSERT_TRUE(sendFromAnotherThread({SingleInstance::Mode::Add, {b}}, SingleInstance::socketPath()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed(controller) == QStringList{b}; }, 30000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !controller.state().isExecuting.load(); }, 30000));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

} // namespace
