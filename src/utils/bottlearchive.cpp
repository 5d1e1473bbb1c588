#include "bottlearchive.h"

#include "desktopentryfile.h"
#include "doaction.h"
#include "jsonoperator.h"
#include "startscript.h"
#include "userfolders.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace {

// tar reports every this many records of 10240 bytes.
constexpr int CheckpointRecords = 64;
constexpr qint64 RecordBytes = 10240;
constexpr int PollMs = 100;
constexpr int ManifestMaxBytes = 64 * 1024;

const QString ManifestName = QStringLiteral("manifest.json");
const QString RecordName = QStringLiteral("record.json");
const QString BottleArea = QStringLiteral("bottle");
const QString PrefixArea = QStringLiteral("prefix");
const QString MenuArea = QStringLiteral("menu");
// Wine's drive links (c: and z: -> /) lead out of the bottle; Wine makes
// them anew in a bottle without them.
const QString DriveLinks = QStringLiteral("dosdevices");

QString home()
{
    return QDir::homePath();
}

// Without the final "/", to be joined with one.
QString bottlesDir()
{
    return QDir::cleanPath(UserFolders::bottles());
}

QString applicationsDir()
{
    return UserFolders::applications();
}

QString iconsDir()
{
    return UserFolders::icons();
}

// The login name, as the session gives it.
QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    if (!user.isEmpty())
        return user;
    const passwd *entry = getpwuid(getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

QString prefixOf(const TInstalledAppInfo &app)
{
    if (app.publishedAppInfo.installType != 0)
        return QString();
    const QString prefix = Doaction::realBottlePath(QFileInfo(app.bottlePath).fileName());
    return QFileInfo(prefix).isDir() ? prefix : QString();
}

qint64 treeSize(const QString &root)
{
    qint64 size = 0;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isFile() && !info.isSymLink())
            size += info.size();
    }
    return size;
}

// Removes a tree even where the archive made directories read-only.
void removeTree(const QString &root)
{
    if (root.isEmpty() || !QFileInfo(root).exists())
        return;
    QDirIterator it(root, QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString dir = it.next();
        if (!it.fileInfo().isSymLink())
            QFile::setPermissions(dir, QFile::permissions(dir) | QFile::ReadOwner
                                               | QFile::WriteOwner | QFile::ExeOwner);
    }
    QDir(root).removeRecursively();
}

QString readLink(const QString &path)
{
    QByteArray target(4096, '\0');
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target.data(),
                                      size_t(target.size()));
    return length < 0 ? QString() : QFile::decodeName(target.left(int(length)));
}

bool isInside(const QString &path, const QString &root)
{
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

// A single usable path component taken from the archive.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/'));
}

// The name with "_2", "_3", ... added until nothing of that name exists in
// any of the directories.
QString unusedName(const QString &name, const QStringList &dirs, const QString &suffix = {})
{
    QString candidate = name;
    for (int n = 2;; ++n) {
        bool taken = false;
        for (const QString &dir : dirs)
            taken = taken || QFileInfo::exists(dir + QLatin1Char('/') + candidate + suffix);
        if (!taken)
            return candidate + suffix;
        candidate = name + QLatin1Char('_') + QString::number(n);
    }
}

// A link inside a user profile of the bottle (drive_c/users/<user>/...):
// Wine points Desktop, Documents, Templates and the like at the user's home.
bool isUserFolderLink(const QStringList &relativeParts)
{
    return relativeParts.size() >= 5 && relativeParts.at(1) == QLatin1String("drive_c")
           && relativeParts.at(2) == QLatin1String("users");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool copyInto(const QString &source, const QString &target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    return QFile::copy(source, target);
}

QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

} // namespace

struct BottleArchive::Manifest
{
    int formatVersion = 0;
    QString home;
    QString bottlePath;
    QString prefixPath;
    QString user;
    qint64 size = 0;

