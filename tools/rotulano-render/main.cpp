// rotulano-render: the bytes that the Rotulano print job sends to the printer for the
// rows of an order, written to standard output or a file instead of a port.

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <iostream>
#include <memory>

#include "core/FileSizeSignal.h"
#include "core/QtOwnFiles.h"
#include "printing/SystemPlatform.h"
#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderOptions.h"

namespace {

// The label pictures need Qt's fonts, hence a GUI application; it never shows a window.
// Qt wants a private runtime folder and complains on the error output when the session
// has none (a batch job, a service): the run then gets one of its own, removed at the end.
// Qt sees the program's name only: "--png -platform" names a picture folder, never a Qt
// option. Qt's own files are looked at before Qt reads them.
std::unique_ptr<QGuiApplication> pictureApplication(
    char** argv, std::unique_ptr<QTemporaryDir>& runtimeDir,
    std::unique_ptr<rotulano::core::QtOwnFiles>& qtFiles) {
    static int qtArgc = 1;
    qtFiles = std::make_unique<rotulano::core::QtOwnFiles>(std::cerr, rotulano::render::kRenderTag);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtimeDir = std::make_unique<QTemporaryDir>();
        if (runtimeDir->isValid()) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir->path()));
        }
    }
    return std::make_unique<QGuiApplication>(qtArgc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    rotulano::core::ignoreFileSizeSignal();
    using namespace rotulano::render;
    const ParsedOptions parsed =
        parseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok()) {
        std::cerr << kRenderTag << parsed.error << '\n'
                  << kRenderTag << "use --help para ver as opções\n";
        return static_cast<int>(RenderExit::CommandLine);
    }
    if (parsed.options.help) {
        std::cout << renderHelpText();
        return static_cast<int>(RenderExit::Ok);
    }
    if (parsed.options.version) {
        std::cout << renderVersionText();
        return static_cast<int>(RenderExit::Ok);
    }
    std::unique_ptr<QTemporaryDir> runtimeDir;
    std::unique_ptr<rotulano::core::QtOwnFiles> qtFiles;
    std::unique_ptr<QGuiApplication> application;
    if (parsed.options.pngDir) {
        application = pictureApplication(argv, runtimeDir, qtFiles);
    }
    // A standard output that nobody reads any more fails the write instead of ending the run.
    rotulano::printing::SystemPlatform system;
    return static_cast<int>(runRender(parsed.options, std::cout, std::cerr));
}
