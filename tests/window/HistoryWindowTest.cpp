#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <sstream>

#include "journal/HistoryText.h"
#include "journal/Journal.h"
#include "journal/JournalQuery.h"
#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderOptions.h"
#include "support/WindowFakes.h"
#include "window/HistoryWindow.h"

// The History window: the print journal's jobs, newest first, its filters, a job's rows,
// and "Exportar CSV".
namespace rotulano::test {
namespace {

using window::HistoryWindow;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The save dialog answers with `answer` (empty: cancel) and records the name it offered.
class SaveDialog : public window::FileDialogService {
  public:
    bool chooseFile(QString& path, const QString&, const QString&) override {
        path.clear();
        return false;
    }
    bool chooseSaveFile(QString& path, const QString& title, const QString& filter) override {
        offered.push_back(path + " | " + title + " | " + filter);
        path = answer;
        return !path.isEmpty();
    }

    QString answer;
    std::vector<QString> offered;
};

journal::JobEntry entryOf(const std::string& order, const std::string& supplier) {
    return {"janela", "ana",  "PEDIDO.txt",          order, supplier, std::string(64, 'b'),
            5,        "LPT1", "tcp://127.0.0.1:9100"};
}

// Three jobs, made as a print job makes them, then given fixed times:
//   1: order 004711 on 01/12/2026 08:00:00, rows 1 and 2 printed (2 + 3 labels);
//   2: order 000042 on 02/12/2026 23:59:59, row 5 (10 labels) not sent;
//   3: order 004711 on 03/12/2026 00:00:00, row 1 reprinted (1 label), row 3 (4 labels)
//      may be partly printed.
void writeJournal(const std::string& path) {
    journal::Journal journal;
    ASSERT_TRUE(journal.open(path, false)) << journal.message();
    long long job = 0;
    long long row = 0;
    ASSERT_TRUE(journal.startJob(entryOf("004711", "CONFECÇÕES ALVORADA LTDA"), job));
    ASSERT_TRUE(journal.rowSending(job, {1, "1234567890", "1", 2, false}, nullptr, row));
    journal::RowOutcomeEntry outcome{row, journal::RowState::Printed};
    ASSERT_TRUE(journal.rowSending(job, {2, "0012345679", "A", 3, false}, &outcome, row));
    ASSERT_TRUE(journal.endJob(job, {{row, journal::RowState::Printed}}));
    ASSERT_TRUE(journal.startJob(entryOf("000042", "LOJA \"BOA\"; FILIAL"), job));
    ASSERT_TRUE(journal.rowSending(job, {5, "555", "2", 10, false}, nullptr, row));
    ASSERT_TRUE(journal.endJob(job, {{row, journal::RowState::NotSent}}));
    ASSERT_TRUE(journal.startJob(entryOf("004711", "CONFECÇÕES ALVORADA LTDA"), job));
    ASSERT_TRUE(journal.rowSending(job, {1, "1234567890", "1", 1, true}, nullptr, row));
    outcome = {row, journal::RowState::Printed};
    ASSERT_TRUE(journal.rowSending(job, {3, "0012345679", "A", 4, false}, &outcome, row));
    ASSERT_TRUE(journal.endJob(job, {{row, journal::RowState::MaybePartly}}));
    ASSERT_EQ(journal.database().exec(
                  "UPDATE job SET started = CASE id WHEN 1 THEN '2026-12-01 08:00:00' WHEN 2 "
                  "THEN '2026-12-02 23:59:59' ELSE '2026-12-03 00:00:00' END;"
                  "UPDATE job_row SET state_time = '2026-12-01 08:01:0' || id;"),
              SQLITE_OK);
}

// A History window on the journal of a folder of its own.
class HistoryTest : public ::testing::Test {
  protected:
    std::string journalPath() const { return folder.file(journal::kJournalFileName); }

    std::unique_ptr<HistoryWindow> openWindow(bool portuguese = true) {
        return std::make_unique<HistoryWindow>(journalPath(), portuguese,
                                               HistoryWindow::Services{messageBox, dialog});
    }

