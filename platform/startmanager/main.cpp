// lirvan-start-manager: the session's application start manager. Started by
// the session bus on demand (D-Bus activation), it owns
// "com.lirvan.SessionManager" and ends when the bus goes away.

#include "sessionbuswatch.h"
#include "startmanager.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDebug>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lirvan-start-manager"));

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCritical().noquote() << "No session bus:" << bus.lastError().message();
        return 1;
    }
    StartManager manager;
    if (!bus.registerObject(QStringLiteral("/com/lirvan/StartManager"), &manager,
                            QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("com.lirvan.SessionManager"))) {
        qCritical().noquote() << "Cannot offer the start manager:" << bus.lastError().message();
        return 1;
    }

    const SessionBusWatch busWatch;
    return app.exec();
}
