#pragma once

#include "protocol/Message.h"
#include "protocol/WireBytes.h"

namespace torvane {

// The exact bytes of one message, to be handed to the socket in one write call so that the
// peer receives it whole. Integers are 16-bit signed little-endian.

// FromCell, then ToCell: four bytes, no code.
WireBytes Encode(const MoveMsg& move);

// The code, then for a code that carries a text its code page 932 bytes, with no length and no
// terminator. The text of a code without one (Refuse, TimeLoss, Resign) is not sent.
WireBytes Encode(const CodeMsg& msg);

WireBytes Encode(const Message& msg);

}  // namespace torvane