    template <typename T>
    static T* control(HistoryWindow& window, const char* name) {
        T* found = window.findChild<T*>(utf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // One column of a list as it shows.
    static QStringList column(HistoryWindow& window, const char* list, int number) {
        QAbstractItemModel* model = control<QTableView>(window, list)->model();
        QStringList cells;
        for (int row = 0; row < model->rowCount(); ++row) {
            cells << model->data(model->index(row, number)).toString();
        }
        return cells;
    }

    static QStringList jobTimes(HistoryWindow& window) {
        return column(window, "TAB-HIST-TRABALHOS", 1);
    }

    static QString notice(HistoryWindow& window) {
        return control<QLabel>(window, "W-HIST-AVISO")->text();
    }

    ScopedWorkingDir folder;
    FakeMessageBox messageBox;
    SaveDialog dialog;
};

TEST_F(HistoryTest, ListsTheJobsNewestFirst) {
    writeJournal(journalPath());
    auto window = openWindow();
    const QStringList expected[] = {
        {"004711", "000042", "004711"},
        {"03/12/2026 00:00:00", "02/12/2026 23:59:59", "01/12/2026 08:00:00"},
        {"5", "10", "5"},
        {"LPT1 (tcp://127.0.0.1:9100)", "LPT1 (tcp://127.0.0.1:9100)",
         "LPT1 (tcp://127.0.0.1:9100)"},
        {utf8("talvez impresso em parte"), utf8("interrompido"), utf8("tudo impresso")}};
    for (int number = 0; number < 5; ++number) {
        EXPECT_EQ(column(*window, "TAB-HIST-TRABALHOS", number), expected[number]) << number;
    }
    EXPECT_EQ(notice(*window), QString());
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(HistoryTest, AJobOpensToItsRows) {
    writeJournal(journalPath());
    auto window = openWindow();
    const QStringList newest[] = {{"1", "3"},
                                  {"1234567890", "0012345679"},
                                  {"1", "A"},
                                  {"1", "4"},
                                  {utf8("impressa"), utf8("talvez impressa em parte")},
                                  {"01/12/2026 08:01:04", "01/12/2026 08:01:05"},
                                  {utf8("sim"), utf8("não")}};
    for (int number = 0; number < 7; ++number) {
        EXPECT_EQ(column(*window, "TAB-HIST-LINHAS", number), newest[number]) << number;
    }
    // The arrow keys move to the oldest job: its own rows replace the others.
    auto* jobs = control<QTableView>(*window, "TAB-HIST-TRABALHOS");
    QTest::keyClick(jobs, Qt::Key_Down);
    QTest::keyClick(jobs, Qt::Key_Down);
    EXPECT_EQ(jobs->currentIndex().row(), 2);
    EXPECT_EQ(column(*window, "TAB-HIST-LINHAS", 0), (QStringList{"1", "2"}));
    EXPECT_EQ(column(*window, "TAB-HIST-LINHAS", 3), (QStringList{"2", "3"}));
    EXPECT_EQ(column(*window, "TAB-HIST-LINHAS", 6), (QStringList{utf8("não"), utf8("não")}));
}

// Enter on a job goes to its rows: it presses no button of the window (Exportar CSV
// would otherwise be the default one).
TEST_F(HistoryTest, EnterOnAJobPressesNoButton) {
    writeJournal(journalPath());
    auto window = openWindow();
    window->show();
    auto* jobs = control<QTableView>(*window, "TAB-HIST-TRABALHOS");
    jobs->setFocus();
    QTest::keyClick(jobs, Qt::Key_Return);
    QTest::keyClick(jobs, Qt::Key_Enter);
    EXPECT_TRUE(dialog.offered.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(column(*window, "TAB-HIST-LINHAS", 0), (QStringList{"1", "3"}));
    window->hide();
}

struct OrderCase {
    const char* typed;
    QStringList times;
    const char* notice;
};

TEST_F(HistoryTest, OrderFilterKeepsThatOrderWithOrWithoutItsZeros) {
    writeJournal(journalPath());
    auto window = openWindow();
    const OrderCase cases[] = {
        {"4711", {"03/12/2026 00:00:00", "01/12/2026 08:00:00"}, ""},
        {"004711", {"03/12/2026 00:00:00", "01/12/2026 08:00:00"}, ""},
        {"42", {"02/12/2026 23:59:59"}, ""},
        {"4", {}, "Nenhum trabalho com estes filtros."},
        {"", {"03/12/2026 00:00:00", "02/12/2026 23:59:59", "01/12/2026 08:00:00"}, ""}};
    for (const OrderCase& one : cases) {
        control<QLineEdit>(*window, "W-HIST-PEDIDO")->setText(utf8(one.typed));
        EXPECT_EQ(jobTimes(*window), one.times) << one.typed;
        EXPECT_EQ(notice(*window), utf8(one.notice)) << one.typed;
    }
}

struct DayCase {
    QDate from;  // invalid: box not ticked
    QDate to;
    QStringList times;
};

TEST_F(HistoryTest, DateFilterKeepsBothEndDays) {
    writeJournal(journalPath());
    auto window = openWindow();
    const DayCase cases[] = {
        {QDate(2026, 12, 2), QDate(2026, 12, 2), {"02/12/2026 23:59:59"}},
        {QDate(2026, 12, 2), QDate(2026, 12, 3), {"03/12/2026 00:00:00", "02/12/2026 23:59:59"}},
        {QDate(2026, 12, 3), QDate(), {"03/12/2026 00:00:00"}},
        {QDate(), QDate(2026, 12, 1), {"01/12/2026 08:00:00"}},
        {QDate(2026, 12, 4), QDate(2026, 12, 31), {}}};
    for (const DayCase& one : cases) {
        const std::pair<const char*, QDate> ends[] = {{"W-HIST-DE", one.from},
                                                      {"W-HIST-ATE", one.to}};
        for (const auto& [name, day] : ends) {
            control<QCheckBox>(*window, (std::string(name) + "-LIGADO").c_str())
                ->setChecked(day.isValid());
            if (day.isValid()) {
                control<QDateEdit>(*window, name)->setDate(day);
            }
            EXPECT_EQ(control<QDateEdit>(*window, name)->isEnabled(), day.isValid());
        }
        EXPECT_EQ(jobTimes(*window), one.times) << qPrintable(one.from.toString(Qt::ISODate)) << " "
                                                << qPrintable(one.to.toString(Qt::ISODate));
    }
    // The order and the days together.
    control<QLineEdit>(*window, "W-HIST-PEDIDO")->setText(QStringLiteral("4711"));
    control<QCheckBox>(*window, "W-HIST-DE-LIGADO")->setChecked(true);
    control<QDateEdit>(*window, "W-HIST-DE")->setDate(QDate(2026, 12, 1));
    control<QDateEdit>(*window, "W-HIST-ATE")->setDate(QDate(2026, 12, 2));
    control<QCheckBox>(*window, "W-HIST-ATE-LIGADO")->setChecked(true);
    EXPECT_EQ(jobTimes(*window), QStringList{"01/12/2026 08:00:00"});
}

// What rotulano-render --history prints for `arguments` on this journal.
std::string renderHistory(std::vector<std::string> arguments) {
    const render::ParsedOptions parsed = render::parseRenderOptions(arguments);
    EXPECT_TRUE(parsed.ok()) << parsed.error;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(render::runRender(parsed.options, out, err), render::RenderExit::Ok) << err.str();
    return out.str();
}

TEST_F(HistoryTest, ExportWritesTheRenderersCsvOfTheOrderShown) {
    writeJournal(journalPath());
    auto window = openWindow();
    control<QLineEdit>(*window, "W-HIST-PEDIDO")->setText(QStringLiteral("4711"));
    dialog.answer = QString::fromStdString(folder.file("pedido 4711.csv"));
    control<QPushButton>(*window, "BT-HIST-EXPORTAR")->click();
    const std::string written = readBytes(folder.file("pedido 4711.csv"));
    EXPECT_EQ(written, renderHistory({"--history", "--order", "4711", "--format", "csv",
                                      "--journal", journalPath()}));
    journal::Journal journal;
    ASSERT_TRUE(journal.openForReading(journalPath()));
    std::vector<journal::HistoryJob> jobs;
    ASSERT_TRUE(journal::readHistory(journal.database(), std::string("004711"), jobs));
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(written, journal::historyCsv(jobs));
    EXPECT_EQ(dialog.offered, std::vector<QString>{"historico.csv | Exportar CSV | CSV (*.csv)"});
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(HistoryTest, ExportKeepsTheDaysShown) {
    writeJournal(journalPath());
    auto window = openWindow();
    control<QCheckBox>(*window, "W-HIST-DE-LIGADO")->setChecked(true);
    control<QDateEdit>(*window, "W-HIST-DE")->setDate(QDate(2026, 12, 2));
    control<QCheckBox>(*window, "W-HIST-ATE-LIGADO")->setChecked(true);
    control<QDateEdit>(*window, "W-HIST-ATE")->setDate(QDate(2026, 12, 2));
    dialog.answer = QString::fromStdString(folder.file("dia.csv"));
    control<QPushButton>(*window, "BT-HIST-EXPORTAR")->click();
    journal::Journal journal;
    ASSERT_TRUE(journal.openForReading(journalPath()));
    std::vector<journal::HistoryJob> all;
    ASSERT_TRUE(journal::readHistory(journal.database(), std::nullopt, all));
    ASSERT_EQ(all.size(), 3u);
    ASSERT_EQ(all[1].id, 2);
    EXPECT_EQ(readBytes(folder.file("dia.csv")), journal::historyCsv({all[1]}));
}

TEST_F(HistoryTest, ExportCancelledWritesNothing) {
    writeJournal(journalPath());
    auto window = openWindow();
    control<QPushButton>(*window, "BT-HIST-EXPORTAR")->click();
    EXPECT_EQ(dialog.offered.size(), 1u);
    EXPECT_EQ(QDir(QString::fromStdString(folder.path()))
                  .entryList({QStringLiteral("*.csv")}, QDir::AllEntries | QDir::Hidden),
              QStringList());
    EXPECT_TRUE(messageBox.shown.empty());
}

struct FailedExport {
    const char* name;  // in the test's folder
    const char* message;
};

TEST_F(HistoryTest, ExportThatCannotBeWrittenSaysWhichFileAndWhy) {
    writeJournal(journalPath());
    QDir(QString::fromStdString(folder.path())).mkdir(QStringLiteral("pasta.csv"));
    auto window = openWindow();
    const FailedExport cases[] = {
        {"sem-pasta/historico.csv", " [35]: o arquivo, ou a pasta em que estaria, não existe."},
        {"pasta.csv", " [39]: o nome é de uma pasta, não de um arquivo."}};
    for (const FailedExport& one : cases) {
        const std::string path = folder.file(one.name);
        dialog.answer = QString::fromStdString(path);
        messageBox.shown.clear();
        control<QPushButton>(*window, "BT-HIST-EXPORTAR")->click();
        ASSERT_EQ(messageBox.shown.size(), 1u) << one.name;
        EXPECT_EQ(messageBox.shown[0].text,
                  utf8(("Não foi possível gravar o arquivo " + path + one.message).c_str()));
        EXPECT_EQ(messageBox.shown[0].title, utf8("ATENÇÃO"));
    }
    // No file was left half written, nor any beside the journal.
    const QDir here(QString::fromStdString(folder.path()));
    for (const QString& name :
         here.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        EXPECT_TRUE(name == QStringLiteral("pasta.csv") ||
                    name.startsWith(utf8(journal::kJournalFileName)))
            << qPrintable(name);
    }
    EXPECT_TRUE(QDir(here.filePath(QStringLiteral("pasta.csv"))).isEmpty());
}

TEST_F(HistoryTest, MissingJournalSaysNoPrintIsRecordedYet) {
    auto window = openWindow();
    EXPECT_EQ(notice(*window), utf8("Nenhuma impressão registrada ainda."));
    EXPECT_TRUE(jobTimes(*window).isEmpty());
    EXPECT_FALSE(control<QPushButton>(*window, "BT-HIST-EXPORTAR")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(journalPath()))) << "never made";
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(HistoryTest, DamagedJournalShowsTheJournalsMessageAndIsLeftAsItWas) {
    const std::string damaged(4096, 'x');
    writeBytes(journalPath(), damaged);
    auto window = openWindow();
    EXPECT_EQ(notice(*window), utf8(("O diário de impressão " + journalPath() +
                                     " não pôde ser lido (arquivo danificado)")
                                        .c_str()));
    EXPECT_TRUE(jobTimes(*window).isEmpty());
    EXPECT_FALSE(control<QPushButton>(*window, "BT-HIST-EXPORTAR")->isEnabled());
    control<QLineEdit>(*window, "W-HIST-PEDIDO")->setText(QStringLiteral("1"));
    EXPECT_TRUE(jobTimes(*window).isEmpty());
    EXPECT_EQ(readBytes(journalPath()), damaged);
}

struct CaptionCase {
    const char* name;
    const char* portuguese;
    const char* english;
};

QString captionOf(HistoryWindow& window, const char* name) {
    QObject* control = window.findChild<QObject*>(utf8(name));
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    return button != nullptr ? button->text() : QStringLiteral("(none)");
}

QStringList headings(HistoryWindow& window, const char* list) {
    const QAbstractItemModel* model = window.findChild<QTableView*>(utf8(list))->model();
    QStringList shown;
    for (int column = 0; column < model->columnCount(); ++column) {
        shown << model->headerData(column, Qt::Horizontal).toString();
    }
    return shown;
}

TEST_F(HistoryTest, CaptionsFollowTheInterfaceLanguage) {
    writeJournal(journalPath());
    const CaptionCase controls[] = {{"W-HIST-PEDIDO-ROTULO", "Pedido", "Order"},
                                    {"W-HIST-DE-LIGADO", "De", "From"},
                                    {"W-HIST-ATE-LIGADO", "Até", "To"},
                                    {"BT-HIST-EXPORTAR", "Exportar CSV", "Export CSV"},
                                    {"BT-FECHAR", "Fechar", "Close"}};
    const QStringList jobs[] = {{"Pedido", "Data e hora", "Etiquetas", "Destino", utf8("Situação")},
                                {"Order", "Date and time", "Labels", "Destination", "Outcome"}};
    const QStringList rows[] = {
        {"Linha", utf8("Código do item"), "Tipo de etiqueta", "Etiquetas", utf8("Situação"), "Hora",
         utf8("Reimpressão")},
        {"Row", "Item code", "Label type", "Labels", "State", "Time", "Reprint"}};
    for (bool portuguese : {true, false}) {
        auto window = openWindow(portuguese);
        EXPECT_EQ(window->windowTitle(), utf8(portuguese ? "Histórico" : "History"));
        for (const CaptionCase& one : controls) {
            EXPECT_EQ(captionOf(*window, one.name),
                      utf8(portuguese ? one.portuguese : one.english));
        }
        EXPECT_EQ(headings(*window, "TAB-HIST-TRABALHOS"), jobs[portuguese ? 0 : 1]);
        EXPECT_EQ(headings(*window, "TAB-HIST-LINHAS"), rows[portuguese ? 0 : 1]);
        // The journal's data stays Portuguese.
        EXPECT_EQ(column(*window, "TAB-HIST-TRABALHOS", 4).value(0),
                  utf8("talvez impresso em parte"));
        window->findChild<QPushButton*>(QStringLiteral("BT-HIST-EXPORTAR"))->click();
        EXPECT_TRUE(dialog.offered.back().contains(portuguese ? "Exportar CSV" : "Export CSV"));
    }
}

}  // namespace
}  // namespace rotulano::test
