#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>

namespace rotulano::test {

// The marks of the grid's "Sel" column: ticked, and printed (byte 0xD8).
inline const QString kTicked = QStringLiteral("X");
inline const QString kPrinted = QString::fromLatin1("\xD8");

// Path of a file under tests/data.
std::string dataPath(const std::string& relative);

// Path of a file under samples/.
std::string samplePath(const std::string& relative);

// The whole content of a file as bytes; empty when it cannot be read.
std::string readBytes(const std::string& path);

// Writes `bytes` to `path`, replacing the file.
void writeBytes(const std::string& path, const std::string& bytes);

// A namespace of printer locks no other test platform and no running copy of the program
// shares (core::Platform::printerLockSpace): tests run side by side, each with printers
// of the same names, never find them held by one another.
std::string ownPrinterLockSpace();

// Makes a fresh temporary directory the current directory for the life of the object
// and goes back to the previous one afterwards.
class ScopedWorkingDir {
  public:
    ScopedWorkingDir();
    ~ScopedWorkingDir();
    ScopedWorkingDir(const ScopedWorkingDir&) = delete;
    ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

    std::string path() const;
    std::string file(const std::string& name) const;

  private:
    QTemporaryDir dir_;
    QString previous_;
};

}  // namespace rotulano::test
