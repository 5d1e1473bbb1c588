#include "guiwatchdog.h"

#include <QFile>

namespace {
constexpr int IntervalMs = 1;
constexpr qint64 FrameNs = 16 * 1000 * 1000;

// How long the calling thread has waited for a CPU so far (ns): the second
// figure of its schedstat. 0 where the kernel does not tell.
qint64 cpuWaitNs()
{
    QFile file(QStringLiteral("/proc/thread-self/schedstat"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 0;
    return file.read(128).split(' ').value(1).toLongLong();
}
} // namespace

GuiWatchdog::GuiWatchdog(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &GuiWatchdog::tick);
}

void GuiWatchdog::start()
{
    m_longestNs = 0;
    m_longestAtNs = 0;
    m_frameDrops = 0;
    m_longestOwnNs = 0;
    m_clock.start();
    m_lastNs = 0;
    m_lastWaitNs = cpuWaitNs();
    m_timer.start();
}

void GuiWatchdog::stop()
{
    // What ran since the last tick counts as well.
    tick();
    m_timer.stop();
}

void GuiWatchdog::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 block = now - m_lastNs - IntervalMs * 1000 * 1000;
    m_lastNs = now;
    const qint64 waitNs = cpuWaitNs();
    m_longestOwnNs = qMax(m_longestOwnNs, block - (waitNs - m_lastWaitNs));
    m_lastWaitNs = waitNs;
    if (block > FrameNs)
        ++m_frameDrops;
    if (block > m_longestNs) {
        m_longestNs = block;
        m_longestAtNs = now;
    }
}
