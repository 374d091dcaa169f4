#pragma once

#include <cstdint>

namespace torvane {

// The first Integer of every message except a move. No code lies in 0..80, the range of board
// cells, so a first Integer that is not one of these starts a move.
enum class MessageCode : std::int16_t {
    OfferSente = 400,
    OfferGote = 500,
    AcceptGote = 1100,
    ChatLine = 1200,
    TimeLoss = 1300,
    Refuse = 1400,
    Resign = 1500,
    AcceptSente = 1600,
    Hello = 2000,
    HelloReply = 2500,
};

inline constexpr MessageCode kAllMessageCodes[] = {
    MessageCode::OfferSente, MessageCode::OfferGote,   MessageCode::AcceptGote,
    MessageCode::ChatLine,   MessageCode::TimeLoss,    MessageCode::Refuse,
    MessageCode::Resign,     MessageCode::AcceptSente, MessageCode::Hello,
    MessageCode::HelloReply,
};

inline constexpr bool IsMessageCode(int value) {
    for (MessageCode code : kAllMessageCodes)
        if (static_cast<int>(code) == value) return true;
    return false;
}

// Whether a Text field follows the code: the handle name, or the chat line for ChatLine.
// Refuse, TimeLoss and Resign are the code alone.
inline constexpr bool CarriesText(MessageCode code) {
    return code != MessageCode::Refuse && code != MessageCode::TimeLoss &&
           code != MessageCode::Resign;
}

}  // namespace torvane
