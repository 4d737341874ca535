#include "shell/settings/MapOpenDlg.h"

#include "platform/MessageSink.h"
#include "platform/qt/web/QtWebView.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/dialogs/ProgressDlg.h"
#include "shell/settings/GlobeWidget.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace qb {

CMapOpenDlg::CMapOpenDlg(IMessageSink& messages, QWidget* parent) : QDialog(parent), m_messages(messages)
{
    setWindowTitle(QStringLiteral("地図から開く"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(800, 640);
    auto* layout = new QVBoxLayout(this);
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("mapFrame1149"));
    m_frame->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    m_web = new CQtWebView(m_frame);
    frameLayout->addWidget(m_web);
    layout->addWidget(m_frame, 1);
    m_hint = new QLabel(QString::fromUtf8(kGlobeHint), this);
    m_hint->setWordWrap(true);
    m_hint->hide();
    layout->addWidget(m_hint);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("globeStatus"));
    m_status->hide();
    layout->addWidget(m_status);
    layout->addLayout(CreateOkCancelRow(*this));
}

void CMapOpenDlg::ShowGlobe(CGlobeObj& globe)
{
    if (m_globe)
        return;
    m_web->hide();
    m_globe = new CGlobeWidget(globe, m_frame);
    m_frame->layout()->addWidget(m_globe);
    connect(m_globe, &CGlobeWidget::StatusChanged, m_status, &QLabel::setText);
    m_hint->show();
    m_status->show();
    m_globe->setFocus();
}

void CMapOpenDlg::accept()
{
    const std::optional<GeoBox> box = m_chosen ? m_chosen() : std::nullopt;
    if (!box) {
        m_messages.ShowMessage(kNoAreaChosenMessage, MessageIcon::Exclamation);
        return;
    }
    if (!m_assembly) {
        QDialog::accept();
        return;
    }
    bool found = false;
    CProgressDlg progress(kJobAssembleArea,
                          [this, &box, &found](IProgress& report) {
                              found = m_assembly(*box, report);
                              return found ? 1 : 0;
                          },
                          this);
    if (progress.exec() == QDialog::Accepted && found)
        QDialog::accept();
}

} // namespace qb
