#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "ScriptedShell.h"
#include "images/PieceImageTable.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

std::vector<int> Neighbours(int cell) {
    std::vector<int> cells;
    for (StepDirection d : kAllDirections)
        if (auto n = NeighbourCell(cell, d)) cells.push_back(*n);
    std::sort(cells.begin(), cells.end());
    return cells;
}

}  // namespace

TEST(StartPosition, MatchesTheTable) {
    const char* rows[9] = {
        "G9 G7 G8 G4 G13 G4 G8 G7 G10", ". . . . G12 . . . .", ". G11 . . . . . G11 .",
        "G5 . G5 . G5 . G5 . G5",       ". . . . . . . . .",   "S5 . S5 . S5 . S5 . S5",
        ". S11 . . . . . S11 .",        ". . . . S12 . . . .", "S10 S7 S8 S4 S13 S4 S8 S7 S9",
    };
    const BoardCells& setup = SetupTemplate();
    for (int r = 0; r < 9; ++r) {
        std::istringstream in(rows[r]);
        for (int c = 0; c < 9; ++c) {
            std::string token;
            in >> token;
            const Cell& cell = setup[r * 9 + c];
            if (token == ".") {
                EXPECT_EQ(cell, BlankCell) << r << "," << c;
                continue;
            }
            int kind = std::stoi(token.substr(1));
            bool sente = token[0] == 'S';
            ImageInk ink = sente ? ImageInk::Black : ImageInk::Red;
            EXPECT_EQ(cell.Tag, sente ? "1" : "2") << r << "," << c;
            EXPECT_EQ(cell.Kind, kind) << r << "," << c;
            EXPECT_EQ(cell.Picture, PieceImageId(kind, ink, ImageVariant::Normal));
            EXPECT_EQ(cell.DragIcon, PieceImageId(kind, ink, ImageVariant::Held));
        }
    }
}

TEST(StartPosition, SeventeenPiecesASideAndHalfTurnSymmetric) {
    const BoardCells& setup = SetupTemplate();
    int sente = 0, gote = 0;
    for (int i = 0; i < kCellCount; ++i) {
        sente += setup[i].Tag == "1";
        gote += setup[i].Tag == "2";
        EXPECT_EQ(setup[i].Kind, setup[80 - i].Kind) << i;
    }
    EXPECT_EQ(sente, 17);
    EXPECT_EQ(gote, 17);
}

TEST(StartPosition, TheWindowShowsItLockedBeforeAnyGame) {
    ScriptedShell shell;
    Game game(shell, "10.0.0.5");
    RecordedConnection connection;
    NetSession session(game, connection);
    EXPECT_EQ(game.Squares(), SetupTemplate());
    EXPECT_FALSE(game.View().Picture1);
    EXPECT_FALSE(game.View().touryou);
    EXPECT_FALSE(game.View().kopyuuta);
    EXPECT_FALSE(session.View().setudann);
    EXPECT_FALSE(game.SettingsOnLoad().capturedPieces);
    EXPECT_EQ(game.View().Label14, "10.0.0.5");
    EXPECT_EQ(game.MoveSoundId, 101);
    EXPECT_EQ(game.MessageSoundId, 102);
    for (const Cell& slot : game.HandSlots(Hand::Image4)) EXPECT_EQ(slot, BlankCell);
}

TEST(Neighbours, CornersHaveThree) {
    EXPECT_EQ(Neighbours(0), (std::vector<int>{1, 9, 10}));
    EXPECT_EQ(Neighbours(8), (std::vector<int>{7, 16, 17}));
    EXPECT_EQ(Neighbours(72), (std::vector<int>{63, 64, 73}));
    EXPECT_EQ(Neighbours(80), (std::vector<int>{70, 71, 79}));
}

TEST(Neighbours, EdgesNeverWrapIntoTheNextRow) {
    EXPECT_EQ(Neighbours(36), (std::vector<int>{27, 28, 37, 45, 46}));
    EXPECT_EQ(Neighbours(44), (std::vector<int>{34, 35, 43, 52, 53}));
    EXPECT_EQ(Neighbours(9), (std::vector<int>{0, 1, 10, 18, 19}));
    EXPECT_EQ(Neighbours(17), (std::vector<int>{7, 8, 16, 25, 26}));
    EXPECT_EQ(Neighbours(40).size(), 8u);
}

TEST(Neighbours, DropStepTestAgreesWithDirectionsForEveryPair) {
    for (int from = 0; from < kCellCount; ++from) {
        std::vector<int> n = Neighbours(from);
        for (int to = 0; to < kCellCount; ++to) {
            bool expected = std::find(n.begin(), n.end(), to) != n.end();
            EXPECT_EQ(IsStepNeighbour(from, to), expected) << from << "->" << to;
        }
    }
    EXPECT_FALSE(IsStepNeighbour(9, 8));
    EXPECT_FALSE(IsStepNeighbour(18, 26));
    EXPECT_FALSE(IsStepNeighbour(40, 81));
    EXPECT_FALSE(NeighbourCell(-1, StepDirection::Right));
}