    bool read(const QByteArray &bytes)
    {
        const QJsonObject object = QJsonDocument::fromJson(bytes).object();
        formatVersion = object.value(QStringLiteral("formatVersion")).toInt(0);
        home = QDir::cleanPath(object.value(QStringLiteral("home")).toString());
        bottlePath = QDir::cleanPath(object.value(QStringLiteral("bottlePath")).toString());
        prefixPath = object.value(QStringLiteral("prefixPath")).toString();
        if (!prefixPath.isEmpty())
            prefixPath = QDir::cleanPath(prefixPath);
        user = object.value(QStringLiteral("user")).toString();
        size = qint64(object.value(QStringLiteral("size")).toDouble(0));
        // Paths are only ever replaced by the restoring user's: a home of "/"
        // would make every absolute path the user's own.
        return formatVersion > 0 && QDir::isAbsolutePath(home) && home != QLatin1String("/")
               && QDir::isAbsolutePath(bottlePath) && bottlePath != QLatin1String("/");
    }
};

// What a restore has put in place so far, to be removed again on failure.
struct BottleArchive::Staged
{
    QString oldBottle;
    QString oldPrefix;
    QString bottle;
    QString prefix;
    QString desktopPath;
    QString recordDesktopName;
    QStringList files;

    // A path of the backed-up machine as it is on this one.
    QString moved(QString text, const QString &oldHome) const
    {
        text.replace(oldBottle, bottle);
        if (!oldPrefix.isEmpty())
            text.replace(oldPrefix, prefix);
        text.replace(oldHome + QLatin1Char('/'), home() + QLatin1Char('/'));
        // Wine makes the drive links anew at the first start; until then the
        // drive is reached directly.
        return text.replace(bottle + QStringLiteral("/dosdevices/c:"),
                            bottle + QStringLiteral("/drive_c"));
    }

    void remove() const
    {
        removeTree(bottle);
        removeTree(prefix);
        for (const QString &file : files)
            QFile::remove(file);
    }
};

void BottleArchive::report(int percent) const
{
    if (m_progress)
        m_progress(qBound(0, percent, 100));
}

bool BottleArchive::runTar(const QStringList &arguments, qint64 expectedBytes, int from, int to,
                           QByteArray *output)
{
    QStringList args = arguments;
    if (expectedBytes > 0)
        args << QStringLiteral("--checkpoint=%1").arg(CheckpointRecords)
             << QStringLiteral("--checkpoint-action=echo=%u");
    QProcess tar;
    if (!output)
        tar.setStandardOutputFile(QProcess::nullDevice());
    tar.start(QStringLiteral("tar"), args);
    if (!tar.waitForStarted()) {
        qWarning() << "Cannot start tar:" << tar.errorString();
        return false;
    }
    QByteArray errors;
    while (!tar.waitForFinished(PollMs)) {
        if (cancelled()) {
            tar.kill();
            tar.waitForFinished();
            return false;
        }
        if (output)
            output->append(tar.readAllStandardOutput());
        const QList<QByteArray> lines = tar.readAllStandardError().split('\n');
        for (const QByteArray &line : lines) {
            bool isNumber = false;
            const qint64 records = line.mid(line.lastIndexOf(' ') + 1).toLongLong(&isNumber);
            if (isNumber && expectedBytes > 0)
                report(from
                       + int(qMin<qint64>(records * RecordBytes, expectedBytes) * (to - from)
                             / expectedBytes));
            else if (!line.isEmpty())
                errors += line + '\n';
        }
    }
    if (output)
        output->append(tar.readAllStandardOutput());
    errors += tar.readAllStandardError();
    const bool ok = tar.exitStatus() == QProcess::NormalExit && tar.exitCode() == 0;
    if (!ok)
        qWarning().noquote() << "tar" << arguments.value(1) << "failed:" << errors.trimmed();
    return ok && !cancelled();
}

