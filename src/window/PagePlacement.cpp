#include "window/PagePlacement.h"

#include <QEvent>
#include <QStackedWidget>
#include <QTabWidget>

namespace rotulano::window {

PagePlacement::PagePlacement(QTabWidget* tabStrip, const QSize& designSize)
    : QObject(tabStrip),
      tabStrip_(tabStrip),
      designSize_(designSize),
      pageArea_(tabStrip->findChild<QStackedWidget*>()) {
    if (pageArea_ != nullptr) {
        pageArea_->installEventFilter(this);
    }
}

void PagePlacement::place(QWidget* control, const QRect& design, const Anchor& anchor) {
    placed_.push_back({control, design, anchor});
    placeOne(placed_.back(), pageOrigin());
}

void PagePlacement::moveTo(QWidget* control, const QRect& design) {
    for (Placed& placed : placed_) {
        if (placed.control == control) {
            placed.design = design;
            placeOne(placed, pageOrigin());
        }
    }
}

bool PagePlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pageArea_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                                 event->type() == QEvent::Show)) {
        placeAll();
    }
    return QObject::eventFilter(watched, event);
}

QPoint PagePlacement::pageOrigin() const {
    return pageArea_ == nullptr ? QPoint() : pageArea_->mapTo(tabStrip_, QPoint(0, 0));
}

void PagePlacement::placeOne(const Placed& placed, const QPoint& origin) const {
    if (placed.control != nullptr) {
        const QSize extra = tabStrip_->size() - designSize_;
        placed.control->setGeometry(
            anchoredRect(placed.design, placed.anchor, extra).translated(-origin));
    }
}

void PagePlacement::placeAll() {
    const QPoint origin = pageOrigin();
    for (const Placed& placed : placed_) {
        placeOne(placed, origin);
    }
}

}  // namespace rotulano::window
