#pragma once

#include <cstdint>
#include <string>

namespace torvane {

// The state of the main window's controls that the network session drives: the connection's
// caption, the two handles, the chat log and the disconnect command. The window shows it beside
// the game's `Controls`; the names are the controls' names.
struct ConnectionControls {
    std::string Label7;   // connection state
    std::string Label15;  // peer's handle
    std::string Label16;  // local handle

    std::string Text100;                // chat log, the newest lines
    std::uint64_t Text100Appended = 0;  // lines ever appended to the log
    std::uint64_t Text100Cleared = 0;   // times the log was emptied
    std::size_t Text100Lines = 0;       // lines in the log now
    bool Text100Enabled = false;
    std::string Text2, Text3, Text7;  // hidden: local handle, listening port, refused offer

    bool setudann = false;  // "切断する(&D)": enabled while a connection is made or being made
};

}  // namespace torvane
