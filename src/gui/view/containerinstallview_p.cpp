#include "containerinstallview_p.h"

#include "commandline.h"
#include "common.h"
#include "doaction.h"
#include "execline.h"
#include "inioperator.h"
#include "installcleanup.h"
#include "installinfo.h"
#include "jsonoperator.h"
#include "llogmanager.h"
#include "loguploadinfo.h"
#include "qtnetworkworker.h"
#include "serialworker.h"
#include "startscript.h"
#include "unzipinfo.h"
#include "userfolders.h"
#include "wineastappdownloadpoint.h"
#include "wineastapplist.h"
#include "wineastapplogupload.h"
#include "wineasthttpdownload.h"
#include "wineinstalledapps.h"
#include "winepeinfo.h"
#include "winerecommandapps.h"
#include "winesettings.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>

namespace {

constexpr int HelperTimeoutMs = 30000;
constexpr int UnknownCategory = 99;

QString recommendedCacheDir()
{
    return QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/apps/recommond/");
}

QString defaultCacheDir()
{
    return QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/apps/default/");
}

// A name that can stand for a directory of its own.
bool isUsableName(const QString &name)
{
    const QString trimmed = name.trimmed();
    return !trimmed.isEmpty() && trimmed != QLatin1String(".") && trimmed != QLatin1String("..");
}

QString currentTime(const QString &format)
{
    return QDateTime::currentDateTime().toString(format);
}

// The installed application as recorded: its menu entry's values read into
// the record, which is then added to the installed-apps file. Another
// bottle may hold an application of this name (installed from elsewhere
// meanwhile): both are kept, this one under a name of its own. Reads and
// writes files, so it runs on the worker thread.
TInstalledAppInfo storeInstalledApp(TInstalledAppInfo app)
{
    TDesktopfileInfo &desktop = app.desktopInfo;
    const QString path = desktop.desktopPath;
    const QList<QPair<QString, QString *>> keys = {
            {QStringLiteral("Icon"), &desktop.icon},
            {QStringLiteral("Exec"), &desktop.exec},
            {QStringLiteral("Name"), &desktop.name},
            {QStringLiteral("Type"), &desktop.type},
            {QStringLiteral("Categories"), &desktop.categories},
            {QStringLiteral("StartupWMClass"), &desktop.startupwmclass},
            {QStringLiteral("StartupNotify"), &desktop.startupnotify},
            {QStringLiteral("Comment"), &desktop.comment},
            {QStringLiteral("Path"), &desktop.path},
    };
    for (const auto &key : keys)
        *key.second = CommonIniOperator::findValueByKey(key.first, path);
    const QString stored = CommonJsonOperator::writeToJasonfile(app, installedAppsFilePath());
    if (!stored.isEmpty())
        app.appName = stored;
    return app;
}

} // namespace

QMap<WineInstallerPrivate *, QString> WineInstallerPrivate::s_runningInstalls;

WineInstallerPrivate::WineInstallerPrivate(QObject *parent)
    : QObject(parent)
    , m_peTask(new WinePEInfo(this))
    , m_recommend(new WineRecommandApps(this))
    , m_unzipTask(new UnzipInfo(this))
    , m_installTask(new InstallInfo(this))
    , m_worker(new SerialWorker(this))
{
    connect(m_peTask, &TaskInterface::signalStatus, this, &WineInstallerPrivate::slotPEFinished);
    connect(m_unzipTask, &TaskInterface::signalStatus, this,
            &WineInstallerPrivate::slotUnzipFinished);
    connect(m_installTask, &TaskInterface::signalStatus, this,
            &WineInstallerPrivate::slotInstallFinshed);
    connect(m_recommend, &WineRecommandApps::signalFinished, this,
            &WineInstallerPrivate::signalAppsFinished);
}

WineInstallerPrivate::~WineInstallerPrivate()
{
    // The window is being torn down around us: nothing may reach it now.
    blockSignals(true);
    // Nothing may outlive the tasks it waits for; a record being stored is
    // stored.
    m_worker->finishAll();
    if (m_phase != Idle)
        cancelInstallation()();
    releaseDownload();
    delete m_downloadPoint;
    delete m_logUpload;
    removeThisInstall();
    // The clean-up just asked for is done as well.
    m_worker->finishAll();
}

