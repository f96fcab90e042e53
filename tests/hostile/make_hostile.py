#!/usr/bin/env python3
"""Writes the small hostile files of tests/robustness: order files that are not what
the loader expects. Large cases (10,000-character lines, 5,000 items, 5 MB logos, big
parameter files) are made by the tests themselves and never committed.

Each file and what the program must do with it is listed in README.md beside this
script. Lines are built field by field at the chain's record positions.

Run it from anywhere: python3 make_hostile.py
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def line(fields):
    """A 300-byte line with each (position, bytes) placed at its 1-based position."""
    out = bytearray(b" " * 300)
    for position, value in fields:
        out[position - 1:position - 1 + len(value)] = value
    return bytes(out)


HEADER = line([(1, b"01"), (3, b"12345678000199"), (17, b"CONFECCOES ALVORADA LTDA"),
               (47, b"004711"), (53, b"01"), (55, b"09122025"), (63, b"10122025"),
               (251, b"020500")])


def item(code=b"1", quantity=b"000010", description=b"CAMISETA MANGA CURTA",
         price=b"00001990"):
    return line([(1, b"1" + code), (5, quantity), (11, b"1234567890"), (21, description),
                 (51, price)])


def order(lines, end=b"\r\n"):
    return b"".join(l + end for l in lines)


def utf8(latin1_line):
    return latin1_line.decode("latin-1").encode("utf-8")


def binary():
    # A picture file's signature and bytes of every value, with no line end at all.
    data = bytearray(b"\x89PNG\r\n\x1a\n")
    for i in range(1500):
        data.append((i * 151 + 7) % 256)
    return bytes(data.replace(b"\n", b"\x00"))


FILES = {
    "empty.txt": b"",
    "binary.txt": binary(),
    "utf8_bom.txt": b"\xef\xbb\xbf" + order([HEADER, item()]),
    # Saved again as UTF-8: the C-cedilla of "CALÇA" takes two bytes and pushes every
    # later field, the price included, one place on.
    "utf8_accents.txt": order([HEADER, item(),
                               utf8(item(description="CALÇA JEANS".encode("latin-1")))]),
    "nul_in_text.txt": order([HEADER, item(description=b"CAMISETA\x00\x00GOLA V"),
                              item(code=b"2")]),
    "nul_in_quantity.txt": order([HEADER, item(), item(quantity=b"000\x0010")]),
    "header_only.txt": order([HEADER]),
    "cr_line_ends.txt": order([HEADER, item(), item(code=b"2")], end=b"\r"),
    "no_final_line_end.txt": order([HEADER, item(), item(code=b"2")])[:-2],
    "blank_lines.txt": order([HEADER, item(), b"", b"   ", item(code=b"2")]),
    "latin1_accents.txt": order([HEADER, item(description="CALÇA AÇÚCAR É".encode("latin-1"))]),
}

for name, data in FILES.items():
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
