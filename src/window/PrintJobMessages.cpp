#include "window/PrintJobMessages.h"

#include "core/MessageRequest.h"

namespace rotulano::window::printJobMessages {

namespace {

constexpr int kSerialTitleWidth = 60;

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace

JobMessage invalidPort() {
    return {QStringLiteral("PORTA DE SÁIDA INVÁLIDA !"),
            QStringLiteral("Voce deve configurar uma porta de saída válida antes da impr"),
            core::kStyleInformation};
}

JobMessage serialConfirmation() {
    return {QStringLiteral("Configurando Porta Serial, aguarde a impressora avançar e click OK"),
            QStringLiteral("Confirmação"), core::kStyleInformation};
}

JobMessage serialFailure(const core::FileStatus& status) {
    const QString title = QStringLiteral("Ocorreu erro [") + latin1(status) +
                          QStringLiteral("] ao configurar porta serial ");
    return {QStringLiteral("Verifique se a porta serial é válida"), title.left(kSerialTitleWidth),
            core::kStyleInformation};
}

// The labels stay ticked: the operator fixes the printer or the port and prints again.
JobMessage channelFailure(const printing::ChannelResult& result, const std::string& portName) {
    const QString port = latin1(portName);
    const QString status = latin1(result.status);
    QString text;
    if (result.failedStep == printing::ChannelStep::PrintFile) {
        text = QStringLiteral(
                   "Não foi possível gravar o arquivo de impressão das etiquetas "
                   "para a porta ") +
               port + QStringLiteral(" [") + status +
               QStringLiteral("]. Verifique a pasta temporária e tente novamente.");
    } else {
        text = QStringLiteral("Não foi possível enviar as etiquetas para a porta ") + port +
               QStringLiteral(" [") + status +
               QStringLiteral("]. Verifique se a impressora está ligada e tente novamente.");
    }
    return {text, QStringLiteral("ATENÇÃO"), core::kStyleWarning};
}

JobMessage channelWarning(const printing::ChannelWarning& warning) {
    return {utf8(warning.text), utf8(warning.title), core::kStyleWarning};
}

}  // namespace rotulano::window::printJobMessages
