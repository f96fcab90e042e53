#include "rotulano-render/RenderProgram.h"

#include <QGuiApplication>
#include <memory>

#include "core/FileSizeSignal.h"
#include "core/QtOwnFiles.h"
#include "preview/ProgramFonts.h"
#include "printing/SystemPlatform.h"
#include "rotulano-render/QtRuntimeFolder.h"
#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::render {

namespace {

// What the label pictures need besides the job: Qt's fonts come with a GUI application,
// which never shows a window. Qt's own files are looked at before Qt reads them.
struct PictureSession {
    std::unique_ptr<QTemporaryDir> runtimeFolder;
    std::unique_ptr<core::QtOwnFiles> qtFiles;
    std::unique_ptr<QGuiApplication> application;
};

// Qt sees the program's name only: "--png -platform" names a picture folder, never a Qt
// option.
void startPictureSession(PictureSession& session, std::ostream& err) {
    static char programName[] = "rotulano-render";
    static char* qtArgv[] = {programName, nullptr};
    static int qtArgc = 1;
    session.qtFiles = std::make_unique<core::QtOwnFiles>(err, kRenderTag);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    session.runtimeFolder = qtRuntimeFolder();
    session.application = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    preview::addProgramFonts();
}

}  // namespace

int renderProgram(const std::vector<std::string>& arguments, core::ProgramConsole& console) {
    core::ignoreFileSizeSignal();
    const ParsedOptions parsed = parseRenderOptions(arguments);
    if (!parsed.ok()) {
        console.errors() << kRenderTag << parsed.error << '\n'
                         << kRenderTag << "use --help para ver as opções\n";
        console.errors().flush();
        return static_cast<int>(RenderExit::CommandLine);
    }
    if (parsed.options.help || parsed.options.version) {
        console.text() << (parsed.options.help ? renderHelpText() : renderVersionText());
        console.text().flush();
        return static_cast<int>(RenderExit::Ok);
    }
    PictureSession pictures;
    if (parsed.options.pngDir) {
        startPictureSession(pictures, console.errors());
    }
    // A standard output that nobody reads any more fails the write instead of ending the run.
    printing::SystemPlatform system;
    return static_cast<int>(runRender(parsed.options, console.bytes(), console.errors()));
}

}  // namespace rotulano::render
