// Time from pressing install to the success view for foo-setup.exe (default
// configuration, catalogue service down), against running the same
// installer with bare Wine in a fresh prefix (prefix creation included) in
// the same run. The assistant installs twice per round: first without the
// prepared 64-bit prefix (the very first install, which makes it), then with
// it. For the bare bottle of 32-bit and .msi installers it prints how long
// fixbottle.sh takes to make one, against a copy of its template. Prints
// where the installation's time goes and the longest time the GUI thread
// was blocked (GuiWatchdog): during the
// installation, the uninstall that follows it, and the cancel of a lingering
// installer. Other programs busy on the machine lengthen the blocks too, so
// the load average at start and end is printed beside them, each block also
// less the time the GUI thread waited for a CPU (its "own" block), and the
// longest block of a GUI thread with nothing to do while bare Wine runs.
//
//   QT_QPA_PLATFORM=offscreen build/bench/lwa_bench_install
//
// It runs in a throw-away home of its own; RUNS (default 3) rounds of both
// alternate and the medians are compared.

#include "bottletemplate.h"
#include "containerinstallerobj.h"
#include "containerinstallview.h"
#include "containerinstallview_p.h"
#include "doaction.h"
#include "guiwatchdog.h"
#include "lapplication.h"
#include "wineapplication.h"
#include "winesettings.h"
#include "wnappinfowidget.h"
#include "wnappinstallwidget.h"
#include "wnunkownappinstallwidget.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMutex>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

const QString Root = QStringLiteral(LWA_BINARY_DIR "/platform-root/");
const QString Setup = QStringLiteral(LWA_BINARY_DIR "/fixtures/foo-setup.exe");

QElapsedTimer g_clock;
QMutex g_marksLock;
QList<QPair<qint64, QString>> g_marks;
QtMessageHandler g_previous = nullptr;

// Log lines that open a phase of the installation, with their time.
void markPhases(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QList<QPair<QString, QString>> markers
            = {{QStringLiteral("install start"), QStringLiteral("download of the package")},
               {QStringLiteral("UnzipInfo\"  running"), QStringLiteral("unpack of the bottle")},
               {QStringLiteral("InstallInfo\"  running"), QStringLiteral("install task")},
               {QStringLiteral("Preparing the bottle template: "),
                QStringLiteral("preparation of the bottle template")},
               {QStringLiteral("Copy bottle template: "), QStringLiteral("copy of the template")},
               {QStringLiteral("Bottle made from the spare copy: "),
                QStringLiteral("bottle from the spare copy")},
               {QStringLiteral("Recreate bottle: "), QStringLiteral("64-bit prefix creation")},
               {QStringLiteral("DefaultInstall Cmd:"), QStringLiteral("installer runs")},
               {QStringLiteral("installed desktops:"),
                QStringLiteral("entry search (after 2 s pause)")},
               {QStringLiteral("InstallInfo\"  finished"), QStringLiteral("recording")},
               {QStringLiteral("install end"), QStringLiteral("recorded")}};
    for (const auto &marker : markers) {
        if (message.contains(marker.first)) {
            QMutexLocker locker(&g_marksLock);
            g_marks.append({g_clock.elapsed(), marker.second});
        }
    }
    Q_UNUSED(type)
    Q_UNUSED(context)
}

void useBuildPlatform()
{
    WineSettings *settings = WineSettings::instance();
    settings->setValue(QStringLiteral("tool"), Root + QStringLiteral("tools/"));
    settings->setValue(QStringLiteral("lirvan-wine-helper"),
                       Root + QStringLiteral("tools/lirvan-wine-helper/"));
    settings->setValue(QStringLiteral("wine"),
                       Root + QStringLiteral("lirvan-wine5-stable/bin/wine"));
    settings->setValue(QStringLiteral("wine64"),
                       Root + QStringLiteral("lirvan-wine5-stable/bin/wine64"));
    settings->setValue(QStringLiteral("config-data"), Root + QStringLiteral("data"));
    settings->setValue(QStringLiteral("local_path"),
                       Root + QStringLiteral("data/Depends/DefaultBottle/files.7z"));
    settings->setValue(QStringLiteral("wine_oauth_host"), QStringLiteral("http://127.0.0.1:9"));
}

