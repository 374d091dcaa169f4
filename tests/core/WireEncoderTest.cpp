#include <gtest/gtest.h>

#include "protocol/MessageEncoder.h"

using namespace torvane;

TEST(WireEncoder, CodesAreLittleEndianInOrderOfTheTable) {
    const std::pair<MessageCode, WireBytes> cases[] = {
        {MessageCode::Hello, {0xD0, 0x07}},      {MessageCode::HelloReply, {0xC4, 0x09}},
        {MessageCode::OfferSente, {0x90, 0x01}}, {MessageCode::OfferGote, {0xF4, 0x01}},
        {MessageCode::AcceptGote, {0x4C, 0x04}}, {MessageCode::AcceptSente, {0x40, 0x06}},
        {MessageCode::Refuse, {0x78, 0x05}},     {MessageCode::ChatLine, {0xB0, 0x04}},
        {MessageCode::TimeLoss, {0x14, 0x05}},   {MessageCode::Resign, {0xDC, 0x05}},
    };
    for (const auto& [code, bytes] : cases)
        EXPECT_EQ(Encode(CodeMsg{code, ""}), bytes) << static_cast<int>(code);
}

TEST(WireEncoder, TextFollowsTheCodeAsRawCodePageBytes) {
    EXPECT_EQ(Encode(CodeMsg{MessageCode::Hello, "たろう"}),
              (WireBytes{0xD0, 0x07, 0x82, 0xBD, 0x82, 0xEB, 0x82, 0xA4}));
    EXPECT_EQ(Encode(CodeMsg{MessageCode::ChatLine, "P1>>hi"}),
              (WireBytes{0xB0, 0x04, 'P', '1', '>', '>', 'h', 'i'}));
    // The three codes without a text never send one.
    EXPECT_EQ(Encode(CodeMsg{MessageCode::Refuse, "x"}), (WireBytes{0x78, 0x05}));
    EXPECT_EQ(Encode(Message{CodeMsg{MessageCode::Resign, "x"}}), (WireBytes{0xDC, 0x05}));
}

TEST(WireEncoder, MoveIsTwoSignedIntegersWithoutCode) {
    EXPECT_EQ(Encode(MoveMsg{12, 30}), (WireBytes{0x0C, 0x00, 0x1E, 0x00}));
    EXPECT_EQ(Encode(MoveMsg{-1, 32767}), (WireBytes{0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(Encode(Message{MoveMsg{-32768, 256}}), (WireBytes{0x00, 0x80, 0x00, 0x01}));
}
