#include "serveroptions.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <map>

namespace {

bool toNumber(const std::string &text, std::int64_t &value)
{
    char *end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || number < 0)
        return false;
    value = number;
    return true;
}

} // namespace

bool ServerOptions::parse(int argc, char **argv, std::string &error)
{
    const std::map<std::string, bool *> switches = {
            {"--no-content-length", &faults.noContentLength},
            {"--ignore-range", &faults.ignoreRange},
            {"--not-found", &faults.notFound},
    };
    std::int64_t port64 = port;
    std::int64_t faultyRequests = -1;
    std::int64_t bodyStatus = 0;
    const std::map<std::string, std::int64_t *> numbers = {
            {"--port", &port64},
            {"--stall-after", &faults.stallAfter},
            {"--drop-after", &faults.dropAfter},
            {"--rate", &faults.bytesPerSecond},
            {"--faulty-requests", &faultyRequests},
            {"--body-status", &bodyStatus},
            {"--short-body", &faults.shortBody},
            {"--clock-skew", &clockSkew},
    };
    const std::map<std::string, std::string *> texts = {{"--host", &host},
                                                        {"--root", &root},
                                                        {"--log", &logPath},
                                                        {"--data", &dataDir},
                                                        {"--uploads", &uploadsDir},
                                                        {"--api-log", &apiLogPath}};

    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help") {
            helpRequested = true;
            return true;
        }
        if (const auto flag = switches.find(option); flag != switches.end()) {
            *flag->second = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "unknown option or missing value: " + option;
            return false;
        }
        const std::string value = argv[++i];
        if (const auto text = texts.find(option); text != texts.end()) {
            *text->second = value;
        } else if (const auto number = numbers.find(option); number != numbers.end()) {
            if (!toNumber(value, *number->second)) {
                error = "not a number for " + option + ": " + value;
                return false;
            }
        } else {
            error = "unknown option: " + option;
            return false;
        }
    }
    if (port64 > 65535) {
        error = "port out of range";
        return false;
    }
    if (bodyStatus != 0 && (bodyStatus < 100 || bodyStatus > 599)) {
        error = "not an HTTP status: " + std::to_string(bodyStatus);
        return false;
    }
    faults.bodyStatus = static_cast<int>(bodyStatus);
    port = static_cast<int>(port64);
    if (root.empty())
        root = dataDir;
    faults.faultyRequests = static_cast<int>(std::min<std::int64_t>(faultyRequests, INT_MAX));
    return true;
}

std::string ServerOptions::usage()
{
    return "usage: lirvan-catalogue-server [options]\n"
           "  --help                 show this text\n"
           "  --host ADDR            address to listen on (127.0.0.1)\n"
           "  --port N               port, 0 for any free one (0)\n"
           "  --root DIR             directory served under /files/\n"
           "  --log FILE             append one line per request to FILE\n"
           "  --data DIR             serve the catalogue API from DIR/catalogue.json\n"
           "                         (and DIR under /files/ unless --root is given)\n"
           "  --uploads DIR          keep uploaded logs in DIR\n"
           "  --api-log FILE         append one JSON line per API request to FILE\n"
           "faults, for testing clients:\n"
           "  --no-content-length    chunked file responses without Content-Length\n"
           "  --ignore-range         answer ranged GET requests with 200 and the whole file\n"
           "  --not-found            answer file GET requests with 404 (HEAD still works)\n"
           "  --stall-after BYTES    send BYTES of a body, then nothing more\n"
           "  --drop-after BYTES     send BYTES of a body, then close the connection\n"
           "  --body-status CODE     answer file GET requests with CODE and the body\n"
           "  --short-body BYTES     answer file GET requests with at most BYTES of the file\n"
           "  --faulty-requests N    only the first N file GET requests get the faults above\n"
           "  --rate BYTES           send file bodies at most at BYTES per second\n"
           "  --clock-skew SECONDS   check signatures as if the clock were SECONDS ahead\n"
           "The chosen address is printed as \"listening on http://HOST:PORT\".\n";
}
