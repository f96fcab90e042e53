#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <sstream>

#include "core/PathKind.h"
#include "journal/JournalMessages.h"
#include "journal/JournalQuery.h"
#include "orders/ItemTable.h"
#include "printing/TcpListener.h"
#include "rotulano-render/RenderOptions.h"
#include "rotulano-render/RenderSend.h"
#include "window/JournalWindowSupport.h"

// The window keeps the print journal of every job as rotulano-render --send keeps its own,
// and a journal that cannot keep entries is told once per job while printing goes on.
namespace rotulano::test {
namespace {

struct KeptJob {
    journal::HistoryJob job;
    std::vector<std::string> lineHashes;
};

KeptJob onlyJob(const std::string& path) {
    journal::Journal journal;
    KeptJob kept;
    EXPECT_TRUE(journal.openForReading(path)) << journal.message();
    std::vector<journal::HistoryJob> jobs;
    EXPECT_TRUE(journal::readHistory(journal.database(), std::nullopt, jobs));
    EXPECT_EQ(jobs.size(), 1U);
    if (!jobs.empty()) {
        kept.job = jobs.front();
    }
    journal::Statement hashes(journal.database(), "SELECT line_sha256 FROM job_row ORDER BY id");
    while (hashes.step() == SQLITE_ROW) {
        kept.lineHashes.push_back(hashes.text(0));
    }
    return kept;
}

void expectSameEntry(const journal::JobEntry& window, const journal::JobEntry& render) {
    EXPECT_EQ(window.program, "janela");
    EXPECT_EQ(render.program, "rotulano-render");
    EXPECT_EQ(window.user, render.user);
    EXPECT_EQ(window.orderFile, render.orderFile);
    EXPECT_EQ(window.orderNumber, render.orderNumber);
    EXPECT_EQ(window.supplier, render.supplier);
    EXPECT_EQ(window.orderSha256, render.orderSha256);
    EXPECT_EQ(window.model, render.model);
    EXPECT_EQ(window.port, render.port);
    EXPECT_EQ(window.destination, render.destination);
}

std::string rowText(const journal::HistoryRow& row) {
    return std::to_string(row.row) + "|" + row.itemCode + "|" + row.labelType + "|" +
           std::to_string(row.labels) + "|" + journal::stateWord(row.state) + "|" +
           (row.reprint ? "reprint" : "first");
}

TEST(JobJournal, WindowJobLeavesTheEntriesOfASendOfTheSameRows) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    JournalWindow window;
    writeBytes(window.dir.file("rotulano-portas.ini"),
               "[LPT1]\ndestino=tcp://127.0.0.1:" + std::to_string(printer.port()) +
                   "\nconsultar-estado=nao\n");
    window.load();
    window.clickCell(2, orders::kColSel);
    window.clickCell(4, orders::kColSel);
    window.clickPage(2);
    window.clickPrint();
    ASSERT_TRUE(window.messageBox.shown.empty()) << window.messageBox.shown[0].text.toStdString();

    const std::string sendJournal = window.dir.file("envio.db");
    const render::ParsedOptions parsed = render::parseRenderOptions(
        {window.orderPath(), "--settings", window.dir.file("CD21PRM.DAT"), "--send", "--rows",
         "2,4", "--journal", sendJournal, "--logo-dir", window.dir.path()});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    std::ostringstream err;
    ASSERT_EQ(render::sendRender(parsed.options, err), render::RenderExit::Ok) << err.str();

    const std::vector<std::string> read = printer.received(4);
    ASSERT_EQ(read.size(), 4U);
    EXPECT_EQ(read[0] + read[1], read[2] + read[3]);
    const KeptJob fromWindow = onlyJob(window.journalPath());
    const KeptJob fromSend = onlyJob(sendJournal);
    expectSameEntry(fromWindow.job.entry, fromSend.job.entry);
    EXPECT_EQ(fromWindow.job.entry.orderSha256, window.orderSha());
    EXPECT_EQ(fromWindow.job.entry.destination,
              "tcp://127.0.0.1:" + std::to_string(printer.port()));
    EXPECT_FALSE(fromWindow.job.ended.empty());
    std::vector<std::string> windowRows;
    std::vector<std::string> sendRows;
    for (const journal::HistoryRow& row : fromWindow.job.rows) {
        windowRows.push_back(rowText(row));
    }
    for (const journal::HistoryRow& row : fromSend.job.rows) {
        sendRows.push_back(rowText(row));
    }
    EXPECT_EQ(windowRows, (std::vector<std::string>{"2|1234567890|2|20|impressa|first",
                                                    "4|1234567890|2|40|impressa|first"}));
    EXPECT_EQ(windowRows, sendRows);
    EXPECT_EQ(fromWindow.lineHashes, fromSend.lineHashes);
    EXPECT_EQ(fromWindow.lineHashes.size(), 2U);
}

TEST(JobJournal, JournalThatCannotKeepEntriesIsToldOncePerJobAndPrintingGoesOn) {
    JournalWindow window;
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(window.journalPath())));
    window.load();
    const QString told =
        QString::fromUtf8(journal::journalMessages::notRegular(
                              journal::kJournalFileName, core::pathKindText(core::PathKind::Folder))
                              .c_str());
    for (int job = 1; job <= 2; ++job) {
        SCOPED_TRACE(job);
        window.clickPage(1);
        window.clickCell(job, orders::kColSel);
        window.clickCell(job + 2, orders::kColSel);
        window.clickPage(2);
        window.clickPrint();
        ASSERT_EQ(window.messageBox.shown.size(), static_cast<std::size_t>(job));
        EXPECT_EQ(window.messageBox.shown.back().text, told);
        EXPECT_EQ(window.messageBox.shown.back().title, QString::fromUtf8("ATENÇÃO"));
    }
    EXPECT_EQ(window.items().rowsMarked(window::ItemTableModel::Mark::Printed),
              (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(window.port("LPT1").empty(), false);
    EXPECT_EQ(window.journalLine(), "");
}

}  // namespace
}  // namespace rotulano::test
