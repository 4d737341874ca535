#pragma once
#include "terrain/ProgressJob.h"

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace qb {

// The modal progress dialog ("処理中") of a long job: a text line, a bar and
// a Cancel button. When first shown it runs its job once on the UI thread;
// the job's reports move the bar and the text and let pending events
// through, so that Cancel (and closing the window, which also cancels)
// reaches the job. The dialog ends when the job returns: Accepted when the
// job gave 1 and was not cancelled, else Rejected.
class CProgressDlg final : public QDialog, public IProgressView {
    Q_OBJECT
public:
    CProgressDlg(int jobKind, std::function<int(IProgress&)> job, QWidget* parent);

    // Called with the bar position at every report.
    void SetReportHook(std::function<void(int percent)> hook) { m_reportHook = std::move(hook); }

    int JobKind() const { return m_logic.JobKind(); }
    bool IsRunning() const { return m_bRunning; }
    bool WasCancelled() { return m_logic.IsCancelled(); }
    int BarValue() const;
    QString Text() const;
    QPushButton* CancelButton() const { return m_cancel; }

    void SetBar(int percent) override;
    void SetText(std::string_view text) override;
    void PumpEvents() override;

    // Esc and the window's close button: cancel a running job instead of
    // leaving it to report into a closed dialog.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RunJob();

    CProgressLogic m_logic;
    std::function<int(IProgress&)> m_job;
    std::function<void(int)> m_reportHook;
    QLabel* m_text = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_bStarted = false;
    bool m_bRunning = false;
};

} // namespace qb
