#pragma once

// The item grid TAB-PEDIDO: one row per item line, eleven columns numbered from 1 (the
// grid's own column index is one less). Row 0 is the heading row.
namespace rotulano::orders {

constexpr int kColumnCount = 11;
constexpr int kMaxItems = 999;

enum ItemColumn {
    kColRecord = 1,       // "REGISTRO": the whole 300-byte order line, never visible
    kColSel = 2,          // "Sel": blank, "X" ticked, "Ø" (byte 0xD8) printed
    kColItem = 3,         // "Item", 9(03)
    kColQuantity = 4,     // "Quant.", ZZZ.ZZZ
    kColCode = 5,         // "Código", 999999B999B9
    kColType = 6,         // "Tipo da Etiqueta", X(15)
    kColDescription = 7,  // "Descrição", X(30)
    kColSize = 8,         // "Tamanho", X(20)
    kColSide = 9,         // no heading, X(17)
    kColFooter = 10,      // no heading, X(34)
    kColPrice = 11,       // "Preço", ZZZZ,ZZ
};

struct ColumnDesign {
    const char* heading;  // UTF-8
    const char* picture;
};

// Design headings and pictures, index 0 = column 1.
constexpr ColumnDesign kColumnDesign[kColumnCount] = {
    {"REGISTRO", ""},
    {"Sel", ""},
    {"Item", "9(03)"},
    {"Quant.", "ZZZ.ZZZ"},
    {"Código", "999999B999B9"},
    {"Tipo da Etiqueta", "X(15)"},
    {"Descrição", "X(30)"},
    {"Tamanho", "X(20)"},
    {"", "X(17)"},
    {"", "X(34)"},
    {"Preço", "ZZZZ,ZZ"},
};

}  // namespace rotulano::orders
