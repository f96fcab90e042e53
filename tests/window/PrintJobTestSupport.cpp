#include "window/PrintJobTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <fstream>

#include "core/FixedRecord.h"
#include "core/LabelRequest.h"
#include "labels/RoutineChoice.h"
#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "printing/LabelFileBytes.h"
#include "support/LogoDownloadBytes.h"
#include "window/DisplayField.h"
#include "window/LabelPreviewWindow.h"
#include "window/PageControl.h"
#include "window/PrintProgressDialog.h"

namespace rotulano::test {

namespace {

std::string twoDigits(int value) {
    return core::zeroPadded(value, 2);
}

}  // namespace

// On Windows a file named after a port (LPT1, COM1, with any extension, in any folder) is
// that port itself: the stand-in file's name only ends with the port's.
std::string PortFilePlatform::portFile(const std::string& portName) const {
    return portDirectory + "/porta-" + portName;
}

std::string PortFilePlatform::portDevice(const std::string& portName) {
    const auto line = lines.find(portName);
    return line == lines.end() ? portFile(portName) : line->second;
}

bool PortFilePlatform::isLine(const std::string& device) const {
    for (const auto& line : lines) {
        if (line.second == device) {
            return true;
        }
    }
    return false;
}

core::FileStatus PortFilePlatform::sendToDevice(const std::string& device,
                                                const std::string& bytes) {
    ++sends;
    if (onSend) {
        onSend();
    }
    if (failingSends.count(sends) != 0) {
        return core::kStatusIoError;
    }
    if (isLine(device)) {
        FakePlatform::sendToDevice(device, bytes);
        return system_.sendToDevice(device, bytes);
    }
    FakePlatform::sendToDevice(device, bytes);
    std::ofstream(device, std::ios::binary | std::ios::app) << bytes;
    return core::kStatusOk;
}

core::FileStatus PortFilePlatform::openSerialPort(const std::string& device,
                                                  const std::string& bytes) {
    if (isLine(device)) {
        serialOpened.push_back(device);
        return system_.openSerialPort(device, bytes);
    }
    return FakePlatform::openSerialPort(device, bytes);
}

std::string settingsRecord(int model, int port, int darkness, bool pause, int leftMargin,
                           int topMargin, char speed, int language) {
    return "1" + twoDigits(model) + twoDigits(port) + twoDigits(darkness) + (pause ? "S" : "N") +
           twoDigits(leftMargin) + twoDigits(topMargin) + std::string(1, speed) +
           std::to_string(language) + std::string(132, '0');
}

PrintJobWindow::PrintJobWindow() {
    QApplication::setQuitOnLastWindowClosed(false);
    QDir().mkpath(QString::fromStdString(dir.file("ports")));
    platform.portDirectory = dir.file("ports");
    useOwnTempDir(platform, dir);
    window = std::make_unique<window::MainWindow>(messageBox, fileDialog, platform);
}

PrintJobWindow::~PrintJobWindow() {
    window.reset();
    TestWindow::processEvents();
}

void PrintJobWindow::open(const std::string& settings) {
    writeBytes(dir.file("CD21PRM.DAT"), settings);
    writeBytes(dir.file("LOGOVRDL.GRF"), readBytes(samplePath("LOGOVRDL.GRF")));
    writeBytes(dir.file("LOGOVRDL.BMP"), readBytes(samplePath("LOGOVRDL.BMP")));
    window->resize(800, 500);
    window->show();
    TestWindow::processEvents();
}

void PrintJobWindow::loadOrder(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    writeBytes(dir.file("PEDIDO.txt"), bytes);
    controls().wNomeCompleto->setText(QString::fromStdString(dir.file("PEDIDO.txt")));
}

void PrintJobWindow::printWithPorts(const std::string& settings, const std::string& ports,
                                    const std::vector<std::string>& items) {
    printWithPortsMadeBy(
        settings, [&ports](const std::string& path) { writeBytes(path, ports); }, items);
}

void PrintJobWindow::printWithPortsMadeBy(
    const std::string& settings, const std::function<void(const std::string&)>& makePortsFile,
    const std::vector<std::string>& items) {
    open(settings);
    makePortsFile(dir.file("rotulano-portas.ini"));
    std::vector<std::string> lines = {headerLine()};
    lines.insert(lines.end(), items.begin(), items.end());
    loadOrder(lines);
    for (int row = 1; row <= static_cast<int>(items.size()); ++row) {
        clickCell(row, orders::kColSel);
    }
    clickPage(2);
    clickPrint();
}

void PrintJobWindow::clickCell(int row, int column) {
    ASSERT_TRUE(row >= 1 && row <= grid().rowCount()) << "no row " << row;
    QTest::mouseClick(controls().tabPedido->viewport(), Qt::LeftButton, {},
                      grid().cellRect(row, column).center());
}

void PrintJobWindow::clickPage(int page) {
    QTabBar* tabs = controls().tbOpera->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
}

void PrintJobWindow::clickPrint() {
    QPushButton* button = controls().btImprime;
    ASSERT_TRUE(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

QWidget* PrintJobWindow::openCellEditor(int row, int column) {
    window::ItemTableView* table = controls().tabPedido;
    if (row < 1 || row > grid().rowCount() || column < 1 || column > table->columnCount()) {
        ADD_FAILURE() << "no cell at row " << row << ", column " << column;
        return nullptr;
    }
    const QPoint centre = grid().cellRect(row, column).center();
    // A click first makes the cell current, as the operator's hand does on the way.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre, 500);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre, 500);
    return table->indexWidget(table->model()->index(row - 1, column - 1));
}

void PrintJobWindow::closeEditors() {
    // The view commits the value and closes the editor from the event queue; the closed
    // editor goes away before the next one opens.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void PrintJobWindow::editQuantity(int row, const QString& typed) {
    auto* editor = qobject_cast<QSpinBox*>(openCellEditor(row, orders::kColQuantity));
    ASSERT_NE(editor, nullptr) << "the Quant. cell opened no editor";
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    closeEditors();
}

ShownGrid PrintJobWindow::grid() {
    return ShownGrid(controls().tabPedido);
}

window::ItemTableModel& PrintJobWindow::items() {
    return *controls().tabPedido->items();
}

std::vector<QString> PrintJobWindow::marks() {
    std::vector<QString> shown;
    for (int row = 1; row <= grid().rowCount(); ++row) {
        shown.push_back(grid().text(row, orders::kColSel));
    }
    return shown;
}

std::string PrintJobWindow::port(const std::string& name) {
    return readBytes(platform.portFile(name));
}

void startFiveSmallAdhesives(PrintJobWindow& test, int language) {
    test.open(settingsRecord(5, 1, 15, false, 2, 3, 'C', language));
    std::vector<std::string> lines{headerLine()};
    for (int row = 1; row <= 5; ++row) {
        lines.push_back(itemLine('2', "0000" + std::to_string(10 * row)));
    }
    test.loadOrder(lines);
    for (int row = 1; row <= 5; ++row) {
        test.clickCell(row, orders::kColSel);
    }
    test.clickPage(2);
}

window::PrintProgressDialog* shownProgressDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<window::PrintProgressDialog*>(window);
        if (dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

void onWindowThread(const std::function<void()>& work, bool wait) {
    QMetaObject::invokeMethod(qApp, work,
                              wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

std::string labelBytes(const std::string& line, const core::PrinterSettings& settings) {
    const core::LabelRequest request{core::OrderLine(line), settings};
    const labels::LabelRoutine routine =
        labels::chooseLabelRoutine(settings.model(), request.line.labelTypeCode());
    return routine == nullptr ? std::string() : printing::labelFileBytes(routine(request).lines);
}

const std::vector<std::string>& threeAdhesives() {
    static const std::vector<std::string> rows = {itemLine('2', "000010"), itemLine('2', "000004"),
                                                  itemLine('2', "000007")};
    return rows;
}

std::string rowLabelBytes(const std::vector<std::string>& rows, int number,
                          const std::string& settings) {
    const std::string& line = rows[static_cast<std::size_t>(number - 1)];
    return labelBytes(withQuantity(line, line.substr(4, 6), "004711"),
                      core::PrinterSettings(settings));
}

std::string zplLogoBytes() {
    return logoDownloadBytes(5, samplePath(""));
}

std::string dplLogoBytes(int model) {
    return logoDownloadBytes(model, samplePath(""));
}

std::vector<std::string> sampleLines() {
    const std::string bytes = readBytes(samplePath("PEDIDO.txt"));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

window::LabelPreviewWindow* shownPreview(QWidget* window) {
    return window->findChild<window::LabelPreviewWindow*>(QStringLiteral("CP21PRV"));
}

std::string textOf(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromUtf8(name));
    return label == nullptr ? "<none>" : label->text().toStdString();
}

std::string withQuantity(std::string line, const std::string& quantity,
                         const std::string& orderNumber) {
    line.resize(300, ' ');
    line.replace(4, 6, quantity);
    line.replace(294, 6, orderNumber);
    return line;
}

}  // namespace rotulano::test
