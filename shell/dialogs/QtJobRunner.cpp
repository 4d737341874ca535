#include "shell/dialogs/QtJobRunner.h"

#include "shell/dialogs/ProgressDlg.h"

namespace qb {

bool CQtJobRunner::RunJob(int kind, const std::function<int(IProgress&)>& job)
{
    CProgressDlg dialog(kind, job, m_parent);
    if (m_reportHook)
        dialog.SetReportHook([this, kind](int percent) { m_reportHook(kind, percent); });
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (m_finishHook)
        m_finishHook(kind, ok);
    return ok;
}

} // namespace qb
