#ifndef FILESERVICE_H
#define FILESERVICE_H

#include "faultplan.h"

#include <atomic>
#include <filesystem>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

/*
 * Serves the files below a root directory under "/files/", with HEAD and
 * single byte ranges, and "/redirect", which answers with a redirect:
 *
 *   /redirect?to=LOCATION[&hops=N][&status=301|302]
 *
 * sends the Location LOCATION as given (absolute or relative), after N-1
 * further redirects to itself when hops is more than 1.
 */
class FileService
{
public:
    FileService(std::filesystem::path root, FaultPlan &faults, const std::atomic_bool &stopping);

    void install(httplib::Server &server);

private:
    void serveFile(const httplib::Request &request, httplib::Response &response);
    bool resolve(const std::string &relative, std::filesystem::path &resolved) const;
    static void serveRedirect(const httplib::Request &request, httplib::Response &response);

    const std::filesystem::path m_root;
    FaultPlan &m_faults;
    const std::atomic_bool &m_stopping;
};

#endif // FILESERVICE_H
