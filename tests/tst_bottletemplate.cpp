// The prepared 64-bit prefix with real Wine: two bottles asked for at once
// share one preparation and are the bottle Wine itself makes, the next one
// is the spare copy, a cancelled copy leaves no bottle, a damaged template
// is not used but made again the next time, and another Wine build replaces
// the template. The generic bottle's template is what fixbottle.sh makes.
// Both are made in the background at the lowest priority, which stops
// cleanly. Each case makes the template it needs.

#include "bottletemplate.h"
#include "logcapture.h"
#include "platformtestutil.h"
#include "templatepreparation.h"
#include "winesettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>

using namespace PlatformTest;

namespace {

QString bottle(const QString &name)
{
    return home() + QStringLiteral("/.lirvanwine/apps/") + name;
}

QString fontRegistry()
{
    return tool(QStringLiteral("data/Depends/DefaultFont/font.reg"));
}

BottleTemplate::CopyResult copyOnThread(const QString &target, const std::atomic_bool *abort)
{
    return BottleTemplate::fromSettings().copyTo(target, abort);
}

int countMessages(const LogCapture &log, const QString &text)
{
    int count = 0;
    for (const QString &message : log.messages())
        count += message.contains(text) ? 1 : 0;
    return count;
}

// The templates present, by folder name, without their spare copies.
QStringList templates()
{
    QStringList names = QDir(BottleTemplate::templatesDir())
                                .entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    return names.filter(QRegularExpression(QStringLiteral("^[^.]+$")));
}

// The spare copy that the background makes after a bottle.
QString waitForSpare()
{
    const QString spare = BottleTemplate::templatesDir() + templates().value(0)
                          + QStringLiteral(".spare");
    return waitFor([&] { return QFileInfo::exists(spare + QStringLiteral("/system.reg")); }, 120000)
                   ? spare
                   : QString();
}

// The configured build's template folder, made first when there is none.
QString readyTemplate()
{
    return BottleTemplate::fromSettings().prepare()
                   ? BottleTemplate::templatesDir() + templates().value(0)
                   : QString();
}

// What a bottle's programs see of a hive: the names of its software keys
// (time stamps dropped; the debugger's key appears only after a crash) and
// the values of the font replacement and user folder keys, sorted. Device
// keys differ between any two new prefixes and are left out.
QStringList registryOf(const QString &hive)
{
    static const QRegularExpression stamp(QStringLiteral("\\] \\d+$"));
    QStringList lines;
    bool keepValues = false;
    for (QString line : QString::fromUtf8(readAll(hive)).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('['))) {
            line.replace(stamp, QStringLiteral("]"));
            keepValues = line.endsWith(QLatin1String(R"(\\Fonts\\Replacements])"))
                         || line.endsWith(QLatin1String(" Shell Folders]"));
            if (line.startsWith(QLatin1String(R"([Software\\)"))
                && !line.contains(QLatin1String("WineDbg")))
                lines.append(line);
        } else if (keepValues && line.startsWith(QLatin1Char('"'))) {
            lines.append(line);
        }
    }
    lines.sort();
    return lines;
}

// The user folders of a prefix: every entry below drive_c/users with the
// target of each link.
QStringList userFolders(const QString &prefix)
{
    const QString users = prefix + QStringLiteral("/drive_c/users");
    QStringList entries;
    QDirIterator it(users, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries.append(info.filePath().mid(users.size()) + QStringLiteral(" -> ")
                       + info.symLinkTarget());
    }
    entries.sort();
    return entries;
}

// A template being built, or an empty string.
QString buildFolder()
{
    const QStringList builds = QDir(BottleTemplate::templatesDir())
                                       .entryList({QStringLiteral(".build-*")},
                                                  QDir::Dirs | QDir::Hidden);
    return builds.isEmpty() ? QString() : BottleTemplate::templatesDir() + builds.constFirst();
}

} // namespace

class TestBottleTemplate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void twoBottlesAtOnceShareOnePreparation();
    void nextBottleIsTheSpareCopyAndCancelLeavesNone();
    void damagedTemplateFallsBackAndIsMadeAgain();
    void otherWineBuildReplacesTemplate();
    void genericBottleIsWhatFixbottleMakes();
    void backgroundPreparationIsLowPriorityAndStops();
};

void TestBottleTemplate::initTestCase()
{
    useBuildPlatform();
}