void WineInstallerPrivate::setFilePath(const QString &path)
{
    if (path.isEmpty())
        return;
    m_peTask->setFilePath(path);
    m_appInfo.peInfo.peFilePath = path;
}

void WineInstallerPrivate::startPEInfo()
{
    m_peTask->start();
}

void WineInstallerPrivate::slotPEFinished(int type, int status)
{
    if (type == TaskPeInfo && status == TaskFinished) {
        m_appInfo.peInfo = m_peTask->getPEInfo();
        const QString name = m_appInfo.peInfo.peProductName;
        m_appInfo.appName = name;
        m_appInfo.publishedAppInfo.appName = name;
        m_recommend->setRecommendName(name);
        m_recommend->requestRecommandApps();
    }
    emit signalPEFinished(type, status);
}

void WineInstallerPrivate::setLogPath(const QString &path)
{
    if (!path.isEmpty())
        m_appInfo.logPath = path;
}

void WineInstallerPrivate::setAppInfo(const TInstalledAppInfo &info)
{
    m_appInfo = info;
}

QList<TPublishedAppInfo> WineInstallerPrivate::recommendApps() const
{
    return m_recommend->getRecommandApps();
}

void WineInstallerPrivate::selectInstallMethod(int index)
{
    const QList<TPublishedAppInfo> apps = recommendApps();
    if (index < 0 || index >= apps.size())
        return;
    m_appInfo.publishedAppInfo = apps.at(index);
    if (m_appInfo.publishedAppInfo.installType == 0)
        m_appInfo.appName = m_appInfo.publishedAppInfo.appName;
}

int WineInstallerPrivate::checkInstallState() const
{
    for (const QString &name : qAsConst(s_runningInstalls)) {
        if (name == m_appInfo.appName)
            return BeingInstalled;
    }
    TInstalledAppInfo record;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(m_appInfo.appName, record,
                                                        installedAppsFilePath());
    return record.appName.isEmpty() ? FreeToInstall : AlreadyInstalled;
}

QString WineInstallerPrivate::pathSafeName(const QString &name)
{
    QString safe = name;
    for (QChar &c : safe) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return safe;
}

QString WineInstallerPrivate::bottleName(const TInstalledAppInfo &info)
{
    QStringList parts{pathSafeName(info.appName)};
    if (!info.publishedAppInfo.author.isEmpty())
        parts.append(pathSafeName(info.publishedAppInfo.author));
    if (!info.publishedAppInfo.version.isEmpty())
        parts.append(pathSafeName(info.publishedAppInfo.version));
    const QString name = parts.join(QLatin1Char('_'));
    // The start script's prefix is ~/.lirvanwine/ and this name: a shared
    // folder there must never become one.
    return Doaction::sharedDirNames().contains(name) ? name + QStringLiteral("_app") : name;
}

QList<QString> WineInstallerPrivate::runningInstalls()
{
    return s_runningInstalls.values();
}

QString WineInstallerPrivate::plannedBottlePath() const
{
    return UserFolders::bottles() + bottleName(m_appInfo);
}

QString WineInstallerPrivate::recommendedPackagePath() const
{
    const TPublishedAppInfo &published = m_appInfo.publishedAppInfo;
    QString name = pathSafeName(m_appInfo.appName) + QLatin1Char('_');
    if (!published.author.isEmpty())
        name += pathSafeName(published.author) + QLatin1Char('_');
    return recommendedCacheDir() + name + pathSafeName(published.version) + QStringLiteral(".7z");
}

