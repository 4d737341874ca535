#pragma once
// Test doubles of the frame and the progress dialog, and an application with
// its folders inside a temporary folder, for the document's tests.
#include "app/DocumentHost.h"
#include "app/TessimApp.h"
#include "platform/JobRunner.h"
#include "platform/MemorySettingsStore.h"
#include "terrain/HeightGrid.h"
#include "tests/app/FakeSystemServices.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedProgress.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qb::test {

struct CDocumentHost final : IDocumentHost {
    bool CloseOtherDocuments(CTessimDoc&) override { return allowClose; }
    void SetStatusText(std::string_view text) override { status = text; }
    std::string FileNotFoundText(std::string_view lookedFor) const override
    {
        return namesFiles ? "not found: " + std::string(lookedFor) : IDocumentHost::FileNotFoundText(lookedFor);
    }
    bool allowClose = true;
    bool namesFiles = false;
    std::string status;
};

// Runs every job at once and records its kind and how many reports it made.
// The job of kind cancelKind (only its run number cancelRun of that kind when
// that is not negative) is cancelled at its report number cancelAfter.
struct CDocumentJobs final : IJobRunner {
    bool RunJob(int kind, const std::function<int(IProgress&)>& job) override
    {
        const int run = static_cast<int>(std::count(kinds.begin(), kinds.end(), kind));
        kinds.push_back(kind);
        const bool cancelThis = kind == cancelKind && (cancelRun < 0 || run == cancelRun);
        CScriptedProgress progress(cancelThis ? cancelAfter : -1);
        const bool done = job(progress) == 1 && !progress.IsCancelled();
        reports.push_back(progress.Reports().size());
        return done;
    }
    std::vector<int> kinds;
    std::vector<std::size_t> reports;
    int cancelKind = -1;
    int cancelRun = -1;
    int cancelAfter = 0;
};

// The application with its place folder and database folder in a temporary folder.
class CDocumentTest : public ::testing::Test {
protected:
    CDocumentTest() : app(settings, system, messages)
    {
        system.documentsFolder = dir.File("docs");
        system.currentFolder = dir.Path();
        std::filesystem::create_directories(dir.File("place"));
        settings.WriteSettingString("FileInit", "PlnDir", dir.File("place"));
        app.m_strDatabaseFolder = dir.File("db");
    }

    // A 10 m tile of 20 x 10 points: height + column, no data at the north-west point.
    std::string WriteTile(const std::string& name, float height, float south = 35.0f, float west = 139.0f)
    {
        CHeightGrid tile;
        FillGrid(tile, 20, 10, [height](int r, int c) { return r == 0 && c == 0 ? kNoData : height + c; }, south,
                 south + 0.1f, west, west + 0.2f);
        tile.m_nMeshSize = tile.m_nMeshSize2 = 10;
        std::filesystem::create_directories(std::filesystem::path(dir.File(name)).parent_path());
        EXPECT_EQ(tile.WriteTile(dir.File(name), TileWriteMode::Replace), 1);
        return dir.File(name);
    }

    CTempDir dir;
    CMemorySettingsStore settings;
    CFakeSystemServices system;
    CRecordingMessageSink messages;
    CTessimApp app;
    CDocumentHost host;
    CDocumentJobs jobs;
};

} // namespace qb::test
