#include "filebody.h"

#include <httplib.h>

#include <algorithm>
#include <thread>
#include <unistd.h>

namespace {
// Large reads keep loopback transfers of big archives fast.
constexpr std::int64_t ChunkSize = 256 * 1024;
// A stalled response gives up after this long even if nobody stops the server.
constexpr auto MaxStall = std::chrono::minutes(10);
} // namespace

FileBody::FileBody(int fd, std::int64_t start, std::int64_t length,
                   const FaultPlan::BodyFaults &faults, std::int64_t bytesPerSecond,
                   const std::atomic_bool &stopping)
    : m_fd(fd)
    , m_start(start)
    , m_length(length)
    , m_faults(faults)
    , m_bytesPerSecond(bytesPerSecond)
    , m_stopping(stopping)
    , m_begin(std::chrono::steady_clock::now())
    , m_buffer(static_cast<std::size_t>(ChunkSize))
{
}

FileBody::~FileBody()
{
    ::close(m_fd);
}

bool FileBody::provide(std::size_t offset, httplib::DataSink &sink)
{
    const auto sent = static_cast<std::int64_t>(offset);
    if (m_faults.dropAfter >= 0 && sent >= m_faults.dropAfter)
        return false; // the server closes the connection mid-body
    if (m_faults.stallAfter >= 0 && sent >= m_faults.stallAfter) {
        stall();
        return false;
    }

    const std::int64_t size = nextChunkSize(sent);
    const ssize_t got = ::pread(m_fd, m_buffer.data(), static_cast<std::size_t>(size),
                                static_cast<off_t>(m_start + sent));
    if (got <= 0)
        return false;
    keepToRate(sent + got);
    return sink.write(m_buffer.data(), static_cast<std::size_t>(got));
}

bool FileBody::provideChunked(std::size_t offset, httplib::DataSink &sink)
{
    if (static_cast<std::int64_t>(offset) >= m_length) {
        sink.done();
        return true;
    }
    return provide(offset, sink);
}

std::int64_t FileBody::nextChunkSize(std::int64_t offset) const
{
    std::int64_t size = std::min(ChunkSize, m_length - offset);
    // Stop exactly at a fault boundary so the client sees exactly that many bytes.
    for (const std::int64_t boundary : {m_faults.dropAfter, m_faults.stallAfter}) {
        if (boundary > offset)
            size = std::min(size, boundary - offset);
    }
    return size;
}

void FileBody::keepToRate(std::int64_t sent) const
{
    if (m_bytesPerSecond <= 0)
        return;
    const auto due = m_begin + std::chrono::microseconds(sent * 1000000 / m_bytesPerSecond);
    std::this_thread::sleep_until(due);
}

void FileBody::stall() const
{
    const auto giveUp = std::chrono::steady_clock::now() + MaxStall;
    while (!m_stopping && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}
