#include "window/Handlers.h"

namespace rotulano::window {

namespace {
const char* const kDialogTitle = "Procurando por arquivos de Pedidos Lojasverdelis";
const char* const kDialogFilter = "Arquivos Texto (*.txt)";
}  // namespace

void subProcuraArquivo(WindowContext& context) {
    context.controls.tbOpera->setPage(1);
    QString path;
    const bool chosen = context.fileDialog.chooseFile(path, QString::fromUtf8(kDialogTitle),
                                                      QString::fromUtf8(kDialogFilter));
    // Cancel leaves the window as it was: the order shown, its ticks and its printed marks
    // ("Ø", the only record of what was printed) stay. A path of any length is used whole.
    if (!chosen || path.isEmpty()) {
        return;
    }
    context.controls.wNomeCompleto->setText(path);
}

}  // namespace rotulano::window
