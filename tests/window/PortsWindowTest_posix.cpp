#include <gtest/gtest.h>

#include <unistd.h>

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "printing/PrinterSimulator.h"
#include "printing/SystemDestinations.h"
#include "printing/TcpListener.h"
#include "support/WindowFakes.h"
#include "window/PortsWindow.h"

namespace {

using rotulano::test::PrinterSimulator;
using rotulano::test::readBytes;
using rotulano::test::TcpListener;
using rotulano::test::TestWindow;
using rotulano::test::writeBytes;

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A Zebra (model 5) on LPT1, in the language at `language`.
std::string settingsRecord(char language) {
    return "1050110N0000A" + std::string(1, language) + std::string(132, '0');
}

const std::string kSavedPorts =
    "[LPT2]\ndestino=cups://ZEBRA\n[COM2]\ndestino=/dev/ttyUSB0\nvelocidade=9600\n"
    "paridade=par\n";

// The label that "Testar" sends for a Zebra at the fake clock (2024-01-02 09:05:07).
std::string zebraTestLabel(const std::string& port) {
    return "^XA\r\n^FO40,30^A0N,40,40^FDRotulano^FS\r\n^FO40,80^A0N,30,30^FDPorta " + port +
           "^FS\r\n^FO40,120^A0N,30,30^FD02/01/2024 09:05:07^FS\r\n^PQ1\r\n^XZ\r\n";
}

class PortsWindowTest : public ::testing::Test {
  protected:
    void open(char language = '1', const std::string& ports = kSavedPorts) {
        writeBytes(test.dir.file("CD21PRM.DAT"), settingsRecord(language));
        if (!ports.empty()) {
            writeBytes(portsFile(), ports);
        }
        test.open();
        test.controls().btPortas->click();
        window = test.controls().window->findChild<QDialog*>("CP21PRT");
        ASSERT_NE(window, nullptr);
    }

    std::string portsFile() { return test.dir.file("rotulano-portas.ini"); }

    template <typename T>
    T* control(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    void type(const QString& port, const QString& destination) {
        auto* field = control<QLineEdit>("W-DESTINO-" + port);
        field->setText(destination);
        emit field->textEdited(destination);
    }

    void choose(const QString& name, const QString& value) {
        auto* list = control<QComboBox>(name);
        list->setCurrentIndex(list->findText(value));
        emit list->activated(list->currentIndex());
    }

    TestWindow test;
    QDialog* window = nullptr;
};

}  // namespace

TEST_F(PortsWindowTest, ShowsTheSixPortsWithTheSavedDestinationsAndSerialFields) {
    open();
    EXPECT_EQ(window->windowTitle(), "Portas");
    EXPECT_EQ(test.controls().btPortas->text(), "Portas");
    const std::vector<std::pair<QString, QString>> destinations = {
        {"LPT1", ""}, {"LPT2", "cups://ZEBRA"},
        {"COM1", ""}, {"COM2", "/dev/ttyUSB0"},
        {"COM3", ""}, {"COM4", ""}};
    for (const auto& [port, destination] : destinations) {
        EXPECT_EQ(control<QLineEdit>("W-DESTINO-" + port)->text(), destination)
            << port.toStdString();
        EXPECT_EQ(control<QComboBox>("W-VELOCIDADE-" + port)->isEnabled(), port == "COM2");
    }
    EXPECT_EQ(control<QLineEdit>("W-DESTINO-LPT1")->placeholderText(), "LPT1");
    EXPECT_EQ(control<QComboBox>("W-VELOCIDADE-COM2")->currentText(), "9600");
    EXPECT_EQ(control<QComboBox>("W-PARIDADE-COM2")->currentText(), "par");
    EXPECT_EQ(control<QComboBox>("W-BITS-DADOS-COM2")->currentText(), "");
    EXPECT_FALSE(control<QPushButton>("BT-GRAVA-PORTAS")->isEnabled());
    EXPECT_EQ(control<QPushButton>("BT-TESTAR-COM4")->text(), "Testar");
    EXPECT_TRUE(test.messageBox.shown.empty());
}

TEST_F(PortsWindowTest, CaptionsFollowTheInterfaceLanguage) {
    open('2');
    EXPECT_EQ(window->windowTitle(), "Ports");
    EXPECT_EQ(test.controls().btPortas->text(), "Ports");
    EXPECT_EQ(control<QPushButton>("BT-GRAVA-PORTAS")->text(), "Save");
    EXPECT_EQ(control<QPushButton>("BT-FECHAR")->text(), "Close");
    EXPECT_EQ(control<QPushButton>("BT-TESTAR-LPT1")->text(), "Test");
    QStringList headings;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        headings << label->text();
    }
    for (const char* heading :
         {"Port", "Destination", "Speed", "Data bits", "Parity", "Stop bits", "Flow control"}) {
        EXPECT_TRUE(headings.contains(heading)) << heading;
    }
}

