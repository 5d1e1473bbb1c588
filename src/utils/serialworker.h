#ifndef SERIALWORKER_H
#define SERIALWORKER_H

#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <type_traits>
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
    // thread; done() alone for a job without a result.
    template<typename Job, typename Done>
    void run(Job job, Done done)
    {
        m_pool.start([this, job = std::move(job), done = std::move(done)] {
            if constexpr (std::is_void_v<std::invoke_result_t<Job>>) {
                job();
                QMetaObject::invokeMethod(this, done, Qt::QueuedConnection);
            } else {
                auto result = job();
                QMetaObject::invokeMethod(
                        this, [done, result = std::move(result)] { done(result); },
                        Qt::QueuedConnection);
            }
        });
    }

    // Runs every job given so far before it returns, for an owner whose
    // jobs must not be dropped (their results still come by the event loop).
    void finishAll();

private:
    QThreadPool m_pool;
};

#endif // SERIALWORKER_H
