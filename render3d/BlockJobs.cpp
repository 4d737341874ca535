#include "render3d/BlockJobs.h"

#include "platform/Progress.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace qb {
namespace {

struct JobQueue {
    int count;
    const std::function<bool(int)>& job;
    std::atomic<int> next{0}, done{0};
    std::atomic<bool> stop{false};

    // Runs one job; false when none is left or the run stopped.
    bool RunOne()
    {
        if (stop)
            return false;
        const int i = next++;
        if (i >= count)
            return false;
        if (!job(i))
            stop = true;
        ++done;
        return true;
    }
};

// Reports the share done so far; true when the user cancelled.
bool ReportAndCheck(const ProgressShare& share, int done, int count)
{
    if (!share.progress)
        return false;
    share.progress->Report(share.from + (share.to - share.from) * done / std::max(1, count), share.total);
    return share.progress->IsCancelled();
}

} // namespace

bool RunBlockJobs(int count, const std::function<bool(int)>& job, const ProgressShare& share)
{
    JobQueue queue{count, job};
    const int reportEvery = std::max(1, count / 20);
    int reported = 0;
    // One report for every twentieth of the jobs done since the last, whichever
    // thread did them, so the bar moves in even steps however the threads share
    // the work.
    const auto catchUp = [&] {
        for (; reported + reportEvery <= queue.done && !queue.stop; reported += reportEvery) {
            if (ReportAndCheck(share, reported + reportEvery, count))
                queue.stop = true;
        }
    };
    {
        std::jthread helper([&queue] {
            while (queue.RunOne()) {
            }
        });
        while (queue.RunOne())
            catchUp();
    }
    catchUp();
    if (queue.stop)
        return false;
    return !ReportAndCheck(share, count, count);
}

} // namespace qb
