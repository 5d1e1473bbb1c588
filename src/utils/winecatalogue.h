#ifndef WINECATALOGUE_H
#define WINECATALOGUE_H

#include "tpublishedappinfo.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVector>

class SerialWorker;
class WineGetAppList;

/*
 * The whole catalogue of the service, asked for once and shared by every
 * view that shows it (the catalogue page, the search results, the search
 * completer). Whoever owns it decides when load() runs; the views follow
 * stateChanged(), so that a retry from any of them refills all of them.
 *
 * An answer is read, grouped by name and sorted off the GUI thread; the
 * catalogue is Loaded, with all of it at hand, once that is done.
 */
class WineCatalogue : public QObject
{
    Q_OBJECT
public:
    enum State { NotLoaded, Loading, Loaded, LoadFailed };
    Q_ENUM(State)

    // The records of one application name, best-rated first.
    using Group = QVector<TPublishedAppInfo>;
    using Groups = QMap<QString, Group>;

    explicit WineCatalogue(QObject *parent = nullptr);

    State state() const { return m_state; }
    // True once the service has answered; apps() then holds the catalogue,
    // also while a later request is under way or after it failed.
    bool hasAnswered() const { return m_answered; }
    // Nothing to show yet, and the service not known to have failed.
    bool isPending() const { return !m_answered && m_state != LoadFailed; }
    // The records of the last successful answer, in the service's order.
    const QList<TPublishedAppInfo> &apps() const;
    // The same records by application name, in ascending order of the names;
    // equal scores keep the service's order.
    const Groups &groups() const;
    // Each application name once, in the order of first appearance.
    const QStringList &names() const;
    // How many requests were sent so far.
    int requestCount() const { return m_requests; }

public slots:
    // Asks the service for the whole catalogue; ignored while a request is
    // under way. A failure keeps the records of an earlier answer.
    void load();

signals:
    void stateChanged(WineCatalogue::State state);

private:
    struct Content
    {
        QList<TPublishedAppInfo> apps;
        Groups groups;
        QStringList names;
    };

    static Content index(const QList<TPublishedAppInfo> &apps);
    void onAnswer();
    void setState(State state);

    WineGetAppList *m_request;
    SerialWorker *m_indexer;
    Content m_content;
    State m_state = NotLoaded;
    bool m_answered = false;
    int m_requests = 0;
};

#endif // WINECATALOGUE_H
