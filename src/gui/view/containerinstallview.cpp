#include "containerinstallview.h"

#include "containerinstallview_p.h"
#include "jsonoperator.h"
#include "ldialog.h"
#include "licontheme.h"
#include "llogmanager.h"
#include "ltkwidget.h"
#include "qtnetworkworker.h"
#include "taskinterface.h"
#include "uninstallconfirmation.h"
#include "wineasthttpdownload.h"
#include "wnappinfowidget.h"
#include "wnappinstallwidget.h"
#include "wninstallmethodwidget.h"
#include "wnrecoverinstallwidget.h"
#include "wnunkownappinstallwidget.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>

namespace {

const QSize MessageBoxSize(400, 150);
// Share of the progress display that the download fills.
constexpr double DownloadShare = 0.8;
constexpr int UnpackedProgress = 90;

} // namespace

WineInstallerWnd::WineInstallerWnd(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedWidget(this))
    , m_appInfoPage(new WnAppInfoWidget)
    , m_methodPage(new WnInstallMethodWidget)
    , m_defaultPage(new WnUnkownAppInstallWidget)
    , m_progressPage(new WnAppInstallWidget)
    , m_recoverPage(new WnRecoverInstallWidget)
    , m_private(new WineInstallerPrivate(this))
{
    for (QWidget *page :
         {static_cast<QWidget *>(m_appInfoPage), static_cast<QWidget *>(m_methodPage),
          static_cast<QWidget *>(m_defaultPage), static_cast<QWidget *>(m_progressPage),
          static_cast<QWidget *>(m_recoverPage)})
        m_stack->addWidget(page);
    m_stack->setCurrentIndex(AppInfoPage);

    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);

    connectPages();
    connectInstaller();
}

void WineInstallerWnd::connectPages()
{
    connect(m_appInfoPage->nextButton(), &QPushButton::clicked, this,
            &WineInstallerWnd::showMethodChooseWidget);
    connect(m_methodPage, &WnInstallMethodWidget::s_BeginInstall, this,
            &WineInstallerWnd::onStartInstallApp);
    connect(m_methodPage->previousButton(), &QPushButton::clicked, this,
            &WineInstallerWnd::onShowAppInfo);
    connect(m_defaultPage, &WnUnkownAppInstallWidget::s_BeginInstall, this,
            &WineInstallerWnd::onStartInstallApp);
    connect(m_defaultPage->previousButton(), &QPushButton::clicked, this,
            &WineInstallerWnd::onShowAppInfo);
    connect(m_progressPage, &WnAppInstallWidget::s_CancelProcess, this,
            &WineInstallerWnd::btnCancelClickSlot);
    connect(m_progressPage, &WnAppInstallWidget::s_StartApp, this,
            &WineInstallerWnd::btnStartAppClickSlot);
    connect(m_progressPage, &WnAppInstallWidget::s_CommitFeedback, this,
            &WineInstallerWnd::btnCommitFeedbackClickSlot);
    connect(m_progressPage, &WnAppInstallWidget::s_RetryDownload, this,
            &WineInstallerWnd::onRetryDownload);
    connect(m_progressPage, &WnAppInstallWidget::s_ChangeName, this,
            &WineInstallerWnd::onChangeName);
    // Unpacking again would meet the same package: feedback helps more.
    connect(m_progressPage, &WnAppInstallWidget::s_RetryExtract, this,
            &WineInstallerWnd::btnCommitFeedbackClickSlot);
    connect(m_recoverPage, &WnRecoverInstallWidget::s_CancelInstall, this,
            &WineInstallerWnd::btnCancelClickSlot);
    connect(m_recoverPage, &WnRecoverInstallWidget::s_RecoverInstall, this,
            &WineInstallerWnd::onRecoverInstall);
}

