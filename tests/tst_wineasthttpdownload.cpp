#include "catalogueserver.h"
#include "platformtestutil.h"
#include "wineasthttpdownload.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using PlatformTest::md5Hex;
using PlatformTest::readAll;
using PlatformTest::writeAll;

constexpr qint64 GiB = qint64(1) << 30;

QByteArray randomBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(data.data()), size / 4);
    return data;
}

// A file of `size` bytes that occupies no disk blocks (reads as zeros).
bool makeSparse(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.resize(size);
}

struct Outcome
{
    int status = 0;
    QString text;
    QList<QPair<qint64, qint64>> progress;
};

// Runs one download to its end status.
Outcome download(const QString &url, const QString &localPath, const QString &md5 = QString(),
                 int timeoutMs = 30000)
{
    TPublishedAppInfo info;
    info.Url = url;
    info.localPath = localPath;
    info.MD5 = md5;
    WineAstHttpDownload downloader(info);
    Outcome outcome;
    QObject::connect(&downloader, &WineAstHttpDownload::signalDownloadProgress,
                     [&outcome](qlonglong cur, qlonglong total) {
                         outcome.progress.append({cur, total});
                     });
    QSignalSpy status(&downloader, &WineAstHttpDownload::signalStatus);
    downloader.startDownLoad();
    if (status.isEmpty() && !status.wait(timeoutMs))
        return outcome;
    outcome.status = status.first().at(0).toInt();
    outcome.text = status.first().at(1).toString();
    return outcome;
}

} // namespace

