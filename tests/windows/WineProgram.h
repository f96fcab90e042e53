#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <string>

#include "RenderTestSupport.h"

// Windows programs run from Linux under tools/wine-run, in a Wine prefix of this test
// program's own (made from the Windows build's template on first use; its wineserver is
// ended when the test program ends), with the prefix's ports on files of the prefix.
namespace rotulano::test {

// The Windows programs as the portable zip of the Windows build holds them, unpacked
// once into a folder of this test program.
struct UnpackedZip {
    QString folder;     // the zip's top folder
    QString render;     // rotulano-render.exe in it
    std::string error;  // why there is none: the zip missing or not unpacked

    bool ok() const { return error.empty(); }
};
const UnpackedZip& unpackedZip();

// A Unix path as a Windows program names it, through Wine's drive Z: ("Z:\tmp\a.txt").
QString windowsPath(const QString& unixPath);
std::string windowsPath(const std::string& unixPath);

// The environment of a Windows program run through tools/wine-run (ROTULANO_WINE_RUN):
// this test program's prefix, no DLL path.
QProcessEnvironment windowsProgramEnvironment();

// Runs `program` with `arguments` in `workingDir` and waits for it, at most a few minutes.
// Only the zip's own folder gives the program its DLLs (no DLL path to the SDK), so a
// DLL missing from the zip fails the run. exitCode is -1 when it did not end in time.
RenderRun runWindowsProgram(const QString& program, const QStringList& arguments,
                            const QString& workingDir);

}  // namespace rotulano::test
