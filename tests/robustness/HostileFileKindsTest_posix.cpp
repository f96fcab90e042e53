#include <gtest/gtest.h>

#include <unistd.h>

#include <QPushButton>
#include <filesystem>
#include <functional>
#include <string>

#include "config/ParameterFile.h"
#include "core/LogoFile.h"
#include "core/PrinterSettings.h"
#include "orders/OrderFileReader.h"
#include "orders/OrderTestLines.h"
#include "support/ChildProcess.h"
#include "support/WindowFakes.h"

// Names that are not regular files where the programs read an order, the settings or a
// logo: each is refused with a status that says so, before anything is opened, and
// nothing waits. A reader that hung would be ended by the alarm and fail the test.
namespace {

namespace core = rotulano::core;
namespace test = rotulano::test;
using rotulano::config::ParameterFile;
using rotulano::orders::LoadOutcome;
using rotulano::orders::OrderFileReader;

const char* const kNotRegularTitle = "Não é um arquivo comum (dispositivo, pipe, socket)";
const char* const kNotRegularCause = "não é um arquivo comum (dispositivo, pipe ou socket)";

struct KindCase {
    const char* name;
    std::function<bool(const std::string&)> make;
    const char* status;
    const char* logoProblem;  // what the logo warning says of such a logo
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.name;
}

const char* const kNotRegularLogo = " não é um arquivo comum";

std::vector<KindCase> kindCases() {
    return {
        {"NamedPipe", test::makePipe, "96", kNotRegularLogo},
        // The system's zero device: never opened, so never read for ever.
        {"ZeroDevice", [](const std::string& p) { return test::makeCharDevice(p, 1, 5); }, "96",
         kNotRegularLogo},
        {"Socket", test::makeSocket, "96", kNotRegularLogo},
        {"LinkToAPipe",
         [](const std::string& p) {
             return test::makePipe(p + ".pipe") && ::symlink((p + ".pipe").c_str(), p.c_str()) == 0;
         },
         "96", kNotRegularLogo},
        {"Directory", [](const std::string& p) { return std::filesystem::create_directory(p); },
         "39", " não pôde ser lido (status 39)"},
    };
}

class ReadersOfEveryKind : public ::testing::TestWithParam<KindCase> {
  protected:
    void SetUp() override {
        ::alarm(60);
        if (!GetParam().make(dir.file(name))) {
            GTEST_SKIP() << "the system refuses to make a " << GetParam().name << " here";
        }
    }
    void TearDown() override { ::alarm(0); }

