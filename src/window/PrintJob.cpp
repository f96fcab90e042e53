#include "window/PrintJob.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QMenuBar>
#include <QThread>
#include <atomic>
#include <thread>

#include "config/ParameterFile.h"
#include "config/PortsFile.h"
#include "core/FixedRecord.h"
#include "orders/ItemTable.h"
#include "printing/PortJob.h"
#include "window/Captions.h"
#include "window/DisplayField.h"
#include "window/DropDownList.h"
#include "window/Handlers.h"
#include "window/JobJournal.h"
#include "window/Messages.h"
#include "window/PageControl.h"
#include "window/PrintProgressDialog.h"
#include "window/SelectionSummary.h"
#include "window/StatusChoiceBox.h"

namespace rotulano::window {

namespace {

constexpr int kPrintPage = 2;
constexpr int kConfigurationPage = 3;
// How long the window's thread waits for events while a job ends after the loop.
constexpr int kFinishSlice = 50;

// Runs `work` on the window's thread; with `wait` the engine's thread waits until it is
// done (a box the operator must close first, a row shown before its bytes go out).
template <typename Work>
void onWindowThread(QObject* window, Work work, bool wait) {
    QMetaObject::invokeMethod(window, std::move(work),
                              wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

// What the engine tells, carried over to the window's thread.
class WindowObserver : public printing::JobObserver {
  public:
    WindowObserver(PrintJob& job, PrintProgressDialog& dialog) : job_(job), dialog_(dialog) {}

    void rowStarting(int index, int count, const printing::JobRow& row,
                     const core::LabelRequest& request) override {
        onWindowThread(
            &dialog_, [&] { job_.rowStarting(dialog_, index, count, row, request); }, true);
    }
    void rowEnded(const printing::RowReport& report, long long labelsSent) override {
        onWindowThread(
            &dialog_, [this, report, labelsSent] { job_.rowEnded(dialog_, report, labelsSent); },
            false);
    }
    void setUpConfirmed(const printing::PortCheck&) override {
        onWindowThread(
            &dialog_, [this] { job_.show(printJobMessages::serialConfirmation()); }, true);
    }
    printing::StatusChoice printerNotReady(const printing::StatusCheck& check) override {
        printing::StatusChoice choice = printing::StatusChoice::Cancel;
        onWindowThread(
            &dialog_, [&] { choice = job_.askPrinter(check); }, true);
        return choice;
    }
    void warning(const printing::ChannelWarning& warning) override {
        onWindowThread(
            &dialog_, [&] { job_.show(printJobMessages::channelWarning(warning)); }, true);
    }

  private:
    PrintJob& job_;
    PrintProgressDialog& dialog_;
};

// While a job runs the operator works only in its dialog: the main window's pages and menu
// are disabled, and its close goes to the job (see PrintJob::closeWindowOnCancel).
class MainWindowHeld {
  public:
    MainWindowHeld(WindowContext& context, PrintJob& job) : context_(context) {
        context_.session.runningJob = &job;
        setEnabled(false);
    }
    ~MainWindowHeld() {
        setEnabled(true);
        context_.session.runningJob = nullptr;
    }
    MainWindowHeld(const MainWindowHeld&) = delete;
    MainWindowHeld& operator=(const MainWindowHeld&) = delete;

  private:
    void setEnabled(bool enabled) {
        auto* window = qobject_cast<QMainWindow*>(context_.controls.window);
        if (window != nullptr) {
            window->centralWidget()->setEnabled(enabled);
            window->menuBar()->setEnabled(enabled);
        }
    }
    WindowContext& context_;
};

}  // namespace

PrintJob::PrintJob(WindowContext& context)
    : context_(context), items_(*context.controls.tabPedido->items()) {}

void PrintJob::run() {
    run(items_.tickedRows());
}

void PrintJob::run(std::vector<printing::JobRow> rows) {
    const Session& session = context_.session;
    printing::JobRequest request{std::move(rows), session.orderNumber, session.settings};
    // The saved pause option counts, not an unsaved tick in the Configuração page.
    if (session.settings.pause() && request.rows.size() > 1) {
        request.rows.resize(1);
    }
    if (request.rows.empty()) {
        endNormally();
        return;
    }
    if (context_.session.channel.tempDir.empty()) {
        rotinaAchaTemp(context_);  // the temporary directory may be usable by now
    }
    // The ports file beside the settings says where each port name's bytes go; one that
    // cannot be used stops the job before anything is sent.
    config::PortsTable ports;
    std::string portsMessage;
    const std::string portsFile =
        config::PortsFile::besideSettings(config::ParameterFile::kFileName);
    if (!config::PortsFile(portsFile).load(ports, portsMessage, false)) {
        show(printJobMessages::portsFileFailure(portsMessage));
        endOnConfigurationPage();
        return;
    }
    printing::PortJob job(context_.session.channel, context_.platform, ports);
    journalTold_ = false;
    JobJournal journal(context_, ports,
                       [this](const std::string& message) { tellJournal(message); });
    job.engine().setRecorder(journal.recorder());
    finish(runInBackground(job.engine(), request, static_cast<int>(request.rows.size())));
    if (closeWindow_) {
        QMetaObject::invokeMethod(context_.controls.window, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    refreshJournalLine(context_);
}

void PrintJob::closeWindowOnCancel() {
    if (dialog_ != nullptr && dialog_->confirmCancel()) {
        closeWindow_ = true;
    }
}

bool PrintJob::askCancel() {
    const printJobMessages::JobMessage question = printJobMessages::cancelQuestion();
    questionOpen_ = true;
    const int answer = context_.messageBox.show(question.text, question.title, question.style);
    questionOpen_ = false;
    return answer == core::kAnswerYes;
}

// The question whether to cancel has no subject once the job is over: it closes itself.
void PrintJob::jobEnded() {
    dialog_->jobEnded();
    if (questionOpen_) {
        context_.messageBox.closeOpenBox();
    }
}

// The engine works on its own thread; the window waits in the dialog, which ends when the
// engine's last word reaches it.
printing::JobReport PrintJob::runInBackground(printing::PrintEngine& engine,
                                              const printing::JobRequest& request, int rowCount) {
    PrintProgressDialog dialog(context_.controls.window, portugueseSelected(context_.controls),
                               rowCount);
    dialog.onCancel = [&engine] { engine.cancel(); };
    dialog.askCancel = [this] { return askCancel(); };
    dialog_ = &dialog;
    const MainWindowHeld held(context_, *this);
    WindowObserver observer(*this, dialog);
    printing::JobReport report;
    std::atomic<bool> finished{false};
    QEventLoop dialogLoop;
    QObject::connect(&dialog, &QDialog::finished, &dialogLoop, &QEventLoop::quit);
    std::thread worker([&] {
        report = engine.run(request, observer);
        finished = true;
        onWindowThread(
            &dialog, [this] { jobEnded(); }, false);
    });
    dialog.show();
    dialogLoop.exec();
    // The dialog's loop can also end with the application's: the job is then cancelled,
    // and the window keeps answering it until it is over.
    if (!finished) {
        engine.cancel();
        while (!finished) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, kFinishSlice);
        }
    }
    worker.join();
    dialog_ = nullptr;
    return report;
}

// The row going out, in the "Próxima Impressão" box and in the dialog.
void PrintJob::rowStarting(PrintProgressDialog& dialog, int index, int count,
                           const printing::JobRow& row, const core::LabelRequest& request) {
    const Controls& controls = context_.controls;
    const orders::LabelTypeView view = rowLabelType(controls, row.line);
    showNextPrint(controls, view, row.quantity);
    controls.wQtdimp->setNumber(core::digitsValue(request.line.get(core::item::kQuantity)));
    dialog.showRow(index, count, items_.text(row.row, orders::kColItem).trimmed(),
                   view.gridText.trimmed());
}

void PrintJob::rowEnded(PrintProgressDialog& dialog, const printing::RowReport& report,
                        long long labelsSent) {
    if (report.outcome == printing::RowOutcome::Printed) {
        items_.markPrinted(report.row);
        // "Falta imprimir": the labels of the rows still ticked.
        showTotalToPrint(context_.controls, labelsOf(items_.tickedRows()));
    }
    dialog.showLabelsSent(labelsSent);
}

void PrintJob::finish(const printing::JobReport& report) {
    using printing::JobEnd;
    switch (report.end) {
        case JobEnd::Normal:
        case JobEnd::Cancelled:
        case JobEnd::PrinterNotReady:  // the operator has seen why and chosen to stop
            endNormally();
            return;
        case JobEnd::PrinterBusy:  // the settings are right: print again once it is free
        case JobEnd::NoLabels:     // the row's quantity is what needs mending
            show(printJobMessages::failedJob(report));
            endNormally();
            return;
        case JobEnd::InvalidPort:
        case JobEnd::SerialFailure:
        case JobEnd::NoPrintFolder:
        case JobEnd::RowFailed:
            show(printJobMessages::failedJob(report));
            break;
    }
    endOnConfigurationPage();
}

printing::StatusChoice PrintJob::askPrinter(const printing::StatusCheck& check) {
    return askStatusChoice(context_.messageBox, check, portugueseSelected(context_.controls));
}

// The journal's fault, told from the window's thread or the engine's: one box per job, and
// the job goes on with the marks in memory.
void PrintJob::tellJournal(const std::string& message) {
    QObject* window = context_.controls.window;
    if (QThread::currentThread() != window->thread()) {
        onWindowThread(
            window, [this, message] { tellJournal(message); }, true);
        return;
    }
    if (!journalTold_) {
        journalTold_ = true;
        rotinaMsg(context_.messageBox, QString::fromUtf8(message.c_str()),
                  QString::fromUtf8("ATENÇÃO"), core::kStyleWarning);
    }
}

void PrintJob::show(const printJobMessages::JobMessage& message) {
    rotinaMsg(context_.messageBox, message.text, message.title, message.style);
}

void PrintJob::endOnConfigurationPage() {
    context_.controls.tbOpera->setPage(kConfigurationPage);
    context_.controls.wPrmportaimp->setFocus();
}

void PrintJob::endNormally() {
    context_.controls.tbOpera->setPage(kPrintPage);
    context_.controls.tbOpera->setFocus();
}

}  // namespace rotulano::window
