#pragma once
#include <cstdint>
#include <functional>

namespace qb {

class IProgress;

// A share of a progress bar of `total` steps: `count` jobs move it from
// `from` to `to`.
struct ProgressShare {
    IProgress* progress = nullptr;
    std::int64_t from = 0, to = 0, total = 1;
};

// Runs job(0) ... job(count - 1) on this thread and one more, reporting about
// twenty times and stopping when the user cancels. A job returns false to
// stop the run. Returns whether every job ran and succeeded.
bool RunBlockJobs(int count, const std::function<bool(int)>& job, const ProgressShare& share);

} // namespace qb
