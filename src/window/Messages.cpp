#include "window/Messages.h"

#include "core/FileStatusTitles.h"

namespace rotulano::window {

namespace {

const char* const kDefaultMessageTitle = "Mensagem do Sistema";

// Trailing blanks of a title or a text are not shown.
QString shown(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.left(end);
}

bool isBlank(const QString& text) {
    return shown(text).isEmpty();
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

void rotinaMsg(WindowContext& context) {
    core::MessageRequest& request = context.session.message;
    if (request.type == 0) {
        request.type = core::kStyleInformation;
    }
    if (isBlank(request.title)) {
        request.title = QString::fromUtf8(kDefaultMessageTitle);
    }
    request.answer =
        context.messageBox.show(shown(request.text), shown(request.title), request.type);
    request.type = 0;
    request.title.clear();
    request.text.clear();
}

void rotinaStatus(WindowContext& context) {
    core::MessageRequest& request = context.session.message;
    if (request.type == 0) {
        request.type = core::kStyleError;
    }
    if (isBlank(request.title)) {
        request.title = statusTitle(context.session.fileStatus);
    }
    const QString frame = statusFrame(context.session.fileStatus, context.session.statusFileLabel);
    context.messageBox.show(shown(frame), shown(request.title), request.type);
    request.type = 0;
    request.title.clear();
}

}  // namespace rotulano::window
