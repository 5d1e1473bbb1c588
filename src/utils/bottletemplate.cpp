#include "bottletemplate.h"

#include "common.h"
#include "execline.h"
#include "winesettings.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const int versionTimeoutMs = 30000;
// As long as Wine is given to create a bottle the usual way.
const int buildTimeoutMs = 2000000;
const int serverTimeoutMs = 60000;
const int copyTimeoutMs = 600000;
// The template's copy kept ready for the next bottle.
const QLatin1String spareSuffix(".spare");
// Longest wait for another installation's build or copy.
const int lockTimeoutMs = 2000000;
// Only the head of a wrapper script is looked at for the program it runs.
const qint64 scriptReadLimit = 64 * 1024;

bool isAborted(const std::atomic_bool *abort)
{
    return abort && *abort;
}

// The lock file of the templates folder, held shared or alone while the
// object lives. Taking it polls, so that a cancelled installation does not
// wait for another one's build.
class TemplatesLock
{
public:
    TemplatesLock(int operation, const std::atomic_bool *abort)
    {
        QDir().mkpath(BottleTemplate::templatesDir());
        const QByteArray path = QFile::encodeName(BottleTemplate::templatesDir()
                                                  + QStringLiteral(".lock"));
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return;
        const QDeadlineTimer deadline(lockTimeoutMs);
        while (!isAborted(abort) && !deadline.hasExpired()) {
            if (::flock(m_fd, operation | LOCK_NB) == 0) {
                m_held = true;
                return;
            }
            QThread::msleep(50);
        }
    }
    ~TemplatesLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    Q_DISABLE_COPY(TemplatesLock)

    bool isHeld() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

QString sizeAndTime(const QString &path)
{
    const QFileInfo info(path);
    return QStringLiteral("%1 %2 %3")
            .arg(info.absoluteFilePath())
            .arg(info.size())
            .arg(info.lastModified().toMSecsSinceEpoch());
}

QByteArray md5OfFile(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(&file);
    return hash.result().toHex();
}

// The loader that a Wine wrapper script runs: the first absolute path named
// in its head that is an executable file called wine-something. A binary is
// its own loader.
QString loaderOf(const QString &wine)
{
    const QString path = QFileInfo(wine).canonicalFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString head = QString::fromUtf8(file.read(scriptReadLimit));
    if (!head.startsWith(QLatin1String("#!")))
        return path;
    static const QRegularExpression absolutePath(QStringLiteral("(/[^\\s\"'$;`|&<>()]+)"));
    auto it = absolutePath.globalMatch(head);
    while (it.hasNext()) {
        const QFileInfo candidate(it.next().captured(1));
        if (candidate.fileName().startsWith(QLatin1String("wine")) && candidate.isFile()
            && candidate.isExecutable())
            return candidate.canonicalFilePath();
    }
    return path;
}

// wine.inf of the installation the loader belongs to (bin/, lib/wine/ or
// lib/wine/<arch>-unix/ below the installation's root).
QString wineInfOf(const QString &loader)
{
    QDir dir = QFileInfo(loader).absoluteDir();
    for (int up = 0; up < 4 && dir.cdUp(); ++up) {
        const QString inf = dir.filePath(QStringLiteral("share/wine/wine.inf"));
        if (QFileInfo::exists(inf))
            return inf;
    }
    return QString();
}

// The name Wine gives the user's folder in a prefix.
QString userName()
{
    const QString name = qEnvironmentVariable("USER");
    if (!name.isEmpty())
        return name;
    const passwd *entry = ::getpwuid(::getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

// The XDG user folders file, which Wine follows for the links of a user's
// Desktop, Documents, ... folders in the prefix.
QString userDirsFile()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : config)
           + QStringLiteral("/user-dirs.dirs");
}

bool removeFolder(const QString &path)
{
    qInfo().noquote() << QStringLiteral("remove ") + path;
    return QDir(path).removeRecursively();
}

// A template goes with its spare copy.
void removeTemplate(const QString &dir)
{
    removeFolder(dir);
    removeFolder(dir + spareSuffix);
}

BottleTemplate::CopyResult notCopied(const std::atomic_bool *abort)
{
    return isAborted(abort) ? BottleTemplate::CopyResult::Cancelled
                            : BottleTemplate::CopyResult::Fallback;
}

} // namespace

