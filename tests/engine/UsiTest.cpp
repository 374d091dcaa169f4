#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "engine/MoveGen.h"
#include "engine/Sfen.h"
#include "engine/Usi.h"
#include "engine/UsiCommands.h"

namespace torvane::engine {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Session(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    {
        Usi usi(out);
        usi.Run(in);
    }
    return out.str();
}

std::vector<std::string> Starting(const std::vector<std::string>& lines, const std::string& head) {
    std::vector<std::string> found;
    for (const std::string& l : lines)
        if (l.rfind(head, 0) == 0) found.push_back(l);
    return found;
}

// The move after "bestmove " must be legal in the position that `moves` reaches.
void ExpectLegalBestMove(const std::string& line, const std::string& positionWords, bool drops) {
    ASSERT_EQ(line.rfind("bestmove ", 0), 0u) << line;
    GamePosition game;
    std::string error;
    ASSERT_TRUE(ParsePositionCommand(SplitWords(positionWords), drops, game, error)) << error;
    EXPECT_TRUE(FindLegalMove(game.position, drops, line.substr(9))) << line;
}

TEST(UsiSession, HandshakeOptionsAndALegalMove) {
    auto lines =
        Lines(Session("usi\nisready\nsetoption name Level value 3\nusinewgame\n"
                      "position startpos moves 5f5e 5d5c\ngo depth 3\n"));
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], "id name Torvane Engine");
    EXPECT_EQ(lines[1], "id author Torvane developers");
    EXPECT_EQ(Starting(lines, "option name").size(), 5u);
    EXPECT_EQ(lines[7], "usiok");
    EXPECT_EQ(lines[8], "readyok");
    EXPECT_FALSE(Starting(lines, "info multipv 1 depth 1 ").empty());
    ExpectLegalBestMove(lines.back(), "startpos moves 5f5e 5d5c", false);
}

// The words of an info line after `key`, up to the next key or the end.
std::string Field(const std::string& line, const std::string& key) {
    std::vector<std::string> words = SplitWords(line);
    auto it = std::find(words.begin(), words.end(), key);
    return it == words.end() || it + 1 == words.end() ? "" : *(it + 1);
}

std::vector<std::string> PvOf(const std::string& line) {
    std::vector<std::string> words = SplitWords(line);
    auto it = std::find(words.begin(), words.end(), "pv");
    return it == words.end() ? std::vector<std::string>{} : std::vector(it + 1, words.end());
}

// MultiPV 3: at every depth three lines, best first, each a different legal first move and a
// legal line of play; the best line's first move is the move played. Threads 2 changes none of
// that.
TEST(UsiSession, MultiPvReportsThatManyDifferentLegalLinesBestFirst) {
    const std::string start = "startpos moves 5f5e 5d5c";
    auto lines =
        Lines(Session("setoption name MultiPV value 3\nsetoption name Threads value 2\n"
                      "position " +
                      start + "\ngo depth 4\n"));
    for (int depth = 1; depth <= 4; ++depth) {
        std::vector<std::string> found;
        for (const std::string& l : Starting(lines, "info multipv "))
            if (Field(l, "depth") == std::to_string(depth)) found.push_back(l);
        ASSERT_EQ(found.size(), 3u) << depth;
        std::set<std::string> firstMoves;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(Field(found[k], "multipv"), std::to_string(k + 1));
            EXPECT_EQ(Field(found[k], "score"), "cp");
            if (k > 0) {
                EXPECT_LE(std::stoi(Field(found[k], "cp")), std::stoi(Field(found[k - 1], "cp")));
            }
            GamePosition game;
            std::string error, words = "position " + start;
            for (const std::string& m : PvOf(found[k])) words += " " + m;
            EXPECT_TRUE(ParsePositionCommand(SplitWords(words.substr(9)), false, game, error))
                << error << ": " << found[k];
            firstMoves.insert(PvOf(found[k]).at(0));
        }
        EXPECT_EQ(firstMoves.size(), 3u);
        if (depth == 4) {
            EXPECT_EQ(lines.back(), "bestmove " + PvOf(found[0]).at(0));
        }
    }
}

// A win found is reported as mate in plies from the side to move's view; `go nodes` stops at
// the count; `go movetime` answers. (Each in a session of its own: a new position stops the
// search before.)
TEST(UsiSession, MateScoresNodeLimitsAndMoveTime) {
    auto reports = [](const std::string& position, const std::string& go) {
        return Lines(
            Session("setoption name Threads value 1\nposition " + position + "\ngo " + go + "\n"));
    };
    auto contains = [](const std::vector<std::string>& lines, const std::string& text) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(text) != l.npos; });
    };
    auto win = reports("sfen 8r/9/9/3R5/4e4/9/9/9/4E4 b - 1", "depth 3");
    EXPECT_TRUE(contains(win, "score mate 1 "));
    EXPECT_EQ(win.back(), "bestmove 6d5e");
    // Sente's last Rat in the corner is attacked by a Lion and boxed in by Dogs it cannot take:
    // lost in 2.
    EXPECT_TRUE(
        contains(reports("sfen r3e4/9/9/9/9/9/9/7ld/E6dR b - 1", "depth 4"), "score mate -2 "));

    auto counted = reports("startpos", "nodes 3000");
    EXPECT_TRUE(contains(counted, " depth 2 "));
    for (const std::string& l : Starting(counted, "info multipv"))
        EXPECT_LE(std::stoull(Field(l, "nodes")), 3000u) << l;
    ExpectLegalBestMove(counted.back(), "startpos", false);
    ExpectLegalBestMove(reports("startpos moves 5f5e", "movetime 100").back(),
                        "startpos moves 5f5e", false);
}