// Waits in the event loop for the condition, at most timeoutMs. The loop
// sleeps between events (a spinning one would take a core from Wine) and
// looks again at least every 50 ms.
template<typename Condition>
bool waitFor(Condition condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QTimer wake;
    wake.start(50);
    while (!condition() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return condition();
}

// Bare Wine runs the installer while the GUI thread only waits in its event
// loop: the longest block it meets meanwhile (idleBlockMs) is what the
// machine alone inflicts under the same load, the reference for the others.
double bareWineSeconds(const QString &prefix, double &idleBlockMs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), prefix);
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    QProcess wine;
    wine.setProcessEnvironment(environment);
    GuiWatchdog watchdog;
    QElapsedTimer timer;
    timer.start();
    watchdog.start();
    wine.start(Root + QStringLiteral("lirvan-wine5-stable/bin/wine64"), {Setup});
    waitFor([&] { return wine.state() == QProcess::NotRunning; }, 900000);
    const double seconds = timer.elapsed() / 1000.0;
    watchdog.stop();
    idleBlockMs = watchdog.longestBlockMs();
    QProcess server;
    server.setProcessEnvironment(environment);
    server.start(Root + QStringLiteral("lirvan-wine5-stable/bin/wineserver"),
                 {QStringLiteral("-k")});
    server.waitForFinished(-1);
    return seconds;
}

struct AssistantRun
{
    bool success = false;
    double seconds = 0;
    double longestBlockMs = 0;
    double longestBlockAtS = 0; // after pressing install
    double longestOwnBlockMs = 0;
    double uninstallBlockMs = 0;
    double uninstallOwnBlockMs = 0;
    QList<QPair<qint64, QString>> phases; // ms after pressing install
};

// Opens the stand-alone window for the installer and goes to the default
// configuration's page; null when the file is not read in time.
WineInstallerWnd *openWindow()
{
    WineApplication::instance()->launchWithArgs({QStringLiteral("assist"), Setup});
    WineInstallerWnd *window = WineApplication::instance()->installers().constLast()->installer();
    if (!waitFor([&] { return !window->appInfoPage()->peInfo().peProductName.isEmpty(); }, 60000)
        || !waitFor([&] { return !window->installer()->recommendApps().isEmpty(); }, 60000))
        return nullptr;
    window->appInfoPage()->agreementBox()->click();
    window->appInfoPage()->nextButton()->click();
    return window;
}

bool installerRuns()
{
    QMutexLocker locker(&g_marksLock);
    return std::any_of(g_marks.cbegin(), g_marks.cend(), [](const QPair<qint64, QString> &mark) {
        return mark.second == QLatin1String("installer runs");
    });
}

// One installation through the stand-alone window, from pressing install to
// the success view; the application is uninstalled again afterwards, as the
// installed view does it.
AssistantRun installThroughWindow()
{
    AssistantRun result;
    WineInstallerWnd *window = openWindow();
    if (!window)
        return result;

    GuiWatchdog watchdog;
    g_marks.clear();
    g_previous = qInstallMessageHandler(markPhases);
    WnAppInstallWidget *progress = window->progressPage();
    const qint64 pressed = g_clock.elapsed();
    watchdog.start();
    window->findChild<WnUnkownAppInstallWidget *>()->installButton()->click();
    const bool shown = waitFor([&] { return progress->actionButton()->isVisible(); }, 900000);
    result.seconds = (g_clock.elapsed() - pressed) / 1000.0;
    watchdog.stop();
    result.longestBlockMs = watchdog.longestBlockMs();
    result.longestBlockAtS = watchdog.longestBlockAtMs() / 1000.0;
    result.longestOwnBlockMs = watchdog.longestOwnBlockMs();
    qInstallMessageHandler(g_previous);
    result.success = shown && progress->statusLabel()->text() == QStringLiteral("安装成功");
    for (const auto &mark : qAsConst(g_marks))
        result.phases.append({mark.first - pressed, mark.second});

    const TInstalledAppInfo record = window->installer()->appInfo();
    window->window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    bool removed = false;
    watchdog.start();
    Doaction::instance()->unInstallAppLater(record, qApp, [&] { removed = true; });
    waitFor([&] { return removed; }, 120000);
    watchdog.stop();
    result.uninstallBlockMs = watchdog.longestBlockMs();
    result.uninstallOwnBlockMs = watchdog.longestOwnBlockMs();
    return result;
}

