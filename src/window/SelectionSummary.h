#pragma once

#include <string>
#include <vector>

#include "orders/LabelTypeView.h"
#include "printing/PrintEngine.h"
#include "window/Controls.h"

// What the "Impressão" page says about the ticked rows of the item grid: the next print
// job's label type, picture and quantity, and the labels still to print.
namespace rotulano::window {

// The labels of `rows`, together.
long long labelsOf(const std::vector<printing::JobRow>& rows);

// The interface language chosen in W-PRMLINGUA (1 Português), which names label types.
int interfaceLanguage(const Controls& controls);

// ROTINA-MONTA-ETQ on an order line, in the interface language.
orders::LabelTypeView rowLabelType(const Controls& controls, const std::string& orderLine);

// The "Próxima Impressão" box: the label type's grid text in W-ETIQUETA, its picture in
// CmImage2 and the quantity in W-QTDIMP.
void showNextPrint(const Controls& controls, const orders::LabelTypeView& view, long long quantity);

// Empties the "Próxima Impressão" box and the total to print.
void clearNextPrint(const Controls& controls);

// The total to print in W-DETQTD, through its picture "ZZZ.ZZZ"; a total above 999.999
// is shown whole, with one more thousands point, rather than losing its high digits.
void showTotalToPrint(const Controls& controls, long long total);

}  // namespace rotulano::window
