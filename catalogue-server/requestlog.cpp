#include "requestlog.h"

#include <httplib.h>

RequestLog::RequestLog(const std::string &path)
    : m_enabled(!path.empty())
{
    if (m_enabled)
        m_file.open(path, std::ios::out | std::ios::app);
}

bool RequestLog::isOpen() const
{
    return !m_enabled || m_file.is_open();
}

void RequestLog::record(const httplib::Request &request)
{
    if (!m_enabled)
        return;
    const std::string range = request.get_header_value("Range");
    std::lock_guard<std::mutex> lock(m_mutex);
    m_file << request.method << ' ' << request.target << ' ' << (range.empty() ? "-" : range)
           << std::endl;
}
