#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/PrinterSettings.h"
#include "printing/SystemPlatform.h"
#include "support/WindowFakes.h"
#include "window/ItemTableModel.h"
#include "window/ShownGrid.h"

// A main window whose printer ports are files, driven as the operator drives it: clicks on
// the "Sel" cells, on the page tabs and on BT-IMPRIME.
namespace rotulano::window {
class LabelPreviewWindow;
class PrintProgressDialog;
}  // namespace rotulano::window

namespace rotulano::test {

// Every byte sent to a port is appended to the file portFile(port name), as a printer on
// that port receives one job after another. Sends can be made to fail; waits are only
// recorded. A port given in `lines` is a real serial line (a pseudo-terminal), opened
// and written by the system's own device code.
class PortFilePlatform : public FakePlatform {
  public:
    std::string portDevice(const std::string& portName) override;
    core::FileStatus sendToDevice(const std::string& device, const std::string& bytes) override;
    core::FileStatus openSerialPort(const std::string& device, const std::string& bytes) override;
    // The file in portDirectory that stands for the port `portName`.
    std::string portFile(const std::string& portName) const;

    std::map<std::string, std::string> lines;  // port name -> device of a real line

    int sends = 0;
    std::function<void()> onSend;  // runs at every send, before the bytes go out
    std::set<int> failingSends;    // 1-based numbers of the sends that fail with status "30"

  private:
    bool isLine(const std::string& device) const;
    printing::SystemPlatform system_;
};

// The settings record: model, port, darkness, pause, margins, speed and language, with a
// filler of zeros.
std::string settingsRecord(int model, int port, int darkness = 15, bool pause = false,
                           int leftMargin = 2, int topMargin = 3, char speed = 'C',
                           int language = 1);

class PrintJobWindow {
  public:
    PrintJobWindow();
    ~PrintJobWindow();
    PrintJobWindow(const PrintJobWindow&) = delete;
    PrintJobWindow& operator=(const PrintJobWindow&) = delete;

    // Writes CD21PRM.DAT and the logo files into the working directory and opens the window.
    void open(const std::string& settings);
    // Loads an order file made of `lines` through W-NOME-COMPLETO.
    void loadOrder(const std::vector<std::string>& lines);
    // Opens the window with `settings` and the ports file `ports` beside them, loads an
    // order of `items` under the usual header, ticks every row and prints.
    void printWithPorts(const std::string& settings, const std::string& ports,
                        const std::vector<std::string>& items);
    // The same with the ports file made by `makePortsFile` (given its path): a link, a
    // folder.
    void printWithPortsMadeBy(const std::string& settings,
                              const std::function<void(const std::string&)>& makePortsFile,
                              const std::vector<std::string>& items);

    void clickCell(int row, int column);  // rows and columns from 1, as the handlers count
    void clickPage(int page);             // the tab of the page, 1-based
    void clickPrint();                    // BT-IMPRIME
    void editQuantity(int row, const QString& typed);  // double click, type, Enter
    // Double-clicks the cell; the editor that opened, or nullptr.
    QWidget* openCellEditor(int row, int column);
    void closeEditors();

    ShownGrid grid();                           // what the grid shows
    window::ItemTableModel& items();            // the rows it shows
    std::vector<QString> marks();               // the "Sel" cell of every row
    std::string port(const std::string& name);  // the bytes that reached the port so far
    window::Controls& controls() { return window->controls(); }
    window::Session& session() { return window->session(); }

    ScopedWorkingDir dir;
    FakeMessageBox messageBox;
    FakeFileDialog fileDialog;
    PortFilePlatform platform;
    std::unique_ptr<window::MainWindow> window;
};

// What a label routine leaves on the port for `line` (quantity and order number already
// in place) with `settings`: the command lines, each followed by CR LF. Empty for a label
// code without a layout.
std::string labelBytes(const std::string& line, const core::PrinterSettings& settings);

// Three small adhesives (no logo) of 10, 4 and 7 labels, as order lines.
const std::vector<std::string>& threeAdhesives();
// What the port gets for row `number` (from 1) of `rows`, printed on order "004711" with
// the labels the row asks for and the settings record `settings`.
std::string rowLabelBytes(const std::vector<std::string>& rows, int number,
                          const std::string& settings);

// The logo download as the printer receives it, waits left out.
std::string zplLogoBytes();
std::string dplLogoBytes(int model);

// The sample order's lines, header first, without their line ends.
std::vector<std::string> sampleLines();

// Opens the window with a Zebra on LPT1 in `language`, loads five small adhesives (one send
// each) of 10, 20, 30, 40 and 50 labels, ticks them all and goes to the Impressão page.
void startFiveSmallAdhesives(PrintJobWindow& test, int language);

// The print job's progress dialog on screen, or nullptr.
window::PrintProgressDialog* shownProgressDialog();

// Runs `work` on the window's thread (the platform's sends come from the job's own
// thread): waiting for it, or leaving it queued while the job goes on.
void onWindowThread(const std::function<void()>& work, bool wait = true);

// The label preview the main window shows, or nullptr.
window::LabelPreviewWindow* shownPreview(QWidget* window);

// The text of the label `name` of a window, as UTF-8; "<none>" when there is no such label.
std::string textOf(QWidget* window, const char* name);

// `line` with the quantity at positions 5-10 and the order number at 295-300.
std::string withQuantity(std::string line, const std::string& quantity,
                         const std::string& orderNumber);

}  // namespace rotulano::test
