#!/usr/bin/env python3
"""Writes the ZPL golden files of tests/labels/ZplLayoutTest.cpp.

Every command below is copied by hand from the ZPL layout tables, as written for the
first column, with its data slot already filled for the case's item (the values were
worked out by hand from the item fields given in the comments; only blank padding is
done here). The script only repeats the commands for the further columns, adding the
column pitch to the "^FO" x, and puts the header, copies and summary label around
them. It never runs the program.

Run it from anywhere: python3 make_golden.py
"""

import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))


def pad(text, width):
    """Left-aligned text in a slot of `width` characters."""
    assert len(text) <= width, (text, width)
    return text + " " * (width - len(text))


def shifted(command, shift):
    """The command with its "^FO" x moved right by `shift` dots, same digit count."""
    match = re.match(r"\^FO(\d+),", command)
    assert match, command
    digits = match.group(1)
    x = "%0*d" % (len(digits), int(digits) + shift)
    return "^FO" + x + command[3 + len(digits):]


def label(head, commands, count, pitch, copies, home, summary):
    lines = list(head)
    for index in range(count):
        lines += [shifted(command, index * pitch) for command in commands]
    lines += ["^PQ" + copies, "^XZ", "^XA", home, summary, "^PQ0001", "^XZ"]
    return lines


def header(print_width, home, bar_defaults, darkness="15", speed="C"):
    return ["^XA", "^MD" + darkness, print_width, home, "^PR" + speed, bar_defaults]


def write(name, lines, encoding="latin-1"):
    with open(os.path.join(HERE, name + ".zpl"), "wb") as out:
        for line in lines:
            out.write(line.encode(encoding) + b"\r\n")


# --- ROTINA-ETQ-ZPL-01 ------------------------------------------------------------
# Base item: quantity 000003, productCode 1234567890, description
# "DESCRICAO DO PRODUTO XYZ", price 00012345, supplierReference "REF-FORNEC-0001",
# itemReference "F95TEXTO", sizeCaption "TAM", size "GG", complementText "TEXTO-D6",
# sectionCode "12", sideText "COL9-TEXTO", footerText "COL10-TEXTO", order 654321.
# Settings: model 5, darkness 15, margins 2 and 3 (16 and 24 dots), speed C.

HOME2 = "^LH16,24"
HOME3 = "^LH016,024"
HEAD01 = header("^PW912^FS ", HOME2, "^BY3.20,003,56")
CODE_LINE = pad("12-F95TEXTO 123456-789-O", 30)
BARCODE = "001234567890"
FOOTER = pad("COL10-TEXTO", 34)
COMPLEMENT = pad("TEXTO-D6", 35)
SIZE_GG = " " * 9 + "GG" + " " * 9
DESCRIPTION27 = pad("DESCRICAO DO PRODUTO XYZ", 27)
SIDE = pad("COL9-TEXTO", 17)
SUMMARY01 = "^FO000,320^A0N,030,038^FDPedido: 654321 S/Ref: REF-FORNEC-0001  Qtd.: 0003^FS"

# y positions of the tag (code "1") and of the large adhesive (code "3").
Y_TAG = dict(box="192", cap="196", size="200", code="084", bar="104", comp="172",
             desc="228", price="260", dec="264")
Y_LARGE = dict(box="168", cap="172", size="176", code="060", bar="080", comp="148",
               desc="204", price="236", dec="240")


