// The open documents: opening, the save question before another opens or
// one closes, and opens that fail.
#include "app/DocumentManager.h"

#include "app/TessimDoc.h"
#include "tests/app/DocumentTestSupport.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

namespace fs = std::filesystem;

struct Shown {
    CTessimDoc* doc;
    std::optional<GridRange> restore;
};

// The main window's side: records what it is asked to show and close.
struct CFakeWindows final : IDocumentWindows {
    bool ShowNewDocument(CTessimDoc& doc, const std::optional<GridRange>& restore) override
    {
        shown.push_back({&doc, restore});
        return allowShow;
    }
    void CloseViewsOf(CTessimDoc& doc) override { closed.push_back(&doc); }
    void SetStatusText(std::string_view text) override { status = text; }

    std::vector<Shown> shown;
    std::vector<CTessimDoc*> closed;
    std::string status;
    bool allowShow = true;
};

class DocumentManagerTest : public test::CDocumentTest {
protected:
    DocumentManagerTest() : documents(app, jobs)
    {
        documents.SetWindows(&windows);
        app.m_nOpenMode = 0;
        fs::create_directories(app.m_strDatabaseFolder);
    }

    // Opens a tile file of its own as a changed document.
    CTessimDoc* OpenChanged(const std::string& name)
    {
        CTessimDoc* doc = documents.OpenDocumentFile(WriteTile(name, 100.0f));
        if (doc)
            doc->Places().SetModified(true);
        return doc;
    }

    CFakeWindows windows;
    CDocumentManager documents;
};

TEST_F(DocumentManagerTest, AnOpenedFileIsShownWithItsRangeMadeCurrentAndRemembered)
{
    const std::string path = WriteTile("a.3dm", 100.0f);
    const GridRange restore{2, 1, 9, 5};
    CTessimDoc* doc = documents.OpenDocumentFile(path, restore);
    ASSERT_TRUE(doc);
    EXPECT_TRUE(documents.HasDocument());
    EXPECT_TRUE(documents.Owns(doc));
    ASSERT_EQ(windows.shown.size(), 1u);
    EXPECT_EQ(windows.shown[0].doc, doc);
    EXPECT_EQ(windows.shown[0].restore, restore);
    EXPECT_EQ(app.m_pCurrentDoc, doc);
    EXPECT_EQ(app.RecentFiles().Entries(), std::vector<std::string>{path});
    EXPECT_TRUE(messages.Messages().empty());

    // Saving tells the main window's status bar.
    EXPECT_TRUE(doc->SaveDocument());
    EXPECT_EQ(windows.status, kSavedStatus);
}

TEST_F(DocumentManagerTest, AFailedOpenLeavesNoDocumentBehind)
{
    EXPECT_FALSE(documents.OpenDocumentFile(dir.File("missing.3dm")));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kFileNotFoundMessage)});

    // The main window could not show it: the document goes again.
    windows.allowShow = false;
    const std::string path = WriteTile("a.3dm", 100.0f);
    EXPECT_FALSE(documents.OpenDocumentFile(path));
    ASSERT_EQ(windows.shown.size(), 1u);
    EXPECT_EQ(windows.closed, std::vector<CTessimDoc*>{windows.shown[0].doc});

    // An open during a conversion of elevation XML reads no grid to show.
    windows.allowShow = true;
    app.m_nOpenMode = 3;
    EXPECT_FALSE(documents.OpenDocumentFile(path));
    EXPECT_EQ(windows.shown.size(), 1u);

    EXPECT_FALSE(documents.HasDocument());
    EXPECT_FALSE(app.m_pCurrentDoc);
    EXPECT_TRUE(app.RecentFiles().Entries().empty());
}

TEST_F(DocumentManagerTest, AnotherOpenAsksAboutTheChangedDocumentFirst)
{
    CTessimDoc* first = OpenChanged("a.3dm");
    ASSERT_TRUE(first);
    // The only document is not another one.
    EXPECT_TRUE(documents.CloseOtherDocuments(*first));
    EXPECT_TRUE(messages.Messages().empty());

    const std::string second = WriteTile("b.3dm", 200.0f);
    messages.QueueAnswer(MessageResult::Cancel);
    EXPECT_FALSE(documents.OpenDocumentFile(second));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, kSaveQuestion);
    EXPECT_TRUE(messages.Messages()[0].buttons == MessageButtons::YesNoCancel);
    EXPECT_EQ(documents.Documents().size(), 1u);
    EXPECT_EQ(app.m_pCurrentDoc, first);
    EXPECT_TRUE(windows.closed.empty());

    messages.QueueAnswer(MessageResult::No);
    CTessimDoc* next = documents.OpenDocumentFile(second);
    ASSERT_TRUE(next);
    EXPECT_EQ(windows.closed, std::vector<CTessimDoc*>{first});
    EXPECT_EQ(documents.Documents().size(), 1u);
    EXPECT_TRUE(documents.Owns(next));
    EXPECT_EQ(app.m_pCurrentDoc, next);
    EXPECT_FALSE(fs::exists(dir.File("db/user.pln"))) << "No saves nothing";
}

TEST_F(DocumentManagerTest, ClosingAsksAndTheAnswerDecides)
{
    CTessimDoc* doc = OpenChanged("a.3dm");
    ASSERT_TRUE(doc);
    messages.QueueAnswer(MessageResult::Cancel);
    EXPECT_FALSE(documents.CloseDocument(*doc));
    messages.QueueAnswer(MessageResult::Cancel);
    EXPECT_FALSE(documents.CloseAllDocuments());
    EXPECT_TRUE(documents.Owns(doc));
    EXPECT_TRUE(windows.closed.empty());

    messages.QueueAnswer(MessageResult::Yes);
    EXPECT_TRUE(documents.CloseAllDocuments());
    EXPECT_FALSE(documents.HasDocument());
    EXPECT_EQ(windows.closed, std::vector<CTessimDoc*>{doc});
    EXPECT_FALSE(app.m_pCurrentDoc);
    EXPECT_TRUE(fs::exists(dir.File("db/user.pln"))) << "Yes saves the user's names";
    EXPECT_EQ(messages.Messages().size(), 3u);

    // Nothing changed, nothing asked.
    ASSERT_TRUE(documents.OpenDocumentFile(WriteTile("b.3dm", 1.0f)));
    EXPECT_TRUE(documents.CloseAllDocuments());
    EXPECT_EQ(messages.Messages().size(), 3u);
}

} // namespace
} // namespace qb
