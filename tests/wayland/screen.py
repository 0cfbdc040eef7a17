#!/usr/bin/env python3
"""Reads the calculator off xwd screenshots (32-bit pixels), for weston-test.sh.

  screen.py find REF SHOT            where REF, whole, lies in SHOT: "x y"
  screen.py same A X Y W H SHOT      where that part of A lies in SHOT: "x y"
  screen.py board SHOT X Y           the rods' values, rod 9 first, for the
                                     client area whose top-left is (X, Y)
Exits 1 when the picture is not found.
"""
import struct
import sys


class Shot:
    def __init__(self, path):
        data = open(path, "rb").read()
        field = lambda i: struct.unpack(">I", data[4 * i : 4 * i + 4])[0]
        if field(11) != 32:
            sys.exit(f"{path}: not a 32-bit screenshot")
        self.width, self.height, self.stride = field(4), field(5), field(12)
        start = field(0) + 12 * field(19)
        msb = field(7) == 1
        self.rows = []
        for y in range(self.height):
            row = data[start + y * self.stride : start + y * self.stride + 4 * self.width]
            # One layout for every screenshot, whichever byte order it came
            # in: 0x00RRGGBB big-endian, without the unused byte's content.
            red, green, blue = (row[1::4], row[2::4], row[3::4]) if msb else (
                row[2::4], row[1::4], row[0::4])
            out = bytearray(4 * self.width)
            out[1::4], out[2::4], out[3::4] = red, green, blue
            self.rows.append(bytes(out))

    def crop(self, x, y, w, h):
        return [row[4 * x : 4 * (x + w)] for row in self.rows[y : y + h]]

    def pixel(self, x, y):
        return self.rows[y][4 * x + 1 : 4 * x + 4].hex()


def find(part, shot):
    """Top-left of the rows `part` inside `shot`, or None."""
    first, width = part[0], len(part[0]) // 4
    for y in range(shot.height - len(part) + 1):
        x4 = shot.rows[y].find(first)
        while x4 >= 0:
            if x4 % 4 == 0 and all(
                shot.rows[y + i][x4 : x4 + 4 * width] == part[i] for i in range(len(part))
            ):
                return x4 // 4, y
            x4 = shot.rows[y].find(first, x4 + 1)
    return None


# Positions as the layout has them, in twips (1/15 px at 96 dpi).
def px(twips):
    return (twips + 7) // 15


def rod_values(shot, x0, y0):
    def cell(rod, top):
        colour = shot.pixel(x0 + px(4695 - 495 * rod) + 1, y0 + top + 1)
        return {"8eb9e3": "gap", "8fbae4": "bead", "9285b1": "extra"}.get(colour, "?")

    values = []
    for rod in range(9, -1, -1):
        upper = 0
        if cell(rod, px(1020)) == "gap":
            upper = 5
        if cell(rod, px(750)) == "gap":
            upper = 10
        lower = -1
        for i in range(6):
            if cell(rod, px(1740 + 270 * i)) == "gap":
                lower = i
        values.append(str(upper + lower))
    return " ".join(values)


def main(args):
    if args[0] == "find":
        ref = Shot(args[1])
        at = find(ref.crop(0, 0, ref.width, ref.height), Shot(args[2]))
    elif args[0] == "same":
        x, y, w, h = map(int, args[2:6])
        at = find(Shot(args[1]).crop(x, y, w, h), Shot(args[6]))
    elif args[0] == "board":
        print(rod_values(Shot(args[1]), int(args[2]), int(args[3])))
        return 0
    else:
        sys.exit(__doc__)
    if at is None:
        return 1
    print(*at)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
