// rotulano-snapshots DIR [ORDER]
//
// Starts the main window offscreen in the current directory (which holds, or receives,
// CD21PRM.DAT), loads the order file ORDER (samples/PEDIDO.txt when not given) and writes
// a PNG of each of the three pages into DIR: 1-selecao.png, 2-impressao.png,
// 3-configuracao.png. Message boxes are not shown: their title and text go to the standard
// error. The exit code is 0 when the three pictures were written.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <cstdio>

#include "printing/SystemPlatform.h"
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

bool writePages(MainWindow& window, const QDir& out) {
    const char* const names[] = {"1-selecao.png", "2-impressao.png", "3-configuracao.png"};
    bool written = true;
    for (int page = 1; page <= 3; ++page) {
        window.controls().tbOpera->setPage(page);
        settle();
        const QString file = out.filePath(QString::fromLatin1(names[page - 1]));
        if (!window.grab().save(file, "PNG")) {
            std::fprintf(stderr, "rotulano-snapshots: cannot write %s\n", qUtf8Printable(file));
            written = false;
        }
    }
    return written;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: rotulano-snapshots DIR [ORDER]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "rotulano-snapshots: cannot create %s\n", argv[1]);
        return 1;
    }
    const QString order = QString::fromLocal8Bit(argc == 3 ? argv[2] : "samples/PEDIDO.txt");

    rotulano::window::initWindowResources();
    ReportedMessageBox messageBox;
    CancelledFileDialog fileDialog;
    rotulano::printing::SystemPlatform platform;
    MainWindow window(messageBox, fileDialog, platform);
    QApplication::setQuitOnLastWindowClosed(false);
    window.show();
    settle();
    if (window.formClosed()) {
        std::fprintf(stderr, "rotulano-snapshots: the window closed at start-up\n");
        return 1;
    }
    if (!QFileInfo::exists(order)) {
        std::fprintf(stderr, "rotulano-snapshots: no order file %s\n", qUtf8Printable(order));
    }
    window.controls().wNomeCompleto->setText(QFileInfo(order).absoluteFilePath());
    const bool written = writePages(window, out);
    window.close();
    return written ? 0 : 1;
}