BottleArchive::Outcome BottleArchive::backup(const TInstalledAppInfo &app,
                                             const QString &archivePath, bool force)
{
    Outcome outcome;
    outcome.record = app;
    const QString bottle = app.bottlePath;
    if (bottle.isEmpty() || !QFileInfo(bottle).isDir()) {
        outcome.message = tr("找不到应用“%1”的目录：%2").arg(app.appName, bottle);
        return outcome;
    }
    if (!force && !processesInBottle(app).isEmpty()) {
        outcome.status = AppRunning;
        outcome.message = tr("应用“%1”正在运行，请先关闭它再备份").arg(app.appName);
        return outcome;
    }
    report(0);
    QTemporaryDir staging(QDir::tempPath() + QStringLiteral("/lirvan-wine-backup-XXXXXX"));
    const QString prefix = prefixOf(app);
    const qint64 size = treeSize(bottle) + (prefix.isEmpty() ? 0 : treeSize(prefix));
    const QJsonObject manifest{
            {QStringLiteral("formatVersion"), FormatVersion},
            {QStringLiteral("assistantVersion"), QCoreApplication::applicationVersion()},
            {QStringLiteral("home"), home()},
            {QStringLiteral("bottlePath"), bottle},
            {QStringLiteral("prefixPath"), prefix},
            {QStringLiteral("user"), userName()},
            {QStringLiteral("appName"), app.appName},
            {QStringLiteral("size"), double(size)},
    };
    const QString menu = staging.filePath(MenuArea);
    bool staged = staging.isValid() && QDir().mkpath(menu)
                  && writeFile(staging.filePath(ManifestName), QJsonDocument(manifest).toJson())
                  && QFile::link(bottle, staging.filePath(BottleArea))
                  && (prefix.isEmpty() || QFile::link(prefix, staging.filePath(PrefixArea)));
    if (staged) {
        CommonJsonOperator::writeToJasonfile(app, staging.filePath(RecordName));
        const QString desktop = app.desktopInfo.desktopPath;
        if (QFileInfo(desktop).isFile())
            copyInto(desktop,
                     menu + QStringLiteral("/applications/") + QFileInfo(desktop).fileName());
        DesktopEntryFile entry(desktop);
        entry.load();
        const QString icon = entry.value(QStringLiteral("Desktop Entry"), QStringLiteral("Icon"));
        if (QDir::isAbsolutePath(icon) && QFileInfo(icon).isFile()) {
            copyInto(icon, menu + QStringLiteral("/iconfile/") + QFileInfo(icon).fileName());
        } else if (!icon.isEmpty()) {
            QStringList icons;
            for (const QString &suffix : {QStringLiteral(".png"), QStringLiteral(".svg")})
                Doaction::instance()->findFile(iconsDir(), icon + suffix, icons);
            for (const QString &file : qAsConst(icons))
                copyInto(file, menu + QStringLiteral("/icons/")
                                       + QDir(iconsDir()).relativeFilePath(file));
        }
    }
    const QString part = archivePath + QStringLiteral(".part");
    QStringList args{QStringLiteral("--zstd"),
                     QStringLiteral("-cf"),
                     part,
                     QStringLiteral("-C"),
                     staging.path(),
                     QStringLiteral("--anchored"),
                     QStringLiteral("--exclude=") + BottleArea + QStringLiteral("/./") + DriveLinks,
                     QStringLiteral("--exclude=") + PrefixArea + QStringLiteral("/./") + DriveLinks,
                     ManifestName,
                     RecordName,
                     MenuArea,
                     BottleArea + QStringLiteral("/.")};
    if (!prefix.isEmpty())
        args << PrefixArea + QStringLiteral("/.");
    staged = staged && runTar(args, size, 0, 99);
    if (staged
        && std::rename(QFile::encodeName(part).constData(),
                       QFile::encodeName(archivePath).constData())
                   == 0) {
        outcome.status = Done;
        outcome.message = tr("已将“%1”备份到 %2").arg(app.appName, archivePath);
        report(100);
        return outcome;
    }
    QFile::remove(part);
    outcome.status = cancelled() ? Cancelled : Failed;
    outcome.message = cancelled() ? tr("备份已取消") : tr("无法写入备份文件 %1").arg(archivePath);
    return outcome;
}

