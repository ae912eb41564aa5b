#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a generated list (class times and head counts, a course a line) as
# the course list an academic system exports: a header row and a dozen
# columns, names and rooms mixing Chinese and Latin letters as real ones do.
# Usage: course-list-csv.py TIMES_FILE COUNTS_FILE CSV_FILE [ENCODING]
import csv
import sys

NAMES = ["高等数学A", "大学英语B", "C语言程序设计", "大学物理", "线性代数", "Python数据分析",
         "思想道德与法治", "体育(2)", "概率论与数理统计", "Java Web开发", "有机化学", "工程制图"]
TEACHERS = ["王老师", "李老师", "张老师", "刘老师", "陈老师", "杨老师", "赵老师"]


def main():
    times_path, counts_path, csv_path = sys.argv[1:4]
    encoding = sys.argv[4] if len(sys.argv) > 4 else "utf-8"
    # newline="": a time or count keeps the spaces and marks it was generated with.
    with open(times_path, encoding="utf-8", newline="") as file:
        times = file.read().split("\n")
    with open(counts_path, encoding="utf-8", newline="") as file:
        counts = file.read().split("\n")
    if times[-1] == "" and counts[-1] == "":
        times.pop()
        counts.pop()
    with open(csv_path, "w", encoding=encoding, newline="") as file:
        out = csv.writer(file, lineterminator="\r\n")
        out.writerow(["序号", "课程号", "课程名称", "教师", "学分", "上课时间", "上课地点",
                      "选课人数", "备注"])
        for row, (time, count) in enumerate(zip(times, counts), start=1):
            out.writerow([row, "KC%06d" % (row * 7919 % 1000000), NAMES[row % len(NAMES)],
                          TEACHERS[row % len(TEACHERS)], 1 + row % 4, time,
                          "%d号楼%d" % (1 + row % 9, 101 + row % 400), count, ""])


main()
