#include "printing/PrinterStatusMessages.h"

#include "printing/PortStream.h"

namespace rotulano::printing::printerStatusMessages {

namespace {

std::string faultWords(PrinterFault fault) {
    switch (fault) {
        case PrinterFault::PaperOut:
            return "sem etiquetas ou com falha no papel";
        case PrinterFault::RibbonOut:
            return "sem fita ou com falha na fita";
        case PrinterFault::HeadOpen:
            return "com a cabeça de impressão aberta";
        case PrinterFault::Paused:
            return "em pausa";
        case PrinterFault::BufferFull:
            return "com a memória de recepção cheia (ainda recebendo um trabalho anterior)";
    }
    return {};
}

// "a", "a e b", "a, b e c".
std::string listed(const std::vector<PrinterFault>& faults) {
    std::string words;
    for (std::size_t i = 0; i < faults.size(); ++i) {
        if (i > 0) {
            words += i + 1 == faults.size() ? " e " : ", ";
        }
        words += faultWords(faults[i]);
    }
    return words;
}

}  // namespace

std::string text(const StatusCheck& check) {
    const PrinterStatus& status = check.status;
    const std::string printer =
        "impressora da porta " + check.portName + " (" + check.destination + ")";
    switch (status.kind) {
        case PrinterStatus::Kind::Faults:
            return "A " + printer + " está " + listed(status.faults) + ".";
        case PrinterStatus::Kind::NoAnswer:
            return "A " + printer + " não respondeu à consulta de estado (" +
                   portStream::stallReason(check.wait) +
                   "). Ela pode estar desligada, sem etiquetas, sem fita ou com a cabeça de "
                   "impressão aberta (alguns modelos não respondem nesses casos), ou ligada por "
                   "um cabo ou servidor de impressão que só recebe dados.";
        case PrinterStatus::Kind::Garbled:
            return "A " + printer +
                   " deu uma resposta não reconhecida à consulta de estado. Confira se o "
                   "modelo de impressora da configuração é o dela.";
        case PrinterStatus::Kind::Unreachable:
            return "Não foi possível consultar o estado da " + printer + ": " + status.reason + ".";
        case PrinterStatus::Kind::NotAsked:
        case PrinterStatus::Kind::Ready:
            break;
    }
    return "A " + printer + " está pronta.";
}

std::string title() {
    return "Estado da impressora";
}

}  // namespace rotulano::printing::printerStatusMessages
