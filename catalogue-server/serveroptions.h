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
    FaultPlan faults;
    bool helpRequested = false;

    // Fills the options from the command line; false with a message on error.
    bool parse(int argc, char **argv, std::string &error);
    static std::string usage();
};

#endif // SERVEROPTIONS_H
