#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/PortsTable.h"
#include "core/Platform.h"
#include "core/PrinterSettings.h"
#include "printing/PortRoute.h"
#include "printing/SystemDestinations.h"
#include "window/MessageBoxService.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace rotulano::window {

// The Portas window CP21PRT, opened from the Configuração page: for each of the six port
// names, where its bytes go (empty: the usual device) and, for a device, the serial
// line's speed, data bits, parity, stop bits and flow control ("" keeps the system's), and
// whether the printer is asked for its status ("" keeps the default of its kind).
// "Gravar" writes the ports file whole; "Testar" asks the printer where the check is on,
// then sends a small test label for the saved printer model through the row's
// destination and says whether it got there. Captions
// follow the interface language; messages are Portuguese.
class PortsWindow : public QDialog {
    Q_OBJECT

  public:
    struct Services {
        core::Platform& platform;
        MessageBoxService& messageBox;
        // Where the test label goes for a row with a destination; the system's own when
        // null.
        printing::DestinationSender* destinations = nullptr;
    };

    PortsWindow(std::string portsPath, const core::PrinterSettings& saved, bool portuguese,
                Services services, QWidget* parent = nullptr);
    ~PortsWindow() override;

    // Shows the window over `parent`, modal, without waiting for it to close.
    static PortsWindow* open(QWidget* parent, std::string portsPath,
                             const core::PrinterSettings& saved, bool portuguese,
                             Services services);

    // Closing (the title bar's close, Escape, "Fechar") while "Testar" talks to a printer
    // cancels the test; the window closes once the test's thread has ended.
    void done(int result) override;

  private:
    struct Row {
        std::string portName;
        QLineEdit* destination = nullptr;
        QComboBox* speed = nullptr;
        QComboBox* dataBits = nullptr;
        QComboBox* parity = nullptr;
        QComboBox* stopBits = nullptr;
        QComboBox* flowControl = nullptr;
        QComboBox* statusCheck = nullptr;
        QPushButton* test = nullptr;
        // The ports file's confirma-fechando, kept when the window saves.
        bool confirmsByClosing = true;
    };

    void buildRows(bool portuguese);
    void showTable(const config::PortsTable& table);
    void showEntry(Row& row, const core::PortDestination& entry);
    void rowEdited(Row& row);
    // The row's entry; false, with the message, when its destination is not valid.
    bool readRow(const Row& row, std::optional<core::PortDestination>& entry,
                 std::string& message) const;
    void save();
    QStringList shownChoices() const;
    bool leaveUnsaved();
    void test(const Row& row);
    bool printerReady(const printing::PortRoute& route);
    void aside(const std::function<void()>& work);
    void warn(const std::string& text);

    std::string portsPath_;
    core::PrinterSettings saved_;
    bool portuguese_;
    Services services_;
    std::unique_ptr<printing::SystemDestinations> systemDestinations_;
    std::vector<Row> rows_;
    QWidget* rowsPanel_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QStringList savedChoices_;        // what the rows showed when the file was read or saved
    bool testing_ = false;            // a test's thread is running
    std::optional<int> closeWanted_;  // the result of a close asked for meanwhile
};

}  // namespace rotulano::window
