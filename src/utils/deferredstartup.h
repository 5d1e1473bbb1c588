#ifndef DEFERREDSTARTUP_H
#define DEFERREDSTARTUP_H

#include <QObject>

#include <functional>

/*
 * Start-up work that can wait until the first window is on screen: network
 * requests, the login set-up, anything the first paint does not show.
 * While held, work is queued; it runs in the order queued once the window
 * has painted (or, should it never paint, after a short while), one piece
 * per pass of the event loop. Without a hold, work runs at once. GUI thread
 * only.
 */
class DeferredStartup
{
public:
    // Queues from now on; releases by itself after FallbackMs at the latest.
    static void hold();
    // Releases once window has been painted for the first time (or is gone).
    static void releaseAfterFirstPaint(QObject *window);
    // Runs work now, or queued while held or while queued work is still
    // waiting. Work whose context has been destroyed in the meantime is
    // dropped.
    static void run(QObject *context, std::function<void()> work);
    static bool isHeld();

    static constexpr int FallbackMs = 1000;
};

#endif // DEFERREDSTARTUP_H
