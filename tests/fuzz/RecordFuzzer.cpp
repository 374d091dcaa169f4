// Feeds arbitrary bytes to the record reader. The first input byte chooses the encoding. A
// record it accepts, its analysis comments included, must come back the same from its own
// writer, and every analysis it kept must belong to a position of the game.
#include <cstdlib>
#include <string_view>

#include "record/RecordFile.h"

using namespace torvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    auto encoding = data[0] % 2 == 0 ? RecordEncoding::Utf8 : RecordEncoding::ShiftJis;
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    auto read = ReadRecord(bytes, encoding);
    if (auto* record = std::get_if<GameRecord>(&read)) {
        for (const auto& [ply, analysis] : record->analysis)
            if (ply < 0 || ply > static_cast<int>(record->moves.size())) std::abort();
        auto again = ReadRecord(WriteRecord(*record), RecordEncoding::Utf8);
        if (again.index() != 0 || std::get<GameRecord>(again) != *record) std::abort();
    }
    return 0;
}
