#include "logcapture.h"

namespace {
LogCapture *s_current = nullptr;
}

LogCapture::LogCapture()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

QStringList LogCapture::messages() const
{
    QMutexLocker locker(&m_mutex);
    return m_messages;
}

bool LogCapture::contains(const QString &text) const
{
    const QStringList all = messages();
    for (const QString &message : all) {
        if (message.contains(text))
            return true;
    }
    return false;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    LogCapture *capture = s_current;
    if (!capture)
        return;
    {
        QMutexLocker locker(&capture->m_mutex);
        capture->m_messages.append(msg);
    }
    if (capture->m_previous)
        capture->m_previous(type, context, msg);
}
