#pragma once

#include <QString>
#include <QTcpSocket>

namespace torvane {

// A TCP port kept for one test: a socket is bound to it but does not listen, so no other
// program or test running beside this one is given the port, and a connection to it is refused
// until the test listens on it. The program can still listen on it because both sockets allow
// the address to be reused, which Linux permits while no socket listens.
class ReservedPort {
public:
    ReservedPort() { socket_.bind(QHostAddress::Any, 0, QAbstractSocket::ReuseAddressHint); }
    quint16 number() const { return socket_.localPort(); }
    QString text() const { return QString::number(number()); }

private:
    QTcpSocket socket_;
};

}  // namespace torvane
