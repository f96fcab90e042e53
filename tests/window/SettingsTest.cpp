#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>
#include <functional>

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

// The darkness list is the chosen model's at once, with the chosen step kept where both
// lists have it.
TEST(SaveSettingsModel, ANewModelBringsItsDarknessListAtOnce) {
    TestWindow test;
    test.open();
    choose(test.controls().wPrmtipoimp, 6);
    EXPECT_EQ(test.controls().wPrmtemp->count(), 30);
    EXPECT_EQ(test.controls().wPrmtemp->currentText(), QStringLiteral("010"));
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
    test.controls().btGrava->click();
    EXPECT_EQ(readBytes(test.dir.file("CD21PRM.DAT")).substr(0, 14), "1060110S0000A1");
    EXPECT_EQ(test.controls().wPrmtemp->count(), 30);
    rotulano::window::subLeArqprm(test.context());
    EXPECT_EQ(test.controls().wPrmtemp->count(), 30);
    EXPECT_EQ(test.controls().wPrmtemp->currentText(), QStringLiteral("010"));
    choose(test.controls().wPrmtipoimp, 1);
    EXPECT_EQ(test.controls().wPrmtemp->count(), 15);
    EXPECT_EQ(test.controls().wPrmtemp->currentText(), QStringLiteral("010"));
}

