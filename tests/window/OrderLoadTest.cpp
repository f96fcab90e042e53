#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QPushButton>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/WindowFakes.h"
#include "window/Handlers.h"
#include "window/ItemTableView.h"
#include "window/ShownGrid.h"

// Loading an order as the operator does it: through the file chooser, or a path written
// into W-NOME-COMPLETO, on the real main window with the message boxes answered here.
namespace {

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::orderFile;
using rotulano::test::TestLine;
using rotulano::test::TestWindow;
namespace orders = rotulano::orders;

const QString kAtencao = QStringLiteral("ATENÇÃO");

std::string threeItems() {
    return orderFile({headerLine(), TestLine(itemLine('1', "000012")).at(196, "AMARELO   "),
                      TestLine(itemLine('9', "000003")).at(11, "7891234567895"),
                      TestLine(itemLine('A', "000600")).at(36, "LOTE0042SETOR 12ACX000017")});
}

class OrderLoad : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open();
        ASSERT_TRUE(test.messageBox.shown.empty());
    }

    QString write(const std::string& bytes, const std::string& name = "PEDIDO.txt") {
        rotulano::test::writeBytes(test.dir.file(name), bytes);
        return QString::fromStdString(test.dir.file(name));
    }
    // Writes `bytes` as an order file and loads it through W-NOME-COMPLETO.
    void load(const std::string& bytes, const std::string& name = "PEDIDO.txt") {
        loadPath(write(bytes, name));
    }
    void loadPath(const QString& path) { test.controls().wNomeCompleto->setText(path); }
    // Answers the file dialog with `path` (an empty one cancels) and opens it.
    void choose(const QString& path) {
        test.fileDialog.answers = {path};
        test.controls().btSelecionar->click();
    }

    rotulano::test::ShownGrid grid() {
        return rotulano::test::ShownGrid(test.controls().tabPedido);
    }
    rotulano::window::ItemTableModel& items() { return *test.controls().tabPedido->items(); }
    QString cellText(int row, int column) { return grid().text(row, column); }

    void expectHeaderCleared() {
        const auto& c = test.controls();
        EXPECT_EQ(c.supplierNameField->text(), QString());
        EXPECT_EQ(c.orderNumberField->text(), QString());
        EXPECT_EQ(c.supplierCnpjField->text(), QStringLiteral("00 000 000 0000 00"));
        EXPECT_EQ(c.orderDateField->text(), QStringLiteral("00/00/0000"));
        EXPECT_EQ(c.wHeadatEmail->text(), QStringLiteral("00/00/0000"));
    }
    void expectHeaderShown() {
        const auto& c = test.controls();
        EXPECT_EQ(c.supplierNameField->text(), QStringLiteral("CONFECCOES ALVORADA LTDA      "));
        EXPECT_EQ(c.supplierCnpjField->text(), QStringLiteral("12 345 678 0001 99"));
        EXPECT_EQ(c.orderNumberField->text(), QStringLiteral("004711"));
        EXPECT_EQ(c.orderDateField->text(), QStringLiteral("09/12/2025"));
        EXPECT_EQ(c.wHeadatEmail->text(), QStringLiteral("10/12/2025"));
    }
    void expectOneBox(const QString& text, const QString& title, int style) {
        ASSERT_EQ(test.messageBox.shown.size(), 1U);
        EXPECT_EQ(test.messageBox.shown[0].text, text);
        EXPECT_EQ(test.messageBox.shown[0].title, title);
        EXPECT_EQ(test.messageBox.shown[0].style, style);
    }

    TestWindow test;
};

