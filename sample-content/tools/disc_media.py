# -*- coding: utf-8 -*-
"""Pictures, sound and films of the Velmora demo disc.

Pictures are drawn with ImageMagick 'convert' (vector primitives, then a
little blur and noise so that they look less synthetic), films are panned
across a drawn panorama with 'ffmpeg' (MJPEG in AVI), the background sound
is synthesised with the 'wave' module.  Every picture is a deterministic
function of its name, so the disc can be remade byte for byte on the same
tool versions.
"""
import math
import os
import random
import shutil
import struct
import subprocess
import tempfile
import wave

from disc_common import path

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_B = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_I = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Italic.ttf"

# outline of Poland (longitude, latitude), clockwise from Swinoujscie
POLAND = [(14.25, 53.92), (14.6, 53.98), (15.2, 54.12), (15.9, 54.25), (16.4, 54.5), (16.9, 54.6),
          (17.5, 54.75), (18.3, 54.83), (18.55, 54.72), (18.6, 54.45), (18.8, 54.35), (19.2, 54.35),
          (19.65, 54.45), (20.5, 54.4), (21.3, 54.33), (22.0, 54.35), (22.79, 54.36), (23.05, 54.3),
          (23.5, 54.15), (23.55, 53.9), (23.9, 53.6), (23.92, 53.2), (23.94, 52.75), (23.5, 52.55),
          (23.2, 52.3), (23.65, 52.05), (23.55, 51.6), (23.7, 51.25), (24.1, 50.87), (23.9, 50.55),
          (23.45, 50.3), (23.0, 50.1), (22.7, 49.85), (22.9, 49.6), (22.6, 49.1), (22.2, 49.15),
          (21.6, 49.42), (21.0, 49.42), (20.55, 49.38), (20.1, 49.2), (19.8, 49.2), (19.5, 49.57),
          (19.2, 49.45), (18.85, 49.52), (18.63, 49.75), (18.3, 49.93), (17.9, 50.05), (17.7, 50.3),
          (17.2, 50.35), (16.95, 50.45), (16.65, 50.15), (16.35, 50.35), (16.25, 50.55), (16.0, 50.68),
          (15.5, 50.8), (15.0, 51.0), (14.82, 50.87), (14.99, 51.15), (14.95, 51.5), (14.72, 51.7),
          (14.75, 52.07), (14.55, 52.35), (14.6, 52.6), (14.15, 52.85), (14.15, 53.25), (14.4, 53.3),
          (14.27, 53.7)]
VISTULA = [(19.0, 49.6), (19.4, 49.95), (19.95, 50.05), (20.8, 50.3), (21.75, 50.68), (21.85, 51.56),
           (21.3, 52.0), (21.02, 52.25), (20.5, 52.4), (19.7, 52.55), (18.6, 53.0), (18.75, 53.48), (18.95, 54.35)]
ODER = [(18.3, 49.93), (17.93, 50.67), (17.03, 51.1), (16.08, 51.66), (15.5, 51.95), (15.1, 52.05),
        (14.75, 52.07), (14.55, 52.35), (14.65, 52.59), (14.55, 53.43), (14.4, 53.75)]
BUG = [(24.1, 50.87), (23.7, 51.25), (23.55, 51.6), (23.65, 52.05), (23.2, 52.3), (22.0, 52.6), (21.1, 52.5)]
WARTA = [(19.5, 50.7), (18.8, 51.2), (18.3, 51.9), (17.3, 52.1), (16.9, 52.4), (16.0, 52.6), (15.3, 52.7), (14.65, 52.59)]


def run(args):
    subprocess.run(args, check=True)


def convert(args, out):
    run(["convert"] + [str(a) for a in args] + [out])


def pts(points):
    return " ".join("%d,%d" % (round(x), round(y)) for x, y in points)


# ------------------------------------------------------------- landscapes
def ridge(rnd, w, y, amp, n=12, rough=0.5):
    xs = [w * i / n for i in range(n + 1)]
    ys = []
    v = y
    for _ in xs:
        v = y + (v - y) * rough + rnd.uniform(-amp, amp)
        ys.append(v)
    return list(zip(xs, ys))


def fill_poly(color, points):
    return ["-fill", color, "-stroke", "none", "-draw", "polygon " + pts(points)]


def tree(x, y, h, color):
    w = h * 0.35
    out = ["-fill", "#3b2a1a", "-draw", "rectangle %d,%d %d,%d" % (x - 1, y - h * 0.15, x + 1, y)]
    for k in range(3):
        top = y - h + k * h * 0.22
        base = y - h * 0.15 - (2 - k) * h * 0.12
        ww = w * (0.6 + 0.2 * k)
        out += fill_poly(color, [(x, top), (x - ww, base), (x + ww, base)])
    return out


