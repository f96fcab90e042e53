#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <string>
#include <vector>

#include "robustness/HostileFiles.h"
#include "support/WindowFakes.h"

// Hostile files as the operator meets them: chosen in the real main window, offscreen,
// with the message boxes answered by the test.
namespace {

using rotulano::test::hostilePath;
using rotulano::test::TestWindow;

const char* const kAtencao = "ATENÇÃO";
const char* const kDefaultTitle = "Mensagem do Sistema";

struct WindowCase {
    const char* file;
    const char* text;  // the one box shown, nullptr for none
    const char* title;
    int style;
    bool headerShown;
    int rows;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.file;
}

class OrderWindow : public ::testing::Test {
  protected:
    void SetUp() override { test.open(); }

    void choose(const std::string& path) {
        test.fileDialog.answers = {QString::fromStdString(path)};
        test.controls().btSelecionar->click();
    }

    TestWindow test;
};

class HostileOrdersInTheWindow : public OrderWindow,
                                 public ::testing::WithParamInterface<WindowCase> {};

TEST_P(HostileOrdersInTheWindow, ShowTheirMessageAndKeepTheWindowUsable) {
    const WindowCase& c = GetParam();
    choose(hostilePath(c.file));
    if (c.text == nullptr) {
        EXPECT_TRUE(test.messageBox.shown.empty());
    } else {
        ASSERT_EQ(test.messageBox.shown.size(), 1U);
        EXPECT_EQ(test.messageBox.shown[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(test.messageBox.shown[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(test.messageBox.shown[0].style, c.style);
    }
    EXPECT_EQ(test.controls().orderNumberField->text(),
              c.headerShown ? QStringLiteral("004711") : QString());
    EXPECT_EQ(test.controls().tabPedido->rowCount(), c.rows);
    EXPECT_FALSE(test.controls().btImprime->isEnabled());
    EXPECT_TRUE(test.window->isVisible());
    EXPECT_FALSE(test.window->formClosed());
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, HostileOrdersInTheWindow,
    ::testing::Values(
        WindowCase{"empty.txt", "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS", kAtencao,
                   0x30, false, 0},
        WindowCase{"binary.txt", "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS",
                   kAtencao, 0x30, false, 0},
        WindowCase{"utf8_bom.txt", "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS",
                   kAtencao, 0x30, false, 0},
        WindowCase{"utf8_accents.txt", "Campo preço é inválido ou erro na estrutura do arquivo",
                   kAtencao, 0x30, true, 1},
        WindowCase{"nul_in_quantity.txt",
                   "Campo quantidade é inválido ou erro na estrutura do arquivo", kAtencao, 0x30,
                   true, 1},
        WindowCase{"header_only.txt", "Erro na Estrutura do Arquivo", kDefaultTitle, 0x40, true, 0},
        WindowCase{"cr_line_ends.txt", "Erro na Estrutura do Arquivo", kDefaultTitle, 0x40, true,
                   0},
        WindowCase{"blank_lines.txt", "Tipo de registro é inválido ou erro na estrutura do arquivo",
                   kAtencao, 0x30, true, 1},
        WindowCase{"nul_in_text.txt", nullptr, "", 0, true, 2},
        WindowCase{"latin1_accents.txt", nullptr, "", 0, true, 1},
        WindowCase{"no_final_line_end.txt", nullptr, "", 0, true, 2}));

struct ParameterCase {
    std::size_t size;
    bool starts;
};

// A parameter file too short for its record stops the start with the program's fatal
// message and is left as it was; a longer one starts on its first 146 bytes.
TEST(HostileParameterFileAtStart, ShortFilesStopTheStartAndLongOnesStart) {
    const std::string record = "1050321N0508Q2" + std::string(132, '7');
    for (const ParameterCase& c :
         {ParameterCase{145, false}, ParameterCase{147, true}, ParameterCase{10000, true}}) {
        SCOPED_TRACE(c.size);
        TestWindow test;
        const std::string bytes = rotulano::test::stretched(record, c.size, '\n');
        rotulano::test::writeBytes(test.dir.file("CD21PRM.DAT"), bytes);
        test.open();
        EXPECT_EQ(test.window->formClosed(), !c.starts);
        EXPECT_EQ(rotulano::test::readBytes(test.dir.file("CD21PRM.DAT")), bytes);
        if (c.starts) {
            EXPECT_TRUE(test.messageBox.shown.empty());
            EXPECT_EQ(test.controls().wPrmtemp->currentText(), QStringLiteral("021"));
            EXPECT_EQ(test.controls().wPrmvel->currentText(), QStringLiteral("Q"));
        } else {
            ASSERT_EQ(test.messageBox.shown.size(), 1U);
            EXPECT_EQ(test.messageBox.shown[0].text,
                      QString::fromUtf8("Impossível inicializar sistema, erro Fatal !"));
        }
    }
}

// Letters where the digits of the settings go: the window starts and shows what it can
// (no model, port or language chosen) instead of failing.
TEST(HostileParameterFileAtStart, LettersWhereDigitsGoStartWithNothingChosen) {
    TestWindow test;
    rotulano::test::writeBytes(test.dir.file("CD21PRM.DAT"),
                               "1ABCDXY?abcd#Z" + std::string(132, '0'));
    test.open();
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_FALSE(test.window->formClosed());
    EXPECT_EQ(test.controls().wPrmtipoimp->selection(), 0);
    EXPECT_EQ(test.controls().wPrmportaimp->selection(), 0);
    EXPECT_EQ(test.controls().wPrmtemp->count(), 15);
    EXPECT_EQ(test.controls().wPrmvel->currentText(), QStringLiteral("A"));
    EXPECT_EQ(test.controls().wPrmmargEsq->value(), 0);
    EXPECT_FALSE(test.controls().btGrava->isEnabled());
}

}  // namespace
