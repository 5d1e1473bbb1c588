#include "taskrunner.h"

#include "taskinterface.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

int runTaskToEnd(TaskInterface &task, int timeoutMs)
{
    QSignalSpy spy(&task, &TaskInterface::signalStatus);
    task.start();
    if (!QTest::qWaitFor([&spy] { return spy.count() >= 2; }, timeoutMs))
        return 0;
    task.wait();
    return spy.last().at(1).toInt();
}

bool cancelsPromptly(TaskInterface &task)
{
    QElapsedTimer timer;
    timer.start();
    task.requestAbort();
    if (!task.wait(5000)) {
        qWarning() << "the task did not end";
        return false;
    }
    if (timer.elapsed() >= 1000) {
        qWarning() << "the task ended only after" << timer.elapsed() << "ms";
        return false;
    }
    if (task.getResult() != TaskInterface::CancelledResult
        || task.getErrString() != QLatin1String("Cancelled")) {
        qWarning() << "the task ended with" << task.getResult() << task.getErrString();
        return false;
    }
    return true;
}
