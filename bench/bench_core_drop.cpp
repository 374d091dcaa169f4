// The core's handling of moves: pick-up with the range display, the drop's judgement,
// ApplyMove and the end-of-game scan, without any window.
#include <benchmark/benchmark.h>

#include "game/Game.h"

using namespace torvane;

namespace {

struct SilentShell : Shell {
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
    void PlaySound(int) override {}
    void BeginDrag(DragArea, int) override {}
    void EndDrag() override {}
    void RepaintNow() override {}
};

void Move(Game& game, int from, int to) {
    game.BoardPickUp(from, MouseButton::Left);
    game.Image1_DragDrop(to);
}

// Four moves a round: Sente's and Gote's Dogs step forward and back again.
void BM_MoveCycle(benchmark::State& state) {
    SilentShell shell;
    Game game(shell, "127.0.0.1");
    game.sutato_Click();
    for (auto _ : state) {
        Move(game, 45, 36);
        Move(game, 35, 44);
        Move(game, 36, 45);
        Move(game, 44, 35);
    }
    if (game.Squares()[45].Kind != 5) state.SkipWithError("the moves did not happen");
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_MoveCycle);

// A drop that the rules refuse still judges and scans.
void BM_RefusedDrop(benchmark::State& state) {
    SilentShell shell;
    Game game(shell, "127.0.0.1");
    game.sutato_Click();
    for (auto _ : state) Move(game, 45, 27);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RefusedDrop);

}  // namespace

BENCHMARK_MAIN();
