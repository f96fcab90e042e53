#pragma once

#include <string>

#include "core/OrderLine.h"

namespace rotulano::orders {

// The header fields of an order (record type "0") as the window shows them. Text is
// kept as the file's Latin-1 bytes.
struct OrderHeaderView {
    std::string supplierCnpj = std::string(14, '0');  // positions 3-16, all digits
    std::string supplierName = std::string(30, ' ');  // positions 17-46
    std::string orderNumber = std::string(6, ' ');    // positions 47-52, as written
    std::string orderDate = std::string(8, '0');      // positions 55-62, ddmmyyyy
    std::string emailDate = std::string(8, '0');      // positions 63-70, ddmmyyyy

    static OrderHeaderView fromLine(const core::OrderLine& line);

    // The order number as the 6-digit number that the print job writes into every printed
    // line; a character that is not a digit counts as zero.
    std::string orderNumberDigits() const;
};

}  // namespace rotulano::orders
