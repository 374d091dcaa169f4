#include "Game.h"

#include "engine/MoveGen.h"
#include "engine/Sfen.h"

namespace torvane::match {

namespace {

using namespace engine;

Outcome LossOf(Color side) {
    return side == Sente ? Outcome::GoteWins : Outcome::SenteWins;
}

}  // namespace

GameRecord PlayGame(Player& sente, Player& gote, const std::vector<std::string>& opening,
                    bool drops, int maxPlies) {
    sente.NewGame();
    gote.NewGame();
    Position pos = StartPosition();
    std::vector<std::string> moves;
    for (const std::string& text : opening) {
        Undo undo;
        pos.Make(*FindLegalMove(pos, drops, text), undo);
        moves.push_back(text);
    }
    while (true) {
        int plies = static_cast<int>(moves.size());
        Color side = pos.SideToMove();
        if (pos.IsDecided())
            return {LossOf(pos.HasLost(Sente) ? Sente : Gote), plies, "capture", moves};
        if (plies >= maxPlies)
            return {Outcome::Draw, plies, "adjudicated a draw at the ply limit", moves};
        Player& player = side == Sente ? sente : gote;
        std::string text = player.Choose(pos, moves);
        if (text == "resign") return {LossOf(side), plies, player.Name() + " resigned", moves};
        auto move = FindLegalMove(pos, drops, text);
        if (!move) return {LossOf(side), plies, player.Name() + " played illegal " + text, moves};
        Undo undo;
        pos.Make(*move, undo);
        moves.push_back(text);
    }
}

}  // namespace torvane::match
