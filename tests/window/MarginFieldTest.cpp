#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/WindowFakes.h"

// The margin fields as the operator uses them, with the keyboard focus moving between
// the controls: they show two digits, and Save means unsaved changes.
namespace {

using rotulano::test::TestWindow;
using rotulano::test::writeBytes;

const std::string kFiller(132, '0');

class MarginField : public ::testing::Test {
  protected:
    // Stored margins 07 (left) and 00 (second), on the "Configuração" page, the window
    // active so that the focus moves as it does on screen.
    void SetUp() override {
        writeBytes(test.dir.file("CD21PRM.DAT"), "1050110S0700A1" + kFiller);
        test.open();
        ASSERT_TRUE(test.messageBox.shown.empty());
        test.controls().tbOpera->setPage(3);
        QApplication::setActiveWindow(test.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(test.window.get()));
        ASSERT_FALSE(test.controls().btGrava->isEnabled());
    }
    // Types `text` over the field's contents and leaves the field with Tab.
    void type(rotulano::window::NumericField* field, const QString& text) {
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    bool saveEnabled() { return test.controls().btGrava->isEnabled(); }

    TestWindow test;
};

TEST_F(MarginField, ShowsTwoDigits) {
    EXPECT_EQ(test.controls().wPrmmargEsq->text(), QStringLiteral("07"));
    EXPECT_EQ(test.controls().wPrmmargSup->text(), QStringLiteral("00"));
}

TEST_F(MarginField, FocusPassingThroughTheFieldsIsNoChange) {
    for (auto* field : {test.controls().wPrmmargEsq, test.controls().wPrmmargSup}) {
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
        test.controls().wPrmtipoimp->setFocus();
        ASSERT_FALSE(field->hasFocus());
    }
    EXPECT_FALSE(saveEnabled());
}

TEST_F(MarginField, TypingTheStoredValueIsNoChange) {
    type(test.controls().wPrmmargEsq, QStringLiteral("07"));
    type(test.controls().wPrmmargSup, QStringLiteral("0"));
    EXPECT_EQ(test.controls().wPrmmargEsq->value(), 7);
    EXPECT_FALSE(saveEnabled());
}

TEST_F(MarginField, TypingAnotherValueEnablesSave) {
    type(test.controls().wPrmmargSup, QStringLiteral("12"));
    EXPECT_EQ(test.controls().wPrmmargSup->value(), 12);
    EXPECT_EQ(test.controls().wPrmmargSup->text(), QStringLiteral("12"));
    EXPECT_TRUE(saveEnabled());
}

// Gravar disables itself and the focus moves on, into a margin field and out again:
// the button stays off until something really changes.
TEST_F(MarginField, SaveStaysOffAfterASaveWhateverTheFocusDoes) {
    type(test.controls().wPrmmargEsq, QStringLiteral("9"));
    ASSERT_TRUE(saveEnabled());
    QPushButton* save = test.controls().btGrava;
    save->setFocus();
    QTest::keyClick(save, Qt::Key_Space);
    ASSERT_FALSE(saveEnabled());
    EXPECT_EQ(test.session().settings.leftMargin(), 9);
    for (auto* field : {test.controls().wPrmmargEsq, test.controls().wPrmmargSup}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
    }
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(test.controls().wPrmmargEsq->text(), QStringLiteral("09"));
}

}  // namespace
