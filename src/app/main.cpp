#include <QApplication>

#include "core/FileSizeSignal.h"
#include "printing/SystemPlatform.h"
#include "window/MainWindow.h"
#include "window/Pictures.h"
#include "window/QtFileDialog.h"
#include "window/QtMessageBox.h"
#include "window/WindowGeometry.h"

// Rotulano: opens the chain's order files and prints their price tags and labels. The
// working directory holds the parameter file CD21PRM.DAT and the logo files.
int main(int argc, char** argv) {
    rotulano::core::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotulano"));
    rotulano::window::initWindowResources();

    rotulano::window::QtMessageBox messageBox;
    rotulano::window::QtFileDialog fileDialog;
    rotulano::printing::SystemPlatform platform;
    rotulano::window::MainWindow window(messageBox, fileDialog, platform);
    messageBox.setParent(&window);
    fileDialog.setParent(&window);
    window.rememberGeometryIn(rotulano::window::WindowGeometry::defaultFile());

    window.show();
    return app.exec();
}
