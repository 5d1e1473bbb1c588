#include "fileservice.h"

#include "filebody.h"
#include "urlcoding.h"

#include <httplib.h>

#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const ContentType = "application/octet-stream";

struct ByteRange
{
    std::int64_t first = 0;
    std::int64_t last = -1; // inclusive; -1 up to the end
    std::int64_t suffix = -1; // "bytes=-N": the last N bytes
};

// Parses a single range "bytes=A-", "bytes=A-B" or "bytes=-N". Several
// ranges are not supported and read as no range, which RFC 9110 allows.
bool parseRange(const std::string &header, ByteRange &range)
{
    const std::string prefix = "bytes=";
    if (header.compare(0, prefix.size(), prefix) != 0 || header.find(',') != std::string::npos)
        return false;
    const std::string rangeText = header.substr(prefix.size());
    const std::size_t dash = rangeText.find('-');
    if (dash == std::string::npos)
        return false;
    try {
        const std::string first = rangeText.substr(0, dash);
        const std::string last = rangeText.substr(dash + 1);
        if (first.empty()) {
            range.suffix = std::stoll(last);
        } else {
            range.first = std::stoll(first);
            if (!last.empty())
                range.last = std::stoll(last);
        }
    } catch (const std::exception &) {
        return false;
    }
    return range.first >= 0 && (range.last < 0 || range.last >= range.first);
}

// Turns the range into [start, start + length) within a file of `size`
// bytes; false when it is not satisfiable.
bool applyRange(const ByteRange &range, std::int64_t size, std::int64_t &start,
                std::int64_t &length)
{
    if (range.suffix >= 0) {
        length = std::min(range.suffix, size);
        start = size - length;
        return length > 0;
    }
    if (range.first >= size)
        return false;
    start = range.first;
    const std::int64_t last = range.last < 0 ? size - 1 : std::min(range.last, size - 1);
    length = last - start + 1;
    return true;
}

} // namespace

FileService::FileService(std::filesystem::path root, FaultPlan &faults,
                         const std::atomic_bool &stopping)
    : m_root(root.empty() ? root : std::filesystem::weakly_canonical(root))
    , m_faults(faults)
    , m_stopping(stopping)
{
}

void FileService::install(httplib::Server &server)
{
    // GET handlers answer HEAD requests too; the server drops the body.
    server.Get(R"(/files/(.+))",
               [this](const httplib::Request &request, httplib::Response &response) {
                   serveFile(request, response);
               });
    server.Get("/redirect", &FileService::serveRedirect);
}

void FileService::serveFile(const httplib::Request &request, httplib::Response &response)
{
    // Ranges are answered here, where the faults are applied; the server must
    // not cut the body a second time. The request object is not const where
    // the server owns it.
    const_cast<httplib::Request &>(request).ranges.clear();

    const FaultPlan::BodyFaults faults = request.method == "GET" ? m_faults.claimBodyFaults()
                                                                 : FaultPlan::BodyFaults();

    std::filesystem::path path;
    if (faults.notFound || !resolve(request.matches[1], path)) {
        response.status = 404;
        return;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        response.status = 404;
        return;
    }

    // A short body is a file that changed between the requests: its
    // headers are consistent, only the size differs from the HEAD answer.
    const std::int64_t size = faults.shortBody >= 0
                                      ? std::min<std::int64_t>(info.st_size, faults.shortBody)
                                      : info.st_size;
    std::int64_t start = 0;
    std::int64_t length = size;
    response.status = 200;
    ByteRange range;
    if (!faults.ignoreRange && parseRange(request.get_header_value("Range"), range)) {
        if (!applyRange(range, size, start, length)) {
            ::close(fd);
            response.status = 416;
            response.set_header("Content-Range", "bytes */" + std::to_string(size));
            return;
        }
        response.status = 206;
        response.set_header("Content-Range", "bytes " + std::to_string(start) + "-"
                                                     + std::to_string(start + length - 1) + "/"
                                                     + std::to_string(size));
    }
    response.set_header("Accept-Ranges", "bytes");
    if (faults.bodyStatus != 0)
        response.status = faults.bodyStatus;

    auto body = std::make_shared<FileBody>(fd, start, length, faults, m_faults.bytesPerSecond,
                                           m_stopping);
    if (m_faults.noContentLength) {
        response.set_chunked_content_provider(ContentType,
                                              [body](std::size_t offset, httplib::DataSink &sink) {
                                                  return body->provideChunked(offset, sink);
                                              });
    } else if (length == 0) {
        response.set_content(std::string(), ContentType);
    } else {
        response.set_content_provider(static_cast<std::size_t>(length), ContentType,
                                      [body](std::size_t offset, std::size_t,
                                             httplib::DataSink &sink) {
                                          return body->provide(offset, sink);
                                      });
    }
}

bool FileService::resolve(const std::string &relative, std::filesystem::path &resolved) const
{
    if (m_root.empty())
        return false;
    std::error_code error;
    const std::filesystem::path candidate = std::filesystem::weakly_canonical(m_root / relative,
                                                                              error);
    if (error)
        return false;
    // Nothing outside the root is served, whatever ".." or links the path holds.
    const std::filesystem::path inside = candidate.lexically_relative(m_root);
    if (inside.empty() || *inside.begin() == "..")
        return false;
    resolved = candidate;
    return true;
}

void FileService::serveRedirect(const httplib::Request &request, httplib::Response &response)
{
    const std::string statusText = request.get_param_value("status");
    int status = 302;
    for (const int redirect : {301, 303, 307, 308}) {
        if (statusText == std::to_string(redirect))
            status = redirect;
    }
    // A redirect that names no target.
    if (request.get_param_value("bare") == "1") {
        response.status = status;
        return;
    }
    const std::string target = request.get_param_value("to");
    if (target.empty()) {
        response.status = 400;
        return;
    }
    const int hops = request.has_param("hops") ? std::atoi(request.get_param_value("hops").c_str())
                                               : 1;
    std::string location = target;
    if (hops > 1) {
        location = "/redirect?to=" + percentEncode(target) + "&hops=" + std::to_string(hops - 1)
                   + "&status=" + std::to_string(status);
    }
    response.set_redirect(location, status);
}
