#include "app/socket/LocalAddress.h"

#include <QNetworkInterface>

namespace torvane {

std::string LocalAddress() {
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString().toStdString();
    }
    return "127.0.0.1";
}

}  // namespace torvane
