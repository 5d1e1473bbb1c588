#include "installinfo.h"

#include "bottleactivity.h"
#include "bottletemplate.h"
#include "commandline.h"
#include "common.h"
#include "doaction.h"
#include "execline.h"
#include "groupprocess.h"
#include "installdesktopentries.h"
#include "winesettings.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDirIterator>
#include <QFileInfo>

namespace {

const int firstCheckMs = 60000;
const int laterCheckMs = 30000;
const int helperTimeoutMs = 30000;
const int recreateBottleTimeoutMs = 2000000;
const int listingTimeoutMs = 120000;
// The status with which doWork runs the recommended-configuration step.
const int recommendedStepStatus = 4;

// Tests shorten the check timer's intervals; nothing else sets the variable.
int checkInterval(int defaultMs)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("LWA_INSTALL_CHECK_INTERVAL_MS", &ok);
    return ok && value > 0 ? value : defaultMs;
}

QString setting(const QString &key)
{
    return WineSettings::instance()->stringValue(key);
}

// "WINEPREFIX=<bottle> " at the head of a bash command line.
QString winePrefixFor(const QString &bottle)
{
    return QStringLiteral("WINEPREFIX=") + ExecLine::shellQuoted(bottle) + QLatin1Char(' ');
}

// Runs a command line through bash; its result is not needed.
int runThroughBash(const QString &commandLine, QString &output, int timeoutMs,
                   const std::atomic_bool *abort)
{
    QString error;
    return shellCmd(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), commandLine}, output, error,
                    timeoutMs, abort);
}

// Entries in now that were not in before.
QStringList newItems(const QStringList &now, const QStringList &before)
{
    QStringList added;
    for (const QString &item : now) {
        if (!before.contains(item))
            added.append(item);
    }
    return added;
}

} // namespace

InstallInfo::InstallInfo(QObject *parent)
    : TaskInterface(TaskInstall, parent)
{
}

InstallInfo::InstallInfo(const TInstalledAppInfo &info, QObject *parent)
    : InstallInfo(parent)
{
    m_appInfo = info;
}

InstallInfo::~InstallInfo()
{
    qDebug() << "";
    // Never cleared by the run in progress: a bottle still being prepared
    // starts no installer, and a running one is ended at once.
    requestAbort();
    stop();
}

void InstallInfo::setAppInfo(const TInstalledAppInfo &info)
{
    m_appInfo = info;
}

const TInstalledAppInfo &InstallInfo::getAppInfo() const
{
    return m_appInfo;
}

QString InstallInfo::getTaskName()
{
    return QStringLiteral("InstallInfo");
}

int InstallInfo::doWork()
{
    if (isAbortRequested())
        return cancelled();

    const QString type = m_appInfo.peInfo.peFileType.toUpper();
    if (m_appInfo.publishedAppInfo.installType == 0) {
        getStatus(recommendedStepStatus, QString());
        return isAbortRequested() ? cancelled() : 0;
    }

    const QString command = installerCommand(type);
    prepareBottle(type);
    if (isAbortRequested())
        return cancelled();
    takeSnapshot();
    if (isAbortRequested())
        return cancelled();
    qInfo().noquote() << QStringLiteral("DefaultInstall Cmd:") + command;
    QString output;
    installByDefault(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), command}, output);

    // Wine's menu integration may still be writing the installer's entries.
    pause(2000);
    if (isAbortRequested())
        return cancelled();
    if (!isDefaultInstallSuc()) {
        if (isAbortRequested())
            return cancelled();
        m_errString = tr("Can't find wine creat desktop file! Package install failed!");
        qWarning().noquote() << m_errString;
        return -3;
    }
    QString name;
    Doaction::instance()->getCurrentDirName(m_appInfo.bottlePath, name);
    int count = 0;
    createDesktopfileByDefaultInstall(count, name);
    return 0;
}

// The bash command line that runs the installer in the bottle; every value
// is quoted for the shell, so no name can run a command.
QString InstallInfo::installerCommand(const QString &type) const
{
    const QString prefix = winePrefixFor(m_appInfo.bottlePath);
    const QString program = ExecLine::shellQuoted(m_appInfo.peInfo.peFilePath);
    if (type.contains(QLatin1String("EXE"))) {
        const QString wine = setting(type.contains(QLatin1String("64")) ? QStringLiteral("wine64")
                                                                        : QStringLiteral("wine"));
        return prefix + ExecLine::shellQuoted(wine) + QLatin1Char(' ') + program;
    }
    if (type.contains(QLatin1String("FPX"))) {
        return prefix + ExecLine::shellQuoted(setting(QStringLiteral("wine")))
               + QStringLiteral(" msiexec /i ") + program;
    }
    return QString();
}

