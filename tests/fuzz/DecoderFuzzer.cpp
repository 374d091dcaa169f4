// Feeds arbitrary bytes to the message decoder in arbitrary reads. The first input byte chooses
// how the rest is cut into reads and where quiet periods end a text.
#include <cstdlib>
#include <span>

#include "protocol/MessageDecoder.h"
#include "protocol/TextCodec.h"

using namespace torvane;

namespace {

// The lengths of the reads, and whether a quiet period follows one, drawn from the seed byte.
class Cuts {
public:
    explicit Cuts(std::uint8_t seed) : state_(seed) {}
    std::size_t nextLength() { return next() % 9; }
    bool quietAfter() { return next() % 4 == 0; }

private:
    std::uint32_t next() { return (state_ = state_ * 1103515245u + 12345u) >> 16; }
    std::uint32_t state_;
};

void Check(bool ok) {
    if (!ok) std::abort();
}

void CheckText(const std::optional<CodeMsg>& msg) {
    // Each kept byte comes back as at most one byte, so the cap shows through a re-encoding.
    if (msg) Check(EncodeCp932(msg->text).size() <= MessageDecoder::kMaxTextBytes);
}

std::vector<Message> Decode(std::span<const std::uint8_t> stream, Cuts* cuts) {
    MessageDecoder decoder;
    std::vector<Message> got;
    while (!stream.empty()) {
        std::size_t n = cuts ? std::min(cuts->nextLength(), stream.size()) : stream.size();
        for (Message& m : decoder.feed(stream.first(n))) got.push_back(m);
        stream = stream.subspan(n);
    }
    auto text = decoder.flushText();
    CheckText(text);
    if (text) got.push_back(*text);
    return got;
}

// With quiet periods between reads the messages differ, but nothing may break.
void DecodeWithQuietPeriods(std::span<const std::uint8_t> stream, Cuts& cuts) {
    MessageDecoder decoder;
    while (!stream.empty()) {
        std::size_t n = std::min(cuts.nextLength(), stream.size());
        decoder.feed(stream.first(n));
        stream = stream.subspan(n);
        if (cuts.quietAfter()) CheckText(decoder.flushText());
        Check(decoder.hasPendingText() || !decoder.flushText());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::span<const std::uint8_t> stream(data + 1, size - 1);
    Cuts cuts(data[0]);
    // However TCP cuts the stream, the messages are those of one read.
    Check(Decode(stream, &cuts) == Decode(stream, nullptr));
    DecodeWithQuietPeriods(stream, cuts);
    return 0;
}
