#include "common.h"
#include "logcapture.h"
#include "platformtestutil.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

const QString Bash = QStringLiteral("/bin/bash");

} // namespace

class TestShellCmd : public QObject
{
    Q_OBJECT
private slots:
    void decodesUtf8AndGbk_data()
    {
        QTest::addColumn<QString>("escapes");
        QTest::addColumn<QString>("expected");
        // "中文" encoded as UTF-8 and as GBK.
        QTest::newRow("utf-8") << QStringLiteral("\\xe4\\xb8\\xad\\xe6\\x96\\x87")
                               << QStringLiteral("中文");
        QTest::newRow("gbk") << QStringLiteral("\\xd6\\xd0\\xce\\xc4") << QStringLiteral("中文");
    }

    void decodesUtf8AndGbk()
    {
        QFETCH(QString, escapes);
        QFETCH(QString, expected);

        QString output;
        QString error;
        QCOMPARE(shellCmd(QStringLiteral("printf ") + escapes, output, error), 0);
        QCOMPARE(output, expected);

        output.clear();
        QCOMPARE(shellCmd(Bash, {QStringLiteral("-c"), QStringLiteral("printf '%1'").arg(escapes)},
                          output, error, -1),
                 0);
        QCOMPARE(output, expected);
    }

    void commandLineSplitting()
    {
        // No shell: the semicolon and $HOME are plain words, quotes group words
        // and three double quotes stand for one literal quote. The output
        // replaces the caller's; a success leaves the error text alone.
        QString output = QStringLiteral("old");
        QString error = QStringLiteral("caller's text");
        QCOMPARE(shellCmd(QStringLiteral("printf \"%s|\" \"a b\" ; $HOME \"\"\"q\"\"\""), output,
                          error),
                 0);
        QCOMPARE(output, QStringLiteral("a b|;|$HOME|\"q\"|"));
        QCOMPARE(error, QStringLiteral("caller's text"));
    }

    void exitCodeWithManyErrorLines()
    {
        QString output;
        QString error;
        const QString script = QStringLiteral(
                "echo out; printf 'line1\\nline2\\nline3\\nline4\\nline5\\nline6\\nline7' >&2; "
                "exit 3");
        QCOMPARE(shellCmd(Bash, {QStringLiteral("-c"), script}, output, error, -1), -1);
        QCOMPARE(output, QStringLiteral("out\n"));
        QVERIFY2(error.startsWith(QStringLiteral("err 3, string: line1\n")), qPrintable(error));
        for (int i = 1; i <= 7; ++i)
            QVERIFY(error.contains(QStringLiteral("line%1").arg(i)));
    }

    void killedBySignalFails()
    {
        QString output;
        QString error;
        QCOMPARE(shellCmd(Bash, {QStringLiteral("-c"), QStringLiteral("kill -9 $$")}, output, error,
                          -1),
                 -1);
        QVERIFY(error.startsWith(QStringLiteral("err ")));
        // Only the exit status tells a crash with exit code 0 from a success.
        QVERIFY(!exitedCleanly(QProcess::CrashExit, 0));
        QVERIFY(exitedCleanly(QProcess::NormalExit, 0));
        QVERIFY(!exitedCleanly(QProcess::NormalExit, 1));
    }

    void timeoutEndsWholeGroup_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("marker");
        // The grandchild would outlive its parent if only the parent were ended.
        QTest::newRow("grandchild sleeps") << "bash -c \"sleep 61.37 & wait\""
                                           << "sleep 61.37";
        // Ignored by the whole tree: only KILL ends it.
        QTest::newRow("TERM ignored") << "bash -c \"trap '' TERM; sleep 61.38 & wait\""
                                      << "sleep 61.38";
    }

    void timeoutEndsWholeGroup()
    {
        QFETCH(QString, command);
        QFETCH(QString, marker);
        LogCapture log;
        QString output = QStringLiteral("untouched output");
        QString error = QStringLiteral("untouched error");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(shellCmd(command, output, error, 1000), -2);
        // It returns after the time-out, long before the child would end.
        QVERIFY2(timer.elapsed() >= 900 && timer.elapsed() < 30000,
                 qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(output, QStringLiteral("untouched output"));
        QCOMPARE(error, QStringLiteral("untouched error"));
        QVERIFY(log.contains(QLatin1Char('"') + QString(command).replace('"', "\\\"")
                             + QStringLiteral("\"  timeout")));
        const auto nothingLeft = [&] {
            return PlatformTest::processesMentioning(marker).isEmpty();
        };
        QVERIFY(PlatformTest::waitFor(nothingLeft, 1000));
    }

    void abortEndsCommandAtOnce()
    {
        LogCapture log;
        std::atomic_bool abort{false};
        QElapsedTimer sinceAbort;
        std::thread canceller([&] {
            QThread::msleep(400);
            sinceAbort.start();
            abort = true;
        });
        QString output = QStringLiteral("untouched");
        QString error = QStringLiteral("untouched");
        const int result = shellCmd(QStringLiteral("bash -c \"sleep 61.39 & wait\""), output, error,
                                    30000, &abort);
        const qint64 afterAbort = sinceAbort.elapsed();
        canceller.join();

        QCOMPARE(result, -2);
        QVERIFY2(afterAbort < 900, qPrintable(QString::number(afterAbort)));
        QCOMPARE(output, QStringLiteral("untouched"));
        QCOMPARE(error, QStringLiteral("untouched"));
        QVERIFY(log.contains(QStringLiteral(" cancelled")));
        QVERIFY(!log.contains(QStringLiteral(" timeout")));
        QVERIFY(PlatformTest::waitFor(
                [] {
                    return PlatformTest::processesMentioning(QStringLiteral("sleep 61.39"))
                            .isEmpty();
                },
                1000));
    }

    void abortedCommandNeverStarts()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("ran"));
        const std::atomic_bool abort{true};
        QString output;
        QString error;
        QCOMPARE(shellCmd(QStringLiteral("touch ") + marker, output, error, 30000, &abort), -2);
        QCOMPARE(shellCmd(Bash, {QStringLiteral("-c"), QStringLiteral("touch ") + marker}, output,
                          error, -1, &abort),
                 -2);
        QVERIFY(!QFileInfo::exists(marker));
    }

    void missingProgram()
    {
        LogCapture log;
        QString output = QStringLiteral("o");
        QString error = QStringLiteral("e");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(shellCmd(QStringLiteral("/nonexistent/program --flag"), output, error), -2);
        QVERIFY(timer.elapsed() < 10000);
        QCOMPARE(output, QStringLiteral("o"));
        QCOMPARE(error, QStringLiteral("e"));
        QVERIFY(log.contains(QStringLiteral(" timeout")));
        QCOMPARE(shellCmd(QString(), output, error), -2);
    }

    void argumentListIsPassedUnchanged()
    {
        const QStringList values = {QStringLiteral("two words"), QStringLiteral("\"quoted\""),
                                    QStringLiteral("it's"), QStringLiteral("$HOME and $(id)"),
                                    QStringLiteral("back\\slash `cmd`")};
        QString output;
        QString error;
        QStringList arguments = {QStringLiteral("-c"), QStringLiteral("printf '%s\\n' \"$@\""),
                                 QStringLiteral("argv0")};
        arguments += values;
        QCOMPARE(shellCmd(Bash, arguments, output, error, -1), 0);
        QCOMPARE(output, values.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
};

QTEST_GUILESS_MAIN(TestShellCmd)
#include "tst_shellcmd.moc"
