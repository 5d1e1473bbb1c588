#ifndef BACKUPRESTOREPANEL_H
#define BACKUPRESTOREPANEL_H

#include <QPointer>
#include <QWidget>

class BottleArchiveJob;
class QLabel;
class QProgressBar;
class QPushButton;
struct TInstalledAppInfo;

/*
 * Backup and restore in the main window: the 恢复 button, and while a
 * backup or restore runs its progress, then its outcome in words. One job
 * at a time; the work runs on a thread of its own.
 */
class BackupRestorePanel : public QWidget
{
    Q_OBJECT
public:
    explicit BackupRestorePanel(QWidget *parent = nullptr);
    ~BackupRestorePanel() override;

    QPushButton *restoreButton() const { return m_restoreButton; }
    QLabel *statusLabel() const { return m_status; }
    QProgressBar *progressBar() const { return m_progress; }
    bool isBusy() const { return !m_job.isNull(); }

    // Ask where to, then back the application up.
    void askAndBackup(const TInstalledAppInfo &app);
    // Ask for a backup file, then restore it.
    void askAndRestore();

    void startBackup(const TInstalledAppInfo &app, const QString &archivePath);
    void startRestore(const QString &archivePath);

private:
    void start(BottleArchiveJob *job, const QString &text, const QString &archivePath);
    void onFinished();
    void showStatus(const QString &text, bool failed);

    QPushButton *m_restoreButton;
    QLabel *m_status;
    QProgressBar *m_progress;
    QPointer<BottleArchiveJob> m_job;
    QString m_archivePath;
};

#endif // BACKUPRESTOREPANEL_H
