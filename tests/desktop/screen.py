#!/usr/bin/env python3
"""Reads the calculator off xwd screenshots of 32-bit pixels, for desktop-test.sh.

  screen.py find SHOT REF [X Y W H]   where REF, or that part of it, lies in
                                      SHOT: "x y"; exits 1 when it is not there
  screen.py board SHOT X Y [ZOOM]     the rods' values as hex digits, rod 9
                                      first, for the client area at (X, Y) at
                                      a zoom in percent (100)
"""
import struct
import sys


def load(path):
    """The screenshot's rows, each pixel as 0x00RRGGBB big-endian whichever
    byte order it came in, without the unused byte's content."""
    data = open(path, "rb").read()
    field = lambda i: struct.unpack(">I", data[4 * i : 4 * i + 4])[0]
    if field(11) != 32:
        sys.exit(f"{path}: not a 32-bit screenshot")
    # The pixels come after the header, the window's name and the colour table.
    start, width, stride = field(0) + 12 * field(19), field(4), field(12)
    order = (1, 2, 3) if field(7) == 1 else (2, 1, 0)
    rows = []
    for y in range(field(5)):
        row, out = data[start + y * stride :][: 4 * width], bytearray(4 * width)
        for i, byte in enumerate(order):
            out[i + 1 :: 4] = row[byte::4]
        rows.append(bytes(out))
    return rows


def find(part, shot):
    """Top-left of the rows `part` inside `shot`, or None."""
    for y in range(len(shot) - len(part) + 1):
        x4 = shot[y].find(part[0])
        while x4 >= 0:
            if x4 % 4 == 0 and all(
                shot[y + i][x4 : x4 + len(row)] == row for i, row in enumerate(part)
            ):
                return x4 // 4, y
            x4 = shot[y].find(part[0], x4 + 1)
    return None


def board(shot, x0, y0, zoom=100):
    """The rods' values, read off the field colour in the top-left corner of
    each cell: the bare rod (|), a bead (o) or the bead that only values above
    9 use (x). A rod whose decks do not hold one gap each among beads is "?"."""
    # the layout's twips, 1/15 px at 96 dpi and 100 %, to the nearest pixel
    px = lambda twips: (twips * zoom + 750) // 1500
    kinds = {"8eb9e3": "|", "8fbae4": "o", "9285b1": "x"}

    def deck(rod, tops):
        x = 4 * (x0 + px(4695 - 495 * rod) + 1)
        return "".join(kinds.get(shot[y0 + px(t) + 1][x + 1 : x + 4].hex(), "?") for t in tops)

    values = ""
    for rod in range(9, -1, -1):
        upper, lower = deck(rod, (750, 1020, 1290)), deck(rod, range(1740, 3360, 270))
        if "?" in upper + lower or upper.count("|") != 1 or lower.count("|") != 1:
            values += "?"
        else:
            values += "%x" % (10 - 5 * upper.index("|") + lower.index("|"))
    return values


def main(command, shot, *args):
    shot = load(shot)
    if command == "board":
        print(board(shot, *map(int, args)))
        return 0
    ref = load(args[0])
    x, y, w, h = map(int, args[1:]) if args[1:] else (0, 0, len(ref[0]) // 4, len(ref))
    at = find([row[4 * x : 4 * (x + w)] for row in ref[y : y + h]], shot)
    if at:
        print(*at)
    return 0 if at else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
