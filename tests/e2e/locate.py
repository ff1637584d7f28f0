#!/usr/bin/env python3
"""Finds things on a screenshot for the window checks, and works out the moves.

locate.py boxes IMG       -> "x y pitch": left edge of the clue list's check
                             boxes, top of the first box, distance of the rows
locate.py origin IMG INFO CELL -> "x y": top-left of the grid's first cell
locate.py drops CLUES INFO   -> per list row: "row col cellrow down reversed"
locate.py lines INFO         -> per word: "col1 row1 col2 row2" (the cells to drag over)
"""
import json
import subprocess
import sys

BOX_EDGE = (64, 64, 64)      # the frame of a state image
MARKED = (255, 170, 170)     # the current word's cells (LetterFieldMarkColour)


def pixels(path):
    w, h = map(int, subprocess.check_output(
        ["identify", "-format", "%w %h", path]).split())
    raw = subprocess.check_output(["convert", path, "-depth", "8", "rgb:-"])
    return w, h, raw


def at(raw, w, x, y):
    i = (y * w + x) * 3
    return tuple(raw[i:i + 3])


def find_in_row(row, pattern, start=0):
    """First pixel-aligned position of the pattern in a row of RGB bytes, or -1."""
    i = row.find(pattern, start)
    while i >= 0 and i % 3:
        i = row.find(pattern, i + 1)
    return i


def boxes(path):
    w, h, raw = pixels(path)
    edge = bytes(BOX_EDGE) * 10
    tops = []
    y = 0
    while y < h - 9:
        row = raw[y * w * 3:(y + 1) * w * 3]
        i = find_in_row(row, edge, (w // 4) * 3)
        if i >= 0:
            x = i // 3
            # A box: its left edge goes down 9 pixels to the bottom edge.
            if at(raw, w, x, y + 9) == BOX_EDGE and at(raw, w, x + 9, y + 9) == BOX_EDGE:
                tops.append((x, y))
                y += 10
                continue
        y += 1
    if len(tops) < 2:
        sys.exit("no check boxes found")
    x, y = tops[0]
    return f"{x} {y} {tops[1][1] - y}"


def origin(path, info_path, cell):
    """Top-left of the grid's cell (1, 1): the current word at the start is the
    across run through the first letter cell; its cells but the current one are
    marked, so the run's right end and its top give the grid's place."""
    info = json.load(open(info_path))
    flags = info["cellFlags"]
    first = next((c, r) for r in range(info["rows"]) for c in range(info["columns"])
                 if not flags[r][c] & 1)
    c0, r0 = first
    end = c0
    while end + 1 < info["columns"] and not flags[r0][end + 1] & 1:
        end += 1
    w, h, raw = pixels(path)
    colour = bytes(MARKED)
    for y in range(h):
        row = raw[y * w * 3:(y + 1) * w * 3]
        i = find_in_row(row, colour)
        if i < 0:
            continue
        # Walls between cells interrupt the marking; a few pixels off the
        # cell edge do not matter for pointing at cell centres.
        right = max(x for x in range(i // 3, w) if at(raw, w, x, y) == MARKED)
        return f"{right + 1 - (end + 1) * cell} {y - r0 * cell}"
    sys.exit("no marked word found")


def start_cell(info, number):
    # Columns outer, rows inner, as the player searches.
    nums = info["cellNumbers"]
    for c in range(info["columns"]):
        for r in range(info["rows"]):
            if abs(nums[r][c]) == number:
                return c + 1, r + 1
    sys.exit(f"no cell numbered {number}")


def drops(clues_path, info_path):
    clues = json.load(open(clues_path))
    info = json.load(open(info_path))
    words = info["words"]
    out = []
    for row, entry in enumerate(clues["down"]):
        w = words[entry["wordIndex"]]
        c, r = start_cell(info, w["number"])
        down = 1 if w["direction"] == "down" else 0
        out.append(f"{row} {c} {r} {down} {1 if w['reversed'] else 0}")
    return "\n".join(out)


def lines(info_path):
    info = json.load(open(info_path))
    letters = info["solutionLetters"]
    out = []
    for w in info["words"]:
        c, r = start_cell(info, w["number"])
        n = len(w["text"])
        dc, dr = (1, 0) if w["direction"] == "across" else (0, 1)
        end = (c + dc * (n - 1), r + dr * (n - 1))
        text = "".join(letters[r - 1 + dr * i][c - 1 + dc * i] for i in range(n)
                       if 0 <= r - 1 + dr * i < info["rows"] and 0 <= c - 1 + dc * i < info["columns"])
        if text not in (w["text"], w["text"][::-1]):
            # The number stands at the other end of the line.
            end = (c - dc * (n - 1), r - dr * (n - 1))
        out.append(f"{c} {r} {end[0]} {end[1]}")
    return "\n".join(out)


if __name__ == "__main__":
    mode = sys.argv[1]
    if mode == "boxes":
        print(boxes(sys.argv[2]))
    elif mode == "origin":
        print(origin(sys.argv[2], sys.argv[3], int(sys.argv[4])))
    elif mode == "drops":
        print(drops(sys.argv[2], sys.argv[3]))
    elif mode == "lines":
        print(lines(sys.argv[2]))
    else:
        sys.exit(f"unknown mode {mode}")
