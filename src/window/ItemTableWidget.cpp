#include "window/ItemTableWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace rotulano::window {

ItemTableWidget::ItemTableWidget(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent) {}

void ItemTableWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        state() != QAbstractItemView::EditingState) {
        event->accept();
        emit spacePressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ItemTableWidget::mousePressEvent(QMouseEvent* event) {
    lastClickExtends_ = event->modifiers().testFlag(Qt::ShiftModifier);
    QTableWidget::mousePressEvent(event);
}

}  // namespace rotulano::window
