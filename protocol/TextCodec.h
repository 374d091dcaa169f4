#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "protocol/WireBytes.h"

namespace torvane {

// Text on the wire is in Windows code page 932 (Shift_JIS with the NEC and IBM extensions);
// inside the program it is UTF-8. Both conversions go through iconv's "CP932" table, the
// Microsoft mapping, so that 0x5C is '\', 0x7E is '~' and 0x8160 is U+FF5E.

// The code page 932 bytes of `utf8`. A character the code page lacks, and every byte that is
// not valid UTF-8, becomes '?'. The look-alikes that Japanese input methods on Linux produce
// are sent as the code page's form: U+301C as 0x8160, U+2212 as 0x817C, and U+00A5 (YEN SIGN)
// as 0x818F, the full-width yen, so that the peer sees a yen sign and not a backslash.
WireBytes EncodeCp932(std::string_view utf8);

// The UTF-8 text of the code page 932 bytes `bytes`. A byte or byte pair with no character,
// including a lead byte at the very end, becomes U+FFFD; any bytes are accepted.
std::string DecodeCp932(std::span<const std::uint8_t> bytes);

// The first byte of a two-byte character: 0x81..0x9F or 0xE0..0xFC.
inline constexpr bool IsCp932LeadByte(std::uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// A byte that may follow a lead byte: 0x40..0x7E or 0x80..0xFC.
inline constexpr bool IsCp932TrailByte(std::uint8_t b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

}  // namespace torvane
