#include "bottlearchivejob.h"

BottleArchiveJob::BottleArchiveJob(Kind kind, const TInstalledAppInfo &app,
                                   const QString &archivePath, QObject *parent)
    : QThread(parent)
    , m_kind(kind)
    , m_app(app)
    , m_archivePath(archivePath)
{
}

BottleArchiveJob::~BottleArchiveJob()
{
    m_cancel = true;
    wait();
}

void BottleArchiveJob::run()
{
    BottleArchive archive;
    int last = -1;
    archive.setProgress([this, &last](int percent) {
        if (percent != last)
            emit signalProgress(percent);
        last = percent;
    });
    archive.setCancelFlag(&m_cancel);
    m_outcome = m_kind == Backup ? archive.backup(m_app, m_archivePath, m_force)
                                 : archive.restore(m_archivePath);
    emit signalFinished(m_outcome.status, m_outcome.message);
}
