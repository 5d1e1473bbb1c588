#include "catalogueapi.h"

#include "serveroptions.h"

#include <httplib.h>

CatalogueApi::CatalogueApi(const ServerOptions &options)
    : m_dataDir(options.dataDir)
    , m_check(options.clockSkew)
    , m_uploads(QString::fromStdString(options.uploadsDir))
    , m_log(options.apiLogPath)
{
}

bool CatalogueApi::install(httplib::Server &server, std::string &error)
{
    if (m_dataDir.empty())
        return true;
    QString loadError;
    if (!m_catalogue.load(QString::fromStdString(m_dataDir), loadError)) {
        error = loadError.toStdString();
        return false;
    }
    if (!m_log.isOpen()) {
        error = "cannot open the API log";
        return false;
    }
    if (!m_uploads.isUsable()) {
        error = "cannot write to the uploads directory";
        return false;
    }
    // The assistant keeps its connections open between requests; a short
    // keep-alive lets the service stop at once when asked to.
    server.set_keep_alive_timeout(1);
    m_service = std::make_unique<CatalogueService>(m_catalogue, m_check, m_uploads, m_log);
    m_service->install(server);
    return true;
}
