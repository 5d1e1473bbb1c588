#ifndef APILOG_H
#define APILOG_H

#include <QJsonObject>
#include <QString>

#include <fstream>
#include <mutex>

/*
 * Appends one JSON object per catalogue API request to a file: method,
 * target, the headers that matter to the API ("content_type", "accept",
 * "timestamp", "sign"), the parameters the signature was checked against,
 * the body of JSON requests, the answer's status and, for a refused request,
 * the reason. Each line is on disk before the request is answered.
 */
class ApiLog
{
public:
    explicit ApiLog(const std::string &path);

    bool isOpen() const;
    void record(const QJsonObject &entry);

private:
    std::mutex m_mutex;
    std::ofstream m_file;
    bool m_enabled;
};

#endif // APILOG_H