void WineInstallerWnd::connectInstaller()
{
    connect(m_private, &WineInstallerPrivate::signalPEFinished, this,
            &WineInstallerWnd::getPEInfoFinished);
    connect(m_private, &WineInstallerPrivate::signalAppsFinished, this,
            &WineInstallerWnd::requestCommendAppFinished);
    connect(m_private, &WineInstallerPrivate::signalDownloadProgress, this,
            &WineInstallerWnd::onUpdateDownloadProgress);
    connect(m_private, &WineInstallerPrivate::signalDownloadFinshed, this,
            &WineInstallerWnd::onDownloadFinished);
    connect(m_private, &WineInstallerPrivate::signalUnzipFinshed, this,
            &WineInstallerWnd::onExtractFinished);
    connect(m_private, &WineInstallerPrivate::signalInstallFinshed, this,
            &WineInstallerWnd::onInstallFinished);
    connect(m_private, &WineInstallerPrivate::signalUploadLog, this,
            &WineInstallerWnd::onUploadLog);
    connect(m_private, &WineInstallerPrivate::signalUploadBuryingPointFinshed, this,
            &WineInstallerWnd::onUploadBuryingPoint);
    connect(m_private, &WineInstallerPrivate::signalCleaningUp, this,
            &WineInstallerWnd::onCleaningUp);
    connect(m_private, &WineInstallerPrivate::signalCleanupFinished, this,
            &WineInstallerWnd::onCleanupFinished);
}

void WineInstallerWnd::setFilePath(const QString &path)
{
    m_private->setFilePath(path);
    m_private->startPEInfo();
}

QString WineInstallerWnd::filePath() const
{
    return m_private->appInfo().peInfo.peFilePath;
}

void WineInstallerWnd::setLogPath(const QString &path)
{
    m_private->setLogPath(path);
    m_logPath = path;
}

void WineInstallerWnd::setPublishedAppInfo(const TPublishedAppInfo &info)
{
    TInstalledAppInfo record;
    record.appName = info.appName;
    record.publishedAppInfo = info;
    m_private->setAppInfo(record);
    // A catalogue install gets no log path from its opener; without one its
    // feedback would carry no log.
    setLogPath(m_logPath.isEmpty() ? LLogManager::getlogFilePath() : m_logPath);
}

TPublishedAppInfo WineInstallerWnd::publishedAppInfo() const
{
    return m_private->appInfo().publishedAppInfo;
}

QWidget *WineInstallerWnd::firstPage() const
{
    return m_stack->widget(AppInfoPage);
}

int WineInstallerWnd::currentPage() const
{
    return m_stack->currentIndex();
}

void WineInstallerWnd::showPage(int page)
{
    m_stack->setCurrentIndex(page);
}

void WineInstallerWnd::closeHost()
{
    m_hostClosed = true;
    window()->close();
}

void WineInstallerWnd::closeWithMessage(const QString &message)
{
    LDialog box;
    box.setFixedSize(MessageBoxSize);
    box.setMessage(message);
    box.addSpacing(10);
    box.addButton(tr("确定"));
    box.setIcon(QIcon(LIconTheme::builtinPrefix() + QStringLiteral("warning_logo.svg")));
    Ltk::Widget::moveToCenter(&box);
    // Shown before the host goes, so that closing the host is never taken
    // for closing the last window and the box stays up.
    box.show();
    closeHost();
    box.exec();
}

void WineInstallerWnd::reinstallAfterUninstall(const std::function<void()> &beforeFlow)
{
    m_private->unInstallThen(m_private->appInfo().appName, [this, beforeFlow] {
        if (m_closeAfterCleanup)
            return;
        beforeFlow();
        startInstallFlow();
    });
}

bool WineInstallerWnd::holdCloseForCleanup()
{
    if (m_private->isCleaningUp() || m_private->cancelInBackground()) {
        m_closeAfterCleanup = true;
        return true;
    }
    return false;
}

