#include "platformtestutil.h"

#include "winesettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace PlatformTest {

QString platformRoot()
{
    return QStringLiteral(LWA_BINARY_DIR "/platform-root");
}

QString home()
{
    return QDir::homePath();
}

QString applicationsDir()
{
    return home() + QStringLiteral("/.local/share/applications/");
}

QString tool(const QString &relativePath)
{
    return platformRoot() + QLatin1Char('/') + relativePath;
}

QString fixture(const QString &name)
{
    return QStringLiteral(LWA_BINARY_DIR "/fixtures/") + name;
}

void useBuildPlatform()
{
    WineSettings *settings = WineSettings::instance();
    settings->setValue(QStringLiteral("tool"), tool(QStringLiteral("tools/")));
    settings->setValue(QStringLiteral("lirvan-wine-helper"),
                       tool(QStringLiteral("tools/lirvan-wine-helper/")));
    settings->setValue(QStringLiteral("wine"),
                       tool(QStringLiteral("lirvan-wine5-stable/bin/wine")));
    settings->setValue(QStringLiteral("wine64"),
                       tool(QStringLiteral("lirvan-wine5-stable/bin/wine64")));
    settings->setValue(QStringLiteral("config-data"), tool(QStringLiteral("data")));
    settings->setValue(QStringLiteral("local_path"),
                       tool(QStringLiteral("data/Depends/DefaultBottle/files.7z")));
}

Result run(const QString &program, const QStringList &arguments,
           const QProcessEnvironment &environment, int timeoutMs)
{
    Result result;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return result;
    process.closeWriteChannel();
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QProcessEnvironment bottleEnvironment(const QString &bottle)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), bottle);
    return environment;
}

void endWine(const QString &bottle)
{
    run(tool(QStringLiteral("lirvan-wine5-stable/bin/wineserver")), {QStringLiteral("-k")},
        bottleEnvironment(bottle));
}

ScopedEnvironment::ScopedEnvironment(
        std::initializer_list<std::pair<const char *, const char *>> variables)
{
    for (const auto &variable : variables) {
        qputenv(variable.first, variable.second);
        m_names.append(variable.first);
    }
}

ScopedEnvironment::~ScopedEnvironment()
{
    for (const QByteArray &name : qAsConst(m_names))
        qunsetenv(name.constData());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

QString md5Hex(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}

QString md5Of(const QString &path)
{
    return md5Hex(readAll(path));
}

namespace {

QByteArray programOf(const QString &procDir)
{
    const QByteArray commandLine = readAll(procDir + QStringLiteral("/cmdline"));
    QByteArray first = commandLine.left(commandLine.indexOf('\0'));
    const int slash = qMax(first.lastIndexOf('/'), first.lastIndexOf('\\'));
    return first.mid(slash + 1).toLower();
}

QString prefixOf(const QString &procDir)
{
    const QList<QByteArray> variables = readAll(procDir + QStringLiteral("/environ")).split('\0');
    for (const QByteArray &variable : variables) {
        if (variable.startsWith("WINEPREFIX="))
            return QString::fromUtf8(variable.mid(int(qstrlen("WINEPREFIX="))));
    }
    return QString();
}

} // namespace

namespace {

// The fields of a process's stat line after its name (the state first),
// empty when the process is gone.
QList<QByteArray> statFields(qint64 pid)
{
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    const int end = stat.lastIndexOf(')');
    return end > 0 ? stat.mid(end + 2).split(' ') : QList<QByteArray>();
}

} // namespace

bool isAlive(qint64 pid)
{
    const QList<QByteArray> fields = statFields(pid);
    return !fields.isEmpty() && !fields.constFirst().isEmpty() && fields.constFirst() != "Z";
}

int niceOf(qint64 pid)
{
    return statFields(pid).value(16, "-100").toInt();
}

namespace {

// Live processes of this user but the test itself that match.
template<typename Match>
QList<qint64> liveProcesses(Match matches)
{
    QList<qint64> pids;
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isNumber = false;
        const qint64 pid = entry.toLongLong(&isNumber);
        if (!isNumber || pid == getpid())
            continue;
        const QString dir = proc.filePath(entry);
        if (QFileInfo(dir).ownerId() == getuid() && isAlive(pid) && matches(dir))
            pids.append(pid);
    }
    return pids;
}

} // namespace

QList<qint64> findProcesses(const QString &programName, const QString &prefix)
{
    return liveProcesses([&](const QString &dir) {
        return programOf(dir) == programName.toLower().toUtf8()
               && (prefix.isEmpty() || prefixOf(dir) == prefix);
    });
}

QList<qint64> wineServers(const QString &prefix)
{
    return findProcesses(QStringLiteral("wineserver"), prefix)
           + findProcesses(QStringLiteral("wineserver64"), prefix);
}

QList<qint64> processesIn(const QString &prefix)
{
    return liveProcesses([&](const QString &dir) { return prefixOf(dir) == prefix; });
}

QList<qint64> processesMentioning(const QString &text)
{
    const QByteArray wanted = text.toUtf8();
    return liveProcesses([&](const QString &dir) {
        return readAll(dir + QStringLiteral("/cmdline")).replace('\0', ' ').contains(wanted);
    });
}

} // namespace PlatformTest
