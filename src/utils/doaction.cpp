#include "doaction.h"

#include "commandline.h"
#include "common.h"
#include "desktopentryfile.h"
#include "execline.h"
#include "inioperator.h"
#include "jsonoperator.h"
#include "qtdbussessionmanager.h"
#include "userfolders.h"
#include "wineinstalledapps.h"
#include "winesettings.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QThread>

#include <functional>
#include <iterator>

namespace {

constexpr int WineServerTimeoutMs = 10000;

QString homePath()
{
    return QDir::homePath();
}

QString lirvanWineDir()
{
    return QDir::cleanPath(homePath() + QStringLiteral("/.lirvanwine"));
}

// Calls visit for every file below dir, directories first at each level.
// Linked directories are not entered, so the walk stays inside the tree.
void forEachFile(const QString &dir, const std::function<void(const QFileInfo &)> &visit)
{
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                                  | QDir::Hidden | QDir::System,
                                                          QDir::DirsFirst | QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            if (!entry.isSymLink())
                forEachFile(entry.filePath(), visit);
        } else {
            visit(entry);
        }
    }
}

// True when path, made absolute and clean, lies directly in parent and is
// none of the excluded names.
bool isDirectChildOf(const QString &path, const QString &parent, const QStringList &excluded = {})
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString name = info.fileName();
    return info.path() == QDir::cleanPath(parent) && !name.isEmpty() && name != QLatin1String(".")
           && name != QLatin1String("..") && !excluded.contains(name);
}

// True when the command line names the bottle itself, not merely a bottle
// whose name begins like it (".../apps/Foo" in ".../apps/Foo 2").
bool namesBottle(const QString &commandLine, const QString &bottlePath)
{
    for (int at = commandLine.indexOf(bottlePath); at >= 0;
         at = commandLine.indexOf(bottlePath, at + 1)) {
        const int end = at + bottlePath.size();
        if (end == commandLine.size() || QLatin1String("\"/").contains(commandLine.at(end)))
            return true;
    }
    return false;
}

bool removeTree(const QString &path)
{
    const QFileInfo info(path);
    qInfo().noquote() << QStringLiteral("remove ") + path;
    // A link is removed itself; what it points to is not ours.
    if (info.isSymLink())
        return QFile::remove(path);
    return QDir(path).removeRecursively();
}

} // namespace

Doaction *Doaction::instance()
{
    static Doaction *action = new Doaction;
    return action;
}

int Doaction::stratAPP(TInstalledAppInfo *info)
{
    if (info->appName.isEmpty()) {
        qWarning() << "AppName is empty!";
        return 1;
    }
    if (info->desktopInfo.desktopPath.isEmpty()) {
        qWarning() << "DesktopFilePath is empty!";
        return 2;
    }
    if (!QDBusConnection::sessionBus().isConnected()) {
        qWarning() << "Cannot connect to the bus daemon";
        return 3;
    }
    if (QFileInfo::exists(info->desktopInfo.desktopPath)) {
        launch(*info, info->desktopInfo.desktopPath);
        return 0;
    }
    const QString entry = findBottleEntry(info->bottlePath);
    if (entry.isEmpty()) {
        qWarning() << "DesktopFilePath not exists!";
        return 4;
    }
    launch(*info, entry);
    return 0;
}

void Doaction::launch(const TInstalledAppInfo &info, const QString &desktopFile)
{
    QtDbusSessionManager manager;
    manager.Launch(desktopFile);
    qInfo().noquote() << QStringLiteral("AppName:") + info.appName + QStringLiteral(" DesktopFile:")
                                 + desktopFile;
}

QString Doaction::findBottleEntry(const QString &bottlePath)
{
    // Without a bottle every entry would match, and another application's
    // entry would be started or rewritten.
    if (bottlePath.isEmpty())
        return QString();
    const QString dir = UserFolders::applications();
    const QStringList names = getDesktopFileList(dir);
    for (const QString &name : names) {
        const QString path = dir + name;
        if (!QFileInfo::exists(path))
            continue;
        if (namesBottle(CommonIniOperator::findValueByKey(QStringLiteral("Exec"), path),
                        bottlePath))
            return path;
    }
    return QString();
}