def tag_commands(y=Y_TAG, size=SIZE_GG, code_line=CODE_LINE, price_x="056",
                 integer="123", decimals="45", with_size=True):
    rows = []
    if with_size:
        rows += [
            "^FO056," + y["box"] + "^GB280,28,3^FS",
            "^FO000," + y["cap"] + "^A0N,024,024^FDTAM:^FS",
            "^FO084," + y["size"] + "^A0N,019,024^FD" + size + "^FS",
        ]
    rows += [
        "^FO140,008^XGR:LOGOVRDL.GRF,1,1^FS",
        "^FO000,360^A0N,019,019^FD" + FOOTER + " ^FS",
        "^FO040," + y["code"] + "^ADN,018,010^FD" + code_line + "^FS",
        "^FO040," + y["bar"] + "^BEN,48,N,N^FD" + BARCODE + "^FS",
        "^FO000," + y["comp"] + "^A0N,019,019^FD" + COMPLEMENT + "^FS",
        "^FO000," + y["desc"] + "^A0N,024,024^FD" + DESCRIPTION27 + "^FS",
        "^FO" + price_x + "," + y["price"] + "^A0N,100,168^FD" + integer + "^FS",
        "^FO292," + y["dec"] + "^A0N,030,034^FD," + decimals + "^FS",
        "^FO000," + y["dec"] + "^A0N,032,040^FDR$     ^FS",
        "^FO344,152^A0B,019,019  ^FD" + SIDE + "^FS",
    ]
    return rows


def offer_commands(size=SIZE_GG, price_x="056", integer="123", decimals="45",
                   with_size=True):
    rows = []
    if with_size:
        rows += [
            "^FO056,222^GB280,28,3^FS",
            "^FO000,226^A0N,024,024^FDTAM:^FS",
            "^FO084,230^A0N,019,024^FD" + size + "^FS",
        ]
    rows += [
        "^FO000,404^A0N,019,019^FD" + FOOTER + " ^FS",
        "^FO040,138^ADN,018,010^FD" + CODE_LINE + "^FS",
        "^FO040,158^BEN,32,N,N^FD" + BARCODE + "^FS",
        "^FO000,206^A0N,019,019^FD" + COMPLEMENT + "^FS",
        "^FO000,254^A0N,019,019^FD" + DESCRIPTION27 + "^FS",
        "^FO" + price_x + ",270^A0N,075,168^FD" + integer + "^FS",
        "^FO292,274^A0N,030,034^FD," + decimals + "^FS",
        "^FO000,274^A0N,032,040^FDR$     ^FS",
        "^FO344,152^A0B,019,019  ^FD" + SIDE + "^FS",
    ]
    return rows


def offer_old_price_commands(price_x, integer, decimals, old_integer, old_decimals,
                             with_size=True):
    rows = []
    if with_size:
        rows += [
            "^FO056,246^GB280,28,3^FS",
            "^FO000,250^A0N,024,024^FDTAM:^FS",
            "^FO084,254^A0N,019,024^FD" + SIZE_GG + "^FS",
        ]
    rows += [
        "^FO040,138^ADN,018,010^FD" + CODE_LINE + "^FS",
        "^FO040,158^BEN,48,N,N^FD" + BARCODE + "^FS",
        "^FO000,226^A0N,019,019^FD" + COMPLEMENT + "^FS",
        "^FO000,282^A0N,024,024^FD" + DESCRIPTION27 + "^FS",
        "^FO" + price_x + ",350^A0N,100,168^FD" + integer + "^FS",
        "^FO292,358^A0N,030,034^FD," + decimals + "^FS",
        "^FO000,358^A0N,020,020^FDPor R$ ^FS",
        "^FO344,152^A0B,019,019  ^FD" + SIDE + "^FS",
        "^FO184,312^ACN,034,030^FD" + old_integer + "^FS",
        "^FO288,316^A0N,016,016^FD," + old_decimals + "^FS",
        "^FO000,316^A0N,024,024^FDDe R$  ^FS",
        "^FO0176,0324^GB144,0,3^FS",
    ]
    return rows


def zpl01(name, commands, pitch=432, copies="0002", head=HEAD01, home=HOME2,
          summary=SUMMARY01):
    write(name, label(head, commands, 2, pitch, copies, home, summary))


zpl01("zpl01_tag_example", tag_commands())
zpl01("zpl01_large_adhesive", tag_commands(y=Y_LARGE), pitch=440)
# Codes "4" and "6" give the same lines, as do "5" and "7".
for code, pitch in (("4", 432), ("6", 432), ("5", 440), ("7", 440)):
    zpl01("zpl01_offer_code" + code, offer_commands(), pitch=pitch)