// Cancels an installer that lingers after installing, through the window's
// cancel button: the GUI thread's longest stall from the click until the
// window has cleaned up and gone (ms, -1 when it did not go; ownMs without
// the waits for a CPU), and how long that took (seconds).
double cancelLingeringInstall(double &seconds, double &ownMs)
{
    // The installer reads it when it starts.
    qputenv("FOO_SETUP_MODE", "linger");
    const auto unsetMode = qScopeGuard([] { qunsetenv("FOO_SETUP_MODE"); });
    WineInstallerWnd *window = openWindow();
    if (!window)
        return -1;
    g_marks.clear();
    g_previous = qInstallMessageHandler(markPhases);
    window->findChild<WnUnkownAppInstallWidget *>()->installButton()->click();
    waitFor(installerRuns, 300000);
    qInstallMessageHandler(g_previous);
    // Well into its work, or already lingering.
    waitFor([] { return false; }, 5000);

    const QPointer<QWidget> host = window->window();
    GuiWatchdog watchdog;
    watchdog.start();
    const qint64 clicked = g_clock.elapsed();
    window->progressPage()->cancelButton()->click();
    const bool gone = waitFor(
            [&] {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                return host.isNull();
            },
            120000);
    watchdog.stop();
    const double longest = watchdog.longestBlockMs();
    ownMs = watchdog.longestOwnBlockMs();
    seconds = (g_clock.elapsed() - clicked) / 1000.0;
    return gone ? longest : -1;
}

