#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <memory>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/DisplayField.h"
#include "window/DropDownList.h"
#include "window/Handlers.h"
#include "window/ItemGrid.h"

namespace window = rotulano::window;
namespace orders = rotulano::orders;
using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::orderFile;
using rotulano::test::TestLine;

namespace {

struct Box {
    QString text;
    QString title;
    int style;
};

class RecordingBox : public window::MessageBoxService {
  public:
    int show(const QString& text, const QString& title, int style) override {
        boxes.push_back({text, title, style});
        return 1;
    }
    std::vector<Box> boxes;
};

class NoDialog : public window::FileDialogService {
  public:
    bool chooseFile(QString&, const QString&, const QString&) override { return false; }
};

class NoPlatform : public rotulano::core::Platform {
  public:
    std::string tempDir() override { return std::string(); }
    std::string clockText() override { return std::string(21, '0'); }
    bool deleteFile(const std::string&) override { return false; }
    std::string portDevice(const std::string&) override { return std::string(); }
    rotulano::core::FileStatus sendToDevice(const std::string&, const std::string&) override {
        return "30";
    }
    rotulano::core::FileStatus openSerialPort(const std::string&, const std::string&) override {
        return "30";
    }
    void sleepFor(std::chrono::milliseconds) override {}
};

// The controls that the loader reads and writes, with their form pictures, on one parent.
class OrderWindow : public ::testing::Test {
  protected:
    OrderWindow() : context{controls, session, box, dialog, platform} {
        auto field = [this](const char* picture) {
            return new window::DisplayField(QString::fromLatin1(picture), &parent);
        };
        controls.window = &parent;
        controls.wNomeCompleto = field("X(150)");
        controls.wHearaz = field("X(30)");
        controls.wHeacgc = field("99B999B999B9999B99");
        controls.wHeaped = field("X(06)");
        controls.wHeadatPed = field("99/99/9999");
        controls.wHeadatEmail = field("99/99/9999");
        controls.wDetqtd = field("ZZZ.ZZZ");
        controls.tabPedido = new QTableWidget(0, orders::kColumnCount, &parent);
        controls.btImprime = new QPushButton(&parent);
        controls.btSelecionar = new QPushButton(&parent);
        controls.wPrmlingua = new window::DropDownList(&parent);
        controls.wPrmlingua->addItem(QStringLiteral("Português"));
        controls.wPrmlingua->addItem(QStringLiteral("English"));
        controls.wPrmlingua->setCurrentIndex(0);
    }

    // Writes `bytes` as an order file and loads it through W-NOME-COMPLETO.
    void load(const std::string& bytes, const QString& name = QStringLiteral("PEDIDO.txt")) {
        const QString path = dir.filePath(name);
        rotulano::test::writeBytes(QFile::encodeName(path).toStdString(), bytes);
        loadPath(path);
    }
    void loadPath(const QString& path) {
        controls.wNomeCompleto->setText(path);
        window::onOrderPathChanged(context);
    }

    window::ItemGrid grid() { return window::ItemGrid(controls.tabPedido); }
    QString cellText(int row, int column) { return grid().text(row, column); }

    void expectHeaderCleared() {
        EXPECT_EQ(controls.wHearaz->text(), QString());
        EXPECT_EQ(controls.wHeaped->text(), QString());
        EXPECT_EQ(controls.wHeacgc->text(), QStringLiteral("00 000 000 0000 00"));
        EXPECT_EQ(controls.wHeadatPed->text(), QStringLiteral("00/00/0000"));
        EXPECT_EQ(controls.wHeadatEmail->text(), QStringLiteral("00/00/0000"));
    }
    void expectHeaderShown() {
        EXPECT_EQ(controls.wHearaz->text(), QStringLiteral("CONFECCOES ALVORADA LTDA      "));
        EXPECT_EQ(controls.wHeacgc->text(), QStringLiteral("12 345 678 0001 99"));
        EXPECT_EQ(controls.wHeaped->text(), QStringLiteral("004711"));
        EXPECT_EQ(controls.wHeadatPed->text(), QStringLiteral("09/12/2025"));
        EXPECT_EQ(controls.wHeadatEmail->text(), QStringLiteral("10/12/2025"));
    }