def landscape_args(kind, seed, w=480, h=360):
    rnd = random.Random(seed)
    a = []
    sky = {"torf": ("#8f9aa5", "#dfe3e6"), "jaskinia": ("#120e0a", "#2b2218"),
           "zubr": ("#aab8c8", "#eef2f5"), "kwiat": ("#3f6b2e", "#90b060")}.get(kind, ("#5f95cf", "#e3eef8"))
    base = ["-size", "%dx%d" % (w, h), "gradient:%s-%s" % sky, "-strokewidth", "1"]
    if kind == "gory":
        far = ridge(rnd, w, h * 0.38, h * 0.12, 10, 0.3)
        a += fill_poly("#8d99a8", far + [(w, h), (0, h)])
        for x, y in far:
            if y < h * 0.36:
                a += fill_poly("#f4f6f8", [(x, y), (x - 18, y + 20), (x + 18, y + 20)])
        a += fill_poly("#5d6b5a", ridge(rnd, w, h * 0.55, h * 0.08, 14) + [(w, h), (0, h)])
        a += fill_poly("#2f4a2a", ridge(rnd, w, h * 0.68, h * 0.04, 24) + [(w, h), (0, h)])
        if rnd.random() < 0.5:
            a += ["-fill", "#3b6e8e", "-draw", "ellipse %d,%d %d,%d 0,360" % (w * 0.5, h * 0.8, w * 0.28, h * 0.06)]
        a += fill_poly("#6f8f3f", [(0, h * 0.86), (w, h * 0.9), (w, h), (0, h)])
    elif kind in ("las", "zubr"):
        ground = "#f2f4f6" if kind == "zubr" else "#4d6b2f"
        a += fill_poly("#6c8c68" if kind != "zubr" else "#b9c4cc", ridge(rnd, w, h * 0.5, h * 0.05) + [(w, h), (0, h)])
        a += fill_poly(ground, [(0, h * 0.72), (w, h * 0.7), (w, h), (0, h)])
        for row, (yy, hh, col) in enumerate([(0.62, 70, "#24401f"), (0.7, 110, "#1d3519"), (0.85, 170, "#16291a")]):
            for _ in range(9 + row * 3):
                a += tree(rnd.uniform(0, w), h * yy + rnd.uniform(-6, 6), hh * rnd.uniform(0.8, 1.2), col)
        if kind == "zubr":
            x0, y0 = w * 0.45, h * 0.78
            a += ["-fill", "#3a2616", "-draw", "ellipse %d,%d 62,30 0,360" % (x0, y0),
                  "-draw", "ellipse %d,%d 30,34 0,360" % (x0 + 42, y0 - 14),
                  "-draw", "ellipse %d,%d 18,16 0,360" % (x0 + 74, y0 + 2),
                  "-fill", "#2a1b10"]
            for dx in (-45, -25, 30, 50):
                a += ["-draw", "rectangle %d,%d %d,%d" % (x0 + dx, y0 + 18, x0 + dx + 9, y0 + 52)]
            a += ["-fill", "#d8d0c0", "-draw", "ellipse %d,%d 5,3 0,360" % (x0 + 86, y0 - 4)]
    elif kind == "buki":
        a += fill_poly("#7aa35a", [(0, h * 0.75), (w, h * 0.72), (w, h), (0, h)])
        for _ in range(60):
            col = rnd.choice(["#c77a2a", "#d9a441", "#8da83d", "#a5562a", "#e0b84f"])
            a += ["-fill", col, "-draw", "ellipse %d,%d %d,%d 0,360" % (
                rnd.uniform(0, w), rnd.uniform(0, h * 0.55), rnd.uniform(25, 60), rnd.uniform(20, 40))]
        for _ in range(8):
            x = rnd.uniform(10, w - 10)
            a += ["-fill", "#8c8a80", "-draw", "rectangle %d,%d %d,%d" % (x, h * 0.25, x + rnd.uniform(8, 16), h * 0.8)]
        for _ in range(140):
            a += ["-fill", rnd.choice(["#c77a2a", "#b5652a", "#d9a441"]),
                  "-draw", "point %d,%d" % (rnd.uniform(0, w), rnd.uniform(h * 0.75, h))]
    elif kind in ("jezioro", "torf", "rzeka", "laka", "step"):
        hz = h * (0.45 if kind != "step" else 0.35)
        a += fill_poly("#2f4d2b", ridge(rnd, w, hz - 8, 6, 30) + [(w, hz + 4), (0, hz + 4)])
        land = {"jezioro": "#5d7f3a", "torf": "#7b7a4a", "rzeka": "#6f9a40", "laka": "#7fae45", "step": "#b9b46a"}[kind]
        a += fill_poly(land, [(0, hz), (w, hz), (w, h), (0, h)])
        if kind == "jezioro":
            a += ["-fill", "#4f7fae", "-draw", "rectangle 0,%d %d,%d" % (hz, w, h * 0.8)]
            for _ in range(25):
                y = rnd.uniform(hz + 4, h * 0.78)
                x = rnd.uniform(0, w)
                a += ["-stroke", "#9cc0e0", "-draw", "line %d,%d %d,%d" % (x, y, x + rnd.uniform(10, 40), y), "-stroke", "none"]
            for _ in range(70):
                x = rnd.uniform(0, w)
                a += ["-stroke", rnd.choice(["#5b6b2a", "#8a8a3a", "#3f5a22"]),
                      "-draw", "line %d,%d %d,%d" % (x, h, x + rnd.uniform(-8, 8), h * rnd.uniform(0.72, 0.86)), "-stroke", "none"]
        elif kind == "torf":
            for _ in range(7):
                a += ["-fill", "#3d5260", "-draw", "ellipse %d,%d %d,%d 0,360" % (
                    rnd.uniform(0, w), rnd.uniform(hz + 20, h - 20), rnd.uniform(20, 60), rnd.uniform(4, 10))]
            for _ in range(10):
                a += tree(rnd.uniform(0, w), rnd.uniform(hz + 10, h * 0.8), rnd.uniform(18, 45), "#2c3d22")
            for _ in range(150):
                x, y = rnd.uniform(0, w), rnd.uniform(hz + 30, h)
                a += ["-fill", "#fbfbf4", "-draw", "circle %d,%d %d,%d" % (x, y, x + 2, y)]
        elif kind == "rzeka":
            cx = w * 0.5
            left, right = [], []
            for k in range(11):
                y = hz + (h - hz) * k / 10
                cx += rnd.uniform(-30, 30)
                wid = 6 + 50 * k / 10
                left.append((cx - wid, y))
                right.append((cx + wid, y))
            a += fill_poly("#5a8bbd", left + right[::-1])
            for _ in range(12):
                a += tree(rnd.uniform(0, w), rnd.uniform(hz + 5, hz + 40), rnd.uniform(25, 50), "#2d4f25")
        else:
            for _ in range(220 if kind == "laka" else 120):
                x, y = rnd.uniform(0, w), rnd.uniform(hz + 10, h)
                col = rnd.choice(["#f5e14a", "#ffffff", "#c45ad0", "#e8443a", "#6a7ff0"]) if kind == "laka" \
                    else rnd.choice(["#e8d88a", "#d9c96a", "#f2e9a8", "#c9b64e"])
                r = 1 + (y - hz) / h * 3
                if kind == "laka":
                    a += ["-fill", col, "-draw", "circle %d,%d %d,%d" % (x, y, x + r, y)]
                else:
                    a += ["-stroke", col, "-draw", "line %d,%d %d,%d" % (x, y, x + rnd.uniform(-6, 6), y - 10 - r * 4), "-stroke", "none"]
            if kind == "step":
                a += ["-fill", "#e9d24a", "-draw", "circle %d,%d %d,%d" % (w * 0.3, h * 0.8, w * 0.3 + 14, h * 0.8)]
    elif kind == "morze":
        a += ["-fill", "#2f6a9a", "-draw", "rectangle 0,%d %d,%d" % (h * 0.45, w, h * 0.62)]
        for _ in range(20):
            y = rnd.uniform(h * 0.47, h * 0.6)
            x = rnd.uniform(0, w)
            a += ["-stroke", "#d8e8f2", "-draw", "line %d,%d %d,%d" % (x, y, x + rnd.uniform(10, 40), y), "-stroke", "none"]
        a += fill_poly("#e8d7a8", [(0, h * 0.62), (w, h * 0.6), (w, h), (0, h)])
        a += fill_poly("#d9c48a", ridge(rnd, w, h * 0.72, 18, 6, 0.2) + [(w, h), (0, h)])
        for _ in range(40):
            x = rnd.uniform(0, w)
            a += ["-stroke", "#8a9a4a", "-draw", "line %d,%d %d,%d" % (x, h * 0.82, x + rnd.uniform(-5, 5), h * 0.76), "-stroke", "none"]
        for _ in range(4):
            x, y = rnd.uniform(40, w - 40), rnd.uniform(20, h * 0.3)
            a += ["-stroke", "#333333", "-fill", "none", "-draw", "polyline %d,%d %d,%d %d,%d" % (x - 9, y - 4, x, y, x + 9, y - 4), "-stroke", "none"]
    elif kind == "skaly":
        a += fill_poly("#4e6e39", ridge(rnd, w, h * 0.6, 10) + [(w, h), (0, h)])
        for _ in range(4):
            x = rnd.uniform(40, w - 80)
            top = rnd.uniform(h * 0.12, h * 0.35)
            wid = rnd.uniform(40, 90)
            rock = [(x, h * 0.8), (x + wid * 0.1, top + 20), (x + wid * 0.35, top), (x + wid * 0.6, top + 10),
                    (x + wid * 0.9, top + 40), (x + wid, h * 0.8)]
            a += fill_poly("#d9d6cc", rock)
            a += fill_poly("#b3afa2", [(x + wid * 0.6, top + 10), (x + wid * 0.9, top + 40), (x + wid, h * 0.8), (x + wid * 0.55, h * 0.8)])
        for _ in range(14):
            a += tree(rnd.uniform(0, w), rnd.uniform(h * 0.82, h * 0.98), rnd.uniform(40, 80), "#22401d")
    elif kind == "kwiat":
        cx, cy = w * 0.5, h * 0.45
        a += ["-stroke", "#2f5a1f", "-strokewidth", "5", "-draw", "line %d,%d %d,%d" % (cx, cy, cx + 10, h), "-stroke", "none", "-strokewidth", "1"]
        col = rnd.choice(["#f2f2f2", "#f0d23a", "#b76ad8", "#f5f5ff"])
        for k in range(6):
            ang = k * 60 + rnd.uniform(-5, 5)
            c, s_ = math.cos(math.radians(ang)), math.sin(math.radians(ang))
            petal = [(cx + c * (40 + 34 * math.cos(t / 10.0)) - s_ * 16 * math.sin(t / 10.0),
                      cy + s_ * (40 + 34 * math.cos(t / 10.0)) + c * 16 * math.sin(t / 10.0)) for t in range(63)]
            a += fill_poly(col, petal)
        a += ["-fill", "#e0a020", "-draw", "circle %d,%d %d,%d" % (cx, cy, cx + 16, cy)]
    elif kind == "ptak":
        a += fill_poly("#5f8a3a", [(0, h * 0.8), (w, h * 0.78), (w, h), (0, h)])
        x, y = w * 0.5, h * 0.42
        a += fill_poly("#f4f4f0", [(x - 60, y), (x + 40, y - 8), (x + 55, y + 6), (x - 50, y + 14)])
        a += fill_poly("#1d1d1d", [(x - 40, y + 2), (x - 150, y - 50), (x - 120, y - 10), (x, y - 4)])
        a += fill_poly("#1d1d1d", [(x - 10, y + 6), (x + 60, y + 70), (x + 40, y + 20)])
        a += ["-stroke", "#d0402a", "-strokewidth", "3", "-draw", "line %d,%d %d,%d" % (x + 55, y, x + 85, y + 4),
              "-draw", "line %d,%d %d,%d" % (x - 55, y + 10, x - 95, y + 18), "-stroke", "none", "-strokewidth", "1"]
    elif kind == "jaskinia":
        for _ in range(18):
            x = rnd.uniform(0, w)
            a += fill_poly(rnd.choice(["#6e5a44", "#847058", "#5c4a38"]), [(x - 12, 0), (x + 12, 0), (x + rnd.uniform(-3, 3), rnd.uniform(40, 150))])
        for _ in range(12):
            x = rnd.uniform(0, w)
            a += fill_poly(rnd.choice(["#9a8466", "#7d6a52"]), [(x - 15, h), (x + 15, h), (x, h - rnd.uniform(30, 120))])
        for k in range(6):
            a += ["-fill", "rgba(240,217,160,0.10)", "-draw", "ellipse %d,%d %d,%d 0,360" % (w * 0.6, h * 0.5, 40 + k * 14, 28 + k * 10)]
    elif kind == "wodospad":
        a += fill_poly("#5e5a52", [(0, 0), (w * 0.4, 0), (w * 0.42, h), (0, h)])
        a += fill_poly("#4f4b44", [(w * 0.58, 0), (w, 0), (w, h), (w * 0.56, h)])
        a += ["-fill", "#e8f2f8", "-draw", "rectangle %d,%d %d,%d" % (w * 0.41, h * 0.05, w * 0.58, h * 0.8)]
        for _ in range(40):
            x = rnd.uniform(w * 0.41, w * 0.58)
            a += ["-stroke", "#a8c4d8", "-draw", "line %d,%d %d,%d" % (x, h * 0.05, x, h * 0.8), "-stroke", "none"]
        a += ["-fill", "#5f88aa", "-draw", "ellipse %d,%d %d,30 0,360" % (w * 0.5, h * 0.88, w * 0.35)]
        for _ in range(10):
            a += tree(rnd.uniform(0, w * 0.35), rnd.uniform(h * 0.2, h * 0.6), rnd.uniform(30, 60), "#23401e")
    return base + a


