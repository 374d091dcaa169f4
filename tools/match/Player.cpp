#include "Player.h"

#include <stdexcept>

#include "engine/Evaluation.h"
#include "engine/MoveGen.h"

namespace torvane::match {

namespace {

using namespace engine;

class RandomPlayer : public Player {
public:
    RandomPlayer(bool drops, std::mt19937& random) : drops_(drops), random_(random) {}
    std::string Name() const override { return "random"; }
    std::string Choose(const Position& pos, const std::vector<std::string>&) override {
        MoveList list;
        GenerateMoves(pos, drops_, list);
        if (list.size == 0) return "resign";
        return MoveName(list.moves[random_() % list.size]);
    }

private:
    bool drops_;
    std::mt19937& random_;
};

// Looks one ply ahead: a move that wins the game first, else the most valuable capture, else
// any move at random.
class GreedyPlayer : public Player {
public:
    GreedyPlayer(bool drops, std::mt19937& random) : drops_(drops), random_(random) {}
    std::string Name() const override { return "greedy"; }
    std::string Choose(const Position& pos, const std::vector<std::string>&) override {
        MoveList list;
        GenerateMoves(pos, drops_, list);
        if (list.size == 0) return "resign";
        std::vector<Move> best;
        int bestGain = -1;
        for (Move m : list) {
            int gain = Gain(pos, m);
            if (gain > bestGain) best.clear(), bestGain = gain;
            if (gain == bestGain) best.push_back(m);
        }
        return MoveName(best[random_() % best.size()]);
    }

private:
    static int Gain(const Position& pos, Move m) {
        if (IsDrop(m) || pos.At(ToOf(m)) == kEmpty) return 0;
        Position next = pos;
        Undo undo;
        next.Make(m, undo);
        return next.IsDecided() ? 100000 : kKindValue[KindOf(pos.At(ToOf(m)))];
    }
    bool drops_;
    std::mt19937& random_;
};

class EnginePlayer : public Player {
public:
    EnginePlayer(const std::string& path, int level, const std::string& goArgs, bool drops)
        : engine_(path), level_(level), goArgs_(goArgs) {
        engine_.Send("usi");
        if (engine_.ReadUntil("usiok").empty()) throw std::runtime_error("no engine at " + path);
        engine_.Send("setoption name Level value " + std::to_string(level));
        engine_.Send(std::string("setoption name CapturedPieces value ") +
                     (drops ? "true" : "false"));
        engine_.Send("isready");
        engine_.ReadUntil("readyok");
    }
    std::string Name() const override { return "level " + std::to_string(level_); }
    void NewGame() override { engine_.Send("usinewgame"); }
    std::string Choose(const Position&, const std::vector<std::string>& moves) override {
        std::string command = "position startpos moves";
        for (const std::string& m : moves) command += " " + m;
        engine_.Send(command);
        engine_.Send("go " + goArgs_);
        std::string line = engine_.ReadUntil("bestmove ");
        return line.empty() ? "resign" : line.substr(9);
    }

private:
    EngineProcess engine_;
    int level_;
    std::string goArgs_;
};

}  // namespace

std::unique_ptr<Player> MakePlayer(const std::string& name, const std::string& enginePath,
                                   const std::string& goArgs, bool drops, std::mt19937& random) {
    if (name == "random") return std::make_unique<RandomPlayer>(drops, random);
    if (name == "greedy") return std::make_unique<GreedyPlayer>(drops, random);
    if (name.rfind("level:", 0) == 0)
        return std::make_unique<EnginePlayer>(enginePath, std::stoi(name.substr(6)), goArgs, drops);
    throw std::runtime_error("unknown player " + name + " (random, greedy or level:N)");
}

}  // namespace torvane::match
