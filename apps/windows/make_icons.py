#!/usr/bin/env python3
"""Writes the programs' icons (apps/<program>/<program>.ico): a coloured tile with the
program's initial, at 16, 32 and 48 pixels, 32-bit colour with alpha. Run it again after
changing a colour or a letter; the .ico files are kept in the repository."""
import os
import struct

LETTERS = {  # 5 x 7 dots, top row first
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
}
PROGRAMS = {"planwright": ("P", (0x1F, 0x5F, 0xBF)), "millsheet": ("M", (0x2E, 0x8B, 0x3E)),
            "orderloom": ("O", (0xD9, 0x7A, 0x1C))}


def pixels(size, letter, colour):
    radius = max(2, size // 6)
    dot = max(1, size // 9)
    left = (size - 5 * dot) // 2
    top = (size - 7 * dot) // 2
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            cx = min(x, size - 1 - x)
            cy = min(y, size - 1 - y)
            inside = not (cx < radius and cy < radius and (radius - cx) ** 2 + (radius - cy) ** 2 > radius ** 2)
            gx, gy = (x - left) // dot, (y - top) // dot
            ink = 0 <= gx < 5 and 0 <= gy < 7 and x >= left and y >= top and LETTERS[letter][gy][gx] == "1"
            r, g, b = (255, 255, 255) if ink else colour
            row.append((b, g, r, 255 if inside else 0))
        rows.append(row)
    return rows


def bitmap(size, letter, colour):
    rows = pixels(size, letter, colour)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b"".join(bytes(p) for row in reversed(rows) for p in row)
    mask_row = ((size + 31) // 32) * 4
    mask = b"".join(
        bytes(sum((1 << (7 - bit)) for bit in range(8) if i * 8 + bit < size and row[i * 8 + bit][3] == 0)
              for i in range(mask_row)) for row in reversed(rows))
    return header + colours + mask


def icon(letter, colour):
    sizes = [16, 32, 48]
    images = [bitmap(s, letter, colour) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


if __name__ == "__main__":
    apps = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    for program, (letter, colour) in PROGRAMS.items():
        with open(os.path.join(apps, program, program + ".ico"), "wb") as f:
            f.write(icon(letter, colour))
