#pragma once

#include <QTabWidget>

namespace rotulano::window {

// The tab strip TB-OPERA with its pages numbered from 1. Two events: clicked, raised when
// the operator releases the mouse on the tab strip (after the page under it became
// current), and QTabWidget::currentChanged, the page change, which setPage raises even for
// the page already shown so that the selection summary is always brought up to date.
class PageControl : public QTabWidget {
    Q_OBJECT

  public:
    explicit PageControl(QWidget* parent = nullptr);

    // The current page, 1-based; 0 when there is none.
    int page() const { return currentIndex() + 1; }

    // Makes `page` (1-based) the current page and raises the page change.
    void setPage(int page);

  signals:
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace rotulano::window
