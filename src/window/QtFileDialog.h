#pragma once

#include "window/FileDialogService.h"

class QWidget;

namespace rotulano::window {

// The program's file dialogs: QFileDialog, starting in the current directory.
class QtFileDialog : public FileDialogService {
  public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    bool chooseFile(QString& path, const QString& title, const QString& filter) override;
    bool chooseSaveFile(QString& path, const QString& title, const QString& filter) override;

  private:
    QWidget* parent_;
};

}  // namespace rotulano::window
