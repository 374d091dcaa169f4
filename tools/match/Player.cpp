#include "Player.h"

#include <sstream>
#include <stdexcept>

#include "engine/Evaluation.h"
#include "engine/Level.h"
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

std::vector<std::string> SplitCommand(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Any USI engine: handshake, its options, then `position startpos moves ...` and `go` for each
// move. An engine that does not answer in time resigns.
class EnginePlayer : public Player {
public:
    EnginePlayer(const std::vector<std::string>& command, const std::string& name,
                 const EngineSettings& settings, bool drops)
        : engine_(command), name_(name), settings_(settings) {
        engine_.Send("usi");
        if (engine_.ReadUntil("usiok", kHandshakeMs).empty())
            throw std::runtime_error("no USI engine at " + command[0]);
        for (const std::string& option : settings.options) {
            std::size_t eq = option.find('=');
            if (eq == std::string::npos) throw std::runtime_error("option needs Name=Value");
            engine_.Send("setoption name " + option.substr(0, eq) + " value " +
                         option.substr(eq + 1));
        }
        engine_.Send(std::string("setoption name CapturedPieces value ") +
                     (drops ? "true" : "false"));
        engine_.Send("isready");
        if (engine_.ReadUntil("readyok", kHandshakeMs).empty())
            throw std::runtime_error(command[0] + " is not ready");
    }
    std::string Name() const override { return name_; }
    void NewGame() override {
        engine_.Send("usinewgame");
        engine_.Send("isready");
        engine_.ReadUntil("readyok", kHandshakeMs);
    }
    std::string Choose(const Position&, const std::vector<std::string>& moves) override {
        std::string command = "position startpos moves";
        for (const std::string& m : moves) command += " " + m;
        engine_.Send(command);
        engine_.Send("go " + settings_.goArgs);
        std::string line = engine_.ReadUntil("bestmove ", settings_.moveTimeoutMs);
        std::vector<std::string> words = SplitCommand(line);
        return words.size() < 2 ? "resign" : words[1];
    }

private:
    static constexpr int kHandshakeMs = 10000;
    EngineProcess engine_;
    std::string name_;
    EngineSettings settings_;
};

}  // namespace

std::unique_ptr<Player> MakePlayer(const std::string& player, const EngineSettings& settings,
                                   bool drops, std::mt19937& random) {
    if (player == "random") return std::make_unique<RandomPlayer>(drops, random);
    if (player == "greedy") return std::make_unique<GreedyPlayer>(drops, random);
    if (player.rfind("level:", 0) == 0) {
        // A level plays on the threads the window gives it: the top level on the engine's
        // default (two on two cores), the others on one. Options given after override these.
        EngineSettings leveled = settings;
        std::string level = player.substr(6);
        if (level != std::to_string(engine::kMaxLevel))
            leveled.options.insert(leveled.options.begin(), "Threads=1");
        leveled.options.insert(leveled.options.begin(), "Level=" + level);
        return std::make_unique<EnginePlayer>(SplitCommand(settings.defaultEngine), player, leveled,
                                              drops);
    }
    std::vector<std::string> command = SplitCommand(player);
    if (command.empty()) throw std::runtime_error("empty player");
    return std::make_unique<EnginePlayer>(command, player, settings, drops);
}

}  // namespace torvane::match
