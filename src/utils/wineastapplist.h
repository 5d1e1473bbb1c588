#ifndef WINEASTAPPLIST_H
#define WINEASTAPPLIST_H

#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class QtNetworkWorker;

/*
 * The catalogue's category table, fetched once at start-up, and the fixed
 * display names of the category numbers the installed-apps view shows.
 */
class WineAstApplist : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WineAstApplist)
public:
    static WineAstApplist *instance();
    ~WineAstApplist() override;

    void requestAppList();
    // The display name of a category number, from the fixed table.
    static QString categoryName(int categoryId);
    // Category id to display name, as the service last sent it.
    const QMap<int, QString> &categories() const;

signals:
    void signalFinished(int status, QString strData);

public slots:
    void slotRequestFinished(int status, QString strData, int id);

private:
    WineAstApplist();

    const std::unique_ptr<QtNetworkWorker> m_worker;
    QMap<int, QString> m_categories;
};

#endif // WINEASTAPPLIST_H