void WineInstallerWnd::onCleaningUp()
{
    showPage(ProgressPage);
    m_progressPage->setStatusText(tr("正在清理，请稍候"));
    // There is nothing left to cancel; closing waits for the clean-up.
    m_progressPage->cancelButton()->setEnabled(false);
}

void WineInstallerWnd::onCleanupFinished()
{
    m_progressPage->cancelButton()->setEnabled(true);
    if (m_closeAfterCleanup && !m_private->isCleaningUp())
        closeHost();
}

void WineInstallerWnd::getPEInfoFinished(int type, int status)
{
    Q_UNUSED(type)
    if (status == TaskFinished) {
        const TInstalledAppInfo record = m_private->appInfo();
        m_recoverPage->setAppName(record.appName);
        m_appInfoPage->setPeInfo(record.peInfo);
        m_hasChoice = true;
        window()->show();
    } else if (status == TaskFailed) {
        m_hasChoice = false;
        closeWithMessage(tr("不支持的文件格式，无法打开"));
    }
}

void WineInstallerWnd::requestCommendAppFinished()
{
    // Only what arrived counts: page 1 for recommended configurations, page 2
    // for the default configuration (installType 1) alone.
    const QList<TPublishedAppInfo> apps = m_private->recommendApps();
    const auto isDefault = [](const TPublishedAppInfo &app) {
        return app.installType != 0;
    };
    m_hasChoice = !std::all_of(apps.cbegin(), apps.cend(), isDefault);
    if (m_hasChoice)
        m_methodPage->setMethods(apps, m_private->appInfo().peInfo);
    const auto defaultConfig = std::find_if(apps.cbegin(), apps.cend(), isDefault);
    m_defaultPage->setDefaultIndex(
            defaultConfig == apps.cend() ? -1 : int(std::distance(apps.cbegin(), defaultConfig)));
    // The user went on before the list came: the page follows what came.
    if (currentPage() == MethodPage || currentPage() == DefaultInstallPage)
        showPage(m_hasChoice ? MethodPage : DefaultInstallPage);
}

void WineInstallerWnd::showMethodChooseWidget()
{
    TInstalledAppInfo record = m_private->appInfo();
    const TPeInfo shown = m_appInfoPage->peInfo();
    record.appName = shown.peProductName;
    record.peInfo.peProductName = shown.peProductName;
    record.publishedAppInfo.appName = shown.peProductName;
    record.peInfo.peProductVersion = shown.peProductVersion;
    m_private->setAppInfo(record);
    showPage(m_hasChoice ? MethodPage : DefaultInstallPage);
}

void WineInstallerWnd::onStartInstallApp(int iIndex)
{
    // Nothing chosen (the list is still on its way): nothing to install.
    if (iIndex < 0)
        return;
    m_private->selectInstallMethod(iIndex);
    startInstallFlow();
}

void WineInstallerWnd::showDownloadProgress()
{
    m_progressPage->setState(WnAppInstallWidget::Downloading);
    m_progressPage->setAppName(m_private->appInfo().appName);
    showPage(ProgressPage);
}

void WineInstallerWnd::startInstallFlow()
{
    switch (m_private->checkInstallState()) {
    case WineInstallerPrivate::FreeToInstall: {
        const QString refusal = m_private->unusableNameReason();
        if (!refusal.isEmpty()) {
            showNameRefused(refusal);
            break;
        }
        // The page first: a package that is already at hand reports at once.
        showDownloadProgress();
        m_private->startDownload();
        break;
    }
    case WineInstallerPrivate::AlreadyInstalled:
        m_recoverPage->setAppName(m_private->appInfo().appName);
        onRepeatInstall();
        break;
    default:
        closeWithMessage(m_private->appInfo().appName + tr("正在安装"));
        break;
    }
}

void WineInstallerWnd::showNameRefused(const QString &reason)
{
    // Only a program file's name was the user's to choose, on page 0.
    const bool canChangeName = !m_private->appInfo().peInfo.peFilePath.isEmpty();
    m_progressPage->setAppName(m_private->appInfo().appName);
    m_progressPage->showNameRefused(reason, canChangeName);
    showPage(ProgressPage);
}

