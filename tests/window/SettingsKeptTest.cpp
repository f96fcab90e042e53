#include <gtest/gtest.h>

#include <QPushButton>
#include <filesystem>

#include "orders/ItemTable.h"
#include "window/Handlers.h"
#include "window/PrintJobTestSupport.h"

// Settings that a save or a re-read must not lose: a darkness that the list cannot show,
// and the whole window when CD21PRM.DAT goes away while the program runs.
namespace {

using rotulano::test::PrintJobWindow;
using rotulano::test::readBytes;
using rotulano::test::sampleLines;
using rotulano::test::settingsRecord;
using rotulano::test::writeBytes;
namespace orders = rotulano::orders;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

void choose(rotulano::window::DropDownList* list, int position) {
    list->setCurrentIndex(position - 1);
    emit list->activated(position - 1);
}

class SettingsKept : public ::testing::Test {
  protected:
    std::string stored() { return readBytes(test.dir.file("CD21PRM.DAT")); }
    void save() { test.controls().btGrava->click(); }

    PrintJobWindow test;
};

// Darkness 25 stored with a Datamax model (whose list stops at 15), as a file written
// elsewhere may hold it: a save of another port keeps 25.
TEST_F(SettingsKept, ADarknessTheListCannotShowSurvivesASaveOfOtherSettings) {
    test.open(settingsRecord(1, 1, 25));
    const auto& c = test.controls();
    ASSERT_EQ(stored().substr(0, 7), "1010125");
    ASSERT_EQ(c.wPrmtemp->count(), 15);
    ASSERT_EQ(c.wPrmtemp->selection(), 0);
    choose(c.wPrmportaimp, 2);
    save();
    EXPECT_EQ(stored(), settingsRecord(1, 2, 25));
    EXPECT_EQ(test.session().settings.darkness(), 25);
    EXPECT_TRUE(test.messageBox.shown.empty());
}

TEST_F(SettingsKept, ADarknessChosenInTheListIsStillSaved) {
    test.open(settingsRecord(1, 1, 25));
    choose(test.controls().wPrmtemp, 7);
    save();
    EXPECT_EQ(stored(), settingsRecord(1, 1, 7));
}

class SettingsFileGone : public SettingsKept {
  protected:
    void SetUp() override {
        test.open(settingsRecord(5, 3, 12, true, 4, 6, 'D', 1));
        test.loadOrder(sampleLines());
        test.clickCell(1, orders::kColSel);
        test.items().markPrinted(2);
        ASSERT_TRUE(test.messageBox.shown.empty());
    }
    // The window as the operator left it: the order, its tick and its printed mark.
    void expectOrderKept() {
        rotulano::test::TestWindow::processEvents();
        EXPECT_FALSE(test.window->formClosed());
        EXPECT_EQ(test.grid().rowCount(), static_cast<int>(sampleLines().size()) - 1);
        EXPECT_EQ(test.marks()[0], QStringLiteral("X"));
        EXPECT_EQ(test.marks()[1], QString::fromLatin1("\xD8"));
    }
};

// Entering "Configuração" without the file: one report, the window stays open with the
// settings last read, and Save is offered to write them afresh.
TEST_F(SettingsFileGone, EnteringConfiguracaoReportsItOnceAndKeepsTheWindow) {
    std::filesystem::remove(test.dir.file("CD21PRM.DAT"));
    test.clickPage(3);
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Status [35] Arquivo de parâmetros\n") +
                  QString::fromStdString(test.dir.file("CD21PRM.DAT")) +
                  ": o arquivo, ou a pasta em que estaria, não existe\n" +
                  utf8("o arquivo será criado ao clicar em Gravar"));
    EXPECT_EQ(test.messageBox.shown[0].title,
              utf8("Arquivo não existe em disco e não pode ser criado"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x10);
    expectOrderKept();
    const auto& c = test.controls();
    EXPECT_EQ(c.wPrmtipoimp->selection(), 5);
    EXPECT_EQ(c.wPrmportaimp->selection(), 3);
    EXPECT_EQ(c.wPrmtemp->selection(), 12);
    EXPECT_EQ(c.wPrmmargSup->value(), 6);
    EXPECT_TRUE(c.btGrava->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(test.dir.file("CD21PRM.DAT")));
}

TEST_F(SettingsFileGone, ALaterSaveCreatesTheFileWithTheSettingsShown) {
    std::filesystem::remove(test.dir.file("CD21PRM.DAT"));
    test.clickPage(3);
    choose(test.controls().wPrmvel, 2);
    save();
    EXPECT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(stored(), settingsRecord(5, 3, 12, true, 4, 6, 'B', 1));
    EXPECT_EQ(test.session().settings.speed(), 'B');
    EXPECT_FALSE(test.controls().btGrava->isEnabled());
    expectOrderKept();
}

TEST_F(SettingsFileGone, AFileThatLostItsRecordIsReportedOnceToo) {
    writeBytes(test.dir.file("CD21PRM.DAT"), "2");
    test.clickPage(3);
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8("Status [23] Arquivo de parâmetros\n") +
                  QString::fromStdString(test.dir.file("CD21PRM.DAT")) +
                  utf8(": o arquivo não contém o registro de parâmetros (146 bytes, chave \"1\")"));
    EXPECT_EQ(test.messageBox.shown[0].title, utf8("Registro não existe no arquivo"));
    expectOrderKept();
    EXPECT_EQ(test.controls().wPrmportaimp->selection(), 3);
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
}

}  // namespace
