#include "window/SelectionSummary.h"

#include "core/OrderLine.h"
#include "core/Picture.h"
#include "orders/LabelTypeCatalogue.h"
#include "window/DisplayField.h"
#include "window/DropDownList.h"
#include "window/Pictures.h"

namespace rotulano::window {

namespace {

constexpr long long kLargestShortTotal = 999999;
const char* const kLongTotalPicture = "Z.ZZZ.ZZZ.ZZZ";

}  // namespace

int interfaceLanguage(const Controls& controls) {
    return controls.wPrmlingua == nullptr ? 0 : controls.wPrmlingua->selection();
}

orders::LabelTypeView rowLabelType(const Controls& controls, const std::string& orderLine) {
    return orders::rotinaMontaEtq(core::OrderLine(orderLine), interfaceLanguage(controls));
}

void showNextPrint(const Controls& controls, const orders::LabelTypeView& view,
                   long long quantity) {
    controls.wEtiqueta->setText(view.gridText);
    showPicture(controls.cmImage2, view.pictureName);
    controls.wQtdimp->setNumber(quantity);
}

void clearNextPrint(const Controls& controls) {
    controls.wEtiqueta->setText(QString());
    clearPicture(controls.cmImage2);
    controls.wDetqtd->setNumber(0);
    controls.wQtdimp->setNumber(0);
}

void showTotalToPrint(const Controls& controls, long long total) {
    if (total <= kLargestShortTotal) {
        controls.wDetqtd->setNumber(total);
        return;
    }
    controls.wDetqtd->setText(QString::fromLatin1(core::formatNumber(kLongTotalPicture, total)));
}

long long labelsOf(const std::vector<printing::JobRow>& rows) {
    long long total = 0;
    for (const printing::JobRow& row : rows) {
        total += row.quantity;
    }
    return total;
}

}  // namespace rotulano::window
