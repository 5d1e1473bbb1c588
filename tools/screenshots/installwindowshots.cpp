// Screenshots of the install window: every page and view in the stand-alone
// window and the catalogue dialog, and the message box, at their real sizes.
//
//   xvfb-run -a build/bin/lwa_installwindow_shots OUTPUT_DIR
//
// It needs no service and runs no installation: the pages are filled the way
// the install flow fills them. Texts are in the language of the locale
// (LANG), as the program loads it.

#include "containerinstallview.h"
#include "containerinstallview_dialog.h"
#include "containerinstallview_mwd.h"
#include "containerinstallview_p.h"
#include "lapplication.h"
#include "ldialog.h"
#include "licontheme.h"
#include "uninstallconfirmation.h"
#include "wineapplication.h"
#include "wineinstalledapps.h"
#include "wnappinfowidget.h"
#include "wnappinstallwidget.h"
#include "wninstallmethodwidget.h"
#include "wnrecoverinstallwidget.h"

#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

namespace {

TPeInfo samplePeInfo()
{
    TPeInfo info;
    info.peFilePath = QStringLiteral(LWA_BINARY_DIR "/fixtures/foo-setup.exe");
    info.peProductName = QStringLiteral("Foo 办公助手");
    info.peProductVersion = QStringLiteral("1.2.3");
    info.peFileType = QStringLiteral("Win64 EXE");
    info.peIconFile = QStringLiteral(LWA_BINARY_DIR "/fixtures/foo-48.png");
    return info;
}

QList<TPublishedAppInfo> sampleMethods()
{
    QList<TPublishedAppInfo> list;
    const QList<QPair<QString, double>> entries = {{QStringLiteral("Foo App"), 4.5},
                                                   {QStringLiteral("Foo 办公助手专业版增强套件"),
                                                    3.0},
                                                   {QStringLiteral("Foo Lite"), 5.0},
                                                   {QStringLiteral("Foo Old"), 1.0}};
    for (const auto &entry : entries) {
        TPublishedAppInfo info;
        info.appName = entry.first;
        info.version = QStringLiteral("1.2.3");
        info.score = entry.second;
        list.append(info);
    }
    TPublishedAppInfo fallback;
    fallback.installType = 1;
    list.append(fallback);
    return list;
}

// Why the install flow refuses the name, with "Foo_办公助手" installed.
QString refusal(const QString &name)
{
    TInstalledAppInfo occupant;
    occupant.appName = QStringLiteral("Foo_办公助手");
    occupant.bottlePath = QDir::homePath() + QStringLiteral("/.lirvanwine/apps/Foo_办公助手");
    WineInstalledApps::instance()->addInstalledApps(occupant);
    WineInstallerPrivate installer;
    installer.appInfo().appName = name;
    return installer.unusableNameReason();
}

class Shooter
{
public:
    explicit Shooter(const QString &dir)
        : m_dir(dir)
    {
    }

    void shoot(QWidget *window, const QString &name)
    {
        window->show();
        QCoreApplication::processEvents();
        window->grab().save(QDir(m_dir).filePath(name + QStringLiteral(".png")));
    }

    void shootPages(QWidget *host, WineInstallerWnd *wnd, const QString &prefix)
    {
        wnd->appInfoPage()->setPeInfo(samplePeInfo());
        wnd->appInfoPage()->agreementBox()->setChecked(true);
        wnd->showPage(WineInstallerWnd::AppInfoPage);
        shoot(host, prefix + QStringLiteral("-page0-appinfo"));

        wnd->methodPage()->setMethods(sampleMethods(), samplePeInfo());
        wnd->showPage(WineInstallerWnd::MethodPage);
        shoot(host, prefix + QStringLiteral("-page1-methods"));

        wnd->showPage(WineInstallerWnd::DefaultInstallPage);
        shoot(host, prefix + QStringLiteral("-page2-default"));

        WnAppInstallWidget *progress = wnd->progressPage();
        progress->setAppName(QStringLiteral("Foo 办公助手"));
        wnd->showPage(WineInstallerWnd::ProgressPage);
        progress->setState(WnAppInstallWidget::Downloading);
        progress->setProgress(40);
        shoot(host, prefix + QStringLiteral("-page3-downloading"));
        progress->setState(WnAppInstallWidget::Installing);
        progress->setProgress(90);
        shoot(host, prefix + QStringLiteral("-page3-installing"));
        progress->showResult(true);
        shoot(host, prefix + QStringLiteral("-page3-success"));
        const QList<QPair<int, QString>> failures
                = {{WnAppInstallWidget::Downloading, QStringLiteral("download")},
                   {WnAppInstallWidget::Unpacking, QStringLiteral("unpack")},
                   {WnAppInstallWidget::Installing, QStringLiteral("install")}};
        for (const auto &failure : failures) {
            progress->setState(failure.first);
            progress->showResult(false);
            shoot(host, prefix + QStringLiteral("-page3-failed-") + failure.second);
        }
        // A name that cannot be used: why, and a way back to change it when
        // it came from a program file.
        progress->setAppName(QStringLiteral(".."));
        progress->showNameRefused(refusal(QStringLiteral("..")), true);
        shoot(host, prefix + QStringLiteral("-page3-name-refused"));
        progress->setAppName(QStringLiteral("Foo/办公助手"));
        progress->showNameRefused(refusal(QStringLiteral("Foo/办公助手")), false);
        shoot(host, prefix + QStringLiteral("-page3-name-shared"));

        wnd->recoverPage()->setAppName(QStringLiteral("Foo 办公助手"));
        wnd->showPage(WineInstallerWnd::RecoverPage);
        shoot(host, prefix + QStringLiteral("-page4-recover"));
        host->hide();
    }

    void shootMessageBox()
    {
        LDialog box;
        box.setFixedSize(400, 150);
        box.setMessage(QStringLiteral("Foo 办公助手") + QObject::tr("正在安装"));
        box.addSpacing(10);
        box.addButton(QObject::tr("确定"));
        box.setIcon(QIcon(LIconTheme::builtinPrefix() + QStringLiteral("warning_logo.svg")));
        shoot(&box, QStringLiteral("messagebox"));
    }

    void shootOverwriteConfirmation()
    {
        TInstalledAppInfo installed;
        installed.appName = QStringLiteral("Foo 办公助手");
        installed.bottlePath = QDir::homePath()
                               + QStringLiteral("/.lirvanwine/apps/Foo 办公助手_lirvan_1.2.3");
        QDir().mkpath(QDir::homePath() + QStringLiteral("/.lirvanwine/Foo 办公助手_lirvan_1.2.3"));
        UninstallConfirmation box(installed, UninstallConfirmation::Overwrite);
        shoot(&box, QStringLiteral("overwrite-confirmation"));
    }

private:
    QString m_dir;
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    LApplication app(argc, argv);
    WineApplication::instance()->setIdentity();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(out);
    Shooter shooter(out);

    containerinstallview_mwd window;
    shooter.shootPages(&window, window.installer(), QStringLiteral("window"));

    QWidget mainWindow;
    mainWindow.resize(1050, 700);
    containerinstallview_dialog dialog(&mainWindow);
    shooter.shootPages(&dialog, dialog.installer(), QStringLiteral("dialog"));

    shooter.shootMessageBox();
    shooter.shootOverwriteConfirmation();
    return 0;
}
