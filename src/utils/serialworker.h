#ifndef SERIALWORKER_H
#define SERIALWORKER_H

#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <utility>

/*
 * Runs work off the owner's thread, one job after the other, and hands each
 * result back on the owner's thread in the order the jobs were given, so
 * that long reading and sorting never holds up the event loop there.
 * Destruction waits for the job under way; results not yet handed back are
 * dropped. Jobs must not touch objects of the owner's thread.
 */
class SerialWorker : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SerialWorker)
public:
    explicit SerialWorker(QObject *parent = nullptr);
    ~SerialWorker() override;

    // Runs job() on the worker thread, then done(result) on this object's
    // thread.
    template<typename Job, typename Done>
    void run(Job job, Done done)
    {
        m_pool.start([this, job = std::move(job), done = std::move(done)] {
            auto result = job();
            QMetaObject::invokeMethod(
                    this, [done, result = std::move(result)] { done(result); },
                    Qt::QueuedConnection);
        });
    }

private:
    QThreadPool m_pool;
};

#endif // SERIALWORKER_H
