#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The term table of classcount-table, done the plain way, as a yardstick
for its speed: both files read whole, items split at ";", each matched by
the grammar's two patterns, head counts read with int(). It knows none of
the tool's tolerance, so that its totals differ where an item needs it.

Usage: bench/plain-table.py TIMES_FILE COUNTS_FILE
"""

import re
import sys

WEEKS = 29
ALWAYS_SHOWN_WEEKS = 18
PERIODS = (4, 5, 9, 11, 12)
DAYS = "日一二三四五六"

WEEK_RANGE = re.compile(r"周(.)第?([\d,-]+)节\{第?(\d+)-(\d+)周\}")
SINGLE_WEEK = re.compile(r"周(.)第?([\d,-]+)节\{第?(\d+)周\}")
EVEN_MARKS = ("|双周", "(双)", "（双）")
ODD_MARKS = ("|单周", "(单)", "（单）")


def number(text):
    try:
        return int(text)
    except ValueError:
        return 0


def take_marks(item, marks):
    found = False
    for mark in marks:
        if mark in item:
            found = True
            item = item.replace(mark, "")
    return item, found


def parse_item(item, students):
    """(first week, last week, day, last period, even only, odd only, students)"""
    item = item.replace("星期", "周")
    item, even = take_marks(item, EVEN_MARKS)
    item, odd = take_marks(item, ODD_MARKS)
    match = WEEK_RANGE.fullmatch(item) or SINGLE_WEEK.fullmatch(item)
    if not match:
        return (0, 0, 0, 0, even, odd, students)
    day = DAYS.find(match.group(1))
    day = 7 if day == 0 else day
    last_period = number(re.split("[,-]", match.group(2))[-1])
    first_week = number(match.group(3))
    last_week = number(match.group(4)) if match.re is WEEK_RANGE else first_week
    return (first_week, last_week, day, last_period, even, odd, students)


def add_up(entries):
    term = [[[0] * len(PERIODS) for _ in range(7)] for _ in range(WEEKS)]
    for first_week, last_week, day, last_period, even, odd, students in entries:
        if day < 1 or day > 7:
            continue
        for week in range(max(1, first_week), min(WEEKS, last_week) + 1):
            if (even and week % 2) or (odd and not week % 2):
                continue
            if last_period in PERIODS:
                term[week - 1][day - 1][PERIODS.index(last_period)] += students
    return term


def main(times_path, counts_path):
    with open(times_path, encoding="utf-8") as times, open(counts_path, encoding="utf-8") as counts:
        time_lines = times.read().strip().split("\n")
        count_lines = counts.read().strip().split("\n")
    entries = []
    for line, count in zip(time_lines, count_lines):
        students = number(count)
        for item in line.split(";"):
            entries.append(parse_item(item, students))
    term = add_up(entries)

    busy = [week for week in range(1, WEEKS + 1) if any(any(day) for day in term[week - 1])]
    last_week = min(max(ALWAYS_SHOWN_WEEKS + 1, (busy[-1] if busy else 0) + 1), WEEKS)
    rows = ["周数\t星期\t上午4\t上午5\t下午9\t晚上11\t晚上12"]
    for week in range(1, last_week + 1):
        for day in range(1, 8):
            totals = "\t".join(str(value) for value in term[week - 1][day - 1])
            rows.append(f"第{week}周\t星期{DAYS[day % 7]}\t{totals}")
    sys.stdout.write("\n".join(rows) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(sys.argv[1], sys.argv[2])
