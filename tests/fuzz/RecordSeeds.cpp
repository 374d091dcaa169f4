// Writes the record fuzzer's seeds into the directory given as the argument: games of random
// legal moves with and without drops, from the start position and from positions set up by
// hand, half of those from the start with analysis comments, as `.kifu` text and as Shift_JIS,
// each behind the encoding byte the fuzzer reads first.
#include <algorithm>
#include <fstream>
#include <random>
#include <string>

#include "protocol/TextCodec.h"
#include "record/RecordFile.h"
#include "record/RecordPosition.h"
#include "rules/MovementRules.h"
#include "rules/Sfen.h"
#include "rules/StartBoard.h"

using namespace torvane;

namespace {

// Positions set up by hand that seeds start from: a sparse one, and one with pieces in both
// hands and Gote to move.
const char* const kSetUps[] = {
    "4e4/9/2t6/3r5/4D4/5R3/9/9/4E4 b - 1",
    "cwp1erpwb/4l4/1t5t1/d3d3d/9/D3D3D/1T5T1/4L4/BWP1ERPWC w R2Dr2d 1",
};

GameRecord RandomGame(std::mt19937& random, bool drops, int moves, const BoardPosition& start) {
    GameRecord record{{"2026/12/08 10:15:00", "髙橋①", "ｱﾌﾟﾘ", drops, true, start}, {}, {}};
    RecordPosition position(start);
    for (int tries = 0; static_cast<int>(record.moves.size()) < moves && tries < 10000; ++tries) {
        int from = static_cast<int>(random() % kCellCount);
        std::vector<int> to = ReachableCells(position.Board(), from);
        RecordedMove move{
            position.ToMove(),           from,  to.empty() ? 0 : to[random() % to.size()],
            position.Board()[from].Kind, false, static_cast<int>(random() % 300)};
        if (drops && random() % 3 == 0) move.from = -1;
        if (!position.Play(move, drops)) record.moves.push_back(move);
    }
    record.result = position.Decided();
    if (!record.result) record.result = GameResult{GameEnd::Resignation, position.ToMove()};
    return record;
}

// Analysis of every other position, its line the next moves of the game (legal there).
void AddAnalysis(std::mt19937& random, GameRecord& record) {
    const int moves = static_cast<int>(record.moves.size());
    for (int ply = 0; ply <= moves; ply += 2) {
        const int length = std::min(moves - ply, static_cast<int>(random() % 4));
        record.analysis[ply] = {static_cast<int>(random() % 4001) - 2000,
                                static_cast<int>(random() % 20),
                                {record.moves.begin() + ply, record.moves.begin() + ply + length}};
    }
}

// The record as `.kifu` text and as Shift_JIS, each behind the encoding byte.
void WriteSeed(const std::string& dir, const std::string& name, const GameRecord& record) {
    std::string text = WriteRecord(record);
    WireBytes sjis = EncodeCp932(text);
    std::ofstream utf8(dir + "/" + name, std::ios::binary);
    utf8 << '\0' << text;
    std::ofstream cp932(dir + "/" + name + "-sjis", std::ios::binary);
    cp932.put('\1').write(reinterpret_cast<const char*>(sjis.data()),
                          static_cast<std::streamsize>(sjis.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::mt19937 random(1);
    const BoardPosition start{StartBoard()};
    for (int i = 0; i < 8; ++i) {
        GameRecord record = RandomGame(random, i % 2 == 1, 10 + 20 * i, start);
        if (i % 4 >= 2) AddAnalysis(random, record);
        WriteSeed(argv[1], "record" + std::to_string(i), record);
    }
    int n = 0;
    for (const char* text : kSetUps) {
        BoardPosition setUp;
        if (ReadSfen(text, setUp)) return 1;
        WriteSeed(argv[1], "record-setup" + std::to_string(n++),
                  RandomGame(random, true, 30, setUp));
    }
}
