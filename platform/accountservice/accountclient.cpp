#include "accountclient.h"

#include "calllog.h"
#include "syncdaemon.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTimer>

AccountClient::AccountClient(const Answer &answer, SyncDaemon *status, const CallLog &log,
                             QObject *parent)
    : QObject(parent)
    , m_answer(answer)
    , m_status(status)
    , m_log(log)
{
}

void AccountClient::Register(const QString &clientId, const QString &service, const QString &path,
                             const QString &interface)
{
    m_log.record(QStringLiteral("Register"), {clientId, service, path, interface});
    m_callbacks.insert(clientId, {service, path, interface});
}

void AccountClient::Authorize(const QString &clientId, const QStringList &scope,
                              const QString &callback, const QString &state)
{
    m_log.record(QStringLiteral("Authorize"), {clientId, scope, callback, state});
    const auto registered = m_callbacks.constFind(clientId);
    if (registered == m_callbacks.cend()) {
        sendErrorReply(QStringLiteral("com.lirvan.lirvanid.Error.UnknownClient"),
                       QStringLiteral("client %1 is not registered").arg(clientId));
        return;
    }
    // The answer comes after this call has returned, as a user's would.
    const Callback target = registered.value();
    QTimer::singleShot(0, this, [this, target, state] { answer(target, state); });
}

void AccountClient::answer(const Callback &callback, const QString &state)
{
    QDBusMessage call = QDBusMessage::createMethodCall(callback.service, callback.path,
                                                       callback.interface,
                                                       m_answer.decline
                                                               ? QStringLiteral("OnCancel")
                                                               : QStringLiteral("OnAuthorized"));
    if (!m_answer.decline) {
        call << m_answer.code << state;
        m_status->setLoggedIn(true);
    }
    QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}
