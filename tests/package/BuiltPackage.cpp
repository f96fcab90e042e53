#include "BuiltPackage.h"

#include <QDir>

namespace rotulano::test {

namespace {

QString describe(const QString& what, const CommandRun& run) {
    return what + " failed (" + QString::number(run.exitCode) + "):\n" + run.out + run.err;
}

}  // namespace

const BuiltPackage& BuiltPackage::get() {
    static const BuiltPackage package;
    return package;
}

BuiltPackage::BuiltPackage() {
    if (!dir_.isValid()) {
        error = "no temporary folder";
        return;
    }
    make();
}

void BuiltPackage::make() {
    const QString out = dir_.filePath("cpack");
    const CommandRun cpack =
        runCommand(ROTULANO_CPACK_EXE, {"-G", "DEB", "--config", ROTULANO_CPACK_CONFIG, "-B", out});
    const QStringList debs = QDir(out).entryList({"*.deb"}, QDir::Files);
    if (cpack.exitCode != 0 || debs.size() != 1) {
        error = describe("cpack -G DEB", cpack);
        return;
    }
    const QString deb = QDir(out).filePath(debs.front());
    root = dir_.filePath("root");
    const CommandRun unpack = runCommand("dpkg-deb", {"-x", deb, root});
    if (unpack.exitCode != 0) {
        error = describe("dpkg-deb -x", unpack);
        return;
    }
    debPath = deb;
}

QString BuiltPackage::listing() const {
    return runCommand("dpkg-deb", {"-c", debPath}).out;
}

QString BuiltPackage::field(const QString& name) const {
    return runCommand("dpkg-deb", {"-f", debPath, name}).out.trimmed();
}

QString gunzipped(const QString& path) {
    return runCommand("gzip", {"-dc", path}).out;
}

QString BuiltPackage::installed(const QString& path) const {
    // An absolute path, such as the menu entry's command, is one inside the package too.
    QString relative = path;
    while (relative.startsWith('/')) {
        relative.remove(0, 1);
    }
    return QDir(root).filePath(relative);
}

}  // namespace rotulano::test
