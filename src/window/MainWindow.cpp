#include "window/MainWindow.h"

#include <QCloseEvent>

#include "window/FormBuilder.h"
#include "window/Handlers.h"
#include "window/WindowGeometry.h"

namespace rotulano::window {

namespace {
const QString kWindowName = QStringLiteral("CP21000");
}

MainWindow::MainWindow(MessageBoxService& messageBox, FileDialogService& fileDialog,
                       core::Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      controls_(buildForm(this)),
      context_{controls_, session_, messageBox, fileDialog, platform},
      events_(context_) {
    events_.connectControls();
}

void MainWindow::rememberGeometryIn(const QString& file) {
    geometryFile_ = file;
    WindowGeometry(file).restore(this);
}

void MainWindow::openForm() {
    if (opened_) {
        return;
    }
    opened_ = true;
    events_.raise(kWindowName, FormEvent::Opened);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    openForm();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closed_ && !onCloseRequested(context_)) {
        event->ignore();
        return;
    }
    if (!closed_) {
        closed_ = true;
        if (!geometryFile_.isEmpty()) {
            WindowGeometry(geometryFile_).save(this);
        }
        events_.raise(kWindowName, FormEvent::Closed);
    }
    event->accept();
}

}  // namespace rotulano::window
