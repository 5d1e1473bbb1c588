#ifndef HELDINSTALLEDAPPSLOCK_H
#define HELDINSTALLEDAPPSLOCK_H

#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

/*
 * The installed-apps file's lock, held by a thread of its own as another
 * process would hold it, until release() or, at the latest, maxHoldMs: a
 * GUI thread that waited for it would stand still that long, and a test of
 * the opposite still ends. The constructor returns once the lock is held;
 * it makes the file's directory, where the lock file lies, first.
 */
class HeldInstalledAppsLock
{
public:
    explicit HeldInstalledAppsLock(const QString &installedAppsFile, int maxHoldMs = 5000);
    ~HeldInstalledAppsLock();

    // False when the lock file could not be opened or locked.
    bool isLocked() const;
    void release();
    // True once the holder gave the lock up, by release() or at maxHoldMs.
    bool isReleased() const;

private:
    Q_DISABLE_COPY(HeldInstalledAppsLock)
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    bool m_locked = false;
    bool m_releaseAsked = false;
    bool m_released = false;
    std::thread m_holder;
};

#endif // HELDINSTALLEDAPPSLOCK_H
