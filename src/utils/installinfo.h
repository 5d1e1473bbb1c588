#ifndef INSTALLINFO_H
#define INSTALLINFO_H

#include "taskinterface.h"
#include "tinstalledappinfo.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class BottleActivity;
class GroupProcess;

/*
 * The last task of an installation. A recommended configuration's bottle is
 * initialised by its own start script and its prepared menu entries are
 * copied; for the default configuration the user's installer runs under
 * Wine in a prepared bottle, and one of the entries it created becomes the
 * application's menu entry.
 *
 * Installers often stay open after installing, so while the installer runs
 * the task thread checks the bottle at every check interval. What the bottle
 * held before the installer started (registered applications, menu entries)
 * never counts: an installer is ended only once it has installed something
 * new and then stayed idle for a whole interval, so the second stage of a
 * two-stage installer is never cut off. An idle installer that installed
 * nothing yet gets its bottle's services unblocked (kill.sh, for this bottle
 * only). The installer runs in a process group of its own, which is ended
 * whole. Destroying the task cancels the run in progress (requestAbort()).
 * The menu entries themselves are made by InstallDesktopEntries.
 */
class InstallInfo : public TaskInterface
{
    Q_OBJECT
public:
    explicit InstallInfo(QObject *parent = nullptr);
    InstallInfo(const TInstalledAppInfo &info, QObject *parent = nullptr);
    ~InstallInfo() override;

    void setAppInfo(const TInstalledAppInfo &info);
    const TInstalledAppInfo &getAppInfo() const;

    // 0 installed, -3 a default installation left nothing in the bottle.
    int doWork() override;
    QString getTaskName() override;

    // True while the installer runs and is being checked.
    bool isCheckActive() const;
    int installByDefault(const QString &program, const QStringList &args, QString &out);
    // True when the bottle shows a menu entry or a registered application
    // that was not there before the installer started.
    bool isDefaultInstallSuc();
    QStringList getBottleDesktops(const QString &bottle);
    QStringList getUninstallerApps(const QString &bottle);

    // The menu entry of a recommended configuration: the bottle's prepared
    // entries and icons are copied to the user's.
    void createDesktopfileByRecommandInstall(const QString &bottle);
    // The menu entry of a default installation, chosen from the installer's.
    void createDesktopfileByDefaultInstall(int &count, const QString &name);
    // Points the entry at its program under Wine and moves it to the user's
    // applications directory.
    void modifyDesktopFile(const QString &path, QString &fileName);

    // One check while the installer runs (task thread); true when the
    // installation is complete and the lingering installer may be ended.
    bool slot_checkDefaultInstall();

public slots:
    void getStatus(int status, const QString &info);

private:
    // What the bottle holds before the installer runs.
    struct Snapshot
    {
        QStringList desktops;
        QStringList apps;
    };
    void takeSnapshot();
    void unblockServices();
    QString installerCommand(const QString &type) const;
    void prepareBottle(const QString &type);
    static bool isBare(const QString &bottle);
    // Waits for the installer, checking it at every interval and ending it
    // once it lingers or the run is cancelled; false when it could not be
    // started.
    bool waitForInstaller();
    // Waits on the task thread, returning early when the run is cancelled.
    void pause(int ms) const;

    TInstalledAppInfo m_appInfo;
    // Created, started, waited for and killed on the task thread only.
    std::unique_ptr<GroupProcess> m_installerProcess;
    std::atomic_bool m_installerRunning{false};
    Snapshot m_before;
    std::unique_ptr<BottleActivity> m_activity;
};

#endif // INSTALLINFO_H
