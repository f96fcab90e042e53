#!/usr/bin/env python3
"""Writes the DPL golden files of tests/labels/DplLayoutTest.cpp.

Every record below is copied by hand from the DPL layout tables: the 15-character
prefix as printed for the first column, and the data slot already filled for the
case's item (the values were worked out by hand from the item fields given in the
comments; only blank padding is done here). The script only repeats the records
for the further columns, adding the column pitch to the column field, and puts the
header, copies and summary label around them. It never runs the program.

Run it from anywhere: python3 make_golden.py
"""

import os

STX = "\x02"
HERE = os.path.dirname(os.path.abspath(__file__))


def pad(text, width):
    """Left-aligned text in a slot of `width` characters."""
    assert len(text) <= width, (text, width)
    return text + " " * (width - len(text))


def header(darkness="15", left="0020", top="0030", speed="C", model=1, symbol_set=True):
    lines = []
    if symbol_set:
        lines.append(STX + "ySPM")
    lines.append(STX + "m")
    if model != 3:
        lines += [STX + "O0559", STX + "f659"]
    lines += [STX + "L", "H" + darkness, "D11", "C" + left, "R" + top, "P" + speed, "z"]
    return lines


def columns(records, count, pitch):
    """The records of every column: the column field (characters 12-15) moves by pitch."""
    lines = []
    for index in range(count):
        for prefix, data in records:
            assert len(prefix) == 15, prefix
            column = int(prefix[11:15]) + index * pitch
            lines.append(prefix[:11] + "%04d" % column + data)
    return lines


def label(head, records, count, pitch, copies, summary):
    return (head + columns(records, count, pitch) + ["Q" + copies, "E"] +
            [STX + "L", "D11", summary, "Q0001", "E"])


def write(name, lines, encoding="latin-1"):
    with open(os.path.join(HERE, name + ".dpl"), "wb") as out:
        for line in lines:
            out.write(line.encode(encoding) + b"\r\n")


# --- ROTINA-ETQ-DPL-01 ------------------------------------------------------------
# Base item: quantity 000003, productCode 1234567890, description
# "DESCRICAO DO PRODUTO XYZ", price 00012345, supplierReference "REF-FORNEC-0001",
# itemReference "F95TEXTO", sizeCaption "TAM", size "GG", complementText "TEXTO-D6",
# sectionCode "12", sideText "COL9-TEXTO", footerText "COL10-TEXTO", order 654321.
# Settings: model 1, darkness 15, margins 2 and 3, speed C.

CODE_LINE = pad("12-F95TEXTO 123456-789-O", 30)
BARCODE = "001234567890"
FOOTER = pad("COL10-TEXTO", 34) + " "
COMPLEMENT = pad("TEXTO-D6", 35)
CAPTION = "TAM:"
SIZE_GG = " " * 9 + "GG" + " " * 9
DESCRIPTION27 = pad("DESCRICAO DO PRODUTO XYZ", 27)
SIDE = pad("COL9-TEXTO", 17)
SUMMARY01 = "131100200300020Pedido: 654321 S/Ref: REF-FORNEC-0001  Qtd: 0003"


def tag_records(code_line=CODE_LINE, barcode=BARCODE, size=SIZE_GG, decimals=",45",
                integer="123", with_size=True):
    rows = [
        ("1Y1100004800175", "LOGOVRDL"),
        ("191100100700000", FOOTER),
        ("102200004100050", code_line),
        ("1f3308003250050", barcode),
        ("191100103000000", COMPLEMENT),
    ]
    if with_size:
        rows += [
            ("1X1100002550075", "B350035004004"),
            ("191100202500000", CAPTION),
            ("121100202580100", size),
        ]
    rows += [
        ("121100102150000", DESCRIPTION27),
        ("191100301700370", decimals),
        ("162104801200100", integer),
        ("191100401600000", "R$     "),
        ("491100101400450", SIDE),
    ]
    return rows


def large_adhesive_records():
    # Code "3": every row but the logo's 30 tenths of a millimetre lower.
    return [
        ("1Y1100004800175", "LOGOVRDL"),
        ("191100101000000", FOOTER),
        ("102200004400050", CODE_LINE),
        ("1f3308003550050", BARCODE),
        ("191100103300000", COMPLEMENT),
        ("1X1100002850075", "B350035004004"),
        ("191100202800000", CAPTION),
        ("121100202880100", SIZE_GG),
        ("121100102450000", DESCRIPTION27),
        ("191100302000370", ",45"),
        ("162104801500100", "123"),
        ("191100401900000", "R$     "),
        ("491100101700450", SIDE),
    ]


