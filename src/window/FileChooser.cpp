#include "window/Handlers.h"

namespace rotulano::window {

namespace {
const char* const kDialogTitle = "Procurando por arquivos de Pedidos Lojasverdelis";
const char* const kDialogFilter = "Arquivos Texto (*.txt)";
}  // namespace

void subProcuraArquivo(WindowContext& context) {
    context.controls.tbOpera->setPage(1);
    QString path;
    context.fileDialog.chooseFile(path, QString::fromUtf8(kDialogTitle),
                                  QString::fromUtf8(kDialogFilter));
    // Written whatever the answer: a cancelled dialog leaves the path blank, and the
    // loader then empties the window. A path of any length is used whole.
    context.controls.wNomeCompleto->setText(path);
}

}  // namespace rotulano::window
