// Reference catalogue service: a small HTTP server on a local port that
// serves package files (with ranges, redirects and switchable faults) for
// development and for the tests of the assistant.

#include "catalogueapi.h"
#include "fileservice.h"
#include "requestlog.h"
#include "serveroptions.h"

#include <httplib.h>

#include <atomic>
#include <csignal>
#include <iostream>
#include <pthread.h>
#include <thread>

namespace {

// SIGINT and SIGTERM are taken by a thread of their own, which stops the
// server cleanly; the server's threads inherit the blocked mask.
sigset_t blockStopSignals()
{
    sigset_t stopSet;
    sigemptyset(&stopSet);
    sigaddset(&stopSet, SIGINT);
    sigaddset(&stopSet, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSet, nullptr);
    return stopSet;
}

int bindServer(httplib::Server &server, const ServerOptions &options)
{
    if (options.port == 0)
        return server.bind_to_any_port(options.host);
    return server.bind_to_port(options.host, options.port) ? options.port : -1;
}

} // namespace

int main(int argc, char **argv)
{
    ServerOptions options;
    std::string error;
    if (!options.parse(argc, argv, error)) {
        std::cerr << error << '\n' << ServerOptions::usage();
        return 2;
    }
    if (options.helpRequested) {
        std::cout << ServerOptions::usage();
        return 0;
    }

    // A client that goes away mid-body must not take the server with it.
    std::signal(SIGPIPE, SIG_IGN);
    const sigset_t stopSignals = blockStopSignals();
    std::atomic_bool stopping{false};

    RequestLog requestLog(options.logPath);
    if (!requestLog.isOpen()) {
        std::cerr << "cannot open the request log " << options.logPath << '\n';
        return 1;
    }

    httplib::Server server;
    server.set_pre_routing_handler(
            [&requestLog](const httplib::Request &request, httplib::Response &) {
                requestLog.record(request);
                return httplib::Server::HandlerResponse::Unhandled;
            });
    FileService files(options.root, options.faults, stopping);
    files.install(server);
    CatalogueApi api(options);
    if (!api.install(server, error)) {
        std::cerr << error << '\n';
        return 1;
    }

    const int port = bindServer(server, options);
    if (port <= 0) {
        std::cerr << "cannot listen on " << options.host << ':' << options.port << '\n';
        return 1;
    }
    std::cout << "listening on http://" << options.host << ':' << port << std::endl;

    std::thread signalWatcher([&server, &stopping, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        stopping = true;
        server.stop();
    });
    signalWatcher.detach();

    return server.listen_after_bind() ? 0 : 1;
}
