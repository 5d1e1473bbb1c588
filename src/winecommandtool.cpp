#include "winecommandtool.h"

#include "bottlearchivejob.h"
#include "doaction.h"
#include "jsonoperator.h"
#include "llogmanager.h"
#include "scriptedinstall.h"
#include "winecommandline.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The self-pipe: the signal handler only writes the signal's number into
// it, the event loop reads it.
int signalPipe[2] = {-1, -1};

void onSignalHandler(int signal)
{
    const int savedErrno = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void writeLine(FILE *stream, const QString &line)
{
    QTextStream out(stream);
    out.setCodec("UTF-8");
    out << line << '\n';
}

// Confirmation answers, in both languages.
bool isYes(const QString &answer)
{
    const QString text = answer.trimmed().toLower();
    return text == QLatin1String("y") || text == QLatin1String("yes")
           || text == QStringLiteral("是");
}

} // namespace

WineCommandTool::WineCommandTool(const WineCommandLine &commandLine, QObject *parent)
    : QObject(parent)
    , m_commandLine(commandLine)
{
}

WineCommandTool::~WineCommandTool()
{
    if (m_signalNotifier) {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
    }
}

int WineCommandTool::run()
{
    const QString usage = m_commandLine.usageError();
    if (!usage.isEmpty())
        return fail(UsageError, usage);
    switch (m_commandLine.command()) {
    case WineCommandLine::List:
        return list();
    case WineCommandLine::Install:
        return install();
    case WineCommandLine::Uninstall:
        return uninstall();
    case WineCommandLine::Backup:
        return backup();
    case WineCommandLine::Restore:
        return restore();
    default:
        return UsageError;
    }
}

void WineCommandTool::catchSignals()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_signalNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signalNotifier, &QSocketNotifier::activated, this, &WineCommandTool::onSignal);
    struct sigaction action = {};
    action.sa_handler = onSignalHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void WineCommandTool::onSignal()
{
    char byte = 0;
    while (::read(signalPipe[0], &byte, 1) == 1)
        m_signal = byte;
    progress(tr("正在取消…"));
    if (m_install)
        m_install->cancel();
    if (m_job)
        m_job->cancel();
}

int WineCommandTool::fail(int status, const QString &reason)
{
    writeLine(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + reason);
    return status;
}

void WineCommandTool::progress(const QString &line)
{
    writeLine(stderr, line);
}

void WineCommandTool::printResult(const QStringList &fields)
{
    writeLine(stdout, fields.join(QLatin1Char('\t')));
}

bool WineCommandTool::findApp(const QString &name, TInstalledAppInfo &app)
{
    CommonJsonOperator::findAppInfoToJasonfileByAppName(name, app, installedAppsFilePath());
    return !app.appName.isEmpty();
}

int WineCommandTool::list()
{
    QList<TInstalledAppInfo> apps;
    CommonJsonOperator::readToJasonfile(apps, installedAppsFilePath());
    for (const TInstalledAppInfo &app : qAsConst(apps))
        printResult({app.appName, shownVersion(app), app.bottlePath, app.desktopInfo.desktopPath});
    return Success;
}

int WineCommandTool::install()
{
    const QString file = m_commandLine.subject();
    if (!QFileInfo(file).isFile())
        return fail(NotFound, tr("找不到文件：%1").arg(file));
    catchSignals();
    int result = ScriptedInstall::Failed;
    QString message;
    m_install = new ScriptedInstall(this);
    connect(m_install, &ScriptedInstall::signalProgress, this, &WineCommandTool::progress);
    connect(m_install, &ScriptedInstall::signalFinished, this,
            [&](int status, const QString &text) {
                result = status;
                message = text;
                m_loop.quit();
            });
    m_install->start(file, m_commandLine.name(), LLogManager::getlogFilePath());
    m_loop.exec();
    const TInstalledAppInfo app = m_install->appInfo();
    delete m_install;
    switch (result) {
    case ScriptedInstall::Installed:
        progress(message);
        printResult({app.appName, app.bottlePath, app.desktopInfo.desktopPath});
        return Success;
    case ScriptedInstall::AlreadyInstalled:
        return fail(AlreadyInstalled, message);
    case ScriptedInstall::Cancelled:
        return fail(SignalBase + m_signal, message);
    default:
        return fail(Failure, message);
    }
}

