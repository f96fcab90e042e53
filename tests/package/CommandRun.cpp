#include "CommandRun.h"

#include <QProcess>

namespace rotulano::test {

namespace {

constexpr int kCommandTimeoutMs = 10 * 60 * 1000;

}  // namespace

CommandRun runCommand(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    CommandRun run;
    if (!process.waitForStarted() || !process.waitForFinished(kCommandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = program + ": " + process.errorString();
        return run;
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

QProcessEnvironment environmentWithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(variable);
    }
    return environment;
}

}  // namespace rotulano::test