QString WineInstallerPrivate::unusableNameReason() const
{
    const QString name = m_appInfo.appName;
    if (name.trimmed().isEmpty())
        return tr("应用名称不能为空。");
    if (!isUsableName(name))
        return tr("“%1”不能用作应用的文件夹名称。").arg(name);
    // Different names can still make the same bottle ("A/B" and "A_B").
    const QString bottle = plannedBottlePath();
    const auto &installed = WineInstalledApps::instance()->getInstalledApps();
    const auto owner = installed.constFind(bottle);
    if (owner != installed.constEnd())
        return tr("它的文件夹会与已安装的应用“%1”的文件夹相同。").arg(owner->appName);
    for (auto it = s_runningInstalls.cbegin(); it != s_runningInstalls.cend(); ++it) {
        if (it.key() != this && it.key()->plannedBottlePath() == bottle)
            return tr("它的文件夹会与正在安装的应用“%1”的文件夹相同。").arg(it.value());
    }
    return QString();
}

void WineInstallerPrivate::startDownload()
{
    if (!s_runningInstalls.contains(this)) {
        s_runningInstalls.insert(this, m_appInfo.appName);
        qInfo() << m_appInfo.appName << "install start";
    }
    releaseDownload();
    const QString reason = unusableNameReason();
    if (!reason.isEmpty()) {
        qWarning().noquote() << m_appInfo.appName << "cannot be installed:" << reason;
        removeThisInstall();
        // Reported once the caller has shown the download.
        QTimer::singleShot(0, this, [this, reason] {
            emit signalDownloadFinshed(WineAstHttpDownload::DownloadFailed, reason);
        });
        return;
    }
    m_phase = Downloading;

    QDir().mkpath(recommendedCacheDir());
    QDir().mkpath(defaultCacheDir());
    TPublishedAppInfo &published = m_appInfo.publishedAppInfo;
    if (published.installType == 0)
        published.localPath = recommendedPackagePath();
    else if (!published.Url.isEmpty())
        published.localPath = defaultPackagePath();

    m_download = new WineAstHttpDownload(published, this);
    connect(m_download, &WineAstHttpDownload::signalDownloadProgress, this,
            &WineInstallerPrivate::signalDownloadProgress);
    connect(m_download, &WineAstHttpDownload::signalStatus, this,
            &WineInstallerPrivate::slotDownloadFinished);
    m_download->startDownLoad();
}

QString WineInstallerPrivate::defaultPackagePath()
{
    removeTransientPackage();
    const QString shared = defaultCacheDir() + QStringLiteral("default.7z");
    for (auto it = s_runningInstalls.cbegin(); it != s_runningInstalls.cend(); ++it) {
        const WineInstallerPrivate *other = it.key();
        if (other != this && other->m_phase != Idle && other->m_phase != Installing
            && other->m_appInfo.publishedAppInfo.localPath == shared) {
            // Two downloads into one file would interleave their bytes.
            m_transientPackage = defaultCacheDir()
                                 + QStringLiteral("default-%1.7z")
                                           .arg(QUuid::createUuid().toString(QUuid::Id128));
            return m_transientPackage;
        }
    }
    return shared;
}

void WineInstallerPrivate::removeTransientPackage()
{
    if (m_transientPackage.isEmpty())
        return;
    QFile::remove(m_transientPackage);
    m_transientPackage.clear();
}

void WineInstallerPrivate::releaseDownload()
{
    if (!m_download)
        return;
    // A partial file stays for a later resume.
    disconnect(m_download, nullptr, this, nullptr);
    if (m_download->isDownloading())
        m_download->stopDownLoad();
    m_download->deleteLater();
    m_download = nullptr;
}

void WineInstallerPrivate::slotDownloadFinished(int status, const QString &strErr)
{
    const TPublishedAppInfo &published = m_appInfo.publishedAppInfo;
    if (status == WineAstHttpDownload::DownloadFinished && published.installType == 1
        && QFileInfo::exists(published.localPath) && published.localPath != m_transientPackage) {
        const QString localPath = published.localPath;
        runInBackground(
                [localPath] { WineSettings::store(QStringLiteral("local_path"), localPath); },
                [] {});
    }
    if (status == WineAstHttpDownload::DownloadFailed) {
        removeTransientPackage();
        removeThisInstall();
        m_phase = Idle;
    }
    if (status >= WineAstHttpDownload::DownloadFinished && sender() == m_download) {
        // Its work is done; it is still inside its own signal, so it is
        // neither stopped nor deleted here.
        disconnect(m_download, nullptr, this, nullptr);
        m_download->deleteLater();
        m_download = nullptr;
    }
    emit signalDownloadFinshed(status, strErr);
}

