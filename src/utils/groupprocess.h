#ifndef GROUPPROCESS_H
#define GROUPPROCESS_H

#include <QProcess>

#include <functional>

/*
 * A QProcess whose child leads a process group of its own. Scripts and Wine
 * start children of their own (7z, wineboot, an installer's helpers); ending
 * only the direct child would leave them running, still writing into a
 * bottle that has been given up. endGroup() ends every process of the group.
 */
class GroupProcess : public QProcess
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroupProcess)
public:
    enum class WaitResult { Finished, NotStarted, TimedOut, Stopped };

    // How long the group may take to end after TERM before it gets KILL.
    static constexpr int GraceMs = 500;

    explicit GroupProcess(QObject *parent = nullptr);
    // Ends the whole group if the child still runs.
    ~GroupProcess() override;

    // Waits for the child's end, at most timeoutMs (-1: without limit),
    // asking stopRequested (when given) about every 50 ms; Stopped as soon as
    // it answers true. The child keeps running after TimedOut and Stopped.
    WaitResult waitForEnd(int timeoutMs, const std::function<bool()> &stopRequested = {});

    // Sends TERM to every process of the group and, to those still there
    // after graceMs, KILL; then collects the child.
    void endGroup(int graceMs = GraceMs);

protected:
    void setupChildProcess() override;
};

#endif // GROUPPROCESS_H
