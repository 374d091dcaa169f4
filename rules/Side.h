#pragma once

#include <string>

namespace torvane {

// The two players: Sente moves first. Cells and hand slots name their owner by a tag string,
// "1" for Sente and "2" for Gote ("0" for none).
enum class Side { Sente, Gote };

inline constexpr const char* TagOf(Side side) {
    return side == Side::Sente ? "1" : "2";
}

inline constexpr Side Opponent(Side side) {
    return side == Side::Sente ? Side::Gote : Side::Sente;
}

// The side a tag names; a tag of no side ("0") is taken for Gote, so ask only for pieces.
inline Side SideOfTag(const std::string& tag) {
    return tag == "1" ? Side::Sente : Side::Gote;
}

}  // namespace torvane
