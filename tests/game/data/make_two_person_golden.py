#!/usr/bin/env python3
"""Writes two_person_five.txt: the record of a two-person game on two axes, drawn up here by hand
from the record's layout (not by the program), so that the test compares two independent works.

First plays 0, 1, 2, 3, 4 (a five along axis 0), Second plays 8, 9, 10, 11 in between. The
timestamp line is written as TIMESTAMP; the test puts the real line there before comparing."""

HYPHENS = "-" * 31


def board_text(cells):
    lines = ["    1 2 3 4 5 6 7 8"]
    for r in range(8):
        marks = "".join({0: "－", 1: "■", 2: "□"}[cells[r + 8 * c]] for c in range(8))
        lines.append(f" {r + 1} {marks}")
    return lines


def move_text(cell, side):
    mark = "■" if side == 1 else "□"
    return f" {mark} player choice: 縦:{cell % 8 + 1}  横:{cell // 8 + 1}"


def main():
    cells = [0] * 64
    lines = ["", HYPHENS, " -- game start --", " ２次元：対人戦", "TIMESTAMP", HYPHENS]
    lines += board_text(cells) + [" game start", ""]
    moves = [(0, 1), (8, 2), (1, 1), (9, 2), (2, 1), (10, 2), (3, 1), (11, 2), (4, 1)]
    for cell, side in moves:
        cells[cell] = side
        lines += board_text(cells) + [move_text(cell, side), ""]
    lines += [" 先手 勝利 : ■ ", " ■：5", " □：4"]
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    with open("two_person_five.txt", "wb") as out:
        out.write(data)


main()
