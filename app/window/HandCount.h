#pragma once

#include <QLabel>

#include "rules/Cell.h"
#include "rules/Side.h"

namespace torvane {

// A hand at a glance: how many pieces of each kind it holds, strongest first as shogi players
// list a hand ("虎×2 犬×3"; one piece is its kanji alone), in the wood beside the hand. The
// text shrinks to fit its box when the hand holds many kinds. A screen reader reads it in
// words: "先手の持ち駒 虎2枚 犬3枚", or "先手の持ち駒 なし".
class HandCount : public QLabel {
    Q_OBJECT
public:
    HandCount(const QString& name, QWidget* parent);

    void Show(const HandCells& held, Side side);

protected:
    void paintEvent(QPaintEvent*) override;
};

// The counts as shown ("虎×2 犬×3") and as read ("虎2枚 犬3枚"); empty for an empty hand.
QString HandCountText(const HandCells& held);
QString HandCountWords(const HandCells& held);

}  // namespace torvane
