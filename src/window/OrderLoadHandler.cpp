#include <QFile>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>

#include "orders/FieldNumber.h"
#include "orders/ItemRow.h"
#include "orders/OrderFileReader.h"
#include "window/DisplayField.h"
#include "window/Handlers.h"
#include "window/ItemGrid.h"
#include "window/Messages.h"

namespace rotulano::window {

namespace {

// The order file as a status report names it.
const char* const kOrderFileLabel = "Arquivo de Pedidos";

QString latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<int>(bytes.size()));
}

// The selection index of W-PRMLINGUA, 1-based (1 Português), 0 when nothing is chosen.
int languageIndex(const Controls& controls) {
    return controls.wPrmlingua == nullptr ? 0 : controls.wPrmlingua->selection();
}

// The path written in W-NOME-COMPLETO without the blanks that pad the field; a path
// longer than the field's 150 characters is used whole.
QString chosenPath(const Controls& controls) {
    QString path = controls.wNomeCompleto->text();
    while (path.endsWith(u' ')) {
        path.chop(1);
    }
    return path;
}

void clearOrder(WindowContext& context) {
    Controls& controls = context.controls;
    controls.btSelecionar->setFocus();
    controls.wHearaz->setText(QString());
    controls.wHeaped->setText(QString());
    controls.wHeacgc->setNumber(0);
    controls.wHeadatPed->setNumber(0);
    controls.wHeadatEmail->setNumber(0);
    ItemGrid(controls.tabPedido).setRowCount(0);
    controls.wDetqtd->setNumber(0);
    controls.btImprime->setEnabled(false);
    context.session.orderNumber = "000000";
    context.session.lastSelRow = 0;
}

void showHeader(WindowContext& context, const orders::OrderHeaderView& header) {
    Controls& controls = context.controls;
    controls.wHearaz->setText(latin1(header.supplierName));
    controls.wHeacgc->setDigits(orders::fieldDigits(header.supplierCnpj));
    controls.wHeaped->setText(latin1(header.orderNumber));
    context.session.orderNumber = header.orderNumberDigits();
    controls.wHeadatPed->setDigits(orders::fieldDigits(header.orderDate));
    controls.wHeadatEmail->setDigits(orders::fieldDigits(header.emailDate));
}

void writeRow(ItemGrid& grid, int row, const orders::ItemRow& item, const QColor& window) {
    using namespace orders;
    grid.setRecord(row, item.record());
    for (int column : {kColSel, kColItem, kColQuantity}) {
        grid.setCell(row, column, item.cell(column));
    }
    grid.setBackground(row, kColSel, window);
    grid.setBackground(row, kColQuantity, window);
    grid.setCell(row, kColType, item.cell(kColType));
    grid.setBackground(row, kColType, colourFromWindows(item.labelType().cellColour));
    for (int column : {kColCode, kColDescription, kColSize, kColSide, kColFooter, kColPrice}) {
        grid.setCell(row, column, item.cell(column));
    }
}

void fillGrid(WindowContext& context, const std::vector<std::string>& items) {
    QTableWidget* table = context.controls.tabPedido;
    const QColor window = table->palette().color(QPalette::Window);
    const int language = languageIndex(context.controls);
    ItemGrid grid(table);
    table->setUpdatesEnabled(false);
    grid.setRowCount(static_cast<int>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        writeRow(grid, row, orders::ItemRow(items[i], row, language), window);
    }
    grid.fitToContent();
    table->setUpdatesEnabled(true);
}

// The file dialog gives names as Qt decodes them (UTF-8): a name whose bytes are not
// UTF-8 comes with U+FFFD in their place and no longer names the file chosen, which
// might even be another file. It is refused, never opened.
orders::OrderLoad undecodableName() {
    orders::OrderLoad load;
    load.outcome = orders::LoadOutcome::OpenFailed;
    load.status = core::kStatusNameMismatch;
    return load;
}

void report(WindowContext& context, const orders::OrderLoad& load) {
    Session& session = context.session;
    if (load.outcome == orders::LoadOutcome::OpenFailed ||
        load.outcome == orders::LoadOutcome::ReadFailed) {
        // The report always takes the meaning of the status as its title and the error
        // style, whatever an earlier caller may have left in the request.
        session.message.type = 0;
        session.message.title.clear();
        session.fileStatus = load.status;
        session.statusFileLabel = QString::fromUtf8(kOrderFileLabel);
        rotinaStatus(context);
    } else if (load.outcome == orders::LoadOutcome::Message) {
        session.message.text = load.message.text;
        session.message.title = load.message.title;
        session.message.type = load.message.type;
        rotinaMsg(context);
    }
}

// The load ran to the end of the file: the operator goes on in the grid.
bool endedNormally(const orders::OrderLoad& load) {
    return load.outcome == orders::LoadOutcome::Loaded ||
           (load.outcome == orders::LoadOutcome::Message && load.headerShown &&
            load.message.type == 0);
}

}  // namespace

void onOrderPathChanged(WindowContext& context) {
    clearOrder(context);
    const QString path = chosenPath(context.controls);
    if (path.isEmpty()) {
        return;
    }
    const orders::OrderLoad load =
        path.contains(QChar::ReplacementCharacter)
            ? undecodableName()
            : orders::OrderFileReader::read(QFile::encodeName(path).toStdString());
    if (load.headerShown) {
        showHeader(context, load.header);
    }
    if (!load.items.empty()) {
        fillGrid(context, load.items);
    }
    report(context, load);
    if (endedNormally(load)) {
        context.controls.tabPedido->setFocus();
    }
}

}  // namespace rotulano::window
