#include "protocol/TextCodec.h"

#include <iconv.h>

#include <algorithm>

namespace torvane {
namespace {

// One iconv descriptor per direction and thread, opened on first use: opening costs far more
// than converting a line. If iconv cannot open the table, every conversion fails and each
// character becomes the replacement, which is safe if useless.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != kNoDescriptor) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`, writing `replacement` in place of each sequence iconv rejects; that
    // sequence is `badLength(rest)` bytes long. The output takes at most `growth` bytes per
    // input byte, replacements included, so one buffer of that size always holds it.
    template <class Bytes>
    Bytes convert(std::string_view in, std::size_t growth, std::string_view replacement,
                  std::size_t (*badLength)(std::string_view)) {
        Bytes out(in.size() * growth, 0);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = reinterpret_cast<char*>(out.data());
        std::size_t dstLeft = out.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (srcLeft > 0 && iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == std::size_t(-1) &&
               dstLeft >= replacement.size()) {
            dst = std::copy(replacement.begin(), replacement.end(), dst);
            dstLeft -= replacement.size();
            std::size_t skip = std::min(srcLeft, badLength({src, srcLeft}));
            src += skip;
            srcLeft -= skip;
        }
        out.resize(out.size() - dstLeft);
        return out;
    }

private:
    static inline const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);
    iconv_t cd_;
};

// A rejected UTF-8 sequence: its lead byte and the continuation bytes that follow, at most as
// many as the lead announces, so that a broken sequence never swallows the next character.
std::size_t BadUtf8Length(std::string_view rest) {
    auto lead = static_cast<std::uint8_t>(rest[0]);
    std::size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t n = 1;
    while (n < expected && n < rest.size() && (static_cast<std::uint8_t>(rest[n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// A rejected code page 932 sequence: a lead byte with a trail byte is one unassigned
// character; anything else is one bad byte, and the byte after it is read afresh.
std::size_t BadCp932Length(std::string_view rest) {
    bool pair = rest.size() > 1 && IsCp932LeadByte(static_cast<std::uint8_t>(rest[0])) &&
                IsCp932TrailByte(static_cast<std::uint8_t>(rest[1]));
    return pair ? 2 : 1;
}

std::string WithFullWidthYen(std::string_view utf8) {
    constexpr std::string_view kYen = "\xC2\xA5", kFullWidthYen = "\xEF\xBF\xA5";
    std::string text(utf8);
    for (auto at = text.find(kYen); at != std::string::npos; at = text.find(kYen, at))
        text.replace(at, kYen.size(), kFullWidthYen);
    return text;
}

}  // namespace

WireBytes EncodeCp932(std::string_view utf8) {
    thread_local Converter toCp932("CP932", "UTF-8");
    // A character takes no more bytes in code page 932 than in UTF-8.
    return toCp932.convert<WireBytes>(WithFullWidthYen(utf8), 1, "?", BadUtf8Length);
}

std::string DecodeCp932(std::span<const std::uint8_t> bytes) {
    thread_local Converter toUtf8("UTF-8", "CP932");
    // One byte becomes at most three: a half-width katakana, or U+FFFD.
    std::string_view in(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return toUtf8.convert<std::string>(in, 3, "\xEF\xBF\xBD", BadCp932Length);
}

}  // namespace torvane
