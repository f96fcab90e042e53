#include "window/Messages.h"

#include <QDir>
#include <QFile>

#include "config/ParameterFile.h"
#include "core/FileStatusTitles.h"
#include "core/ShownBytes.h"
#include "core/SystemPath.h"
#include "window/TrailingBlanks.h"

namespace rotulano::window {

namespace {

const char* const kDefaultMessageTitle = "Mensagem do Sistema";
const char* const kCannotCreateAdvice =
    "O programa não abre sem esse arquivo e o cria na pasta em que é aberto: abra-o numa "
    "pasta em que possa gravar, ou dê essa permissão à pasta.";
const char* const kDamagedFileAdvice =
    "O programa não abre sem esse arquivo: corrija-o ou apague-o (ao abrir, o programa cria "
    "outro com os valores iniciais) e abra o programa de novo.";

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

void rotinaStatusFile(MessageBoxService& box, const core::FileStatus& status,
                      const QString& fileLabel, const std::string& path, const std::string& cause,
                      const QString& advice) {
    QString text = withoutTrailingBlanks(statusFrame(status, fileLabel)) + QLatin1Char('\n') +
                   shownPath(path) + QStringLiteral(": ") + QString::fromStdString(cause);
    if (!advice.isEmpty()) {
        text += QLatin1Char('\n') + advice;
    }
    box.show(text, statusTitle(status), core::kStyleError);
}

QString shownPath(const std::string& path) {
    std::string whole = path;
    if (QDir::isRelativePath(core::pathToQt(path))) {
        whole = core::pathFromQt(QDir::currentPath()) + "/" + path;
    }
    return QString::fromStdString(core::shownBytes(whole));
}

void reportStartUpSettingsFault(MessageBoxService& box, const core::FileStatus& status,
                                const std::string& path, bool creating) {
    rotinaStatusFile(box, status, QString::fromUtf8(kParameterFileLabel), path,
                     config::ParameterFile::statusCause(status, path),
                     QString::fromUtf8(creating ? kCannotCreateAdvice : kDamagedFileAdvice));
}

UnsavedChoice askAboutUnsavedSettings(MessageBoxService& box, bool portuguese) {
    const QString text = portuguese
                             ? QStringLiteral("As alterações da configuração não foram gravadas.")
                             : QStringLiteral("The changed settings have not been saved.");
    const QString title = portuguese ? QStringLiteral("Configuração") : QStringLiteral("Settings");
    const QStringList buttons =
        portuguese ? QStringList{QStringLiteral("Gravar"), QStringLiteral("Descartar"),
                                 QStringLiteral("Ficar")}
                   : QStringList{QStringLiteral("Save"), QStringLiteral("Discard"),
                                 QStringLiteral("Stay")};
    switch (box.choose(text, title, core::kStyleQuestion, buttons)) {
        case 0:
            return UnsavedChoice::Save;
        case 1:
            return UnsavedChoice::Discard;
        default:
            return UnsavedChoice::Stay;
    }
}

}  // namespace rotulano::window
