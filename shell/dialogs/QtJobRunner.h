#pragma once
#include "platform/JobRunner.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace qb {

// Runs each job inside a modal progress dialog over a parent window. The
// hooks let the main window mirror the progress in its status bar.
class CQtJobRunner final : public IJobRunner {
public:
    explicit CQtJobRunner(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }
    // Called with the bar position at every report of a job.
    void SetReportHook(std::function<void(int jobKind, int percent)> hook) { m_reportHook = std::move(hook); }
    // Called once a job's dialog has closed, with RunJob's answer.
    void SetFinishHook(std::function<void(int jobKind, bool ok)> hook) { m_finishHook = std::move(hook); }

    // True only when the job returned 1 and was not cancelled.
    bool RunJob(int kind, const std::function<int(IProgress&)>& job) override;

private:
    QPointer<QWidget> m_parent;
    std::function<void(int, int)> m_reportHook;
    std::function<void(int, bool)> m_finishHook;
};

} // namespace qb
