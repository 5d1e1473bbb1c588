#include "deferredstartup.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <utility>
#include <QList>

namespace {

struct QueuedWork
{
    QPointer<QObject> context;
    std::function<void()> work;
};

// Watches the first window for its first paint, and holds the queue.
class StartupQueue : public QObject
{
public:
    static StartupQueue &instance()
    {
        static StartupQueue queue;
        return queue;
    }

    void hold()
    {
        m_held = true;
        m_fallback.start(DeferredStartup::FallbackMs);
    }

    void watch(QObject *window)
    {
        if (!m_held || !window)
            return;
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = window;
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, this, &StartupQueue::release, Qt::UniqueConnection);
    }

    void enqueue(QObject *context, std::function<void()> work)
    {
        m_queue.append({context, std::move(work)});
    }

    // Held, or released with work still waiting for its turn.
    bool isHeld() const { return m_held || !m_queue.isEmpty(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            // The window's children paint and the frame is flushed in the
            // same pass; the queue runs after it.
            QTimer::singleShot(0, this, &StartupQueue::release);
        }
        return false;
    }

private:
    StartupQueue()
    {
        m_fallback.setSingleShot(true);
        connect(&m_fallback, &QTimer::timeout, this, &StartupQueue::release);
    }

    void release()
    {
        if (!m_held)
            return;
        m_held = false;
        m_fallback.stop();
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = nullptr;
        runNext();
    }

    // One piece of work per pass of the event loop, so that input and
    // painting get their turn in between.
    void runNext()
    {
        while (!m_queue.isEmpty()) {
            const QueuedWork item = m_queue.takeFirst();
            if (!item.context)
                continue;
            item.work();
            if (!m_queue.isEmpty())
                QTimer::singleShot(0, this, &StartupQueue::runNext);
            return;
        }
    }

    bool m_held = false;
    QPointer<QObject> m_window;
    QTimer m_fallback;
    QList<QueuedWork> m_queue;
};

} // namespace

void DeferredStartup::hold()
{
    StartupQueue::instance().hold();
}

void DeferredStartup::releaseAfterFirstPaint(QObject *window)
{
    StartupQueue::instance().watch(window);
}

void DeferredStartup::run(QObject *context, std::function<void()> work)
{
    if (!context)
        return;
    StartupQueue &queue = StartupQueue::instance();
    if (queue.isHeld())
        queue.enqueue(context, std::move(work));
    else
        work();
}

bool DeferredStartup::isHeld()
{
    return StartupQueue::instance().isHeld();
}
