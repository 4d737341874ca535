#include "terrain/XmlConversion.h"

#include "platform/MessageSink.h"
#include "platform/Progress.h"
#include "terrain/ByteSource.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace qb {
namespace {

// Collects the message a quiet import would have shown, as the reason of a failure.
class CReasonSink final : public IMessageSink {
public:
    MessageResult ShowMessage(std::string_view text, MessageIcon, MessageButtons, std::string_view) override
    {
        reason = text;
        return MessageResult::Ok;
    }
    std::string reason;
};

const char* SubfolderFor(int meshSize)
{
    return meshSize == 10 ? "10m" : meshSize == 5 ? "5m" : "1m";
}

bool EnsureSubfolder(const std::string& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return true;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

} // namespace

XmlConversion ConvertXmlSource(CHeightGrid& grid, IByteSource& source, const std::string& name,
                               const std::string& databaseFolder)
{
    XmlConversion result;
    result.source = name;
    CReasonSink reasons;
    const CTerrainEnv saved = grid.Env();
    CTerrainEnv quiet;
    quiet.messages = &reasons;
    grid.SetEnv(quiet);
    const int imported = grid.ImportXml(source, name, true);
    grid.SetEnv(saved);
    if (!imported) {
        result.reason = reasons.reason.empty() ? "標高値が一つもありません。" : reasons.reason;
        return result;
    }
    result.meshSize = grid.m_nMeshSize;
    result.extent = GeoBox{.south = grid.m_fSouth, .north = grid.m_fNorth, .west = grid.m_fWest, .east = grid.m_fEast};
    for (const char* sub : {"10m", "5m", "1m"})
        EnsureSubfolder(databaseFolder + "/" + sub);
    result.target = databaseFolder + "/" + SubfolderFor(grid.m_nMeshSize) + "/" + grid.MakeTileName();
    result.outcome = grid.WriteTileOutcome(result.target, TileWriteMode::KeepBetter);
    if (result.outcome == TileWriteOutcome::Failed)
        result.reason = "ファイルが書き込めません: " + result.target;
    return result;
}

int ConvertXmlFile(CHeightGrid& grid, const std::string& path, const std::string& databaseFolder)
{
    CFileByteSource file;
    if (!file.Open(path))
        return 0;
    return ConvertXmlSource(grid, file, path, databaseFolder).outcome != TileWriteOutcome::Failed ? 1 : 0;
}

namespace {

void AddArchive(const std::string& path, std::vector<XmlInput>& inputs)
{
    CZipArchive archive;
    if (!archive.Open(path))
        return;
    for (const auto& member : archive.XmlMembers())
        inputs.push_back({path, true, member});
}

void AddPath(const fs::path& path, std::vector<XmlInput>& inputs)
{
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        std::vector<fs::path> entries;
        for (const auto& entry : fs::directory_iterator(path, fs::directory_options::skip_permission_denied, ec))
            entries.push_back(entry.path());
        std::sort(entries.begin(), entries.end());
        for (const auto& entry : entries)
            if (fs::is_directory(entry, ec) || HasExtension(entry.filename().string(), ".xml") ||
                HasExtension(entry.filename().string(), ".zip"))
                AddPath(entry, inputs);
        return;
    }
    const std::string name = path.string();
    if (HasExtension(name, ".zip"))
        AddArchive(name, inputs);
    else if (HasExtension(name, ".xml"))
        inputs.push_back(XmlInput{name, false, {}});
}

// Converts one input; archives stay open while consecutive inputs share them.
class CInputConverter {
public:
    explicit CInputConverter(const std::string& databaseFolder) : m_strDatabase(databaseFolder) {}

    XmlConversion Convert(const XmlInput& input)
    {
        if (!input.inArchive) {
            CFileByteSource file;
            if (!file.Open(input.path))
                return Failure(input, "ファイルが開けません。");
            return ConvertXmlSource(m_grid, file, input.path, m_strDatabase);
        }
        if (m_strArchivePath != input.path) {
            m_archive = std::make_unique<CZipArchive>();
            m_strArchivePath = input.path;
            if (!m_archive->Open(input.path))
                return Failure(input, m_archive->Error());
        }
        std::string bytes, error;
        if (!m_archive->Read(input.member, bytes, error))
            return Failure(input, error);
        CMemoryByteSource memory(bytes);
        return ConvertXmlSource(m_grid, memory, input.Name(), m_strDatabase);
    }

private:
    static XmlConversion Failure(const XmlInput& input, const std::string& reason)
    {
        XmlConversion failure;
        failure.source = input.Name();
        failure.reason = reason;
        return failure;
    }

    const std::string m_strDatabase;
    CHeightGrid m_grid;  // one temporary grid serves all files
    std::unique_ptr<CZipArchive> m_archive;
    std::string m_strArchivePath;
};

void ReportFile(IProgress* progress, int done, int total)
{
    if (progress)
        progress->Report(done, total);
}

void ShowNoFiles(IMessageSink* messages)
{
    if (messages)
        messages->ShowMessage(kNoXmlFilesMessage, MessageIcon::Exclamation);
}

} // namespace

std::vector<XmlInput> FindXmlInputs(const std::vector<std::string>& paths)
{
    std::vector<XmlInput> inputs;
    for (const auto& path : paths)
        AddPath(path, inputs);
    return inputs;
}

int ImportXmlFolder(const std::vector<std::string>& paths, XmlFolderJob& job, XmlFolderSummary& summary)
{
    // The search itself shows as a percentage, the conversion as files done of all.
    if (job.progress)
        job.progress->Report(0, 100);
    const std::vector<XmlInput> inputs = FindXmlInputs(paths);
    summary.found = static_cast<int>(inputs.size());
    if (inputs.empty()) {
        ShowNoFiles(job.messages);
        return 0;
    }
    if (job.openMode)
        *job.openMode = 3;
    CInputConverter converter(job.databaseFolder);
    int lastMeshSize = 0;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        ReportFile(job.progress, static_cast<int>(i), summary.found);
        if (job.progress && job.progress->IsCancelled()) {
            summary.cancelled = true;
            return 0;
        }
        XmlConversion result = converter.Convert(inputs[i]);
        if (result.outcome == TileWriteOutcome::Failed) {
            summary.failures.push_back(std::move(result));
            continue;
        }
        ++(result.outcome == TileWriteOutcome::Written ? summary.converted : summary.kept);
        lastMeshSize = result.meshSize;
        summary.extent = summary.extent ? Union(*summary.extent, result.extent) : result.extent;
    }
    if (job.mapKind && (lastMeshSize == 10 || lastMeshSize == 5))
        *job.mapKind = lastMeshSize == 10 ? 1 : 2;
    if (summary.converted + summary.kept == 0) {
        ShowNoFiles(job.messages);
        return 0;
    }
    return 1;
}

} // namespace qb
