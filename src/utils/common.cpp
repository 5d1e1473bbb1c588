#include "common.h"

#include <QDebug>
#include <QProcess>
#include <QTextCodec>

namespace {

QString utf8UpToNul(const QByteArray &bytes)
{
    if (bytes.isNull())
        return QString();
    const int nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
}

// Waits for the started process and fills the out-parameters; shared by both
// forms of shellCmd. `subject` names the command in the log lines.
int finishProcess(QProcess &process, const QString &subject, const QString &failureSubject,
                  QString &output, QString &error, int timeoutMs)
{
    if (!process.waitForFinished(timeoutMs)) {
        qWarning() << subject << " timeout";
        process.kill();
        process.waitForFinished(1000);
        return -2;
    }

    output = decodeOutput(process.readAllStandardOutput());
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return 0;

    error = QStringLiteral("err %1, string: %2")
                    .arg(process.exitCode())
                    .arg(utf8UpToNul(process.readAllStandardError()));
    const QStringList lines = error.split(QLatin1Char('\n'));
    qWarning() << failureSubject << " exit with err: " << lines.mid(qMax(0, lines.size() - 5));
    return -1;
}

} // namespace

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

int shellCmd(const QString &cmd, QString &output, QString &error, int timeoutMs)
{
    qInfo() << "Start command: " << cmd;
    QProcess process;
    const QStringList words = QProcess::splitCommand(cmd);
    if (words.isEmpty()) {
        qWarning() << cmd << " timeout";
        return -2;
    }
    process.start(words.first(), words.mid(1), QIODevice::ReadWrite);
    return finishProcess(process, cmd, cmd, output, error, timeoutMs);
}

int shellCmd(const QString &program, const QStringList &arguments, QString &output, QString &error,
             int timeoutMs)
{
    const QString commandLine = arguments.value(1);
    qInfo() << "Start program: " << program << " arguments" << commandLine;
    QProcess process;
    process.start(program, arguments, QIODevice::ReadWrite);
    return finishProcess(process, commandLine, program, output, error, timeoutMs);
}
