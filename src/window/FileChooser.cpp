#include "window/Captions.h"
#include "window/Handlers.h"
#include "window/PageControl.h"

namespace rotulano::window {

namespace {
const char* const kDialogTitle = "Procurando por arquivos de Pedidos Lojasverdelis";
const char* const kDialogFilter = "Arquivos Texto (*.txt)";
const char* const kEnglishTitle = "Looking for Lojasverdelis order files";
const char* const kEnglishFilter = "Text files (*.txt)";
}  // namespace

void subProcuraArquivo(WindowContext& context) {
    context.controls.tbOpera->setPage(1);
    const bool portuguese = portugueseSelected(context.controls);
    QString path;
    const bool chosen = context.fileDialog.chooseFile(
        path, QString::fromUtf8(portuguese ? kDialogTitle : kEnglishTitle),
        QString::fromUtf8(portuguese ? kDialogFilter : kEnglishFilter));
    // Cancel leaves the window as it was: the order shown, its ticks and its printed marks
    // ("Ø", the only record of what was printed) stay. A path of any length is used whole.
    if (!chosen || path.isEmpty()) {
        return;
    }
    context.controls.wNomeCompleto->setText(path);
}

}  // namespace rotulano::window
