#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QTableView>

#include "journal/Journal.h"
#include "support/WindowFakes.h"
#include "window/HistoryWindow.h"

// The Arquivo menu's "Histórico": its caption in each language, and the History window it
// opens on the journal beside the settings file.
namespace rotulano::test {
namespace {

using window::HistoryWindow;

// Two jobs of order 004711, made as a print job makes them, in the journal at `path`.
void writeTwoJobs(const std::string& path) {
    journal::Journal journal;
    ASSERT_TRUE(journal.open(path, false)) << journal.message();
    for (int number = 1; number <= 2; ++number) {
        long long job = 0;
        long long row = 0;
        ASSERT_TRUE(journal.startJob({"janela", "ana", "PEDIDO.txt", "004711", "LOJA",
                                      std::string(64, 'c'), 5, "LPT1", "LPT1"},
                                     job));
        ASSERT_TRUE(journal.rowSending(job, {number, "111", "1", 2, false}, nullptr, row));
        ASSERT_TRUE(journal.endJob(job, {{row, journal::RowState::Printed}}));
    }
}

void chooseLanguage(TestWindow& test, int position) {
    test.controls().wPrmlingua->setCurrentIndex(position - 1);
    emit test.controls().wPrmlingua->activated(position - 1);
}

TEST(HistoryMenu, OpensTheJournalBesideTheSettingsInTheChosenLanguage) {
    TestWindow test;
    writeTwoJobs(test.dir.file(journal::kJournalFileName));
    test.open();
    auto* item = test.window->findChild<QAction*>(QStringLiteral("Historico"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf8("&Histórico"));
    chooseLanguage(test, 2);
    EXPECT_EQ(item->text(), QStringLiteral("&History"));
    item->trigger();
    auto* history = test.window->findChild<HistoryWindow*>(QStringLiteral("CP21HIS"));
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->windowTitle(), QStringLiteral("History"));
    EXPECT_TRUE(history->isModal());
    const QAbstractItemModel* jobs =
        history->findChild<QTableView*>(QStringLiteral("TAB-HIST-TRABALHOS"))->model();
    ASSERT_EQ(jobs->rowCount(), 2);
    // A port with no destination of its own shows only its name.
    EXPECT_EQ(jobs->data(jobs->index(0, 3)).toString(), QStringLiteral("LPT1"));
    item->trigger();  // the window open is brought forward, not opened twice
    EXPECT_EQ(test.window->findChildren<HistoryWindow*>().size(), 1);
    chooseLanguage(test, 1);
    EXPECT_EQ(item->text(), QString::fromUtf8("&Histórico"));
    history->close();
    TestWindow::processEvents();
}

}  // namespace
}  // namespace rotulano::test
