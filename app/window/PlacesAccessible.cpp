#include "app/window/PlacesAccessible.h"

#include <QApplication>

#include "app/window/BoardView.h"

namespace torvane {

namespace {

// One place of a PlacesAccessible, which owns it.
class PlaceAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PlaceAccessible(const PlacesAccessible* places, int index) : places_(places), index_(index) {}

    bool isValid() const override { return places_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return places_->window(); }
    QAccessibleInterface* parent() const override { return const_cast<PlacesAccessible*>(places_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? places_->PlaceName(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect square = places_->PlaceRect(index_);
        const auto* view = static_cast<const QWidget*>(places_->object());
        return QRect(view->mapToGlobal(square.topLeft()), square.size());
    }
    QAccessible::Role role() const override { return places_->PlaceRole(); }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = s.selectable = true;
        s.focused = places_->Focused(index_);
        s.selected = places_->Held(index_);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) places_->Activate(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const PlacesAccessible* places_;
    int index_;
};

}  // namespace

PlacesAccessible::PlacesAccessible(QWidget* view, QAccessible::Role role,
                                   QAccessible::Role placeRole, int places,
                                   std::optional<Hand> area)
    : QAccessibleWidget(view, role), placeRole_(placeRole), area_(area), children_(places, 0) {}

// The places are registered with QAccessible, which hands them out by id; they go with the
// view's interface.
PlacesAccessible::~PlacesAccessible() {
    for (QAccessible::Id id : children_)
        if (id) QAccessible::deleteAccessibleInterface(id);
}

QString PlacesAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? ViewName() : QAccessibleWidget::text(t);
}

int PlacesAccessible::childCount() const {
    return static_cast<int>(children_.size());
}

QAccessibleInterface* PlacesAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    QAccessible::Id& id = children_[static_cast<std::size_t>(index)];
    if (!id) id = QAccessible::registerAccessibleInterface(new PlaceAccessible(this, index));
    return QAccessible::accessibleInterface(id);
}

int PlacesAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i)
        if (children_[static_cast<std::size_t>(i)] &&
            QAccessible::accessibleInterface(children_[static_cast<std::size_t>(i)]) == child)
            return i;
    return -1;
}

QAccessibleInterface* PlacesAccessible::childAt(int x, int y) const {
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i)
        if (PlaceRect(i).contains(at)) return child(i);
    return nullptr;
}

QAccessibleInterface* PlacesAccessible::focusChild() const {
    for (int i = 0; i < childCount(); ++i)
        if (Focused(i)) return child(i);
    return nullptr;
}

// The keyboard stays on the board, whether the cursor stands on a cell or in a hand.
bool PlacesAccessible::Focused(int index) const {
    const KeyboardCursor* cursor = Cursor();
    return cursor && cursor->IndexIn(area_) == index &&
           qobject_cast<BoardView*>(QApplication::focusWidget()) != nullptr;
}

bool PlacesAccessible::Held(int index) const {
    const KeyboardCursor* cursor = Cursor();
    return cursor && cursor->HeldIn(area_) == index;
}

}  // namespace torvane
