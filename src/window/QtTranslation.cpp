#include "window/QtTranslation.h"

#include <QCoreApplication>

namespace rotulano::window {

namespace {
const QString kQtPortuguese = QStringLiteral("qtbase_pt_BR");
}

QtTranslation::~QtTranslation() {
    remove();
}

bool QtTranslation::follow(int language) {
    if (language != kPortuguese) {
        remove();
        return false;
    }
    if (!installed_ && translator_.load(kQtPortuguese, folder_)) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
    return installed_;
}

void QtTranslation::remove() {
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
}

}  // namespace rotulano::window
