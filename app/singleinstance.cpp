#include "app/singleinstance.h"

#include "platform/edition.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kAccepted = 1;
const char kRefused = 0;

void logError(const QString& operation, const QString& reason)
{
    qWarning().noquote() << QStringLiteral("Error in %1 : %2").arg(operation, reason);
}

void appendUInt32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// Reads a 32-bit value at pos when four bytes are left.
bool readUInt32(const QByteArray& in, qsizetype& pos, quint32& value)
{
    if (in.size() - pos < 4)
        return false;
    value = qFromBigEndian<quint32>(in.constData() + pos);
    pos += 4;
    return true;
}

// An existing folder that only this user can enter and read.
bool isPrivateFolder(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode)
        && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

enum class PathState { Absent, OwnSocket, NotOurs };

PathState stateOf(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? PathState::Absent : PathState::NotOurs;
    return S_ISSOCK(st.st_mode) && st.st_uid == ::getuid() ? PathState::OwnSocket : PathState::NotOurs;
}

int remaining(const QDeadlineTimer& deadline)
{
    return int(qMax<qint64>(1, deadline.remainingTime()));
}

} // namespace

std::optional<SingleInstance::Request> SingleInstance::requestFromArguments(const QStringList& arguments,
                                                                            const QString& workingFolder)
{
    Request request;
    qsizetype i = 0;
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--add")) {
        request.mode = Mode::Add;
        ++i;
    }
    if (request.mode == Mode::Add && !Edition::current().hasServicesEntry)
        return std::nullopt;
    bool options = true;
    const QDir base(workingFolder);
    for (; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        // --version, --help and anything else this process must answer itself.
        if (options && argument.size() > 1 && argument.startsWith(QLatin1Char('-')))
            return std::nullopt;
        if (argument.isEmpty())
            continue;
        request.paths.append(QDir::cleanPath(base.absoluteFilePath(argument)));
    }
    return request;
}

QByteArray SingleInstance::encode(const Request& request)
{
    QByteArray payload;
    payload.append(char(kProtocolVersion));
    payload.append(char(request.mode));
    appendUInt32(payload, quint32(request.paths.size()));
    for (const QString& path : request.paths) {
        const QByteArray bytes = path.toUtf8();
        if (payload.size() + 8 + bytes.size() > kMaxMessageSize)
            return QByteArray();
        appendUInt32(payload, quint32(bytes.size()));
        payload.append(bytes);
    }
    QByteArray frame;
    frame.reserve(payload.size() + 4);
    appendUInt32(frame, quint32(payload.size()));
    frame.append(payload);
    return frame;
}

std::optional<SingleInstance::Request> SingleInstance::decode(const QByteArray& payload)
{
    if (payload.size() < 6 || payload.size() > kMaxMessageSize - 4 || quint8(payload.at(0)) != kProtocolVersion)
        return std::nullopt;
    Request request;
    const quint8 mode = quint8(payload.at(1));
    if (mode != quint8(Mode::Open) && mode != quint8(Mode::Add))
        return std::nullopt;
    request.mode = Mode(mode);
    qsizetype pos = 2;
    quint32 count = 0;
    // Every path takes at least its four length bytes.
    if (!readUInt32(payload, pos, count) || count > quint32((payload.size() - pos) / 4))
        return std::nullopt;
    request.paths.reserve(count);
    for (quint32 n = 0; n < count; ++n) {
        quint32 length = 0;
        if (!readUInt32(payload, pos, length) || length == 0 || length > quint32(payload.size() - pos))
            return std::nullopt;
        const QByteArrayView bytes(payload.constData() + pos, qsizetype(length));
        pos += length;
        if (bytes.front() != '/' || bytes.contains('\0'))
            return std::nullopt;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString path = utf8(bytes);
        if (utf8.hasError())
            return std::nullopt;
        request.paths.append(std::move(path));
    }
    if (pos != payload.size())
        return std::nullopt;
    return request;
}

QString SingleInstance::socketPath()
{
    const QString name = Edition::current().kind == Edition::Kind::Quorvel2 ? QStringLiteral("quorvel2.socket")
                                                                            : QStringLiteral("quorvel.socket");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return QDir(runtime).filePath(name);
    const QString fallback = QDir(QDir::tempPath()).filePath(QStringLiteral("quorvel-%1").arg(::getuid()));
    if (::mkdir(QFile::encodeName(fallback).constData(), 0700) != 0 && errno != EEXIST) {
        logError(QStringLiteral("socketPath"), QString::fromLocal8Bit(strerror(errno)));
        return QString();
    }
    if (!isPrivateFolder(fallback)) {
        logError(QStringLiteral("socketPath"), QStringLiteral("%1 is not a private folder of this user").arg(fallback));
        return QString();
    }
    return QDir(fallback).filePath(name);
}

bool SingleInstance::handOff(const QStringList& arguments)
{
    return handOff(arguments, socketPath());
}

