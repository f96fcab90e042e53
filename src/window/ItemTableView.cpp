#include "window/ItemTableView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace rotulano::window {

namespace {

// Room above and below the line of a row, and the characters "Descrição" always shows.
constexpr int kRowPadding = 6;
constexpr int kDescriptionCharacters = 30;

}  // namespace

ItemTableView::ItemTableView(QWidget* parent)
    : QTableView(parent), items_(new ItemTableModel(this)) {
    setModel(items_);
    items_->setPalette(palette());
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        emit cellClicked(index.row() + 1, index.column() + 1, lastClickExtends_);
    });
}

void ItemTableView::fitToContent() {
    const QFontMetrics metrics(font());
    QHeaderView* rows = verticalHeader();
    rows->setMinimumSectionSize(metrics.height());
    rows->setDefaultSectionSize(metrics.height() + kRowPadding);
    for (int column = 0; column < columnCount(); ++column) {
        if (!isColumnHidden(column)) {
            resizeColumnToContents(column);
        }
    }
    const int description = orders::kColDescription - 1;
    const int thirty = metrics.horizontalAdvance(QString(kDescriptionCharacters, u'N'));
    if (columnWidth(description) < thirty) {
        setColumnWidth(description, thirty);
    }
}

void ItemTableView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        state() != QAbstractItemView::EditingState) {
        event->accept();
        emit spacePressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ItemTableView::mousePressEvent(QMouseEvent* event) {
    lastClickExtends_ = event->modifiers().testFlag(Qt::ShiftModifier);
    QTableView::mousePressEvent(event);
}

void ItemTableView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        items_->setPalette(palette());
    }
    QTableView::changeEvent(event);
}

}  // namespace rotulano::window
