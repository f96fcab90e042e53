#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>

#include "config/PrinterLists.h"
#include "printing/SerialSetup.h"
#include "support/WindowFakes.h"
#include "window/Pictures.h"

namespace {

using rotulano::test::readBytes;
using rotulano::test::TestWindow;
using rotulano::test::writeBytes;
using rotulano::window::DropDownList;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QStringList itemsOf(const DropDownList* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

const std::string kDefaultRecord =
    "1"
    "01"
    "01"
    "10"
    "S"
    "00"
    "00"
    "0"
    "1" +
    std::string(132, '0');

TEST(FirstStart, CreatesTheDefaultParameterFileAndShowsItWithoutAMessage) {
    TestWindow test;
    test.open();
    EXPECT_EQ(readBytes(test.dir.file("CD21PRM.DAT")), kDefaultRecord);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_FALSE(test.window->formClosed());
    EXPECT_TRUE(test.window->isVisible());
    // the default settings, with Save and Imprime disabled
    const auto& c = test.controls();
    EXPECT_EQ(c.wPrmtipoimp->currentText(), QStringLiteral("Datamax - ALEGRO"));
    EXPECT_EQ(c.wPrmportaimp->currentText(), QStringLiteral("LPT1"));
    EXPECT_EQ(c.wPrmtemp->count(), 15);
    EXPECT_EQ(c.wPrmtemp->selection(), 10);
    EXPECT_EQ(c.wPrmtemp->currentText(), QStringLiteral("010"));
    EXPECT_TRUE(c.wPrmpara->isChecked());
    EXPECT_EQ(c.wPrmmargEsq->value(), 0);
    EXPECT_EQ(c.wPrmmargSup->value(), 0);
    EXPECT_EQ(c.wPrmvel->currentText(), QStringLiteral("A"));
    EXPECT_EQ(c.wPrmlingua->currentText(), utf8("Português"));
    EXPECT_FALSE(c.btGrava->isEnabled());
    EXPECT_FALSE(c.btImprime->isEnabled());
    EXPECT_EQ(c.btGrava->text(), QStringLiteral("Gravar"));
    EXPECT_EQ(c.wMargem2->text(), QStringLiteral("Inferior"));
}

QStringList listOf(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) {
        list << QString::fromStdString(item);
    }
    return list;
}

// The lists show the printer lists' items, in their order: the settings store positions.
TEST(FirstStart, FillsTheFixedListsWithThePrinterListsItems) {
    using rotulano::config::PrinterLists;
    TestWindow test;
    test.open();
    const auto& c = test.controls();
    EXPECT_EQ(itemsOf(c.wPrmtipoimp), listOf(PrinterLists::modelItems()));
    EXPECT_EQ(itemsOf(c.wPrmlingua), listOf(PrinterLists::languageItems()));
    EXPECT_EQ(itemsOf(c.wPrmportaimp), listOf(PrinterLists::portItems()));
    EXPECT_EQ(itemsOf(c.wPrmvel), listOf(PrinterLists::speedItems()));
    EXPECT_EQ(itemsOf(c.wPrmtemp), listOf(PrinterLists::darknessItems(1)));
    EXPECT_EQ(c.wPrmtipoimp->count(), 6);
    EXPECT_EQ(c.wPrmportaimp->count(), 6);
}

TEST(FirstStart, ResetsTheWorkFieldsAndClearsThePrintPage) {
    TestWindow test;
    test.session().channel.serialPortConfigured = true;
    test.session().channel.printFileName = "old";
    test.session().orderNumber = "123456";
    test.session().lastSelRow = 4;
    test.open();
    const auto& s = test.session();
    EXPECT_FALSE(s.channel.serialPortConfigured);
    EXPECT_TRUE(s.channel.printFileName.empty());
    EXPECT_EQ(s.orderNumber, "000000");
    EXPECT_EQ(s.lastSelRow, 0);
    EXPECT_EQ(test.controls().tabPedido->columnCount(), 11);
    EXPECT_EQ(test.controls().tabPedido->rowCount(), 0);
    EXPECT_TRUE(test.controls().wEtiqueta->text().isEmpty());
    EXPECT_TRUE(rotulano::window::pictureName(test.controls().cmImage2).isEmpty());
    EXPECT_EQ(test.controls().wDetqtd->text(), QStringLiteral("       "));
}

// The system's temporary directory is kept whole, however long; where no folder of the
// window's own can be made in it (it does not exist, or there is none), there is none.
TEST(FirstStart, TakesTheTemporaryDirectoryAsTheSystemGivesIt) {
    for (const std::string& temp : {"/tmp/" + std::string(300, 'd') + "/", std::string()}) {
        TestWindow test;
        test.platform.tempDirValue = temp;
        test.open();
        EXPECT_EQ(test.session().channel.sharedTempDir, temp);
        EXPECT_EQ(test.session().channel.tempDir, "");
    }
}

// The print files go into a folder that only this window uses and only its user can
// enter, made at start-up and removed, with what is left in it, when the window closes.
TEST(FirstStart, MakesAPrintFolderOfItsOwnRemovedAtTheClose) {
    TestWindow test;
    test.open();
    const std::string folder = test.session().channel.tempDir;
    ASSERT_EQ(folder.rfind(test.platform.tempDirValue + "rotulano-", 0), 0U) << folder;
    ASSERT_EQ(folder.back(), '/');
    struct stat info {};
    ASSERT_EQ(::lstat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0700U);
    writeBytes(folder + "09050703.TXT", "^XA^XZ");
    test.window->close();
    TestWindow::processEvents();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(folder)));
}

