#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace torvane {

// The longest handle shown, in characters; a longer one is cut and ends in "…".
inline constexpr std::size_t kMaxHandleChars = 32;

// A text the peer sent (UTF-8, as the decoder makes it), made safe to show: every control
// character, NUL, tab and line breaks included, becomes U+FFFD, so it reads the same on
// screen and to a screen reader and cannot start a line of its own in the chat log; at most
// `maxChars` characters are kept.
std::string PeerText(std::string_view utf8, std::size_t maxChars = std::string_view::npos);

}  // namespace torvane
