#include "rotulano-render/RenderJob.h"

#include <QString>

#include "core/FixedRecord.h"
#include "core/OrderLine.h"
#include "printing/MemorySink.h"
#include "printing/PrintEngine.h"
#include "printing/PrintJobMessages.h"

namespace rotulano::render {

namespace {

// About what a row sends (a ZPL tag and its summary label take some 1.2 KB): the job's
// bytes are given their room at once.
constexpr std::size_t kRowBytesHint = 1536;

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

// Keeps where each row's bytes lie in the job and what the operator should know.
class RenderObserver : public printing::JobObserver {
  public:
    RenderObserver(const printing::MemorySink& sink, RenderResult& result)
        : sink_(sink), result_(result) {}

    void rowStarting(int, int, const printing::JobRow& row,
                     const core::LabelRequest& request) override {
        offset_ = sink_.bytes().size();
        code_ = request.line.labelTypeCode();
        (void)row;
    }
    void rowEnded(const printing::RowReport& report, long long) override {
        if (!report.hasLayout) {
            result_.warnings.push_back(noLayoutWarning(report.row, code_));
        }
        result_.rows.push_back(
            {report.row, report.hasLayout, offset_, sink_.bytes().size() - offset_});
    }
    void warning(const printing::ChannelWarning& warning) override {
        result_.warnings.push_back(warning.text);
    }

  private:
    const printing::MemorySink& sink_;
    RenderResult& result_;
    std::size_t offset_ = 0;
    char code_ = ' ';
};

}  // namespace

bool buildJobRequest(const RenderRequest& request, printing::JobRequest& job, std::string& error) {
    job = printing::JobRequest{{}, request.orderNumber, request.settings};
    for (int row : request.rows) {
        if (row < 1 || static_cast<std::size_t>(row) > request.items.size()) {
            error = rowName(row) + ": não existe no pedido";
            return false;
        }
        const std::string& line = request.items[static_cast<std::size_t>(row - 1)];
        job.rows.push_back({row, line, fileQuantity(line)});
    }
    return true;
}

RenderResult RenderJob::run(const RenderRequest& request) {
    RenderResult result;
    printing::JobRequest job;
    if (!buildJobRequest(request, job, result.error)) {
        return result;
    }
    // One job for all the rows, as the window prints them: one logo download.
    printing::MemorySink sink;
    sink.reserve(job.rows.size() * kRowBytesHint);
    printing::PrintEngine engine(sink, request.logoDir);
    RenderObserver observer(sink, result);
    const printing::JobReport report = engine.run(job, observer);
    // A row of 0 labels stops the job, as on a printer: no bytes of a job cut short.
    if (report.end == printing::JobEnd::NoLabels) {
        result.error =
            printing::printJobMessages::noLabels(report.rows.back().row).text.toStdString();
        return result;
    }
    result.bytes = sink.takeBytes();
    return result;
}

}  // namespace rotulano::render
