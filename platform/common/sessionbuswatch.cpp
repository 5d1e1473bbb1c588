#include "sessionbuswatch.h"

#include <QCoreApplication>
#include <QDBusConnection>

SessionBusWatch::SessionBusWatch(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, [] {
        if (!QDBusConnection::sessionBus().isConnected())
            QCoreApplication::quit();
    });
    m_timer.start(2000);
}