int Doaction::manualRun(TInstalledAppInfo *info, QString &exePath)
{
    qInfo().noquote() << QStringLiteral("AppName:") + info->appName;
    if (info->appName.isEmpty()) {
        qWarning() << "AppName is empty!";
        return 1;
    }
    if (exePath.isEmpty())
        return -1;

    const QFileInfo exe(exePath);
    const QString exeDir = exe.path();
    const QString exeName = exe.fileName();

    const QString prefix = manualRunPrefix(*info);
    if (prefix.isEmpty()) {
        qWarning().noquote() << tr("Recommnd install realBottom dir is not exists!");
        return 2;
    }

    exePath = ExecLine::windowsExecPath(exePath, prefix);
    qDebug().noquote() << QStringLiteral("exe filepath:") + exePath;
    const QString command = ExecLine::wineCommand(prefix,
                                                  WineSettings::instance()->stringValue(
                                                          QStringLiteral("wine")),
                                                  exePath);

    const QString desktopFile = info->desktopInfo.desktopPath;
    if (QFileInfo::exists(desktopFile)) {
        pointEntryAt(desktopFile, command, exeDir, exeName);
        return 0;
    }
    const QString entry = findBottleEntry(info->bottlePath);
    if (!entry.isEmpty()) {
        pointEntryAt(entry, command, exeDir, exeName);
        return 0;
    }

    TDesktopfileInfo desktop;
    desktop.name = info->appName;
    desktop.exec = command;
    desktop.type = QStringLiteral("Application");
    desktop.startupnotify = QStringLiteral("true");
    desktop.path = exeDir;
    desktop.icon = info->desktopInfo.icon;
    desktop.startupwmclass = exeName;
    CommonIniOperator::writeToInifile(desktop, desktopFile);
    return 0;
}

// The prefix a program of the application runs in: the bottle itself for a
// default installation, the real bottle for a recommended one (empty when
// that does not exist).
QString Doaction::manualRunPrefix(const TInstalledAppInfo &info)
{
    if (info.publishedAppInfo.installType == 1)
        return info.bottlePath;
    QString name;
    if (QFileInfo(info.bottlePath).isDir())
        getCurrentDirName(info.bottlePath, name);
    const QString realBottle = realBottlePath(name);
    if (name.isEmpty() || !QFileInfo(realBottle).isDir())
        return QString();
    return realBottle;
}

void Doaction::pointEntryAt(const QString &desktopFile, const QString &command,
                            const QString &exeDir, const QString &exeName)
{
    qDebug().noquote() << QStringLiteral("Exec:") + command;
    replaceLineInFile(desktopFile, QStringLiteral("Exec="), QStringLiteral("Exec=") + command);
    replaceLineInFile(desktopFile, QStringLiteral("Path="),
                      QStringLiteral("Path=") + ExecLine::singleLine(exeDir));
    replaceLineInFile(desktopFile, QStringLiteral("StartupWMClass="),
                      QStringLiteral("StartupWMClass=") + ExecLine::singleLine(exeName));
}

int Doaction::unInstallApp(TInstalledAppInfo *info)
{
    qInfo().noquote() << QStringLiteral("AppName:") + info->appName;
    removeAppFiles(*info);
    removeRecord(*info);
    return 0;
}

