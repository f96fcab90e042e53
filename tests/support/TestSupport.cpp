#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <atomic>
#include <fstream>
#include <iterator>

namespace rotulano::test {

std::string dataPath(const std::string& relative) {
    return std::string(ROTULANO_TEST_DATA) + "/" + relative;
}

std::string samplePath(const std::string& relative) {
    return std::string(ROTULANO_SAMPLES) + "/" + relative;
}

std::string ownPrinterLockSpace() {
    static std::atomic<int> made{0};
    return "rotulano-teste-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
           std::to_string(++made);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScopedWorkingDir::ScopedWorkingDir() : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
}

ScopedWorkingDir::~ScopedWorkingDir() {
    QDir::setCurrent(previous_);
}

std::string ScopedWorkingDir::path() const {
    return dir_.path().toStdString();
}

std::string ScopedWorkingDir::file(const std::string& name) const {
    return path() + "/" + name;
}

}  // namespace rotulano::test
