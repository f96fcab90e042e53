#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <vector>

#include "window/FormAnchors.h"

class QTabWidget;
class QWidget;

namespace rotulano::window {

// Keeps the controls of the pages of a tab strip at their design positions, which are
// given relative to the tab strip's top-left corner: the pages themselves start below the
// tabs, at an offset that the style decides and that is known only once the tab strip is
// laid out, so the controls are moved again whenever the pages' area moves or resizes.
// When the tab strip is larger than its design size, each control moves and grows by its
// anchor.
class PagePlacement : public QObject {
    Q_OBJECT

  public:
    PagePlacement(QTabWidget* tabStrip, const QSize& designSize);

    // Places `control` (a child of one of the pages) at `design`, by `anchor`.
    void place(QWidget* control, const QRect& design, const Anchor& anchor);
    // Gives a placed control another design rectangle (its anchor kept).
    void moveTo(QWidget* control, const QRect& design);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Placed {
        QPointer<QWidget> control;
        QRect design;
        Anchor anchor;
    };

    QPoint pageOrigin() const;
    void placeOne(const Placed& placed, const QPoint& origin) const;
    void placeAll();

    QTabWidget* tabStrip_;
    QSize designSize_;
    QWidget* pageArea_;
    std::vector<Placed> placed_;
};

}  // namespace rotulano::window
