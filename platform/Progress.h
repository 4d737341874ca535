#pragma once
#include <cstdint>

namespace qb {

// Progress of a long job: the job reports (done, total) now and then and
// stops when the user has cancelled. Implementations pump the window
// messages at each report so that a Cancel button stays live.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual void Report(std::int64_t done, std::int64_t total) = 0;
    virtual bool IsCancelled() = 0;
    // What the job is doing, for the line of text above the bar: the spacing
    // of the tiles being read, and whether it is interpolating (refining).
    virtual void SetMeshSize(int /*metres*/) {}
    virtual void SetInterpolating(bool /*interpolating*/) {}
};

} // namespace qb