void Doaction::unInstallAppLater(const TInstalledAppInfo &info, QObject *context,
                                 const std::function<void()> &done)
{
    qInfo().noquote() << QStringLiteral("AppName:") + info.appName;
    // The installed-apps file is rewritten there too: a save waits for the
    // disk. Only the registry, which the views follow, is updated here.
    QThread *worker = QThread::create([info] {
        removeAppFiles(info);
        removeFileRecord(info);
    });
    const QPointer<QObject> guard(context);
    // The application object, not this one: the first call of instance()
    // may have come from a task thread, which this object then belongs to.
    connect(worker, &QThread::finished, QCoreApplication::instance(), [info, guard, done] {
        WineInstalledApps::instance()->removeInstallApps(info);
        if (guard && done)
            done();
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void Doaction::removeAppFiles(const TInstalledAppInfo &info)
{
    QString bottleName;
    QString installDir;
    if (!info.bottlePath.isEmpty()) {
        if (QFileInfo::exists(info.bottlePath)) {
            bottleName = QDir(info.bottlePath).dirName();
            installDir = info.bottlePath;
        } else {
            bottleName = info.bottlePath.mid(info.bottlePath.lastIndexOf(QLatin1Char('/')) + 1);
        }
    }

    if (installDir.isEmpty()) {
        qWarning().noquote() << QStringLiteral("No install directory for ") + info.appName;
    } else if (!bottleName.isEmpty()) {
        endWineProcesses(installDir);
        removeBottle(installDir);
    }

    if (info.publishedAppInfo.installType == 0) {
        const QString realBottle = realBottlePath(bottleName);
        if (!bottleName.isEmpty() && QFileInfo::exists(realBottle)) {
            endWineProcesses(realBottle);
            removeRealBottle(realBottle);
        }
    }

    const QString desktopFile = info.desktopInfo.desktopPath;
    if (!desktopFile.isEmpty() && QFileInfo::exists(desktopFile))
        removeDesktopEntryAndIcons(desktopFile);

    const QString script = WineSettings::instance()->stringValue(QStringLiteral("tool"))
                           + QStringLiteral("localdesktop.sh");
    QString output;
    QString error;
    shellCmd(quotedArgument(script) + QLatin1Char(' ') + quotedArgument(bottleName), output, error,
             30000);
}

void Doaction::removeRecord(const TInstalledAppInfo &info)
{
    removeFileRecord(info);
    WineInstalledApps::instance()->removeInstallApps(info);
}

void Doaction::removeFileRecord(const TInstalledAppInfo &info)
{
    // By bottle too: another bottle may hold an application of the same name.
    CommonJsonOperator::removeAppFromJasonfile(info, installedAppsFilePath());
}

void Doaction::endWineProcesses(const QString &prefix)
{
    if (prefix.isEmpty() || !QFileInfo(prefix).isDir())
        return;
    // The Wine server beside the configured Wine, as the start shell finds it.
    const QString wine = WineSettings::instance()->stringValue(QStringLiteral("wine"));
    const QFileInfo beside(QFileInfo(wine).path() + QStringLiteral("/wineserver"));
    const QString server = beside.isExecutable() ? beside.filePath() : QStringLiteral("wineserver");
    const QString environment = QStringLiteral("WINEPREFIX=") + prefix;
    QString output;
    QString error;
    shellCmd(QStringLiteral("env"), {environment, server, QStringLiteral("-k")}, output, error,
             WineServerTimeoutMs);
    shellCmd(QStringLiteral("env"), {environment, server, QStringLiteral("-w")}, output, error,
             WineServerTimeoutMs);
}

void Doaction::removeDesktopEntryAndIcons(const QString &desktopFile)
{
    const QString icon = CommonIniOperator::findValueByKey(QStringLiteral("Icon"), desktopFile);
    QFile::remove(desktopFile);
    if (icon.isEmpty())
        return;
    // Packages may bring icons of the same name; another menu entry that
    // still shows this icon keeps it.
    if (DesktopEntryFile::isIconInUse(icon)) {
        qInfo().noquote() << QStringLiteral("icon still used: ") + icon;
        return;
    }
    if (!instance()->findFileAndRemove(UserFolders::hicolorIcons(), icon))
        qWarning().noquote() << tr("No icon delete!");
}

void Doaction::getCurrentDirName(const QString &path, QString &name)
{
    const QDir dir(path);
    if (!dir.exists()) {
        qWarning().noquote() << tr("Can't find ") + path;
        return;
    }
    name = dir.dirName();
}

bool Doaction::findFile(const QString &dir, QString name, QStringList &list)
{
    if (!QFileInfo(dir).isDir()) {
        qWarning().noquote() << dir + QStringLiteral(" not exists!");
        return false;
    }
    forEachFile(dir, [&](const QFileInfo &file) {
        if (file.fileName().compare(name, Qt::CaseInsensitive) == 0)
            list.append(file.filePath());
    });
    return true;
}

bool Doaction::findFileAndRemove(const QString &dir, QString name)
{
    if (!QFileInfo(dir).isDir()) {
        qWarning().noquote() << dir + QStringLiteral(" not exists!");
        return false;
    }
    forEachFile(dir, [&](const QFileInfo &file) {
        if (file.completeBaseName() == name) {
            qInfo().noquote() << QStringLiteral("delete file: ") + file.filePath();
            QFile::remove(file.filePath());
        }
    });
    return true;
}

void Doaction::copyDirectory(const QString &src, const QString &dst, const QStringList &skip)
{
    const QDir source(src);
    const QFileInfoList files = source.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : files) {
        if (skip.contains(file.fileName()))
            continue;
        QDir().mkpath(dst);
        QFile::copy(file.filePath(), dst + QLatin1Char('/') + file.fileName());
    }
    const QFileInfoList dirs = source.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot
                                                    | QDir::Hidden);
    for (const QFileInfo &dir : dirs) {
        if (!skip.contains(dir.fileName()) && !dir.isSymLink())
            copyDirectory(dir.filePath(), dst + QLatin1Char('/') + dir.fileName(), skip);
    }
}

void Doaction::replaceLineInFile(const QString &path, const QString &marker, const QString &newLine)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << QStringLiteral("Cannot read ") + path;
        return;
    }
    const QStringList pieces = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    in.close();

    QString content;
    for (int i = 0; i < pieces.size() - 1; ++i) {
        content += pieces.at(i).contains(marker) ? newLine : pieces.at(i);
        content += QLatin1Char('\n');
    }
    content += pieces.constLast();

    // Written beside the file and renamed over it, so an interrupted rewrite
    // leaves the old file.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(content.toUtf8()) < 0
        || !out.commit())
        qWarning().noquote() << QStringLiteral("Cannot rewrite ") + path + QStringLiteral(": ")
                                        + out.errorString();
}

