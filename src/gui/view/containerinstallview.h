#ifndef CONTAINERINSTALLVIEW_H
#define CONTAINERINSTALLVIEW_H

#include <QWidget>

#include "tpublishedappinfo.h"

class QLabel;
class QStackedWidget;

/*
 * The content of every install window. It holds the program file to install
 * and the log file of the installation; the install flow itself is driven by
 * the install controller.
 */
class WineInstallerWnd : public QWidget
{
    Q_OBJECT
public:
    explicit WineInstallerWnd(QWidget *parent = nullptr);

    void setFilePath(const QString &path);
    QString filePath() const { return m_filePath; }
    void setLogPath(const QString &path);
    QString logPath() const { return m_logPath; }

    void setPublishedAppInfo(const TPublishedAppInfo &info);
    TPublishedAppInfo publishedAppInfo() const { return m_publishedAppInfo; }
    void startInstallFlow();
    void uninstallInstalled();
    bool isUploadingLog() const { return m_uploadingLog; }

    QWidget *firstPage() const;

signals:
    void s_recoverInstall();

public slots:
    void onRecoverInstall();

private:
    QStackedWidget *m_stack;
    QLabel *m_fileLabel;
    QString m_filePath;
    QString m_logPath;
    TPublishedAppInfo m_publishedAppInfo;
    bool m_uploadingLog = false;
};

#endif // CONTAINERINSTALLVIEW_H
