#pragma once

#include <functional>

namespace torvane {

// The slow scroll of the contact lines: down 10 twips a tick, a rest of 100 ticks when the
// top reaches 260 twips, back to the top once the text has left the box.
class ContactTicker {
public:
    void Tick();
    int top() const { return top_; }
    // Ticks from now until the text's top lands on another row of the screen as `rowOf` maps
    // a top in twips to it (at least 1, at most `longest`), so a timer may sleep through the
    // ticks in which nothing visible moves.
    int TicksUntilMove(const std::function<int(int top)>& rowOf, int longest) const;

private:
    int top_ = 0;
    int pause_ = 0;
};

}  // namespace torvane
