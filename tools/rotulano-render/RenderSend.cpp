#include "rotulano-render/RenderSend.h"

#include <algorithm>
#include <cctype>

#include "config/DestinationText.h"
#include "config/ParameterFile.h"
#include "config/PortsFile.h"
#include "config/PrinterLists.h"
#include "printing/PortJob.h"
#include "printing/PrintJobMessages.h"
#include "printing/PrinterStatusMessages.h"
#include "printing/ProgramSignals.h"
#include "printing/SystemPlatform.h"
#include "rotulano-render/RenderJournal.h"

namespace rotulano::render {

namespace {

namespace messages = printing::printJobMessages;

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The ports file: the one --ports names (it must exist), else the one beside the settings.
RenderExit loadPorts(const RenderOptions& options, config::PortsTable& table, std::ostream& err) {
    const std::string path =
        options.portsPath ? *options.portsPath
                          : config::PortsFile::besideSettings(
                                options.settingsPath.value_or(config::ParameterFile::kFileName));
    std::string message;
    if (!config::PortsFile(path).load(table, message, options.portsPath.has_value())) {
        return renderFailure(err, RenderExit::Settings, message);
    }
    return RenderExit::Ok;
}

// --port: a port name takes the place of the saved one; a destination takes the place of
// the saved port's entry.
RenderExit applyPort(const std::string& port, core::PrinterSettings& settings,
                     config::PortsTable& table, std::ostream& err) {
    const std::vector<std::string> names = config::PrinterLists::portItems();
    const auto name = std::find(names.begin(), names.end(), upper(port));
    if (name != names.end()) {
        settings.setPort(static_cast<int>(name - names.begin()) + 1);
        return RenderExit::Ok;
    }
    core::PortDestination destination;
    std::string reason;
    if (!config::destinationText::parse(port, destination, reason)) {
        return renderFailure(err, RenderExit::CommandLine,
                             "A opção --port não é uma porta (LPT1, LPT2, COM1 a COM4) nem um "
                             "destino: " +
                                 reason);
    }
    table.set(config::PrinterLists::portName(settings.port()), destination);
    return RenderExit::Ok;
}

// One line per row that reached the printer; the serial set-up needs no confirmation.
class SendObserver : public printing::JobObserver {
  public:
    SendObserver(std::ostream& err, int count) : err_(err), count_(count) {}

    void rowEnded(const printing::RowReport& report, long long) override {
        if (report.outcome == printing::RowOutcome::Printed) {
            err_ << kRenderTag << "linha " << report.row << " enviada (" << ++sent_ << " de "
                 << count_ << ")\n";
            err_.flush();
        }
    }
    void warning(const printing::ChannelWarning& warning) override {
        err_ << kRenderTag << "aviso: " << warning.text << '\n';
    }

