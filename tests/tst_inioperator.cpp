#include "desktopentryfile.h"
#include "inioperator.h"
#include "platformtestutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What desktop entries written by installers and by the menu editor look
// like: localised keys, list values, quoting and escapes, several groups.
const QByteArray installerEntry = "# written by the installer\n"
                                  "[Desktop Entry]\n"
                                  "Version=1.0\n"
                                  "Name=Foo, the editor\n"
                                  "Name[zh_CN]=福编辑器\n"
                                  "Exec=env WINEPREFIX=\"/home/u/.lirvanwine/apps/foo\" wine "
                                  "C:\\\\\\\\Program\\\\ Files\\\\\\\\foo.exe\n"
                                  "Type=Application\n"
                                  "StartupNotify=true\n"
                                  "Comment = Edits; things\n"
                                  "Path=/home/u/.lirvanwine/apps/foo/drive_c\n"
                                  "Icon=foo-icon\n"
                                  "StartupWMClass=foo.exe\n"
                                  "Categories=Wine;Office;\n"
                                  "X-Custom=keep me\n"
                                  "\n"
                                  "[Desktop Action New]\n"
                                  "Name=New window\n"
                                  "Exec=foo --new\n";

const QString installerExec = QStringLiteral("env WINEPREFIX=\"/home/u/.lirvanwine/apps/foo\" wine "
                                             "C:\\\\\\\\Program\\\\ Files\\\\\\\\foo.exe");

// The main group's keys and values in that entry, in the order of the members read.
const QStringList installerKeys({"Name", "Exec", "Type", "StartupNotify", "Comment", "Path", "Icon",
                                 "StartupWMClass", "Categories"});
const QStringList installerValues({"Foo, the editor", installerExec, "Application", "true",
                                   "Edits; things", "/home/u/.lirvanwine/apps/foo/drive_c",
                                   "foo-icon", "foo.exe", "Wine;Office;"});

QList<QByteArray> linesOf(const QString &path)
{
    return PlatformTest::readAll(path).split('\n');
}

TDesktopfileInfo chosenProgram()
{
    TDesktopfileInfo info;
    info.desktopPath = QStringLiteral("/not/written");
    info.groupheader = QStringLiteral("not written");
    info.name = QStringLiteral("Foo");
    info.exec = QStringLiteral("env WINEPREFIX=\"/b\" /opt/wine C:\\\\\\\\bar.exe");
    info.type = QStringLiteral("Application");
    info.startupnotify = QStringLiteral("true");
    info.path = QStringLiteral("/b/drive_c");
    info.icon = QStringLiteral("foo-icon");
    info.startupwmclass = QStringLiteral("bar.exe");
    return info;
}

} // namespace