    QTemporaryDir dir;
    QWidget parent;
    window::Controls controls;
    window::Session session;
    RecordingBox box;
    NoDialog dialog;
    NoPlatform platform;
    window::WindowContext context;
};

const QString kAtencao = QStringLiteral("ATENÇÃO");

std::string threeItems() {
    return orderFile({headerLine(), TestLine(itemLine('1', "000012")).at(196, "AMARELO   "),
                      TestLine(itemLine('9', "000003")).at(11, "7891234567895"),
                      TestLine(itemLine('A', "000600")).at(36, "LOTE0042SETOR 12ACX000017")});
}

TEST_F(OrderWindow, ShowsTheHeaderAndOneRowPerItem) {
    controls.btImprime->setEnabled(true);
    controls.wDetqtd->setNumber(25);
    load(threeItems());
    EXPECT_TRUE(box.boxes.empty());
    expectHeaderShown();
    EXPECT_EQ(session.orderNumber, "004711");
    EXPECT_EQ(grid().rowCount(), 3);
    EXPECT_FALSE(controls.btImprime->isEnabled());
    EXPECT_EQ(controls.wDetqtd->text(), QStringLiteral("       "));
}

TEST_F(OrderWindow, StandardRowShowsItsColumnsThroughThePictures) {
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
    EXPECT_EQ(grid().integerValue(1, orders::kColQuantity), 12);
    EXPECT_EQ(grid().number(1, orders::kColPrice).units, 1990);
    const QColor windowColour = controls.tabPedido->palette().color(QPalette::Window);
    EXPECT_EQ(grid().background(1, orders::kColSel), windowColour);
    EXPECT_EQ(grid().background(1, orders::kColQuantity), windowColour);
    EXPECT_EQ(grid().background(1, orders::kColType), QColor(255, 255, 0));
}

TEST_F(OrderWindow, PackAndInternalRowsFollowTheirLayouts) {
    load(threeItems());
    EXPECT_EQ(cellText(2, orders::kColItem), QStringLiteral("002"));
    EXPECT_EQ(cellText(2, orders::kColCode), QStringLiteral("7891234567895"));
    EXPECT_EQ(cellText(2, orders::kColSize), QStringLiteral("67"));
    EXPECT_EQ(cellText(2, orders::kColSide), QString());
    EXPECT_EQ(cellText(2, orders::kColPrice), QStringLiteral("       "));
    EXPECT_EQ(grid().background(2, orders::kColType), QColor(255, 255, 255));
    EXPECT_EQ(cellText(3, orders::kColQuantity), QStringLiteral("    600"));
    EXPECT_EQ(cellText(3, orders::kColType), QStringLiteral("Interna") + QString(23, u' '));
    EXPECT_EQ(cellText(3, orders::kColSize), QStringLiteral("SETOR 12A"));
    EXPECT_EQ(cellText(3, orders::kColSide), QStringLiteral("LOTE0042"));
    EXPECT_EQ(cellText(3, orders::kColFooter), QStringLiteral("CX000017"));
}

TEST_F(OrderWindow, RecordColumnKeepsTheLineByteForByte) {
    const std::string item =
        TestLine(itemLine('1')).at(21, "CAF\xC9 CAL\xC7\xC3O").at(299, "\xD8\xFF");
    load(orderFile({headerLine(), item}));
    EXPECT_EQ(grid().record(1), item);
    EXPECT_EQ(cellText(1, orders::kColDescription).left(11), QStringLiteral("CAFÉ CALÇÃO"));
}

TEST_F(OrderWindow, TypeNamesFollowTheLanguageChosen) {
    controls.wPrmlingua->setCurrentIndex(1);
    load(orderFile({headerLine(), itemLine('7')}));
    EXPECT_EQ(cellText(1, orders::kColType), QStringLiteral("Announced Adhes") + QString(15, u' '));
    controls.wPrmlingua->setCurrentIndex(0);
    load(orderFile({headerLine(), itemLine('7')}));
    EXPECT_EQ(cellText(1, orders::kColType), QStringLiteral("Adesiva Anúncio") + QString(15, u' '));
}

struct WarningCase {
    const char* name;
    std::string file;
    const char* text;
    bool headerShown;
    int rowsKept;
};

class OrderWindowWarnings : public OrderWindow,
                            public ::testing::WithParamInterface<WarningCase> {};

TEST_P(OrderWindowWarnings, ShowTheWarningAndLeaveTheWindowAsTheLoadStopped) {
    const WarningCase& c = GetParam();
    load(c.file);
    ASSERT_EQ(box.boxes.size(), 1U);
    EXPECT_EQ(box.boxes[0].text, QString::fromUtf8(c.text));
    EXPECT_EQ(box.boxes[0].title, kAtencao);
    EXPECT_EQ(box.boxes[0].style, 0x30);
    if (c.headerShown) {
        expectHeaderShown();
    } else {
        expectHeaderCleared();
    }
    EXPECT_EQ(grid().rowCount(), c.rowsKept);
    for (int row = 1; row <= c.rowsKept; ++row) {
        EXPECT_EQ(grid().record(row), itemLine('2').str());
    }
    EXPECT_FALSE(controls.btImprime->isEnabled());
    EXPECT_EQ(session.message.type, 0);
    EXPECT_TRUE(session.message.title.trimmed().isEmpty());
}

std::string orderOfItems(int count) {
    std::vector<std::string> lines = {headerLine()};
    lines.insert(lines.end(), static_cast<std::size_t>(count), itemLine('2'));
    return orderFile(lines);
}

INSTANTIATE_TEST_SUITE_P(
    FailureTable, OrderWindowWarnings,
    ::testing::Values(
        WarningCase{"NotAnOrder", "PK\x03\x04 binary",
                    "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS", false, 0},
        WarningCase{"HeaderType", orderFile({TestLine(headerLine()).at(1, "9"), itemLine('2')}),
                    "Erro na estrutura do arquivo ou esse não é um arquivo de Pedidos "
                    "LOJASVERDELIS",
                    false, 0},
        WarningCase{"TooNew", orderFile({headerLine("020501"), itemLine('2')}),
                    "Sua versão do Rotulano está DESATUALIZADA, atualize para poder processar "
                    "esse arquivo",
                    false, 0},
        WarningCase{"TooOld", orderFile({headerLine("020399"), itemLine('2')}),
                    "Esse arquivo é de uma versão anterior do Rotulano e não pode ser processado",
                    false, 0},
        WarningCase{"NoItems", orderFile({headerLine(), TestLine(itemLine('2')).at(1, "2")}),
                    "Pedido sem itens a serem impressos, ou esse não é um arquivo de Pedidos "
                    "LOJASVERDELIS",
                    true, 0},
        WarningCase{"BadType", orderFile({headerLine(), itemLine('2'), TestLine().at(1, "A1")}),
                    "Tipo de registro é inválido ou erro na estrutura do arquivo", true, 1},
        WarningCase{"BadPrice",
                    orderFile({headerLine(), itemLine('2'), itemLine('2'),
                               itemLine('2', "000001", "00O01990")}),
                    "Campo preço é inválido ou erro na estrutura do arquivo", true, 2},
        WarningCase{"BadQuantity",
                    orderFile({headerLine(), itemLine('2'), itemLine('2', "-00001")}),
                    "Campo quantidade é inválido ou erro na estrutura do arquivo", true, 1},
        WarningCase{"TooManyItems", orderOfItems(1000),
                    "Pedido com mais de 999 itens: divida o arquivo para poder imprimir", false,
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrderWindow, HeaderOnlyShowsTheHeaderAndTheStructureErrorAsInformation) {
    load(orderFile({headerLine()}));
    ASSERT_EQ(box.boxes.size(), 1U);
    EXPECT_EQ(box.boxes[0].text, QStringLiteral("Erro na Estrutura do Arquivo"));
    EXPECT_EQ(box.boxes[0].title, QStringLiteral("Mensagem do Sistema"));
    EXPECT_EQ(box.boxes[0].style, 0x40);
    expectHeaderShown();
    EXPECT_EQ(grid().rowCount(), 0);
}

TEST_F(OrderWindow, MissingFileIsReportedWithItsStatus) {
    session.message.title = QStringLiteral("Título esquecido");
    session.message.type = 0x40;
    loadPath(dir.filePath(QStringLiteral("SUMIU.txt")));
    ASSERT_EQ(box.boxes.size(), 1U);
    EXPECT_EQ(box.boxes[0].text, QStringLiteral("Status [35] Arquivo de Pedidos"));
    EXPECT_EQ(box.boxes[0].title,
              QStringLiteral("Arquivo não existe em disco e não pode ser criado"));
    EXPECT_EQ(box.boxes[0].style, 0x10);
    EXPECT_EQ(session.statusFileLabel, QStringLiteral("Arquivo de Pedidos"));
    expectHeaderCleared();
    EXPECT_EQ(grid().rowCount(), 0);
}

TEST_F(OrderWindow, ReadFailureIsReportedWithItsStatus) {
    load(threeItems());
    loadPath(dir.path());
    ASSERT_EQ(box.boxes.size(), 1U);
    EXPECT_EQ(box.boxes[0].text, QStringLiteral("Status [39] Arquivo de Pedidos"));
    EXPECT_EQ(box.boxes[0].title,
              QStringLiteral("Atributos do arquivo conflitantes com o programa ("));
    expectHeaderCleared();
    EXPECT_EQ(grid().rowCount(), 0);
}

TEST_F(OrderWindow, BlankPathClearsTheOrderWithoutAMessage) {
    load(threeItems());
    controls.btImprime->setEnabled(true);
    loadPath(QString(150, u' '));
    EXPECT_TRUE(box.boxes.empty());
    expectHeaderCleared();
    EXPECT_EQ(grid().rowCount(), 0);
    EXPECT_FALSE(controls.btImprime->isEnabled());
    EXPECT_EQ(session.orderNumber, "000000");
}

TEST_F(OrderWindow, ANewOrderReplacesTheRowsOfTheLastOne) {
    load(threeItems());
    grid().setText(1, orders::kColSel, QStringLiteral("X"));
    load(orderFile({headerLine(), itemLine('5')}), QStringLiteral("OUTRO.txt"));
    EXPECT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(cellText(1, orders::kColSel), QString());
    EXPECT_EQ(grid().record(1), itemLine('5').str());
}

TEST_F(OrderWindow, LongAndPaddedPathsAreUsedWhole) {
    const QString deep = dir.filePath(QString(60, u'd') + "/" + QString(60, u'e') + "/Março");
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString path = deep + "/PEDIDO DE COMPRA 2025.txt";
    ASSERT_GT(path.size(), 150);
    rotulano::test::writeBytes(QFile::encodeName(path).toStdString(), threeItems());
    loadPath(path);
    EXPECT_TRUE(box.boxes.empty());
    EXPECT_EQ(grid().rowCount(), 3);
    loadPath(dir.filePath(QStringLiteral("../") + QDir(dir.path()).dirName() + "/" +
                          QString(60, u'd') + "/" + QString(60, u'e') +
                          "/Março/PEDIDO DE COMPRA 2025.txt   "));
    EXPECT_TRUE(box.boxes.empty());
    EXPECT_EQ(grid().rowCount(), 3);
}

TEST_F(OrderWindow, TheSampleOrderLoadsWhole) {
    loadPath(QString::fromStdString(rotulano::test::samplePath("PEDIDO.txt")));
    EXPECT_TRUE(box.boxes.empty());
    EXPECT_EQ(grid().rowCount(), 14);
    EXPECT_EQ(controls.wHearaz->text(), QStringLiteral("CONFECÇÕES ALVORADA LTDA      "));
    EXPECT_EQ(cellText(10, orders::kColQuantity), QStringLiteral("  1.500"));
    EXPECT_EQ(cellText(11, orders::kColPrice), QStringLiteral("1234,56"));
}

}  // namespace