def draw_landscape(kind, seed, out, w=480, h=360, quality=72):
    noise_seed = sum(ord(c) * (i + 1) for i, c in enumerate(str(seed))) % 100000
    args = ["-seed", str(noise_seed)] + landscape_args(kind, seed, w, h) + ["-blur", "0x0.7", "-attenuate", "0.35", "+noise", "Gaussian",
                                             "-quality", str(quality)]
    convert(args, out)


# ------------------------------------------------------------------- maps
def blob(rnd, cx, cy, r, n=48):
    k = [(rnd.uniform(0.05, 0.22), rnd.uniform(0, 6.28), m) for m in (2, 3, 5)]
    out = []
    for i in range(n):
        t = 2 * math.pi * i / n
        rr = r * (1 + sum(a * math.sin(m * t + p) for a, p, m in k))
        out.append((cx + rr * math.cos(t) * 1.3, cy + rr * math.sin(t)))
    return out


def draw_map(seed, title, subtitle, out, color="#b9d9a0", w=520, h=400):
    rnd = random.Random(seed)
    a = ["-size", "%dx%d" % (w, h), "xc:#f4f0e1", "-strokewidth", "1"]
    for x in range(0, w, 40):
        a += ["-stroke", "#e2dcc6", "-draw", "line %d,0 %d,%d" % (x, x, h)]
    for y in range(0, h, 40):
        a += ["-stroke", "#e2dcc6", "-draw", "line 0,%d %d,%d" % (y, w, y)]
    area = blob(rnd, w * 0.5, h * 0.55, min(w, h) * 0.28)
    a += ["-stroke", "#2e5e24", "-strokewidth", "3", "-fill", color, "-draw", "polygon " + pts(area), "-strokewidth", "1"]
    for _ in range(5):
        a += ["-stroke", "none", "-fill", "#7fb46a", "-draw", "polygon " + pts(blob(rnd, rnd.uniform(w * 0.3, w * 0.7), rnd.uniform(h * 0.4, h * 0.7), rnd.uniform(15, 35), 20))]
    if rnd.random() < 0.6:
        a += ["-fill", "#7fb0d8", "-stroke", "#3d6e9a", "-draw", "polygon " + pts(blob(rnd, rnd.uniform(w * 0.35, w * 0.65), rnd.uniform(h * 0.45, h * 0.65), rnd.uniform(14, 30), 20))]
    river = [(0, rnd.uniform(h * 0.3, h * 0.9))]
    for k in range(1, 9):
        river.append((w * k / 8, river[-1][1] + rnd.uniform(-30, 30)))
    a += ["-stroke", "#3d6e9a", "-strokewidth", "3", "-fill", "none", "-draw", "polyline " + pts(river)]
    road = [(rnd.uniform(0, w), h), (rnd.uniform(0, w), h * 0.2)]
    a += ["-stroke", "#b04a3a", "-strokewidth", "2", "-draw", "line " + pts(road), "-strokewidth", "1"]
    # title box
    a += ["-stroke", "#5a4a2a", "-fill", "#fffaf0", "-draw", "rectangle 8,8 %d,62" % (w - 8), "-stroke", "none",
          "-fill", "#2e4a22", "-font", FONT_B, "-pointsize", "18", "-annotate", "+18+32", title,
          "-fill", "#5a4a2a", "-font", FONT, "-pointsize", "12", "-annotate", "+18+52", subtitle]
    # legend, scale, north arrow
    lx, ly = 12, h - 78
    a += ["-stroke", "#8a7a5a", "-fill", "#fffaf0", "-draw", "rectangle %d,%d %d,%d" % (lx, ly, lx + 150, h - 10), "-stroke", "none",
          "-fill", color, "-stroke", "#2e5e24", "-draw", "rectangle %d,%d %d,%d" % (lx + 8, ly + 8, lx + 24, ly + 18), "-stroke", "none",
          "-fill", "#7fb46a", "-draw", "rectangle %d,%d %d,%d" % (lx + 8, ly + 26, lx + 24, ly + 36),
          "-stroke", "#3d6e9a", "-strokewidth", "3", "-draw", "line %d,%d %d,%d" % (lx + 8, ly + 50, lx + 24, ly + 50), "-strokewidth", "1", "-stroke", "none",
          "-fill", "#333333", "-font", FONT, "-pointsize", "11",
          "-annotate", "+%d+%d" % (lx + 32, ly + 17), "granica obszaru",
          "-annotate", "+%d+%d" % (lx + 32, ly + 35), "lasy",
          "-annotate", "+%d+%d" % (lx + 32, ly + 54), "rzeki i wody"]
    sx = w - 140
    a += ["-stroke", "#333333", "-strokewidth", "2", "-draw", "line %d,%d %d,%d" % (sx, h - 20, sx + 100, h - 20),
          "-draw", "line %d,%d %d,%d" % (sx, h - 25, sx, h - 15), "-draw", "line %d,%d %d,%d" % (sx + 100, h - 25, sx + 100, h - 15),
          "-strokewidth", "1", "-stroke", "none", "-fill", "#333333", "-annotate", "+%d+%d" % (sx + 34, h - 30), "%d km" % rnd.choice([1, 2, 5]),
          "-fill", "#333333", "-draw", "polygon %d,%d %d,%d %d,%d" % (w - 30, 75, w - 38, 100, w - 22, 100),
          "-pointsize", "14", "-annotate", "+%d+%d" % (w - 35, 118), "N"]
    convert(a + ["-colors", "48"], out)


