#ifndef CONTAINERINSTALLEROBJ_H
#define CONTAINERINSTALLEROBJ_H

#include <QObject>

class InstallerHost;
class QWidget;
class WineInstallerWnd;

/*
 * Couples one install window host (a dialog or a main window) with the
 * application controller and forwards the controller's calls to the install
 * window inside the host.
 */
class ContainerInstallerObj : public QObject
{
    Q_OBJECT
public:
    enum HostKind { DialogHost = 0, MainWindowHost = 1 };

    explicit ContainerInstallerObj(QObject *parent = nullptr);

    void setView(QWidget *host, int kind);
    QWidget *view() const { return m_view; }
    int kind() const { return m_kind; }

    void setFilePath(const QString &path);
    QString filePath() const;
    void setLogPath(const QString &path);
    QString logPath() const;
    void show();
    void close();

    // The install window of the host, or null for an unknown host kind.
    WineInstallerWnd *installer() const;

private:
    QWidget *m_view = nullptr;
    InstallerHost *m_host = nullptr;
    int m_kind = -1;
};

#endif // CONTAINERINSTALLEROBJ_H
