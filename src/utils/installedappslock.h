#ifndef INSTALLEDAPPSLOCK_H
#define INSTALLEDAPPSLOCK_H

#include <QString>

/*
 * Holds an exclusive lock on a file's companion "<file>.lock" for its
 * lifetime, so that the window and the command line, each reading the file,
 * changing it and saving it anew, never overwrite each other's change. The
 * lock is advisory (flock) and is released when the holder ends, even by a
 * crash. A lock file that cannot be opened leaves the caller unlocked rather
 * than unable to save.
 */
class InstalledAppsLock
{
public:
    explicit InstalledAppsLock(const QString &path);
    ~InstalledAppsLock();

    bool isLocked() const { return m_fd >= 0; }

private:
    Q_DISABLE_COPY(InstalledAppsLock)
    int m_fd = -1;
};

#endif // INSTALLEDAPPSLOCK_H
