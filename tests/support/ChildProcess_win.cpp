#include "support/ChildProcess.h"

// Windows keeps the promises of ChildProcess.h that it can: programs run as child processes
// (QProcess, which quotes each argument for CreateProcessW), standard input closed, killed after
// two minutes. What it has no call for is refused as a child that cannot be set up (status 125):
// a file size limit (no RLIMIT_FSIZE) and "nobody" (no such user). Windows cannot fork, so a
// `body` runs in this process, in the working folder asked for; the tests here never run as
// the administrator, so an operator's run is an ordinary one (see operatorRunsPossible). There are
// no device nodes, named pipes in the file system or Unix sockets to make.

#include <windows.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace rotulano::test {

namespace {

constexpr int kSetupFailed = 125;
constexpr int kChildTimeoutMs = 2 * 60 * 1000;

QString fromBytes(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool possibleHere(const ChildSetup& setup) {
    return setup.fileSizeLimit < 0 && !setup.asNobody;
}

// Runs `body` in the working folder of `setup`, and goes back to the previous one afterwards.
template <typename Result>
bool runHere(const ChildSetup& setup, const std::function<Result()>& body, Result& result) {
    const QString previous = QDir::currentPath();
    if (!setup.workingDir.empty() && !QDir::setCurrent(fromBytes(setup.workingDir))) {
        return false;
    }
    result = body();
    QDir::setCurrent(previous);
    return true;
}

}  // namespace

int runInChild(const ChildSetup& setup, const std::function<int()>& body) {
    int status = kSetupFailed;
    return possibleHere(setup) && runHere(setup, body, status) ? status : kSetupFailed;
}

ChildRun answerFromChild(const ChildSetup& setup, const std::function<std::string()>& body) {
    ChildRun run;
    run.exitCode = possibleHere(setup) && runHere(setup, body, run.out) ? 0 : kSetupFailed;
    return run;
}

ChildRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const ChildSetup& setup) {
    ChildRun run;
    if (!possibleHere(setup)) {
        run.exitCode = kSetupFailed;
        return run;
    }
    QStringList words;
    for (const std::string& argument : arguments) {
        words << fromBytes(argument);
    }
    QProcess child;
    if (!setup.workingDir.empty()) {
        child.setWorkingDirectory(fromBytes(setup.workingDir));
    }
    child.start(fromBytes(program), words);
    if (!child.waitForStarted(kChildTimeoutMs)) {
        run.exitCode = kSetupFailed;
        return run;
    }
    child.closeWriteChannel();
    const bool ended = child.waitForFinished(kChildTimeoutMs);
    if (!ended) {
        child.kill();
        child.waitForFinished(kChildTimeoutMs);
    }
    const QByteArray out = child.readAllStandardOutput();
    const QByteArray err = child.readAllStandardError();
    run.out.assign(out.constData(), static_cast<std::size_t>(out.size()));
    run.err.assign(err.constData(), static_cast<std::size_t>(err.size()));
    run.exitCode = ended && child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return run;
}

bool runningAsRoot() {
    return false;
}

bool nobodyExists() {
    return false;
}

// The permission bits the operator cases set (QFile::setPermissions) only toggle the read-only
// attribute on Windows: they cannot take the right to read from anybody, so those cases have no
// meaning here.
bool operatorRunsPossible() {
    return false;
}

ChildRun answerAsOperator(const std::string&, const std::function<std::string()>& body) {
    ChildRun run;
    run.out = body();
    run.exitCode = 0;
    return run;
}

bool openToOperator(const std::string& folder) {
    return QFileInfo(fromBytes(folder)).isDir();
}

bool makeCharDevice(const std::string&, unsigned, unsigned) {
    return false;
}

bool makeBlockDevice(const std::string&, unsigned, unsigned) {
    return false;
}

bool makePipe(const std::string&) {
    return false;
}

bool makeSocket(const std::string&) {
    return false;
}

std::string fileKind(const std::string& path) {
    const QFileInfo info(fromBytes(path));
    if (!info.exists()) {
        return "missing";
    }
    return info.isDir() ? "directory" : "regular";
}

std::string ownership(const std::string& path) {
    const QFileInfo info(fromBytes(path));
    return info.exists() ? info.owner().toStdString() : "missing";
}

unsigned long long inodeOf(const std::string& path) {
    const std::wstring wide = fromBytes(path).toStdWString();
    const HANDLE file =
        ::CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    return known ? (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow
                 : 0;
}

}  // namespace rotulano::test
