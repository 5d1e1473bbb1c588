#ifndef BOTTLEARCHIVE_H
#define BOTTLEARCHIVE_H

#include "tinstalledappinfo.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

/*
 * One installed application in one file and back: a tar archive compressed
 * with zstd holding a manifest, the application's record, its menu entries
 * and icons, and its bottle (with the separate prefix of a prepared
 * configuration, when there is one).
 *
 * A restore trusts nothing in the archive: it lists it and checks every
 * name, extracts it into a hidden directory beside the bottles, checks every
 * file and link there, and only then moves the bottle into place and points
 * start script, menu entries, record and the bottle's user-folder links at
 * the restoring user's home. Whatever fails on the way is removed again.
 *
 * The work blocks (it runs tar): call it from a worker thread or from a
 * program without a window. Widget-free.
 */
class BottleArchive
{
    Q_DECLARE_TR_FUNCTIONS(BottleArchive)
public:
    enum Status {
        Done,
        Failed,
        AppRunning, // backup: the application runs and force was not given
        NameTaken, // restore: an application of that name is installed
        UnknownFormat, // restore: made by a newer assistant
        Cancelled,
    };

    struct Outcome
    {
        Status status = Failed;
        QString message; // for the user, translated
        TInstalledAppInfo record;
    };

    static constexpr int FormatVersion = 1;
    // The file name filter of backup files.
    static QString fileSuffix() { return QStringLiteral(".tar.zst"); }

    // Called with 0..100 from the working thread.
    void setProgress(std::function<void(int)> progress) { m_progress = std::move(progress); }
    // Polled while tar runs; when it becomes true the work stops and
    // removes what it made.
    void setCancelFlag(const std::atomic_bool *cancel) { m_cancel = cancel; }

    Outcome backup(const TInstalledAppInfo &app, const QString &archivePath, bool force);
    Outcome restore(const QString &archivePath);

    // Processes of this user that run in the application's bottle or prefix
    // (Wine's own server excepted, which lingers a moment after the end).
    static QList<qint64> processesInBottle(const TInstalledAppInfo &app);

private:
    struct Manifest;
    struct Staged;

    bool runTar(const QStringList &arguments, qint64 expectedBytes, int from, int to,
                QByteArray *output = nullptr);
    void report(int percent) const;
    bool cancelled() const { return m_cancel && m_cancel->load(); }
    QString checkNames(const QStringList &names) const;
    QString checkTree(const QString &root) const;
    void pointUserFolders(const QString &root, const Manifest &manifest) const;
    bool installMenu(const QString &staging, const Manifest &manifest, Staged &staged) const;

    std::function<void(int)> m_progress;
    const std::atomic_bool *m_cancel = nullptr;
};

#endif // BOTTLEARCHIVE_H
