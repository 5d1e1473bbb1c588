#include "apilog.h"

#include <QJsonDocument>

ApiLog::ApiLog(const std::string &path)
    : m_enabled(!path.empty())
{
    if (m_enabled)
        m_file.open(path, std::ios::out | std::ios::app);
}

bool ApiLog::isOpen() const
{
    return !m_enabled || m_file.is_open();
}

void ApiLog::record(const QJsonObject &entry)
{
    if (!m_enabled)
        return;
    const QByteArray line = QJsonDocument(entry).toJson(QJsonDocument::Compact);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_file.write(line.constData(), line.size());
    m_file << std::endl;
}