// The resumable package download against the reference file server and its
// fault switches: resume, redirects, MD5, time-outs and write failures.
class TstWineAstHttpDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_servedDir.isValid() && m_localDir.isValid());
        m_payload = randomBytes(5000);
        QVERIFY(writeAll(served("a.bin"), m_payload));
    }

    void init()
    {
        QFile::remove(local("a.bin"));
        qunsetenv("LWA_DOWNLOAD_IDLE_TIMEOUT_MS");
    }

    void existingLocalFile_data()
    {
        QTest::addColumn<QStringList>("serverArgs");
        QTest::addColumn<QByteArray>("existing"); // null: no local file
        QTest::addColumn<QString>("md5");
        QTest::addColumn<qint64>("rangeStart"); // of the GET request; -1: none, the file is kept
        QTest::addColumn<qint64>("progressStart");
        QTest::addColumn<qint64>("progressTotal");
        const QByteArray part = m_payload.left(1000);
        const QString md5 = md5Hex(m_payload);
        QTest::newRow("no local file")
                << QStringList() << QByteArray() << QString() << 0ll << 0ll << 5000ll;
        QTest::newRow("complete, lower-case digest")
                << QStringList() << m_payload << md5 << -1ll << 0ll << 0ll;
        QTest::newRow("complete, no digest")
                << QStringList() << m_payload << QString() << -1ll << 0ll << 0ll;
        QTest::newRow("partial file resumes")
                << QStringList() << part << md5 << 1000ll << 1000ll << 5000ll;
        QTest::newRow("complete, wrong MD5")
                << QStringList() << randomBytes(5000) << md5 << 0ll << 0ll << 5000ll;
        // Without a size the partial file cannot be trusted: fetched whole.
        QTest::newRow("no Content-Length")
                << QStringList{"--no-content-length"} << part << QString() << 0ll << 0ll << 0ll;
        // The whole file comes back for the range: it replaces the part.
        QTest::newRow("range ignored")
                << QStringList{"--ignore-range"} << part << md5 << 1000ll << 0ll << 5000ll;
    }

    void existingLocalFile()
    {
        QFETCH(QStringList, serverArgs);
        QFETCH(QByteArray, existing);
        QFETCH(QString, md5);
        QFETCH(qint64, rangeStart);
        QFETCH(qint64, progressStart);
        QFETCH(qint64, progressTotal);
        CatalogueServer server(m_servedDir.path(), serverArgs);
        QVERIFY(server.isRunning());
        if (!existing.isNull())
            QVERIFY(writeAll(local("a.bin"), existing));

        const Outcome outcome = download(server.fileUrl("a.bin"), local("a.bin"), md5);
        QCOMPARE(outcome.status, int(WineAstHttpDownload::DownloadFinished));
        QCOMPARE(readAll(local("a.bin")), m_payload);
        QCOMPARE(server.requests().value(0), QStringLiteral("HEAD /files/a.bin -"));
        if (rangeStart < 0) {
            QCOMPARE(outcome.text, QStringLiteral("file is exist ! "));
            QVERIFY(server.requests("GET").isEmpty());
            return;
        }
        QCOMPARE(outcome.text, QStringLiteral("download finished!"));
        QCOMPARE(server.requests("GET"),
                 QStringList{QStringLiteral("GET /files/a.bin bytes=%1-").arg(rangeStart)});
        QCOMPARE(outcome.progress.value(0), qMakePair(progressStart, progressTotal));
    }

    void redirects_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("failure"); // start of the failure text; empty: succeeds
        QTest::addColumn<int>("heads");
        QTest::newRow("absolute target") << "to=ABSOLUTE" << QString() << 2;
        QTest::newRow("301, root-relative target")
                << "to=/files/a.bin&status=301" << QString() << 2;
        QTest::newRow("ten in a row") << "to=files/a.bin&hops=10" << QString() << 11;
        QTest::newRow("eleven in a row") << "to=files/a.bin&hops=11"
                                         << "Too many redirects" << 11;
        QTest::newRow("no Location") << "bare=1&status=307"
                                     << "Redirect without a target from " << 1;
    }

    void redirects()
    {
        QFETCH(QString, query);
        QFETCH(QString, failure);
        QFETCH(int, heads);
        CatalogueServer server(m_servedDir.path());
        query.replace("ABSOLUTE", QUrl::toPercentEncoding(server.fileUrl("a.bin")));

        const Outcome outcome = download(server.url("/redirect?" + query), local("a.bin"));
        QCOMPARE(server.requests("HEAD").size(), heads);
        if (!failure.isEmpty()) {
            QCOMPARE(outcome.status, int(WineAstHttpDownload::DownloadFailed));
            QVERIFY2(outcome.text.startsWith(failure), qPrintable(outcome.text));
            QVERIFY(server.requests("GET").isEmpty());
            QVERIFY(!QFile::exists(local("a.bin")));
            return;
        }
        QCOMPARE(outcome.status, int(WineAstHttpDownload::DownloadFinished));
        QCOMPARE(server.requests("GET"), QStringList({"GET /files/a.bin bytes=0-"}));
        QCOMPARE(readAll(local("a.bin")), m_payload);
    }

    void unexpectedBodyAnswersFail_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("text"); // %1: the URL
        QTest::newRow("203 with the body")
                << QStringList{"--body-status", "203"} << "Unexpected HTTP status 203 from %1";
        // The file changed between the requests: shorter than announced.
        QTest::newRow("short body") << QStringList{"--short-body", "3000"}
                                    << "Downloaded 3000 bytes of %1, expected 5000 bytes";
    }

    void unexpectedBodyAnswersFail()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, text);
        // "%2B" in the address must reach the text as it is.
        QVERIFY(writeAll(served("a+b.bin"), m_payload));
        CatalogueServer server(m_servedDir.path(), faults);
        const QString url = server.url("/files/a%2Bb.bin");

        const Outcome outcome = download(url, local("a+b.bin"));
        QCOMPARE(outcome.status, int(WineAstHttpDownload::DownloadFailed));
        QCOMPARE(outcome.text, text.arg(url));
        QFile::remove(local("a+b.bin"));
    }

    void writeFailureKeepsPartialFile()
    {
        // A child process whose files may not grow past 2 KiB (the limit counts
        // 1024-byte blocks); writing beyond fails instead of raising SIGXFSZ.
        CatalogueServer server(m_servedDir.path());
        QProcess client;
        client.start("bash", {"-c", "trap '' XFSZ; ulimit -f 2; exec \"$0\" \"$@\"",
                              QStringLiteral(LWA_DOWNLOAD_CLIENT), server.fileUrl("a.bin"),
                              local("a.bin")});
        QVERIFY(client.waitForFinished(30000));
        QCOMPARE(client.exitStatus(), QProcess::NormalExit);
        QCOMPARE(client.exitCode(), 1);
        const QString printed = QString::fromUtf8(client.readAllStandardOutput());
        QVERIFY2(printed.startsWith(QStringLiteral("4 Cannot write ") + local("a.bin")),
                 qPrintable(printed));
        QCOMPARE(readAll(local("a.bin")), m_payload.left(2048));

        // Without the limit, the next download goes on from there.
        expectResumes(server, 2048);
    }

    void sizesBeyond2GiBResume()
    {
        // Both files read as zeros, so the local one is a true prefix of the
        // served one; only the last 4 KiB travel.
        const qint64 size = 3 * GiB;
        QVERIFY(makeSparse(served("big.bin"), size));
        QVERIFY(makeSparse(local("big.bin"), size - 4096));
        CatalogueServer server(m_servedDir.path());

        const Outcome outcome = download(server.fileUrl("big.bin"), local("big.bin"));
        QCOMPARE(outcome.status, int(WineAstHttpDownload::DownloadFinished));
        QCOMPARE(server.requests("GET"),
                 QStringList({QStringLiteral("GET /files/big.bin bytes=%1-").arg(size - 4096)}));
        QCOMPARE(outcome.progress.first(), qMakePair(size - 4096, size));
        QCOMPARE(QFileInfo(local("big.bin")).size(), size);

        QFile::remove(local("big.bin"));
        QFile::remove(served("big.bin"));
    }

    void interruptedTransferResumes_data()
    {
        QTest::addColumn<QStringList>("faults"); // on the first body request only
        QTest::addColumn<QString>("text"); // part of the failure text
        QTest::addColumn<int>("kept"); // bytes left behind; -1: any prefix
        QTest::newRow("stalled") << QStringList{"--stall-after", "2000"} << "No data received"
                                 << 2000;
        QTest::newRow("dropped") << QStringList{"--drop-after", "3000"} << QString() << -1;
    }

    void interruptedTransferResumes()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, text);
        QFETCH(int, kept);
        qputenv("LWA_DOWNLOAD_IDLE_TIMEOUT_MS", "1000");
        CatalogueServer server(m_servedDir.path(), faults << "--faulty-requests"
                                                          << "1");

        QElapsedTimer timer;
        timer.start();
        const Outcome failed = download(server.fileUrl("a.bin"), local("a.bin"));
        QCOMPARE(failed.status, int(WineAstHttpDownload::DownloadFailed));
        QVERIFY2(!failed.text.isEmpty() && failed.text.contains(text), qPrintable(failed.text));
        QVERIFY(timer.elapsed() < 10000);
        // The partial file stays and the next download resumes it.
        const QByteArray partial = readAll(local("a.bin"));
        QVERIFY(m_payload.startsWith(partial));
        if (kept >= 0)
            QCOMPARE(partial.size(), kept);
        expectResumes(server, partial.size());
    }

    void silentServerTimesOut()
    {
        // A peer that accepts the connection and never answers the header request.
        qputenv("LWA_DOWNLOAD_IDLE_TIMEOUT_MS", "500");
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const QString url = QStringLiteral("http://127.0.0.1:%1/files/a.bin")
                                    .arg(silent.serverPort());

        const Outcome outcome = download(url, local("a.bin"), QString(), 10000);
        QCOMPARE(outcome.status, int(WineAstHttpDownload::DownloadFailed));
        QVERIFY2(outcome.text.contains("No data received"), qPrintable(outcome.text));
        QVERIFY(!QFile::exists(local("a.bin")));
    }

    void errorPagesAreNotWritten()
    {
        // The body request fails after a good header request.
        CatalogueServer server(m_servedDir.path(), {"--not-found"});
        QVERIFY(writeAll(local("a.bin"), m_payload.left(1000)));
        const Outcome outcome = download(server.fileUrl("a.bin"), local("a.bin"));
        QCOMPARE(outcome.status, int(WineAstHttpDownload::DownloadFailed));
        QCOMPARE(server.requests("GET").size(), 1);
        QCOMPARE(readAll(local("a.bin")), m_payload.left(1000));
    }

    void emptyUrl_data()
    {
        QTest::addColumn<QString>("localPath");
        QTest::addColumn<int>("status");
        // Without an address, only a package already at hand counts as done.
        QTest::newRow("local file exists") << QCoreApplication::applicationFilePath()
                                           << int(WineAstHttpDownload::DownloadFinished);
        QTest::newRow("local file missing")
                << "/nonexistent/archive.7z" << int(WineAstHttpDownload::DownloadFailed);
    }

    void emptyUrl()
    {
        QFETCH(QString, localPath);
        QFETCH(int, status);
        QCOMPARE(download(QString(), localPath, QString(), 0).status, status);
    }

private:
    // A download with the digest that continues a.bin from `from` to its end.
    void expectResumes(const CatalogueServer &server, qint64 from)
    {
        const Outcome resumed = download(server.fileUrl("a.bin"), local("a.bin"),
                                         md5Hex(m_payload));
        QCOMPARE(resumed.status, int(WineAstHttpDownload::DownloadFinished));
        QCOMPARE(server.requests("GET").last(),
                 QStringLiteral("GET /files/a.bin bytes=%1-").arg(from));
        QCOMPARE(readAll(local("a.bin")), m_payload);
    }

    QString served(const QString &name) const { return m_servedDir.filePath(name); }
    QString local(const QString &name) const { return m_localDir.filePath(name); }

    QTemporaryDir m_servedDir;
    QTemporaryDir m_localDir;
    QByteArray m_payload;
};

QTEST_GUILESS_MAIN(TstWineAstHttpDownload)
#include "tst_wineasthttpdownload.moc"
