#include "CommandRun.h"

#include <QProcess>

namespace rotulano::test {

namespace {

constexpr int kCommandTimeoutMs = 10 * 60 * 1000;
// How long the message may take to come out, in slices of kReadSliceMs.
constexpr int kMessageSlices = 300;
constexpr int kReadSliceMs = 100;
// A program that ended instead of showing its box has ended by then.
constexpr int kBoxShownMs = 1000;

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

BoxedMessage readMessageShownInABox(QProcess& process) {
    process.setReadChannel(QProcess::StandardError);
    QByteArray err;
    for (int wait = 0; wait < kMessageSlices && !err.endsWith("pasta\n"); ++wait) {
        if (process.waitForReadyRead(kReadSliceMs)) {
            err += process.readAllStandardError();
        }
        if (process.state() != QProcess::Running) {
            break;
        }
    }
    // The box is up once its event loop runs: a program that ended instead shows none.
    err += process.readAllStandardError();
    BoxedMessage shown;
    shown.stillShowing = !process.waitForFinished(kBoxShownMs);
    process.kill();
    process.waitForFinished();
    shown.err = err.toStdString();
    return shown;
}

std::string folderIsAFileMessage(const QString& folder) {
    return "rotulano: A pasta de trabalho do Rotulano não pode ser usada:\n" +
           folder.toStdString() + "\nexiste com esse nome um arquivo, não uma pasta\n";
}

}  // namespace rotulano::test