QString BottleArchive::checkNames(const QStringList &names) const
{
    for (const QString &name : names) {
        if (name.startsWith(QLatin1Char('/')))
            return tr("绝对路径 %1").arg(name);
        const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (parts.contains(QStringLiteral("..")))
            return tr("指向上级目录的路径 %1").arg(name);
        const QString top = parts.value(0);
        const bool single = parts.size() == 1;
        const bool known = ((top == ManifestName || top == RecordName) && single)
                           || top == BottleArea || top == PrefixArea
                           || (top == MenuArea
                               && (single
                                   || QStringList{QStringLiteral("applications"),
                                                  QStringLiteral("icons"),
                                                  QStringLiteral("iconfile")}
                                              .contains(parts.at(1))));
        if (!known)
            return tr("未知的内容 %1").arg(name);
    }
    return QString();
}

// Every entry must be a directory, a file or a link that stays inside its
// own tree; the links of the user folders are made anew afterwards.
QString BottleArchive::checkTree(const QString &root) const
{
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = QDir(root).relativeFilePath(path);
        const QStringList parts = relative.split(QLatin1Char('/'));
        if (!info.isSymLink()) {
            if (!info.isDir() && !info.isFile())
                return tr("特殊文件 %1").arg(relative);
            continue;
        }
        const QString area = parts.first();
        if (area == MenuArea)
            return tr("链接 %1").arg(relative);
        if (isUserFolderLink(parts))
            continue;
        const QString areaRoot = QFileInfo(root + QLatin1Char('/') + area).canonicalFilePath();
        const QString target = readLink(path);
        const QString lexical = QDir::cleanPath(
                QDir::isAbsolutePath(target) ? target
                                             : info.absolutePath() + QLatin1Char('/') + target);
        const QString resolved = info.exists() ? info.canonicalFilePath() : lexical;
        if (!isInside(lexical, QFileInfo(root).canonicalFilePath() + QLatin1Char('/') + area)
            && !isInside(lexical, root + QLatin1Char('/') + area))
            return tr("指向外部的链接 %1 -> %2").arg(relative, target);
        if (!isInside(resolved, areaRoot))
            return tr("指向外部的链接 %1 -> %2").arg(relative, target);
    }
    return QString();
}

// The links in the user profiles (Desktop, Documents, ...) pointed at the
// backed-up user's home; they now point at this user's. A link elsewhere
// becomes an empty folder. Under another user name the old profile serves
// the new name too.
void BottleArchive::pointUserFolders(const QString &root, const Manifest &manifest) const
{
    const QString users = root + QStringLiteral("/drive_c/users");
    QDirIterator it(users, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList links;
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isSymLink() && QDir(users).relativeFilePath(it.filePath()).contains('/'))
            links.append(it.filePath());
    }
    for (const QString &link : qAsConst(links)) {
        const QString target = QDir::cleanPath(readLink(link));
        QFile::remove(link);
        if (isInside(target, manifest.home))
            QFile::link(home() + target.mid(manifest.home.size()), link);
        else
            QDir().mkpath(link);
    }
    const QString me = userName();
    if (isPlainName(me) && me != manifest.user && isPlainName(manifest.user)
        && QFileInfo(users + QLatin1Char('/') + manifest.user).isDir()
        && !QFileInfo::exists(users + QLatin1Char('/') + me))
        QFile::link(manifest.user, users + QLatin1Char('/') + me);
}