// The spare copy of the template that follows an installation is made in
// the background; the next measurement waits for it, so that it runs on a
// quiet machine as a user's next installation would.
void waitForSpareCopy()
{
    const QDir templates(BottleTemplate::templatesDir());
    if (templates.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
        return;
    waitFor([&] { return !templates.entryList({QStringLiteral("*.spare")}, QDir::Dirs).isEmpty(); },
            180000);
}

// A bare bottle, as 32-bit and .msi installers get it: fixbottle.sh making
// it, which is how it was made before there were templates, against a copy
// of the generic template and against its spare copy (seconds each).
void genericBottleFigures(const QString &scratch)
{
    QElapsedTimer timer;
    timer.start();
    QProcess fixbottle;
    fixbottle.start(Root + QStringLiteral("tools/fixbottle.sh"), {scratch});
    const bool fixed = fixbottle.waitForFinished(900000) && fixbottle.exitCode() == 0;
    std::printf("generic_fixbottle_s=%.2f%s\n", timer.elapsed() / 1000.0, fixed ? "" : " (failed)");

    const BottleTemplate generic = BottleTemplate::genericFromSettings();
    if (!generic.prepare())
        return;
    const QString apps = QDir::homePath() + QStringLiteral("/.lirvanwine/apps/");
    timer.restart();
    const auto copied = generic.copyTo(apps + QStringLiteral("GenericCopy"), nullptr);
    std::printf("generic_template_copy_s=%.2f%s\n", timer.elapsed() / 1000.0,
                copied == BottleTemplate::CopyResult::Copied ? "" : " (failed)");
    const QDir templates(BottleTemplate::templatesDir());
    waitFor(
            [&] {
                return !templates.entryList({QStringLiteral("generic-*.spare")}, QDir::Dirs)
                                .isEmpty();
            },
            180000);
    timer.restart();
    const auto spare = generic.copyTo(apps + QStringLiteral("GenericSpare"), nullptr);
    std::printf("generic_spare_copy_s=%.2f%s\n", timer.elapsed() / 1000.0,
                spare == BottleTemplate::CopyResult::Copied ? "" : " (failed)");
}

// The 1-minute load average.
QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0) : QByteArray("?");
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir sandbox;
    const QString home = sandbox.filePath(QStringLiteral("home"));
    QDir().mkpath(home + QStringLiteral("/Desktop"));
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toUtf8());
    qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/.cache")).toUtf8());
    qputenv("WINEDEBUG", "-all");
    LApplication app(argc, argv);
    useBuildPlatform();
    g_clock.start();
    const int runs = qMax(1, qEnvironmentVariableIntValue("RUNS") > 0
                                     ? qEnvironmentVariableIntValue("RUNS")
                                     : 3);

    std::printf("load_average_start=%s\n", loadAverage().constData());
    // Alternating, so that all see the same load of the machine.
    QList<double> bare;
    QList<double> absent;
    QList<double> present;
    double idleBlock = 0;
    double longestBlock = 0;
    double uninstallBlock = 0;
    double longestOwnBlock = 0;
    double uninstallOwnBlock = 0;
    bool success = true;
    const auto install = [&](QList<double> &times, const char *label) {
        const AssistantRun run = installThroughWindow();
        success = success && run.success;
        times.append(run.seconds);
        longestBlock = qMax(longestBlock, run.longestBlockMs);
        uninstallBlock = qMax(uninstallBlock, run.uninstallBlockMs);
        longestOwnBlock = qMax(longestOwnBlock, run.longestOwnBlockMs);
        uninstallOwnBlock = qMax(uninstallOwnBlock, run.uninstallOwnBlockMs);
        std::printf("  %s: %.2f s, GUI block %.1f ms at %.2f s, own %.1f ms (uninstall %.1f ms, "
                    "own %.1f ms); phases:",
                    label, run.seconds, run.longestBlockMs, run.longestBlockAtS,
                    run.longestOwnBlockMs, run.uninstallBlockMs, run.uninstallOwnBlockMs);
        for (const auto &phase : run.phases)
            std::printf(" %.2f %s;", phase.first / 1000.0, qPrintable(phase.second));
        std::printf(" %.2f success view\n", run.seconds);
    };
    for (int i = 0; i < runs; ++i) {
        waitForSpareCopy();
        double idleBlockMs = 0;
        bare.append(
                bareWineSeconds(sandbox.filePath(QStringLiteral("bare%1").arg(i)), idleBlockMs));
        idleBlock = qMax(idleBlock, idleBlockMs);
        std::printf("run %d: bare %.2f s, idle GUI block %.1f ms\n", i + 1, bare.last(),
                    idleBlockMs);
        QDir(BottleTemplate::templatesDir()).removeRecursively();
        install(absent, "assistant, no prepared bottle");
        waitForSpareCopy();
        install(present, "assistant, prepared bottle");
    }
    // The pause after the installer that lets Wine finish its menu entries.
    const double prescribedWaits = 2.0;
    const double bareMedian = median(bare);
    std::printf("install_success=%d\n", success ? 1 : 0);
    std::printf("bare_wine_median_s=%.2f\n", bareMedian);
    for (const auto &round : {qMakePair(QByteArray("template_absent"), absent),
                              qMakePair(QByteArray("template_present"), present)}) {
        const double assistantMedian = median(round.second);
        std::printf("%s_install_median_s=%.2f\n", round.first.constData(), assistantMedian);
        std::printf("%s_ratio=%.2f\n", round.first.constData(), assistantMedian / bareMedian);
        std::printf("%s_ratio_without_prescribed_waits=%.2f\n", round.first.constData(),
                    (assistantMedian - prescribedWaits) / bareMedian);
    }
    std::printf("gui_longest_block_idle_ms=%.1f\n", idleBlock);
    std::printf("gui_longest_block_ms=%.1f\n", longestBlock);
    std::printf("gui_longest_block_uninstall_ms=%.1f\n", uninstallBlock);
    // The same less the time the GUI thread waited for a CPU that others held.
    std::printf("gui_longest_own_block_ms=%.1f\n", longestOwnBlock);
    std::printf("gui_longest_own_block_uninstall_ms=%.1f\n", uninstallOwnBlock);
    genericBottleFigures(sandbox.filePath(QStringLiteral("fixbottle")));
    double cancelSeconds = 0;
    double cancelOwnBlock = 0;
    const double cancelBlock = cancelLingeringInstall(cancelSeconds, cancelOwnBlock);
    std::printf("cancel_until_closed_s=%.2f\n", cancelSeconds);
    std::printf("gui_longest_block_cancel_ms=%.1f\n", cancelBlock);
    std::printf("gui_longest_own_block_cancel_ms=%.1f\n", cancelOwnBlock);
    std::printf("load_average_end=%s\n", loadAverage().constData());
    success = success && cancelBlock >= 0;
    WineApplication::instance()->shutdown();
    return success ? 0 : 1;
}
