#include "window/PortsWindow.h"

#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <atomic>
#include <thread>

#include "config/DestinationText.h"
#include "config/PortsFile.h"
#include "config/PrinterLists.h"
#include "core/MessageRequest.h"
#include "printing/PortJob.h"
#include "printing/PortRoute.h"
#include "window/Messages.h"
#include "window/StatusChoiceBox.h"

namespace rotulano::window {

namespace {

namespace text = config::destinationText;

const QString kWindowName = QStringLiteral("CP21PRT");

struct Caption {
    const char* portuguese;
    const char* english;
};

// The column headings, in the order of the columns.
const Caption kHeadings[] = {{"Porta", "Port"},
                             {"Destino", "Destination"},
                             {"Velocidade", "Speed"},
                             {"Bits de dados", "Data bits"},
                             {"Paridade", "Parity"},
                             {"Bits de parada", "Stop bits"},
                             {"Controle de fluxo", "Flow control"},
                             {"Consultar estado", "Status check"},
                             {"", ""}};
const Caption kTitle = {"Portas", "Ports"};
const Caption kTest = {"Testar", "Test"};
const Caption kSave = {"Gravar", "Save"};
const Caption kClose = {"Fechar", "Close"};

QString caption(const Caption& caption, bool portuguese) {
    return QString::fromUtf8(portuguese ? caption.portuguese : caption.english);
}

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A list of the values the ports file takes; the empty first item keeps the system's.
QComboBox* valueList(const QString& name, const QStringList& values) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->addItem(QString());
    list->addItems(values);
    return list;
}

QStringList speedValues() {
    QStringList values;
    for (int speed : text::serialSpeeds()) {
        values << QString::number(speed);
    }
    return values;
}

void select(QComboBox* list, const std::string& value) {
    list->setCurrentIndex(std::max(0, list->findText(utf8(value))));
}

std::string chosen(const QComboBox* list) {
    return list->currentText().toStdString();
}

// For a network printer, which kind it is: one that closes its side of the connection
// after a row (the row is confirmed so) or one that does not (confirma-fechando=nao).
std::string closingReport(const printing::PortRoute& route, const core::Delivery& delivery) {
    if (!route.destination() || route.destination()->kind != core::DestinationKind::Tcp) {
        return {};
    }
    if (delivery.printerClosed) {
        return " A impressora fecha a conexão ao fim de cada linha: cada linha é confirmada "
               "assim.";
    }
    return " A impressora não fechou a conexão: cada linha conta quando ela confirma ter "
           "recebido todos os bytes (confirma-fechando=nao).";
}

}  // namespace

PortsWindow::PortsWindow(std::string portsPath, const core::PrinterSettings& saved, bool portuguese,
                         Services services, QWidget* parent)
    : QDialog(parent),
      portsPath_(std::move(portsPath)),
      saved_(saved),
      portuguese_(portuguese),
      services_(services) {
    setObjectName(kWindowName);
    setWindowTitle(caption(kTitle, portuguese));
    setAttribute(Qt::WA_DeleteOnClose);
    if (services_.destinations == nullptr) {
        systemDestinations_ = printing::systemDestinations(services_.platform);
        services_.destinations = systemDestinations_.get();
    }
    buildRows(portuguese);

    config::PortsTable table;
    std::string message;
    if (config::PortsFile(portsPath_).load(table, message, false)) {
        showTable(table);
    } else {
        // Editing would replace the entries that could not be read: the file is fixed
        // by hand first.
        for (Row& row : rows_) {
            row.destination->setEnabled(false);
        }
        warn(message +
             " As portas só podem ser editadas aqui depois que o arquivo for "
             "corrigido.");
    }
    savedChoices_ = shownChoices();
    saveButton_->setEnabled(false);
}

PortsWindow::~PortsWindow() = default;