bool WineCommandTool::confirm(const TInstalledAppInfo &app)
{
    QTextStream err(stderr);
    err.setCodec("UTF-8");
    err << tr("卸载“%1”并删除它的全部文件（%2）吗？[y/N] ").arg(app.appName, app.bottlePath);
    err.flush();
    QTextStream in(stdin);
    in.setCodec("UTF-8");
    return isYes(in.readLine());
}

int WineCommandTool::uninstall()
{
    TInstalledAppInfo app;
    const QString name = m_commandLine.subject();
    if (!findApp(name, app))
        return fail(NotFound, tr("没有安装名为“%1”的应用").arg(name));
    if (!m_commandLine.yes()) {
        if (!::isatty(STDIN_FILENO))
            return fail(Refused, tr("没有终端可以确认卸载；确定要卸载请加 --yes"));
        if (!confirm(app))
            return fail(Refused, tr("没有卸载“%1”").arg(name));
    }
    Doaction::instance()->unInstallApp(&app);
    TInstalledAppInfo left;
    if (findApp(name, left))
        return fail(Failure, tr("无法卸载“%1”").arg(name));
    progress(tr("已卸载“%1”").arg(name));
    return Success;
}

int WineCommandTool::runArchiveJob(BottleArchiveJob *job, TInstalledAppInfo *record)
{
    catchSignals();
    m_job = job;
    connect(job, &BottleArchiveJob::signalProgress, this, [this](int percent) {
        if (percent % 10 == 0)
            progress(QStringLiteral("%1%").arg(percent));
    });
    connect(job, &BottleArchiveJob::signalFinished, &m_loop, &QEventLoop::quit);
    job->start();
    m_loop.exec();
    job->wait();
    const BottleArchive::Outcome outcome = job->outcome();
    delete job;
    if (record)
        *record = outcome.record;
    switch (outcome.status) {
    case BottleArchive::Done:
        progress(outcome.message);
        return Success;
    case BottleArchive::AppRunning:
        return fail(Refused, outcome.message + tr("（加 --force 仍然备份）"));
    case BottleArchive::NameTaken:
        return fail(AlreadyInstalled, outcome.message);
    case BottleArchive::Cancelled:
        return fail(SignalBase + m_signal, outcome.message);
    default:
        return fail(Failure, outcome.message);
    }
}

int WineCommandTool::backup()
{
    TInstalledAppInfo app;
    const QString name = m_commandLine.subject();
    if (!findApp(name, app))
        return fail(NotFound, tr("没有安装名为“%1”的应用").arg(name));
    const QString archive = QFileInfo(m_commandLine.backupArchive()).absoluteFilePath();
    progress(tr("备份“%1”到 %2").arg(name, archive));
    auto job = new BottleArchiveJob(BottleArchiveJob::Backup, app, archive, this);
    job->setForce(m_commandLine.force());
    const int status = runArchiveJob(job);
    if (status == Success)
        printResult({archive});
    return status;
}

int WineCommandTool::restore()
{
    const QString archive = QFileInfo(m_commandLine.subject()).absoluteFilePath();
    progress(tr("从 %1 恢复").arg(archive));
    auto job = new BottleArchiveJob(BottleArchiveJob::Restore, TInstalledAppInfo(), archive, this);
    TInstalledAppInfo app;
    const int status = runArchiveJob(job, &app);
    if (status == Success)
        printResult({app.appName, app.bottlePath, app.desktopInfo.desktopPath});
    return status;
}
