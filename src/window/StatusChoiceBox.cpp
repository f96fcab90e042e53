#include "window/StatusChoiceBox.h"

#include "core/MessageRequest.h"
#include "printing/PrinterStatusMessages.h"

namespace rotulano::window {

namespace {

// The buttons, in the order of the choices.
const char* const kPortugueseButtons[] = {"Tentar novamente", "Imprimir assim mesmo", "Cancelar"};
const char* const kEnglishButtons[] = {"Try again", "Print anyway", "Cancel"};
const printing::StatusChoice kChoices[] = {printing::StatusChoice::TryAgain,
                                           printing::StatusChoice::PrintAnyway,
                                           printing::StatusChoice::Cancel};

}  // namespace

printing::StatusChoice askStatusChoice(MessageBoxService& messageBox,
                                       const printing::StatusCheck& check, bool portuguese) {
    QStringList buttons;
    for (const char* caption : portuguese ? kPortugueseButtons : kEnglishButtons) {
        buttons << QString::fromUtf8(caption);
    }
    const int pressed =
        messageBox.choose(QString::fromStdString(printing::printerStatusMessages::text(check)),
                          QString::fromStdString(printing::printerStatusMessages::title()),
                          core::kStyleWarning, buttons);
    if (pressed < 0 || pressed >= static_cast<int>(std::size(kChoices))) {
        return printing::StatusChoice::Cancel;
    }
    return kChoices[pressed];
}

}  // namespace rotulano::window
