#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "app/editor/SetUpBoard.h"

class QPainter;

namespace torvane {

// A part of the position editor where pieces lie: the board, a hand or the box. A press on a
// place where a piece can lie, and every release, go to the editor, which moves the pieces.
class SetUpSurface : public QWidget {
public:
    using QWidget::QWidget;

    // The place under `pos`, in the widget's own coordinates, or nothing where no piece lies.
    virtual std::optional<SetUpPlace> PlaceAt(QPoint pos) const = 0;

    std::function<void(const SetUpPlace&, Qt::MouseButton)> onPress;
    std::function<void(QPoint globalPos)> onRelease;

protected:
    // The texture of the main window (":/img/<name>.png") over the whole surface, framed in
    // dark wood as the main window's panels are.
    void PaintGround(QPainter& p, const QString& texture) const;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace torvane
