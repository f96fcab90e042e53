#include "rotulano-render/RenderProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <memory>

#include "core/FileSizeSignal.h"
#include "core/QtOwnFiles.h"
#include "printing/SystemPlatform.h"
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

// The label preview draws each printer font with one face (preview/PrinterFont). Where
// the system has none of them (Windows), the program carries them in a "fonts" folder
// beside it, so that a field takes the same room and a picture has the same size there.
void addProgramFonts() {
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    const QStringList files =
        fonts.entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}, QDir::Files);
    for (const QString& file : files) {
        QFontDatabase::addApplicationFont(fonts.filePath(file));
    }
}

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
    addProgramFonts();
}

}  // namespace

int renderProgram(const std::vector<std::string>& arguments, ProgramConsole& console) {
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
