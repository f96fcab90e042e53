#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>

#include "support/WindowFakes.h"
#include "window/Handlers.h"

namespace {

using rotulano::test::readBytes;
using rotulano::test::TestWindow;
using rotulano::test::writeBytes;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// A filler that a save must carry unchanged: not the zeros the program writes itself.
std::string filler() {
    std::string bytes;
    for (int i = 0; i < 132; ++i) {
        bytes.push_back(static_cast<char>('A' + i % 26));
    }
    bytes[10] = static_cast<char>(0xE7);  // a Latin-1 byte
    return bytes;
}

// The operator's choices, as clicks in the lists raise them.
void choose(rotulano::window::DropDownList* list, int position) {
    list->setCurrentIndex(position - 1);
    emit list->activated(position - 1);
}

class SaveSettings : public ::testing::Test {
  protected:
    void start(const std::string& record) {
        writeBytes(test.dir.file("CD21PRM.DAT"), record);
        test.open();
        ASSERT_TRUE(test.messageBox.shown.empty());
    }
    std::string stored() { return readBytes(test.dir.file("CD21PRM.DAT")); }
    void save() { test.controls().btGrava->click(); }

    TestWindow test;
};

TEST_F(SaveSettings, WritesTheControlsIntoPositionsOneToFourteenAndKeepsTheFiller) {
    start("1050110S0000A1" + filler());
    const auto& c = test.controls();
    choose(c.wPrmtipoimp, 6);
    choose(c.wPrmportaimp, 4);
    choose(c.wPrmtemp, 22);
    c.wPrmpara->click();
    c.wPrmmargEsq->setValue(7);
    c.wPrmmargSup->setValue(13);
    choose(c.wPrmvel, 3);
    choose(c.wPrmlingua, 2);
    ASSERT_TRUE(c.btGrava->isEnabled());
    save();
    // COM2 is the fourth port of the list.
    EXPECT_EQ(stored(), "1060422N0713C2" + filler());
    EXPECT_EQ(test.session().settings.record(), "1060422N0713C2" + filler());
    EXPECT_FALSE(c.btGrava->isEnabled());
    EXPECT_TRUE(test.messageBox.shown.empty());
}

TEST_F(SaveSettings, ARestartShowsTheSavedSettings) {
    start("1050110S0000A1" + filler());
    writeBytes(test.dir.file("CD21PRM.DAT"), "1060422N0713C2" + filler());
    rotulano::window::MainWindow restarted(test.messageBox, test.fileDialog, test.platform);
    restarted.show();
    const auto& c = restarted.controls();
    EXPECT_EQ(c.wPrmtipoimp->currentText(), QStringLiteral("Zebra - Z105/S"));
    EXPECT_EQ(c.wPrmportaimp->currentText(), QStringLiteral("COM2"));
    EXPECT_EQ(c.wPrmtemp->count(), 30);
    EXPECT_EQ(c.wPrmtemp->currentText(), QStringLiteral("022"));
    EXPECT_FALSE(c.wPrmpara->isChecked());
    EXPECT_EQ(c.wPrmmargEsq->value(), 7);
    EXPECT_EQ(c.wPrmmargSup->value(), 13);
    EXPECT_EQ(c.wPrmvel->currentText(), QStringLiteral("C"));
    EXPECT_EQ(c.wPrmlingua->currentText(), QStringLiteral("English"));
    EXPECT_FALSE(c.btGrava->isEnabled());
    restarted.close();
}

TEST(SaveSettingsModel, ANewModelKeepsItsDarknessListUntilTheSettingsAreReadAgain) {
    TestWindow test;
    test.open();
    choose(test.controls().wPrmtipoimp, 6);
    EXPECT_EQ(test.controls().wPrmtemp->count(), 15);
    test.controls().btGrava->click();
    EXPECT_EQ(readBytes(test.dir.file("CD21PRM.DAT")).substr(0, 14), "1060110S0000A1");
    EXPECT_EQ(test.controls().wPrmtemp->count(), 15);
    rotulano::window::subLeArqprm(test.context());
    EXPECT_EQ(test.controls().wPrmtemp->count(), 30);
    EXPECT_EQ(test.controls().wPrmtemp->currentText(), QStringLiteral("010"));
}

TEST_F(SaveSettings, SpeedAIsWrittenAsTheLetterOverTheCreatedZero) {
    TestWindow fresh;
    fresh.open();
    ASSERT_EQ(readBytes(fresh.dir.file("CD21PRM.DAT"))[12], '0');
    fresh.controls().btGrava->setEnabled(true);
    fresh.controls().btGrava->click();
    EXPECT_EQ(readBytes(fresh.dir.file("CD21PRM.DAT")), "1010110S0000A1" + std::string(132, '0'));
}

TEST_F(SaveSettings, AnotherPortClearsTheSerialSetUpFlagTheSamePortKeepsIt) {
    start("1010310S0000A1" + filler());
    test.session().channel.serialPortConfigured = true;
    choose(test.controls().wPrmportaimp, 3);
    save();
    EXPECT_TRUE(test.session().channel.serialPortConfigured);
    choose(test.controls().wPrmportaimp, 4);
    save();
    EXPECT_FALSE(test.session().channel.serialPortConfigured);
    EXPECT_EQ(test.session().settings.port(), 4);
}

TEST_F(SaveSettings, IntoAReadOnlyFileIsReportedAndKeepsSaveEnabled) {
    const std::string before = "1010110S0000A1" + filler();
    start(before);
    std::filesystem::permissions(test.dir.file("CD21PRM.DAT"),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::group_read |
                                     std::filesystem::perms::others_read);
    choose(test.controls().wPrmvel, 5);
    save();
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text, utf8("Status [37] Arquivo de parâmetros"));
    EXPECT_EQ(test.messageBox.shown[0].title, utf8("Função especificada não é suportada"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x10);
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(test.session().settings.record(), before);
    TestWindow::processEvents();
    EXPECT_FALSE(test.window->formClosed());
}

TEST_F(SaveSettings, AParameterFileGoneSinceStartIsReportedAndNothingIsWritten) {
    start("1010110S0000A1" + filler());
    std::filesystem::remove(test.dir.file("CD21PRM.DAT"));
    test.controls().btGrava->setEnabled(true);
    save();
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("Status [35] Erro Fatal do Arquivo de Parametros (02)"));
    EXPECT_EQ(test.messageBox.shown[0].title,
              utf8("Arquivo não existe em disco e não pode ser criado"));
    EXPECT_FALSE(std::filesystem::exists(test.dir.file("CD21PRM.DAT")));
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
    TestWindow::processEvents();
    EXPECT_FALSE(test.window->formClosed());
}

