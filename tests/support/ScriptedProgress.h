#pragma once
#include "platform/Progress.h"

#include <utility>
#include <vector>

namespace qb::test {

// Records every report and cancels after a given number of them (never when negative).
class CScriptedProgress final : public IProgress {
public:
    explicit CScriptedProgress(int cancelAfter = -1) : m_nCancelAfter(cancelAfter) {}
    void Report(std::int64_t done, std::int64_t total) override { m_reports.emplace_back(done, total); }
    bool IsCancelled() override
    {
        return m_nCancelAfter >= 0 && static_cast<int>(m_reports.size()) >= m_nCancelAfter;
    }
    const std::vector<std::pair<std::int64_t, std::int64_t>>& Reports() const { return m_reports; }

private:
    int m_nCancelAfter;
    std::vector<std::pair<std::int64_t, std::int64_t>> m_reports;
};

} // namespace qb::test