// The file is edited, not rewritten: the entry emptied goes, the others stay where they
// were and the new ones follow them.
TEST_F(PortsWindowTest, SaveEditsTheEntriesOfTheFile) {
    open();
    type("LPT1", "tcp://192.168.0.50");
    type("LPT2", "");
    type("COM1", "/dev/serial/by-id/usb-FTDI-if00");
    choose("W-VELOCIDADE-COM1", "19200");
    choose("W-BITS-DADOS-COM1", "7");
    choose("W-BITS-PARADA-COM1", "2");
    choose("W-FLUXO-COM1", "rts-cts");
    auto* save = control<QPushButton>("BT-GRAVA-PORTAS");
    ASSERT_TRUE(save->isEnabled());
    save->click();
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_FALSE(save->isEnabled());
    EXPECT_EQ(readBytes(portsFile()),
              "[COM2]\ndestino=/dev/ttyUSB0\nvelocidade=9600\nparidade=par\n"
              "\n[LPT1]\ndestino=tcp://192.168.0.50\n"
              "\n[COM1]\ndestino=/dev/serial/by-id/usb-FTDI-if00\nvelocidade=19200\n"
              "bits-de-dados=7\nbits-de-parada=2\ncontrole-de-fluxo=rts-cts\n");
}

TEST_F(PortsWindowTest, BadDestinationIsNamedAndNothingIsSaved) {
    open();
    type("COM3", "tcp://impressora:70000");
    control<QPushButton>("BT-GRAVA-PORTAS")->click();
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Porta COM3: \"tcp://impressora:70000\": endereço de rede inválido (use "
                   "tcp://ENDEREÇO ou tcp://ENDEREÇO:PORTA)."));
    EXPECT_EQ(test.messageBox.shown[0].title, "ATENÇÃO");
    EXPECT_EQ(readBytes(portsFile()), kSavedPorts);
}

TEST_F(PortsWindowTest, FileThatCannotBeReadIsReportedAndNotEdited) {
    const std::string bad = "[LPT9]\ndestino=/dev/lp9\n";
    open('1', bad);
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Arquivo de portas rotulano-portas.ini, linha 1: porta desconhecida "
                   "\"LPT9\" (use LPT1, LPT2, COM1, COM2, COM3 ou COM4). As portas só podem ser "
                   "editadas aqui depois que o arquivo for corrigido."));
    EXPECT_FALSE(control<QLineEdit>("W-DESTINO-LPT1")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("BT-GRAVA-PORTAS")->isEnabled());
    EXPECT_EQ(readBytes(portsFile()), bad);
}

TEST_F(PortsWindowTest, TestLabelReachesANetworkPrinterAndSaysSo) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    open();
    const QString destination = QStringLiteral("tcp://127.0.0.1:%1").arg(printer.port());
    type("LPT1", destination);
    choose("W-CONSULTA-LPT1", "nao");
    control<QPushButton>("BT-TESTAR-LPT1")->click();
    const std::vector<std::string> got = printer.received(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], zebraTestLabel("LPT1"));
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              "Etiqueta de teste enviada para a porta LPT1 (" + destination +
                  "). A impressora fecha a conexão ao fim de cada linha: cada linha é "
                  "confirmada assim.");
    EXPECT_EQ(test.messageBox.shown[0].title, "Portas");
}

