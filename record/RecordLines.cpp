#include "record/RecordLines.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "protocol/TextCodec.h"

namespace torvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD, which code page 932 lacks

// The length of the UTF-8 sequence that `lead` starts and the smallest code point it may
// carry; 0 for a byte that cannot start one.
struct Sequence {
    int length;
    std::uint32_t minimum;
};

Sequence SequenceOf(std::uint8_t lead) {
    if (lead < 0x80) return {1, 0};  // its value needs no check
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80};
    if (lead >= 0xE0 && lead <= 0xEF) return {3, 0x800};
    if (lead >= 0xF0 && lead <= 0xF4) return {4, 0x10000};
    return {0, 0};
}

// A control character other than a tab has no place in a line of text.
bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c >= 0 && c < ' ' && c != '\t') || c == 0x7F; });
}

// A comment line: '*' first, after any spaces or tabs.
bool IsComment(std::string_view line) {
    std::size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == '*';
}

// The UTF-8 text of one line, or nothing when its bytes are not text in `encoding`.
std::optional<std::string> Decode(std::string_view line, RecordEncoding encoding) {
    if (HasControlCharacter(line)) return std::nullopt;
    if (encoding == RecordEncoding::Utf8) {
        if (!IsValidUtf8(line)) return std::nullopt;
        return std::string(line);
    }
    std::string text =
        DecodeCp932(std::span(reinterpret_cast<const std::uint8_t*>(line.data()), line.size()));
    if (text.find(kReplacement) != std::string::npos) return std::nullopt;
    return text;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        auto lead = static_cast<std::uint8_t>(text[i]);
        Sequence sequence = SequenceOf(lead);
        auto length = static_cast<std::size_t>(sequence.length);
        if (length == 0 || i + length > text.size()) return false;
        std::uint32_t point = lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            auto byte = static_cast<std::uint8_t>(text[i + k]);
            if ((byte & 0xC0) != 0x80) return false;
            point = point << 6 | (byte & 0x3Fu);
        }
        if (point < sequence.minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::variant<std::vector<std::string>, RecordError> RecordLines(std::string_view bytes,
                                                                RecordEncoding encoding) {
    if (encoding == RecordEncoding::Utf8 && bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        std::optional<std::string> text = Decode(line, encoding);
        if (!text && IsComment(line)) text = "";  // skipped anyway: its bytes need not be text
        if (!text) return RecordError{static_cast<int>(lines.size()) + 1, "読めない文字があります"};
        lines.push_back(std::move(*text));
    }
    return lines;
}

}  // namespace torvane
