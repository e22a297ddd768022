#!/usr/bin/env python3
"""Writes the generated sample histories data/6x45.txt and data/5x36.txt (seeded, so the files
are reproducible): gen_sample.py [count]."""
import datetime
import random
import sys
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent / "data"


def write(name: str, lines: list) -> None:
    (DATA / name).write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


def six_of_45(count: int) -> list:
    rng = random.Random(645)
    return [" ".join(str(n) for n in sorted(rng.sample(range(1, 46), 6))) for _ in range(count)]


def five_of_36(count: int) -> list:
    """Draw number, date and five numbers; newest first, draws on Wednesdays and Saturdays."""
    rng = random.Random(536)
    day = datetime.date(2011, 1, 5)
    lines = []
    for number in range(1, count + 1):
        numbers = " ".join(str(n) for n in sorted(rng.sample(range(1, 37), 5)))
        lines.append(f"{number} {day:%d.%m.%Y} {numbers}")
        day += datetime.timedelta(days=3 if day.weekday() == 2 else 4)
    lines.reverse()
    return lines


def main() -> None:
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1500
    write("6x45.txt", six_of_45(count))
    write("5x36.txt", five_of_36(count))


if __name__ == "__main__":
    main()
