#include "qtdbussessionmanager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>

QtDbusSessionManager::QtDbusSessionManager(QObject *parent)
    : QObject(parent)
{
}

void QtDbusSessionManager::Launch(const QString &desktopFile)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("com.lirvan.SessionManager"),
                                                       QStringLiteral("/com/lirvan/StartManager"),
                                                       QStringLiteral("com.lirvan.StartManager"),
                                                       QStringLiteral("Launch"));
    call << desktopFile;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    if (reply.arguments().isEmpty())
        return;
    // An error reply carries its text as the first argument too.
    qDebug().noquote() << reply.arguments().constFirst().toString();
}
