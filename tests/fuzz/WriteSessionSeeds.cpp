// Writes the session fuzzer's seed scripts into the directory given as the argument: from
// each start state, the peer's part of a real game (greeting, offer or answer, moves, chat,
// resignation) as encoded bytes in reads of a few bytes each, with the local player's moves
// in between.
#include <fstream>
#include <string>
#include <vector>

#include "protocol/MessageEncoder.h"

using namespace torvane;

namespace {

// Script steps, as SessionFuzzer reads them.
constexpr std::uint8_t kLocalMove = 0, kChat = 2, kResign = 3, kPeerMove = 11, kBytes = 12,
                       kQuiet = 16 + 12;

void AddMessage(std::vector<std::uint8_t>& script, const Message& message) {
    WireBytes bytes = Encode(message);
    for (std::size_t i = 0; i < bytes.size(); i += 5) {
        std::size_t n = std::min<std::size_t>(5, bytes.size() - i);
        script.insert(script.end(), {kBytes, static_cast<std::uint8_t>(n)});
        script.insert(script.end(), bytes.begin() + i, bytes.begin() + i + n);
    }
    script.push_back(kQuiet);
}

std::vector<std::uint8_t> PeerGame(std::uint8_t state, bool offerFromPeer) {
    std::vector<std::uint8_t> script{state};
    AddMessage(script, CodeMsg{MessageCode::Hello, "相手"});
    if (offerFromPeer) {
        AddMessage(script, CodeMsg{MessageCode::OfferSente, "相手"});
        script.push_back(1);  // Yes
    }
    // Forward steps of the peer's Dogs, in the peer's view, and local moves.
    for (std::int16_t dog : {45, 47, 49, 51, 53}) {
        AddMessage(script, MoveMsg{dog, static_cast<std::int16_t>(dog - 9)});
        AddMessage(script, CodeMsg{MessageCode::ChatLine, "相手>>よろしく"});
        script.insert(script.end(), {kLocalMove, static_cast<std::uint8_t>(dog)});
        script.insert(script.end(), {kChat, 3, 'h', 'i', '!'});
    }
    // Then moves of both sides, picked among those possible, until someone is taken.
    for (std::uint8_t ply = 0; ply < 120; ++ply)
        script.insert(script.end(), {kLocalMove, static_cast<std::uint8_t>(ply * 37 % 128),
                                     kPeerMove, static_cast<std::uint8_t>(ply * 53), ply});
    AddMessage(script, CodeMsg{MessageCode::Resign, {}});
    script.push_back(kResign);
    return script;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    for (std::uint8_t state = 0; state < 7; ++state) {
        for (bool offer : {false, true}) {
            std::vector<std::uint8_t> script = PeerGame(state, offer);
            std::ofstream file(
                std::string(argv[1]) + "/session" + std::to_string(state) + (offer ? "offer" : ""),
                std::ios::binary);
            file.write(reinterpret_cast<const char*>(script.data()),
                       static_cast<std::streamsize>(script.size()));
        }
    }
}
