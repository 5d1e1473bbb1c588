#include "__lirvanid.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QDebug>

namespace {
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString UserInfoProperty = QStringLiteral("UserInfo");
} // namespace

__lirvanid::__lirvanid(const QString &service, const QString &path,
                       const QDBusConnection &connection, QObject *parent)
    : QDBusAbstractInterface(service, path, staticInterfaceName(), connection, parent)
{
}

void __lirvanid::setSync(bool sync, bool autoStart)
{
    m_sync = sync;
    m_autoStart = autoStart;
}

QVariantMap __lirvanid::userInfo()
{
    if (m_sync) {
        const QDBusMessage reply = connection().call(propertyRequest(), QDBus::Block, timeout());
        if (reply.type() == QDBusMessage::ReplyMessage)
            m_userInfo = mapFromReply(reply);
        return m_userInfo;
    }

    auto watcher = new QDBusPendingCallWatcher(connection().asyncCall(propertyRequest(), timeout()),
                                               this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &__lirvanid::onPropertyReply);
    return m_userInfo;
}

QDBusMessage __lirvanid::propertyRequest() const
{
    QDBusMessage request = QDBusMessage::createMethodCall(service(), path(), PropertiesInterface,
                                                          QStringLiteral("Get"));
    request << interface() << UserInfoProperty;
    request.setAutoStartService(m_autoStart);
    return request;
}

void __lirvanid::onPropertyReply(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusMessage reply = watcher->reply();
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qDebug() << "user info not available:" << reply.errorName() << reply.errorMessage();
        return;
    }
    m_userInfo = mapFromReply(reply);
    emit UserInfoChanged(m_userInfo);
}

QVariantMap __lirvanid::mapFromReply(const QDBusMessage &reply)
{
    const QVariant value = reply.arguments().value(0).value<QDBusVariant>().variant();
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}
