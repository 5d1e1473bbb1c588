// Builds the Debian package with cpack from the build tree, unpacks it into a
// scratch root and checks what it installs where, what it depends on, that
// the program it installs runs from there, and that it has no maintainer
// scripts that could touch the users' files.

#include "isolatedhome.h"
#include "platformtestutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using PlatformTest::readAll;
using PlatformTest::Result;
using PlatformTest::run;

namespace {

const QString PackageName = QStringLiteral("lirvan-wine-assist");

bool succeeded(const Result &result)
{
    return result.finished && result.exitCode == 0;
}

QString describe(const Result &result)
{
    return result.out + result.err;
}

} // namespace

class TestDebPackage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void startManagerActivation();
    void desktopIntegration();
    void dependencies();
    void installedProgramRuns();
    void noMaintainerScripts();

private:
    QString field(const QString &name) const;
    QString rooted(const QString &path) const { return m_root + path; }

    QTemporaryDir m_scratch;
    QString m_package;
    QString m_root;
};

void TestDebPackage::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    const QString out = m_scratch.filePath(QStringLiteral("out"));
    const Result cpack = run(QStringLiteral(LWA_CPACK_COMMAND),
                             {QStringLiteral("-G"), QStringLiteral("DEB"),
                              QStringLiteral("--config"),
                              QStringLiteral(LWA_BINARY_DIR "/CPackConfig.cmake"),
                              QStringLiteral("-B"), out},
                             QProcessEnvironment::systemEnvironment(), 540000);
    QVERIFY2(succeeded(cpack), qPrintable(describe(cpack)));

    const Result arch = run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
    const QString fileName = QStringLiteral("%1_%2_%3.deb")
                                     .arg(PackageName, QStringLiteral(LWA_VERSION),
                                          arch.out.trimmed());
    m_package = out + QLatin1Char('/') + fileName;
    QVERIFY2(QFileInfo::exists(m_package), qPrintable(fileName));

    m_root = m_scratch.filePath(QStringLiteral("root"));
    const Result unpack = run(QStringLiteral("dpkg-deb"),
                              {QStringLiteral("-x"), m_package, m_root});
    QVERIFY2(succeeded(unpack), qPrintable(describe(unpack)));
}

QString TestDebPackage::field(const QString &name) const
{
    return run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_package, name}).out.trimmed();
}

void TestDebPackage::layout_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    const QString opt = QStringLiteral("/opt/lirvan-wine-assist/");
    for (const char *program : {"/usr/bin/lirvan-wine-assist", "/usr/libexec/lirvan-start-manager"})
        QTest::newRow(program) << QString::fromLatin1(program) << true;
    for (const char *script :
         {"tools/peinfo.sh", "tools/mkicons.sh", "tools/unzip.sh", "tools/fixbottle.sh",
          "tools/localdesktop.sh", "tools/lirvan-wine-helper/kill.sh",
          "tools/lirvan-wine-helper/run_v4.sh", "lirvan-wine5-stable/bin/wine",
          "lirvan-wine5-stable/bin/wine64"})
        QTest::newRow(script) << opt + QLatin1String(script) << true;
    for (const char *data :
         {"data/Depends/DefaultFont/font.reg", "data/Depends/DefaultBottle/files.7z"})
        QTest::newRow(data) << opt + QLatin1String(data) << false;
    for (const char *file :
         {"/usr/share/applications/lirvan-wine-assist.desktop",
          "/usr/share/metainfo/com.lirvan.WineAssist.metainfo.xml",
          "/usr/share/icons/hicolor/scalable/apps/lirvan-wine-assist.svg",
          "/usr/share/icons/hicolor/48x48/apps/lirvan-wine-assist.png",
          "/usr/share/icons/hicolor/256x256/apps/lirvan-wine-assist.png",
          "/usr/share/dbus-1/services/com.lirvan.SessionManager.service",
          "/usr/share/lirvan-wine-assist/translations/lirvan-wine-assist_en.qm",
          "/usr/share/lirvan-wine-assist/translations/lirvan-wine-assist_zh_CN.qm",
          "/usr/share/lirvan-wine-assist/privacy-agreement.html",
          "/usr/share/man/man1/lirvan-wine-assist.1.gz"})
        QTest::newRow(file) << QString::fromLatin1(file) << false;
}

void TestDebPackage::layout()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(rooted(path));
    QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path));
    QCOMPARE(info.isExecutable(), executable);
}

