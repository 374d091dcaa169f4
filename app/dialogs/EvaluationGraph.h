#pragma once

#include <QPainter>
#include <QWidget>
#include <optional>
#include <vector>

#include "app/analysis/MoveJudgement.h"

namespace torvane {

// The course of a game as the engine judged it: Sente's advantage after each move, clamped to
// ±kJudgedScoreLimit, drawn as a filled line above (Sente ahead) and below (Gote ahead) the
// middle, with the bad moves dotted and the position shown marked by a vertical line. Drawn at
// the widget's size and the screen's pixels. A click chooses the position under the pointer.
class EvaluationGraph : public QWidget {
    Q_OBJECT
public:
    explicit EvaluationGraph(QWidget* parent);

    // Sente's score of the position after each number of moves (0: the start), where known,
    // and the mark of each move (index 0: the first move).
    void SetCourse(std::vector<std::optional<int>> scores, std::vector<MoveMark> marks);
    // The position shown, after `ply` moves.
    void SetCurrent(int ply);
    int Current() const { return current_; }
    // The ply whose column holds the point `x` of the widget.
    int PlyAt(int x) const;
    // The point where the score of `ply` is drawn (its middle line where it is unknown).
    QPointF PointOf(int ply) const;

    QSize sizeHint() const override;  // seven lines of text high
    QSize minimumSizeHint() const override;

signals:
    void plyClicked(int ply);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF Plot() const;
    void DrawMoveNumbers(QPainter& painter, const QRectF& plot) const;
    int Plies() const { return std::max(1, static_cast<int>(scores_.size()) - 1); }

    std::vector<std::optional<int>> scores_;
    std::vector<MoveMark> marks_;
    int current_ = 0;
};

}  // namespace torvane
