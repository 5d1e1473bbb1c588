#include "desktopentryfile.h"
#include "inioperator.h"
#include "logcapture.h"
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

private slots:
    void init();
    void readsEveryKeyAsFileText();
    void shortAndFullKeyPathsAgree_data();
    void shortAndFullKeyPathsAgree();
    void unknownKeyIsEmptyAndLogged();
    void missingKeysAndFilesAreEmpty();
    void rewriteKeepsWhatItDoesNotSet();
    void writeCreatesNewEntry();
    void lineBreaksCannotAddKeys();
    void iconStillNamed_data();
    void iconStillNamed();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;
};

void IniOperatorTest::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("foo.desktop"));
}

void IniOperatorTest::readsEveryKeyAsFileText()
{
    QVERIFY(PlatformTest::writeAll(m_path, installerEntry));
    TDesktopfileInfo info;
    info.desktopPath = QStringLiteral("kept");
    CommonIniOperator::readToInifile(m_path, info);

    QCOMPARE(info.desktopPath, QStringLiteral("kept"));
    QCOMPARE(info.name, QStringLiteral("Foo, the editor"));
    QCOMPARE(info.exec, installerExec);
    QCOMPARE(info.type, QStringLiteral("Application"));
    QCOMPARE(info.startupnotify, QStringLiteral("true"));
    QCOMPARE(info.comment, QStringLiteral("Edits; things"));
    QCOMPARE(info.path, QStringLiteral("/home/u/.lirvanwine/apps/foo/drive_c"));
    QCOMPARE(info.icon, QStringLiteral("foo-icon"));
    QCOMPARE(info.startupwmclass, QStringLiteral("foo.exe"));
    QCOMPARE(info.categories, QStringLiteral("Wine;Office;"));
}

void IniOperatorTest::shortAndFullKeyPathsAgree_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *key, const QString &expected) {
        QTest::newRow(key) << QString::fromLatin1(key) << expected;
    };
    row("Name", QStringLiteral("Foo, the editor"));
    row("Exec", installerExec);
    row("Type", QStringLiteral("Application"));
    row("StartupNotify", QStringLiteral("true"));
    row("Comment", QStringLiteral("Edits; things"));
    row("Path", QStringLiteral("/home/u/.lirvanwine/apps/foo/drive_c"));
    row("Icon", QStringLiteral("foo-icon"));
    row("StartupWMClass", QStringLiteral("foo.exe"));
    row("Categories", QStringLiteral("Wine;Office;"));
}

void IniOperatorTest::shortAndFullKeyPathsAgree()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QVERIFY(PlatformTest::writeAll(m_path, installerEntry));
    QCOMPARE(CommonIniOperator::findValueByKey(key, m_path), expected);
    QCOMPARE(CommonIniOperator::findValueByKey(QStringLiteral("Desktop Entry/") + key, m_path),
             expected);
}

void IniOperatorTest::unknownKeyIsEmptyAndLogged()
{
    QVERIFY(PlatformTest::writeAll(m_path, installerEntry));
    LogCapture log;
    QVERIFY(CommonIniOperator::findValueByKey(QStringLiteral("Version"), m_path).isEmpty());
    QVERIFY(log.contains(QStringLiteral("Version not exists!")));
    // Names are matched case-sensitively.
    QVERIFY(CommonIniOperator::findValueByKey(QStringLiteral("icon"), m_path).isEmpty());
}

void IniOperatorTest::missingKeysAndFilesAreEmpty()
{
    QVERIFY(PlatformTest::writeAll(
            m_path, "[Desktop Entry]\nName=Foo\nType=Application\n[Other]\nCategories=X;\n"));
    TDesktopfileInfo info;
    CommonIniOperator::readToInifile(m_path, info);
    QCOMPARE(info.name, QStringLiteral("Foo"));
    QVERIFY(info.categories.isEmpty());
    QVERIFY(info.exec.isEmpty());

    const QString missing = m_dir->filePath(QStringLiteral("missing.desktop"));
    QVERIFY(CommonIniOperator::findValueByKey(QStringLiteral("Name"), missing).isEmpty());
    QVERIFY(!QFile::exists(missing));
}

void IniOperatorTest::rewriteKeepsWhatItDoesNotSet()
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

void IniOperatorTest::writeCreatesNewEntry()
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

    // A second write changes values in place.
    TDesktopfileInfo changed = written;
    changed.exec = QStringLiteral("other");
    CommonIniOperator::writeToInifile(changed, path);
    QCOMPARE(linesOf(path).size(), lines.size());
    QCOMPARE(CommonIniOperator::findValueByKey(QStringLiteral("Exec"), path), changed.exec);
}

void IniOperatorTest::lineBreaksCannotAddKeys()
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

void IniOperatorTest::iconStillNamed_data()
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

void IniOperatorTest::iconStillNamed()
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

QTEST_GUILESS_MAIN(IniOperatorTest)
#include "tst_inioperator.moc"
