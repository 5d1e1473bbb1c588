#include "groupprocess.h"

#include <QDeadlineTimer>
#include <QThread>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr int PollMs = 50;
constexpr int ReapMs = 1000;

bool groupExists(pid_t group)
{
    return ::kill(-group, 0) == 0;
}

} // namespace

GroupProcess::GroupProcess(QObject *parent)
    : QProcess(parent)
{
}

GroupProcess::~GroupProcess()
{
    if (state() != NotRunning)
        endGroup();
}

void GroupProcess::setupChildProcess()
{
    // Runs in the child between fork and exec: the child's pid becomes the
    // group id of everything it starts.
    ::setpgid(0, 0);
}

GroupProcess::WaitResult GroupProcess::waitForEnd(int timeoutMs,
                                                  const std::function<bool()> &stopRequested)
{
    const QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                : QDeadlineTimer(timeoutMs));
    for (;;) {
        if (stopRequested && stopRequested())
            return WaitResult::Stopped;
        const qint64 left = deadline.remainingTime();
        const int slice = left < 0 ? PollMs : int(qMin<qint64>(left, PollMs));
        if (waitForFinished(slice))
            return WaitResult::Finished;
        if (state() == NotRunning)
            return WaitResult::NotStarted;
        if (deadline.hasExpired())
            return WaitResult::TimedOut;
    }
}

void GroupProcess::endGroup(int graceMs)
{
    const auto group = pid_t(processId());
    if (group <= 0)
        return;

    ::kill(-group, SIGTERM);
    const QDeadlineTimer grace(graceMs);
    // The group id stays reserved while any member, the unreaped child
    // included, is left, so it cannot name a stranger's group here.
    while (groupExists(group) && !grace.hasExpired()) {
        if (state() != NotRunning)
            waitForFinished(PollMs / 2);
        else
            QThread::msleep(PollMs / 2);
    }
    if (groupExists(group))
        ::kill(-group, SIGKILL);
    if (state() != NotRunning)
        waitForFinished(ReapMs);
}