def offer_records(with_size=True, decimals=",45", integer="123"):
    rows = [
        ("191100100350000", FOOTER),
        ("102200003550050", CODE_LINE),
        ("1f3306002900050", BARCODE),
        ("191100102650000", COMPLEMENT),
    ]
    if with_size:
        rows += [
            ("1X1100002350075", "B350035004004"),
            ("191100202300000", CAPTION),
            ("121100202380100", SIZE_GG),
        ]
    rows += [
        ("191100102100000", DESCRIPTION27),
        ("191100301700370", decimals),
        ("153104801400130", integer),
        ("191100401600000", "R$     "),
        ("491100101500450", SIDE),
    ]
    return rows


def old_price_records(old_decimals, old_integer, decimals, integer, with_size=True):
    rows = [
        ("191100101200370", old_decimals),
        ("132104801100250", old_integer),
        ("191100201200000", "De R$  "),
        ("1X1100001250240", "L170004"),
        ("102200003550050", CODE_LINE),
        ("1f3306002900050", BARCODE),
        ("191100102650000", COMPLEMENT),
    ]
    if with_size:
        rows += [
            ("1X1100002200075", "B350035004004"),
            ("191100202150000", CAPTION),
            ("121100202230100", SIZE_GG),
        ]
    rows += [
        ("121100101800000", DESCRIPTION27),
        ("191100300550370", decimals),
        ("162104800050100", integer),
        ("191100200450000", "Por R$ "),
        ("491100101050450", SIDE),
    ]
    return rows


def write_dpl01():
    write("dpl01_tag_example", label(header(), tag_records(), 2, 530, "0002", SUMMARY01))
    write("dpl01_large_adhesive", label(header(), large_adhesive_records(), 2, 550, "0002",
                                        SUMMARY01))
    write("dpl01_tag_blank_size", label(header(), tag_records(with_size=False), 2, 530,
                                        "0002", SUMMARY01))
    # Price 00000100, size "ABCD EFG", itemReference "AB CD  EF", productCode 1020304050,
    # quantity 000001.
    write("dpl01_tag_small_price",
          label(header(),
                tag_records(code_line=pad("12-AB CD 1O2O3O-4O5-O", 30), barcode="001020304050",
                            size=" " * 6 + "ABCD EFG" + " " * 6, decimals=",00", integer="  1"),
                2, 530, "0001",
                "131100200300020Pedido: 654321 S/Ref: REF-FORNEC-0001  Qtd: 0001"))
    # Size of 20 characters "ABCDEFGHIJKLMNOPQRST", copied unchanged; quantity 000000.
    write("dpl01_tag_full_size",
          label(header(), tag_records(size="ABCDEFGHIJKLMNOPQRST"), 2, 530, "0000",
                "131100200300020Pedido: 654321 S/Ref: REF-FORNEC-0001  Qtd: 0000"))
    # Size "  X" (leading blanks count): L = 3, nine blanks, "  X", eight blanks.
    write("dpl01_tag_size_leading_blanks",
          label(header(), tag_records(size=" " * 11 + "X" + " " * 8), 2, 530, "0002",
                SUMMARY01))
    for code, pitch in (("4", 530), ("5", 550), ("6", 530), ("7", 550)):
        write("dpl01_offer_code%s" % code, label(header(), offer_records(), 2, pitch, "0002",
                                                 SUMMARY01))
    # Code "4", oldPrice "  12,50 " (not numeric, so zero): the form without old price.
    write("dpl01_offer_old_price_not_numeric",
          label(header(), offer_records(), 2, 530, "0002", SUMMARY01))
    # Code "4", oldPrice 00000000, blank size.
    write("dpl01_offer_blank_size",
          label(header(), offer_records(with_size=False), 2, 530, "0002", SUMMARY01))
    # Code "5", oldPrice 00010000, price 00000050.
    write("dpl01_offer_old_price_code5",
          label(header(), old_price_records(",00", "100", ",50", "   "), 2, 550, "0002",
                SUMMARY01))
    # Code "7", oldPrice 00002990, price 00001990.
    write("dpl01_offer_old_price_code7",
          label(header(), old_price_records(",90", " 29", ",90", " 19"), 2, 550, "0002",
                SUMMARY01))
    # Code "6", oldPrice 00000500, blank size.
    write("dpl01_offer_old_price_blank_size",
          label(header(), old_price_records(",00", "  5", ",45", "123", with_size=False), 2,
                530, "0002", SUMMARY01))
    # Header variants on the code "1" example.
    write("dpl01_model2", label(header(model=2), tag_records(), 2, 530, "0002", SUMMARY01))
    write("dpl01_model3", label(header(model=3), tag_records(), 2, 530, "0002", SUMMARY01))
    # Darkness 00 is sent as 07.
    write("dpl01_darkness00",
          label(header(darkness="07"), tag_records(), 2, 530, "0002", SUMMARY01))


