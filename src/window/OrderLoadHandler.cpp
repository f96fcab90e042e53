#include <QFile>
#include <QPushButton>

#include "core/FileStatusTitles.h"
#include "core/SystemPath.h"
#include "journal/OrderJournal.h"
#include "orders/FieldNumber.h"
#include "orders/ItemRow.h"
#include "orders/OrderFileReader.h"
#include "window/DisplayField.h"
#include "window/Handlers.h"
#include "window/JournalLine.h"
#include "window/Messages.h"
#include "window/SelectionSummary.h"
#include "window/TrailingBlanks.h"

namespace rotulano::window {

namespace {

// The order file as a status report names it.
const char* const kOrderFileLabel = "Arquivo de Pedidos";

QString latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<int>(bytes.size()));
}

// The path written in W-NOME-COMPLETO without the blanks that pad the field; a path
// longer than the field's 150 characters is used whole.
QString chosenPath(const Controls& controls) {
    return withoutTrailingBlanks(controls.wNomeCompleto->text());
}

void clearOrder(WindowContext& context) {
    Controls& controls = context.controls;
    controls.btSelecionar->setFocus();
    controls.supplierNameField->setText(QString());
    controls.orderNumberField->setText(QString());
    controls.supplierCnpjField->setNumber(0);
    controls.orderDateField->setNumber(0);
    controls.wHeadatEmail->setNumber(0);
    controls.tabPedido->items()->clear();
    controls.wDetqtd->setNumber(0);
    controls.btImprime->setEnabled(false);
    context.session.orderNumber = "000000";
    context.session.lastSelRow = 0;
    context.session.orderFile.clear();
    context.session.orderSha256.clear();
    context.session.supplierName.clear();
    showJournalLine(controls, QString());
}

void showHeader(WindowContext& context, const orders::OrderHeaderView& header) {
    Controls& controls = context.controls;
    controls.supplierNameField->setText(latin1(header.supplierName));
    controls.supplierCnpjField->setDigits(orders::fieldDigits(header.supplierCnpj));
    controls.orderNumberField->setText(latin1(header.orderNumber));
    context.session.orderNumber = header.orderNumberDigits();
    context.session.supplierName = header.supplierName;
    controls.orderDateField->setDigits(orders::fieldDigits(header.orderDate));
    controls.wHeadatEmail->setDigits(orders::fieldDigits(header.emailDate));
}

void fillGrid(WindowContext& context, const std::vector<std::string>& lines) {
    ItemTableView* grid = context.controls.tabPedido;
    const int language = interfaceLanguage(context.controls);
    std::vector<orders::ItemRow> rows;
    rows.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        rows.emplace_back(lines[i], static_cast<int>(i) + 1, language);
    }
    grid->setUpdatesEnabled(false);
    grid->items()->setItems(rows);
    grid->fitToContent();
    grid->scrollToTop();  // a new order opens at its first row, not where the last one was
    grid->setUpdatesEnabled(true);
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

void report(WindowContext& context, const orders::OrderLoad& load, const QString& path) {
    if (load.outcome == orders::LoadOutcome::OpenFailed ||
        load.outcome == orders::LoadOutcome::ReadFailed) {
        rotinaStatusFile(context.messageBox, load.status, QString::fromUtf8(kOrderFileLabel),
                         core::pathFromQt(path), core::fileStatusCause(load.status));
    } else if (load.outcome == orders::LoadOutcome::Message) {
        rotinaMsg(context.messageBox, load.message);
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
    const orders::OrderLoad load = path.contains(QChar::ReplacementCharacter)
                                       ? undecodableName()
                                       : orders::OrderFileReader::read(core::pathFromQt(path));
    if (load.headerShown) {
        showHeader(context, load.header);
    }
    if (!load.items.empty()) {
        fillGrid(context, load.items);
        context.session.orderFile = core::pathFromQt(path);
        context.session.orderSha256 = journal::orderFileSha256(context.session.orderFile);
    }
    report(context, load, path);
    showOrderJournal(context);
    if (endedNormally(load)) {
        context.controls.tabPedido->setFocus();
    }
}

}  // namespace rotulano::window
