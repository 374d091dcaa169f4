#include "app/socket/Socket.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <utility>

#include "app/socket/GameSocketOptions.h"
#include "app/socket/LocalAddress.h"
#include "app/socket/ThreadTask.h"

namespace torvane {

namespace {

// The numbers of the socket errors, as the rest of the program knows them.
int ErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::AddressInUseError:
            return kAddressInUse;
        case QAbstractSocket::SocketAccessError:
            return 10013;
        case QAbstractSocket::ConnectionRefusedError:
            return 10061;
        case QAbstractSocket::SocketTimeoutError:
            return 10060;
        case QAbstractSocket::HostNotFoundError:
            return 11001;
        case QAbstractSocket::NetworkError:
            return 10050;
        default:
            return 10000 + static_cast<int>(error);
    }
}

}  // namespace

Socket::Socket(QObject* parent)
    : QObject(parent), server_(new QTcpServer(this)), ioRunner_(new TaskRunner) {
    server_->setMaxPendingConnections(1);
    connect(server_, &QTcpServer::newConnection, this, &Socket::TakeRequest);
    io_.setObjectName("connection");
    ioRunner_->moveToThread(&io_);
    io_.start();
}

Socket::~Socket() {
    Close();
    DropPending();
    io_.quit();
    io_.wait();
    delete ioRunner_;
}

void Socket::customEvent(QEvent* event) {
    RunTask(event);
}

std::string Socket::LocalIP() {
    return LocalAddress();
}

ArrivalClock::time_point Socket::LatestArrival() const {
    return ArrivalClock::time_point(ArrivalClock::duration(latestArrival_.load()));
}

// Returns once the connection's thread has let go of the socket, so nothing of it can be
// reported afterwards.
void Socket::Close() {
    ++generation_;
    server_->close();
    QTcpSocket* socket = std::exchange(socket_, nullptr);
    if (!socket) return;
    RunTaskAndWait(ioRunner_, [socket] {
        socket->disconnect();
        socket->abort();
        socket->deleteLater();
    });
}

void Socket::Connect(const std::string& host, int port) {
    Close();
    DropPending();
    auto* socket = new QTcpSocket;
    Adopt(socket);
    PostTask(ioRunner_,
             [this, socket, generation = generation_, host = QString::fromStdString(host), port] {
                 Watch(socket, generation);
                 socket->connectToHost(host, static_cast<quint16>(port));
             });
}

std::optional<ConnectionError> Socket::Listen(int port) {
    Close();
    DropPending();
    if (server_->listen(QHostAddress::Any, static_cast<quint16>(port))) return std::nullopt;
    return ConnectionError{ErrorNumber(server_->serverError()),
                           server_->errorString().toStdString()};
}

// The first request is taken and listening ends; a second request that came with it is refused.
void Socket::TakeRequest() {
    QTcpSocket* request = server_->nextPendingConnection();
    server_->close();
    while (QTcpSocket* extra = server_->nextPendingConnection()) {
        extra->abort();
        extra->deleteLater();
    }
    if (!request) return;
    DropPending();
    pending_ = request;
    int id = ++pendingId_;
    Post(generation_, [this, id] { onConnectionRequest(id); });
}

void Socket::Accept(int requestId) {
    if (!pending_ || requestId != pendingId_) return;
    Close();
    QTcpSocket* socket = pending_;
    pending_ = nullptr;
    Adopt(socket);
    PostTask(ioRunner_, [this, socket, generation = generation_] {
        Watch(socket, generation);
        SetGameSocketOptions(*socket);
        if (socket->bytesAvailable() > 0) ReadAll(*socket, generation);
        if (socket->state() != QAbstractSocket::ConnectedState) PeerClosed(*socket, generation);
    });
}

void Socket::DropPending() {
    if (!pending_) return;
    pending_->abort();
    pending_->deleteLater();
    pending_ = nullptr;
}

// Hands the socket to the connection's thread, where its signals are handled from now on.
void Socket::Adopt(QTcpSocket* socket) {
    socket->setParent(nullptr);
    socket->moveToThread(&io_);
    socket_ = socket;
}

// On the connection's thread: its signals are handled there, as events of `generation`.
void Socket::Watch(QTcpSocket* socket, int generation) {
    connect(socket, &QTcpSocket::connected, socket, [this, socket, generation] {
        SetGameSocketOptions(*socket);
        Post(generation, [this] { onConnected(); });
    });
    connect(socket, &QTcpSocket::readyRead, socket,
            [this, socket, generation] { ReadAll(*socket, generation); });
    connect(socket, &QTcpSocket::disconnected, socket,
            [this, socket, generation] { PeerClosed(*socket, generation); });
    connect(socket, &QTcpSocket::errorOccurred, socket,
            [this, socket, generation](QAbstractSocket::SocketError error) {
                // The peer's close is reported as closed, not as an error.
                if (error == QAbstractSocket::RemoteHostClosedError) return;
                Post(generation,
                     [this, number = ErrorNumber(error),
                      text = socket->errorString().toStdString()] { onError(number, text); });
            });
}

bool Socket::Send(std::span<const std::uint8_t> bytes) {
    if (!socket_) return false;
    // The call returns only once the connection's thread has written, so it may read the
    // caller's bytes where they are.
    const auto size = static_cast<qint64>(bytes.size());
    bool sent = false;
    RunTaskAndWait(ioRunner_, [socket = socket_, bytes, size, &sent] {
        if (socket->state() != QAbstractSocket::ConnectedState) return;
        sent = socket->write(reinterpret_cast<const char*>(bytes.data()), size) == size;
        socket->flush();
    });
    return sent;
}

void Socket::ReadAll(QTcpSocket& socket, int generation) {
    QByteArray data = socket.readAll();
    if (data.isEmpty()) return;
    ArrivalClock::time_point arrival = ArrivalClock::now();
    latestArrival_.store(arrival.time_since_epoch().count());
    Post(generation, [this, data, arrival] {
        onDataArrival({reinterpret_cast<const std::uint8_t*>(data.constData()),
                       static_cast<std::size_t>(data.size())},
                      arrival);
    });
}

void Socket::PeerClosed(QTcpSocket& socket, int generation) {
    ReadAll(socket, generation);
    socket.disconnect();
    Post(generation, [this] { onClose(); });
}

// Handlers of these events may open modal boxes; run from the main thread's event loop they
// cannot stall the socket's own signals.
void Socket::Post(int generation, std::function<void()> event) {
    PostTask(this, [this, event = std::move(event), generation] {
        if (generation == generation_) event();
    });
}

}  // namespace torvane
