#include "window/ShownGrid.h"

#include <QTableView>

namespace rotulano::test {

int ShownGrid::rowCount() const {
    return view_->model()->rowCount();
}

QVariant ShownGrid::data(int row, int column, int role) const {
    return view_->model()->index(row - 1, column - 1).data(role);
}

QString ShownGrid::text(int row, int column) const {
    return data(row, column, Qt::DisplayRole).toString();
}

QColor ShownGrid::background(int row, int column) const {
    const QVariant brush = data(row, column, Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

bool ShownGrid::isHighlighted(int row, int column) const {
    const QPalette& palette = view_->palette();
    return data(row, column, Qt::BackgroundRole).value<QBrush>() ==
               palette.brush(QPalette::Highlight) &&
           data(row, column, Qt::ForegroundRole).value<QBrush>() ==
               palette.brush(QPalette::HighlightedText);
}

Qt::ItemFlags ShownGrid::flags(int row, int column) const {
    return view_->model()->flags(view_->model()->index(row - 1, column - 1));
}

QRect ShownGrid::cellRect(int row, int column) const {
    const QModelIndex index = view_->model()->index(row - 1, column - 1);
    view_->scrollTo(index);
    return view_->visualRect(index);
}

}  // namespace rotulano::test
