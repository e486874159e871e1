#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (fuzz/corpus/<target>/) from
the demo disc: a few dozen small inputs per target, fields separated by two
NUL bytes where a target takes several."""
import random
import re
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DISC = ROOT / "sample-content"
OUT = ROOT / "fuzz" / "corpus"
SEP = b"\0\0"
rng = random.Random(13)


def lines_of(path):
    return path.read_bytes().splitlines(keepends=True)


def slices(path, count, length):
    lines = lines_of(path)
    for _ in range(count):
        start = rng.randrange(max(1, len(lines)))
        yield b"".join(lines[start:start + length])


def write(target, seeds):
    folder = OUT / target
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for number, seed in enumerate(seeds):
        (folder / f"seed{number:03}").write_bytes(seed)


def links():
    found = set()
    for page in sorted((DISC / "Data").glob("*.htm")) + sorted((DISC / "Makiety").glob("*.htm*")):
        found.update(re.findall(rb'href="([^"]*)"', page.read_bytes()))
    return sorted(found)


tables = sorted((DISC / "DB").glob("*.CSV"))
write("table_reader", [s for t in tables for s in slices(t, 3, 6)])
write("menu_tree", list(slices(DISC / "DB/MENU.CSV", 12, 20)) +
      list(slices(DISC / "DB/DRZEWO1.CSV", 12, 20)))

templates = sorted((DISC / "Makiety").glob("*.htm*"))
replacement = []
for t in rng.sample(templates, 24):
    text = t.read_bytes()[:3000]
    holders = re.findall(rb"@[a-z0-9_]+@", text) or [b"@title@"]
    replacement.append(text + SEP + rng.choice(holders) + SEP + b"value @kol1@ &lt;")
write("replacement", replacement)

kinds = [(0, "RP.CSV", "rp.html"), (1, "PK.CSV", "pk.html"), (2, "OCHK.CSV", "OCHK.html"),
         (3, "ECONET.CSV", "econet.html")]
foto = b"".join(lines_of(DISC / "DB/FOTO.CSV")[:30])
records = []
for kind, table, template in kinds:
    rows = lines_of(DISC / "DB" / table)
    for row in rng.sample(rows, min(8, len(rows))):
        key = row.split(b";", 1)[0]
        records.append(bytes([kind]) + SEP + key + SEP + row + b"".join(rows[:3]) + SEP +
                       (DISC / "Makiety" / template).read_bytes() + SEP + foto)
write("record_page", records)

prefixes = {b"http://db?rp": 1, b"http://db?pk": 2, b"http://db?ok": 3, b"http://db?ec": 4,
            b"http://db?pn": 5, b"http://db?": 6, b"http://": 7}
dispatch = []
for link in rng.sample(links(), min(40, len(links()))):
    for prefix, selector in sorted(prefixes.items(), key=lambda p: -len(p[0])):
        if link.startswith(prefix):
            dispatch.append(bytes([selector]) + link[len(prefix):])
            break
    else:
        dispatch.append(bytes([8]) + link)  # a page of the data directory
write("dispatcher", dispatch)

pages = sorted((DISC / "Data").glob("*.htm"))
dict_rows = b"".join(lines_of(DISC / "DB/DICT.CSV")[:10])
search = []
for word in [b"park", b"bobr", b"Torfowisko", b"\xb3\xb9ka", b"\xa3\xa5KA", b"las", b"wydma",
             b"ochrona", b"<", b"&", b"rezerwat", b"bor", b"a", b"\xbf\xf3\xb3w", b"puszcza",
             b"zubr", b"jezioro", b"karpaty", b"ptak", b"ECONET"]:
    chosen = rng.sample(pages, 3)
    search.append(word + SEP + SEP.join(p.read_bytes()[:4000] for p in chosen) + SEP * 4 +
                  dict_rows)
write("search", search)

script = []
for _ in range(24):
    lines = []
    for link in rng.sample(links(), 4):
        lines.append(b"MainWebBrowserBeforeNavigate2 " + link)
    lines += [b"# comment", b"set Szukaj park", b"Button22Click", b"> Button8Click",
              b"SlideForm.Close", b"TreeViewCDChange 3", b"", b"FormClose"]
    rng.shuffle(lines)
    script.append(b"\n".join(lines) + b"\n")
write("script", script)

addresses = [b"http://db/?rp101", b"file:///disc/Data/101.htm#start",
             b"http://db/?dic%B3%B9ka", b"http://db/?dic%C5%82%C4%85ka",
             b"file:///tmp/VNQETMP/$$RP_101.html", b"mailto:a@b", b"about:blank"]
write("address_codec", [bytes([i % 4]) + a for i in range(4) for a in addresses])
