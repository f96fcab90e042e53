#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <deque>

#include "core/FixedRecord.h"
#include "journal/JournalQuery.h"
#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "rotulano-render/RenderJob.h"
#include "window/JournalWindowSupport.h"

// "Reimprimir…": a printed row printed again on purpose, exactly as an ordinary print of
// that row with the labels asked for, and kept in the journal as a reprint.
namespace rotulano::test {
namespace {

// Answers the count question with the queued numbers (none: the operator gives up) and
// records what it offered.
class CountingMessageBox : public FakeMessageBox {
  public:
    bool askCount(const QString& text, const QString& title, long long maximum,
                  long long& count) override {
        asked.push_back({text, title, maximum, count});
        if (counts.empty()) {
            return false;
        }
        count = counts.front();
        counts.pop_front();
        return true;
    }

    struct Asked {
        QString text;
        QString title;
        long long maximum;
        long long offered;
    };
    std::vector<Asked> asked;
    std::deque<long long> counts;
};

// A journal window whose boxes the counting box answers.
class ReprintWindow : public JournalWindow {
  public:
    ReprintWindow() {
        window.reset();
        window = std::make_unique<window::MainWindow>(boxes, fileDialog, platform);
        open(settingsRecord(5, 1));
    }

    void chooseRow(int row) {
        auto* grid = controls().tabPedido;
        grid->setCurrentIndex(grid->model()->index(row - 1, orders::kColItem - 1));
    }

    // What a render of `row` alone with `labels` labels writes: the logo, then the row.
    std::string rendered(int row, long long labels) {
        render::RenderRequest request;
        request.items = orderItems;
        std::string& line = request.items[static_cast<std::size_t>(row - 1)];
        line.replace(4, 6, core::zeroPadded(static_cast<int>(labels), 6));
        request.rows = {row};
        request.orderNumber = "004711";
        request.settings = core::PrinterSettings(settingsRecord(5, 1));
        request.logoDir = samplePath("");
        const render::RenderResult result = render::RenderJob().run(request);
        EXPECT_TRUE(result.ok()) << result.error;
        return result.bytes;
    }

    CountingMessageBox boxes;
};

std::vector<journal::HistoryJob> jobs(const std::string& path) {
    journal::Journal journal;
    std::vector<journal::HistoryJob> read;
    EXPECT_TRUE(journal.openForReading(path)) << journal.message();
    EXPECT_TRUE(journal::readHistory(journal.database(), std::nullopt, read));
    return read;
}

struct ReprintCase {
    const char* how;
    long long labels;
};

TEST(Reprint, OneLabelOfAPrintedRowSendsARenderOfThatRowWithOneLabelAndIsAReprint) {
    for (const ReprintCase& test : {ReprintCase{"menu", 1}, ReprintCase{"button", 3}}) {
        SCOPED_TRACE(test.how);
        ReprintWindow window;
        window.recordJob({2, 3});
        window.load();
        window.chooseRow(3);
        window.boxes.counts = {test.labels};
        if (std::string(test.how) == "menu") {
            window.controls().gridReprint->trigger();
        } else {
            window.clickPage(2);
            window.controls().btReimprime->click();
        }
        ASSERT_EQ(window.boxes.asked.size(), 1U);
        EXPECT_EQ(window.boxes.asked[0].maximum, 30);
        EXPECT_EQ(window.boxes.asked[0].offered, 1);
        EXPECT_EQ(window.boxes.asked[0].text.toStdString(),
                  "Quantas etiquetas da linha 3 (item 1234567890) imprimir de novo? (até 30)");
        EXPECT_TRUE(window.boxes.shown.empty());
        EXPECT_EQ(window.port("LPT1"), window.rendered(3, test.labels));
        EXPECT_EQ(window.marks()[2], QString::fromLatin1("\xD8"));
        const std::vector<journal::HistoryJob> kept = jobs(window.journalPath());
        ASSERT_EQ(kept.size(), 2U);
        ASSERT_EQ(kept[0].rows.size(), 1U);
        EXPECT_EQ(kept[0].rows[0].row, 3);
        EXPECT_EQ(kept[0].rows[0].labels, test.labels);
        EXPECT_TRUE(kept[0].rows[0].reprint);
        EXPECT_EQ(kept[0].rows[0].state, journal::RowState::Printed);
    }
}

TEST(Reprint, RowNotPrintedIsNotReprintedAndAGivenUpQuestionPrintsNothing) {
    ReprintWindow window;
    window.recordJob({2});
    window.load();
    window.chooseRow(1);
    window.controls().gridReprint->trigger();
    EXPECT_TRUE(window.boxes.asked.empty());
    ASSERT_EQ(window.boxes.shown.size(), 1U);
    EXPECT_EQ(window.boxes.shown[0].text.toStdString(),
              "Escolha na página Seleção uma linha já impressa (Ø) para imprimir de novo.");
    window.chooseRow(2);
    window.controls().gridReprint->trigger();  // no count given: the operator gave up
    EXPECT_EQ(window.boxes.asked.size(), 1U);
    EXPECT_EQ(window.port("LPT1"), "");
    EXPECT_EQ(jobs(window.journalPath()).size(), 1U);
}

}  // namespace
}  // namespace rotulano::test
