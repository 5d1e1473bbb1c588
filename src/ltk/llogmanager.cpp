#include "llogmanager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

#include <cstdio>

namespace {

// A log file above this size is moved aside to "<name>.1" when the owning
// process starts, so that the log of a long-lived installation stays bounded.
constexpr qint64 MaxLogFileSize = 8 * 1024 * 1024;

struct LogSinks
{
    QMutex mutex;
    bool console = false;
    QFile file;
    QtMessageHandler previous = nullptr;
    bool installed = false;
};

LogSinks &sinks()
{
    static LogSinks instance;
    return instance;
}

const char *levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "Debug";
    case QtInfoMsg:
        return "Info";
    case QtWarningMsg:
        return "Warning";
    case QtCriticalMsg:
        return "Critical";
    case QtFatalMsg:
        return "Fatal";
    }
    return "Unknown";
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray line = LLogManager::formatLine(type, context, message).toUtf8() + '\n';
    LogSinks &log = sinks();
    QMutexLocker locker(&log.mutex);
    if (log.console) {
        fwrite(line.constData(), 1, size_t(line.size()), stderr);
        fflush(stderr);
    }
    if (log.file.isOpen()) {
        log.file.write(line);
        log.file.flush();
    }
}

// Called with the sinks' mutex held.
void openLogFile(QFile &file, const QString &path)
{
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        fprintf(stderr, "Cannot open log file %s\n", qPrintable(path));
}

void installHandler()
{
    LogSinks &log = sinks();
    if (!log.installed) {
        log.previous = qInstallMessageHandler(messageHandler);
        log.installed = true;
    }
}

} // namespace

QString LLogManager::formatLine(QtMsgType type, const QMessageLogContext &context,
                                const QString &message)
{
    const QString time = QDateTime::currentDateTime().toString(
            QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    // One pass: a message holding "%1" or a URL with "%2F" stays as it is.
    return QStringLiteral("%1 [%2] [%3:%4 %5] %6")
            .arg(time, QLatin1String(levelName(type)),
                 QString::fromUtf8(context.file ? context.file : "unknown"),
                 QString::number(context.line),
                 QString::fromUtf8(context.function ? context.function : ""), message);
}

void LLogManager::registerConsoleAppender()
{
    {
        QMutexLocker locker(&sinks().mutex);
        sinks().console = true;
    }
    installHandler();
}

void LLogManager::registerFileAppender()
{
    const QString path = getlogFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QMutexLocker locker(&sinks().mutex);
        QFile &file = sinks().file;
        if (!file.isOpen())
            openLogFile(file, path);
    }
    installHandler();
}

void LLogManager::rotateLogFile()
{
    const QString path = getlogFilePath();
    if (QFileInfo(path).size() <= MaxLogFileSize)
        return;
    QMutexLocker locker(&sinks().mutex);
    QFile &file = sinks().file;
    const bool wasOpen = file.isOpen();
    file.close();
    QFile::remove(path + QStringLiteral(".1"));
    QFile::rename(path, path + QStringLiteral(".1"));
    if (wasOpen)
        openLogFile(file, path);
}

QString LLogManager::getlogFilePath()
{
    const QString cacheDir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cacheDir + QStringLiteral("/lirvan-wine-assist/lirvan-wine-assist.log");
}
