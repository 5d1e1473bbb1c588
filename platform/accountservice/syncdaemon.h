#ifndef SYNCDAEMON_H
#define SYNCDAEMON_H

#include <QObject>
#include <QVariantMap>

/*
 * The desktop's account-status service: whether, and as whom, the desktop
 * account is logged in, announced on every change.
 */
class SyncDaemon : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.lirvan.sync.Daemon.lirvanid")
    Q_PROPERTY(QVariantMap UserInfo READ userInfo)
public:
    explicit SyncDaemon(const QString &username, QObject *parent = nullptr);

    QVariantMap userInfo() const;
    bool isLoggedIn() const { return m_loggedIn; }
    void setLoggedIn(bool loggedIn);

signals:
    void UserInfoChanged(const QVariantMap &userInfo);

private:
    QString m_username;
    bool m_loggedIn = false;
};

#endif // SYNCDAEMON_H
