#include <gtest/gtest.h>

#include <random>

#include "ScriptedShell.h"
#include "engine/MoveGen.h"
#include "engine/Sfen.h"
#include "game/EnginePosition.h"

using namespace torvane;
namespace eng = torvane::engine;

namespace {

// The player's move as the player makes it: a drag from a board cell or from the bottom hand.
void PlayerMove(Game& game, const EngineMove& move) {
    if (!move.drop) {
        game.BoardPickUp(move.from, MouseButton::Left);
        return game.Image1_DragDrop(move.to);
    }
    const std::string& tag = game.LocalSide() == Side::Gote ? game.GoteTag : game.SenteTag;
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (game.HandSlots(Hand::Image4)[slot].Tag != tag ||
            game.HandSlots(Hand::Image4)[slot].Kind != move.kind)
            continue;
        game.HandPickUp(Hand::Image4, slot, MouseButton::Left);
        return game.Image1_DragDrop(move.to);
    }
    ADD_FAILURE() << "no piece of the drop in the player's hand";
}

eng::Move RandomMove(const eng::Position& pos, std::mt19937& random) {
    eng::MoveList list;
    eng::GenerateMoves(pos, true, list);
    std::vector<eng::Move> drops;
    for (eng::Move m : list)
        if (eng::IsDrop(m)) drops.push_back(m);
    if (!drops.empty() && random() % 3 == 0) return drops[random() % drops.size()];
    return list.begin()[random() % list.size];
}

// The core's position, read by the engine's own parser, equals the engine's position after
// the same moves.
void ExpectSamePosition(const Game& game, const eng::Position& expected, int ply) {
    eng::Position seen;
    std::string error;
    ASSERT_TRUE(eng::ParseSfen(EnginePosition(game), seen, error)) << error << " at ply " << ply;
    seen.SetMoveNumber(expected.MoveNumber());
    ASSERT_EQ(eng::FormatSfen(seen), eng::FormatSfen(expected)) << "at ply " << ply;
}

}  // namespace

// Random games with drops against the computer, on both sides: every position the core reaches
// reads back in the engine as the engine's own, every engine move maps onto a move the core
// accepts (the player's by drag, the computer's through its routine), and a decided game ends
// with the loser named.
TEST(ComputerGame, RandomGamesAgreeWithTheEngineMoveByMove) {
    std::mt19937 random(20261208);
    int decided = 0;
    for (int game_no = 0; game_no < 60; ++game_no) {
        const bool playerIsGote = game_no % 2 == 1;
        ScriptedShell shell;
        Game game{shell, "127.0.0.1"};
        ChangeSettings(game, [](SettingsChoice& c) {
            c.capturedPieces = true;
        });  // both sides may drop their captured pieces
        RecordedComputer computer;
        game.StartComputerGame(playerIsGote, computer);
        eng::Position pos = eng::StartPosition();
        int playerMoves = 0, computerMoves = 0;
        for (int ply = 0; ply < 300 && !pos.IsDecided(); ++ply) {
            ExpectSamePosition(game, pos, ply);
            const bool computerTurn = (pos.SideToMove() == eng::Gote) != playerIsGote;
            ASSERT_EQ(game.ComputerMayMove(), computerTurn) << "at ply " << ply;
            // The computer hears of every move of the player's, and of each of its turns once.
            ASSERT_EQ(computer.moves, playerMoves) << "at ply " << ply;
            ASSERT_EQ(computer.turns, computerMoves + (computerTurn ? 1 : 0)) << "at ply " << ply;
            (computerTurn ? computerMoves : playerMoves) += 1;
            ASSERT_EQ(game.BoardOpen(), !computerTurn) << "at ply " << ply;
            const eng::Move m = RandomMove(pos, random);
            auto move = ParseEngineMove(eng::MoveName(m), playerIsGote);
            ASSERT_TRUE(move) << eng::MoveName(m);
            ASSERT_EQ(EngineMoveText(*move, playerIsGote), eng::MoveName(m));
            if (computerTurn)
                ASSERT_TRUE(game.ApplyComputerMove(*move)) << eng::MoveName(m) << " at " << ply;
            else
                PlayerMove(game, *move);
            eng::Undo undo;
            pos.Make(m, undo);
        }
        ExpectSamePosition(game, pos, -1);
        if (!pos.IsDecided()) continue;
        ++decided;
        EXPECT_EQ(shell.messages.back(), pos.HasLost(eng::Sente) != playerIsGote
                                             ? "あなたの負けです"
                                             : "あなたの勝ちです");
        EXPECT_FALSE(game.AgainstComputer());
        EXPECT_FALSE(game.ComputerMayMove());
        EXPECT_FALSE(game.BoardOpen());
    }
    EXPECT_GT(decided, 10);  // the end of a game is reached, not only long shuffles
}

