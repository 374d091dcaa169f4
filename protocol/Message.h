#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "protocol/MessageCode.h"

namespace torvane {

// A move: two board cells in the sender's own view, with no code before them. The receiver
// turns each cell i into 80 - i.
struct MoveMsg {
    std::int16_t FromCell = 0;
    std::int16_t ToCell = 0;

    // Both cells lie on the board (0..80). The wire carries any 16-bit values; a receiver
    // ignores a move that is not valid.
    bool valid() const { return OnBoard(FromCell) && OnBoard(ToCell); }
    static constexpr bool OnBoard(int cell) { return cell >= 0 && cell <= 80; }

    bool operator==(const MoveMsg&) const = default;
};

// Every other message: its code and, for the codes that carry one, its text in UTF-8 (a handle
// name, or a chat line). The text is empty for Refuse, TimeLoss and Resign.
struct CodeMsg {
    MessageCode code = MessageCode::Refuse;
    std::string text;

    bool operator==(const CodeMsg&) const = default;
};

using Message = std::variant<MoveMsg, CodeMsg>;

}  // namespace torvane
