#include <gtest/gtest.h>

#include "protocol/TextCodec.h"

using namespace torvane;

namespace {

std::string RoundTrip(std::string_view utf8) {
    return DecodeCp932(EncodeCp932(utf8));
}

}  // namespace

TEST(WireTextCodec, JapaneseTextKeepsItsBytesAndComesBackExactly) {
    const std::pair<const char*, WireBytes> cases[] = {
        {"①", {0x87, 0x40}},
        {"髙", {0xFB, 0xFC}},
        {"ｱﾌﾟﾘ", {0xB1, 0xCC, 0xDF, 0xD8}},
        {"P1>>あ", {'P', '1', '>', '>', 0x82, 0xA0}},
        {"\\~", {0x5C, 0x7E}},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(EncodeCp932(text), bytes) << text;
        EXPECT_EQ(DecodeCp932(bytes), text) << text;
    }
}

TEST(WireTextCodec, LinuxLookAlikesArriveAsTheCodePageForm) {
    EXPECT_EQ(EncodeCp932("〜−¥"), (WireBytes{0x81, 0x60, 0x81, 0x7C, 0x81, 0x8F}));
    EXPECT_EQ(RoundTrip("〜−¥"), "～－￥");
    EXPECT_EQ(RoundTrip("～－￥"), "～－￥");
}

TEST(WireTextCodec, WhatTheCodePageLacksBecomesAQuestionMark) {
    EXPECT_EQ(RoundTrip("a😀b한c"), "a?b?c");
    EXPECT_EQ(RoundTrip("\xFF"
                        "a"),
              "?a");
    EXPECT_EQ(RoundTrip("\xE3\x81"
                        "a"),
              "?a");  // a truncated sequence keeps the next letter
}

TEST(WireTextCodec, BadBytesDecodeToReplacementWithoutEatingTheNext) {
    const std::pair<WireBytes, std::string> cases[] = {
        {{0x80, 'a', 0xA0, 0xFD, 0xFE, 0xFF}, "\uFFFDa\uFFFD\uFFFD\uFFFD\uFFFD"},
        {{'a', 0x82}, "a\uFFFD"},          // lead byte at the end
        {{0x82, '\n', 'b'}, "\uFFFD\nb"},  // lead byte before a byte that is no trail
        {{0x85, 0x40, 'c'}, "\uFFFDc"},    // unassigned pair
        {{0x00, 0x1A, 0x1C, 0x7F}, std::string("\0\x1A\x1C\x7F", 4)},  // controls as they are
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeCp932(bytes), text);
}

TEST(WireTextCodec, EveryCharacterOfTheCodePageSurvivesAReencoding) {
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsCp932LeadByte(static_cast<std::uint8_t>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            WireBytes pair{static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail)};
            std::string text = DecodeCp932(pair);
            if (text.find("\uFFFD") != std::string::npos) continue;
            ++characters;
            EXPECT_EQ(DecodeCp932(EncodeCp932(text)), text) << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_GT(characters, 7000);  // JIS X 0208 with the NEC and IBM rows
}
