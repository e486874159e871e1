#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Consistency check of the Velmora demo disc.

Reads the tables the way the viewer does (';' fields, double-quoted fields,
'$' continuation lines) and follows every link of the content pages and menu
templates, reporting targets that do not exist.  Links listed in
DELIBERATELY_MISSING are expected to fail and are only counted.
"""
import glob
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DECLARED = {"RP.CSV": 18, "PK.CSV": 33, "OCHK.CSV": 16, "FOTO.CSV": 6, "ECONET.CSV": 6,
            "TRANSL.CSV": 2, "DICT.CSV": 3, "BIOTOP.CSV": 7, "SLIDE.CSV": 2}
DELIBERATELY_MISSING = {"998.htm", "?mvzubry", "?animerozja", "?trans-intro_fr.htm", "?ssjaskinie"}


def read_lines(p):
    data = open(p, "rb").read().decode("iso-8859-2")
    lines = data.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def split_row(rec):
    cells, rest = [], rec
    while True:
        quoted = False
        if rest.startswith('"'):
            rest = rest[1:]
            p = rest.find('"') + 1
            quoted = True
        else:
            p = rest.find(";") + 1
        if p >= 2:
            cells.append(rest[:p - 1])
            rest = rest[p + 1:] if quoted else rest[p:]
        elif p == 1:
            cells.append("")
            rest = rest[2:] if quoted else rest[1:]
        else:
            cells.append(rest)
            return cells


def load_table(name):
    lines = read_lines(os.path.join(ROOT, "DB", name))
    rows, i, longest = [], 0, 0
    while i < len(lines):
        rec = lines[i]
        longest = max(longest, len(lines[i].encode("iso-8859-2")))
        i += 1
        if i < len(lines) and lines[i].startswith("$"):
            longest = max(longest, len(lines[i].encode("iso-8859-2")))
            rec += lines[i][1:]
            i += 1
        rows.append(split_row(rec))
    return rows, longest


def main():
    errors = 0
    tables = {}
    for name, cols in DECLARED.items():
        rows, longest = load_table(name)
        tables[name] = rows
        width = max([cols] + [len(r) for r in rows])
        bad = [r[0] for r in rows if len(r) != (cols if name != "FOTO.CSV" else 7) and name not in ("SLIDE.CSV", "ECONET.CSV")]
        print("%-11s rows %3d  columns %2d (declared %2d)  longest line %4d%s" % (
            name, len(rows), width, cols, longest, ("  ODD ROWS: %s" % bad[:5]) if bad else ""))
        if width != cols and name not in ("FOTO.CSV", "SLIDE.CSV") or longest > 4096 or bad:
            errors += 1
    keys = {k: {r[0] for r in v} for k, v in tables.items()}
    menu = read_lines(os.path.join(ROOT, "DB", "MENU.CSV"))
    print("MENU.CSV    lines", len(menu))
    if len(menu) != 82:
        errors += 1
    for line in menu:
        name = line.split(";")[0]
        if not os.path.exists(os.path.join(ROOT, "Makiety", "menu_%s.htm" % name)):
            print("  missing menu template", name)
            errors += 1
        for n in line.split(";")[1:]:
            if n and not os.path.exists(os.path.join(ROOT, "Data", n + ".htm")):
                print("  menu %s lists missing page %s" % (name, n))
                errors += 1
    tree = read_lines(os.path.join(ROOT, "DB", "DRZEWO1.CSV"))
    for line in tree:
        i, pg = line.split(";", 1)
        if not os.path.exists(os.path.join(ROOT, "Data", pg)):
            print("  tree node %s: missing page %s" % (i, pg))
            errors += 1
    print("DRZEWO1.CSV entries", len(tree))

    def exists(*p):
        return os.path.exists(os.path.join(ROOT, *p))

    missing_seen = set()
    files = sorted(glob.glob(os.path.join(ROOT, "Data", "*.htm")))
    files += sorted(glob.glob(os.path.join(ROOT, "Makiety", "menu_*.htm")))
    cells = "\n".join(";".join(r) for v in tables.values() for r in v)
    sources = [(f, open(f, "rb").read().decode("iso-8859-2")) for f in files] + [("tables", cells)]
    for f in glob.glob(os.path.join(ROOT, "DB", "*.dic")):
        sources.append((f, open(f, "rb").read().decode("iso-8859-2")))
    notopic = [os.path.basename(f) for f, t in sources if f.endswith(".htm") and "/Data/" in f and "temat: " not in t]
    if notopic:
        print("pages without a topic:", notopic)
        errors += 1
    nostart = [os.path.basename(f) for f, t in sources if "/Data/" in f and 'name="start"' not in t]
    if nostart:
        print("pages without the start anchor:", nostart)
        errors += 1
    for f, text in sources:
        for href in re.findall(r"""href=["']?([^"' >]+)""", text, re.I):
            h = href
            problem = None
            if h.startswith("#") or h.startswith("mailto:") or h.startswith("javascript:"):
                continue
            low = h.lower()
            if "?rp" in h:
                k = h.split("?rp", 1)[1]
                problem = None if k in keys["RP.CSV"] else "no reserve " + k
            elif "?pk" in h:
                k = h.split("?pk", 1)[1]
                problem = None if k in keys["PK.CSV"] else "no park " + k
            elif "?ok" in h:
                k = h.split("?ok", 1)[1]
                problem = None if k in keys["OCHK.CSV"] else "no area " + k
            elif "?ec" in h:
                k = h.split("?ec", 1)[1]
                problem = None if k in keys["ECONET.CSV"] or k == "[bd]" else "no ECONET " + k
            elif "?pn" in low:
                pass
            elif "?map-" in low:
                n = low.split("?map-", 1)[1]
                problem = None if exists("Map", "mp-%s.gif" % n) else "no map " + n
            elif "?ml-" in low:
                n = low.split("?ml-", 1)[1]
                ok = exists("Map", "ml-%s.jpg" % n) or (n.startswith("p") and n in keys["ECONET.CSV"]) \
                    or (not n.startswith("p") and exists("Map", "mp-%s.gif" % n))
                problem = None if ok else "no location " + n
            elif "?sh" in low:
                n = low.split("?sh", 1)[1]
                problem = None if exists("Foto", n) and n[1:-4] in keys["FOTO.CSV"] else "no photo " + n
            elif "?trans-" in low:
                n = low.split("?trans-", 1)[1].split(".htm")[0]
                pg = dict((r[0], r[1]) for r in tables["TRANSL.CSV"]).get(n)
                problem = None if pg and exists("Data", pg + ".htm") else "no translation " + n
            elif "?dic" in low:
                n = low.split("?dic", 1)[1]
                problem = None if n in keys["DICT.CSV"] else "no word " + n
            elif "?bio" in low:
                n = low.split("?bio", 1)[1]
                problem = None if n in keys["BIOTOP.CSV"] else "no biotope " + n
            elif "?anim" in low:
                n = low.split("?anim", 1)[1]
                problem = None if exists("Anim", n + ".exe") else "no program " + n
            elif "?ss" in low:
                n = low.split("?ss", 1)[1]
                row = [r for r in tables["SLIDE.CSV"] if r[0] == n]
                good = row and any(exists("Foto", p + c + ".jpg") for c in row[0][1:] for p in "fm")
                problem = None if good else "no slide set " + n
            elif "?mv" in low:
                n = low.split("?mv", 1)[1]
                problem = None if exists("Anim", n + ".avi") else "no film " + n
            elif "?tree" in low:
                pass
            elif low.startswith("http://db?path"):
                n = h[len("http://db?path"):].split("#")[0]
                problem = None if exists("Data", n) else "no page " + n
            elif low.startswith("http://db?pg"):
                pass
            elif low.startswith("http:"):
                pass
            elif low.startswith("../foto/"):
                problem = None if exists("Foto", h[8:]) else "no picture " + h
            else:
                n = h.split("#")[0]
                problem = None if exists("Data", n) else "no page " + n
            if problem:
                tag = h[h.find("?"):] if "?" in h else h
                if tag in DELIBERATELY_MISSING or h in DELIBERATELY_MISSING:
                    missing_seen.add(tag)
                    continue
                print("  %s: %s (%s)" % (os.path.relpath(f, ROOT), problem, h))
                errors += 1
        for src in re.findall(r"""src=["']?\.\./Foto/([^"' >]+)""", text, re.I):
            if not exists("Foto", src):
                print("  %s: missing picture %s" % (os.path.relpath(f, ROOT), src))
                errors += 1
    print("deliberately missing targets seen:", sorted(missing_seen))
    print("errors:", errors)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
