// What a chosen background picture costs on every repaint: the board repaints after each
// press, drop and move, the window's client area whenever a control over it changes. Measured
// with a photograph-sized picture (4000 x 3000) against the built-in textures.

#include "app/window/Application.h"
#include "app/window/Form1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include "QtBenchmarkMain.h"

using namespace torvane;

namespace {

QImage Photograph() {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(image.rect(), gradient);
    return image;
}

// Paints `widget` into an image of its size, as a repaint on screen would.
void PaintOnce(QWidget* widget, QImage& target) {
    widget->render(&target, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    benchmark::DoNotOptimize(target.bits());
}

void BM_BoardRepaint(benchmark::State& state) {
    Form1 form;
    if (state.range(0)) form.board()->SetBackground(Photograph());
    QImage target(form.board()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) PaintOnce(form.board(), target);
}
BENCHMARK(BM_BoardRepaint)->Arg(0)->Arg(1)->ArgName("picture")->Unit(benchmark::kMicrosecond);

void BM_ClientAreaRepaint(benchmark::State& state) {
    Form1 form;
    if (state.range(0)) form.client()->SetPicture(Photograph());
    QImage target(form.client()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) PaintOnce(form.client(), target);
}
BENCHMARK(BM_ClientAreaRepaint)->Arg(0)->Arg(1)->ArgName("picture")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return torvane::QtBenchmarkMain(argc, argv);
}
