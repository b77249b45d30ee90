// One instance per user: the message and its refusals, a second process handing its
// paths to the first, stale and foreign socket paths, held requests.
#include "app/singleinstance.h"

#include "platform/edition.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Request = SingleInstance::Request;
using Mode = SingleInstance::Mode;

const char* kChildSocket = "QUORVEL_TEST_HANDOFF_SOCKET";
const char* kChildArguments = "QUORVEL_TEST_HANDOFF_ARGUMENTS";

QByteArray payloadOf(const QByteArray& frame)
{
    return frame.mid(4);
}

QByteArray u32(quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// A socket file with no server behind it, as a crashed instance leaves it; or, with
// keepListening, a server that never reads or answers.
int makeSocketFile(const QString& path, bool keepListening)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()) + 1);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    if (keepListening) {
        EXPECT_EQ(::listen(fd, 4), 0);
        return fd;
    }
    ::close(fd);
    return -1;
}

bool isSocket(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode);
}

// Runs fn on a thread of its own while this thread serves events; its result.
bool onClientThread(std::function<bool()> fn)
{
    std::atomic<bool> result{false};
    QThread* thread = QThread::create([&] { result = fn(); });
    thread->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return thread->isFinished(); }, 30000));
    thread->wait();
    delete thread;
    return result;
}

bool sendRaw(const QString& path, const QByteArray& bytes, char* answer)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(5000))
        return false;
    socket.write(bytes);
    socket.waitForBytesWritten(5000);
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(5000))
            return false;
    }
    return socket.read(answer, 1) == 1;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    QTemporaryDir runtime;
    QString path;
    QList<Request> received;
    int arrivals = 0;

    void SetUp() override { path = runtime.filePath("quorvel.socket"); }

    SingleInstance::ListenResult listen(SingleInstance& instance)
    {
        instance.onArrival = [this] { ++arrivals; };
        return instance.listen([this](const Request& r) { received.append(r); }, path);
    }
};

TEST(SingleInstanceMessage, RoundTripsThousandsOfPaths)
{
    Request request{Mode::Open, {}};
    for (int i = 0; i < 20000; ++i)
        request.paths << QStringLiteral("/home/user/Pictures/IMG_%1 été ✓.jpg").arg(i);
    request.paths << "/with\nline feed" << "/" + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(300);
    const QByteArray frame = SingleInstance::encode(request);
    ASSERT_FALSE(frame.isEmpty());
    EXPECT_EQ(qFromBigEndian<quint32>(frame.constData()), quint32(frame.size() - 4));
    EXPECT_EQ(SingleInstance::decode(payloadOf(frame)), request);

    const Request empty{Mode::Add, {}};
    EXPECT_EQ(SingleInstance::decode(payloadOf(SingleInstance::encode(empty))), empty);
}

TEST(SingleInstanceMessage, MalformedPayloadsAreRefused)
{
    const QByteArray good = payloadOf(SingleInstance::encode({Mode::Open, {"/a", "/b"}}));
    ASSERT_TRUE(SingleInstance::decode(good));

    auto with = [&](qsizetype at, char byte) {
        QByteArray p = good;
        p[at] = byte;
        return p;
    };
    auto onePath = [](const QByteArray& bytes) {
        return QByteArray("\x01\x01", 2) + u32(1) + u32(quint32(bytes.size())) + bytes;
    };
    const QList<QByteArray> bad{
        QByteArray(),
        good.left(5),
        with(0, 2),                                      // another protocol version
        with(1, 0), with(1, 3),                          // no such mode
        good.left(good.size() - 1),                      // a path cut short
        good + "x",                                      // bytes after the last path
        QByteArray("\x01\x01", 2) + u32(0xFFFFFFFF),     // more paths than bytes
        QByteArray("\x01\x01", 2) + u32(1) + u32(0xFFFFFFF0) + "/a",
        onePath(""),                                     // empty path
        onePath("relative/path"),
        onePath(QByteArray("/nul\0inside", 11)),
        onePath("/not \xff\xfe utf-8"),
    };
    for (const QByteArray& payload : bad)
        EXPECT_FALSE(SingleInstance::decode(payload)) << payload.toHex().toStdString();
}