    test::ScopedWorkingDir dir;
    const std::string name = "LOGOVRDL.GRF";
};

TEST_P(ReadersOfEveryKind, RefuseAnythingButARegularFile) {
    const KindCase& c = GetParam();
    const std::string path = dir.file(name);

    const auto order = OrderFileReader::read(path);
    EXPECT_EQ(order.outcome, LoadOutcome::OpenFailed);
    EXPECT_EQ(order.status, c.status);
    EXPECT_TRUE(order.items.empty());

    core::PrinterSettings settings = core::PrinterSettings::defaults();
    const ParameterFile parameters(path);
    EXPECT_EQ(parameters.openCheck(), c.status);
    EXPECT_EQ(parameters.read(settings), c.status);
    EXPECT_EQ(parameters.rewrite(settings), c.status);
    EXPECT_EQ(settings.record(), core::PrinterSettings::defaults().record());

    std::string logo = "left over";
    EXPECT_EQ(core::readLogoFile(path, logo), c.status);
    EXPECT_EQ(logo, "");
    EXPECT_EQ(core::logoFileProblem(c.status), c.logoProblem);

    // Nothing was replaced by a file of that name.
    EXPECT_NE(test::fileKind(path), "regular");
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReadersOfEveryKind, ::testing::ValuesIn(kindCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A logo file past the limit is never read into memory; one at the limit still is.
TEST(HostileLogoSize, ALogoPastSixteenMegabytesIsNotRead) {
    test::ScopedWorkingDir dir;
    const std::string path = dir.file("LOGOVRDL.BMP");
    test::writeBytes(path, "BM");
    std::filesystem::resize_file(path, core::kLargestLogoFile + 1);
    std::string logo = "left over";
    EXPECT_EQ(core::readLogoFile(path, logo), "34");
    EXPECT_EQ(logo, "");
    EXPECT_EQ(core::logoFileProblem("34"), " tem mais de 16 MB e não é um logotipo");
    std::filesystem::resize_file(path, core::kLargestLogoFile);
    EXPECT_EQ(core::readLogoFile(path, logo), "00");
    EXPECT_EQ(logo.size(), core::kLargestLogoFile);
    EXPECT_EQ(logo.substr(0, 2), "BM");
}

class KindsInTheWindow : public ::testing::Test {
  protected:
    void SetUp() override { ::alarm(60); }
    void TearDown() override { ::alarm(0); }

    // The status frame, then the file's path and the cause on the line below.
    void expectOneStatusBox(const char* text, const std::string& path, const char* cause,
                            const char* title) {
        ASSERT_EQ(window.messageBox.shown.size(), 1U);
        EXPECT_EQ(window.messageBox.shown[0].text, QString::fromUtf8(text) + "\n" +
                                                       QString::fromStdString(path) + ": " +
                                                       QString::fromUtf8(cause));
        EXPECT_EQ(window.messageBox.shown[0].title, QString::fromUtf8(title));
        EXPECT_EQ(window.messageBox.shown[0].style, 0x10);
    }

    test::TestWindow window;
};

// A named pipe chosen as the order: the window reports it and stays usable.
TEST_F(KindsInTheWindow, AnOrderThatIsAPipeIsReportedAndTheWindowGoesOn) {
    window.open();
    const std::string pipe = window.dir.file("PEDIDO.txt");
    ASSERT_TRUE(test::makePipe(pipe));
    window.fileDialog.answers = {QString::fromStdString(pipe)};
    window.controls().btSelecionar->click();
    expectOneStatusBox("Status [96] Arquivo de Pedidos", pipe, kNotRegularCause, kNotRegularTitle);
    EXPECT_EQ(window.controls().tabPedido->rowCount(), 0);
    EXPECT_FALSE(window.window->formClosed());
    EXPECT_EQ(test::fileKind(pipe), "pipe");
}

// A settings file that is a pipe or a device: the start reports it and closes, instead
// of never opening the window.
TEST_F(KindsInTheWindow, SettingsThatArePipesOrDevicesStopTheStartWithTheirStatus) {
    for (const bool device : {false, true}) {
        SCOPED_TRACE(device ? "device" : "pipe");
        test::TestWindow start;
        const std::string path = start.dir.file("CD21PRM.DAT");
        if (device ? !test::makeCharDevice(path, 1, 5) : !test::makePipe(path)) {
            GTEST_SKIP() << "the system refuses to make the node here";
        }
        start.open();
        ASSERT_FALSE(start.messageBox.shown.empty());
        ASSERT_EQ(start.messageBox.shown.size(), 1U);
        EXPECT_EQ(start.messageBox.shown[0].text,
                  QString::fromUtf8("Status [96] Arquivo de parâmetros\n") +
                      QString::fromStdString(path) + ": " + QString::fromUtf8(kNotRegularCause) +
                      "\n" +
                      QString::fromUtf8("O programa não abre sem esse arquivo: corrija-o ou "
                                        "apague-o (ao abrir, o programa cria outro com os valores "
                                        "iniciais) e abra o programa de novo."));
        EXPECT_EQ(start.messageBox.shown[0].title, QString::fromUtf8(kNotRegularTitle));
        EXPECT_TRUE(start.window->formClosed());
        EXPECT_EQ(test::fileKind(path), device ? "char" : "pipe");
    }
}

// The dialog hands over names as Qt decodes them: a name whose bytes are not UTF-8
// arrives with U+FFFD, which is another name. It is refused, never opened, even when a
// file of the decoded name exists and holds a sound order.
TEST_F(KindsInTheWindow, ADialogNameThatLostItsBytesIsRefused) {
    window.open();
    const QString chosen = QString::fromStdString(window.dir.path()) + QStringLiteral("/PEDIDO-") +
                           QChar(0xFFFD) + QStringLiteral(".txt");
    test::writeBytes(chosen.toStdString(),
                     test::orderFile({test::headerLine(), test::itemLine('1').str()}));
    window.fileDialog.answers = {chosen};
    window.controls().btSelecionar->click();
    expectOneStatusBox("Status [91] Arquivo de Pedidos", chosen.toStdString(),
                       "o nome escolhido não pôde ser lido como o sistema o escreve",
                       "Nome externo do arquivo não corresponde ao nome in");
    EXPECT_EQ(window.controls().tabPedido->rowCount(), 0);
    EXPECT_FALSE(window.window->formClosed());
}

}  // namespace
