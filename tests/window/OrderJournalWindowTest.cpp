#include <gtest/gtest.h>

#include <QLabel>
#include "journal/OrderJournal.h"

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "window/JournalWindowSupport.h"

// An order the print journal knows, opened in the window: the marks of its rows, the line
// over the grid, and the questions about possibly printed rows and an amended order.
namespace rotulano::test {
namespace {

const QString kPrinted = QString::fromLatin1("\xD8");
const QString kAmended = QString(QChar(0x2248));

std::vector<QString> expectedMarks(const std::vector<const char*>& marks) {
    std::vector<QString> shown;
    for (const char* mark : marks) {
        const std::string text(mark);
        shown.push_back(text == "O" ? kPrinted : text == "~" ? kAmended : QString::fromUtf8(mark));
    }
    return shown;
}

struct ReopenCase {
    std::vector<int> printed;
    std::vector<const char*> marks;
    const char* line;
};

TEST(OrderJournalWindow, ReopenedOrderShowsTheJournalsPrintedRowsAndTheLine) {
    const ReopenCase cases[] = {
        {{1, 3},
         {"O", "", "O", "", ""},
         "Este pedido já foi impresso em parte: 2 de 5 itens, a última vez em 09/12/2026 às "
         "14:32 (LPT1)"},
        {{1, 2, 3, 4, 5},
         {"O", "O", "O", "O", "O"},
         "Este pedido já foi impresso: 5 de 5 itens, a última vez em 09/12/2026 às 14:32 (LPT1)"},
        {{}, {"", "", "", "", ""}, ""},
    };
    for (const ReopenCase& test : cases) {
        SCOPED_TRACE(test.line);
        JournalWindow window;
        window.recordJob(test.printed);
        const QRect gridBefore = window.controls().tabPedido->geometry();
        window.load();
        EXPECT_EQ(window.marks(), expectedMarks(test.marks));
        EXPECT_EQ(window.journalLine(), test.line);
        // The line takes its room from the grid's top; the grid keeps its bottom.
        const QRect grid = window.controls().tabPedido->geometry();
        EXPECT_EQ(grid.top(), gridBefore.top() + (test.printed.empty() ? 0 : 18));
        EXPECT_EQ(grid.bottom(), gridBefore.bottom());
        EXPECT_TRUE(window.messageBox.shown.empty());
        // A printed row cannot be ticked; an ordinary one can.
        window.clickCell(1, orders::kColSel);
        EXPECT_EQ(window.marks()[0], test.printed.empty() ? QStringLiteral("X") : kPrinted);
    }
}

TEST(OrderJournalWindow, AmendedOrderSaysSoAboveTheGridEvenWhenNoLineMatches) {
    JournalWindow window;
    window.recordJob({2});
    window.writeOrder(adhesiveItems(2));
    window.load();
    EXPECT_EQ(window.marks(), expectedMarks({"", "", "", "", ""}));
    EXPECT_EQ(window.journalLine(),
              "Este pedido foi alterado depois de impresso: as linhas marcadas com ≈ são iguais "
              "a linhas já impressas e só contam como impressas depois de confirmadas");
    EXPECT_EQ(window.messageBox.shown.size(), 0U);
}

TEST(OrderJournalWindow, AnotherOrderWithTheSameLinesShowsNothing) {
    JournalWindow window;
    window.recordJob({1, 2});
    std::string bytes = orderFile({headerLine().at(47, "004712")});
    for (const std::string& line : window.orderItems) {
        bytes += line + "\r\n";
    }
    writeBytes(window.orderPath(), bytes);
    window.load();
    EXPECT_EQ(window.marks(), expectedMarks({"", "", "", "", ""}));
    EXPECT_EQ(window.journalLine(), "");
    EXPECT_TRUE(window.controls().journalLine->isHidden());
    EXPECT_TRUE(window.messageBox.shown.empty());
}

TEST(OrderJournalWindow, RowsPrintedByTheWindowAreMarkedWhenTheOrderIsOpenedAgain) {
    JournalWindow window;
    window.load();
    window.clickCell(2, orders::kColSel);
    window.clickCell(4, orders::kColSel);
    window.clickPage(2);
    window.clickPrint();
    ASSERT_TRUE(window.messageBox.shown.empty());
    const std::string line = window.journalLine();
    EXPECT_EQ(line.rfind("Este pedido já foi impresso em parte: 2 de 5 itens, a última vez em ", 0),
              0U)
        << line;
    window.clickPage(1);
    window.load();
    EXPECT_EQ(window.marks(), expectedMarks({"", "O", "", "O", ""}));
    EXPECT_EQ(window.journalLine(), line);
    EXPECT_EQ(line.substr(line.size() - 7), " (LPT1)");
}

TEST(OrderJournalWindow, AmendedOrderMarksItsPrintedLinesUntilTheOperatorConfirmsThem) {
    JournalWindow window;
    window.recordJob({1, 2, 3});
    window.writeOrder(adhesiveItems(2));
    window.messageBox.choices = {1};  // "Agora não"
    window.load();
    ASSERT_EQ(window.messageBox.shown.size(), 1U);
    EXPECT_EQ(window.messageBox.shown[0].text.toStdString(),
              "Este pedido foi alterado depois de impresso. Estas linhas são iguais a linhas já "
              "impressas da versão anterior: linha 1 (item 1234567890), linha 3 (item "
              "1234567890). Confirme que as etiquetas delas já foram impressas para que contem "
              "como impressas; sem confirmação elas ficam marcadas com ≈ e podem ser "
              "selecionadas.");
    EXPECT_EQ(
        window.messageBox.choiceButtons[0],
        (QStringList{QStringLiteral("Confirmar como impressas"), QString::fromUtf8("Agora não")}));
    EXPECT_EQ(window.marks(), expectedMarks({"~", "", "~", "", ""}));
    EXPECT_TRUE(window.answers().empty());
    // Unconfirmed, the row is ticked and unticked like any other, and keeps its mark.
    window.clickCell(1, orders::kColSel);
    EXPECT_EQ(window.marks()[0], QStringLiteral("X"));
    window.clickCell(1, orders::kColSel);
    EXPECT_EQ(window.marks()[0], kAmended);

    window.messageBox.choices = {0};  // "Confirmar como impressas"
    window.load();
    EXPECT_EQ(window.messageBox.shown.size(), 2U);
    EXPECT_EQ(window.marks(), expectedMarks({"O", "", "O", "", ""}));
    EXPECT_EQ(window.answers(),
              (std::vector<std::string>{"1:alterada:impressa", "3:alterada:impressa"}));
    // Confirmed once: asked no more.
    window.load();
    EXPECT_EQ(window.messageBox.shown.size(), 2U);
    EXPECT_EQ(window.marks(), expectedMarks({"O", "", "O", "", ""}));
    EXPECT_EQ(window.answers().size(), 2U);
}

struct UncertainCase {
    int language;
    int choice;
    QStringList buttons;
    std::vector<const char*> marksAfter;
    const char* stored;
};

TEST(OrderJournalWindow, RowsACrashLeftSendingAreAskedAboutOnceAndTheAnswerKept) {
    const QStringList portuguese{QStringLiteral("Marcar como impressas"),
                                 QStringLiteral("Deixar para imprimir")};
    const QStringList english{QStringLiteral("Mark as printed"), QStringLiteral("Leave to print")};
    const UncertainCase cases[] = {
        {1, 0, portuguese, {"O", "O", "", "", ""}, "2:incerta:impressa"},
        {1, 1, portuguese, {"O", "", "", "", ""}, "2:incerta:imprimir"},
        {2, 0, english, {"O", "O", "", "", ""}, "2:incerta:impressa"},
        {2, 1, english, {"O", "", "", "", ""}, "2:incerta:imprimir"},
    };
    for (const UncertainCase& test : cases) {
        SCOPED_TRACE(test.stored + std::to_string(test.language));
        JournalWindow window(adhesiveItems(), test.language);
        window.recordJob({1}, {2});
        std::vector<QString> marksWhileAsked;
        window.messageBox.onShow = [&](const ShownMessage&) { marksWhileAsked = window.marks(); };
        window.messageBox.choices = {test.choice};
        window.load();
        ASSERT_EQ(window.messageBox.shown.size(), 1U);
        EXPECT_EQ(marksWhileAsked, expectedMarks({"O", "?", "", "", ""}));
        EXPECT_EQ(window.messageBox.shown[0].text.toStdString(),
                  "O diário de impressão não sabe se estas linhas deste pedido foram impressas "
                  "(o envio foi interrompido ou a impressora pode ter recebido parte das "
                  "etiquetas): linha 2 (item 1234567890). Confira as etiquetas na impressora: "
                  "as linhas marcadas como impressas não serão impressas de novo; as deixadas "
                  "para imprimir voltam a poder ser selecionadas.");
        EXPECT_EQ(window.messageBox.choiceButtons[0], test.buttons);
        EXPECT_EQ(window.marks(), expectedMarks(test.marksAfter));
        EXPECT_EQ(window.answers(), std::vector<std::string>{test.stored});
        // The second opening asks nothing and shows the answer.
        window.load();
        EXPECT_EQ(window.messageBox.shown.size(), 1U);
        EXPECT_EQ(window.marks(), expectedMarks(test.marksAfter));
        EXPECT_EQ(window.answers().size(), 1U);
        window.clickCell(2, orders::kColSel);
        EXPECT_EQ(window.marks()[1], test.choice == 0 ? kPrinted : QStringLiteral("X"));
    }
}

TEST(OrderJournalWindow, UncertainRowCannotBeTickedNorItsQuantityChanged) {
    window::ItemTableModel items;
    std::vector<orders::ItemRow> rows;
    for (const std::string& line : adhesiveItems()) {
        rows.emplace_back(line, static_cast<int>(rows.size()) + 1, 1);
    }
    items.setItems(rows);
    items.setJournalMark(2, window::ItemTableModel::Mark::Uncertain);
    items.toggleTick(2);
    items.tickAll(true);
    EXPECT_EQ(items.text(2, orders::kColSel), QStringLiteral("?"));
    EXPECT_FALSE(items.setData(items.index(1, orders::kColQuantity - 1), 5));
    EXPECT_EQ(items.quantity(2), 20);
    EXPECT_EQ(items.tickedRows().size(), 4U);
    items.setJournalMark(2, window::ItemTableModel::Mark::None);
    items.toggleTick(2);
    EXPECT_TRUE(items.isTicked(2));
}

}  // namespace
}  // namespace rotulano::test
