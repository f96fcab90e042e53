#pragma once

#include <QString>
#include <string>

namespace rotulano::preview {

// What the printer already holds before the job starts: the logo files that lie beside
// the program, as an earlier job would have downloaded them. A job that downloads the
// logo itself replaces them, and a job that clears the printer's memory loses them.
struct PreviewResources {
    std::string zplGraphicFile;  // LOGOVRDL.GRF: the ZPL "~DG" download, as sent
    std::string dplBitmapFile;   // LOGOVRDL.BMP: the bitmap stored under LOGOVRDL

    // The two logo files of `directory`; a file that cannot be read stays empty.
    static PreviewResources fromDirectory(const QString& directory);
    // The same for a directory named by its bytes (empty: the current directory).
    static PreviewResources fromDirectoryBytes(const std::string& directory);
};

}  // namespace rotulano::preview