void InstallInfo::prepareBottle(const QString &type)
{
    const QString bottle = m_appInfo.bottlePath;
    QString output;
    if (type.contains(QLatin1String("EXE")) && type.contains(QLatin1String("64"))) {
        // A 64-bit installer needs a 64-bit bottle: the generic one is
        // replaced by a fresh one with the default fonts.
        Doaction::removeBottle(bottle);
        // A copy of the prepared prefix is that bottle, made much faster.
        if (BottleTemplate::fromSettings().copyTo(bottle, abortFlag())
            != BottleTemplate::CopyResult::Fallback)
            return;
        const QString command = winePrefixFor(bottle)
                                + ExecLine::shellQuoted(setting(QStringLiteral("wine64")))
                                + QStringLiteral(" regedit /S ")
                                + ExecLine::shellQuoted(
                                        setting(QStringLiteral("config-data"))
                                        + QStringLiteral("/Depends/DefaultFont/font.reg"));
        qInfo().noquote() << QStringLiteral("Recreate bottle: ") + command;
        runThroughBash(command, output, recreateBottleTimeoutMs, abortFlag());
        return;
    }
    // What fixbottle.sh makes of a bare bottle is the same every time: a
    // copy of it, made once, is much faster than Wine making it again.
    if (isBare(bottle)) {
        Doaction::removeBottle(bottle);
        if (BottleTemplate::genericFromSettings().copyTo(bottle, abortFlag())
            != BottleTemplate::CopyResult::Fallback)
            return;
    }
    QString error;
    shellCmd(quotedArgument(setting(QStringLiteral("tool")) + QStringLiteral("fixbottle.sh"))
                     + QLatin1Char(' ') + quotedArgument(bottle),
             output, error, helperTimeoutMs, abortFlag());
}

// Folders only, as the default bottle archive unpacks: nothing in it that
// fixbottle.sh would keep. Looks at a bounded number of entries.
bool InstallInfo::isBare(const QString &bottle)
{
    constexpr int maxEntries = 200;
    QDirIterator it(bottle, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    for (int entries = 0; it.hasNext(); ++entries) {
        const QFileInfo entry(it.next());
        if (entries >= maxEntries || !entry.isDir() || entry.isSymLink())
            return false;
    }
    return QFileInfo(bottle).isDir();
}

int InstallInfo::installByDefault(const QString &program, const QStringList &args, QString &out)
{
    const QString commandLine = args.value(1);
    qInfo() << "Start program: " << program << " arguments" << commandLine;
    if (isAbortRequested()) {
        qWarning().noquote() << commandLine + QStringLiteral(" cancelled");
        return -2;
    }
    if (!m_installerProcess)
        m_installerProcess = std::make_unique<GroupProcess>();
    m_installerProcess->start(program, args, QIODevice::ReadWrite);
    m_installerRunning = true;
    const bool ended = waitForInstaller();
    m_installerRunning = false;
    if (!ended) {
        qWarning().noquote() << commandLine + QStringLiteral(" timeout");
        return -2;
    }
    if (isAbortRequested()) {
        qWarning().noquote() << commandLine + QStringLiteral(" cancelled");
        return -2;
    }

    out = decodeOutput(m_installerProcess->readAllStandardOutput());
    if (exitedCleanly(m_installerProcess->exitStatus(), m_installerProcess->exitCode()))
        return 0;

    qWarning().noquote() << commandLine + QStringLiteral(" exit with err: ");
    const QStringList lines = QString::fromUtf8(m_installerProcess->readAllStandardError())
                                      .split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (!line.contains(QLatin1String("fix_send_is_blocking_state")))
            qInfo().noquote() << line;
    }
    return -1;
}

bool InstallInfo::waitForInstaller()
{
    GroupProcess &process = *m_installerProcess;
    m_activity = std::make_unique<BottleActivity>(m_appInfo.bottlePath);
    m_activity->reset();
    int interval = checkInterval(firstCheckMs);
    for (;;) {
        const auto result = process.waitForEnd(interval, [this] { return isAbortRequested(); });
        if (result == GroupProcess::WaitResult::NotStarted)
            return false;
        if (result == GroupProcess::WaitResult::Finished)
            return true;
        if (result == GroupProcess::WaitResult::Stopped || slot_checkDefaultInstall()) {
            qInfo() << "Ending the installer";
            process.endGroup();
            return true;
        }
        interval = checkInterval(laterCheckMs);
    }
}

void InstallInfo::takeSnapshot()
{
    m_before = Snapshot();
    m_before.desktops = getBottleDesktops(m_appInfo.bottlePath);
    m_before.apps = getUninstallerApps(m_appInfo.bottlePath);
    qInfo() << "bottle before the installer: " << m_before.desktops << m_before.apps;
}

