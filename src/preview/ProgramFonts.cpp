#include "preview/ProgramFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace rotulano::preview {

QString programFontsFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/fonts");
}

QStringList addProgramFonts(const QString& folder) {
    const QDir fonts(folder);
    const QStringList files =
        fonts.entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}, QDir::Files);
    QStringList families;
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(fonts.filePath(file));
        if (id >= 0) {
            families += QFontDatabase::applicationFontFamilies(id);
        }
    }
    families.sort();
    families.removeDuplicates();
    return families;
}

}  // namespace rotulano::preview
