#ifndef CONTAINERINSTALLVIEW_H
#define CONTAINERINSTALLVIEW_H

#include "buryingpointinfo.h"
#include "tpublishedappinfo.h"

#include <QWidget>

#include <functional>

class QStackedWidget;
class WineInstallerPrivate;
class WnAppInfoWidget;
class WnAppInstallWidget;
class WnInstallMethodWidget;
class WnRecoverInstallWidget;
class WnUnkownAppInstallWidget;

/*
 * The content of every install window: five pages in a stack and the install
 * controller that does the work. It moves between the pages on the
 * controller's signals and the user's buttons; the window around it (the
 * host) is closed when the flow ends.
 */
class WineInstallerWnd : public QWidget
{
    Q_OBJECT
public:
    enum Page {
        AppInfoPage = 0,
        MethodPage = 1,
        DefaultInstallPage = 2,
        ProgressPage = 3,
        RecoverPage = 4
    };

    explicit WineInstallerWnd(QWidget *parent = nullptr);

    void setFilePath(const QString &path);
    QString filePath() const;
    void setLogPath(const QString &path);
    QString logPath() const { return m_logPath; }

    void setPublishedAppInfo(const TPublishedAppInfo &info);
    TPublishedAppInfo publishedAppInfo() const;
    void startInstallFlow();
    // Uninstalls the installed application of the same name, then runs the
    // install flow again; the window shows the clean-up meanwhile.
    void reinstallAfterUninstall(const std::function<void()> &beforeFlow);
    // Called when the host is asked to close: true when the close must wait
    // for a clean-up, which this call starts if an installation is in
    // progress. The host closes again by itself once the clean-up is done.
    bool holdCloseForCleanup();
    bool isUploadingLog() const { return m_uploadingLog; }
    // True once the flow has closed its host (it ended or was refused).
    bool hostClosed() const { return m_hostClosed; }

    QWidget *firstPage() const;
    int currentPage() const;
    void showPage(int page);
    WineInstallerPrivate *installer() const { return m_private; }
    WnAppInfoWidget *appInfoPage() const { return m_appInfoPage; }
    WnInstallMethodWidget *methodPage() const { return m_methodPage; }
    WnUnkownAppInstallWidget *defaultInstallPage() const { return m_defaultPage; }
    WnAppInstallWidget *progressPage() const { return m_progressPage; }
    WnRecoverInstallWidget *recoverPage() const { return m_recoverPage; }

signals:
    void s_recoverInstall();

public slots:
    void btnStartAppClickSlot();
    void btnCommitFeedbackClickSlot();
    void btnNextClickSlot();
    void btnCancelClickSlot();
    void getPEInfoFinished(int type, int status);
    void requestCommendAppFinished();
    void showMethodChooseWidget();
    void onStartInstallApp(int iIndex);
    void onUpdateDownloadProgress(qint64 received, qint64 total);
    void onDownloadFinished(int status, const QString &strErr);
    void onExtractFinished(int status, const QString &strErr);
    void onInstallFinished(int status, const QString &strErr);
    void onShowAppInfo();
    void onRepeatInstall();
    void onRetryDownload();
    void onUploadBuryingPoint(int status, const QString &msg);
    void onUploadLog(int status, const QString &msg);
    void onRecoverInstall();
    void onCleaningUp();
    void onCleanupFinished();
    void onChangeName();

private:
    void connectPages();
    void connectInstaller();
    void showDownloadProgress();
    void showNameRefused(const QString &reason);
    void closeHost();
    // Closes the host and tells the user why, in a box of its own.
    void closeWithMessage(const QString &message);

    QStackedWidget *m_stack;
    WnAppInfoWidget *m_appInfoPage;
    WnInstallMethodWidget *m_methodPage;
    WnUnkownAppInstallWidget *m_defaultPage;
    WnAppInstallWidget *m_progressPage;
    WnRecoverInstallWidget *m_recoverPage;
    QString m_logPath;
    WineInstallerPrivate *m_private;
    bool m_hasChoice = false;
    BuryingPointInfo m_buryingPoint;
    bool m_uploadingLog = false;
    bool m_hostClosed = false;
    bool m_closeAfterCleanup = false;
};

#endif // CONTAINERINSTALLVIEW_H
