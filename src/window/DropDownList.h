#pragma once

#include <QComboBox>

namespace rotulano::window {

// A drop-down list of the form with 1-based selection positions (0 = none). Its
// selection-change event is raised when the operator chooses an item, even the one already
// selected, and whenever the program sets the selection through setSelection(), even to
// the same item: choosing the model already selected must still enable the Save button.
// Items added by the program raise nothing.
class DropDownList : public QComboBox {
    Q_OBJECT

  public:
    explicit DropDownList(QWidget* parent = nullptr);

    // The selected position, 1-based; 0 when nothing is selected.
    int selection() const { return currentIndex() + 1; }

    // Selects `position` (1-based); a position outside the items leaves the list without
    // a selection. Always raises selectionChanged.
    void setSelection(int position);

  signals:
    void selectionChanged(int position);
};

}  // namespace rotulano::window
