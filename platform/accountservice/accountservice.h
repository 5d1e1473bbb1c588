#ifndef ACCOUNTSERVICE_H
#define ACCOUNTSERVICE_H

#include <QObject>

class CallLog;
class SyncDaemon;

// The desktop account itself: logging it out.
class AccountService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.lirvan.lirvanid")
public:
    AccountService(SyncDaemon *status, const CallLog &log, QObject *parent = nullptr);

public slots:
    void Logout();

private:
    SyncDaemon *m_status;
    const CallLog &m_log;
};

#endif // ACCOUNTSERVICE_H
