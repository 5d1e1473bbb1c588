#ifndef SERVEROPTIONS_H
#define SERVEROPTIONS_H

#include "faultplan.h"

#include <string>

// Command-line options of the reference catalogue service.
class ServerOptions
{
public:
    std::string host = "127.0.0.1";
    int port = 0; // 0: any free port
    std::string root; // directory served under /files/
    std::string logPath; // request log; none when empty
    std::string dataDir; // catalogue data; the API is served when set
    std::string uploadsDir; // where uploaded logs are kept; none when empty
    std::string apiLogPath; // API request log; none when empty
    std::int64_t clockSkew = 0; // seconds added to the clock for signatures
    FaultPlan faults;
    bool helpRequested = false;

    // Fills the options from the command line; false with a message on error.
    bool parse(int argc, char **argv, std::string &error);
    static std::string usage();
};

#endif // SERVEROPTIONS_H