def proj_xy(lon, lat, w, h, margin=8):
    k = min((w - 2 * margin) / (10.3 * 0.616), (h - 2 * margin) / 5.9)
    return margin + (lon - 13.95) * 0.616 * k, margin + (54.9 - lat) * k


def poland_args(w, h, fill="#f3ecd6"):
    def P(line):
        return [proj_xy(lon, lat, w, h) for lon, lat in line]
    a = ["-size", "%dx%d" % (w, h), "xc:#ffffff", "-stroke", "#7a6a4a", "-strokewidth", "2", "-fill", fill,
         "-draw", "polygon " + pts(P(POLAND)), "-strokewidth", "1", "-fill", "none", "-stroke", "#6f9ccc"]
    for r in (VISTULA, ODER, BUG, WARTA):
        a += ["-draw", "polyline " + pts(P(r))]
    a += ["-stroke", "none"]
    return a


def draw_location(lat, lon, label, out, w=250, h=250):
    a = poland_args(w, h - 24)
    x, y = proj_xy(lon, lat, w, h - 24)
    a += ["-fill", "#d02a1a", "-stroke", "#ffffff", "-draw", "circle %d,%d %d,%d" % (x, y, x + 6, y),
          "-fill", "none", "-stroke", "#d02a1a", "-strokewidth", "2", "-draw", "circle %d,%d %d,%d" % (x, y, x + 12, y),
          "-strokewidth", "1", "-stroke", "none", "-gravity", "south", "-background", "#ffffff", "-extent", "%dx%d" % (w, h),
          "-fill", "#2e4a22", "-font", FONT_B, "-pointsize", "12", "-annotate", "+0+6", label]
    convert(a + ["-quality", "80"], out)


