#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs two builds of classcount-table on the same inputs and reports every
input on which their output, notices or exit code differ by one byte.

Each input file is read as the fuzz target reads it (the class times, a NUL
byte, the head counts), and its class times once more beside as many head
counts as they have course lines; each pair in every mode below.

Usage: bench/compare-tables.py OLD_TABLE NEW_TABLE FILE_OR_FOLDER...
"""

import os
import subprocess
import sys
import tempfile

MODES = ([], ["--week", "1", "--day", "1"], ["--week", "8", "--day", "7"], ["--period", "4"],
         ["--period", "12"])


def inputs(paths):
    for path in paths:
        if not os.path.isdir(path):
            yield path
            continue
        for folder, _, names in os.walk(path):
            for name in sorted(names):
                yield os.path.join(folder, name)


def run(table, args):
    done = subprocess.run([table] + args, capture_output=True, timeout=60)
    return done.returncode, done.stdout, done.stderr


def time_lines(table, times):
    """The course lines of a class-time file, as the tool counts them."""
    _, _, errors = run(table, [times, os.devnull])
    first = errors.decode("utf-8", "replace").split("\n")[0]
    return int(first.split("：")[1]) if first.startswith("上课时间数量：") else 1


def main(old, new, paths):
    compared = differences = 0
    with tempfile.TemporaryDirectory() as work:
        times = os.path.join(work, "times")
        counts = os.path.join(work, "counts")
        for path in inputs(paths):
            with open(path, "rb") as file:
                data = file.read()
            split = data.split(b"\0", 1)
            pairs = [(split[0], split[1] if len(split) > 1 else b"")]
            with open(times, "wb") as file:
                file.write(split[0])
            lines = time_lines(old, times)
            pairs.append((split[0], b"\n".join(b"%d" % (i * 37 % 301) for i in range(lines))))
            for time_bytes, count_bytes in pairs:
                with open(times, "wb") as file:
                    file.write(time_bytes)
                with open(counts, "wb") as file:
                    file.write(count_bytes)
                for mode in MODES:
                    compared += 1
                    if run(old, mode + [times, counts]) != run(new, mode + [times, counts]):
                        differences += 1
                        print(f"differs: {path} {' '.join(mode)}", flush=True)
    print(f"{compared} runs compared, {differences} differ")
    return 1 if differences else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__.strip().splitlines()[-1])
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
