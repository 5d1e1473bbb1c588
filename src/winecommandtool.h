#ifndef WINECOMMANDTOOL_H
#define WINECOMMANDTOOL_H

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QString>

class BottleArchiveJob;
class QSocketNotifier;
class ScriptedInstall;
class WineCommandLine;
struct TInstalledAppInfo;

/*
 * The command line for scripts: list, install, uninstall, back up and
 * restore applications without a window, a display or a session bus, and
 * beside a running assistant. Results go to standard output, progress and
 * reasons to standard error; the exit status tells what happened.
 * SIGINT and SIGTERM cancel the work in progress cleanly.
 */
class WineCommandTool : public QObject
{
    Q_OBJECT
public:
    enum ExitStatus {
        Success = 0,
        Failure = 1,
        UsageError = 2,
        AlreadyInstalled = 3,
        NotFound = 4,
        Refused = 5,
        // 128 + the signal's number, as shells report it.
        SignalBase = 128,
    };

    explicit WineCommandTool(const WineCommandLine &commandLine, QObject *parent = nullptr);
    ~WineCommandTool() override;

    int run();

private:
    int list();
    int install();
    int uninstall();
    int backup();
    int restore();

    // Runs the job and waits for it, or for a signal that cancels it.
    int runArchiveJob(BottleArchiveJob *job, TInstalledAppInfo *record = nullptr);
    bool confirm(const TInstalledAppInfo &app);
    bool findApp(const QString &name, TInstalledAppInfo &app);
    int fail(int status, const QString &reason);
    void progress(const QString &line);
    void printResult(const QStringList &fields);

    void catchSignals();
    void onSignal();

    const WineCommandLine &m_commandLine;
    QEventLoop m_loop;
    QSocketNotifier *m_signalNotifier = nullptr;
    int m_signal = 0;
    QPointer<ScriptedInstall> m_install;
    QPointer<BottleArchiveJob> m_job;
};

#endif // WINECOMMANDTOOL_H