def draw_parks_map(points, color, out, w=240, h=226):
    a = poland_args(w, h)
    for lat, lon in points:
        x, y = proj_xy(lon, lat, w, h, margin=6)
        a += ["-fill", color, "-stroke", "#1f3a1a", "-draw", "circle %d,%d %d,%d" % (x, y, x + 3, y)]
    convert(a + ["-quality", "85"], out)


def draw_figure(key, title, out, w=480, h=452):
    """Figures on the outline of Poland: glaciation limits, geographical belts."""
    a = poland_args(w, h - 40)
    a += ["-gravity", "south", "-background", "#ffffff", "-extent", "%dx%d" % (w, h), "-gravity", "northwest"]
    def line(lat_pts, color, label):
        pp = [proj_xy(lon, lat, w, h - 40) for lon, lat in lat_pts]
        pp = [(x, y + 40) for x, y in pp]
        return ["-stroke", color, "-strokewidth", "3", "-fill", "none", "-draw", "polyline " + pts(pp),
                "-stroke", "none", "-strokewidth", "1", "-fill", color, "-font", FONT_B, "-pointsize", "12",
                "-annotate", "+%d+%d" % (pp[-1][0] - 70, pp[-1][1] - 6), label]
    if key == "0251":
        a += line([(14.3, 52.6), (15.5, 52.3), (17.0, 52.4), (18.5, 52.8), (20.0, 53.2), (21.5, 53.6), (22.8, 54.1), (23.6, 54.2)], "#1f5fa8", "bałtyckie")
        a += line([(14.9, 51.3), (16.5, 50.9), (18.5, 50.6), (20.0, 50.9), (21.5, 51.3), (23.0, 51.7), (24.0, 52.0)], "#2e8b3a", "warty i odry")
        a += line([(15.0, 50.7), (16.5, 50.2), (18.5, 49.8), (20.5, 50.0), (22.5, 49.7), (23.5, 49.9)], "#b04a3a", "sanu")
    else:
        for lat, label, col in ((54.45, "Pobrzeża", "#3d6e9a"), (53.6, "Pojezierza", "#1f5fa8"), (52.3, "Niziny Środkowopolskie", "#6b5a2a"),
                                (50.8, "Wyżyny", "#8a5a1a"), (49.55, "Karpaty i Sudety", "#7a2e12")):
            x, y = proj_xy(19.0, lat, w, h - 40)
            a += ["-fill", col, "-font", FONT_B, "-pointsize", "14", "-annotate", "+%d+%d" % (x - 60, y + 40), label]
    a += ["-fill", "#2e4a22", "-font", FONT_B, "-pointsize", "16", "-annotate", "+12+24", title]
    convert(a + ["-quality", "85"], out)


