#include "backuprestorepanel.h"

#include "bottlearchivejob.h"
#include "wineinstalledapps.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor FailureColor(214, 48, 49);

QString archiveFilter()
{
    return BackupRestorePanel::tr("备份文件 (*%1)").arg(BottleArchive::fileSuffix());
}

} // namespace

BackupRestorePanel::BackupRestorePanel(QWidget *parent)
    : QWidget(parent)
    , m_restoreButton(new QPushButton(tr("恢复"), this))
    , m_status(new QLabel(this))
    , m_progress(new QProgressBar(this))
{
    m_restoreButton->setObjectName(QStringLiteral("restoreButton"));
    m_restoreButton->setToolTip(tr("从备份文件恢复应用"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->hide();
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(true);
    m_progress->hide();

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(m_restoreButton);

    connect(m_restoreButton, &QPushButton::clicked, this, &BackupRestorePanel::askAndRestore);
}

BackupRestorePanel::~BackupRestorePanel()
{
    // A job that is still running stops and removes what it made.
    delete m_job;
}

void BackupRestorePanel::askAndBackup(const TInstalledAppInfo &app)
{
    if (isBusy())
        return;
    const QString suggested = QDir::homePath() + QLatin1Char('/') + app.appName
                              + BottleArchive::fileSuffix();
    QString path = QFileDialog::getSaveFileName(window(), tr("备份应用"), suggested,
                                                archiveFilter());
    if (path.isEmpty())
        return;
    if (!path.endsWith(BottleArchive::fileSuffix()))
        path += BottleArchive::fileSuffix();
    startBackup(app, path);
}

void BackupRestorePanel::askAndRestore()
{
    if (isBusy())
        return;
    const QString path = QFileDialog::getOpenFileName(window(), tr("恢复应用"), QDir::homePath(),
                                                      archiveFilter());
    if (!path.isEmpty())
        startRestore(path);
}

void BackupRestorePanel::startBackup(const TInstalledAppInfo &app, const QString &archivePath)
{
    start(new BottleArchiveJob(BottleArchiveJob::Backup, app, archivePath, this),
          tr("正在备份“%1”…").arg(app.appName), archivePath);
}

void BackupRestorePanel::startRestore(const QString &archivePath)
{
    start(new BottleArchiveJob(BottleArchiveJob::Restore, TInstalledAppInfo(), archivePath, this),
          tr("正在恢复 %1…").arg(QFileInfo(archivePath).fileName()), archivePath);
}

void BackupRestorePanel::start(BottleArchiveJob *job, const QString &text,
                               const QString &archivePath)
{
    if (isBusy()) {
        delete job;
        return;
    }
    m_job = job;
    m_archivePath = archivePath;
    connect(job, &BottleArchiveJob::signalProgress, m_progress, &QProgressBar::setValue);
    connect(job, &BottleArchiveJob::signalFinished, this, &BackupRestorePanel::onFinished);
    m_restoreButton->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    showStatus(text, false);
    job->start();
}

void BackupRestorePanel::onFinished()
{
    m_job->wait();
    const BottleArchive::Outcome outcome = m_job->outcome();
    if (m_job->kind() == BottleArchiveJob::Restore && outcome.status == BottleArchive::Done)
        WineInstalledApps::instance()->addInstalledApps(outcome.record);
    m_job->deleteLater();
    m_job = nullptr;
    m_progress->hide();
    m_restoreButton->setEnabled(true);
    showStatus(outcome.message, outcome.status != BottleArchive::Done);
}

void BackupRestorePanel::showStatus(const QString &text, bool failed)
{
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::WindowText, failed ? FailureColor : palette.color(QPalette::Text));
    m_status->setPalette(palette);
    // The narrow column shows the archive's name; the tool tip its path.
    QString shown = text;
    if (!m_archivePath.isEmpty())
        shown.replace(m_archivePath, QFileInfo(m_archivePath).fileName());
    m_status->setText(shown);
    m_status->setToolTip(text.toHtmlEscaped());
    m_status->show();
    // Every wrapped line gets its room, also when the column does not ask
    // the label for its height at this width.
    m_status->setMinimumHeight(m_status->heightForWidth(width()));
}
