#include "printing/PrintJobMessages.h"

#include "core/MessageRequest.h"
#include "printing/SystemDestinations.h"

namespace rotulano::printing::printJobMessages {

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

namespace {

// The device as the operator can look it up: "LPT1 (/dev/usb/lp0)".
QString portAndDevice(const ChannelResult& result) {
    const QString port = latin1(result.portName);
    const QString device = QString::fromLocal8Bit(result.failedName.c_str());
    if (port.isEmpty() || port == device) {
        return device;
    }
    return port + QStringLiteral(" (") + device + QStringLiteral(")");
}

// What the operator can do about a port that refused the labels.
QString portAdvice(const ChannelResult& result) {
    if (result.status == core::kStatusNotPermitted) {
        return QStringLiteral(
            "O usuário não tem permissão de escrita no dispositivo: inclua-o no grupo lp "
            "(portas LPT) ou dialout (portas COM); a mudança vale a partir do próximo login.");
    }
    if (result.status == core::kStatusIoError) {
        return QStringLiteral(
            "A impressora parou de receber dados. Verifique se está ligada, com papel e "
            "etiquetas, e tente novamente.");
    }
    return QStringLiteral("Verifique se a impressora está ligada e tente novamente.");
}

}  // namespace

// The labels stay ticked: the operator fixes the printer or the port and prints again.
JobMessage channelFailure(const ChannelResult& result) {
    const QString status = latin1(result.status);
    if (!result.reason.empty()) {
        core::Delivery delivery = core::Delivery::failed(result.status, result.reason);
        delivery.bytesWritten = result.bytesWritten;
        return {utf8(deliveryFailureMessage(result.portName, result.failedName, delivery)),
                QStringLiteral("ATENÇÃO"), core::kStyleWarning};
    }
    QString text;
    if (result.failedStep == ChannelStep::PrintFile) {
        text = QStringLiteral(
                   "Não foi possível gravar o arquivo de impressão das etiquetas "
                   "para a porta ") +
               latin1(result.portName) + QStringLiteral(" [") + status + QStringLiteral("] em ") +
               QString::fromLocal8Bit(result.failedName.c_str()) +
               QStringLiteral(". Verifique a pasta temporária e tente novamente.");
    } else {
        const QString warning =
            result.bytesWritten ? QStringLiteral("; ") + utf8(kPartlySentWarning) : QString();
        text = QStringLiteral("Não foi possível enviar as etiquetas para a porta ") +
               portAndDevice(result) + QStringLiteral(" [") + status + QStringLiteral("]") +
               warning + QStringLiteral(". ") + portAdvice(result);
    }
    return {text, QStringLiteral("ATENÇÃO"), core::kStyleWarning};
}

JobMessage portsFileFailure(const std::string& message) {
    return {utf8(message), QStringLiteral("ATENÇÃO"), core::kStyleWarning};
}

JobMessage noPrintFolder(const std::string& sharedDir) {
    return {QStringLiteral("Não foi possível criar a pasta dos arquivos de impressão em ") +
                QString::fromLocal8Bit(sharedDir.c_str()) +
                QStringLiteral(". Verifique a pasta temporária e tente novamente."),
            QStringLiteral("ATENÇÃO"), core::kStyleWarning};
}

JobMessage printerBusy(const PortCheck& check) {
    const core::Delivery busy = core::Delivery::failed(
        check.status, "impressora ocupada por outro trabalho deste computador");
    return {utf8(deliveryFailureMessage(check.name, check.destination, busy)),
            QStringLiteral("ATENÇÃO"), core::kStyleWarning};
}

JobMessage cancelQuestion() {
    return {QStringLiteral("Cancelar a impressão? A linha que está sendo enviada termina "
                           "antes; as linhas impressas ficam marcadas e as demais continuam "
                           "selecionadas."),
            QStringLiteral("Confirmação"), core::kStyleQuestion | core::kStyleYesNo};
}

JobMessage noLabels(int row) {
    return {QStringLiteral("A linha %1 pede 0 etiquetas e não foi impressa: informe a "
                           "quantidade em \"Quant.\". A impressão parou nesta linha.")
                .arg(row),
            QStringLiteral("ATENÇÃO"), core::kStyleWarning};
}

JobMessage failedJob(const JobReport& report) {
    switch (report.end) {
        case JobEnd::NoLabels:
            return noLabels(report.rows.back().row);
        case JobEnd::InvalidPort:
            return invalidPort();
        case JobEnd::SerialFailure:
            return serialFailure(report.check.status);
        case JobEnd::NoPrintFolder:
            return noPrintFolder(report.check.name);
        case JobEnd::PrinterBusy:
            return printerBusy(report.check);
        default:
            return channelFailure(report.rows.back().channel);
    }
}

JobMessage channelWarning(const ChannelWarning& warning) {
    return {utf8(warning.text), utf8(warning.title), core::kStyleWarning};
}

}  // namespace rotulano::printing::printJobMessages
