#include "accountservicetestutil.h"
#include "avatardownload.h"
#include "catalogueapiserver.h"
#include "llogmanager.h"
#include "logcapture.h"
#include "platformtestutil.h"
#include "testisolation.h"
#include "wineastlogin.h"
#include "winesettings.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

/*
 * The account login against the reference catalogue service and the
 * stand-in desktop account services on a private session bus. The login
 * object is one per process, so the cases run in a fixed order: the first
 * ones see it before it knows the catalogue's login client.
 */
class TestWineAstLogin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The sample catalogue with a login client whose scope has an empty item.
        QFile sample(CatalogueApiServer::sampleDataDir() + QStringLiteral("/catalogue.json"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QJsonObject catalogue = QJsonDocument::fromJson(sample.readAll()).object();
        QJsonObject client = catalogue.value(QStringLiteral("login")).toObject();
        client.insert(QStringLiteral("scope"), QStringLiteral("a,b,,c"));
        catalogue.insert(QStringLiteral("login"), client);
        QVERIFY(CatalogueApiServer::writeCatalogue(m_catalogueDir.path(), catalogue));
        m_service = std::make_unique<CatalogueApiServer>(m_catalogueDir.path());
        QVERIFY(m_service->isRunning());
        m_login = WineAstLogin::instance();

        // A log left readable for everyone by an older version.
        const QString log = LLogManager::getlogFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(log).absolutePath()));
        QFile old(log);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                   | QFile::ReadOther));
        LLogManager::registerFileAppender();
    }

    void avatarPath_data()
    {
        QTest::addColumn<QString>("username");
        QTest::addColumn<QString>("avatar");
        QTest::addColumn<QString>("relative");
        const auto row = [](const char *tag, const char *user, const char *avatar,
                            const char *relative) {
            QTest::newRow(tag) << QString::fromUtf8(user) << QString::fromUtf8(avatar)
                               << QString::fromUtf8(relative);
        };
        row("plain", "alice", "http://example.org/pic/x.png", "alice/x.png");
        // Names from the service stay inside the icons folder.
        row("parent user", "..", "http://h/p/x.png", "_/x.png");
        row("absolute user", "/etc", "http://h/p/x.png", "_etc/x.png");
        row("encoded slashes", "alice", "http://h/p/..%2F..%2F.bashrc", "alice/.bashrc");
    }

    void avatarPath()
    {
        QFETCH(QString, username);
        QFETCH(QString, avatar);
        QFETCH(QString, relative);

        const QString icons = QDir::homePath()
                              + QStringLiteral("/.cache/lirvan-wine-assist/icons/users/");
        const QString path = WineAstLogin::avatarPath(username, avatar);
        QCOMPARE(path, icons + relative);
        // Two plain components below the icons folder, nothing that climbs.
        QCOMPARE(QDir::cleanPath(path), path);
        QCOMPARE(path.mid(icons.size()).split(QLatin1Char('/')).size(), 2);
    }

    void failedClientRequestEndsAttempt()
    {
        // A service without a login client answers the client request with 404.
        QTemporaryDir dir;
        QVERIFY(CatalogueApiServer::writeCatalogue(dir.path(), {{"categories", QJsonArray()}}));
        CatalogueApiServer service(dir.path());
        QVERIFY(service.isRunning());
        service.use();
        AccountServiceProcess account;
        QVERIFY(account.isReady());
        LogCapture log;
        QSignalSpy changed(m_login, &WineAstLogin::signalUserInfoChanged);

        m_login->startLogin();
        QVERIFY(m_login->isBusy());
        // A second press while the request is under way is ignored.
        m_login->startLogin();
        QCOMPARE(log.messages().count(QStringLiteral("start login")), 1);
        QTRY_VERIFY(!m_login->isBusy());
        QCOMPARE(service.apiRequests().size(), 1);
        QCOMPARE(service.lastApiRequest().value(QStringLiteral("status")).toInt(), 404);
        QVERIFY(log.contains(QStringLiteral("end login")));
        QVERIFY(!m_login->isLoggedIn());
        QVERIFY(changed.isEmpty());
        QTest::qWait(200);
        QVERIFY(account.calls().isEmpty());
    }

    void desktopLoginAtStartLogsIn()
    {
        m_service->use();
        AccountServiceProcess account({QStringLiteral("--logged-in")});
        QVERIFY(account.isReady());
        QSignalSpy changed(m_login, &WineAstLogin::signalUserInfoChanged);

        // No user action: the desktop account's state starts the login.
        m_login->init();
        QVERIFY(m_login->isListeningUserinfo());
        QVERIFY(CatalogueApiServer::waitFor(changed));
        QVERIFY(!m_login->isListeningUserinfo());

        const LoginUserInfo &user = m_login->userInfo();
        QVERIFY(m_login->isLoggedIn());
        QVERIFY(!m_login->isBusy());
        QCOMPARE(QStringList({user.username, QString::number(user.id), user.nickname, user.email,
                              user.jwtToken, user.avatar, user.localAvatarPath}),
                 QStringList({"alice", "7", "爱丽丝", "alice@example.org", "sample.jwt.alice",
                              m_service->baseUrl() + "/files/avatars/alice.png",
                              QDir::homePath()
                                      + "/.cache/lirvan-wine-assist/icons/users/alice/alice.png"}));
        QCOMPARE(changed.size(), 1);

        // One client request, then the unsigned code exchange.
        QCOMPARE(requestsTo(QStringLiteral("/api/v1/login")).size(), 1);
        const QList<QJsonObject> exchanged = exchanges();
        QCOMPARE(exchanged.size(), 1);
        QCOMPARE(exchanged.first().value(QStringLiteral("target")).toString(),
                 QStringLiteral("/api/v1/login/callback?code=alice-code&state=state"));
        QVERIFY(exchanged.first().value(QStringLiteral("sign")).toString().isEmpty());

        // Register names the callback object, Authorize the catalogue's client.
        QCOMPARE(account.methods(), (QStringList{"Register", "Authorize"}));
        const QList<QJsonObject> calls = account.calls();
        QCOMPARE(calls.at(0).value(QStringLiteral("arguments")).toArray().toVariantList(),
                 (QVariantList{"lirvan-wine-assist", "com.lirvan.lirvanid.lirvanwine",
                               "/com/lirvan/lirvanid/lirvanwine",
                               "com.lirvan.lirvanid.lirvanwine"}));
        const QVariantList authorize
                = calls.at(1).value(QStringLiteral("arguments")).toArray().toVariantList();
        QCOMPARE(authorize.size(), 4);
        QCOMPARE(authorize.at(0).toString(), QStringLiteral("lirvan-wine-assist"));
        // The scope "a,b,,c" keeps its empty item.
        QCOMPARE(authorize.at(1).toStringList(), (QStringList{"a", "b", "", "c"}));
        QCOMPARE(authorize.at(2).toString(), QStringLiteral("lirvanwine://login/callback"));
        QCOMPARE(authorize.at(3).toString(), QStringLiteral("state"));

        // The log keeps the login's secrets out and is its owner's only.
        QVERIFY(LLogManager::flush());
        QFile log(LLogManager::getlogFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY(text.contains("OnAutorized  ccs code=[redacted]"));
        for (const char *secret : {"sample.jwt.alice", "alice-code", "alice@example.org"})
            QVERIFY2(!text.contains(secret), secret);
        QCOMPARE(log.permissions() & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner | QFile::WriteOwner);
    }

    void logoutCallsAccountService()
    {
        AccountServiceProcess account;
        QVERIFY(account.isReady());
        QSignalSpy changed(m_login, &WineAstLogin::signalUserInfoChanged);
        QVERIFY(m_login->isLoggedIn());

        m_login->logout();
        QCOMPARE(changed.size(), 1);
        QVERIFY(!m_login->isLoggedIn());
        const LoginUserInfo &user = m_login->userInfo();
        QCOMPARE(QStringList({QString::number(user.id), user.username, user.avatar, user.jwtToken}),
                 QStringList({"-1", "", "", ""}));
        QVERIFY(account.waitForCalls(QStringLiteral("Logout")));
    }

    void answersOnlyFromAccountService()
    {
        AccountServiceProcess account;
        QVERIFY(account.isReady());
        LogCapture log;
        QSignalSpy changed(m_login, &WineAstLogin::signalUserInfoChanged);
        const int exchangesBefore = exchanges().size();

        // Another program on the bus hands over a code of its own.
        QDBusConnection intruder = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                                 QStringLiteral("intruder"));
        QVERIFY(intruder.isConnected());
        const auto disconnect = qScopeGuard(
                [] { QDBusConnection::disconnectFromBus(QStringLiteral("intruder")); });
        for (const QString &method : {QStringLiteral("OnAuthorized"), QStringLiteral("OnCancel")}) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                    QStringLiteral("com.lirvan.lirvanid.lirvanwine"),
                    QStringLiteral("/com/lirvan/lirvanid/lirvanwine"),
                    QStringLiteral("com.lirvan.lirvanid.lirvanwine"), method);
            if (method == QLatin1String("OnAuthorized"))
                call << QStringLiteral("alice-code") << QStringLiteral("state");
            QDBusPendingCallWatcher watcher(intruder.asyncCall(call));
            QSignalSpy answered(&watcher, &QDBusPendingCallWatcher::finished);
            QVERIFY(CatalogueApiServer::waitFor(answered));
        }
        QCOMPARE(log.messages().filter(QStringLiteral("login answer refused")).size(), 2);
        QVERIFY(!log.messages().contains(QStringLiteral("end login")));
        QTest::qWait(300);
        QCOMPARE(exchanges().size(), exchangesBefore);
        QVERIFY(!m_login->isLoggedIn());
        QVERIFY(changed.isEmpty());
    }

    void cancelKeepsLoggedOut()
    {
        AccountServiceProcess account({QStringLiteral("--decline")});
        QVERIFY(account.isReady());
        LogCapture log;
        QSignalSpy changed(m_login, &WineAstLogin::signalUserInfoChanged);
        const int exchangesBefore = exchanges().size();

        // The client is known by now: straight to the account service.
        m_login->startLogin();
        QVERIFY(!m_login->isBusy());
        QVERIFY(account.waitForCalls(QStringLiteral("Authorize")));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("------------OnCancel--------------")),
                                 15000);
        QVERIFY(log.messages().contains(QStringLiteral("end login")));
        QTest::qWait(200);
        QVERIFY(!m_login->isLoggedIn());
        QVERIFY(changed.isEmpty());
        QCOMPARE(exchanges().size(), exchangesBefore);
        QCOMPARE(requestsTo(QStringLiteral("/api/v1/login")).size(), 1);
    }

    void refusedCodeEndsAttempt()
    {
        AccountServiceProcess account({QStringLiteral("--code"), QStringLiteral("nobody-code")});
        QVERIFY(account.isReady());
        LogCapture log;
        QSignalSpy changed(m_login, &WineAstLogin::signalUserInfoChanged);

        m_login->startLogin();
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("end login")), 15000);
        QCOMPARE(exchanges().last().value(QStringLiteral("status")).toInt(), 401);
        QVERIFY(!m_login->isLoggedIn());
        QVERIFY(changed.isEmpty());
    }

    void codeReachesServiceUnchanged()
    {
        // A code with query characters is one value, not extra query items.
        const int before = exchanges().size();
        m_login->OnAuthorized(QStringLiteral("a&code=alice-code#x"), QStringLiteral("s t"));
        QTRY_COMPARE(exchanges().size(), before + 1);
        const QUrlQuery query(
                QUrl(exchanges().last().value(QStringLiteral("target")).toString()).query());
        QCOMPARE(query.allQueryItemValues(QStringLiteral("code"), QUrl::FullyDecoded),
                 QStringList{QStringLiteral("a&code=alice-code#x")});
        QCOMPARE(query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded),
                 QStringLiteral("s t"));
        QTest::qWait(200);
        QVERIFY(!m_login->isLoggedIn());
    }

    void replyWithoutProfileIsNoLogin()
    {
        QSignalSpy changed(m_login, &WineAstLogin::signalUserInfoChanged);
        const auto reply = [this](const QString &body) {
            return QMetaObject::invokeMethod(m_login, "slotRequestFinished", Q_ARG(int, 3),
                                             Q_ARG(QString, body), Q_ARG(int, 2));
        };
        QVERIFY(reply(QStringLiteral("<html>gateway</html>")));
        QVERIFY(!m_login->isLoggedIn());
        QVERIFY(changed.isEmpty());

        // A profile without an id still logs in, with id 0.
        QVERIFY(reply(QStringLiteral("{\"data\":{\"username\":\"carol\"}}")));
        QVERIFY(m_login->isLoggedIn());
        QCOMPARE(m_login->userInfo().id, 0);
        QCOMPARE(m_login->userInfo().username, QStringLiteral("carol"));
        QCOMPARE(changed.size(), 1);
    }

    void desktopLoggedOutDropsLogin()
    {
        QVERIFY(m_login->isLoggedIn());
        // The desktop account is logged out at start: the login is dropped.
        AccountServiceProcess account;
        QVERIFY(account.isReady());
        QSignalSpy changed(m_login, &WineAstLogin::signalUserInfoChanged);
        m_login->listenUserinfo();
        QVERIFY(CatalogueApiServer::waitFor(changed));
        QVERIFY(!m_login->isLoggedIn());
        QCOMPARE(m_login->userInfo().id, -1);
        QVERIFY(!m_login->isListeningUserinfo());
        // Taken over once: logging out the desktop sends nothing more.
    }

    void avatarDownloadKeepsOnlyWholePictures()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("u/alice.png"));
        const auto filesBeside = [&dir] {
            return QDir(dir.filePath(QStringLiteral("u"))).entryList(QDir::Files | QDir::Hidden);
        };
        CatalogueServer files(CatalogueApiServer::sampleDataDir());
        QVERIFY(files.isRunning());

        // Not an address wget should see: an option, a local file.
        QVERIFY(!AvatarDownload::fetch(QStringLiteral("--output-document=/tmp/x"), path));
        QVERIFY(!AvatarDownload::fetch(QStringLiteral("file:///etc/passwd"), path));
        QVERIFY(!QFile::exists(path));

        // Not a picture: refused, and nothing is kept to stand for one.
        QVERIFY(!AvatarDownload::fetch(files.fileUrl(QStringLiteral("catalogue.json")), path));
        QCOMPARE(filesBeside(), QStringList());

        // A whole picture arrives under its name and nothing else stays.
        QVERIFY(AvatarDownload::fetch(files.fileUrl(QStringLiteral("avatars/alice.png")), path));
        QCOMPARE(PlatformTest::readAll(path),
                 PlatformTest::readAll(CatalogueApiServer::sampleDataDir() + "/avatars/alice.png"));
        QCOMPARE(filesBeside(), QStringList{QStringLiteral("alice.png")});
    }

    void wgetGetsAddressAsOneArgument()
    {
        // A wget that only reports how it was called.
        QTemporaryDir bin;
        const QString dump = bin.filePath(QStringLiteral("args"));
        const QString wget = bin.filePath(QStringLiteral("wget"));
        QVERIFY(PlatformTest::writeAll(wget, "#!/bin/sh\nexec " LWA_ARGDUMP " \"" + dump.toUtf8()
                                                     + "\" \"$@\"\n"));
        QVERIFY(QFile::setPermissions(wget,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);
        const auto restorePath = qScopeGuard([path] { qputenv("PATH", path); });

        const QString target = bin.filePath(QStringLiteral("pic/a.png"));
        // Spaces would end the address; such an address never reaches wget.
        QVERIFY(!AvatarDownload::fetch(QStringLiteral("http://127.0.0.1:1/a.png -O /tmp/x"),
                                       target));
        QVERIFY(!QFile::exists(dump));

        const QString address = QStringLiteral(
                "http://127.0.0.1:1/x/a.png?q='--execute=robots=off'");
        QVERIFY(!AvatarDownload::fetch(address, target));
        QVERIFY(!QFile::exists(target));
        const QStringList lines = QString::fromUtf8(PlatformTest::readAll(dump)).split('\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.mid(1, 2), (QStringList{"[-q]", "[-O]"}));
        QVERIFY(lines.at(3).startsWith(QLatin1Char('[') + bin.filePath(QStringLiteral("pic/"))));
        QCOMPARE(lines.mid(4),
                 (QStringList{"[--]", QLatin1Char('[') + address + QLatin1Char(']'), ""}));
    }

private:
    QList<QJsonObject> requestsTo(const QString &path) const
    {
        QList<QJsonObject> found;
        const QList<QJsonObject> all = m_service->apiRequests();
        for (const QJsonObject &request : all) {
            if (request.value(QStringLiteral("path")).toString() == path)
                found << request;
        }
        return found;
    }

    QList<QJsonObject> exchanges() const
    {
        return requestsTo(QStringLiteral("/api/v1/login/callback"));
    }

    QTemporaryDir m_catalogueDir;
    std::unique_ptr<CatalogueApiServer> m_service;
    WineAstLogin *m_login = nullptr;
};

int main(int argc, char *argv[])
{
    TestIsolation::ensure(argc, argv, true);
    QCoreApplication app(argc, argv);
    TestWineAstLogin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wineastlogin.moc"
