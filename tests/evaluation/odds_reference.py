#!/usr/bin/env python3
"""Writes tests/data/odds-reference.txt: the odds of every lottery and tip size, worked out
with exact fractions independently of the program, for odds_test.cpp to compare with.

Lines (fractions in lowest terms as numerator/denominator):
  row LOTTERY SIZE HITS PROBABILITY PRIZE SHARE
  sum LOTTERY SIZE EXPECTED_RETURN WIN_CHANCE
"""
from fractions import Fraction
from math import comb
import pathlib

# Prize per unit stake by hit count, as the lotteries publish them.
PRIZES = {
    0: {  # Keno Atlantic
        2: {2: 7}, 3: {3: 25}, 4: {4: 75, 3: 3}, 5: {5: 250, 4: 10},
        6: {6: 1000, 5: 15, 4: 2}, 7: {7: 5000, 6: 100, 5: 5},
        8: {8: 25000, 7: 200, 6: 10, 5: 2}, 9: {9: 50000, 8: 1000, 7: 100, 6: 5, 5: 2},
        10: {10: 250000, 9: 5000, 8: 200, 7: 25, 6: 5, 0: 2},
    },
    1: {  # Daily Keno
        2: {2: 7}, 3: {3: 25}, 4: {4: 100}, 5: {5: 250, 4: 5}, 6: {6: 1000, 5: 25},
        7: {7: 5000, 6: 50, 5: 5}, 8: {8: 25000, 7: 200, 6: 10},
        9: {9: 50000, 8: 1000, 7: 100, 6: 5}, 10: {10: 250000, 9: 5000, 8: 200, 7: 25, 0: 2},
    },
}


def frac(f):
    return f"{f.numerator}/{f.denominator}"


def main():
    lines = []
    for lottery, tables in PRIZES.items():
        for size, prizes in tables.items():
            chance = {k: Fraction(comb(20, k) * comb(50, size - k), comb(70, size))
                      for k in range(size + 1)}
            assert sum(chance.values()) == 1
            expected = sum(chance[k] * p for k, p in prizes.items())
            for k in range(size + 1):
                prize = prizes.get(k, 0)
                share = chance[k] * prize / expected
                lines.append(f"row {lottery} {size} {k} {frac(chance[k])} {prize} {frac(share)}")
            win = sum(chance[k] for k in prizes)
            lines.append(f"sum {lottery} {size} {frac(expected)} {frac(win)}")
    out = pathlib.Path(__file__).resolve().parents[1] / "data" / "odds-reference.txt"
    out.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
