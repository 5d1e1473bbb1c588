#include "winecatalogue.h"

#include "serialworker.h"
#include "winegetapplist.h"

#include <QSet>

#include <algorithm>

WineCatalogue::WineCatalogue(QObject *parent)
    : QObject(parent)
    , m_request(new WineGetAppList(this))
    , m_indexer(new SerialWorker(this))
{
    connect(m_request, &WineGetAppList::signalFinished, this, &WineCatalogue::onAnswer);
    connect(m_request, &WineGetAppList::signalFailed, this, [this] { setState(LoadFailed); });
}

const QList<TPublishedAppInfo> &WineCatalogue::apps() const
{
    return m_content.apps;
}

const WineCatalogue::Groups &WineCatalogue::groups() const
{
    return m_content.groups;
}

const QStringList &WineCatalogue::names() const
{
    return m_content.names;
}

void WineCatalogue::load()
{
    if (m_state == Loading)
        return;
    ++m_requests;
    setState(Loading);
    m_request->getAppList(WineGetAppList::AllApps);
}

void WineCatalogue::onAnswer()
{
    // The request object appends every answer to its list; only the newest
    // one is the catalogue.
    const QList<TPublishedAppInfo> apps = m_request->getApps();
    m_request->getApps().clear();
    const int request = m_requests;
    m_indexer->run([apps] { return index(apps); },
                   [this, request](const Content &content) {
                       // An answer to an earlier request is out of date.
                       if (request != m_requests)
                           return;
                       m_content = content;
                       m_answered = true;
                       setState(Loaded);
                   });
}

WineCatalogue::Content WineCatalogue::index(const QList<TPublishedAppInfo> &apps)
{
    Content content;
    content.apps = apps;
    QSet<QString> seen;
    for (const TPublishedAppInfo &app : apps) {
        content.groups[app.appName].append(app);
        if (!seen.contains(app.appName)) {
            seen.insert(app.appName);
            content.names.append(app.appName);
        }
    }
    for (Group &group : content.groups) {
        std::stable_sort(group.begin(), group.end(),
                         [](const TPublishedAppInfo &a, const TPublishedAppInfo &b) {
                             return a.score > b.score;
                         });
    }
    return content;
}

void WineCatalogue::setState(State state)
{
    m_state = state;
    emit stateChanged(state);
}
