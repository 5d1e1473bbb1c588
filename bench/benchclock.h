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

// A "Vm...:" figure of /proc/self/status in KiB, -1 when it cannot be read.
inline qint64 statusKib(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Peak and current resident set size of this process in KiB.
inline qint64 peakRssKib()
{
    return statusKib("VmHWM:");
}

inline qint64 rssKib()
{
    return statusKib("VmRSS:");
}

inline void printFigures(double startupMs)
{
    QTextStream(stdout) << "startup_ms=" << startupMs << " peak_kib=" << peakRssKib() << '\n';
}

#endif // BENCHCLOCK_H
