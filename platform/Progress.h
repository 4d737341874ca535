#pragma once
#include <cstdint>
#include <string_view>

namespace qb {

// Progress of a long job: the job reports (done, total) now and then and
// stops when the user has cancelled. Implementations pump the window
// messages at each report so that a Cancel button stays live.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual void Report(std::int64_t done, std::int64_t total) = 0;
    virtual bool IsCancelled() = 0;
    // The line of text above the bar; shells without one ignore it.
    virtual void SetText(std::string_view /*text*/) {}
};

} // namespace qb
