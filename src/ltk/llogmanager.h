#ifndef LLOGMANAGER_H
#define LLOGMANAGER_H

#include <QString>

/*
 * Sends the Qt message log to the console and to one log file per user.
 * Every line carries the time, the level, the source file, the line and the
 * full function signature of the call site. Logging never waits for the
 * disk: the lines are written on a thread of their own.
 */
class LLogManager
{
public:
    static void registerConsoleAppender();
    static void registerFileAppender();
    // Moves a log file above the size limit aside to "<name>.1" and goes on
    // in a fresh file. Only the process that owns the log may call it.
    static void rotateLogFile();
    static QString getlogFilePath();
    // Lines are written on a thread of their own: waits (bounded) until
    // those logged so far are in the file, as before reading it.
    static bool flush();

    // The line format shared by both appenders.
    static QString formatLine(QtMsgType type, const QMessageLogContext &context,
                              const QString &message);
    // The message with its secrets masked: session tokens, login codes,
    // client secrets, passwords (as "key=value", JSON or map entries) and
    // e-mail addresses. Applied to every line before it is written.
    static QString redacted(QString message);

private:
    LLogManager() = delete;
};

#endif // LLOGMANAGER_H
