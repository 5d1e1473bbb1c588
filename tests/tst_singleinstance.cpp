// Starts the real assistant binary several times in one private home and
// checks that exactly one process keeps running and receives every later
// start's arguments.

#include "assisthome.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <vector>

#include <signal.h>

// A second start waits up to 30 s for the running one to take its arguments
// (a loaded machine can stall that one for a while); wait longer than that.
constexpr int HandOverMs = 45000;

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void crashedInstanceDoesNotBlock()
    {
        AssistHome home;
        auto first = startPrimary(home);
        QVERIFY(first);
        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished());

        // The lock and socket of the killed process are left behind.
        QVERIFY(!QDir(home.runtimeDir()).entryList(QDir::System | QDir::Files).isEmpty());

        auto next = startPrimary(home, {QStringLiteral("after-crash")});
        QVERIFY(next);
        QVERIFY(home.waitForLog(QStringLiteral("\"after-crash\")")));
        QTest::qWait(300);
        QCOMPARE(next->state(), QProcess::Running);

        // And it is the one instance now.
        auto later = home.start({QStringLiteral("later")});
        QVERIFY(later->waitForFinished(HandOverMs));
        QCOMPARE(later->exitCode(), SecondInstanceExitCode);
        QVERIFY(home.waitForLog(QStringLiteral("\"later\")")));
        stop(next.get());
    }

    void simultaneousStarts()
    {
        AssistHome home;
        constexpr int Count = 20;
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < Count; ++i)
            processes.push_back(home.start({QStringLiteral("start-%1").arg(i)}));

        const auto running = [&processes] {
            std::vector<QProcess *> result;
            for (auto &process : processes) {
                if (process->state() != QProcess::NotRunning)
                    result.push_back(process.get());
            }
            return result;
        };
        QTRY_VERIFY_WITH_TIMEOUT(running().size() <= 1, 30000);
        QTest::qWait(500);
        QCOMPARE(running().size(), size_t(1));
        QProcess *survivor = running().front();
        for (auto &process : processes) {
            if (process.get() != survivor)
                QCOMPARE(process->exitCode(), SecondInstanceExitCode);
        }
        QVERIFY(survivor);

        // Every start's arguments reached the survivor: its own at launch, the
        // others through the hand-over.
        for (int i = 0; i < Count; ++i) {
            const QString marker = QStringLiteral("\"start-%1\")").arg(i);
            QVERIFY2(home.waitForLog(marker), qPrintable(marker));
        }
        QCOMPARE(home.log().count(QStringLiteral("new process")), Count - 1);
        stop(survivor);
    }

    void onlyTheOwnerRotatesTheLog()
    {
        AssistHome home;
        auto first = startPrimary(home);
        QVERIFY(first);
        // The running owner's log has grown just past the limit.
        const QString rotated = home.logPath() + QStringLiteral(".1");
        {
            QFile file(home.logPath());
            QVERIFY(file.open(QIODevice::Append));
            QCOMPARE(file.write(QByteArray(8 * 1024 * 1024, 'x')), qint64(8 * 1024 * 1024));
        }

        // A second start leaves the log where the owner and its install windows
        // expect it.
        auto second = home.start({QStringLiteral("handed-over")});
        QVERIFY(second->waitForFinished(HandOverMs));
        QCOMPARE(second->exitCode(), SecondInstanceExitCode);
        QVERIFY(home.waitForLog(QStringLiteral("\"handed-over\")")));
        QVERIFY(!QFile::exists(rotated));
        stop(first.get());

        // The next owner moves it aside and starts a fresh one.
        auto next = home.start({QStringLiteral("fresh")});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(rotated), 20000);
        QVERIFY(home.waitForLog(QStringLiteral("\"fresh\")")));
        QVERIFY(QFileInfo(home.logPath()).size() < 1024 * 1024);
        QVERIFY(QFileInfo(rotated).size() > 8 * 1024 * 1024);
        stop(next.get());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
