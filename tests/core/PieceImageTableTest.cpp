#include <gtest/gtest.h>

#include <set>

#include "images/PieceImageTable.h"

using namespace torvane;

TEST(PieceImageTable, KnownIdsFromTheTable) {
    EXPECT_EQ(PieceImageId(Rat, ImageInk::Black, ImageVariant::Normal), 129);
    EXPECT_EQ(PieceImageId(Tiger, ImageInk::Black, ImageVariant::Normal), 126);
    EXPECT_EQ(PieceImageId(Tiger, ImageInk::Black, ImageVariant::Held), 159);
    EXPECT_EQ(PieceImageId(Elephant, ImageInk::Black, ImageVariant::Ghost), 106);
    EXPECT_EQ(PieceImageId(Elephant, ImageInk::Red, ImageVariant::Ghost), 173);
    EXPECT_EQ(PieceImageId(Wolf, ImageInk::Red, ImageVariant::Normal), 193);
    EXPECT_EQ(PieceImageId(Crocodile, ImageInk::Red, ImageVariant::Held), 178);
    EXPECT_EQ(PieceImageId(Bear, ImageInk::Black, ImageVariant::Ghost), 101);
}

TEST(PieceImageTable, UnknownKindsHaveNoImage) {
    for (int kind : {0, 1, 2, 3, 6, 14, -1})
        EXPECT_EQ(PieceImageId(kind, ImageInk::Black, ImageVariant::Normal), 0) << kind;
}

TEST(PieceImageTable, FiftyFourDistinctIdsInRange) {
    std::set<int> ids;
    for (const PieceImageEntry& e : PieceImageEntries()) {
        EXPECT_GE(e.id, 101);
        EXPECT_LE(e.id, 202);
        EXPECT_EQ(PieceImageId(e.kind, e.ink, e.variant), e.id);
        ids.insert(e.id);
    }
    EXPECT_EQ(ids.size(), 54u);
}

TEST(GhostImageFor, FollowsScreenSideNotPlayer) {
    EXPECT_EQ(GhostImageFor("1", Elephant, 0, 0), 106);
    EXPECT_EQ(GhostImageFor("2", Elephant, 0, 0), 173);
    // The local Gote player's own pieces sit at the bottom and take black ghosts.
    EXPECT_EQ(GhostImageFor("2", Elephant, 1, 0), 106);
    EXPECT_EQ(GhostImageFor("1", Elephant, 1, 0), 106);
}

TEST(GhostImageFor, KeepsPreviousIdWhenNoRuleMatches) {
    EXPECT_EQ(GhostImageFor("1", 6, 0, 104), 104);
    EXPECT_EQ(GhostImageFor("0", Rat, 0, 171), 171);
}