TEST(SingleInstanceArguments, PathsResolveAgainstTheLaunchFolder)
{
    const auto open = SingleInstance::requestFromArguments({"a.txt", "../b/./c", "/abs/d", ""}, "/work/here");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->mode, Mode::Open);
    EXPECT_EQ(open->paths, (QStringList{"/work/here/a.txt", "/work/b/c", "/abs/d"}));

    const auto add = SingleInstance::requestFromArguments({"--add", "--", "-name", "--add"}, "/w");
    ASSERT_TRUE(add);
    EXPECT_EQ(add->mode, Mode::Add);
    EXPECT_EQ(add->paths, (QStringList{"/w/-name", "/w/--add"}));

    const auto none = SingleInstance::requestFromArguments({}, "/w");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->paths.isEmpty());

    // Options this process answers itself never hand off.
    EXPECT_FALSE(SingleInstance::requestFromArguments({"--version"}, "/w"));
    EXPECT_FALSE(SingleInstance::requestFromArguments({"a", "--help"}, "/w"));
    EXPECT_FALSE(SingleInstance::requestFromArguments({"--add", "-x"}, "/w"));

    Edition::select(Edition::Kind::Quorvel2);
    const auto earlier = SingleInstance::requestFromArguments({"--add", "a"}, "/w");
    const auto earlierOpen = SingleInstance::requestFromArguments({"a"}, "/w");
    Edition::select(Edition::Kind::Quorvel);
    EXPECT_FALSE(earlier);
    EXPECT_TRUE(earlierOpen);
}

TEST(SingleInstancePath, LivesInThePrivateRuntimeFolder)
{
    QTemporaryDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString path = SingleInstance::socketPath();
    Edition::select(Edition::Kind::Quorvel2);
    const QString earlier = SingleInstance::socketPath();
    Edition::select(Edition::Kind::Quorvel);
    // A runtime folder others can read is not used.
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QString fallback = SingleInstance::socketPath();
    qputenv("XDG_RUNTIME_DIR", saved);

    EXPECT_EQ(path, runtime.filePath("quorvel.socket"));
    EXPECT_EQ(earlier, runtime.filePath("quorvel2.socket"));
    EXPECT_EQ(fallback, QDir(QDir::tempPath()).filePath(QStringLiteral("quorvel-%1/quorvel.socket").arg(::getuid())));
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(QFileInfo(fallback).path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

// Runs only as the second process of SecondProcessPathsReachTheFirst.
TEST(SingleInstanceChild, HandsOff)
{
    const QString socket = qEnvironmentVariable(kChildSocket);
    if (socket.isEmpty())
        GTEST_SKIP() << "the second process of SingleInstanceTest.SecondProcessPathsReachTheFirst";
    QStringList arguments{"quorvel"};
    for (const QByteArray& a : QByteArray::fromBase64(qgetenv(kChildArguments)).split('\0'))
        arguments << QString::fromUtf8(a);
    arguments.removeLast();
    EXPECT_TRUE(SingleInstance::handOff(arguments, socket));
}

TEST_F(SingleInstanceTest, SecondProcessPathsReachTheFirst)
{
    SingleInstance first;
    ASSERT_EQ(listen(first), SingleInstance::ListenResult::Listening);

    QTemporaryDir launchFolder;
    auto secondLaunch = [&](const QStringList& arguments) {
        QByteArray joined;
        for (const QString& a : arguments)
            joined += a.toUtf8() + '\0';
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildSocket, path);
        env.insert(kChildArguments, QString::fromLatin1(joined.toBase64()));
        QProcess second;
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(launchFolder.path());
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=SingleInstanceChild.HandsOff"});
        EXPECT_TRUE(second.waitForStarted());
        EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 60000));
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    };

    EXPECT_EQ(secondLaunch({"photo 1.jpg", "/elsewhere/b"}), 0);
    EXPECT_EQ(secondLaunch({"--add", "sub"}), 0);
    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received[0], (Request{Mode::Open, {launchFolder.filePath("photo 1.jpg"), "/elsewhere/b"}}));
    EXPECT_EQ(received[1], (Request{Mode::Add, {launchFolder.filePath("sub")}}));
    EXPECT_EQ(arrivals, 2);
}

TEST_F(SingleInstanceTest, AStaleSocketIsReplaced)
{
    makeSocketFile(path, false);
    ASSERT_TRUE(isSocket(path));
    // Nobody answers there: a hand-off fails at once instead of waiting.
    EXPECT_FALSE(SingleInstance::sendRequest({Mode::Open, {"/a"}}, path));

    SingleInstance instance;
    ASSERT_EQ(listen(instance), SingleInstance::ListenResult::Listening);
    EXPECT_TRUE(onClientThread([&] { return SingleInstance::sendRequest({Mode::Open, {"/a"}}, path); }));
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0].paths, QStringList{"/a"});
}

