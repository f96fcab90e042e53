#!/usr/bin/env python3
"""Writes samples/PEDIDO.txt, a sample order file ("arquivo de Pedidos") of the chain
LOJASVERDELIS: a header line and one item line of every label type, 300 characters per
line, Windows-1252/Latin-1 bytes, CR LF line ends, format version 020500.

Every field is placed at its 1-based position with its width, so the layout can be read
off this script. Run it from anywhere: python3 tools/make-sample-order.py
"""

import pathlib

LINE_LENGTH = 300


def record(fields):
    """A 300-character line holding each (position, width, value) field, left-aligned
    and blank-padded; a value wider than its field is a mistake in this script."""
    line = [" "] * LINE_LENGTH
    for position, width, value in fields:
        assert len(value) <= width, (position, width, value)
        start = position - 1
        line[start:start + width] = list(value.ljust(width))
    return "".join(line)


def header():
    return record([
        (1, 1, "0"),                            # record type
        (2, 1, "1"),                            # not read, must be a digit
        (3, 14, "12345678000195"),              # supplier CNPJ
        (17, 30, "CONFECÇÕES ALVORADA LTDA"),   # supplier name
        (47, 6, "004711"),                      # order number
        (53, 2, "01"),                          # not read
        (55, 8, "05122025"),                    # order date, ddmmyyyy
        (63, 8, "06122025"),                    # e-mail date, ddmmyyyy
        (251, 6, "020500"),                     # format version 02.05.00
    ])


def standard_item(code, quantity, product, description, price, supplier_ref, item_ref,
                  size_caption, size, complement, section, colour, old_price, side, footer):
    """Codes "1" to "8"."""
    return record([
        (1, 1, "1"), (2, 1, code),
        (5, 6, quantity),
        (11, 10, product),
        (21, 30, description),
        (51, 8, price),                 # two implied decimals
        (78, 16, supplier_ref),
        (94, 12, item_ref),
        (136, 3, size_caption),
        (139, 20, size),
        (159, 35, complement),
        (194, 2, section),
        (196, 10, colour),
        (206, 8, old_price),            # two implied decimals; zero: no old price
        (214, 17, side),
        (231, 34, footer),
    ])


def pack_item(suffix, quantity, pack_code, description, supplier_ref, colour):
    """Code "9", the consolidator (pack) label."""
    return record([
        (1, 1, "1"), (2, 1, "9"),
        (3, 2, suffix),
        (5, 6, quantity),
        (11, 13, pack_code),            # positions 19-20 are the pack's size number
        (24, 30, description),
        (73, 16, supplier_ref),
        (196, 10, colour),
    ])


def internal_item(quantity, product, description, text1, text2, text3, colour):
    """Code "A", the internal label."""
    return record([
        (1, 1, "1"), (2, 1, "A"),
        (5, 6, quantity),
        (11, 10, product),
        (21, 15, description),
        (36, 8, text1),
        (44, 9, text2),
        (53, 8, text3),
        (196, 10, colour),
    ])


NO_OLD_PRICE = "00000000"
FOOTER = "LOJASVERDELIS - TROCA EM 30 DIAS"

ITEMS = [
    standard_item("1", "000024", "0012345678", "CAMISETA MANGA CURTA BÁSICA", "00003990",
                  "CMC-BAS-001", "CM 1020", "TAM", "M", "100% ALGODÃO", "07", "BRANCO",
                  NO_OLD_PRICE, "VERÃO 2026", FOOTER),
    standard_item("1", "000012", "0012345679", "CAMISETA MANGA CURTA BÁSICA", "00003990",
                  "CMC-BAS-002", "CM 1021", "TAM", "G", "100% ALGODÃO", "07", "AMARELO",
                  NO_OLD_PRICE, "VERÃO 2026", FOOTER),
    standard_item("2", "000050", "0020304050", "MEIA CANO LONGO ESPORTIVA", "00001290",
                  "MCL-ESP-010", "ME  2200", "TAM", "39-42", "ALGODÃO E ELASTANO", "11",
                  "PRETO", NO_OLD_PRICE, "ESPORTE", FOOTER),
    standard_item("3", "000010", "0030405060", "CALÇÃO PRAIA ESTAMPADO", "00004990",
                  "CPE-020", "CP 3030", "TAM", "GG", "SECAGEM RÁPIDA", "12", "AZUL",
                  NO_OLD_PRICE, "PRAIA", FOOTER),
    standard_item("4", "000036", "0040506070", "BERMUDA JEANS MASCULINA", "00007990",
                  "BJM-030", "BJ 4040", "TAM", "42", "JEANS STONE", "07", "AZUL",
                  "00009990", "OFERTA", FOOTER),
    standard_item("5", "000100", "0050607080", "CUECA BOXER KIT 3 PEÇAS", "00002990",
                  "CBK-040", "CB 5050", "TAM", "P", "MICROFIBRA", "11", "SORTIDO",
                  NO_OLD_PRICE, "OFERTA", FOOTER),
    standard_item("6", "000018", "0060708090", "VESTIDO MALHA LISTRADO", "00012990",
                  "VML-050", "VM 6060", "TAM", "M", "VISCOSE", "08", "VERMELHO",
                  "00015990", "COLEÇÃO NOVA", FOOTER),
    standard_item("7", "000060", "0070809010", "PIJAMA INFANTIL ESTAMPA", "00005490",
                  "PIE-060", "PI 7070", "IDA", "6 ANOS", "ALGODÃO", "15", "ROSA",
                  NO_OLD_PRICE, "INFANTIL", FOOTER),
    standard_item("8", "000040", "0080901020", "TOALHA BANHO FELPUDA", "00003490",
                  "TBF-070", "TB 8080", "   ", "", "ALGODÃO EGÍPCIO 500G/M²", "21",
                  "AMARELO", NO_OLD_PRICE, "CAMA MESA BANHO", FOOTER),
    standard_item("2", "001500", "0090102030", "LENÇO DE BOLSO", "00000590",
                  "LDB-080", "LB 9090", "TAM", "ÚNICO", "", "11", "BRANCO",
                  NO_OLD_PRICE, "ACESSÓRIOS", FOOTER),
    standard_item("3", "000002", "0099887766", "EDREDOM CASAL PLUMA", "00123456",
                  "EDC-090", "ED 9191", "TAM", "CASAL", "ENCHIMENTO SINTÉTICO", "21",
                  "BEGE", NO_OLD_PRICE, "INVERNO", FOOTER),
    pack_item("01", "000006", "7891234567895", "KIT 6 TOALHAS ROSTO", "KTR-100", "BRANCO"),
    pack_item("02", "000004", "7891234123456", "KIT 4 TOALHAS BANHO", "KTB-110", "AMARELO"),
    internal_item("000120", "0011223344", "ETIQ INT CAIXA", "LOTE0042", "SETOR 12A",
                  "CX000017", "BRANCO"),
]


def main():
    lines = [header()] + ITEMS
    target = pathlib.Path(__file__).resolve().parent.parent / "samples" / "PEDIDO.txt"
    data = "".join(line + "\r\n" for line in lines).encode("latin-1")
    target.write_bytes(data)
    print(f"{target}: {len(ITEMS)} items")


if __name__ == "__main__":
    main()
