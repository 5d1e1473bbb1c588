#ifndef CATALOGUESERVICE_H
#define CATALOGUESERVICE_H

#include <QJsonObject>
#include <QMap>
#include <QString>

#include <functional>

class ApiLog;
class Catalogue;
class SignatureCheck;
class UploadStore;

namespace httplib {
class ContentReader;
class Server;
struct Request;
struct Response;
} // namespace httplib

/*
 * The catalogue API below "/api/v1/": application lists, the default
 * configuration, categories, download reports, log uploads and the two login
 * steps. Every request but the login callback must carry a valid signature
 * (SignatureCheck) and is refused with 401 otherwise. Replies are JSON
 * objects {"code", "msg", "data"}; code 0 means success.
 */
class CatalogueService
{
public:
    CatalogueService(const Catalogue &catalogue, const SignatureCheck &check, UploadStore &uploads,
                     ApiLog &log);

    void install(httplib::Server &server);

private:
    using Params = QMap<QString, QString>;
    class Exchange;

    void appList(const httplib::Request &request, httplib::Response &response) const;
    // Answers a signed GET with what produce makes of the catalogue, or 404
    // when the catalogue has no such section.
    void serveSection(const httplib::Request &request, httplib::Response &response,
                      const QString &section,
                      const std::function<QJsonValue(const QString &baseUrl)> &produce) const;
    void downloadReport(const httplib::Request &request, httplib::Response &response) const;
    void logUpload(const httplib::Request &request, httplib::Response &response,
                   const httplib::ContentReader &reader) const;
    void loginCallback(const httplib::Request &request, httplib::Response &response) const;

    // False (and the exchange answered with 401) when the signature is wrong.
    bool authorise(Exchange &exchange, const Params &params) const;

    const Catalogue &m_catalogue;
    const SignatureCheck &m_check;
    UploadStore &m_uploads;
    ApiLog &m_log;
};

#endif // CATALOGUESERVICE_H
