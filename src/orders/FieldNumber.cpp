#include "orders/FieldNumber.h"

namespace rotulano::orders {

std::string fieldDigits(const std::string& field) {
    std::string digits = field;
    for (char& c : digits) {
        if (c < '0' || c > '9') {
            c = '0';
        }
    }
    return digits;
}

long long fieldNumber(const std::string& field) {
    long long number = 0;
    for (char c : fieldDigits(field)) {
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace rotulano::orders