class IniOperatorTest : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("foo.desktop"));
    }

    void readsEveryKeyAsFileText()
    {
        QVERIFY(PlatformTest::writeAll(m_path, installerEntry));
        TDesktopfileInfo info;
        info.desktopPath = QStringLiteral("kept");
        CommonIniOperator::readToInifile(m_path, info);
        QCOMPARE(info.desktopPath, QStringLiteral("kept"));
        QCOMPARE(QStringList({info.name, info.exec, info.type, info.startupnotify, info.comment,
                              info.path, info.icon, info.startupwmclass, info.categories}),
                 installerValues);
        // One key at a time, by its name alone or with its group.
        for (int i = 0; i < installerKeys.size(); ++i) {
            const QString &key = installerKeys.at(i);
            QCOMPARE(CommonIniOperator::findValueByKey(key, m_path), installerValues.at(i));
            QCOMPARE(CommonIniOperator::findValueByKey(QStringLiteral("Desktop Entry/") + key,
                                                       m_path),
                     installerValues.at(i));
        }
    }

    void rewriteKeepsWhatItDoesNotSet()
    {
        QVERIFY(PlatformTest::writeAll(m_path, installerEntry));
        const TDesktopfileInfo written = chosenProgram();
        CommonIniOperator::writeToInifile(written, m_path);

        const QList<QByteArray> lines = linesOf(m_path);
        for (const QByteArray &kept :
             {QByteArray("# written by the installer"), QByteArray("[Desktop Entry]"),
              QByteArray("Version=1.0"), QByteArray("Name[zh_CN]=福编辑器"),
              QByteArray("X-Custom=keep me"), QByteArray("[Desktop Action New]"),
              QByteArray("Name=New window"), QByteArray("Exec=foo --new")})
            QVERIFY2(lines.contains(kept), kept.constData());
        QCOMPARE(lines.first(), QByteArray("# written by the installer"));
        QCOMPARE(lines.count("Comment="), 1);
        QCOMPARE(lines.count("Categories="), 1);
        QVERIFY(!PlatformTest::readAll(m_path).contains("not written"));
        // The main group stays before the action group.
        QVERIFY(lines.indexOf("Icon=foo-icon") < lines.indexOf("[Desktop Action New]"));

        TDesktopfileInfo read;
        CommonIniOperator::readToInifile(m_path, read);
        TDesktopfileInfo expected = written;
        expected.desktopPath.clear();
        expected.groupheader.clear();
        QVERIFY(read == expected);
    }

    void writeCreatesNewEntry()
    {
        const QString path = m_dir->filePath(QStringLiteral("applications/new.desktop"));
        const TDesktopfileInfo written = chosenProgram();
        CommonIniOperator::writeToInifile(written, path);

        const QList<QByteArray> lines = linesOf(path);
        QCOMPARE(lines.first(), QByteArray("[Desktop Entry]"));
        QCOMPARE(lines.mid(1, 9),
                 (QList<QByteArray>{"Name=Foo", "Exec=" + written.exec.toUtf8(), "Type=Application",
                                    "StartupNotify=true", "Comment=", "Path=/b/drive_c",
                                    "Icon=foo-icon", "StartupWMClass=bar.exe", "Categories="}));
    }

    void lineBreaksCannotAddKeys()
    {
        QVERIFY(PlatformTest::writeAll(m_path, installerEntry));
        TDesktopfileInfo info = chosenProgram();
        info.name = QStringLiteral("Foo\nExec=rm -rf ~\r\n[Evil]");
        CommonIniOperator::writeToInifile(info, m_path);

        QCOMPARE(CommonIniOperator::findValueByKey(QStringLiteral("Exec"), m_path), info.exec);
        QCOMPARE(CommonIniOperator::findValueByKey(QStringLiteral("Name"), m_path),
                 QStringLiteral("Foo\\nExec=rm -rf ~\\r\\n[Evil]"));
        QVERIFY(!linesOf(m_path).contains("[Evil]"));
    }

    void iconStillNamed_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("named");
        QTest::newRow("Icon") << QByteArray("[Desktop Entry]\nIcon=foo-icon\n") << true;
        QTest::newRow("localised, blanks")
                << QByteArray("[Desktop Entry]\nIcon[de] = foo-icon \n") << true;
        QTest::newRow("other icon") << QByteArray("[Desktop Entry]\nIcon=foo-icon2\n") << false;
        QTest::newRow("action group") << QByteArray("[Desktop Entry]\nIcon=bar\n"
                                                    "[Desktop Action New]\nIcon=foo-icon\n")
                                      << false;
        QTest::newRow("comment") << QByteArray("[Desktop Entry]\n#Icon=foo-icon\n") << false;
        QTest::newRow("other key") << QByteArray("[Desktop Entry]\nIconic=foo-icon\n") << false;
    }

    void iconStillNamed()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, named);
        QVERIFY(PlatformTest::writeAll(m_path, entry));
        DesktopEntryFile file(m_path);
        QVERIFY(file.load());
        QCOMPARE(file.namesIcon(QStringLiteral("foo-icon")), named);

        // The same entry, below the user's menu folder or on the desktop.
        const QString icon = QStringLiteral("foo-icon");
        const QStringList places = {QDir::homePath() + "/.local/share/applications/wine/x.desktop",
                                    QDir::homePath() + "/Desktop/x.desktop"};
        for (const QString &place : places) {
            QVERIFY(!DesktopEntryFile::isIconInUse(icon));
            QVERIFY(PlatformTest::writeAll(place, entry));
            QCOMPARE(DesktopEntryFile::isIconInUse(icon), named);
            QVERIFY(QFile::remove(place));
        }
    }
};

QTEST_GUILESS_MAIN(IniOperatorTest)
#include "tst_inioperator.moc"
