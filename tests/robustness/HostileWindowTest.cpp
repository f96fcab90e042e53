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

const char* const kFirstLineTooLong =
    "A linha 1 passa de 600 bytes sem fim de linha: esse não é um arquivo de Pedidos "
    "LOJASVERDELIS";

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
        // No line end within 600 bytes: refused before anything else is looked at.
        WindowCase{"binary.txt", kFirstLineTooLong, kAtencao, 0x30, false, 0},
        WindowCase{"utf8_bom.txt", "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS",
                   kAtencao, 0x30, false, 0},
        WindowCase{"utf8_accents.txt", "Campo preço é inválido ou erro na estrutura do arquivo",
                   kAtencao, 0x30, true, 1},
        WindowCase{"nul_in_quantity.txt",
                   "Campo quantidade é inválido ou erro na estrutura do arquivo", kAtencao, 0x30,
                   true, 1},
        WindowCase{"header_only.txt", "Erro na Estrutura do Arquivo", kDefaultTitle, 0x40, true, 0},
        WindowCase{"cr_line_ends.txt", kFirstLineTooLong, kAtencao, 0x30, false, 0},
        WindowCase{"blank_lines.txt", "Tipo de registro é inválido ou erro na estrutura do arquivo",
                   kAtencao, 0x30, true, 1},
        WindowCase{"nul_in_text.txt", nullptr, "", 0, true, 2},
        WindowCase{"latin1_accents.txt", nullptr, "", 0, true, 1},
        WindowCase{"no_final_line_end.txt", nullptr, "", 0, true, 2}));

struct ParameterCase {
    std::size_t size;
    bool starts;
};

// A parameter file too short for its record stops the start with one message that names
// it and says what to do, and is left as it was; a longer one starts on its first 146 bytes.
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
                      QString::fromUtf8("Status [23] Arquivo de parâmetros\n") +
                          QString::fromStdString(test.dir.file("CD21PRM.DAT")) +
                          QString::fromUtf8(": o arquivo não contém o registro de parâmetros "
                                            "(146 bytes, chave \"1\")\nO programa não abre sem "
                                            "esse arquivo: corrija-o ou apague-o (ao abrir, o "
                                            "programa cria outro com os valores iniciais) e abra "
                                            "o programa de novo."));
        }
    }
}

// Letters where the digits of the settings go: the window starts and shows what it can
// (no model, port or language chosen) instead of failing; the damaged darkness, margins
// and speed are said once and left unselected, with Gravar on.
TEST(HostileParameterFileAtStart, LettersWhereDigitsGoStartWithNothingChosen) {
    TestWindow test;
    rotulano::test::writeBytes(test.dir.file("CD21PRM.DAT"),
                               "1ABCDXY?abcd#Z" + std::string(132, '0'));
    test.open();
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text,
              QString::fromUtf8("Arquivo de parâmetros ") +
                  QString::fromStdString(test.dir.file("CD21PRM.DAT")) +
                  QString::fromUtf8(
                      " danificado:\n"
                      "campo temperatura (posições 6-7) = \"XY\": deveria ser um número de 01 a "
                      "30\n"
                      "campo margem esquerda (posições 9-10) = \"ab\": deveria ser dois dígitos "
                      "(milímetros)\n"
                      "campo margem superior/inferior (posições 11-12) = \"cd\": deveria ser dois "
                      "dígitos (milímetros)\n"
                      "campo velocidade (posição 13) = \"#\": deveria ser uma letra de A a S\n"
                      "Escolha esses valores na página Configuração e clique em Gravar: até lá "
                      "nada é impresso."));
    EXPECT_FALSE(test.window->formClosed());
    EXPECT_EQ(test.controls().wPrmtipoimp->selection(), 0);
    EXPECT_EQ(test.controls().wPrmportaimp->selection(), 0);
    EXPECT_EQ(test.controls().wPrmtemp->count(), 15);
    EXPECT_EQ(test.controls().wPrmtemp->selection(), 0);
    EXPECT_EQ(test.controls().wPrmvel->selection(), 0);
    EXPECT_EQ(test.controls().wPrmmargEsq->text(), QString());
    EXPECT_EQ(test.controls().wPrmmargSup->text(), QString());
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
}

}  // namespace
