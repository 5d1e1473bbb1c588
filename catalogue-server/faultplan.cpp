#include "faultplan.h"

FaultPlan::BodyFaults FaultPlan::claimBodyFaults()
{
    const int index = m_bodyRequests.fetch_add(1);
    if (faultyRequests >= 0 && index >= faultyRequests)
        return {};
    return {ignoreRange, notFound, stallAfter, dropAfter, bodyStatus, shortBody};
}
