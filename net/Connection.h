#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace torvane {

// The clock that stamps received bytes with the moment they were read off the connection.
using ArrivalClock = std::chrono::steady_clock;

// The error numbers the connection dialogs tell apart.
inline constexpr int kNotAPortNumber = 13;   // the port text is no number in 1..65535
inline constexpr int kAddressInUse = 10048;  // another socket already listens on the port

struct ConnectionError {
    int number = 0;
    std::string description;  // shown to the player as it is
};

// The one TCP connection of the program, as the network session drives it. Its events come
// back as the session's routines `Connected`, `ConnectionRequested`, `BytesArrived`,
// `ClosedByPeer` and `SocketError`, all on the main thread.
class Connection {
public:
    virtual ~Connection() = default;

    // Ends the connection or the listening, whatever it was doing. A connection request that
    // has been announced and not yet accepted stays acceptable.
    virtual void Close() = 0;
    // Starts connecting; the outcome arrives as `Connected` or `SocketError`.
    virtual void Connect(const std::string& host, int port) = 0;
    // Listens for one connection request, announced by `ConnectionRequested`.
    virtual std::optional<ConnectionError> Listen(int port) = 0;
    // Takes the announced request as the connection; listening has stopped.
    virtual void Accept(int requestId) = 0;
    // Writes one whole message to the peer; false when no connection can take it.
    virtual bool Send(std::span<const std::uint8_t> bytes) = 0;
};

// The port number written in `text`: decimal digits with blanks around them, 1 to 65535.
std::optional<int> ParsePort(const std::string& text);

}  // namespace torvane
