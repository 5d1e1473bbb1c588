#ifndef LSINGLEINSTANCE_H
#define LSINGLEINSTANCE_H

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

/*
 * One running process per key (and per user, for a user-scoped key).
 * The process that holds the lock on a file listens on a local socket beside
 * it; every later process hands its pid and arguments over that socket, waits
 * for the acknowledgement and then gives up. The lock is the kernel's
 * (flock): it ends with its process, so a crashed owner never blocks a new
 * start, and taking it writes nothing to disk.
 */
class LSingleInstance : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LSingleInstance)
public:
    LSingleInstance(const QString &key, bool perUser, QObject *parent = nullptr);
    ~LSingleInstance() override;

    // True when this process is now the one instance; false after handing
    // its arguments to the running instance.
    bool claim();

    QString socketPath() const { return m_socketPath; }

signals:
    void messageReceived(qint64 pid, const QStringList &arguments);

private:
    bool tryLock();
    bool becomePrimary();
    bool sendToPrimary() const;
    void readMessage(QLocalSocket *socket);

    QString m_socketPath;
    QString m_lockPath;
    // The open lock file while this process holds the lock, else -1.
    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
};

#endif // LSINGLEINSTANCE_H
