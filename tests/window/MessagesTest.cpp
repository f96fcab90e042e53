#include <gtest/gtest.h>

#include "support/WindowFakes.h"
#include "window/Messages.h"

namespace {

using rotulano::test::TestWindow;
using rotulano::window::rotinaMsg;
using rotulano::window::rotinaStatus;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

TEST(RotinaMsg, ShowsNoTrailingBlanksStoresTheAnswerAndClearsTheRequest) {
    TestWindow test;
    test.messageBox.answer = 1;
    auto& request = test.session().message;
    request.title = QStringLiteral("Confirmação") + QString(39, QLatin1Char(' '));
    request.text = QStringLiteral("Texto") + QString(95, QLatin1Char(' '));
    request.answer = 0;
    rotinaMsg(test.context());
    EXPECT_EQ(test.messageBox.shown[0].title, utf8("Confirmação"));
    EXPECT_EQ(test.messageBox.shown[0].text, QStringLiteral("Texto"));
    EXPECT_EQ(request.answer, 1);
    EXPECT_EQ(request.type, 0);
    EXPECT_TRUE(request.title.trimmed().isEmpty());
    EXPECT_TRUE(request.text.trimmed().isEmpty());
}

TEST(RotinaMsg, BlankTitleOfSpacesCountsAsNoTitle) {
    TestWindow test;
    test.session().message.title = QString(50, QLatin1Char(' '));
    test.session().message.text = QStringLiteral("x");
    rotinaMsg(test.context());
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Mensagem do Sistema"));
}

TEST(RotinaStatus, CallersTitleAndStyleSuppressTheTableAndAreThenCleared) {
    TestWindow test;
    auto& request = test.session().message;
    request.type = 0x30;
    request.title = QStringLiteral("Meu titulo");
    request.text = QStringLiteral("texto do chamador");
    test.session().fileStatus = "99";
    test.session().statusFileLabel = QStringLiteral("Arquivo de Pedidos");
    rotinaStatus(test.context());
    ASSERT_EQ(test.messageBox.shown.size(), 1u);
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Meu titulo"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x30);
    EXPECT_EQ(test.messageBox.shown[0].text, QStringLiteral("Status [99] Arquivo de Pedidos"));
    EXPECT_EQ(request.type, 0);
    EXPECT_TRUE(request.title.trimmed().isEmpty());
    EXPECT_EQ(request.text, QStringLiteral("texto do chamador"));
    EXPECT_EQ(test.session().statusFileLabel, QStringLiteral("Arquivo de Pedidos"));
}

// A label padded with blanks shows without them; one longer than its field shows whole.
TEST(RotinaStatus, ShowsTheLabelWithoutTrailingBlanksAndWhole) {
    const QString label = QStringLiteral("Erro Fatal do Arquivo de Parametros (02)");
    const QString path = QStringLiteral("/pedidos/") + QString(80, QLatin1Char('p'));
    for (const auto& [given, shown] :
         {std::pair{label + QString(10, QLatin1Char(' ')), label}, std::pair{path, path}}) {
        TestWindow test;
        test.session().fileStatus = "35";
        test.session().statusFileLabel = given;
        rotinaStatus(test.context());
        ASSERT_EQ(test.messageBox.shown.size(), 1u);
        EXPECT_EQ(test.messageBox.shown[0].text, QStringLiteral("Status [35] ") + shown);
    }
}

}  // namespace
