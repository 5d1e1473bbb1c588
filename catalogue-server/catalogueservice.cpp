#include "catalogueservice.h"

#include "apilog.h"
#include "catalogue.h"
#include "signaturecheck.h"
#include "uploadstore.h"

#include <httplib.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace {

QString header(const httplib::Request &request, const char *name)
{
    return QString::fromStdString(request.get_header_value(name));
}

QString queryValue(const httplib::Request &request, const char *key)
{
    return QString::fromStdString(request.get_param_value(key));
}

// Whole numbers the client can have sent from a 64-bit integer: -2^63 up
// to, not including, 2^63. Casting anything beyond is undefined.
bool fitsInt64(double number)
{
    return number >= -9223372036854775808.0 && number < 9223372036854775808.0;
}

// A JSON member as the client put it into its signed parameters; false for
// a whole number out of the 64-bit range, which no client signs.
bool signedText(const QJsonValue &value, QString &text)
{
    switch (value.type()) {
    case QJsonValue::String:
        text = value.toString();
        return true;
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (std::trunc(number) != number) {
            text = QString::number(number);
            return true;
        }
        if (!fitsInt64(number))
            return false;
        text = QString::number(static_cast<qint64>(number));
        return true;
    }
    case QJsonValue::Bool:
        text = value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        return true;
    default:
        text.clear();
        return true;
    }
}

} // namespace

// One request and its answer, recorded in the API log when answered.
class CatalogueService::Exchange
{
public:
    Exchange(const httplib::Request &request, httplib::Response &response, ApiLog &log)
        : m_request(request)
        , m_response(response)
        , m_log(log)
    {
        m_entry = {{QStringLiteral("method"), QString::fromStdString(request.method)},
                   {QStringLiteral("target"), QString::fromStdString(request.target)},
                   {QStringLiteral("path"), QString::fromStdString(request.path)},
                   {QStringLiteral("content_type"), header(request, "Content-Type")},
                   {QStringLiteral("accept"), header(request, "Accept")},
                   {QStringLiteral("timestamp"), header(request, "timestamp")},
                   {QStringLiteral("sign"), header(request, "sign")}};
    }

    const httplib::Request &request() const { return m_request; }
    QString timestamp() const { return m_entry.value(QStringLiteral("timestamp")).toString(); }
    QString sign() const { return m_entry.value(QStringLiteral("sign")).toString(); }
    // Where the addresses of the catalogue point: the host the client asked.
    QString baseUrl() const { return QStringLiteral("http://") + header(m_request, "Host"); }

    void note(const QString &key, const QJsonValue &value) { m_entry.insert(key, value); }

    void succeed(const QJsonValue &data) { answer(200, 0, QStringLiteral("success"), data); }
    void fail(int status, const QString &message)
    {
        note(QStringLiteral("refusal"), message);
        answer(status, status, message, QJsonValue::Null);
    }

private:
    void answer(int status, int code, const QString &message, const QJsonValue &data)
    {
        const QJsonObject body{{QStringLiteral("code"), code},
                               {QStringLiteral("msg"), message},
                               {QStringLiteral("data"), data}};
        m_entry.insert(QStringLiteral("status"), status);
        m_log.record(m_entry);
        m_response.status = status;
        m_response.set_content(QJsonDocument(body).toJson(QJsonDocument::Compact).toStdString(),
                               "application/json; charset=utf-8");
    }

    const httplib::Request &m_request;
    httplib::Response &m_response;
    ApiLog &m_log;
    QJsonObject m_entry;
};

CatalogueService::CatalogueService(const Catalogue &catalogue, const SignatureCheck &check,
                                   UploadStore &uploads, ApiLog &log)
    : m_catalogue(catalogue)
    , m_check(check)
    , m_uploads(uploads)
    , m_log(log)
{
}

void CatalogueService::install(httplib::Server &server)
{
    using namespace httplib;
    const auto route = [this](void (CatalogueService::*handler)(const Request &, Response &)
                                      const) {
        return [this, handler](const Request &request, Response &response) {
            (this->*handler)(request, response);
        };
    };
    server.Get("/api/v1/app/list", route(&CatalogueService::appList));
    server.Get("/api/v1/app/default/config", [this](const Request &request, Response &response) {
        serveSection(request, response, QStringLiteral("default_config"),
                     [this](const QString &baseUrl) { return m_catalogue.defaultConfig(baseUrl); });
    });
    server.Get("/api/v1/app/category/list", [this](const Request &request, Response &response) {
        serveSection(request, response, QStringLiteral("categories"),
                     [this](const QString &) { return m_catalogue.categories(); });
    });
    server.Post("/api/v1/app/log/download", route(&CatalogueService::downloadReport));
    server.Post("/api/v1/app/log/upload",
                [this](const Request &request, Response &response, const ContentReader &reader) {
                    logUpload(request, response, reader);
                });
    server.Post("/api/v1/login", [this](const Request &request, Response &response) {
        serveSection(request, response, QStringLiteral("login"),
                     [this](const QString &) { return m_catalogue.loginClient(); });
    });
    server.Get("/api/v1/login/callback", route(&CatalogueService::loginCallback));
}

