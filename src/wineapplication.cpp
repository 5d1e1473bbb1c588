#include "wineapplication.h"

#include "containerinstallerobj.h"
#include "containerinstallview.h"
#include "containerinstallview_dialog.h"
#include "containerinstallview_mwd.h"
#include "deferredstartup.h"
#include "lapplication.h"
#include "lapplicationsettings.h"
#include "lguiapplicationhelper.h"
#include "licontheme.h"
#include "llogmanager.h"
#include "ltkwidget.h"
#include "networkwarmup.h"
#include "templatepreparation.h"
#include "tpublishedappinfo.h"
#include "wineastapplist.h"
#include "wineastlogin.h"
#include "winecommandline.h"
#include "winecommandtool.h"
#include "wineinstalledapps.h"
#include "winemainwindow.h"
#include "winesettings.h"

#include <QDebug>
#include <QFile>
#include <QPointer>
#include <QTimer>

namespace {

const QString SingleInstanceKey = QStringLiteral("lirvan-wine-assist");
constexpr int MainWindowWidth = 1050;
constexpr int MainWindowHeight = 700;
// After the first paint: the catalogue and its icons have come in by then.
constexpr int TemplatePreparationDelayMs = 10000;

QString applicationVersion()
{
    const QString version = QStringLiteral(LWA_APP_VERSION);
    return version.isEmpty() ? QStringLiteral("0.1.0") : version;
}

// The texts are written in Chinese; every other language reads the English
// translation rather than texts it may not be able to read.
QList<QLocale> translationLocales()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::Chinese)
        return {system};
    return {system, QLocale(QLocale::English)};
}

} // namespace

WineApplication *WineApplication::instance()
{
    static WineApplication *application = new WineApplication;
    return application;
}

void WineApplication::setIdentity()
{
    // Loading the translations again would only cost start-up time.
    if (m_identitySet)
        return;
    m_identitySet = true;
    // The translation files are named after the application, so the name
    // comes first, whatever the executable is called.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QCoreApplication::setOrganizationName(QStringLiteral("lirvan"));
    QCoreApplication::setApplicationName(QStringLiteral("lirvan-wine-assist"));
    QCoreApplication::setApplicationVersion(applicationVersion());
    auto app = qobject_cast<LApplication *>(qApp);
    if (app)
        app->loadTranslator(translationLocales());

    const QIcon icon = LIconTheme::fileIcon(LIconTheme::builtinPrefix()
                                            + QStringLiteral("lw_headerIcon.svg"));
    QApplication::setWindowIcon(icon);
    if (app) {
        app->setProductIcon(icon);
        app->setProductName(tr("Lirvan wine installer"));
        app->setApplicationDescription(
                tr("Lirvan-Wine助手是一款应用兼容工具，可安装并兼容windows应用"));
    }
}

int WineApplication::create()
{
    // Done already when the command line was checked first.
    setIdentity();

    LLogManager::registerConsoleAppender();
    LLogManager::registerFileAppender();
    qInfo() << "save log to:" << LLogManager::getlogFilePath();

    if (LGuiApplicationHelper::setSingleInstance(SingleInstanceKey)) {
        // Only the owner may move the log aside: a second start that did so
        // would leave the owner writing into the moved file.
        LLogManager::rotateLogFile();
        return 0;
    }
    qWarning() << "lirvan-wine-assist is running";
    return -1;
}

int WineApplication::init()
{
    m_mainWindow = nullptr;
    // Network and D-Bus set-up wait until the first window is on screen.
    DeferredStartup::hold();
    NetworkWarmUp::start();
    WineSettings::instance()->init();
    WineInstalledApps::instance()->initInstalledApps();
    // The command line may install or remove applications meanwhile.
    WineInstalledApps::instance()->followInstalledAppsFile();
    DeferredStartup::run(WineAstApplist::instance(),
                         [] { WineAstApplist::instance()->requestAppList(); });
    // The prepared bottles, once the start-up is long over: the first
    // installation then need not wait for Wine to make one.
    m_templatePreparation = new TemplatePreparation(this);
    DeferredStartup::run(m_templatePreparation, [preparation = m_templatePreparation] {
        QTimer::singleShot(TemplatePreparationDelayMs, preparation, &TemplatePreparation::start);
    });
    connect(LGuiApplicationHelper::instance(), &LGuiApplicationHelper::newProcessInstance, this,
            &WineApplication::slotNewProcessInstance);
    return 0;
}

int WineApplication::run()
{
    const int result = launchWithArgs(QCoreApplication::arguments());
    if (result != 0)
        return result;
    return QCoreApplication::exec();
}

