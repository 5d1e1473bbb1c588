#include "syncdaemon.h"

SyncDaemon::SyncDaemon(const QString &username, QObject *parent)
    : QObject(parent)
    , m_username(username)
{
}

QVariantMap SyncDaemon::userInfo() const
{
    return {{QStringLiteral("IsLoggedIn"), m_loggedIn},
            {QStringLiteral("Username"), m_loggedIn ? m_username : QString()}};
}

void SyncDaemon::setLoggedIn(bool loggedIn)
{
    if (loggedIn == m_loggedIn)
        return;
    m_loggedIn = loggedIn;
    emit UserInfoChanged(userInfo());
}
