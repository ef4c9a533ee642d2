#!/usr/bin/env python3
"""Turns the JSON output of a stage benchmark program into a Markdown table.

    stage_table.py RESULTS.json

One row per stage, one column per source size: the wall time per source line
and, in brackets, the wall time for the whole source.  Stages without a size
(StartRun) show their time per call.
"""
import json
import sys


def time_in_ms(benchmark):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[benchmark["time_unit"]]
    return benchmark["real_time"] * scale


def cell(benchmark):
    if "error_occurred" in benchmark and benchmark["error_occurred"]:
        return "error: " + benchmark.get("error_message", "")
    if "per_line" not in benchmark:
        return "%.1f µs a call" % (time_in_ms(benchmark) * 1e3)
    return "%.0f ns (%.2f ms)" % (benchmark["per_line"] * 1e9, time_in_ms(benchmark))


def main():
    with open(sys.argv[1]) as file:
        results = json.load(file)
    stages = {}
    sizes = []
    for benchmark in results["benchmarks"]:
        name = benchmark["name"].replace("/real_time", "")
        stage, _, size = name.partition("/lines:")
        size = size or "-"
        if size != "-" and size not in sizes:
            sizes.append(size)
        stages.setdefault(stage, {})[size] = cell(benchmark)
    print("| stage | " + " | ".join("%s lines" % size for size in sizes) + " |")
    print("| --- |" + " ---: |" * len(sizes))
    for stage, cells in stages.items():
        if "-" in cells:
            row = [cells["-"]] + [""] * (len(sizes) - 1)
        else:
            row = [cells.get(size, "") for size in sizes]
        print("| %s | %s |" % (stage, " | ".join(row)))


if __name__ == "__main__":
    main()