PortsWindow* PortsWindow::open(QWidget* parent, std::string portsPath,
                               const core::PrinterSettings& saved, bool portuguese,
                               Services services) {
    if (auto* shown = parent->findChild<PortsWindow*>(kWindowName); shown != nullptr) {
        shown->raise();
        shown->activateWindow();
        return shown;
    }
    auto* window = new PortsWindow(std::move(portsPath), saved, portuguese, services, parent);
    window->QDialog::open();
    return window;
}

void PortsWindow::done(int result) {
    if (!testing_) {
        if (leaveUnsaved()) {
            QDialog::done(result);
        }
        return;
    }
    closeWanted_ = result;
    services_.destinations->cancel();
}

void PortsWindow::buildRows(bool portuguese) {
    rowsPanel_ = new QWidget;
    auto* grid = new QGridLayout(rowsPanel_);
    grid->setContentsMargins(0, 0, 0, 0);
    int column = 0;
    for (const Caption& heading : kHeadings) {
        grid->addWidget(new QLabel(caption(heading, portuguese)), 0, column++);
    }
    const std::vector<std::string> names = config::PrinterLists::portItems();
    rows_.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        Row& row = rows_[i];
        row.portName = names[i];
        const QString name = utf8(names[i]);
        row.destination = new QLineEdit;
        row.destination->setObjectName("W-DESTINO-" + name);
        row.destination->setPlaceholderText(utf8(services_.platform.portDevice(row.portName)));
        row.speed = valueList("W-VELOCIDADE-" + name, speedValues());
        row.dataBits = valueList("W-BITS-DADOS-" + name, {"5", "6", "7", "8"});
        row.parity = valueList("W-PARIDADE-" + name, {"nenhuma", "par", "impar"});
        row.stopBits = valueList("W-BITS-PARADA-" + name, {"1", "2"});
        row.flowControl = valueList("W-FLUXO-" + name, {"nenhum", "rts-cts", "xon-xoff"});
        row.statusCheck = valueList("W-CONSULTA-" + name, {"sim", "nao"});
        row.test = new QPushButton(caption(kTest, portuguese));
        row.test->setObjectName("BT-TESTAR-" + name);
        const int line = static_cast<int>(i) + 1;
        grid->addWidget(new QLabel(name), line, 0);
        column = 1;
        const std::vector<QWidget*> controls = {row.destination, row.speed,    row.dataBits,
                                                row.parity,      row.stopBits, row.flowControl,
                                                row.statusCheck, row.test};
        for (QWidget* control : controls) {
            grid->addWidget(control, line, column++);
        }
        connect(row.destination, &QLineEdit::textEdited, this, [this, i] { rowEdited(rows_[i]); });
        for (QComboBox* list : {row.speed, row.dataBits, row.parity, row.stopBits, row.flowControl,
                                row.statusCheck}) {
            connect(list, &QComboBox::activated, this, [this, i] { rowEdited(rows_[i]); });
            list->setEnabled(false);
        }
        connect(row.test, &QPushButton::clicked, this, [this, i] { test(rows_[i]); });
    }
    grid->setColumnMinimumWidth(1, 220);

    saveButton_ = new QPushButton(caption(kSave, portuguese));
    saveButton_->setObjectName(QStringLiteral("BT-GRAVA-PORTAS"));
    connect(saveButton_, &QPushButton::clicked, this, &PortsWindow::save);
    auto* close = new QPushButton(caption(kClose, portuguese));
    close->setObjectName(QStringLiteral("BT-FECHAR"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rowsPanel_);
    layout->addLayout(buttons);
}

void PortsWindow::showTable(const config::PortsTable& table) {
    for (Row& row : rows_) {
        if (const core::PortDestination* entry = table.find(row.portName)) {
            showEntry(row, *entry);
        }
    }
}