void TestDebPackage::startManagerActivation()
{
    QSettings service(rooted(QStringLiteral("/usr/share/dbus-1/services/"
                                            "com.lirvan.SessionManager.service")),
                      QSettings::IniFormat);
    QCOMPARE(service.value(QStringLiteral("D-BUS Service/Name")).toString(),
             QStringLiteral("com.lirvan.SessionManager"));
    QCOMPARE(service.value(QStringLiteral("D-BUS Service/Exec")).toString(),
             QStringLiteral("/usr/libexec/lirvan-start-manager"));
}

void TestDebPackage::desktopIntegration()
{
    const QString entry = rooted(
            QStringLiteral("/usr/share/applications/lirvan-wine-assist.desktop"));
    const Result desktop = run(QStringLiteral("desktop-file-validate"), {entry});
    QVERIFY2(succeeded(desktop) && desktop.out.isEmpty(), qPrintable(describe(desktop)));
    const Result appstream
            = run(QStringLiteral("appstreamcli"),
                  {QStringLiteral("validate"), QStringLiteral("--no-net"),
                   rooted(QStringLiteral(
                           "/usr/share/metainfo/com.lirvan.WineAssist.metainfo.xml"))});
    QVERIFY2(succeeded(appstream), qPrintable(describe(appstream)));

    // "Open with" offers the assistant for whatever type this system's MIME
    // database gives Windows programs and installers, and hands it the file.
    const QStringList lines = QString::fromUtf8(readAll(entry)).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Exec=lirvan-wine-assist %f")));
    QVERIFY(lines.contains(QStringLiteral("Icon=lirvan-wine-assist")));
    const QStringList mimeLines = lines.filter(QRegularExpression(QStringLiteral("^MimeType=")));
    QCOMPARE(mimeLines.size(), 1);
    const QStringList types
            = mimeLines.first().mid(int(qstrlen("MimeType="))).split(QLatin1Char(';'));
    const QMimeDatabase mime;
    for (const char *file : {"setup.exe", "SETUP.EXE", "installer.msi"}) {
        const QString type
                = mime.mimeTypeForFile(QLatin1String(file), QMimeDatabase::MatchExtension).name();
        QVERIFY2(types.contains(type), qPrintable(type));
    }
}

void TestDebPackage::dependencies()
{
    QCOMPARE(field(QStringLiteral("Package")), PackageName);
    QCOMPARE(field(QStringLiteral("Version")), QStringLiteral(LWA_VERSION));
    const QStringList depends = field(QStringLiteral("Depends"))
                                        .remove(QRegularExpression(QStringLiteral("\\([^)]*\\)")))
                                        .split(QRegularExpression(QStringLiteral("[,|]")));
    QStringList names;
    for (const QString &depend : depends)
        names << depend.trimmed();
    for (const char *package :
         {"libqt5core5a", "libqt5gui5", "libqt5widgets5", "libqt5network5", "libqt5dbus5",
          "libqt5svg5", "wine", "wine64", "libimage-exiftool-perl", "icoutils", "p7zip-full",
          "zstd", "wget", "fonts-wqy-microhei", "dbus"})
        QVERIFY2(names.contains(QLatin1String(package)), package);
}

void TestDebPackage::installedProgramRuns()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("LC_ALL"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
    const QString program = rooted(QStringLiteral("/usr/bin/lirvan-wine-assist"));
    const Result version = run(program, {QStringLiteral("--version")}, env, 20000);
    QVERIFY2(succeeded(version), qPrintable(describe(version)));
    QCOMPARE(version.out, QStringLiteral("lirvan-wine-assist " LWA_VERSION "\n"));
    // The English texts come from the translations installed beside it.
    const Result help = run(program, {QStringLiteral("--help")}, env, 20000);
    QVERIFY2(help.out.startsWith(QLatin1String("Usage: ")), qPrintable(describe(help)));
}

void TestDebPackage::noMaintainerScripts()
{
    // Without maintainer scripts, removing or purging the package only
    // deletes its own files: the users' bottles and settings stay.
    const QString control = m_scratch.filePath(QStringLiteral("control"));
    QVERIFY(succeeded(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-e"), m_package, control})));
    QCOMPARE(QDir(control).entryList(QDir::Files),
             (QStringList{QStringLiteral("control"), QStringLiteral("md5sums")}));
}

int main(int argc, char **argv)
{
    IsolatedHome home;
    QCoreApplication app(argc, argv);
    TestDebPackage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_debpackage.moc"
