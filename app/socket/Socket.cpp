#include "app/socket/Socket.h"

#include <QTcpServer>
#include <QTcpSocket>

#include "app/socket/GameSocketOptions.h"
#include "app/socket/LocalAddress.h"

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

Socket::Socket(QObject* parent) : QObject(parent), server_(new QTcpServer(this)) {
    server_->setMaxPendingConnections(1);
    connect(server_, &QTcpServer::newConnection, this, &Socket::TakeRequest);
}

Socket::~Socket() {
    Close();
    DropPending();
}

std::string Socket::LocalIP() {
    return LocalAddress();
}

void Socket::Close() {
    ++generation_;
    server_->close();
    if (!socket_) return;
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
}

void Socket::Connect(const std::string& host, int port) {
    Close();
    DropPending();
    auto* socket = new QTcpSocket(this);
    Adopt(socket);
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        SetGameSocketOptions(*socket);
        Post([this] { onConnected(); });
    });
    socket->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
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
    Post([this, id] { onConnectionRequest(id); });
}

void Socket::Accept(int requestId) {
    if (!pending_ || requestId != pendingId_) return;
    Close();
    QTcpSocket* socket = pending_;
    pending_ = nullptr;
    Adopt(socket);
    SetGameSocketOptions(*socket);
    if (socket->bytesAvailable() > 0) ReadAll();
    if (socket->state() != QAbstractSocket::ConnectedState) PeerClosed();
}

void Socket::DropPending() {
    if (!pending_) return;
    pending_->abort();
    pending_->deleteLater();
    pending_ = nullptr;
}

void Socket::Adopt(QTcpSocket* socket) {
    socket->setParent(this);
    socket_ = socket;
    connect(socket, &QTcpSocket::readyRead, this, &Socket::ReadAll);
    connect(socket, &QTcpSocket::disconnected, this, &Socket::PeerClosed);
    connect(socket, &QTcpSocket::errorOccurred, this,
            [this, socket](QAbstractSocket::SocketError error) {
                // The peer's close is reported as closed, not as an error.
                if (error == QAbstractSocket::RemoteHostClosedError) return;
                Failed(ErrorNumber(error), socket->errorString());
            });
}

bool Socket::Send(std::span<const std::uint8_t> bytes) {
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) return false;
    auto size = static_cast<qint64>(bytes.size());
    if (socket_->write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
    socket_->flush();
    return true;
}

void Socket::ReadAll() {
    QByteArray data = socket_->readAll();
    if (data.isEmpty()) return;
    Post([this, data] {
        onDataArrival({reinterpret_cast<const std::uint8_t*>(data.constData()),
                       static_cast<std::size_t>(data.size())});
    });
}

void Socket::PeerClosed() {
    ReadAll();
    socket_->disconnect(this);
    Post([this] { onClose(); });
}

void Socket::Failed(int number, const QString& description) {
    Post([this, number, text = description.toStdString()] { onError(number, text); });
}

// Handlers of these events may open modal boxes; run from the event loop they cannot stall the
// socket's own signals.
void Socket::Post(std::function<void()> event) {
    QMetaObject::invokeMethod(
        this,
        [this, event = std::move(event), generation = generation_] {
            if (generation == generation_) event();
        },
        Qt::QueuedConnection);
}

}  // namespace torvane
