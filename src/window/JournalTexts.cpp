#include "window/JournalTexts.h"

namespace rotulano::window::journalTexts {

namespace {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// "2026-12-09 14:32:05" as the operator reads it: "09/12/2026 às 14:32".
QString shownTime(const std::string& time) {
    if (time.size() < 16) {
        return QString::fromStdString(time);
    }
    return QString::fromStdString(time.substr(8, 2) + "/" + time.substr(5, 2) + "/" +
                                  time.substr(0, 4)) +
           utf8(" às ") + QString::fromStdString(time.substr(11, 5));
}

QString rowList(const std::vector<NamedRow>& rows) {
    QStringList named;
    for (const NamedRow& row : rows) {
        named
            << utf8("linha %1 (item %2)").arg(row.first).arg(QString::fromUtf8(row.second.c_str()));
    }
    return named.join(QStringLiteral(", "));
}

}  // namespace

QString printedLine(int printed, int total, const std::string& lastPrinted,
                    const std::string& port) {
    const char* start = printed >= total ? "Este pedido já foi impresso: "
                                         : "Este pedido já foi impresso em parte: ";
    return utf8(start) + utf8("%1 de %2 itens, a última vez em %3 (%4)")
                             .arg(printed)
                             .arg(total)
                             .arg(shownTime(lastPrinted), QString::fromUtf8(port.c_str()));
}

QString amendedLine() {
    return utf8(
        "Este pedido foi alterado depois de impresso: as linhas marcadas com ≈ são iguais a "
        "linhas já impressas e só contam como impressas depois de confirmadas");
}

QString uncertainQuestion(const std::vector<NamedRow>& rows) {
    return utf8(
               "O diário de impressão não sabe se estas linhas deste pedido foram impressas "
               "(o envio foi interrompido ou a impressora pode ter recebido parte das "
               "etiquetas): ") +
           rowList(rows) +
           utf8(
               ". Confira as etiquetas na impressora: as linhas marcadas como impressas não "
               "serão impressas de novo; as deixadas para imprimir voltam a poder ser "
               "selecionadas.");
}

QStringList uncertainButtons(bool portuguese) {
    return portuguese ? QStringList{utf8("Marcar como impressas"), utf8("Deixar para imprimir")}
                      : QStringList{utf8("Mark as printed"), utf8("Leave to print")};
}

QString amendedQuestion(const std::vector<NamedRow>& rows) {
    return utf8(
               "Este pedido foi alterado depois de impresso. Estas linhas são iguais a linhas "
               "já impressas da versão anterior: ") +
           rowList(rows) +
           utf8(
               ". Confirme que as etiquetas delas já foram impressas para que contem como "
               "impressas; sem confirmação elas ficam marcadas com ≈ e podem ser "
               "selecionadas.");
}

QStringList amendedButtons(bool portuguese) {
    return portuguese ? QStringList{utf8("Confirmar como impressas"), utf8("Agora não")}
                      : QStringList{utf8("Confirm as printed"), utf8("Not now")};
}

QString questionTitle() {
    return utf8("Diário de impressão");
}

}  // namespace rotulano::window::journalTexts