# oldPrice 00010000 and price 00000050: "1OO" after "De R$", blank integer at x 146.
for code, pitch in (("4", 432), ("7", 440)):
    zpl01("zpl01_offer_old_price_code" + code,
          offer_old_price_commands("146", "   ", "50", "1OO", "00"), pitch=pitch)
# Offer with old price and blank size: the size group leaves every column.
zpl01("zpl01_offer_old_price_blank_size",
      offer_old_price_commands("056", "123", "45", "  5", "90", with_size=False))
# A non-numeric old price counts as zero: the layout without old price.
zpl01("zpl01_offer_old_price_not_numeric", offer_commands(), pitch=440)
zpl01("zpl01_offer_blank_size", offer_commands(with_size=False))
# Price 00000005: three blanks at x 146 and ",05".
zpl01("zpl01_tag_price_005", tag_commands(price_x="146", integer="   ", decimals="05"))
# Price 00001990: two significant digits at x 090; price 00000700: one at x 120.
zpl01("zpl01_tag_price_1990", tag_commands(price_x="090", integer=" 19", decimals="90"))
zpl01("zpl01_tag_price_700", tag_commands(price_x="120", integer="  7", decimals="00"))
# Price 00123456 (1234,56) does not fit three digits: "***" instead of "234".
zpl01("zpl01_tag_price_1234_56", tag_commands(integer="***", decimals="56"))
zpl01("zpl01_tag_size_blank", tag_commands(with_size=False))
zpl01("zpl01_tag_size_m", tag_commands(size=" " * 10 + "M" + " " * 9))
zpl01("zpl01_tag_size_abcd_efg", tag_commands(size=" " * 6 + "ABCD EFG" + " " * 6))
# itemReference "AB CD  EF": the reference stops at its first pair of blanks.
zpl01("zpl01_tag_item_reference_pair",
      tag_commands(code_line=pad("12-AB CD 123456-789-O", 30)))
# Quantities 0, 1 and 20000 (summary keeps every digit; 10000 copies, not 0000).
for quantity, copies, shown in (("000000", "0000", "0000"), ("000001", "0001", "0001"),
                                ("020000", "10000", "20000")):
    zpl01("zpl01_tag_quantity_" + str(int(quantity)), tag_commands(), copies=copies,
          summary=SUMMARY01.replace("Qtd.: 0003", "Qtd.: " + shown))
# Margins 13 and 13 mm: 104 dots, all three digits even in the two-digit layouts.
zpl01("zpl01_tag_margins_13", tag_commands(),
      head=header("^PW912^FS ", "^LH104,104", "^BY3.20,003,56"), home="^LH104,104")
# NUL bytes in positions 78-93 print as blanks on the summary label.
zpl01("zpl01_tag_reference_nul", tag_commands(),
      summary=SUMMARY01.replace("REF-FORNEC-0001 ", " " * 16))
# A "^" in the description and "~" in the side text would reach the printer as
# commands; they print as blanks.
write("zpl01_tag_command_prefix_in_text", label(
    HEAD01,
    [c.replace(DESCRIPTION27, pad("DESCRICAO  FS PRODUTO", 27)).replace(
        SIDE, pad("COL9 JR", 17)) for c in tag_commands()],
    2, 432, "0002", HOME2, SUMMARY01))

# --- ROTINA-ETQ-ZPL-02 ------------------------------------------------------------
# Base item as above, code "2"; description printed in 30 characters.

HEAD02 = header("^PW880  ", HOME3, "^BY3.20,003,56")
SUMMARY02 = "^FO040,120^A0N,030,028^FDPedido: 654321 S/Ref: REF-FORNEC-0001  Qtd.: 0003^FS"