void TestBottleTemplate::twoBottlesAtOnceShareOnePreparation()
{
    QVERIFY(QDir(BottleTemplate::templatesDir()).removeRecursively());
    LogCapture log;
    BottleTemplate::CopyResult first = BottleTemplate::CopyResult::Fallback;
    BottleTemplate::CopyResult second = first;
    std::unique_ptr<QThread> a(
            QThread::create([&] { first = copyOnThread(bottle("A"), nullptr); }));
    std::unique_ptr<QThread> b(
            QThread::create([&] { second = copyOnThread(bottle("B"), nullptr); }));
    a->start();
    b->start();
    QVERIFY(a->wait(600000) && b->wait(600000));
    QCOMPARE(first, BottleTemplate::CopyResult::Copied);
    QCOMPARE(second, BottleTemplate::CopyResult::Copied);
    QCOMPARE(countMessages(log, QStringLiteral("Preparing the bottle template: ")), 1);
    // The second bottle may be the spare copy the first one left behind.
    QCOMPARE(countMessages(log, QStringLiteral("Copy bottle template: "))
                     + countMessages(log, QStringLiteral("Bottle made from the spare copy: ")),
             2);
    QCOMPARE(templates().size(), 1);
    for (const QString &name : {QStringLiteral("A"), QStringLiteral("B")}) {
        QVERIFY(readAll(bottle(name) + QStringLiteral("/user.reg"))
                        .contains("\"SimSun\"=\"WenQuanYi Micro Hei\""));
        QVERIFY(QFileInfo(bottle(name) + QStringLiteral("/system.reg")).size() > 0);
    }

    // The way a bottle for a 64-bit installer is made without a template.
    const QString fresh = bottle(QStringLiteral("Fresh"));
    Result result = run(QStringLiteral("/bin/bash"),
                        {QStringLiteral("-c"),
                         QStringLiteral("\"$0\" regedit /S \"$1\" && \"$2\" -w"),
                         tool(QStringLiteral("lirvan-wine5-stable/bin/wine64")), fontRegistry(),
                         tool(QStringLiteral("lirvan-wine5-stable/bin/wineserver"))},
                        bottleEnvironment(fresh), 600000);
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));

    const QString copy = bottle(QStringLiteral("A"));
    for (const char *hive : {"/system.reg", "/user.reg"}) {
        const QStringList expected = registryOf(fresh + QLatin1String(hive));
        QVERIFY(expected.size() > 40);
        QCOMPARE(registryOf(copy + QLatin1String(hive)), expected);
    }
    QVERIFY(registryOf(copy + QStringLiteral("/user.reg"))
                    .contains(QStringLiteral("\"SimSun\"=\"WenQuanYi Micro Hei\"")));
    const QStringList folders = userFolders(fresh);
    QVERIFY(folders.join(QLatin1Char('\n')).contains(QStringLiteral("/Desktop -> ")));
    QCOMPARE(userFolders(copy), folders);
}

void TestBottleTemplate::nextBottleIsTheSpareCopyAndCancelLeavesNone()
{
    // A bottle leaves a spare copy behind for the next one.
    QCOMPARE(copyOnThread(bottle(QStringLiteral("First")), nullptr),
             BottleTemplate::CopyResult::Copied);
    const QString spare = waitForSpare();
    QVERIFY(!spare.isEmpty());
    const QString target = bottle(QStringLiteral("Spare"));
    LogCapture log;
    QCOMPARE(copyOnThread(target, nullptr), BottleTemplate::CopyResult::Copied);
    QVERIFY(log.contains(QStringLiteral("Bottle made from the spare copy: ") + target));
    QVERIFY(readAll(target + QStringLiteral("/user.reg"))
                    .contains("\"SimSun\"=\"WenQuanYi Micro Hei\""));
    // And another one is made for the bottle after.
    QCOMPARE(waitForSpare(), spare);

    // Without a spare copy, so that the copy is made now.
    QVERIFY(QDir(spare).removeRecursively());
    const QString cancelled = bottle(QStringLiteral("Cancelled"));
    const QString partial = bottle(QStringLiteral(".Cancelled.copying"));
    std::atomic_bool abort{false};
    BottleTemplate::CopyResult result = BottleTemplate::CopyResult::Copied;
    std::unique_ptr<QThread> thread(
            QThread::create([&] { result = copyOnThread(cancelled, &abort); }));
    thread->start();
    QVERIFY(waitFor([&] { return QFileInfo::exists(partial + QStringLiteral("/drive_c")); },
                    60000));
    abort = true;
    QVERIFY(thread->wait(30000));
    QCOMPARE(result, BottleTemplate::CopyResult::Cancelled);
    QVERIFY(!QFileInfo::exists(cancelled));
    QVERIFY(!QFileInfo::exists(partial));
}

void TestBottleTemplate::damagedTemplateFallsBackAndIsMadeAgain()
{
    const QString dir = readyTemplate();
    QVERIFY(QFile::remove(dir + QStringLiteral("/system.reg")));
    const QString target = bottle(QStringLiteral("D"));
    LogCapture log;
    QCOMPARE(copyOnThread(target, nullptr), BottleTemplate::CopyResult::Fallback);
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(!QFileInfo::exists(dir));

    QCOMPARE(copyOnThread(target, nullptr), BottleTemplate::CopyResult::Copied);
    QCOMPARE(countMessages(log, QStringLiteral("Preparing the bottle template: ")), 1);
    QVERIFY(QFileInfo(dir + QStringLiteral("/system.reg")).size() > 0);
    QVERIFY(QFileInfo(target + QStringLiteral("/system.reg")).size() > 0);
}

