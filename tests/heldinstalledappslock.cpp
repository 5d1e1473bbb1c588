#include "heldinstalledappslock.h"

#include "installedappslock.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>

HeldInstalledAppsLock::HeldInstalledAppsLock(const QString &installedAppsFile, int maxHoldMs)
{
    QDir().mkpath(QFileInfo(installedAppsFile).absolutePath());
    m_holder = std::thread([this, installedAppsFile, maxHoldMs] {
        std::unique_lock<std::mutex> guard(m_mutex);
        {
            const InstalledAppsLock lock(installedAppsFile);
            m_held = true;
            m_locked = lock.isLocked();
            m_changed.notify_all();
            m_changed.wait_for(guard, std::chrono::milliseconds(maxHoldMs),
                               [this] { return m_releaseAsked; });
        }
        m_released = true;
    });
    std::unique_lock<std::mutex> guard(m_mutex);
    m_changed.wait(guard, [this] { return m_held; });
}

HeldInstalledAppsLock::~HeldInstalledAppsLock()
{
    release();
    m_holder.join();
}

void HeldInstalledAppsLock::release()
{
    const std::lock_guard<std::mutex> guard(m_mutex);
    m_releaseAsked = true;
    m_changed.notify_all();
}

bool HeldInstalledAppsLock::isLocked() const
{
    const std::lock_guard<std::mutex> guard(m_mutex);
    return m_locked;
}

bool HeldInstalledAppsLock::isReleased() const
{
    const std::lock_guard<std::mutex> guard(m_mutex);
    return m_released;
}
