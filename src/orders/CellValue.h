#pragma once

#include <QString>
#include <string>

namespace rotulano::orders {

// What one grid cell receives: a text, or a number with its implied decimals (a price of
// 19,90 is 1990 units with 2 decimals) that the grid shows through the column's picture.
struct CellValue {
    bool isNumber = false;
    QString text;
    long long units = 0;
    int decimals = 0;

    static CellValue ofText(const QString& text) { return CellValue{false, text, 0, 0}; }
    static CellValue ofLatin1(const std::string& bytes) {
        return ofText(QString::fromLatin1(bytes.data(), static_cast<int>(bytes.size())));
    }
    static CellValue ofNumber(long long units, int decimals = 0) {
        return CellValue{true, QString(), units, decimals};
    }
};

}  // namespace rotulano::orders
