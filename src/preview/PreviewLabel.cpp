#include "preview/PreviewLabel.h"

namespace rotulano::preview {

QString zeroCopiesWarning() {
    return QStringLiteral(
        "Etiqueta com 0 cópias: a impressora não aceita esse número e pode "
        "imprimi-la mesmo assim");
}

}  // namespace rotulano::preview
