#ifndef FILEBODY_H
#define FILEBODY_H

#include "faultplan.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace httplib {
class DataSink;
}

/*
 * Streams a byte range of an open file as a response body, showing the
 * faults it was given and keeping to a rate limit. Owns the descriptor.
 */
class FileBody
{
public:
    FileBody(int fd, std::int64_t start, std::int64_t length, const FaultPlan::BodyFaults &faults,
             std::int64_t bytesPerSecond, const std::atomic_bool &stopping);
    ~FileBody();
    FileBody(const FileBody &) = delete;
    FileBody &operator=(const FileBody &) = delete;

    // Provider of a body with a known length; offset counts from the range start.
    bool provide(std::size_t offset, httplib::DataSink &sink);
    // Provider of a chunked body, which ends when the range is sent.
    bool provideChunked(std::size_t offset, httplib::DataSink &sink);

private:
    std::int64_t nextChunkSize(std::int64_t offset) const;
    void keepToRate(std::int64_t sent) const;
    void stall() const;

    const int m_fd;
    const std::int64_t m_start;
    const std::int64_t m_length;
    const FaultPlan::BodyFaults m_faults;
    const std::int64_t m_bytesPerSecond;
    const std::atomic_bool &m_stopping;
    const std::chrono::steady_clock::time_point m_begin;
    std::vector<char> m_buffer;
};

#endif // FILEBODY_H
