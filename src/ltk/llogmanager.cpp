#include "llogmanager.h"

#include "llogwriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Whether the log file is written; set up once, by the thread that starts
// the program.
bool g_fileRegistered = false;

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
    LLogWriter &writer = LLogWriter::instance();
    writer.append(LLogManager::formatLine(type, context, text).toUtf8() + '\n');
    // Qt ends the process when this returns.
    if (type == QtFatalMsg)
        writer.flush();
}

// The log holds the user's activity and may be sent as feedback: only its
// owner can read it, also when an older version created it readable for
// everyone.
int openLogFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0 && ::fchmod(fd, S_IRUSR | S_IWUSR) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    fprintf(stderr, "Cannot open log file %s\n", qPrintable(path));
    return -1;
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

// Once: a handler installed later on top of this one stays in place.
void installHandler()
{
    static bool installed = false;
    if (!installed) {
        qInstallMessageHandler(messageHandler);
        installed = true;
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
    LLogWriter::instance().setConsole(true);
    installHandler();
}

void LLogManager::registerFileAppender()
{
    if (!g_fileRegistered) {
        const QString path = getlogFilePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        LLogWriter::instance().setFile(openLogFile(path));
        g_fileRegistered = true;
    }
    installHandler();
}

bool LLogManager::flush()
{
    return LLogWriter::instance().flush();
}

void LLogManager::rotateLogFile()
{
    const QString path = getlogFilePath();
    if (QFileInfo(path).size() <= MaxLogFileSize)
        return;
    // The writer goes on in the moved file until it gets the new one.
    QFile::remove(path + QStringLiteral(".1"));
    QFile::rename(path, path + QStringLiteral(".1"));
    // It may come from a version that left its log readable for everyone.
    QFile::setPermissions(path + QStringLiteral(".1"), QFile::ReadOwner | QFile::WriteOwner);
    if (g_fileRegistered)
        LLogWriter::instance().setFile(openLogFile(path));
}

QString LLogManager::getlogFilePath()
{
    const QString cacheDir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cacheDir + QStringLiteral("/lirvan-wine-assist/lirvan-wine-assist.log");
}
