#include "window/PrintJob.h"

#include <QCheckBox>

#include "config/PrinterLists.h"
#include "core/FixedRecord.h"
#include "orders/ItemTable.h"
#include "printing/SerialSetup.h"
#include "window/DisplayField.h"
#include "window/DropDownList.h"
#include "window/Messages.h"
#include "window/PageControl.h"
#include "window/SelectionMarks.h"

namespace rotulano::window {

namespace {

constexpr int kPrintPage = 2;
constexpr int kConfigurationPage = 3;

}  // namespace

PrintJob::PrintJob(WindowContext& context)
    : context_(context),
      grid_(context.controls.tabPedido),
      channel_(context.session.channel, context.platform),
      logo_(channel_),
      labelJob_(channel_, logo_) {}

// Rows from the top. After each printed row the next ticked row is the first "X" from
// the top; the rows above the printed one hold none (they were passed over or printed,
// and nothing ticks a row while the job runs: its boxes are modal), so the scan goes on
// below it instead of reading the whole grid again for every row of a long order.
void PrintJob::run() {
    const int rowCount = grid_.rowCount();
    for (int row = 1; row <= rowCount; ++row) {
        if (!isTicked(grid_, row)) {
            continue;
        }
        if (!printTickedRow(row)) {
            return;
        }
        if (context_.controls.wPrmpara->isChecked()) {
            break;
        }
    }
    endNormally();
}

bool PrintJob::printTickedRow(int row) {
    const core::LabelRequest request = prepareRow(row);
    if (!checkPort()) {
        return false;
    }
    const printing::RowJobResult printed = printing::printRow(labelJob_, request);
    if (!reportChannel(printed)) {
        return false;
    }
    grid_.setText(row, orders::kColSel, printedMark());
    return true;
}

core::LabelRequest PrintJob::prepareRow(int row) {
    const Controls& controls = context_.controls;
    const std::string line = grid_.record(row);
    const long long quantity = rowQuantity(grid_, row);
    showNextPrint(controls, rowLabelType(controls, line), quantity);
    controls.wEtiqueta->repaint();
    controls.wQtdimp->repaint();
    const Session& session = context_.session;
    core::LabelRequest request =
        printing::rowRequest(line, quantity, session.orderNumber, session.settings);
    controls.wQtdimp->setNumber(core::digitsValue(request.line.get(core::item::kQuantity)));
    return request;
}

bool PrintJob::checkPort() {
    const int port = context_.session.settings.port();
    if (config::PrinterLists::isSerialPort(port)) {
        return context_.session.channel.serialPortConfigured || setUpSerialPort(port);
    }
    if (port == 1 || port == 2) {
        return true;
    }
    show(printJobMessages::invalidPort());
    endOnConfigurationPage();
    return false;
}

// ROTINA-SERIAL once per run of the program (again after another port was saved).
bool PrintJob::setUpSerialPort(int port) {
    printing::ChannelState& state = context_.session.channel;
    state.serialPortName = config::PrinterLists::serialPortName(port);
    const core::FileStatus status = printing::rotinaSerial(channel_);
    context_.session.fileStatus = status;
    if (status != core::kStatusOk) {
        show(printJobMessages::serialFailure(status));
        endOnConfigurationPage();
        return false;
    }
    show(printJobMessages::serialConfirmation());
    state.serialPortConfigured = true;
    return true;
}

// Warnings are shown once per job and the job goes on. A failure ends the job with the
// row still ticked; the printer may have lost the logo too, so the next job sends it again.
bool PrintJob::reportChannel(const printing::RowJobResult& printed) {
    const printing::ChannelResult& result = printed.channel;
    for (const printing::ChannelWarning& warning : result.warnings) {
        if (warningsShown_.insert({warning.title, warning.text}).second) {
            show(printJobMessages::channelWarning(warning));
        }
    }
    if (result.ok()) {
        return true;
    }
    context_.session.fileStatus = result.status;
    context_.session.channel.logoLoaded = false;
    const int port = context_.session.settings.port();
    show(printJobMessages::channelFailure(result, config::PrinterLists::portName(port)));
    endOnConfigurationPage();
    return false;
}

void PrintJob::show(const printJobMessages::JobMessage& message) {
    core::MessageRequest& request = context_.session.message;
    request.text = message.text;
    request.title = message.title;
    request.type = message.style;
    rotinaMsg(context_);
}

void PrintJob::endOnConfigurationPage() {
    context_.controls.tbOpera->setPage(kConfigurationPage);
    context_.controls.wPrmportaimp->setFocus();
}

void PrintJob::endNormally() {
    context_.controls.tbOpera->setPage(kPrintPage);
    context_.controls.tbOpera->setFocus();
    context_.session.channel.logoLoaded = false;
}

}  // namespace rotulano::window
