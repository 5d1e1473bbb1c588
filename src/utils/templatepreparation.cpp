#include "templatepreparation.h"

#include "bottletemplate.h"

#include <QDebug>
#include <QDir>
#include <QStorageInfo>
#include <QThread>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Longest wait for a stopped preparation to remove what it had begun.
constexpr int StopTimeoutMs = 30000;

// Lowest CPU and idle disk priority for the calling thread and the
// processes it starts (Linux keeps both per thread, and children inherit
// them).
void lowerPriority()
{
    ::setpriority(PRIO_PROCESS, 0, 19);
    constexpr int whoProcess = 1;
    constexpr int idleClass = 3 << 13;
    ::syscall(SYS_ioprio_set, whoProcess, 0, idleClass);
}

bool hasRoom()
{
    QDir().mkpath(BottleTemplate::templatesDir());
    const QStorageInfo storage(BottleTemplate::templatesDir());
    return storage.isValid() && storage.bytesAvailable() >= TemplatePreparation::MinimumFreeBytes;
}

} // namespace

TemplatePreparation::TemplatePreparation(QObject *parent)
    : QObject(parent)
{
}

TemplatePreparation::~TemplatePreparation()
{
    stop();
}

void TemplatePreparation::start()
{
    if (m_thread || qEnvironmentVariableIsSet("LWA_NO_TEMPLATE_PREPARATION"))
        return;
    m_abort = std::make_shared<std::atomic_bool>(false);
    const QList<BottleTemplate> templates = {BottleTemplate::fromSettings(),
                                             BottleTemplate::genericFromSettings()};
    // Even the look at the disk's free space is left to the thread.
    m_thread.reset(QThread::create([templates, abort = m_abort] {
        lowerPriority();
        for (const BottleTemplate &bottleTemplate : templates) {
            if (*abort)
                break;
            if (!hasRoom()) {
                qInfo() << "Bottle templates not prepared: less than"
                        << MinimumFreeBytes / (1024 * 1024 * 1024) << "GiB free";
                break;
            }
            bottleTemplate.prepare(abort.get());
        }
    }));
    connect(m_thread.get(), &QThread::finished, this, &TemplatePreparation::finished);
    m_thread->start();
}

void TemplatePreparation::stop()
{
    if (!m_thread)
        return;
    *m_abort = true;
    if (!m_thread->wait(StopTimeoutMs)) {
        qWarning() << "Bottle template preparation did not stop in time";
        // Left to end on its own rather than destroyed while it runs.
        m_thread->disconnect(this);
        QThread *const running = m_thread.release();
        Q_UNUSED(running)
    }
}

bool TemplatePreparation::isRunning() const
{
    return m_thread && m_thread->isRunning();
}
