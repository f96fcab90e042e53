#include "window/Handlers.h"
#include "window/Messages.h"
#include "window/PrintJob.h"

namespace rotulano::window {

namespace {
const char* const kDamagedSettings =
    "Os parâmetros da impressora estão danificados: escolha os valores na página "
    "Configuração e clique em Gravar antes de imprimir.";
}

// Nothing is printed with damaged settings: the label commands would carry them to the
// printer (a darkness "99", a margin of letters).
void onPrint(WindowContext& context) {
    if (!context.session.settings.damagedFields().empty()) {
        rotinaMsg(context.messageBox, QString::fromUtf8(kDamagedSettings),
                  QString::fromUtf8("ATENÇÃO"), core::kStyleWarning);
        return;
    }
    PrintJob(context).run();
}

}  // namespace rotulano::window
