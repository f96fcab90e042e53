#include "window/FormLayout.h"

#include <QWidget>

namespace rotulano::window {

FormLayout::FormLayout(const QSize& designSize, QWidget* parent)
    : QLayout(parent), designSize_(designSize) {
    setContentsMargins(0, 0, 0, 0);
}

FormLayout::~FormLayout() {
    for (const Placed& placed : placed_) {
        delete placed.item;
    }
}

void FormLayout::addControl(QWidget* control, const QRect& design, const Anchor& anchor) {
    addChildWidget(control);
    placed_.push_back({new QWidgetItem(control), design, anchor});
    control->setGeometry(design);
    invalidate();
}

// An item added without a design rectangle keeps the place it has.
void FormLayout::addItem(QLayoutItem* item) {
    placed_.push_back({item, item->geometry(), Anchor{}});
    invalidate();
}

QLayoutItem* FormLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? placed_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* FormLayout::takeAt(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    QLayoutItem* item = placed_[static_cast<std::size_t>(index)].item;
    placed_.erase(placed_.begin() + index);
    return item;
}

int FormLayout::count() const {
    return static_cast<int>(placed_.size());
}

QSize FormLayout::sizeHint() const {
    return designSize_;
}

QSize FormLayout::minimumSize() const {
    return designSize_;
}

// The widgets are placed directly, not through their items: a control keeps exactly
// its design rectangle whatever size its style would prefer.
void FormLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QSize extra = rect.size() - designSize_;
    for (const Placed& placed : placed_) {
        const QRect place =
            anchoredRect(placed.design, placed.anchor, extra).translated(rect.topLeft());
        if (QWidget* control = placed.item->widget()) {
            control->setGeometry(place);
        } else {
            placed.item->setGeometry(place);
        }
    }
}

}  // namespace rotulano::window