  private:
    std::ostream& err_;
    int count_;
    int sent_ = 0;
};

// The window's box for a job that did not end well, as one line.
std::string messageLine(const messages::JobMessage& message) {
    const QString title = message.title.trimmed();
    if (title == QStringLiteral("ATENÇÃO")) {
        return message.text.toStdString();
    }
    return title.toStdString() + ": " + message.text.toStdString();
}

RenderExit jobEnd(const printing::JobReport& report, std::ostream& err) {
    using printing::JobEnd;
    if (report.end == JobEnd::Normal || report.end == JobEnd::Cancelled) {
        return RenderExit::Ok;
    }
    // Nobody is there to choose: a printer that is not ready ends the job before its row.
    if (report.end == JobEnd::PrinterNotReady) {
        return renderFailure(err, RenderExit::PrinterNotReady,
                             printing::printerStatusMessages::text(report.status));
    }
    // Like a printer not ready: nothing was sent to it, and it can be tried again later.
    if (report.end == JobEnd::PrinterBusy) {
        return renderFailure(err, RenderExit::PrinterNotReady,
                             messageLine(messages::failedJob(report)));
    }
    // A row of 0 labels cannot be printed, whatever the printer.
    if (report.end == JobEnd::NoLabels) {
        return renderFailure(err, RenderExit::Output, messageLine(messages::failedJob(report)));
    }
    const RenderExit status =
        report.end == JobEnd::InvalidPort ? RenderExit::Settings : RenderExit::Send;
    return renderFailure(err, status, messageLine(messages::failedJob(report)));
}

// --no-status: no port's printer is asked before its rows.
void switchStatusCheckOff(config::PortsTable& table) {
    for (const std::string& name : config::PrinterLists::portItems()) {
        if (const core::PortDestination* entry = table.find(name)) {
            core::PortDestination unchecked = *entry;
            unchecked.statusCheck = false;
            table.set(name, unchecked);
        }
    }
}

// A job that an end signal cancelled: the row in hand ended as its destination allows,
// and no other was sent.
RenderExit cancelled(const printing::JobReport& report, int signal, std::ostream& err) {
    if (report.end != printing::JobEnd::Normal && report.end != printing::JobEnd::Cancelled) {
        jobEnd(report, err);
    }
    const auto sent = std::count_if(report.rows.begin(), report.rows.end(), [](const auto& row) {
        return row.outcome == printing::RowOutcome::Printed;
    });
    err << kRenderTag << "envio cancelado por " << printing::ProgramSignals::name(signal) << ": "
        << sent << (sent == 1 ? " linha enviada\n" : " linhas enviadas\n");
    err.flush();
    return static_cast<RenderExit>(kSignalExitBase + signal);
}

// The job in a print folder of the run's own, removed with its files when the job ends.
RenderExit sendJob(const printing::JobRequest& job, const RenderRequest& request,
                   const config::PortsTable& table, SendJournal& journal,
                   printing::ProgramSignals& endSignals, std::ostream& err) {
    printing::SystemPlatform platform;
    printing::ChannelState state;
    printing::openPrintFolder(state, platform, printing::kRenderFolderPrefix);
    printing::PortJob portJob(state, platform, table, request.logoDir);
    const std::string port = config::PrinterLists::portName(request.settings.port());
    portJob.engine().setRecorder(journal.recorder(request, table, platform.portDevice(port)));
    endSignals.watch([&portJob](int) { portJob.cancel(); });
    SendObserver observer(err, static_cast<int>(job.rows.size()));
    const printing::JobReport report = portJob.run(job, observer);
    endSignals.stopWatching();
    if (endSignals.caught() != 0) {
        return cancelled(report, endSignals.caught(), err);
    }
    return jobEnd(report, err);
}

}  // namespace

RenderExit sendRender(const RenderOptions& options, std::ostream& err) {
    // From here on an end signal cancels the run: the print folder is removed.
    printing::ProgramSignals endSignals;
    RenderRequest request;
    config::PortsTable table;
    RenderExit status = prepareRender(options, request, err);
    if (status == RenderExit::Ok) {
        status = loadPorts(options, table, err);
    }
    if (status == RenderExit::Ok && options.port) {
        status = applyPort(*options.port, request.settings, table, err);
    }
    printing::JobRequest job;
    std::string error;
    if (status != RenderExit::Ok) {
        return status;
    }
    if (options.noStatus) {
        switchStatusCheckOff(table);
    }
    if (!buildJobRequest(request, job, error)) {
        return renderFailure(err, RenderExit::CommandLine, error);
    }
    SendJournal journal(options, err);
    if (options.skipPrinted) {
        status = journal.skipPrinted(request, job);
        if (status != RenderExit::Ok) {
            return status;
        }
        if (job.rows.empty()) {
            err << kRenderTag
                << "nada a enviar: o diário mostra todas as linhas escolhidas já "
                   "impressas\n";
            return RenderExit::Ok;
        }
    }
    return sendJob(job, request, table, journal, endSignals, err);
}

}  // namespace rotulano::render