BottleTemplate::BottleTemplate(const QString &wine64, const QString &fontRegistry,
                               const QString &fixBottle)
    : m_wine64(wine64)
    , m_fontRegistry(fontRegistry)
    , m_fixBottle(fixBottle)
{
}

BottleTemplate BottleTemplate::fromSettings()
{
    const WineSettings *settings = WineSettings::instance();
    return BottleTemplate(settings->stringValue(QStringLiteral("wine64")),
                          settings->stringValue(QStringLiteral("config-data"))
                                  + QStringLiteral("/Depends/DefaultFont/font.reg"));
}

BottleTemplate BottleTemplate::genericFromSettings()
{
    const BottleTemplate prefix = fromSettings();
    return BottleTemplate(prefix.m_wine64, prefix.m_fontRegistry,
                          WineSettings::instance()->stringValue(QStringLiteral("tool"))
                                  + QStringLiteral("fixbottle.sh"));
}

QString BottleTemplate::templatesDir()
{
    return QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/templates/");
}

QString BottleTemplate::buildKey(const std::atomic_bool *abort) const
{
    QString version;
    QString error;
    if (shellCmd(m_wine64, {QStringLiteral("--version")}, version, error, versionTimeoutMs, abort)
                != 0
        || version.trimmed().isEmpty())
        return QString();
    const QString loader = loaderOf(m_wine64);
    const QStringList parts = {version.trimmed(),
                               sizeAndTime(m_wine64),
                               sizeAndTime(loader),
                               sizeAndTime(wineInfOf(loader)),
                               QString::fromLatin1(md5OfFile(m_fontRegistry)),
                               userName(),
                               QDir::homePath(),
                               QString::fromLatin1(md5OfFile(userDirsFile()))};
    return QString::fromLatin1(QCryptographicHash::hash(parts.join(QLatin1Char('\n')).toUtf8(),
                                                        QCryptographicHash::Sha1)
                                       .toHex()
                                       .left(16));
}

// Both kinds of template are named after the Wine build's key; the generic
// one also after the script that makes it.
QString BottleTemplate::dirName(const QString &key) const
{
    if (m_fixBottle.isEmpty())
        return key;
    return QStringLiteral("generic-") + key + QLatin1Char('-')
           + QString::fromLatin1(md5OfFile(m_fixBottle).left(8));
}

// The current template of the other kind, or its spare, which a build of
// this kind keeps.
bool BottleTemplate::isCurrentOtherKind(const QString &name, const QString &key) const
{
    if (m_fixBottle.isEmpty())
        return name.startsWith(QStringLiteral("generic-") + key + QLatin1Char('-'));
    return name == key || name == key + spareSuffix;
}

// The user's folders in a template need no check of their own: the key
// holds what Wine made them from.
BottleTemplate::State BottleTemplate::stateOf(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        return State::Missing;
    for (const char *hive : {"/system.reg", "/user.reg"}) {
        if (QFileInfo(dir + QLatin1String(hive)).size() <= 0)
            return State::Damaged;
    }
    return State::Ready;
}