TEST(UsiSession, DropsAreOfferedOnlyWhenCapturedPiecesMayBeUsed) {
    const std::string position = "position sfen 4e3r/9/9/9/9/9/9/9/R3E4 b D 1\ngo perft 1\n";
    auto off = Lines(Session(position));
    auto on =
        Lines(Session("setoption name CapturedPieces value true\n" + position + "go depth 2\n"));
    EXPECT_TRUE(Starting(off, "D*").empty());
    EXPECT_EQ(Starting(on, "D*5e: 1").size(), 1u);
    EXPECT_EQ(off.back(), "Nodes searched: 8");
    EXPECT_EQ(Starting(on, "Nodes searched: ").front(), "Nodes searched: 85");
    ExpectLegalBestMove(on.back(), "sfen 4e3r/9/9/9/9/9/9/9/R3E4 b D 1", true);
}

// Every bad line is answered with an info string and the position stays where it was.
TEST(UsiSession, BadInputIsNamedAndThePositionKept) {
    const std::string bad[] = {
        "frobnicate",
        "position",
        "position sfen 9/9/9 b - 1",
        "position sfen 4e4/9/9/9/9/9/9/9/4E4 q - 1",
        "position startpos moves 5f5e 5e5d",
        "position startpos moves 1a1b",
        "position startpos garbage",
        "position startpos moves D*5e",
        "setoption name Level value 99x",
        "setoption name Nonsense value 1",
        "setoption",
        "go perft 0",
        "go perft 99999999999999999999999",
        std::string(70000, 'x'),
    };
    std::string input = "position startpos moves 5f5e\n";
    for (const std::string& b : bad) input += b + "\n";
    input += "go depth 2 btime -5 wtime 99999999999999999999999 nodes x\n";
    auto lines = Lines(Session(input));
    EXPECT_EQ(Starting(lines, "info string").size(), std::size(bad) + 3);
    ExpectLegalBestMove(lines.back(), "startpos moves 5f5e", false);
}

TEST(UsiSession, StopEndsAnInfiniteSearchWithABestMove) {
    std::ostringstream out;
    Usi usi(out);
    usi.Handle("position startpos");
    usi.Handle("go infinite");
    usi.Handle("isready");
    usi.Handle("stop");
    auto lines = Lines(out.str());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(Starting(lines, "readyok").size(), 1u);
    EXPECT_EQ(Starting(lines, "bestmove").size(), 1u);
    ExpectLegalBestMove(lines.back(), "startpos", false);
}

TEST(UsiSession, ResignsWhenTheGameIsOverOrNoMoveIsLeft) {
    auto lines =
        Lines(Session("position sfen 4e4/9/9/9/9/9/9/9/4ER3 b - 1\ngo depth 3\n"
                      "position sfen Rd5rE/dd5rr/9/9/9/9/9/9/4e4 b - 1\ngo movetime 100\n"
                      "position startpos moves 5f5e\ngo depth 1 nodes 1\n"));
    auto best = Starting(lines, "bestmove");
    ASSERT_EQ(best.size(), 3u);
    EXPECT_EQ(best[0], "bestmove resign");
    EXPECT_EQ(best[1], "bestmove resign");
    ExpectLegalBestMove(best[2], "startpos moves 5f5e", false);
}

// The real program on pipes: a game's worth of commands, bad input, stop and quit.
class EngineProcess {
public:
    EngineProcess() {
        int toChild[2], fromChild[2];
        EXPECT_EQ(pipe(toChild), 0);
        EXPECT_EQ(pipe(fromChild), 0);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toChild[0], 0);
            dup2(fromChild[1], 1);
            close(toChild[1]);
            close(fromChild[0]);
            execl(TORVANE_ENGINE_BINARY, TORVANE_ENGINE_BINARY, nullptr);
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        in_ = toChild[1];
        out_ = fdopen(fromChild[0], "r");
    }
    ~EngineProcess() {
        close(in_);
        fclose(out_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    void Send(const std::string& line) {
        std::string text = line + "\n";
        ASSERT_EQ(write(in_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    // The lines up to and including the first that starts with `head`.
    std::vector<std::string> ReadUntil(const std::string& head) {
        std::vector<std::string> lines;
        char buffer[4096];
        while (fgets(buffer, sizeof buffer, out_)) {
            std::string line(buffer);
            if (!line.empty() && line.back() == '\n') line.pop_back();
            lines.push_back(line);
            if (line.rfind(head, 0) == 0) break;
        }
        return lines;
    }
    int WaitForExit() {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
    int in_ = -1;
    FILE* out_ = nullptr;
};

TEST(UsiProgram, WholeSessionThroughPipes) {
    EngineProcess engine;
    engine.Send("usi");
    EXPECT_EQ(engine.ReadUntil("usiok").back(), "usiok");
    engine.Send("isready");
    EXPECT_EQ(engine.ReadUntil("readyok").back(), "readyok");
    std::string moves = "startpos moves";
    for (int ply = 0; ply < 6; ++ply) {
        engine.Send("position " + moves);
        engine.Send("go btime 1000 wtime 1000 byoyomi 100");
        std::string best = engine.ReadUntil("bestmove").back();
        ExpectLegalBestMove(best, moves, false);
        moves += " " + best.substr(9);
    }
    engine.Send("position " + moves);
    engine.Send("position sfen nonsense");
    EXPECT_EQ(engine.ReadUntil("info string").back().rfind("info string", 0), 0u);
    engine.Send("go infinite");
    engine.Send("stop");
    ExpectLegalBestMove(engine.ReadUntil("bestmove").back(), moves, false);
    engine.Send("quit");
    int status = engine.WaitForExit();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace torvane::engine
