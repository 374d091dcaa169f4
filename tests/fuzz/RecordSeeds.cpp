// Writes the record fuzzer's seeds into the directory given as the argument: games of random
// legal moves with and without drops, half of them with analysis comments, as `.kifu` text and
// as Shift_JIS, each behind the encoding byte the fuzzer reads first.
#include <algorithm>
#include <fstream>
#include <random>
#include <string>

#include "protocol/TextCodec.h"
#include "record/RecordFile.h"
#include "record/RecordPosition.h"
#include "rules/MovementRules.h"

using namespace torvane;

namespace {

GameRecord RandomGame(std::mt19937& random, bool drops, int moves) {
    GameRecord record{{"2026/12/08 10:15:00", "髙橋①", "ｱﾌﾟﾘ", drops, true}, {}, {}};
    RecordPosition position;
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::mt19937 random(1);
    for (int i = 0; i < 8; ++i) {
        GameRecord record = RandomGame(random, i % 2 == 1, 10 + 20 * i);
        if (i % 4 >= 2) AddAnalysis(random, record);
        std::string text = WriteRecord(record);
        WireBytes sjis = EncodeCp932(text);
        std::ofstream utf8(std::string(argv[1]) + "/record" + std::to_string(i), std::ios::binary);
        utf8 << '\0' << text;
        std::ofstream cp932(std::string(argv[1]) + "/record-sjis" + std::to_string(i),
                            std::ios::binary);
        cp932.put('\1').write(reinterpret_cast<const char*>(sjis.data()),
                              static_cast<std::streamsize>(sjis.size()));
    }
}
