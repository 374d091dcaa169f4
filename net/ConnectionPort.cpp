#include <algorithm>

#include "net/Connection.h"

namespace torvane {

std::optional<int> ParsePort(const std::string& text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    auto first = std::find_if_not(text.begin(), text.end(), blank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    if (first >= last || last - first > 5) return std::nullopt;
    int port = 0;
    for (auto it = first; it != last; ++it) {
        if (*it < '0' || *it > '9') return std::nullopt;
        port = port * 10 + (*it - '0');
    }
    if (port < 1 || port > 65535) return std::nullopt;
    return port;
}

}  // namespace torvane
