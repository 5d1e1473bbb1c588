#include "installedappslock.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstalledAppsLock::InstalledAppsLock(const QString &path)
{
    const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        qWarning() << "Cannot open lock file" << lockPath << ":" << strerror(errno);
        return;
    }
    int result;
    do
        result = ::flock(fd, LOCK_EX);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        qWarning() << "Cannot lock" << lockPath << ":" << strerror(errno);
        ::close(fd);
        return;
    }
    m_fd = fd;
}

InstalledAppsLock::~InstalledAppsLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing releases the lock
}