void PortsWindow::showEntry(Row& row, const core::PortDestination& entry) {
    row.destination->setText(utf8(entry.text));
    const core::SerialLine& serial = entry.serial;
    select(row.speed, serial.speed ? std::to_string(*serial.speed) : "");
    select(row.dataBits, serial.dataBits ? std::to_string(*serial.dataBits) : "");
    select(row.parity, serial.parity ? text::parityText(*serial.parity) : "");
    select(row.stopBits, serial.stopBits ? std::to_string(*serial.stopBits) : "");
    select(row.flowControl, serial.flowControl ? text::flowControlText(*serial.flowControl) : "");
    select(row.statusCheck, entry.statusCheck ? (*entry.statusCheck ? "sim" : "nao") : "");
    row.confirmsByClosing = entry.confirmsByClosing;
    rowEdited(row);
}

// The serial line's fields mean something only for a device, and the status check only
// where the printer can answer: never a print queue or a parallel port.
void PortsWindow::rowEdited(Row& row) {
    core::PortDestination destination;
    std::string reason;
    const bool valid =
        text::parse(row.destination->text().trimmed().toStdString(), destination, reason);
    const bool device = valid && destination.kind == core::DestinationKind::Device;
    for (QComboBox* list : {row.speed, row.dataBits, row.parity, row.stopBits, row.flowControl}) {
        list->setEnabled(device);
    }
    row.statusCheck->setEnabled(valid && destination.canCheckStatus());
    saveButton_->setEnabled(shownChoices() != savedChoices_);
}

// What the rows show, as a save would read it: Gravar is on only when it differs from
// what the file holds.
QStringList PortsWindow::shownChoices() const {
    QStringList shown;
    for (const Row& row : rows_) {
        shown << row.destination->text().trimmed();
        for (const QComboBox* list : {row.speed, row.dataBits, row.parity, row.stopBits,
                                      row.flowControl, row.statusCheck}) {
            shown << list->currentText();
        }
    }
    return shown;
}

// Closing with choices not saved asks whether to save them, drop them or stay.
bool PortsWindow::leaveUnsaved() {
    if (shownChoices() == savedChoices_) {
        return true;
    }
    switch (askAboutUnsavedSettings(services_.messageBox, portuguese_)) {
        case UnsavedChoice::Save:
            save();
            return shownChoices() == savedChoices_;  // a save that failed was reported
        case UnsavedChoice::Discard:
            return true;
        case UnsavedChoice::Stay:
            break;
    }
    return false;
}

bool PortsWindow::readRow(const Row& row, std::optional<core::PortDestination>& entry,
                          std::string& message) const {
    entry.reset();
    const std::string written = row.destination->text().trimmed().toStdString();
    if (written.empty()) {
        return true;
    }
    core::PortDestination destination;
    std::string reason;
    if (!text::parse(written, destination, reason)) {
        message = "Porta " + row.portName + ": \"" + written + "\": " + reason + ".";
        return false;
    }
    if (destination.kind == core::DestinationKind::Device) {
        core::SerialLine& serial = destination.serial;
        int number = 0;
        core::Parity parity{};
        core::FlowControl flow{};
        if (text::parseSpeed(chosen(row.speed), number))
            serial.speed = number;
        if (text::parseDataBits(chosen(row.dataBits), number))
            serial.dataBits = number;
        if (text::parseParity(chosen(row.parity), parity))
            serial.parity = parity;
        if (text::parseStopBits(chosen(row.stopBits), number))
            serial.stopBits = number;
        if (text::parseFlowControl(chosen(row.flowControl), flow))
            serial.flowControl = flow;
    }
    // Kept as the ports file says; the window has no control for it.
    destination.confirmsByClosing =
        destination.kind != core::DestinationKind::Tcp || row.confirmsByClosing;
    if (chosen(row.statusCheck) == "sim" || chosen(row.statusCheck) == "nao") {
        destination.statusCheck = chosen(row.statusCheck) == "sim";
    }
    if (destination.statusCheck.value_or(false) && !destination.checksStatus()) {
        message = "Porta " + row.portName +
                  ": a consulta de estado não vale para uma fila de impressão nem para uma porta "
                  "paralela.";
        return false;
    }
    entry = destination;
    return true;
}

