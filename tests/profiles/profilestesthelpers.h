#pragma once

#include "pipeline/controllerstate.h"
#include "support/scripteduserinterface.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

// The scripted interface, also recording the window-wide refreshes profiles and rules make.
class RecordingUserInterface : public ScriptedUserInterface {
public:
    int settingsRefreshes = 0;
    QStringList titles;
    void refreshSettingsView() override { ++settingsRefreshes; }
    void updateWindowTitle(const QString& title) override { titles.append(title); }
};

inline void writeText(const QString& path, const QByteArray& text)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
}

// While it lives, no file of this process may grow beyond the given size: writes past it
// fail (as on a full disk) instead of raising SIGXFSZ. Works for root as well, which a
// read-only folder would not stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = saved_;
        limit.rlim_cur = rlim_t(bytes);
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool isActive() const { return active_; }

private:
    struct rlimit saved_ {};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};
