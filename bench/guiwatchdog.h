#ifndef GUIWATCHDOG_H
#define GUIWATCHDOG_H

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

/*
 * Measures how long the GUI thread's event loop goes without coming back:
 * a precise 1 ms timer on the thread that owns it notes the largest gap
 * between two of its ticks. The longest block is that gap less the interval.
 * Start it right before the phase to measure; figures cover what ran since.
 * On a busy machine part of a block is only the thread waiting for a CPU
 * that other programs hold; the kernel counts that time (schedstat), and
 * the longest block less it is kept as well: the program's own share.
 */
class GuiWatchdog : public QObject
{
public:
    explicit GuiWatchdog(QObject *parent = nullptr);

    void start();
    void stop();
    // Longest time without a tick, less the interval (ms).
    double longestBlockMs() const { return m_longestNs / 1e6; }
    // When that block ended, in ms since start().
    double longestBlockAtMs() const { return m_longestAtNs / 1e6; }
    // Longest block less the time the thread waited for a CPU within it (ms);
    // equal to longestBlockMs() where the kernel does not tell that time.
    double longestOwnBlockMs() const { return m_longestOwnNs / 1e6; }
    // Blocks longer than 16 ms (one frame at 60 Hz).
    int frameDrops() const { return m_frameDrops; }

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
    qint64 m_longestAtNs = 0;
    qint64 m_lastWaitNs = 0;
    qint64 m_longestOwnNs = 0;
    int m_frameDrops = 0;
};

#endif // GUIWATCHDOG_H
