#include "wineastlogin.h"

#include "__lirvanid.h"
#include "cataloguereply.h"
#include "qtnetworkworker.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDebug>
#include <QDir>
#include <QJsonObject>
#include <QUrl>

namespace {

const QString CallbackService = QStringLiteral("com.lirvan.lirvanid.lirvanwine");
const QString CallbackPath = QStringLiteral("/com/lirvan/lirvanid/lirvanwine");
const QString CallbackInterface = QStringLiteral("com.lirvan.lirvanid.lirvanwine");
const QString ClientService = QStringLiteral("com.lirvan.lirvanid.Client");
const QString ClientPath = QStringLiteral("/com/lirvan/lirvanid/Client");
const QString AccountService = QStringLiteral("com.lirvan.lirvanid");
const QString AccountPath = QStringLiteral("/com/lirvan/lirvanid");
const QString SyncService = QStringLiteral("com.lirvan.sync.Daemon");

enum RequestId { ClientInfoRequest = 1, CodeExchangeRequest = 2 };

// Sends the call without waiting for its answer, which nobody reads; a
// QDBusInterface would introspect the service first and block on it.
QDBusMessage callAccountService(const QString &service, const QString &path, const QString &method,
                                const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}

QString joinedArguments(const QDBusMessage &reply)
{
    QStringList texts;
    const QVariantList arguments = reply.arguments();
    for (const QVariant &argument : arguments)
        texts << argument.toString();
    return texts.join(QStringLiteral(", "));
}

// One file name that stays where it is put: no separators, not "." or "..",
// not empty. The names come from the service and must not choose the folder.
QString safeFileName(QString name)
{
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QChar(0), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("_");
    return name;
}

} // namespace

WineAstLogin::WineAstLogin()
    : m_worker(new QtNetworkWorker(this))
{
    connect(m_worker, &QtNetworkWorker::signalFinished, this, &WineAstLogin::slotRequestFinished);
}

WineAstLogin::~WineAstLogin() = default;

WineAstLogin *WineAstLogin::instance()
{
    static WineAstLogin login;
    return &login;
}

void WineAstLogin::init()
{
    qInfo() << "int login object";
    QDbusQuesterInit();
    listenUserinfo();
}

int WineAstLogin::QDbusQuesterInit()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerService(CallbackService)) {
        qInfo() << "register service failed" << bus.lastError().message();
        return -1;
    }
    if (!bus.registerObject(CallbackPath, this, QDBusConnection::ExportScriptableSlots)) {
        qInfo() << "register object failed" << bus.lastError().message();
        return -2;
    }
    return 0;
}

void WineAstLogin::listenUserinfo()
{
    qInfo() << "listenUserinfo() begin!";
    releaseUserinfoListener();
    m_userInfoProxy = new __lirvanid(SyncService, AccountPath, QDBusConnection::sessionBus(), this);
    m_userInfoProxy->setSync(false, false);
    // Queued, so that the proxy can be deleted in the slot.
    connect(m_userInfoProxy, &__lirvanid::UserInfoChanged, this, &WineAstLogin::slotSetUserinfo,
            Qt::QueuedConnection);
    m_userInfoProxy->userInfo();
}

void WineAstLogin::releaseUserinfoListener()
{
    delete m_userInfoProxy;
    m_userInfoProxy = nullptr;
}

void WineAstLogin::slotSetUserinfo(QVariantMap userinfo)
{
    qInfo() << "user info :" << userinfo;
    // The desktop account's state is taken over once, at start-up.
    releaseUserinfoListener();
    const bool desktopLoggedIn = userinfo.value(QStringLiteral("IsLoggedIn")).toBool();
    if (desktopLoggedIn == m_loggedIn)
        return;
    if (desktopLoggedIn) {
        startLogin();
        return;
    }
    clearUserInfo();
    emit signalUserInfoChanged();
}

void WineAstLogin::startLogin()
{
    if (m_busy || m_loggedIn)
        return;
    qInfo() << "start login";
    if (!m_clientId.isEmpty()) {
        loginByCliendId();
        return;
    }
    m_busy = true;
    m_worker->setRequest(QStringLiteral("/api/v1/login"), QByteArray(), QtNetworkWorker::Post,
                         ClientInfoRequest);
    QMap<QString, QString> params;
    m_worker->signRequest(params);
    m_worker->startRequest();
}

void WineAstLogin::slotRequestFinished(int status, QString strData, int id)
{
    qInfo() << "id:" << id << "status:" << status << strData;
    if (status != QtNetworkWorker::Finished) {
        qInfo() << "end login";
        m_busy = false;
        return;
    }
    if (id == ClientInfoRequest)
        readClientInfo(strData);
    else if (id == CodeExchangeRequest)
        OK_onauthorized(strData);
    else
        qInfo() << status << strData << id;
}

