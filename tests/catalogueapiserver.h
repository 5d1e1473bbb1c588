#ifndef CATALOGUEAPISERVER_H
#define CATALOGUEAPISERVER_H

#include "catalogueserver.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QSignalSpy;

/*
 * The reference catalogue service with its API for one test: the sample
 * catalogue of the build tree or a catalogue the test writes, its uploads
 * and API log in a temporary directory. use() points the assistant's
 * settings at it.
 */
class CatalogueApiServer
{
public:
    // dataDir: a directory with a catalogue.json; empty for the sample.
    explicit CatalogueApiServer(const QString &dataDir = QString(),
                                const QStringList &options = {});
    ~CatalogueApiServer();

    static QString sampleDataDir();
    // The sign the service expects for these signed pairs ("&k=v..." with
    // the timestamp among them), computed here independently of the client.
    static QString signFor(const QString &pairs);
    // Waits for the spy's first signal; false when none came in time.
    static bool waitFor(QSignalSpy &spy);
    // The objects of a file with one JSON object per line.
    static QList<QJsonObject> jsonLines(const QString &path);
    // Writes catalogue.json into dir; false when that fails.
    static bool writeCatalogue(const QString &dir, const QJsonObject &catalogue);

    bool isRunning() const;
    QString baseUrl() const;
    // Makes this server the catalogue service of the running assistant.
    void use() const;

    // Every API request answered so far, as the service logged it.
    QList<QJsonObject> apiRequests() const;
    QJsonObject lastApiRequest() const;
    // Every request received with this method, files included, as
    // "METHOD TARGET RANGE" lines.
    QStringList requests(const QString &method) const;
    // The record of a kept upload ("upload.json"), empty when there is none.
    QJsonObject upload(int number) const;
    QString uploadDir(int number) const;
    // The file requests received so far, one "METHOD TARGET RANGE" line each.
    QStringList fileRequests() const;

private:
    QTemporaryDir m_work;
    std::unique_ptr<CatalogueServer> m_server;
};

#endif // CATALOGUEAPISERVER_H
