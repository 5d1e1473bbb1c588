#ifndef TEMPLATEPREPARATION_H
#define TEMPLATEPREPARATION_H

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

/*
 * Makes the prepared bottles (the 64-bit prefix, then the generic bottle)
 * in the background when they are missing, so that the first installation
 * finds them ready instead of waiting for Wine to make them. It runs at the
 * lowest CPU and disk priority, only when the disk keeps plenty of room
 * besides, and never with LWA_NO_TEMPLATE_PREPARATION set (the tests, which
 * make the templates they need themselves). An installation that needs a
 * template meanwhile waits for this preparation instead of making its own.
 */
class TemplatePreparation : public QObject
{
    Q_OBJECT
public:
    explicit TemplatePreparation(QObject *parent = nullptr);
    // Stops a preparation in progress; what it had begun is removed.
    ~TemplatePreparation() override;

    // Starts unless started before or disabled; short of disk space, the
    // thread ends without making anything.
    void start();
    void stop();
    bool isRunning() const;

    // Free space the preparation leaves at least, in bytes.
    static constexpr qint64 MinimumFreeBytes = qint64(4) * 1024 * 1024 * 1024;

signals:
    void finished();

private:
    std::unique_ptr<QThread> m_thread;
    // Shared with the thread, which may outlive this object when it does
    // not stop in time.
    std::shared_ptr<std::atomic_bool> m_abort;
};

#endif // TEMPLATEPREPARATION_H
