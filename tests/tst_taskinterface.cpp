#include "common.h"
#include "logcapture.h"
#include "taskinterface.h"
#include "taskrunner.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>

namespace {

// A task whose results are scripted run by run; it can be held inside
// doWork() until the test lets it go.
class ScriptedTask : public TaskInterface
{
public:
    explicit ScriptedTask(int type, QList<int> results = {}, QObject *parent = nullptr)
        : TaskInterface(type, parent)
        , m_results(std::move(results))
    {
    }
    ~ScriptedTask() override { stop(); }

    int doWork() override
    {
        entered.release();
        if (runsCommand) {
            // The way the real tasks run their commands.
            QString output;
            if (shellCmd(QStringLiteral("sleep 30"), output, m_errString, 60000, abortFlag()) != 0
                && isAbortRequested())
                return cancelled();
        }
        if (workMs > 0)
            QThread::msleep(workMs);
        const int ret = m_results.isEmpty() ? 0 : m_results.takeFirst();
        if (ret != 0)
            m_errString = QStringLiteral("scripted failure %1").arg(ret);
        workDone = true;
        if (doneOutside)
            *doneOutside = true;
        return ret;
    }

    QSemaphore entered;
    unsigned long workMs = 0;
    bool runsCommand = false;
    std::atomic_bool workDone{false};
    // Outlives the task, for tests that destroy it.
    std::atomic_bool *doneOutside = nullptr;

private:
    QList<int> m_results;
};

using StatusList = QList<QPair<int, int>>;

StatusList statuses(const QSignalSpy &spy)
{
    StatusList result;
    for (const QList<QVariant> &args : spy)
        result.append({args.at(0).toInt(), args.at(1).toInt()});
    return result;
}

} // namespace

class TstTaskInterface : public QObject
{
    Q_OBJECT
private slots:
    void reportsRunningThenEnd_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("endStatus");
        QTest::newRow("peinfo fails") << int(TaskPeInfo) << -3 << int(TaskFailed);
        QTest::newRow("unzip succeeds") << int(TaskUnzip) << 0 << int(TaskFinished);
        QTest::newRow("install succeeds") << int(TaskInstall) << 0 << int(TaskFinished);
    }

    void reportsRunningThenEnd()
    {
        QFETCH(int, type);
        QFETCH(int, result);
        QFETCH(int, endStatus);
        ScriptedTask task(type, {result});
        QSignalSpy spy(&task, &TaskInterface::signalStatus);
        QCOMPARE(runTaskToEnd(task), endStatus);

        QCOMPARE(statuses(spy), StatusList({{type, TaskRunning}, {type, endStatus}}));
        QCOMPARE(task.getResult(), result);
        QCOMPARE(task.getTaskType(), type);
        QCOMPARE(task.getErrString().isEmpty(), result == 0);
    }

    void firstFailureIsKept()
    {
        // A later success, or a later different failure, keeps the first one.
        ScriptedTask task(TaskUnzip, {2, 0, 5});
        const QList<int> ends = {TaskFailed, TaskFinished, TaskFailed};
        for (const int end : ends) {
            QCOMPARE(runTaskToEnd(task), end);
            QCOMPARE(task.getResult(), 2);
        }
    }

    void destroyingRunningTaskWaitsSilently()
    {
        LogCapture log;
        std::atomic_bool done{false};
        auto *task = new ScriptedTask(TaskInstall, {-7});
        task->workMs = 1000;
        task->doneOutside = &done;
        StatusList received;
        connect(task, &TaskInterface::signalStatus, this, [&received](int id, int status) {
            received.append({id, status});
        });

        task->start();
        QVERIFY(task->entered.tryAcquire(1, 5000));
        QVERIFY(!done);
        delete task;

        // The destructor waited for the work instead of tearing the thread down,
        // and the failed run reported nothing but its start.
        QVERIFY(done);
        QTest::qWait(200);
        QCOMPARE(received, StatusList({{TaskInstall, TaskRunning}}));
        QVERIFY(!log.contains(QStringLiteral(" finished ")));
    }

    void stoppedTaskReportsNothingWhenRestarted()
    {
        LogCapture log;
        ScriptedTask task(TaskPeInfo, {-5});
        int received = 0;
        connect(&task, &TaskInterface::signalStatus, this, [&received] { ++received; });
        task.stop();

        task.start();
        QVERIFY(task.wait(5000));
        QVERIFY(task.workDone);
        QTest::qWait(100);
        QCOMPARE(received, 0);
        // The failing run of a stopped task is not recorded.
        QCOMPARE(task.getResult(), 0);
        QVERIFY(log.contains(QStringLiteral(" running...")));
        QVERIFY(!log.contains(QStringLiteral(" finished ")));
    }

    void abortEndsRunningCommand()
    {
        ScriptedTask task(TaskUnzip, {0, 0});
        task.runsCommand = true;
        QSignalSpy spy(&task, &TaskInterface::signalStatus);
        task.start();
        QVERIFY(task.entered.tryAcquire(1, 5000));
        QTest::qWait(300);
        QVERIFY(!task.isAbortRequested());

        QVERIFY(cancelsPromptly(task));
        QVERIFY(task.isAbortRequested());
        QCOMPARE(spy.last().at(1).toInt(), int(TaskFailed));
        QVERIFY(!task.workDone);

        // Starting again clears the request: the next run works to its end.
        task.runsCommand = false;
        QCOMPARE(runTaskToEnd(task), int(TaskFinished));
        QVERIFY(!task.isAbortRequested());
        QVERIFY(task.workDone);
    }
};

QTEST_GUILESS_MAIN(TstTaskInterface)
#include "tst_taskinterface.moc"