bool CatalogueService::authorise(Exchange &exchange, const Params &params) const
{
    QJsonObject signedParams;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        signedParams.insert(it.key(), it.value());
    exchange.note(QStringLiteral("params"), signedParams);
    const QString refusal = m_check.verify(params, exchange.timestamp(), exchange.sign());
    if (refusal.isEmpty())
        return true;
    exchange.fail(401, refusal);
    return false;
}

namespace {

QMap<QString, QString> queryParams(const httplib::Request &request)
{
    QMap<QString, QString> params;
    for (const auto &[key, value] : request.params)
        params.insert(QString::fromStdString(key), QString::fromStdString(value));
    return params;
}

} // namespace

void CatalogueService::appList(const httplib::Request &request, httplib::Response &response) const
{
    Exchange exchange(request, response, m_log);
    if (!authorise(exchange, queryParams(request)))
        return;
    if (!m_catalogue.hasSection(QStringLiteral("apps")))
        return exchange.fail(404, QStringLiteral("no applications in this catalogue"));

    Catalogue::AppFilter filter;
    if (request.has_param("recommend_name"))
        filter.recommendName = queryValue(request, "recommend_name");
    if (request.has_param("keyword"))
        filter.keyword = queryValue(request, "keyword");
    filter.installableOnly = queryValue(request, "install_able") == QLatin1String("true");
    if (request.has_param("category_id")) {
        bool isNumber = false;
        filter.categoryId = queryValue(request, "category_id").toInt(&isNumber);
        if (!isNumber)
            return exchange.fail(400, QStringLiteral("category_id is not a number"));
    }
    exchange.succeed(m_catalogue.apps(filter, exchange.baseUrl()));
}

void CatalogueService::serveSection(
        const httplib::Request &request, httplib::Response &response, const QString &section,
        const std::function<QJsonValue(const QString &baseUrl)> &produce) const
{
    Exchange exchange(request, response, m_log);
    if (!authorise(exchange, queryParams(request)))
        return;
    if (!m_catalogue.hasSection(section))
        return exchange.fail(404, QStringLiteral("no %1 in this catalogue").arg(section));
    exchange.succeed(produce(exchange.baseUrl()));
}

void CatalogueService::downloadReport(const httplib::Request &request,
                                      httplib::Response &response) const
{
    Exchange exchange(request, response, m_log);
    const QByteArray body = QByteArray::fromStdString(request.body);
    exchange.note(QStringLiteral("body"), QString::fromUtf8(body));
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject())
        return exchange.fail(400, QStringLiteral("the body is not a JSON object"));
    Params params;
    const QJsonObject report = document.object();
    for (auto it = report.begin(); it != report.end(); ++it) {
        QString text;
        if (!signedText(it.value(), text))
            return exchange.fail(400, QStringLiteral("%1 is out of range").arg(it.key()));
        params.insert(it.key(), text);
    }
    if (!authorise(exchange, params))
        return;
    exchange.succeed(QJsonObject());
}

void CatalogueService::logUpload(const httplib::Request &request, httplib::Response &response,
                                 const httplib::ContentReader &reader) const
{
    Exchange exchange(request, response, m_log);
    if (!request.is_multipart_form_data()) {
        reader([](const char *, size_t) { return true; });
        return exchange.fail(400, QStringLiteral("a log upload is a multipart form"));
    }
    std::vector<httplib::MultipartFormData> parts;
    reader(
            [&parts](const httplib::MultipartFormData &part) {
                parts.push_back(part);
                return true;
            },
            [&parts](const char *data, size_t length) {
                parts.back().content.append(data, length);
                return true;
            });
    // Every form field but the file is signed.
    Params params;
    QJsonArray names;
    for (const httplib::MultipartFormData &part : parts) {
        names.append(QString::fromStdString(part.name));
        if (part.filename.empty())
            params.insert(QString::fromStdString(part.name), QString::fromStdString(part.content));
    }
    exchange.note(QStringLiteral("parts"), names);
    if (!authorise(exchange, params))
        return;
    const int number = m_uploads.keep(parts, header(request, "Content-Type"),
                                      header(request, "Accept"));
    if (number < 0)
        return exchange.fail(500, QStringLiteral("the upload could not be kept"));
    exchange.succeed(QJsonObject{{QStringLiteral("id"), number}});
}

void CatalogueService::loginCallback(const httplib::Request &request,
                                     httplib::Response &response) const
{
    // Not signed: the code the account service handed out is the proof.
    Exchange exchange(request, response, m_log);
    const QJsonObject user = m_catalogue.userByCode(queryValue(request, "code"),
                                                    exchange.baseUrl());
    if (user.isEmpty())
        return exchange.fail(401, QStringLiteral("unknown login code"));
    exchange.succeed(user);
}
