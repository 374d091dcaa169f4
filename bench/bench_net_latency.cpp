// Loopback latency of one move: from the drop on window A to window B's board showing it, with
// both main windows in one process and a real TCP connection between them.
#include <benchmark/benchmark.h>

#include "ModalDialog.h"
#include "QtBenchmarkMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTcpServer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "app/window/Application.h"
#include "app/window/Form1.h"

using namespace torvane;
using Clock = std::chrono::steady_clock;

namespace {

// Answers a message box with Yes or OK, as the player accepting the offer would.
void AcceptBox(QMessageBox& box) {
    QAbstractButton* yes = box.button(QMessageBox::Yes);
    (yes ? yes : box.button(QMessageBox::Ok))->click();
}

bool Until(const std::function<bool()>& condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > 10000) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// Records the first paint of a board that shows `shown()`.
class PaintWatch : public QObject {
public:
    std::function<bool()> shown;
    std::optional<Clock::time_point> at;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !at && shown && shown()) at = Clock::now();
        return false;
    }
};

// The pick-up of the piece on `from`, shown on the window as a press would leave it.
void PickUp(Form1& form, int from) {
    form.game().BoardPickUp(from, MouseButton::Left);
    form.Render();
    QCoreApplication::processEvents();
}

// The drop on cell `to`, and the window's update after it.
void Drop(Form1& form, int to) {
    form.game().Image1_DragDrop(to);
    form.Render();
}

// A listens, B connects, A offers Sente and B accepts.
bool Connect(Form1& a, Form1& b) {
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    std::string port = std::to_string(probe.serverPort());
    probe.close();
    if (!a.session().ListenDialogOk("A", port)) return false;
    b.session().ConnectDialogOk("B", "127.0.0.1", port);
    if (!Until(
            [&] { return a.session().View().Label15 == "B" && b.session().View().Label15 == "A"; }))
        return false;
    a.session().OfferGame(true);
    return Until([&] { return a.game().View().Picture1; });
}

// Each iteration: A moves a Dog (timed until B's board has painted it), then B moves one of its
// own Dogs back and forth (not timed) so that it is A's turn again. Argument 1 switches the move
// sound off on both sides, and with it the repaint of the half-made move that follows the sound.
void BM_MoveLatencyOverLoopback(benchmark::State& state) {
    ModalWatcher<QMessageBox> boxes(AcceptBox);
    auto a = std::make_unique<Form1>(), b = std::make_unique<Form1>();
    a->show();
    b->show();
    if (!Connect(*a, *b)) return state.SkipWithError("no connection");
    for (Game* game : {&a->game(), &b->game()}) {
        SettingsChoice choice = game->SettingsOnLoad();
        choice.sound = state.range(0) == 0;
        game->ApplySettings(choice);
    }
    PaintWatch watch;
    b->board()->installEventFilter(&watch);
    std::vector<double> latencies;
    bool forth = true;
    for (auto _ : state) {
        int from = forth ? 45 : 36, to = forth ? 36 : 45;
        int seenAt = 80 - to;
        watch.at.reset();
        watch.shown = [&] {
            return b->game().View().Picture1 && b->game().Squares()[seenAt].Kind != 0;
        };
        PickUp(*a, from);
        Clock::time_point dropped = Clock::now();
        Drop(*a, to);
        if (!Until([&] { return watch.at.has_value(); })) return state.SkipWithError("lost");
        std::chrono::duration<double> latency = *watch.at - dropped;
        state.SetIterationTime(latency.count());
        latencies.push_back(latency.count() * 1e3);
        PickUp(*b, from);
        Drop(*b, to);
        if (!Until([&] { return a->game().View().Picture1; })) return state.SkipWithError("lost");
        forth = !forth;
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["p90_ms"] = latencies[latencies.size() * 9 / 10];
}
BENCHMARK(BM_MoveLatencyOverLoopback)
    ->ArgName("sound_off")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return torvane::QtBenchmarkMain(argc, argv);
}