// A printer marked as one that never closes its side: the test says it did not, and the
// mark stays in the file when the window saves.
TEST_F(PortsWindowTest, TestReportsAPrinterThatDoesNotCloseAndSaveKeepsItsMark) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    printer.neverClose(0);
    const std::string destination = "tcp://127.0.0.1:" + std::to_string(printer.port());
    const std::string entry =
        "[LPT1]\ndestino=" + destination + "\nconsultar-estado=nao\nconfirma-fechando=nao\n";
    open('1', entry);
    control<QPushButton>("BT-TESTAR-LPT1")->click();
    EXPECT_EQ(printer.received(1), std::vector<std::string>{zebraTestLabel("LPT1")});
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Etiqueta de teste enviada para a porta LPT1 (" + destination +
                   "). A impressora não fechou a conexão: cada linha conta quando ela confirma "
                   "ter recebido todos os bytes (confirma-fechando=nao)."));
    type("COM1", "/dev/ttyUSB0");
    control<QPushButton>("BT-GRAVA-PORTAS")->click();
    EXPECT_EQ(readBytes(portsFile()), entry + "\n[COM1]\ndestino=/dev/ttyUSB0\n");
}

TEST_F(PortsWindowTest, TestLabelThatDoesNotArriveSaysWhy) {
    open();
    test.platform.sendStatus = "35";
    control<QPushButton>("BT-TESTAR-COM1")->click();
    EXPECT_EQ(test.platform.sent["COM1"], zebraTestLabel("COM1"));
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Não foi possível enviar as etiquetas para a porta COM1 (COM1): dispositivo "
                   "não encontrado [35]."));
    EXPECT_EQ(test.messageBox.shown[0].title, "ATENÇÃO");
}

TEST_F(PortsWindowTest, TestAsksTheNetworkPrinterFirstAndSendsTheLabelWhenItIsReady) {
    PrinterSimulator printer(PrinterSimulator::Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    open();
    type("LPT1", utf8(printer.destination()));
    control<QPushButton>("BT-TESTAR-LPT1")->click();
    const std::string expected = "~HS" + zebraTestLabel("LPT1");
    EXPECT_EQ(printer.received(expected.size()), expected);
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].title, "Portas");
}

TEST_F(PortsWindowTest, TestOnAPausedPrinterOffersTheChoiceAndCancelSendsNoLabel) {
    PrinterSimulator printer(PrinterSimulator::Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(PrinterSimulator::zplAnswer("pausa"));
    open('2');
    type("COM1", utf8(printer.destination()));
    control<QPushButton>("BT-TESTAR-COM1")->click();
    EXPECT_EQ(printer.received(3), "~HS");
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("A impressora da porta COM1 (" + printer.destination() + ") está em pausa."));
    EXPECT_EQ(test.messageBox.shown[0].title, "Estado da impressora");
    EXPECT_EQ(test.messageBox.choiceButtons[0],
              (QStringList{"Try again", "Print anyway", "Cancel"}));
}

TEST_F(PortsWindowTest, StatusCheckIsSavedAndRefusedForAPrintQueue) {
    open('1', "");
    type("LPT1", "tcp://192.168.0.50");
    choose("W-CONSULTA-LPT1", "nao");
    type("COM1", "/dev/ttyUSB0");
    choose("W-CONSULTA-COM1", "sim");
    control<QPushButton>("BT-GRAVA-PORTAS")->click();
    EXPECT_EQ(readBytes(portsFile()),
              "; Rotulano: para onde vai cada porta. Porta sem entrada: o dispositivo de "
              "sempre.\n"
              "\n[LPT1]\ndestino=tcp://192.168.0.50\nconsultar-estado=nao\n"
              "\n[COM1]\ndestino=/dev/ttyUSB0\nconsultar-estado=sim\n");
    type("LPT2", "cups://ZEBRA");
    EXPECT_FALSE(control<QComboBox>("W-CONSULTA-LPT2")->isEnabled());
    type("LPT2", "CUPS://ZEBRA");
    EXPECT_FALSE(control<QComboBox>("W-CONSULTA-LPT2")->isEnabled());
    type("LPT2", "tcp://192.168.0.51");
    EXPECT_TRUE(control<QComboBox>("W-CONSULTA-LPT2")->isEnabled());
    type("COM2", "/dev/lp0");
    EXPECT_FALSE(control<QComboBox>("W-CONSULTA-COM2")->isEnabled());
    choose("W-CONSULTA-COM2", "sim");
    control<QPushButton>("BT-GRAVA-PORTAS")->click();
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Porta COM2: a consulta de estado não vale para uma fila de impressão nem "
                   "para uma porta paralela."));
}

