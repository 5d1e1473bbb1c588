#include "common.h"

#include "groupprocess.h"

#include <QDebug>
#include <QTextCodec>

#include <functional>

namespace {

QString utf8UpToNul(const QByteArray &bytes)
{
    if (bytes.isNull())
        return QString();
    const int nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
}

bool isSet(const std::atomic_bool *flag)
{
    return flag && *flag;
}

// Starts the process unless the command was cancelled before; false when it
// must not run.
bool startUnlessCancelled(GroupProcess &process, const QString &program,
                          const QStringList &arguments, const QString &subject,
                          const std::atomic_bool *abort)
{
    if (isSet(abort)) {
        qWarning() << subject << " cancelled";
        return false;
    }
    process.start(program, arguments, QIODevice::ReadWrite);
    return true;
}

// Waits for the started process and fills the out-parameters; shared by both
// forms of shellCmd. `subject` names the command in the log lines.
int finishProcess(GroupProcess &process, const QString &subject, const QString &failureSubject,
                  QString &output, QString &error, int timeoutMs, const std::atomic_bool *abort)
{
    std::function<bool()> cancelled;
    if (abort)
        cancelled = [abort] {
            return bool(*abort);
        };
    switch (process.waitForEnd(timeoutMs, cancelled)) {
    case GroupProcess::WaitResult::Finished:
        break;
    case GroupProcess::WaitResult::Stopped:
        qWarning() << subject << " cancelled";
        process.endGroup();
        return -2;
    case GroupProcess::WaitResult::TimedOut:
    case GroupProcess::WaitResult::NotStarted:
        qWarning() << subject << " timeout";
        process.endGroup();
        return -2;
    }

    output = decodeOutput(process.readAllStandardOutput());
    if (exitedCleanly(process.exitStatus(), process.exitCode()))
        return 0;

    error = QStringLiteral("err %1, string: %2")
                    .arg(QString::number(process.exitCode()),
                         utf8UpToNul(process.readAllStandardError()));
    const QStringList lines = error.split(QLatin1Char('\n'));
    qWarning() << failureSubject << " exit with err: " << lines.mid(qMax(0, lines.size() - 5));
    return -1;
}

} // namespace

bool exitedCleanly(QProcess::ExitStatus status, int exitCode)
{
    return status == QProcess::NormalExit && exitCode == 0;
}

QString decodeOutput(const QByteArray &bytes)
{
    QTextCodec *utf8 = QTextCodec::codecForName("utf-8");
    QTextCodec::ConverterState state;
    utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0)
        return utf8UpToNul(bytes);

    QTextCodec *gbk = QTextCodec::codecForName("gbk");
    return gbk ? gbk->toUnicode(bytes) : QString::fromLocal8Bit(bytes);
}

int shellCmd(const QString &cmd, QString &output, QString &error, int timeoutMs,
             const std::atomic_bool *abort)
{
    qInfo() << "Start command: " << cmd;
    const QStringList words = QProcess::splitCommand(cmd);
    if (words.isEmpty()) {
        qWarning() << cmd << " timeout";
        return -2;
    }
    GroupProcess process;
    if (!startUnlessCancelled(process, words.first(), words.mid(1), cmd, abort))
        return -2;
    return finishProcess(process, cmd, cmd, output, error, timeoutMs, abort);
}

int shellCmd(const QString &program, const QStringList &arguments, QString &output, QString &error,
             int timeoutMs, const std::atomic_bool *abort)
{
    const QString commandLine = arguments.value(1);
    qInfo() << "Start program: " << program << " arguments" << commandLine;
    GroupProcess process;
    if (!startUnlessCancelled(process, program, arguments, commandLine, abort))
        return -2;
    return finishProcess(process, commandLine, program, output, error, timeoutMs, abort);
}
