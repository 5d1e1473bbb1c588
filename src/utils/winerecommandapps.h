#ifndef WINERECOMMANDAPPS_H
#define WINERECOMMANDAPPS_H

#include "tpublishedappinfo.h"

#include <QList>
#include <QObject>
#include <QString>

class QtNetworkWorker;

/*
 * Asks the catalogue service which configurations it recommends for a
 * program (by its product name), then for its default configuration. The
 * list ends up with the recommended configurations (install type 0)
 * followed by the default one (install type 1); when the service cannot give
 * a default and recommends nothing, a local fallback built from the default
 * bottle archive takes its place. One signalFinished() ends each run; runs
 * append to the list.
 */
class WineRecommandApps : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WineRecommandApps)
public:
    enum RequestId { ListRequest = 0, DefaultConfigRequest = 1 };

    explicit WineRecommandApps(QObject *parent = nullptr);
    explicit WineRecommandApps(const QString &recommendName, QObject *parent = nullptr);

    void setRecommendName(const QString &recommendName);
    QString recommendName() const;
    void requestRecommandApps();
    QList<TPublishedAppInfo> &getRecommandApps();
    const QString &lastReply() const;

signals:
    void signalFinished();

public slots:
    void slotRequestFinished(int status, QString strData, int id);

private:
    void ensureWorker();
    void requestList();
    void requestDefaultConfig();
    void setDefaultConfig();

    QString m_recommendName;
    QList<TPublishedAppInfo> m_apps;
    QtNetworkWorker *m_worker = nullptr;
    QString m_lastReply;
};

#endif // WINERECOMMANDAPPS_H
