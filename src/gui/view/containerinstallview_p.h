#ifndef CONTAINERINSTALLVIEW_P_H
#define CONTAINERINSTALLVIEW_P_H

#include "buryingpointinfo.h"
#include "tinstalledappinfo.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class InstallInfo;
class QTemporaryDir;
class SerialWorker;
class UnzipInfo;
class WineAstAppDownloadPoint;
class WineAstAppLogUpload;
class WineAstHttpDownload;
class WinePEInfo;
class WineRecommandApps;

/*
 * Drives one installation for its install window: reads the program file,
 * asks the catalogue for configurations, then downloads the chosen package,
 * unpacks it into a new bottle, runs the installation and records the
 * application. Each step reports through a signal; the window decides what
 * to show. A cancelled or failed installation is cleaned up on a worker
 * thread (ending its Wine processes can take seconds), announced by
 * signalCleaningUp and ended by signalCleanupFinished. Destroyed in the
 * middle of an installation, it stops the work and removes what the
 * installation had made before it goes. GUI thread only; the saves of the
 * installed-apps file and the settings, the start script's edits and the
 * log archive by 7z run on its one worker thread, in the order asked, so
 * that the window never waits for the disk or a program.
 */
class WineInstallerPrivate : public QObject
{
    Q_OBJECT
public:
    enum InstallState { FreeToInstall = 0, AlreadyInstalled = 1, BeingInstalled = 2 };
    enum Phase { Idle, Downloading, Unpacking, Installing };

    explicit WineInstallerPrivate(QObject *parent = nullptr);
    ~WineInstallerPrivate() override;

    void setFilePath(const QString &path);
    void startPEInfo();
    void setLogPath(const QString &path);
    TInstalledAppInfo &appInfo() { return m_appInfo; }
    const TInstalledAppInfo &appInfo() const { return m_appInfo; }
    void setAppInfo(const TInstalledAppInfo &info);
    QList<TPublishedAppInfo> recommendApps() const;
    void selectInstallMethod(int index);
    int checkInstallState() const;
    void startDownload();
    void startUnzip();
    void startInstall();
    void startUploadBuryingPoint(BuryingPointInfo &info);
    void removeThisInstall();

    Phase phase() const { return m_phase; }
    bool isCleaningUp() const { return m_pendingCleanups > 0; }
    // Cancels the installation in progress without waiting for it; true
    // while its clean-up goes on, false when there is none to wait for.
    bool cancelInBackground();
    // Uninstalls the installed application of this name, then calls done.
    void unInstallThen(const QString &appName, const std::function<void()> &done);
    // The installation's bottle and cached package, from its names.
    QString plannedBottlePath() const;
    QString recommendedPackagePath() const;
    // Why the name cannot make this installation's bottle, in words for the
    // user; empty when it can.
    QString unusableNameReason() const;

    // A name as one path component: separators and control characters
    // become "_".
    static QString pathSafeName(const QString &name);
    // The bottle's directory name: name, author and version joined by "_"
    // ("_app" added to a name of the folders all bottles share).
    static QString bottleName(const TInstalledAppInfo &info);
    // The names of the installations running in this process.
    static QList<QString> runningInstalls();

public slots:
    void slotStartApp();
    void slotUploadLog();
    void slotUnInstallApp(TInstalledAppInfo *info);

    void slotPEFinished(int type, int status);
    void slotUnzipFinished(int type, int status);
    void slotInstallFinshed(int type, int status);
    void slotDownloadFinished(int status, const QString &strErr);
    void slotUploadBuryingPointFinished(int status, const QString &msg);

signals:
    void signalPEFinished(int type, int status);
    void signalAppsFinished();
    void signalDownloadProgress(qint64 received, qint64 total);
    void signalDownloadFinshed(int status, QString strErr);
    void signalUnzipFinshed(int status, QString strErr);
    void signalInstallFinshed(int status, QString strErr);
    void signalUploadBuryingPointFinshed(int status, QString msg);
    void signalUploadLog(int status, QString msg);
    void signalCleaningUp();
    void signalCleanupFinished();

private:
    // The rest of an unpacked recommended configuration, on the worker
    // thread: its package goes, its name is read and its start script is
    // adapted; then the unpack ends here.
    void prepareUnpackedBottle(int status, const QString &error);
    void endUnzip(int status, const QString &error);
    // Stores the installed application in the installed-apps file on the
    // worker thread, then adds it to the registry and calls then.
    void recordInstalledApp(const std::function<void()> &then);
    // Packs the log into a fresh private directory; the file to send. Runs
    // 7z, so it is called on the worker thread.
    static QString makeLogArchive(const QString &logPath,
                                  std::unique_ptr<QTemporaryDir> &archiveDir);
    void uploadLog(const QString &file);
    void onLogUploaded(int status, const QString &msg);
    // Ends the installation in progress; what it made is removed by the
    // returned work, which waits for the tasks and may run on any thread.
    std::function<void()> cancelInstallation();
    // Runs work on the worker thread as a clean-up, then done here.
    void runCleanup(const std::function<void()> &work, const std::function<void()> &done);
    // Runs work on the worker thread, then done here: files are read and
    // written there, never on the GUI thread.
    void runInBackground(const std::function<void()> &work, const std::function<void()> &done);
    void releaseDownload();
    // Where the default package goes: the shared file, or a file of this
    // installation's own while another one is still fetching or unpacking it.
    QString defaultPackagePath();
    void removeTransientPackage();

    static QMap<WineInstallerPrivate *, QString> s_runningInstalls;

    TInstalledAppInfo m_appInfo;
    WinePEInfo *m_peTask;
    WineRecommandApps *m_recommend;
    UnzipInfo *m_unzipTask;
    InstallInfo *m_installTask;
    WineAstAppDownloadPoint *m_downloadPoint = nullptr;
    QPointer<WineAstHttpDownload> m_download;
    QPointer<WineAstAppLogUpload> m_logUpload;
    std::unique_ptr<QTemporaryDir> m_logArchiveDir;
    bool m_packingLog = false;
    Phase m_phase = Idle;
    // Its jobs run one after another, in the order asked.
    SerialWorker *m_worker;
    int m_pendingCleanups = 0;
    // A default package of this installation alone, removed once unpacked.
    QString m_transientPackage;
};

#endif // CONTAINERINSTALLVIEW_P_H
