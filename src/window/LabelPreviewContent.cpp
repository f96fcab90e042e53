#include "window/LabelPreviewContent.h"

#include <QDir>

#include "preview/LabelPreview.h"
#include "printing/MemorySink.h"
#include "printing/PrintEngine.h"
#include "window/SelectionSummary.h"

namespace rotulano::window {

namespace {

using Failure = LabelPreviewContent::Failure;

// Keeps what the print job would tell the operator.
class PreviewObserver : public printing::JobObserver {
  public:
    explicit PreviewObserver(QStringList& warnings) : warnings_(warnings) {}
    void warning(const printing::ChannelWarning& warning) override {
        warnings_ << QString::fromStdString(warning.text);
    }

  private:
    QStringList& warnings_;
};

// The row's bytes, as the print job sends them, into `content.bytes`.
void captureRow(const Session& session, const printing::JobRow& row, LabelPreviewContent& content) {
    printing::MemorySink sink;
    printing::PrintEngine engine(sink);
    PreviewObserver observer(content.jobWarnings);
    const printing::JobReport report =
        engine.run({{row}, session.orderNumber, session.settings}, observer);
    if (!report.rows.empty() && !report.rows.front().hasLayout) {
        content.failure = Failure::NoLayout;
        content.labelCode = core::OrderLine(row.line).labelTypeCode();
        return;
    }
    content.bytes = sink.bytes();
}

}  // namespace

LabelPreviewContent LabelPreviewContent::ofNextJob(WindowContext& context) {
    LabelPreviewContent content;
    const std::vector<printing::JobRow> rows = context.controls.tabPedido->items()->tickedRows();
    if (rows.empty()) {
        content.failure = Failure::NoTickedRow;
        return content;
    }
    const printing::JobRow& first = rows.front();
    content.row = first.row;
    content.rowLabels = first.quantity;
    content.jobLabels = labelsOf(rows);
    content.labelType = rowLabelType(context.controls, first.line).gridText.trimmed();
    captureRow(context.session, first, content);
    if (content.failure == Failure::None) {
        content.labels = preview::renderJob(
            content.bytes, preview::PreviewResources::fromDirectory(QDir::currentPath()));
    }
    return content;
}

}  // namespace rotulano::window