void WineInstallerPrivate::startUnzip()
{
    QString reason = unusableNameReason();
    if (m_appInfo.appName.isEmpty()) {
        qWarning() << "app name is empty";
        reason = tr("app name is empty");
    }
    if (!reason.isEmpty()) {
        qWarning().noquote() << m_appInfo.appName << "cannot be installed:" << reason;
        removeThisInstall();
        m_phase = Idle;
        QTimer::singleShot(0, this,
                           [this, reason] { emit signalUnzipFinshed(TaskFailed, reason); });
        return;
    }
    m_phase = Unpacking;
    m_appInfo.bottlePath = plannedBottlePath();
    m_unzipTask->setPackagePath(m_appInfo.publishedAppInfo.localPath);
    m_unzipTask->setUnzipPath(m_appInfo.bottlePath);
    m_unzipTask->setMd5(m_appInfo.publishedAppInfo.MD5);
    m_unzipTask->start();
}

void WineInstallerPrivate::slotUnzipFinished(int type, int status)
{
    // A status of a run that was cancelled or given up is of no interest.
    if (m_phase != Unpacking)
        return;
    const auto task = qobject_cast<TaskInterface *>(sender());
    const QString error = task ? task->getErrString() : QString();
    if (type == TaskUnzip && status == TaskFinished) {
        TPublishedAppInfo &published = m_appInfo.publishedAppInfo;
        if (published.installType == 0) {
            prepareUnpackedBottle(status, error);
            return;
        }
        if (!m_appInfo.appName.isEmpty() && published.appName.isEmpty())
            published.appName = m_appInfo.appName;
        if (published.author.isEmpty())
            published.author = tr("unknown");
    }
    endUnzip(status, error);
}

void WineInstallerPrivate::prepareUnpackedBottle(int status, const QString &error)
{
    const TInstalledAppInfo unpacked = m_appInfo;
    auto packageName = std::make_shared<QString>(unpacked.publishedAppInfo.packageName);
    runInBackground(
            [unpacked, packageName] {
                const QString package = unpacked.publishedAppInfo.localPath;
                if (QFileInfo::exists(package))
                    QFile::remove(package);
                const QString info = unpacked.bottlePath + QStringLiteral("/info");
                if (packageName->isEmpty() && QFileInfo::exists(info))
                    *packageName = CommonJsonOperator::getValuebyKey(QStringLiteral("appid"), info);
                StartScript::adapt(unpacked.bottlePath);
            },
            [this, packageName, status, error] {
                // Cancelled meanwhile: the clean-up that follows removes it all.
                if (m_phase != Unpacking)
                    return;
                m_appInfo.publishedAppInfo.packageName = *packageName;
                endUnzip(status, error);
            });
}

void WineInstallerPrivate::endUnzip(int status, const QString &error)
{
    if (status >= TaskFinished)
        removeTransientPackage();
    if (status == TaskFailed) {
        removeThisInstall();
        m_phase = Idle;
    }
    emit signalUnzipFinshed(status, error);
}

void WineInstallerPrivate::startInstall()
{
    m_phase = Installing;
    m_installTask->setAppInfo(m_appInfo);
    m_installTask->start();
}