TEST_F(SingleInstanceTest, ALiveInstanceKeepsItsSocket)
{
    SingleInstance first;
    ASSERT_EQ(listen(first), SingleInstance::ListenResult::Listening);
    SingleInstance second;
    EXPECT_EQ(second.listen([](const Request&) {}, path), SingleInstance::ListenResult::AnotherInstance);
    EXPECT_FALSE(second.isListening());
    EXPECT_TRUE(onClientThread([&] { return SingleInstance::sendRequest({Mode::Open, {"/x"}}, path); }));
    EXPECT_EQ(received.size(), 1);
}

TEST_F(SingleInstanceTest, APathThatIsNotOursIsLeftAlone)
{
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("someone's data");
    }
    SingleInstance instance;
    EXPECT_EQ(listen(instance), SingleInstance::ListenResult::NotOurs);
    EXPECT_FALSE(SingleInstance::sendRequest({Mode::Open, {"/a"}}, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "someone's data");

    // A link is not our socket either, even one that leads to a socket of ours.
    const QString target = runtime.filePath("real.socket");
    makeSocketFile(target, false);
    const QString link = runtime.filePath("link.socket");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(instance.listen([](const Request&) {}, link), SingleInstance::ListenResult::NotOurs);
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    // A stale socket of another user.
    if (::getuid() != 0)
        return;
    const QString foreign = runtime.filePath("foreign.socket");
    makeSocketFile(foreign, false);
    ASSERT_EQ(::lchown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
    EXPECT_EQ(instance.listen([](const Request&) {}, foreign), SingleInstance::ListenResult::NotOurs);
    EXPECT_TRUE(isSocket(foreign));
    EXPECT_FALSE(SingleInstance::sendRequest({Mode::Open, {"/a"}}, foreign));
}

TEST_F(SingleInstanceTest, MalformedAndOversizedMessagesAreRefused)
{
    SingleInstance instance;
    ASSERT_EQ(listen(instance), SingleInstance::ListenResult::Listening);

    char answer = 9;
    const QByteArray relative = QByteArray("\x01\x01", 2) + u32(1) + u32(1) + "a";
    EXPECT_TRUE(onClientThread([&] { return sendRaw(path, u32(quint32(relative.size())) + relative, &answer); }));
    EXPECT_EQ(answer, 0);

    // A length over the cap is refused from the header alone.
    answer = 9;
    EXPECT_TRUE(onClientThread([&] { return sendRaw(path, u32(0xFFFFFFFF) + "\x01\x01", &answer); }));
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(received.isEmpty());
    EXPECT_EQ(arrivals, 0);

    // The earlier edition has no services entry.
    Edition::select(Edition::Kind::Quorvel2);
    const bool added = onClientThread([&] { return SingleInstance::sendRequest({Mode::Add, {"/a"}}, path); });
    Edition::select(Edition::Kind::Quorvel);
    EXPECT_FALSE(added);
    EXPECT_TRUE(received.isEmpty());
}

TEST_F(SingleInstanceTest, ASilentServerDoesNotHangTheSecondProcess)
{
    const int fd = makeSocketFile(path, true);
    EXPECT_FALSE(SingleInstance::sendRequest({Mode::Open, {"/a"}}, path, 300));
    ::close(fd);
}

TEST_F(SingleInstanceTest, HeldRequestsWaitAndReplayInOrder)
{
    SingleInstance instance;
    ASSERT_EQ(listen(instance), SingleInstance::ListenResult::Listening);
    instance.holdRequests(true);
    EXPECT_TRUE(onClientThread([&] { return SingleInstance::sendRequest({Mode::Open, {"/1"}}, path); }));
    EXPECT_TRUE(onClientThread([&] { return SingleInstance::sendRequest({Mode::Add, {"/2"}}, path); }));
    EXPECT_TRUE(received.isEmpty());
    EXPECT_EQ(arrivals, 2);
    EXPECT_EQ(instance.pendingRequests(), 2);

    instance.holdRequests(false);
    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received[0].paths, QStringList{"/1"});
    EXPECT_EQ(received[1].mode, Mode::Add);
    EXPECT_EQ(instance.pendingRequests(), 0);
}

} // namespace
