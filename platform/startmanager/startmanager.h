#ifndef STARTMANAGER_H
#define STARTMANAGER_H

#include <QDBusContext>
#include <QObject>
#include <QString>

/*
 * The session's start manager: launches applications from their desktop
 * entry files on request of other programs on the session bus.
 */
class StartManager : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.lirvan.StartManager")
public:
    explicit StartManager(QObject *parent = nullptr);

public slots:
    // Starts the entry detached from this service and answers with a short
    // report; a file that cannot be launched gets an error reply instead.
    QString Launch(const QString &desktopFile);

private:
    QString fail(const QString &errorName, const QString &text);
};

#endif // STARTMANAGER_H
