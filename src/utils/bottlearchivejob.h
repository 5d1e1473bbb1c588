#ifndef BOTTLEARCHIVEJOB_H
#define BOTTLEARCHIVEJOB_H

#include "bottlearchive.h"

#include <QThread>

#include <atomic>

/*
 * One backup or restore on a thread of its own, so that the window stays
 * live while tar runs. Progress and the end arrive as queued signals on the
 * thread that created the job; read outcome() after signalFinished().
 */
class BottleArchiveJob : public QThread
{
    Q_OBJECT
public:
    enum Kind { Backup, Restore };

    BottleArchiveJob(Kind kind, const TInstalledAppInfo &app, const QString &archivePath,
                     QObject *parent = nullptr);
    ~BottleArchiveJob() override;

    Kind kind() const { return m_kind; }
    const TInstalledAppInfo &app() const { return m_app; }
    const BottleArchive::Outcome &outcome() const { return m_outcome; }
    void setForce(bool force) { m_force = force; }
    // Stops the work soon; what it made is removed.
    void cancel() { m_cancel = true; }

signals:
    void signalProgress(int percent);
    void signalFinished(int status, const QString &message);

protected:
    void run() override;

private:
    Kind m_kind;
    TInstalledAppInfo m_app;
    QString m_archivePath;
    bool m_force = false;
    std::atomic_bool m_cancel{false};
    BottleArchive::Outcome m_outcome;
};

#endif // BOTTLEARCHIVEJOB_H