void InstallInfo::pause(int ms) const
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired() && !isAbortRequested())
        QThread::msleep(50);
}

bool InstallInfo::isDefaultInstallSuc()
{
    const QString bottle = m_appInfo.bottlePath;
    const QStringList desktops = newItems(getBottleDesktops(bottle), m_before.desktops);
    qInfo() << "installed desktops: " << desktops;
    if (!desktops.isEmpty())
        return true;
    const QStringList apps = newItems(getUninstallerApps(bottle), m_before.apps);
    qInfo() << "installed apps: " << apps;
    return !apps.isEmpty();
}

QStringList InstallInfo::getBottleDesktops(const QString &bottle)
{
    const QString name = QString(bottle)
                                 .replace(QLatin1Char('\\'), QLatin1Char('/'))
                                 .split(QLatin1Char('/'))
                                 .constLast();
    if (name.isEmpty())
        return {};

    QString output;
    QString error;
    const QString command = quotedArgument(setting(QStringLiteral("tool"))
                                           + QStringLiteral("localdesktop.sh"))
                            + QLatin1Char(' ') + quotedArgument(name) + QStringLiteral(" -l");
    if (shellCmd(command, output, error, helperTimeoutMs, abortFlag()) != 0)
        return {};

    QStringList desktops;
    const QStringList lines = output.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.endsWith(QLatin1String("desktop")) && QFileInfo::exists(line))
            desktops.append(line);
    }
    return desktops;
}

QStringList InstallInfo::getUninstallerApps(const QString &bottle)
{
    // Without user.reg Wine has not set the bottle up, so nothing is
    // registered in it, and running Wine would only create it.
    if (!QFileInfo::exists(bottle + QStringLiteral("/user.reg")))
        return {};

    // Bounded: a Wine that hangs in a broken bottle must not hold the
    // installation for ever.
    QString output;
    runThroughBash(winePrefixFor(bottle) + ExecLine::shellQuoted(setting(QStringLiteral("wine")))
                           + QStringLiteral(" uninstaller --list"),
                   output, listingTimeoutMs, abortFlag());
    QStringList apps;
    const QStringList lines = output.split(QStringLiteral("\r\n"));
    for (const QString &line : lines) {
        const int separator = line.lastIndexOf(QLatin1String("|||"));
        if (separator >= 0)
            apps.append(line.mid(separator + 3));
    }
    return apps;
}

bool InstallInfo::isCheckActive() const
{
    return m_installerRunning;
}

bool InstallInfo::slot_checkDefaultInstall()
{
    // Whether the installer worked is judged before this check runs Wine in
    // the bottle itself.
    const bool idle = m_activity->sampleIsIdle();
    const bool installed = isDefaultInstallSuc();
    qInfo() << "install check: idle" << idle << "installed" << installed;
    if (idle && installed)
        return true;
    if (idle)
        unblockServices();
    m_activity->reset();
    return false;
}

// Services of this bottle that an idle installer may be waiting for.
void InstallInfo::unblockServices()
{
    QString output;
    QString error;
    shellCmd(QStringLiteral("env"),
             {QStringLiteral("WINEPREFIX=") + m_appInfo.bottlePath,
              setting(QStringLiteral("lirvan-wine-helper")) + QStringLiteral("kill.sh"),
              QStringLiteral("services"), QStringLiteral("block")},
             output, error, helperTimeoutMs, abortFlag());
}

void InstallInfo::getStatus(int status, const QString &info)
{
    if (status == recommendedStepStatus) {
        const QString command = quotedArgument(m_appInfo.bottlePath
                                               + QStringLiteral("/files/run.sh"))
                                + QStringLiteral(" -c");
        qDebug().noquote() << QStringLiteral("RecommandInstall Cmd:") + command;
        QString output;
        shellCmd(command, output, m_errString, helperTimeoutMs, abortFlag());
        if (isAbortRequested())
            return;
        createDesktopfileByRecommandInstall(m_appInfo.bottlePath);
    }
    qInfo().noquote() << QStringLiteral("status:") + QString::number(status)
                                 + QStringLiteral(" info:") + info;
}

void InstallInfo::createDesktopfileByRecommandInstall(const QString &bottle)
{
    InstallDesktopEntries(m_appInfo).copyRecommended(bottle);
}

void InstallInfo::createDesktopfileByDefaultInstall(int &count, const QString &name)
{
    const QStringList list = getBottleDesktops(name);
    count = list.size();
    InstallDesktopEntries(m_appInfo).keepDefault(list);
}

void InstallInfo::modifyDesktopFile(const QString &path, QString &fileName)
{
    InstallDesktopEntries(m_appInfo).modifyDesktopFile(path, fileName);
}
