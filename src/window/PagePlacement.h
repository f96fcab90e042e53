#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <vector>

class QTabWidget;
class QWidget;

namespace rotulano::window {

// Keeps the controls of the pages of a tab strip at their design positions, which are
// given relative to the tab strip's top-left corner: the pages themselves start below the
// tabs, at an offset that the style decides and that is known only once the tab strip is
// laid out, so the controls are moved again whenever the pages' area moves or resizes.
class PagePlacement : public QObject {
    Q_OBJECT

  public:
    explicit PagePlacement(QTabWidget* tabStrip);

    // Places `control` (a child of one of the pages) at `designPosition`.
    void place(QWidget* control, const QPoint& designPosition);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Placed {
        QPointer<QWidget> control;
        QPoint designPosition;
    };

    QPoint pageOrigin() const;
    void placeAll();

    QTabWidget* tabStrip_;
    QWidget* pageArea_;
    std::vector<Placed> placed_;
};

}  // namespace rotulano::window