TEST_F(SaveSettings, AParameterFileThatLostItsRecordIsReportedAndKeptAsItIs) {
    start("1010110S0000A1" + filler());
    writeBytes(test.dir.file("CD21PRM.DAT"), "2");
    test.controls().btGrava->setEnabled(true);
    save();
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("Status [23] Impossivel Atualizar sistema erro Fatal !"));
    EXPECT_EQ(test.messageBox.shown[0].title, utf8("Registro não existe no arquivo"));
    EXPECT_EQ(stored(), "2");
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
}

TEST_F(SaveSettings, ReadingTheSettingsAgainUndoesUnsavedChoices) {
    start("1010110S0000A1" + filler());
    choose(test.controls().wPrmlingua, 2);
    ASSERT_EQ(test.controls().btGrava->text(), QStringLiteral("Save"));
    rotulano::window::subLeArqprm(test.context());
    EXPECT_EQ(test.controls().wPrmlingua->selection(), 1);
    EXPECT_EQ(test.controls().btGrava->text(), QStringLiteral("Gravar"));
    EXPECT_FALSE(test.controls().btGrava->isEnabled());
}

// The Save button's rules for the margin fields and the model list.
class SaveButton : public SaveSettings {
  protected:
    void SetUp() override {
        start("1050110S0508A1" + filler());
        ASSERT_FALSE(test.controls().btGrava->isEnabled());
    }
};

TEST_F(SaveButton, AMarginEqualToTheStoredOneLeavesSaveDisabled) {
    test.controls().wPrmmargEsq->setValue(6);
    test.controls().wPrmmargEsq->setValue(5);
    test.controls().btGrava->setEnabled(false);
    test.controls().wPrmmargEsq->setValue(5);
    test.controls().wPrmmargSup->setValue(8);
    EXPECT_FALSE(test.controls().btGrava->isEnabled());
}

TEST_F(SaveButton, ADifferentMarginEnablesSaveAndTypingBackTheStoredOneKeepsItEnabled) {
    for (QSpinBox* field : {test.controls().wPrmmargEsq, test.controls().wPrmmargSup}) {
        const int storedValue = field->value();
        test.controls().btGrava->setEnabled(false);
        field->setValue(storedValue + 1);
        EXPECT_TRUE(test.controls().btGrava->isEnabled()) << field->objectName().toStdString();
        field->setValue(storedValue);
        EXPECT_TRUE(test.controls().btGrava->isEnabled()) << field->objectName().toStdString();
    }
}

TEST_F(SaveButton, EachMarginIsComparedWithItsOwnStoredField) {
    test.controls().wPrmmargSup->setValue(5);  // the stored left margin, not the second one
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
}

TEST_F(SaveButton, TheEndOfAMarginEditEnablesSaveWhatever) {
    emit test.controls().wPrmmargEsq->editingFinished();
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
}

TEST_F(SaveButton, ChoosingTheSelectedModelStillEnablesSaveAndRewritesTheSecondMarginCaption) {
    test.controls().wMargem2->setText(QStringLiteral("?"));
    choose(test.controls().wPrmtipoimp, 5);
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
    EXPECT_EQ(test.controls().wMargem2->text(), QStringLiteral("Superior"));
}

TEST_F(SaveButton, TickingPauseOrChoosingPortDarknessSpeedOrLanguageEnablesSave) {
    const std::function<void()> changes[] = {
        [&] { test.controls().wPrmpara->click(); },
        [&] { choose(test.controls().wPrmportaimp, 2); },
        [&] { choose(test.controls().wPrmtemp, 3); },
        [&] { choose(test.controls().wPrmvel, 4); },
        [&] { choose(test.controls().wPrmlingua, 1); },
    };
    for (const auto& change : changes) {
        test.controls().btGrava->setEnabled(false);
        change();
        EXPECT_TRUE(test.controls().btGrava->isEnabled());
    }
}

}  // namespace
