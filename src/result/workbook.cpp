// SPDX-License-Identifier: GPL-3.0-or-later

#include "workbook.h"

#include "termgrid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <clocale>
#include <utility>

namespace {

// The overview's blue (8, 48, 107) mixed with white as far as black text on
// it keeps a contrast of 4.66:1: a colour scale leaves the text black.
constexpr lxw_color_t fullestCellColour = 0x5E789F;
constexpr lxw_color_t emptyCellColour = 0xFFFFFF;
// The overview's two hues of a change, mixed with white as far as black text
// on them keeps a contrast of at least 4.5:1.
constexpr lxw_color_t moreCellColour = 0xB55C0B;
constexpr lxw_color_t fewerCellColour = 0x8666AB;
constexpr uint8_t paperA4 = 9;
constexpr lxw_row_t excelRows = 1048576;

// Column widths in characters of the default font; a Chinese character takes two.
constexpr double tableColumnWidth = 10;
constexpr double weekColumnWidth = 8;
constexpr double weekdayColumnWidth = 9;
constexpr double lineColumnWidth = 8;
constexpr double uncountedColumnWidth = 70;
constexpr double classTimeColumnWidth = 60;
constexpr double courseNameColumnWidth = 24;

class Sheet
{
public:
    Sheet(lxw_workbook *book, const QString &name, lxw_format *heading)
        : sheet(workbook_add_worksheet(book, name.toUtf8().constData())), heading(heading)
    {
        worksheet_set_paper(sheet, paperA4);
        worksheet_fit_to_pages(sheet, 1, 0);
    }

    // A table from `firstRow` on, its header in bold and its numbers as
    // numbers. Returns the table's last row.
    lxw_row_t writeTable(lxw_row_t firstRow, const Table &table)
    {
        for (lxw_col_t column = 0; column < lxw_col_t(table.header.size()); ++column)
            writeText(firstRow, column, table.header.at(column), heading);
        lxw_row_t row = firstRow;
        for (int tableRow = 0; tableRow < table.rowCount(); ++tableRow) {
            ++row;
            for (lxw_col_t column = 0; column < lxw_col_t(table.header.size()); ++column) {
                const TableCell &cell = table.cell(tableRow, int(column));
                if (cell.kind != TableCell::Text)
                    worksheet_write_number(sheet, row, column, double(cell.number), nullptr);
                else if (!cell.text.isEmpty())
                    writeText(row, column, cell.text);
            }
        }
        return row;
    }

    void writeText(lxw_row_t row, lxw_col_t column, const QString &text, lxw_format *format = nullptr)
    {
        worksheet_write_string(sheet, row, column, text.toUtf8().constData(), format);
    }

    void setWidth(lxw_col_t first, lxw_col_t last, double width)
    {
        worksheet_set_column(sheet, first, last, width, nullptr);
    }

    // Rows above `row` and columns left of `column` stay in view and are
    // printed on every page.
    void keepHeaders(lxw_row_t row, lxw_col_t column)
    {
        worksheet_freeze_panes(sheet, row, column);
        worksheet_repeat_rows(sheet, 0, row - 1);
    }

