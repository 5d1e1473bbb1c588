#ifndef ACCOUNTCLIENT_H
#define ACCOUNTCLIENT_H

#include <QDBusContext>
#include <QHash>
#include <QObject>
#include <QStringList>

class CallLog;
class SyncDaemon;

/*
 * The account service's authorisation of client programs. A program
 * registers the D-Bus object that receives the answer, then asks to
 * authorise its client; the answer is a call of OnAuthorized(code, state)
 * on that object, or OnCancel() when the user declines.
 *
 * Stands in for the desktop's dialog: it answers by itself with the
 * configured code, or declines.
 */
class AccountClient : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.lirvan.lirvanid.Client")
public:
    struct Answer
    {
        QString code; // handed to OnAuthorized
        bool decline = false; // call OnCancel instead
    };

    AccountClient(const Answer &answer, SyncDaemon *status, const CallLog &log,
                  QObject *parent = nullptr);

public slots:
    void Register(const QString &clientId, const QString &service, const QString &path,
                  const QString &interface);
    void Authorize(const QString &clientId, const QStringList &scope, const QString &callback,
                   const QString &state);

private:
    struct Callback
    {
        QString service;
        QString path;
        QString interface;
    };
    void answer(const Callback &callback, const QString &state);

    Answer m_answer;
    SyncDaemon *m_status;
    const CallLog &m_log;
    QHash<QString, Callback> m_callbacks; // by client id
};

#endif // ACCOUNTCLIENT_H
