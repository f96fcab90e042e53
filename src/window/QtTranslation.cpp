#include "window/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace rotulano::window {

namespace {
const QString kQtPortuguese = QStringLiteral("qtbase_pt_BR");
}

QString QtTranslation::programFolder() {
#ifdef _WIN32
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
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
