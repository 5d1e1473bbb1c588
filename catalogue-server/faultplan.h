#ifndef FAULTPLAN_H
#define FAULTPLAN_H

#include <atomic>
#include <cstdint>

/*
 * The misbehaviour the server is asked to show, so that clients can be tested
 * against it. Body faults hit the first `faultyRequests` file GET requests
 * (all of them when negative); a missing Content-Length and the rate limit
 * apply to every file response.
 */
class FaultPlan
{
public:
    bool noContentLength = false;
    bool ignoreRange = false;
    bool notFound = false;
    std::int64_t stallAfter = -1; // bytes of body sent before the server goes silent
    std::int64_t dropAfter = -1; // bytes of body sent before the connection is closed
    std::int64_t bytesPerSecond = 0; // 0: no limit
    int bodyStatus = 0; // status of file GET answers (with the body), 0: the usual one
    std::int64_t shortBody = -1; // bytes of the file a GET answer holds at most, Content-Length too
    int faultyRequests = -1;

    // The faults one body request is served with.
    struct BodyFaults
    {
        bool ignoreRange = false;
        bool notFound = false;
        std::int64_t stallAfter = -1;
        std::int64_t dropAfter = -1;
        int bodyStatus = 0;
        std::int64_t shortBody = -1;
    };

    // Called once per file GET request; counts it against faultyRequests.
    BodyFaults claimBodyFaults();

private:
    std::atomic<int> m_bodyRequests{0};
};

#endif // FAULTPLAN_H
