#include "scriptedinstall.h"

#include "containerinstallview_p.h"
#include "jsonoperator.h"
#include "taskinterface.h"
#include "wineasthttpdownload.h"

#include <QFileInfo>

namespace {

// Progress lines for every this many percent of the download.
constexpr int DownloadStep = 10;

} // namespace

ScriptedInstall::ScriptedInstall(QObject *parent)
    : QObject(parent)
{
}

int ScriptedInstall::defaultChoice(const QList<TPublishedAppInfo> &apps)
{
    // The last entry is the default configuration; the ones before it are
    // the catalogue's prepared configurations.
    int best = apps.size() - 1;
    for (int i = 0; i + 1 < apps.size(); ++i) {
        if (best == apps.size() - 1 || apps.at(i).score > apps.at(best).score)
            best = i;
    }
    return best;
}

void ScriptedInstall::start(const QString &file, const QString &name, const QString &logPath)
{
    m_name = name;
    m_private = new WineInstallerPrivate(this);
    connect(m_private, &WineInstallerPrivate::signalPEFinished, this,
            &ScriptedInstall::onPEFinished);
    connect(m_private, &WineInstallerPrivate::signalAppsFinished, this,
            &ScriptedInstall::onAppsFinished);
    connect(m_private, &WineInstallerPrivate::signalDownloadProgress, this,
            &ScriptedInstall::onDownloadProgress);
    connect(m_private, &WineInstallerPrivate::signalDownloadFinshed, this,
            &ScriptedInstall::onDownloadFinished);
    connect(m_private, &WineInstallerPrivate::signalUnzipFinshed, this,
            &ScriptedInstall::onUnzipFinished);
    connect(m_private, &WineInstallerPrivate::signalInstallFinshed, this,
            &ScriptedInstall::onInstallFinished);
    emit signalProgress(tr("读取 %1").arg(file));
    m_private->setFilePath(QFileInfo(file).absoluteFilePath());
    m_private->setLogPath(logPath);
    m_private->startPEInfo();
}

void ScriptedInstall::cancel()
{
    if (!m_private)
        return;
    // As a closed install window: its controller stops the work and removes
    // what the installation had made.
    delete m_private;
    finish(Cancelled, tr("安装已取消"));
}

void ScriptedInstall::onPEFinished(int type, int status)
{
    Q_UNUSED(type)
    if (status == TaskFailed)
        finish(Failed, tr("不支持的文件格式，无法安装"));
    else if (status == TaskFinished)
        emit signalProgress(tr("查询“%1”的安装配置").arg(m_private->appInfo().appName));
}

void ScriptedInstall::onAppsFinished()
{
    if (!m_name.isEmpty()) {
        // As if the user had changed the name on the first page.
        TInstalledAppInfo record = m_private->appInfo();
        record.appName = m_name;
        record.peInfo.peProductName = m_name;
        record.publishedAppInfo.appName = m_name;
        m_private->setAppInfo(record);
    }
    const int choice = defaultChoice(m_private->recommendApps());
    if (choice < 0)
        return finish(Failed, tr("没有可用的安装配置"));
    m_private->selectInstallMethod(choice);
    const QString appName = m_private->appInfo().appName;
    switch (m_private->checkInstallState()) {
    case WineInstallerPrivate::FreeToInstall:
        emit signalProgress(tr("下载“%1”的安装包").arg(appName));
        m_private->startDownload();
        break;
    case WineInstallerPrivate::AlreadyInstalled:
        finish(AlreadyInstalled, tr("“%1”已经安装").arg(appName));
        break;
    default:
        finish(Failed, appName + tr("正在安装"));
        break;
    }
}

void ScriptedInstall::onDownloadProgress(qint64 received, qint64 total)
{
    if (total <= 0)
        return;
    const int percent = int(received * 100 / total) / DownloadStep * DownloadStep;
    if (percent == m_shownPercent)
        return;
    m_shownPercent = percent;
    emit signalProgress(tr("下载 %1%").arg(percent));
}

void ScriptedInstall::onDownloadFinished(int status, const QString &error)
{
    if (status == WineAstHttpDownload::DownloadFailed)
        return finish(Failed, tr("下载失败：%1").arg(error));
    if (status != WineAstHttpDownload::DownloadFinished)
        return;
    emit signalProgress(tr("解压安装包"));
    m_private->startUnzip();
    m_buryingPoint = buryingPointOf(m_private->appInfo());
    m_private->startUploadBuryingPoint(m_buryingPoint);
}

void ScriptedInstall::onUnzipFinished(int status, const QString &error)
{
    if (status == TaskFailed)
        return finish(Failed, tr("解压失败：%1").arg(error));
    if (status != TaskFinished)
        return;
    emit signalProgress(tr("安装“%1”").arg(m_private->appInfo().appName));
    m_private->startInstall();
}

void ScriptedInstall::onInstallFinished(int status, const QString &error)
{
    Q_UNUSED(error)
    if (status < TaskFinished)
        return;
    const QString appName = m_private->appInfo().appName;
    if (status != TaskFinished)
        return finish(Failed, tr("安装失败：安装程序没有装好“%1”").arg(appName));
    TInstalledAppInfo record;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(appName, record, installedAppsFilePath());
    const bool withEntry = !record.desktopInfo.desktopPath.isEmpty()
                           && QFileInfo(record.desktopInfo.desktopPath).isFile();
    if (record.appName.isEmpty() || record.bottlePath != m_private->appInfo().bottlePath)
        return finish(Failed, tr("安装失败：“%1”没有记录下来").arg(appName));
    m_appInfo = record;
    if (!withEntry)
        return finish(Failed, tr("“%1”已安装，但没有菜单项").arg(appName));
    finish(Installed, tr("已安装“%1”").arg(appName));
}

void ScriptedInstall::finish(int result, const QString &message)
{
    if (m_private)
        m_private->deleteLater();
    m_private = nullptr;
    emit signalFinished(result, message);
}
