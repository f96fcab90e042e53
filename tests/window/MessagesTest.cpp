#include <gtest/gtest.h>

#include "support/WindowFakes.h"
#include "window/Messages.h"

namespace {

using rotulano::test::FakeMessageBox;
using rotulano::window::rotinaMsg;
using rotulano::window::rotinaStatus;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The one box shown: its text, title and style.
void expectOneBox(const FakeMessageBox& box, const QString& text, const QString& title, int style) {
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, text);
    EXPECT_EQ(box.shown[0].title, title);
    EXPECT_EQ(box.shown[0].style, style);
}

TEST(RotinaMsg, ShowsNoTrailingBlanksAndGivesBackTheAnswer) {
    FakeMessageBox box;
    box.answer = 6;
    rotulano::core::MessageRequest request;
    request.title = QStringLiteral("Confirmação") + QString(39, QLatin1Char(' '));
    request.text = QStringLiteral("Texto") + QString(95, QLatin1Char(' '));
    request.type = 0x24;
    EXPECT_EQ(rotinaMsg(box, request), 6);
    expectOneBox(box, QStringLiteral("Texto"), utf8("Confirmação"), 0x24);
}

TEST(RotinaMsg, BlankTitleOfSpacesCountsAsNoTitleAndNoStyleAsInformation) {
    FakeMessageBox box;
    rotinaMsg(box, QStringLiteral("x"), QString(50, QLatin1Char(' ')));
    expectOneBox(box, QStringLiteral("x"), QStringLiteral("Mensagem do Sistema"), 0x40);
}

TEST(RotinaStatus, TakesTheMeaningOfTheStatusAsTitleAndTheErrorStyle) {
    FakeMessageBox box;
    rotinaStatus(box, "35", QStringLiteral("Arquivo de Pedidos"));
    expectOneBox(box, QStringLiteral("Status [35] Arquivo de Pedidos"),
                 utf8("Arquivo não existe em disco e não pode ser criado"), 0x10);
}

TEST(RotinaStatus, CallersTitleAndStyleSuppressTheTable) {
    FakeMessageBox box;
    rotinaStatus(box, "99", QStringLiteral("Arquivo de Pedidos"), QStringLiteral("Meu titulo  "),
                 0x30);
    expectOneBox(box, QStringLiteral("Status [99] Arquivo de Pedidos"),
                 QStringLiteral("Meu titulo"), 0x30);
}

// A label padded with blanks shows without them; one longer than its field shows whole.
TEST(RotinaStatus, ShowsTheLabelWithoutTrailingBlanksAndWhole) {
    const QString label = QStringLiteral("Erro Fatal do Arquivo de Parametros (02)");
    const QString path = QStringLiteral("/pedidos/") + QString(80, QLatin1Char('p'));
    for (const auto& [given, shown] :
         {std::pair{label + QString(10, QLatin1Char(' ')), label}, std::pair{path, path}}) {
        FakeMessageBox box;
        rotinaStatus(box, "35", given);
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].text, QStringLiteral("Status [35] ") + shown);
    }
}

}  // namespace
