#!/usr/bin/env python3
"""Writes rle8.avi: a two-second AVI film in Microsoft RLE (8-bit) video,
64 x 48 at 10 frames a second, a bar moving across stripes. ffmpeg decodes
this codec but cannot write it, so the film is kept next to this script.

Usage: make_rle8_avi.py [output]"""

import struct
import sys

WIDTH, HEIGHT, FRAMES, FPS = 64, 48, 20, 10
PALETTE = [(0, 0, 0), (40, 120, 40), (200, 220, 80), (30, 60, 160)]


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def lst(kind, data):
    return chunk(b"LIST", kind + data)


def pixel(frame, x, y):
    if abs(x - frame * 3) < 4:
        return 2
    return 1 if (y // 8) % 2 else 3


def rle_frame(frame):
    out = bytearray()
    for row in range(HEIGHT):  # stored bottom-up
        y = HEIGHT - 1 - row
        x = 0
        while x < WIDTH:
            colour = pixel(frame, x, y)
            run = 1
            while x + run < WIDTH and run < 255 and pixel(frame, x + run, y) == colour:
                run += 1
            out += bytes([run, colour])
            x += run
        out += b"\0\0"  # end of line
    out += b"\0\1"  # end of picture
    return bytes(out)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "rle8.avi"
    frames = [rle_frame(i) for i in range(FRAMES)]
    largest = max(len(f) for f in frames)
    avih = struct.pack("<IIIIIIIIII4I", 1000000 // FPS, largest * FPS, 0, 0x10, FRAMES, 0, 1,
                       largest, WIDTH, HEIGHT, 0, 0, 0, 0)
    strh = b"vids" + b"mrle" + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, FPS, 0, FRAMES,
                                           largest, 0xFFFFFFFF, 0, 0, 0, WIDTH, HEIGHT)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    palette += b"\0" * (4 * (256 - len(PALETTE)))
    strf = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 1, WIDTH * HEIGHT, 0, 0, 256,
                       0) + palette
    hdrl = lst(b"hdrl", chunk(b"avih", avih) + lst(b"strl", chunk(b"strh", strh) +
                                                     chunk(b"strf", strf)))
    movi_data = b""
    index = b""
    for data in frames:
        # Offsets count from the "movi" word of the list.
        index += b"00dc" + struct.pack("<III", 0x10, 4 + len(movi_data), len(data))
        movi_data += chunk(b"00dc", data)
    body = b"AVI " + hdrl + lst(b"movi", movi_data) + chunk(b"idx1", index)
    with open(output, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", len(body)) + body)


if __name__ == "__main__":
    main()
