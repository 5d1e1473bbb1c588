// The session's start manager: how it reads an entry's Exec line, and the
// running service on a private session bus, started by D-Bus activation.
// Also the assistant's side: Exec lines and bash command lines built from
// hostile names come back as exactly those names.

#include "execline.h"
#include "launchentry.h"
#include "logcapture.h"
#include "platformtestutil.h"
#include "qtdbussessionmanager.h"
#include "startmanagertestutil.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace PlatformTest;
using namespace StartManagerTest;

namespace {

const QString argDump = QStringLiteral(LWA_ARGDUMP);

QDBusMessage callLaunch(const QString &desktopFile)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("com.lirvan.SessionManager"),
                                                       QStringLiteral("/com/lirvan/StartManager"),
                                                       QStringLiteral("com.lirvan.StartManager"),
                                                       QStringLiteral("Launch"));
    call << desktopFile;
    return QDBusConnection::sessionBus().call(call);
}

// The lines lwa_argdump wrote: working directory, then "[arg]" per argument.
QStringList dumped(const QString &path)
{
    if (!waitFor([&] { return QFileInfo(path).size() > 0; }, 10000))
        return {};
    return QString::fromUtf8(readAll(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList split(const QString &fileValue)
{
    QStringList words;
    QString error;
    if (!LaunchEntry::splitExec(LaunchEntry::unescapeValue(fileValue), words, error))
        return {QStringLiteral("error: ") + error};
    return words;
}

const QStringList hostileNames = {
        QStringLiteral("$(touch pwned)"),
        QStringLiteral("`touch pwned`"),
        QStringLiteral("a; touch pwned"),
        QStringLiteral("quote\" and 'single'"),
        QStringLiteral("back\\slash\\\\ and \\\"escaped"),
        QStringLiteral("line\nbreak"),
        QStringLiteral("100% %u"),
        QStringLiteral("  blanks  "),
};

} // namespace

class TestStartManager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(installActivationFile());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void splitsExecByQuotingRules_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("words");

        QTest::newRow("blanks") << "prog a  b\tc" << QStringList{"prog", "a", "b", "c"};
        QTest::newRow("double quotes") << "prog \"a b\" c" << QStringList{"prog", "a b", "c"};
        QTest::newRow("escapes in quotes")
                << "prog \"x\\\\\"y\" \"\\\\$HOME\" \"\\\\`id\\\\`\" \"back\\\\\\\\slash\""
                << QStringList{"prog", "x\"y", "$HOME", "`id`", "back\\slash"};
        QTest::newRow("quoted part of a word")
                << "env WINEPREFIX=\"/a b\" wine" << QStringList{"env", "WINEPREFIX=/a b", "wine"};
        QTest::newRow("field codes dropped")
                << "prog %f %U --open=%u \"%F\"" << QStringList{"prog", "--open="};
        QTest::newRow("literal percent") << "prog 100%% \"%%\"" << QStringList{"prog", "100%", "%"};
        QTest::newRow("windows path")
                << "wine C:\\\\\\\\Program\\\\ Files\\\\\\\\Foo\\\\\\\\foo.exe"
                << QStringList{"wine", "C:\\Program Files\\Foo\\foo.exe"};
        QTest::newRow("single quotes")
                << "sh -c 'echo $1 \"x\"'" << QStringList{"sh", "-c", "echo $1 \"x\""};
        QTest::newRow("unterminated double quote")
                << "prog \"abc" << QStringList{"error: unterminated double quote in Exec"};
        QTest::newRow("only field codes") << "%f %U" << QStringList{"error: Exec names no program"};
    }

    void splitsExecByQuotingRules()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, words);
        QCOMPARE(split(exec), words);
    }

    void wineCommandKeepsEveryNameLiteral()
    {
        const QString wine = QStringLiteral("/opt/my wine/bin/wine");
        for (const QString &name : hostileNames) {
            const QString prefix = QStringLiteral("/home/u/.lirvanwine/apps/") + name;
            const QString program = prefix + QStringLiteral("/drive_c/Program Files/Foo/foo.exe");
            const QString exec = ExecLine::wineCommand(prefix, wine,
                                                       ExecLine::windowsExecPath(program, prefix));
            QVERIFY2(!exec.contains(QLatin1Char('\n')) && !exec.contains(QLatin1Char('\r')),
                     qPrintable(exec));
            QCOMPARE(split(exec), QStringList({"env", "WINEPREFIX=" + prefix, wine,
                                               "C:\\Program Files\\Foo\\foo.exe"}));
            QCOMPARE(split(ExecLine::execArgument(program)), QStringList{program});
        }
    }

    void shellQuotedIsPlainTextForBash()
    {
        QDir::setCurrent(m_dir.path());
        for (const QString &name : hostileNames) {
            const Result result = run(QStringLiteral("/bin/bash"),
                                      {QStringLiteral("-c"),
                                       QStringLiteral("printf %s ") + ExecLine::shellQuoted(name)});
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.out, name);
        }
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("pwned"))));
    }

    void launchesDetachedWithArgumentsAndPath()
    {
        const QString out = m_dir.filePath(QStringLiteral("launch out.txt"));
        const QString workDir = m_dir.filePath(QStringLiteral("work dir"));
        QVERIFY(QDir().mkpath(workDir));
        const QString entry = m_dir.filePath(QStringLiteral("dump.desktop"));
        QVERIFY(writeEntry(
                entry,
                "\"" + argDump + "\" \"" + out
                        + "\" plain \"two words\" \"q\\\\\"uote\" %U 50%% C:\\\\\\\\x\\\\ y",
                workDir));

        const QDBusMessage reply = callLaunch(entry);
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QVERIFY(reply.arguments().value(0).toString().contains(entry));
        QCOMPARE(dumped(out), QStringList({workDir, "[plain]", "[two words]", "[q\"uote]", "[50%]",
                                           "[C:\\x y]"}));
    }

    void refusesWhatCannotBeLaunched_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("reason");

        const auto row = [](const char *tag, const char *file, const QString &content,
                            const QString &reason) {
            QTest::newRow(tag) << QString::fromLatin1(file) << content << reason;
        };
        const QString program = "\"" + argDump + "\" /dev/null";
        const QString app = QStringLiteral("[Desktop Entry]\nType=Application\n");
        row("missing file", "missing.desktop", QString(), "Cannot read");
        row("no entry group", "nogroup.desktop", "[Other]\nExec=" + program + "\n",
            "has no [Desktop Entry] group");
        row("link", "link.desktop", "[Desktop Entry]\nType=Link\nURL=http://127.0.0.1/\n",
            "not an application");
        row("missing program", "noprogram.desktop", app + "Exec=lwa-no-such-program\n",
            "\"lwa-no-such-program\" cannot be run");
        row("no exec", "noexec.desktop", app, "Exec names no program");
        row("missing working directory", "nodir.desktop",
            app + "Exec=" + program + "\nPath=/nonexistent/dir\n",
            "working directory \"/nonexistent/dir\" does not exist");
    }

    void refusesWhatCannotBeLaunched()
    {
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(QString, reason);

        QString path = file == QLatin1String("relative") ? file : m_dir.filePath(file);
        if (!content.isEmpty())
            QVERIFY(writeAll(path, content.toUtf8()));
        const QDBusMessage reply = callLaunch(path);
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QVERIFY2(reply.errorMessage().contains(reason), qPrintable(reply.errorMessage()));
        QVERIFY(reply.errorName().startsWith(QLatin1String("com.lirvan.StartManager.Error.")));
    }

    void clientLogsReplyAndErrorText()
    {
        const QString out = m_dir.filePath(QStringLiteral("client.txt"));
        const QString entry = m_dir.filePath(QStringLiteral("client.desktop"));
        QVERIFY(writeEntry(entry, "\"" + argDump + "\" \"" + out + "\" from-client"));

        LogCapture log;
        QtDbusSessionManager manager;
        manager.Launch(entry);
        QCOMPARE(dumped(out).value(1), QStringLiteral("[from-client]"));
        QVERIFY(log.contains(QStringLiteral("Launched ") + entry));

        manager.Launch(m_dir.filePath(QStringLiteral("gone.desktop")));
        QVERIFY(log.contains(QStringLiteral("Cannot read the desktop file")));
    }
};

QTEST_GUILESS_MAIN(TestStartManager)

#include "tst_startmanager.moc"
