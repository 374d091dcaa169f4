#pragma once

#include <QWidget>
#include <functional>

#include "game/Game.h"

namespace torvane {

// `Picture3` (bottom hand, `Image4`) or `Picture2` (top hand, `Image5`): 18 slots in three
// columns, filled row by row from the top left.
class HandView : public QWidget {
    Q_OBJECT
public:
    HandView(const Game& game, Hand hand, QWidget* parent);

    Hand hand() const { return hand_; }
    // Lays the slots out at `scale` times the design size.
    void SetScale(double scale);
    // The slot under `pos`, or -1.
    int SlotAt(QPoint pos) const;
    QRect SlotRect(int slot) const;

    // Shows `cells` (a hand of a replayed position) instead of the game's; nullptr shows the
    // game's hand again.
    void ShowReplay(const HandCells* cells);

    std::function<void(Hand, int slot, Qt::MouseButton)> onPress;
    std::function<void(QPoint globalPos)> onRelease;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const HandCells& cells() const;

    const Game& game_;
    Hand hand_;
    const HandCells* replay_ = nullptr;
    double scale_ = 1.0;
};

}  // namespace torvane