// A step the new list does not have: its last step is chosen, and a save stores it.
TEST(SaveSettingsModel, AStepTheNewListLacksBecomesItsLastStep) {
    TestWindow test;
    writeBytes(test.dir.file("CD21PRM.DAT"), "1060125S0000A1" + std::string(132, '0'));
    test.open();
    ASSERT_EQ(test.controls().wPrmtemp->currentText(), QStringLiteral("025"));
    ASSERT_FALSE(test.controls().btGrava->isEnabled());
    choose(test.controls().wPrmtipoimp, 1);
    EXPECT_EQ(test.controls().wPrmtemp->count(), 15);
    EXPECT_EQ(test.controls().wPrmtemp->currentText(), QStringLiteral("015"));
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
    test.controls().btGrava->click();
    EXPECT_EQ(readBytes(test.dir.file("CD21PRM.DAT")).substr(0, 14), "1010115S0000A1");
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

struct FailedSave {
    const char* name;
    std::function<void(const std::string& path)> damage;  // done after the start-up
    const char* text;                                     // the status frame
    const char* cause;  // the line below it, after the file's path
    const char* title;
};

class FailedSaves : public SaveSettings, public ::testing::WithParamInterface<FailedSave> {};

// A save that cannot be made is reported with its status, leaves the file as it is and
// Save enabled, and the program goes on.
TEST_P(FailedSaves, AreReportedAndChangeNothing) {
    const FailedSave& c = GetParam();
    start("1010110S0000A1" + filler());
    const std::string path = test.dir.file("CD21PRM.DAT");
    c.damage(path);
    const bool existed = std::filesystem::exists(path);
    const std::string before = readBytes(path);
    const std::string settingsBefore = test.session().settings.record();
    choose(test.controls().wPrmvel, 5);
    save();
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].text,
              utf8(c.text) + "\n" + QString::fromStdString(path) + ": " + utf8(c.cause));
    EXPECT_EQ(test.messageBox.shown[0].title, utf8(c.title));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x10);
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
    EXPECT_EQ(std::filesystem::exists(path), existed);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(test.session().settings.record(), settingsBefore);
    TestWindow::processEvents();
    EXPECT_FALSE(test.window->formClosed());
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, FailedSaves,
    ::testing::Values(FailedSave{"ReadOnly",
                                 [](const std::string& path) {
                                     namespace fs = std::filesystem;
                                     fs::permissions(path, fs::perms::owner_read |
                                                               fs::perms::group_read |
                                                               fs::perms::others_read);
                                 },
                                 "Status [37] Arquivo de parâmetros",
                                 "sem permissão para abrir ou gravar o arquivo (ou a pasta dele)",
                                 "Função especificada não é suportada"},
                      FailedSave{
                          "LostItsRecord", [](const std::string& path) { writeBytes(path, "2"); },
                          "Status [23] Impossivel Atualizar sistema erro Fatal !",
                          "o arquivo não contém o registro de parâmetros (146 bytes, chave \"1\")",
                          "Registro não existe no arquivo"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveSettings, ReadingTheSettingsAgainUndoesUnsavedChoices) {
    start("1010110S0000A1" + filler());
    choose(test.controls().wPrmlingua, 2);
    ASSERT_EQ(test.controls().btGrava->text(), QStringLiteral("Save"));
    rotulano::window::subLeArqprm(test.context());
    EXPECT_EQ(test.controls().wPrmlingua->selection(), 1);
    EXPECT_EQ(test.controls().btGrava->text(), QStringLiteral("Gravar"));
    EXPECT_FALSE(test.controls().btGrava->isEnabled());
}

struct SaveButtonCase {
    const char* name;
    std::function<void(const rotulano::window::Controls&)> change;
    bool enables;
};

class SaveButton : public SaveSettings, public ::testing::WithParamInterface<SaveButtonCase> {};

// Stored margins 05 and 08; Save is disabled before each change.
TEST_P(SaveButton, IsEnabledByAChangeOfTheSettings) {
    start("1050110S0508A1" + filler());
    const auto& c = test.controls();
    ASSERT_FALSE(c.btGrava->isEnabled());
    GetParam().change(c);
    EXPECT_EQ(c.btGrava->isEnabled(), GetParam().enables);
}

using C = const rotulano::window::Controls&;

INSTANTIATE_TEST_SUITE_P(
    Changes, SaveButton,
    ::testing::Values(
        SaveButtonCase{"MarginBackToTheStoredOne",
                       [](C c) {
                           c.wPrmmargEsq->setValue(6);
                           c.btGrava->setEnabled(false);
                           c.wPrmmargEsq->setValue(5);
                       },
                       false},
        SaveButtonCase{"OtherLeftMargin", [](C c) { c.wPrmmargEsq->setValue(6); }, true},
        SaveButtonCase{"OtherSecondMargin", [](C c) { c.wPrmmargSup->setValue(9); }, true},
        // compared with its own stored field, not with the left margin
        SaveButtonCase{"SecondMarginOfTheLeftValue", [](C c) { c.wPrmmargSup->setValue(5); }, true},
        // a margin typed back to the stored one leaves nothing to save
        SaveButtonCase{"TypingBackTheStoredMargin",
                       [](C c) {
                           c.wPrmmargSup->setValue(9);
                           c.wPrmmargSup->setValue(8);
                       },
                       false},
        // leaving a margin field that was not changed is not a change
        SaveButtonCase{"EndOfAMarginEditThatChangedNothing",
                       [](C c) { emit c.wPrmmargEsq->editingFinished(); }, false},
        // choosing the stored model again, or the stored language, changes nothing
        SaveButtonCase{"TheSelectedModel", [](C c) { choose(c.wPrmtipoimp, 5); }, false},
        SaveButtonCase{"AnotherModel", [](C c) { choose(c.wPrmtipoimp, 6); }, true},
        SaveButtonCase{"PauseTickedAndUnticked",
                       [](C c) {
                           c.wPrmpara->click();
                           c.wPrmpara->click();
                       },
                       false},
        SaveButtonCase{"PortChangedAndBack",
                       [](C c) {
                           choose(c.wPrmportaimp, 2);
                           choose(c.wPrmportaimp, 1);
                       },
                       false},
        SaveButtonCase{"Pause", [](C c) { c.wPrmpara->click(); }, true},
        SaveButtonCase{"Port", [](C c) { choose(c.wPrmportaimp, 2); }, true},
        SaveButtonCase{"Darkness", [](C c) { choose(c.wPrmtemp, 3); }, true},
        SaveButtonCase{"Speed", [](C c) { choose(c.wPrmvel, 4); }, true},
        SaveButtonCase{"TheSelectedLanguage", [](C c) { choose(c.wPrmlingua, 1); }, false},
        SaveButtonCase{"AnotherLanguage", [](C c) { choose(c.wPrmlingua, 2); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
