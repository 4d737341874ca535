#pragma once
#include "app/DocumentHost.h"
#include "views/GridRange.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qb {

class CTessimApp;
class CTessimDoc;
class IJobRunner;

// What the documents need of the main window: their views come and go with them.
class IDocumentWindows {
public:
    virtual ~IDocumentWindows() = default;
    // Shows a newly opened document in a 2-D view, the range restored when given.
    virtual bool ShowNewDocument(CTessimDoc& doc, const std::optional<GridRange>& restore) = 0;
    // Closes every view of the document without asking anything.
    virtual void CloseViewsOf(CTessimDoc& doc) = 0;
    virtual void SetStatusText(std::string_view text) = 0;
};

// The open documents. Every document opened by path is created here and
// shown first in a 2-D view; only one area is open at a time, so a document
// that opens closes the others after their save question.
class CDocumentManager final : public IDocumentHost {
public:
    CDocumentManager(CTessimApp& app, IJobRunner& jobs);
    ~CDocumentManager() override;

    void SetWindows(IDocumentWindows* windows) { m_pWindows = windows; }

    // The document of the path, as the application's open mode says to read
    // it; null when the open failed (the failure has been reported).
    CTessimDoc* OpenDocumentFile(const std::string& path, const std::optional<GridRange>& restore = {});
    // The save question, then the views and the document go; false when the user kept it.
    bool CloseDocument(CTessimDoc& doc);
    bool CloseAllDocuments();
    // The same-document step of the area-opening commands: the current
    // document, when it shows `path`, asks its save question and goes, so
    // that the area opens anew. False when the user kept it.
    bool CloseForReopen(const std::string& path);

    const std::vector<std::unique_ptr<CTessimDoc>>& Documents() const { return m_documents; }
    bool HasDocument() const { return !m_documents.empty(); }
    bool Owns(const CTessimDoc* doc) const;

    bool CloseOtherDocuments(CTessimDoc& keep) override;
    void SetStatusText(std::string_view text) override;

private:
    void Discard(CTessimDoc& doc);

    CTessimApp& m_app;
    IJobRunner& m_jobs;
    IDocumentWindows* m_pWindows = nullptr;
    std::vector<std::unique_ptr<CTessimDoc>> m_documents;
    std::unique_ptr<CTessimDoc> m_pOpening;   // the document being opened, not yet listed
};

} // namespace qb
