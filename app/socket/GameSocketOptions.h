#pragma once

class QTcpSocket;

namespace torvane {

// TCP keepalive timing of the game's connection: a peer whose machine vanished without
// closing (no FIN, no RST) is noticed after about kKeepIdleSeconds + kKeepCount *
// kKeepIntervalSeconds of silence, and the connection then fails like any lost one.
inline constexpr int kKeepIdleSeconds = 30;
inline constexpr int kKeepIntervalSeconds = 5;
inline constexpr int kKeepCount = 3;

// Sets the options of a connected game socket: no Nagle delay, and keepalive probes.
void SetGameSocketOptions(QTcpSocket& socket);

}  // namespace torvane