namespace {

// The three ways to close the Portas window.
struct CloseCase {
    const char* name;
    void (*close)(QDialog* window);
};

class PortsWindowClosedDuringTest : public PortsWindowTest,
                                    public ::testing::WithParamInterface<CloseCase> {};

// A network printer that takes the connection and never reads or answers holds "Testar"
// in its status query (the wait made long here, so that only the close can end it).
// Closing the window then cancels the test; the window goes once the test's thread has
// ended, no box follows, and the main window stays with its order.
TEST_P(PortsWindowClosedDuringTest, CancelsTheTestAndClosesOnceItHasEnded) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    printer.neverRead(0);
    rotulano::printing::SystemDestinations destinations;
    destinations.setStatusWait(std::chrono::minutes(5));
    writeBytes(test.dir.file("CD21PRM.DAT"), settingsRecord('1'));
    test.open();
    window = rotulano::window::PortsWindow::open(test.controls().window, portsFile(),
                                                 test.session().settings, true,
                                                 {test.platform, test.messageBox, &destinations});
    const QPointer<QDialog> shown = window;
    type("LPT1", QStringLiteral("tcp://127.0.0.1:%1").arg(printer.port()));
    choose("W-CONSULTA-LPT1", "sim");

    bool closed = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!closed && printer.accepted() >= 1) {
            closed = true;
            GetParam().close(shown);
        }
    });
    watch.start(10);
    control<QPushButton>("BT-TESTAR-LPT1")->click();  // returns once the test has ended
    watch.stop();
    ASSERT_TRUE(closed);
    QTRY_VERIFY_WITH_TIMEOUT(shown.isNull(), 30000);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_FALSE(test.window->formClosed());
    EXPECT_TRUE(test.window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PortsWindowClosedDuringTest,
    ::testing::Values(
        CloseCase{"TitleBar", [](QDialog* window) { window->close(); }},
        CloseCase{"Escape", [](QDialog* window) { QTest::keyClick(window, Qt::Key_Escape); }},
        CloseCase{"CloseButton",
                  [](QDialog* window) { window->findChild<QPushButton*>("BT-FECHAR")->click(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Gravar reads the file it is about to write with the ports file's reader: a destination
// that is a folder is named with the line it would have, and the file stays as it was.
TEST_F(PortsWindowTest, DestinationThatIsAFolderIsRefusedWithItsLineAndNothingIsSaved) {
    open();
    const std::string folder = test.dir.file("impressora");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder)));
    type("COM3", QString::fromStdString(folder));
    control<QPushButton>("BT-GRAVA-PORTAS")->click();
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Arquivo de portas rotulano-portas.ini, linha 9: \"" + folder +
                   "\": é uma pasta, não um dispositivo de caracteres (use um dispositivo como "
                   "/dev/ttyUSB0, tcp://ENDEREÇO[:PORTA] ou cups://FILA)."));
    EXPECT_EQ(readBytes(portsFile()), kSavedPorts);
}

TEST_F(PortsWindowTest, PortsFileThatIsABrokenLinkIsReportedAndNotEdited) {
    writeBytes(test.dir.file("CD21PRM.DAT"), settingsRecord('1'));
    ASSERT_EQ(::symlink("nao-existe.ini", portsFile().c_str()), 0);
    open('1', "");
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Arquivo de portas rotulano-portas.ini é um link para um arquivo que não "
                   "existe: corrija o link ou apague-o. As portas só podem ser editadas aqui "
                   "depois que o arquivo for corrigido."));
    EXPECT_FALSE(control<QLineEdit>("W-DESTINO-LPT1")->isEnabled());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(test.dir.file("nao-existe.ini"))));
}
