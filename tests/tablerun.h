// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TABLERUN_H
#define TABLERUN_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

// One run of classcount-table: its exit, standard output and standard error.
struct TableRun
{
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` (classcount-table, or a tool that measures it) with the
// arguments, feeding `input` to its standard input; killed after `seconds`.
inline TableRun runTable(const QStringList &arguments, const QByteArray &input = QByteArray(),
                         int seconds = 10, const QString &program = QStringLiteral(CLASSCOUNT_TABLE))
{
    TableRun result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(seconds * 1000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// Arguments name files by placeholders, "@" and a name, which stand for that
// file in `dir`; "-" and anything else are passed as they are.
inline QStringList withFiles(QStringList arguments, const QDir &dir)
{
    for (QString &argument : arguments) {
        if (argument.startsWith(QLatin1Char('@')))
            argument = dir.filePath(argument.mid(1));
    }
    return arguments;
}

// Writes `bytes` to the file `name` in `dir`; its path, or nothing on failure.
inline QString writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile out(dir.filePath(name));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        return QString();
    return out.fileName();
}

#endif // TABLERUN_H