void TestBottleTemplate::otherWineBuildReplacesTemplate()
{
    // Another Wine build: the same wrappers at another place, for the same
    // Debian Wine.
    QVERIFY(!readyTemplate().isEmpty());
    const QString old = templates().value(0);
    const QString bin = home() + QStringLiteral("/wine-upgraded/bin/");
    QVERIFY(QDir().mkpath(bin));
    for (const QString &name :
         {QStringLiteral("wine64"), QStringLiteral("wine-run"), QStringLiteral("wineserver")})
        QVERIFY(QFile::copy(tool(QStringLiteral("lirvan-wine5-stable/bin/") + name), bin + name));
    const BottleTemplate upgraded(bin + QStringLiteral("wine64"), fontRegistry());
    const QString key = upgraded.buildKey();
    QVERIFY(!key.isEmpty() && key != old);

    QVERIFY(upgraded.prepare());
    QCOMPARE(templates(), QStringList{key});
    QVERIFY(QFileInfo(BottleTemplate::templatesDir() + key + QStringLiteral("/user.reg")).size()
            > 0);
}

void TestBottleTemplate::genericBottleIsWhatFixbottleMakes()
{
    const QString prefixTemplate = readyTemplate();
    QVERIFY(!prefixTemplate.isEmpty());
    const BottleTemplate generic = BottleTemplate::genericFromSettings();
    LogCapture log;
    const QString copy = bottle(QStringLiteral("Generic"));
    QCOMPARE(generic.copyTo(copy, nullptr), BottleTemplate::CopyResult::Copied);
    QCOMPARE(log.messages()
                     .filter(QStringLiteral("Preparing the bottle template: "))
                     .filter(tool(QStringLiteral("tools/fixbottle.sh")))
                     .size(),
             1);
    // Each kind's build keeps the other kind's template of the same Wine.
    const QStringList both = templates();
    QCOMPARE(both.size(), 2);
    QVERIFY(QFileInfo::exists(prefixTemplate + QStringLiteral("/system.reg")));
    QVERIFY(QDir(prefixTemplate).removeRecursively());
    QVERIFY(!readyTemplate().isEmpty());
    QCOMPARE(templates(), both);

    // fixbottle.sh itself in an empty bottle.
    const QString fixed = bottle(QStringLiteral("Fixed"));
    const Result result = run(tool(QStringLiteral("tools/fixbottle.sh")), {fixed},
                              QProcessEnvironment::systemEnvironment(), 600000);
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));
    for (const char *hive : {"/system.reg", "/user.reg"}) {
        const QStringList expected = registryOf(fixed + QLatin1String(hive));
        QVERIFY(expected.size() > 40);
        QCOMPARE(registryOf(copy + QLatin1String(hive)), expected);
    }
    QCOMPARE(userFolders(copy), userFolders(fixed));
}

void TestBottleTemplate::backgroundPreparationIsLowPriorityAndStops()
{
    qunsetenv("LWA_NO_TEMPLATE_PREPARATION");
    const auto disable = qScopeGuard([] { qputenv("LWA_NO_TEMPLATE_PREPARATION", "1"); });
    QVERIFY(QDir(BottleTemplate::templatesDir()).removeRecursively());

    // Stopped while it makes the first template: nothing of it stays, and
    // nothing of it runs on.
    QString build;
    {
        TemplatePreparation preparation;
        preparation.start();
        QVERIFY(preparation.isRunning());
        // Once Wine's services run: they outlive the commands that start them.
        QList<qint64> services;
        QVERIFY(waitFor(
                [&] {
                    build = buildFolder();
                    services = build.isEmpty()
                                       ? QList<qint64>()
                                       : findProcesses(QStringLiteral("services.exe"), build);
                    return !services.isEmpty();
                },
                60000));
        // Wine runs at the lowest priority, as everything the preparation starts.
        QCOMPARE(niceOf(services.constFirst()), 19);
    }
    QCOMPARE(templates(), QStringList());
    QCOMPARE(buildFolder(), QString());
    QVERIFY(waitFor([&] { return processesIn(build).isEmpty(); }, 10000));

    // Left alone, it makes both kinds.
    TemplatePreparation preparation;
    QSignalSpy finished(&preparation, &TemplatePreparation::finished);
    preparation.start();
    QVERIFY(finished.wait(600000));
    const QStringList made = templates();
    QCOMPARE(made.size(), 2);
    for (const QString &name : made)
        QVERIFY(QFileInfo(BottleTemplate::templatesDir() + name + QStringLiteral("/system.reg"))
                        .size()
                > 0);
}

QTEST_GUILESS_MAIN(TestBottleTemplate)
#include "tst_bottletemplate.moc"
