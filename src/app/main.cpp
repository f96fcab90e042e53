#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>
#include <string>

#include "core/QtOwnFiles.h"

#include "app/CommandLine.h"

#include "core/FileSizeSignal.h"
#include "core/ProgramConsole.h"
#include "core/WorkingFolder.h"
#include "preview/ProgramFonts.h"
#include "printing/PrivateTempDir.h"
#include "printing/ProgramSignals.h"
#include "printing/SystemPlatform.h"
#include "window/MainWindow.h"
#include "window/Pictures.h"
#include "window/QtFileDialog.h"
#include "window/QtMessageBox.h"
#include "window/QtTranslation.h"
#include "window/WindowGeometry.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt ends the program on a fatal message (the display went away with the session): the
// print folder goes first, as no destructor will run.
void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        rotulano::printing::PrivateTempDir::removeLive();
    }
    if (qtHandler != nullptr) {
        qtHandler(type, context, message);
    }
}

// How many of the program's arguments Qt sees: the program's name only, so that no argument
// is taken for a Qt option. On Windows "-platform NAME" right after the name is Qt's too: Wine
// does not pass QT_QPA_PLATFORM on, so the tests start the program with "-platform offscreen".
int qtArgumentCount(int argc, char** argv) {
#ifdef _WIN32
    if (argc >= 3 && std::string(argv[1]) == "-platform") {
        return 3;
    }
#else
    (void)argv;
#endif
    (void)argc;
    return 1;
}

// --help and --version: written before Qt starts, so that they work without a display.
int printEarlyRequest(rotulano::app::EarlyRequest request) {
    const std::string text = request == rotulano::app::EarlyRequest::Help
                                 ? rotulano::app::helpText()
                                 : rotulano::app::versionText();
    return rotulano::core::writeWindowProgramText(text) ? 0 : 1;
}

#ifndef _WIN32
// Whether Qt can open a screen: without one, QApplication ends the program on the spot.
bool hasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// The menu's working folder cannot be used: started from the menu, nobody reads the error
// output, so the message also goes to a box on the screen when there is one.
int reportFolderFailure(int argc, char** argv, const std::string& message) {
    std::cerr << "rotulano: " << message << std::endl;
    if (hasDisplay()) {
        int qtArgc = qtArgumentCount(argc, argv);
        QApplication app(qtArgc, argv);
        QMessageBox::critical(nullptr, QStringLiteral("Rotulano"), QString::fromStdString(message));
    }
    return 1;
}
#endif

}  // namespace

// Rotulano: opens the chain's order files and prints their price tags and labels. The
// working directory holds the parameter file CD21PRM.DAT and the logo files.
int main(int argc, char** argv) {
    const rotulano::app::EarlyRequest request = rotulano::app::earlyRequest(argc, argv);
    if (request != rotulano::app::EarlyRequest::Window) {
        return printEarlyRequest(request);
    }
#ifdef _WIN32
    // A message box of the system's own, before Qt starts.
    if (!rotulano::core::enterWorkingFolder(argc, argv)) {
        return 1;
    }
#else
    const std::string folderFailure = rotulano::core::startMenuFolderFailure(argc, argv);
    if (!folderFailure.empty()) {
        return reportFolderFailure(argc, argv, folderFailure);
    }
#endif
    rotulano::core::ignoreFileSizeSignal();
    qtHandler = qInstallMessageHandler(onQtMessage);
    // SIGTERM, SIGHUP and SIGINT end the program as its own close does: a running print
    // job is cancelled (its row ends as the destination allows), the window's closed
    // event runs and the print folder goes.
    rotulano::printing::ProgramSignals endSignals;
    // Qt's own files are looked at before Qt reads them: one that would hang it is set aside.
    const rotulano::core::QtOwnFiles qtFiles(std::cerr, "rotulano: ");
    int qtArgc = qtArgumentCount(argc, argv);
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotulano"));
    rotulano::window::initWindowResources();
    // The label preview's faces: the Windows program carries them beside itself.
    rotulano::preview::addProgramFonts();
    // The signal's thread only asks the event loop to end; the loop ends in its own thread.
    if (endSignals.ready()) {
        endSignals.watch([&app](int) {
            QMetaObject::invokeMethod(
                &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        });
    }

    // Qt's own texts (the buttons of the first start-up box included) are Portuguese
    // before the settings say which language the operator chose: the start-up messages
    // are Portuguese whatever the settings hold.
    rotulano::window::QtTranslation qtTexts(rotulano::window::QtTranslation::programFolder());
    qtTexts.follow(rotulano::window::QtTranslation::kPortuguese);

    rotulano::window::QtMessageBox messageBox;
    rotulano::window::QtFileDialog fileDialog;
    rotulano::printing::SystemPlatform platform;
    rotulano::window::MainWindow window(messageBox, fileDialog, platform);
    messageBox.setParent(&window);
    fileDialog.setParent(&window);
    window.context().qtTexts = &qtTexts;  // the language shown at start-up puts it in place
    window.rememberGeometryIn(rotulano::window::WindowGeometry::defaultFile());

    window.show();
    const int status = QApplication::exec();
    endSignals.stopWatching();
    window.close();
    return status;
}
