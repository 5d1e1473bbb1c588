#include "serialworker.h"

SerialWorker::SerialWorker(QObject *parent)
    : QObject(parent)
{
    // One thread keeps the jobs, and so their results, in order.
    m_pool.setMaxThreadCount(1);
}

SerialWorker::~SerialWorker()
{
    // Jobs hold this object to hand back their result; none may outlive it.
    // Results already posted go with this object's pending events.
    m_pool.clear();
    m_pool.waitForDone();
}

void SerialWorker::finishAll()
{
    m_pool.waitForDone();
}
