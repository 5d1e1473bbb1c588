// lirvan-account-service: stands in for the desktop's account service
// ("com.lirvan.lirvanid.Client", "com.lirvan.lirvanid") and its
// account-status service ("com.lirvan.sync.Daemon") on the session bus, for
// tests and for trying the assistant's login against the reference
// catalogue service. Prints "ready" once every name is taken.

#include "accountclient.h"
#include "accountservice.h"
#include "calllog.h"
#include "sessionbuswatch.h"
#include "syncdaemon.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDebug>

#include <cstdio>

namespace {

bool offer(QDBusConnection bus, const QString &service, const QString &path, QObject *object)
{
    if (bus.registerObject(path, object,
                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                                   | QDBusConnection::ExportAllProperties)
        && bus.registerService(service))
        return true;
    qCritical().noquote() << "Cannot offer" << service << ":" << bus.lastError().message();
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lirvan-account-service"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Stand-in desktop account service for the wine assistant."));
    parser.addHelpOption();
    const QCommandLineOption loggedIn(QStringLiteral("logged-in"),
                                      QStringLiteral("The desktop account is logged in at start."));
    const QCommandLineOption decline(QStringLiteral("decline"),
                                     QStringLiteral("Answer every authorisation with OnCancel."));
    const QCommandLineOption code(QStringLiteral("code"),
                                  QStringLiteral("Code handed to OnAuthorized (alice-code)."),
                                  QStringLiteral("code"), QStringLiteral("alice-code"));
    const QCommandLineOption user(QStringLiteral("user"),
                                  QStringLiteral("Desktop user name (alice)."),
                                  QStringLiteral("name"), QStringLiteral("alice"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Append every call received to FILE."),
                                 QStringLiteral("file"));
    parser.addOptions({loggedIn, decline, code, user, log});
    parser.process(app);

    const CallLog callLog(parser.value(log));
    SyncDaemon status(parser.value(user));
    status.setLoggedIn(parser.isSet(loggedIn));
    AccountClient client({parser.value(code), parser.isSet(decline)}, &status, callLog);
    AccountService account(&status, callLog);

    // The status service is a program of its own on a real desktop; its own
    // connection lets it use the account's object path as well.
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnection statusBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                              QStringLiteral("status"));
    if (!bus.isConnected() || !statusBus.isConnected()) {
        qCritical().noquote() << "No session bus:" << bus.lastError().message();
        return 1;
    }
    if (!offer(statusBus, QStringLiteral("com.lirvan.sync.Daemon"),
               QStringLiteral("/com/lirvan/lirvanid"), &status)
        || !offer(bus, QStringLiteral("com.lirvan.lirvanid"),
                  QStringLiteral("/com/lirvan/lirvanid"), &account)
        || !offer(bus, QStringLiteral("com.lirvan.lirvanid.Client"),
                  QStringLiteral("/com/lirvan/lirvanid/Client"), &client))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);

    const SessionBusWatch busWatch;
    return app.exec();
}
