#!/usr/bin/env python3
"""Writes a tree of generated Fortran sources for the tree-conversion benchmark.

    generate_tree.py --files N --lines TOTAL [--seed S] DIR

N sources of generate_fortran.py's plain mode, TOTAL lines in all (each
source between half and one and a half times the mean), in folders ten
wide and two deep (lib3/part7/unit0042.f90), with a few upper-case
extensions and fixed-form suffixes among them.  The same arguments always
write the same tree.
"""
import argparse
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generate_fortran import generate  # noqa: E402

EXTENSIONS = [".f90"] * 7 + [".F90", ".f", ".for"]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", type=int, default=5000)
    parser.add_argument("--lines", type=int, default=2_000_000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("dir")
    args = parser.parse_args()
    chooser = random.Random(args.seed)
    mean = args.lines / args.files
    total = 0
    for index in range(args.files):
        folder = os.path.join(args.dir, f"lib{index % 10}", f"part{index // 10 % 10}")
        os.makedirs(folder, exist_ok=True)
        lines = max(20, int(chooser.uniform(0.5, 1.5) * mean))
        source = generate(lines, args.seed * 100003 + index, False).encode("latin-1")
        name = f"unit{index // 100:04d}{chooser.choice(EXTENSIONS)}"
        with open(os.path.join(folder, name), "wb") as file:
            file.write(source)
        total += source.count(b"\n")
    print(f"{args.files} sources, {total} lines in {args.dir}")


if __name__ == "__main__":
    main()
