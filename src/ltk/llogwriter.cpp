#include "llogwriter.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace {

// Lines beyond this backlog are dropped: a flood of messages must not grow
// the memory of the process without bound while the disk is slow.
constexpr int MaxPendingBytes = 8 * 1024 * 1024;

void writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        size -= written;
    }
}

} // namespace

LLogWriter &LLogWriter::instance()
{
    // Never destroyed: messages may still come from other static
    // destructors, and the thread must not outlive its object.
    static LLogWriter *writer = [] {
        auto created = new LLogWriter;
        std::atexit([] { LLogWriter::instance().flush(); });
        return created;
    }();
    return *writer;
}

LLogWriter::LLogWriter()
{
    std::thread(&LLogWriter::run, this).detach();
}

void LLogWriter::setConsole(bool enabled)
{
    std::lock_guard<std::mutex> sink(m_sinkLock);
    m_console = enabled;
}

void LLogWriter::setFile(int fd)
{
    flush();
    std::lock_guard<std::mutex> sink(m_sinkLock);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

void LLogWriter::append(const QByteArray &line)
{
    {
        std::lock_guard<std::mutex> queue(m_queueLock);
        if (m_pending.size() + line.size() > MaxPendingBytes) {
            ++m_dropped;
            return;
        }
        m_pending += line;
    }
    m_wake.notify_one();
}

bool LLogWriter::flush(int timeoutMs)
{
    std::unique_lock<std::mutex> queue(m_queueLock);
    return m_drained.wait_for(queue, std::chrono::milliseconds(timeoutMs),
                              [this] { return m_pending.isEmpty() && !m_writing; });
}

void LLogWriter::run()
{
    std::unique_lock<std::mutex> queue(m_queueLock);
    for (;;) {
        m_wake.wait(queue, [this] { return !m_pending.isEmpty(); });
        QByteArray lines;
        lines.swap(m_pending);
        if (m_dropped > 0) {
            lines += QByteArray::number(m_dropped) + " log lines dropped: written too fast\n";
            m_dropped = 0;
        }
        m_writing = true;
        queue.unlock();
        write(lines);
        queue.lock();
        m_writing = false;
        if (m_pending.isEmpty())
            m_drained.notify_all();
    }
}

void LLogWriter::write(const QByteArray &lines)
{
    std::lock_guard<std::mutex> sink(m_sinkLock);
    if (m_console)
        writeAll(STDERR_FILENO, lines.constData(), lines.size());
    if (m_fd >= 0)
        writeAll(m_fd, lines.constData(), lines.size());
}