# --- ROTINA-ETQ-DPL-02 ------------------------------------------------------------
# Base item as above with code "2"; description "DESCRICAO DO PRODUTO XYZ" (30).

def adhesive_records(size_column, size, integer="123", decimals=",45", with_size=True,
                     side=SIDE):
    rows = [
        ("102200001700030", CODE_LINE),
        ("1f3305001150030", BARCODE),
        ("191100100900030", pad("DESCRICAO DO PRODUTO XYZ", 30)),
    ]
    if with_size:
        rows += [
            ("19110020005" + size_column, size),
            ("111100100450015", "TAM :"),
            ("1X1100000050000", "B125065003003"),
        ]
    rows += [
        ("133200700000180", integer),
        ("191100200400370", decimals),
        ("191100200400135", "R$"),
        ("411100100000430", side),
    ]
    return rows


SUMMARY02 = "121100300500050Pedido: 654321 S/Ref: REF-FORNEC-0001  Qtd.: 0003"


def write_dpl02():
    cases = [
        ("dpl02_size_len1", "0034", "  M  "),       # size "M"
        ("dpl02_size_len2", "0029", " GG  "),       # size "GG"
        ("dpl02_size_len2_leading_blank", "0029", "  P  "),  # size " P"
        ("dpl02_size_len3", "0024", " XGG "),       # size "XGG"
        ("dpl02_size_len4", "0014", " ABCD"),       # size "ABCD EFG"
        ("dpl02_size_len5", "0009", "12345"),       # size "12345678"
        ("dpl02_size_beyond_five", "0034", "     "),  # size "     XYZ"
    ]
    for name, column, size in cases:
        write(name, label(header(symbol_set=False), adhesive_records(column, size), 2, 477,
                          "0002", SUMMARY02))
    write("dpl02_size_blank",
          label(header(symbol_set=False), adhesive_records("", "", with_size=False), 2, 477,
                "0002", SUMMARY02))
    # Model 3, darkness 00 (sent as 07), price 00010050 (zeros kept), size "GG".
    write("dpl02_model3_darkness00",
          label(header(darkness="07", model=3, symbol_set=False),
                adhesive_records("0029", " GG  ", integer="100", decimals=",50"), 2, 477, "0002", SUMMARY02))
    # 20,000 labels on two columns: 10,000 copies, sent as a format of 9999 copies and a
    # format of 1. No side text; margins 0 and 0.
    head = header(left="0000", top="0000", symbol_set=False)
    system, label_format = head[:3], head[3:]
    records = columns(adhesive_records("0029", " GG  ", side=" " * 17), 2, 477)
    write("dpl02_quantity_20000",
          system + label_format + records + ["Q9999", "E"] + label_format + records +
          ["Q0001", "E", STX + "L", "D11",
           "121100300500050Pedido: 654321 S/Ref: REF-FORNEC-0001  Qtd.: 20000", "Q0001", "E"])


# --- ROTINA-ETQ-DPL-08 ------------------------------------------------------------

def towel_records():
    return [
        ("1Y1100004250175", "LOGOVRDL"),
        ("102200003900075", CODE_LINE),
        ("1f3308003050070", BARCODE),
        ("191100102700000", COMPLEMENT),
        ("121100202400000", pad("DESCRICAO DO PRODUTO XYZ", 30)),
        ("191100301800410", ",45"),
        ("162104801400130", "123"),
        ("191100401700000", "R$"),
        ("1X1100005650000", "L500030"),
        ("191100100700000", FOOTER),
    ]


def write_dpl08():
    write("dpl08_towel", label(header(), towel_records(), 2, 500, "0002", SUMMARY01))
    write("dpl08_model4", label(header(model=4), towel_records(), 2, 500, "0002", SUMMARY01))


