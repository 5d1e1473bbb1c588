#ifndef CATALOGUESERVER_H
#define CATALOGUESERVER_H

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

/*
 * Runs the reference catalogue service on a free loopback port for one test,
 * serving the files of `root`, with the given fault switches.
 */
class CatalogueServer
{
public:
    explicit CatalogueServer(const QString &root, const QStringList &options = {});
    ~CatalogueServer();

    bool isRunning() const;
    // Address of a path on the server, e.g. "/files/a.bin".
    QString url(const QString &path) const;
    QString fileUrl(const QString &name) const;
    // The requests received so far, one "METHOD TARGET RANGE" line each.
    QStringList requests() const;
    // The received requests with this method.
    QStringList requests(const QString &method) const;

private:
    QTemporaryDir m_logDir;
    QProcess m_process;
    QString m_base;
};

#endif // CATALOGUESERVER_H
