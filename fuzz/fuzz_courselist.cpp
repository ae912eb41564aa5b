// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as a course list file of each format,
// .xlsx, .xls and .csv. Each reading either refuses, saying why in one
// line, or gives courses whose box lines stand one for each row.

#include "boxlines.h"
#include "courselistfile.h"
#include "sheet.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

void checkList(const CourseList &list)
{
    check(!list.rows.isEmpty(), "a list read has a course");
    for (int i = 0; i < list.rows.size(); ++i) {
        check(list.rows.at(i) > 1 && list.rows.at(i) <= sheetRowLimit, "rows are a sheet's rows below a header");
        check(i == 0 || list.rows.at(i) == list.rows.at(i - 1) + 1, "every row below the header is a course");
    }
    check(boxLineCount(list.timeText) == list.rows.size(), "one class-time line for each course");
    check(boxLineCount(list.countText) == list.rows.size(), "one head-count line for each course");
    check(list.names.isEmpty() || list.names.size() == list.rows.size(), "a name for each course or none");
    check(!list.timeHeader.isEmpty() && !list.countHeader.isEmpty(), "both columns are named");
    const QVector<int> byLine = fileRowsByLine(list.timeText, Column::ClassTimes, list.rows);
    check(byLine.value(1) == list.rows.constFirst(), "the first box line is the first course's row");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    for (const CourseListFormat format : {CourseListFormat::Xlsx, CourseListFormat::Xls, CourseListFormat::Csv}) {
        CourseList list;
        QString problem;
        const bool read = readCourseList(bytes, format, CourseListChoice(), &list, &problem);
        check(read == problem.isEmpty(), "a refusal says why, and only a refusal");
        check(!problem.contains(QLatin1Char('\n')), "the reason is one line");
        if (read)
            checkList(list);
    }
    return 0;
}
