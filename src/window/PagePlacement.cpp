#include "window/PagePlacement.h"

#include <QEvent>
#include <QStackedWidget>
#include <QTabWidget>

namespace rotulano::window {

PagePlacement::PagePlacement(QTabWidget* tabStrip)
    : QObject(tabStrip), tabStrip_(tabStrip), pageArea_(tabStrip->findChild<QStackedWidget*>()) {
    if (pageArea_ != nullptr) {
        pageArea_->installEventFilter(this);
    }
}

void PagePlacement::place(QWidget* control, const QPoint& designPosition) {
    placed_.push_back({control, designPosition});
    control->move(designPosition - pageOrigin());
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

void PagePlacement::placeAll() {
    const QPoint origin = pageOrigin();
    for (const Placed& placed : placed_) {
        if (placed.control != nullptr) {
            placed.control->move(placed.designPosition - origin);
        }
    }
}

}  // namespace rotulano::window
