#include "app/dialogs/EvaluationGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace torvane {

namespace {

const QColor kPaper(252, 250, 244), kGrid(200, 196, 186), kSente(60, 60, 60, 170),
    kGote(190, 60, 50, 150), kCurrent(40, 90, 200), kBlunder(210, 30, 30), kDubious(230, 150, 20);

}  // namespace

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent) {
    setObjectName("graph");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);  // the list takes the height
    setCursor(Qt::PointingHandCursor);
    setToolTip("評価値の推移（上が先手有利、下が後手有利）。クリックでその局面を表示します");
}

void EvaluationGraph::SetCourse(std::vector<std::optional<int>> scores,
                                std::vector<MoveMark> marks) {
    scores_ = std::move(scores);
    marks_ = std::move(marks);
    update();
}

void EvaluationGraph::SetCurrent(int ply) {
    if (ply == current_) return;
    current_ = ply;
    update();
}

QSize EvaluationGraph::sizeHint() const {
    return {fontMetrics().horizontalAdvance("0") * 40, fontMetrics().height() * 7};
}

QSize EvaluationGraph::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance("0") * 16, fontMetrics().height() * 5};
}

// Room on the left for the scale's labels, half a line above, and a line below for the move
// numbers.
QRectF EvaluationGraph::Plot() const {
    const QFontMetrics metrics = fontMetrics();
    const qreal left = metrics.horizontalAdvance("+2000") + metrics.height() * 0.5;
    const qreal margin = metrics.height() * 0.6;
    return QRectF(left, margin, std::max(1.0, width() - left - margin),
                  std::max(1.0, height() - 2 * margin - metrics.height()));
}

// Move numbers under the plot, every 10, 20, 50, 100… moves, as close as they fit.
void EvaluationGraph::DrawMoveNumbers(QPainter& painter, const QRectF& plot) const {
    const QFontMetrics metrics = fontMetrics();
    const qreal room = metrics.horizontalAdvance("0000") * Plies() / plot.width();
    constexpr int kSteps[] = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
    const int step = *std::find_if(std::begin(kSteps), std::end(kSteps) - 1,
                                   [room](int candidate) { return candidate >= room; });
    for (int ply = step; ply <= Plies(); ply += step) {
        const qreal x = PointOf(ply).x();
        painter.drawText(QRectF(x - 2 * metrics.height(), plot.bottom() + metrics.height() * 0.3,
                                4 * metrics.height(), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(ply));
    }
}

QPointF EvaluationGraph::PointOf(int ply) const {
    const QRectF plot = Plot();
    const std::size_t index = static_cast<std::size_t>(std::max(ply, 0));
    const int score = index < scores_.size() ? scores_[index].value_or(0) : 0;
    const qreal share = std::clamp(score, -kJudgedScoreLimit, kJudgedScoreLimit) /
                        static_cast<qreal>(kJudgedScoreLimit);
    return {plot.left() + plot.width() * ply / Plies(),
            plot.center().y() - plot.height() / 2 * share};
}

int EvaluationGraph::PlyAt(int x) const {
    const QRectF plot = Plot();
    const qreal ply = (x - plot.left()) * Plies() / plot.width();
    return std::clamp(static_cast<int>(std::lround(ply)), 0, Plies());
}

void EvaluationGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kPaper);
    const QRectF plot = Plot();
    const qreal line = std::max(1.0, fontMetrics().height() / 14.0);
    // The scale: the middle line and the clamp's two ends, labelled.
    painter.setPen(QPen(kGrid, line));
    painter.drawRect(plot);
    painter.drawLine(QPointF(plot.left(), plot.center().y()),
                     QPointF(plot.right(), plot.center().y()));
    painter.setPen(palette().color(QPalette::WindowText));
    const qreal labelWidth = plot.left() - fontMetrics().height() * 0.25;
    const QString top = QString("+%1").arg(kJudgedScoreLimit),
                  bottom = QString("-%1").arg(kJudgedScoreLimit);
    for (auto [y, text] :
         {std::pair{plot.top(), top}, {plot.center().y(), QString("0")}, {plot.bottom(), bottom}})
        painter.drawText(
            QRectF(0, y - fontMetrics().height(), labelWidth, 2 * fontMetrics().height()),
            Qt::AlignRight | Qt::AlignVCenter, text);
    DrawMoveNumbers(painter, plot);
    // The area between the course and the middle, dark where Sente leads and red where Gote
    // does, as far as the positions are analysed.
    int last = static_cast<int>(scores_.size()) - 1;
    while (last >= 0 && !scores_[static_cast<std::size_t>(last)]) --last;
    QPainterPath course;
    course.moveTo(plot.left(), plot.center().y());
    for (int ply = 0; ply <= last; ++ply) course.lineTo(PointOf(ply));
    course.lineTo(PointOf(std::max(last, 0)).x(), plot.center().y());
    course.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.save();
    painter.setClipRect(QRectF(plot.left(), plot.top(), plot.width(), plot.height() / 2));
    painter.fillPath(course, kSente);
    painter.setClipRect(QRectF(plot.left(), plot.center().y(), plot.width(), plot.height() / 2));
    painter.fillPath(course, kGote);
    painter.restore();
    // The bad moves, dotted where they left the game: as large as a fifth of a line, and no
    // wider than their column, so that a long game keeps its course visible.
    const qreal dot = std::clamp(plot.width() / Plies() * 0.6, 1.5, fontMetrics().height() / 5.0);
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        if (marks_[i] == MoveMark::None || i + 1 >= scores_.size() || !scores_[i + 1]) continue;
        painter.setBrush(marks_[i] == MoveMark::Blunder ? kBlunder : kDubious);
        painter.drawEllipse(PointOf(static_cast<int>(i) + 1), dot, dot);
    }
    // The position shown.
    const qreal x = PointOf(current_).x();
    painter.setPen(QPen(kCurrent, 2 * line));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
}

void EvaluationGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    emit plyClicked(PlyAt(static_cast<int>(event->position().x())));
}

}  // namespace torvane
