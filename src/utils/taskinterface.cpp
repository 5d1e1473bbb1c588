#include "taskinterface.h"

#include <QDebug>

TaskInterface::TaskInterface(int type, QObject *parent)
    : QThread(parent)
    , m_taskType(type)
{
}

TaskInterface::~TaskInterface()
{
    qInfo() << taskTypeName(m_taskType);
    // Blocks until a running doWork() has returned: the thread object must
    // not go away under its own thread.
    stop();
}

void TaskInterface::start(Priority priority)
{
    m_abortRequested = false;
    QThread::start(priority);
}

void TaskInterface::run()
{
    qInfo() << getTaskName() << " running...";
    emit signalStatus(m_taskType, TaskRunning);

    const int ret = doWork();
    if (m_stopped)
        return;

    if (m_result == 0)
        m_result = ret;
    qInfo() << getTaskName() << " finished " << ret;
    emit signalStatus(m_taskType, ret == 0 ? TaskFinished : TaskFailed);
}

void TaskInterface::stop()
{
    m_stopped = true;
    qInfo() << getTaskName();
    disconnect();
    if (isRunning()) {
        quit();
        wait();
    }
}

void TaskInterface::requestAbort()
{
    m_abortRequested = true;
}

bool TaskInterface::isAbortRequested() const
{
    return m_abortRequested;
}

const std::atomic_bool *TaskInterface::abortFlag() const
{
    return &m_abortRequested;
}

int TaskInterface::cancelled()
{
    m_errString = tr("Cancelled");
    qWarning() << getTaskName() << " cancelled";
    return CancelledResult;
}

QString TaskInterface::getTaskName()
{
    return QStringLiteral("Task %1 %2 ")
            .arg(QString::number(reinterpret_cast<quintptr>(this)), taskTypeName(m_taskType));
}

QString TaskInterface::getErrString() const
{
    return m_errString;
}

int TaskInterface::getResult() const
{
    return m_result;
}

int TaskInterface::getTaskType() const
{
    return m_taskType;
}

QString TaskInterface::taskTypeName(int type)
{
    static const char *const names[] = {"null",         "Download task", "Unzip task",
                                        "Install task", "PEINFO task",   "max value"};
    if (type < TaskNull || type > TaskMaxValue)
        return QString::fromLatin1(names[TaskNull]);
    return QString::fromLatin1(names[type]);
}
