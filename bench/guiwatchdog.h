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
    // Blocks longer than 16 ms (one frame at 60 Hz).
    int frameDrops() const { return m_frameDrops; }

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
    qint64 m_longestAtNs = 0;
    int m_frameDrops = 0;
};

#endif // GUIWATCHDOG_H
