#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "window/FormDesign.h"
#include "window/PrintJobTestSupport.h"

// The window at a size larger than its design: the grid and the header fields take the
// room, the buttons follow their edges, and the size is kept for the next run.
namespace {

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::TestLine;
using rotulano::window::ControlDesign;
namespace orders = rotulano::orders;

const QSize kDesign(800, 500);

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// An order of `count` items, each with a description of 30 characters.
std::vector<std::string> bigOrder(int count) {
    std::vector<std::string> lines = {headerLine()};
    for (int i = 0; i < count; ++i) {
        lines.push_back(TestLine(itemLine('1', "000001")).at(21, "CAMISETA MANGA CURTA MALHA 30X"));
    }
    return lines;
}

class GrowingWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open(settingsRecord(5, 1));
        ASSERT_EQ(client()->size(), kDesign);
    }
    QWidget* client() { return test.window->centralWidget(); }
    // Gives the client area `size`, as the operator's resize or maximise does.
    void resizeClient(const QSize& size) {
        test.window->resize(test.window->size() + size - client()->size());
        rotulano::test::TestWindow::processEvents();
        ASSERT_EQ(client()->size(), size);
    }
    // Where the control stands: page controls from the tab strip's corner.
    QRect placeOf(const char* name) {
        auto* control = test.window->findChild<QWidget*>(utf8(name));
        EXPECT_NE(control, nullptr) << name;
        QWidget* tabs = test.controls().tbOpera;
        const bool onPage = control != tabs && tabs->isAncestorOf(control);
        const QPoint at = onPage ? control->mapTo(tabs, QPoint(0, 0)) : control->pos();
        return QRect(at, control->size());
    }
    // The grid rows that show whole.
    int wholeRowsShown() {
        QTableView* grid = test.controls().tabPedido;
        const QRect viewport = grid->viewport()->rect();
        int rows = 0;
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            const QRect cell = grid->visualRect(grid->model()->index(row, orders::kColSel - 1));
            rows += viewport.contains(cell) ? 1 : 0;
        }
        return rows;
    }

    PrintJobWindow test;
};

TEST_F(GrowingWindow, TheGridAndTheHeaderFieldsGrowAndTheButtonsFollowTheirEdges) {
    resizeClient({1280, 800});
    const int dx = 480;
    const int dy = 300;
    struct Expected {
        const char* name;
        QRect rect;
    };
    const Expected expected[] = {
        {"TB-OPERA", {6, 123, 785 + dx, 368 + dy}},   {"TAB-PEDIDO", {10, 129, 765 + dx, 189 + dy}},
        {"BT-SAIDA", {693 + dx, 455 + dy, 90, 28}},   {"BT-SELECIONAR", {6, 332 + dy, 90, 28}},
        {"BT-IMPRIME", {6, 332 + dy, 90, 28}},        {"BT-GRAVA", {6, 332 + dy, 90, 28}},
        {"W-NOME-COMPLETO", {20, 176, 754 + dx, 16}}, {"W-HEARAZ", {20, 224, 244 + dx, 16}},
        {"W-HEACGC", {281 + dx, 224, 136, 16}},       {"W-HEADAT-EMAIL", {703 + dx, 224, 71, 16}},
        {"CmImage1", {191 + dx / 2, 23, 415, 70}},    {"W-PRMPARA", {150, 234, 378, 19}},
        {"BT-PORTAS", {102, 332 + dy, 90, 28}},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(placeOf(e.name), e.rect) << e.name;
    }
}

// Back at the design size, every control is at its design rectangle again.
TEST_F(GrowingWindow, BackAtTheDesignSizeEveryControlIsWhereTheFormPutsIt) {
    resizeClient({1024, 700});
    resizeClient(kDesign);
    for (const ControlDesign& d : rotulano::window::formDesign()) {
        EXPECT_EQ(placeOf(d.name), d.rect) << d.name;
    }
}

TEST_F(GrowingWindow, TheWindowCannotShrinkBelowItsDesign) {
    test.window->resize(300, 200);
    rotulano::test::TestWindow::processEvents();
    EXPECT_GE(client()->width(), kDesign.width());
    EXPECT_GE(client()->height(), kDesign.height());
}

TEST_F(GrowingWindow, ALargerWindowShowsMoreRowsOfA999ItemOrder) {
    test.loadOrder(bigOrder(999));
    ASSERT_EQ(test.grid().rowCount(), 999);
    const int atDesign = wholeRowsShown();
    resizeClient({1280, 800 - (test.window->height() - client()->height())});
    const int larger = wholeRowsShown();
    EXPECT_GT(larger, atDesign);
    EXPECT_GE(larger, 15);
    std::cout << "whole rows shown: " << atDesign << " at 800x500, " << larger << " at "
              << test.window->width() << "x" << test.window->height() << "\n";
}

TEST_F(GrowingWindow, ColumnsFitTheirContentAndRowsOneLine) {
    test.loadOrder(bigOrder(3));
    QTableView* grid = test.controls().tabPedido;
    const QFontMetrics metrics(grid->font());
    const int sel = grid->columnWidth(orders::kColSel - 1);
    const int description = grid->columnWidth(orders::kColDescription - 1);
    EXPECT_GE(sel, metrics.horizontalAdvance(QStringLiteral("Sel")));
    EXPECT_LE(sel, 4 * metrics.horizontalAdvance(QStringLiteral("Sel")));
    EXPECT_GE(description,
              metrics.horizontalAdvance(QStringLiteral("CAMISETA MANGA CURTA MALHA 30X")));
    EXPECT_GT(description, 4 * sel);
    for (int column = 1; column < orders::kColumnCount; ++column) {
        const QString text = test.grid().text(1, column + 1).trimmed();
        EXPECT_GE(grid->columnWidth(column), metrics.horizontalAdvance(text)) << column;
    }
    EXPECT_GE(grid->rowHeight(0), metrics.height());
    EXPECT_LT(grid->rowHeight(0), 2 * metrics.height());
    // the operator can still widen a column
    EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(orders::kColDescription - 1),
              QHeaderView::Interactive);
    grid->horizontalHeader()->resizeSection(orders::kColDescription - 1, description + 80);
    EXPECT_EQ(grid->columnWidth(orders::kColDescription - 1), description + 80);
}

// Size and place are kept in the file given; the next window opens with them.
TEST(WindowGeometry, IsRememberedBetweenRuns) {
    rotulano::test::ScopedWorkingDir dir;
    const QString file = QString::fromStdString(dir.file("janela.ini"));
    QSize kept;
    {
        rotulano::test::TestWindow first;
        first.window->rememberGeometryIn(file);
        first.open();
        first.window->resize(first.window->width(), first.window->height() + 40);
        rotulano::test::TestWindow::processEvents();
        kept = first.window->size();
        first.window->close();
    }
    rotulano::test::TestWindow second;
    second.window->rememberGeometryIn(file);
    second.open();
    EXPECT_EQ(second.window->size(), kept);
}

TEST(WindowGeometry, AWindowLeftOffTheScreenComesBackIntoView) {
    rotulano::test::ScopedWorkingDir dir;
    const QString file = QString::fromStdString(dir.file("janela.ini"));
    {
        rotulano::test::TestWindow first;
        first.window->rememberGeometryIn(file);
        first.open();
        first.window->move(6000, 5000);
        first.window->close();
    }
    rotulano::test::TestWindow second;
    second.window->rememberGeometryIn(file);
    second.open();
    const QRect screen = second.window->screen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(second.window->frameGeometry()))
        << second.window->x() << "," << second.window->y();
}

}  // namespace
