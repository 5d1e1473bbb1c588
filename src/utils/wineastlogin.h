#ifndef WINEASTLOGIN_H
#define WINEASTLOGIN_H

#include "loginuserinfo.h"

#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QtNetworkWorker;
class __lirvanid;

/*
 * Logs the user in to the catalogue service through the desktop's account
 * service. The catalogue service names a client; the account service,
 * asked over D-Bus, authorises it and calls OnAuthorized on this object with
 * a code, which the catalogue service trades for the user's profile.
 *
 * At start-up the desktop account's state is taken over once: logged in
 * there starts the login here by itself.
 */
class WineAstLogin : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.lirvan.lirvanid.lirvanwine")
    Q_DISABLE_COPY_MOVE(WineAstLogin)
public:
    static WineAstLogin *instance();
    ~WineAstLogin() override;

    void init();
    // 0, or -1 when the service name, -2 when the object cannot be registered.
    int QDbusQuesterInit();
    void listenUserinfo();
    // Deletes the account-status proxy if it still waits for its report.
    void releaseUserinfoListener();

    void startLogin();
    void loginByCliendId();
    void logout();

    const LoginUserInfo &userInfo() const { return m_userInfo; }
    bool isLoggedIn() const { return m_loggedIn; }
    bool isBusy() const { return m_busy; }
    QStringList scope() const { return m_scope; }
    bool isListeningUserinfo() const { return m_userInfoProxy != nullptr; }

    // <userPictureRoot()><username>/<file name of the address>, each part
    // reduced to one harmless file name.
    static QString avatarPath(const QString &username, const QString &avatarAddress);
    // Where pictures of users are kept, apart from the application icons so
    // that no user name can stand for an application.
    static QString userPictureRoot();

public slots:
    Q_SCRIPTABLE void OnAuthorized(const QString &code, const QString &state);
    Q_SCRIPTABLE void OnCancel();

signals:
    void signalUserInfoChanged();

protected slots:
    void slotRequestFinished(int status, QString strData, int id);
    void slotSetUserinfo(QVariantMap userinfo);

private:
    WineAstLogin();
    void readClientInfo(const QString &strData);
    void OK_onauthorized(const QString &strData);
    void clearUserInfo();
    bool isFromAccountService() const;

    QtNetworkWorker *m_worker;
    QString m_callback;
    QString m_clientId;
    QStringList m_scope;
    LoginUserInfo m_userInfo;
    bool m_loggedIn = false;
    bool m_busy = false;
    __lirvanid *m_userInfoProxy = nullptr;
};

#endif // WINEASTLOGIN_H