bool BottleArchive::installMenu(const QString &staging, const Manifest &manifest,
                                Staged &staged) const
{
    const QString menu = staging + QLatin1Char('/') + MenuArea;
    const QString iconRoot = menu + QStringLiteral("/icons");
    for (const QString &icon : filesBelow(iconRoot)) {
        const QString target = iconsDir() + QDir(iconRoot).relativeFilePath(icon);
        if (!QFileInfo::exists(target) && copyInto(icon, target))
            staged.files.append(target);
    }
    QMap<QString, QString> iconFiles;
    for (const QString &icon : filesBelow(menu + QStringLiteral("/iconfile"))) {
        const QFileInfo info(icon);
        const QString target = iconsDir()
                               + unusedName(info.completeBaseName(), {iconsDir()},
                                            QLatin1Char('.') + info.suffix());
        if (copyInto(icon, target)) {
            staged.files.append(target);
            iconFiles.insert(info.fileName(), target);
        }
    }
    const QString group = QStringLiteral("Desktop Entry");
    for (const QString &entryFile : filesBelow(menu + QStringLiteral("/applications"))) {
        const QFileInfo info(entryFile);
        const QString target = applicationsDir()
                               + unusedName(info.completeBaseName(), {applicationsDir()},
                                            QStringLiteral(".desktop"));
        if (!copyInto(entryFile, target))
            return false;
        staged.files.append(target);
        DesktopEntryFile entry(target);
        entry.load();
        for (const QString &key : {QStringLiteral("Exec"), QStringLiteral("Path")}) {
            const QString value = entry.value(group, key);
            if (!value.isNull())
                entry.setValue(group, key, staged.moved(value, manifest.home));
        }
        const QString icon = entry.value(group, QStringLiteral("Icon"));
        if (QDir::isAbsolutePath(icon))
            entry.setValue(group, QStringLiteral("Icon"),
                           iconFiles.value(QFileInfo(icon).fileName(),
                                           staged.moved(icon, manifest.home)));
        if (!entry.save())
            return false;
        if (info.fileName() == staged.recordDesktopName || staged.desktopPath.isEmpty())
            staged.desktopPath = target;
    }
    return true;
}

