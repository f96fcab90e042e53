#include <QApplication>
#include <QLibraryInfo>
#include <iostream>

#include "core/QtOwnFiles.h"

#include "printing/SystemPlatform.h"
#include "window/MainWindow.h"
#include "window/Pictures.h"
#include "window/QtFileDialog.h"
#include "window/QtMessageBox.h"
#include "window/QtTranslation.h"
#include "window/WindowGeometry.h"

// Rotulano: opens the chain's order files and prints their price tags and labels. The
// working directory holds the parameter file CD21PRM.DAT and the logo files.
int main(int /*argc*/, char** argv) {
    // Qt's own files are looked at before Qt reads them: one that would hang it is set aside.
    const rotulano::core::QtOwnFiles qtFiles(std::cerr, "rotulano: ");
    // Qt sees the program's name only: no argument is taken for a Qt option ("-platform").
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
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
    rotulano::window::QtTranslation qtTexts(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    qtTexts.follow(window.session().settings.language());
    return app.exec();
}
