#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "support/WindowFakes.h"
#include "window/PortsWindow.h"

// The Portas window's Gravar says whether a save would change the ports file, and closing
// the window with changes not saved asks whether to save them, drop them or stay.
namespace {

using rotulano::test::readBytes;
using rotulano::test::TestWindow;
using rotulano::test::writeBytes;

constexpr int kSave = 0;
constexpr int kDiscard = 1;
constexpr int kStay = 2;

// Destinations of this system's kinds: Windows refuses device paths and print queues, as
// Linux refuses COM names.
#ifdef _WIN32
const QString kSavedDestination = QStringLiteral("tcp://ZEBRA");
const QString kTypedDestination = QStringLiteral("COM2");
#else
const QString kSavedDestination = QStringLiteral("cups://ZEBRA");
const QString kTypedDestination = QStringLiteral("/dev/ttyS0");
#endif
const std::string kSavedPorts = "[LPT2]\ndestino=" + kSavedDestination.toStdString() + "\n";

struct PortsWindowOpen {
    void open() {
        writeBytes(test.dir.file("CD21PRM.DAT"),
                   "1050110N0000A1" + std::string(132, '0'));  // a Zebra on LPT1, Portuguese
        writeBytes(portsFile(), kSavedPorts);
        test.open();
        test.controls().btPortas->click();
        window = test.controls().window->findChild<QDialog*>("CP21PRT");
        ASSERT_NE(window, nullptr);
    }
    std::string portsFile() { return test.dir.file("rotulano-portas.ini"); }
    QLineEdit* field(const char* port) {
        return window->findChild<QLineEdit*>(QStringLiteral("W-DESTINO-") + port);
    }
    QPushButton* save() { return window->findChild<QPushButton*>("BT-GRAVA-PORTAS"); }

    TestWindow test;
    QPointer<QDialog> window;
};

class PortsWindowUnsaved : public ::testing::Test, protected PortsWindowOpen {};

}  // namespace

// Deleting a character and typing it again leaves nothing to save; so does choosing a
// list's value and going back to it.
TEST_F(PortsWindowUnsaved, GravarIsOnOnlyWhileASaveWouldChangeTheFile) {
    open();
    QLineEdit* lpt2 = field("LPT2");
    ASSERT_NE(lpt2, nullptr);
    lpt2->setFocus();
    lpt2->end(false);
    QTest::keyClick(lpt2, Qt::Key_Backspace);
    EXPECT_TRUE(save()->isEnabled());
    QTest::keyClicks(lpt2, kSavedDestination.right(1));
    EXPECT_EQ(lpt2->text(), kSavedDestination);
    EXPECT_FALSE(save()->isEnabled());
    QTest::keyClicks(field("COM1"), kTypedDestination);
    EXPECT_TRUE(save()->isEnabled());
    auto* speed = window->findChild<QComboBox*>("W-VELOCIDADE-COM1");
    const int before = speed->currentIndex();
    speed->setCurrentIndex(speed->findText(QStringLiteral("9600")));
    emit speed->activated(speed->currentIndex());
    speed->setCurrentIndex(before);
    emit speed->activated(before);
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(field("COM1"), Qt::Key_Backspace);
    }
    EXPECT_FALSE(save()->isEnabled());
}

TEST_F(PortsWindowUnsaved, ClosingWithChangesAsksSaveDiscardOrStay) {
    struct Case {
        const char* name;
        int choice;
        bool closes;
        std::string file;
    };
    // Gravar edits the file as it is: the new entry is appended, nothing else is added.
    const std::string withCom1 =
        kSavedPorts + "\n[COM1]\ndestino=" + kTypedDestination.toStdString() + "\n";
    const Case cases[] = {{"stay", kStay, false, kSavedPorts},
                          {"discard", kDiscard, true, kSavedPorts},
                          {"save", kSave, true, withCom1}};
    for (const Case& one : cases) {
        SCOPED_TRACE(one.name);
        PortsWindowOpen ports;
        ports.open();
        QTest::keyClicks(ports.field("COM1"), kTypedDestination);
        ports.test.messageBox.choices = {one.choice};
        QTest::keyClick(ports.window, Qt::Key_Escape);
        TestWindow::processEvents();
        ASSERT_EQ(ports.test.messageBox.shown.size(), 1U);
        EXPECT_EQ(ports.test.messageBox.shown[0].text,
                  QStringLiteral("As alterações da configuração não foram gravadas."));
        EXPECT_EQ(ports.window != nullptr && ports.window->isVisible(), !one.closes);
        EXPECT_EQ(readBytes(ports.portsFile()), one.file);
    }
}

// Nothing changed: the window closes without a word.
TEST_F(PortsWindowUnsaved, ClosingWithoutChangesAsksNothing) {
    open();
    QTest::keyClick(window, Qt::Key_Escape);
    TestWindow::processEvents();
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_TRUE(window == nullptr || !window->isVisible());
}
