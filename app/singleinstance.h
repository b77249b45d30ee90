#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;

// One running program per user and edition. A second launch hands its request (documents
// to open, or items for the services entry) to the running one over a local socket in the
// user's runtime folder and ends; the running one brings its window to the front and
// dispatches the request.
//
// The message: a 32-bit big-endian length, then the payload: a version byte, a mode byte
// (1 open, 2 add), a 32-bit count and the paths, each a 32-bit length and its UTF-8
// bytes. Paths are absolute. A message over kMaxMessageSize or malformed in any way is
// refused; the server answers one byte, 1 accepted or 0 refused.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Mode : quint8 { Open = 1, Add = 2 };
    struct Request {
        Mode mode = Mode::Open;
        QStringList paths;
        bool operator==(const Request&) const = default;
    };

    static constexpr quint8 kProtocolVersion = 1;
    static constexpr qint64 kMaxMessageSize = 64 * 1024 * 1024;
    static constexpr int kTimeout = 5000; // milliseconds for a whole exchange

    // The request of a command line (without the program's name): "--add" first is the
    // services entry, anything else opens documents; "--" ends the options. Relative
    // paths are resolved against workingFolder. Nothing for --version and --help (they
    // never hand off), for another option, or for --add in an edition without the
    // services entry.
    static std::optional<Request> requestFromArguments(const QStringList& arguments, const QString& workingFolder);

    // The framed message (length prefix included); empty when it would exceed the cap.
    static QByteArray encode(const Request& request);
    // The payload (after the length prefix), or nothing when it is malformed.
    static std::optional<Request> decode(const QByteArray& payload);

    // The socket of this edition: $XDG_RUNTIME_DIR/quorvel.socket ("quorvel2.socket" for
    // the earlier edition) when that folder is private to this user, else the same name in
    // a private per-user folder of the temporary folder (created with 0700). Empty when no
    // private folder can be had.
    static QString socketPath();

    // For the top of main(), once the application object exists: the program's arguments
    // (QCoreApplication::arguments(), the program first). True when a running instance
    // accepted the request, so this process should end.
    static bool handOff(const QStringList& arguments);
    static bool handOff(const QStringList& arguments, const QString& socketPath);
    // Sends one request and waits for the answer, never longer than timeout
    // milliseconds. True when the server accepted it. Only a socket owned by this user
    // is contacted.
    static bool sendRequest(const Request& request, const QString& socketPath, int timeout = kTimeout);

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class ListenResult {
        Listening,
        AnotherInstance, // a server answers at the path
        NotOurs,         // something at the path is not this user's socket; left alone
        Failed,          // no private folder, or the socket could not be made
    };
    // Serves requests at the path. A socket of this user at the path that no server
    // answers is stale and is replaced. Anything but Listening is logged: the program then
    // runs without single instance.
    ListenResult listen(std::function<void(const Request&)> onRequest, const QString& path = socketPath());
    bool isListening() const;

    // Runs as soon as a request has arrived, even while requests are held (the window
    // comes to the front).
    std::function<void()> onArrival;

    // While held (a sheet is open) requests wait in order; releasing dispatches them.
    void holdRequests(bool hold);
    int pendingRequests() const { return int(queue_.size()); }

private:
    void accept();
    // What has arrived on one connection.
    struct Incoming {
        QByteArray data;
        bool answered = false;
    };
    void readFrom(QLocalSocket* socket, Incoming& incoming);
    void answer(QLocalSocket* socket, bool accepted);
    void dispatch();

    QLocalServer* server_ = nullptr;
    std::function<void(const Request&)> onRequest_;
    QList<Request> queue_;
    bool held_ = false;
    bool dispatching_ = false;
};
