#ifndef CATALOGUEAPI_H
#define CATALOGUEAPI_H

#include "apilog.h"
#include "catalogue.h"
#include "catalogueservice.h"
#include "signaturecheck.h"
#include "uploadstore.h"

#include <memory>
#include <string>

class ServerOptions;

namespace httplib {
class Server;
}

// The catalogue API with everything it needs, set up from the command line.
class CatalogueApi
{
public:
    explicit CatalogueApi(const ServerOptions &options);

    // Loads the catalogue and registers the API's routes; without a data
    // directory there is no API and this does nothing.
    bool install(httplib::Server &server, std::string &error);

private:
    const std::string m_dataDir;
    Catalogue m_catalogue;
    SignatureCheck m_check;
    UploadStore m_uploads;
    ApiLog m_log;
    std::unique_ptr<CatalogueService> m_service;
};

#endif // CATALOGUEAPI_H