TEST(Start, ShowsTheStoredSettings) {
    TestWindow test;
    writeBytes(test.dir.file("CD21PRM.DAT"), "1050321N0508Q2" + std::string(132, '0'));
    test.open();
    const auto& c = test.controls();
    EXPECT_EQ(c.wPrmtipoimp->selection(), 5);
    EXPECT_EQ(c.wPrmportaimp->currentText(), QStringLiteral("COM1"));
    EXPECT_EQ(c.wPrmtemp->count(), 30);
    EXPECT_EQ(c.wPrmtemp->currentText(), QStringLiteral("021"));
    EXPECT_FALSE(c.wPrmpara->isChecked());
    EXPECT_EQ(c.wPrmmargEsq->value(), 5);
    EXPECT_EQ(c.wPrmmargSup->value(), 8);
    EXPECT_EQ(c.wPrmvel->currentText(), QStringLiteral("Q"));
    EXPECT_EQ(c.wPrmlingua->selection(), 2);
    EXPECT_EQ(c.btGrava->text(), QStringLiteral("Save"));
    EXPECT_EQ(c.wMargem2->text(), QStringLiteral("Top"));
    EXPECT_FALSE(c.btGrava->isEnabled());
    EXPECT_TRUE(test.messageBox.shown.empty());
}

struct BadFile {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* status;
    const char* title;
    const char* cause;  // the line below the status frame, after the file's path
    bool creating;      // the file was missing and could not be made
};

const char* const kFixAdvice =
    "O programa não abre sem esse arquivo: corrija-o ou apague-o (ao abrir, o programa cria "
    "outro com os valores iniciais) e abra o programa de novo.";
const char* const kCreateAdvice =
    "O programa não abre sem esse arquivo e o cria na pasta em que é aberto: abra-o numa "
    "pasta em que possa gravar, ou dê essa permissão à pasta.";
const char* const kNoRecord = "Registro não existe no arquivo";
const char* const kNoRecordCause =
    "o arquivo não contém o registro de parâmetros (146 bytes, chave \"1\")";

