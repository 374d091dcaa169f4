#include "game/Game.h"
#include "images/PieceImageTable.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

// A piece as the window shows it: black and upright for the side at the bottom, red and
// turned for the side at the top.
Cell ShownPiece(int kind, Side side, bool bottom) {
    return PieceCell(kind, TagOf(side), bottom ? ImageInk::Black : ImageInk::Red);
}

// A hand holds its side's pieces weakest first, from the first slot on.
void FillHand(HandCells& hand, const RecordPosition& position, Side side, bool bottom) {
    hand.fill(BlankCell);
    int slot = 0;
    for (int kind : kAllKinds)
        for (int n = position.InHand(side, kind); n > 0 && slot < kHandSlots; --n)
            hand[slot++] = ShownPiece(kind, side, bottom);
}

}  // namespace

// The position with the side to move to play on, while `playable`: its marker green and its
// clock running from zero.
PlayState Game::StateOf(const RecordPosition& position, bool playable) const {
    bool turned = LocalIsGote == 1;
    Side bottom = turned ? Side::Gote : Side::Sente;
    PlayState s;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Cell& piece = position.Board()[TurnedCell(cell, turned)];
        if (piece.Tag == EmptyTag) continue;
        Side side = SideOfTag(piece.Tag);
        s.board[cell] = ShownPiece(piece.Kind, side, side == bottom);
    }
    FillHand(s.bottomHand, position, bottom, true);
    FillHand(s.topHand, position, Opponent(bottom), false);
    s.turn = position.ToMove() == Side::Sente ? 0 : 1;
    s.computerGame = ComputerGame;
    s.boardOpen = playable;
    s.label1 = s.label3 = kZeroClock;
    bool bottomToMove = position.ToMove() == bottom;
    s.label2Back = bottomToMove && s.boardOpen ? kGreen : ui.Label6Back;
    s.label4Back = !bottomToMove && s.boardOpen ? kGreen : ui.Label6Back;
    s.timer1 = bottomToMove && s.boardOpen;
    s.timer2 = !bottomToMove && s.boardOpen;
    s.touryou = s.boardOpen;
    s.suruu = s.matu = ComputerGame == 0;
    return s;
}

bool Game::MayPlayOn() const {
    return NetworkGame != 1 && !history_.entries().empty() && !history_.result() &&
           BothSidesComplete();
}

void Game::LoadRecord(const GameRecord& record, bool playerIsGote, PlayerAcross* computer,
                      bool timeLimit) {
    EndComputerGame();
    LocalIsGote = playerIsGote ? 1 : 0;
    ComputerGame = computer ? 1 : 0;
    computerTimeLimit_ = timeLimit;
    if (computer) across_ = computer;
    ui.Label2 = playerIsGote ? "後手" : "先手";
    ui.Label4 = playerIsGote ? "先手" : "後手";
    history_.Start(record.header);
    RecordPosition position(record.header.start);
    for (RecordedMove move : record.moves) {
        PlayState before = StateOf(position, true);
        if (position.Play(move, true)) break;  // a move the rules refuse ends the record
        history_.Add(move, std::move(before));
    }
    if (record.result) history_.SetResult(*record.result);
    Restore(StateOf(position, !position.Decided() && !record.result));
    if (ComputerGame == 0 || !BoardOpen()) return;
    if (Turn != LocalIsGote) {
        HandOverToComputer();
        return TellAcrossItsTurn();
    }
    ui.Label8Fore = kGreen;
    ui.Label8 = "あなたの番です";
}

}  // namespace torvane
