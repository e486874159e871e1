# -*- coding: utf-8 -*-
"""Shared helpers of the disc generator: output paths, encodings, links."""
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ISO = "iso-8859-2"
WIN = "windows-1250"


def path(*parts):
    p = os.path.join(ROOT, *parts)
    os.makedirs(os.path.dirname(p), exist_ok=True)
    return p


# typographic signs that the 8-bit code pages of the disc do not have
_PLAIN = str.maketrans({"\u2013": "-", "\u2014": "-", "\u201e": '"', "\u201d": '"',
                        "\u201c": '"', "\u00ab": '"', "\u00bb": '"', "\u2019": "'"})


def write_text(rel, text, enc=ISO):
    """Write text with CR LF line ends in the given 8-bit code page."""
    text = text.replace("\r\n", "\n").replace("\r", "\n").translate(_PLAIN)
    data = text.replace("\n", "\r\n").encode(enc)
    with open(path(*rel.split("/")), "wb") as f:
        f.write(data)


def csv_cell(value):
    """One cell of a semicolon table. Double quotes inside HTML become single
    quotes; a cell holding ';' is enclosed in double quotes."""
    v = str(value).replace('"', "'")
    if ";" in v:
        return '"' + v + '"'
    return v


def csv_line(cells):
    cells = [str(c) for c in cells]
    # a record whose last field is quoted would end with an extra empty cell:
    # keep the last field free of ';'
    cells[-1] = cells[-1].replace(" &middot; ", " | ").replace("&middot;", "|").replace(";", ",")
    return ";".join(csv_cell(c) for c in cells)


def csv_record(cells, split_at=None):
    """A record, optionally broken into a line and a '$' continuation line.
    The break is made at the blank nearest to split_at characters."""
    line = csv_line(cells)
    if split_at and len(line) > split_at + 40:
        cut = line.find(" ", split_at)
        if cut > 0:
            return line[:cut] + "\n$" + line[cut:]
    return line


def write_csv(name, rows, split_long=None):
    out = []
    for r in rows:
        out.append(csv_record(r, split_long) if split_long else csv_line(r))
    write_text("DB/" + name, "\n".join(out) + "\n")


# ------------------------------------------------------------- link markup
# [[kind:arg|text]] written in the page texts, expanded here.
LINK_RE = re.compile(r"\[\[(\w+):([^|\]]*)(?:\|([^\]]*))?\]\]")


def expand_links(text, resolver):
    return LINK_RE.sub(lambda m: resolver(m.group(1), m.group(2), m.group(3)), text)