void PortsWindow::save() {
    config::PortsTable table;
    for (const Row& row : rows_) {
        std::optional<core::PortDestination> entry;
        std::string message;
        if (!readRow(row, entry, message)) {
            warn(message);
            return;
        }
        if (entry) {
            table.set(row.portName, *entry);
        }
    }
    std::string message;
    if (!config::PortsFile(portsPath_).save(table, message)) {
        warn(message);
        return;
    }
    savedChoices_ = shownChoices();
    saveButton_->setEnabled(false);
}

void PortsWindow::test(const Row& row) {
    std::optional<core::PortDestination> entry;
    std::string message;
    if (!readRow(row, entry, message)) {
        warn(message);
        return;
    }
    const printing::PortRoute route = entry
                                          ? printing::PortRoute(row.portName, *entry)
                                          : printing::PortRoute(row.portName, config::PortsTable());
    const std::string where = route.describe(services_.platform);
    if (!printerReady(route)) {
        return;
    }
    core::Delivery delivery;
    aside([&] {
        delivery =
            printing::sendTestLabel(route, saved_, services_.platform, *services_.destinations);
    });
    if (closeWanted_) {
        return;
    }
    if (!delivery.ok()) {
        warn(printing::deliveryFailureMessage(row.portName, where, delivery));
        return;
    }
    services_.messageBox.show(utf8("Etiqueta de teste enviada para a porta " + row.portName + " (" +
                                   where + ")." + closingReport(route, delivery)),
                              utf8(kTitle.portuguese), core::kStyleInformation);
}

// A printer whose status check is on is asked first, as before a print job; one that is
// not ready gets the same choice.
bool PortsWindow::printerReady(const printing::PortRoute& route) {
    const std::optional<core::PortDestination>& destination = route.destination();
    if (!destination || !destination->checksStatus()) {
        return true;
    }
    const bool zpl = saved_.printerModel().printsZpl();
    while (true) {
        printing::StatusCheck check{
            {}, route.portName(), destination->text, services_.destinations->statusWait()};
        aside([&] { check.status = services_.destinations->askStatus(*destination, zpl); });
        if (closeWanted_) {
            return false;
        }
        if (check.status.allowsPrinting()) {
            return true;
        }
        const printing::StatusChoice choice =
            askStatusChoice(services_.messageBox, check, portuguese_);
        if (choice != printing::StatusChoice::TryAgain) {
            return choice == printing::StatusChoice::PrintAnyway;
        }
    }
}

// The printer is talked to on a thread of its own, so that one that takes nothing (up to
// the stall limit) leaves the window painting. Meanwhile the rows take no input; closing
// the window cancels the work, and the close is carried out from the event loop once the
// thread has ended and the test's own code has returned. A loop ended by the program's end
// cancels the work too.
void PortsWindow::aside(const std::function<void()>& work) {
    QEventLoop waiting;
    std::atomic<bool> finished{false};
    testing_ = true;
    const bool unsaved = saveButton_->isEnabled();
    rowsPanel_->setEnabled(false);
    saveButton_->setEnabled(false);
    std::thread worker([&] {
        work();
        finished = true;
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec();
    if (!finished) {
        services_.destinations->cancel();
    }
    worker.join();
    testing_ = false;
    rowsPanel_->setEnabled(true);
    saveButton_->setEnabled(unsaved);
    if (closeWanted_) {
        QMetaObject::invokeMethod(
            this, [this, result = *closeWanted_] { QDialog::done(result); }, Qt::QueuedConnection);
    }
}

void PortsWindow::warn(const std::string& text) {
    services_.messageBox.show(utf8(text), QStringLiteral("ATENÇÃO"), core::kStyleWarning);
}

}  // namespace rotulano::window
