#include "shell/DocTemplate.h"

#include "shell/TessimView.h"
#include "shell/View2DView.h"
#include "shell/ViewCGView.h"

namespace qb {

CDocTemplate::CDocTemplate(ViewKind kind, ViewFactory factory)
    : m_info(TemplateInfoOf(kind)), m_factory(std::move(factory))
{
}

QIcon CDocTemplate::Icon() const
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromUtf8(m_info.icon.data(), m_info.icon.size())));
}

C3DView* CDocTemplate::CreateView(CShellApp& shell, CTessimDoc& doc) const
{
    return m_factory ? m_factory(shell, doc) : nullptr;
}

CDocTemplates::CDocTemplates()
    : m_templates{CDocTemplate(ViewKind::TwoD,
                               [](CShellApp& shell, CTessimDoc& doc) { return new CView2DView(shell, doc); }),
                  CDocTemplate(ViewKind::Map,
                               [](CShellApp& shell, CTessimDoc& doc) { return new CTessimView(shell, doc); }),
                  CDocTemplate(ViewKind::Rendering,
                               [](CShellApp& shell, CTessimDoc& doc) { return new CViewCGView(shell, doc); })}
{
}

} // namespace qb
