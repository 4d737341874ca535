#include "app/AreaFiles.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace qb {
namespace {

namespace fs = std::filesystem;

// Gives each name field a terminator inside the field. The area name keeps
// whole characters: one too long for its field, or ending in half a
// character, is cut on a character boundary. A base file path without a
// terminator is dropped, because a cut path would name another file.
void TerminateNameFields(CAreaRecord& record)
{
    auto& bytes = record.RawBytes();
    const auto terminated = [&bytes](std::size_t offset, std::size_t size) {
        return std::find(bytes.begin() + offset, bytes.begin() + offset + size, 0) !=
               bytes.begin() + offset + size;
    };
    record.SetAreaName(record.AreaName());
    if (!terminated(area_offset::kBaseFile, area_offset::kBaseFileSize))
        record.SetBaseFile("");
}

bool HasAreaExtension(const std::string& name)
{
    if (name.size() < kAreaFileExtension.size())
        return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - kAreaFileExtension.size());
    return std::equal(tail.begin(), tail.end(), kAreaFileExtension.begin(), [](char a, char b) {
        return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b;
    });
}

bool IsUsableFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos;
}

} // namespace

std::string AreaFolder(ISettingsStore& settings)
{
    return settings.GetSettingString("FileInit", "AreDir", "");
}

bool ReadAreaFile(const std::string& path, CAreaRecord& record)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file)
        return false;
    CAreaRecord::Bytes bytes{};
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return false;
    CAreaRecord read(bytes);
    read.SetListFlag(1);
    if (read.LayoutMark() == kAreaLayoutMark)
        read.SetOldCounts(read.Across(), read.Down());
    TerminateNameFields(read);
    record = read;
    return true;
}

std::vector<std::string> ListAreaFiles(const std::string& folder)
{
    std::vector<std::string> paths;
    std::error_code error;
    if (folder.empty())
        return paths;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && HasAreaExtension(it->path().filename().string()))
            paths.push_back(it->path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

int CountAreaFiles(const std::string& folder)
{
    return static_cast<int>(ListAreaFiles(folder).size());
}

std::vector<CAreaRecord> ReadAreaFiles(const std::string& folder)
{
    std::vector<CAreaRecord> records;
    for (const std::string& path : ListAreaFiles(folder)) {
        CAreaRecord record;
        if (ReadAreaFile(path, record))
            records.push_back(record);
    }
    return records;
}

CAreaRecord AreaFileRecord(const CAreaRecord& area)
{
    CAreaRecord file;
    file.SetMagic(kAreaMagic);
    file.SetAreaName(area.AreaName());
    file.SetBaseFile(area.BaseFile());
    file.SetCounts(area.OldAcross(), area.OldDown());
    file.SetOldCounts(1, 1);
    file.SetBaseColumn(area.BaseColumn());
    file.SetBaseRow(area.BaseRow());
    file.SetValue(area.Value());
    file.SetListFlag(area.ListFlag());
    file.SetLayoutMark(kAreaLayoutMark);
    return file;
}

std::string AreaFileName(std::string_view cp932Name)
{
    const auto utf8 = Utf8FromCp932(cp932Name);
    if (!utf8 || !IsUsableFileName(*utf8))
        return {};
    return *utf8 + std::string(kAreaFileExtension);
}

bool WriteAreaFile(const std::string& folder, const CAreaRecord& area, IMessageSink& messages)
{
    const std::string fileName = AreaFileName(area.AreaName());
    if (fileName.empty()) {
        messages.ShowMessage(kBadAreaNameMessage, MessageIcon::Exclamation);
        return false;
    }
    if (folder.empty())
        return false;
    const CAreaRecord file = AreaFileRecord(area);
    CAtomicFileWriter writer;
    return writer.Open(folder + "/" + fileName) && writer.Write(file.RawBytes().data(), kAreaRecordSize) &&
           writer.Commit();
}

} // namespace qb
