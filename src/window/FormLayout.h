#pragma once

#include <QLayout>
#include <QRect>
#include <vector>

#include "window/FormAnchors.h"

namespace rotulano::window {

// The layout of the window's own controls: at the form's design size every control
// stands at its design rectangle; a larger window moves and grows each control by its
// anchor, so that the tab strip (and the grid in it) takes the extra room. The design
// size is the least size of the client area.
class FormLayout : public QLayout {
  public:
    FormLayout(const QSize& designSize, QWidget* parent);
    ~FormLayout() override;

    // Places `control`, a child of the layout's widget, at `design` and by `anchor`.
    void addControl(QWidget* control, const QRect& design, const Anchor& anchor);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  private:
    struct Placed {
        QLayoutItem* item;
        QRect design;
        Anchor anchor;
    };

    QSize designSize_;
    std::vector<Placed> placed_;
};

}  // namespace rotulano::window
