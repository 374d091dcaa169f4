#include "protocol/MessageDecoder.h"

#include "protocol/TextCodec.h"

namespace torvane {

std::vector<Message> MessageDecoder::feed(std::span<const std::uint8_t> bytes) {
    std::vector<Message> out;
    for (std::uint8_t b : bytes) {
        if (textCode_) {
            takeTextByte(b);
        } else if (!lowByte_) {
            lowByte_ = b;
        } else {
            auto value = static_cast<std::int16_t>(*lowByte_ | (b << 8));
            lowByte_.reset();
            takeInteger(value, out);
        }
    }
    return out;
}

std::optional<CodeMsg> MessageDecoder::flushText() {
    if (!textCode_) return std::nullopt;
    CodeMsg msg{*textCode_, DecodeCp932(text_)};
    textCode_.reset();
    text_.clear();
    textFull_ = false;
    leadWaiting_ = false;
    return msg;
}

void MessageDecoder::takeInteger(std::int16_t value, std::vector<Message>& out) {
    if (fromCell_) {
        out.emplace_back(MoveMsg{*fromCell_, value});
        fromCell_.reset();
    } else if (!IsMessageCode(value)) {
        fromCell_ = value;
    } else if (auto code = static_cast<MessageCode>(value); CarriesText(code)) {
        textCode_ = code;
    } else {
        out.push_back(CodeMsg{code, {}});
    }
}

void MessageDecoder::takeTextByte(std::uint8_t b) {
    bool startsCharacter = !leadWaiting_;
    // A byte after a lead byte completes the pair, valid or not; a byte that is not a trail
    // byte is never a lead byte either, so it cannot start a new pair.
    leadWaiting_ = startsCharacter && IsCp932LeadByte(b);
    std::size_t characterSize = leadWaiting_ ? 2 : 1;
    if (startsCharacter && text_.size() + characterSize > kMaxTextBytes) textFull_ = true;
    if (!textFull_) text_.push_back(b);
}

}  // namespace torvane
