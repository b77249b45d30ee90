// The window under load: the longest stall of the event loop while the window adds
// 100,000 files by a drop and previews them (the list, the busy panel and the progress
// lines wired as in the program), and the time from QApplication to the first painted
// window. The window is shown on the offscreen platform, so the table really lays out
// and paints.
//
//   window_stall [N=100000] [rounds=3]
//   window_stall --startup     (start the window as quorvel does, paint it once, exit: for
//                               timing the whole process with hyperfine)
//
// The stall is the longest gap between two ticks of a 1 ms precise timer: every piece of
// work the window does on the main thread (progress updates, the model reset, the table's
// layout and painting of a 100,000-row list) shows up in it.
#include "app/mainwindow.h"
#include "app/quorvelappcontroller.h"
#include "engine/settings.h"
#include "pipeline/passrunner.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// Records the longest gap between the ticks of a 1 ms timer.
class StallMeter {
public:
    StallMeter()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            if (last_ >= 0)
                longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
    }
    void start()
    {
        longest_ = 0;
        last_ = -1;
        clock_.start();
        timer_.start();
    }
    double stopMs()
    {
        timer_.stop();
        return double(longest_) / 1e6;
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = -1;
    qint64 longest_ = 0;
};

void makeFiles(const QString& folder, int n)
{
    const std::string base = folder.toStdString();
    for (int i = 0; i < n; ++i) {
        const std::string path = base + "/holiday photo " + std::to_string(i) + ".jpg";
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0)
            ::close(fd);
    }
}

// Runs the event loop until the pass has ended, with the stall meter running.
double runPass(QuorvelAppController& c, StallMeter& meter, double& elapsedMs)
{
    QElapsedTimer clock;
    clock.start();
    meter.start();
    PassRunner::waitUntilIdle(c.state());
    // What the end of the pass posted (the reload, the repaint of the list).
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(1);
    }
    elapsedMs = double(clock.nsecsElapsed()) / 1e6;
    return meter.stopMs();
}

} // namespace

int main(int argc, char** argv)
{
    const bool startupOnly = argc > 1 && std::string(argv[1]) == "--startup";
    const int n = argc > 1 && !startupOnly ? std::atoi(argv[1]) : 100000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QElapsedTimer startClock;
    startClock.start();
    Edition::select(Edition::Kind::Quorvel);
    QApplication app(argc, argv);
    Messages::install(Edition::current());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path() + "/config");
    const double appMs = double(startClock.nsecsElapsed()) / 1e6;
    if (startupOnly) {
        QuorvelAppController c;
        if (!c.startUp())
            return 1;
        c.window()->show();
        QApplication::processEvents();
        return 0;
    }

    double worstAdd = 0, worstPreview = 0, worstStartUp = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer upClock;
        upClock.start();
        QuorvelAppController c;
        if (!c.startUp())
            return 1;
        c.window()->resize(1100, 820);
        c.window()->show();
        QApplication::processEvents();
        const double startUpMs = double(upClock.nsecsElapsed()) / 1e6;
        worstStartUp = std::max(worstStartUp, startUpMs);

        QTemporaryDir files;
        makeFiles(files.path(), n);
        StallMeter meter;

        double addMs = 0;
        c.tableViewAcceptDrop({files.path()});
        const double addStall = runPass(c, meter, addMs);

        c.mainWindow().methodTabs()->setCurrentIndex(2);
        c.state().settings.setText(QStringLiteral("replaceRemoveThis"), QStringLiteral("holiday"));
        c.state().settings.setText(QStringLiteral("replaceRemoveWith"), QStringLiteral("trip"));
        double previewMs = 0;
        c.actionPreview();
        const double previewStall = runPass(c, meter, previewMs);

        std::printf("round %d: items %d | start-up (controller, start-up sequence, first show) %.1f ms | "
                    "add: %.0f ms, longest stall %.1f ms | preview: %.0f ms, longest stall %.1f ms\n",
                    round + 1, c.state().list.size(), startUpMs, addMs, addStall, previewMs, previewStall);
        worstAdd = std::max(worstAdd, addStall);
        worstPreview = std::max(worstPreview, previewStall);
        c.window()->hide();
    }
    std::printf("QApplication ready %.1f ms after main; worst start-up %.1f ms; worst stalls: add %.1f ms, "
                "preview %.1f ms (target < 50 ms)\n",
                appMs, worstStartUp, worstAdd, worstPreview);
    return 0;
}
