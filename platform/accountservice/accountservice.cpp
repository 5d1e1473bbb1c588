#include "accountservice.h"

#include "calllog.h"
#include "syncdaemon.h"

AccountService::AccountService(SyncDaemon *status, const CallLog &log, QObject *parent)
    : QObject(parent)
    , m_status(status)
    , m_log(log)
{
}

void AccountService::Logout()
{
    m_log.record(QStringLiteral("Logout"), {});
    m_status->setLoggedIn(false);
}
