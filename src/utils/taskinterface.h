#ifndef TASKINTERFACE_H
#define TASKINTERFACE_H

#include <QString>
#include <QThread>

#include <atomic>

// Kind of a task; travels as the id of signalStatus().
enum TaskType {
    TaskNull = 0,
    TaskDownload = 1,
    TaskUnzip = 2,
    TaskInstall = 3,
    TaskPeInfo = 4,
    TaskMaxValue = 5
};

// Progress of a task run; travels as the status of signalStatus().
enum TaskStatus { TaskRunning = 1, TaskFinished = 3, TaskFailed = 4 };

/*
 * Base of the worker threads of an installation. run() calls doWork() on the
 * thread and reports its start and end through signalStatus(); subclasses
 * keep the reason of a failure in the error text.
 *
 * requestAbort() cancels the run in progress: doWork() passes abortFlag() to
 * every command it runs (shellCmd ends the command at once), starts no
 * further step and returns CancelledResult with a "cancelled" error text.
 * start() clears an earlier request, so a cancelled task can run again.
 *
 * A subclass calls stop() in its own destructor: by the time the base
 * destructor runs, the subclass part that doWork() works on is gone.
 */
class TaskInterface : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TaskInterface)
public:
    explicit TaskInterface(int type, QObject *parent = nullptr);
    ~TaskInterface() override;

    // What doWork() returns for a cancelled run.
    static constexpr int CancelledResult = -9;

    // Hides QThread::start() to clear an earlier abort request first.
    void start(Priority priority = InheritPriority);
    void run() override;
    // Stops all reporting and waits for a running doWork() to return.
    virtual void stop();
    virtual int doWork() = 0;
    virtual QString getTaskName();

    QString getErrString() const;
    int getResult() const;
    int getTaskType() const;

    // Callable from any thread; the run in progress ends as soon as it can.
    void requestAbort();
    bool isAbortRequested() const;

    // Display name of a task type for log lines.
    static QString taskTypeName(int type);

signals:
    void signalStatus(int id, int status);

protected:
    // For shellCmd(), which ends its command when the flag becomes true.
    const std::atomic_bool *abortFlag() const;
    // Sets the error text of a cancelled run; returns CancelledResult.
    int cancelled();

    QString m_errString;

private:
    const int m_taskType;
    int m_result = 0;
    // Written by the owner's thread while run() may read it.
    std::atomic_bool m_stopped{false};
    std::atomic_bool m_abortRequested{false};
};

#endif // TASKINTERFACE_H
