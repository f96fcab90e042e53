#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <functional>
#include <string>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "window/DropDownList.h"
#include "window/Handlers.h"
#include "window/NumericField.h"
#include "window/PrintJobTestSupport.h"

// A parameter file whose darkness, margins or speed hold what no save writes: the window
// says so once, shows the field unselected with Gravar on, and prints nothing until the
// record is saved.
namespace {

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;

const char* const kRefused =
    "Os parâmetros da impressora estão danificados: escolha os valores na página "
    "Configuração e clique em Gravar antes de imprimir.";

// A sound Zebra record on LPT1 with `bytes` written at 1-based `position`.
std::string damaged(std::size_t position, const std::string& bytes) {
    std::string record = settingsRecord(5, 1);
    record.replace(position - 1, bytes.size(), bytes);
    return record;
}

struct DamageCase {
    const char* name;
    std::size_t position;
    std::string bytes;
    const char* line;  // the line of the message that names the field
    std::function<bool(rotulano::window::Controls&)> unselected;
};

class DamagedSettings : public ::testing::TestWithParam<DamageCase> {
  protected:
    void choose(rotulano::window::DropDownList* list, int position) {
        list->setCurrentIndex(position - 1);
        emit list->activated(position - 1);
    }
    void tickAndPrint() {
        test.loadOrder({headerLine(), itemLine('2')});
        test.clickPage(1);
        test.clickCell(1, rotulano::orders::kColSel);
        print();
    }
    void print() {
        test.clickPage(2);
        test.clickPrint();
    }

    PrintJobWindow test;
};

TEST_P(DamagedSettings, AreShownOnceUnselectedAndNothingPrintsUntilSaved) {
    const DamageCase& c = GetParam();
    test.open(damaged(c.position, c.bytes));
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    const QString text = test.messageBox.shown[0].text;
    EXPECT_EQ(text, QString::fromUtf8("Arquivo de parâmetros ") +
                        QString::fromStdString(test.dir.file("CD21PRM.DAT")) +
                        QString::fromUtf8(" danificado:\n") + QString::fromUtf8(c.line) +
                        QString::fromUtf8("\nEscolha esses valores na página Configuração e "
                                          "clique em Gravar: até lá nada é impresso."));
    EXPECT_EQ(test.messageBox.shown[0].title, QString::fromUtf8("ATENÇÃO"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x30);
    EXPECT_TRUE(c.unselected(test.controls()));
    EXPECT_TRUE(test.controls().btGrava->isEnabled());

    // Entering the configuration page reads the file again: the same damage is not
    // reported twice.
    rotulano::window::subLeArqprm(test.window->context(),
                                  rotulano::window::SettingsRead::WhileRunning);
    EXPECT_EQ(test.messageBox.shown.size(), 1U);

    tickAndPrint();
    ASSERT_EQ(test.messageBox.shown.size(), 2U);
    EXPECT_EQ(test.messageBox.shown[1].text, QString::fromUtf8(kRefused));
    EXPECT_EQ(test.port("LPT1"), "");

    auto& controls = test.controls();
    choose(controls.wPrmtemp, 15);
    controls.wPrmmargEsq->setValue(2);
    controls.wPrmmargSup->setValue(3);
    choose(controls.wPrmvel, 3);
    controls.btGrava->click();
    EXPECT_EQ(test.session().settings.record(), settingsRecord(5, 1));
    print();
    EXPECT_EQ(test.messageBox.shown.size(), 2U);
    EXPECT_NE(test.port("LPT1"), "");
}

using C = rotulano::window::Controls&;

INSTANTIATE_TEST_SUITE_P(
    Fields, DamagedSettings,
    ::testing::Values(
        DamageCase{"DarknessPast30", 6, "99",
                   "campo temperatura (posições 6-7) = \"99\": deveria ser um número de 01 a 30",
                   [](C c) { return c.wPrmtemp->selection() == 0; }},
        DamageCase{"DarknessWithALetter", 6, "A5",
                   "campo temperatura (posições 6-7) = \"A5\": deveria ser um número de 01 a 30",
                   [](C c) { return c.wPrmtemp->selection() == 0; }},
        DamageCase{"LeftMarginOfLetters", 9, "x1",
                   "campo margem esquerda (posições 9-10) = \"x1\": deveria ser dois dígitos "
                   "(milímetros)",
                   [](C c) { return c.wPrmmargEsq->text().isEmpty(); }},
        DamageCase{"SecondMarginWithANul", 11,
                   std::string("\0"
                               "3",
                               2),
                   "campo margem superior/inferior (posições 11-12) = \"\\x003\": deveria ser "
                   "dois dígitos (milímetros)",
                   [](C c) { return c.wPrmmargSup->text().isEmpty(); }},
        DamageCase{"SpeedPastS", 13, "Z",
                   "campo velocidade (posição 13) = \"Z\": deveria ser uma letra de A a S",
                   [](C c) { return c.wPrmvel->selection() == 0; }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
