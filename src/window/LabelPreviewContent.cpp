#include "window/LabelPreviewContent.h"

#include <QDir>

#include "preview/LabelPreview.h"
#include "printing/CapturedJob.h"
#include "printing/PrivateTempDir.h"
#include "printing/RowJob.h"
#include "window/ItemGrid.h"
#include "window/SelectionMarks.h"

namespace rotulano::window {

namespace {

using Failure = LabelPreviewContent::Failure;

// The preview names its print file from the clock as the print job does; in a directory
// of its own it can never meet the job's print file of the same hundredth of a second.
constexpr const char* kPreviewTempPrefix = "rotulano-visualiza";

void findTickedRows(const ItemGrid& grid, LabelPreviewContent& content) {
    const int rowCount = grid.rowCount();
    for (int row = 1; row <= rowCount; ++row) {
        if (!isTicked(grid, row)) {
            continue;
        }
        const long long quantity = rowQuantity(grid, row);
        if (content.row == 0) {
            content.row = row;
            content.rowLabels = quantity;
        }
        content.jobLabels += quantity;
    }
}

void keepJobWarnings(const printing::ChannelResult& channel, LabelPreviewContent& content) {
    for (const printing::ChannelWarning& warning : channel.warnings) {
        content.jobWarnings << QString::fromStdString(warning.text);
    }
}

// The row's bytes, as printRow sends them, into `content.bytes`.
void captureRow(WindowContext& context, const core::LabelRequest& request,
                LabelPreviewContent& content) {
    const std::string sharedTempDir = context.session.channel.tempDir;
    printing::PrivateTempDir tempDir(kPreviewTempPrefix);
    const std::string ownTempDir = tempDir.path(sharedTempDir);
    if (ownTempDir.empty()) {
        content.failure = Failure::NoTempDir;
        content.failedName = QString::fromLocal8Bit(sharedTempDir.c_str());
        return;
    }
    printing::CapturedJob job(context.platform, {}, ownTempDir);
    const printing::RowJobResult printed = job.printRow(request);
    keepJobWarnings(printed.channel, content);
    if (!printed.hasRoutine) {
        content.failure = Failure::NoLayout;
        content.labelCode = request.line.labelTypeCode();
    } else if (!printed.channel.ok()) {
        content.failure = Failure::NotCaptured;
        content.failedStatus = QString::fromLatin1(printed.channel.status.c_str());
        content.failedName = QString::fromLocal8Bit(printed.channel.failedName.c_str());
    } else {
        content.bytes = job.bytes();
    }
}

}  // namespace

LabelPreviewContent LabelPreviewContent::ofNextJob(WindowContext& context) {
    LabelPreviewContent content;
    const ItemGrid grid(context.controls.tabPedido);
    findTickedRows(grid, content);
    if (content.row == 0) {
        content.failure = Failure::NoTickedRow;
        return content;
    }
    const std::string line = grid.record(content.row);
    content.labelType = rowLabelType(context.controls, line).gridText.trimmed();
    const Session& session = context.session;
    captureRow(context,
               printing::rowRequest(line, content.rowLabels, session.orderNumber, session.settings),
               content);
    if (content.failure == Failure::None) {
        content.labels = preview::renderJob(
            content.bytes, preview::PreviewResources::fromDirectory(QDir::currentPath()));
    }
    return content;
}

}  // namespace rotulano::window
