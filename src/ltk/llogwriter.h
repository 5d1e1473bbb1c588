#ifndef LLOGWRITER_H
#define LLOGWRITER_H

#include <QByteArray>

#include <condition_variable>
#include <mutex>

/*
 * Writes log lines to the console and the log file on a thread of its own,
 * so that a thread that logs never waits for the disk or for whoever reads
 * the console: while a bottle of several hundred megabytes is copied, a
 * single write to the log can stall for tens of milliseconds, and the GUI
 * thread logs too. Lines keep their order. A backlog above a few megabytes
 * is dropped and counted rather than held; flush() waits until everything
 * queued so far is written.
 */
class LLogWriter
{
public:
    // The writer of this process. It lives until the process ends and
    // flushes at exit.
    static LLogWriter &instance();

    void setConsole(bool enabled);
    // Writes to fd from now on (-1: no file), closing the file written so
    // far; lines queued before go where they were meant to go.
    void setFile(int fd);
    void append(const QByteArray &line);
    // Waits until the lines queued so far are written, at most timeoutMs;
    // false when they are not.
    bool flush(int timeoutMs = 5000);

private:
    LLogWriter();
    Q_DISABLE_COPY_MOVE(LLogWriter)

    void run();
    void write(const QByteArray &lines);

    // Guards what is queued and the writer's state.
    std::mutex m_queueLock;
    std::condition_variable m_wake;
    std::condition_variable m_drained;
    QByteArray m_pending;
    qint64 m_dropped = 0;
    bool m_writing = false;

    // Guards where lines go; held only by the writer while it writes.
    std::mutex m_sinkLock;
    bool m_console = false;
    int m_fd = -1;
};

#endif // LLOGWRITER_H
