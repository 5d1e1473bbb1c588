#include "assisthome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

AssistHome::AssistHome()
{
    QDir().mkpath(runtimeDir());
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString AssistHome::runtimeDir() const
{
    return m_dir.path() + QStringLiteral("/runtime");
}

QString AssistHome::logPath() const
{
    return m_dir.path() + QStringLiteral("/.cache/lirvan-wine-assist/lirvan-wine-assist.log");
}

QProcessEnvironment AssistHome::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path() + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), path() + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), path() + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

std::unique_ptr<QProcess> AssistHome::start(const QStringList &arguments) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(QStringLiteral(LWA_ASSIST_BINARY), arguments);
    return process;
}

QString AssistHome::log() const
{
    QFile file(logPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool AssistHome::waitForLog(const QString &text, int count, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (log().count(text) >= count)
            return true;
        QTest::qWait(50);
    }
    return false;
}

std::unique_ptr<QProcess> startPrimary(const AssistHome &home, const QStringList &arguments)
{
    auto process = home.start(arguments);
    if (!process->waitForStarted() || !home.waitForLog(QStringLiteral("launchWithArgs")))
        return nullptr;
    return process;
}

void stop(QProcess *process)
{
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished();
        }
    }
}
