#include "orders/OrderHeaderView.h"

#include "orders/FieldNumber.h"

namespace rotulano::orders {

OrderHeaderView OrderHeaderView::fromLine(const core::OrderLine& line) {
    OrderHeaderView view;
    view.supplierCnpj = line.get(core::header::kSupplierCnpj);
    view.supplierName = line.get(core::header::kSupplierName);
    view.orderNumber = line.get(core::header::kOrderNumber);
    view.orderDate = line.get(core::header::kOrderDate);
    view.emailDate = line.get(core::header::kEmailDate);
    return view;
}

std::string OrderHeaderView::orderNumberDigits() const {
    return fieldDigits(orderNumber);
}

}  // namespace rotulano::orders