QStringList Doaction::getDesktopFileList(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("*.desktop")}, QDir::Files | QDir::Readable,
                               QDir::Name);
}

QString Doaction::getCategoryName(int number)
{
    // Shown in the catalogue, so translated when asked for.
    static const char *const names[] = {
            QT_TR_NOOP("全部"),     QT_TR_NOOP("网络应用"), QT_TR_NOOP("社交沟通"),
            QT_TR_NOOP("音乐欣赏"), QT_TR_NOOP("视频播放"), QT_TR_NOOP("图形图像"),
            QT_TR_NOOP("游戏娱乐"), QT_TR_NOOP("办公学习"), QT_TR_NOOP("阅读翻译"),
            QT_TR_NOOP("编程开发"), QT_TR_NOOP("系统管理"), QT_TR_NOOP("其他应用"),
    };
    if (number < 0 || number >= int(std::size(names)))
        return QStringLiteral("unknown");
    return tr(names[number]);
}

bool Doaction::removeBottle(const QString &path)
{
    if (!isDirectChildOf(path, lirvanWineDir() + QStringLiteral("/apps"))) {
        qWarning().noquote() << QStringLiteral("Not a bottle, left alone: ") + path;
        return false;
    }
    return removeTree(path);
}

bool Doaction::removeRealBottle(const QString &path)
{
    if (!isDirectChildOf(path, lirvanWineDir(), sharedDirNames())) {
        qWarning().noquote() << QStringLiteral("Not an application prefix, left alone: ") + path;
        return false;
    }
    return removeTree(path);
}

QStringList Doaction::sharedDirNames()
{
    return {QStringLiteral("apps"), QStringLiteral("icons")};
}

QString Doaction::realBottlePath(const QString &bottleName)
{
    return homePath() + QStringLiteral("/.lirvanwine/") + bottleName;
}
