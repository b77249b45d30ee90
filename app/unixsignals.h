#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

// Turns POSIX signals (SIGTERM, SIGINT) into a Qt signal on the main thread: the handler
// only writes the signal number into a pipe, which a socket notifier reads in the event
// loop. One instance per process.
class UnixSignals : public QObject {
    Q_OBJECT
public:
    explicit UnixSignals(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    ~UnixSignals() override;

    bool isActive() const { return notifier_ != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
    QList<int> handled_;
};
