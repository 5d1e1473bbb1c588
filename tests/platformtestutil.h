#ifndef PLATFORMTESTUTIL_H
#define PLATFORMTESTUTIL_H

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QThread>

#include <initializer_list>
#include <utility>

// Helpers for the tests that run the platform layer (helper scripts, Wine
// wrappers) from the build tree against the Windows test programs.
namespace PlatformTest {

// The build tree's copy of the installed platform tree, and a fixture file.
QString platformRoot();
QString tool(const QString &relativePath);
QString fixture(const QString &name);
// Points the settings at the build tree's helper scripts, Wine and data.
void useBuildPlatform();

// The test's home and the user's menu entry directory in it (with a
// trailing slash).
QString home();
QString applicationsDir();

struct Result
{
    bool finished = false; // ended by itself within the time-out
    int exitCode = -1;
    QString out;
    QString err;
};

Result run(const QString &program, const QStringList &arguments,
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 60000);

// The environment with WINEPREFIX set to the bottle.
QProcessEnvironment bottleEnvironment(const QString &bottle);
// Ends every Wine process of the bottle (its wineserver -k).
void endWine(const QString &bottle);

// Sets environment variables of this process for its lifetime, then
// removes them again.
class ScopedEnvironment
{
public:
    explicit ScopedEnvironment(
            std::initializer_list<std::pair<const char *, const char *>> variables);
    ~ScopedEnvironment();
    Q_DISABLE_COPY(ScopedEnvironment)

private:
    QList<QByteArray> m_names;
};

QByteArray readAll(const QString &path);
bool writeAll(const QString &path, const QByteArray &bytes);
// The MD5 digest of the bytes or of a file as lower-case hexadecimal text.
QString md5Hex(const QByteArray &data);
QString md5Of(const QString &path);

// Live (not zombie) processes of this user whose first argument names the
// program (compared by base name, ignoring case, also after a Windows path)
// and, when prefix is not empty, whose WINEPREFIX is that path.
QList<qint64> findProcesses(const QString &programName, const QString &prefix = QString());
// The Wine servers of a prefix (Debian's is called wineserver64).
QList<qint64> wineServers(const QString &prefix);
// Every live process whose WINEPREFIX is prefix.
QList<qint64> processesIn(const QString &prefix);
bool isAlive(qint64 pid);
// A process's nice value (-100 when it is gone).
int niceOf(qint64 pid);
// Live processes of this user whose command line contains text.
QList<qint64> processesMentioning(const QString &text);

// Waits up to timeoutMs for the condition; true when it held.
template<typename Condition>
bool waitFor(Condition condition, int timeoutMs);

} // namespace PlatformTest

template<typename Condition>
bool PlatformTest::waitFor(Condition condition, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 100) {
        if (condition())
            return true;
        QThread::msleep(100);
    }
    return condition();
}

#endif // PLATFORMTESTUTIL_H
