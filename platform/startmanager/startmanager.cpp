#include "startmanager.h"

#include "launchentry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QProcess>

StartManager::StartManager(QObject *parent)
    : QObject(parent)
{
}

QString StartManager::Launch(const QString &desktopFile)
{
    const LaunchEntry entry = LaunchEntry::fromFile(desktopFile);
    if (!entry.isValid())
        return fail(QStringLiteral("com.lirvan.StartManager.Error.InvalidEntry"), entry.error());

    qint64 pid = 0;
    if (!QProcess::startDetached(entry.program(), entry.arguments(), entry.workingDirectory(),
                                 &pid)) {
        return fail(QStringLiteral("com.lirvan.StartManager.Error.StartFailed"),
                    QStringLiteral("Cannot start \"%1\" of %2").arg(entry.program(), desktopFile));
    }
    const QString report = QStringLiteral("Launched %1 (process %2)").arg(desktopFile).arg(pid);
    qInfo().noquote() << report;
    return report;
}

QString StartManager::fail(const QString &errorName, const QString &text)
{
    qWarning().noquote() << text;
    if (calledFromDBus())
        sendErrorReply(errorName, text);
    return QString();
}