BottleArchive::Outcome BottleArchive::restore(const QString &archivePath)
{
    Outcome outcome;
    const QString damaged = tr("备份文件 %1 已损坏或不完整，未做任何改动").arg(archivePath);
    if (!QFileInfo(archivePath).isFile()) {
        outcome.message = tr("找不到备份文件：%1").arg(archivePath);
        return outcome;
    }
    report(0);
    QByteArray manifestBytes;
    Manifest manifest;
    if (!runTar({QStringLiteral("--zstd"), QStringLiteral("-xOf"), archivePath,
                 QStringLiteral("--occurrence"), ManifestName},
                0, 0, 0, &manifestBytes)
        || manifestBytes.size() > ManifestMaxBytes || !manifest.read(manifestBytes)) {
        outcome.message = damaged;
        return outcome;
    }
    if (manifest.formatVersion > FormatVersion) {
        outcome.status = UnknownFormat;
        outcome.message
                = tr("这个备份由较新版本的 Lirvan-Wine助手制作（格式 %1，本程序只认识到格式 "
                     "%2），无法恢复。请先升级本程序。")
                          .arg(manifest.formatVersion)
                          .arg(FormatVersion);
        return outcome;
    }
    QByteArray listing;
    if (!runTar({QStringLiteral("--zstd"), QStringLiteral("-tf"), archivePath}, 0, 0, 0,
                &listing)) {
        outcome.message = damaged;
        return outcome;
    }
    const QString unsafe = checkNames(
            QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    if (!unsafe.isEmpty()) {
        outcome.message = tr("备份文件含有不安全的内容（%1），未做任何改动").arg(unsafe);
        return outcome;
    }
    report(5);

    // Beside the bottles, so that the bottle moves into place by a rename.
    QDir().mkpath(bottlesDir());
    QTemporaryDir stagingDir(bottlesDir() + QStringLiteral("/.restore-XXXXXX"));
    const QString staging = stagingDir.path();
    const auto removeStaging = qScopeGuard([&] { removeTree(staging); });
    if (!stagingDir.isValid()
        || !runTar({QStringLiteral("--zstd"), QStringLiteral("-xf"), archivePath,
                    QStringLiteral("-C"), staging, QStringLiteral("--no-same-owner")},
                   manifest.size, 5, 90)) {
        outcome.status = cancelled() ? Cancelled : Failed;
        outcome.message = cancelled() ? tr("恢复已取消") : damaged;
        return outcome;
    }
    const QString unsafeFile = checkTree(staging);
    QList<TInstalledAppInfo> records;
    CommonJsonOperator::readToJasonfile(records, staging + QLatin1Char('/') + RecordName);
    if (!unsafeFile.isEmpty()) {
        outcome.message = tr("备份文件含有不安全的内容（%1），未做任何改动").arg(unsafeFile);
        return outcome;
    }
    const QString stagedBottle = staging + QLatin1Char('/') + BottleArea;
    if (records.size() != 1 || records.first().appName.isEmpty()
        || !QFileInfo(stagedBottle).isDir()) {
        outcome.message = damaged;
        return outcome;
    }
    TInstalledAppInfo record = records.first();
    outcome.record = record;
    TInstalledAppInfo installed;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(record.appName, installed,
                                                        installedAppsFilePath());
    if (!installed.appName.isEmpty()) {
        outcome.status = NameTaken;
        outcome.message = tr("已经安装了名为“%1”的应用，请先卸载它再恢复").arg(record.appName);
        return outcome;
    }

    Staged staged;
    staged.oldBottle = manifest.bottlePath;
    staged.oldPrefix = manifest.prefixPath;
    staged.recordDesktopName = QFileInfo(record.desktopInfo.desktopPath).fileName();
    QString name = QFileInfo(manifest.bottlePath).fileName();
    if (!isPlainName(name) || name.startsWith(QLatin1Char('.')))
        name = QStringLiteral("restored");
    name = unusedName(name, {bottlesDir(), Doaction::realBottlePath(QString())});
    staged.bottle = bottlesDir() + QLatin1Char('/') + name;
    const QString stagedPrefix = staging + QLatin1Char('/') + PrefixArea;
    const bool hasPrefix = QFileInfo(stagedPrefix).isDir() && !staged.oldPrefix.isEmpty();
    pointUserFolders(stagedBottle, manifest);
    if (hasPrefix)
        pointUserFolders(stagedPrefix, manifest);

    bool ok = QDir().rename(stagedBottle, staged.bottle);
    if (ok && hasPrefix) {
        staged.prefix = Doaction::realBottlePath(name);
        ok = QDir().rename(stagedPrefix, staged.prefix);
    }
    if (ok) {
        StartScript::adapt(staged.bottle);
        ok = installMenu(staging, manifest, staged);
    }
    if (ok) {
        record.bottlePath = staged.bottle;
        TDesktopfileInfo &desktop = record.desktopInfo;
        desktop.desktopPath = staged.desktopPath;
        desktop.exec = staged.moved(desktop.exec, manifest.home);
        desktop.path = staged.moved(desktop.path, manifest.home);
        if (QDir::isAbsolutePath(desktop.icon))
            desktop.icon = staged.moved(desktop.icon, manifest.home);
        record.logPath = staged.moved(record.logPath, manifest.home);
        record.peInfo.peIconFile = staged.moved(record.peInfo.peIconFile, manifest.home);
        // Under a name of its own if the name was taken meanwhile.
        const QString stored = CommonJsonOperator::writeToJasonfile(record,
                                                                    installedAppsFilePath());
        ok = !stored.isEmpty();
        if (ok)
            record.appName = stored;
    }
    if (!ok || cancelled()) {
        staged.remove();
        outcome.status = cancelled() ? Cancelled : Failed;
        outcome.message = cancelled() ? tr("恢复已取消")
                                      : tr("无法恢复“%1”：文件无法放到位").arg(record.appName);
        return outcome;
    }
    outcome.status = Done;
    outcome.record = record;
    outcome.message = tr("已恢复“%1”").arg(record.appName);
    report(100);
    return outcome;
}

QList<qint64> BottleArchive::processesInBottle(const TInstalledAppInfo &app)
{
    QStringList prefixes{QDir::cleanPath(app.bottlePath)};
    const QString prefix = prefixOf(app);
    if (!prefix.isEmpty())
        prefixes.append(QDir::cleanPath(prefix));
    QList<qint64> found;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &pid : pids) {
        bool isPid = false;
        const qint64 id = pid.toLongLong(&isPid);
        if (!isPid || id == QCoreApplication::applicationPid())
            continue;
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() == "wineserver")
            continue;
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        if (!environ.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> variables = environ.readAll().split('\0');
        for (const QByteArray &variable : variables) {
            if (variable.startsWith("WINEPREFIX=")
                && prefixes.contains(QDir::cleanPath(QFile::decodeName(variable.mid(11))))) {
                found.append(id);
                break;
            }
        }
    }
    return found;
}
