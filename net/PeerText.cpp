#include "net/PeerText.h"

namespace torvane {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// The length of the UTF-8 sequence that starts with `lead`; the decoder writes only whole,
// valid sequences, so a continuation byte here is taken as a character of its own.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::string PeerText(std::string_view utf8, std::size_t maxChars) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = std::min(SequenceLength(lead), utf8.size() - i);
        if (chars == maxChars) {
            out += kEllipsis;
            break;
        }
        if (IsControl(lead))
            out += kReplacement;
        else
            out.append(utf8.substr(i, length));
        i += length;
        ++chars;
    }
    return out;
}

}  // namespace torvane
