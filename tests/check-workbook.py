#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads back, with openpyxl, the workbook that classcount-table --xlsx writes
# and compares it cell for cell with the tool's own table, grids and notice.
#   check-workbook.py CLASSCOUNT_TABLE GOLDEN_DIR NAME
# reads NAME-times.txt and NAME-counts.txt of GOLDEN_DIR, or the course list
# file NAME when it is a path.
import re
import subprocess
import sys
import tempfile

import openpyxl

tool, golden, name = sys.argv[1:]
folder = tempfile.TemporaryDirectory()
if "/" in name:
    inputs = [name]
else:
    inputs = [f"{folder.name}/times.txt", f"{folder.name}/counts.txt"]
    for column, path in zip(("times", "counts"), inputs):
        with open(f"{golden}/{name}-{column}.txt", "rb") as source, open(path, "wb") as copy:
            source.readline()  # the licence line
            copy.write(source.read())
PERIODS = {4: "上午第4节", 5: "上午第5节", 9: "下午第9节", 11: "晚上第11节", 12: "晚上第12节"}
failures = []


def run(*options):
    done = subprocess.run([tool, *options, *inputs], capture_output=True, check=True)
    return done.stdout.decode(), done.stderr.decode()


def cells(sheet, first_row):
    rows = sheet.iter_rows(min_row=first_row, values_only=True)
    return [[value for value in row if value is not None] for row in rows]


def table(text, first_number_column):
    rows = [line.split("\t") for line in text.splitlines()]
    return [rows[0]] + [row[:first_number_column] + [int(v) for v in row[first_number_column:]]
                        for row in rows[1:]]


def expect(what, seen, wanted):
    if seen != wanted:
        failures.append(f"{what}: {seen!r} != {wanted!r}")


out, notice = run("--xlsx", f"{folder.name}/term.xlsx")
expect("standard output", out, "")
book = openpyxl.load_workbook(f"{folder.name}/term.xlsx")
expect("title", book.properties.title, "上课人数统计")
expect("sheets", book.sheetnames[:7], ["全学期", *PERIODS.values(), "高峰课程"])
term = book["全学期"]
expect("全学期", cells(term, 1), table(run()[0], 2))
expect("全学期 panes", term.freeze_panes, "A2")
expect("全学期 filter", term.auto_filter.ref, f"A1:G{term.max_row}")
for period, name in PERIODS.items():
    sheet = book[name]
    grid = run("--period", str(period))[0]
    expect(name, cells(sheet, 2), table(grid, 1))
    expect(name + " panes", sheet.freeze_panes, "B3")
    scale = [rule.colorScale for rules in sheet.conditional_formatting for rule in rules.rules]
    ranges = [str(rules.sqref) for rules in sheet.conditional_formatting]
    expect(name + " scale", (ranges, len(scale)), ([f"B3:H{sheet.max_row}"], 1))
# Each period's peak line, the courses of its peak cell as --courses lists them, an empty row.
peaks = []
for period, name in PERIODS.items():
    line = book[name]["A1"].value
    peaks.append([line])
    peak = re.search(r"第(\d+)周 星期(.)", line)
    if peak:
        day = "一二三四五六日".index(peak[2]) + 1
        listed = run("--courses", "--week", peak[1], "--day", str(day), "--period", str(period))[0]
        rows = [line.split("\t") for line in listed.splitlines()]
        # Numbers as numbers, the name and the file's row where known.
        peaks += [rows[0]] + [[int(row[0]), int(row[1]), *row[2:4], *map(int, row[4:])] for row in rows[1:]]
    peaks.append([])
expect("高峰课程", cells(book["高峰课程"], 1), peaks[:-1])  # no row after the last
expect("高峰课程 bold", [book["高峰课程"].cell(row, 1).font.b for row in (1, 2, 3)], [True, True, False])
# The heading may take several lines; each listed item is "第N行：…".
heading = [line for line in notice.splitlines() if not re.match(r"第\d+行：", line)]
items = [line for line in notice.splitlines() if re.match(r"第\d+行：", line)]
if items:
    listed = cells(book["未计入"], 1)
    expect("未计入 heading", listed[0], ["\n".join(heading)])
    expect("未计入", listed[1:], [[int(line[1:line.index("行")]), line[line.index("：") + 1:]]
                                 for line in items])
else:
    expect("sheets", book.sheetnames, ["全学期", *PERIODS.values(), "高峰课程"])
# A4, one page wide (the width's default of 1), the headers on every page.
for sheet in book:
    title_rows = "$1:$2" if sheet.title in PERIODS.values() else None if sheet.title == "高峰课程" else "$1:$1"
    expect(sheet.title + " printing", (sheet.page_setup.paperSize, sheet.sheet_properties.pageSetUpPr.fitToPage,
                                       sheet.page_setup.fitToHeight, sheet.print_title_rows), (9, True, 0, title_rows))

print("\n".join(failures) or "the workbook holds the table, the grids and the notice")
sys.exit(1 if failures else 0)
