#!/usr/bin/env python3
"""Writes the generated sample history data/6x45.txt (seeded, so the file is reproducible)."""
import random
import sys
from pathlib import Path

def main() -> None:
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1500
    rng = random.Random(645)
    lines = [" ".join(str(n) for n in sorted(rng.sample(range(1, 46), 6))) for _ in range(count)]
    out = Path(__file__).resolve().parent.parent / "data" / "6x45.txt"
    out.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))

if __name__ == "__main__":
    main()
