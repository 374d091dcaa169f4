// Writes the fuzzer's seed corpus: every kind of valid message, one file each, into the
// directory given as the argument.
#include <fstream>
#include <string>

#include "net/MessageDecoder.h"
#include "net/MessageEncoder.h"

using namespace torvane;

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::vector<Message> messages{MoveMsg{12, 30}, MoveMsg{0, 80}, MoveMsg{-1, 32767}};
    for (MessageCode code : kAllMessageCodes)
        messages.push_back(CodeMsg{code, CarriesText(code) ? "P1>>こんにちは〜①髙ｱﾌﾟﾘ" : ""});
    messages.push_back(
        CodeMsg{MessageCode::ChatLine, std::string(MessageDecoder::kMaxTextBytes - 1, 'a') + "長"});
    for (std::size_t i = 0; i < messages.size(); ++i) {
        WireBytes bytes = Encode(messages[i]);
        std::ofstream file(std::string(argv[1]) + "/seed" + std::to_string(i), std::ios::binary);
        file.put(static_cast<char>(i * 37));  // the split seed
        file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
}
