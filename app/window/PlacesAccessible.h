#pragma once

#include <QAccessibleWidget>
#include <vector>

#include "app/window/KeyboardCursor.h"

namespace torvane {

// What assistive tools see of a view painted as many places (the board's cells, a hand's
// slots): the view, with one child per place that has a name, a role, its square on the screen
// and states (focused where the keyboard cursor stands while the board has the keyboard,
// selected while its piece is held), and a press action that acts as Enter does there.
class PlacesAccessible : public QAccessibleWidget {
public:
    // `area` is the hand the view shows, none for the board.
    PlacesAccessible(QWidget* view, QAccessible::Role role, QAccessible::Role placeRole, int places,
                     std::optional<Hand> area);
    ~PlacesAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The view's name, e.g. "盤" or "先手の持ち駒".
    virtual QString ViewName() const = 0;
    // The place's name, e.g. "５五 先手 犬" or "５五 空き".
    virtual QString PlaceName(int index) const = 0;
    // The place's square in the view.
    virtual QRect PlaceRect(int index) const = 0;
    // Asks the view to act on the place, after the assistive tool's call has returned.
    virtual void Activate(int index) const = 0;
    QAccessible::Role PlaceRole() const { return placeRole_; }
    bool Focused(int index) const;
    bool Held(int index) const;

protected:
    // The keyboard cursor the view shows.
    virtual const KeyboardCursor* Cursor() const = 0;

private:
    QAccessible::Role placeRole_;
    std::optional<Hand> area_;
    mutable std::vector<QAccessible::Id> children_;  // made when first asked for
};

}  // namespace torvane