void WineInstallerWnd::onChangeName()
{
    showPage(AppInfoPage);
    m_appInfoPage->startEditing();
}

void WineInstallerWnd::onUpdateDownloadProgress(qint64 received, qint64 total)
{
    if (total <= 0)
        return;
    m_progressPage->setProgress(int(double(received) * DownloadShare / double(total) * 100));
}

void WineInstallerWnd::onDownloadFinished(int status, const QString &strErr)
{
    Q_UNUSED(strErr)
    if (status == WineAstHttpDownload::DownloadFinished) {
        m_progressPage->setState(WnAppInstallWidget::Unpacking);
        m_progressPage->setStatusText(QString());
        m_private->startUnzip();
        m_buryingPoint = buryingPointOf(m_private->appInfo());
        m_private->startUploadBuryingPoint(m_buryingPoint);
    } else if (status == WineAstHttpDownload::DownloadFailed) {
        m_progressPage->showResult(false);
    }
}

void WineInstallerWnd::onExtractFinished(int status, const QString &strErr)
{
    Q_UNUSED(strErr)
    if (status == TaskFinished) {
        m_progressPage->setState(WnAppInstallWidget::Installing);
        m_progressPage->setProgress(UnpackedProgress);
        m_private->startInstall();
    } else if (status == TaskFailed) {
        m_progressPage->showResult(false);
    }
}

void WineInstallerWnd::onInstallFinished(int status, const QString &strErr)
{
    Q_UNUSED(strErr)
    if (status == TaskFinished) {
        m_progressPage->setState(WnAppInstallWidget::Installed);
        m_progressPage->showResult(true);
    } else if (status == TaskFailed) {
        m_progressPage->showResult(false);
    }
}

void WineInstallerWnd::onRetryDownload()
{
    // Things may have changed since the first try: another window may have
    // installed the application meanwhile, and that record must not be lost.
    startInstallFlow();
}

void WineInstallerWnd::btnStartAppClickSlot()
{
    m_private->slotStartApp();
    closeHost();
}

void WineInstallerWnd::btnCancelClickSlot()
{
    closeHost();
}

void WineInstallerWnd::btnCommitFeedbackClickSlot()
{
    qInfo() << "start upload app log, " << m_private->appInfo().logPath;
    m_uploadingLog = true;
    m_private->slotUploadLog();
    closeHost();
}

void WineInstallerWnd::btnNextClickSlot()
{
    if (m_stack->currentIndex() + 1 < m_stack->count())
        showPage(m_stack->currentIndex() + 1);
}

void WineInstallerWnd::onShowAppInfo()
{
    showPage(AppInfoPage);
}

void WineInstallerWnd::onRepeatInstall()
{
    showPage(RecoverPage);
}

void WineInstallerWnd::onUploadBuryingPoint(int status, const QString &msg)
{
    if (status == QtNetworkWorker::Finished)
        qInfo() << "upload buryingPoint info successfully,msg:" << msg;
    else
        qInfo() << "upload buryingPoint info ..., "
                << "staus:" << status;
}

void WineInstallerWnd::onUploadLog(int status, const QString &msg)
{
    Q_UNUSED(msg)
    if (status == QtNetworkWorker::Finished)
        qInfo() << "upload log success.";
    if (status == QtNetworkWorker::Finished || status == QtNetworkWorker::Failed) {
        m_uploadingLog = false;
        closeHost();
    }
}

void WineInstallerWnd::onRecoverInstall()
{
    TInstalledAppInfo installed;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(m_private->appInfo().appName, installed,
                                                        installedAppsFilePath());
    if (installed.appName.isEmpty())
        installed = m_private->appInfo();
    if (UninstallConfirmation::confirm(installed, UninstallConfirmation::Overwrite, window()))
        emit s_recoverInstall();
}
