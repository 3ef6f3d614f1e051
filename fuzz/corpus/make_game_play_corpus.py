#!/usr/bin/env python3
"""Writes the seed corpus of the game-play fuzz target into game_play/ beside this script.

An input is read byte by byte (see game_play_fuzz.cpp): the dimension (4 if b % 8 == 0, else
2 + the next byte % 2), the mode
(b % 3), the person's side, the guide level, in progress, the side to move, two turn numbers, runs
of board cells ending in a byte whose low bits are 3, then events. Each seed starts one kind of
game and plays a fixed, seeded sequence of events on it.
"""
import pathlib
import random

HERE = pathlib.Path(__file__).resolve().parent / "game_play"


def seed(dimension, mode, human, guide, side, events, number):
    rng = random.Random(number)
    axes = [0] if dimension == 4 else [1, dimension - 2]
    head = bytes(axes + [mode, human, guide, 1, side - 1, 5, 4])
    board = bytes([0x03])  # keep the standard opening
    return head + board + bytes(rng.randrange(256) for _ in range(events))


def main():
    HERE.mkdir(exist_ok=True)
    number = 0
    for dimension in (2, 3, 4):
        for mode in (0, 1, 2):
            number += 1
            name = f"d{dimension}_mode{mode}.bin"
            (HERE / name).write_bytes(seed(dimension, mode, 1 + number % 2, number % 3, 1, 96, number))


if __name__ == "__main__":
    main()
