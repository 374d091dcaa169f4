// The window's press-to-drop cycle: a real press and release on the board of a shown main
// window, the move made by the core, and the board repainted.
#include <benchmark/benchmark.h>

#include "ShownWindowMain.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/window/Application.h"
#include "app/window/Form1.h"

using namespace torvane;

namespace {

Form1* form = nullptr;

QPoint Centre(int cell) {
    return form->board()->mapTo(form, form->board()->CellRect(cell).center());
}

void Move(int from, int to) {
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, Centre(from));
    QTest::mouseMove(form->windowHandle(), Centre(to));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, Centre(to));
    form->board()->repaint();
}

void BM_PressToDrop(benchmark::State& state) {
    for (auto _ : state) {
        Move(45, 36);
        Move(35, 44);
        Move(36, 45);
        Move(44, 35);
    }
    if (form->game().Squares()[45].Kind != 5) state.SkipWithError("the moves did not happen");
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_PressToDrop)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return ShownWindowMain(argc, argv, form, [](Form1& window) {
        // "先手の番です" is answered as a player would, then the game starts.
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        window.sutato_Click();
        return true;
    });
}
