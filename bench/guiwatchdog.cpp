#include "guiwatchdog.h"

namespace {
constexpr int IntervalMs = 1;
constexpr qint64 FrameNs = 16 * 1000 * 1000;
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
    m_clock.start();
    m_lastNs = 0;
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
    if (block > FrameNs)
        ++m_frameDrops;
    if (block > m_longestNs) {
        m_longestNs = block;
        m_longestAtNs = now;
    }
}
