#include "lsingleinstance.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// How long a new process keeps trying to reach the running one. The running
// process may just have taken the lock and not be listening yet.
constexpr int HandOverTimeoutMs = 15000;
constexpr int ConnectTimeoutMs = 1000;
constexpr int AckTimeoutMs = 30000;
constexpr char Ack = 'A';

QString runtimeDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

} // namespace

LSingleInstance::LSingleInstance(const QString &key, bool perUser, QObject *parent)
    : QObject(parent)
{
    QString name = key;
    if (perUser)
        name += QLatin1Char('-') + QString::number(getuid());
    m_socketPath = runtimeDirectory() + QLatin1Char('/') + name + QStringLiteral(".socket");
    m_lockPath = runtimeDirectory() + QLatin1Char('/') + name + QStringLiteral(".lock");
}

LSingleInstance::~LSingleInstance()
{
    if (m_server)
        m_server->close();
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

bool LSingleInstance::claim()
{
    QDeadlineTimer deadline(HandOverTimeoutMs);
    while (!deadline.hasExpired()) {
        if (tryLock())
            return becomePrimary();
        if (sendToPrimary())
            return false;
        QThread::msleep(20);
    }
    qWarning() << "single instance: no running instance answered on" << m_socketPath;
    return false;
}

// A lock file that cannot be opened at all leaves this process alone, as
// a failed listen() does: the program still starts.
bool LSingleInstance::tryLock()
{
    const int fd = ::open(QFile::encodeName(m_lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) {
        qWarning() << "single instance: cannot open" << m_lockPath << strerror(errno);
        return true;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return false;
    }
    m_lockFd = fd;
    return true;
}

bool LSingleInstance::becomePrimary()
{
    // A socket file of a crashed owner would make listen() fail.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        qWarning() << "single instance: cannot listen on" << m_socketPath
                   << m_server->errorString();
        return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { readMessage(socket); });
            if (socket->bytesAvailable() > 0)
                readMessage(socket);
        }
    });
    return true;
}

void LSingleInstance::readMessage(QLocalSocket *socket)
{
    QDataStream stream(socket);
    stream.startTransaction();
    qint64 pid = 0;
    QStringList arguments;
    stream >> pid >> arguments;
    if (!stream.commitTransaction())
        return; // wait for the rest of the message
    socket->write(&Ack, 1);
    socket->flush();
    emit messageReceived(pid, arguments);
}

bool LSingleInstance::sendToPrimary() const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;

    QByteArray message;
    QDataStream stream(&message, QIODevice::WriteOnly);
    stream << qint64(QCoreApplication::applicationPid()) << QCoreApplication::arguments();
    socket.write(message);
    socket.waitForBytesWritten(AckTimeoutMs);

    // Once connected the message is not sent again: a running instance that
    // is busy for a while still reads it, and a second copy would open a
    // second window.
    while (socket.bytesAvailable() < 1 && socket.state() == QLocalSocket::ConnectedState) {
        if (!socket.waitForReadyRead(AckTimeoutMs)) {
            qWarning() << "single instance: the running instance did not acknowledge";
            break;
        }
    }
    socket.disconnectFromServer();
    return true;
}
