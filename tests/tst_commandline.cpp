// Runs the real assistant binary with --help and --version in a private home:
// they answer on standard output in the language of the locale, open no
// window, leave no file behind and never reach a running assistant, while
// every other command line still goes to that assistant.

#include "assisthome.h"
#include "isolatedhome.h"
#include "platformtestutil.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

using PlatformTest::Result;

namespace {

// The locale's language, and no display at all, as in a plain terminal.
QProcessEnvironment terminalEnvironment(const AssistHome &home, const QString &lang)
{
    QProcessEnvironment env = home.environment();
    for (const char *name :
         {"LC_ALL", "LC_MESSAGES", "LANGUAGE", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), lang);
    return env;
}

Result runAssist(const AssistHome &home, const QStringList &arguments,
                 const QString &lang = QStringLiteral("en_US.UTF-8"))
{
    return PlatformTest::run(QStringLiteral(LWA_ASSIST_BINARY), arguments,
                             terminalEnvironment(home, lang), 20000);
}

// Every file below the home; the runtime directory is made by the test.
QStringList filesIn(const AssistHome &home)
{
    QStringList files;
    QDirIterator it(home.path(), QDir::Files | QDir::System | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void answersAlone_data();
    void answersAlone();
    void helpFollowsLocale_data();
    void helpFollowsLocale();
    void runningAssistantUntouched();
};

void TestCommandLine::answersAlone_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("pattern");
    const QString version = QStringLiteral("^lirvan-wine-assist \\d+\\.\\d+\\.\\d+\\n$");
    const QString help = QStringLiteral(
            "^Usage: lirvan-wine-assist \\[options\\] \\[file\\]\\n.*"
            "\\n  -h, --help +Show this help and exit\\n"
            "  -v, --version +Show the version and exit\\n.*"
            "\\n  --list +List the installed apps.*\\n  --install FILE +.*"
            "\\n  --backup NAME ARCHIVE +Back up an app.*\\n  --restore ARCHIVE +Restore .*"
            "\\n  file +the Windows program or installer to install\\n$");
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << version;
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << help;
    QTest::newRow("file and --help")
            << QStringList{QStringLiteral("/bin/sh"), QStringLiteral("--help")} << help;
}

void TestCommandLine::answersAlone()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, pattern);
    AssistHome home;
    const Result result = runAssist(home, arguments);
    QVERIFY2(result.finished, "the assistant kept running");
    QCOMPARE(result.exitCode, 0);
    const QRegularExpression expected(pattern, QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(expected.match(result.out).hasMatch(), qPrintable(result.out));
    // No log, settings, single-instance socket or anything else was made.
    QCOMPARE(filesIn(home), QStringList());
}

void TestCommandLine::helpFollowsLocale_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("usage");
    QTest::newRow("de_DE") << QStringLiteral("de_DE.UTF-8") << QStringLiteral("Usage: ");
    QTest::newRow("zh_CN") << QStringLiteral("zh_CN.UTF-8") << QStringLiteral("用法：");
}

void TestCommandLine::helpFollowsLocale()
{
    QFETCH(QString, lang);
    QFETCH(QString, usage);
    AssistHome home;
    const Result result = runAssist(home, {QStringLiteral("--help")}, lang);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.startsWith(usage), qPrintable(result.out));
    // One language throughout, the description included.
    static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    QCOMPARE(result.out.contains(chinese), usage.contains(chinese));
}

void TestCommandLine::runningAssistantUntouched()
{
    AssistHome home;
    auto primary = startPrimary(home);
    QVERIFY(primary);
    QVERIFY(home.waitForLog(QStringLiteral("show main window")));

    for (const QString &option : {QStringLiteral("--version"), QStringLiteral("--help")}) {
        const Result result = runAssist(home, {option});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(!result.out.isEmpty());
    }
    // Any other option is a command line for the running assistant, as before.
    const Result other = PlatformTest::run(QStringLiteral(LWA_ASSIST_BINARY),
                                           {QStringLiteral("--frobnicate")}, home.environment());
    QCOMPARE(other.exitCode, SecondInstanceExitCode);
    QVERIFY(home.waitForLog(QStringLiteral("\"--frobnicate\")")));
    QVERIFY(home.waitForLog(QStringLiteral("show main window"), 2));
    QCOMPARE(home.log().count(QStringLiteral("new process")), 1);
    QCOMPARE(primary->state(), QProcess::Running);
    stop(primary.get());
}

int main(int argc, char **argv)
{
    IsolatedHome home;
    QCoreApplication app(argc, argv);
    TestCommandLine test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_commandline.moc"
