#include "window/Messages.h"

#include "core/FileStatusTitles.h"
#include "window/TrailingBlanks.h"

namespace rotulano::window {

namespace {

const char* const kDefaultMessageTitle = "Mensagem do Sistema";

bool isBlank(const QString& text) {
    return withoutTrailingBlanks(text).isEmpty();
}

QString statusTitle(const core::FileStatus& status) {
    return QString::fromUtf8(core::fileStatusTitle(status));
}

// "Status [", the two characters of the status, "] ", then the label.
QString statusFrame(const core::FileStatus& status, const QString& label) {
    const QString code =
        QString::fromLatin1(status.c_str()).leftJustified(2, QLatin1Char(' '), true);
    return QStringLiteral("Status [") + code + QStringLiteral("] ") + label;
}

}  // namespace

int rotinaMsg(MessageBoxService& box, const core::MessageRequest& message) {
    return rotinaMsg(box, message.text, message.title, message.type);
}

int rotinaMsg(MessageBoxService& box, const QString& text, const QString& title, int style) {
    return box.show(
        withoutTrailingBlanks(text),
        withoutTrailingBlanks(isBlank(title) ? QString::fromUtf8(kDefaultMessageTitle) : title),
        style == 0 ? core::kStyleInformation : style);
}

void rotinaStatus(MessageBoxService& box, const core::FileStatus& status, const QString& fileLabel,
                  const QString& title, int style) {
    box.show(withoutTrailingBlanks(statusFrame(status, fileLabel)),
             withoutTrailingBlanks(isBlank(title) ? statusTitle(status) : title),
             style == 0 ? core::kStyleError : style);
}

}  // namespace rotulano::window
