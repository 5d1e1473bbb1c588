#include "bottleactivity.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

// Processor time below this, between two looks, is a bottle at rest: Wine's
// idle services wake up now and then.
constexpr qint64 RestingTicks = 3;

QByteArray readProcFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? file.readAll() : QByteArray();
}

QByteArray prefixOf(const QByteArray &environment)
{
    const QList<QByteArray> entries = environment.split('\0');
    for (const QByteArray &entry : entries) {
        if (entry.startsWith("WINEPREFIX="))
            return entry.mid(11);
    }
    return QByteArray();
}

// utime + stime of /proc/<pid>/stat; the fields after the command name,
// which may itself hold blanks and parentheses.
qint64 ticksOf(const QByteArray &stat)
{
    const int close = stat.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    // Field 3 (state) is at index 0; utime and stime are fields 14 and 15.
    return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : 0;
}

} // namespace

BottleActivity::BottleActivity(const QString &bottle)
    : m_bottle(QDir::cleanPath(bottle))
{
}

bool BottleActivity::Files::operator==(const Files &other) const
{
    return count == other.count && bytes == other.bytes && newestMs == other.newestMs;
}

QHash<qint64, qint64> BottleActivity::processTicks(const QString &bottle)
{
    const QString wanted = QDir::cleanPath(bottle);
    QHash<qint64, qint64> ticks;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &name : pids) {
        bool isPid = false;
        const qint64 pid = name.toLongLong(&isPid);
        const QString dir = QStringLiteral("/proc/") + name;
        if (!isPid || QFileInfo(dir).ownerId() != ::getuid())
            continue;
        const QByteArray prefix = prefixOf(readProcFile(dir + QStringLiteral("/environ")));
        if (prefix.isEmpty() || QDir::cleanPath(QString::fromLocal8Bit(prefix)) != wanted)
            continue;
        ticks.insert(pid, ticksOf(readProcFile(dir + QStringLiteral("/stat"))));
    }
    return ticks;
}

BottleActivity::Files BottleActivity::filesOf(const QString &bottle)
{
    Files files;
    QDirIterator it(bottle, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        ++files.count;
        if (info.isSymLink())
            continue;
        files.bytes += info.isFile() ? info.size() : 0;
        files.newestMs = qMax(files.newestMs, info.lastModified().toMSecsSinceEpoch());
    }
    return files;
}

bool BottleActivity::sampleIsIdle()
{
    const QHash<qint64, qint64> ticks = processTicks(m_bottle);
    const Files files = filesOf(m_bottle);
    qint64 used = 0;
    for (auto it = ticks.cbegin(); it != ticks.cend(); ++it)
        used += it.value() - qMin(it.value(), m_ticks.value(it.key(), 0));
    const bool idle = m_hasSample && used < RestingTicks && files == m_files;
    m_ticks = ticks;
    m_files = files;
    m_hasSample = true;
    return idle;
}

void BottleActivity::reset()
{
    m_hasSample = false;
    sampleIsIdle();
}
