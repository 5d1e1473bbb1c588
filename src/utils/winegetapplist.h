#ifndef WINEGETAPPLIST_H
#define WINEGETAPPLIST_H

#include "tpublishedappinfo.h"

#include <QList>
#include <QObject>
#include <QString>

class QtNetworkWorker;
class SerialWorker;

/*
 * Fetches application lists from the catalogue service for the catalogue
 * pages and the search. getAppList(type) asks for
 *   0: the whole catalogue,
 *   1: the applications recommended for the recommend name,
 *   2: the applications whose name holds the keyword (installable only, if
 *      asked),
 *   3: the applications of the category id.
 * Each successful reply appends its applications to the list and emits
 * signalFinished(); a failed request, or a reply without a list, emits
 * signalFailed() with the worker's status and the reply or error text.
 * Replies are read off the GUI thread (a whole catalogue is megabytes of
 * JSON), so both signals come on a later pass of the event loop than the
 * reply, in the order the replies came.
 */
class WineGetAppList : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WineGetAppList)
public:
    enum ListType { AllApps = 0, RecommendedApps = 1, KeywordApps = 2, CategoryApps = 3 };

    explicit WineGetAppList(QObject *parent = nullptr);
    explicit WineGetAppList(const QString &recommendName, QObject *parent = nullptr);

    void setRecommendName(const QString &recommendName);
    void setKeyword(const QString &keyword, bool installAble);
    void setCategoryId(int categoryId);
    void getAppList(int type);
    QList<TPublishedAppInfo> &getApps();
    const QString &lastReply() const;

signals:
    void signalFinished();
    void signalFailed(int status, const QString &strData);

public slots:
    void slotRequestFinished(int status, QString strData, int id);

private:
    void ensureWorker();
    void sendRequest(const QString &path, QMap<QString, QString> params);

    QString m_recommendName;
    QString m_keyword;
    bool m_installAble = false;
    int m_categoryId = 0;
    QList<TPublishedAppInfo> m_apps;
    QtNetworkWorker *m_worker = nullptr;
    SerialWorker *m_reader;
    QString m_lastReply;
};

#endif // WINEGETAPPLIST_H
