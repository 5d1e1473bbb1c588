#ifndef INSTALLINFO_H
#define INSTALLINFO_H

#include "taskinterface.h"
#include "tinstalledappinfo.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class GroupProcess;
class QTimer;

/*
 * The last task of an installation. A recommended configuration's bottle is
 * initialised by its own start script and its prepared menu entries are
 * copied; for the default configuration the user's installer runs under
 * Wine in a prepared bottle, and one of the entries it created becomes the
 * application's menu entry.
 *
 * Installers often stay open after installing, so a check timer on the
 * constructing (GUI) thread looks for a finished installation and then ends
 * the installer. The installer process itself lives on the task thread: the
 * timer only asks for the kill, which the waiting task thread carries out.
 * The installer runs in a process group of its own, which is ended whole.
 * Destroying the task cancels the run in progress (requestAbort()).
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

    void startCheckDefault();
    // True while the check timer is running.
    bool isCheckActive() const;
    int installByDefault(const QString &program, const QStringList &args, QString &out);
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

public slots:
    void slot_checkDefaultInstall();
    void getStatus(int status, const QString &info);

private:
    QString installerCommand(const QString &type) const;
    void prepareBottle(const QString &type);
    // Waits for the installer, ending it when the check timer asks to or
    // the run is cancelled; false when it could not be started.
    bool waitForInstaller();
    // Waits on the task thread, returning early when the run is cancelled.
    void pause(int ms) const;

    TInstalledAppInfo m_appInfo;
    // Created, started, waited for and killed on the task thread only.
    std::unique_ptr<GroupProcess> m_installerProcess;
    // Set while the installer runs: only then does the check timer end it.
    std::atomic_bool m_installerRunning{false};
    // The check timer's request; cleared once when doWork() begins.
    std::atomic_bool m_killRequested{false};
    std::unique_ptr<QTimer> m_checkTimer;
    bool m_checkFinished = false;
};

#endif // INSTALLINFO_H