void WineInstallerPrivate::slotInstallFinshed(int type, int status)
{
    if (m_phase != Installing)
        return;
    if (status < TaskFinished) {
        emit signalInstallFinshed(status, QString());
        return;
    }
    m_phase = Idle;
    m_appInfo.desktopInfo.desktopPath = m_installTask->getAppInfo().desktopInfo.desktopPath;
    const auto finish = [this, status] {
        removeThisInstall();
        emit signalInstallFinshed(status, QString());
    };
    if (type == TaskInstall && status == TaskFailed) {
        qWarning().noquote() << m_appInfo.appName + QStringLiteral(" install failed! id:")
                                        + QString::number(type) + QStringLiteral(" status:")
                                        + QString::number(status);
        const TInstalledAppInfo made = m_appInfo;
        runCleanup([made] { InstallCleanup::discard(made); }, finish);
        return;
    }
    if (type == TaskInstall && status == TaskFinished) {
        recordInstalledApp(finish);
        return;
    }
    finish();
}

void WineInstallerPrivate::recordInstalledApp(const std::function<void()> &then)
{
    m_appInfo.installTime = currentTime(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    auto stored = std::make_shared<TInstalledAppInfo>(m_appInfo);
    runInBackground([stored] { *stored = storeInstalledApp(*stored); },
                    [this, stored, then] {
                        m_appInfo = *stored;
                        WineInstalledApps::instance()->addInstalledApps(m_appInfo);
                        then();
                    });
}

std::function<void()> WineInstallerPrivate::cancelInstallation()
{
    const Phase phase = m_phase;
    m_phase = Idle;
    qInfo() << m_appInfo.appName << "install cancelled";
    releaseDownload();
    // The tasks end their commands' process groups at once; whatever they
    // still report is dropped, the phase being over.
    m_unzipTask->requestAbort();
    m_installTask->requestAbort();
    removeTransientPackage();
    removeThisInstall();
    UnzipInfo *unzip = m_unzipTask;
    InstallInfo *install = m_installTask;
    const TInstalledAppInfo made = m_appInfo;
    return [unzip, install, made, phase] {
        unzip->wait();
        install->wait();
        if (phase == Downloading)
            return;
        TInstalledAppInfo record = made;
        if (phase == Installing)
            record.desktopInfo.desktopPath = install->getAppInfo().desktopInfo.desktopPath;
        InstallCleanup::discard(record);
    };
}

bool WineInstallerPrivate::cancelInBackground()
{
    if (m_phase == Idle)
        return false;
    if (m_phase == Downloading) {
        // No task runs and nothing was made: done at once.
        cancelInstallation()();
        return false;
    }
    runCleanup(cancelInstallation(), [] {});
    return true;
}

void WineInstallerPrivate::runCleanup(const std::function<void()> &work,
                                      const std::function<void()> &done)
{
    ++m_pendingCleanups;
    emit signalCleaningUp();
    runInBackground(work, [this, done] {
        --m_pendingCleanups;
        done();
        emit signalCleanupFinished();
    });
}

void WineInstallerPrivate::runInBackground(const std::function<void()> &work,
                                           const std::function<void()> &done)
{
    // done() is dropped when this object is gone by then.
    m_worker->run(work, done);
}

void WineInstallerPrivate::startUploadBuryingPoint(BuryingPointInfo &info)
{
    if (!m_downloadPoint) {
        m_downloadPoint = new WineAstAppDownloadPoint;
        connect(m_downloadPoint, &WineAstAppDownloadPoint::signalFinished, this,
                &WineInstallerPrivate::slotUploadBuryingPointFinished);
    }
    if (!WineAstApplist::instance()->categories().contains(info.categories))
        info.categories = UnknownCategory;
    const bool recommended = info.installType == 0;
    qInfo() << "start upload buryingPoint info, " << (recommended ? info.id : 0) << info.appName
            << info.categories;
    if (recommended)
        m_downloadPoint->requestDownloadPoint(info.id, QString(), 0);
    else
        m_downloadPoint->requestDownloadPoint(0, info.appName, info.categories);
}

void WineInstallerPrivate::slotUploadBuryingPointFinished(int status, const QString &msg)
{
    if ((status == QtNetworkWorker::Finished || status == QtNetworkWorker::Failed)
        && m_downloadPoint) {
        m_downloadPoint->deleteLater();
        m_downloadPoint = nullptr;
    }
    emit signalUploadBuryingPointFinshed(status, msg);
}

void WineInstallerPrivate::removeThisInstall()
{
    const auto it = s_runningInstalls.find(this);
    if (it == s_runningInstalls.end())
        return;
    qInfo() << it.value() << "install end";
    s_runningInstalls.erase(it);
}

void WineInstallerPrivate::slotStartApp()
{
    Doaction::instance()->stratAPP(&m_appInfo);
}

void WineInstallerPrivate::slotUnInstallApp(TInstalledAppInfo *info)
{
    unInstallThen(info->appName, [] {});
}

void WineInstallerPrivate::unInstallThen(const QString &appName, const std::function<void()> &done)
{
    TInstalledAppInfo record;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(appName, record, installedAppsFilePath());
    if (record.appName.isEmpty()) {
        done();
        return;
    }
    ++m_pendingCleanups;
    emit signalCleaningUp();
    Doaction::instance()->unInstallAppLater(record, this, [this, done] {
        --m_pendingCleanups;
        done();
        emit signalCleanupFinished();
    });
}

void WineInstallerPrivate::slotUploadLog()
{
    if (m_logUpload || m_packingLog)
        return;
    m_packingLog = true;
    const QString logPath = m_appInfo.logPath;
    auto archiveDir = std::make_shared<std::unique_ptr<QTemporaryDir>>();
    auto file = std::make_shared<QString>();
    // 7z may take seconds over a long log; the lines logged so far go in.
    runInBackground(
            [logPath, archiveDir, file] {
                LLogManager::flush();
                *file = makeLogArchive(logPath, *archiveDir);
            },
            [this, archiveDir, file] {
                m_packingLog = false;
                m_logArchiveDir = std::move(*archiveDir);
                uploadLog(*file);
            });
}

QString WineInstallerPrivate::makeLogArchive(const QString &logPath,
                                             std::unique_ptr<QTemporaryDir> &archiveDir)
{
    // A directory of its own with a name nobody can guess: no other user
    // can place or read anything there.
    archiveDir = std::make_unique<QTemporaryDir>(
            QDir::tempPath() + QStringLiteral("/lirvan-wine-assist-log-XXXXXX"));
    if (logPath.isEmpty() || !archiveDir->isValid())
        return logPath;
    const QString archive = archiveDir->filePath(currentTime(QStringLiteral("yyyy-MM-dd_HH-mm-ss"))
                                                 + QStringLiteral(".7z"));
    // "--" and -spd: the path is a file name, never a switch, list file or
    // wildcard.
    QString output;
    QString error;
    const int result = shellCmd(QStringLiteral("7z"),
                                {QStringLiteral("a"), QStringLiteral("-spd"), QStringLiteral("--"),
                                 archive, QFileInfo(logPath).absoluteFilePath()},
                                output, error, HelperTimeoutMs);
    return result == 0 ? archive : logPath;
}

void WineInstallerPrivate::uploadLog(const QString &file)
{
    LogUploadInfo info;
    const TPublishedAppInfo &published = m_appInfo.publishedAppInfo;
    info.appId = QStringLiteral("%1").arg(published.id);
    info.logFilePath = file;
    info.desc = m_appInfo.peInfo.peProductName;
    info.appName = m_appInfo.appName;
    info.version = published.installType == 0 && !published.version.isEmpty()
                           ? published.version
                           : m_appInfo.peInfo.peProductVersion;
    info.categoryId = published.categories;
    info.typeId = published.installType;
    qInfo() << "log:" << file;

    m_logUpload = new WineAstAppLogUpload(info);
    connect(m_logUpload, &WineAstAppLogUpload::signalFinished, this,
            &WineInstallerPrivate::onLogUploaded);
    m_logUpload->uploadLog();
}

void WineInstallerPrivate::onLogUploaded(int status, const QString &msg)
{
    if (status == QtNetworkWorker::Finished || status == QtNetworkWorker::Failed) {
        if (m_logUpload)
            m_logUpload->deleteLater();
        m_logUpload = nullptr;
        // The archive was only made for this upload.
        m_logArchiveDir.reset();
    }
    emit signalUploadLog(status, msg);
}
