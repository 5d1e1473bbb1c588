#ifndef BENCHCLOCK_H
#define BENCHCLOCK_H

#include <QByteArray>
#include <QFile>
#include <QTextStream>

#include <time.h>

// Milliseconds since the driver's time stamp LWA_BENCH_T0 (nanoseconds of the
// real-time clock, taken right before the program was started).
inline double msSinceLaunch()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const qint64 nowNs = qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    return double(nowNs - qgetenv("LWA_BENCH_T0").toLongLong()) / 1e6;
}

// Peak resident set size of this process in KiB.
inline qint64 peakRssKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

inline void printFigures(double startupMs)
{
    QTextStream(stdout) << "startup_ms=" << startupMs << " peak_kib=" << peakRssKib() << '\n';
}

#endif // BENCHCLOCK_H
