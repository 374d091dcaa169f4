#include "protocol/MessageEncoder.h"

#include "protocol/TextCodec.h"

namespace torvane {
namespace {

void AppendInteger(WireBytes& out, std::int16_t value) {
    auto bits = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    out.push_back(static_cast<std::uint8_t>(bits >> 8));
}

}  // namespace

WireBytes Encode(const MoveMsg& move) {
    WireBytes out;
    AppendInteger(out, move.FromCell);
    AppendInteger(out, move.ToCell);
    return out;
}

WireBytes Encode(const CodeMsg& msg) {
    WireBytes out;
    AppendInteger(out, static_cast<std::int16_t>(msg.code));
    if (CarriesText(msg.code)) {
        WireBytes text = EncodeCp932(msg.text);
        out.insert(out.end(), text.begin(), text.end());
    }
    return out;
}

WireBytes Encode(const Message& msg) {
    return std::visit([](const auto& m) { return Encode(m); }, msg);
}

}  // namespace torvane
