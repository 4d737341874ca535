#pragma once
#include "app/ViewTemplates.h"

#include <QIcon>

#include <array>
#include <functional>

namespace qb {

class C3DView;
class CShellApp;
class CTessimDoc;

// Makes a view of a template's kind for a document; the new frame takes it.
using ViewFactory = std::function<C3DView*(CShellApp& shell, CTessimDoc& doc)>;

// The document template of one view kind: documents of the one document
// class CTessimDoc, shown in views that the template's factory makes, in
// frames with the kind's menu bar, icon and help context. A template
// without a factory makes no view.
class CDocTemplate {
public:
    explicit CDocTemplate(ViewKind kind, ViewFactory factory = {});

    ViewKind Kind() const { return m_info.kind; }
    const ViewTemplateInfo& Info() const { return m_info; }
    QIcon Icon() const;
    bool CanCreateView() const { return static_cast<bool>(m_factory); }
    // A new view of the kind for `doc`; null without a factory.
    C3DView* CreateView(CShellApp& shell, CTessimDoc& doc) const;
    void SetViewFactory(ViewFactory factory) { m_factory = std::move(factory); }

private:
    const ViewTemplateInfo& m_info;
    ViewFactory m_factory;
};

// The application's templates, one per view kind; the first one shows a
// newly opened document.
class CDocTemplates {
public:
    CDocTemplates();

    CDocTemplate& Of(ViewKind kind) { return m_templates[static_cast<std::size_t>(kind)]; }
    const CDocTemplate& Of(ViewKind kind) const { return m_templates[static_cast<std::size_t>(kind)]; }
    const CDocTemplate& First() const { return m_templates.front(); }

private:
    std::array<CDocTemplate, 3> m_templates;
};

} // namespace qb