TEST_F(OrderLoad, TheChooserShowsTheSelecaoPageThenTheDialogWithItsTitleAndFilter) {
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

TEST_F(OrderLoad, AChosenFileShowsItsHeaderAndOneRowPerItem) {
    test.controls().btImprime->setEnabled(true);
    test.controls().wDetqtd->setNumber(25);
    const QString path = write(threeItems());
    choose(path);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(test.controls().wNomeCompleto->text(), path);
    expectHeaderShown();
    EXPECT_EQ(test.session().orderNumber, "004711");
    EXPECT_EQ(grid().rowCount(), 3);
    EXPECT_TRUE(test.controls().tabPedido->isColumnHidden(orders::kColRecord - 1));
    EXPECT_FALSE(test.controls().btImprime->isEnabled());
    EXPECT_EQ(test.controls().wDetqtd->text(), QStringLiteral("       "));
}

TEST_F(OrderLoad, LongAndPaddedPathsAreUsedWhole) {
    const QString deep = QString::fromStdString(test.dir.path()) + "/" + QString(60, u'd') + "/" +
                         QString(60, u'e') + "/Março";
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString path = deep + "/PEDIDO DE COMPRA 2025.txt";
    ASSERT_GT(path.size(), 150);
    rotulano::test::writeBytes(QFile::encodeName(path).toStdString(), threeItems());
    test.fileDialog.answers = {path};
    test.controls().menuAbrir->trigger();
    EXPECT_EQ(test.controls().wNomeCompleto->text(), path);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(grid().rowCount(), 3);
    items().clear();
    loadPath(path + "   ");
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(grid().rowCount(), 3);
}

// Cancel keeps the order, its ticks and its printed marks: the marks are the only record
// of what was printed.
TEST_F(OrderLoad, CancellingTheDialogKeepsTheOrderItsTicksAndMarks) {
    const QString path = write(threeItems());
    choose(path);
    ASSERT_EQ(grid().rowCount(), 3);
    const QString printed = QString::fromLatin1("\xD8");
    items().markPrinted(1);
    items().setTicked(2, true);
    test.controls().btImprime->setEnabled(true);
    choose(QString());
    EXPECT_EQ(test.fileDialog.openings.size(), 2u);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(test.controls().wNomeCompleto->text(), path);
    EXPECT_EQ(grid().rowCount(), 3);
    expectHeaderShown();
    EXPECT_EQ(cellText(1, orders::kColSel), printed);
    EXPECT_EQ(cellText(2, orders::kColSel), QStringLiteral("X"));
    EXPECT_EQ(cellText(3, orders::kColSel), QString());
    EXPECT_TRUE(test.controls().btImprime->isEnabled());
    EXPECT_EQ(test.session().orderNumber, "004711");
}

TEST_F(OrderLoad, CancellingTheDialogOnAnEmptyWindowChangesNothing) {
    choose(QString());
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_TRUE(test.controls().wNomeCompleto->text().isEmpty());
    EXPECT_EQ(grid().rowCount(), 0);
    // The header stays blank, not the zeros of an emptied order.
    EXPECT_EQ(test.controls().supplierCnpjField->text(), QString());
    EXPECT_EQ(test.controls().orderDateField->text(), QString());
    EXPECT_EQ(test.controls().wHeadatEmail->text(), QString());
}

TEST_F(OrderLoad, StandardRowShowsItsColumnsThroughThePictures) {
    load(threeItems());
    const std::vector<std::pair<int, QString>> expected = {
        {orders::kColSel, QString()},
        {orders::kColItem, QStringLiteral("001")},
        {orders::kColQuantity, QStringLiteral("     12")},
        {orders::kColCode, QStringLiteral("123456 789 0")},
        {orders::kColType, QStringLiteral("TAG") + QString(27, u' ')},
        {orders::kColDescription, QStringLiteral("CAMISETA MANGA CURTA          ")},
        {orders::kColSize, QString(20, u' ')},
        {orders::kColPrice, QStringLiteral("  19,90")},
    };
    for (const auto& [column, text] : expected) {
        EXPECT_EQ(cellText(1, column), text) << "column " << column;
    }
    EXPECT_EQ(items().quantity(1), 12);
    EXPECT_EQ(items().cell(1, orders::kColPrice).units, 1990);
    const QColor windowColour = test.controls().tabPedido->palette().color(QPalette::Window);
    EXPECT_EQ(grid().background(1, orders::kColSel), windowColour);
    EXPECT_EQ(grid().background(1, orders::kColQuantity), windowColour);
    EXPECT_EQ(grid().background(1, orders::kColType), QColor(255, 255, 0));
}

TEST_F(OrderLoad, RecordColumnKeepsTheLineByteForByte) {
    const std::string item =
        TestLine(itemLine('1')).at(21, "CAF\xC9 CAL\xC7\xC3O").at(299, "\xD8\xFF");
    load(orderFile({headerLine(), item}));
    EXPECT_EQ(items().line(1), item);
    EXPECT_EQ(cellText(1, orders::kColDescription).left(11), QStringLiteral("CAFÉ CALÇÃO"));
}

TEST_F(OrderLoad, TypeNamesFollowTheLanguageChosen) {
    test.controls().wPrmlingua->setSelection(2);
    load(orderFile({headerLine(), itemLine('7'), itemLine('9')}));
    EXPECT_EQ(cellText(1, orders::kColType), QStringLiteral("Announced Adhes") + QString(15, u' '));
    EXPECT_EQ(cellText(2, orders::kColType).trimmed(), QStringLiteral("Pack"));
    test.controls().wPrmlingua->setSelection(1);
    load(orderFile({headerLine(), itemLine('7')}));
    EXPECT_EQ(cellText(1, orders::kColType), QStringLiteral("Adesiva Anúncio") + QString(15, u' '));
}

// Loading the same file again, or another one, starts from a fresh grid.
TEST_F(OrderLoad, EveryLoadReplacesTheRowsOfTheLastOne) {
    const QString path = write(threeItems());
    choose(path);
    items().setTicked(1, true);
    choose(path);
    EXPECT_EQ(grid().rowCount(), 3);
    EXPECT_EQ(cellText(1, orders::kColSel), QString());
    EXPECT_FALSE(grid().isHighlighted(1, orders::kColSel));
    load(orderFile({headerLine(), itemLine('5')}), "OUTRO.txt");
    EXPECT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(items().line(1), itemLine('5').str());
}

struct WarningCase {
    const char* name;
    std::string file;
    const char* text;
    bool headerShown;
    int rowsKept;
};

class OrderLoadWarnings : public OrderLoad, public ::testing::WithParamInterface<WarningCase> {};

// Every warning's text is tested with the order file reader; these show how the window
// is left when a load stops: header cleared or shown, the rows before the bad line kept.
TEST_P(OrderLoadWarnings, ShowTheWarningAndLeaveTheWindowAsTheLoadStopped) {
    const WarningCase& c = GetParam();
    load(c.file);
    expectOneBox(QString::fromUtf8(c.text), kAtencao, 0x30);
    if (c.headerShown) {
        expectHeaderShown();
    } else {
        expectHeaderCleared();
    }
    EXPECT_EQ(grid().rowCount(), c.rowsKept);
    for (int row = 1; row <= c.rowsKept; ++row) {
        EXPECT_EQ(items().line(row), itemLine('2').str());
    }
    EXPECT_FALSE(test.controls().btImprime->isEnabled());
    // The next box takes nothing from this one: a status report has its own title and style.
    loadPath(QString::fromStdString(test.dir.file("SUMIU.txt")));
    ASSERT_EQ(test.messageBox.shown.size(), 2U);
    EXPECT_EQ(test.messageBox.shown[1].title,
              QStringLiteral("Arquivo não existe em disco e não pode ser criado"));
    EXPECT_EQ(test.messageBox.shown[1].style, 0x10);
}

std::string orderOfItems(int count) {
    std::vector<std::string> lines = {headerLine()};
    lines.insert(lines.end(), static_cast<std::size_t>(count), itemLine('2'));
    return orderFile(lines);
}

INSTANTIATE_TEST_SUITE_P(
    FailureTable, OrderLoadWarnings,
    ::testing::Values(
        WarningCase{"TooNew", orderFile({headerLine("020501"), itemLine('2')}),
                    "Sua versão do Rotulano está DESATUALIZADA, atualize para poder processar "
                    "esse arquivo",
                    false, 0},
        WarningCase{"NoItems", orderFile({headerLine(), TestLine(itemLine('2')).at(1, "2")}),
                    "Pedido sem itens a serem impressos, ou esse não é um arquivo de Pedidos "
                    "LOJASVERDELIS",
                    true, 0},
        WarningCase{"BadPrice",
                    orderFile({headerLine(), itemLine('2'), itemLine('2'),
                               itemLine('2', "000001", "00O01990")}),
                    "Campo preço é inválido ou erro na estrutura do arquivo", true, 2},
        WarningCase{"TooManyItems", orderOfItems(1000),
                    "Pedido com mais de 999 itens: divida o arquivo para poder imprimir", false,
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrderLoad, AWarningIsShownOverTheRowsLoadedBeforeTheBadLine) {
    int rowsWhileShown = -1;
    QString orderWhileShown;
    test.messageBox.onShow = [&](const rotulano::test::ShownMessage&) {
        rowsWhileShown = grid().rowCount();
        orderWhileShown = test.controls().orderNumberField->text();
    };
    load(orderFile({headerLine(), itemLine('1'), itemLine('2'), itemLine('3', "00 010")}));
    expectOneBox(QStringLiteral("Campo quantidade é inválido ou erro na estrutura do arquivo"),
                 kAtencao, 0x30);
    EXPECT_EQ(rowsWhileShown, 2);
    EXPECT_EQ(orderWhileShown, QStringLiteral("004711"));
    EXPECT_EQ(grid().rowCount(), 2);
}

TEST_F(OrderLoad, HeaderOnlyShowsTheHeaderAndTheStructureErrorAsInformation) {
    load(orderFile({headerLine()}));
    expectOneBox(QStringLiteral("Erro na Estrutura do Arquivo"),
                 QStringLiteral("Mensagem do Sistema"), 0x40);
    expectHeaderShown();
    EXPECT_EQ(grid().rowCount(), 0);
}

TEST_F(OrderLoad, MissingFileIsReportedWithItsStatus) {
    loadPath(QString::fromStdString(test.dir.file("SUMIU.txt")));
    expectOneBox(QStringLiteral("Status [35] Arquivo de Pedidos\n") +
                     QString::fromStdString(test.dir.file("SUMIU.txt")) +
                     QStringLiteral(": o arquivo, ou a pasta em que estaria, não existe"),
                 QStringLiteral("Arquivo não existe em disco e não pode ser criado"), 0x10);
    expectHeaderCleared();
    EXPECT_EQ(grid().rowCount(), 0);
}

TEST_F(OrderLoad, ReadFailureIsReportedWithItsStatus) {
    load(threeItems());
    loadPath(QString::fromStdString(test.dir.path()));
    expectOneBox(QStringLiteral("Status [39] Arquivo de Pedidos\n") +
                     QString::fromStdString(test.dir.path()) +
                     QStringLiteral(": o nome é de uma pasta, não de um arquivo"),
                 QStringLiteral("Atributos do arquivo conflitantes com o programa ("), 0x10);
    expectHeaderCleared();
    EXPECT_EQ(grid().rowCount(), 0);
}

TEST_F(OrderLoad, BlankPathClearsTheOrderWithoutAMessage) {
    load(threeItems());
    test.controls().btImprime->setEnabled(true);
    loadPath(QString(150, u' '));
    EXPECT_TRUE(test.messageBox.shown.empty());
    expectHeaderCleared();
    EXPECT_EQ(grid().rowCount(), 0);
    EXPECT_FALSE(test.controls().btImprime->isEnabled());
    EXPECT_EQ(test.session().orderNumber, "000000");
}

TEST_F(OrderLoad, TheSampleOrderLoadsWhole) {
    loadPath(QString::fromStdString(rotulano::test::samplePath("PEDIDO.txt")));
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(grid().rowCount(), 14);
    EXPECT_EQ(test.controls().supplierNameField->text(),
              QStringLiteral("CONFECÇÕES ALVORADA LTDA      "));
    EXPECT_EQ(cellText(10, orders::kColQuantity), QStringLiteral("  1.500"));
    EXPECT_EQ(cellText(11, orders::kColPrice), QStringLiteral("1234,56"));
}

}  // namespace
