#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>

#include "support/WindowFakes.h"
#include "window/Handlers.h"

namespace {

using rotulano::test::TestWindow;
using rotulano::test::writeBytes;

// A small order: a header of version 020500 and one TAG item.
std::string orderFile() {
    std::string header =
        "00"
        "12345678000199" +
        std::string("FORNECEDOR TESTE") + std::string(14, ' ') + "654321" + "  " + "01022024" +
        "02022024";
    header += std::string(250 - header.size(), ' ') + "020500";
    header += std::string(300 - header.size(), ' ');
    std::string item =
        "11  "
        "000012"
        "1234567890" +
        std::string("CAMISETA") + std::string(22, ' ') + "00001990";
    item += std::string(300 - item.size(), ' ');
    return header + "\r\n" + item + "\r\n";
}

class FileChooser : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open();
        ASSERT_TRUE(test.messageBox.shown.empty());
    }
    TestWindow test;
};

TEST_F(FileChooser, ShowsTheSelecaoPageBeforeTheDialogWithItsTitleAndFilter) {
    test.controls().tbOpera->setPage(3);
    int pageWhenOpen = 0;
    test.fileDialog.onOpen = [&] { pageWhenOpen = test.controls().tbOpera->page(); };
    rotulano::window::subProcuraArquivo(test.context());
    EXPECT_EQ(pageWhenOpen, 1);
    ASSERT_EQ(test.fileDialog.openings.size(), 1u);
    EXPECT_EQ(test.fileDialog.openings[0].title,
              QStringLiteral("Procurando por arquivos de Pedidos Lojasverdelis"));
    EXPECT_EQ(test.fileDialog.openings[0].filter, QStringLiteral("Arquivos Texto (*.txt)"));
}

TEST_F(FileChooser, WritesTheChosenPathIntoTheFullPathField) {
    const QString path = QString::fromStdString(test.dir.file("PEDIDO.txt"));
    writeBytes(path.toStdString(), orderFile());
    test.fileDialog.answers.push_back(path);
    test.controls().btSelecionar->click();
    EXPECT_EQ(test.controls().wNomeCompleto->text(), path);
    EXPECT_EQ(test.controls().tabPedido->rowCount(), 1);
}

TEST_F(FileChooser, APathLongerThanTheFieldIsUsedWhole) {
    const QString path =
        QStringLiteral("/pedidos/") + QString(200, QLatin1Char('p')) + QStringLiteral(".txt");
    test.fileDialog.answers.push_back(path);
    test.controls().menuAbrir->trigger();
    EXPECT_EQ(test.controls().wNomeCompleto->text(), path);
}

TEST_F(FileChooser, CancellingWithAnOrderShownEmptiesTheWindow) {
    const QString path = QString::fromStdString(test.dir.file("PEDIDO.txt"));
    writeBytes(path.toStdString(), orderFile());
    test.fileDialog.answers.push_back(path);
    test.controls().btSelecionar->click();
    ASSERT_EQ(test.controls().tabPedido->rowCount(), 1);
    ASSERT_FALSE(test.controls().wHearaz->text().trimmed().isEmpty());

    test.controls().btSelecionar->click();  // no answer queued: cancel
    EXPECT_TRUE(test.controls().wNomeCompleto->text().isEmpty());
    EXPECT_EQ(test.controls().tabPedido->rowCount(), 0);
    EXPECT_TRUE(test.controls().wHearaz->text().trimmed().isEmpty());
    EXPECT_TRUE(test.controls().wHeaped->text().trimmed().isEmpty());
    EXPECT_FALSE(test.controls().btImprime->isEnabled());
    EXPECT_TRUE(test.messageBox.shown.empty());
}

}  // namespace