BottleTemplate::CopyResult BottleTemplate::copyTo(const QString &bottle,
                                                  const std::atomic_bool *abort) const
{
    if (QFileInfo(bottle).fileName().isEmpty() || QFileInfo::exists(bottle))
        return CopyResult::Fallback;
    const QString key = buildKey(abort);
    if (isAborted(abort))
        return CopyResult::Cancelled;
    if (key.isEmpty()) {
        qWarning() << "No bottle template: the Wine version is unknown";
        return CopyResult::Fallback;
    }
    const QString dir = templatesDir() + dirName(key);
    // Two rounds: the second copies what this or another installation has
    // just built.
    for (int round = 0; round < 2; ++round) {
        {
            const TemplatesLock shared(LOCK_SH, abort);
            if (!shared.isHeld())
                return notCopied(abort);
            if (stateOf(dir) == State::Ready) {
                const CopyResult result = takeSpare(dir, bottle) ? CopyResult::Copied
                                                                 : copyReady(dir, bottle, abort);
                if (result == CopyResult::Copied)
                    startSpareCopy(dir);
                return result;
            }
        }
        if (round > 0)
            break;
        const TemplatesLock alone(LOCK_EX, abort);
        if (!alone.isHeld())
            return notCopied(abort);
        const State state = stateOf(dir);
        if (state == State::Damaged) {
            qWarning().noquote() << QStringLiteral("Damaged bottle template removed: ") + dir;
            removeTemplate(dir);
            return CopyResult::Fallback;
        }
        if (state == State::Missing && !build(key, abort))
            return notCopied(abort);
    }
    return CopyResult::Fallback;
}

bool BottleTemplate::prepare(const std::atomic_bool *abort) const
{
    const QString key = buildKey(abort);
    if (key.isEmpty())
        return false;
    const TemplatesLock alone(LOCK_EX, abort);
    if (!alone.isHeld())
        return false;
    const QString dir = templatesDir() + dirName(key);
    const State state = stateOf(dir);
    if (state == State::Ready)
        return true;
    if (state == State::Damaged) {
        removeTemplate(dir);
    }
    return build(key, abort);
}

// Copies next to the bottle under a hidden name and renames the copy into
// place, so the bottle is either complete or not there at all.
BottleTemplate::CopyResult BottleTemplate::copyReady(const QString &dir, const QString &bottle,
                                                     const std::atomic_bool *abort) const
{
    const QFileInfo target(bottle);
    const QString partial = target.absolutePath() + QStringLiteral("/.") + target.fileName()
                            + QStringLiteral(".copying");
    if (QFileInfo::exists(partial))
        removeFolder(partial);
    QDir().mkpath(target.absolutePath());
    qInfo().noquote() << QStringLiteral("Copy bottle template: ") + dir + QStringLiteral(" to ")
                                 + bottle;
    QString output;
    QString error;
    const int result = shellCmd(QStringLiteral("cp"),
                                {QStringLiteral("-a"), QStringLiteral("--reflink=auto"),
                                 QStringLiteral("--"), dir + QStringLiteral("/."), partial},
                                output, error, copyTimeoutMs, abort);
    if (result == 0 && !isAborted(abort) && QDir().rename(partial, bottle))
        return CopyResult::Copied;
    if (result != 0 && !isAborted(abort))
        qWarning().noquote() << QStringLiteral("Copying the bottle template failed: ") + error;
    removeFolder(partial);
    return notCopied(abort);
}

// A spare copy, made after the last bottle, becomes the bottle at once.
bool BottleTemplate::takeSpare(const QString &dir, const QString &bottle)
{
    QDir().mkpath(QFileInfo(bottle).absolutePath());
    if (stateOf(dir + spareSuffix) != State::Ready || !QDir().rename(dir + spareSuffix, bottle))
        return false;
    qInfo().noquote() << QStringLiteral("Bottle made from the spare copy: ") + bottle;
    return true;
}

