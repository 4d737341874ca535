#include "app/DocumentManager.h"

#include "app/TessimApp.h"
#include "app/TessimDoc.h"

#include <algorithm>

namespace qb {

CDocumentManager::CDocumentManager(CTessimApp& app, IJobRunner& jobs) : m_app(app), m_jobs(jobs) {}

CDocumentManager::~CDocumentManager() = default;

CTessimDoc* CDocumentManager::OpenDocumentFile(const std::string& path, const std::optional<GridRange>& restore)
{
    m_pOpening = std::make_unique<CTessimDoc>(m_app, *this, m_jobs);
    CTessimDoc& doc = *m_pOpening;
    if (!doc.OpenDocument(path)) {
        m_pOpening.reset();
        return nullptr;
    }
    // An open during an XML conversion only confirms the conversion: no grid to show.
    if (!doc.Grid().HasHeights()) {
        m_pOpening.reset();
        return nullptr;
    }
    m_documents.push_back(std::move(m_pOpening));
    if (m_pWindows && !m_pWindows->ShowNewDocument(doc, restore)) {
        Discard(doc);
        return nullptr;
    }
    m_app.AddToRecentFileList(path);
    return &doc;
}

bool CDocumentManager::Owns(const CTessimDoc* doc) const
{
    return std::any_of(m_documents.begin(), m_documents.end(), [doc](const auto& d) { return d.get() == doc; });
}

bool CDocumentManager::CloseDocument(CTessimDoc& doc)
{
    if (!doc.QuerySave())
        return false;
    Discard(doc);
    return true;
}

bool CDocumentManager::CloseAllDocuments()
{
    while (!m_documents.empty()) {
        if (!CloseDocument(*m_documents.back()))
            return false;
    }
    return true;
}

bool CDocumentManager::CloseForReopen(const std::string& path)
{
    CTessimDoc* current = m_app.m_pCurrentDoc;
    if (!current || !Owns(current) || current->PathName() != path)
        return true;
    return CloseDocument(*current);
}

bool CDocumentManager::CloseOtherDocuments(CTessimDoc& keep)
{
    std::vector<CTessimDoc*> others;
    for (const auto& doc : m_documents) {
        if (doc.get() != &keep)
            others.push_back(doc.get());
    }
    for (CTessimDoc* doc : others) {
        if (!CloseDocument(*doc))
            return false;
    }
    return true;
}

void CDocumentManager::SetStatusText(std::string_view text)
{
    if (m_pWindows)
        m_pWindows->SetStatusText(text);
}

void CDocumentManager::Discard(CTessimDoc& doc)
{
    if (m_pWindows)
        m_pWindows->CloseViewsOf(doc);
    std::erase_if(m_documents, [&doc](const auto& d) { return d.get() == &doc; });
}

} // namespace qb
