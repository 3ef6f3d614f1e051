#!/usr/bin/env python3
"""Writes the seed corpus of the saved-game fuzz target: a few sound games and a few broken ones.

Run from anywhere; the files go to saved_game/ beside this script. Every file is small (at most
one board of four axes), so that replaying the corpus under the sanitizers stays fast.
"""
import pathlib
import random
import struct

HERE = pathlib.Path(__file__).resolve().parent / "saved_game"


def game(dimension, *, cells=None, view_cells=None, view_offset=0, guide=0, in_progress=1,
         side=1, human=1, mode=0, board=None):
    cells = 8 ** dimension if cells is None else cells
    view_cells = (64 if dimension == 2 else 512) if view_cells is None else view_cells
    header = struct.pack("<12i", dimension, cells, view_cells, view_offset, guide, in_progress, side,
                         2 ** dimension + 3, 4, 3, human, mode)
    if board is None:
        rng = random.Random(dimension * 7 + mode)
        board = bytes(rng.choice((0, 0, 1, 2)) for _ in range(8 ** dimension if dimension >= 0 else 0))
    return header + board


def main():
    HERE.mkdir(exist_ok=True)
    files = {
        "valid_2d_people.gd": game(2),
        "valid_3d_vs_cpu_second.gd": game(3, mode=1, human=2, side=2, guide=2),
        "valid_4d_cpus_slice.gd": game(4, mode=2, view_offset=1536, in_progress=0),
        "before_any_game.gd": struct.pack("<12i", 0, 0, 12, 0, 0, 0, 1, 0, 1, 1, 1, 0),
        "short_30_bytes.gd": game(3)[:30],
        "long_by_one.gd": game(2) + b"\0",
        "cell_value_3.gd": game(2)[:100] + b"\3" + game(2)[101:],
        "view_not_a_slice.gd": game(4, view_offset=1537),
        "dimension_9.gd": struct.pack("<i", 9) + game(2)[4:],
        "mode_3.gd": game(3, mode=3),
        "stone_count_int_max.gd": game(2)[:28] + struct.pack("<i", 2**31 - 1) + game(2)[32:],
        "empty.gd": b"",
    }
    for name, data in files.items():
        (HERE / name).write_bytes(data)


if __name__ == "__main__":
    main()
