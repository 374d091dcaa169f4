#include <gtest/gtest.h>

#include <random>

#include "protocol/MessageDecoder.h"
#include "protocol/MessageEncoder.h"

using namespace torvane;

namespace torvane {
void PrintTo(const MoveMsg& m, std::ostream* os) {
    *os << "MoveMsg{" << m.FromCell << ", " << m.ToCell << "}";
}
void PrintTo(const CodeMsg& m, std::ostream* os) {
    *os << "CodeMsg{" << static_cast<int>(m.code) << ", \"" << m.text << "\"}";
}
}  // namespace torvane

namespace {

using Messages = std::vector<Message>;

void Take(Messages& got, Messages more) {
    got.insert(got.end(), more.begin(), more.end());
}

// Feeds the chunks as separate reads, then ends the text as the socket does after a quiet time.
Messages Receive(const std::vector<WireBytes>& chunks) {
    MessageDecoder decoder;
    Messages got;
    for (const WireBytes& chunk : chunks) Take(got, decoder.feed(chunk));
    if (auto text = decoder.flushText()) got.push_back(*text);
    return got;
}

WireBytes Join(const std::vector<WireBytes>& parts) {
    WireBytes all;
    for (const WireBytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

const WireBytes kRefuse{0x78, 0x05};
const CodeMsg kRefuseMsg{MessageCode::Refuse, ""};

}  // namespace

TEST(WireDecoder, IntegerWaitsForItsSecondByte) {
    MessageDecoder decoder;
    EXPECT_TRUE(decoder.feed(WireBytes{0x78}).empty());
    EXPECT_EQ(decoder.feed(WireBytes{0x05}), Messages{kRefuseMsg});
    EXPECT_FALSE(decoder.hasPendingText());
    EXPECT_FALSE(decoder.flushText());
}

TEST(WireDecoder, MoveSplitAnywhereIsOneMove) {
    const WireBytes move{0x0C, 0x00, 0x1E, 0x00};
    const Messages one{MoveMsg{12, 30}};
    for (int cut = 0; cut <= 4; ++cut) {
        WireBytes head(move.begin(), move.begin() + cut), tail(move.begin() + cut, move.end());
        EXPECT_EQ(Receive({head, tail}), one) << cut;
    }
    EXPECT_EQ(Receive({{0x0C}, {0x00}, {0x1E}, {0x00}}), one);
    const Messages three{MoveMsg{12, 30}, MoveMsg{80, 0}, kRefuseMsg};
    EXPECT_EQ(Receive({Join({move, {0x50, 0x00, 0x00, 0x00}, kRefuse})}), three);
}

TEST(WireDecoder, CellsOffTheBoardPassThroughAndAreFlagged) {
    const WireBytes offBoard{0xFF, 0xFF, 0x51, 0x00};
    EXPECT_EQ(Receive({offBoard}), (Messages{MoveMsg{-1, 81}}));
    EXPECT_TRUE((MoveMsg{0, 80}.valid() && MoveMsg{80, 0}.valid()));
    for (MoveMsg bad : {MoveMsg{-1, 0}, MoveMsg{0, -1}, MoveMsg{81, 0}, MoveMsg{0, 81}})
        EXPECT_FALSE(bad.valid()) << bad.FromCell << ' ' << bad.ToCell;
}

TEST(WireDecoder, TextRunsUntilFlushedAcrossReads) {
    MessageDecoder decoder;
    EXPECT_TRUE(decoder.feed(WireBytes{0xD0, 0x07}).empty());
    EXPECT_TRUE(decoder.hasPendingText());
    EXPECT_TRUE(decoder.feed(WireBytes{0x82, 0xBD, 0x82}).empty());
    EXPECT_TRUE(decoder.feed(WireBytes{0xEB, 0x82, 0xA4}).empty());
    EXPECT_EQ(decoder.flushText(), (CodeMsg{MessageCode::Hello, "たろう"}));
    EXPECT_FALSE(decoder.hasPendingText());
    EXPECT_EQ(decoder.feed(kRefuse), Messages{kRefuseMsg});
}

// A text cut after the lead byte of a two-byte character ends at the quiet period anyway,
// with that byte as a replacement character: the peer's next message stays a message.
TEST(WireDecoder, ATextEndingInALoneLeadByteCannotSwallowTheNextMessage) {
    MessageDecoder decoder;
    EXPECT_TRUE(decoder.feed(WireBytes{0xD0, 0x07, 'A', 0x82}).empty());
    EXPECT_EQ(decoder.flushText(), (CodeMsg{MessageCode::Hello, "A\xEF\xBF\xBD"}));
    EXPECT_EQ(decoder.feed(kRefuse), Messages{kRefuseMsg});
}

TEST(WireDecoder, TextFramingAroundOtherMessages) {
    const CodeMsg emptyHello{MessageCode::Hello, ""};
    EXPECT_EQ(Receive({{0xD0, 0x07}}), Messages{emptyHello});
    EXPECT_EQ(Receive({Join({kRefuse, {0x01, 0x00, 0x02, 0x00, 0xD0, 0x07, 'a'}})}),
              (Messages{kRefuseMsg, MoveMsg{1, 2}, CodeMsg{MessageCode::Hello, "a"}}));
    // Nothing marks the end of a text: what follows it in the same burst is text.
    EXPECT_EQ(Receive({Join({{0xB0, 0x04, 'h', 'i'}, kRefuse})}),
              Messages{(CodeMsg{MessageCode::ChatLine, "hix\x05"})});
}

TEST(WireDecoder, LongTextIsCutBeforeAWholeCharacter) {
    auto chatOf = [](std::size_t ascii, WireBytes tail) {
        WireBytes bytes{0xB0, 0x04};
        bytes.insert(bytes.end(), ascii, 'a');
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };
    const std::string full(MessageDecoder::kMaxTextBytes, 'a');
    EXPECT_EQ(Receive({chatOf(full.size(), {'b'}), chatOf(9000, {})}),
              Messages{(CodeMsg{MessageCode::ChatLine, full})});
    EXPECT_EQ(Receive({chatOf(full.size() - 1, {0x82, 0xA0, 'b'})}),
              Messages{(CodeMsg{MessageCode::ChatLine, full.substr(1)})});
    EXPECT_EQ(Receive({chatOf(full.size() - 2, {0x82, 0xA0, 'b'})}),
              Messages{(CodeMsg{MessageCode::ChatLine, full.substr(2) + "あ"})});
}

TEST(WireDecoder, EveryMessageRoundTripsWholeAndByteByByte) {
    Messages all{MoveMsg{0, 80}, MoveMsg{80, 0}, MoveMsg{40, 41}};
    for (MessageCode code : kAllMessageCodes)
        all.push_back(CodeMsg{code, CarriesText(code) ? "ハンドル①>>〜ｱ" : ""});
    for (const Message& m : all) {
        Messages expected{m};
        if (auto* coded = std::get_if<CodeMsg>(&m); coded && CarriesText(coded->code))
            expected = {CodeMsg{coded->code, "ハンドル①>>～ｱ"}};
        WireBytes bytes = Encode(m);
        std::vector<WireBytes> singles;
        for (std::uint8_t b : bytes) singles.push_back({b});
        EXPECT_EQ(Receive({bytes}), expected);
        EXPECT_EQ(Receive(singles), expected);
    }
}

TEST(WireDecoder, RandomBytesInRandomReadsDecodeAsInOneRead) {
    std::mt19937 random(7);
    const WireBytes pieces[] = {kRefuse, {0xB0, 0x04}, {0x0C, 0x00}, {0x82}, {0xA0}, {0xFF}};
    for (int round = 0; round < 2000; ++round) {
        WireBytes stream;
        for (auto n = random() % 24; n > 0; --n) {
            const WireBytes& p = pieces[random() % std::size(pieces)];
            stream.insert(stream.end(), p.begin(), p.end());
        }
        std::vector<WireBytes> reads;
        for (auto at = stream.begin(); at != stream.end();) {
            auto end = at + std::min<long>(random() % 5, stream.end() - at);
            reads.push_back({at, end});
            at = end;
        }
        ASSERT_EQ(Receive(reads), Receive({stream})) << round;
    }
}
