#pragma once

#include <cstdint>
#include <string>

namespace torvane {

// Colours as the window's controls hold them.
using Colour = std::uint32_t;
inline constexpr Colour kGreen = 65280;  // RGB(0, 255, 0)
inline constexpr Colour kBlack = 0;
inline constexpr Colour kButtonFace = 0x8000000F;  // the standard control colour

inline constexpr const char* kZeroClock = "00:00:00";

// The state of the main window's controls that the game drives: clocks, turn markers, the
// board and hands' enabled state and the game's menu commands. The window shows it; the names
// are the controls' names. What the connection shows is the network session's own.
struct Controls {
    std::string Label1 = kZeroClock;  // bottom clock
    std::string Label3 = kZeroClock;  // top clock
    std::string Label2 = "先手";      // bottom turn marker
    std::string Label4 = "後手";      // top turn marker
    Colour Label2Back = kButtonFace;
    Colour Label4Back = kButtonFace;
    Colour Label6Back = kButtonFace;  // the neutral colour of the turn markers

    std::string Label8;  // turn line above the board
    Colour Label8Fore = kBlack;
    std::string Label14;  // local IP address

    bool Timer1 = false, Timer2 = false;
    // The peer's clock has passed the time limit and its loss on time has not come: the
    // window gives it a grace period, then asks whether to give up on the peer.
    bool PeerOverdue = false;
    bool Picture1 = false;  // the board
    bool Picture2 = false;  // top hand
    bool Picture3 = false;  // bottom hand

    // Menu items.
    bool touryou = false, kopyuuta = false;
    bool suruu = true, matu = true, sutato = true;
};

}  // namespace torvane
