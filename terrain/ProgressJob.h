#pragma once
#include "platform/Progress.h"

#include <string>
#include <string_view>

namespace qb {

// The long jobs of the program, each run inside the progress dialog.
enum ProgressJobKind {
    kJobAssembleArea = 0,
    kJobJoinTiles = 1,
    kJobCountPlaces = 3,
    kJobImportXmlFolder = 4,
    kJobMoveTiles = 5,
    kJobBuild3dObject = 6,
};

// What the progress dialog shows: the bar, the text line, and a chance for
// the window system to handle pending input (so that Cancel works).
class IProgressView {
public:
    virtual ~IProgressView() = default;
    virtual void SetBar(int percent) = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual void PumpEvents() = 0;
};

// The logic of the progress dialog: turns a job's reports into the bar
// position and the text of its kind, refreshed as often as that kind wants,
// and keeps the cancel flag that the Cancel button sets.
class CProgressLogic final : public IProgress {
public:
    CProgressLogic(int jobKind, IProgressView& view) : m_nJobKind(jobKind), m_view(view) {}

    void Report(std::int64_t done, std::int64_t total) override;
    bool IsCancelled() override { return m_bCancelled; }
    void SetMeshSize(int metres) override { m_nMeshSize = metres; }
    void SetInterpolating(bool interpolating) override { m_bInterpolating = interpolating; }

    void Cancel() { m_bCancelled = true; }
    int JobKind() const { return m_nJobKind; }

    // The bar position of a report: done x 100 / total, 50 when the total is 0.
    static int Percent(std::int64_t done, std::int64_t total);
    // The text of a report, or nothing when this report does not refresh it.
    bool TextFor(std::int64_t done, std::int64_t total, std::string& text) const;

private:
    const int m_nJobKind;
    IProgressView& m_view;
    bool m_bCancelled = false;
    bool m_bInterpolating = false;
    int m_nMeshSize = 0;
};

} // namespace qb
