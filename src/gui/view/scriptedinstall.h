#ifndef SCRIPTEDINSTALL_H
#define SCRIPTEDINSTALL_H

#include "buryingpointinfo.h"
#include "tinstalledappinfo.h"

#include <QObject>
#include <QPointer>
#include <QString>

class WineInstallerPrivate;

/*
 * One installation of a local program file without a window: it drives the
 * install window's controller through the same steps the window takes when
 * the user accepts its default choice (the catalogue's best-rated prepared
 * configuration, else the default configuration) and reports each step as a
 * line of text. Cancelling ends it as closing the window does: the
 * controller goes and removes what the installation had made.
 */
class ScriptedInstall : public QObject
{
    Q_OBJECT
public:
    enum Result { Installed, Failed, AlreadyInstalled, Cancelled };

    explicit ScriptedInstall(QObject *parent = nullptr);

    // `name` replaces the product name read from the file when not empty.
    void start(const QString &file, const QString &name, const QString &logPath);
    void cancel();
    // The application as recorded once signalFinished(Installed) arrived.
    const TInstalledAppInfo &appInfo() const { return m_appInfo; }

    // The configuration the window offers first: the best-rated prepared
    // one, else the default one; -1 when there is none.
    static int defaultChoice(const QList<TPublishedAppInfo> &apps);

signals:
    void signalProgress(const QString &line);
    void signalFinished(int result, const QString &message);

private:
    void onPEFinished(int type, int status);
    void onAppsFinished();
    void onDownloadProgress(qint64 received, qint64 total);
    void onDownloadFinished(int status, const QString &error);
    void onUnzipFinished(int status, const QString &error);
    void onInstallFinished(int status, const QString &error);
    void finish(int result, const QString &message);

    QPointer<WineInstallerPrivate> m_private;
    QString m_name;
    TInstalledAppInfo m_appInfo;
    BuryingPointInfo m_buryingPoint;
    int m_shownPercent = -1;
};

#endif // SCRIPTEDINSTALL_H
