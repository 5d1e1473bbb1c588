#include "taskrunner.h"

#include "taskinterface.h"

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
