// Screenshots of the main window while it backs up an application and while
// it restores it, and of the outcome, at the window's real size:
//   lwa_archiveshots <locale, e.g. en_US.UTF-8> <output directory>
// scripts/screenshots.sh runs it under Xvfb in English and Chinese.

#include "backuprestorepanel.h"
#include "isolatedhome.h"
#include "jsonoperator.h"
#include "lapplication.h"
#include "llistview.h"
#include "shotarguments.h"
#include "wineapplication.h"
#include "wineinstalledapps.h"
#include "winemainwindow.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>

namespace {

bool save(QWidget *window, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    const bool saved = window->grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

// An application whose bottle is large enough for the progress to show.
TInstalledAppInfo writeApp()
{
    TInstalledAppInfo app;
    app.appName = QStringLiteral("Foo App");
    app.bottlePath = QDir::homePath() + QStringLiteral("/.lirvanwine/apps/Foo App_1");
    app.installTime = QStringLiteral("2026-12-01 10:00:00");
    app.publishedAppInfo.installType = 1;
    app.peInfo.peProductVersion = QStringLiteral("1.2.3");
    QDir().mkpath(app.bottlePath + QStringLiteral("/drive_c"));
    QFile data(app.bottlePath + QStringLiteral("/drive_c/data.bin"));
    data.open(QIODevice::WriteOnly);
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < 400; ++i) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()),
                                              block.size() / 4);
        data.write(block);
    }
    CommonJsonOperator::writeToJasonfile(app, installedAppsFilePath());
    return app;
}

bool shootProgress(WineMainWindow *window, const QString &dir, const QString &name)
{
    QProgressBar *progress = window->backupRestorePanel()->progressBar();
    if (!QTest::qWaitFor([progress] { return progress->isVisible() && progress->value() >= 5; },
                         60000))
        return false;
    return save(window, dir, name);
}

} // namespace

int main(int argc, char *argv[])
{
    // The locale and a home of its own, before anything reads either.
    const QString dir = shotOutputDirectory(argc, argv);
    if (dir.isEmpty())
        return 2;
    IsolatedHome home;

    LApplication app(argc, argv);
    WineApplication *controller = WineApplication::instance();
    controller->setIdentity();
    const TInstalledAppInfo installed = writeApp();
    controller->init();
    controller->launchWithArgs({QStringLiteral("lirvan-wine-assist")});
    WineMainWindow *window = controller->mainWindow();
    window->navigation()->setCurrentIndex(window->navigation()->model()->index(1, 0));
    QTest::qWait(500);

    BackupRestorePanel *panel = window->backupRestorePanel();
    const QString archive = QDir::homePath() + QStringLiteral("/Foo App.tar.zst");
    panel->startBackup(installed, archive);
    int failures = !shootProgress(window, dir, QStringLiteral("backup-progress.png"));
    failures += !QTest::qWaitFor([panel] { return !panel->isBusy(); }, 120000);
    failures += !save(window, dir, QStringLiteral("backup-done.png"));

    // Gone from this machine, then back from the archive.
    CommonJsonOperator::removeToJasonfile(installed.appName, installedAppsFilePath());
    WineInstalledApps::instance()->removeInstallApps(installed);
    QDir(installed.bottlePath).removeRecursively();
    panel->startRestore(archive);
    failures += !shootProgress(window, dir, QStringLiteral("restore-progress.png"));
    failures += !QTest::qWaitFor([panel] { return !panel->isBusy(); }, 120000);
    QTest::qWait(300);
    failures += !save(window, dir, QStringLiteral("restore-done.png"));
    controller->shutdown();
    return failures == 0 ? 0 : 1;
}
