#ifndef LIRVANID_PROXY_H
#define LIRVANID_PROXY_H

#include <QDBusAbstractInterface>
#include <QVariantMap>

class QDBusPendingCallWatcher;

/*
 * Proxy of the desktop's account-status service: the desktop account's user
 * information, a map whose "IsLoggedIn" tells whether someone is logged in.
 *
 * In asynchronous mode reading userInfo() only starts a fetch and returns the
 * value known so far; the fetched value arrives through UserInfoChanged, as
 * do the changes the service announces.
 */
class __lirvanid : public QDBusAbstractInterface
{
    Q_OBJECT
public:
    static const char *staticInterfaceName() { return "com.lirvan.sync.Daemon.lirvanid"; }

    __lirvanid(const QString &service, const QString &path, const QDBusConnection &connection,
               QObject *parent = nullptr);

    // sync: property reads wait for the answer; autoStart: reads may start
    // the service on demand.
    void setSync(bool sync, bool autoStart);
    bool isSync() const { return m_sync; }

    QVariantMap userInfo();

signals:
    // Connected to the service's signal of the same name as well.
    void UserInfoChanged(const QVariantMap &userInfo);

private:
    QDBusMessage propertyRequest() const;
    void onPropertyReply(QDBusPendingCallWatcher *watcher);
    static QVariantMap mapFromReply(const QDBusMessage &reply);

    QVariantMap m_userInfo;
    bool m_sync = true;
    bool m_autoStart = true;
};

#endif // LIRVANID_PROXY_H
