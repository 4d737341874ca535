#pragma once
#include "platform/Progress.h"

#include <functional>

namespace qb {

// Runs a long job inside the modal progress dialog. The job reports through
// the progress it is given and returns 1 on success; RunJob is true only
// when the job returned 1 and the user did not cancel.
class IJobRunner {
public:
    virtual ~IJobRunner() = default;
    virtual bool RunJob(int jobKind, const std::function<int(IProgress&)>& job) = 0;
};

} // namespace qb
