#pragma once

#include <QString>
#include <QTranslator>

namespace rotulano::window {

// Qt's own texts (the file chooser's "Look in", "File name", "Open", "Cancel", the message
// boxes' buttons) in the interface language: Portuguese from Qt's translation
// qtbase_pt_BR.qm in `folder` (programFolder()). Without that file Qt's English stays, and
// nothing is said: the program works the same.
class QtTranslation {
  public:
    static constexpr int kPortuguese = 1;

    explicit QtTranslation(QString folder) : folder_(std::move(folder)) {}
    // Where the program's Qt translations are: on Linux Qt's translations folder, where the
    // Debian package qt6-translations-l10n puts them; on Windows the "translations" folder
    // beside the program, as the zip ships it. Needs the application object.
    static QString programFolder();
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // Puts Qt's Portuguese texts in place for `language` 1 (Português) and takes them away
    // for any other. True when Qt speaks Portuguese afterwards.
    bool follow(int language);

  private:
    void remove();

    QString folder_;
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace rotulano::window