def small_commands(size_x="016", size="  GG ", integer="123", decimals="45",
                   with_size=True):
    rows = []
    if with_size:
        rows += [
            "^FO000,100^GB096,52,3^FS",
            "^FO012,108^ABN,001,001^FDTAM:^FS",
            "^FO" + size_x + ",124^A0N,026,026^FD" + size + "^FS",
        ]
    rows += [
        "^FO032,000^ADN,018,010^FD" + CODE_LINE + "^FS",
        "^FO032,024^BEN,32,N,N^FD" + BARCODE + "^FS",
        "^FO032,076^A0N,017,018^FD" + pad("DESCRICAO DO PRODUTO XYZ", 30) + "^FS",
        "^FO144,096^ACN,068,044^FD" + integer + "^FS",
        "^FO296,100^A0N,024,024^FD," + decimals + "^FS",
        "^FO104,100^A0N,024,024^FDR$^FS",
        "^FO336,000^ABB,001,001  ^FD" + SIDE + "^FS",
    ]
    return rows


def zpl02(name, commands, head=HEAD02, home=HOME3):
    write(name, label(head, commands, 2, 380, "0002", home, SUMMARY02))


zpl02("zpl02_small_adhesive", small_commands())
zpl02("zpl02_size_m", small_commands(size_x="020", size="  M  "))
zpl02("zpl02_size_xgg", small_commands(size_x="016", size=" XGG "))
zpl02("zpl02_size_abcd_efg", small_commands(size_x="012", size=" ABCD"))
zpl02("zpl02_size_abcdefgh", small_commands(size_x="008", size="ABCDE"))
zpl02("zpl02_size_blank", small_commands(with_size=False))
# Price 00010000: the integer part "100" prints with letter O; decimals keep zeros.
zpl02("zpl02_price_100", small_commands(integer="1OO", decimals="00"))
zpl02("zpl02_price_005", small_commands(integer="   ", decimals="05"))
zpl02("zpl02_margins_13", small_commands(),
      head=header("^PW880  ", "^LH104,104", "^BY3.20,003,56"), home="^LH104,104")

# --- ROTINA-ETQ-ZPL-08 ------------------------------------------------------------
# Base item as above, code "8"; description in 30 characters, no size, no footer.

HEAD08 = header("^PW880  ", HOME2, "^BY3.20,003,56")


def towel_commands(price_x="080", integer="123", decimals="45"):
    return [
        "^FO140,112^XGR:LOGOVRDL.GRF,1,1^FS",
        "^FO040,164^ADN,018,010^FD" + CODE_LINE + "^FS",
        "^FO040,188^BEN,48,N,N^FD" + BARCODE + "^FS",
        "^FO000,260^A0N,019,019^FD" + COMPLEMENT + "^FS",
        "^FO000,020^GB400,0,23^FS",
        "^FO000,280^A0N,024,027^FD" + pad("DESCRICAO DO PRODUTO XYZ", 30) + "^FS",
        "^FO" + price_x + ",312^A0N,100,168^FD" + integer + "^FS",
        "^FO328,316^A0N,030,034^FD," + decimals + "^FS",
        "^FO000,316^A0N,032,040^FDR$^FS",
    ]


write("zpl08_towel", label(HEAD08, towel_commands(), 2, 400, "0002", HOME2, SUMMARY01))
write("zpl08_towel_price_1990", label(HEAD08, towel_commands("114", " 19", "90"), 2, 400,
                                      "0002", HOME2, SUMMARY01))
write("zpl08_towel_price_700", label(HEAD08, towel_commands("144", "  7", "00"), 2, 400,
                                     "0002", HOME2, SUMMARY01))
write("zpl08_towel_price_005", label(HEAD08, towel_commands("170", "   ", "05"), 2, 400,
                                     "0002", HOME2, SUMMARY01))

# --- ROTINA-ETQ-ZPL-09 ------------------------------------------------------------
# Pack item: packSuffix "07", quantity 000005, packCode 7891234567895, packDescription
# "CAIXA COM 12 TOALHAS", positions 73-88 "REF-PACOTE-7388 ", order 654321.

HEAD09 = header("^PW880  ", HOME2, "^BY3,2.3,56")
PACK = [
    "^FO000,000^XGR:LOGOVRDL.GRF,1,1^FS",
    "^FO136,000^A0N,016,020^FD" + pad("Pedido 654321.07", 30) + "^FS",
    "^FO136,024^A0N,016,020^FD" + pad("Artigo 789123.45.67.89.5", 30) + "^FS",
    "^FO000,048^A0N,016,020^FD" + pad("CAIXA COM 12 TOALHAS", 30) + "^FS",
    "^FO000,072^B2N,64,N,N^FD7891234567895^FS",
]
write("zpl09_pack", label(HEAD09, PACK, 2, 380, "0003", HOME2,
                          "^FO000,016^A0N,030,038^FDPedido: 654321 S/Ref: REF-PACOTE-7388  "
                          "Qtd.: 0005^FS"))

