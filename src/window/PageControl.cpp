#include "window/PageControl.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTabBar>

namespace rotulano::window {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    tabBar()->installEventFilter(this);
}

void PageControl::setPage(int page) {
    const int index = page - 1;
    if (index < 0 || index >= count()) {
        return;
    }
    if (index == currentIndex()) {
        emit currentChanged(index);
    } else {
        setCurrentIndex(index);
    }
}

bool PageControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabBar() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            tabBar()->tabAt(mouse->position().toPoint()) >= 0) {
            emit clicked();
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

}  // namespace rotulano::window
