#pragma once

#include <QDialog>

namespace rotulano::window {

// The About window CP21999: a picture, the program's name and version, and "OK", which
// closes it. Its captions follow the interface language.
class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    explicit AboutWindow(QWidget* parent = nullptr, bool portuguese = true);

    // Shows the About window over `parent`, modal, without waiting for it to close; an
    // About window already open is brought to the front instead of opening a second one.
    static AboutWindow* open(QWidget* parent, bool portuguese = true);
};

}  // namespace rotulano::window