# --- ROTINA-ETQ-DPL-09 ------------------------------------------------------------
# packSuffix "07", quantity 000005, packCode 7890123456708, packDescription
# "CAIXA COM 12 TOALHAS", supplierReference (73-88) "REF-PACK-0000009", order 654321.
# Darkness 01, margins 5 and 7, speed C.

def write_dpl09():
    rows = [
        ("1Y1100001450000", "LOGOVRDL"),
        ("1d6308000000000", "7890123456708"),
        ("191100101650170", pad("Pedido 654321-07", 30)),
        ("191100101350170", pad("Artigo 789012-34-56-70-8", 30)),
        ("191100100950000", pad("CAIXA COM 12 TOALHAS", 30)),
    ]
    write("dpl09_pack_darkness01_margins",
          label(header(darkness="01", left="0050", top="0070"), rows, 2, 480, "0003",
                "131100200300020Pedido: 654321 S/Ref: REF-PACK-0000009 Qtd: 0005"))


# --- ROTINA-ETQ-DPL-A -------------------------------------------------------------
# quantity 000007, productCode 1234500789, description (21-35) "TOALHA ROSTO AZ",
# internalText1 "INT-0001", internalText2 "TXT2-ABCD", internalText3 "TX3-0003".

def write_dpla():
    rows = [
        ("4f3305000150075", "001234500789"),
        ("491100100150020", "INT-0001/TX3-0003 TXT2-ABCD"),
        ("421100100150105", "TOALHA ROST"),
        ("421100102000105", "123450.078.9"),
    ]
    write("dplA_internal_quantity7",
          label(header(), rows, 6, 160, "0002",
                "131100200300020Ped: 654321 S/Rf: TOALHA ROSTO AZ  Qtd: 0007"))


# --- Accented letters ---------------------------------------------------------------
# The tag item with accents in every text field, given in the order's Latin-1 /
# Windows-1252: description "CAMISETA MANGA CURTA BÁSICA", sizeCaption "NÚM", size
# "ÚNICO", complementText "100% ALGODÃO – “SOFT”" (en dash, curly quotes), sideText
# "VERÃO 2026 €" (no printer byte for the euro), footerText "COR: AÇAÍ • ÂMBAR"
# (bullet), itemReference "CAMISÃO", supplierReference "REF-AÇÃO-0001". The DPL
# printers read code page 850 (PC-850, selected by "ySPM" in DPL-01; DPL-02's printer
# must be set to it): the letters below are written as they should print and encoded in
# code page 850; the dash prints as "-", the quotes as '"', the bullet as the middle dot
# "·" and the euro as "?".

ACCENTED = {
    FOOTER: pad("COR: AÇAÍ · ÂMBAR", 34) + " ",
    CODE_LINE: pad("12-CAMISÃO 123456-789-O", 30),
    COMPLEMENT: pad('100% ALGODÃO - "SOFT"', 35),
    CAPTION: "NÚM:",
    SIZE_GG: " " * 8 + "ÚNICO" + " " * 7,
    DESCRIPTION27: pad("CAMISETA MANGA CURTA BÁSICA", 27),
    SIDE: pad("VERÃO 2026 ?", 17),
}


def accented(records):
    """The records with the worked item's text slots replaced by the accented item's."""
    return [(prefix, ACCENTED.get(data, data)) for prefix, data in records]


def write_accented():
    write("dpl01_tag_accented",
          label(header(), accented(tag_records()), 2, 530, "0002",
                "131100200300020Pedido: 654321 S/Ref: REF-AÇÃO-0001    Qtd: 0003"),
          encoding="cp850")
    # DPL-02: description in 30 characters, the size "ÚNICO" (L = 5) at column 0009.
    records = adhesive_records("0009", "ÚNICO", side=pad("VERÃO 2026 ?", 17))
    records = [(prefix, {CODE_LINE: pad("12-CAMISÃO 123456-789-O", 30),
                         pad("DESCRICAO DO PRODUTO XYZ", 30):
                             pad("CAMISETA MANGA CURTA BÁSICA", 30),
                         "TAM :": "NÚM :"}.get(data, data)) for prefix, data in records]
    write("dpl02_adhesive_accented",
          label(header(symbol_set=False), records, 2, 477, "0002",
                "121100300500050Pedido: 654321 S/Ref: REF-AÇÃO-0001    Qtd.: 0003"),
          encoding="cp850")


if __name__ == "__main__":
    write_dpl01()
    write_dpl02()
    write_dpl08()
    write_dpl09()
    write_dpla()
    write_accented()