int WineApplication::launchWithArgs(const QStringList &args)
{
    qInfo() << args;
    if (args.size() < 2 || !QFile::exists(args.at(1))) {
        showMainWindow();
        return 0;
    }

    const QString path = args.at(1);
    qInfo() << "installing dialog count: " << m_installers.size();
    const QList<ContainerInstallerObj *> installers = m_installers;
    for (ContainerInstallerObj *obj : installers) {
        if (obj->filePath() == path) {
            obj->show();
            return 0;
        }
    }
    openInstallWindow(path);
    return 0;
}

void WineApplication::showMainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = new WineMainWindow;
        DeferredStartup::releaseAfterFirstPaint(m_mainWindow);
        DeferredStartup::run(WineAstLogin::instance(), [] { WineAstLogin::instance()->init(); });
        m_mainWindow->setFixedSize(MainWindowWidth, MainWindowHeight);
        Ltk::Widget::moveToCenter(m_mainWindow);
    }
    qInfo() << "show main window";
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void WineApplication::openInstallWindow(const QString &path)
{
    auto obj = new ContainerInstallerObj;
    auto host = new containerinstallview_mwd;
    DeferredStartup::releaseAfterFirstPaint(host);
    obj->setView(host, ContainerInstallerObj::MainWindowHost);
    obj->setFilePath(path);
    obj->setLogPath(LLogManager::getlogFilePath());
    Ltk::Widget::moveToCenter(host);
    obj->show();
    addInstaller(obj);
    qInfo() << "New install dialog for " << path;
}

void WineApplication::newInstallDialog(const TPublishedAppInfo &info)
{
    emit signalNewInstallDialog(info);
    if (!m_mainWindow)
        return;
    qInfo() << tr("Starting install ") << info.appName << tr("version: ") << info.version;

    auto obj = new ContainerInstallerObj;
    QPointer<containerinstallview_dialog> host = new containerinstallview_dialog(m_mainWindow);
    obj->setView(host, ContainerInstallerObj::DialogHost);
    host->installer()->setPublishedAppInfo(info);
    host->installer()->startInstallFlow();
    // The flow may have refused at once (the application is being installed
    // in another window): the dialog is closed and must not come up empty.
    if (host->installer()->hostClosed())
        return;

    host->setModal(true);
    host->show();
    m_mainWindow->setEnabled(false);
    host->setEnabled(true);
    host->exec();
    m_mainWindow->setEnabled(true);

    // A dialog ended with Escape or a button was only hidden: close it so
    // that it and its coupling object are released.
    if (host && !host->isVisible())
        host->close();
}

void WineApplication::closeInstaller(const QString &filePath)
{
    const QList<ContainerInstallerObj *> installers = m_installers;
    for (ContainerInstallerObj *obj : installers) {
        if (obj->filePath() == filePath)
            obj->close();
    }
}

int WineApplication::shutdown()
{
    if (m_templatePreparation)
        m_templatePreparation->stop();
    WineAstLogin::instance()->releaseUserinfoListener();
    // Install windows first: a catalogue dialog that joined the list through
    // an overwrite install is a child of the main window.
    const QList<ContainerInstallerObj *> installers = m_installers;
    m_installers.clear();
    for (ContainerInstallerObj *obj : installers) {
        delete obj->view();
        delete obj;
    }
    delete m_mainWindow;
    m_mainWindow = nullptr;
    return 0;
}

void WineApplication::addInstaller(ContainerInstallerObj *obj)
{
    if (obj && !m_installers.contains(obj))
        m_installers.append(obj);
}

void WineApplication::removeInstaller(ContainerInstallerObj *obj)
{
    m_installers.removeAll(obj);
}

void WineApplication::slotNewProcessInstance(qint64 pid, const QStringList &arguments)
{
    qInfo() << "new process" << pid << arguments;
    launchWithArgs(arguments);
}

int runAssistant()
{
    WineApplication *controller = WineApplication::instance();
    controller->setIdentity();
    const WineCommandLine commandLine(QCoreApplication::arguments());
    if (commandLine.answer())
        return 0;
    if (commandLine.command() != WineCommandLine::NoCommand) {
        // Beside a running assistant, without a window: the log goes to
        // the file only, standard error is the command's own.
        LLogManager::registerFileAppender();
        WineSettings::instance()->init();
        WineInstalledApps::instance()->initInstalledApps();
        return WineCommandTool(commandLine).run();
    }
    if (controller->create() != 0)
        return -1;
    if (controller->init() != 0)
        return -2;
    LApplicationSettings toolkitSettings;
    controller->run();
    return controller->shutdown();
}

void removeInstallerObj(ContainerInstallerObj *obj)
{
    WineApplication::instance()->removeInstaller(obj);
}

void addInstallerObj(ContainerInstallerObj *obj)
{
    WineApplication::instance()->addInstaller(obj);
}