void WineAstLogin::readClientInfo(const QString &strData)
{
    const QJsonObject data
            = CatalogueReply::QstringToJson(strData).value(QStringLiteral("data")).toObject();
    m_callback = data.value(QStringLiteral("callback")).toString();
    m_clientId = data.value(QStringLiteral("client_id")).toString();
    m_scope = data.value(QStringLiteral("scope")).toString().split(QLatin1Char(','));
    m_busy = false;
    if (m_clientId.isEmpty()) {
        // Without a client the account service cannot authorise anything.
        qInfo() << "end login";
        return;
    }
    loginByCliendId();
}

void WineAstLogin::loginByCliendId()
{
    callAccountService(ClientService, ClientPath, QStringLiteral("Register"),
                       {m_clientId, CallbackService, CallbackPath, CallbackInterface});
    const QDBusMessage reply = callAccountService(ClientService, ClientPath,
                                                  QStringLiteral("Authorize"),
                                                  {m_clientId, m_scope, m_callback,
                                                   QStringLiteral("state")});
    qInfo() << "Authorize: " << joinedArguments(reply);
}

void WineAstLogin::OnAuthorized(const QString &code, const QString &state)
{
    // As query items, which the log masks like every code it sees.
    qInfo().noquote() << "OnAutorized  ccs"
                      << QStringLiteral("code=%1 state=%2")
                                 .arg(CatalogueReply::queryValue(code),
                                      CatalogueReply::queryValue(state));
    if (!isFromAccountService())
        return;
    // Encoded, so that the code cannot add query items of its own.
    m_worker->setRequest(QStringLiteral("/api/v1/login/callback?code=%1&state=%2")
                                 .arg(CatalogueReply::queryValue(code),
                                      CatalogueReply::queryValue(state)),
                         QByteArray(), QtNetworkWorker::Get, CodeExchangeRequest);
    m_worker->startRequest();
}

void WineAstLogin::OnCancel()
{
    qInfo() << "------------OnCancel--------------";
    if (!isFromAccountService())
        return;
    qInfo() << "end login";
}

bool WineAstLogin::isFromAccountService() const
{
    // Any program on the bus can call this object; only the account service
    // may hand over a code, or another program could log the user in to an
    // account of its choosing.
    if (!calledFromDBus())
        return true;
    const QString owner = connection().interface()->serviceOwner(ClientService).value();
    if (!owner.isEmpty() && message().service() == owner)
        return true;
    qWarning() << "login answer refused from" << message().service();
    return false;
}

void WineAstLogin::OK_onauthorized(const QString &strData)
{
    const QJsonValue dataValue = CatalogueReply::QstringToJson(strData).value(
            QStringLiteral("data"));
    qInfo() << "------ONAUTHORIZED---------data :" << dataValue.toObject().toVariantMap();
    if (!dataValue.isObject()) {
        // A reply without a profile is no login.
        qInfo() << "end login";
        return;
    }
    const QJsonObject data = dataValue.toObject();
    m_userInfo.avatar = data.value(QStringLiteral("avatar")).toString();
    m_userInfo.email = data.value(QStringLiteral("email")).toString();
    m_userInfo.id = data.value(QStringLiteral("id")).toInt(0);
    m_userInfo.jwtToken = data.value(QStringLiteral("jwt_token")).toString();
    m_userInfo.nickname = data.value(QStringLiteral("nickname")).toString();
    m_userInfo.username = data.value(QStringLiteral("username")).toString();
    m_userInfo.localAvatarPath = avatarPath(m_userInfo.username, m_userInfo.avatar);
    m_loggedIn = true;
    qInfo() << "end login";
    emit signalUserInfoChanged();
}

void WineAstLogin::logout()
{
    const QDBusMessage reply = callAccountService(AccountService, AccountPath,
                                                  QStringLiteral("Logout"));
    qInfo() << "Logout: " << joinedArguments(reply);
    clearUserInfo();
    emit signalUserInfoChanged();
}

void WineAstLogin::clearUserInfo()
{
    m_userInfo = LoginUserInfo();
    m_loggedIn = false;
}

QString WineAstLogin::avatarPath(const QString &username, const QString &avatarAddress)
{
    const QString fileName = QUrl(avatarAddress).fileName();
    return userPictureRoot() + safeFileName(username) + QLatin1Char('/') + safeFileName(fileName);
}

QString WineAstLogin::userPictureRoot()
{
    return QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/icons/users/");
}