# ------------------------------------------------------------ small pictures
def template_pictures():
    convert(["-size", "40x40", "xc:#f3eeda", "-fill", "#444444", "-draw", "roundrectangle 4,12 36,34 4,4",
             "-draw", "rectangle 14,8 24,12", "-fill", "#c8d8e8", "-draw", "circle 20,23 20,15",
             "-fill", "#333333", "-draw", "circle 20,23 20,19", "-fill", "#ffcc33", "-draw", "rectangle 29,15 33,18"],
            path("Makiety", "f.jpg"))
    convert(["-size", "40x40", "xc:#f4f0e1", "-stroke", "#7a6a4a", "-fill", "#b9d9a0",
             "-draw", "polygon 4,8 14,4 26,8 36,4 36,34 26,38 14,34 4,38", "-stroke", "#3d6e9a", "-strokewidth", "2",
             "-fill", "none", "-draw", "polyline 6,30 14,22 22,26 34,12", "-stroke", "none", "-fill", "#d02a1a",
             "-draw", "circle 22,16 22,13"], path("Makiety", "m.jpg"))
    convert(["-size", "16x16", "xc:none", "-fill", "#d02a1a", "-stroke", "#7a1010",
             "-draw", "polygon 8,15 1,6 5,6 5,0 11,0 11,6 15,6"], path("Makiety", "arrow.gif"))
    convert(["-size", "70x20", "xc:#f3eeda", "-fill", "#2d5a27", "-draw", "polygon 3,10 12,3 12,17",
             "-font", FONT_B, "-pointsize", "11", "-annotate", "+16+14", "wstecz"], path("Makiety", "wstecz.gif"))
    convert(["-size", "600x60", "gradient:#2e5e24-#9cc48a", "-fill", "#fffbe8", "-font", FONT_B, "-pointsize", "26",
             "-annotate", "+70+38", "ECONET-PL", "-font", FONT, "-pointsize", "13",
             "-annotate", "+240+36", "krajowa sieć ekologiczna", "-fill", "#fffbe8", "-stroke", "#fffbe8",
             "-strokewidth", "3", "-draw", "line 12,30 58,30", "-draw", "circle 12,30 17,30", "-draw", "circle 35,30 40,30",
             "-draw", "circle 58,30 63,30", "-quality", "85"], path("Makiety", "econet.jpg"))
    convert(["-seed", "7", "-size", "128x128", "xc:#fbf8ee", "-attenuate", "0.12", "+noise", "Gaussian", "-blur", "0x1",
             "-quality", "70"], path("Data", "bgr.jpg"))


