#include "window/ItemTableView.h"

#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <array>

namespace rotulano::window {

namespace {

// Room above and below the line of a row, and the characters "Descrição" always shows.
constexpr int kRowPadding = 6;
constexpr int kDescriptionCharacters = 30;

// The width of a cell's text as the sum of its characters' advances, each measured once:
// shaping every cell of a large order (what Qt's own column sizing does, through the
// delegate, for up to 1000 rows a column) took most of an order's load time. Kerning only
// narrows a text, so the sum is never too small.
class TextWidths {
  public:
    explicit TextWidths(const QFontMetrics& metrics) : metrics_(metrics) { latin1_.fill(-1); }

    // Trailing blanks (the order file's padding) take no room, as in Qt's own measure.
    int of(const QString& text) {
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == u' ') {
            --end;
        }
        int width = 0;
        for (qsizetype i = 0; i < end; ++i) {
            width += advance(text.at(i));
        }
        return width;
    }

  private:
    int advance(QChar letter) {
        const char16_t code = letter.unicode();
        if (code < latin1_.size()) {
            int& known = latin1_[code];
            if (known < 0) {
                known = metrics_.horizontalAdvance(letter);
            }
            return known;
        }
        const auto known = others_.constFind(code);
        return known != others_.constEnd()
                   ? *known
                   : *others_.insert(code, metrics_.horizontalAdvance(letter));
    }

    const QFontMetrics& metrics_;
    std::array<int, 256> latin1_;
    QHash<char16_t, int> others_;
};

}  // namespace

ItemTableView::ItemTableView(QWidget* parent)
    : QTableView(parent), items_(new ItemTableModel(this)) {
    setModel(items_);
    items_->setPalette(palette());
    // Tab leaves the grid for the next control, as everywhere else in the window: the
    // arrow keys move between its cells.
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        emit cellClicked(index.row() + 1, index.column() + 1, lastClickExtends_);
    });
}

void ItemTableView::fitToContent() {
    const QFontMetrics metrics(font());
    QHeaderView* rows = verticalHeader();
    rows->setMinimumSectionSize(metrics.height());
    rows->setDefaultSectionSize(metrics.height() + kRowPadding);
    // Around its text a cell has the delegate's margins and the grid line.
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) +
        (showGrid() ? 1 : 0);
    TextWidths widths(metrics);
    for (int column = 0; column < columnCount(); ++column) {
        if (isColumnHidden(column)) {
            continue;
        }
        int widest = horizontalHeader()->sectionSizeHint(column);
        for (int row = 1; row <= rowCount(); ++row) {
            widest = std::max(widest, widths.of(items_->text(row, column + 1)) + margins);
        }
        setColumnWidth(column, widest);
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

// A right click makes its row the current one: the context menu's "Reimprimir…" acts on it.
void ItemTableView::mousePressEvent(QMouseEvent* event) {
    lastClickExtends_ = event->modifiers().testFlag(Qt::ShiftModifier);
    if (event->button() == Qt::RightButton) {
        const QModelIndex pressed = indexAt(event->position().toPoint());
        if (pressed.isValid()) {
            setCurrentIndex(pressed);
        }
    }
    QTableView::mousePressEvent(event);
}

void ItemTableView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        items_->setPalette(palette());
    }
    QTableView::changeEvent(event);
}

}  // namespace rotulano::window
