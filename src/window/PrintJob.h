#pragma once

#include <set>
#include <string>
#include <utility>

#include "printing/LabelJob.h"
#include "printing/LogoDownload.h"
#include "printing/PrintChannel.h"
#include "printing/RowJob.h"
#include "window/ItemGrid.h"
#include "window/PrintJobMessages.h"
#include "window/WindowContext.h"

namespace rotulano::window {

// ON-PRINT: prints the ticked rows of TAB-PEDIDO from the top, one label job per row with
// the routine of the saved printer model and the row's label code, and marks each printed
// row "Ø". With the pause option ticked the job ends after one row. A row whose labels did
// not reach the port keeps its "X": the job stops there, tells the operator and shows the
// port list, so that nothing is lost and nothing is passed off as printed.
class PrintJob {
  public:
    explicit PrintJob(WindowContext& context);

    void run();

  private:
    // Prints the ticked row; false when the job ended at it.
    bool printTickedRow(int row);
    // The port is usable (and a COM port set up); false when the job ended.
    bool checkPort();
    bool setUpSerialPort(int port);
    // The row's label request, shown in the "Próxima Impressão" box as it goes out.
    core::LabelRequest prepareRow(int row);
    bool reportChannel(const printing::RowJobResult& printed);
    void show(const printJobMessages::JobMessage& message);
    void endOnConfigurationPage();
    void endNormally();

    WindowContext& context_;
    ItemGrid grid_;
    printing::PrintChannel channel_;
    printing::LogoDownload logo_;
    printing::LabelJob labelJob_;
    // Warnings already shown in this job, by title and text: each is shown once.
    std::set<std::pair<std::string, std::string>> warningsShown_;
};

}  // namespace rotulano::window
