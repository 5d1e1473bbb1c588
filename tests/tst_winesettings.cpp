#include "winesettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>
#include <QtTest>

#include <thread>

// The settings file: its defaults, its place and written values.
class WineSettingsTest : public QObject
{
    Q_OBJECT

    QString m_file;

private slots:
    void initTestCase()
    {
        m_file = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
                 + QStringLiteral("/lirvan/lirvan-wine-assist.conf");
        QVERIFY(m_file.startsWith(QDir::homePath()));
        QVERIFY(!QFile::exists(m_file));
    }

    void defaultsWithoutSettingsFile_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        // The paths of the installed platform, where packages and scripts expect
        // them; the web addresses are the configured ones.
        const auto installed = [](const char *key, const char *relative) {
            QTest::newRow(key) << QString::fromLatin1(
                    key) << QStringLiteral("/opt/lirvan-wine-assist/") + QLatin1String(relative);
        };
        installed("tool", "tools/");
        installed("wine", "lirvan-wine5-stable/bin/wine");
        installed("wine64", "lirvan-wine5-stable/bin/wine64");
        installed("lirvan-wine-helper", "tools/lirvan-wine-helper/");
        installed("config-data", "data");
        installed("local_path", "data/Depends/DefaultBottle/files.7z");
        QTest::newRow("wine_oauth_host") << "wine_oauth_host" << LWA_EXPECTED_SERVICE_BASE_URL;
        QTest::newRow("wine_company_district") << "wine_company_district" << LWA_EXPECTED_FORUM_URL;
        QTest::newRow("privacy_agreement")
                << "privacy_agreement"
                << QUrl::fromLocalFile(QStringLiteral(LWA_EXPECTED_PRIVACY_PAGE)).toString();
    }

    void defaultsWithoutSettingsFile()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);

        WineSettings *settings = WineSettings::instance();
        QCOMPARE(settings->stringValue(key), expected);
        QCOMPARE(WineSettings::defaultValue(key), expected);
        QVERIFY(!settings->contains(key));
        settings->sync();
        QVERIFY2(!QFile::exists(m_file), "reading must not create the settings file");
    }

    void initNamesTheFile()
    {
        WineSettings::instance()->init();
        QCOMPARE(WineSettings::instance()->fileName(), m_file);
    }

    void writtenValuesWin()
    {
        WineSettings *settings = WineSettings::instance();
        settings->setValue(QStringLiteral("local_path"), QStringLiteral("/tmp/a, b.7z"));
        settings->sync();
        QVERIFY(QFile::exists(m_file));
        QCOMPARE(settings->stringValue(QStringLiteral("local_path")),
                 QStringLiteral("/tmp/a, b.7z"));

        // Another reader of the same file sees it too.
        QSettings other(QStringLiteral("lirvan"), QStringLiteral("lirvan-wine-assist"));
        QCOMPARE(other.value(QStringLiteral("local_path")).toString(),
                 QStringLiteral("/tmp/a, b.7z"));
        QVERIFY(WineSettings::defaultValue(QStringLiteral("no such key")).isEmpty());
    }

    void storedFromAnotherThread()
    {
        WineSettings *settings = WineSettings::instance();
        std::thread worker([] {
            WineSettings::store(QStringLiteral("local_path"), QStringLiteral("/tmp/stored.7z"));
        });
        worker.join();
        // On disk before store() returned, and seen by the process's instance.
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("local_path=/tmp/stored.7z"));
        QCOMPARE(settings->stringValue(QStringLiteral("local_path")),
                 QStringLiteral("/tmp/stored.7z"));
    }
};

QTEST_GUILESS_MAIN(WineSettingsTest)
#include "tst_winesettings.moc"
