#include "llogmanager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A log file above this size is moved aside to "<name>.1" when the owning
// process starts, so that the log of a long-lived installation stays bounded.
constexpr qint64 MaxLogFileSize = 8 * 1024 * 1024;
// Longest message kept, in characters: texts from outside can be huge.
constexpr int MaxMessageLength = 8192;

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
    QString text = LLogManager::redacted(message);
    if (text.size() > MaxMessageLength)
        text = text.left(MaxMessageLength) + QStringLiteral("… (cut)");
    const QByteArray line = LLogManager::formatLine(type, context, text).toUtf8() + '\n';
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

// Called with the sinks' mutex held. The log holds the user's activity and
// may be sent as feedback: only its owner can read it, also when an older
// version created it readable for everyone.
void openLogFile(QFile &file, const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0 || ::fchmod(fd, S_IRUSR | S_IWUSR) != 0
        || !file.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text,
                      QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        fprintf(stderr, "Cannot open log file %s\n", qPrintable(path));
    }
}

const QString SecretKeys = QStringLiteral(
        "jwt_token|access_token|refresh_token|token|code|client_secret|password");

// Every key of SecretKeys contains one of these words.
bool mayHoldSecretKey(const QString &message)
{
    for (const char *word : {"token", "code", "secret", "password"}) {
        if (message.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
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

QString LLogManager::redacted(QString message)
{
    // Compiling the patterns costs more than most lines are worth, and most
    // lines hold none of the words a pattern needs: each is compiled when a
    // line first may hold its secret, and only such lines are searched.
    if (mayHoldSecretKey(message)) {
        // "key": "value" in JSON (quotes escaped when a reply is logged as a
        // quoted string) and ("key", QVariant(QString, "value")) in a logged
        // map.
        static const QRegularExpression
                quoted(QStringLiteral(
                               "(\\\\?\"(?:%1)\\\\?\"\\s*[:,]\\s*(?:QVariant\\(\\w+,\\s*)?\\\\?\")"
                               "(?:[^\"\\\\]|\\\\[^\"])*")
                               .arg(SecretKeys),
                       QRegularExpression::CaseInsensitiveOption);
        // key=value in a query or a settings line.
        static const QRegularExpression assigned(QStringLiteral("\\b((?:%1)=)[^&\\s\"'\\\\]+")
                                                         .arg(SecretKeys),
                                                 QRegularExpression::CaseInsensitiveOption);
        message.replace(quoted, QStringLiteral("\\1[redacted]"));
        message.replace(assigned, QStringLiteral("\\1[redacted]"));
    }
    if (message.contains(QLatin1String("bearer"), Qt::CaseInsensitive)) {
        static const QRegularExpression bearer(QStringLiteral("(Bearer\\s+)\\S+"),
                                               QRegularExpression::CaseInsensitiveOption);
        message.replace(bearer, QStringLiteral("\\1[redacted]"));
    }
    if (message.contains(QLatin1Char('@'))) {
        static const QRegularExpression email(QStringLiteral("[\\w.%+-]+@[\\w-]+(?:\\.[\\w-]+)+"));
        message.replace(email, QStringLiteral("[e-mail]"));
    }
    return message;
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
    // It may come from a version that left its log readable for everyone.
    QFile::setPermissions(path + QStringLiteral(".1"), QFile::ReadOwner | QFile::WriteOwner);
    if (wasOpen)
        openLogFile(file, path);
}

QString LLogManager::getlogFilePath()
{
    const QString cacheDir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cacheDir + QStringLiteral("/lirvan-wine-assist/lirvan-wine-assist.log");
}
