#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <functional>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/PrintJobTestSupport.h"
#include "window/PrintProgressDialog.h"

// The print job's progress dialog: what it shows while a job runs, in the interface's
// language, and what a cancel, from its button or by closing it, leaves behind.
namespace {

using rotulano::test::kPrinted;
using rotulano::test::kTicked;

using rotulano::test::onWindowThread;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::shownProgressDialog;
using rotulano::test::startFiveSmallAdhesives;
using rotulano::window::PrintProgressDialog;
namespace orders = rotulano::orders;

// What the dialog shows, read on the window's thread while the job waits.
struct Shown {
    std::string row;
    std::string item;
    std::string type;
    std::string sent;
    std::string button;
    std::string title;
};

std::string textOf(const QWidget* dialog, const char* name) {
    const auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(name));
    return label == nullptr ? "<none>" : label->text().toStdString();
}

class PrintProgress : public ::testing::Test {
  protected:
    // Five small adhesives (one send each) of 10, 20, 30, 40 and 50 labels, all ticked.
    void start(int language) { startFiveSmallAdhesives(test, language); }
    // At send number `send` (row `send`), `work` runs on the window's thread with the dialog.
    void atSend(int send, std::function<void(PrintProgressDialog*)> work) {
        test.platform.onSend = [this, send, work] {
            if (test.platform.sends == send) {
                onWindowThread([&] { work(shownProgressDialog()); });
            }
        };
    }
    Shown shown(PrintProgressDialog* dialog) {
        if (dialog == nullptr) {
            return {"<no dialog>", "", "", "", "", ""};
        }
        const auto* button = dialog->findChild<QPushButton*>(QStringLiteral("BT-CANCELAR"));
        return {textOf(dialog, "W-PROG-LINHA"),
                textOf(dialog, "W-PROG-ITEM"),
                textOf(dialog, "W-PROG-ETIQUETA"),
                textOf(dialog, "W-PROG-ENVIADAS"),
                button == nullptr ? "<none>" : button->text().toStdString(),
                dialog->windowTitle().toStdString()};
    }

    PrintJobWindow test;
};

}  // namespace

TEST_F(PrintProgress, ShowsTheRowItsItemTypeAndTheLabelsSentInPortuguese) {
    start(1);
    Shown atThird;
    atSend(3, [&](PrintProgressDialog* dialog) { atThird = shown(dialog); });
    test.clickPrint();
    EXPECT_EQ(atThird.title, "Imprimindo etiquetas");
    EXPECT_EQ(atThird.row, "Linha 3 de 5");
    EXPECT_EQ(atThird.item,
              "Item " + test.grid().text(3, orders::kColItem).trimmed().toStdString());
    EXPECT_EQ(atThird.type,
              "Etiqueta: " + test.grid().text(3, orders::kColType).trimmed().toStdString());
    EXPECT_EQ(atThird.sent, "Etiquetas enviadas: 30");  // rows 1 and 2 went out
    EXPECT_EQ(atThird.button, "Cancelar");
    EXPECT_EQ(test.marks(), std::vector<QString>(5, kPrinted));
    EXPECT_EQ(shownProgressDialog(), nullptr);
}

TEST_F(PrintProgress, CaptionsFollowTheInterfaceLanguage) {
    start(2);
    Shown atSecond;
    atSend(2, [&](PrintProgressDialog* dialog) { atSecond = shown(dialog); });
    test.clickPrint();
    EXPECT_EQ(atSecond.title, "Printing labels");
    EXPECT_EQ(atSecond.row, "Row 2 of 5");
    EXPECT_EQ(atSecond.sent, "Labels sent: 10");
    EXPECT_EQ(atSecond.button, "Cancel");
}

// The row in flight when Cancelar is pressed still goes out whole and is marked; the
// rows after it keep their "X" for the next click.
TEST_F(PrintProgress, CancelLeavesTheRowsDonePrintedAndTheRestTicked) {
    start(1);
    atSend(2, [](PrintProgressDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("BT-CANCELAR"))->click();
    });
    test.clickPrint();
    EXPECT_EQ(test.marks(), (std::vector<QString>{kPrinted, kPrinted, kTicked, kTicked, kTicked}));
    EXPECT_EQ(test.platform.sends, 2);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(test.controls().tbOpera->page(), 2);

    test.platform.onSend = nullptr;
    test.clickPrint();
    EXPECT_EQ(test.marks(), std::vector<QString>(5, kPrinted));
}

// Closing the dialog asks first; "No" lets the job go on, "Yes" cancels it.
TEST_F(PrintProgress, ClosingTheDialogAsksWhetherToCancel) {
    start(1);
    test.messageBox.answer = 7;  // No
    atSend(2, [&](PrintProgressDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        dialog->close();
        EXPECT_TRUE(dialog->isVisible());
        test.messageBox.answer = 6;  // Yes, the second time
    });
    test.platform.onSend = [this, first = test.platform.onSend] {
        first();
        if (test.platform.sends == 4) {
            onWindowThread([] { shownProgressDialog()->close(); });
        }
    };
    test.clickPrint();
    ASSERT_EQ(test.messageBox.shown.size(), 2U);
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Confirmação"));
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("Cancelar a impressão? A linha que está sendo enviada termina "
                             "antes; as linhas impressas ficam marcadas e as demais continuam "
                             "selecionadas."));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x24);
    EXPECT_EQ(test.marks(),
              (std::vector<QString>{kPrinted, kPrinted, kPrinted, kPrinted, kTicked}));
}

// The window's thread stays free while the job waits on its port: it takes events and
// repaints, the dialog keeps the input.
TEST_F(PrintProgress, TheWindowStaysResponsiveWhileAPortIsSlow) {
    start(1);
    int timerTicks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++timerTicks; });
    ticker.start(5);
    test.platform.onSend = [&] {
        if (test.platform.sends == 1) {
            QThread::msleep(300);  // a slow printer, on the job's thread
        }
    };
    test.clickPrint();
    EXPECT_GT(timerTicks, 5);
    EXPECT_EQ(test.marks(), std::vector<QString>(5, kPrinted));
}
