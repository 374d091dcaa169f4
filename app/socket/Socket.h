#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "net/Connection.h"

class QTcpServer;
class QTcpSocket;

namespace torvane {

class TaskRunner;

// The program's one TCP connection, IPv4 or IPv6: connecting to a host, or listening on a
// port and accepting the first request, after which it listens no more. Every message goes out
// in one write with Nagle's delay off. The five events are delivered on the main thread from
// the event loop, never from inside a socket signal, in the order they happened; events of a
// connection that has been closed meanwhile are dropped.
//
// The connection itself lives on a thread of its own that does nothing but read and write it,
// so received bytes are read, and stamped with the time, as soon as they arrive, however busy
// the main thread is: the end of a text message is judged by when the peer's bytes came, and
// a stall of the window cannot merge two of the peer's messages.
class Socket : public QObject, public Connection {
    Q_OBJECT
public:
    explicit Socket(QObject* parent = nullptr);
    ~Socket() override;

    void Close() override;
    void Connect(const std::string& host, int port) override;
    std::optional<ConnectionError> Listen(int port) override;
    void Accept(int requestId) override;
    // Writes `bytes` at once; false when no connection is open.
    bool Send(std::span<const std::uint8_t> bytes) override;
    // The address the peer connects to: the first IPv4 address that is not the loopback.
    static std::string LocalIP();
    // When bytes were last read off the connection, whether or not they have been delivered.
    ArrivalClock::time_point LatestArrival() const;

    std::function<void()> onConnected;
    std::function<void(int requestId)> onConnectionRequest;
    std::function<void(std::span<const std::uint8_t>, ArrivalClock::time_point)> onDataArrival;
    std::function<void()> onClose;
    std::function<void(int number, const std::string& description)> onError;

protected:
    void customEvent(QEvent* event) override;  // the events posted from the connection's thread

private:
    void Adopt(QTcpSocket* socket);
    void Watch(QTcpSocket* socket, int generation);
    void TakeRequest();
    void DropPending();
    // On the connection's thread.
    void ReadAll(QTcpSocket& socket, int generation);
    void PeerClosed(QTcpSocket& socket, int generation);
    // Runs `event` on the main thread unless the connection of `generation` has been closed.
    void Post(int generation, std::function<void()> event);

    QThread io_;  // the connection's thread
    QTcpServer* server_;
    TaskRunner* ioRunner_;          // runs the work handed to the connection's thread
    QTcpSocket* socket_ = nullptr;  // lives on `io_`
    QPointer<QTcpSocket> pending_;  // the accepted request, until the game takes it
    int pendingId_ = 0;
    int generation_ = 0;  // counts the connections closed, to drop their late events
    std::atomic<ArrivalClock::rep> latestArrival_{0};
};

}  // namespace torvane
