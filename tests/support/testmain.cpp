// The test programs' main: a QCoreApplication (passes post to the main thread), the
// message tables, and a private XDG home so no test touches the user's files.
#include "platform/edition.h"
#include "platform/messages.h"

#include <QCoreApplication>
#ifdef QUORVEL_GUI_TESTS
#include <QApplication>
#endif
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    const QByteArray root = home.path().toLocal8Bit();
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/run").constData(), 1);
    setenv("LANG", "en_US.UTF-8", 0);
    setenv("TZ", "UTC", 0);
#ifdef QUORVEL_GUI_TESTS
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    Messages::install(Edition::current());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
