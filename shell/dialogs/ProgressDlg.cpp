#include "shell/dialogs/ProgressDlg.h"

#include "platform/qt/QtText.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qb {
namespace {

// Wide enough for the longest text line, the XML import's counts.
constexpr int kMinimumWidth = 520;

} // namespace

CProgressDlg::CProgressDlg(int jobKind, std::function<int(IProgress&)> job, QWidget* parent)
    : QDialog(parent), m_logic(jobKind, *this), m_job(std::move(job))
{
    setWindowTitle(QStringLiteral("処理中"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setMinimumWidth(kMinimumWidth);
    m_text = new QLabel(this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_logic.Cancel(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
}

int CProgressDlg::BarValue() const
{
    return m_bar->value();
}

QString CProgressDlg::Text() const
{
    return m_text->text();
}

void CProgressDlg::SetBar(int percent)
{
    m_bar->setValue(percent);
    if (m_reportHook)
        m_reportHook(percent);
}

void CProgressDlg::SetText(std::string_view text)
{
    m_text->setText(ToQString(text));
}

void CProgressDlg::PumpEvents()
{
    QCoreApplication::processEvents();
}

void CProgressDlg::reject()
{
    if (m_bRunning) {
        m_logic.Cancel();
        return;
    }
    QDialog::reject();
}

void CProgressDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_bStarted)
        return;
    m_bStarted = true;
    QTimer::singleShot(0, this, &CProgressDlg::RunJob);
}

void CProgressDlg::RunJob()
{
    // Closed before the job could start: nothing to run.
    if (!isVisible())
        return;
    m_bRunning = true;
    const int result = m_job ? m_job(m_logic) : 0;
    m_bRunning = false;
    done(result == 1 && !m_logic.IsCancelled() ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace qb