std::vector<BadFile> badFiles() {
    return {
        {"empty", [](const std::string& p) { writeBytes(p, ""); }, "23", kNoRecord, kNoRecordCause,
         false},
        {"wrong key", [](const std::string& p) { writeBytes(p, "2" + std::string(145, '0')); },
         "23", kNoRecord, kNoRecordCause, false},
        {"short record", [](const std::string& p) { writeBytes(p, "1010110S"); }, "23", kNoRecord,
         kNoRecordCause, false},
        {"directory", [](const std::string& p) { std::filesystem::create_directory(p); }, "39",
         "Atributos do arquivo conflitantes com o programa (",
         "o nome é de uma pasta, não de um arquivo", false},
        {"unreadable link loop",
         [](const std::string& p) { std::filesystem::create_symlink(p, p); }, "30",
         "Ocorreu um erro físico durante o acesso ao arquivo",
         "o nome é um laço de links, que não leva a nenhum arquivo", false},
        {"missing and cannot be created",
         [](const std::string& p) { std::filesystem::create_symlink("sem-pasta/CD21PRM.DAT", p); },
         "35", "Arquivo não existe em disco e não pode ser criado",
         "o arquivo, ou a pasta em que estaria, não existe", true},
    };
}

// One box says which file, why and what to do; the program ends after it.
TEST(StartWithABadParameterFile, SaysOnceWhichFileWhyAndWhatToDoThenTheProgramEnds) {
    for (const BadFile& bad : badFiles()) {
        TestWindow test;
        const std::string path = test.dir.file("CD21PRM.DAT");
        bad.make(path);
        test.open();
        ASSERT_EQ(test.messageBox.shown.size(), 1U) << bad.name;
        EXPECT_EQ(test.messageBox.shown[0].text,
                  QStringLiteral("Status [") + bad.status +
                      QString::fromUtf8("] Arquivo de parâmetros\n") +
                      QString::fromStdString(path) + QStringLiteral(": ") +
                      QString::fromUtf8(bad.cause) + QLatin1Char('\n') +
                      QString::fromUtf8(bad.creating ? kCreateAdvice : kFixAdvice))
            << bad.name;
        EXPECT_EQ(test.messageBox.shown[0].title, QString::fromUtf8(bad.title)) << bad.name;
        EXPECT_EQ(test.messageBox.shown[0].style, 0x10) << bad.name;
        EXPECT_TRUE(test.window->formClosed()) << bad.name;
        EXPECT_FALSE(test.window->isVisible()) << bad.name;
    }
}

TEST(StartWithABadParameterFile, TheCloseWaitsForTheOpenedHandlerToFinish) {
    TestWindow test;
    writeBytes(test.dir.file("CD21PRM.DAT"), "");
    bool closedWhileShown = true;
    test.messageBox.onShow = [&](const rotulano::test::ShownMessage&) {
        closedWhileShown = test.window->formClosed();
    };
    test.window->show();
    EXPECT_FALSE(closedWhileShown);
    EXPECT_FALSE(test.window->formClosed());
    EXPECT_TRUE(test.session().closeRequested);
    TestWindow::processEvents();
    EXPECT_TRUE(test.window->formClosed());
}

TEST(Shutdown, DeletesTheLastPrintFileMadeByTheProgram) {
    TestWindow test;
    test.open();
    const std::string printFile = test.dir.file("10203040.TXT");
    writeBytes(printFile, "^XA\r\n^XZ\r\n");
    test.session().channel.printFileName = printFile;
    test.window->close();
    EXPECT_EQ(test.platform.deleted, std::vector<std::string>{printFile});
    EXPECT_FALSE(std::filesystem::exists(printFile));
}

// The serial set-up removes the last print file itself: closing afterwards deletes nothing,
// and the port device is never named for deletion. A window that never printed deletes
// nothing either.
TEST(Shutdown, DeletesNothingButItsOwnPrintFile) {
    for (bool serialSetUp : {true, false}) {
        SCOPED_TRACE(serialSetUp ? "after the serial set-up" : "never printed");
        TestWindow test;
        test.open();
        std::vector<std::string> deleted;
        if (serialSetUp) {
            const std::string printFile = test.session().channel.tempDir + "10203040.TXT";
            writeBytes(printFile, "^XA\r\n^XZ\r\n");
            test.session().channel.printFileName = printFile;
            rotulano::printing::PrintChannel channel(test.session().channel, test.platform);
            rotulano::printing::rotinaSerial(channel, "COM1");
            deleted.push_back(printFile);
        }
        test.window->close();
        EXPECT_TRUE(test.window->formClosed());
        EXPECT_EQ(test.platform.deleted, deleted);
    }
}

}  // namespace
