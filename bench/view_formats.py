#!/usr/bin/env python3
"""Times the chart and its two views on one generated source.

    bench/view_formats.py PROGRAM [--lines 31000] [--seed 1] [--runs 15]

Generates a plain source with generate_fortran.py, then converts it with
--format sjis, utf8 and html in turn, RUNS times each (the three alternate,
so a change in the machine's load falls on all of them), and prints a
Markdown table: median and fastest wall time of the whole process, the size
written, and each median against the sjis one.  The target: utf8 and html
take at most 1.5 times as long as sjis.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

FORMATS = ("sjis", "utf8", "html")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("program")
    parser.add_argument("--lines", type=int, default=31000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()
    here = os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "generated.f90")
        subprocess.run([sys.executable, os.path.join(here, "generate_fortran.py"), "--lines", str(args.lines),
                        "--seed", str(args.seed), "--output", source], check=True)
        times = {f: [] for f in FORMATS}
        sizes = {}
        for _ in range(args.runs):
            for fmt in FORMATS:
                output = os.path.join(work, "chart." + fmt)
                start = time.perf_counter()
                result = subprocess.run([args.program, "--format", fmt, source, output], capture_output=True)
                times[fmt].append(time.perf_counter() - start)
                if result.returncode != 0 or result.stderr:
                    sys.exit("%s %s: status %d %s" % (args.program, fmt, result.returncode, result.stderr.decode()))
                sizes[fmt] = os.path.getsize(output)
        base = statistics.median(times["sjis"])
        print("Source: generate_fortran.py --lines %d --seed %d (%d bytes); %d runs each, alternating."
              % (args.lines, args.seed, os.path.getsize(source), args.runs))
        print()
        print("| format | median ms | fastest ms | bytes written | median / sjis |")
        print("| --- | ---: | ---: | ---: | ---: |")
        for fmt in FORMATS:
            median = statistics.median(times[fmt])
            print("| %s | %.1f | %.1f | %d | %.2f |" % (fmt, median * 1000, min(times[fmt]) * 1000, sizes[fmt],
                                                       median / base))


if __name__ == "__main__":
    main()
