#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "protocol/Message.h"
#include "protocol/WireBytes.h"

namespace torvane {

// Cuts the byte stream of one connection into messages, whatever chunks TCP delivers. Use one
// decoder per connection. Nothing it is fed can make it fail, loop or grow without bound.
//
// When a message comes out:
// - Integers are read only once both of their bytes have arrived; a lone byte waits.
// - Refuse, TimeLoss and Resign come out of the feed() call that completes their code.
// - A first Integer that is not a code starts a move; the move comes out of the feed() call
//   that completes its second Integer. Cells outside the board are passed on as they came;
//   MoveMsg::valid() tells.
// - Any other code starts a text. A text has no length and no end mark on the wire, so every
//   byte that arrives after the code belongs to it until flushText() ends it. The socket layer
//   calls flushText() once no bytes have arrived for a short quiet period (50 to 100 ms) while
//   hasPendingText() is true, and when the connection closes. Hence:
//     * a code and its text that arrive in several reads make one message with the whole text;
//     * a code whose text is empty comes out as a message with an empty text;
//     * a message written after a text message, before the quiet period is over, cannot be told
//       apart from text and becomes part of that text. The peer writes each message in one
//       write and, after a text message, waits for the other side or for its user, so in play
//       this happens only to a TimeLoss sent within the quiet period after a chat line.
//   flushText() ends a text even when its last byte is a lead byte without its trail: that
//   byte decodes as a replacement character, and whatever comes next is a new message, so a
//   broken text can never swallow the peer's next message.
// - A text keeps at most kMaxTextBytes bytes, cut before a whole character; the bytes after
//   that are dropped until the text ends.
class MessageDecoder {
public:
    static constexpr std::size_t kMaxTextBytes = 4096;

    // Takes the next bytes of the stream; returns the messages they complete, in order.
    std::vector<Message> feed(std::span<const std::uint8_t> bytes);

    // A text message has begun and not yet been returned by flushText().
    bool hasPendingText() const { return textCode_.has_value(); }

    // Ends the pending text message and returns it, with its text in UTF-8. Returns nothing
    // when no text is pending.
    std::optional<CodeMsg> flushText();

private:
    void takeInteger(std::int16_t value, std::vector<Message>& out);
    void takeTextByte(std::uint8_t b);

    std::optional<std::uint8_t> lowByte_;   // first byte of an Integer
    std::optional<std::int16_t> fromCell_;  // first Integer of a move
    std::optional<MessageCode> textCode_;   // code of the text being received
    WireBytes text_;
    bool textFull_ = false;     // kMaxTextBytes reached: the rest of the text is dropped
    bool leadWaiting_ = false;  // the last text byte is a lead byte without its trail
};

}  // namespace torvane
