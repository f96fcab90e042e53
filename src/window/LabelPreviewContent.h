#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "preview/RenderedLabel.h"
#include "window/WindowContext.h"

namespace rotulano::window {

// What the label preview shows: the labels of the first ticked row of TAB-PEDIDO (the
// first row the next print job sends) as the printer will print them, and the size of
// the job. The row's bytes come from the print engine itself (the grid's quantity, the
// loaded order's number and the saved settings) run into memory, the logo not yet
// loaded: nothing reaches a port or a file, and the window's channel, print file, marks
// and flags stay as they were.
struct LabelPreviewContent {
    // Why there are no labels to show.
    enum class Failure {
        None,
        NoTickedRow,  // no row holds "X"
        NoLayout,     // the row's label code has no layout: the job sends nothing for it
    };

    int row = 0;              // the first ticked row, counted from 1; 0 when none
    long long rowLabels = 0;  // its "Quant.": the copies of its item label
    long long jobLabels = 0;  // the "Quant." of every ticked row, added up
    QString labelType;        // its label type as the grid shows it
    std::string bytes;        // what the print job sends for the row, logo download first
    std::vector<preview::RenderedLabel> labels;  // item label, then the order summary label
    QStringList jobWarnings;  // what the print job would tell the operator (Portuguese)

    Failure failure = Failure::None;
    char labelCode = ' ';  // NoLayout: the row's label code

    // The preview of the next print job of the window of `context`. Only reads the
    // window: the grid, the shared records and the logo files of the working directory.
    static LabelPreviewContent ofNextJob(WindowContext& context);
};

}  // namespace rotulano::window