# --- ROTINA-ETQ-ZPL-A -------------------------------------------------------------
# Internal item: quantity 000007, productCode 1020304050, description (21-35)
# "CAMISETA BASICA", internalText1 "LOJA0001", internalText2 "SETOR 012",
# internalText3 "AREA0002", order 654321. Six columns, pitch 128.

HEADA = header("^PW880  ", HOME3, "^BY3.20,003,56")
INTERNAL = [
    "^FO000,040^ABB,001,001^FDLOJA0001/AREA0002 SETOR 012^FS",
    "^FO020,000^BEB,32,N,N^FD001020304050^FS",
    "^FO068,140^ADB,018,010^FDCAMISETA BA ^FS",
    "^FO068,000^ADB,018,010^FD1O2O3O.4O5.O^FS",
]
SUMMARYA = "^FO040,120^A0N,030,028^FDPedido: 654321 S/Ref: CAMISETA BASICA  Qtd.: 0007^FS"
write("zplA_internal_quantity7", label(HEADA, INTERNAL, 6, 128, "0002", HOME3, SUMMARYA))
write("zplA_internal_margins_13",
      label(header("^PW880  ", "^LH104,104", "^BY3.20,003,56"), INTERNAL, 6, 128, "0002",
            "^LH104,104", SUMMARYA))

# --- Accented letters ---------------------------------------------------------------
# The tag item (code "1") with accents in every text field, given in the order's
# Latin-1 / Windows-1252: description "CAMISETA MANGA CURTA BÁSICA", sizeCaption "NÚM",
# size "ÚNICO", complementText "100% ALGODÃO – “SOFT”" (en dash, curly quotes),
# sideText "VERÃO 2026 €" (no printer byte for the euro), footerText
# "COR: AÇAÍ • ÂMBAR" (bullet), itemReference "CAMISÃO", supplierReference
# "REF-AÇÃO-0001". The printer reads code page 850: the letters below are written as
# they should print and encoded in code page 850; the dash prints as "-", the quotes as
# '"', the bullet as the middle dot "·" and the euro as "?".

ACCENTED_FIELDS = dict(
    caption="NÚM",
    size=" " * 8 + "ÚNICO" + " " * 7,
    complement=pad('100% ALGODÃO - "SOFT"', 35),
    side=pad("VERÃO 2026 ?", 17),
    footer=pad("COR: AÇAÍ · ÂMBAR", 34),
    code_line=pad("12-CAMISÃO 123456-789-O", 30),
    description=pad("CAMISETA MANGA CURTA BÁSICA", 27),
)
ACCENTED_SUMMARY01 = ("^FO000,320^A0N,030,038^FDPedido: 654321 S/Ref: REF-AÇÃO-0001    "
                      "Qtd.: 0003^FS")


def accented(command):
    """A tag command with the worked item's text slots replaced by the accented item's."""
    for old, new in ((FOOTER, ACCENTED_FIELDS["footer"]),
                     (CODE_LINE, ACCENTED_FIELDS["code_line"]),
                     (COMPLEMENT, ACCENTED_FIELDS["complement"]),
                     (DESCRIPTION27, ACCENTED_FIELDS["description"]),
                     (SIDE, ACCENTED_FIELDS["side"]),
                     ("^FDTAM:", "^FD" + ACCENTED_FIELDS["caption"] + ":"),
                     (SIZE_GG, ACCENTED_FIELDS["size"])):
        command = command.replace(old, new)
    return command


write("zpl01_tag_accented",
      label(HEAD01, [accented(c) for c in tag_commands()], 2, 432, "0002", HOME2,
            ACCENTED_SUMMARY01),
      encoding="cp850")
