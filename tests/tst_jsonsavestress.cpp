#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "jsonoperator.h"

namespace {

const int appCount = 200;
const int killRounds = 60;
const int maxDelayMs = 40;

QString appName(int index)
{
    return QStringLiteral("app%1").arg(index, 3, 10, QLatin1Char('0'));
}

QStringList firstNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << appName(i);
    return names;
}

} // namespace

/*
 * A child process adds applications to the installed-apps file one by one and
 * is killed with SIGKILL at random moments. Whenever it dies, the file must
 * still parse and hold every application whose write had returned, plus at
 * most the one being written.
 */
class JsonSaveStressTest : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterNeverLosesRecords();

private:
    // The names the file holds; fails the test when it does not parse.
    QStringList namesInFile() const;
    // Runs the writer from `first` and kills it after `delayMs` of writing, or
    // lets it finish when `delayMs` is negative; returns the number of
    // applications it reported written.
    int runAndKill(int first, int delayMs);

    QString m_path;
};

QStringList JsonSaveStressTest::namesInFile() const
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<unreadable>")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {QStringLiteral("<corrupt: %1>").arg(error.errorString())};
    return document.object().keys();
}

int JsonSaveStressTest::runAndKill(int first, int delayMs)
{
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(QStringLiteral(LWA_JSON_WRITER_CHILD), {m_path, QString::number(first)});
    if (!writer.waitForReadyRead(10000))
        return -1;
    if (delayMs >= 0) {
        QThread::msleep(delayMs);
        writer.kill();
    }
    writer.waitForFinished(60000);

    int done = first;
    const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        bool ok = false;
        const int index = line.toInt(&ok);
        if (ok)
            done = index + 1;
    }
    return done;
}

void JsonSaveStressTest::killedWriterNeverLosesRecords()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    m_path = dir.filePath(QStringLiteral(".quennet/appinstallinfo.json"));

    // Whenever the file is full, the next round starts over with a new one.
    int fills = 0;
    for (int round = 1; round <= killRounds; ++round) {
        QStringList names = namesInFile();
        if (names.size() == appCount) {
            ++fills;
            QVERIFY(QFile::remove(m_path));
            names.clear();
        }
        const int delayMs = QRandomGenerator::global()->bounded(maxDelayMs);
        const int done = runAndKill(names.size(), delayMs);
        QVERIFY2(done >= 0, "the writer did not start");

        names = namesInFile();
        const QString context = QStringLiteral("round %1: %2 writes reported, file holds %3")
                                        .arg(round)
                                        .arg(done)
                                        .arg(names.join(QLatin1Char(' ')).right(80));
        QVERIFY2(names == firstNames(done) || names == firstNames(done + 1), qPrintable(context));
    }
    qInfo() << "files filled during the kill rounds:" << fills;

    const int done = runAndKill(namesInFile().size(), -1);
    QCOMPARE(done, appCount);
    QCOMPARE(namesInFile(), firstNames(appCount));

    QList<TInstalledAppInfo> apps;
    CommonJsonOperator::readToJasonfile(apps, m_path);
    QCOMPARE(apps.size(), appCount);
    QCOMPARE(apps.last().bottlePath, QStringLiteral("/home/u/.lirvanwine/apps/app199"));
    QVERIFY(QDir(dir.filePath(QStringLiteral(".quennet")))
                    .entryList({QStringLiteral("*.corrupt-*")})
                    .isEmpty());
}

QTEST_GUILESS_MAIN(JsonSaveStressTest)
#include "tst_jsonsavestress.moc"
