#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <string>

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

// What the window program said on its error output before it showed its message in a
// box, and whether it was still there a second later, showing the box.
struct BoxedMessage {
    std::string err;
    bool stillShowing = false;
};

// Reads the error output of the started window program until it ends in the last words
// of the message about a working folder that cannot be used, or the program ends (30 s at
// the most); then ends the program.
BoxedMessage readMessageShownInABox(QProcess& process);

// That message, for the working folder `folder`, which is a file.
std::string folderIsAFileMessage(const QString& folder);

}  // namespace rotulano::test
