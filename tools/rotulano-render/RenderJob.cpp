#include "rotulano-render/RenderJob.h"

#include <QString>
#include <algorithm>

#include "core/FixedRecord.h"
#include "core/OrderLine.h"
#include "printing/CapturedJob.h"

namespace rotulano::render {

namespace {

// The quantity of the order file: what the grid's "Quant." cell shows after loading.
// The loader has checked its digits; a line that skipped the loader prints none.
long long fileQuantity(const std::string& line) {
    const std::string digits = core::OrderLine(line).get(core::item::kQuantity);
    return core::isAllDigits(digits) ? core::digitsValue(digits) : 0;
}

std::string rowName(int row) {
    return "Linha " + std::to_string(row);
}

std::string noLayoutWarning(int row, char code) {
    const std::string shownCode = QString::fromLatin1(&code, 1).toStdString();
    return rowName(row) + ": o tipo de etiqueta \"" + shownCode +
           "\" não tem leiaute; nada é impresso para ela (a linha seria marcada como impressa)";
}

std::string channelError(int row, const printing::ChannelResult& channel) {
    const char* what = channel.failedStep == printing::ChannelStep::PrintFile
                           ? "o arquivo de impressão não pôde ser gravado ou relido"
                           : "a porta não aceitou os bytes";
    return rowName(row) + ": Status [" + channel.status + "] " + channel.failedName + ": " + what +
           "; nenhum byte foi gerado";
}

// Prints grid row `row` of the request on `job`; false, with the reason in
// `result.error`, when it failed.
bool printRequestRow(printing::CapturedJob& job, const RenderRequest& request, int row,
                     RenderResult& result) {
    if (row < 1 || static_cast<std::size_t>(row) > request.items.size()) {
        result.error = rowName(row) + ": não existe no pedido";
        return false;
    }
    const std::string& line = request.items[static_cast<std::size_t>(row - 1)];
    const std::size_t offset = job.bytes().size();
    const printing::RowJobResult printed = job.printRow(
        printing::rowRequest(line, fileQuantity(line), request.orderNumber, request.settings));
    // Each warning once per job, as the window shows them.
    for (const printing::ChannelWarning& warning : printed.channel.warnings) {
        if (std::find(result.warnings.begin(), result.warnings.end(), warning.text) ==
            result.warnings.end()) {
            result.warnings.push_back(warning.text);
        }
    }
    if (!printed.channel.ok()) {
        result.error = channelError(row, printed.channel);
        return false;
    }
    if (!printed.hasRoutine) {
        result.warnings.push_back(noLayoutWarning(row, core::OrderLine(line).labelTypeCode()));
    }
    result.rows.push_back({row, printed.hasRoutine, offset, job.bytes().size() - offset});
    return true;
}

}  // namespace

RenderResult RenderJob::run(const RenderRequest& request) {
    RenderResult result;
    {
        // One job for all the rows, as the window prints them: one logo download.
        printing::CapturedJob job(system_, request.logoDir);
        for (int row : request.rows) {
            if (!printRequestRow(job, request, row, result)) {
                break;
            }
        }
        if (result.ok()) {
            result.bytes = job.bytes();
        }
    }
    if (!result.ok()) {
        result.rows.clear();
    }
    return result;
}

}  // namespace rotulano::render
