#include "window/TrailingBlanks.h"

namespace rotulano::window {

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text;
}

}  // namespace rotulano::window