# ------------------------------------------------------------------ sound
def write_wav(out, seconds=8, rate=22050):
    notes = [392.0, 440.0, 523.25, 587.33, 659.25, 587.33, 523.25, 440.0,
             392.0, 329.63, 392.0, 440.0, 523.25, 440.0, 392.0, 329.63]
    per = seconds / len(notes)
    frames = bytearray()
    for i in range(int(seconds * rate)):
        t = i / rate
        k = int(t / per)
        f = notes[k % len(notes)]
        tt = t - k * per
        env = min(1.0, tt * 30) * math.exp(-tt * 2.2)
        v = env * (0.55 * math.sin(2 * math.pi * f * t) + 0.18 * math.sin(4 * math.pi * f * t))
        v += 0.12 * math.sin(2 * math.pi * 196.0 * t) * (0.6 + 0.4 * math.sin(2 * math.pi * t / seconds))
        frames += struct.pack("<h", int(max(-1, min(1, v * 0.6)) * 32000))
    with wave.open(out, "wb") as wv:
        wv.setnchannels(1)
        wv.setsampwidth(2)
        wv.setframerate(rate)
        wv.writeframes(bytes(frames))


# ------------------------------------------------------------------ films
def make_film(kind, seed, title, out, seconds=6):
    tmp = tempfile.mkdtemp()
    try:
        pano = os.path.join(tmp, "pano.jpg")
        args = landscape_args(kind, seed, 1100, 240) + [
            "-fill", "#00000080", "-draw", "rectangle 0,196 320,240",
            "-fill", "#fffbe8", "-font", FONT_B, "-pointsize", "18", "-annotate", "+12+224", title,
            "-blur", "0x0.6", "-quality", "90"]
        convert(args, pano)
        run(["ffmpeg", "-loglevel", "error", "-y", "-loop", "1", "-i", pano,
             "-vf", "crop=320:240:'min(t*%d\\,780)':0,format=yuvj420p" % (780 // seconds),
             "-t", str(seconds), "-r", "15", "-c:v", "mjpeg", "-q:v", "7", "-an", out])
    finally:
        shutil.rmtree(tmp)


# ------------------------------------------------------------------- build
def build(M):
    import disc_data as D
    os.makedirs(path("Foto", "x"), exist_ok=True)
    template_pictures()
    # photographs
    for row in M.photos():
        key, prefix, kind = row[0], row[1], row[7]
        out = path("Foto", prefix + key + ".jpg")
        if kind == "mapa":
            if key == "0252":
                draw_parks_map([(p[5], p[6]) for p in D.NATIONAL_PARKS], "#2e8b3a", out + ".tmp.jpg", 480, 452)
                convert([out + ".tmp.jpg", "-gravity", "south", "-background", "white", "-extent", "480x480",
                         "-font", FONT_B, "-pointsize", "16", "-fill", "#2e4a22", "-annotate", "+0+8", "Parki narodowe Polski"], out)
                os.remove(out + ".tmp.jpg")
            else:
                draw_figure(key, row[4], out)
        else:
            draw_landscape(kind, "foto" + key, out)
    # record maps and location pictures
    records = [("rp" + r[0], r[1], "Rezerwat przyrody", r[2], r[9], r[10]) for r in D.RESERVES]
    records += [("pk" + p[0], "Park Krajobrazowy " + p[1], "Park krajobrazowy", p[2], p[6], p[7]) for p in D.PARKS]
    records += [("ok" + o[0], "OChK " + o[1], "Obszar chronionego krajobrazu", o[2], o[5], o[6]) for o in D.OCHK]
    records += [("pn" + p[0], p[1] + " Park Narodowy", "Park narodowy", p[2], p[5], p[6]) for p in D.NATIONAL_PARKS[:0]]
    for name, title, cat, prov, lat, lon in records:
        if name not in M.NO_MAP:
            draw_map(name, title, "%s, województwo %s" % (cat.lower(), prov), path("Map", "mp-%s.gif" % name))
        if name.startswith("pk") and name not in M.PK_WITH_LOC:
            continue
        if name not in M.NO_LOC:
            draw_location(lat, lon, title if len(title) < 34 else title[:32] + "...", path("Map", "ml-%s.jpg" % name))
    for p in D.NATIONAL_PARKS:
        key = p[0]
        draw_map("pn" + key, "%s Park Narodowy" % p[1], "park narodowy, województwo %s" % p[2], path("Map", "mp-pn%s.gif" % key), color="#a8d090")
    p = [x for x in D.NATIONAL_PARKS if x[0] == "tatrzanski"][0]
    draw_location(p[5], p[6], "Tatrzański Park Narodowy", path("Map", "ml-pntatrzanski.jpg"))
    # maps of the location pages
    os.makedirs(path("Data", "pics", "x"), exist_ok=True)
    draw_parks_map([(p[5], p[6]) for p in D.NATIONAL_PARKS], "#2e8b3a", path("Data", "pics", "pn.jpg"))
    draw_parks_map([(p[6], p[7]) for p in D.PARKS], "#6aa84f", path("Data", "pics", "pk.jpg"))
    # sound and films
    write_wav(path("Anim", "kev1.wav"))
    if shutil.which("ffmpeg"):
        make_film("rzeka", "film-bobry", "Bobry nad rzeką", path("Anim", "bobry.avi"))
        make_film("morze", "film-wydmy", "Ruchome wydmy", path("Anim", "wydmy.avi"))
    else:
        print("ffmpeg not found: films not made")
    import disc_period
    disc_period.build_media(draw_landscape)
