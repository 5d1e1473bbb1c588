#ifndef LSINGLEINSTANCE_H
#define LSINGLEINSTANCE_H

#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;

/*
 * One running process per key (and per user, for a user-scoped key).
 * The process that holds the lock file listens on a local socket beside it;
 * every later process hands its pid and arguments over that socket, waits for
 * the acknowledgement and then gives up. A lock left by a crashed process is
 * detected through its pid and taken over, so it never blocks a new start.
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
    bool becomePrimary();
    bool sendToPrimary() const;
    void readMessage(QLocalSocket *socket);

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

#endif // LSINGLEINSTANCE_H
