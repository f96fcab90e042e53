#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace rotulano::test {

// What a command did: its exit status (-1 when it could not start or did not end in
// time) and everything it wrote.
struct CommandRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs `program` to its end (ten minutes at most) with the given environment.
CommandRun runCommand(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The system's environment without any display: no X11, no Wayland, no Qt platform.
QProcessEnvironment environmentWithoutDisplay();

}  // namespace rotulano::test