bool SingleInstance::handOff(const QStringList& arguments, const QString& path)
{
    const std::optional<Request> request = requestFromArguments(arguments.mid(1), QDir::currentPath());
    return request && !path.isEmpty() && sendRequest(*request, path);
}

bool SingleInstance::sendRequest(const Request& request, const QString& path, int timeout)
{
    // No server, or a path that is not this user's socket: nobody to hand to.
    if (stateOf(path) != PathState::OwnSocket)
        return false;
    const QByteArray frame = encode(request);
    if (frame.isEmpty()) {
        logError(QStringLiteral("handOff"), QStringLiteral("the request is larger than %1 bytes").arg(kMaxMessageSize));
        return false;
    }
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(remaining(deadline)))
        return false;
    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (deadline.hasExpired() || !socket.waitForBytesWritten(remaining(deadline)))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(remaining(deadline)))
            return false;
    }
    char answer = kRefused;
    return socket.read(&answer, 1) == 1 && answer == kAccepted;
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isListening() const
{
    return server_ && server_->isListening();
}

SingleInstance::ListenResult SingleInstance::listen(std::function<void(const Request&)> onRequest, const QString& path)
{
    const QString operation = QStringLiteral("listen");
    if (path.isEmpty() || !isPrivateFolder(QFileInfo(path).absolutePath())) {
        logError(operation, QStringLiteral("no private folder for the socket %1; running without single instance").arg(path));
        return ListenResult::Failed;
    }
    switch (stateOf(path)) {
    case PathState::NotOurs:
        logError(operation, QStringLiteral("%1 is not a socket of this user; left alone, running without single instance").arg(path));
        return ListenResult::NotOurs;
    case PathState::OwnSocket: {
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(1000)) {
            probe.abort();
            logError(operation, QStringLiteral("another instance serves %1; running without single instance").arg(path));
            return ListenResult::AnotherInstance;
        }
        if (probe.error() != QLocalSocket::ConnectionRefusedError && probe.error() != QLocalSocket::ServerNotFoundError) {
            logError(operation, QStringLiteral("%1 does not answer (%2); running without single instance").arg(path, probe.errorString()));
            return ListenResult::AnotherInstance;
        }
        // Left by an instance that ended without closing it.
        if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
            logError(operation, QStringLiteral("the stale socket %1 cannot be removed: %2").arg(path, QString::fromLocal8Bit(strerror(errno))));
            return ListenResult::Failed;
        }
        qWarning().noquote() << QStringLiteral("listen : removed the stale socket %1").arg(path);
        break;
    }
    case PathState::Absent:
        break;
    }

    auto server = std::make_unique<QLocalServer>(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(path)) {
        logError(operation, QStringLiteral("%1: %2; running without single instance").arg(path, server->errorString()));
        return ListenResult::Failed;
    }
    server_ = server.release();
    onRequest_ = std::move(onRequest);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return ListenResult::Listening;
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto incoming = std::make_shared<Incoming>();
        auto read = [this, socket, incoming] { readFrom(socket, *incoming); };
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, read);
        // A client that never completes its message is dropped.
        QTimer::singleShot(kTimeout, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0)
            read();
    }
}

void SingleInstance::readFrom(QLocalSocket* socket, Incoming& incoming)
{
    if (incoming.answered) {
        socket->readAll();
        return;
    }
    incoming.data.append(socket->readAll());
    if (incoming.data.size() < 4)
        return;
    const quint32 length = qFromBigEndian<quint32>(incoming.data.constData());
    const qsizetype received = incoming.data.size() - 4;
    if (length > quint32(kMaxMessageSize - 4) || received > qsizetype(length)) {
        incoming.answered = true;
        incoming.data.clear();
        logError(QStringLiteral("readRequest"), QStringLiteral("a request of a wrong size was refused"));
        answer(socket, false);
        return;
    }
    if (received < qsizetype(length))
        return;
    std::optional<Request> request = decode(incoming.data.mid(4));
    incoming.answered = true;
    incoming.data.clear();
    // The earlier edition has no services entry.
    if (request && request->mode == Mode::Add && !Edition::current().hasServicesEntry)
        request.reset();
    answer(socket, request.has_value());
    if (!request) {
        logError(QStringLiteral("readRequest"), QStringLiteral("a malformed request was refused"));
        return;
    }
    queue_.append(std::move(*request));
    if (onArrival)
        onArrival();
    dispatch();
}

void SingleInstance::answer(QLocalSocket* socket, bool accepted)
{
    socket->write(accepted ? &kAccepted : &kRefused, 1);
    socket->flush();
    socket->disconnectFromServer();
}

void SingleInstance::holdRequests(bool hold)
{
    held_ = hold;
    if (!held_)
        dispatch();
}

void SingleInstance::dispatch()
{
    // A request handler may run a nested event loop (an alert); requests arriving in it
    // wait for the outer loop below instead of overtaking the one being handled.
    if (dispatching_)
        return;
    dispatching_ = true;
    while (!held_ && !queue_.isEmpty()) {
        const Request request = queue_.takeFirst();
        if (onRequest_)
            onRequest_(request);
    }
    dispatching_ = false;
}
