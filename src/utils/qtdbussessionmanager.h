#ifndef QTDBUSSESSIONMANAGER_H
#define QTDBUSSESSIONMANAGER_H

#include <QObject>
#include <QString>

/*
 * Client of the desktop session's start manager on the session bus, which
 * starts applications from their desktop entry files.
 */
class QtDbusSessionManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtDbusSessionManager)
public:
    explicit QtDbusSessionManager(QObject *parent = nullptr);

    // Asks the start manager to launch the entry and waits for its answer,
    // which is only logged.
    void Launch(const QString &desktopFile);
};

#endif // QTDBUSSESSIONMANAGER_H
