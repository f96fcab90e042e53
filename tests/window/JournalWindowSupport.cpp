#include "window/JournalWindowSupport.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "core/FixedRecord.h"
#include "journal/JournalRecorder.h"
#include "journal/OrderJournal.h"
#include "orders/OrderTestLines.h"

namespace rotulano::test {

std::vector<std::string> adhesiveItems(int amendedRow) {
    std::vector<std::string> lines;
    for (int row = 1; row <= 5; ++row) {
        const int labels = 10 * row + (row == amendedRow ? 1 : 0);
        lines.push_back(itemLine('2', core::zeroPadded(labels, 6)));
    }
    return lines;
}

JournalWindow::JournalWindow(const std::vector<std::string>& items, int language) {
    open(settingsRecord(5, 1, 15, false, 2, 3, 'C', language));
    writeOrder(items);
}

void JournalWindow::writeOrder(const std::vector<std::string>& lines) {
    orderItems = lines;
    std::vector<std::string> all = {headerLine()};
    all.insert(all.end(), lines.begin(), lines.end());
    writeBytes(orderPath(), orderFile(all));
}

void JournalWindow::load() {
    controls().wNomeCompleto->setText(QString());
    controls().wNomeCompleto->setText(QString::fromStdString(orderPath()));
    TestWindow::processEvents();
}

std::string JournalWindow::orderSha() {
    return journal::orderFileSha256(orderPath());
}

void JournalWindow::recordJob(const std::vector<int>& printed, const std::vector<int>& sending,
                              const std::string& time) {
    journal::Journal journal;
    ASSERT_TRUE(journal.open(journalPath())) << journal.message();
    journal::JobEntry entry;
    entry.program = "janela";
    entry.orderFile = orderPath();
    entry.orderNumber = "004711";
    entry.supplier = "CONFECCOES ALVORADA LTDA";
    entry.orderSha256 = orderSha();
    entry.model = 5;
    entry.port = "LPT1";
    long long jobId = 0;
    ASSERT_TRUE(journal.startJob(entry, jobId));
    std::vector<journal::RowOutcomeEntry> outcomes;
    for (const std::vector<int>* rows : {&printed, &sending}) {
        for (int row : *rows) {
            const std::string& line = orderItems[static_cast<std::size_t>(row - 1)];
            long long rowId = 0;
            ASSERT_TRUE(journal.rowSending(jobId, journal::rowEntryOf(line, row, 10), nullptr,
                                           rowId, journal::orderLineSha256(line)));
            if (rows == &printed) {
                outcomes.push_back({rowId, journal::RowState::Printed});
            }
        }
    }
    // A job that stopped while sending never ended: its last outcomes are lost with it.
    if (sending.empty()) {
        ASSERT_TRUE(journal.endJob(jobId, outcomes));
    } else {
        for (const journal::RowOutcomeEntry& outcome : outcomes) {
            journal::Statement update(journal.database(),
                                      "UPDATE job_row SET state = 'impressa' WHERE id = ?1");
            update.bind(1, outcome.rowId);
            ASSERT_EQ(update.step(), SQLITE_DONE);
        }
    }
    journal::Statement times(journal.database(), "UPDATE job_row SET state_time = ?1");
    times.bind(1, time);
    ASSERT_EQ(times.step(), SQLITE_DONE);
}

std::string JournalWindow::journalLine() {
    QLabel* line = controls().journalLine;
    return line->isHidden() ? std::string() : line->text().toStdString();
}

std::vector<std::string> JournalWindow::answers() {
    journal::Journal journal;
    std::vector<std::string> stored;
    if (!journal.openForReading(journalPath())) {
        return stored;
    }
    journal::Statement query(journal.database(),
                             "SELECT row_number, question, answer, user_name, answered FROM "
                             "row_answer ORDER BY id");
    while (query.step() == SQLITE_ROW) {
        EXPECT_EQ(query.text(3), journal::journalUser());
        EXPECT_EQ(query.text(4).size(), 19U) << query.text(4);
        stored.push_back(std::to_string(query.integer(0)) + ":" + query.text(1) + ":" +
                         query.text(2));
    }
    return stored;
}

}  // namespace rotulano::test
