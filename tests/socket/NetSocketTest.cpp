#include <gtest/gtest.h>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <functional>

#include "app/socket/GameSocketOptions.h"
#include "app/socket/Socket.h"
#include "ui/ReservedPort.h"

using namespace torvane;

namespace {

// The events of a socket come from the event loop, which runs meanwhile.
bool WaitFor(std::function<bool()> condition) {
    return QTest::qWaitFor(std::move(condition), 10000);
}

// A socket with its events recorded.
struct Recorded {
    Socket socket;
    std::vector<std::string> events;
    std::string data;
    std::vector<ArrivalClock::time_point> arrivals;
    int requestId = 0;
    Recorded() {
        socket.onConnected = [this] { events.push_back("connected"); };
        socket.onConnectionRequest = [this](int id) {
            requestId = id;
            events.push_back("request");
        };
        socket.onDataArrival = [this](std::span<const std::uint8_t> b,
                                      ArrivalClock::time_point at) {
            data.append(b.begin(), b.end());
            arrivals.push_back(at);
        };
        socket.onClose = [this] { events.push_back("closed"); };
        socket.onError = [this](int number, const std::string&) {
            events.push_back("error " + std::to_string(number));
        };
    }
};

// `server` listens on `port`, `client` connects to it on `host`, and the request is accepted
// as the game accepts it.
bool Join(Recorded& server, Recorded& client, const std::string& host, const ReservedPort& port) {
    if (server.socket.Listen(port.number())) return false;
    client.socket.Connect(host, port.number());
    if (!WaitFor([&] { return server.requestId != 0; })) return false;
    server.socket.Close();
    server.socket.Accept(server.requestId);
    return WaitFor([&] { return !client.events.empty(); }) && client.events[0] == "connected";
}

// Waits, without letting the main thread's event loop run, until `socket` has read more bytes
// off its connection than it had at `since`.
bool ReadOffWithoutEvents(const Socket& socket, ArrivalClock::time_point since) {
    QDeadlineTimer deadline(10000);
    while (socket.LatestArrival() == since) {
        if (deadline.hasExpired()) return false;
        QThread::yieldCurrentThread();
    }
    return true;
}

}  // namespace

TEST(NetSocket, OneConnectionIsAcceptedAndListeningStops) {
    Recorded server, client;
    ReservedPort port;
    ASSERT_TRUE(Join(server, client, "127.0.0.1", port));
    QTcpSocket late;
    late.connectToHost("127.0.0.1", port.number());
    EXPECT_FALSE(late.waitForConnected(10000));
    EXPECT_EQ(late.error(), QAbstractSocket::ConnectionRefusedError);
    EXPECT_EQ(server.events, std::vector<std::string>{"request"});

    const std::uint8_t hello[] = {0xD0, 0x07, 'B'};
    EXPECT_TRUE(client.socket.Send(hello));
    ASSERT_TRUE(WaitFor([&] { return server.data.size() == 3; }));
    EXPECT_EQ(server.data,
              "\xD0\x07"
              "B");

    client.socket.Close();
    ASSERT_TRUE(WaitFor([&] { return server.events.size() == 2; }));
    EXPECT_EQ(server.events.back(), "closed");
    EXPECT_FALSE(server.socket.Send(hello));
}

TEST(NetSocket, ThePortInUseAndARefusedConnectionHaveTheirNumbers) {
    Recorded first, second, client;
    ReservedPort port, nobodyListens;
    ASSERT_FALSE(first.socket.Listen(port.number()));
    std::optional<ConnectionError> inUse = second.socket.Listen(port.number());
    ASSERT_TRUE(inUse);
    EXPECT_EQ(inUse->number, kAddressInUse);
    EXPECT_FALSE(inUse->description.empty());

    client.socket.Connect("127.0.0.1", nobodyListens.number());
    ASSERT_TRUE(WaitFor([&] { return !client.events.empty(); }));
    EXPECT_EQ(client.events, std::vector<std::string>{"error 10061"});
}

TEST(NetSocket, IPv6Loopback) {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHostIPv6, 0)) GTEST_SKIP() << "no IPv6 loopback";
    Recorded server, client;
    ReservedPort port;
    ASSERT_TRUE(Join(server, client, "::1", port));
    const std::uint8_t refuse[] = {0x78, 0x05};
    EXPECT_TRUE(server.socket.Send(refuse));
    ASSERT_TRUE(WaitFor([&] { return client.data.size() == 2; }));
}

// A peer whose machine vanishes without closing is noticed by the keepalive probes that the
// kernel sends on the game's connection.
TEST(NetSocket, TheGameConnectionProbesAQuietPeer) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.serverPort());
    ASSERT_TRUE(socket.waitForConnected(5000));
    SetGameSocketOptions(socket);
    auto fd = static_cast<int>(socket.socketDescriptor());
    auto option = [fd](int level, int name) {
        int value = -1;
        socklen_t size = sizeof value;
        getsockopt(fd, level, name, &value, &size);
        return value;
    };
    EXPECT_EQ(option(SOL_SOCKET, SO_KEEPALIVE), 1);
    EXPECT_EQ(option(IPPROTO_TCP, TCP_KEEPIDLE), kKeepIdleSeconds);
    EXPECT_EQ(option(IPPROTO_TCP, TCP_KEEPINTVL), kKeepIntervalSeconds);
    EXPECT_EQ(option(IPPROTO_TCP, TCP_KEEPCNT), kKeepCount);
    EXPECT_EQ(option(IPPROTO_TCP, TCP_NODELAY), 1);
}

// Bytes are read and stamped on the connection's own thread as they arrive: two writes that
// come while the main thread is busy are delivered afterwards as two pieces, each with its own
// time, so a stalled window cannot run two of the peer's messages together.
TEST(NetSocket, BytesAreStampedWhenTheyArriveNotWhenTheWindowGetsToThem) {
    Recorded server, client;
    ReservedPort port;
    ASSERT_TRUE(Join(server, client, "127.0.0.1", port));
    const std::uint8_t chat[] = {0xB0, 0x04, 'h', 'i'};
    const std::uint8_t resign[] = {0x79, 0x05};
    ArrivalClock::time_point start = server.socket.LatestArrival();
    ASSERT_TRUE(client.socket.Send(chat));
    ASSERT_TRUE(ReadOffWithoutEvents(server.socket, start));
    ArrivalClock::time_point chatRead = server.socket.LatestArrival();
    ASSERT_TRUE(client.socket.Send(resign));
    ASSERT_TRUE(ReadOffWithoutEvents(server.socket, chatRead));
    EXPECT_TRUE(server.arrivals.empty()) << "delivered before the main thread ran";

    ASSERT_TRUE(WaitFor([&] { return server.arrivals.size() == 2; }));
    EXPECT_EQ(server.arrivals[0], chatRead);
    EXPECT_LT(server.arrivals[0], server.arrivals[1]);
    EXPECT_EQ(server.data, std::string("\xB0\x04hi\x79\x05"));
}
