#ifndef WINEAPPLICATION_H
#define WINEAPPLICATION_H

#include <QList>
#include <QObject>
#include <QStringList>

class ContainerInstallerObj;
class TemplatePreparation;
class WineMainWindow;
struct TPublishedAppInfo;

/*
 * The application controller: identity, logging and single instance at
 * start, the shared state, and which window a command line opens. It keeps
 * the main window and the open stand-alone install windows.
 */
class WineApplication : public QObject
{
    Q_OBJECT
public:
    static WineApplication *instance();

    // Translations and the application's name, version, icon and description
    // (once per process).
    void setIdentity();
    int create();
    int init();
    int run();
    int launchWithArgs(const QStringList &args);
    int shutdown();

    void newInstallDialog(const TPublishedAppInfo &info);
    void closeInstaller(const QString &filePath);
    WineMainWindow *mainWindow() const { return m_mainWindow; }

    QList<ContainerInstallerObj *> installers() const { return m_installers; }
    void addInstaller(ContainerInstallerObj *obj);
    void removeInstaller(ContainerInstallerObj *obj);

signals:
    // A catalogue install was asked for (emitted with or without a main
    // window to host its dialog).
    void signalNewInstallDialog(const TPublishedAppInfo &info);

public slots:
    void slotNewProcessInstance(qint64 pid, const QStringList &arguments);

private:
    WineApplication() = default;
    void showMainWindow();
    void openInstallWindow(const QString &path);

    QList<ContainerInstallerObj *> m_installers;
    WineMainWindow *m_mainWindow = nullptr;
    TemplatePreparation *m_templatePreparation = nullptr;
    bool m_identitySet = false;
};

/*
 * The assistant's start-up after the toolkit application object exists:
 * create, init, run and shut down the controller, with the toolkit settings
 * alive meanwhile. --help and --version are answered first, without a window.
 * Returns the process exit status (-1 when another process already runs, -2
 * when initialisation fails).
 */
int runAssistant();

// Let an install window host leave or (re)join the list of open installers.
void removeInstallerObj(ContainerInstallerObj *obj);
void addInstallerObj(ContainerInstallerObj *obj);

#endif // WINEAPPLICATION_H
