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

void rotinaMsg(WindowContext& context) {
    core::MessageRequest& request = context.session.message;
    if (request.type == 0) {
        request.type = core::kStyleInformation;
    }
    if (isBlank(request.title)) {
        request.title = QString::fromUtf8(kDefaultMessageTitle);
    }
    request.answer = context.messageBox.show(withoutTrailingBlanks(request.text),
                                             withoutTrailingBlanks(request.title), request.type);
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
    context.messageBox.show(withoutTrailingBlanks(frame), withoutTrailingBlanks(request.title),
                            request.type);
    request.type = 0;
    request.title.clear();
}

}  // namespace rotulano::window
