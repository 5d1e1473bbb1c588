#include "winecatalogue.h"

#include "winegetapplist.h"

WineCatalogue::WineCatalogue(QObject *parent)
    : QObject(parent)
    , m_request(new WineGetAppList(this))
{
    connect(m_request, &WineGetAppList::signalFinished, this, [this] {
        // The request object appends every answer to its list; only the
        // newest one is the catalogue.
        m_apps = m_request->getApps();
        m_request->getApps().clear();
        m_answered = true;
        setState(Loaded);
    });
    connect(m_request, &WineGetAppList::signalFailed, this, [this] { setState(LoadFailed); });
}

const QList<TPublishedAppInfo> &WineCatalogue::apps() const
{
    return m_apps;
}

void WineCatalogue::load()
{
    if (m_state == Loading)
        return;
    ++m_requests;
    setState(Loading);
    m_request->getAppList(WineGetAppList::AllApps);
}

void WineCatalogue::setState(State state)
{
    m_state = state;
    emit stateChanged(state);
}
