#pragma once

// What the benchmarks share: running headless, timing, and peak memory.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/resource.h>

// Runs offscreen unless a platform was chosen; call before the application is made.
inline void RunHeadlessUnlessTold()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The best time in milliseconds of `rounds` runs of `work`, each after an
// untimed `prepare`; -1 when either fails.
inline double BestOfMs(int rounds, const std::function<bool()> &prepare, const std::function<bool()> &work)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        if (!prepare())
            return -1;
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

// A memory figure of this process from /proc/self/status ("VmHWM:", the most
// it has held; "VmRSS:", what it holds now) in kilobytes; -1 when unknown.
inline long StatusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The most memory this process has held (VmHWM) in kilobytes; -1 when unknown.
inline long PeakMemoryKb()
{
    return StatusKb("VmHWM:");
}

// The processor time this process has used so far, user and system, in milliseconds.
inline double CpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The processor time of this process's children that have ended, user and system, in milliseconds.
inline double ChildrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The processor time of a child process run to its end, in milliseconds; -1
// when it fails or ends with a status above worstStatus.
inline double ChildCpuMs(const QString &program, const QStringList &arguments, const QString &folder,
                         const QString &output = QStringLiteral("/dev/null"), int worstStatus = 0)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setStandardOutputFile(output);
    const double before = ChildrenCpuMs();
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() > worstStatus) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(process.errorString()));
        return -1;
    }
    return ChildrenCpuMs() - before;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
