#ifndef REQUESTLOG_H
#define REQUESTLOG_H

#include <fstream>
#include <mutex>
#include <string>

namespace httplib {
struct Request;
}

/*
 * Appends one line per request to a file: method, target and the Range
 * header ("-" when absent), separated by blanks. Each line is on disk before
 * the request is answered, so a client that got its answer can read it.
 */
class RequestLog
{
public:
    explicit RequestLog(const std::string &path);

    bool isOpen() const;
    void record(const httplib::Request &request);

private:
    std::mutex m_mutex;
    std::ofstream m_file;
    bool m_enabled;
};

#endif // REQUESTLOG_H
