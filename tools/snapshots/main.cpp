// rotulano-snapshots [--size WIDTHxHEIGHT] [--language pt|en] DIR [ORDER]
//
// Starts the main window offscreen in the current directory (which holds, or receives,
// CD21PRM.DAT), at its design size or at the size given, in the language of the settings
// file or the one given (shown as if saved; the file is not changed), loads the order file ORDER
// (samples/PEDIDO.txt when not given) and writes a PNG of each of the three pages into
// DIR: 1-selecao.png, 2-impressao.png, 3-configuracao.png; then opens the History window
// from the Arquivo menu, on the print journal of the current directory (rotulano-diario.db,
// only read), and writes 4-historico.png. Message boxes are not shown: their title and text
// go to the standard error. The user's configuration (the size the window had last) is
// neither read nor written. The exit code is 0 when the four pictures were written, 2 for
// a bad command line.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cstdio>

#include <QAction>

#include "printing/SystemPlatform.h"
#include "window/HistoryWindow.h"
#include "window/MainWindow.h"
#include "window/Pictures.h"

namespace {

using rotulano::window::FileDialogService;
using rotulano::window::MainWindow;
using rotulano::window::MessageBoxService;

// Writes each box to the standard error and answers OK.
class ReportedMessageBox : public MessageBoxService {
  public:
    int show(const QString& text, const QString& title, int) override {
        std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(title), qUtf8Printable(text));
        return 1;
    }
};

// No one is there to choose a file: every opening is a cancel.
class CancelledFileDialog : public FileDialogService {
  public:
    bool chooseFile(QString& path, const QString&, const QString&) override {
        path.clear();
        return false;
    }
};

void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The language shown as the saved one, so that no page shows it as a change to save.
void showLanguage(MainWindow& window, int language) {
    window.session().settings.setLanguage(language);
    window.controls().wPrmlingua->setSelection(language);
    settle();
}

// Entering Configuração reads the settings file again: the language given is shown again
// on every page.
bool writePages(MainWindow& window, const QDir& out, int language) {
    const char* const names[] = {"1-selecao.png", "2-impressao.png", "3-configuracao.png"};
    bool written = true;
    for (int page = 1; page <= 3; ++page) {
        window.controls().tbOpera->setPage(page);
        settle();
        if (language != 0) {
            showLanguage(window, language);
        }
        const QString file = out.filePath(QString::fromLatin1(names[page - 1]));
        if (!window.grab().save(file, "PNG")) {
            std::fprintf(stderr, "rotulano-snapshots: cannot write %s\n", qUtf8Printable(file));
            written = false;
        }
    }
    return written;
}

// The History window as the menu opens it, in the language shown.
bool writeHistory(MainWindow& window, const QDir& out) {
    auto* item = window.findChild<QAction*>(QStringLiteral("Historico"));
    if (item != nullptr) {
        item->trigger();
        settle();
    }
    auto* history = window.findChild<rotulano::window::HistoryWindow*>();
    const QString file = out.filePath(QStringLiteral("4-historico.png"));
    if (history == nullptr || !history->grab().save(file, "PNG")) {
        std::fprintf(stderr, "rotulano-snapshots: cannot write %s\n", qUtf8Printable(file));
        return false;
    }
    history->close();
    settle();
    return true;
}

// "1280x800" as a size; an invalid size for anything else.
QSize parseSize(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{3,5})x([0-9]{3,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
}

struct Options {
    QString dir;
    QString order = QStringLiteral("samples/PEDIDO.txt");
    QSize size;        // invalid: the design size
    int language = 0;  // W-PRMLINGUA's position: 1 Português, 2 English; 0 the file's
};

// "pt" or "en" as W-PRMLINGUA's position; 0 for anything else.
int parseLanguage(const QString& text) {
    if (text == QStringLiteral("pt")) {
        return 1;
    }
    return text == QStringLiteral("en") ? 2 : 0;
}

bool parseOptions(const QStringList& arguments, Options& options) {
    QCommandLineParser parser;
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Window size, such as 1280x800."),
                                  QStringLiteral("WIDTHxHEIGHT"));
    parser.addOption(size);
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Interface language: pt or en."),
                                      QStringLiteral("pt|en"));
    parser.addOption(language);
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("Where the PNGs go."));
    parser.addPositionalArgument(QStringLiteral("ORDER"), QStringLiteral("Order file."));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "rotulano-snapshots: %s\n", qUtf8Printable(parser.errorText()));
        return false;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.size() > 2) {
        return false;
    }
    options.dir = positional[0];
    if (positional.size() == 2) {
        options.order = positional[1];
    }
    if (parser.isSet(size)) {
        options.size = parseSize(parser.value(size));
        if (!options.size.isValid()) {
            std::fprintf(stderr, "rotulano-snapshots: bad size %s\n",
                         qUtf8Printable(parser.value(size)));
            return false;
        }
    }
    if (parser.isSet(language)) {
        options.language = parseLanguage(parser.value(language));
        if (options.language == 0) {
            std::fprintf(stderr, "rotulano-snapshots: bad language %s\n",
                         qUtf8Printable(parser.value(language)));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Options options;
    if (!parseOptions(QApplication::arguments(), options)) {
        std::fprintf(stderr,
                     "usage: rotulano-snapshots [--size WIDTHxHEIGHT] [--language pt|en] DIR "
                     "[ORDER]\n");
        return 2;
    }
    const QDir out(options.dir);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "rotulano-snapshots: cannot create %s\n", qUtf8Printable(options.dir));
        return 1;
    }

    rotulano::window::initWindowResources();
    ReportedMessageBox messageBox;
    CancelledFileDialog fileDialog;
    rotulano::printing::SystemPlatform platform;
    MainWindow window(messageBox, fileDialog, platform);
    QApplication::setQuitOnLastWindowClosed(false);
    if (options.size.isValid()) {
        window.resize(options.size);
    }
    window.show();
    settle();
    if (window.formClosed()) {
        std::fprintf(stderr, "rotulano-snapshots: the window closed at start-up\n");
        return 1;
    }
    if (options.language != 0) {
        showLanguage(window, options.language);
    }
    if (!QFileInfo::exists(options.order)) {
        std::fprintf(stderr, "rotulano-snapshots: no order file %s\n",
                     qUtf8Printable(options.order));
    }
    window.controls().wNomeCompleto->setText(QFileInfo(options.order).absoluteFilePath());
    const bool pages = writePages(window, out, options.language);
    const bool written = writeHistory(window, out) && pages;
    window.close();
    return written ? 0 : 1;
}