// What is not a move, or not a move the computer may make, changes nothing.
TEST(ComputerGame, BadOrIllegalEngineMovesAreRefused) {
    for (const char* text : {"", "resign", "5j5e", "0a1b", "X*5e", "D*5", "5f5e5d", "D+5e"})
        EXPECT_FALSE(ParseEngineMove(text, false)) << text;

    ScriptedShell shell;
    Game game{shell, "127.0.0.1"};
    RecordedComputer computer;
    game.StartComputerGame(true, computer);  // the computer is Sente, at the top, and moves first
    const BoardCells before = game.Squares();
    const std::string position = EnginePosition(game);
    for (const char* text : {"5d5e",     // Gote's own piece: the player's, not the computer's
                             "5f5d",     // two cells at once
                             "D*5e",     // nothing in the computer's hand
                             "5i5h"}) {  // onto its own piece
        auto move = ParseEngineMove(text, true);
        ASSERT_TRUE(move) << text;
        EXPECT_FALSE(game.ApplyComputerMove(*move)) << text;
    }
    EXPECT_EQ(game.Squares(), before);
    EXPECT_EQ(EnginePosition(game), position);
    EXPECT_EQ(game.View().Label8, "コンピュータの番です");

    // The turned board: the computer's first step 5f5e is the player's view of cells 31 → 40.
    auto step = ParseEngineMove("5f5e", true);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->from, 80 - 49);
    EXPECT_EQ(step->to, 80 - 40);
    EXPECT_TRUE(game.ApplyComputerMove(*step));
    EXPECT_TRUE(game.BoardOpen());
    EXPECT_EQ(game.View().Label8, "あなたの番です");
}

// The engine resigns when the computer has no move: the computer's side loses, the clocks
// stop, and a resignation that comes on the player's turn changes nothing.
TEST(ComputerGame, TheComputersResignationEndsTheGameOnItsTurnOnly) {
    ScriptedShell shell;
    Game game{shell, "127.0.0.1"};
    RecordedComputer computer;
    game.StartComputerGame(false, computer);  // the player is Sente and moves first
    shell.messages.clear();
    game.ComputerResigns();
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(game.BoardOpen());

    game.BoardPickUp(45, MouseButton::Left);
    game.Image1_DragDrop(36);
    ASSERT_TRUE(game.ComputerMayMove());
    game.ComputerResigns();
    EXPECT_EQ(shell.messages, std::vector<std::string>{"あなたの勝ちです"});
    EXPECT_FALSE(game.BoardOpen() || game.View().Timer1 || game.View().Timer2 ||
                 game.View().touryou);
    EXPECT_FALSE(game.ComputerMayMove());
}

// Against the computer a clock that runs out ends the game with the player's result, and the
// computer hears of the player's loss.
TEST(ComputerGame, ALossOnTimeNamesThePlayersResult) {
    for (bool playerOutOfTime : {true, false}) {
        ScriptedShell shell;
        Game game{shell, "127.0.0.1"};
        RecordedComputer computer;
        game.StartComputerGame(false, computer, true);  // with a limit; the player's clock runs
        if (!playerOutOfTime) {
            game.BoardPickUp(45, MouseButton::Left);
            game.Image1_DragDrop(36);  // now the computer's
        }
        shell.messages.clear();
        for (int second = 0; second < 181; ++second)
            playerOutOfTime ? game.Timer1_Timer() : game.Timer2_Timer();
        EXPECT_EQ(shell.messages, std::vector<std::string>{playerOutOfTime ? "あなたの負けです"
                                                                           : "あなたの勝ちです"});
        EXPECT_EQ(computer.timeLosses, playerOutOfTime ? 1 : 0);
        EXPECT_FALSE(game.AgainstComputer() || game.BoardOpen());
    }
}
