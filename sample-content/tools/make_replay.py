#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Write a velmora-cli replay script that visits every button, every link of
the start page (or of all pages with --all) and every page of the contents
tree of the demo disc.

    python3 tools/make_replay.py > /tmp/visit.txt
    velmora-cli replay --content sample-content /tmp/visit.txt | grep MessageBox
"""
import glob
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "Data") + "/"
BUTTONS = ["LMDSpeedButton16Click", "LMDSpeedButton17Click", "Button6Click", "Button3Click",
           "Button4Click", "Button5Click", "Button20Click", "Button7Click"] + \
          ["LMDSpeedButton%dClick" % n for n in (1, 2, 3, 4, 7, 10, 11, 13, 12, 14, 8, 9, 15, 6, 5)]


def links(page):
    text = open(os.path.join(DATA, page), "rb").read().decode("iso-8859-2")
    out = []
    for h in re.findall(r'href="([^"]+)"', text):
        if h.startswith("#") or h.startswith("mailto:"):
            continue
        if not h.startswith("http:"):
            h = DATA + h
        out.append(h)
    return out


def visit(address, lines):
    lines.append("MainWebBrowserBeforeNavigate2 " + address)
    low = address.lower()
    if "?ss" in low and "?sh" not in low:
        lines.append("SlideForm.Close")
    elif "?mv" in low:
        lines.append("MovieForm.Close")


def main():
    lines = ["# buttons"] + BUTTONS
    pages = ["799.htm"]
    if "--all" in sys.argv:
        pages = sorted(os.path.basename(p) for p in glob.glob(DATA + "*.htm"))
    for page in pages:
        lines.append("# links of " + page)
        visit(DATA + page, lines)
        for h in links(page):
            if "--all" in sys.argv and h.startswith("http://") and not h.startswith("http://db"):
                continue
            visit(h, lines)
    lines.append("# contents tree")
    tree = open(os.path.join(ROOT, "DB", "DRZEWO1.CSV"), "rb").read().decode("iso-8859-2").split("\r\n")
    for line in tree:
        if ";" in line:
            visit(DATA + line.split(";", 1)[1], lines)
    sys.stdout.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