    lxw_worksheet *sheet;
    lxw_format *heading;
};

void addTermSheet(lxw_workbook *book, lxw_format *heading, const TermTotals &term, bool firstDay)
{
    Sheet sheet(book, QStringLiteral("全学期"), heading);
    const lxw_row_t lastRow = sheet.writeTable(0, termTable(term, firstDay, lastTableWeek(term)));
    sheet.setWidth(0, 6, tableColumnWidth);
    sheet.keepHeaders(1, 0);
    worksheet_autofilter(sheet.sheet, 0, 0, lastRow, 6);
}

void addPeriodSheet(lxw_workbook *book, lxw_format *heading, const TermTotals &term, int period,
                    bool firstDay)
{
    Sheet sheet(book, periodName(period), heading);
    sheet.writeText(0, 0, peakLine(peakOf(term, period, lastTableWeek(term)), period, firstDay));
    const lxw_row_t lastRow = sheet.writeTable(1, gridTable(term, period, firstDay, lastTableWeek(term)));
    sheet.setWidth(0, 0, weekColumnWidth);
    sheet.setWidth(1, 7, weekdayColumnWidth);
    sheet.keepHeaders(2, 1);
    // A rule of the sheet, not fixed fills: the colours follow an edited number.
    lxw_conditional_format scale = {};
    scale.type = LXW_CONDITIONAL_2_COLOR_SCALE;
    scale.min_color = emptyCellColour;
    scale.max_color = fullestCellColour;
    worksheet_conditional_format_range(sheet.sheet, 2, 1, lastRow, 7, &scale);
}

// For each period its peak line, then the courses of its fullest cell under
// their header, then an empty row.
void addPeakCoursesSheet(lxw_workbook *book, lxw_format *heading, const TermTotals &term,
                         const TermCourses &courses, bool firstDay)
{
    Sheet sheet(book, QStringLiteral("高峰课程"), heading);
    sheet.setWidth(0, 1, lineColumnWidth);
    sheet.setWidth(2, 2, classTimeColumnWidth);
    if (courses.hasNames()) {
        sheet.setWidth(3, 3, courseNameColumnWidth);
        sheet.setWidth(4, 4, lineColumnWidth);
    }
    lxw_row_t row = 0;
    for (int period : reportedPeriods) {
        const Peak peak = peakOf(term, period, lastTableWeek(term));
        sheet.writeText(row++, 0, peakLine(peak, period, firstDay), heading);
        if (peak.week != 0) {
            QVector<CourseInCell> inCell = courses.inCell(peak.week, peak.column, period);
            // A sheet ends at Excel's last row: the last one says what did not fit.
            const qint64 room = qMax<qint64>(0, qint64(excelRows) - qint64(row) - 3);
            const int fitting = int(qMin<qint64>(inCell.size(), room));
            const int cut = inCell.size() - fitting;
            inCell.resize(fitting);
            row = sheet.writeTable(row, courseTable(courses, inCell)) + 1;
            if (cut > 0) {
                sheet.writeText(row, 2, QStringLiteral("另有 %1 门课，表格放不下").arg(cut));
                break;
            }
        }
        ++row;
    }
}

// For each period the lines above the overview's grid of changes, the first
// in bold, then the grid, coloured from fewer students through none to more,
// then an empty row.
void addChangeSheet(lxw_workbook *book, lxw_format *heading, const CountChange &change, bool firstDay)
{
    Sheet sheet(book, QStringLiteral("变化"), heading);
    sheet.setWidth(0, 0, weekColumnWidth);
    sheet.setWidth(1, 7, weekdayColumnWidth);
    lxw_row_t row = 0;
    for (int period : reportedPeriods) {
        sheet.writeText(row++, 0, changeLine(change, period, firstDay), heading);
        sheet.writeText(row++, 0, peaksLine(change, period, firstDay));
        const lxw_row_t lastRow = sheet.writeTable(
                row, gridTable(change.term(), period, firstDay, change.lastWeek(), TableCell::Change));
        lxw_conditional_format scale = {};
        scale.type = LXW_CONDITIONAL_3_COLOR_SCALE;
        scale.min_color = fewerCellColour;
        scale.mid_rule_type = LXW_CONDITIONAL_RULE_TYPE_NUMBER;
        scale.mid_value = 0;
        scale.mid_color = emptyCellColour;
        scale.max_color = moreCellColour;
        worksheet_conditional_format_range(sheet.sheet, row + 1, 1, lastRow, 7, &scale);
        row = lastRow + 2;
    }
}

void addUncountedSheet(lxw_workbook *book, lxw_format *heading,
                       const QList<UncountedItem> &uncounted, const TabbedLines &tabbed)
{
    Sheet sheet(book, QStringLiteral("未计入"), heading);
    sheet.writeText(0, 0, uncountedHeading(tally(uncounted), tabbed), heading);
    sheet.setWidth(0, 0, lineColumnWidth);
    sheet.setWidth(1, 1, uncountedColumnWidth);
    sheet.keepHeaders(1, 0);
    // A sheet ends at Excel's last row: the last one says what did not fit.
    const int fitting = int(qMin(lxw_row_t(uncounted.size()), excelRows - 1));
    const bool cut = fitting < uncounted.size();
    const int listed = cut ? fitting - 1 : fitting;
    for (int i = 0; i < listed; ++i) {
        const UncountedItem &item = uncounted.at(i);
        worksheet_write_number(sheet.sheet, lxw_row_t(i + 1), 0, item.line, nullptr);
        sheet.writeText(lxw_row_t(i + 1), 1, uncountedDescription(item));
    }
    if (cut)
        sheet.writeText(lxw_row_t(listed + 1), 1,
                        QStringLiteral("另有 %1 项，表格放不下").arg(uncounted.size() - listed));
}

// The library writes fractions (column widths, margins) with the C
// library's printf, which follows LC_NUMERIC: a decimal comma would break the
// file. Numbers are written the C way while this lives.
class CNumbers
{
public:
    CNumbers() : saved(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
    ~CNumbers() { std::setlocale(LC_NUMERIC, saved.constData()); }

private:
    QByteArray saved;
};

// The library takes file names in UTF-8, on Windows too.
QByteArray libraryPath(const QString &path)
{
    return QDir::toNativeSeparators(path).toUtf8();
}

bool buildWorkbook(const QString &path, const QString &scratch, const Count &count, bool firstDay,
                   const CountChange *change, QString *reason)
{
    const CNumbers cNumbers;
    // Its own temporary files go where ours do, not to the drive's root.
    QByteArray tmpdir = libraryPath(scratch);
    lxw_workbook_options options = {};
    options.tmpdir = tmpdir.data();
    lxw_workbook *book = workbook_new_opt(libraryPath(path).constData(), &options);
    if (!book) {
        *reason = QStringLiteral("无法创建临时文件");
        return false;
    }
    QByteArray title = workbookTitle().toUtf8();
    lxw_doc_properties properties = {};
    properties.title = title.data();
    workbook_set_properties(book, &properties);
    lxw_format *heading = workbook_add_format(book);
    format_set_bold(heading);

    addTermSheet(book, heading, count.term, firstDay);
    for (int period : reportedPeriods)
        addPeriodSheet(book, heading, count.term, period, firstDay);
    addPeakCoursesSheet(book, heading, count.term, count.courses, firstDay);
    if (change)
        addChangeSheet(book, heading, *change, firstDay);
    if (!count.uncounted.isEmpty())
        addUncountedSheet(book, heading, count.uncounted, count.tabbed);

    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR) {
        *reason = QStringLiteral("无法生成工作簿（%1）").arg(QString::fromUtf8(lxw_strerror(error)));
        return false;
    }
    return true;
}

// What keeps a file from being written at `path`, seen before writing.
QString placeProblem(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("这是一个文件夹");
    if (!QFileInfo(target.absolutePath()).isDir())
        return QStringLiteral("文件夹不存在");
    return QString();
}

// Why `file`, a save of `path`, failed, in the words a user can act on.
QString saveFailure(const QString &path, const QSaveFile &file, qint64 size)
{
    const QString problem = placeProblem(path);
    if (!problem.isEmpty())
        return problem;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (file.error() == QFileDevice::RenameError)
        return QStringLiteral("文件正被其他程序打开，请关闭后再导出");
    if (!folder.isWritable() || (target.exists() && !target.isWritable()))
        return QStringLiteral("没有写入权限");
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.bytesAvailable() < size)
        return QStringLiteral("磁盘已满");
    return file.errorString();
}

} // namespace

QString workbookTitle()
{
    return QStringLiteral("上课人数统计");
}

QString workbookPath(const QString &chosen)
{
    const QString suffix = QStringLiteral(".xlsx");
    return chosen.endsWith(suffix, Qt::CaseInsensitive) ? chosen : chosen + suffix;
}

bool writeWorkbook(const QString &path, const Count &count, bool firstDay, const CountChange *change,
                   QString *reason)
{
    *reason = placeProblem(path);
    if (!reason->isEmpty())
        return false;
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        *reason = QStringLiteral("无法创建临时文件：%1").arg(scratch.errorString());
        return false;
    }
    const QString built = scratch.filePath(QStringLiteral("workbook.xlsx"));
    if (!buildWorkbook(built, scratch.path(), count, firstDay, change, reason))
        return false;
    QFile workbook(built);
    if (!workbook.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("无法读取临时文件：%1").arg(workbook.errorString());
        return false;
    }
    const QByteArray bytes = workbook.readAll();

    // QSaveFile writes beside the target and renames over it on commit.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *reason = saveFailure(path, file, bytes.size());
    return false;
}
