#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <functional>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/PrintJobTestSupport.h"
#include "window/PrintProgressDialog.h"

// What the window shows while and after orders are printed: the progress dialog's whole
// title, "Falta imprimir" as rows go out, a new order from its first row.
namespace {

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::onWindowThread;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::shownProgressDialog;
using rotulano::test::startFiveSmallAdhesives;
using rotulano::window::PrintProgressDialog;
namespace orders = rotulano::orders;

// Room that any title bar takes besides its title: an icon and three buttons.
constexpr int kLeastTitleBarControls = 100;

TEST(JobLayout, TheProgressDialogIsWideEnoughForItsTitleInBothLanguages) {
    for (const int language : {1, 2}) {
        SCOPED_TRACE(language);
        PrintJobWindow test;
        startFiveSmallAdhesives(test, language);
        int width = 0;
        int titleWidth = 0;
        test.platform.onSend = [&] {
            if (test.platform.sends == 1) {
                onWindowThread([&] {
                    PrintProgressDialog* dialog = shownProgressDialog();
                    ASSERT_NE(dialog, nullptr);
                    QFont bold = dialog->font();
                    bold.setBold(true);
                    titleWidth = QFontMetrics(bold).horizontalAdvance(dialog->windowTitle());
                    width = dialog->width();
                });
            }
        };
        test.clickPrint();
        EXPECT_GT(titleWidth, 0);
        EXPECT_GE(width, titleWidth + kLeastTitleBarControls);
    }
}

// Rows 1 and 2 out: 30 + 40 + 50 labels remain.
TEST(JobLayout, FaltaImprimirCountsDownAsRowsArePrinted) {
    PrintJobWindow test;
    startFiveSmallAdhesives(test, 1);
    const QString before = test.controls().wDetqtd->text();
    QString atThird;
    test.platform.onSend = [&] {
        if (test.platform.sends == 3) {
            onWindowThread([&] {
                QApplication::processEvents();
                atThird = test.controls().wDetqtd->text();
            });
        }
    };
    test.clickPrint();
    EXPECT_EQ(before.trimmed(), QStringLiteral("150"));
    EXPECT_EQ(atThird.trimmed(), QStringLiteral("120"));
}

std::string orderBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

TEST(JobLayout, ANewOrderOpensAtItsFirstRow) {
    PrintJobWindow test;
    test.open(settingsRecord(5, 1));
    std::vector<std::string> lines{headerLine()};
    for (int row = 1; row <= 200; ++row) {
        lines.push_back(itemLine('2'));
    }
    test.loadOrder(lines);
    QScrollBar* bar = test.controls().tabPedido->verticalScrollBar();
    bar->setValue(bar->maximum());
    ASSERT_GT(bar->value(), 0);
    lines.pop_back();
    rotulano::test::writeBytes(test.dir.file("OUTRO.txt"), orderBytes(lines));
    test.controls().wNomeCompleto->setText(QString::fromStdString(test.dir.file("OUTRO.txt")));
    ASSERT_EQ(test.items().itemCount(), 199);
    EXPECT_EQ(bar->value(), 0);
}

}  // namespace
