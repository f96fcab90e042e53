#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>

#include "window/QtMessageBox.h"

namespace {

using rotulano::window::QtMessageBox;

struct BoxCase {
    int style;
    QMessageBox::Icon icon;
};

class QtMessageBoxStyles : public ::testing::TestWithParam<BoxCase> {};

// Looks at the box while it is open, then closes it with OK.
TEST_P(QtMessageBoxStyles, ShowTheIconOfTheStyleWithTitleAndTextWithoutTrailingBlanks) {
    const BoxCase& c = GetParam();
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageBox messageBox;
    const int answer = messageBox.show(QStringLiteral("Status [35] Arquivo   "),
                                       QString::fromUtf8("ATENÇÃO   "), c.style);
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(title, QString::fromUtf8("ATENÇÃO"));
    EXPECT_EQ(text, QStringLiteral("Status [35] Arquivo"));
}

INSTANTIATE_TEST_SUITE_P(WindowsStyles, QtMessageBoxStyles,
                         ::testing::Values(BoxCase{0x10, QMessageBox::Critical},
                                           BoxCase{0x30, QMessageBox::Warning},
                                           BoxCase{0x40, QMessageBox::Information}));

// A file-status box: its text is a file name and must show as typed, and its title, the
// status meaning, must fit in the title bar with room for the bar's own buttons.
TEST(QtMessageBoxShape, ShowsTheTextAsTextAndIsWideEnoughForTheTitle) {
    const QString title = QString::fromUtf8("Função especificada não é suportada");
    const QString text = QStringLiteral("Status [37] <b>pedidos");
    Qt::TextFormat format = Qt::AutoText;
    int width = 0;
    int titleWidth = 0;
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        width = box->width();
        QFont bold = box->font();
        bold.setBold(true);
        titleWidth = QFontMetrics(bold).horizontalAdvance(title);
        shownText = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageBox messageBox;
    messageBox.show(text, title, 0x10);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shownText, text);
    // the title, the window's icon and three title-bar buttons of about 30 pixels
    EXPECT_GE(width, titleWidth + 120);
}

struct QuestionCase {
    QMessageBox::StandardButton pressed;
    int answer;
};

class QtMessageBoxQuestion : public ::testing::TestWithParam<QuestionCase> {};

// Style 0x24 asks Yes or No with the question icon and answers as Windows does.
TEST_P(QtMessageBoxQuestion, AnswersSixForYesAndSevenForNo) {
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        buttons = box->standardButtons();
        icon = box->icon();
        box->button(GetParam().pressed)->click();
    });
    QtMessageBox messageBox;
    EXPECT_EQ(messageBox.show(QStringLiteral("Cancelar a impressão?"),
                              QStringLiteral("Confirmação"), 0x24),
              GetParam().answer);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(icon, QMessageBox::Question);
}

INSTANTIATE_TEST_SUITE_P(Answers, QtMessageBoxQuestion,
                         ::testing::Values(QuestionCase{QMessageBox::Yes, 6},
                                           QuestionCase{QMessageBox::No, 7}));

}  // namespace