// Copies the template to its spare for the next bottle, in a process of its
// own at the lowest priority that outlives this one. It holds the lock shared
// like every copy and renames the copy into place only when it is complete.
void BottleTemplate::startSpareCopy(const QString &dir)
{
    if (QFileInfo::exists(dir + spareSuffix))
        return;
    const QString staging = templatesDir() + QStringLiteral(".spare-")
                            + QUuid::createUuid().toString(QUuid::Id128);
    const QString script = QStringLiteral(
            "[ -e \"$2\" ] || { cp -a --reflink=auto -- \"$1/.\" \"$3\" "
            "&& mv -T -- \"$3\" \"$2\"; } 2>/dev/null; rm -rf -- \"$3\"");
    QProcess::startDetached(QStringLiteral("nice"),
                            {QStringLiteral("-n19"), QStringLiteral("ionice"),
                             QStringLiteral("-c3"), QStringLiteral("flock"), QStringLiteral("-s"),
                             templatesDir() + QStringLiteral(".lock"), QStringLiteral("sh"),
                             QStringLiteral("-c"), script, QStringLiteral("sh"), dir,
                             dir + spareSuffix, staging});
}

// Called with the lock held alone.
bool BottleTemplate::build(const QString &key, const std::atomic_bool *abort) const
{
    const QString name = dirName(key);
    const QString dir = templatesDir() + name;
    const QString staging = templatesDir() + QStringLiteral(".build-")
                            + QUuid::createUuid().toString(QUuid::Id128);
    QString error;
    const bool complete = runBuild(staging, error, abort) && !isAborted(abort)
                          && stateOf(staging) == State::Ready;
    if (!complete || !QDir().rename(staging, dir)) {
        if (!isAborted(abort))
            qWarning().noquote() << QStringLiteral("Preparing the bottle template failed: ")
                                            + error;
        removeFolder(staging);
        return false;
    }
    // Only the templates of this Wine build stay: those of earlier builds,
    // of an earlier script and what an interrupted build left are removed.
    const QStringList others = QDir(templatesDir())
                                       .entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot
                                                  | QDir::NoSymLinks);
    for (const QString &other : others) {
        if (other != name && other != name + spareSuffix && !isCurrentOtherKind(other, key))
            removeFolder(templatesDir() + other);
    }
    qInfo().noquote() << QStringLiteral("Bottle template ready: ") + dir;
    return true;
}

// Makes the template's prefix in staging: the way Wine makes a bottle for a
// 64-bit installer, or what fixbottle.sh makes of an empty bottle. Both end
// once the Wine server has written the registry files.
bool BottleTemplate::runBuild(const QString &staging, QString &error,
                              const std::atomic_bool *abort) const
{
    QString output;
    if (!m_fixBottle.isEmpty()) {
        qInfo().noquote() << QStringLiteral("Preparing the bottle template: ")
                                     + ExecLine::shellQuoted(m_fixBottle) + QLatin1Char(' ')
                                     + ExecLine::shellQuoted(staging);
        return shellCmd(m_fixBottle, {staging}, output, error, buildTimeoutMs, abort) == 0;
    }
    const QString server = wineServer();
    if (server.isEmpty()) {
        qWarning() << "No bottle template: no Wine server beside" << m_wine64;
        return false;
    }
    const QString prefix = QStringLiteral("WINEPREFIX=") + ExecLine::shellQuoted(staging)
                           + QLatin1Char(' ');
    const QString create = prefix + ExecLine::shellQuoted(m_wine64) + QStringLiteral(" regedit /S ")
                           + ExecLine::shellQuoted(m_fontRegistry);
    qInfo().noquote() << QStringLiteral("Preparing the bottle template: ") + create;
    const QString bash = QStringLiteral("/bin/bash");
    shellCmd(bash, {QStringLiteral("-c"), create}, output, error, buildTimeoutMs, abort);
    shellCmd(bash,
             {QStringLiteral("-c"), prefix + ExecLine::shellQuoted(server) + QStringLiteral(" -w")},
             output, error, serverTimeoutMs, abort);
    return true;
}

// The Wine server of the same build: beside the configured Wine, else the
// one on the search path.
QString BottleTemplate::wineServer() const
{
    const QFileInfo beside(QFileInfo(m_wine64).absolutePath() + QStringLiteral("/wineserver"));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("wineserver"));
}
